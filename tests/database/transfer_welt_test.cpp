// Four weeks of the generated small world: weekly planning and searches, daily decisions. Players
// move, squads stay whole, and every fee is booked from the buyer to the seller.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "platform/win95.h"
#include "platform/zufall.h"
#include "common/welt_ordner.h"

namespace {

std::vector<Test_Buchung>& buchungen = Test_Buchungen;

struct TransferWelt : ::testing::Test {
    std::filesystem::path ordner;
    void SetUp() override
    {
        ordner = Test_Welt_Bauen("transfer", {"welt --world small --seed 7", "wettbewerbe --world small --seed 7"});
        ASSERT_FALSE(::testing::Test::HasFailure());
        // the world's start values are drawn too: the same sequence every run
        Zufall(0, 1);
        Zufall_Set_Seed(31337);
        ASSERT_TRUE(Team(0));
        ASSERT_TRUE(Spieler(0));
        ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
        Netz_Rolle = 2;
        Schwierigkeitsstufe = 2;
        Aktueller_Tag = 0;
        News_Init();
        Highscore_Init();
        Richter_Init();
        Teamspieler_Init_Listen();
        // the start squads, and the clubs' league systems as a new game sets them
        std::vector<int32_t> systeme;
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            const int32_t* liste = nullptr;
            const int32_t n = Team_Get_Start_Spieler(t, &liste);
            for (int32_t i = 0; i < n; ++i) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, t, liste[i], 10, 0, 24, -1, false));
            if (!Team_Ist_Normal(t, 64)) continue;
            const int32_t liga = Wettbewerb_Get_Team_Wettbewerb(t, 1);
            const int32_t system = Wettbewerb_Hierarchie_Oben(liga);
            if (liga < 0 || system < 0 || system > 127) continue;
            Team_Wert(TEAM_LIGA_FEST, t, liga, TEAM_SCHREIBEN);
            Team_Wert(TEAM_OBERLIGA, t, system, TEAM_SCHREIBEN);
            if (std::find(systeme.begin(), systeme.end(), system) == systeme.end()) systeme.push_back(system);
            int32_t spieler[TEAM_MAX_SPIELER + 1];
            const int32_t k = Teamspieler_Ins_Array(t, spieler, TEAM_MAX_SPIELER + 1, 0);
            for (int32_t i = 0; i < k; ++i) Spieler_Wert(SP_HEIMATSYSTEM, spieler[i], system, SP_SCHREIBEN);
        }
        ASSERT_FALSE(systeme.empty());
        int32_t markt[TEAM_MAX_START_SPIELER];
        const int32_t m = Teamspieler_Ins_Array(Transfermarkt_Team, markt, TEAM_MAX_START_SPIELER, 0);
        for (int32_t i = 0; i < m; ++i)
            Spieler_Wert(SP_HEIMATSYSTEM, markt[i], systeme[size_t(i) % systeme.size()], SP_SCHREIBEN);
        Test_Bank_Beobachten(30000000);
    }
    void TearDown() override
    {
        Test_Bank_Loslassen();
        Test_Welt_Aufraeumen();
        std::filesystem::remove_all(ordner);
    }
    // What the player module's weekly job and the clubs' line-up runs do for the transfers.
    static void woche()
    {
        for (int32_t p = 0; p < Spieler_Anzahl; ++p) {
            const int32_t z = Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 0, SP_LESEN);
            if (z > 0) Spieler_Wert(SP_ANGEBOTSZAEHLER, p, z - 1, SP_SCHREIBEN);
            const int32_t w = Spieler_Wert(SP_ANGEBOTSWERT, p, 0, SP_LESEN);
            if (w > 0) Spieler_Wert(SP_ANGEBOTSWERT, p, w - 1, SP_SCHREIBEN);
        }
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Ist_Normal(t, 0)) Assi_Suche_Analysiere_Grobes_Spielfeld(t);
        Assi_Jede_Woche();
    }
};

