// The pitch's icons on the line-up screen: which figures drag, what a drop or a handle drag
// changes, and the pitch's context menu.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/capture.h"
#include "database/assistent.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_feld.h"
#include "screens/spieler_kontext.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "screens/spieler_einsetzen_figuren.h"
#include "toolkit/icon.h"
#include "toolkit/mausover.h"
#include "toolkit/kontextmenue.h"

using namespace screens_test;

namespace {

struct Feld : Welt {
    void SetUp() override
    {
        Welt::SetUp();
        elf(10);  // players 2..11 and goalkeeper 0; player 2 at (3, 2) with the room (2..4, 1..3)
        ASSERT_TRUE(Spieler_Auf_Ersatzbank_Setzen(EIGEN, 12, false));
        platzieren(GEGNER, 31, 10, 8);
        Teamspieler_Wert(317, GEGNER, 31, TS_STARTELF, 8);
        Manager_Icon_Button_An_Aus(EIGEN, SE_FIGUREN, 3);
    }
    void TearDown() override
    {
        Spieler_Einsetzen_Feld_Entfernen();
        Welt::TearDown();
    }
    // The figure icon on screen of a player, null when he has none.
    static Menue_Icon* figur(int32_t team, int32_t p)
    {
        for (int32_t n = SE_FIGUR_ERSTE; n < SE_FIGUR_ERSTE + 27; ++n) {
            Menue_Icon* i = Menue_Screen_Icon_Ist_Vorhanden(n) ? Menue_Screen_Icon_Aus_Nummer(n) : nullptr;
            if (i && i->kennung_1 == p && i->kennung_2 == team) return i;
        }
        return nullptr;
    }
};

TEST_F(Feld, OwnAvailableFiguresDragAndTheOtherClubsOnlyShow)
{
    Teamspieler_Wert(317, EIGEN, 3, 0x100, 8);  // suspended on the pitch
    Spieler_Aufs_Spielfeld_Setzen(false);
    for (int32_t p : {0, 2, 12}) {
        Menue_Icon* i = figur(EIGEN, p);
        ASSERT_NE(i, nullptr) << p;
        EXPECT_TRUE(i->flags & ICON_ZIEHBAR) << p;
        EXPECT_NE(i->move, nullptr) << p;
    }
    EXPECT_EQ(figur(EIGEN, 12)->x, 206) << "the bench";
    ASSERT_NE(figur(EIGEN, 3), nullptr);
    EXPECT_FALSE(figur(EIGEN, 3)->flags & ICON_ZIEHBAR);
    Menue_Icon* fremd = figur(GEGNER, 31);
    ASSERT_NE(fremd, nullptr);
    EXPECT_FALSE(fremd->flags & ICON_ZIEHBAR);
    EXPECT_LT(fremd->prioritaet, figur(EIGEN, 2)->prioritaet) << "own figures stand above the other club's";
    EXPECT_EQ(figur(EIGEN, 13), nullptr) << "neither on the pitch nor on the bench";

    // Switching the own figures off takes their icons away on the next build.
    Manager_Icon_Button_An_Aus(EIGEN, SE_FIGUREN, 2);
    Spieler_Aufs_Spielfeld_Setzen(false);
    EXPECT_EQ(figur(EIGEN, 2), nullptr);
    EXPECT_NE(figur(GEGNER, 31), nullptr);
}

TEST_F(Feld, ABenchFigureDroppedOnAStarterTakesHisPlaceAndHandlesReshapeTheRoom)
{
    Spieler_Aufs_Spielfeld_Setzen(false);
    Menue_Icon* bank = figur(EIGEN, 12);
    Menue_Icon* stammspieler = figur(EIGEN, 5);
    ASSERT_TRUE(bank && stammspieler);
    const int32_t zelle_5 = zelle(EIGEN, 5);
    ASSERT_TRUE(Spieler_Einsetzen_Figur_Abgelegt(bank, stammspieler->x, stammspieler->y));
    EXPECT_EQ(flags(EIGEN, 12) & (TS_STARTELF | TS_ERSATZ), uint32_t(TS_STARTELF));
    EXPECT_EQ(flags(EIGEN, 5) & (TS_STARTELF | TS_ERSATZ), uint32_t(TS_ERSATZ));
    EXPECT_EQ(zelle(EIGEN, 12), zelle_5);

    // The rebuilt figures follow: 5 now sits on the bench, 12 stands where 5 stood.
    Spieler_Aufs_Spielfeld_Setzen(false);
    ASSERT_NE(figur(EIGEN, 5), nullptr);
    EXPECT_EQ(figur(EIGEN, 5)->x, 206);
    // Dropped beside the pitch and the bench, a figure leaves the line-up.
    EXPECT_TRUE(Spieler_Einsetzen_Figur_Abgelegt(figur(EIGEN, 5), 560, 200));
    EXPECT_FALSE(flags(EIGEN, 5) & (TS_STARTELF | TS_ERSATZ));

    // Player 2's room edit: his first corner (low along, low across) dragged one cell left keeps
    // the room symmetric; a drag off the grid changes nothing.
    Manager_Icon_Word_Data_Schreiben(EIGEN, SE_RAUM_SPIELER, 2);
    Spieler_Aufs_Spielfeld_Setzen(false);
    Menue_Icon* ecke = Menue_Screen_Icon_Aus_Nummer(SE_GRIFF_ERSTER);
    ASSERT_TRUE(ecke && Menue_Screen_Icon_Ist_Vorhanden(SE_GRIFF_ERSTER));
    ASSERT_TRUE(Spieler_Einsetzen_Griff_Abgelegt(ecke, -12, 0));
    EXPECT_EQ(zelle(EIGEN, 2, 311), 2 * 17 + 0);
    EXPECT_EQ(zelle(EIGEN, 2, 312), 4 * 17 + 4);
    EXPECT_FALSE(Spieler_Einsetzen_Griff_Abgelegt(ecke, -100, 0));
    EXPECT_EQ(zelle(EIGEN, 2, 311), 2 * 17 + 0);
    // No handles without a selected player on the pitch.
    Manager_Icon_Word_Data_Schreiben(EIGEN, SE_RAUM_SPIELER, 0xFFFF);
    Spieler_Aufs_Spielfeld_Setzen(false);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(SE_GRIFF_ERSTER));

