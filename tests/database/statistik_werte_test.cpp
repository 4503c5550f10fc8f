// Player and team statistic values over scripted matches, the season-end push, the club info
// text, and the player values as a network client fetches them.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/netz_schleife.h"
#include "competitions/spiele_karten.h"
#include "competitions/spiele_statistik.h"
#include "competitions/spiele_welt.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/spieler_statistik.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "platform/bytes.h"
#include "screens/spielervergleich.h"
#include "toolkit/icon.h"

namespace {

using namespace spielwelt;

struct Ev {
    uint32_t flags;
    int32_t sp1, sp2;
};

constexpr uint32_t HEIM = SPE_HEIM;

// Team 1 with players 10..14 (10 and 11 in the eleven), team 2 with 20..22, in the league.
class StatistikWerte : public Spielwelt {
protected:
    int32_t block = -1;
    int32_t tag = 0;
    void SetUp() override
    {
        Spielwelt::SetUp();
        Teamspieler_Init_Listen();
        for (int32_t sp = 10; sp < 15; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 150, 0, 24, -1, false));
        for (int32_t sp = 20; sp < 23; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 2, sp, 90, 0, 24, -1, false));
        Teamspieler_Wert(317, 1, 10, TS_STARTELF, 8);
        Teamspieler_Wert(317, 1, 11, TS_STARTELF, 8);
        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
    }
    void TearDown() override
    {
        Spiele_Set_Statistik_Hook(nullptr);
        Spielwelt::TearDown();
    }
    // The next match day's match in slot 0, played with these events and attendance.
    void spiel(int32_t heim, int32_t gast, std::vector<Ev> ev, uint32_t zuschauer = 0)
    {
        int32_t h = Spiele_Lock(block, tag++, 0, 0);
        ASSERT_NE(h, 0);
        Spiele_Set_Teams(h, heim, gast);
        Spiele_Set_Ergebnis(h, 0, 0, 0);
        Spiele_Ereignis_Speicher_Reservieren(h);
        for (const Ev& e : ev) Spiele_Set_Ereignis(h, e.flags, 30, e.sp1, e.sp2);
        Spiele_Set_Minute(h, 90);
        Spiele_Set_Zuschauer(h, zuschauer);
        Spiele_Unlock(h);
    }
    int32_t spieler(int32_t modus, int32_t sp, int32_t* zweiter = nullptr)
    {
        int32_t masken = 0, z = 0;
        const int32_t w = LIGA;
        const int32_t v = Spieler_Get_Spieler_Statistik(modus, &w, 1, 1, sp, -1, -1, -1, -1, nullptr, &masken, nullptr, 1, &z);
        if (zweiter) *zweiter = z;
        return v;
    }
    int32_t team(int32_t modus, int32_t t, int8_t nur_elf = 0)
    {
        int32_t masken = 0, z = 0;
        const int32_t w = LIGA;
        return Team_Get_Team_Statistik(modus, &w, 1, t, 0, nur_elf, -1, -1, -1, -1, nullptr, &masken, nullptr, 1, &z);
    }
};

TEST_F(StatistikWerte, PlayerEventModesCombineTheirMasks)
{
    // Player 10: 5 goals, 3 of them assisted by 11, plus 3 assists of his own for 12.
    std::vector<Ev> ev;
    for (int32_t i = 0; i < 5; ++i) ev.push_back({SPE_TOR | HEIM, 10, i < 3 ? 11 : 0x7FFF});
    for (int32_t i = 0; i < 3; ++i) ev.push_back({SPE_TOR | HEIM, 12, 10});
    // Cards of 11: one red and two yellow.
    ev.push_back({SPE_ROT | HEIM, 11, 0});
    ev.push_back({SPE_GELB | HEIM, 11, 0});
    ev.push_back({SPE_GELB | HEIM, 11, 0});
    spiel(1, 2, ev);
    EXPECT_EQ(spieler(0, 10), 5);
    EXPECT_EQ(spieler(1, 10), 3);
    EXPECT_EQ(spieler(2, 10), 13);
    EXPECT_EQ(spieler(7, 11), 5);
    // The per-mask values and mask count come out as well.
    int32_t masken = 0, z = 0, werte[10] = {};
    const int32_t w = LIGA;
    EXPECT_EQ(Spieler_Get_Spieler_Statistik(7, &w, 1, 1, 11, -1, -1, -1, -1, nullptr, &masken, werte, 1, &z), 5);
    EXPECT_EQ(masken, 3);
    EXPECT_EQ(werte[0], 1);
    EXPECT_EQ(werte[1], 0);
    EXPECT_EQ(werte[2], 2);
    // A caller's table counted once serves the next player without counting again.
    std::vector<int32_t> tabelle(size_t(Spieler_Anzahl) * 10, 0);
    EXPECT_EQ(Spieler_Get_Spieler_Statistik(0, &w, 1, 1, 10, -1, -1, -1, -1, tabelle.data(), &masken, nullptr, 1, &z), 5);
    EXPECT_EQ(Spieler_Get_Spieler_Statistik(0, &w, 1, 1, 12, -1, -1, -1, -1, tabelle.data(), &masken, nullptr, 0, &z), 3);
}

