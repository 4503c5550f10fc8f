// A competition's day during play over the small test world: the day's games and the live table,
// a computer club's reaction, the rule vote through the arbiter, and the friendly competition.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/spiele_welt.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "match/spieltag.h"
#include "platform/liste.h"
#include "platform/mem.h"
#include "platform/print.h"

namespace {

std::vector<int32_t> heute;  // the day list's answer for the league
bool tagesliste(int32_t wettbewerb, int32_t* spiele)
{
    spiele[0] = 0;
    if (wettbewerb != spielwelt::LIGA || heute.empty()) return false;
    // A count beyond the room is reported as it stands; only the room is written.
    spiele[0] = int32_t(heute.size());
    for (size_t i = 0; i < heute.size() && i + 1 < size_t(WETTBEWERB_TAGESLISTE); ++i) spiele[i + 1] = heute[i];
    return true;
}

class WettbewerbTag : public spielwelt::Spielwelt {
protected:
    std::vector<std::string> meldungen;
    void SetUp() override
    {
        Spielwelt::SetUp();
        heute.clear();
        Spieltag_Set_Spiele_Hook(tagesliste);
        Print_Fehler_Set_Hook([this](const std::string& m) { meldungen.push_back(m); });
        News_Init();
        Aktueller_Tag = 10;
    }
    void TearDown() override
    {
        for (int32_t h : heute) Spiele_Unlock(h);
        Spieltag_Set_Spiele_Hook(nullptr);
        Print_Fehler_Set_Hook(nullptr);
        Kalender_Spielplan_Leeren();
        News_Init();
        Netz_Rolle = 0;
        Aktueller_Tag = 0;
        Spielwelt::TearDown();
    }
    // Match day 1 of the league with day 0 played (the lower number wins 1:0) and today's
    // games locked, 0:0 so far.
    void liga_am_zweiten_tag()
    {
        ASSERT_TRUE(Wettbewerb_Spielplan_Anlegen(spielwelt::LIGA));
        const int32_t block = Wettbewerb_Get_Spiele_Block(spielwelt::LIGA);
        for (int32_t slot = 0; slot < 2; ++slot) {
            const int32_t h = Spiele_Lock(block, 0, 0, slot);
            const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
            Spiele_Set_Ergebnis(h, s->heim < s->gast ? 1 : 0, s->heim < s->gast ? 0 : 1, 0);
            Spiele_Unlock(h);
        }
        Wettbewerb_Spiele_Beendet(spielwelt::LIGA);
        for (int32_t slot = 0; slot < 2; ++slot) {
            heute.push_back(Spiele_Lock(block, 1, 0, slot));
            Spiele_Set_Ergebnis(heute.back(), 0, 0, 0);
        }
    }
};

int32_t punkte(const Tabelle_Datensatz& t, int32_t team)
{
    for (int32_t s = 0; s < t.anzahl; ++s)
        if (t.team[s] == team) return t.punkte[0][s];
    return -1;
}

TEST_F(WettbewerbTag, DayGamesAndLiveTableCountTheRunningScore)
{
    liga_am_zweiten_tag();
    int32_t liste[WETTBEWERB_TAGESLISTE];
    ASSERT_TRUE(Wettbewerb_Spiel_Tagesspiele(heute[1], liste));
    EXPECT_EQ(std::vector<int32_t>(liste + 1, liste + 1 + liste[0]), heute);
    EXPECT_FALSE(Wettbewerb_Get_Heutige_Spiele(0, liste));
    EXPECT_EQ(liste[0], 0);

    // A running 1:0 counts: three points more for today's home side.
    const Spiele_Spiel s = *Spiele_Get_Spiel(heute[0], 1);
    Tabelle_Datensatz t;
    ASSERT_TRUE(Wettbewerb_Spiel_Tabelle(heute[0], &t, -1, -1, -1, -1, 0));
    const int32_t vorher = punkte(t, s.heim);
    Spiele_Set_Ergebnis(heute[0], 1, 0, 0);
    ASSERT_TRUE(Wettbewerb_Spiel_Tabelle(heute[0], &t, -1, -1, -1, -1, 0));
    EXPECT_EQ(punkte(t, s.heim), vorher + 2);  // a 0:0 gave one point
    ASSERT_EQ(t.anzahl, 4);
    for (int32_t slot = 0; slot < 4; ++slot) {
        const Spiele_Spiel* g = Spiele_Get_Spiel(t.tagesspiel[slot], 1);
        ASSERT_NE(g, nullptr) << slot;
        EXPECT_TRUE(g->heim == t.team[slot] || g->gast == t.team[slot]) << slot;
    }
    ASSERT_TRUE(Wettbewerb_Live_Tabelle_Berechnen(-1));
    EXPECT_EQ(Wettbewerb_Live_Tabelle()->anzahl, 4);
    EXPECT_EQ(punkte(*Wettbewerb_Live_Tabelle(), s.heim), vorher + 2);

    // A knock-out competition keeps no table; a day list beyond its room is refused.
    EXPECT_FALSE(Wettbewerb_Live_Tabelle_Berechnen(spielwelt::POKAL_R1));
    EXPECT_EQ(Wettbewerb_Live_Tabelle()->anzahl, 0);
    heute.resize(WETTBEWERB_TAGESLISTE, heute[0]);
    EXPECT_FALSE(Wettbewerb_Spiel_Tagesspiele(heute[0], liste));
    EXPECT_EQ(meldungen.size(), 1u);
    heute.resize(2);
}

TEST_F(WettbewerbTag, ComputerClubTrailingLateGoesAllOut)
{
    Manager_Neuer_Mitspieler(3, "M");
    std::vector<uint8_t> rec(26000, 0);
    const size_t einsatz = 21724;
    auto reaktion = [&](int32_t heim, int32_t gast, int32_t minute, uint8_t ht, uint8_t gt, uint8_t aktiv) {
        std::fill(rec.begin(), rec.end(), 0);
        rec[20571] = ht, rec[20572] = gt, rec[21800] = aktiv;
        rec[einsatz] = rec[einsatz + 1] = 50;
        Wettbewerb_Computer_Reaktion(spielwelt::LIGA, 0, 0, heim, gast, minute, 90, rec.data());
        return std::vector<int>{rec[einsatz], rec[einsatz + 1]};
    };
    EXPECT_EQ(reaktion(1, 2, 61, 0, 1, 1), (std::vector<int>{99, 50}));
    EXPECT_EQ(reaktion(1, 2, 75, 2, 1, 1), (std::vector<int>{50, 99}));
    EXPECT_EQ(reaktion(1, 2, 60, 0, 1, 1), (std::vector<int>{50, 50}));  // not before minute 61
    EXPECT_EQ(reaktion(1, 2, 80, 1, 1, 1), (std::vector<int>{50, 50}));  // level
    EXPECT_EQ(reaktion(1, 2, 80, 0, 1, 0), (std::vector<int>{50, 50}));  // inactive record
    EXPECT_EQ(reaktion(3, 2, 80, 0, 1, 1), (std::vector<int>{50, 50}));  // a manager decides himself
    Wettbewerb_Computer_Reaktion(spielwelt::LIGA, 0, 0, 1, 2, 80, 90, nullptr);
}

// Answers every open vote question of the clubs: yes for those in `ja`.
void abstimmen(const std::vector<int32_t>& teams, const std::vector<int32_t>& ja)
{
    for (int32_t t : teams) {
        const int32_t i = News_Suche_Erste(t, NEWS_FLAG_OFFEN);
        ASSERT_GE(i, 0) << t;
        ASSERT_EQ(News_Get_Text(i)->wort[0], 8);
        ASSERT_TRUE(News_Set(i, t, std::find(ja.begin(), ja.end(), t) != ja.end() ? 1 : 0, 2));
    }
}

TEST_F(WettbewerbTag, RuleVoteAdoptsOnAMajorityOfTimelyVotes)
{
    Team_Heimatland = testwelt::LAND_A;
    for (int32_t t : {1, 5, 9}) Manager_Neuer_Mitspieler(t, "M");
    const int32_t maerz = Kalender_Get_Tagnummer(1, 3, 2000);
    struct Fall {
        std::vector<int32_t> ja;
        int32_t antwort_tag;
        int8_t erwartet;
    };
    for (const Fall& f : {Fall{{1, 9}, maerz + 3, 0}, Fall{{5}, maerz + 3, -1}, Fall{{1, 5, 9}, maerz + 14, -1}}) {
        News_Init();
        Aktueller_Tag = maerz - 1;
        Wettbewerb_Jeden_Tag();
        EXPECT_EQ(News_Suche_Erste(1, NEWS_FLAG_OFFEN), -1);
        Aktueller_Tag = maerz;
        Wettbewerb_Jeden_Tag();
        // The home leagues carry the three-point rule: the question proposes dropping it.
        const int32_t i = News_Suche_Erste(5, NEWS_FLAG_OFFEN);
        ASSERT_GE(i, 0);
        EXPECT_EQ(News_Get_Text(i)->wort[3], maerz + 14);
        EXPECT_EQ(News_Get_Text(i)->wort[4], 0);
        abstimmen({1, 5, 9}, f.ja);
        for (Aktueller_Tag = maerz + 1; Aktueller_Tag <= maerz + 14; ++Aktueller_Tag) {
            if (Aktueller_Tag >= f.antwort_tag) Richter_Jeden_Tag();
            Wettbewerb_Jeden_Tag();
        }
        for (int32_t nr : {testwelt::A1, testwelt::A2, testwelt::A2B})
            EXPECT_EQ(Wettbewerb_Zeiger(nr)->englische_tabelle_neu, f.erwartet) << f.ja.size();
        EXPECT_EQ(Wettbewerb_Zeiger(testwelt::B1)->englische_tabelle_neu, -1);  // abroad
        // Every manager reads the outcome.
        bool gemeldet = false;
        for (int32_t k = News_Suche_Erste(9, NEWS_FLAG_DA); k >= 0; k = News_Suche_Naechste())
            gemeldet |= std::string(News_Get_Nachricht(k)->text).find(f.erwartet == 0 ? "angenommen" : "abgelehnt") !=
                        std::string::npos;
        EXPECT_TRUE(gemeldet) << f.ja.size();
        EXPECT_EQ(Wettbewerb_Get_Abstimmung().frist, -1);
        for (int32_t nr : {testwelt::A1, testwelt::A2, testwelt::A2B}) Wettbewerb_Zeiger(nr)->englische_tabelle_neu = -1;
    }
    // With no vote running a counted answer changes nothing.
    Wettbewerb_Regel_Abstimmung_Zaehlen(true);
    EXPECT_EQ(Wettbewerb_Get_Abstimmung().stimmen, 0);
    Team_Heimatland = 0xFFFF;
}

TEST_F(WettbewerbTag, FriendliesMakeTheirCompetitionOneMatchDayADay)
{
    EXPECT_EQ(Wettbewerb_Get_Dummy_Id(), -1);
    ASSERT_TRUE(Wettbewerb_Freundschaftsspiel_Einfuegen(40, 1, 5));
    const Wettbewerb_Id dummy = Wettbewerb_Get_Dummy_Id();
    ASSERT_GE(dummy, 0);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(dummy);
    EXPECT_TRUE(info->modus & HEIMRECHT);
    EXPECT_EQ(Wettbewerb_Get_Spielminuten(dummy, 1), 90);
    ASSERT_TRUE(Wettbewerb_Freundschaftsspiel_Einfuegen(30, 2, 6));   // arranged later, played earlier
    ASSERT_TRUE(Wettbewerb_Freundschaftsspiel_Einfuegen(40, 7, 3));
    // A club plays once a day; past days, a club against itself and a client are refused.
    EXPECT_FALSE(Wettbewerb_Freundschaftsspiel_Einfuegen(40, 5, 8));
    EXPECT_FALSE(Wettbewerb_Freundschaftsspiel_Einfuegen(10, 8, 9));
    EXPECT_FALSE(Wettbewerb_Freundschaftsspiel_Einfuegen(50, 8, 8));
    Netz_Rolle = 1;
    EXPECT_FALSE(Wettbewerb_Freundschaftsspiel_Einfuegen(50, 8, 9));
    Netz_Rolle = 0;
    EXPECT_EQ(Kalender_Get_Spieltag_Nummer(40, dummy), 0);
    EXPECT_EQ(Kalender_Get_Spieltag_Nummer(30, dummy), 1);

    // The day of the friendlies plays its own match day and ends with no season end.
    for (int32_t tag : {30, 40}) {
        Aktueller_Tag = tag;
        Wettbewerb_Jeden_Tag();
        Liste tagesliste;
        Liste_Init(&tagesliste);
        ASSERT_TRUE(Wettbewerb_Spieltag_Hinzufuegen(&tagesliste, dummy));
        const auto* n = static_cast<const uint32_t*>(tagesliste.next->data);
        EXPECT_EQ(n[0], tag == 40 ? 2u : 1u);
        const Spiele_Spiel s = *Spiele_Get_Spiel(int32_t(n[2 + n[0]]), 1);
        EXPECT_EQ(s.heim, tag == 40 ? 1 : 2);
        Tabelle_Datensatz t;
        EXPECT_FALSE(Wettbewerb_Spiel_Tabelle(int32_t(n[2 + n[0]]), &t, -1, -1, -1, -1, 0));
        for (uint32_t k = 0; k < n[0]; ++k) Spiele_Unlock(int32_t(n[2 + n[0] + k]));
        Liste_Delete_All(&tagesliste);
        Wettbewerb_Spiele_Beendet(dummy);
        EXPECT_LT(Wettbewerb_Get_Info(dummy)->spieltag, Wettbewerb_Get_Info(dummy)->spieltage);
    }
    // The made record survives the savegame block's checks.
    const std::vector<uint8_t> bild = Wettbewerb_Block_Packen();
    ASSERT_TRUE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), testwelt::TEAM_ANZAHL));
    EXPECT_EQ(Wettbewerb_Get_Dummy_Id(), dummy);
}

