// The event step: which icon the pointer is on, what a click does, layers, the wheel, the time
// limit and the pointer shapes; and entering and leaving a manager's turn.
#include <initializer_list>
#include <utility>
#include <vector>

#include "database/manager.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_screen.h"
#include "platform/mauszeiger.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os.h"
#include "platform/os/os_intern.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"
#include "toolkit/ziehen.h"
#include "umgebung.h"

namespace {

struct Klick {
    Menue_Icon* icon;
    uint32_t flags;
};
std::vector<Klick> klicks;
int32_t merken(Menue_Icon* icon, uint32_t flags)
{
    klicks.push_back({icon, flags});
    return 0;
}
int32_t sich_entfernen(Menue_Icon* icon, uint32_t flags)
{
    merken(icon, flags);
    Menue_Icon_Entfernen(icon);
    return 0;
}

bool gestartet() { return true; }

}  // namespace

class Event : public Toolkit_Test {
protected:
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        klicks.clear();
    }
    Menue_Icon* knopf(int16_t nummer, int16_t x, int16_t y, int8_t pri, uint32_t flags = 0)
    {
        Menue_Icon* i = flaeche(nummer, x, y, 40, 20, pri);
        i->flags |= flags;
        i->klick = merken;
        Menue_Screen_Icon_Hinzufuegen(i);
        return i;
    }
    struct Stelle {
        int32_t x, y;
        bool getroffen;
    };
    // The pointer rested on each place (leaving the old icon takes a step of its own): the icon
    // is current exactly where it is to be hit.
    void treffer_pruefen(const Menue_Icon* icon, std::initializer_list<Stelle> stellen)
    {
        for (const Stelle& s : stellen) {
            maus(s.x, s.y);
            Menue_Icons_Check(-1);
            Menue_Icons_Check(-1);
            EXPECT_EQ(Menue_Aktuelles_Icon == icon, s.getroffen) << s.x << "," << s.y;
        }
    }
    // Rest the pointer on (x, y) with no button (leaving the old icon takes a step of its own),
    // then press the buttons for one step.
    int8_t klicken(int32_t x, int32_t y, bool links, bool rechts = false)
    {
        maus(x, y);
        Menue_Icons_Check(-1);
        Menue_Icons_Check(-1);
        maus(x, y, links, rechts);
        int8_t r = Menue_Icons_Check(-1);
        maus(x, y);
        return r;
    }
};

TEST_F(Event, NothingUnderThePointerAndNothingCurrentChangesNothing)
{
    knopf(900, 300, 300, 5);
    maus(50, 300, true);
    EXPECT_EQ(Menue_Icons_Check(-1), 0);
    EXPECT_EQ(Menue_Aktuelles_Icon, nullptr);
    EXPECT_TRUE(klicks.empty());
    EXPECT_EQ(Menue_Zeiger_Form(), 0);
}

// Work outside the menu leaves its pointer behind (the busy pointer of a savegame being read,
// or the popup list's plain one): the menu's next step shows its own again, though its choice
// did not change.
TEST_F(Event, TheMenuTakesBackThePointerThatOtherWorkLeft)
{
    const Mauszeiger_Tabelle_Record alt = Mauszeiger_Tabelle;
    Mauszeiger_Tabelle = {};
    Rastport* bild = Grafik_Bitmap_Anlegen(4, 4, Grafik_Screen_Geometrie.depth);
    for (Mauszeiger_Image*& i : Mauszeiger_Tabelle.images) i = Mauszeiger_Image_Create(bild, 4, 4, 0, 0);
    Grafik_Bitmap_Freigeben(bild);
    Mauszeiger_Tabelle.anzahl = MAUSZEIGER_MAX;
    Menue_Icon* i = knopf(905, 200, 200, 5);
    for (auto [x, y] : {std::pair{50, 300}, std::pair{210, 210}}) {
        maus(x, y);
        Menue_Icons_Check(-1);
        Menue_Icons_Check(-1);
        const int32_t form = Menue_Zeiger_Form();
        EXPECT_EQ(Mauszeiger_Get_Selected(), form);
        Mauszeiger_Select(5);
        Menue_Icons_Check(-1);
        EXPECT_EQ(Mauszeiger_Get_Selected(), form) << "the busy pointer stayed at " << x << "," << y;
    }
    Menue_Icon_Entfernen(i);
    for (Mauszeiger_Image*& b : Mauszeiger_Tabelle.images) b = Mauszeiger_Image_Free(b);
    Mauszeiger_Tabelle = alt;
}

