// Mouse questions and the software pointer on a headless 640 x 480 screen.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/temp_ordner.h"
#include "common/capture.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/display.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/os/os_intern.h"
#include "platform/resfile.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "tools/datagen/resf_dateien.h"
#include "tools/datagen/zeiger_bilder.h"

namespace {

constexpr int W = 640, H = 480;

uint16_t* pixel16(Rastport* rp) { return static_cast<uint16_t*>(rp->pixels); }

uint16_t frame_at(int x, int y)
{
    int pitch = 0;
    uint16_t* f = Os_Display_Frame(&pitch);
    return f ? f[y * pitch + x] : 0xDEAD;
}

// A 12 x 20 arrow-like picture: a visible column and diagonal, transparent elsewhere.
Rastport* pfeil_bild(int depth = 16)
{
    Rastport* rp = Grafik_Bitmap_Anlegen(12, 20, depth);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 12; ++x)
            if (x == 0 || x == y / 2 || (y == 19 && x < 6)) {
                if (depth == 8) static_cast<uint8_t*>(rp->pixels)[y * 12 + x] = 250;
                else pixel16(rp)[y * 12 + x] = uint16_t(0xF800 | (x + y));
            }
    return rp;
}

// A screen with a drawn scene in page 0 and on the display; the pointer module reset around it.
struct Zeiger_Szene {
    Zeiger_Szene()
    {
        Bildschirm_Modus = 101;
        ok = Grafik_Screen_Init(W, H, 16) == 1;
        if (!ok) return;
        Grafik_Screen_Seite_Waehlen(1);
        for (int i = 0; i < 16; ++i)
            Grafik_Rechteck_Fuellen(Grafik_Seite_1, 0, i * 30, W, 30,
                                    Grafik_Farbe(uint32_t(i), 4, uint32_t(15 - i)));
        for (int i = 0; i < 40; ++i)
            Grafik_Rechteck_Fuellen(Grafik_Seite_1, i * 16, 0, 1, H, Grafik_Farbe(15, 15, 15));
        Grafik_Screen_Seite_Zeigen(1);
        Grafik_Screen_Seite_Waehlen(0);
        Os_Input_Set_Mouse(0, 0);
        slot = Timer_Add(nullptr, 1000);  // the slot the pointer will get
        Timer_Remove(slot);
    }
    ~Zeiger_Szene()
    {
        Mauszeiger_Hide();
        for (auto& img : Mauszeiger_Tabelle.images) img = Mauszeiger_Image_Free(img);
        Mauszeiger_Tabelle = {};
        Mauszeiger_Stop_Timer();
        Grafik_Screen_DeInit();
        Os_Input_Set_Mouse(0, 0);
    }
    std::vector<uint16_t> seite0() const
    {
        auto* p = pixel16(Grafik_Seite_0);
        return std::vector<uint16_t>(p, p + W * H);
    }
    bool ok = false;
    int slot = -1;
};

// The display must equal page 0 everywhere but on the visible pixels of the pointer picture
// at (px, py); pass px < 0 when no pointer may show. Returns the number of wrong pixels.
int abweichungen(const Rastport* bild, int px, int py)
{
    int falsch = 0;
    const uint16_t* seite = pixel16(Grafik_Seite_0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            uint16_t soll = seite[y * W + x];
            if (px >= 0 && x >= px && y >= py && x < px + int(bild->width) &&
                y < py + int(bild->height)) {
                uint16_t z = static_cast<const uint16_t*>(bild->pixels)[(y - py) * bild->width + x - px];
                if (z) soll = z;
            }
            if (frame_at(x, y) != soll) ++falsch;
        }
    return falsch;
}

}  // namespace

