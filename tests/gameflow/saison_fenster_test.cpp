// The installed program, headless, played by a script from the start menu through a season: two
// managers set up on the start screen, every turn ended with the continue icon, a save under a
// new name in the middle. A second run loads that savegame from the command line and plays the
// rest; both must end with the same savegame. The program's random sequence starts from a fixed
// number (DORVIN_ZUFALL), so every run plays the same season: from the clock's start a season now
// and then offered a manager's player at auction, and the first auction's hints (a question and
// four pages, each wanting its "OK") took the clicks of six turns, so the last day fell short.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/saison_ende.h"
#include "platform/disk.h"
#include "programm_lauf.h"
#include "saison_skript.h"

namespace {

namespace fs = std::filesystem;
using namespace programm_lauf;
using saison_skript::skript;

// The module positions whose blocks differ ("" when the two savegames hold the same game). The
// menu block's last word is the time the turn has run: it goes on running between two saves.
std::string unterschiede(const fs::path& a, const fs::path& b)
{
    const std::vector<uint8_t> da = lesen(a), db = lesen(b);
    std::string va, vb;
    Disk_Bereiche ba, bb;
    if (!Disk_Spielstand_Zerlegen(da.data(), da.size(), &va, &ba)) return a.string() + " unlesbar";
    if (!Disk_Spielstand_Zerlegen(db.data(), db.size(), &vb, &bb)) return b.string() + " unlesbar";
    std::string u;
    auto& menue_a = ba[DISK_POS_MENUE - 1];
    auto& menue_b = bb[DISK_POS_MENUE - 1];
    if (!menue_a.empty() && menue_a.size() == menue_b.size()) menue_a.back() = menue_b.back();
    for (size_t pos = 0; pos < ba.size(); ++pos)
        if (ba[pos] != bb[pos]) u += " " + std::to_string(pos + 1);
    return u;
}

// The season benchmark's end: a run counts only where its savegame ends on the day its turns lead
// to, a day short or beyond as much as none at all.
TEST(Saison_Ende, TheBenchmarksRunEndsOnTheDayItsTurnsLeadTo)
{
    EXPECT_EQ(Saison_Ende_Fehler(366, saison_skript::ZUEGE), "");
    EXPECT_EQ(Saison_Ende_Fehler(10, 20), "");
    EXPECT_EQ(Saison_Ende_Fehler(365, saison_skript::ZUEGE), "das Spiel endete an Tag 365 statt an Tag 366");
    EXPECT_NE(Saison_Ende_Fehler(367, saison_skript::ZUEGE), "");
    EXPECT_NE(Saison_Ende_Fehler(9, 20), "");
    EXPECT_NE(Saison_Ende_Fehler(0, 20), "");
    EXPECT_NE(Saison_Ende_Fehler(-1, 20), "");
}

TEST(Saison_Im_Programm, StartMenuToNextSeasonAndResumedFromTheMiddle)
{
    const Zufall_Start zufall("1");
    const fs::path ordner = fs::temp_directory_path() / ("dorvin_saison_" + std::to_string(getpid()));
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    const std::string bin = DORVIN_BINARY_DIR, registry = (ordner / "registry").string();
    const std::string daten = (ordner / "daten").string(), programm = (ordner / "programm").string();
    ASSERT_EQ(std::system((bin + "/dorvin_datagen alles --ziel " + daten + " > /dev/null").c_str()), 0);
    ASSERT_EQ(std::system(("DORVIN_REGISTRY=" + registry + " " + bin + "/dorvin_installer --daten " + daten +
                           " --ziel " + programm + " > /dev/null")
                              .c_str()),
              0);
    const char* b = std::getenv("DORVIN_BILDER");
    const std::string bilder = b ? b : ordner.string();
    std::ofstream(ordner / "ganz.txt") << skript(true, bilder);
    std::ofstream(ordner / "rest.txt") << skript(false, bilder);

    const std::string fehler = (ordner / "fehler.txt").string();
    ASSERT_EQ(starten(registry, {bin + "/dorvin", "--headless", "--nosound", "--script", (ordner / "ganz.txt").string()},
                      fehler, true),
              0);
    // An ordinary season reports nothing: every error text is a fault.
    const auto texte = fehlertexte(fehler);
    EXPECT_TRUE(texte.empty()) << auflisten(texte);
    const fs::path stand = fs::path(programm) / "spielstand";
    for (const char* name : {"mitte", "mitte_wieder", "ende"})
        ASSERT_TRUE(fs::exists(stand / (std::string(name) + ".sgv"))) << name << "\n" << lesen(fehler).size();
    EXPECT_EQ(unterschiede(stand / "mitte.sgv", stand / "mitte_wieder.sgv"), "") << "saved, loaded, saved again";
    EXPECT_TRUE(fs::exists(stand / "Autosave_Monat.sgv"));
    // the season played through to the next one's first day, 1 July 2000 (day 366 of the game)
    EXPECT_GE(tag_im_spielstand(stand / "ende.sgv"), 366);

    ASSERT_EQ(starten(registry,
                      {bin + "/dorvin", "--headless", "--nosound", "--script", (ordner / "rest.txt").string(), "mitte"},
                      fehler),
              0);
    // A fresh program that loads the savegame holds the whole game (staff and referees included).
    ASSERT_TRUE(fs::exists(stand / "ende_fortgesetzt.sgv"));
    EXPECT_EQ(unterschiede(stand / "ende.sgv", stand / "ende_fortgesetzt.sgv"), "") << "resumed from the middle";
    if (!HasFailure()) fs::remove_all(ordner);
}

}  // namespace