TEST_F(StatistikWerte, PlayerCounterAndFieldModes)
{
    std::vector<Ev> ev(7, Ev{SPE_TOR | HEIM, 10, 0x7FFF});
    spiel(1, 2, ev);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, KARTE_EINSAETZE, 4);
    int32_t zweiter = 0;
    EXPECT_EQ(spieler(12, 10, &zweiter), 1);
    EXPECT_EQ(zweiter, 750);
    EXPECT_EQ(spieler(13, 10), 4);
    EXPECT_EQ(spieler(12, 11, &zweiter), 0);  // no appearances
    EXPECT_EQ(zweiter, 0);
    EXPECT_EQ(spieler(15, 10), Spieler_Wert(SP_ALTER, 10, 0, SP_LESEN));
    EXPECT_EQ(spieler(14, 10), 150000);  // in DM
    EXPECT_EQ(spieler(28, 10), -1);

    // A goalkeeper's outfield ratings are his keeper strength.
    Spieler_Wert(SP_LIEBLINGSPOS, 13, SP_POS_TORWART, SP_SCHREIBEN);
    EXPECT_EQ(spieler(35, 13), Spieler_Wert(SP_TORWART_STAERKE, 13, 0, SP_LESEN));
    EXPECT_EQ(spieler(31, 13), Spieler_Wert(SP_TORWART_STAERKE, 13, 0, SP_LESEN));
    EXPECT_EQ(spieler(35, 14), Spieler_Wert(SP_KRAFT, 14, 0, SP_LESEN));

    Fehler_Capture c;
    int32_t m = 0;
    EXPECT_EQ(spieler(44, 10), 0);
    EXPECT_TRUE(c.contains("modus falsch (44)"));
    const int32_t w = LIGA;
    EXPECT_EQ(Spieler_Get_Spieler_Statistik(0, &w, 1, 1, 10, -1, -1, -1, -1, nullptr, &m, nullptr, 1, nullptr), 0);
    EXPECT_TRUE(c.contains("NULL-Pointer-Aufruf"));
}

TEST_F(StatistikWerte, ConversionRateKeyIsHeldWithin32Bits)
{
    std::vector<Ev> ev;
    for (int32_t i = 0; i < 10; ++i) ev.push_back({SPE_CHANCE | HEIM, 10, 0});
    for (int32_t i = 0; i < 5; ++i) ev.push_back({SPE_TOR | HEIM, 10, 0x7FFF});
    for (int32_t i = 0; i < 4; ++i) ev.push_back({SPE_CHANCE | HEIM, 11, 0});
    for (int32_t i = 0; i < 30; ++i) ev.push_back({SPE_TOR | HEIM, 11, 0x7FFF});
    spiel(1, 2, ev);
    EXPECT_EQ(spieler(30, 10), 50500 * 10000 + 500 + 10);
    EXPECT_EQ(spieler(30, 11), INT32_MAX);  // goals far past chances
    EXPECT_EQ(spieler(30, 12), 0);          // no chances
}

