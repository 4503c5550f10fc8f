// The pictures of the training page, the player comparison and the editors as the data builder
// writes them and the pages load them. Training: every kind's area with its name where the page
// puts its icon, see-through units and frames, a picture of its own for every switch state, the
// K.O. bar's segments. Comparison: on and off tell apart, the arrows point their way. Editors:
// the perspective pitch is grass under every cell the editor maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "bilder_datei.h"
#include "screens/spieler_edit.h"
#include "screens/spieler_edit_bilder.h"
#include "screens/spieler_training.h"
#include "screens/spieler_training_bilder.h"
#include "screens/spielervergleich_bilder.h"

namespace {

struct SeitenBilder : Mit_Bilddatei<> {
    static int32_t rot(uint16_t p) { return (p >> 11) << 3; }
    static int32_t gruen(uint16_t p) { return ((p >> 5) & 63) << 2; }
};

TEST_F(SeitenBilder, TheBackgroundHasEveryKindWithItsNameWhereThePageLaysItOut)
{
    ASSERT_GE(datei, 0);
    const std::vector<uint16_t> b = pixel(TRAINING_BILD_HINTERGRUND, 600, 440);
    ASSERT_EQ(b.size(), 600u * 440u);
    auto at = [&](int32_t x, int32_t y) { return b[size_t((y - 40) * 600 + x)]; };
    for (int32_t a = 0; a < 17; ++a) {
        const int32_t x = TRAINING_ORT[a][0], y = TRAINING_ORT[a][1];
        // grass for the field kinds, earth (more red than green) for the goalkeepers'
        const uint16_t mitte = at(x + 20, y + 20);
        if (a < 14) EXPECT_GT(gruen(mitte), 2 * rot(mitte)) << a;
        else EXPECT_GT(rot(mitte), gruen(mitte)) << a;
        // the name: light pixels in the strip along the foot, none past the area
        int32_t hell = 0;
        for (int32_t yy = y + TRAINING_FLAECHE_H - 12; yy < y + TRAINING_FLAECHE_H - 1; ++yy)
            for (int32_t xx = x + 1; xx < x + TRAINING_FLAECHE_B - 1; ++xx) hell += gruen(at(xx, yy)) > 180;
        EXPECT_GT(hell, 10) << a;
        // and every area stays clear of the others
        for (int32_t o = 0; o < 17; ++o) {
            if (o == a) continue;
            EXPECT_TRUE(TRAINING_ORT[o][0] >= x + TRAINING_FLAECHE_B || TRAINING_ORT[o][0] + TRAINING_FLAECHE_B <= x ||
                        TRAINING_ORT[o][1] >= y + TRAINING_FLAECHE_H || TRAINING_ORT[o][1] + TRAINING_FLAECHE_H <= y)
                << a << "/" << o;
        }
    }
}

// The names are set in the largest size that fits: each one whole inside the strip along its area's
// foot, centred, and a name's closing full stop a single pixel on the baseline.
TEST_F(SeitenBilder, EveryKindsNameFitsItsAreaWhole)
{
    ASSERT_GE(datei, 0);
    const std::vector<uint16_t> b = pixel(TRAINING_BILD_HINTERGRUND, 600, 440);
    ASSERT_EQ(b.size(), 600u * 440u);
    auto schrift = [](uint16_t p) { return rot(p) > 180 && gruen(p) > 180; };
    for (int32_t a = 0; a < 17; ++a) {
        const int32_t x = TRAINING_ORT[a][0], y = TRAINING_ORT[a][1] - 40;
        int32_t links = -1, rechts = -1, unten = -1;
        for (int32_t xx = x + 1; xx < x + TRAINING_FLAECHE_B - 1; ++xx)
            for (int32_t yy = y + TRAINING_FLAECHE_H - 13; yy < y + TRAINING_FLAECHE_H - 1; ++yy)
                if (schrift(b[size_t(yy * 600 + xx)])) {
                    if (links < 0) links = xx;
                    rechts = xx;
                    unten = std::max(unten, yy);
                }
        const std::string name = Spieler_Training_Art_Name(a);
        ASSERT_GE(links, 0) << name;
        EXPECT_GE(links, x + 2) << name << " runs over the area's left edge";
        EXPECT_LE(rechts, x + TRAINING_FLAECHE_B - 3) << name << " runs over the area's right edge";
        EXPECT_LE(std::abs((links - x) - (x + TRAINING_FLAECHE_B - 1 - rechts)), 1) << name << " is not centred";
        if (name.back() == '.') {
            int32_t punkt = 0, zeile = -1;
            for (int32_t yy = y + TRAINING_FLAECHE_H - 13; yy < y + TRAINING_FLAECHE_H - 1; ++yy)
                if (schrift(b[size_t(yy * 600 + rechts)])) ++punkt, zeile = yy;
            EXPECT_EQ(punkt, 1) << name << ": its full stop";
            EXPECT_EQ(zeile, unten) << name << ": its full stop stands on the baseline";
        }
    }
}

TEST_F(SeitenBilder, UnitsAndFramesLetThePageShowThroughAndEverySwitchStateHasItsPicture)
{
    ASSERT_GE(datei, 0);
    for (int32_t n : {TRAINING_BILD_BALL, TRAINING_BILD_HANDSCHUH}) {
        const std::vector<uint16_t> p = pixel(n, 12, 12);
        ASSERT_EQ(p.size(), 144u) << n;
        EXPECT_EQ(p[0], 0) << n << ": the corner shows the area under it";
        EXPECT_NE(p[6 * 12 + 6], 0) << n;
    }
    EXPECT_NE(pixel(TRAINING_BILD_BALL, 12, 12), pixel(TRAINING_BILD_HANDSCHUH, 12, 12));
    for (int32_t n : {TRAINING_BILD_RAHMEN, TRAINING_BILD_RAHMEN_TW}) {
        const std::vector<uint16_t> p = pixel(n, TRAINING_FLAECHE_B, TRAINING_FLAECHE_H);
        ASSERT_FALSE(p.empty()) << n;
        EXPECT_NE(p[0], 0) << n;
        EXPECT_EQ(p[size_t(25 * TRAINING_FLAECHE_B + 37)], 0) << n << ": the area's units stay visible";
    }
    EXPECT_EQ(pixel(TRAINING_BILD_GRIFF, TRAINING_GRIFF_B, TRAINING_GRIFF_H).size(), size_t(TRAINING_GRIFF_B * TRAINING_GRIFF_H));
    std::set<std::vector<uint16_t>> schalter;
    for (int32_t k = 0; k < 24; ++k) {
        const std::vector<uint16_t> p = pixel(TRAINING_BILD_SCHALTER + k, TRAINING_SCHALTER_B, TRAINING_SCHALTER_H);
        EXPECT_FALSE(p.empty()) << k;
        schalter.insert(p);
    }
    EXPECT_EQ(schalter.size(), 24u) << "each switch shows its own label at each level";
}

TEST_F(SeitenBilder, TheKOBarLightsGreenThenYellowThenRedFromBelow)
{
    ASSERT_GE(datei, 0);
    const std::vector<uint16_t> p = pixel(TRAINING_BILD_KO, TRAINING_KO_B, TRAINING_KO_H);
    ASSERT_EQ(p.size(), size_t(TRAINING_KO_B * TRAINING_KO_H));
    for (int32_t s = 0; s < 16; ++s) {
        const int32_t zeile = TRAINING_KO_H - 3 * (s + 1);
        const uint16_t c = p[size_t(zeile * TRAINING_KO_B + 8)], luecke = p[size_t((zeile + 2) * TRAINING_KO_B + 8)];
        EXPECT_EQ(c, p[size_t((zeile + 1) * TRAINING_KO_B + 8)]) << s;
        EXPECT_LT(gruen(luecke) + rot(luecke), 64) << s << ": segments are apart";
        if (s < 8) EXPECT_GT(gruen(c), 2 * rot(c)) << s;
        else if (s < 12) EXPECT_TRUE(rot(c) > 150 && gruen(c) > 150) << s;
        else EXPECT_GT(rot(c), 2 * gruen(c)) << s;
    }
}

TEST_F(SeitenBilder, TheComparisonsTogglesButtonsAndArrowsShowTheirState)
{
    ASSERT_GE(datei, 0);
    EXPECT_EQ(pixel(VERGLEICH_BILD_HINTERGRUND, 600, 440).size(), 600u * 440u);
    EXPECT_EQ(pixel(VERGLEICH_BILD_KRITERIUM, 150, 18).size(), 150u * 18u);
    for (const auto& [n, w, h] : {std::tuple{VERGLEICH_BILD_SCHALTER, 14, 14}, std::tuple{VERGLEICH_BILD_WETTBEWERB, 32, 32},
                                  std::tuple{VERGLEICH_BILD_GRIFF, 16, 10}, std::tuple{VERGLEICH_BILD_PFEIL, 14, 14}}) {
        const std::vector<uint16_t> a = pixel(n, w, h), b = pixel(n + 1, w, h);
        EXPECT_FALSE(a.empty()) << n;
        EXPECT_FALSE(b.empty()) << n;
        EXPECT_NE(a, b) << n;
    }
    EXPECT_EQ(pixel(VERGLEICH_BILD_WETTBEWERB, 32, 32)[0], 0) << "the button's corner shows the panel";
    // up: the narrow row of the arrow above its wide row; down the other way
    auto breite = [](const std::vector<uint16_t>& p, int32_t y) {
        int32_t n = 0;
        for (int32_t x = 2; x < 12; ++x) n += gruen(p[size_t(y * 14 + x)]) > 200;
        return n;
    };
    const std::vector<uint16_t> hoch = pixel(VERGLEICH_BILD_PFEIL, 14, 14), runter = pixel(VERGLEICH_BILD_PFEIL + 1, 14, 14);
    ASSERT_FALSE(hoch.empty() || runter.empty());
    EXPECT_LT(breite(hoch, 5), breite(hoch, 8));
    EXPECT_GT(breite(runter, 5), breite(runter, 8));
    for (int32_t n : {VERGLEICH_BILD_TITEL, VERGLEICH_BILD_TITEL_2}) EXPECT_FALSE(pixel(n, 320, 120).empty()) << n;
}

TEST_F(SeitenBilder, TheEditorsPitchHasGrassUnderEveryCellItsHandleCanTake)
{
    ASSERT_GE(datei, 0);
    const std::vector<uint16_t> p = pixel(EDIT_BILD_SPIELFELD, 117, 71);
    ASSERT_EQ(p.size(), 117u * 71u);
    for (int32_t zeile = 0; zeile < 27; ++zeile)
        for (int32_t spalte = 0; spalte < 17; ++spalte) {
            int32_t x = 0, y = 0;
            Spieler_Edit_Raster_Zu_Bild(zeile, spalte, &x, &y);
            const uint16_t c = p[size_t(y * 117 + x)];
            EXPECT_GT(gruen(c), 100) << zeile << "/" << spalte;
        }
    // beside the narrow far end there is no grass
    EXPECT_LT(gruen(p[2 * 117 + 2]), 100);
    EXPECT_EQ(pixel(EDIT_BILD_SPIELER, 290, 250).size(), 290u * 250u);
    EXPECT_EQ(pixel(EDIT_BILD_VEREIN, 400, 252).size(), 400u * 252u);
    EXPECT_EQ(pixel(EDIT_BILD_WAPPEN, 40, 40).size(), 1600u);
    for (const auto& [n, w, h] : {std::tuple{EDIT_BILD_FELD, EDIT_FELD_B, EDIT_FELD_H}, std::tuple{EDIT_BILD_KATEGORIE, 14, 14},
                                  std::tuple{EDIT_BILD_GRIFF, 7, 7}, std::tuple{EDIT_BILD_TORGRIFF, 12, 4}}) {
        const std::vector<uint16_t> a = pixel(n, w, h), b = pixel(n + 1, w, h);
        EXPECT_FALSE(a.empty() || b.empty()) << n;
        EXPECT_NE(a, b) << n;
    }
}

}  // namespace