TEST(Maus, RectEdgesInsideBildEdgesOutside)
{
    Os_Input_Set_Mouse(50, 60);
    EXPECT_EQ(Maus_In_Rect(40, 50, 10, 10), 1) << "right and bottom edge inside";
    EXPECT_EQ(Maus_In_Rect(50, 60, 0, 0), 1);
    EXPECT_EQ(Maus_In_Rect(40, 50, 9, 10), 0);
    EXPECT_EQ(Maus_In_Rect(40, 50, 10, 9), 0);
    EXPECT_EQ(Maus_In_Rect(51, 60, 5, 5), 0);

    Rastport* bild = Grafik_Bitmap_Anlegen(10, 10, 16);
    for (int i = 0; i < 100; ++i) pixel16(bild)[i] = 7;
    EXPECT_EQ(Maus_Over_Bild(bild, 40, 50), 0) << "right and bottom edge outside";
    EXPECT_EQ(Maus_Over_Bild(bild, 41, 51), 1);
    EXPECT_EQ(Maus_Over_Bild(bild, 51, 60), 0);
    pixel16(bild)[9 * 10 + 9] = 0;
    EXPECT_EQ(Maus_Over_Bild(bild, 41, 51), 0) << "transparent pixel";
    EXPECT_EQ(Maus_Over_Bild(nullptr, 41, 51), 0);
    Grafik_Bitmap_Freigeben(bild);

    // With a mask plane the bit decides, whatever the pixel holds.
    Rastport* maske = Grafik_Bitmap_Anlegen_Maske(10, 10, 16);
    int n = 3 * 10 + 7;
    maske->mask[n / 8] |= uint8_t(1 << (n % 8));
    EXPECT_EQ(Maus_Over_Bild(maske, 43, 57), 1);
    EXPECT_EQ(Maus_Over_Bild(maske, 44, 57), 0);
    Grafik_Bitmap_Freigeben(maske);

    Rastport* acht = Grafik_Bitmap_Anlegen(4, 4, 8);
    static_cast<uint8_t*>(acht->pixels)[5] = 9;
    EXPECT_EQ(Maus_Over_Bild(acht, 49, 59), 1);
    EXPECT_EQ(Maus_Over_Bild(acht, 48, 59), 0);
    Grafik_Bitmap_Freigeben(acht);

    EXPECT_STREQ(Maus_Debug_Position(), "X: 50 Y: 60");
    Win95_Eingabe.doppelklick = 1;
    EXPECT_EQ(Maus_Doppelklick_Loeschen(), 0);
    EXPECT_EQ(Win95_Eingabe.doppelklick, 0u);
    Os_Input_Set_Mouse(0, 0);
}

TEST(Mauszeiger, TableSelectAndFreeAll)
{
    Zeiger_Szene s;
    ASSERT_TRUE(s.ok);
    {
        Fehler_Capture fehler;
        Rastport* acht = pfeil_bild(8);
        EXPECT_EQ(Mauszeiger_Image_Create(acht, 12, 20, 0, 0), nullptr) << "not the screen depth";
        EXPECT_EQ(Mauszeiger_Image_Create(nullptr, 12, 20, 0, 0), nullptr);
        EXPECT_EQ(fehler.texts.size(), 2u);
        Grafik_Bitmap_Freigeben(acht);
    }
    Rastport* bild = pfeil_bild();
    auto& t = Mauszeiger_Tabelle;
    for (int i = 0; i < 3; ++i) t.images[i] = Mauszeiger_Image_Create(bild, 12, 20, 0, 0);
    t.images[3] = nullptr;  // a picture that gave no image still counts
    t.anzahl = 4;
    ASSERT_NE(t.images[2], nullptr);
    EXPECT_EQ(std::memcmp(t.images[2]->picture->pixels, bild->pixels, 12 * 20 * 2), 0);

    EXPECT_EQ(Mauszeiger_Get_Selected(), 0);
    EXPECT_EQ(Mauszeiger_Select(2), 1);
    EXPECT_EQ(Mauszeiger_Get_Selected(), 2);
    EXPECT_EQ(Mauszeiger_Select(4), 0) << "index equal to the count";
    EXPECT_EQ(Mauszeiger_Select(-1), 0);
    EXPECT_EQ(Mauszeiger_Select(3), 0) << "empty slot";
    EXPECT_EQ(Mauszeiger_Get_Selected(), 2);

    EXPECT_EQ(Mauszeiger_Free_All(), 1);
    for (auto* img : t.images) EXPECT_EQ(img, nullptr);
    EXPECT_EQ(t.anzahl, 4) << "the count stays, so a second load is refused";
    EXPECT_EQ(Mauszeiger_Select(0), 0) << "a freed image cannot be selected";
    EXPECT_EQ(Mauszeiger_Free_All(), 0);
    EXPECT_EQ(Mauszeiger_Load_All(0), 0);
    EXPECT_EQ(t.anzahl, 4);
    Grafik_Bitmap_Freigeben(bild);
}

