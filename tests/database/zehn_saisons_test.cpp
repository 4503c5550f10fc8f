// Ten seasons of the generated default world through the program's day advance, from a new game
// with its players: players leave their clubs at contract ends and retire every season, and
// the clubs must get as many back through the market, or the world empties.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "bench/bench_welt.h"
#include "bench/saison_welt.h"
#include "database/db_hilfe.h"
#include "gameflow/ablauf.h"
#include "gameflow/kalender.h"

namespace {

struct Bestand {
    int32_t vereine = 0, markt = 0, ohne = 0;
};

Bestand zaehlen()
{
    Bestand b;
    std::vector<uint8_t> hat(static_cast<size_t>(Spieler_Anzahl), 0);
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        for (Liste_Element* e = Liste_First_Element(&T_Fix[t].liste); e; e = Liste_Next_Element(&T_Fix[t].liste, e))
            if (e->key < static_cast<uint32_t>(Spieler_Anzahl)) hat[e->key] = 1;
        if (t == Transfermarkt_Team) b.markt += T[t].spieleranzahl;
        else if (Team_Ist_Normal(t, 0)) b.vereine += T[t].spieleranzahl;
    }
    for (uint8_t h : hat) b.ohne += !h;
    return b;
}

struct ZehnSaisons : ::testing::Test {
    Bench_Welt_Ordner welt{"zehn_saisons", {"welt", "wettbewerbe"}};
    void SetUp() override { Kalender_Set_Autosave_Hook([](const char*) {}); }
    void TearDown() override
    {
        Kalender_Set_Autosave_Hook(nullptr);
        Ablauf_DeInit();
        Test_Welt_Aufraeumen();
    }
};

TEST_F(ZehnSaisons, TheClubsKeepTheirPlayersAndNobodyIsLeftWithoutATeam)
{
    ASSERT_TRUE(Saison_Neues_Spiel(1999));
    Ablauf_Init(0);
    Aktueller_Tag = 0;
    ASSERT_TRUE(Kalender_Spielplan_Anlegen(0)) << Kalender_Spielplan_Fehler();
    const Bestand start = zaehlen();
    ASSERT_GT(start.vereine, 8000);
    std::printf("Saison 0: Vereine %d, Markt %d, ohne Verein %d\n", start.vereine, start.markt, start.ohne);
    for (int32_t saison = 1; saison <= 10; ++saison) {
        for (int32_t i = 0; i < 365; ++i) Kalender_Naechster_Tag();
        const Bestand b = zaehlen();
        std::printf("Saison %d: Vereine %d, Markt %d, ohne Verein %d\n", saison, b.vereine, b.markt, b.ohne);
        EXPECT_GE(b.vereine, start.vereine * 95 / 100) << "Saison " << saison;
        EXPECT_LE(b.vereine, start.vereine * 105 / 100) << "Saison " << saison;
        EXPECT_EQ(b.ohne, start.ohne) << "Saison " << saison;
        EXPECT_LE(b.markt, TEAM_MAX_TRANSFERMARKT);
    }
}

}  // namespace
