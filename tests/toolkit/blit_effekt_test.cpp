// The icon blit worker's looks, the glow's blit by its flags, the event step's hook slot and the
// typed procedure calls.
#include <string>

#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "toolkit/dienste.h"
#include "toolkit/hilfe.h"
#include "toolkit/screen.h"
#include "umgebung.h"

namespace {

constexpr uint16_t HINTER = 0x0841;  // what the target shows before
constexpr int32_t W = 20, H = 10;

class BlitEffekt : public Toolkit_Test {
protected:
    uint16_t links = 0, rechts = 0;
    Rastport* bild = nullptr;
    Rastport* ziel = nullptr;
    Menue_Icon* icon = nullptr;

    void SetUp() override
    {
        Toolkit_Test::SetUp();
        links = Grafik_Farbe(15, 0, 0);
        rechts = Grafik_Farbe(0, 0, 15);
        // Left half red, right half blue, its last column transparent.
        bild = Grafik_Bitmap_Anlegen(W, H, 16);
        Grafik_Rechteck_Fuellen(bild, 0, 0, W / 2, H, links);
        Grafik_Rechteck_Fuellen(bild, W / 2, 0, W / 2 - 1, H, rechts);
        Grafik_Rechteck_Fuellen(bild, W - 1, 0, 1, H, 0);
        ziel = Grafik_Bitmap_Anlegen(100, 50, 16);
        icon = neu(Menue_Icon_Vorlage(960, -1, 0, 30, 20, W, H, 5, 255));
        Aktuelles_Team = 0;
    }
    void TearDown() override
    {
        Grafik_Bitmap_Freigeben(bild);
        Grafik_Bitmap_Freigeben(ziel);
        Toolkit_Test::TearDown();
    }
    void leeren() { Grafik_Rechteck_Fuellen(ziel, 0, 0, 100, 50, HINTER); }
    uint16_t px(int32_t x, int32_t y) const { return static_cast<const uint16_t*>(ziel->pixels)[y * 100 + x]; }
    // Pixels of the icon's place (10, 10, W, H) that changed; and any outside it.
    int geaendert(bool innen) const
    {
        int n = 0;
        for (int32_t y = 0; y < 50; ++y)
            for (int32_t x = 0; x < 100; ++x) {
                const bool drin = x >= 10 && x < 10 + W && y >= 10 && y < 10 + H;
                if (drin == innen) n += px(x, y) != HINTER;
            }
        return n;
    }
};

}  // namespace

TEST_F(BlitEffekt, MirroredPicturesAreTurnedLeftRightOnPagesAndBitmaps)
{
    leeren();
    Menue_Icon_Blit_Effekt(icon, bild, ziel, 10, 10);
    EXPECT_EQ(px(10, 10), links);
    EXPECT_EQ(px(10 + W - 1, 10), HINTER) << "the transparent column";

    icon->flags |= ICON_GESPIEGELT;
    leeren();
    Menue_Icon_Blit_Effekt(icon, bild, ziel, 10, 10);
    EXPECT_EQ(px(10, 10), HINTER) << "the transparent column comes first";
    EXPECT_EQ(px(11, 15), rechts);
    EXPECT_EQ(px(10 + W - 1, 15), links);
    EXPECT_EQ(geaendert(false), 0);

    // The screen page takes no mirrored blit of its own: the turned picture still arrives.
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 100, 50, HINTER);
    Menue_Icon_Blit_Effekt(icon, bild, Grafik_Seite_0, 10, 10);
    EXPECT_EQ(seite0(11, 15), rechts);
    EXPECT_EQ(seite0(10 + W - 1, 15), links);
    EXPECT_EQ(bild->width, uint32_t(W)) << "the icon's own picture is not turned";
    EXPECT_EQ(static_cast<const uint16_t*>(bild->pixels)[0], links);
}

TEST_F(BlitEffekt, DisabledAndPressedLooksDrawThePictureAtItsPlace)
{
    leeren();
    Menue_Icon_Blit_Effekt(icon, bild, ziel, 10, 10);
    const uint16_t hell = px(12, 12);
    struct Fall {
        uint16_t status;
        uint32_t knopf;
    };
    uint16_t looks[3] = {};
    int k = 0;
    for (const Fall f : {Fall{ICON_GESPERRT, 0}, Fall{ICON_GESPERRT_2, 0}, Fall{ICON_GEDRUECKT, 9000}}) {
        icon->status = f.status;
        knoepfe[{0, 960}] = f.knopf;
        leeren();
        Menue_Icon_Blit_Effekt(icon, bild, ziel, 10, 10);
        EXPECT_GT(geaendert(true), (W - 2) * (H - 1)) << f.status << ": the picture is there";
        EXPECT_EQ(geaendert(false), 0) << f.status << ": nothing beside it";
        looks[k++] = px(12, 12);
        EXPECT_NE(px(12, 12), hell) << f.status << ": shaded";
        // On the screen page the looks that need memory fall back to the plain picture.
        Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 100, 50, HINTER);
        Menue_Icon_Blit_Effekt(icon, bild, Grafik_Seite_0, 10, 10);
        EXPECT_NE(seite0(15, 15), HINTER) << f.status;
    }
    EXPECT_NE(looks[0], looks[1]) << "the two disabled states can be told apart";
    EXPECT_EQ(px(10, 10), HINTER) << "pressed: sunk by a pixel";
    EXPECT_NE(px(11, 11), HINTER);
    knoepfe[{0, 960}] = 0;
}

