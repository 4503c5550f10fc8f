// The player screens in the installed program under a headless script: the team group's
// transfer search with a search slot set by dragging its handles and corners and the club menu
// open, and after two league days the line-up screen, its heads, its tooltip and a player's
// detail pages. The pictures stay in DORVIN_BILDER=DIR when it is set, to be looked at; the test
// checks what the clicks did on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "programm_bilder.h"

namespace {

using namespace programm_lauf;

constexpr int GRUPPE_Y = TEAM_Y;        // group 707
constexpr int SCHALTER_X = 622, TRANSFER_Y = 184;    // switch 803
constexpr int EINSETZEN_Y = 219;                      // switch 804
const std::pair<std::string, int> SEITEN[5] = {
    {"detail_info", 161}, {"versicherung", 184}, {"vertrag", 207}, {"staerke", 230}, {"noten", 345}};

// The pointer takes hold at (x, y), moves in steps and lets go at (zx, zy).
Skript ziehen(int x, int y, int zx, int zy)
{
    Skript s{"move " + std::to_string(x) + " " + std::to_string(y), "wait 300", "left down", "wait 200"};
    for (int k = 1; k <= 4; ++k)
        s.push_back("move " + std::to_string(x + (zx - x) * k / 4) + " " + std::to_string(y + (zy - y) * k / 4)),
            s.push_back("wait 100");
    s.push_back("wait 200");
    s.push_back("left up");
    s.push_back("wait 700");
    return s;
}

Skript rechtsklick(int x, int y)
{
    return {"move " + std::to_string(x) + " " + std::to_string(y), "wait 300", "right down", "wait 100", "right up",
            "wait 700"};
}

class Spielerschirme_Im_Programm : public Programm_Bilder_Test {
protected:
    Spielerschirme_Im_Programm() : Programm_Bilder_Test("spieler") {}
};

// Slot 0 of the transfer search: ages 20 to 28, strength from 500, the room in midfield; the
// right-hand list follows the slot in shades of strength, the own list shows the heads and ages,
// and the club menu opens over the page.
TEST_F(Spielerschirme_Im_Programm, TheTransferSearchTakesASlotByHandAndOpensTheClubMenu)
{
    Skript s = neues_spiel({"Anna"});
    s.push_back(UEBERTRAGUNG_AUS);
    dazu(s, klick(GRUPPE_X, GRUPPE_Y));
    dazu(s, klick(SCHALTER_X, TRANSFER_Y));
    s.push_back("dump " + pfad("suche_vorher"));
    // The handles of slot 0's bars (age at x 280, strength at x 293) are held in their middle.
    dazu(s, ziehen(284, 185, 284, 181 + 62 + 4));   // oldest 28
    dazu(s, ziehen(284, 300, 284, 181 + 98 + 4));   // youngest 20
    dazu(s, ziehen(297, 300, 297, 181 + 57 + 4));   // strength from 500
    // The room's corners: left bottom and right top onto the small pitch's midfield.
    dazu(s, ziehen(212, 280, 225, 244));
    dazu(s, ziehen(270, 187, 258, 226));
    // Two extra columns for the own list (its "+" menu, one choice each time), the matches
    // coloured by Kraft (its colour menu).
    for (const int zeile_y : {284, 349}) {  // " -Gesicht", " -Alter"
        dazu(s, rechtsklick(106, 446));
        dazu(s, klick(140, zeile_y));
    }
    dazu(s, rechtsklick(490, 446));
    dazu(s, klick(480, 284));  // " -Kraft"
    s.push_back("move 380 470");
    s.push_back("wait 1000");
    s.push_back("dump " + pfad("transfersuche"));
    dazu(s, klick(236, 54));  // the club switch on first
    dazu(s, rechtsklick(236, 54));  // "Mit <club>": its menu is the club and league picker
    s.push_back("dump " + pfad("vereinsmenue"));
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "suche"), 0);

    const Bild vorher = lesen("suche_vorher"), nachher = lesen("transfersuche"), menue = lesen("vereinsmenue");
    // The handles moved on their bars and the corners on the small pitch.
    EXPECT_GT(nachher.anders(vorher, 278, 178, 302, 310), 40) << "no handle moved";
    EXPECT_GT(nachher.anders(vorher, 204, 178, 276, 290), 200) << "the room stayed";
    // The own list has its new columns; the matches on the right are another list now, in
    // shades of their strength.
    EXPECT_GT(nachher.anders(vorher, 4, 96, 164, 436), 1000) << "no columns added";
    EXPECT_GT(nachher.anders(vorher, 452, 96, 598, 436), 200) << "the list did not follow the slot";
    EXPECT_GT(nachher.farben(452, 96, 598, 436), 3u) << "one shade only";
    // The menu lies over the page.
    EXPECT_GT(menue.anders(nachher, 150, 60, 450, 400), 2000) << "no club menu";
}