TEST_F(StatistikWerte, TeamEventModes)
{
    spiel(1, 2, {{SPE_ROT | HEIM, 10, 0}, {SPE_ROT | HEIM, 11, 0}, {SPE_GELBROT | HEIM, 12, 0}, {SPE_GELB | HEIM, 10, 0},
                 {SPE_GELB | HEIM, 10, 0}, {SPE_GELB | HEIM, 11, 0}, {SPE_GELB | HEIM, 12, 0}, {SPE_GELB | HEIM, 13, 0},
                 {SPE_ROT, 20, 0}, {SPE_TOR | 0x8000 | HEIM, 10, 0}},
          20000);
    EXPECT_EQ(team(24, 1), 13);
    EXPECT_EQ(team(24 + TEAM_STAT_GEGNER, 1), 1);  // the opponents' reds only
    EXPECT_EQ(team(24 + TEAM_STAT_GEGNER, 2), 2);
    EXPECT_EQ(team(15, 1), 1);
    EXPECT_EQ(team(15 + TEAM_STAT_GEGNER, 2), 1);
    EXPECT_EQ(team(19, 2), 0);  // no home match
    spiel(1, 3, {}, 10000);
    spiel(1, 2, {}, 15000);
    EXPECT_EQ(team(19, 1), 15000);
    EXPECT_EQ(team(20, 1), 3);
    EXPECT_EQ(team(21, 2), 0);

    Fehler_Capture c;
    EXPECT_EQ(team(34, 1), 0);
    EXPECT_TRUE(c.contains("Team_Get_Team_Statistik: modus falsch (34)"));
}

TEST_F(StatistikWerte, TeamFieldModes)
{
    EXPECT_EQ(team(26 + TEAM_STAT_GEGNER, 1), 0);
    EXPECT_EQ(team(26, 1), 150000);
    EXPECT_EQ(team(33, 1), 5);
    EXPECT_EQ(team(33, 1, 1), 2);  // the starting eleven only
    EXPECT_EQ(team(32, 1), Team_Wert(TEAM_MORAL, 1, 0, 0));
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, 5, 20);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 11, 5, 17);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, 6, 6);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 11, 6, 5);
    EXPECT_EQ(team(30, 1), 33);
    EXPECT_EQ(team(30, 2), 0);
}

TEST_F(StatistikWerte, SeasonPushCountsOncePerLeague)
{
    static int32_t zaehlungen;
    zaehlungen = 0;
    Spiele_Set_Statistik_Hook([](int32_t pro_spieler, const int32_t*, int32_t) { zaehlungen += pro_spieler; });
    spiel(1, 2, {{SPE_TOR | HEIM, 10, 0x7FFF}, {SPE_TOR | HEIM, 10, 0x7FFF}});
    Team_Wert(TEAM_LIGA_FEST, 1, LIGA, TEAM_SCHREIBEN);
    Team_Wert(TEAM_LIGA_FEST, 2, LIGA, TEAM_SCHREIBEN);
    Team_Wert(TEAM_LIGA_FEST, 3, ANDERE_LIGA, TEAM_SCHREIBEN);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 3, 30, 50, 0, 24, -1, false));
    const int32_t teams[] = {1, 2, 3};
    const Statistik_Spieler leer = Statistik_Leeres_Update(10);
    Spiele_Set_Statistik_Spieler(10, &leer, 1);
    Statistik_Spieler vorher{};
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(10, &vorher));
    Team_Spieler_Statistik_Auswerten(teams, 3);
    EXPECT_EQ(zaehlungen, 2);
    Statistik_Spieler s{};
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(10, &s));
    EXPECT_EQ(s.saison_werte[0], 2);
    EXPECT_EQ(s.saison_staerke[0], Spieler_Wert(SP_K_I_T, 10, 0, SP_LESEN));
}

TEST_F(StatistikWerte, ClubInfoTextNamesPlaceAndLeague)
{
    spiel(0, 1, {{SPE_TOR | HEIM, 0, 0x7FFF}});
    spiel(2, 3, {{SPE_TOR | HEIM, 0, 0x7FFF}, {SPE_TOR | HEIM, 0, 0x7FFF}});
    Menue_Icon icon = Menue_Icon_Vorlage(1, -1, 0, 0, 0, 10, 10, 0, 255);
    icon.kennung_1 = 3;  // lost 0:2, last
    const char* t = Team_Infotext_Erzeugen(&icon);
    ASSERT_NE(t, nullptr);
    const std::string s = t;
    EXPECT_EQ(s.rfind("°vh0003Team 3, 4. Platz der ", 0), 0u) << s;
    EXPECT_NE(s.find(Wettbewerb_Get_Anzeigename(LIGA, 1)), std::string::npos);
    EXPECT_NE(s.find("Stärken (K,I,T,F, nur Eingesetzte):^lTor="), std::string::npos);
    EXPECT_NE(s.find(", Schnitt="), std::string::npos);
    // A pseudo-team is its bare name; no team, no text.
    icon.kennung_1 = int16_t(Team_Anzahl - 2);
    EXPECT_STREQ(Team_Infotext_Erzeugen(&icon), "TRANSFERMARKT");
    icon.kennung_1 = -1;
    EXPECT_EQ(Team_Infotext_Erzeugen(&icon), nullptr);
    // A club outside every league has the head line without a place.
    icon.kennung_1 = 30;
    const std::string ohne = Team_Infotext_Erzeugen(&icon);
    EXPECT_EQ(ohne.rfind("°vh0030Team 30^lStärken", 0), 0u) << ohne;
}

