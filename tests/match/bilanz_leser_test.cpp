// dorvin_bilanz, the world-health reader, looks into a savegame of a running game without naming
// it the last one played (the registry that the player's game reads stays as it was), and reads
// the figures the game counts.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "database/welt_bilanz.h"
#include "match/spieltag_welt.h"
#include "platform/win95.h"

namespace {

class Bilanz_Leser : public Spieltag_Welt {};

std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The tool's output on the savegames named, its exit status in `status`.
std::string bilanz(const std::string& argumente, int* status)
{
    // the tool inherits this test's DORVIN_REGISTRY
    const std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_bilanz " + argumente + " 2>&1";
    FILE* tool = popen(befehl.c_str(), "r");
    if (!tool) {
        *status = -1;
        return "";
    }
    std::string ausgabe;
    char puffer[4096];
    while (const size_t n = std::fread(puffer, 1, sizeof puffer, tool)) ausgabe.append(puffer, n);
    *status = pclose(tool);
    return ausgabe;
}

TEST_F(Bilanz_Leser, ReadingASavegameLeavesTheRegistryAsItWas)
{
    ASSERT_TRUE(Disk_Spielstand_Speichern("gelesen"));
    ASSERT_EQ(Win95_Registry_Set_A_Value("letzter_spielstand", "Anderes Spiel"), 0);
    const std::string registry = ordner + "/registry";
    const std::string vorher = lesen(registry);
    ASSERT_NE(vorher.find("Anderes Spiel"), std::string::npos);

    int status = -1;
    const std::string ausgabe = bilanz(datei("gelesen"), &status);
    EXPECT_EQ(status, 0) << ausgabe;
    EXPECT_NE(ausgabe.find("ohne_verein=0"), std::string::npos) << ausgabe;
    EXPECT_NE(ausgabe.find("datei=" + datei("gelesen")), std::string::npos) << ausgabe;
    EXPECT_EQ(lesen(registry), vorher);
}

// The world's figures the tool reads from a savegame are the running game's: the top league's
// eleven among them, which only the league levels tell from the others.
TEST_F(Bilanz_Leser, TheFiguresOfASavegameAreTheGamesOwn)
{
    const Welt_Bilanz im_spiel = Welt_Bilanz_Zaehlen();
    ASSERT_GT(im_spiel.elf_staerke, 0);
    ASSERT_NE(Welt_Bilanz_Zaehlen([](int32_t) { return 0; }).elf_staerke, im_spiel.elf_staerke)
        << "the top league's eleven must differ from all clubs' for this check";
    ASSERT_TRUE(Disk_Spielstand_Speichern("gelesen"));
    int status = -1;
    const std::string ausgabe = bilanz(datei("gelesen"), &status);
    EXPECT_EQ(status, 0) << ausgabe;
    EXPECT_EQ(ausgabe.substr(0, ausgabe.find(" datei=")), Welt_Bilanz_Zeile(im_spiel));
}

}  // namespace