TEST_F(Event, ThePointerIsOnTheHighestPriorityAndAtEqualPriorityOnTheHigherSlot)
{
    Menue_Icon* unten = knopf(901, 100, 100, 10);
    Menue_Icon* oben = knopf(902, 100, 100, 12);
    maus(110, 105);
    EXPECT_EQ(Menue_Icons_Check(-1), 0);
    EXPECT_EQ(Menue_Aktuelles_Icon, oben);
    Menue_Icon_Entfernen(oben);
    Menue_Icon* spaeter = knopf(903, 100, 100, 10);
    Menue_Icons_Check(-1);
    EXPECT_EQ(Menue_Aktuelles_Icon, spaeter);
    (void)unten;

    // Leaving it: the step says so once.
    maus(400, 400);
    EXPECT_EQ(Menue_Icons_Check(-1), 1);
    EXPECT_EQ(Menue_Aktuelles_Icon, nullptr);
    EXPECT_EQ(Menue_Icons_Check(-1), 0);
}

TEST_F(Event, ADisabledIconBecomesCurrentButIgnoresClicks)
{
    for (uint16_t status : {uint16_t(ICON_GESPERRT), uint16_t(ICON_GESPERRT_2)}) {
        Menue_Icon* i = knopf(904, 200, 200, 5);
        i->status = status;
        EXPECT_EQ(klicken(210, 210, true), 0);
        EXPECT_EQ(Menue_Aktuelles_Icon, i);
        EXPECT_EQ(Menue_Zeiger_Form(), 1);
        EXPECT_TRUE(klicks.empty());
        Menue_Icon_Entfernen(i);
    }
}

TEST_F(Event, ClickFlagsByButtonMarkAndForcing)
{
    Menue_Icon* links = knopf(910, 100, 100, 5);
    Menue_Icon* beide = knopf(911, 200, 100, 5, ICON_RECHTE_TASTE);
    Menue_Icon* markiert = knopf(912, 300, 100, 5, ICON_KLICK_MARKE);
    EXPECT_EQ(klicken(110, 105, true), 2);
    EXPECT_EQ(klicken(110, 105, false, true), 0);  // a right click on a left-only icon does nothing
    EXPECT_EQ(klicken(210, 105, false, true), 2);
    EXPECT_EQ(klicken(310, 105, true), 2);
    ASSERT_EQ(klicks.size(), 3u);
    EXPECT_EQ(klicks[0].icon, links);
    EXPECT_EQ(klicks[0].flags, KLICK_LINKS);
    EXPECT_EQ(klicks[1].icon, beide);
    EXPECT_EQ(klicks[1].flags, KLICK_RECHTS);
    EXPECT_EQ(klicks[2].flags, KLICK_LINKS | KLICK_MARKE);

    klicks.clear();
    maus(500, 400);
    EXPECT_EQ(Menue_Icons_Check(910), 2);
    EXPECT_EQ(Menue_Icons_Check(912), 2);
    ASSERT_EQ(klicks.size(), 2u);
    EXPECT_EQ(klicks[0].flags, 0u);
    EXPECT_EQ(klicks[1].icon, markiert);
    EXPECT_EQ(klicks[1].flags, uint32_t(KLICK_MARKE));

    // A number nobody registered, or none at all, clicks nothing.
    klicks.clear();
    Fehler_Capture f;
    EXPECT_EQ(Menue_Icons_Check(2000), 0);
    EXPECT_EQ(Menue_Icons_Check(-77), 0);
    EXPECT_EQ(Menue_Icons_Check(2701), 0);
    EXPECT_TRUE(klicks.empty());
    EXPECT_EQ(Menue_Aktuelles_Icon, nullptr);
}

TEST_F(Event, AnIconThatRemovesItselfInItsClickEndsTheStepWithMinusTwo)
{
    Menue_Icon* i = knopf(913, 100, 100, 5);
    i->klick = sich_entfernen;
    EXPECT_EQ(klicken(110, 105, true), -2);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(913), 0);
    EXPECT_EQ(Menue_Aktuelles_Icon, nullptr);
}

