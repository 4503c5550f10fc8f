// The league tables screen's rules: difference texts, counts, tendencies, the view mask, gap rows,
// option buttons, the competition list, the season menu and the count of a club's matches.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "competitions/ligen_tabelle.h"
#include "competitions/tabellen_welt.h"
#include "graphics/grafik_farbe.h"

namespace {

using namespace spielwelt;

using knopf_test::knoepfe;

class LigenTabelle : public Tabellen_Welt {
protected:
    void SetUp() override
    {
        Tabellen_Welt::SetUp();
        Manager_Neuer_Mitspieler(2, "Bea");
    }
    int32_t liga_block(int32_t tage)
    {
        const int32_t b = Spiele_Init_Neue_Spiele(1, 4, tage, 1, LIGA, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = b;
        return b;
    }
    bool an(int32_t icon) { return knoepfe[{1, icon}] != 0; }
};

TEST(TabelleTexte, DifferenceAndPoints)
{
    EXPECT_STREQ(Tabelle_Tordifferenz_Text(7), "  +7");
    EXPECT_STREQ(Tabelle_Tordifferenz_Text(-3), "  -3");
    EXPECT_STREQ(Tabelle_Tordifferenz_Text(0), "   0");
    EXPECT_STREQ(Tabelle_Tordifferenz_Text(42), " +42");
    EXPECT_STREQ(Tabelle_Tordifferenz_Text(999), "+999");
    EXPECT_STREQ(Tabelle_Tordifferenz_Text(-999), "-999");
    // An eternal table gets past three digits: the whole number, nothing cut or overrun.
    EXPECT_STREQ(Tabelle_Tordifferenz_Text(-1000), "-1000");
    EXPECT_STREQ(Tabelle_Tordifferenz_Text(123456), "+123456");
    EXPECT_STREQ(Tabelle_Tordifferenz_Text(INT32_MIN), "-2147483648");
    EXPECT_EQ(Ligen_Tabelle_Punkte_Text(14, 10, false), "14: 6");
    EXPECT_EQ(Ligen_Tabelle_Punkte_Text(14, 10, true), " 14");
}

TEST(TabelleTexte, ViewMaskOfTheOptionButtons)
{
    EXPECT_EQ(Ligen_Tabelle_Sicht_Maske(false, false, false, false, false), 31);
    EXPECT_EQ(Ligen_Tabelle_Sicht_Maske(true, false, false, true, false), 10);
    EXPECT_EQ(Ligen_Tabelle_Sicht_Maske(true, true, false, false, false), 15);  // home wins over away
    EXPECT_EQ(Ligen_Tabelle_Sicht_Maske(false, true, true, true, true), 22);    // difference wins
    EXPECT_EQ(Ligen_Tabelle_Sicht_Maske(false, false, false, false, true), 28);
}

TEST(TabelleTexte, GapRowsFoldNearTheEndAndTheirTextGrows)
{
    // Plenty of room: one row per point.
    auto a = Ligen_Tabelle_Abstand_Zeilen(10, 18, 5);
    EXPECT_EQ(a.einzeln, 5);
    EXPECT_FALSE(a.addiert);
    // A large gap near the end of a long table folds into one summed row.
    a = Ligen_Tabelle_Abstand_Zeilen(100, 18, 20);
    EXPECT_EQ(a.einzeln, 0);
    EXPECT_TRUE(a.addiert);
    a = Ligen_Tabelle_Abstand_Zeilen(90, 18, 20);
    EXPECT_EQ(a.einzeln, 2);
    EXPECT_TRUE(a.addiert);
    // The summed row holds every picture, 14 characters each, however many there are.
    EXPECT_EQ(Ligen_Tabelle_Abstand_Text(60, 0x1234).size(), 60u * 14u);
    EXPECT_EQ(Ligen_Tabelle_Abstand_Text(2, 0xab), "^gnk0x000000ab^gnk0x000000ab");
    EXPECT_TRUE(Ligen_Tabelle_Abstand_Text(0, 1).empty());
}

TEST_F(LigenTabelle, ResultCountsByVenueAndRange)
{
    Tabelle_Datensatz t{};
    std::fill(std::begin(t.tag_ergebnis), std::end(t.tag_ergebnis), uint16_t(3));
    // Slot 2: win at home, draw away, loss at home, win away.
    const uint16_t erg[] = {TAB_SIEG, TAB_REMIS, TAB_NIEDERLAGE, TAB_SIEG};
    const uint8_t ort[] = {1, 0, 1, 0};
    for (int d = 0; d < 4; ++d) {
        t.tag_ergebnis[d * TABELLE_TAG_SLOTS + 2] = erg[d];
        t.tag_ort[d * TABELLE_TAG_SLOTS + 2] = ort[d];
    }
    EXPECT_EQ(Tabelle_Zaehle_Ergebnisse(&t, 2, TAB_SIEG, 0, 3, 0), 2);
    EXPECT_EQ(Tabelle_Zaehle_Ergebnisse(&t, 2, TAB_SIEG, 0, 3, 1), 1);
    EXPECT_EQ(Tabelle_Zaehle_Ergebnisse(&t, 2, TAB_SIEG, 0, 3, 2), 1);
    EXPECT_EQ(Tabelle_Zaehle_Ergebnisse(&t, 2, TAB_SIEG, -5, 2, 0), 1);  // first below 0 counts from 0
    EXPECT_EQ(Tabelle_Zaehle_Ergebnisse(&t, 2, TAB_REMIS, 2, 3, 0), 0);
    EXPECT_EQ(Tabelle_Zaehle_Ergebnisse(nullptr, 2, TAB_SIEG, 0, 3, 0), 0);
    EXPECT_EQ(Tabelle_Zaehle_Ergebnisse(&t, 99, TAB_SIEG, 0, 3, 0), 0);
    EXPECT_EQ(Tabelle_Zaehle_Ergebnisse(&t, 2, TAB_SIEG, 0, 100000, 0), 2);
}

TEST_F(LigenTabelle, TendencyLettersAndTheirWindow)
{
    const int32_t b = liga_block(6);
    // Team 1: home win, away draw, home loss, away win, away loss; day 5 unplayed.
    ergebnis(b, 0, 0, 1, 2, 2, 0);
    ergebnis(b, 1, 0, 3, 1, 1, 1);
    ergebnis(b, 2, 0, 1, 0, 0, 1);
    ergebnis(b, 3, 0, 2, 1, 0, 3);
    ergebnis(b, 4, 0, 0, 1, 2, 1);
    ergebnis(b, 5, 0, 1, 3, -1, 0);
    uint16_t farbe = 0;
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(LIGA, 0, 1, -1, -1, 0, &farbe), 's');
    EXPECT_EQ(farbe, Grafik_Farbe(1, 12, 1));
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(LIGA, 0, 2, -1, -1, 0, &farbe), 'N');
    EXPECT_EQ(farbe, Grafik_Farbe(14, 1, 1));
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(LIGA, 1, 1, -1, -1, 0, nullptr), 'U');
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(LIGA, 2, 1, -1, -1, 0, nullptr), 'n');
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(LIGA, 3, 1, -1, -1, 0, nullptr), 'S');
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(LIGA, 5, 1, -1, -1, 0, nullptr), '-');
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(LIGA, 0, 9, -1, -1, 0, nullptr), '-');  // no match that day
    // With the forecast the unplayed match gives a letter of the home side.
    const char tip = Tabelle_Tendenz_Zeichen(LIGA, 5, 1, -1, -1, 1, nullptr);
    EXPECT_NE(std::string("sun").find(tip), std::string::npos);

    // Five played days: five letters, then seven "-".
    EXPECT_EQ(Ligen_Tabelle_Tendenz_Text(LIGA, 1, 4, 6, -1, -1, 0, 0), "^fb0008sUnSN-------^fe");
    // Home only keeps lower case, away only capitals.
    EXPECT_EQ(Ligen_Tabelle_Tendenz_Text(LIGA, 1, 4, 6, -1, -1, 0, 1), "^fb0008s-n---------^fe");
    EXPECT_EQ(Ligen_Tabelle_Tendenz_Text(LIGA, 1, 4, 6, -1, -1, 0, 2), "^fb0008-U-SN-------^fe");
}