TEST_F(WettbewerbTag, PlaceMarksOfALoadedGameGoOnTheNextDay)
{
    // A savegame whose target lists still hold marks: the first day after each load clears
    // them, and a mark saved anew comes back with the next load and goes again.
    int32_t* ziele = Wettbewerb_Zeiger(testwelt::A1)->ziele.ziel[1];
    ziele[0] = -3;
    ziele[WETTBEWERB_PLAETZE - 1] = -3;
    const std::vector<uint8_t> bild = Wettbewerb_Block_Packen();
    for (int runde = 0; runde < 2; ++runde) {
        Wettbewerb_Jeden_Tag();
        ASSERT_TRUE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), testwelt::TEAM_ANZAHL));
        ziele = Wettbewerb_Zeiger(testwelt::A1)->ziele.ziel[1];
        EXPECT_EQ(ziele[0], -3);
        Wettbewerb_Jeden_Tag();
        EXPECT_EQ(ziele[0], -1) << runde;
        EXPECT_EQ(ziele[WETTBEWERB_PLAETZE - 1], -1) << runde;
    }
    // The records a server sends in whole are loaded the same way.
    ASSERT_TRUE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), testwelt::TEAM_ANZAHL));
    uint8_t* strom = nullptr;
    int32_t dummy_id = -1, dummy_anzahl = 0;
    const int32_t laenge = Wettbewerb_Server_Config_Senden(&strom, &dummy_id, &dummy_anzahl);
    ASSERT_GT(laenge, 0);
    Wettbewerb_Jeden_Tag();
    ASSERT_TRUE(Wettbewerb_Config_Einlesen(strom, uint32_t(laenge)));
    Mem_Free(strom, 0);
    ziele = Wettbewerb_Zeiger(testwelt::A1)->ziele.ziel[1];
    EXPECT_EQ(ziele[0], -3);
    Wettbewerb_Jeden_Tag();
    EXPECT_EQ(ziele[0], -1);
}

}  // namespace

