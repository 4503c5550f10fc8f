// dorvin_bilanz, the world-health reader, looks into a savegame of a running game without naming
// it the last one played: the registry that the player's game reads stays as it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "match/spieltag_welt.h"
#include "platform/win95.h"

namespace {

class Bilanz_Leser : public Spieltag_Welt {};

std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

TEST_F(Bilanz_Leser, ReadingASavegameLeavesTheRegistryAsItWas)
{
    ASSERT_TRUE(Disk_Spielstand_Speichern("gelesen"));
    ASSERT_EQ(Win95_Registry_Set_A_Value("letzter_spielstand", "Anderes Spiel"), 0);
    const std::string registry = ordner + "/registry";
    const std::string vorher = lesen(registry);
    ASSERT_NE(vorher.find("Anderes Spiel"), std::string::npos);

    // the tool inherits this test's DORVIN_REGISTRY
    const std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_bilanz " + datei("gelesen") + " 2>&1";
    FILE* tool = popen(befehl.c_str(), "r");
    ASSERT_NE(tool, nullptr);
    std::string ausgabe;
    char puffer[4096];
    while (const size_t n = std::fread(puffer, 1, sizeof puffer, tool)) ausgabe.append(puffer, n);
    EXPECT_EQ(pclose(tool), 0) << ausgabe;
    EXPECT_NE(ausgabe.find("ohne_verein=0"), std::string::npos) << ausgabe;
    EXPECT_NE(ausgabe.find("datei=" + datei("gelesen")), std::string::npos) << ausgabe;
    EXPECT_EQ(lesen(registry), vorher);
}

}  // namespace
