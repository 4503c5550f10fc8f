// The club and league picker over a generated world.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/welt_ordner.h"
#include "competitions/wettbewerb.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "screens/spieler_vereinsauswahl.h"
#include "toolkit/kontextmenue.h"

namespace {

uint8_t gewaehlt(int32_t, int32_t, int32_t, int32_t) { return 1; }

struct Auswahl : ::testing::Test {
    static inline std::filesystem::path welt;
    static void SetUpTestSuite() { welt = Test_Welt_Bauen("auswahl", {"welt --world small", "wettbewerbe --world small"}); }
    static void TearDownTestSuite() { std::filesystem::remove_all(welt); }
    void SetUp() override
    {
        Netz_Rolle = 3;
        ASSERT_TRUE(Team(0));
        ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
        // the shortfall is reported once a run: a picker built by an earlier test must not swallow it
        Spieler_Einsetzen_Vereinsauswahl_Meldung_Vergessen();
    }
    void TearDown() override
    {
        Test_Welt_Aufraeumen();
        Netz_Rolle = 0;
    }
    // Builds the picker into a fresh record; the number of items.
    static int32_t bauen(Menue_Kontextmenue* k, bool alle, int32_t erstes = 0)
    {
        Menue_Init_Kontextmenue(k, "Team auswählen:", -1, 0, nullptr);
        Spieler_Einsetzen_Vereinsauswahl_Menue(k, erstes, gewaehlt, alle, 7);
        int32_t n = 0;
        while (n < MENUE_KONTEXT_EINTRAEGE && k->texte[n]) ++n;
        return n;
    }
    static bool hat(const Menue_Kontextmenue& k, const char* teil)
    {
        for (int32_t i = 0; i < MENUE_KONTEXT_EINTRAEGE; ++i)
            if (k.texte[i] && std::strstr(k.texte[i], teil)) return true;
        return false;
    }
    // A club of the home country's first league.
    static int32_t heimverein()
    {
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (!Team_Ist_Landteam(t) && t != Transfermarkt_Team && t != Jugend_Team &&
                Team_Wert(TEAM_NATION, t, 0, 0) == int32_t(Team_Heimatland))
                return t;
        return -1;
    }
};

TEST_F(Auswahl, LeaguesByCountryWithHeadingsAndOnlyTheOwnUnlessAllAreAsked)
{
    Menue_Kontextmenue k{};
    Aktuelles_Team = heimverein();
    ASSERT_GE(Aktuelles_Team, 0);
    const int32_t eigene = bauen(&k, false);
    ASSERT_GE(eigene, 2);
    EXPECT_EQ(k.status[0], 10);
    EXPECT_NE(std::strstr(k.texte[0], "Ligen und Vereine von ^gll"), nullptr);
    EXPECT_FALSE(hat(k, "Ausländische Ligen und Vereine"));
    for (int32_t i = 1; i < eigene; ++i) {
        EXPECT_EQ(k.status[i], 1);
        EXPECT_EQ(k.wert_c[i], 7);
        EXPECT_EQ(k.prozeduren[i], gewaehlt);
        EXPECT_TRUE(Wettbewerb_Team_Noch_Dabei(k.wert_a[i], Aktuelles_Team));
        EXPECT_NE(k.unterlisten[i], nullptr);
    }

    Menue_Kontextmenue alle{};
    Fehler_Capture c;
    const int32_t n = bauen(&alle, true);
    EXPECT_GT(n, eigene);
    EXPECT_TRUE(hat(alle, "Ausländische Ligen und Vereine"));
    EXPECT_TRUE(hat(alle, " (^gll"));
    // every flag names the country's own team, whose crest is the flag: the nation of the league's clubs
    EXPECT_EQ(std::atoi(std::strstr(k.texte[0], "^gll") + 4), int32_t(Team_Heimatland));
    int32_t fahnen = 0;
    for (int32_t i = 0; i < n; ++i) {
        const char* f = std::strstr(alle.texte[i], " (^gll");
        int16_t teams[TEAM_MAX_ANZAHL];
        if (!f || Wettbewerb_Get_Teams(alle.wert_a[i], teams) < 1) continue;
        EXPECT_EQ(std::atoi(f + 6), Team_Wert(TEAM_NATION, teams[0], 0, 0)) << alle.texte[i];
        ++fahnen;
    }
    EXPECT_GT(fahnen, 0);
    // a league without the acting club only with all asked
    bool fremde = false;
    for (int32_t i = 0; i < n; ++i)
        fremde = fremde || (alle.status[i] == 1 && !Wettbewerb_Team_Noch_Dabei(alle.wert_a[i], Aktuelles_Team));
    EXPECT_TRUE(fremde);

    // started late in the record, it fills up to its 33 items and reports the rest once
    Menue_Kontextmenue spaet{};
    Menue_Init_Kontextmenue(&spaet, "", -1, 0, nullptr);
    Spieler_Einsetzen_Vereinsauswahl_Menue(&spaet, MENUE_KONTEXT_EINTRAEGE - 3, gewaehlt, true);
    for (int32_t i = 0; i < MENUE_KONTEXT_EINTRAEGE - 3; ++i) EXPECT_EQ(spaet.texte[i], nullptr);
    for (int32_t i = MENUE_KONTEXT_EINTRAEGE - 3; i < MENUE_KONTEXT_EINTRAEGE; ++i) EXPECT_NE(spaet.texte[i], nullptr);
    EXPECT_TRUE(c.contains("Vereinsauswahl_Menue"));
    // and only once: the next full picker stays quiet
    Fehler_Capture still;
    Spieler_Einsetzen_Vereinsauswahl_Menue(&spaet, MENUE_KONTEXT_EINTRAEGE - 3, gewaehlt, true);
    EXPECT_FALSE(still.contains("Vereinsauswahl_Menue"));
}

TEST_F(Auswahl, AClubMenuMarksTheCurrentClubAndTheHumanManagersClubs)
{
    Aktuelles_Team = heimverein();
    Menue_Kontextmenue k{};
    ASSERT_GE(bauen(&k, false), 2);
    const int32_t liga = k.wert_a[1];
    int16_t teams[TEAM_MAX_ANZAHL];
    const int32_t n = Wettbewerb_Get_Teams(liga, teams);
    ASSERT_GE(n, 2);
    Manager_Neuer_Mitspieler(teams[1], "Mensch");
    Spieler_Einsetzen_Vereinsauswahl_Setzen(teams[0], true);
    Menue_Kontextmenue* sub = Spieler_Einsetzen_Vereinsauswahl_Liga(&k, 1);
    ASSERT_NE(sub, nullptr);
    EXPECT_STREQ(sub->titel, "");
    EXPECT_EQ(sub->wert_a[0], teams[0]);
    EXPECT_TRUE(sub->status[0] & POPUP_GEWAEHLT);
    EXPECT_EQ(sub->status[1], 168);
    EXPECT_EQ(sub->status[2] & ~POPUP_GEWAEHLT, 161);
    EXPECT_EQ(sub->prozeduren[0], gewaehlt);
    EXPECT_EQ(sub->wert_c[0], 7);
    Spieler_Einsetzen_Vereinsauswahl_Setzen(-1, false);
    sub = Spieler_Einsetzen_Vereinsauswahl_Liga(&k, 1);
    EXPECT_EQ(sub->status[1], 161);
    EXPECT_EQ(Spieler_Einsetzen_Vereinsauswahl_Liga(&k, 99), nullptr);
    Popup_Liste_Bilder_Aufraeumen(sub);
}

}  // namespace