// A layer of priority 20 covers what lies under its rectangle: only icons beside it can become
// current, and only the layer's own icons fire. A right click anywhere runs its linked icon
// when the layer asks for it.
TEST_F(Event, UnderALayerOnlyIconsBesideItAreHit)
{
    knopf(920, 150, 150, 10);
    Menue_Icon* daneben = knopf(921, 500, 400, 10);
    Menue_Icon* ebene = flaeche(922, 100, 100, 300, 200, 20, 27);
    Menue_Screen_Icon_Hinzufuegen(ebene);
    Menue_Icon* ok = knopf(923, 300, 250, 20);

    maus(160, 155);
    Menue_Icons_Check(-1);
    EXPECT_EQ(Menue_Aktuelles_Icon, ebene);
    EXPECT_EQ(Menue_Ist_Modal(), 1);
    EXPECT_EQ(klicken(510, 405, true), 0);
    EXPECT_EQ(Menue_Aktuelles_Icon, daneben);
    EXPECT_TRUE(klicks.empty());
    EXPECT_EQ(klicken(310, 255, true), 2);
    ASSERT_EQ(klicks.size(), 1u);
    EXPECT_EQ(klicks[0].icon, ok);

    klicks.clear();
    ebene->flags |= ICON_RECHTS_VERKNUEPFT;
    ebene->verknuepft = 923;
    maus(600, 50);
    Menue_Icons_Check(-1);
    Os_Script_Load_Text("right down\nright up\n");
    EXPECT_EQ(Menue_Icons_Check(-1), -2);
    ASSERT_EQ(klicks.size(), 1u);
    EXPECT_EQ(klicks[0].icon, ok);
    EXPECT_EQ(klicks[0].flags, KLICK_LINKS);
    Os_Script_Stop();
}

TEST_F(Event, TheTimeLimitDrawsItsBarAndEndsTheMenu)
{
    const uint16_t rot = Grafik_Farbe(9, 1, 1);
    maus(300, 300);
    Menue_Icons_Check(-1);
    EXPECT_NE(seite0(0, 0), rot);  // no limit, no bar

    Menue_Zeitlimit = 60000;
    Menue_Startzeit = Timer_Get_Time() - 30000;
    EXPECT_EQ(Menue_Icons_Check(-1), 0);
    EXPECT_EQ(seite0(100, 0), rot);
    EXPECT_NE(seite0(400, 0), rot);
    Menue_Startzeit = Timer_Get_Time() - 60000;
    EXPECT_EQ(Menue_Icons_Check(-1), -1);
    EXPECT_EQ(seite0(637, 0), rot);

    // Under a layer the time does not end the menu.
    Menue_Screen_Icon_Hinzufuegen(flaeche(925, 100, 100, 50, 50, 22));
    EXPECT_NE(Menue_Icons_Check(-1), -1);
}

TEST_F(Event, AWheelTurnScrollsAndHoldsTheCurrentIconForHalfASecond)
{
    Menue_Icon* x = knopf(930, 100, 100, 5);
    Menue_Icon* y = knopf(931, 300, 100, 5);
    maus(110, 105);
    Menue_Icons_Check(-1);
    ASSERT_EQ(Menue_Aktuelles_Icon, x);

    // No scroll button on screen: the turn is dropped.
    Win95_Eingabe.rad = 1;
    Menue_Icons_Check(-1);
    EXPECT_EQ(Win95_Eingabe.rad, 0);
    EXPECT_EQ(Menue_Aktuelles_Icon, x);
    EXPECT_EQ(Menue_Rad_Zeit, 0u);

    Menue_Icon* knopf_s = flaeche(932, 600, 100, 10, 10, 5);
    knopf_s->flags |= ICON_SCROLLBUTTON;
    Menue_Screen_Icon_Hinzufuegen(knopf_s);
    Win95_Eingabe.rad = 1;
    Menue_Icons_Check(-1);
    EXPECT_EQ(Win95_Eingabe.rad, 0);
    EXPECT_NE(Menue_Rad_Zeit, 0u);
    EXPECT_EQ(Menue_Aktuelles_Icon, nullptr);  // the button was scrolled, nothing is current

    maus(310, 105);
    Menue_Icons_Check(-1);
    EXPECT_EQ(Menue_Aktuelles_Icon, nullptr);
    Os_Clock_Advance(501);
    Menue_Icons_Check(-1);
    EXPECT_EQ(Menue_Aktuelles_Icon, y);
}

TEST_F(Event, ARightClickOnEmptySpaceEndsTheMenuOnlyWithoutAnActingTeam)
{
    knopf(940, 100, 100, 5);
    maus(400, 400);
    Menue_Icons_Check(-1);
    Os_Script_Load_Text("right down\nright up\n");
    EXPECT_EQ(Menue_Icons_Check(-1), -1);
    Os_Script_Stop();
    Aktuelles_Team = 2;
    Os_Script_Load_Text("right down\nright up\n");
    EXPECT_EQ(Menue_Icons_Check(-1), 2);
    Os_Script_Stop();
}

