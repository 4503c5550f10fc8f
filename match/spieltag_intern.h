// What the match day's files share among themselves.
#pragma once
#include <cstdint>

#include "platform/liste.h"

struct Spielfeld_Record;
struct Spiele_Spiel;

extern Liste Spieltag_Wettbewerbe;
extern Liste Spieltag_Elfmeter_Liste;

// One competitions entry seen through its payload words.
struct Spieltag_Eintrag {
    uint32_t* w = nullptr;
    uint32_t n = 0;
    int32_t wettbewerb = -1;

    explicit operator bool() const { return w != nullptr; }
    uint32_t& halbzeit() const { return w[1]; }
    uint32_t& zustand(uint32_t i) const { return w[2 + i]; }
    int32_t spiel(uint32_t i) const { return int32_t(w[2 + n + i]); }
};
Spieltag_Eintrag spieltag_eintrag(Liste_Element* e);
// The entry and index of a game of the day; false when it does not play today.
bool spieltag_spiel_finden(int32_t spiel, Spieltag_Eintrag* eintrag, uint32_t* index);
// Makes game i of the node the cursor's last game, as a walk with the cursor would leave it.
void spieltag_cursor_setzen(Liste_Element* e, uint32_t i);
// Calls of the main loop go to the test hook while one is set: true then, with its answer.
bool spieltag_gemeldet(const char* aufruf, int32_t* antwort);
// The match day runs (quiet).
bool spieltag_laeuft();
// Ends the module without releasing the games' locks (they belong to a store read afresh).
void spieltag_beenden(bool locks_freigeben);
// The stoppage times the games on the pitch drew in network play go with their match day.
void spieltag_nachspielzeit_vergessen();

// The game is over: state 2, and for a game without play on the pitch the after-game figures of
// both sides (once per game: only here).
void spieltag_spiel_aus(const Spieltag_Eintrag& e, uint32_t i);
// The background draws of one game for the running minute; true when a sudden-death goal ended it.
// The game's record in the store and its live record (null: none) come as the minute's walk holds
// them.
bool spieltag_ereignisse_ziehen(const Spieltag_Eintrag& e, uint32_t i, bool golden, const Spiele_Spiel* spiel,
                                Spielfeld_Record* r);
// The side of a drawn goal or chance from the two sides' team strengths: true for the home side.
bool spieltag_tor_heim(int32_t staerke_heim, int32_t staerke_gast);
// The line-up of one side (filter 16), at most 50 players.
int32_t spieltag_aufstellung(int32_t team, int32_t* spieler);
// While one lives (the day's preparation), Spieltag_Get_Gegner finds each club's first game of
// the day in a table made in one walk: the line-ups ask for every club's opponent, and the
// preparation moves no club to another game and leaves the day's list as it is.
class Spieltag_Gegner_Halten {
public:
    Spieltag_Gegner_Halten();
    ~Spieltag_Gegner_Halten();
    Spieltag_Gegner_Halten(const Spieltag_Gegner_Halten&) = delete;
    Spieltag_Gegner_Halten& operator=(const Spieltag_Gegner_Halten&) = delete;
};
// The demand of a game from its competition's weight and the two sides' stakes.
int32_t spieltag_nachfrage(int32_t wettbewerb, int32_t heim, int32_t gast);
// Messages of the pre-match and press texts.
void spieltag_meldung(int32_t team, int32_t art, const char* text);
