// Drag and drop: where the image may go, which drops are taken, and scroll buttons on their bar.
#include <vector>

#include "gameflow/globals.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "toolkit/slave.h"
#include "toolkit/screen.h"
#include "toolkit/event.h"
#include "toolkit/scroll.h"
#include "toolkit/ziehen.h"
#include "umgebung.h"

namespace {

std::vector<uint32_t> codes;
void bedienen(Menue_Move_Struktur*, Menue_Icon*, int32_t, int32_t, uint32_t code) { codes.push_back(code); }

class Ziehen : public Toolkit_Test {
protected:
    Menue_Move_Struktur move{int8_t(0x04), 0x20, bedienen, nullptr, {100, 100, 400, 400}, nullptr, -1};
    Menue_Icon* stein = nullptr;
    Menue_Icon* ablage = nullptr;
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        codes.clear();
        stein = flaeche(940, 150, 150, 40, 20, 5, 12);
        stein->flags |= ICON_ZIEHBAR;
        stein->move = &move;
        ablage = flaeche(941, 300, 300, 60, 40, 4, 20);
        ablage->drop_typ = 0x04;
        Menue_Screen_Icon_Hinzufuegen(stein);
        Menue_Screen_Icon_Hinzufuegen(ablage);
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
    }
    void TearDown() override
    {
        Menue_Aktuelles_Icon = nullptr;
        Menue_Drop(0, 0);
        Toolkit_Test::TearDown();
    }
    // A scroll button of the bar `daten` on screen, team 1 acting.
    Menue_Icon* knopf_auf_balken(int16_t nummer, int16_t y, Menue_Scrollbar_Daten* daten, uint8_t farbe = 9)
    {
        Menue_Icon* knopf = flaeche(nummer, 620, y, 16, 16, 6, farbe);
        knopf->flags |= ICON_SCROLLBUTTON;
        knopf->daten = daten;
        Menue_Screen_Icon_Hinzufuegen(knopf);
        Aktuelles_Team = 1;
        return knopf;
    }
    int8_t ablegen(int32_t x, int32_t y, Menue_Icon* unter)
    {
        Menue_Drag_Start(stein, 160, 155);
        Menue_Drag_Schritt(x, y, 1);
        Menue_Aktuelles_Icon = unter;
        return Menue_Drop(x, y);
    }
};

TEST_F(Ziehen, ADropIsTakenOnlyByAFittingTargetInsideTheArea)
{
    EXPECT_EQ(ablegen(320, 310, ablage), 1);
    EXPECT_EQ(codes, std::vector<uint32_t>{0x80});
    codes.clear();
    EXPECT_EQ(ablegen(450, 450, nullptr), 1);      // outside the area, nothing under it
    ablage->bereich[2] = 640;
    move.bereich[2] = 300;
    EXPECT_EQ(ablegen(320, 310, ablage), 1);       // the target fits, the area does not
    move.bereich[2] = 400;
    ablage->drop_typ = 0x08;
    EXPECT_EQ(ablegen(320, 310, ablage), 1);       // wrong type
    EXPECT_TRUE(codes.empty());
    EXPECT_EQ(Menue_Gezogenes_Icon, nullptr);
    EXPECT_EQ(stein->x, 150);                      // the icon never left its place

    move.maske = -1;
    EXPECT_EQ(ablegen(450, 450, nullptr), 1);
    EXPECT_EQ(codes, std::vector<uint32_t>{0x80});
}

TEST_F(Ziehen, TheImageStaysInItsArea)
{
    move.bereich[0] = -1;
    Menue_Drag_Start(stein, 160, 155);
    int32_t x = 0, y = 0;
    Menue_Drag_Schritt(160, 5, 1);
    Menue_Zieh_Position(nullptr, &y);
    EXPECT_EQ(y, 39);
    Menue_Drag_Schritt(900, 900, 1);
    Menue_Zieh_Position(&x, &y);
    EXPECT_EQ(x, 596 - 40 + 1);
    EXPECT_EQ(y, 479 - 20 + 1);
    Menue_Drop(900, 900);

    stein->flags |= ICON_RECHTS_VERKNUEPFT;
    Menue_Drag_Start(stein, 160, 155);
    Menue_Drag_Schritt(160, 5, 1);
    Menue_Zieh_Position(nullptr, &y);
    EXPECT_EQ(y, 0);
}

TEST_F(Ziehen, OptionOneLeavesTheIconsPictureInPlace)
{
    const uint16_t farbe = seite1(170, 160);
    move.optionen |= 0x01;
    Menue_Drag_Start(stein, 160, 155);
    Menue_Drag_Schritt(260, 255, 1);
    EXPECT_EQ(seite1(170, 160), farbe);
    EXPECT_EQ(seite1(270, 260), farbe);  // the image at its new place
    move.optionen = 0x20;
    Menue_Drop(260, 255);
    Menue_Drag_Start(stein, 160, 155);
    Menue_Drag_Schritt(260, 255, 1);
    EXPECT_NE(seite1(170, 160), farbe);
}

