// The refresh: what is drawn, saved and restored, what is presented, the region operations, the
// colours of texts and the guards against nesting and too many scroll buttons.
#include <vector>

#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os_display.h"
#include "toolkit/dienste.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"
#include "toolkit/scroll.h"
#include "umgebung.h"

namespace {

int32_t pixel_der_farbe(int32_t x, int32_t y, int32_t w, int32_t h, uint16_t farbe)
{
    int32_t n = 0;
    for (int32_t yy = y; yy < y + h; ++yy)
        for (int32_t xx = x; xx < x + w; ++xx) n += Grafik_Pixel_Lesen(Grafik_Seite_0, xx, yy) == farbe;
    return n;
}

int32_t balken_aufrufe = 0;
int32_t balken(Menue_Icon*, int32_t)
{
    ++balken_aufrufe;
    return 0;
}

// Refreshes the screen from inside a refresh, once.
Menue_Icon* verschachtelt = nullptr;
int32_t schachtel_refresh(Menue_Icon*, uint32_t)
{
    if (Menue_Icon* i = verschachtelt) {
        verschachtelt = nullptr;
        i->refresh = 1;
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
    }
    return 0;
}

}  // namespace

using Refresh = Toolkit_Test;

// Half outside its area the icon is drawn (clipped), but its background is neither saved nor
// restored; wholly inside the same icon is both.
TEST_F(Refresh, AnIconHalfOutsideItsAreaIsDrawnWithoutItsBackground)
{
    const uint16_t marke = Grafik_Farbe(15, 0, 15);
    Menue_Icon* draussen = neu(Menue_Icon_Vorlage(860, -1, ICON_ZIEHBAR, 620, 200, 40, 20, 4, 20));
    Menue_Icon* drinnen = neu(Menue_Icon_Vorlage(861, -1, ICON_ZIEHBAR, 300, 200, 40, 20, 4, 20));
    Menue_Icon* voll = neu(Menue_Icon_Vorlage(862, -1, 0, 620, 300, 40, 20, 4, 14));
    for (Menue_Icon* i : {draussen, drinnen, voll}) Menue_Screen_Icon_Hinzufuegen(i);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    EXPECT_EQ(seite0(630, 310), Grafik_Farbe(15, 15, 0));
    EXPECT_EQ(Menue_Screen_Icon_Hintergrund_Wurde_Gesichert(draussen), 0);
    EXPECT_EQ(Menue_Screen_Icon_Hintergrund_Wurde_Gesichert(drinnen), 1);

    // Something drawn under the see-through icons stays unless the icon repaints its ground.
    Grafik_Rechteck_Fuellen(Grafik_Seite_1, 620, 200, 20, 20, marke);
    Grafik_Rechteck_Fuellen(Grafik_Seite_1, 300, 200, 40, 20, marke);
    draussen->refresh = drinnen->refresh = REFRESH_NORMAL | REFRESH_HINTERGRUND;
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    EXPECT_EQ(seite0(625, 205), marke);
    EXPECT_NE(seite0(305, 205), marke);
}

TEST_F(Refresh, ARefreshWithNothingToDrawStillPresentsTheBackPage)
{
    const uint16_t farbe = Grafik_Farbe(3, 9, 12);
    Grafik_Rechteck_Fuellen(Grafik_Seite_1, 0, 0, 640, 480, farbe);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    EXPECT_EQ(seite0(0, 0), farbe);
    EXPECT_EQ(seite0(639, 479), farbe);
    int pitch = 0;
    const uint16_t* frame = Os_Display_Frame(&pitch);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame[200 * pitch + 300], farbe);
    EXPECT_EQ(Grafik_Render_Ziel, Grafik_Seite_0);
}

