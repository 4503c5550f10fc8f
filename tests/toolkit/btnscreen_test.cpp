// The gadget-list driver: hover and clicks by priority, the glow steps, help after a rest,
// loading and freeing, and the run loop's ends.
#include <cstring>
#include <vector>

#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os.h"
#include "platform/sound.h"
#include "platform/win95_sound.h"
#include "platform/win95.h"
#include "toolkit/btnscreen.h"
#include "toolkit/hilfe.h"
#include "toolkit/mausover.h"
#include "umgebung.h"

namespace {

int links_a, links_b, links_c, rechts_b, start_b, stop_b;
std::vector<int32_t> gesprochen;

Btnscreen_Gadget gadget(int32_t x, int32_t y, int32_t w, int32_t h, int32_t prioritaet, Btnscreen_Gadget* next)
{
    Btnscreen_Gadget g{};
    g.x = x;
    g.y = y;
    g.w = w;
    g.h = h;
    g.resfile = g.resource = -1;
    g.modus = 1;
    g.prioritaet = prioritaet;
    g.next = next;
    return g;
}

class Btnscreen : public Toolkit_Test {
protected:
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        links_a = links_b = links_c = rechts_b = start_b = stop_b = 0;
        gesprochen.clear();
        Menue_Hilfe_Sprechen_Set_Hook([](int32_t n) { gesprochen.push_back(n); });
        Screen_Frame_Zeit = 1000;
    }
    void TearDown() override
    {
        Menue_Hilfe_Sprechen_Set_Hook(nullptr);
        Toolkit_Test::TearDown();
    }
    static void schritt(Btnscreen_Gadget* liste, uint32_t zeit)
    {
        Screen_Frame_Zeit = zeit;
        Btnscreen_Schritt(liste);
    }
};

}  // namespace

TEST_F(Btnscreen, HoverAndClicksGoToTheHighestActiveGadgetOncePerPress)
{
    Btnscreen_Gadget c = gadget(0, 0, 200, 200, 9, nullptr);
    Btnscreen_Gadget b = gadget(50, 50, 100, 100, 2, &c);
    Btnscreen_Gadget a = gadget(0, 0, 120, 120, 1, &b);
    a.links = [](Btnscreen_Gadget*) { ++links_a; };
    b.links = [](Btnscreen_Gadget*) { ++links_b; };
    b.rechts = [](Btnscreen_Gadget*) { ++rechts_b; };
    b.mausover_start = [](Btnscreen_Gadget*) { ++start_b; };
    b.mausover_stop = [](Btnscreen_Gadget*) { ++stop_b; };
    c.links = [](Btnscreen_Gadget*) { ++links_c; };
    c.flag_a = a.flag_a = b.flag_a = BTN_A_GLUEHT;
    c.zustand = BTN_INAKTIV;
    ASSERT_EQ(Btnscreen_Laden(&a, 1), 1);

    maus(60, 60);
    for (int i = 0; i < 3; ++i) schritt(&a, 1000 + i);
    EXPECT_TRUE(b.flag_b & BTN_B_UEBER);
    EXPECT_FALSE(a.flag_b & BTN_B_UEBER);
    EXPECT_EQ(start_b, 1) << "mouse-over starts once per entry";
    EXPECT_EQ(b.highlight, 3);
    EXPECT_EQ(a.highlight, 0);
    EXPECT_EQ(c.highlight, 0) << "an inactive gadget never glows";

    maus(60, 60, true);
    for (int i = 0; i < 5; ++i) schritt(&a, 1010 + i);
    EXPECT_EQ(links_b, 1) << "held down, the click counts once";
    EXPECT_EQ(b.highlight, 0) << "a press takes the glow away at once";
    maus(60, 60);
    schritt(&a, 1020);
    maus(60, 60, true);
    schritt(&a, 1021);
    maus(60, 60, false, true);
    schritt(&a, 1022);
    EXPECT_EQ(links_b, 2);
    EXPECT_EQ(rechts_b, 0) << "the right button counts only from a released state";
    maus(60, 60);
    schritt(&a, 1023);
    maus(60, 60, false, true);
    schritt(&a, 1024);
    EXPECT_EQ(rechts_b, 1);
    EXPECT_EQ(links_a, 0);
    EXPECT_EQ(links_c, 0);

    // Leaving: the lower gadget takes over where only it lies.
    maus(10, 10);
    schritt(&a, 1030);
    EXPECT_FALSE(b.flag_b & BTN_B_UEBER);
    EXPECT_TRUE(a.flag_b & BTN_B_UEBER);
    EXPECT_EQ(stop_b, 1);
    EXPECT_EQ(b.hover_zeit, 0u);
    Btnscreen_Freigeben(&a, 1);
}