TEST_F(Event, TheContinueIconEndsTheTurnOnlyInAGame)
{
    Menue_Icon* weiter = knopf(MENUE_WEITER_ICON, 597, 420, 5);
    EXPECT_EQ(klicken(600, 430, true), 2);  // no game: an ordinary click
    EXPECT_EQ(klicks.size(), 1u);
    Eingang_Set_Spiel_Gestartet_Hook(gestartet);
    EXPECT_EQ(klicken(600, 430, true), -1);
    EXPECT_EQ(klicks.size(), 1u);
    // In automatic mode the step presses it by itself.
    maus(100, 300);
    Menue_Icons_Check(-1);
    Menue_Automatik_Bytes[0] = Menue_Automatik_Bytes[1] = 1;
    EXPECT_EQ(Menue_Icons_Check(-1), -1);
    (void)weiter;
}

// Each row of the pointer-shape table, first rule that applies.
TEST_F(Event, PointerShapes)
{
    auto form = [&](Menue_Icon* i) {
        maus(i->x + 2, i->y + 2, Menue_Gezogenes_Icon != nullptr);
        Menue_Icons_Check(-1);
        Menue_Icons_Check(-1);
        return Menue_Zeiger_Form();
    };
    auto mit = [&](int16_t nummer, uint32_t flags, bool klick, bool kontext, uint16_t status = 0) {
        Menue_Icon* i = flaeche(nummer, 100, 100, 40, 20, 5);
        i->flags |= flags;
        i->status = status;
        if (klick) i->klick = merken;
        if (kontext) i->kontext = [](Menue_Icon*) -> Menue_Kontextmenue* { return nullptr; };
        Menue_Screen_Icon_Hinzufuegen(i);
        int32_t f = form(i);
        Menue_Icon_Entfernen(i);
        return f;
    };
    EXPECT_EQ(mit(950, 0, true, true), 7);
    EXPECT_EQ(mit(950, ICON_ZIEHBAR, true, false), 12);
    EXPECT_EQ(mit(950, 0, true, false), 6);
    EXPECT_EQ(mit(950, ICON_KEIN_KLICKZEIGER, true, false), 0);
    EXPECT_EQ(mit(950, ICON_ZIEHBAR | ICON_RECHTE_TASTE, true, false), 14);
    EXPECT_EQ(mit(950, ICON_RECHTE_TASTE, false, false), 8);
    EXPECT_EQ(mit(950, ICON_ZIEHBAR, false, true), 13);
    EXPECT_EQ(mit(950, ICON_ZIEHBAR, false, false), 10);
    EXPECT_EQ(mit(950, 0, false, false), 0);
    EXPECT_EQ(mit(950, ICON_ZEIGER_15, true, true), 15);
    EXPECT_EQ(mit(950, 0, true, true, ICON_GESPERRT), 1);

    maus(500, 300);
    Menue_Icons_Check(-1);
    EXPECT_EQ(Menue_Zeiger_Form(), 0);
    Eingang_Set_Spiel_Gestartet_Hook(gestartet);
    Menue_Icons_Check(-1);
    EXPECT_EQ(Menue_Zeiger_Form(), 19);
    Menue_Icon* weiter = knopf(MENUE_WEITER_ICON, 597, 420, 5);
    EXPECT_EQ(form(weiter), 17);
    Menue_Icon_Entfernen(weiter);

    // Modal: anything below the layer shows the modal pointer, the layer's own icons theirs.
    Menue_Icon* ebene = flaeche(951, 300, 300, 100, 50, 21);
    Menue_Screen_Icon_Hinzufuegen(ebene);
    Menue_Icon* unten = knopf(952, 20, 300, 5);
    EXPECT_EQ(form(unten), 1);
    Menue_Icon* oben = knopf(953, 310, 310, 22);
    EXPECT_EQ(form(oben), 6);
    Menue_Icon_Entfernen(ebene);
    Menue_Icon_Entfernen(oben);

    // While dragging: a scroll button or an icon without drag description shows the arrow, a
    // fitting drop target 18, an icon that keeps the pointer keeps it, any other target 0.
    static Menue_Move_Struktur passend{1, 0, nullptr, nullptr, {-1, 0, 0, 0}, nullptr, -1};
    static Menue_Move_Struktur behalten{1, 0x80, nullptr, nullptr, {-1, 0, 0, 0}, nullptr, -1};
    Menue_Icon* gezogen = flaeche(954, 0, 450, 10, 10, 5);
    Menue_Icon* ziel = knopf(955, 200, 200, 5);
    ziel->drop_typ = 1;
    Menue_Gezogenes_Icon = gezogen;
    EXPECT_EQ(form(ziel), 0);
    gezogen->move = &passend;
    EXPECT_EQ(form(ziel), 18);
    gezogen->move = &behalten;
    ziel->drop_typ = 2;
    EXPECT_EQ(form(ziel), 18);
    gezogen->move = &passend;
    EXPECT_EQ(form(ziel), 0);
    gezogen->flags |= ICON_SCROLLBUTTON;
    ziel->drop_typ = 1;
    EXPECT_EQ(form(ziel), 0);
    Menue_Gezogenes_Icon = nullptr;
}