TEST_F(LigenTabelle, TwoLegsAddCrosswiseAndAnOpenSecondLegIsUnplayed)
{
    const int32_t b = Spiele_Init_Neue_Spiele(0, 4, 1, 2, GRUPPE, -1);
    ASSERT_GE(b, 0);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(GRUPPE))->spiele_block = b;
    auto leg = [&](int32_t runde, int32_t slot, int32_t heim, int32_t gast, int32_t ht, int32_t gt) {
        bein(b, 0, runde, slot, heim, gast, ht, gt);
    };
    leg(0, 0, 5, 6, 2, 0);
    leg(1, 0, 6, 5, 3, 0);  // 6 wins the tie 3:2
    leg(0, 1, 7, 8, 1, 0);
    leg(1, 1, 8, 7, -1, 0);
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(GRUPPE, 0, 5, -1, -1, 0, nullptr), 'n');
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(GRUPPE, 0, 6, -1, -1, 0, nullptr), 'S');
    EXPECT_EQ(Tabelle_Tendenz_Zeichen(GRUPPE, 0, 7, -1, -1, 0, nullptr), '-');
}

TEST_F(LigenTabelle, ClubMatchCountEqualsARecount)
{
    const int32_t b = liga_block(6);
    for (int32_t d = 0; d < 6; ++d) {
        ergebnis(b, d, 0, d % 2 ? 2 : 1, d % 2 ? 1 : 2, d < 3 ? 1 : -1, 0);
        ergebnis(b, d, 1, 3, 0, -1, 0);
    }
    EXPECT_EQ(Ligen_Tabelle_Paarungen_Ermitteln(LIGA, 1), 6);
    EXPECT_EQ(Ligen_Tabelle_Paarungen_Ermitteln(LIGA, 3), 6);
    EXPECT_EQ(Ligen_Tabelle_Paarungen_Ermitteln(LIGA, 9), 0);
    // Every lock was released: the store still hands out all of them.
    std::vector<int32_t> h;
    for (int32_t i = 0; i < 12; ++i) h.push_back(Spiele_Lock_Index(b, i));
    for (int32_t x : h) EXPECT_NE(x, 0);
    for (int32_t x : h) Spiele_Unlock(x);
}