// Region clears leave the standing icons (flag 0x200) unless their flag 1 asks for them too.
TEST_F(Refresh, RegionClearsKeepStandingIconsUnlessAskedFor)
{
    Menue_Icon_Liste_Hinzufuegen(Menue_Basis_Liste);
    Menue_Icon* lose = flaeche(870, 100, 100, 30, 30, 5);
    Menue_Icon* versteckt = flaeche(871, 200, 100, 30, 30, 5);
    versteckt->status = ICON_VERSTECKT;
    Menue_Screen_Icon_Hinzufuegen(lose);
    Menue_Screen_Icon_Hinzufuegen(versteckt);
    Menue_Bereich_Loeschen(4, 0, 0, 640, 480);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(701), 1);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(702), 1);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(870), 0);
    EXPECT_EQ(lose->kennung_1, -1);

    Menue_Bereich_Loeschen(5, 0, 0, 640, 480);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(701), 0);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(723), 0);

    // Flag 2 takes only what lies wholly inside.
    Menue_Screen_Icon_Hinzufuegen(lose);
    Menue_Bereich_Loeschen(2, 110, 90, 200, 200);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(870), 1);
    Menue_Bereich_Aktiv_Setzen(0, 1, 120, 120, 121, 121);
    EXPECT_EQ(lose->refresh, 1);
}

TEST_F(Refresh, The200thScrollButtonIsReportedAndLeftOut)
{
    static Menue_Scrollbar_Daten daten{balken, 0, 0, 0, 0, 0, 0, 0, 0.0f, -1};
    for (int16_t n = 0; n < 200; ++n) {
        Menue_Icon* k = flaeche(int16_t(1000 + n), int16_t(n % 60), int16_t(50 + n / 60), 2, 2, 6);
        k->flags |= ICON_SCROLLBUTTON;
        k->daten = &daten;
        Menue_Screen_Icon_Hinzufuegen(k);
    }
    balken_aufrufe = 0;
    Fehler_Capture f;
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    EXPECT_TRUE(f.contains("Menue_Screen_Refresh: anz_scrollbuttons zu klein!"));
    EXPECT_EQ(balken_aufrufe, 199);
}

TEST_F(Refresh, ANestedRefreshIsReportedAndBothComplete)
{
    Menue_Icon* aussen = flaeche(880, 10, 60, 20, 20, 2, 14);
    aussen->refresh_prozedur = schachtel_refresh;
    verschachtelt = flaeche(881, 40, 60, 20, 20, 3, 8);
    Menue_Screen_Icon_Hinzufuegen(aussen);
    Menue_Screen_Icon_Hinzufuegen(verschachtelt);
    Fehler_Capture f;
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    ASSERT_EQ(verschachtelt, nullptr);
    EXPECT_TRUE(f.contains("Menue_Screen_Refresh: REKURSIONSFEHLER!"));
    EXPECT_EQ(f.texts.size(), 1u);
    EXPECT_EQ(seite0(15, 65), Grafik_Farbe(15, 15, 0));
    EXPECT_EQ(seite0(45, 65), Grafik_Farbe(13, 1, 1));
    EXPECT_EQ(Menue_Status.refresh_tiefe, 0);
}

TEST(UI_Farben, TheTableAnswersColourAndStrength)
{
    Menue_Farben_Init();
    uint32_t farbe = 0, staerke = 0;
    ASSERT_TRUE(Menue_Farbe_Holen(6, &farbe, &staerke));
    EXPECT_EQ(farbe, 0xFFFFu);
    EXPECT_EQ(staerke, 128u);
    ASSERT_TRUE(Menue_Farbe_Holen(20, &farbe, &staerke));
    EXPECT_EQ(farbe, 0u);
    for (int32_t i : {24, 25}) {
        ASSERT_TRUE(Menue_Farbe_Holen(i, &farbe, &staerke));
        EXPECT_EQ(farbe, 0xFFFFFFFFu);
        EXPECT_EQ(staerke, 0xFFFFFFFFu);
    }
    Fehler_Capture f;
    farbe = staerke = 7;
    EXPECT_FALSE(Menue_Farbe_Holen(47, &farbe, &staerke));
    EXPECT_FALSE(Menue_Farbe_Holen(-1, &farbe, &staerke));
    ASSERT_EQ(f.texts.size(), 2u);
    EXPECT_NE(f.texts[0].find("Menue_Farbe_Holen: index=47!"), std::string::npos) << f.texts[0];
    EXPECT_NE(f.texts[1].find("Menue_Farbe_Holen: index=-1!"), std::string::npos) << f.texts[1];
    EXPECT_EQ(farbe, 7u) << "a refused index writes nothing";
    EXPECT_EQ(staerke, 7u);
}