namespace {

// The default world has more leagues and cups than the menu's rows: the pitch's picker (four rows
// of its own above) still offers every league of every country, so that every club is reached.
struct Auswahl_Standardwelt : Auswahl {
    static void SetUpTestSuite() { welt = Test_Welt_Bauen("auswahl_std", {"welt", "wettbewerbe"}); }
};

TEST_F(Auswahl_Standardwelt, EveryLeagueOfEveryCountryFitsBesideTheRowsOfThePitch)
{
    Aktuelles_Team = heimverein();
    ASSERT_GE(Aktuelles_Team, 0);
    Fehler_Capture c;
    Menue_Kontextmenue k{};
    Menue_Init_Kontextmenue(&k, "", -1, 0, nullptr);
    Spieler_Einsetzen_Vereinsauswahl_Menue(&k, 4, gewaehlt, true, 1);
    EXPECT_FALSE(c.contains("Vereinsauswahl_Menue"));
    std::vector<int32_t> laender(size_t(Team_Anzahl), -1);
    const int32_t n_laender = Eingang_Liga_Icons_Bauen(laender.data());
    int32_t ligen = 0;
    for (int32_t l = 0; l < n_laender; ++l) {
        int32_t ids[1024];
        const int32_t n = Wettbewerb_Get_Land_Wettbewerbe(laender[size_t(l)], ids, 1);
        for (int32_t j = 0; j < n; ++j, ++ligen) {
            bool da = false;
            for (int32_t i = 4; i < MENUE_KONTEXT_EINTRAEGE; ++i) da = da || (k.texte[i] && k.wert_a[i] == ids[j]);
            EXPECT_TRUE(da) << Wettbewerb_Get_Anzeigename(ids[j]) << " " << Team_String(TEAM_NAME, laender[size_t(l)], nullptr, 0);
        }
    }
    EXPECT_GT(ligen, 20) << "the world is the one with many leagues";
    for (const char* land : {"Schweiz", "Griechenland", "Russland"}) EXPECT_TRUE(hat(k, land)) << land;
    // the home country keeps its cups
    int32_t heim[1024];
    const int32_t n_heim = Wettbewerb_Get_Land_Wettbewerbe(int32_t(Team_Heimatland), heim);
    for (int32_t j = 0; j < n_heim; ++j) {
        bool da = false;
        for (int32_t i = 4; i < MENUE_KONTEXT_EINTRAEGE; ++i) da = da || (k.texte[i] && k.wert_a[i] == heim[j]);
        EXPECT_TRUE(da) << Wettbewerb_Get_Anzeigename(heim[j]);
    }
}

}  // namespace