TEST_F(LigenTabelle, OptionButtonsBehaveAsRadioGroupsAndViews)
{
    knoepfe[{1, LT_AKTUELL}] = 1;
    Ligen_Tabelle_Tabellenknopf_Klick(LT_TORE);
    EXPECT_TRUE(an(LT_TORE));
    Ligen_Tabelle_Tabellenknopf_Klick(LT_GEGENTORE);
    EXPECT_TRUE(an(LT_GEGENTORE));
    EXPECT_FALSE(an(LT_TORE));
    // The sort button that is on: all three off, the standard order.
    Ligen_Tabelle_Tabellenknopf_Klick(LT_GEGENTORE);
    EXPECT_FALSE(an(LT_TORDIFFERENZ) || an(LT_TORE) || an(LT_GEGENTORE));
    Ligen_Tabelle_Tabellenknopf_Klick(LT_HEIM);
    Ligen_Tabelle_Tabellenknopf_Klick(LT_AUSWAERTS);
    EXPECT_FALSE(an(LT_HEIM));
    EXPECT_TRUE(an(LT_AUSWAERTS));
    // A view that is on stays on; another takes its place and the forecast goes off.
    Ligen_Tabelle_Tabellenknopf_Klick(LT_TIP);
    EXPECT_TRUE(an(LT_TIP));
    Ligen_Tabelle_Tabellenknopf_Klick(LT_AKTUELL);
    EXPECT_TRUE(an(LT_AKTUELL));
    EXPECT_TRUE(an(LT_TIP));
    Ligen_Tabelle_Tabellenknopf_Klick(LT_EWIG);
    EXPECT_TRUE(an(LT_EWIG));
    EXPECT_FALSE(an(LT_AKTUELL) || an(LT_TIP) || an(LT_HISTORIE));
    EXPECT_FALSE(Ligen_Tabelle_Tabellenknopf_Frei(LT_TIP));
    EXPECT_FALSE(Ligen_Tabelle_Tabellenknopf_Frei(LT_HALBZEIT_2));
    EXPECT_TRUE(Ligen_Tabelle_Tabellenknopf_Frei(LT_HEIM));
    EXPECT_TRUE(Ligen_Tabelle_Tabellenknopf_Frei(LT_HISTORIE));
    // Past winners: only "Sieger", two columns and details stay usable.
    Ligen_Tabelle_Tabellenknopf_Klick(LT_SIEGER);
    for (int32_t icon : {LT_HEIM, LT_TORE, LT_AKTUELL, LT_EWIG, LT_TIP, LT_HISTORIE, LT_HALBZEIT_1})
        EXPECT_FALSE(Ligen_Tabelle_Tabellenknopf_Frei(icon)) << icon;
    for (int32_t icon : {LT_SIEGER, LT_SPALTEN, LT_DETAILS}) EXPECT_TRUE(Ligen_Tabelle_Tabellenknopf_Frei(icon));
    // A second manager at the same PC keeps his own options.
    Aktuelles_Team = 2;
    EXPECT_TRUE(Ligen_Tabelle_Tabellenknopf_Frei(LT_TIP));
    Ligen_Tabelle_Tabellenknopf_Klick(LT_TORE);
    Aktuelles_Team = 1;
    EXPECT_FALSE(an(LT_TORE));
}

