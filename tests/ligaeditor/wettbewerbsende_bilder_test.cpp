// The data builder's end-of-competition pictures: every competition of a world its own
// GRAFIK_NUMMER, and each of those pictures in the screen resource file, its title and bottom
// line on a calm ground and its name drawn in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "competitions/wettbewerb.h"
#include "graphics/grafik_bitmap.h"
#include "ligaeditor/editor_hilfe.h"
#include "platform/resfile.h"

namespace {

namespace fs = std::filesystem;

// NAME -> GRAFIK_NUMMER of every record of the set's file (the template's 0 when not written).
std::multimap<std::string, int32_t> grafik_nummern(const std::string& text)
{
    std::multimap<std::string, int32_t> r;
    for (size_t a = text.find("NEUER_WETTBEWERB"); a != std::string::npos;) {
        const size_t e = text.find("NEUER_WETTBEWERB", a + 1);
        const std::string satz = text.substr(a, e == std::string::npos ? std::string::npos : e - a);
        const size_t n = satz.find("\tNAME ");
        const size_t q = satz.find('"', n);
        const std::string name = satz.substr(q + 1, satz.find('"', q + 1) - q - 1);
        const size_t g = satz.find("\tGRAFIK_NUMMER ");
        r.emplace(name, g == std::string::npos ? 0 : std::atoi(satz.c_str() + satz.find_first_not_of(" ", g + 14)));
        a = e;
    }
    return r;
}

bool zeilen_ruhig(const Rastport* b, uint32_t von, uint32_t bis)
{
    const auto* px = static_cast<const uint16_t*>(b->pixels);
    for (uint32_t y = von; y <= bis; ++y)
        for (uint32_t x = 0; x < b->width; ++x)
            if (px[y * b->width + x] != px[von * b->width]) return false;
    return true;
}

class Wettbewerbsende_Bilder : public ::testing::TestWithParam<const char*> {
protected:
    fs::path ziel;
    void SetUp() override
    {
        ziel = fs::temp_directory_path() / ("wettbewerbsende_" + std::to_string(getpid()));
        for (const char* schritt : {"wettbewerbe", "resfiles"}) {
            const std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen " + schritt + " " + GetParam() +
                                       " --ziel " + ziel.string() + " > /dev/null";
            ASSERT_EQ(std::system(befehl.c_str()), 0) << befehl;
        }
    }
    void TearDown() override
    {
        DeInit_System_Dateien();
        fs::remove_all(ziel);
    }
};

TEST_P(Wettbewerbsende_Bilder, EveryCompetitionHasItsOwnPictureInTheResourceFile)
{
    const auto nummern = grafik_nummern(editor_test::lesen(ziel / "config_files" / "1_wettbewerb.cfg"));
    ASSERT_GT(nummern.size(), 5u);
    // groups and rounds of one competition share its picture; two competitions never do
    std::map<std::string, int32_t> je_name;
    std::map<int32_t, std::string> je_nummer;
    for (const auto& [name, n] : nummern) {
        EXPECT_EQ(je_name.emplace(name, n).first->second, n) << name;
        EXPECT_EQ(je_nummer.emplace(n, name).first->second, name) << n;
    }
    ASSERT_EQ(je_nummer.begin()->first, 0);
    ASSERT_EQ(je_nummer.rbegin()->first, int32_t(je_nummer.size()) - 1);

    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", ziel.c_str());
    std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", ziel.c_str());
    ASSERT_EQ(Init_System_Dateien(), 1);
    std::vector<uint16_t> namenszeile_vorher;
    for (const auto& [n, name] : je_nummer) {
        auto* b = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, WETTBEWERB_GRAFIK_BASIS + n, 16, nullptr));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->width, 640u);
        EXPECT_EQ(b->height, 480u);
        EXPECT_TRUE(zeilen_ruhig(b, 20, 80)) << name;
        EXPECT_TRUE(zeilen_ruhig(b, 455, 475)) << name;
        // the name's rows differ from the previous competition's
        const auto* px = static_cast<const uint16_t*>(b->pixels);
        std::vector<uint16_t> namenszeile(px + 400 * 640, px + 425 * 640);
        EXPECT_NE(namenszeile, namenszeile_vorher) << name;
        namenszeile_vorher = namenszeile;
        Grafik_Bitmap_Freigeben(b);
    }
}

INSTANTIATE_TEST_SUITE_P(Welten, Wettbewerbsende_Bilder, ::testing::Values("--world small", "--world large"));

}  // namespace