// ---- The client's view through requests 76 and 77 ----

class StatistikWerteFern : public StatistikWerte {
protected:
    void SetUp() override
    {
        StatistikWerte::SetUp();
        ASSERT_TRUE(Netz_Schleife_Anlegen(1));
        std::vector<Ev> ev;
        for (int32_t i = 0; i < 4; ++i) ev.push_back({SPE_TOR | HEIM, 10, 11});
        ev.push_back({SPE_CHANCE | HEIM, 10, 0});
        ev.push_back({SPE_GELB | HEIM, 12, 0});
        ev.push_back({SPE_TOR | 0x2000, 20, 21});
        spiel(1, 2, ev);
        Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, KARTE_EINSAETZE, 3);
        Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, 5, 9);
        Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, 6, 3);
        Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, 7, 2);
    }
    void TearDown() override
    {
        Netz_Schleife_Abbauen();
        StatistikWerte::TearDown();
    }
};

TEST_F(StatistikWerteFern, ClientValuesEqualTheServers)
{
    for (int32_t sp : {10, 11, 12, 20, 21}) {
        for (int32_t modus = 0; modus < SPIELER_STAT_MODI; ++modus) {
            SCOPED_TRACE(std::to_string(sp) + " mode " + std::to_string(modus));
            Netz_Rolle = 2;
            int32_t z_server = 0, z_client = 0, werte_s[10] = {}, werte_c[10] = {}, m = 0;
            const int32_t w = LIGA;
            const int32_t server =
                Spieler_Get_Spieler_Statistik(modus, &w, 1, 1, sp, -1, -1, -1, -1, nullptr, &m, werte_s, 1, &z_server);
            Internet_Set_Client_Austausch(Netz_Schleife_Ueber_Den_Server);
            Netz_Rolle = 1;
            const int32_t client =
                Spieler_Get_Spieler_Statistik(modus, &w, 1, 1, sp, -1, -1, -1, -1, nullptr, &m, werte_c, 1, &z_client);
            Netz_Rolle = 2;
            Internet_Set_Client_Austausch(nullptr);
            EXPECT_EQ(client, server);
            EXPECT_EQ(z_client, z_server);
            EXPECT_EQ(std::vector<int32_t>(werte_c, werte_c + 10), std::vector<int32_t>(werte_s, werte_s + 10));
        }
    }
    // Sanity: the fetch did move real numbers.
    Netz_Rolle = 1;
    Internet_Set_Client_Austausch(Netz_Schleife_Ueber_Den_Server);
    EXPECT_EQ(spieler(2, 10), 8);
    int32_t zweiter = 0;
    EXPECT_EQ(spieler(12, 10, &zweiter), 1);
    EXPECT_EQ(zweiter, 333);
}

TEST_F(StatistikWerteFern, MutatedRequestsAnswerOrRefuseWithoutHarm)
{
    // Capture a good request of each kind, then feed mutated copies to the server.
    Internet_Set_Client_Austausch(Netz_Schleife_Ueber_Den_Server);
    Netz_Rolle = 1;
    spieler(2, 10);
    spieler(13, 10);
    Internet_Set_Client_Austausch(nullptr);
    Netz_Rolle = 2;
    // The two statistic requests (76, 77), besides any fetch of the club's links the client made.
    const auto anfragen = Netz_Schleife_Anfragen;
    std::set<uint32_t> nummern;
    for (const auto& a : anfragen)
        if (a.size() >= 8) nummern.insert(uint32_t(a[4]) | uint32_t(a[5]) << 8 | uint32_t(a[6]) << 16 | uint32_t(a[7]) << 24);
    ASSERT_TRUE(nummern.count(76) && nummern.count(77));

    Spiele_Team_Statistik vorher, nachher;
    Spiele_Team_Statistik_Berechnen(1, LIGA, -1, -1, -1, 0, &vorher, -1);
    Netz_Schleife_Mutiert_Senden(anfragen, 4711, Netz_Schleife_Mutationen(4000));
    Spiele_Team_Statistik_Berechnen(1, LIGA, -1, -1, -1, 0, &nachher, -1);
    EXPECT_EQ(std::memcmp(&vorher, &nachher, sizeof vorher), 0);
}

}  // namespace

