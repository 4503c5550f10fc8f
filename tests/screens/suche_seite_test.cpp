// The transfer search page on the toolkit: handles and room corners dropped where the manager
// lets go, the page's icons, and the matches it lists.
#include <gtest/gtest.h>

#include "database/assistent.h"
#include "database/spieler.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_screen.h"
#include "screens/spieler_liste.h"
#include "screens/spieler_liste_knoepfe.h"
#include "screens/spieler_suche.h"
#include "screens/spieler_suche_screen.h"
#include "toolkit/icon.h"

using namespace screens_test;

namespace {

struct SucheSeite : Welt {
    void SetUp() override
    {
        Welt::SetUp();
        Transfer_Suchblock& s = block();
        for (int32_t k = 0; k < 4; ++k) {
            s.alter_min[k] = 16, s.alter_max[k] = 42, s.staerke_min[k] = 1, s.staerke_max[k] = 999;
            s.zelle_a[k] = 0, s.zelle_b[k] = 458, s.torwart[k] = 0, s.aktiv[k] = 0;
        }
    }
    void TearDown() override
    {
        Spieler_Suche_Seite_Entfernen();
        Welt::TearDown();
    }
    static Transfer_Suchblock& block() { return T_Own[EIGEN].suche; }
    static Menue_Icon* icon(int32_t n) { return Menue_Screen_Icon_Ist_Vorhanden(n) ? Menue_Screen_Icon_Aus_Nummer(n) : nullptr; }
};

TEST_F(SucheSeite, HandlesDroppedOnTheBarsSetAgesAndStrengthsAndStandWhereTheyWereLeft)
{
    Spieler_Suche_Seite_Zeigen();
    int32_t oben, unten;
    Spieler_Suche_Regler_Position(0, 0, &oben, &unten);
    EXPECT_EQ(oben, 181) << "age 42 at the bar's top";
    EXPECT_EQ(unten, 181 + 115) << "age 16 at its foot";
    Menue_Icon* max_alter = icon(1394);
    Menue_Icon* min_alter = icon(1393);
    ASSERT_TRUE(max_alter && min_alter);
    EXPECT_EQ(max_alter->y, oben);

    Spieler_Suche_Regler_Abgelegt(icon(1394), 181 + 62);
    Spieler_Suche_Regler_Abgelegt(icon(1393), 181 + 98);
    EXPECT_EQ(block().alter_max[0], 28);
    EXPECT_EQ(block().alter_min[0], 20);
    // Rebuilt, the handles stand where they were dropped, so that a second look changes nothing.
    Spieler_Suche_Regler_Position(0, 0, &oben, &unten);
    Spieler_Suche_Regler_Abgelegt(icon(1394), oben);
    Spieler_Suche_Regler_Abgelegt(icon(1393), unten);
    EXPECT_EQ(block().alter_max[0], 28);
    EXPECT_EQ(block().alter_min[0], 20);

    // The lower handle pushed above the upper one takes it along, eight pixels apart.
    Spieler_Suche_Regler_Abgelegt(icon(1400), 181 + 57);
    EXPECT_EQ(block().staerke_min[0], 505);
    EXPECT_EQ(block().staerke_max[0], 999);
    Spieler_Suche_Regler_Abgelegt(icon(1400), 170);
    EXPECT_LT(block().staerke_min[0], block().staerke_max[0]);
    EXPECT_GE(block().staerke_max[0], 900);
    // Slot 2's handles are its own.
    Spieler_Suche_Regler_Abgelegt(icon(1394 + 46), 341 + 62);
    EXPECT_EQ(block().alter_max[2], 28);
    EXPECT_EQ(block().alter_max[0], 28);
    EXPECT_EQ(block().alter_max[1], 42);
}

TEST_F(SucheSeite, CornersDroppedOnTheSmallPitchSetTheRoomAndTheGoalFixesThem)
{
    Spieler_Suche_Seite_Zeigen();
    // left bottom to (along 9, across 3), right top to (along 17, across 13), as a hand drops
    // them: the pointer holds a corner in its middle, three pixels into its picture
    Spieler_Suche_Ecke_Abgelegt(icon(1409), 225 - 3, 244 - 3);
    Spieler_Suche_Ecke_Abgelegt(icon(1408), 258 - 3, 226 - 3);
    EXPECT_EQ(block().zelle_a[0], 9 * 17 + 3);
    EXPECT_EQ(block().zelle_b[0], 17 * 17 + 13);
    // The corner icons stand on the new room's corners: left ones left of the right ones.
    ASSERT_TRUE(icon(1407) && icon(1408) && icon(1409) && icon(1410));
    EXPECT_LT(icon(1407)->x, icon(1408)->x);
    EXPECT_LT(icon(1407)->y, icon(1409)->y);
    EXPECT_TRUE(icon(1407)->flags & ICON_ZIEHBAR);
    // the same drop on slot 3's pitch changes slot 3 only
    int32_t x0, y0, x3, y3;
    Spieler_Suche_Feld_Ursprung(0, &x0, &y0);
    Spieler_Suche_Feld_Ursprung(3, &x3, &y3);
    Spieler_Suche_Ecke_Abgelegt(icon(1409 + 69), 225 - 3 + x3 - x0, 244 - 3 + y3 - y0);
    EXPECT_EQ(block().zelle_a[3], 9 * 17 + 3);
    EXPECT_EQ(block().zelle_a[0], 9 * 17 + 3);
    EXPECT_EQ(block().zelle_b[3], 458);

    // A goalkeeper search fixes the corners; so does a transfer assistant, for every control.
    block().torwart[1] = 1;
    Spieler_Suche_Seite_Zeigen();
    EXPECT_FALSE(icon(1407 + 23)->flags & ICON_ZIEHBAR);
    EXPECT_TRUE(icon(1407)->flags & ICON_ZIEHBAR);
    auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0));
    b[2] = 1;
    b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 2 + ASSI_AUFGABE_TRANSFER] = 1;
    Spieler_Suche_Seite_Zeigen();
    EXPECT_FALSE(icon(1407)->flags & ICON_ZIEHBAR);
    EXPECT_FALSE(icon(1394)->flags & ICON_ZIEHBAR);
    EXPECT_EQ(icon(1406)->klick, nullptr);
    EXPECT_NE(icon(1347), nullptr) << "the assistant is shown";
    EXPECT_FALSE(icon(1347)->status & ICON_VERSTECKT);
}