    Fehler_Capture fehler;
    EXPECT_FALSE(Spieler_Einsetzen_Figur_Abgelegt(nullptr, 0, 0));
    EXPECT_FALSE(Spieler_Einsetzen_Griff_Abgelegt(nullptr, 0, 0));
    EXPECT_TRUE(fehler.contains("Spieler_Einsetzen_Move: s_icon==NULL!"));
    EXPECT_TRUE(fehler.contains("Spieler_Einsetzen_Move_Spielfeld: s_icon==NULL!"));
}

// Each room handle says what it moves; while an assistant sets the line-up it names him as the one
// who keeps the rooms (the handles do not move then).
TEST_F(Feld, TheRoomHandlesSayWhatTheyMoveAndWhoKeepsTheRooms)
{
    Manager_Icon_Word_Data_Schreiben(EIGEN, SE_RAUM_SPIELER, 2);
    Spieler_Aufs_Spielfeld_Setzen(false);
    auto hilfe = [](int32_t k) -> std::string {
        Menue_Icon* g = Menue_Screen_Icon_Ist_Vorhanden(SE_GRIFF_ERSTER + k) ? Menue_Screen_Icon_Aus_Nummer(SE_GRIFF_ERSTER + k) : nullptr;
        const char* t = g && g->mausover ? g->mausover(g) : nullptr;
        return t ? t : "";
    };
    EXPECT_NE(hilfe(0).find("Ecke des Raums"), std::string::npos);
    EXPECT_NE(hilfe(4).find("DEFENSIV"), std::string::npos);
    EXPECT_NE(hilfe(5).find("OFFENSIV"), std::string::npos);
    EXPECT_EQ(hilfe(0).find("zuständig"), std::string::npos);
    auto* assis = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0));
    ASSERT_NE(assis, nullptr);
    const int32_t slot = 2;
    assis[slot] = 1;
    assis[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * slot + 0] = 1;
    Spieler_Aufs_Spielfeld_Setzen(false);
    const std::string soll = std::string("^l(für die Räume ist ") + Assistenten_Tabelle[slot].name + " zuständig)";
    for (int32_t k = 0; k < 6; ++k) EXPECT_NE(hilfe(k).find(soll), std::string::npos) << k << ": " << hilfe(k);
}

