// Portraits composed from the builder's face parts: the library, the layers by code, the shirt's
// kit colour, user pictures, code steps, scaling, and a sheet of faces to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "bilder_datei.h"
#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "platform/zufall.h"
#include "screens/spieler_gesicht.h"

namespace {

struct Gesicht : ::testing::Test {
    static inline int32_t handle = -1, leer = -1;
    static void SetUpTestSuite()
    {
        handle = Test_Bilddatei_Oeffnen();
        leer = Test_Bilddatei_Oeffnen("werbung.res");
    }
    static void TearDownTestSuite()
    {
        Spieler_Gesicht_DeInit();
        if (handle >= 0) DeInit_ResFile(handle);
        if (leer >= 0) DeInit_ResFile(leer);
    }
    void SetUp() override
    {
        ASSERT_GE(handle, 0);
        ASSERT_EQ(Spieler_Gesicht_Init(handle), 1);
        Test_Spieler_Anlegen(10);
    }
    void TearDown() override { Spieler_Aufraeumen(); }
    static void Spieler_Aufraeumen() { Spieler_DeInit(); }

    struct Bild {
        Rastport* rp;
        explicit Bild(Rastport* r) : rp(r) {}
        ~Bild()
        {
            if (rp) Grafik_Bitmap_Freigeben(rp);
        }
        uint16_t at(int32_t x, int32_t y) const { return Grafik_Pixel_Lesen(rp, x, y); }
    };
    static bool gleich(const Bild& a, const Bild& b)
    {
        if (!a.rp || !b.rp || a.rp->width != b.rp->width || a.rp->height != b.rp->height) return false;
        for (uint32_t y = 0; y < a.rp->height; ++y)
            for (uint32_t x = 0; x < a.rp->width; ++x)
                if (a.at(int32_t(x), int32_t(y)) != b.at(int32_t(x), int32_t(y))) return false;
        return true;
    }
    // Portrait pixels that differ between two codes.
    static int32_t unterschiede(uint32_t a, uint32_t b, int32_t spnr = 1, const uint8_t* farben = nullptr)
    {
        Bild x(Spieler_Gesicht_Bauen(nullptr, 0, 0, spnr, a, farben)), y(Spieler_Gesicht_Bauen(nullptr, 0, 0, spnr, b, farben));
        int32_t n = 0;
        for (int32_t j = 0; j < GESICHT_HOEHE; ++j)
            for (int32_t i = 0; i < GESICHT_BREITE; ++i) n += x.at(i, j) != y.at(i, j);
        return n;
    }
};

TEST_F(Gesicht, EveryPartLoadsInsideThePortraitAndHeadsHaveNoHoles)
{
    const int32_t anzahl[8] = {15, 2, 20, 7, 13, 10, 3, 2};
    for (int32_t k = 0; k < 8; ++k)
        for (int32_t i = 0; i < anzahl[k]; ++i) {
            int32_t x = -1, y = -1;
            Rastport* b = Spieler_Gesicht_Teil(k, i, &x, &y);
            if ((k == 1 || k == 6) && i == 0) {
                EXPECT_EQ(b, nullptr);
                continue;
            }
            ASSERT_NE(b, nullptr) << k << "/" << i;
            EXPECT_LE(x + int32_t(b->width), GESICHT_BREITE) << k << "/" << i;
            EXPECT_LE(y + int32_t(b->height), GESICHT_HOEHE) << k << "/" << i;
            if (k == 3) {
                for (uint32_t j = 0; j < b->height; ++j)
                    for (uint32_t n = 0; n < b->width; ++n) ASSERT_NE(Grafik_Pixel_Lesen(b, int32_t(n), int32_t(j)), 0);
            }
        }
    EXPECT_EQ(Spieler_Gesicht_Teil(8, 0, nullptr, nullptr), nullptr);
    EXPECT_EQ(Spieler_Gesicht_Teil(0, 15, nullptr, nullptr), nullptr);
}

TEST_F(Gesicht, TheCodeChoosesTheLayersAndClampsLargeIndexes)
{
    // code 0: eyes 0 stand where their part says; moustache and glasses/beard 0 draw nothing
    Bild null(Spieler_Gesicht_Bauen(nullptr, 0, 0, 1, 0, nullptr));
    ASSERT_NE(null.rp, nullptr);
    int32_t ox = 0, oy = 0;
    Rastport* augen = Spieler_Gesicht_Teil(0, 0, &ox, &oy);
    for (uint32_t j = 0; j < augen->height; ++j)
        for (uint32_t i = 0; i < augen->width; ++i)
            if (uint16_t p = Grafik_Pixel_Lesen(augen, int32_t(i), int32_t(j))) {
                EXPECT_EQ(null.at(ox + int32_t(i), oy + int32_t(j)), p);
            }
    EXPECT_GT(unterschiede(0, 1u << 4), 0);   // a moustache only with index 1
    EXPECT_GT(unterschiede(0, 2u << 24), 0);  // the beard
    EXPECT_GT(unterschiede(0, 1u << 0), 0);   // other eyes
    EXPECT_EQ(unterschiede(7u << 13, 6u << 13), 0);
    EXPECT_GT(unterschiede(5u << 13, 6u << 13), 0);
    EXPECT_EQ(unterschiede(25u << 8, 19u << 8), 0);
    EXPECT_EQ(unterschiede(15u, 14u), 0);
    EXPECT_EQ(unterschiede(0x70000000u, 0), 0);  // bits 28-30 are carried, not drawn

    Spieler_Wert(SP_GESICHT, 3, int32_t(25u << 8), 1);
    Spieler_Gesicht_Set_Haarfarbe(3);
    EXPECT_EQ(Spieler_Wert(SP_HAARFARBE, 3, 0, 0), 4);
    Spieler_Wert(SP_GESICHT, 3, int32_t(6u << 8), 1);
    Spieler_Gesicht_Set_Haarfarbe(3);
    EXPECT_EQ(Spieler_Wert(SP_HAARFARBE, 3, 0, 0), 0);
}

TEST_F(Gesicht, TheShirtTakesTheKitOrTheGoalkeepersColours)
{
    uint8_t farben[36] = {};
    farben[2] = 255;   // field players blue
    farben[24] = 255;  // the goalkeeper red
    Spieler_Fix_Daten[2].lieblingspos = 459;
    int32_t ox = 0, oy = 0;
    Rastport* maske = Spieler_Gesicht_Teil(7, 0, &ox, &oy);
    ASSERT_NE(maske, nullptr);
    Bild feld(Spieler_Gesicht_Bauen(nullptr, 0, 0, 1, 0, farben)), tor(Spieler_Gesicht_Bauen(nullptr, 0, 0, 2, 0, farben)),
        ohne(Spieler_Gesicht_Bauen(nullptr, 0, 0, 1, 0, nullptr));
    int32_t innen = 0, rand = 0;
    for (uint32_t j = 0; j < maske->height; ++j)
        for (uint32_t i = 0; i < maske->width; ++i) {
            const uint16_t m = Grafik_Pixel_Lesen(maske, int32_t(i), int32_t(j));
            const int32_t x = ox + int32_t(i), y = oy + int32_t(j);
            if (!m) continue;
            if ((m & 0x1F) == 0) {
                ++rand;
                EXPECT_EQ(feld.at(x, y), 1);
                continue;
            }
            ++innen;
            EXPECT_EQ(feld.at(x, y), Grafik_Farbe(0, 0, 15));
            EXPECT_EQ(tor.at(x, y), Grafik_Farbe(15, 0, 0));
            EXPECT_EQ(ohne.at(x, y), GESICHT_HEMD_OHNE_FARBEN);
        }
    EXPECT_GT(innen, 50);
    EXPECT_GT(rand, 10);
}

TEST_F(Gesicht, AMissingUserPictureGivesTheComposedFace)
{
    Spieler_Wert(SP_BILDNUMMER, 4, 31999, 1);
    Bild user(Spieler_Gesicht_Bauen(nullptr, 0, 0, 4, GESICHT_USER_BILD | 0x12345u, nullptr));
    Bild teile(Spieler_Gesicht_Bauen(nullptr, 0, 0, 4, 0x12345u, nullptr));
    EXPECT_TRUE(gleich(user, teile));
    // the stored code is left alone
    Spieler_Wert(SP_GESICHT, 4, int32_t(GESICHT_USER_BILD | 0x12345u), 1);
    Spieler_Gesicht_Set_Haarfarbe(4);
    EXPECT_EQ(uint32_t(Spieler_Wert(SP_GESICHT, 4, 0, 0)), GESICHT_USER_BILD | 0x12345u);
}

TEST(GesichtCode, StepsWrapInTheirCategoryAndTheOldLayoutConverts)
{
    EXPECT_EQ(Spieler_Gesicht_Code_Schritt(1, 0, 14), 0u);
    EXPECT_EQ(Spieler_Gesicht_Code_Schritt(2, 2, 0), 19u << 8);
    EXPECT_EQ(Spieler_Gesicht_Code_Schritt(1, 1, 1u << 4), 0u);
    EXPECT_EQ(Spieler_Gesicht_Code_Schritt(1, 3, 0xFFFF1FFFu), 0xFFFF3FFFu);  // other bits stay
    EXPECT_EQ(Spieler_Gesicht_Code_Schritt(2, 6, 0), 2u << 24);
    EXPECT_EQ(Spieler_Gesicht_Code_Schritt(1, 7, 123), 123u);
    EXPECT_EQ(Spieler_Gesicht_Code_Schritt(3, 0, 5), 5u);
    // old: 4-bit fields; category 2 = 13 moves to bits 8-12, category 3 = 0xE keeps its low three bits
    const uint32_t alt = 0x8765ED21u;
    const uint32_t neu = Spieler_Gesicht_Code_Wandeln(alt);
    EXPECT_EQ(neu & 0xFFu, 0x21u);
    EXPECT_EQ((neu >> 8) & 0x1Fu, 0xDu);
    EXPECT_EQ((neu >> 13) & 0x7u, 0x6u);
    EXPECT_EQ((neu >> 16) & 0xFFFu, 0x765u);
    EXPECT_EQ(neu >> 28, 0x0u);  // bits 28-30 of 8 are 0; the user picture bit is never set
    EXPECT_EQ(Spieler_Gesicht_Code_Wandeln(0x70000000u), 0x70000000u);
}

TEST_F(Gesicht, ScalingEnlargesOrShrinksAndDrawsWithoutHoles)
{
    Bild voll(Spieler_Gesicht_Bauen(nullptr, 0, 0, 1, 0x21347u, nullptr));
    Bild gross(Spieler_Gesicht_Bauen_Skaliert(nullptr, 0, 0, 1, 0x21347u, nullptr, 30, 50));
    Bild klein(Spieler_Gesicht_Bauen_Skaliert(nullptr, 0, 0, 1, 0x21347u, nullptr, 24, 27));
    ASSERT_NE(gross.rp, nullptr);
    ASSERT_NE(klein.rp, nullptr);
    Bild g2(Grafik_Bitmap_Anlegen(30, 50, voll.rp->depth)), k2(Grafik_Bitmap_Anlegen(24, 27, voll.rp->depth));
    Grafik_Bild_Vergroessern(voll.rp, g2.rp, 50);
    Grafik_Bild_Verkleinern(voll.rp, k2.rp, 24, 27);
    EXPECT_TRUE(gleich(gross, g2));
    EXPECT_TRUE(gleich(klein, k2));

    Bild ziel(Grafik_Bitmap_Anlegen(40, 40, voll.rp->depth));
    EXPECT_EQ(Spieler_Gesicht_Bauen_Skaliert(ziel.rp, 3, 4, 1, 0x21347u, nullptr, 19, 22), nullptr);
    for (int32_t y = 4; y < 26; ++y)
        for (int32_t x = 3; x < 22; ++x) ASSERT_NE(ziel.at(x, y), 0) << x << "," << y;
    EXPECT_EQ(ziel.at(0, 0), 0);
}

TEST_F(Gesicht, AMissingPartReleasesTheLibraryAndPortraitsStillCome)
{
    ASSERT_GE(leer, 0);
    EXPECT_EQ(Spieler_Gesicht_Init(leer), 0);
    for (int32_t k = 0; k < 8; ++k) EXPECT_EQ(Spieler_Gesicht_Teil(k, 1, nullptr, nullptr), nullptr);
    Bild b(Spieler_Gesicht_Bauen(nullptr, 0, 0, 1, 0x1234u, nullptr));
    ASSERT_NE(b.rp, nullptr);
    EXPECT_EQ(b.at(18, 20), 0);  // nothing drawn
}

// 64 portraits (random codes, a goalkeeper, code 0, two kits) and their 19 x 22 heads on one sheet.
TEST_F(Gesicht, ASheetOfFacesToLookAt)
{
    const int32_t spalten = 8, zelle_w = 36 + 19 + 6, zelle_h = 41 + 6;
    Bild blatt(Grafik_Bitmap_Anlegen(spalten * zelle_w, 8 * zelle_h, 16));
    ASSERT_NE(blatt.rp, nullptr);
    Grafik_Rechteck_Fuellen(blatt.rp, 0, 0, int32_t(blatt.rp->width), int32_t(blatt.rp->height), Grafik_Farbe(12, 12, 12));
    uint8_t kit_a[36] = {}, kit_b[36] = {};
    kit_a[0] = 200, kit_a[1] = 30, kit_a[2] = 30, kit_a[24] = 30, kit_a[25] = 160, kit_a[26] = 40;
    kit_b[0] = 250, kit_b[1] = 220, kit_b[2] = 40, kit_b[24] = 20, kit_b[25] = 20, kit_b[26] = 20;
    Spieler_Fix_Daten[5].lieblingspos = 459;
    Zufall_Set_Seed(41);
    for (int32_t n = 0; n < 64; ++n) {
        uint32_t code = 0;
        for (int32_t k = 0; k < 7; ++k) {
            const int32_t schritte = Zufall(0, 20);
            for (int32_t s = 0; s < schritte; ++s) code = Spieler_Gesicht_Code_Schritt(1, k, code);
        }
        if (n == 0) code = 0;
        const int32_t spnr = n == 1 ? 5 : 1;
        const uint8_t* kit = n % 3 == 0 ? nullptr : n % 3 == 1 ? kit_a : kit_b;
        const int32_t x = (n % spalten) * zelle_w + 2, y = (n / spalten) * zelle_h + 3;
        ASSERT_EQ(Spieler_Gesicht_Bauen(blatt.rp, x, y, spnr, code, kit), blatt.rp);
        Spieler_Gesicht_Bauen_Skaliert(blatt.rp, x + 38, y + 10, spnr, code, kit, 19, 22);
    }
    const char* env = std::getenv("DORVIN_BILDER");
    const std::string pfad = std::string(env ? env : DORVIN_BINARY_DIR) + "/gesichter.png";
    EXPECT_TRUE(Os_Png_Schreiben(pfad.c_str(), static_cast<const uint16_t*>(blatt.rp->pixels), int32_t(blatt.rp->width),
                                 int32_t(blatt.rp->height), int32_t(blatt.rp->width), false));
}

}  // namespace

