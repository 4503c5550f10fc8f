// The statistics page: bars in their field, the cup column's choice, record lines, the curve's
// minimum of two games and the point information of an unknown game.
#include "economy/stadion_statistik_seite.h"
#include <cstdio>

#include "stadion_hilfe.h"

namespace {
struct StadionSeite : StadionTest {
    Stadion_Statistik* st = nullptr;
    void SetUp() override
    {
        StadionTest::SetUp();
        Stadion_Daten* d = anlegen(3);
        ASSERT_NE(d, nullptr);
        Stadion_Optionale_Teile_Setzen(d, true);
        d = Stadion_Zeiger(3, 1);
        ASSERT_TRUE(d->hat_statistik);
        st = &d->statistik;
    }
};
}  // namespace

TEST_F(StadionSeite, ABrandNewStadiumFillsTheConditionBarsField)
{
    EXPECT_EQ(Stadion_Statistik_Balken(3, 0), STADION_BALKEN_FELD);
    for (int32_t art = 0; art < 3; ++art) {
        EXPECT_GE(Stadion_Statistik_Balken(3, art), 4);
        EXPECT_LE(Stadion_Statistik_Balken(3, art), STADION_BALKEN_FELD);
    }
}

TEST_F(StadionSeite, CupMenuStepsThroughUsedColumnsAndWraps)
{
    for (int8_t& w : st->wettbewerb) w = -1;
    EXPECT_EQ(Stadion_Statistik_Naechster_Pokal(*st, 1), -1);
    EXPECT_EQ(Stadion_Statistik_Wettbewerb_Hilfe(3, 1), "Sie haben noch in keinem Pokalwettbewerb gespielt.");
    EXPECT_EQ(Stadion_Statistik_Rekord(3, 1, false), "Noch keine Heimspiele ausgetragen");
    st->wettbewerb[2] = 7;
    st->wettbewerb[4] = 9;
    EXPECT_EQ(Stadion_Statistik_Naechster_Pokal(*st, 1), 2);
    EXPECT_EQ(Stadion_Statistik_Naechster_Pokal(*st, 2), 4);
    EXPECT_EQ(Stadion_Statistik_Naechster_Pokal(*st, 4), 2);  // wraps to the first
    st->wettbewerb[4] = -1;
    EXPECT_EQ(Stadion_Statistik_Naechster_Pokal(*st, 2), 2);  // a single cup stays
    EXPECT_EQ(Stadion_Statistik_Wettbewerb_Hilfe(4, 0), "Für Ihr Team sind leider keine Statistiken verfügbar.");
}

TEST_F(StadionSeite, CurveNeedsTwoHomeGamesAndAnUnknownGameHasNoInformation)
{
    st->eintraege = 1;
    st->reihe[0][0] = 20000;
    EXPECT_TRUE(Stadion_Statistik_Kurve(3, 0).empty());
    st->eintraege = 2;
    st->reihe[0][1] = 25000;
    EXPECT_EQ(Stadion_Statistik_Kurve(3, 0), (std::vector<int32_t>{20000, 25000}));
    EXPECT_TRUE(Stadion_Statistik_Kurve(3, 5).empty());  // the day row is no curve
    st->reihe[5][1] = 3;
    EXPECT_EQ(Stadion_Statistik_Punkt_Info(3, 1), std::vector<std::string>{"Keine Informationen verfügbar."});
    EXPECT_EQ(Stadion_Statistik_Punkt_Info(3, 7), std::vector<std::string>{"Keine Informationen verfügbar."});
    st->spiele[0] = 1;
    st->rekord_zuschauer[0] = 31000;
    st->rekord_tag[0][0] = 400;
    std::snprintf(st->rekord_gegner[0][0], 30, "%s", "Gegner");
    st->rekord_tore[0][0] = 2;
    st->rekord_tore[0][1] = 1;
    const std::string r = Stadion_Statistik_Rekord(3, 0, false);
    EXPECT_EQ(r.rfind("31000 Zusch.^tr0150(", 0), 0u) << r;
    EXPECT_NE(r.find("Gegner ^tl0300(2:1)"), std::string::npos) << r;
}

// After a cup game away the cup column is still free (only home games are entered): the page
// counts no home game there instead of claiming that the club played in no cup.
TEST_F(StadionSeite, AFreeCupColumnReadsAsNoHomeGameYet)
{
    for (int8_t& w : st->wettbewerb) w = -1;
    st->wettbewerb[0] = 2;
    const Stadion_Spalte_Zeilen pokal = Stadion_Statistik_Spalte_Zeilen(3, 1);
    EXPECT_EQ(pokal.spiele, "0 Spiele");
    EXPECT_EQ(pokal.schnitt, "Noch keine Heimspiele in dieser Saison");
    EXPECT_EQ(pokal.rekord_zuschauer, "Noch keine Heimspiele ausgetragen");
    EXPECT_EQ(pokal.rekord_einnahme, "Noch keine Heimspiele ausgetragen");
    // a column's figures once it has a game
    st->spiele[0] = 2;
    st->summe_zuschauer[0] = 50000;
    st->summe_einnahme[0] = 300000;
    const Stadion_Spalte_Zeilen liga = Stadion_Statistik_Spalte_Zeilen(3, 0);
    EXPECT_EQ(liga.spiele, "2 Spiele");
    EXPECT_EQ(liga.schnitt.rfind("Zuschauer:25000^tl0105Einnahmen:", 0), 0u) << liga.schnitt;
    // a stale count in a column no competition holds any more is not shown
    st->spiele[1] = 1;
    EXPECT_EQ(Stadion_Statistik_Spalte_Zeilen(3, 1).spiele, "0 Spiele");
    EXPECT_EQ(Stadion_Statistik_Spalte_Zeilen(4, 0).schnitt, "Noch keine Heimspiele in dieser Saison");  // no stadium part
}