TEST_F(Ziehen, WithoutMoveDescriptionTheDropIsReportedAndEnds)
{
    stein->move = nullptr;
    Fehler_Capture f;
    Menue_Drag_Start(stein, 160, 155);
    EXPECT_EQ(Menue_Drop(160, 155), 0);
    EXPECT_TRUE(f.contains("Menue_Icons_Check: Icon 940 ohne Move-Struktur!"));
    EXPECT_EQ(Menue_Gezogenes_Icon, nullptr);
}

TEST_F(Ziehen, AScrollButtonStopsAtTheEndsOfItsBar)
{
    Menue_Scrollbar_Daten daten{nullptr, 0, 620, 620, -1, 100, 300, 0, 0.0f, -1};
    Menue_Icon* knopf = knopf_auf_balken(942, 150, &daten);
    Menue_Drag_Start(knopf, 625, 155);
    Menue_Drag_Schritt(500, 470, 1);
    EXPECT_EQ(knopf->x, 620);
    EXPECT_EQ(knopf->y, 300);
    EXPECT_EQ((knoepfe[{1, 942}]), 300u);
    Menue_Drag_Schritt(625, 10, 1);
    EXPECT_EQ(knopf->y, 100);
    EXPECT_EQ(Menue_Drop(625, 10), 0);
    EXPECT_EQ(Menue_Gezogenes_Icon, nullptr);
}

}  // namespace

// A picture icon with a highlight colour is dragged tinted; the refresh tints it the same way.
TEST_F(Ziehen, TheDragImageOfAPictureIconCarriesItsHighlightColour)
{
    Menue_Icon* bild = neu(Menue_Icon_Vorlage(943, 48, ICON_SLAVE | ICON_ZIEHBAR, 150, 200, 0, 0, 5, 2));
    bild->move = &move;
    Menue_Screen_Icon_Hinzufuegen(bild);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    const Rastport* slave = Menue_Get_Slave_Rastport(48);
    ASSERT_NE(slave, nullptr);
    // A visible pixel of the picture.
    int32_t px = -1, py = -1;
    for (int32_t y = 0; y < int32_t(slave->height) && px < 0; ++y)
        for (int32_t x = 0; x < int32_t(slave->width) && px < 0; ++x)
            if (Grafik_Pixel_Lesen(slave, x, y) > 1) px = x, py = y;
    ASSERT_GE(px, 0);
    const uint16_t getoent = seite1(150 + px, 200 + py);
    EXPECT_NE(getoent, Grafik_Pixel_Lesen(slave, px, py));
    Menue_Drag_Start(bild, 151, 201);
    Menue_Drag_Schritt(251, 221, 1);
    EXPECT_EQ(seite1(250 + px, 220 + py), getoent);
    Menue_Drop(251, 221);
}

namespace {

int32_t balken_wert = -1;
int32_t balken(Menue_Icon*, int32_t wert)
{
    balken_wert = wert;
    return 0;
}

}  // namespace

// A bar whose data says so leaves the drawing of its button to its owner; the button still moves
// and the bar still hears of it.
TEST_F(Ziehen, ABarCanLeaveTheDrawingOfItsButtonToItsOwner)
{
    Menue_Scrollbar_Daten daten{balken, 0, 620, 620, -1, 100, 300, 0, 0.0f, -1};
    Menue_Icon* knopf = knopf_auf_balken(944, 150, &daten, 6);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    const uint16_t weiss = seite1(625, knopf->y + 5);
    for (int16_t ohne : {0, 1}) {
        daten.ohne_zeichnen = ohne;
        balken_wert = -1;
        const int32_t ziel = 250 - 40 * ohne;
        Menue_Drag_Start(knopf, 625, knopf->y + 5);
        Menue_Drag_Schritt(625, ziel + 5, 1);
        EXPECT_EQ(knopf->y, ziel) << ohne;
        EXPECT_NE(balken_wert, -1) << ohne << ": the bar's procedure ran";
        if (ohne) EXPECT_NE(seite1(625, ziel + 5), weiss) << "not drawn by the drag";
        else EXPECT_EQ(seite1(625, ziel + 5), weiss) << "drawn at its new place";
        Menue_Drop(625, ziel + 5);
    }
}

// A track that ends before it starts cannot hold the button: reported, the button at its start.
TEST_F(Ziehen, AButtonOutsideItsTrackIsReported)
{
    Menue_Scrollbar_Daten daten{nullptr, 0, 620, 620, -1, 300, 100, 0, 0.0f, -1};
    Menue_Icon* knopf = knopf_auf_balken(945, 300, &daten);
    Fehler_Capture f;
    Menue_Drag_Start(knopf, 625, 305);
    Menue_Drag_Schritt(625, 200, 1);
    EXPECT_TRUE(f.contains("Moven: Scrollbutton-Pos falsch!"));
    EXPECT_EQ(knopf->y, 300);
    f.texts.clear();
    daten.y_start = 100;
    daten.y_ende = 300;
    Menue_Drag_Schritt(625, 400, 1);
    EXPECT_FALSE(f.contains("Moven")) << "a sound track says nothing";
    Menue_Drop(625, 400);
}