#include "common/capture.h"
#include "screens/spieler_detail.h"

namespace {

TEST(AttributBild, NumbersWithoutPictureAndAMissingTargetAreRefused)
{
    Rastport* rp = Grafik_Bitmap_Anlegen(20, 20, 16);
    int32_t w = -1, h = -1;
    for (int32_t a : {-1, 24, 25, 26, 28}) {
        Fehler_Capture c;
        EXPECT_FALSE(Sp_Attribute_Blit(rp, a, 0, 0, false, &w, &h)) << a;
        EXPECT_TRUE(c.contains("attribut_nr falsch")) << a;
    }
    Fehler_Capture c;
    EXPECT_FALSE(Sp_Attribute_Blit(nullptr, 3, 0, 0, false, &w, &h));
    EXPECT_TRUE(c.contains("rp==NULL"));
    EXPECT_EQ(w, -1);
    // every other number names a picture of its own
    bool belegt[28] = {};
    for (int32_t a = 0; a < 28; ++a) {
        const int32_t b = Sp_Attribut_Bilder[a];
        if (b < 0) continue;
        EXPECT_LT(b, 28);
        EXPECT_FALSE(belegt[b]) << a;
        belegt[b] = true;
    }
    Grafik_Bitmap_Freigeben(rp);
}

}  // namespace

