// The end of the game releases everything the start of a new game loaded: the generated world
// read by the database readers, with the squads assigned, is gone after Exit_Game.
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
// The sanitizer runtime's counter; g++ ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "database/personal.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "platform/exit.h"
#include "platform/win95.h"

namespace {

// Bytes the program holds on the heap now. The sanitizer counts exactly; the C library counts
// the blocks in its per-thread cache as used, a few pages at most.
#if defined(__SANITIZE_ADDRESS__)
size_t belegt() { return __sanitizer_get_current_allocated_bytes(); }
constexpr size_t UNSCHAERFE = 0;
#else
size_t belegt() { return mallinfo2().uordblks; }
constexpr size_t UNSCHAERFE = 64 * 1024;
#endif

// What a new game reads before its set-up screens: teams, players, staff, and every club takes
// the players of its start list. The start lists stay, as they do while the set-up runs.
void neues_spiel_laden()
{
    ASSERT_TRUE(Team(0));
    ASSERT_TRUE(Spieler(0));
    Personal_Init();
    Personal_Read_Config_Wenn_Init();
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        const int32_t* liste = nullptr;
        const int32_t n = Team_Get_Start_Spieler(t, &liste);
        for (int32_t i = 0; i < n; ++i) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, t, liste[i], 10, 0, 24, -1, false));
    }
}

TEST(Freigabe, EndOfTheGameLeavesNothingOfTheWorld)
{
    const auto ziel = std::filesystem::temp_directory_path() / ("dorvin_freigabe_" + std::to_string(::getpid()));
    std::filesystem::remove_all(ziel);
    const std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen welt --ziel " + ziel.string();
    ASSERT_EQ(std::system(befehl.c_str()), 0) << befehl;
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ziel / "config_files").c_str());

    const size_t vorher = belegt();
    neues_spiel_laden();
    ASSERT_GT(Spieler_Anzahl, 9000);
    ASSERT_GT(Personal_Anzahl(PERSONAL_SCHIEDSRICHTER), 0);
    ASSERT_GT(belegt(), vorher + 1000000);

    Exit_Game(nullptr);
    EXPECT_EQ(Spieler_Daten, nullptr);
    EXPECT_EQ(Spieler_Fix_Daten, nullptr);
    EXPECT_EQ(Spieler_Anzahl, -1);
    EXPECT_EQ(T, nullptr);
    EXPECT_EQ(T_Own, nullptr);
    EXPECT_EQ(Team_Anzahl, -1);
    EXPECT_FALSE(Personal_Check_Init());
    EXPECT_LE(belegt(), vorher + UNSCHAERFE);
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
#endif
    Programm_Ende = 0;
    std::filesystem::remove_all(ziel);
}

}  // namespace