// The 20 pictures of the built screen resource file become the pointer table; image 0 shows.
TEST(Mauszeiger, LoadAllFromTheBuiltResourceFile)
{
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    const Test_Temp_Ordner ordner("maus_zeiger");
    ASSERT_FALSE(ordner.pfad.empty());
    const std::string ziel = ordner / "daten";
    ASSERT_EQ(Resf_Dateien_Erzeugen(ziel), 0);
    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", ziel.c_str());
    std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", ziel.c_str());
    ASSERT_EQ(Init_System_Dateien(), 1);
    {
        Zeiger_Szene s;
        ASSERT_TRUE(s.ok);
        Mauszeiger_Start_Timer();
        Os_Input_Set_Mouse(300, 200);
        EXPECT_EQ(Mauszeiger_Load_All(ResFile_Handles[0].handle), 0);
        ASSERT_EQ(Mauszeiger_Tabelle.anzahl, ZEIGER_BILD_ANZAHL);
        for (int i = 0; i < ZEIGER_BILD_ANZAHL; ++i) {
            const Mauszeiger_Image* img = Mauszeiger_Tabelle.images[i];
            ASSERT_NE(img, nullptr) << i;
            Zeiger_Bild z = Zeiger_Bild_Erzeugen(i);
            EXPECT_EQ(img->width, z.width);
            EXPECT_EQ(std::memcmp(img->picture->pixels, z.pixels.data(), z.pixels.size() * 2), 0) << i;
        }
        EXPECT_EQ(abweichungen(Mauszeiger_Tabelle.images[0]->picture, 300, 200), 0);
        EXPECT_EQ(Mauszeiger_Select(5), 1);
        EXPECT_EQ(abweichungen(Mauszeiger_Tabelle.images[5]->picture, 300, 200), 0);
        EXPECT_EQ(Mauszeiger_Load_All(ResFile_Handles[0].handle), 0) << "refused: loaded already";
        EXPECT_EQ(Mauszeiger_Tabelle.anzahl, ZEIGER_BILD_ANZAHL);
    }
    DeInit_System_Dateien();
}

TEST(Mauszeiger, FrozenPointerStillHidesAndShows)
{
    Zeiger_Szene s;
    ASSERT_TRUE(s.ok);
    Rastport* bild = pfeil_bild();
    EXPECT_EQ(Mauszeiger_Start_Timer(), 1);
    EXPECT_EQ(Mauszeiger_Start_Timer(), 0);
    Mauszeiger_Tabelle.images[0] = Mauszeiger_Image_Create(bild, 12, 20, 0, 0);
    Mauszeiger_Tabelle.anzahl = 1;
    Os_Input_Set_Mouse(100, 100);
    Mauszeiger_Select(0);
    Mauszeiger_Show();
    EXPECT_EQ(abweichungen(bild, 100, 100), 0);
    EXPECT_EQ(Mauszeiger_Overlaps_Rect(112, 120, 5, 5), 1) << "touching counts";
    EXPECT_EQ(Mauszeiger_Overlaps_Rect(113, 100, 5, 5), 0);

    EXPECT_EQ(Mauszeiger_Is_Frozen(), 1) << "1 while not frozen";
    Mauszeiger_Freeze();
    EXPECT_EQ(Mauszeiger_Is_Frozen(), 0);
    EXPECT_EQ(Timer_Slot_Enabled(s.slot), 0u);
    Os_Input_Set_Mouse(200, 150);
    Mauszeiger_Hide();
    EXPECT_EQ(abweichungen(bild, -1, -1), 0) << "hide takes it off while frozen";
    Mauszeiger_Show();
    EXPECT_EQ(abweichungen(bild, 200, 150), 0) << "show puts it back while frozen";
    EXPECT_EQ(Timer_Slot_Enabled(s.slot), 0u) << "the slot stays paused";
    Mauszeiger_Unfreeze();
    EXPECT_EQ(Mauszeiger_Is_Frozen(), 1);
    EXPECT_EQ(Timer_Slot_Enabled(s.slot), 1u);
    Grafik_Bitmap_Freigeben(bild);
}