// A text part prints in the fixed colour when disabled, else in its on colour exactly while the
// acting manager's toggle state of the icon is not 0.
TEST_F(Refresh, TextPartsTakeTheirColourFromTheToggleState)
{
    static Menue_Text_Teil teil{3, TEIL_ZENTRIERT_X | TEIL_ZENTRIERT_Y, 14, 6, 6, "Tabelle", 0, 0, 0, 0, nullptr, nullptr};
    Menue_Icon* knopf = neu(Menue_Icon_Vorlage(890, -1, ICON_TEXT, 100, 100, 100, 24, 5, 28));
    knopf->daten = &teil;
    Aktuelles_Team = 4;
    Menue_Screen_Icon_Hinzufuegen(knopf);
    const uint16_t gelb = Grafik_Farbe(15, 15, 0), weiss = Grafik_Farbe(15, 15, 15);
    const uint16_t grau = uint16_t(UI_Farbtabelle[UI_FARBE_GESPERRT].farbe);
    auto zeichnen = [&] {
        knopf->refresh = 1;
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
    };
    zeichnen();
    EXPECT_GT(pixel_der_farbe(100, 100, 100, 24, weiss), 20);
    EXPECT_EQ(pixel_der_farbe(100, 100, 100, 24, gelb), 0);
    knoepfe[{4, 890}] = 2;
    zeichnen();
    EXPECT_EQ(pixel_der_farbe(100, 100, 100, 24, weiss), 0);
    EXPECT_GT(pixel_der_farbe(100, 100, 100, 24, gelb), 20);
    knoepfe[{3, 890}] = 0;  // another manager's state does not count
    knoepfe[{4, 890}] = 0;
    zeichnen();
    EXPECT_EQ(pixel_der_farbe(100, 100, 100, 24, gelb), 0);
    knopf->status = ICON_GESPERRT;
    knoepfe[{4, 890}] = 1;
    zeichnen();
    EXPECT_GT(pixel_der_farbe(100, 100, 100, 24, grau), 20);
    EXPECT_EQ(pixel_der_farbe(100, 100, 100, 24, gelb), 0);

    Fehler_Capture f;
    teil.farbe_3 = 47;
    zeichnen();
    teil.farbe_3 = 6;
    EXPECT_TRUE(f.contains("Textfarbe illegal !"));
}

// The face colour tints a picture with its UI colour and strength; a disabled picture is drawn
// darker than the same picture enabled.
TEST_F(Refresh, FacesAreTintedAndDisabledPicturesDarkened)
{
    Menue_Icon* bild = neu(Menue_Icon_Vorlage(895, 100, ICON_SLAVE, 100, 300, 0, 0, 5, 255));
    Menue_Icon* getoent = neu(Menue_Icon_Vorlage(896, 100, ICON_SLAVE, 200, 300, 0, 0, 5, 14));
    Menue_Icon* gesperrt = neu(Menue_Icon_Vorlage(897, 100, ICON_SLAVE, 300, 300, 0, 0, 5, 255));
    gesperrt->status = ICON_GESPERRT;
    for (Menue_Icon* i : {bild, getoent, gesperrt}) Menue_Screen_Icon_Hinzufuegen(i);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    int32_t r0, g0, b0, r1, g1, b1, r2, g2, b2;
    Grafik_Pixel_Zu_RGB(seite0(110, 305), 16, &r0, &g0, &b0);
    Grafik_Pixel_Zu_RGB(seite0(210, 305), 16, &r1, &g1, &b1);
    Grafik_Pixel_Zu_RGB(seite0(310, 305), 16, &r2, &g2, &b2);
    // Half way (66/128) towards UI colour 14, yellow.
    EXPECT_GT(r1, r0 + 40);
    EXPECT_GT(g1, g0 + 40);
    EXPECT_LT(b1, b0 - 40);
    EXPECT_LT(r2 + g2 + b2, r0 + g0 + b0 - 60);
}