TEST_F(Event, EnteringAndLeavingATurn)
{
    Menue_Rein(5, 0);
    EXPECT_EQ(Menue_Status.aktiv, 1);
    EXPECT_EQ(Aktuelles_Team, 5);
    EXPECT_EQ(Gegner_Team, -1);
    EXPECT_EQ(Menue_Basis_Liste[0].kennung_1, 5);
    EXPECT_EQ(Menue_Basis_Liste[1].kennung_1, -1);
    EXPECT_NE(Menue_Basis_Liste[0].mausover, nullptr);
    EXPECT_EQ(Menue_Basis_Liste[1].mausover, nullptr);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(723), 1);

    // While the menu is on, entering again without force does nothing.
    Menue_Rein(7, 0);
    EXPECT_EQ(Aktuelles_Team, 5);
    Aktuelles_Team_Seite = 1;
    Menue_Rein(7, 1);
    EXPECT_EQ(Menue_Basis_Liste[0].kennung_1, -1);
    EXPECT_EQ(Menue_Basis_Liste[1].kennung_1, 7);

    // A savegame loaded during a turn: the next step enters it again.
    Menue_Status.wieder_rein = 1;
    Menue_Status.startzeit = 1234;
    Aktuelles_Team = 9;
    EXPECT_EQ(Menue_Event_Schritt(1, -1), 1);
    EXPECT_EQ(Menue_Status.team, 9);
    EXPECT_EQ(Menue_Status.wieder_rein, 0);
    EXPECT_EQ(Menue_Status.startzeit, 1234u);

    Netz_Rolle = 1;
    Menue_Raus();
    EXPECT_EQ(Aktuelles_Team, 9);
    EXPECT_EQ(Menue_Status.aktiv, 0);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(701), 0);
    Menue_Rein(9, 0);
    Netz_Rolle = 3;
    EIGENER_SERVER = 1;
    Menue_Raus();
    EXPECT_EQ(Aktuelles_Team, -1);
    EXPECT_EQ(Handelndes_Team, uint32_t(-1));
    EXPECT_EQ(seite1(320, 240), 1);
}

// A held button clicks once, also when the click opens the next turn under the pointer; a
// click whose down and up fell between two steps still clicks, once.
TEST_F(Event, OnePressIsOneClick)
{
    Menue_Icon* a = knopf(900, 100, 100, 5);
    maus(110, 105);
    Menue_Icons_Check(-1);
    maus(110, 105, true);
    for (int i = 0; i < 20; ++i) Menue_Icons_Check(-1);
    EXPECT_EQ(klicks.size(), 1u) << "held after the click";
    // The same button still held on the next round's continue icon ends nothing.
    Eingang_Set_Spiel_Gestartet_Hook(gestartet);
    Menue_Icon* weiter = knopf(MENUE_WEITER_ICON, 597, 420, 5);
    maus(600, 430, true);
    int8_t ende = 0;
    for (int i = 0; i < 20 && ende != -1; ++i) ende = Menue_Icons_Check(-1);
    EXPECT_NE(ende, -1);
    maus(600, 430);
    Menue_Icons_Check(-1);
    Os_Input_Set_Buttons(true, false);
    Os_Input_Set_Buttons(false, false);
    EXPECT_EQ(Menue_Icons_Check(-1), -1) << "down and up between two steps";
    Eingang_Set_Spiel_Gestartet_Hook(nullptr);
    // Pressed anew while the step did not look: a new click.
    maus(110, 105, true);
    Menue_Icons_Check(-1);
    Menue_Icons_Check(-1);
    EXPECT_EQ(klicks.size(), 2u);
    Os_Input_Set_Buttons(false, false);
    Os_Input_Set_Buttons(true, false);
    Menue_Icons_Check(-1);
    Menue_Icons_Check(-1);
    EXPECT_EQ(klicks.size(), 3u);
    maus(110, 105);
    (void)a, (void)weiter;
}

