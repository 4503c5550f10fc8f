// Scroll bars and scroll screens: value <-> track conversions, the bar's factor, the stored
// button position, wheel steps and the removal of a scroll screen.
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "platform/win95.h"
#include "toolkit/screen.h"
#include "toolkit/scroll.h"
#include "umgebung.h"

namespace {

class Scroll : public Toolkit_Test {
protected:
    static constexpr int32_t NR = 4;
    Menue_Scrollbar_Daten daten{};
    Menue_Icon* spur = nullptr;
    Menue_Icon* knopf = nullptr;

    // A vertical bar (track icon 900, button 901) on y 100..300 for scroll screen NR, whose
    // window is 600 x 300.
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        Scrollscreen* s = Menue_Get_Scrollscreen(NR);
        *s = Scrollscreen{};
        s->breite = 600, s->hoehe = 1000;
        s->sicht_breite = 600, s->sicht_hoehe = 300;
        s->balken_icon = 900;
        s->fenster_slave = -1;
        s->letzte_position = -1;
        daten = Menue_Scrollbar_Daten{nullptr, 0, 620, 620, -1, 100, 300, 0, 0.0f, int8_t(NR)};
        spur = flaeche(900, 620, 100, 16, 216, 5);
        spur->verknuepft = 901;
        knopf = flaeche(901, 620, 100, 16, 16, 6, 12);
        knopf->flags |= ICON_SCROLLBUTTON;
        knopf->daten = &daten;
        Menue_Screen_Icon_Hinzufuegen(spur);
        Menue_Screen_Icon_Hinzufuegen(knopf);
        Aktuelles_Team = 1;
    }
    void TearDown() override
    {
        Menue_Kill_Scrollscreen(NR, 0);
        *Menue_Get_Scrollscreen(NR) = Scrollscreen{};
        Toolkit_Test::TearDown();
    }
};

TEST(ScrollMapping, EmptyRangesAndBackwardValuesMapToTheTrackStart)
{
    EXPECT_EQ(Menue_Position_In_Prozent(7, 1, 5, 5, 10, 110), 10);
    EXPECT_EQ(Menue_Position_In_Prozent(100, 0, 1, 100, 10, 110), 10);
    EXPECT_EQ(Menue_Position_In_Prozent(1, 0, 1, 100, 10, 110), 110);
    EXPECT_EQ(Menue_Position_In_Prozent(50, 1, 0, 100, 10, 110), 60);
}

TEST_F(Scroll, ValuesGoToTheTrackAndBack)
{
    EXPECT_EQ(Menue_Wert_In_Scrollpos_Umrechnen(1, 901, nullptr, 25, 1, 0, 100, -1, -1), 150);
    EXPECT_EQ((knoepfe[{1, 901}]), 150u);
    knopf->y = 150;
    EXPECT_EQ(Menue_Scrollpos_In_Wert_Umrechnen(0, -1, knopf, 0, 100, -1, -1), 25);

    Fehler_Capture f;
    EXPECT_EQ(Menue_Wert_In_Scrollpos_Umrechnen(1, -1, spur, 25, 1, 0, 100, -1, -1), -1);
    EXPECT_EQ(Menue_Scrollpos_In_Wert_Umrechnen(0, -1, nullptr, 0, 100, -1, -1), -1);
    EXPECT_TRUE(f.contains("Menue_Wert_In_Scrollpos_Umrechnen: scr==NULL!"));
    EXPECT_TRUE(f.contains("Menue_Scrollpos_In_Wert_Umrechnen: scroll_icon==NULL!"));
}

TEST_F(Scroll, TheBarShowsOnlyWhenTheContentOverflows)
{
    Scrollscreen* s = Menue_Get_Scrollscreen(NR);
    s->laenge = 1000;
    Menue_Scrollscreen_Rasterbreite_Festlegen(NR);
    EXPECT_FLOAT_EQ(daten.faktor, 350.0f);  // (1000 - 300) x 100 / 200
    EXPECT_FALSE(knopf->status & ICON_VERSTECKT);

    s->laenge = 280;
    s->position = 40;
    Menue_Scrollscreen_Rasterbreite_Festlegen(NR);
    EXPECT_EQ(daten.faktor, 0.0f);
    EXPECT_EQ(s->position, 0);
    EXPECT_TRUE(spur->status & ICON_VERSTECKT);
    EXPECT_TRUE(knopf->status & ICON_VERSTECKT);

    // A track of no length: nothing to scroll, no division by zero.
    s->laenge = 1000;
    daten.y_ende = daten.y_start;
    Menue_Scrollscreen_Rasterbreite_Festlegen(NR);
    EXPECT_EQ(daten.faktor, 0.0f);
    EXPECT_TRUE(knopf->status & ICON_VERSTECKT);
    EXPECT_EQ(Menue_Scrollpos_In_Wert_Umrechnen(0, -1, knopf, 0, 100, -1, -1), 0);
    EXPECT_EQ(Menue_Abs_Balkenpos(knopf), 0);
}