TEST_F(LigenTabelle, AnUnlistedCompetitionTakesTheSeventhShortcut)
{
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) Manager_Icon_Word_Data_Schreiben(1, LT_KURZWAHL_WORT + i, 0);
    Manager_Icon_Word_Data_Schreiben(1, LT_KURZWAHL_WORT + 2, uint16_t(GRUPPE));
    Ligen_Tabelle_Kurzwahl_Setzen(GRUPPE);
    EXPECT_TRUE(an(LT_KURZWAHL + 2));
    Ligen_Tabelle_Kurzwahl_Setzen(ANDERE_LIGA);
    EXPECT_FALSE(an(LT_KURZWAHL + 2));
    EXPECT_TRUE(an(LT_KURZWAHL + 6));
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(1, LT_KURZWAHL_WORT + 6), ANDERE_LIGA);
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(1, LT_KURZWAHL_WORT + 2), GRUPPE);
}

TEST_F(LigenTabelle, ListHoldsEachChainOnceAndTheSeasonMenuSaysWhy)
{
    int32_t ids[WETTBEWERB_ANZAHL];
    const int32_t n = Ligen_Tabelle_Liste_Aufbauen(ids);
    EXPECT_EQ(ids[n], -1);
    std::vector<int32_t> v(ids, ids + n);
    for (int32_t id : v) {
        EXPECT_EQ(Wettbewerb_Get_Erster_Der_Kette(id), id);
        EXPECT_EQ(std::count(v.begin(), v.end(), id), 1);
    }
    EXPECT_NE(std::find(v.begin(), v.end(), POKAL_R1), v.end());
    EXPECT_EQ(std::find(v.begin(), v.end(), POKAL_R2), v.end());
    EXPECT_EQ(Ligen_Tabelle_Liste_Aufbauen(nullptr), 0);

    std::string e[33];
    const int32_t jahr[] = {2000};
    ASSERT_EQ(Ligen_Tabelle_Historie_Eintraege(jahr, 1, false, e, 33), 1);
    EXPECT_EQ(e[0], "Abschlußtabelle 1999/2000");
    ASSERT_EQ(Ligen_Tabelle_Historie_Eintraege(nullptr, 0, false, e, 33), 1);
    EXPECT_EQ(e[0], "Noch keine Abschlußtabelle verfügbar");
    Ligen_Tabelle_Historie_Eintraege(nullptr, 0, true, e, 33);
    EXPECT_EQ(e[0], "Wettbewerb wird im KO-Modus ausgetragen");
    int32_t viele[30];
    for (int32_t i = 0; i < 30; ++i) viele[i] = 1970 + i;
    EXPECT_EQ(Ligen_Tabelle_Historie_Eintraege(viele, 30, false, e, 33), 20);
}

}  // namespace

