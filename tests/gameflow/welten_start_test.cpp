// A new game on each world size the builder offers plays its first week; the player statistics
// travel through a savegame.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

#include "common/welt_ordner.h"
#include "competitions/spiele.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/game_main.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/neues_spiel.h"
#include "gameflow/spielstand_ordner.h"
#include "gameflow/spielstart.h"

namespace {

struct Welt_Art {
    const char* name;
    const char* welt;
    const char* wettbewerbe;
};

void PrintTo(const Welt_Art& w, std::ostream* os) { *os << w.name; }

void ein_manager(Eingang_Einstellungen& e, Eingang_Eingabe&) { e.schwierigkeit = 2; }

class Welten_Start : public Spielstand_Ordner, public ::testing::WithParamInterface<Welt_Art> {
protected:
    std::filesystem::path welt;
    void SetUp() override
    {
        Spielstand_Ordner::SetUp();
        welt = Neues_Spiel_Welt_Bauen(GetParam().name, {GetParam().welt, GetParam().wettbewerbe}, alte_teams);
        Eingang_Set_Start_Hook(ein_manager);
    }
    void TearDown() override
    {
        Eingang_Set_Start_Hook(nullptr);
        Neues_Spiel_Abbauen(welt, alte_teams);
        Spielstand_Ordner::TearDown();
    }
};

TEST_P(Welten_Start, NewGamePlaysAWeekAndKeepsItsStatistics)
{
    ASSERT_TRUE(Spielstart_Neues_Spiel()) << Kalender_Spielplan_Fehler();
    EXPECT_EQ(Manager_Anzahl, 1);
    // The game's start opened the statistics: they are saved and loaded with the game.
    ASSERT_TRUE(Statistik_Ist_Initialisiert());
    Ablauf_Set_Zug_Hook([](int32_t, bool) { return -1; });
    while (Aktueller_Tag < 7 || Ablauf_Zustand != ABLAUF_MENUERUNDE) Ablauf_Schritt();
    Ablauf_Set_Zug_Hook(nullptr);

    // Two players' careers as a match would leave them.
    for (int32_t spieler : {3, 1}) {
        Statistik_Spieler u = Statistik_Leeres_Update(spieler);
        u.tore = uint16_t(spieler + 1);
        u.einsaetze = 1;
        u.noten[0] = 3;
        Spiele_Set_Statistik_Spieler(spieler, &u, 1);
    }
    ASSERT_TRUE(Disk_Spielstand_Speichern("woche"));
    const std::vector<uint8_t> bild = Disk_Spielstand_Abbild();
    Statistik_Init();   // what a fresh start holds: nothing
    ASSERT_TRUE(Spielstart_Laden("woche"));
    int32_t anzahl = 0;
    Statistik_Get_Anzahl(&anzahl, nullptr);
    EXPECT_EQ(anzahl, 2);
    Statistik_Spieler s{};
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(3, &s));
    EXPECT_EQ(s.tore, 4);
    EXPECT_EQ(s.einsaetze, 1);
    EXPECT_EQ(s.noten[0] & STAT_NOTE_MASKE, 3);
    EXPECT_EQ(Aktueller_Tag, 7);
    EXPECT_EQ(Disk_Spielstand_Abbild(), bild);
}

INSTANTIATE_TEST_SUITE_P(Groessen, Welten_Start,
                         ::testing::Values(Welt_Art{"klein", "welt --world small", "wettbewerbe --world small"},
                                           Welt_Art{"standard", "welt", "wettbewerbe"},
                                           Welt_Art{"gross", "welt --world large", "wettbewerbe --world large"}),
                         [](const ::testing::TestParamInfo<Welt_Art>& i) { return std::string(i.param.name); });

}  // namespace
