// Pointer blits: clipping at the screen edges and the three transfers between page 0, bitmaps
// and the display.
#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeiger.h"
#include "platform/display.h"
#include "platform/os/os_display.h"

namespace {

uint16_t frame_at(int x, int y)
{
    int pitch = 0;
    uint16_t* f = Os_Display_Frame(&pitch);
    return f ? f[y * pitch + x] : 0xDEAD;
}

uint16_t* px(Rastport* rp) { return static_cast<uint16_t*>(rp->pixels); }

}  // namespace

TEST(ZeigerBlit, ClipsAtTheEdges)
{
    int32_t sx = 0, sy = 0, w = 20, h = 20, dx = 630, dy = 470;
    EXPECT_EQ(Grafik_Zeiger_Blit(&sx, &sy, &w, &h, 20, 20, &dx, &dy, 640, 480), 1);
    EXPECT_EQ(w, 10);
    EXPECT_EQ(h, 10);
    // Touching the right and bottom edge exactly: cut to the same rectangle.
    sx = 0, sy = 0, w = 20, h = 20, dx = 620, dy = 460;
    EXPECT_EQ(Grafik_Zeiger_Blit(&sx, &sy, &w, &h, 20, 20, &dx, &dy, 640, 480), 1);
    EXPECT_EQ(w, 20);
    EXPECT_EQ(h, 20);
    sx = 0, sy = 0, w = 20, h = 20, dx = -5, dy = -7;
    EXPECT_EQ(Grafik_Zeiger_Blit(&sx, &sy, &w, &h, 20, 20, &dx, &dy, 640, 480), 1);
    EXPECT_EQ(sx, 5);
    EXPECT_EQ(sy, 7);
    EXPECT_EQ(w, 15);
    EXPECT_EQ(h, 13);
    EXPECT_EQ(dx, 0);
    sx = 0, sy = 0, w = 20, h = 20, dx = 640, dy = 0;
    EXPECT_EQ(Grafik_Zeiger_Blit(&sx, &sy, &w, &h, 20, 20, &dx, &dy, 640, 480), 0);
    sx = 0, sy = 0, w = 0, h = 20, dx = 0, dy = 0;
    EXPECT_EQ(Grafik_Zeiger_Blit(&sx, &sy, &w, &h, 20, 20, &dx, &dy, 640, 480), 0);
}

TEST(ZeigerBlit, TransfersLeavePageZeroAlone)
{
    Bildschirm_Modus = 101;
    ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
    Rastport* seite = Grafik_Seite_0;
    for (int i = 0; i < 640 * 480; ++i) px(seite)[i] = uint16_t(i % 977 + 1);
    Grafik_Screen_Zeilen_Kopieren(0, 0, 640, 480);

    // Page 0 into a bitmap: what lies under the pointer.
    Rastport* unter = Grafik_Bitmap_Anlegen(20, 20, 16);
    EXPECT_EQ(Grafik_Zeiger_Kopieren(seite, 630, 470, 20, 20, unter, 0, 0), 0);
    EXPECT_EQ(px(unter)[0], px(seite)[470 * 640 + 630]);
    EXPECT_EQ(px(unter)[9 * 20 + 9], px(seite)[479 * 640 + 639]);
    EXPECT_EQ(px(unter)[10], 0) << "clipped at the right edge";

    // The picture at the bottom-right corner: the visible part reaches the display, 0 pixels
    // leave it, page 0 keeps its pixels.
    Rastport* bild = Grafik_Bitmap_Anlegen(20, 20, 16);
    px(bild)[0] = 0xF800;
    px(bild)[9 * 20 + 9] = 0x07E0;
    EXPECT_EQ(Grafik_Zeiger_Bild_Zeichnen(bild, 0, 0, 20, 20, seite, 630, 470), 0);
    EXPECT_EQ(frame_at(630, 470), 0xF800);
    EXPECT_EQ(frame_at(639, 479), 0x07E0);
    EXPECT_EQ(frame_at(631, 470), px(seite)[470 * 640 + 631]) << "transparent: the screen shows";
    EXPECT_EQ(px(seite)[470 * 640 + 630], uint16_t((470 * 640 + 630) % 977 + 1));

    // The saved background back onto the display.
    EXPECT_EQ(Grafik_Zeiger_Kopieren(unter, 0, 0, 20, 20, seite, 630, 470), 0);
    EXPECT_EQ(frame_at(630, 470), px(seite)[470 * 640 + 630]);
    EXPECT_EQ(frame_at(639, 479), px(seite)[479 * 640 + 639]);

    // Combinations the transfers do not serve draw nothing.
    Rastport* andere = Grafik_Bitmap_Anlegen(20, 20, 16);
    Grafik_Zeiger_Kopieren(bild, 0, 0, 20, 20, andere, 0, 0);
    EXPECT_EQ(px(andere)[0], 0);
    Grafik_Zeiger_Bild_Zeichnen(seite, 0, 0, 20, 20, andere, 0, 0);
    EXPECT_EQ(px(andere)[0], 0);
    EXPECT_EQ(Grafik_Zeiger_Kopieren(nullptr, 0, 0, 20, 20, seite, 0, 0), 0);
    Rastport* acht = Grafik_Bitmap_Anlegen(20, 20, 8);
    static_cast<uint8_t*>(acht->pixels)[0] = 5;
    Grafik_Zeiger_Bild_Zeichnen(acht, 0, 0, 20, 20, seite, 0, 0);
    EXPECT_EQ(frame_at(0, 0), px(seite)[0]) << "another depth is not drawn raw";

    for (Rastport* rp : {unter, bild, andere, acht}) Grafik_Bitmap_Freigeben(rp);
    Grafik_Screen_DeInit();
}
