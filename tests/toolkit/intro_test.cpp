// The start menu driven by scripts: each entry's answer a second after its click, the labels'
// colours, the darkened screen it leaves, and the end of the program during the menu.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/png_bild.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "toolkit/intro.h"
#include "umgebung.h"

namespace {

class Intro : public Toolkit_Test {};

// Each channel of an RGB565 pixel times (128 - k) / 128; a visible pixel stays visible.
uint16_t abgedunkelt(uint16_t p, int32_t k)
{
    const uint32_t r = (p >> 11) * uint32_t(128 - k) / 128, g = ((p >> 5) & 63) * uint32_t(128 - k) / 128,
                   b = (p & 31) * uint32_t(128 - k) / 128;
    const uint16_t d = uint16_t(r << 11 | g << 5 | b);
    return p && !d ? 1 : d;
}

// The rows and columns of the pixels of one colour within a rectangle: top, bottom, left, right.
struct Kasten {
    int oben = 9999, unten = -1, links = 9999, rechts = -1;
};
Kasten kasten(const std::vector<uint16_t>& bild, int x, int y, int w, int h, uint16_t farbe)
{
    Kasten k;
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            if (bild[size_t(yy) * 640 + xx] == farbe) {
                k.oben = std::min(k.oben, yy), k.unten = std::max(k.unten, yy);
                k.links = std::min(k.links, xx), k.rechts = std::max(k.rechts, xx);
            }
    return k;
}

int zaehlen(const std::vector<uint16_t>& bild, int x, int y, int w, int h, uint16_t farbe)
{
    int n = 0;
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx) n += bild[size_t(yy) * 640 + xx] == farbe;
    return n;
}

}  // namespace

TEST_F(Intro, EachEntryAnswersASecondAfterItsClickAndLeavesTheMenuDarkened)
{
    const std::string ordner = std::string(DORVIN_BINARY_DIR) + "/intro_" + std::to_string(getpid());
    ASSERT_EQ(std::system(("mkdir -p " + ordner).c_str()), 0);
    const uint16_t weiss = Grafik_Farbe(15, 15, 15), grau = Grafik_Farbe(8, 8, 8);
    const int x[4] = {11, 165, 315, 465};
    for (int32_t k = 0; k < 4; ++k) {
        const std::string vorher = ordner + "/vorher" + std::to_string(k) + ".png";
        Os_Script_Load_Text("move 300 300\nwait 100\ndump " + vorher + "\nclick " + std::to_string(x[k] + 30) +
                            " 450\n");
        const uint32_t start = Os_Time_Ms();
        EXPECT_EQ(Intro_Setup(), k);
        const uint32_t dauer = Os_Time_Ms() - start;
        // The menu ends a second after the click.
        EXPECT_GE(dauer, 100u + 1000u) << k;
        EXPECT_LE(dauer, 100u + 1000u + 30) << k;
        // The rest of the script, and the button it left down, go before the next entry.
        Os_Script_Stop();
        maus(0, 0);
        EXPECT_EQ(Grafik_Render_Ziel, Grafik_Seite_0);

        std::vector<uint16_t> bild;
        int w = 0, h = 0;
        ASSERT_TRUE(Png_Lesen(vorher, bild, w, h, false));
        ASSERT_EQ(w, 640);
        int falsch = 0;
        for (int yy = 0; yy < 480; ++yy)
            for (int xx = 0; xx < 640; ++xx)
                falsch += seite1(xx, yy) != abgedunkelt(bild[size_t(yy) * 640 + xx], 60);
        EXPECT_EQ(falsch, 0) << k;
        if (k == 0) {
            // White labels on the first three entries; the editor's two lines in grey.
            for (int e = 0; e < 3; ++e) {
                EXPECT_GT(zaehlen(bild, x[e], 434 + 12, 150, 14, weiss), 20) << e;
                EXPECT_EQ(zaehlen(bild, x[e], 434, 150, 40, grau), 0) << e;
            }
            EXPECT_EQ(zaehlen(bild, x[3], 434, 150, 40, weiss), 0);
            EXPECT_GT(zaehlen(bild, x[3], 434 + 8, 150, 11, grau), 20);
            EXPECT_GT(zaehlen(bild, x[3], 434 + 21, 150, 12, grau), 20);
            // The labels' rows and centres: baseline 24 (white, the descender of "p" one row
            // below), 18 and 30 (grey), each centred on the 150-pixel entry.
            for (int e = 0; e < 3; ++e) {
                const Kasten t = kasten(bild, x[e], 434, 150, 40, weiss);
                EXPECT_EQ(t.oben, 450) << e;
                EXPECT_EQ(t.unten, 459) << e;
                EXPECT_NEAR((t.links + t.rechts) / 2.0, x[e] + 75, 1.0) << e;
            }
            const Kasten t = kasten(bild, x[3], 434, 150, 21, grau), u = kasten(bild, x[3], 434 + 21, 150, 19, grau);
            EXPECT_EQ(t.oben, 444);
            EXPECT_EQ(t.unten, 451) << "\"Zum Editor\" has no descender";
            EXPECT_NEAR((t.links + t.rechts) / 2.0, 540, 1.0);
            EXPECT_EQ(u.oben, 456);
            EXPECT_EQ(u.unten, 464);
            EXPECT_NEAR((u.links + u.rechts) / 2.0, 540, 1.0);
        }
    }
    std::system(("rm -rf " + ordner).c_str());
}

TEST_F(Intro, TheEndOfTheProgramEndsTheMenuWithoutAChoice)
{
    Os_Script_Load_Text("move 40 450\nwait 100\nquit\nclick 40 450\n");
    EXPECT_EQ(Intro_Setup(), -1);
    EXPECT_EQ(Programm_Ende, 1u);
    Os_Script_Stop();
}
