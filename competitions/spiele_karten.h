// Cards, suspensions and appearances per competition: eight counters per player and owning
// competition, so that every round and group of one competition shares them. Bans reach the
// team-player link as flag bits for the line-up code.
#pragma once
#include <cstdint>

// Counter kinds.
enum : int32_t {
    KARTE_GELB = 1,       // bit 128: a card of the current match
    KARTE_GELBROT = 2,
    KARTE_ROT = 3,
    KARTE_EINSAETZE = 4,
    KARTE_SPERRE = 8,     // matches to sit out, with bit 32 yellow, 64 yellow-red, 128 red ban
};
// Link flags (field 317) that this module sets.
enum : uint32_t {
    TS_GESPERRT_GELB = 128,
    TS_GESPERRT_GELBROT = 256,
    TS_GESPERRT_ROT = 512,
    TS_GELB_WARNUNG = 0x80000,
    TS_EINGEWECHSELT = 0x100000,
};

struct __attribute__((packed)) Spiele_Wettbewerb_Ereignis {
    uint32_t key;  // owning competition x player count + player + 1
    uint8_t zaehler[8];
};
static_assert(sizeof(Spiele_Wettbewerb_Ereignis) == 12);

// wert -1 adds one, any other value replaces the counter.
void Spiele_Set_Wettbewerb_Ereignis(int32_t wettbewerb, int32_t spieler, int32_t art, int32_t wert);
// One player's counter, or with spieler -1 the sum over the team's players passing the link
// filter (and sharing a bit of the status mask with their player type, unless it is -1).
int32_t Spiele_Get_Wettbewerb_Ereignis(int32_t wettbewerb, int32_t art, int32_t team, int32_t spieler,
                                       int32_t filter, int32_t status_maske);
// True when the player was booked in the competition's current match (the mark the count above
// leaves out): a second card is yellow-red.
bool Spiele_Gelb_In_Dieser_Partie(int32_t wettbewerb, int32_t spieler);
// The counters of one owning competition; -1 all.
void Spiele_Loesche_Wettbewerb_Ereignis(int32_t wettbewerb);
// Drops entries that break the sort order.
void Spiele_Check_Wettbewerb_Ereignis();
void Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(int32_t wettbewerb, int32_t team);
// The same for the sides of one game (one or two) at once, as one call after another leaves it:
// the entries missing for either go into the counters together.
void Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(int32_t wettbewerb, const int32_t* teams, int32_t anzahl);
void Spiele_Setze_Eingesetzte_Spieler_Gesamtstatistik_Vor_Spiel(int32_t wettbewerb, int32_t team);
void Spiele_Setze_Sperren_Spieler_Vor_Spiel(int32_t wettbewerb, int32_t team, int32_t herunterzaehlen);
int32_t Spiele_Wettbewerb_Ereignis_Suchen(uint32_t key);