#include "database/team.h"
#include "graphics/grafik_screen.h"
#include "screens/spieler_suche.h"

namespace {

// The kit figures come from the main resource file: the builder's file stands in for it.
struct Trikotfigur : Gesicht {
    int32_t alt = -1;
    void SetUp() override
    {
        Gesicht::SetUp();
        alt = ResFile_Handles[0].handle;
        ResFile_Handles[0].handle = handle;
        Test_Teams_Anlegen(4);
        const uint8_t rot[3] = {220, 20, 20}, gruen[3] = {20, 180, 40};
        for (int32_t k = 0; k < 12; ++k) {
            std::memcpy(T_Fix[1].farben[k], rot, 3);
            std::memcpy(T_Fix[2].farben[k], gruen, 3);
        }
        Spieler_Fix_Daten[6].lieblingspos = 459;
    }
    void TearDown() override
    {
        ResFile_Handles[0].handle = alt;
        Team_Free_Arrays(true);
        Gesicht::TearDown();
    }
};

TEST_F(Trikotfigur, TheStripHasItsFramesInTheKitAndOnlyTheBackgroundSeeThrough)
{
    int32_t w = 0, h = 0, n = 0;
    uint8_t palette[768] = {};
    Bild feld(Spieler_Trikotfigur_Laden(3, &w, &h, &n, 1, palette));
    ASSERT_NE(feld.rp, nullptr);
    EXPECT_EQ(w, 24);
    EXPECT_EQ(h, 40);
    EXPECT_EQ(n, 8);
    EXPECT_EQ(int32_t(feld.rp->width), w * n);
    EXPECT_EQ(feld.at(0, 0), 0);
    int32_t null = 0, gesamt = 0;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w * n; ++x, ++gesamt) null += feld.at(x, y) == 0;
    EXPECT_GT(null, gesamt / 3);
    EXPECT_LT(null, gesamt * 9 / 10);
    for (int32_t x = 9; x <= 15; ++x) EXPECT_NE(feld.at(x, 16), 0) << x;  // the shirt
    // the shirt ramp took the club's red
    EXPECT_GT(palette[3 * 236], palette[3 * 236 + 1]);