TEST_F(TransferWelt, FourWeeksOfSearchesAndDecisions)
{
    // one club with a manager who leaves the transfers to his assistant
    int32_t mensch = -1;
    for (int32_t t = 0; t < Team_Anzahl && mensch < 0; ++t)
        if (Team_Ist_Normal(t, 0) && Team_Wert(TEAM_OBERLIGA, t, 0, TEAM_LESEN) >= 0) mensch = t;
    ASSERT_GE(mensch, 0);
    Manager_Neuer_Mitspieler(mensch, "M");
    Assistenten_Managerpersonal_Vorbelegen(mensch);
    auto* assis = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, mensch, nullptr, 0));
    assis[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABE_TRANSFER] = 1;
    // his assistant searches the whole pitch at full price: such offers are decided the next day
    T_Own[mensch].suche.preis[0] = 100;
    T_Own[mensch].suche.aktiv[0] = 1;

    std::vector<int32_t> vorher(static_cast<size_t>(Spieler_Anzahl), -1);
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        for (Liste_Element* e = Liste_First_Element(&T_Fix[t].liste); e; e = Liste_Next_Element(&T_Fix[t].liste, e))
            vorher[e->key] = t;

    // the first search on day 0; an offer's countdown of at least four weeks runs out with the
    // weekly job of day 28, and the offers are decided the next day
    woche();
    for (Aktueller_Tag = 1; Aktueller_Tag <= 29; ++Aktueller_Tag) {
        Richter_Jeden_Tag();
        if (Aktueller_Tag % 7 == 0) woche();
    }

    int32_t gewechselt = 0;
    std::vector<int32_t> vereine(static_cast<size_t>(Spieler_Anzahl), 0);
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        const int32_t n = Teamspieler_Ins_Array(t, nullptr, -1, 0);
        EXPECT_EQ(Team_Wert(TEAM_SPIELERANZAHL, t, 0, TEAM_LESEN), n) << t;
        if (t != Transfermarkt_Team && t != Jugend_Team) {
            EXPECT_LE(n, TEAM_MAX_SPIELER) << t;
        }
        for (Liste_Element* e = Liste_First_Element(&T_Fix[t].liste); e; e = Liste_Next_Element(&T_Fix[t].liste, e)) {
            const int32_t p = static_cast<int32_t>(e->key);
            ++vereine[size_t(p)];
            gewechselt += vorher[size_t(p)] != t;
        }
    }
    for (int32_t p = 0; p < Spieler_Anzahl; ++p) EXPECT_LE(vereine[size_t(p)], 1) << p;
    EXPECT_GT(gewechselt, 0);

    // every fee received by a seller was paid by the buyer of the same transfer
    std::map<std::pair<int32_t, int32_t>, int32_t> erhalten, bezahlt, erwartet_verkauf, erwartet_kauf;
    for (const Test_Buchung& b : buchungen) {
        if (b.kategorie == 30) ++erhalten[{b.empfaenger, int32_t(b.betrag)}];
        if (b.kategorie == 31) ++bezahlt[{b.zahler, int32_t(b.betrag)}];
        EXPECT_TRUE((b.kategorie == 30 && b.zahler == -1) || (b.kategorie == 31 && b.empfaenger == -1));
    }
    const auto* liste = static_cast<const Teamspieler_Transfer*>(Teamspieler_Zeiger(TEAMSP_TRANSFERLISTE, 0));
    int32_t transfers = 0;
    for (int32_t i = 0; i < TEAMSP_TRANSFERLISTE_ANZAHL && liste[i].spieler != 0xFFFF; ++i) {
        ++transfers;
        if (liste[i].abloese == 0) continue;
        ++erwartet_verkauf[{liste[i].verkaeufer, liste[i].abloese * 1000}];
        ++erwartet_kauf[{liste[i].kaeufer, liste[i].abloese * 1000}];
    }
    EXPECT_GT(transfers, 0);
    EXPECT_FALSE(buchungen.empty());
    EXPECT_EQ(erhalten, erwartet_verkauf);
    EXPECT_EQ(bezahlt, erwartet_kauf);
}

}  // namespace