TEST_F(BlitEffekt, ABlurredBackgroundBaseFillsWhatThePictureLeavesOpen)
{
    Rastport* hg = Menue_Get_Hintergrund();
    ASSERT_NE(hg, nullptr);
    icon->flags |= ICON_WEICHE_BASIS;
    leeren();
    Menue_Icon_Blit_Effekt(icon, bild, ziel, 10, 10);
    EXPECT_EQ(px(10, 10), links);
    EXPECT_NE(px(10 + W - 1, 12), HINTER) << "the base under the transparent column";
    EXPECT_NE(px(10 + W - 1, 12), 0);
    EXPECT_EQ(geaendert(false), 0);
    // The base is the background at the icon's screen place, softened: inside a flat stretch of
    // the background it is the background's own colour within a step of each channel.
    int32_t r1, g1, b1, r2, g2, b2;
    Grafik_Pixel_Zu_RGB(px(10 + W - 1, 12), 16, &r1, &g1, &b1);
    Grafik_Pixel_Zu_RGB(static_cast<const uint16_t*>(hg->pixels)[(icon->y + 2) * int32_t(hg->width) + icon->x + W - 1], 16,
                        &r2, &g2, &b2);
    EXPECT_NEAR(r1, r2, 24);
    EXPECT_NEAR(g1, g2, 24);
    EXPECT_NEAR(b1, b2, 24);
}

TEST_F(BlitEffekt, TheGlowBlitFollowsItsFlags)
{
    for (uint32_t flags : {0u, HILFE_GLOW_TRANSPARENT, HILFE_GLOW_TRANSPARENT | HILFE_GLOW_OHNE_SCHLUESSEL,
                           HILFE_GLOW_OHNE_SCHLUESSEL}) {
        leeren();
        EXPECT_NE(Hilfe_Glow_Blit(bild, 0, 0, W, H, ziel, 10, 10, flags), 0);
        const bool durchsichtig = flags == HILFE_GLOW_TRANSPARENT;
        EXPECT_EQ(px(10 + W - 1, 12), durchsichtig ? HINTER : 0) << flags;
        EXPECT_EQ(px(10, 12), links) << flags;
    }
    EXPECT_EQ(Hilfe_Glow_Blit(nullptr, 0, 0, W, H, ziel, 10, 10, 0), 0);
    EXPECT_EQ(Hilfe_Bereit(), 1);
    EXPECT_EQ(Hilfe_Beschaeftigt(), 0);
}

namespace {

int32_t gerufen = 0;
void haken_a(int32_t x, int32_t, int32_t) { gerufen = x; }
void haken_b(int32_t, int32_t y, int32_t) { gerufen = y; }
int32_t eins(Menue_Icon* i) { return i ? i->nummer : -2; }
int32_t drei(int32_t a, int32_t b, uint32_t c) { return a * 100 + b * 10 + int32_t(c); }
uint8_t fuenf(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) { return uint8_t(a - b + c - d + e); }
void leer(int32_t a) { gerufen = a; }

}  // namespace

TEST_F(BlitEffekt, TheHookSlotTakesOneAndSaysWhy)
{
    ASSERT_EQ(Menue_Hook, nullptr) << "no test leaves its hook behind";
    Fehler_Capture f;
    Menue_Hook_Registrieren(haken_a, 0);
    Menue_Hook_Registrieren(haken_b, 0);
    EXPECT_TRUE(f.contains("Zuviele Hooked-Procedures!\n"));
    EXPECT_EQ(Menue_Hook, haken_a);
    Menue_Hook_Registrieren(haken_b, 1);
    EXPECT_TRUE(f.contains("Hook-Procedure nicht gefunden!\n"));
    Menue_Hook_Registrieren(haken_a, 1);
    EXPECT_EQ(Menue_Hook, nullptr);

    // A slot taken past the registration is not free.
    Menue_Hook = haken_b;
    f.texts.clear();
    Menue_Hook_Registrieren(haken_a, 0);
    ASSERT_EQ(f.texts.size(), 1u);
    EXPECT_EQ(f.texts[0], "Keine Freie Hook-Procedure!\n");
    EXPECT_EQ(Menue_Hook, haken_b);
    Menue_Hook = nullptr;
    Menue_Hook_Registrieren(haken_a, 0);
    EXPECT_EQ(Menue_Hook, haken_a) << "free again";
    Menue_Hook_Registrieren(haken_a, 1);
}

TEST_F(BlitEffekt, ProceduresAreCalledWithOneThreeOrFiveArguments)
{
    EXPECT_EQ(Menue_Prozedur_Aufrufen(eins, icon), 960);
    EXPECT_EQ(Menue_Prozedur_Aufrufen(static_cast<int32_t (*)(Menue_Icon*)>(nullptr), icon), 0);
    EXPECT_EQ(Menue_Prozedur_Aufrufen(drei, 1, 2, 3), 123) << "in their order";
    EXPECT_EQ(Menue_Prozedur_Aufrufen(static_cast<int32_t (*)(int32_t, int32_t, uint32_t)>(nullptr), 1, 2, 3), 0);
    EXPECT_EQ(Menue_Prozedur_Aufrufen(fuenf, 10, 1, 20, 2, 30), 57);
    gerufen = 0;
    Menue_Prozedur_Aufrufen(leer, 5);
    EXPECT_EQ(gerufen, 5);
    Menue_Prozedur_Aufrufen(static_cast<void (*)(int32_t)>(nullptr), 6);
    EXPECT_EQ(gerufen, 5);
}