TEST_F(SucheSeite, ThePageListsTheMatchesOfTheActiveSlotsOnly)
{
    Manager_Icon_Button_An_Aus(EIGEN, 1353, 0);
    Manager_Icon_Button_An_Aus(EIGEN, 1352, 1);
    Manager_Icon_Word_Data_Schreiben(EIGEN, 1352, uint16_t(ANDERE));
    Spieler_Wert(SP_LIEBLINGSPOS, 50, 20 * 17 + 14, 1);
    EXPECT_EQ(Spieler_Suche_Treffer(nullptr, nullptr, 200), 0) << "no slot active";
    block().aktiv[0] = 1;
    block().zelle_a[0] = 5 * 17 + 5;
    block().zelle_b[0] = 10 * 17 + 10;
    int32_t spieler[200], teams[200];
    const int32_t n = Spieler_Suche_Treffer(spieler, teams, 200);
    EXPECT_EQ(n, 9) << "players 51..59 stand at (8, 8), 50 outside the room";
    for (int32_t k = 0; k < n; ++k) {
        EXPECT_EQ(teams[k], ANDERE);
        EXPECT_NE(spieler[k], 50);
    }
    // Opening needs the click mark, and the page opens once.
    EXPECT_EQ(Spieler_Suche_Oeffnen(nullptr, 0), 0);
    EXPECT_EQ(Spieler_Suche_Oeffnen(nullptr, 0x20000000), 1);
    EXPECT_EQ(Spieler_Suche_Oeffnen(nullptr, 0x20000000), 0);
    EXPECT_NE(icon(1388), nullptr);
    EXPECT_NE(icon(1479), nullptr) << "slot 3's last corner";
}

// The page's two lists keep their controls underneath, and the right one's act on the matches'
// list, not on the other club's list of the line-up screen.
TEST_F(SucheSeite, TheListsHaveTheirControlsUnderneathAndTheRightOnesActOnTheMatches)
{
    Spieler_Suche_Seite_Zeigen();
    const Menue_Icon* links = icon(1381);
    const Menue_Icon* rechts = icon(1382);
    ASSERT_TRUE(links && rechts);
    for (int32_t n : {1241, 1243, 1244, 1245, 1248, 1249, 1250, 1251, 1252, 1333, 1335, 1336, 1337}) {
        const Menue_Icon* k = icon(n);
        ASSERT_NE(k, nullptr) << n;
        EXPECT_GE(k->y, links->y + links->hoehe) << n << " lies over a list";
        EXPECT_LE(k->y + k->hoehe, 480) << n;
        EXPECT_EQ(k->x >= rechts->x, n >= 1333) << n << " under the wrong list";
    }
    EXPECT_EQ(icon(1253), nullptr) << "the other club's list has no place here";
    // the colour sorting's click hands over to the quick sort of its own list
    ASSERT_TRUE(Spieler_Einsetzen_Listen_Knopf_Klick(1333));
    EXPECT_TRUE(Spieler_Einsetzen_Listen_Knopf_An(1336));
    EXPECT_FALSE(Spieler_Einsetzen_Listen_Knopf_An(1256));
    ASSERT_TRUE(Spieler_Einsetzen_Listen_Knopf_Klick(1337));
    EXPECT_TRUE(Spieler_Einsetzen_Listen_Knopf_An(1337));
    EXPECT_FALSE(Spieler_Einsetzen_Listen_Knopf_An(1257));
    EXPECT_NE(icon(1336)->kontext, nullptr) << "the quick sort's menu";
    EXPECT_NE(icon(1335)->kontext, nullptr) << "the columns' menu";
}

// A left click on an entry of either list opens the player's detail pages, as a right click's
// "Spieler-Informationen" does; beside the entries and on the "full" notice nothing opens.
TEST_F(SucheSeite, ALeftClickOnAListEntryOpensThePlayersDetails)
{
    Spieler_Suche_Seite_Zeigen();
    for (int32_t n : {1381, 1382}) {
        ASSERT_NE(icon(n), nullptr) << n;
        EXPECT_NE(icon(n)->klick, nullptr) << n << " answers only the right button";
    }
    const std::vector<Spieler_Listen_Eintrag> eintraege = {{52, ANDERE, 50}, {53, ANDERE, 40}, {-1, -1, 0}};
    const std::vector<int32_t> oben = {100, 112, 124};
    EXPECT_FALSE(Spieler_Einsetzen_Liste_Details(oben, eintraege, 99)) << "above the first entry";
    EXPECT_FALSE(Spieler_Einsetzen_Liste_Details(oben, eintraege, 130)) << "the notice";
    EXPECT_FALSE(Spieler_Detailseite_Ist_Offen());
    ASSERT_TRUE(Spieler_Einsetzen_Liste_Details(oben, eintraege, 115));
    EXPECT_TRUE(Spieler_Detailseite_Ist_Offen());
    EXPECT_EQ(Spieler_Detail.spnr, 53);
    EXPECT_EQ(Spieler_Detail.team, ANDERE) << "the player of the other club, not of the own";
    Spieler_Detailseite_Schliessen();
}

}  // namespace
