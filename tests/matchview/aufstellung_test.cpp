// The line-up screen's frame: which side it shows, the back button's two steps, the groups each
// page makes usable and the scroll bar of the match-data list.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/screen.h"
#include "matchview/lineup/spieldaten.h"
#include "matchview/spielszenen.h"
#include "network/netz.h"
#include "platform/os/os_intern.h"
#include "tests/matchview/aufstellung_liste_merker.h"
#include "toolkit/btnscreen.h"

namespace {

constexpr int32_t HEIM = 700, GAST = 701;

class Aufstellung : public ::testing::Test {
protected:
    Aufstellung_Liste_Merker liste;
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    int32_t eigen = 0, modus = 0;
    void SetUp() override
    {
        eigen = Netz_Get_Eigenes_Team();
        modus = Spielszenen_Modus;
        r->team[0] = HEIM;
        r->team[1] = GAST;
        Aufstellung_Liste_Bauen();
        Screen_Record = r.get();
        Screen_Seite = 0;
        Screen_Page = PAGE_AUFSTELLUNG;
        Screen_Phase_Vor_Spiel = Screen_Phase_Kabine = Screen_Phase_Nach_Spiel = 0;
        Screen_Daten_Liste_Hoehe = Screen_Scroll_Versatz = 0;
    }
    void TearDown() override
    {
        Netz_Set_Eigenes_Team(eigen);
        Spielszenen_Modus = modus;
        Screen_Record = nullptr;
        Screen_Phase_Vor_Spiel = Screen_Phase_Kabine = 0;
        Os_Input_Set_Buttons(false, false);
    }
    static bool nutzbar(int32_t n) { return !(Aufstellung_Liste[n].zustand & BTN_INAKTIV); }
    // The gadgets of the page groups that are usable.
    static std::set<int32_t> gruppen_nutzbar()
    {
        std::set<int32_t> n;
        for (int32_t g = 1; g <= 100; ++g) {
            const bool in_gruppe = (g >= 1 && g <= 35) || g == AG_KNOPF || (g >= 55 && g <= 65) || (g >= 72 && g <= 76) ||
                                   (g >= 78 && g <= 89) || (g >= 91 && g <= 95);
            if (in_gruppe && nutzbar(g)) n.insert(g);
        }
        return n;
    }
    static std::set<int32_t> spanne(std::initializer_list<std::pair<int32_t, int32_t>> von_bis)
    {
        std::set<int32_t> n;
        for (auto [a, b] : von_bis)
            for (int32_t g = a; g <= b; ++g) n.insert(g);
        return n;
    }
};

TEST_F(Aufstellung, TheSideShownIsThisPcsClubAwayWhenBothAndHomeWhenNeither)
{
    Netz_Set_Eigenes_Team(5);
    EXPECT_EQ(Screen_Seite_Entscheiden(r.get(), -1), 0);
    EXPECT_EQ(Screen_Seite_Entscheiden(r.get(), 1), 0) << "a preset side of another club is not kept";
    Screen_Seite = Screen_Seite_Entscheiden(r.get(), 1);
    EXPECT_FALSE(Screen_Eigene_Seite()) << "neither club is his: every change is refused";
    Netz_Set_Eigenes_Team(GAST);
    EXPECT_EQ(Screen_Seite_Entscheiden(r.get(), 0), 1);
    EXPECT_EQ(Screen_Seite_Entscheiden(r.get(), 1), 1);
    r->team[0] = GAST;
    EXPECT_EQ(Screen_Seite_Entscheiden(r.get(), -1), 1) << "both sides his: the away side";
    EXPECT_EQ(Screen_Seite_Entscheiden(r.get(), 0), 0) << "a preset side of his own stays";
    EXPECT_EQ(Screen_Seite_Entscheiden(nullptr, 1), 0);
}

TEST_F(Aufstellung, BeforeTheKickOffTheBackButtonFirstShowsTheAwaySideOfThisPcsClubThenLeaves)
{
    Netz_Set_Eigenes_Team(GAST);
    Screen_Phase_Vor_Spiel = 1;
    Spielszenen_Modus = SPIELSZENEN_HALBZEIT;
    Zurueck_LB(&Aufstellung_Liste[AG_ZURUECK]);
    EXPECT_EQ(Screen_Seite, 1);
    EXPECT_EQ(Spielszenen_Modus, SPIELSZENEN_HALBZEIT);
    for (int32_t i = 0; i < 11; ++i) {
        EXPECT_EQ(Aufstellung_Liste[AG_GAST_ICON + i].prioritaet, 3);
        EXPECT_EQ(Aufstellung_Liste[AG_HEIM_ICON + i].prioritaet, 2);
    }
    Zurueck_LB(&Aufstellung_Liste[AG_ZURUECK]);
    EXPECT_EQ(Spielszenen_Modus, SPIELSZENEN_NAECHSTES);

    // While the match runs the first click leaves.
    Screen_Phase_Vor_Spiel = 0;
    Screen_Seite = 0;
    Spielszenen_Modus = SPIELSZENEN_HALBZEIT;
    Zurueck_LB(nullptr);
    EXPECT_EQ(Spielszenen_Modus, SPIELSZENEN_NAECHSTES);
}

TEST_F(Aufstellung, EachPageMakesExactlyItsGroupsUsable)
{
    Netz_Set_Eigenes_Team(HEIM);
    // 11 home and 10 away players on the pitch.
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        r->spieler[slot].spnr = -1;
        if (slot % 16 >= (slot < 16 ? 11 : 10)) continue;
        r->spieler[slot].zustand = SPIELFELD_AUF_DEM_PLATZ;
        r->objekt[slot].aktiv = 1;
    }
    // The area handles stay unusable: nothing starts editing an area.
    const std::set<int32_t> feld = spanne({{1, 1}, {8, 28}, {30, 35}});
    auto led = [](int32_t i) { return &Aufstellung_Liste[AG_DIODE + i]; };

