// The script of a season played through the installed program: two managers set up on the start
// screen, every turn ended with the continue icon, a save under a new name in the middle. The
// season test plays it, and the season benchmark times it.
#pragma once
#include <string>
#include <vector>

#include "programm_lauf.h"

namespace saison_skript {

using namespace programm_lauf;

// Turns of a season: two managers, a turn every day from 1.7.1999 to 30.6.2000.
constexpr int ZUEGE = 2 * 366;
constexpr int MITTE = 2 * 183;

// Messages the day's work leaves open before a turn take the clicks meant for the turn: a
// manager's first auction brings its hints, its notices, its page and its result (the season
// of the large world from random start 5 lost three days to them). Each turn first clicks them
// away where their right-hand button stands ("OK", "Nein" where they ask), a place on the empty
// pitch and between two columns of the auction page, letting a page that plays by itself play
// out after each click.
constexpr int MELDUNGEN_JE_ZUG = 8;
inline void meldung_weg(std::vector<std::string>& s) { dazu(s, {"move 455 292", "left down", "left up", SPIELTAG_ABWARTEN}); }

// A turn: the messages left open, the continue icon, then "Ja" where the turn asks about a
// line-up short of eleven, and "OK" where a match day's turn names a captain (clicks on the
// empty pitch of the next turn when it does not), then a match day played out untouched.
inline void zug(std::vector<std::string>& s)
{
    for (int i = 0; i < MELDUNGEN_JE_ZUG; ++i) meldung_weg(s);
    dazu(s, klick(618, 444));
    dazu(s, klick(150, 292));
    dazu(s, klick(470, 292));
    s.push_back(SPIELTAG_ABWARTEN);
}

// `ganz`: from the start menu, else from the middle's savegame named on the command line. The
// frames dumped go to `bilder` (none when empty); `zuege` turns are played (the whole season by
// default, the season change only after its last turn), then the game is saved.
inline std::string skript(bool ganz, const std::string& bilder, int zuege = ZUEGE)
{
    std::vector<std::string> s;
    int von = MITTE;
    if (ganz) {
        von = 0;
        s = {"wait 2000"};
        dazu(s, klick(80, 450));  // "Neues Spiel starten"
        if (!bilder.empty()) s.push_back("dump " + bilder + "/startschirm.png");
        dazu(s, klick(300, 118));
        tippen(s, "Anna");
        dazu(s, klick(200, 385));  // "Manager hinzufügen"
        dazu(s, klick(300, 118));
        tippen(s, "Bernd");
        dazu(s, klick(300, 310));  // the next club of the league
        dazu(s, klick(450, 385));  // "Spiel starten"
        s.push_back(UEBERTRAGUNG_AUS);
    } else {
        s = {"wait 1000"};
    }
    for (int t = von; t < zuege; ++t) {
        if (!bilder.empty() && t == 0) s.push_back("dump " + bilder + "/erste_runde.png");
        if (!bilder.empty() && t == 401) s.push_back("dump " + bilder + "/spaetere_runde.png");
        if (ganz && t == MITTE) {
            optionen(s, SPEICHERN_NEU, "mitte");
            optionen(s, LADEN, "mitte");
            optionen(s, SPEICHERN_NEU, "mitte_wieder");
        }
        zug(s);
    }
    // The season change brings each manager his prize money in a message (extra clicks land on
    // the empty pitch of the next turn), and may bring an auction's messages too.
    if (zuege == ZUEGE) {
        for (int i = 0; i < 8; ++i) dazu(s, klick(470, 292));
        for (int i = 0; i < 3 * MELDUNGEN_JE_ZUG; ++i) meldung_weg(s);
    }
    optionen(s, SPEICHERN_NEU, ganz ? "ende" : "ende_fortgesetzt");
    s.push_back("quit");
    return text(s);
}

}  // namespace saison_skript