TEST_F(Scroll, AStoredPositionOutsideTheTrackIsReportedAndClamped)
{
    Scrollscreen* s = Menue_Get_Scrollscreen(NR);
    s->laenge = 1000;
    knoepfe[{1, 901}] = 5000;
    Fehler_Capture f;
    EXPECT_EQ(Menue_Abs_Balkenpos(knopf), 700);
    EXPECT_EQ(s->position, 700);
    EXPECT_TRUE(f.contains("Menue_Abs_Balkenpos: Scrollbutton-Pos falsch!"));
    knoepfe[{1, 901}] = 150;
    EXPECT_EQ(Menue_Abs_Balkenpos(knopf), 175);
}

TEST_F(Scroll, AWheelStepDependsOnTheFactorAndStopsAtTheTrackEnd)
{
    daten.faktor = 50.0f;
    EXPECT_EQ(Menue_Scrollbar_Rad_Schritt(knopf), 60);
    daten.faktor = 500.0f;
    EXPECT_EQ(Menue_Scrollbar_Rad_Schritt(knopf), 12);
    knopf->daten = nullptr;
    EXPECT_EQ(Menue_Scrollbar_Rad_Schritt(knopf), 60);
    knopf->daten = &daten;

    Menue_Get_Scrollscreen(NR)->laenge = 1000;
    daten.faktor = 50.0f;
    Menue_Scrollbar_Rad(knopf);
    EXPECT_EQ(knopf->y, 160);
    for (int i = 0; i < 40; ++i) Menue_Scrollbar_Rad(knopf);
    EXPECT_EQ(knopf->y, 300);
    EXPECT_EQ((knoepfe[{1, 901}]), 300u);
    Win95_Eingabe.rad = -1;
    Menue_Scrollbar_Rad(knopf);
    EXPECT_EQ(knopf->y, 240);
}

TEST_F(Scroll, AMovedButtonLeavesNoCopyBehind)
{
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    const uint16_t knopf_farbe = seite1(628, 104), spur_farbe = seite1(628, 250);
    ASSERT_NE(knopf_farbe, spur_farbe);
    daten.faktor = 500.0f;
    Menue_Scrollbar_Rad(knopf);
    EXPECT_NE(seite1(628, 104), knopf_farbe);
    EXPECT_EQ(seite1(628, 114), knopf_farbe);
    EXPECT_EQ(seite0(628, 104), seite1(628, 104));  // and the display shows it
}

TEST_F(Scroll, AClickOnTheTrackCentresTheButtonWithinTheTrack)
{
    maus(628, 250);
    Menue_Scrollbar_Klick(spur, 4);
    EXPECT_EQ(knopf->y, 242);
    maus(628, 470);
    Menue_Scrollbar_Klick(spur, 4);
    EXPECT_EQ(knopf->y, 300);
    knopf->status |= ICON_GESPERRT;
    maus(628, 120);
    Menue_Scrollbar_Klick(spur, 4);
    EXPECT_EQ(knopf->y, 300);

    Fehler_Capture f;
    spur->verknuepft = -1;
    Menue_Scrollbar_Klick(spur, 4);
    EXPECT_TRUE(f.contains("Menue_Scrollbar_Klick: Kein Scr_Icon!"));
}

TEST_F(Scroll, TheWindowShowsTheContentAtThePositionAndNeverReadsBeyondIt)
{
    Scrollscreen* s = Menue_Get_Scrollscreen(NR);
    s->x = 10, s->y = 50;
    Rastport* inhalt = Menue_Screen_Icon_Scroll_Bitmap(NR);
    ASSERT_NE(inhalt, nullptr);
    static_cast<uint16_t*>(inhalt->pixels)[350 * inhalt->width + 5] = 0x1234;
    // An icon over the window that is no part of it stays on top; outside a refresh the window
    // reaches the screen.
    Menue_Icon* kopf = flaeche(902, 12, 52, 20, 20, 8, 12);
    Menue_Screen_Icon_Hinzufuegen(kopf);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    const uint16_t kopf_farbe = seite1(15, 55);
    s->position = 300;
    Menue_Universale_Scroll_Blit_Prozedur(NR, 0);
    EXPECT_EQ(seite1(15, 100), 0x1234);
    EXPECT_EQ(seite0(15, 100), 0x1234);
    EXPECT_EQ(seite1(15, 55), kopf_farbe);

    s->position = 5000;  // from a stale record: nothing to show, nothing read
    Menue_Universale_Scroll_Blit_Prozedur(NR, 0);
    s->position = 900;   // only the last hundred rows exist
    Menue_Universale_Scroll_Blit_Prozedur(NR, 0);

    Fehler_Capture f;
    Menue_Universale_Scroll_Prozedur(spur, 0);
    EXPECT_TRUE(f.contains("Menue_Universale_Scroll_Prozedur: s_icon ohne scrollbar_type!"));
}