// Moves, screen writes that cross the pointer, double shows and image changes: at every step
// the display is page 0 with the pointer on top, and page 0 never holds the pointer.
TEST(Mauszeiger, MovingAndScreenWritesLeaveNoTrace)
{
    Zeiger_Szene s;
    ASSERT_TRUE(s.ok);
    std::vector<uint16_t> vorher = s.seite0();
    Rastport* bild = pfeil_bild();
    Mauszeiger_Start_Timer();
    Mauszeiger_Tabelle.images[0] = Mauszeiger_Image_Create(bild, 12, 20, 0, 0);
    Mauszeiger_Tabelle.images[1] = Mauszeiger_Image_Create(bild, 12, 20, 0, 0);
    Mauszeiger_Tabelle.anzahl = 2;
    Mauszeiger_Select(0);
    Mauszeiger_Show();
    // A second show after the mouse moved must not leave the first pointer behind.
    Os_Input_Set_Mouse(50, 40);
    Mauszeiger_Show();
    EXPECT_EQ(abweichungen(bild, 50, 40), 0);

    const int wege[][2] = {{5, 5},     {6, 5},    {300, 200}, {305, 210}, {639, 479}, {635, 470},
                           {-20, -20}, {639, 0},  {0, 479},   {320, 240}, {320, 240}, {10, 400}};
    for (const auto& w : wege) {
        Os_Input_Set_Mouse(w[0], w[1]);
        Mauszeiger_Redraw();
        int px = std::min(std::max(w[0], 0), W - 1), py = std::min(std::max(w[1], 0), H - 1);
        ASSERT_EQ(abweichungen(bild, px, py), 0) << "at " << w[0] << "," << w[1];
    }
    EXPECT_EQ(s.seite0(), vorher) << "moving never touches page 0";

    // Screen writes across the pointer go through the composite pair.
    Os_Input_Set_Mouse(100, 100);
    Mauszeiger_Redraw();
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 95, 95, 30, 30, Grafik_Farbe(15, 15, 0));
    EXPECT_EQ(abweichungen(bild, 100, 100), 0);
    EXPECT_EQ(pixel16(Grafik_Seite_0)[100 * W + 100], Grafik_Farbe(15, 15, 0));
    Grafik_Screen_Seite_Zeigen(1);
    EXPECT_EQ(abweichungen(bild, 100, 100), 0);
    Mauszeiger_Select(1);
    Os_Input_Set_Mouse(400, 300);
    Mauszeiger_Redraw();
    EXPECT_EQ(abweichungen(bild, 400, 300), 0);
    Grafik_Screen_Zeilen_Kopieren(390, 290, 40, 40);
    EXPECT_EQ(abweichungen(bild, 400, 300), 0);

    Mauszeiger_Hide();
    EXPECT_EQ(abweichungen(bild, -1, -1), 0);
    EXPECT_EQ(s.seite0(), vorher);
    Grafik_Bitmap_Freigeben(bild);
}

// The timer thread follows a scripted mouse across the drawn screen; afterwards the screen is
// what it was.
TEST(Mauszeiger, ScriptedRunOnTheTimerThreadLeavesNoTrace)
{
    Zeiger_Szene s;
    ASSERT_TRUE(s.ok);
    std::vector<uint16_t> vorher = s.seite0();
    Rastport* bild = pfeil_bild();
    Win95_Eingabe.aktiv = 1;
    Timer_Thread_Start();
    Mauszeiger_Start_Timer();
    Mauszeiger_Tabelle.images[0] = Mauszeiger_Image_Create(bild, 12, 20, 0, 0);
    Mauszeiger_Tabelle.anzahl = 1;
    Mauszeiger_Select(0);
    Mauszeiger_Show();

    std::string skript;
    for (int i = 0; i <= 40; ++i)
        skript += "move " + std::to_string(i * 16) + " " + std::to_string((i * 37) % H) + "\nwait 35\n";
    skript += "move 639 479\nwait 35\n";
    Os_Script_Load_Text(skript);
    while (!Os_Script_Finished()) Win95_Message_Pump();

    // Freeze stops the thread's redraws; Unfreeze draws once more at the last position.
    Mauszeiger_Freeze();
    Mauszeiger_Unfreeze();
    Mauszeiger_Freeze();
    EXPECT_EQ(abweichungen(bild, 639, 479), 0);
    Mauszeiger_Hide();
    EXPECT_EQ(abweichungen(bild, -1, -1), 0);
    EXPECT_EQ(s.seite0(), vorher);
    Mauszeiger_Unfreeze();
    Mauszeiger_Stop_Timer();
    Timer_Thread_Stop();
    Win95_Message_Pump();  // the script's closing message
    Programm_Ende = 0;
    Grafik_Bitmap_Freigeben(bild);
}

