// The line-up screen's and the detail window's pictures as the data builder writes them and the
// screens load them: sizes, the pitch under every grid cell, the arrowheads' directions, the
// see-through parts where the screens write their texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "common/welt_ordner.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_einsetzen.h"

namespace {

// One world for the suite: building it takes seconds, and the tests only read it.
struct SpielerBilder : ::testing::Test {
    static inline std::filesystem::path ordner;
    static inline int32_t handle = -1;
    static void SetUpTestSuite()
    {
        ordner = Test_Welt_Bauen("spieler_bilder", {"resfiles"});
        handle = Init_ResFile((ordner / "resfile" / "resf_scr.res").c_str());
    }
    static void TearDownTestSuite()
    {
        if (handle >= 0) DeInit_ResFile(handle);
        handle = -1;
        std::filesystem::remove_all(ordner);
    }
    void SetUp() override { ASSERT_GE(handle, 0); }
    Rastport* laden(int32_t n) { return static_cast<Rastport*>(Load_Resource(handle, n, 16, nullptr)); }
};

int32_t gruen(Rastport* b, int32_t x, int32_t y) { return ((Grafik_Pixel_Lesen(b, x, y) >> 5) & 63) << 2; }

TEST_F(SpielerBilder, EveryPictureLoadsAtItsSizeAndMaskedOnesLeaveTheFaceShowing)
{
    struct Soll {
        int32_t von, bis, w, h;
        bool maske;
    } const soll[] = {{1330, 1330, 640, 480, false}, {1261, 1269, 68, 12, false}, {1271, 1276, 35, 23, false},
                      {1286, 1286, 15, 8, true},     {1288, 1289, 8, 8, true},     {1291, 1295, 8, 8, true},
                      {1302, 1302, 8, 8, true},      {1341, 1346, 7, 7, true}};
    std::set<std::vector<uint16_t>> zeichen;
    for (const Soll& s : soll)
        for (int32_t n = s.von; n <= s.bis; ++n) {
            Rastport* b = laden(n);
            ASSERT_NE(b, nullptr) << n;
            EXPECT_EQ(int32_t(b->width), s.w) << n;
            EXPECT_EQ(int32_t(b->height), s.h) << n;
            std::vector<uint16_t> px;
            int32_t leer = 0;
            for (int32_t y = 0; y < int32_t(b->height); ++y)
                for (int32_t x = 0; x < int32_t(b->width); ++x) {
                    px.push_back(Grafik_Pixel_Lesen(b, x, y));
                    leer += px.back() == 0;
                }
            if (s.maske && n != 1286 && (n < 1341 || n > 1344)) {
                EXPECT_GT(leer, 0) << n;
                EXPECT_LT(leer, s.w * s.h - 4) << n;
            } else if (!s.maske) {
                EXPECT_EQ(leer, 0) << n;
            }
            if (s.w == 8) zeichen.insert(px);
            Grafik_Bitmap_Freigeben(b);
        }
    EXPECT_EQ(zeichen.size(), 8u) << "every button has a sign of its own";
}

TEST_F(SpielerBilder, ThePitchLiesUnderEveryGridCellOfBothClubsAndBothGoalkeepers)
{
    Rastport* b = laden(1330);
    ASSERT_NE(b, nullptr);
    for (int32_t team : {-1, 0})
        for (int32_t zeile = 0; zeile < 27; ++zeile)
            for (int32_t spalte = 0; spalte < 17; ++spalte) {
                int32_t x = 0, y = 0;
                Spieler_Einsetzen_Raster_Zu_Screen(1, zeile, spalte, team, -1, &x, &y);
                // a figure stands on its cell's corner and spreads right and down
                EXPECT_GE(gruen(b, x + 3, y + 3), 100) << zeile << "/" << spalte << " at " << x << "," << y;
            }
    for (const int32_t y : {117, 430}) EXPECT_GE(gruen(b, 321 + 3, y + 3), 100) << y;
    // left of the pitch is the bench, not grass
    EXPECT_LT(gruen(b, 210, 300), 100);
    Grafik_Bitmap_Freigeben(b);
}

TEST_F(SpielerBilder, StoredLineUpDotsFallOnTheSmallPitchAndArrowsPointTheirWay)
{
    Rastport* feld = laden(1271);
    ASSERT_NE(feld, nullptr);
    for (int32_t zeile = 0; zeile < 27; ++zeile)
        for (int32_t spalte = 0; spalte < 17; ++spalte)
            EXPECT_GE(gruen(feld, zeile + 3, spalte + 3), 100) << zeile << "/" << spalte;
    Grafik_Bitmap_Freigeben(feld);
    // the widest row of an arrowhead is its base: OFFENSIV points up, DEFENSIV down
    auto breiteste_zeile = [&](int32_t n) {
        Rastport* b = laden(n);
        int32_t beste = -1, max = 0;
        for (int32_t y = 0; b && y < 8; ++y) {
            int32_t k = 0;
            for (int32_t x = 0; x < 8; ++x) k += Grafik_Pixel_Lesen(b, x, y) != 0;
            if (k > max) max = k, beste = y;
        }
        if (b) Grafik_Bitmap_Freigeben(b);
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
                      {DETAIL_BILD_LIEBLINGSFELD, DETAIL_BILD_LIEBLINGSFELD, 75, 123},
                      {VERSICHERUNG_BILD_LOGO, VERSICHERUNG_BILD_LOGO + 5, 90, 55}};
    std::set<std::vector<uint16_t>> logos;
    for (const Soll& s : soll)
        for (int32_t n = s.von; n <= s.bis; ++n) {
            Rastport* b = laden(n);
            ASSERT_NE(b, nullptr) << n;
            EXPECT_EQ(int32_t(b->width), s.w) << n;
            EXPECT_EQ(int32_t(b->height), s.h) << n;
            std::vector<uint16_t> px;
            for (int32_t y = 0; y < s.h; ++y)
                for (int32_t x = 0; x < s.w; ++x) px.push_back(Grafik_Pixel_Lesen(b, x, y));
            auto frei = [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
                for (int32_t y = y0; y < y1; ++y)
                    for (int32_t x = x0; x < x1; ++x)
                        if (px[size_t(y * s.w + x)]) return false;
                return true;
            };
            if (n >= VERSICHERUNG_BILD_LOGO) {
                // the company's name above, "Zahlt ... pro Verletzungstag" below
                EXPECT_TRUE(frei(0, 0, 90, 14)) << n;
                EXPECT_TRUE(frei(0, 40, 90, 55)) << n;
                logos.insert(px);
            }
            if (n >= DETAIL_BILD_SEITE && n <= DETAIL_BILD_SEITE + 12) {
                EXPECT_TRUE(frei(2, 2, 120, 18)) << n << ": the toggle's text";
            }
            if (n == DETAIL_BILD_KNOPF + 2) {
                EXPECT_TRUE(frei(2, 2, 34, 18)) << "\"Fertig\"";
            }
            Grafik_Bitmap_Freigeben(b);
        }
    EXPECT_EQ(logos.size(), 6u) << "six companies, six logos";
    // the favourite-position box of any cell lies on grass or lines of the small pitch
    Rastport* feld = laden(DETAIL_BILD_LIEBLINGSFELD);
    ASSERT_NE(feld, nullptr);
    for (int32_t y = 5; y < 118; y += 4)
        for (int32_t x = 5; x < 70; x += 4) EXPECT_GE(gruen(feld, x, y), 100) << x << "," << y;
    Grafik_Bitmap_Freigeben(feld);
}

TEST_F(SpielerBilder, SearchSlotPicturesShowTheirStateAndTheBarsTracks)
{
    auto pixel = [&](int32_t n, std::vector<uint16_t>* px, int32_t* w, int32_t* h) {
        Rastport* b = laden(n);
        ASSERT_NE(b, nullptr) << n;
        *w = int32_t(b->width), *h = int32_t(b->height);
        px->clear();
        for (int32_t y = 0; y < *h; ++y)
            for (int32_t x = 0; x < *w; ++x) px->push_back(Grafik_Pixel_Lesen(b, x, y));
        Grafik_Bitmap_Freigeben(b);
    };
    std::vector<uint16_t> aus, an;
    int32_t w = 0, h = 0;
    const struct {
        int32_t n, w, h;
    } paare[] = {{SUCHE_BILD_RAHMEN, 111, 140}, {SUCHE_BILD_TOR, 22, 8}, {SUCHE_BILD_AKTIV, 10, 10}};
    for (const auto& p : paare) {
        pixel(p.n, &aus, &w, &h);
        EXPECT_EQ(w, p.w) << p.n;
        EXPECT_EQ(h, p.h) << p.n;
        pixel(p.n + 1, &an, &w, &h);
        EXPECT_EQ(w, p.w) << p.n;
        EXPECT_NE(aus, an) << p.n << ": on and off look alike";
    }
    // the bars' handles run at 2 pixels into their 8-pixel icons, 93 and 106 into the frame
    for (int32_t art = 0; art < 2; ++art)
        for (int32_t y = 6; y < 129; ++y) EXPECT_NE(an[size_t(y * 111 + 93 + 13 * art)], an[size_t(y * 111 + 50)]) << y;
    pixel(SUCHE_BILD_FELD, &an, &w, &h);
    EXPECT_EQ(w, 72);
    EXPECT_EQ(h, 108);
    for (const int32_t n : {SUCHE_BILD_REGLER, SUCHE_BILD_ECKE}) {
        pixel(n, &an, &w, &h);
        EXPECT_EQ(w, n == SUCHE_BILD_ECKE ? 7 : 8);
    }
}

}  // namespace
