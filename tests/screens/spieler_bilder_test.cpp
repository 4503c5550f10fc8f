// The line-up screen's and the detail window's pictures as the data builder writes them and the
// screens load them: sizes, the pitch under every grid cell, the arrowheads' directions, the
// see-through parts where the screens write their texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "bilder_datei.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_einsetzen.h"

namespace {

// A loaded picture's pixels, row by row; empty when it is missing.
struct Bild {
    int32_t w = 0, h = 0;
    std::vector<uint16_t> px;
    uint16_t at(int32_t x, int32_t y) const { return px[size_t(y * w + x)]; }
    int32_t gruen(int32_t x, int32_t y) const { return ((at(x, y) >> 5) & 63) << 2; }
    // true when nothing is drawn in [x0, x1) x [y0, y1)
    bool frei(int32_t x0, int32_t y0, int32_t x1, int32_t y1) const
    {
        for (int32_t y = y0; y < y1; ++y)
            for (int32_t x = x0; x < x1; ++x)
                if (at(x, y)) return false;
        return true;
    }
};

struct SpielerBilder : Mit_Bilddatei<> {
    void SetUp() override { ASSERT_GE(datei, 0); }
    Bild lesen(int32_t n, int32_t w, int32_t h)
    {
        Bild b;
        auto* rp = static_cast<Rastport*>(Load_Resource(datei, n, 16, nullptr));
        EXPECT_NE(rp, nullptr) << n;
        if (!rp) return b;
        b.w = int32_t(rp->width), b.h = int32_t(rp->height);
        EXPECT_EQ(b.w, w) << n;
        EXPECT_EQ(b.h, h) << n;
        for (int32_t y = 0; y < b.h; ++y)
            for (int32_t x = 0; x < b.w; ++x) b.px.push_back(Grafik_Pixel_Lesen(rp, x, y));
        Grafik_Bitmap_Freigeben(rp);
        if (b.w != w || b.h != h) b = Bild{};
        return b;
    }
};

TEST_F(SpielerBilder, EveryPictureLoadsAtItsSizeAndMaskedOnesLeaveTheFaceShowing)
{
    struct Soll {
        int32_t von, bis, w, h;
        bool maske;
    } const soll[] = {{1330, 1330, 640, 480, false}, {1261, 1268, 68, 12, false}, {1269, 1269, 8, 11, true}, {1271, 1276, 35, 23, false},
                      {1286, 1286, 15, 8, true},     {1288, 1289, 8, 8, true},     {1291, 1295, 8, 8, true},
                      {1302, 1302, 8, 8, true},      {1341, 1346, 7, 7, true}};
    std::set<std::vector<uint16_t>> zeichen;
    for (const Soll& s : soll)
        for (int32_t n = s.von; n <= s.bis; ++n) {
            const Bild b = lesen(n, s.w, s.h);
            const int32_t leer = int32_t(std::count(b.px.begin(), b.px.end(), 0));
            if (s.maske && n != 1286 && (n < 1341 || n > 1344)) {
                EXPECT_GT(leer, 0) << n;
                EXPECT_LT(leer, s.w * s.h - 4) << n;
            } else if (!s.maske) {
                EXPECT_EQ(leer, 0) << n;
            }
            if (s.w == 8 && s.h == 8) zeichen.insert(b.px);
        }
    EXPECT_EQ(zeichen.size(), 8u) << "every button has a sign of its own";
}

TEST_F(SpielerBilder, ThePitchLiesUnderEveryGridCellOfBothClubsAndBothGoalkeepers)
{
    const Bild b = lesen(1330, 640, 480);
    ASSERT_FALSE(b.px.empty());
    for (int32_t team : {-1, 0})
        for (int32_t zeile = 0; zeile < 27; ++zeile)
            for (int32_t spalte = 0; spalte < 17; ++spalte) {
                int32_t x = 0, y = 0;
                Spieler_Einsetzen_Raster_Zu_Screen(1, zeile, spalte, team, -1, &x, &y);
                // a figure stands on its cell's corner and spreads right and down
                EXPECT_GE(b.gruen(x + 3, y + 3), 100) << zeile << "/" << spalte << " at " << x << "," << y;
            }
    for (const int32_t y : {117, 430}) EXPECT_GE(b.gruen(321 + 3, y + 3), 100) << y;
    // left of the pitch is the bench, not grass
    EXPECT_LT(b.gruen(210, 300), 100);
}

TEST_F(SpielerBilder, StoredLineUpDotsFallOnTheSmallPitchAndArrowsPointTheirWay)
{
    const Bild feld = lesen(1271, 35, 23);
    ASSERT_FALSE(feld.px.empty());
    for (int32_t zeile = 0; zeile < 27; ++zeile)
        for (int32_t spalte = 0; spalte < 17; ++spalte)
            EXPECT_GE(feld.gruen(zeile + 3, spalte + 3), 100) << zeile << "/" << spalte;
    // the widest row of an arrowhead is its base: OFFENSIV points up, DEFENSIV down
    auto breiteste_zeile = [&](int32_t n) {
        const Bild b = lesen(n, 8, 8);
        int32_t beste = -1, max = 0;
        for (int32_t y = 0; !b.px.empty() && y < 8; ++y) {
            int32_t k = 0;
            for (int32_t x = 0; x < 8; ++x) k += b.at(x, y) != 0;
            if (k > max) max = k, beste = y;
        }
        return beste;
    };
    EXPECT_GT(breiteste_zeile(1292), 4);
    EXPECT_LT(breiteste_zeile(1291), 3);
}

TEST_F(SpielerBilder, DetailWindowPicturesLeaveRoomForTheTextsDrawnOverThem)
{
    struct Soll {
        int32_t von, bis, w, h;
    } const soll[] = {{DETAIL_BILD_FENSTER, DETAIL_BILD_FENSTER, 600, 440},
                      {DETAIL_BILD_KNOPF, DETAIL_BILD_KNOPF + 1, 36, 20},
                      {DETAIL_BILD_KNOPF + 2, DETAIL_BILD_KNOPF + 2, 45, 20},
                      {DETAIL_BILD_SEITE, DETAIL_BILD_SEITE + 12, 140, 20},
                      {VERSICHERUNG_BILD_LOGO, VERSICHERUNG_BILD_LOGO + 5, 90, 55}};
    std::set<std::vector<uint16_t>> logos;
    for (const Soll& s : soll)
        for (int32_t n = s.von; n <= s.bis; ++n) {
            const Bild b = lesen(n, s.w, s.h);
            if (b.px.empty()) continue;
            if (n >= VERSICHERUNG_BILD_LOGO) {
                // the company's name above, "Zahlt ... pro Verletzungstag" below
                EXPECT_TRUE(b.frei(0, 0, 90, 14)) << n;
                EXPECT_TRUE(b.frei(0, 40, 90, 55)) << n;
                logos.insert(b.px);
            }
            if (n >= DETAIL_BILD_SEITE && n <= DETAIL_BILD_SEITE + 12) {
                EXPECT_TRUE(b.frei(2, 2, 120, 18)) << n << ": the toggle's text";
            }
            if (n == DETAIL_BILD_KNOPF + 2) {
                EXPECT_TRUE(b.frei(2, 2, 34, 18)) << "\"Fertig\"";
                EXPECT_TRUE(b.frei(43, 2, 44, 18)) << "the tick keeps off the frame";
            }
        }
    EXPECT_EQ(logos.size(), 6u) << "six companies, six logos";
    // the favourite-position box of any cell lies on grass or lines of the small pitch
    const Bild feld = lesen(DETAIL_BILD_LIEBLINGSFELD, 75, 123);
    ASSERT_FALSE(feld.px.empty());
    for (int32_t y = 5; y < 118; y += 4)
        for (int32_t x = 5; x < 70; x += 4) EXPECT_GE(feld.gruen(x, y), 100) << x << "," << y;
}

TEST_F(SpielerBilder, SearchSlotPicturesShowTheirStateAndTheBarsTracks)
{
    const struct {
        int32_t n, w, h;
    } paare[] = {{SUCHE_BILD_RAHMEN, 111, 140}, {SUCHE_BILD_TOR, 22, 8}, {SUCHE_BILD_AKTIV, 10, 10}};
    for (const auto& p : paare) EXPECT_NE(lesen(p.n, p.w, p.h).px, lesen(p.n + 1, p.w, p.h).px) << p.n << ": on and off alike";
    // the bars' handles run 2 pixels into their 8-pixel icons: 93 and 106 into the frame
    const Bild rahmen = lesen(SUCHE_BILD_RAHMEN + 1, 111, 140);
    ASSERT_FALSE(rahmen.px.empty());
    for (int32_t art = 0; art < 2; ++art)
        for (int32_t y = 6; y < 129; ++y) EXPECT_NE(rahmen.at(93 + 13 * art, y), rahmen.at(50, y)) << y;
    lesen(SUCHE_BILD_FELD, 72, 108);
    lesen(SUCHE_BILD_REGLER, 8, 8);
    lesen(SUCHE_BILD_ECKE, 7, 7);
}

}  // namespace