    Screen_Diode_LB(led(0));
    std::set<int32_t> erwartet = feld;
    erwartet.insert(AG_KNOPF);
    EXPECT_EQ(gruppen_nutzbar(), erwartet) << "an icon without a player stays unusable";
    Screen_Diode_LB(led(1));
    erwartet = feld;
    for (int32_t g = 55; g <= 65; ++g) erwartet.insert(g);
    EXPECT_EQ(gruppen_nutzbar(), erwartet);
    Screen_Diode_LB(led(2));
    EXPECT_EQ(gruppen_nutzbar(), spanne({{55, 65}, {72, 76}}));
    Screen_Phase_Kabine = 1;
    Screen_Diode_LB(led(3));
    EXPECT_EQ(gruppen_nutzbar(), spanne({{55, 65}, {78, 89}}));
    Screen_Phase_Kabine = 0;
    Screen_Phase_Vor_Spiel = 1;
    Screen_Diode_LB(led(3));
    EXPECT_EQ(gruppen_nutzbar(), spanne({{55, 65}, {91, 95}}));
    EXPECT_EQ(Screen_Page, 3u);

    // A gadget that is no LED keeps the page and rebuilds it.
    Screen_Phase_Vor_Spiel = 0;
    Screen_Phase_Kabine = 1;
    Screen_Diode_LB(&Aufstellung_Liste[AG_ZURUECK]);
    EXPECT_EQ(Screen_Page, 3u);
    EXPECT_EQ(gruppen_nutzbar(), spanne({{55, 65}, {78, 89}}));

    // On the opponent's side no instruction or talk button is usable.
    Screen_Seite = 1;
    Screen_Diode_LB(led(3));
    EXPECT_EQ(gruppen_nutzbar(), spanne({{55, 65}}));
    Screen_Diode_LB(led(2));
    EXPECT_EQ(gruppen_nutzbar(), spanne({{55, 65}}));
}

TEST_F(Aufstellung, TheScrollKnobStaysOnItsTrackAndMapsItsEndsToTheListsEnds)
{
    Btnscreen_Gadget& schiene = Aufstellung_Liste[AG_SCHIENE];
    Btnscreen_Gadget& knopf = Aufstellung_Liste[AG_KNOPF];
    schiene.h = 200;
    knopf.h = 20;
    knopf.y = 200;
    Screen_Record = nullptr;  // the list's height stays as set

    // A list no taller than the box does not scroll.
    Screen_Daten_Liste_Hoehe = 100;
    Os_Input_Set_Mouse(580, 10);
    Scroll_Start(&knopf);
    Scroll_Serve(&knopf, 580, 10);
    EXPECT_EQ(knopf.y, 200);

    Screen_Daten_Liste_Hoehe = 340;
    Os_Input_Set_Mouse(580, 205);
    Scroll_Start(&knopf);
    EXPECT_EQ(knopf.y, 200) << "the grab keeps the knob where it was taken";
    Os_Input_Set_Mouse(580, 5);
    Scroll_Serve(&knopf, 580, 5);
    EXPECT_EQ(knopf.y, 160);
    EXPECT_EQ(Screen_Scroll_Versatz, 0);
    Os_Input_Set_Mouse(580, 470);
    Scroll_Serve(&knopf, 580, 470);
    EXPECT_EQ(knopf.y, 340);
    EXPECT_EQ(Screen_Scroll_Versatz, 240);

    // A knob as tall as its track leaves nothing to scroll by.
    knopf.h = 200;
    Scroll_Start(&knopf);
    Scroll_Serve(&knopf, 580, 470);
    EXPECT_EQ(knopf.y, 160);
    EXPECT_EQ(Screen_Scroll_Versatz, 0);
}

}  // namespace

namespace {

// The strength bar reads the players the list shows on the pitch, not the figure counted when the
// record was filled (542 beside an eleven listed at 577 and more); a side with nobody on the
// pitch keeps the record's figure.
TEST_F(Aufstellung, TheStrengthBarReadsTheElevenTheListShows)
{
    r->team_wert[0] = 542;
    r->team_wert[1] = 600;
    for (int32_t k = 0; k < 16; ++k) {
        r->spieler[k].wert_89 = uint16_t(k < 11 ? 577 + 10 * k : 300);
        r->spieler[k].zustand = k < 11 ? int(SPIELFELD_AUF_DEM_PLATZ) : 0;
        r->objekt[k].aktiv = k < 11 ? 1 : 0;
    }
    EXPECT_EQ(Aufstellung_Elf_Staerke(r.get(), 0), 627) << "the mean of 577 ... 677";
    EXPECT_EQ(Aufstellung_Elf_Staerke(r.get(), 1), 600);
    EXPECT_EQ(Aufstellung_Elf_Staerke(nullptr, 0), 0);
}

}  // namespace