TEST_F(Btnscreen, GlowCountsUpToNineAndBackDownLeavingTheScreenAsItWas)
{
    Btnscreen_Gadget a = gadget(200, 200, 60, 30, 1, nullptr);
    a.flag_a = BTN_A_GLUEHT;
    ASSERT_EQ(Btnscreen_Laden(&a, 1), 1);
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 150, 150, 160, 130, 0x1234);
    std::vector<uint16_t> vorher;
    for (int32_t y = 180; y < 250; ++y)
        for (int32_t x = 180; x < 280; ++x) vorher.push_back(seite0(x, y));

    maus(220, 210);
    std::vector<int> stufen;
    for (int i = 0; i < 11; ++i) {
        schritt(&a, 2000 + i);
        stufen.push_back(a.highlight);
    }
    EXPECT_EQ(stufen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9}));
    EXPECT_NE(seite0(195, 215), 0x1234) << "the glow reaches beside the gadget";
    maus(400, 400);
    stufen.clear();
    for (int i = 0; i < 10; ++i) {
        schritt(&a, 2100 + i);
        stufen.push_back(a.highlight);
    }
    EXPECT_EQ(stufen, (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0, 0}));
    std::vector<uint16_t> nachher;
    for (int32_t y = 180; y < 250; ++y)
        for (int32_t x = 180; x < 280; ++x) nachher.push_back(seite0(x, y));
    EXPECT_EQ(nachher, vorher);
    Btnscreen_Freigeben(&a, 1);
}

TEST_F(Btnscreen, HelpBubbleAfterTwoSecondsSpokenHelpAfterFour)
{
    Btnscreen_Gadget a = gadget(100, 100, 80, 40, 1, nullptr);
    a.flag_a = BTN_A_HILFE;
    a.hilfe_sound = 7;
    ASSERT_EQ(Btnscreen_Laden(&a, 1), 1);
    maus(120, 120);
    schritt(&a, 10000);
    schritt(&a, 11999);
    EXPECT_FALSE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr));
    schritt(&a, 12000);
    int32_t w = 0;
    ASSERT_TRUE(Hilfe_Offen(nullptr, nullptr, &w, nullptr));
    EXPECT_EQ(w, Font_Text_Breite_Mit_Tabs(Font(3), "Keine Hilfe vorhanden.") + 8) << "the text without a procedure";
    schritt(&a, 13999);
    EXPECT_TRUE(gesprochen.empty());
    schritt(&a, 14000);
    schritt(&a, 15000);
    EXPECT_EQ(gesprochen, std::vector<int32_t>{7}) << "spoken once per rest";

    // A move starts the rest again, and leaving closes the bubble.
    maus(400, 400);
    schritt(&a, 15001);
    EXPECT_FALSE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr));
    maus(121, 121);
    schritt(&a, 16000);
    schritt(&a, 17999);
    EXPECT_FALSE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr));
    schritt(&a, 18000);
    EXPECT_TRUE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr));
    Btnscreen_Freigeben(&a, 1);
    EXPECT_FALSE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr));
}

TEST_F(Btnscreen, LoadingTakesSizesAndCopiesAndAMissingPictureLeavesNothing)
{
    Btnscreen_Gadget fehlt = gadget(0, 0, 10, 10, 1, nullptr);
    fehlt.resfile = 0;
    fehlt.resource = 3999;
    fehlt.modus = 2;
    Btnscreen_Gadget leer = gadget(0, 0, 30, 20, 1, &fehlt);
    Btnscreen_Gadget bild = gadget(5, 5, 0, 0, 1, &leer);
    bild.resfile = 0;
    bild.resource = 3687;
    bild.flag_a = BTN_A_GROESSE_AUS_BILD | BTN_A_KOPIE;
    bild.modus = 3;
    leer.modus = 1;
    bild.hover_zeit = fehlt.hover_zeit = 77;

    ASSERT_EQ(Btnscreen_Laden(&bild, 1), 1) << "the missing picture belongs to another mode";
    ASSERT_NE(bild.bitmap1, nullptr);
    EXPECT_FALSE(bild.bitmap1->packed) << "the screens draw into their pictures";
    EXPECT_EQ(bild.w, int32_t(bild.bitmap1->width));
    ASSERT_NE(bild.bitmap2, nullptr);
    EXPECT_EQ(std::memcmp(bild.bitmap1->pixels, bild.bitmap2->pixels, size_t(bild.w) * bild.h * 2), 0);
    ASSERT_NE(leer.bitmap1, nullptr);
    EXPECT_EQ(leer.bitmap1->width, 30u);
    EXPECT_EQ(fehlt.bitmap1, nullptr);
    EXPECT_EQ(bild.hover_zeit, 0u);
    EXPECT_EQ(fehlt.hover_zeit, 0u);
    Btnscreen_Freigeben(&bild, 1);
    EXPECT_EQ(bild.bitmap1, nullptr);
    EXPECT_EQ(bild.bitmap2, nullptr);

    EXPECT_EQ(Btnscreen_Laden(&bild, 2), 0);
    EXPECT_EQ(bild.bitmap1, nullptr);
    EXPECT_EQ(bild.bitmap2, nullptr);
    EXPECT_EQ(Btnscreen_Ausfuehren(&bild, 2), 0) << "a screen that does not load does not run";
}