TEST_F(Scroll, AnAddedButtonTakesItsStoredPlaceOnTheTrack)
{
    Menue_Scrollbar_Daten quer{nullptr, 0, 200, 400, 0, 450, 450, -1, 0.0f, -1};
    Menue_Icon* a = flaeche(902, 0, 450, 16, 16, 6);
    Menue_Icon* b = flaeche(903, 0, 450, 16, 16, 6);
    for (Menue_Icon* i : {a, b}) i->flags |= ICON_SCROLLBUTTON, i->daten = &quer;
    knoepfe[{1, 902}] = 260;
    knoepfe[{1, 903}] = 9000;  // from an old savegame
    Menue_Screen_Icon_Hinzufuegen(a);
    Menue_Screen_Icon_Hinzufuegen(b);
    EXPECT_EQ(a->x, 260);
    EXPECT_EQ(b->x, 400);
    EXPECT_EQ(a->y, 450);
}

TEST_F(Scroll, MovingAndKillingAScrollScreen)
{
    Scrollscreen* s = Menue_Get_Scrollscreen(NR);
    Menue_Icon* zeile = flaeche(950, 10, 40, 100, 20, 3);
    zeile->scrollscreen = NR;
    Menue_Icon* fremd = flaeche(951, 10, 40, 100, 20, 3);
    Menue_Screen_Icon_Hinzufuegen(zeile);
    Menue_Screen_Icon_Hinzufuegen(fremd);
    s->position = 30;
    Menue_Scrollscreen_Verschiebung(NR);
    EXPECT_EQ(zeile->y, 10);
    s->position = 20;
    Menue_Scrollscreen_Verschiebung(NR);
    EXPECT_EQ(zeile->y, 20);
    EXPECT_EQ(fremd->y, 40);

    ASSERT_NE(Menue_Screen_Icon_Scroll_Bitmap(NR), nullptr);
    s->laenge = 99999;  // claims more than the bitmap holds
    EXPECT_NE(Menue_Scrollscreen_Leeren(NR), nullptr);

    Menue_Kill_Scrollscreen(NR, 0);
    EXPECT_EQ(s->bitmap, nullptr);
    EXPECT_EQ(s->letzte_position, -1);
    EXPECT_EQ(s->position, 0);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(950));
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(900));
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(901));
    EXPECT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(951));
}

}  // namespace

TEST_F(Scroll, TheVisiblePartOfAnIconInItsWindow)
{
    Scrollscreen* s = Menue_Get_Scrollscreen(NR);
    s->x = 10, s->y = 50;
    Menue_Icon* zeile = flaeche(600, 100, 330, 200, 40, 3);
    zeile->scrollscreen = NR;
    int32_t x = 0, y = 0, g = 0;
    EXPECT_EQ(Menue_Icon_Passgroesse_Ermitteln(zeile, &x, &y, &g), 1);
    EXPECT_EQ(y, 330);
    EXPECT_EQ(g, 20) << "cut at the window's bottom (350)";
    zeile->y = 30;
    EXPECT_EQ(Menue_Icon_Passgroesse_Ermitteln(zeile, &x, &y, &g), 1);
    EXPECT_EQ(y, 50);
    EXPECT_EQ(g, 20);
    zeile->x = 700;  // beside the window: not shown, unless it is a table row
    EXPECT_EQ(Menue_Icon_Passgroesse_Ermitteln(zeile, &x, &y, &g), 0);
    EXPECT_EQ(g, 0);
    zeile->status |= 0x200;
    EXPECT_EQ(Menue_Icon_Passgroesse_Ermitteln(zeile, &x, &y, &g), 1);
    EXPECT_EQ(x, 10);
    zeile->y = 400;
    EXPECT_EQ(Menue_Icon_Passgroesse_Ermitteln(zeile, &x, &y, &g), 0);
    Fehler_Capture f;
    EXPECT_EQ(Menue_Icon_Passgroesse_Ermitteln(zeile, nullptr, &y, &g), 0);
    EXPECT_TRUE(f.contains("Menue_Icon_Passgroesse_Ermitteln: Parameter=NULL!"));
}