// A press that comes with the pointer onto an icon (moved, pressed and even released before the
// step looks, as a fast pointer does right after a menu closed) is that icon's click, once; a
// button already held when the pointer comes onto an icon clicks nothing.
TEST_F(Event, APressThatBringsThePointerOntoAnIconIsItsClick)
{
    Menue_Icon* a = knopf(900, 100, 100, 5);
    Menue_Icon* b = knopf(901, 300, 100, 5);
    maus(400, 400);
    Menue_Icons_Check(-1);
    Os_Input_Set_Mouse(110, 105);
    Os_Input_Set_Buttons(true, false);
    Os_Input_Set_Buttons(false, false);
    Menue_Icons_Check(-1);
    Menue_Icons_Check(-1);
    ASSERT_EQ(klicks.size(), 1u);
    EXPECT_EQ(klicks[0].icon, a);
    // pressed and held while moving onto the other one: its click, once
    maus(400, 400);
    Menue_Icons_Check(-1);
    maus(310, 105, true);
    for (int i = 0; i < 5; ++i) Menue_Icons_Check(-1);
    ASSERT_EQ(klicks.size(), 2u);
    EXPECT_EQ(klicks[1].icon, b);
    // held on, carried back onto the first: nothing
    maus(110, 105, true);
    for (int i = 0; i < 5; ++i) Menue_Icons_Check(-1);
    EXPECT_EQ(klicks.size(), 2u);
    maus(110, 105);
    Menue_Icons_Check(-1);
}

// A press belongs to the icon it was begun on. A button pressed on empty space and carried onto
// an icon fires nothing there, neither when the window reports the move step by step nor when
// the press and the move come in one poll; nor does a press begun on one icon fire the one it
// is carried to. A click begun on the icon still fires, also a quick one.
TEST_F(Event, AButtonPressedBesideAnIconAndCarriedOntoItFiresNothing)
{
    Eingang_Set_Spiel_Gestartet_Hook(gestartet);
    Menue_Icon* a = knopf(900, 100, 100, 5);
    knopf(MENUE_WEITER_ICON, 597, 420, 5);
    auto tragen = [&](std::initializer_list<std::pair<int32_t, int32_t>> weg) {
        int8_t ende = 0;
        for (auto [x, y] : weg) {
            maus(x, y, true);
            for (int i = 0; i < 3; ++i) ende = std::min<int8_t>(ende, Menue_Icons_Check(-1));
        }
        maus(weg.end()[-1].first, weg.end()[-1].second);
        ende = std::min<int8_t>(ende, Menue_Icons_Check(-1));
        return ende;
    };
    // step by step, as the window's moves arrive
    maus(400, 300);
    Menue_Icons_Check(-1);
    EXPECT_NE(tragen({{400, 300}, {500, 360}, {590, 425}, {600, 430}}), -1) << "the turn ended";
    EXPECT_NE(tragen({{400, 300}, {110, 105}}), -1);
    EXPECT_TRUE(klicks.empty());
    // pressed and carried within one poll
    maus(400, 300);
    Menue_Icons_Check(-1);
    Os_Input_Set_Buttons(true, false);
    Os_Input_Set_Mouse(600, 430);
    int8_t ende = 0;
    for (int i = 0; i < 5; ++i) ende = std::min<int8_t>(ende, Menue_Icons_Check(-1));
    EXPECT_NE(ende, -1);
    maus(600, 430);
    Menue_Icons_Check(-1);
    EXPECT_TRUE(klicks.empty());
    // begun on the one, carried to the continue icon: the one's click only
    maus(110, 105);
    Menue_Icons_Check(-1);
    EXPECT_NE(tragen({{110, 105}, {400, 300}, {600, 430}}), -1);
    ASSERT_EQ(klicks.size(), 1u);
    EXPECT_EQ(klicks[0].icon, a);
    // a quick click on the continue icon ends the turn, after all this
    Os_Input_Set_Buttons(true, false);
    Os_Input_Set_Buttons(false, false);
    EXPECT_EQ(Menue_Icons_Check(-1), -1);
    Eingang_Set_Spiel_Gestartet_Hook(nullptr);
}