    // the goalkeeper's figure wears gloves where the field player shows his hands
    Bild tor(Spieler_Trikotfigur_Laden(6, &w, &h, &n, 1, nullptr));
    ASSERT_NE(tor.rp, nullptr);
    EXPECT_NE(tor.at(6, 22), feld.at(6, 22));

    // another club's kit changes the shirt, not the background
    Bild gruen(Spieler_Trikotfigur_Laden(3, &w, &h, &n, 2, nullptr));
    EXPECT_NE(gruen.at(10, 16), feld.at(10, 16));
    EXPECT_EQ(gruen.at(0, 0), 0);

    uint32_t text = 0;
    EXPECT_EQ(Spieler_Trikotfigur_Bild(nullptr, 3, 1, 2, 2, 2881, &w, &h, &n, &text), nullptr);
    EXPECT_NE(text & 0xFFFF, 0u);
    Bild streifen(Spieler_Trikotfigur_Bild(nullptr, 3, 1, -1, 1, 2881, &w, &h, &n, nullptr));
    ASSERT_NE(streifen.rp, nullptr);
    EXPECT_EQ(int32_t(streifen.rp->width), 24 * 8);
    Bild erstes(Spieler_Trikotfigur_Bild(nullptr, 3, 1, -1, 0, 2881, &w, &h, &n, nullptr));
    ASSERT_NE(erstes.rp, nullptr);
    EXPECT_EQ(int32_t(erstes.rp->width), 24);
    EXPECT_EQ(Spieler_Trikotfigur_Bild(nullptr, 3, 1, -1, 0, 2882, &w, &h, &n, nullptr), nullptr);