// The mouse resting on a figure shows the player's favourite position; leaving it hides the box.
TEST_F(Feld, TheFavouriteBoxComesWithTheMouseOnAFigureAndGoesWithIt)
{
    Spieler_Fix_Daten[2].lieblingspos = int16_t(20 * 17 + 14);
    Spieler_Aufs_Spielfeld_Setzen(false);
    Menue_Icon* i = figur(EIGEN, 2);
    ASSERT_TRUE(i && i->klick);
    EXPECT_TRUE(i->flags & ICON_MAUSOVER_KLICK);
    int32_t box[4];
    ASSERT_TRUE(Spieler_Einsetzen_Lieblingsbox(EIGEN, 2, box));
    Rastport* b = Grafik_Bitmap_Anlegen(640, 480, 16);
    ASSERT_NE(b, nullptr);
    auto punkt = [b](int32_t x, int32_t y) { return static_cast<const uint16_t*>(b->pixels)[y * 640 + x]; };
    const uint16_t ecke_x = uint16_t(226 + box[0]), ecke_y = uint16_t(114 + box[1]);
    Spieler_Einsetzen_Lieblingsbox_Malen(b);
    EXPECT_EQ(punkt(ecke_x, ecke_y), 0) << "nothing before the mouse comes";
    i->klick(i, MAUSOVER_START);
    Spieler_Einsetzen_Lieblingsbox_Malen(b);
    EXPECT_EQ(punkt(ecke_x, ecke_y), Grafik_Farbe(15, 12, 0));
    EXPECT_EQ(punkt(226 + box[2], 114 + box[3]), Grafik_Farbe(15, 12, 0));
    EXPECT_EQ(punkt((ecke_x + 226 + box[2]) / 2, (ecke_y + 114 + box[3]) / 2), 0) << "a frame, not a filled box";
    EXPECT_FALSE(flags(EIGEN, 2) & 0x1000) << "a mouse-over is no click";
    std::fill_n(static_cast<uint16_t*>(b->pixels), 640 * 480, uint16_t(0));
    i->klick(i, MAUSOVER_ENDE);
    Spieler_Einsetzen_Lieblingsbox_Malen(b);
    EXPECT_EQ(punkt(ecke_x, ecke_y), 0);
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(EIGEN, SE_RAUM_SPIELER)), -1) << "and selects no room";
    Grafik_Bitmap_Freigeben(b);
}

// Heads mode: the back number stays on the head, and a head of the other club that would stand
// on an own one (a man on the mirrored cell) moves beside it, on the pitch.
TEST_F(Feld, InHeadsModeTheNumberStaysOnTheHeadAndTheOtherClubsHeadsStandApart)
{
    platzieren(GEGNER, 32, 23, 14);  // mirrored onto own player 2's cell
    Spieler_Aufs_Spielfeld_Setzen(false);
    const int32_t eigen_x = figur(EIGEN, 2)->x, eigen_y = figur(EIGEN, 2)->y;
    ASSERT_LT(std::abs(figur(GEGNER, 32)->x - eigen_x), KOPF_W) << "in shirts both stand on the cell";
    Manager_Icon_Button_An_Aus(EIGEN, SE_KOEPFE, 1);
    Spieler_Aufs_Spielfeld_Setzen(false);
    Menue_Icon* e = figur(EIGEN, 2);
    ASSERT_TRUE(e && figur(GEGNER, 32) && figur(GEGNER, 31));
    EXPECT_EQ(e->x, eigen_x) << "the own figures stay where the line-up puts them";
    EXPECT_EQ(e->y, eigen_y);
    for (int32_t p = 0; p < 12; ++p) {
        const Menue_Icon* o = figur(EIGEN, p);
        if (!o || o->x == 206) continue;  // the bench
        for (const int32_t q : {31, 32}) {
            const Menue_Icon* g = figur(GEGNER, q);
            const bool decken = g->x < o->x + KOPF_W && o->x < g->x + KOPF_W && g->y < o->y + KOPF_H && o->y < g->y + KOPF_H;
            EXPECT_FALSE(decken) << "own " << p << " and other " << q;
            EXPECT_GE(g->x, 226) << q;
            EXPECT_LE(g->x + KOPF_W, 433) << q;
        }
    }
    // The figure's picture ends with the head: nothing below it to fall on the next row.
    Rastport* b = Menue_Screen_Icon_Bitmap(e);
    ASSERT_TRUE(b && e->refresh_prozedur);
    e->refresh_prozedur(e, 0);
    const auto* px = static_cast<const uint16_t*>(b->pixels);
    EXPECT_NE(px[0], 0) << "the number's tab";
    int32_t darunter = 0;
    for (int32_t y = KOPF_H; y < int32_t(b->height); ++y)
        for (int32_t x = 0; x < int32_t(b->width); ++x) darunter += px[y * b->width + x] != 0;
    EXPECT_EQ(darunter, 0);
    Manager_Icon_Button_An_Aus(EIGEN, SE_KOEPFE, 0);
}