// An icon is hit where its rectangle and its area meet. A pixel-exact one asks its picture only
// with the pointer within its area, and each asking pumps the messages once (headless a
// millisecond of the clock): a step pumps as often as ever, wherever the pointer rests.
TEST_F(Event, AnIconIsHitWhereItsRectangleAndItsAreaMeetAndAPictureIsAskedOnlyWithinTheArea)
{
    Menue_Icon* i = knopf(900, 300, 300, 5);
    i->bereich[0] = 320, i->bereich[1] = 0, i->bereich[2] = 639, i->bereich[3] = 479;
    treffer_pruefen(i, {{310, 310, false}, {330, 310, true}, {339, 319, true}, {340, 310, false}, {500, 100, false}});
    Menue_Icon_Entfernen(i);

    // A pixel-exact icon whose area is the left half of the screen; its picture lies beside it.
    Menue_Icon* p = knopf(901, 100, 100, 5, ICON_PIXELGENAU);
    p->bitmap = nullptr;
    p->bereich[0] = 0, p->bereich[1] = 0, p->bereich[2] = 319, p->bereich[3] = 479;
    auto pumpen = [&](int32_t x, int32_t y) {
        maus(x, y);
        const uint32_t vorher = Os_Time_Ms();
        Menue_Icons_Check(-1);
        return Os_Time_Ms() - vorher;
    };
    const uint32_t ausserhalb = pumpen(400, 300);
    EXPECT_EQ(pumpen(200, 300), ausserhalb + 1);
    EXPECT_EQ(pumpen(110, 105), ausserhalb + 1);
    EXPECT_EQ(Menue_Aktuelles_Icon, nullptr) << "a picture that is not there is not hit";
    EXPECT_EQ(pumpen(500, 300), ausserhalb);
}

// An icon hanging over the screen's top left corner: the hit is exact on both sides of each
// edge, whatever the signs of position and pointer.
TEST_F(Event, AnIconOverTheScreensEdgeIsHitExactlyOnItsVisiblePart)
{
    Menue_Icon* ecke = knopf(930, -30, -10, 5);  // 40 x 20: x -30..9, y -10..9
    ecke->bereich[0] = -100, ecke->bereich[1] = -100;
    treffer_pruefen(ecke, {{0, 0, true}, {9, 9, true}, {10, 5, false}, {5, 10, false}, {-30, -10, true},
                           {-31, 0, false}, {0, -11, false}});
}

// A glowing icon of the current icon's glow group glows on with the pointer away from it: here
// it is the only glowing one, so the glow goes on only if the walk took it.
TEST_F(Event, TheCurrentIconsGlowGroupGlowsAwayFromThePointer)
{
    Menue_Icon* a = knopf(940, 100, 100, 5);
    Menue_Icon* b = knopf(941, 400, 300, 5);
    a->glow_gruppe = b->glow_gruppe = 7;
    b->status |= ICON_GLUEHT;
    maus(110, 105);
    Menue_Glow_Stufe = 0;
    Menue_Icons_Check(-1);
    ASSERT_EQ(Menue_Aktuelles_Icon, a);
    const int32_t nach_erstem = Menue_Glow_Stufe;
    Menue_Icons_Check(-1);
    EXPECT_GT(Menue_Glow_Stufe, nach_erstem) << "the group's glow goes on while the pointer rests";
}

// A glowing icon of the group that is hidden or not to be hit stays out of the walk, beside the
// pointer as anywhere: with it the only glowing one, nothing glows on.
TEST_F(Event, AHiddenOrUntouchableIconOfTheGlowGroupDoesNotGlow)
{
    Menue_Icon* a = knopf(942, 100, 100, 5);
    Menue_Icon* b = knopf(943, 400, 300, 5);
    a->glow_gruppe = b->glow_gruppe = 7;
    // Whether a second step with the pointer resting on a took the glow further.
    auto glueht_weiter = [&] {
        maus(110, 105);
        Menue_Glow_Stufe = 0;
        Menue_Icons_Check(-1);
        const int32_t stufe = Menue_Glow_Stufe;
        Menue_Icons_Check(-1);
        return Menue_Aktuelles_Icon == a && Menue_Glow_Stufe > stufe;
    };
    b->status |= ICON_GLUEHT | ICON_VERSTECKT;
    EXPECT_FALSE(glueht_weiter()) << "hidden";
    b->status &= uint16_t(~ICON_VERSTECKT);
    b->flags |= ICON_NICHT_TREFFEN;
    EXPECT_FALSE(glueht_weiter()) << "not to be hit";
    b->flags &= ~uint32_t(ICON_NICHT_TREFFEN);
    EXPECT_TRUE(glueht_weiter()) << "glowing and to be hit";
}