namespace {

using namespace spielwelt;

TEST_F(LigenTabelle, BandsMarkPlacesUpDownAndIntoACup)
{
    // The top league sends its last place down: one red band at the bottom of the graph.
    auto b = Ligen_Tabelle_Baender(testwelt::A1 + 1);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].r, 15);
    EXPECT_EQ(b[0].g, 0);
    EXPECT_EQ(b[0].staerke, 30);
    EXPECT_EQ(b[0].y1, LT_GRAFIK_H);
    // A lower league's champion goes up: green of strength 50 from the top.
    b = Ligen_Tabelle_Baender(2);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].g, 15);
    EXPECT_EQ(b[0].r, 0);
    EXPECT_EQ(b[0].staerke, 50);
    EXPECT_EQ(b[0].y0, 0);
    // Two places up and two down: green falling, red rising in strength.
    Wettbewerb_Datensatz* a2 = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(2));
    a2->ziele.ziel[0][1] = testwelt::A1;
    Wettbewerb_Datensatz* a1 = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(1));
    a1->ziele.ziel[0][2] = testwelt::A2;
    b = Ligen_Tabelle_Baender(2);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_GT(b[0].staerke, b[1].staerke);
    EXPECT_EQ(b[0].y1, b[1].y0);
    b = Ligen_Tabelle_Baender(1);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].r, 15);
    EXPECT_LT(b[0].staerke, b[1].staerke);
    // A knock-out competition has no graph.
    EXPECT_TRUE(Ligen_Tabelle_Baender(POKAL_R1).empty());
}

TEST_F(LigenTabelle, AKnockOutTargetGivesAYellowBand)
{
    Wettbewerb_Datensatz* a1 = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(1));
    a1->ziele.ziel[0][1] = testwelt::POKAL1;  // record numbers
    const auto b = Ligen_Tabelle_Baender(1);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].r, 15);
    EXPECT_EQ(b[0].g, 15);
    EXPECT_EQ(b[0].staerke, 30);
}

TEST_F(LigenTabelle, PlacesPerDayAndTheirPoints)
{
    const int32_t b = liga_block(6);
    ergebnis(b, 0, 0, 0, 1, 3, 0);
    ergebnis(b, 0, 1, 2, 3, 0, 0);
    ergebnis(b, 1, 0, 1, 2, 2, 0);
    ergebnis(b, 1, 1, 3, 0, 1, 0);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 2;
    std::vector<int32_t> plaetze;
    Ligen_Tabelle_Grafik_Daten(LIGA, 0, &plaetze);
    ASSERT_EQ(plaetze.size(), 2u);
    EXPECT_EQ(plaetze[0], 0);
    EXPECT_GT(plaetze[1], 0);
    Ligen_Tabelle_Grafik_Daten(LIGA, 30, &plaetze);
    EXPECT_EQ(plaetze, (std::vector<int32_t>{-1, -1}));
    // Before the first day: no point at all.
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 0;
    Ligen_Tabelle_Grafik_Daten(LIGA, 0, &plaetze);
    EXPECT_TRUE(plaetze.empty());

    const auto p = Ligen_Tabelle_Grafik_Punkte(18, 34, {0, 3, -1, 17});
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[1].x, 5);   // 190 / 34 per day
    EXPECT_EQ(p[1].y, 15);  // 88 / 17 per place
    EXPECT_EQ(p[2].tag, 3);
    EXPECT_EQ(p[2].x, 16);
    EXPECT_EQ(p[2].y, 88);
    // Fewer than two teams or no match days: nothing divides by zero.
    EXPECT_TRUE(Ligen_Tabelle_Grafik_Punkte(1, 34, {0, 0}).empty());
    EXPECT_EQ(Ligen_Tabelle_Grafik_Punkte(4, 0, {1, 2}).size(), 2u);
}

TEST_F(Spielwelt, ANewManagerStartsWithTheTablesAndComparisonPresets)
{
    Manager_Neuer_Mitspieler(5, "Neu");
    for (int32_t icon : {int32_t(LT_KURZWAHL), int32_t(LT_AKTUELL), 2579, 2581, 2587}) EXPECT_EQ(Manager_Icon_Button_Lesen(5, icon), 1u) << icon;
    for (int32_t icon : {int32_t(LT_TIP), int32_t(LT_EWIG), int32_t(LT_SIEGER), 2588, 2582}) EXPECT_EQ(Manager_Icon_Button_Lesen(5, icon), 0u) << icon;
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(5, LT_SPIELTAG), 1);
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(5, LT_FILTER)), -1);
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(5, LT_KURZWAHL_WORT + 6)), -1);
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(5, 2581), 7);
}

}  // namespace