TEST_F(Btnscreen, RunEndsOnTheRightButtonOrTheEndOfTheProgramAndFrees)
{
    Btnscreen_Gadget a = gadget(100, 100, 50, 50, 1, nullptr);
    a.resfile = 0;
    a.resource = 3688;
    a.flag_a = BTN_A_GROESSE_AUS_BILD | BTN_A_SICHTBAR | BTN_A_KOPIE;
    a.flag_b = BTN_B_TRANSPARENT;
    a.links = [](Btnscreen_Gadget*) { ++links_a; };
    Os_Script_Load_Text("move 110 110\nwait 100\nclick 110 110\nwait 100\nright down\nwait 100\nright up\n");
    EXPECT_EQ(Btnscreen_Ausfuehren(&a, 1), 1);
    EXPECT_EQ(links_a, 1);
    EXPECT_EQ(a.bitmap1, nullptr);
    EXPECT_EQ(a.bitmap2, nullptr);
    Os_Script_Stop();

    maus(0, 0);
    Programm_Ende = 1;
    EXPECT_EQ(Btnscreen_Ausfuehren(&a, 1), 1);
    EXPECT_EQ(a.bitmap1, nullptr);
}

TEST_F(Btnscreen, DragMovesTheImageOnlyWhereTheServeProcedurePutsIt)
{
    Btnscreen_Gadget a = gadget(100, 100, 20, 20, 1, nullptr);
    a.flag_b = BTN_B_ZIEHBAR;
    // Only along x, never left of 50.
    a.zieh_bedienen = [](Btnscreen_Gadget* g, int32_t x, int32_t) { g->x = x < 50 ? 50 : x; };
    a.zieh_stop = [](Btnscreen_Gadget*) { ++stop_b; };
    ASSERT_EQ(Btnscreen_Laden(&a, 1), 1);
    Grafik_Rechteck_Fuellen(a.bitmap1, 0, 0, 20, 20, 0x7777);
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 480, 0x0101);

    maus(105, 105);
    schritt(&a, 99);
    maus(105, 105, true);
    schritt(&a, 100);
    EXPECT_TRUE(a.zustand & BTN_GEZOGEN);
    maus(205, 305, true);
    schritt(&a, 101);
    EXPECT_EQ(a.x, 200);
    EXPECT_EQ(a.y, 100);
    EXPECT_EQ(seite0(210, 110), 0x7777);
    maus(5, 105, true);
    schritt(&a, 102);
    EXPECT_EQ(a.x, 50);
    EXPECT_EQ(seite0(210, 110), 0x0101) << "the old place is put back";
    EXPECT_EQ(seite0(55, 110), 0x7777);
    maus(5, 105);
    schritt(&a, 103);
    EXPECT_FALSE(a.zustand & BTN_GEZOGEN);
    EXPECT_EQ(stop_b, 1);
    EXPECT_EQ(seite0(55, 110), 0x0101) << "the image goes with the drag";
    Btnscreen_Freigeben(&a, 1);
}

TEST_F(Btnscreen, ClickSoundsArePannedByScreenXAndGoWithTheScreen)
{
    ASSERT_EQ(Sound_Init(), 1);
    Btnscreen_Gadget a = gadget(0, 0, 10, 10, 1, nullptr);
    ASSERT_EQ(Btnscreen_Laden(&a, 1), 1);
    auto spielt = [] {
        std::vector<int> ids;
        for (int id = 0; Sound_Id_Gueltig(id); ++id)
            if (Sound_Is_Playing(id)) ids.push_back(id);
        return ids;
    };
    struct { int slot, x, pan; } faelle[] = {{0, 0, -4800}, {1, 639, 4785}, {2, -1, 0}};
    for (auto f : faelle) {
        ASSERT_EQ(Btnscreen_Sound(f.slot, f.x), 1) << f.slot;
        const std::vector<int> ids = spielt();
        ASSERT_EQ(ids.size(), 1u);
        EXPECT_EQ(Win95_Sound_Get_Pan(ids[0]), f.pan) << f.x;
        EXPECT_EQ(Win95_Sound_Get_Volume(ids[0]), -500);
        Sound_Stop(ids[0]);
    }
    EXPECT_EQ(Btnscreen_Sound(3, 100), 0) << "an empty slot";
    Btnscreen_Freigeben(&a, 1);
    EXPECT_EQ(Btnscreen_Sound(0, 100), 0) << "the samples went with the screen";
    Sound_DeInit();
}