namespace {

Menue_Icon* nachgereicht = nullptr;
// Help text of an icon that files another icon while the step walks.
const char* reicht_nach(Menue_Icon*)
{
    if (nachgereicht && !Menue_Icons.vorhanden[nachgereicht->nummer]) Menue_Screen_Icon_Hinzufuegen(nachgereicht);
    return "";
}

}  // namespace

// The step walks only the priorities that hold an icon: what it knows of them must follow every
// filling of the lists, between steps and within one.
TEST_F(Event, IconsFiledInPrioritiesThatWereEmptyAreHit)
{
    Menue_Icon* mitte = knopf(910, 100, 100, 9);
    maus(110, 105);
    Menue_Icons_Check(-1);
    EXPECT_EQ(Menue_Aktuelles_Icon, mitte);

    // Priorities empty until now, below and above, at the very bottom and in the top layers.
    for (int8_t pri : {int8_t(3), int8_t(15), int8_t(0), int8_t(MAX_SCREEN_ICON_PRIORITY - 1)}) {
        maus(400, 400);
        Menue_Icons_Check(-1);
        Menue_Icon* neu = knopf(int16_t(911 + pri), 400, 400, pri);
        Menue_Icons_Check(-1);
        EXPECT_EQ(Menue_Aktuelles_Icon, neu) << int(pri);
        Menue_Icon_Entfernen(neu);
        Menue_Icons_Check(-1);
        EXPECT_EQ(Menue_Aktuelles_Icon, nullptr) << int(pri);
    }
}

TEST_F(Event, AnIconFiledWhileTheStepWalksIsWalkedInTheSameStep)
{
    // The current icon's help text, asked in the walk of priority 12, files an icon in priority
    // 4, which held nothing when the step began: the same step finds it under the pointer.
    Menue_Icon* oben = knopf(950, 100, 100, 12, ICON_SOFORT);
    oben->mausover = reicht_nach;
    nachgereicht = flaeche(951, 100, 100, 40, 20, 4);
    maus(110, 105);
    Menue_Icons_Check(-1);
    ASSERT_EQ(Menue_Aktuelles_Icon, oben);
    // Moved off the pointer it stays current (the pointer is still in the rectangle it was
    // taken in), and its help is asked, but it is no longer hit.
    oben->x = 300;
    Aktuelles_Team = 0;
    Menue_Hilfe_Status = 0;
    Menue_Icons_Check(-1);
    Aktuelles_Team = -1;
    EXPECT_TRUE(Menue_Icons.vorhanden[951]);
    EXPECT_EQ(Menue_Aktuelles_Icon, nachgereicht);
    nachgereicht = nullptr;
}

namespace {
int32_t hilfe_gefragt = 0;
const char* hilfe_zaehlen(Menue_Icon*)
{
    ++hilfe_gefragt;
    return "";
}
}  // namespace

// The current icon's help follows the acting manager's setting as it stands at each step: none
// while it is off, at once when it is switched on under the resting pointer, and nothing more
// once the help has been spoken.
TEST_F(Event, TheHelpFollowsTheManagersSettingAtEachStep)
{
    Manager_Struktur* m = vereine_anlegen(2, 1);
    Menue_Icon* i = knopf(960, 200, 200, 8);
    i->mausover = hilfe_zaehlen;
    hilfe_gefragt = 0;
    m->optionen[0] = 0;
    maus(210, 205);
    Menue_Icons_Check(-1);
    ASSERT_EQ(Menue_Aktuelles_Icon, i);
    Menue_Hilfe_Status = 0;
    Menue_Icons_Check(-1);
    EXPECT_EQ(hilfe_gefragt, 0);
    EXPECT_EQ(Menue_Hilfe_Status, 0);
    // Switched on (text at once) while the pointer rests: the next step shows it.
    m->optionen[0] = 0x02;
    Menue_Icons_Check(-1);
    EXPECT_EQ(hilfe_gefragt, 1);
    EXPECT_EQ(Menue_Hilfe_Status, 1);
    // Spoken: neither the text nor the speech comes again, whatever the setting.
    Menue_Hilfe_Status = 2;
    m->optionen[0] = 0x0F;
    Menue_Icons_Check(-1);
    EXPECT_EQ(hilfe_gefragt, 1);
    EXPECT_EQ(Menue_Hilfe_Status, 2);
    Menue_Hilfe_Status = 0;
}