// Headless, a whole-screen copy waits for the next read of the frame. Every frame read must be
// the one that copies made at once would have left, with the pointer moving, changing and
// hiding and boxes drawn across it meanwhile.
TEST(Mauszeiger, WaitingScreenCopyLeavesTheFrameOfAnImmediateOne)
{
    auto lauf = [](bool sofort) {
        std::vector<std::vector<uint16_t>> bilder;
        Zeiger_Szene s;
        if (!s.ok) return bilder;
        Os_Display_Set_Bild_Immer(sofort);
        Rastport* bild = pfeil_bild();
        Rastport* anders = pfeil_bild();
        for (int i = 0; i < 12 * 20; ++i)
            if (pixel16(anders)[i]) pixel16(anders)[i] ^= 0x07E0;
        Mauszeiger_Start_Timer();
        Mauszeiger_Tabelle.images[0] = Mauszeiger_Image_Create(bild, 12, 20, 0, 0);
        Mauszeiger_Tabelle.images[1] = Mauszeiger_Image_Create(anders, 12, 20, 0, 0);
        Mauszeiger_Tabelle.anzahl = 2;
        Mauszeiger_Select(0);
        Os_Input_Set_Mouse(100, 100);
        Mauszeiger_Show();
        auto lesen = [&] {
            int pitch = 0;
            const uint16_t* f = Os_Display_Frame(&pitch);
            bilder.emplace_back(f, f + W * H);
        };
        Grafik_Rechteck_Fuellen(Grafik_Seite_1, 80, 80, 60, 60, Grafik_Farbe(15, 0, 0));
        Grafik_Screen_Seite_Zeigen(1);
        EXPECT_EQ(Os_Display_Aufgeschoben(), !sofort);
        Os_Input_Set_Mouse(110, 105);
        Mauszeiger_Redraw();
        Grafik_Rechteck_Fuellen(Grafik_Seite_0, 105, 100, 20, 20, Grafik_Farbe(0, 15, 0));
        Grafik_Rechteck_Fuellen(Grafik_Seite_0, 400, 10, 20, 20, Grafik_Farbe(0, 0, 15));
        lesen();
        // The mouse moved just before the copy; then another picture and a hide while it waits.
        Os_Input_Set_Mouse(300, 200);
        Grafik_Rechteck_Fuellen(Grafik_Seite_1, 290, 190, 40, 40, Grafik_Farbe(15, 15, 0));
        Grafik_Screen_Seite_Zeigen(1);
        Mauszeiger_Select(1);
        Os_Input_Set_Mouse(310, 190);
        Mauszeiger_Redraw();
        lesen();
        Grafik_Screen_Seite_Zeigen(1);
        Mauszeiger_Hide();
        lesen();
        Mauszeiger_Show();
        Grafik_Screen_Seite_Zeigen(1);
        Os_Input_Set_Mouse(20, 30);
        Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 60, Grafik_Farbe(0, 15, 15));
        lesen();
        // A copy, and a box across the pointer, each with the mouse moved just before.
        Os_Input_Set_Mouse(500, 400);
        Grafik_Screen_Seite_Zeigen(1);
        lesen();
        Grafik_Screen_Seite_Zeigen(1);
        Os_Input_Set_Mouse(520, 420);
        Grafik_Rechteck_Fuellen(Grafik_Seite_0, 495, 395, 20, 20, Grafik_Farbe(15, 0, 15));
        lesen();
        bilder.push_back(s.seite0());
        Os_Display_Set_Bild_Immer(false);
        Grafik_Bitmap_Freigeben(bild);
        Grafik_Bitmap_Freigeben(anders);
        return bilder;
    };
    const auto sofort = lauf(true);
    const auto gewartet = lauf(false);
    ASSERT_EQ(sofort.size(), 7u);
    ASSERT_EQ(gewartet.size(), 7u);
    for (size_t i = 0; i < sofort.size(); ++i) EXPECT_TRUE(sofort[i] == gewartet[i]) << "picture " << i;
}
