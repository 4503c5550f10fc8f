// The requester's manager crest: the crest at the icon's size less 3 over its dark shadow.
#include <gtest/gtest.h>

#include <string>

#include "competitions/statistik_anzeige.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "platform/resfile.h"
#include "toolkit/icon.h"
#include "tools/datagen/resf_writer.cpp"

namespace {

constexpr uint16_t KREST = 0x7C1F;

uint16_t pixel(const Rastport* rp, int32_t x, int32_t y)
{
    return static_cast<const uint16_t*>(rp->pixels)[size_t(y) * rp->width + size_t(x)];
}

// A resource file of 20 x 20 crests in one colour at the given entries.
void wappen_datei(const std::string& pfad, std::initializer_list<int32_t> eintraege)
{
    Resf_Datei d;
    for (int32_t e : eintraege) {
        Resf_Bitmap b;
        b.width = 20, b.height = 20, b.depth = 16;
        b.pixels.resize(size_t(b.width) * b.height * 2);
        for (size_t i = 0; i < b.pixels.size(); i += 2) b.pixels[i] = KREST & 0xFF, b.pixels[i + 1] = KREST >> 8;
        Resf_Setzen(d, uint32_t(e - 24), 14, Resf_Bitmap_Daten(b));
    }
    ASSERT_TRUE(Resf_Schreiben(d, pfad));
}

TEST(WappenZeichnen, ManagerCrestIsDrawnAtTheIconSizeLessThreeOverItsShadow)
{
    const std::string pfad = std::string(DORVIN_BINARY_DIR) + "/wappen_zeichnen.res";
    wappen_datei(pfad, {1079, 1080, 1081, 1082, 1083, 1084, 1085, 1086, 1087, 1088, 1089, 1090});
    const int32_t alt_handle = ResFile_Handles[0].handle, alt_tiefe = Grafik_Screen_Geometrie.depth;
    ResFile_Handles[0].handle = Init_ResFile(pfad.c_str());
    ASSERT_GE(ResFile_Handles[0].handle, 0);
    Grafik_Screen_Geometrie.depth = 16;
    Test_Teams_Anlegen(6);
    Manager_Neuer_Mitspieler(2, "A");
    const int32_t alt_team = Aktuelles_Team;
    Aktuelles_Team = 2;

    Menue_Icon icon = Menue_Icon_Vorlage(5, -1, 0, 416, 97, 30, 40, 25, 20);
    icon.bitmap = Grafik_Bitmap_Anlegen(30, 40, 16);
    icon.kennung_1 = 2;
    EXPECT_EQ(Statistik_Manager_Wappen_Zeichnen(&icon, 0), 1);
    // The crest fills 27 x 37 from the corner; the three shadow copies reach 3 pixels beyond,
    // darker the nearer they lie, and nothing lies past them.
    EXPECT_EQ(pixel(icon.bitmap, 0, 0), KREST);
    EXPECT_EQ(pixel(icon.bitmap, 26, 36), KREST);
    int32_t r1, g1, b1, r3, g3, b3;
    Grafik_Pixel_Zu_RGB(pixel(icon.bitmap, 27, 36), 16, &r1, &g1, &b1);
    Grafik_Pixel_Zu_RGB(pixel(icon.bitmap, 29, 39), 16, &r3, &g3, &b3);
    EXPECT_NE(pixel(icon.bitmap, 27, 36), 0);
    EXPECT_LT(r1, r3);
    EXPECT_LT(r3, 128);
    EXPECT_EQ(r3, g3);
    EXPECT_EQ(pixel(icon.bitmap, 29, 0), 0);   // above the shadow's offset
    EXPECT_EQ(pixel(icon.bitmap, 0, 39), 0);

    // A club without a manager shows no crest, not the one drawn before.
    icon.kennung_1 = 3;
    EXPECT_EQ(Statistik_Manager_Wappen_Zeichnen(&icon, 0), 0);
    EXPECT_EQ(pixel(icon.bitmap, 0, 0), 0);

    Grafik_Bitmap_Freigeben(icon.bitmap);
    Manager_Anzahl = 0;
    Highscore_Init();
    Test_Aufraeumen();
    DeInit_ResFile(ResFile_Handles[0].handle);
    ResFile_Handles[0].handle = alt_handle;
    Grafik_Screen_Geometrie.depth = alt_tiefe;
    Aktuelles_Team = alt_team;
}

TEST(WappenZeichnen, ClubCrestTakesTheSameRoutine)
{
    const std::string pfad = std::string(DORVIN_BINARY_DIR) + "/vereinswappen_zeichnen.res";
    wappen_datei(pfad, {WAPPEN_BILD_BASIS + 7});
    const int32_t alt_handle = ResFile_Handles[0].handle, alt_tiefe = Grafik_Screen_Geometrie.depth;
    ResFile_Handles[0].handle = Init_ResFile(pfad.c_str());
    ASSERT_GE(ResFile_Handles[0].handle, 0);
    Grafik_Screen_Geometrie.depth = 16;
    // Club 4 wears crest 7; every other club names one the file does not hold.
    Grafik_Wappen_Set_Hook([](int32_t team, int32_t* user) {
        *user = 0;
        return team == 4 ? 7 : 11;
    });

    Menue_Icon icon = Menue_Icon_Vorlage(5, -1, 0, 416, 97, 30, 40, 25, 20);
    icon.bitmap = Grafik_Bitmap_Anlegen(30, 40, 16);
    icon.kennung_1 = 4;
    EXPECT_EQ(Statistik_Wappen_Zeichnen(&icon, 0), 1);
    EXPECT_EQ(pixel(icon.bitmap, 0, 0), KREST);
    EXPECT_EQ(pixel(icon.bitmap, 26, 36), KREST);
    EXPECT_NE(pixel(icon.bitmap, 29, 39), 0);  // the shadow
    EXPECT_EQ(pixel(icon.bitmap, 29, 0), 0);
    // A club whose crest is missing leaves the icon empty.
    icon.kennung_1 = 5;
    EXPECT_EQ(Statistik_Wappen_Zeichnen(&icon, 0), 0);
    EXPECT_EQ(pixel(icon.bitmap, 0, 0), 0);
    EXPECT_EQ(Statistik_Wappen_Zeichnen(nullptr, 0), 0);

    Grafik_Wappen_Set_Hook(nullptr);
    Grafik_Bitmap_Freigeben(icon.bitmap);
    DeInit_ResFile(ResFile_Handles[0].handle);
    ResFile_Handles[0].handle = alt_handle;
    Grafik_Screen_Geometrie.depth = alt_tiefe;
}

}  // namespace