namespace {

TEST_F(WettbewerbTag, LastOfEighteenHasSixPercent)
{
    auto r = testwelt::bauen();
    r[testwelt::A1].teams = 18;
    r[testwelt::A1].spieltage = 34;
    for (int16_t t = 0; t < 18; ++t) r[testwelt::A1].listen.teams[t] = r[testwelt::A1].listen.start[t] = t;
    r[testwelt::A1].listen.anzahl = r[testwelt::A1].listen.start_anzahl = 18;
    for (int nr : {testwelt::A2, testwelt::A2B, testwelt::B1}) r[nr].listen.anzahl = r[nr].listen.start_anzahl = 0;
    ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
    ASSERT_TRUE(Wettbewerb_Spielplan_Anlegen(spielwelt::LIGA));
    const int32_t block = Wettbewerb_Get_Spiele_Block(spielwelt::LIGA);
    // Club 17 loses 0:5, every other game ends 1:0 for the home side.
    for (int32_t slot = 0; slot < 9; ++slot) {
        const int32_t h = Spiele_Lock(block, 0, 0, slot);
        const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        if (s->heim == 17) Spiele_Set_Ergebnis(h, 0, 5, 0);
        else if (s->gast == 17) Spiele_Set_Ergebnis(h, 5, 0, 0);
        else Spiele_Set_Ergebnis(h, 1, 0, 0);
        Spiele_Unlock(h);
    }
    Wettbewerb_Spiele_Beendet(spielwelt::LIGA);
    int32_t platz = -1;
    EXPECT_EQ(Wettbewerb_Get_Tabellenplatz_Prozent(17, &platz), 6);
    EXPECT_EQ(platz, 17);
}

}  // namespace