namespace {

std::vector<int32_t> pokale_gesehen;

TEST(PokaleIcons, OnlyAHumanManagersClubGetsTheComparisonsCupButtons)
{
    Test_Teams_Anlegen(8);
    int platzhalter = 0;
    T_Fix[3].manager = reinterpret_cast<Manager_Struktur*>(&platzhalter);
    pokale_gesehen.clear();
    Spielervergleich_Set_Pokale_Beobachter([](int32_t team) { pokale_gesehen.push_back(team); });
    Team_Pokale_Icons_Zuordnen(3);
    Team_Pokale_Icons_Zuordnen(4);
    Team_Pokale_Icons_Zuordnen(-1);
    Team_Pokale_Icons_Zuordnen(99);
    Spielervergleich_Set_Pokale_Beobachter(nullptr);
    T_Fix[3].manager = nullptr;
    Test_Aufraeumen();
    EXPECT_EQ(pokale_gesehen, (std::vector<int32_t>{3}));
}

}  // namespace

namespace {

class TeamTextRefresh : public ::testing::Test {
protected:
    char text[64] = {};
    Team_Icon_Text rec{0, 0, 5, 6, text, TEAM_NAME_KAMERA};
    Menue_Icon icon = Menue_Icon_Vorlage(2600, -1, 0, 0, 0, 40, 12, 0, 255);
    void SetUp() override
    {
        Test_Teams_Anlegen(8);
        icon.daten = &rec;
        icon.kennung_1 = 2;
    }
    void TearDown() override { Test_Aufraeumen(); }
};

TEST_F(TeamTextRefresh, CameraFormsFollowTheBroadcastFlag)
{
    std::strcpy(text, "Team 2^gnk0x12345678 (TV)");
    Team_Wert(TEAM_FLAGS, 2, Team_Wert(TEAM_FLAGS, 2, 0, 0) & ~8, TEAM_SCHREIBEN);
    Team_Universaler_Team_Text_Refresh(&icon, 0);
    EXPECT_STREQ(text, "Team 2^gnk0000000000 (TV)");
    // Another form keeps its text; so does a camera form without the code, with its message.
    std::strcpy(text, "Team 2^gnk0x12345678");
    rec.form = TEAM_NAME;
    Team_Universaler_Team_Text_Refresh(&icon, 0);
    EXPECT_STREQ(text, "Team 2^gnk0x12345678");
    rec.form = TEAM_NAME_WAPPEN_KAMERA_LAND;
    std::strcpy(text, "Team 2 ohne");
    Fehler_Capture c;
    Team_Universaler_Team_Text_Refresh(&icon, 0);
    EXPECT_STREQ(text, "Team 2 ohne");
    EXPECT_TRUE(c.contains("gnk not found!"));
    // A code cut short by the end of the text is not a code.
    std::strcpy(text, "Team 2^gnk0x12");
    Team_Universaler_Team_Text_Refresh(&icon, 0);
    EXPECT_STREQ(text, "Team 2^gnk0x12");
}

TEST_F(TeamTextRefresh, IllegalColoursAreReportedAndNoTextIsNoWork)
{
    Fehler_Capture c;
    rec.textfarbe = 47;
    rec.form = TEAM_NAME;
    std::strcpy(text, "Team 2");
    Team_Universaler_Team_Text_Refresh(&icon, 0);
    EXPECT_TRUE(c.contains("Textfarbe illegal !"));
    rec.text = nullptr;
    EXPECT_EQ(Team_Universaler_Team_Text_Refresh(&icon, 0), 0);
    icon.daten = nullptr;
    EXPECT_EQ(Team_Universaler_Team_Text_Refresh(&icon, 0), 0);
    EXPECT_EQ(Team_Universaler_Team_Text_Refresh(nullptr, 0), 0);
}

}  // namespace