    // the search page's title picture stands in the middle of the screen, when it is there
    Bild schirm(Grafik_Bitmap_Anlegen(640, 480, 16));
    Rastport* alt_ziel = Grafik_Render_Ziel;
    Grafik_Render_Ziel = schirm.rp;
    Spieler_Suche_Titelbild();
    EXPECT_NE(schirm.at(320, 240), 0);
    EXPECT_EQ(schirm.at(100, 100), 0);
    Grafik_Rechteck_Fuellen(schirm.rp, 0, 0, 640, 480, 0);
    ResFile_Handles[0].handle = -1;
    Spieler_Suche_Titelbild();
    EXPECT_EQ(schirm.at(320, 240), 0);
    Grafik_Render_Ziel = alt_ziel;

    // both strips on a grey sheet, to look at
    Bild blatt(Grafik_Bitmap_Anlegen(24 * 8, 80, 16));
    Grafik_Rechteck_Fuellen(blatt.rp, 0, 0, 24 * 8, 80, Grafik_Farbe(10, 10, 10));
    Grafik_Blit_Transparent(feld.rp, 0, 0, 24 * 8, 40, blatt.rp, 0, 0);
    Grafik_Blit_Transparent(tor.rp, 0, 0, 24 * 8, 40, blatt.rp, 0, 40);
    const char* env = std::getenv("DORVIN_BILDER");
    const std::string pfad = std::string(env ? env : DORVIN_BINARY_DIR) + "/trikotfiguren.png";
    EXPECT_TRUE(Os_Png_Schreiben(pfad.c_str(), static_cast<const uint16_t*>(blatt.rp->pixels), 24 * 8, 80, 24 * 8, false));
}

}  // namespace

namespace {

// The shrunk picture refuses what the full one refuses.
TEST(AttributBild, TheShrunkPictureRefusesTheSameNumbers)
{
    Rastport* rp = Grafik_Bitmap_Anlegen(20, 20, 16);
    for (int32_t a : {-1, 24, 28}) {
        Fehler_Capture c;
        EXPECT_FALSE(Sp_Attribute_Blit_Klein(rp, a, 0, 0, 10)) << a;
        EXPECT_TRUE(c.contains("attribut_nr falsch")) << a;
    }
    Fehler_Capture c;
    EXPECT_FALSE(Sp_Attribute_Blit_Klein(nullptr, 3, 0, 0, 10));
    EXPECT_TRUE(c.contains("rp==NULL"));
    Grafik_Bitmap_Freigeben(rp);
}

}  // namespace