// After two league days the line-up screen faces today's opponent: the eleven and the bench, the
// heads with their numbers, the rooms, the strength box's tooltip, an own player's menu and his
// detail pages.
TEST_F(Spielerschirme_Im_Programm, TheLineUpScreenOnALeagueDay)
{
    Skript s = neues_spiel({"Anna"});
    s.push_back(UEBERTRAGUNG_AUS);
    // Each press ends one day; the third league day is the 52nd.
    for (int t = 0; t < 51; ++t) {
        dazu(s, klick(WEITER_X, WEITER_Y, -1));
        dazu(s, klick(150, 292));  // "JA"
        dazu(s, klick(470, 292));  // "OK"
        s.push_back(SPIELTAG_ABWARTEN);
    }
    dazu(s, klick(GRUPPE_X, GRUPPE_Y));
    dazu(s, klick(SCHALTER_X, EINSETZEN_Y));
    s.push_back("move 520 470");
    s.push_back("wait 500");
    s.push_back("dump " + pfad("aufstellung"));
    dazu(s, klick(438, 299));  // "Köppe an/aus"
    s.push_back("move 520 470");
    s.push_back("wait 500");
    s.push_back("dump " + pfad("koeppe"));
    dazu(s, klick(438, 299));
    dazu(s, klick(422, 444));  // the own rooms
    dazu(s, klick(300, 330));  // a free spot: the nearest figure's room is edited
    s.push_back("move 520 470");
    s.push_back("wait 500");
    s.push_back("dump " + pfad("raeume"));
    s.push_back("move 190 285");  // the strength box, the pointer resting on it
    for (int k = 0; k < 10; ++k) s.push_back("wait 300");
    s.push_back("dump " + pfad("staerke_hilfe"));
    dazu(s, klick(422, 444));
    // The own list's first player: the world's club and formation change from run to run, so a
    // place on the pitch may hold the other club's man.
    dazu(s, rechtsklick(40, 159));
    s.push_back("dump " + pfad("kontextmenue"));
    dazu(s, klick(100, 272));  // "Spieler-Informationen"
    s.push_back("dump " + pfad("detail"));
    // The page toggles on the window's right: "Detail-Info", "Versicherung",
    // "Vertragsverhandlung", "Stärke-Entwicklung", "Noten".
    for (const auto& [name, y] : SEITEN) {
        dazu(s, klick(520, y));
        s.push_back("move 560 470");
        s.push_back("wait 300");
        s.push_back("dump " + pfad(name));
    }
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "aufstellung"), 0);

    const Bild auf = lesen("aufstellung"), koeppe = lesen("koeppe"), raeume = lesen("raeume"),
               hilfe = lesen("staerke_hilfe"), menue = lesen("kontextmenue"), detail = lesen("detail");
    // Both squads are listed, the other club's on the right.
    EXPECT_GT(auf.farben(452, 100, 598, 300), 2u) << "no opponent listed";
    // Heads replace the shirts on the pitch.
    EXPECT_GT(koeppe.anders(auf, 230, 120, 420, 440), 500);
    EXPECT_GT(raeume.anders(auf, 230, 120, 420, 440), 500) << "no rooms shaded";
    EXPECT_GT(hilfe.anders(raeume, 0, 40, 598, 480), 1500) << "no tooltip";
    EXPECT_GT(menue.anders(auf, 0, 100, 300, 480), 2000) << "no context menu";
    EXPECT_GT(detail.anders(menue, 20, 60, 580, 460), 20000) << "no detail window";
    // each page shows something of its own in the window's body
    Bild vorher = detail;
    for (const auto& [name, y] : SEITEN) {
        const Bild seite = lesen(name);
        EXPECT_GT(seite.anders(vorher, 10, 125, 450, 440), 1000) << name << " looks like the page before";
        vorher = seite;
    }
}

}  // namespace
