// The tables screen's pictures as the data builder writes them and the screen loads them: each
// face at the button's size with its label on it, the knobs at their sizes, see-through round
// the edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "common/welt_ordner.h"
#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "competitions/statistik_teaminfo.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "database/db_hilfe.h"
#include "platform/resfile.h"
#include "toolkit/slave.h"

namespace {

std::vector<uint16_t> pixel(const Rastport* b)
{
    std::vector<uint16_t> px;
    for (uint32_t y = 0; y < b->height; ++y)
        for (uint32_t x = 0; x < b->width; ++x) px.push_back(Grafik_Pixel_Lesen(b, int32_t(x), int32_t(y)));
    return px;
}

TEST(TabellenBilder, FacesAndKnobsLoadAtTheirSizesAndTheFacesDiffer)
{
    const std::filesystem::path ordner = Test_Welt_Bauen("tabellen_bilder", {"resfiles"});
    const int32_t handle = Init_ResFile((ordner / "resfile" / "resf_scr.res").c_str());
    ASSERT_GE(handle, 0);
    std::set<std::vector<uint16_t>> gesichter;
    std::vector<int32_t> nummern;
    for (const Ligen_Tabelle_Knopf& k : LT_TABELLENKNOEPFE) nummern.push_back(k.nummer);
    for (const Ligen_Tabelle_Knopf& k : LT_PAARUNGSKNOEPFE) nummern.push_back(k.nummer);
    for (int32_t n : nummern) {
        // the icon's resource code reaches the screen file only below its file step
        EXPECT_LT(Ligen_Tabelle_Knopf_Bild(n), MENUE_RESSOURCE_CODE) << n;
        auto* b = static_cast<Rastport*>(Load_Resource(handle, Ligen_Tabelle_Knopf_Bild(n), 16, nullptr));
        ASSERT_NE(b, nullptr) << n;
        EXPECT_EQ(b->width, uint32_t(LT_KNOPF_BREITE)) << n;
        EXPECT_EQ(b->height, uint32_t(Ligen_Tabelle_Knopf_Hoehe(n))) << n;
        gesichter.insert(pixel(b));
        Grafik_Bitmap_Freigeben(b);
    }
    // "Zwei Spalten" and "Details" stand on both rows with the same label, the fixtures' lower.
    EXPECT_EQ(gesichter.size(), nummern.size()) << "every button its own face";

    for (int32_t n : {LT_BILD_TAGKNOPF, LT_BILD_VONKNOPF, LT_BILD_BISKNOPF}) {
        auto* b = static_cast<Rastport*>(Load_Resource(handle, n, 16, nullptr));
        ASSERT_NE(b, nullptr) << n;
        EXPECT_EQ(b->width, uint32_t(n == LT_BILD_TAGKNOPF ? LT_TAGKNOPF_BREITE : LT_BEREICHKNOPF_BREITE)) << n;
        EXPECT_EQ(b->height, uint32_t(n == LT_BILD_TAGKNOPF ? LT_TAGKNOPF_HOEHE : LT_BEREICHKNOPF_HOEHE)) << n;
        const std::vector<uint16_t> px = pixel(b);
        EXPECT_EQ(px.front(), 0) << n;  // the corner shows what lies under the knob
        EXPECT_NE(px[px.size() / 2], 0) << n;
        Grafik_Bitmap_Freigeben(b);
    }
    DeInit_ResFile(handle);
    std::filesystem::remove_all(ordner);
}

// A competition's badge names a one-word competition whole ("POKAL", it read "POKA"): the home
// country's cup, whose white letters, six pixels each, span the five letters.
TEST(TabellenBilder, ABadgeNamesAOneWordCompetitionWhole)
{
    const std::filesystem::path ordner =
        Test_Welt_Bauen("abzeichen_bilder", {"welt --world small", "wettbewerbe --world small", "resfiles --world small"});
    Netz_Rolle = 3;
    ASSERT_TRUE(Team(0));
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    int32_t ids[1024];
    const int32_t n = Wettbewerb_Get_Land_Wettbewerbe(int32_t(Team_Heimatland), ids);
    int32_t pokal = -1;
    for (int32_t k = 0; k < n; ++k)
        if (std::string(Wettbewerb_Get_Anzeigename(ids[k])) == "Pokal") pokal = ids[k];
    ASSERT_GE(pokal, 0) << "the home country's cup";
    const int32_t handle = Init_ResFile((ordner / "resfile" / "resf_scr.res").c_str());
    ASSERT_GE(handle, 0);
    auto* b = static_cast<Rastport*>(Load_Resource(handle, 1382 + Wettbewerb_Get_Grafik_Nummer(pokal), 16, nullptr));
    ASSERT_NE(b, nullptr);
    constexpr uint16_t WEISS = (240 >> 3) << 11 | (240 >> 2) << 5 | (240 >> 3);
    int32_t links = int32_t(b->width), rechts = -1;
    for (int32_t y = int32_t(b->height) - 12; y < int32_t(b->height) - 5; ++y)
        for (int32_t x = 0; x < int32_t(b->width); ++x)
            if (Grafik_Pixel_Lesen(b, x, y) == WEISS) links = std::min(links, x), rechts = std::max(rechts, x);
    EXPECT_GE(rechts - links + 1, 5 * 6 - 2) << "from " << links << " to " << rechts;
    Grafik_Bitmap_Freigeben(b);
    DeInit_ResFile(handle);
    Test_Welt_Aufraeumen();
    Netz_Rolle = 0;
    std::filesystem::remove_all(ordner);
}

// The information screen's and the comparison's pictures: every face at its button's size, the
// fourteen pages' faces each their own (their drawings differ even where labels are alike), the
// frame and the background whole.
TEST(TabellenBilder, InformationAndComparisonPicturesLoadAtTheirSizes)
{
    const std::filesystem::path ordner = Test_Welt_Bauen("teaminfo_bilder", {"resfiles"});
    const int32_t handle = Init_ResFile((ordner / "resfile" / "resf_scr.res").c_str());
    ASSERT_GE(handle, 0);
    auto laden = [&](int32_t n, uint32_t w, uint32_t h) {
        auto* b = static_cast<Rastport*>(Load_Resource(handle, n, 16, nullptr));
        EXPECT_NE(b, nullptr) << n;
        std::vector<uint16_t> px;
        if (!b) return px;
        EXPECT_EQ(b->width, w) << n;
        EXPECT_EQ(b->height, h) << n;
        px = pixel(b);
        Grafik_Bitmap_Freigeben(b);
        return px;
    };
    std::set<std::vector<uint16_t>> seiten;
    for (const Teaminfo_Knopf& k : TI_KNOEPFE) {
        const std::vector<uint16_t> px = laden(k.nummer, uint32_t(k.breite), uint32_t(k.hoehe));
        if (k.nummer >= TI_ERSTE_SEITE && k.nummer <= TI_LETZTE_SEITE) seiten.insert(px);
    }
    EXPECT_EQ(seiten.size(), size_t(TI_SEITEN));
    std::set<std::vector<uint16_t>> vergleich;
    for (const Ligen_Tabelle_Knopf& k : TV_KNOEPFE) vergleich.insert(laden(k.nummer, TV_KNOPF_BREITE, TV_KNOPF_HOEHE));
    EXPECT_EQ(vergleich.size(), std::size(TV_KNOEPFE));
    laden(TI_RAHMEN, TI_RAHMEN_BREITE, TI_RAHMEN_HOEHE);
    laden(TV_HINTERGRUND, 640, 480);
    DeInit_ResFile(handle);
    std::filesystem::remove_all(ordner);
}

}  // namespace