TEST_F(Feld, ThePitchMenuShowsTheFigureSwitchesAndChoosesTheOtherClub)
{
    Anzeige_Gegner_Team = -1;
    Menue_Kontextmenue* m = Spieler_Einsetzen_Feld_Menue(nullptr);
    ASSERT_NE(m, nullptr);
    EXPECT_NE(std::string(m->titel).find("Feldspieler-Anzeige ändern:"), std::string::npos);
    EXPECT_NE(std::string(m->titel).find("(Momentan: Kein Gegner)"), std::string::npos);
    EXPECT_STREQ(m->texte[0], "Spielerfiguren des eigenen Teams einblenden");
    EXPECT_TRUE(m->status[0] & POPUP_GEWAEHLT);
    EXPECT_TRUE(m->status[1] & POPUP_GEWAEHLT);
    EXPECT_FALSE(m->status[3] & POPUP_GEWAEHLT);
    EXPECT_STREQ(m->texte[2], "Anderes Team = Aktueller Gegner");

    // The check items flip their bits of 1290; the opponent item shows today's opponent.
    EXPECT_EQ(Spieler_Einsetzen_Feld_Menue_Gewaehlt(0, m->wert_c[0], m->wert_a[0], m->wert_b[0]), 1);
    EXPECT_EQ(Manager_Icon_Button_Lesen(EIGEN, SE_FIGUREN), 2u);
    EXPECT_EQ(Spieler_Einsetzen_Feld_Menue_Gewaehlt(3, m->wert_c[3], m->wert_a[3], m->wert_b[3]), 1);
    EXPECT_EQ(Manager_Icon_Button_Lesen(EIGEN, SE_FIGUREN), 6u);
    EXPECT_EQ(Spieler_Einsetzen_Feld_Menue_Gewaehlt(2, m->wert_c[2], m->wert_a[2], m->wert_b[2]), 1);
    EXPECT_EQ(Anzeige_Gegner_Team, GEGNER);
    EXPECT_NE(std::string(Spieler_Einsetzen_Feld_Menue(nullptr)->titel).find("(Momentan: "), std::string::npos);

    // A club of the picker (value C 1) becomes the shown club; the own club cannot.
    EXPECT_EQ(Spieler_Einsetzen_Feld_Menue_Gewaehlt(7, 1, ANDERE, -1), 1);
    EXPECT_EQ(Anzeige_Gegner_Team, ANDERE);
    EXPECT_TRUE(Manager_Icon_Button_Lesen(EIGEN, SE_FIGUREN) & 2);
    EXPECT_EQ(Spieler_Einsetzen_Feld_Menue_Gewaehlt(7, 1, EIGEN, -1), 0);
    EXPECT_EQ(Anzeige_Gegner_Team, ANDERE);
    Gegner_Team = -1;
    EXPECT_EQ(Spieler_Einsetzen_Feld_Menue_Gewaehlt(2, 0, -1, 2), 0) << "no opponent today";
    EXPECT_EQ(Anzeige_Gegner_Team, ANDERE);
}

}  // namespace
