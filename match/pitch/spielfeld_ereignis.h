// The event recorder of a pitch game, its statistics counters, the referee's decision after a
// foul and the effect of a team talk.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Bits of Spielfeld_Ereignis beyond those in spielfeld.h.
enum : uint32_t {
    EREIGNIS_WARNUNG = 8, EREIGNIS_TOR_WERT = 128, EREIGNIS_EIGENTOR = 512, EREIGNIS_PARADE = 1024,
    EREIGNIS_TORART_1 = 8192, EREIGNIS_TORART_2 = 16384, EREIGNIS_TORART_3 = 32768, EREIGNIS_FOUL = 65536,
    EREIGNIS_VERLETZUNG = 131072, EREIGNIS_WECHSEL = 262144, EREIGNIS_ABSEITS = 524288, EREIGNIS_SCHWALBE = 1048576,
    EREIGNIS_TAKTIK = 4194304,
};
// The kinds the recorder tells apart (low 16 bits; the high ones are kept).
constexpr uint32_t EREIGNIS_ART_MASKE = 4218;

// Records one event of slot s (second slot t, -1 none).
void Spielfeld_Ereignis_Melden(Spielfeld_Record* r, uint32_t code, int32_t slot, int32_t zweiter);
// Raises per-player counter e (0..7) of slot s; a shoot-out kick counts nothing.
void Spielfeld_Statistik_Zaehlen(Spielfeld_Record* r, int32_t slot, int32_t element);
// The referee's decision on the foul the frame step found (draws on the record's sequence).
void Spielfeld_Foul_Bewerten(Spielfeld_Record* r);
// A team talk's result: each skill value of the side moves 30 % towards `prozent` of itself.
void Spielfeld_Motivation_Anwenden(Spielfeld_Record* r, int32_t seite, int32_t prozent);
// Adds to the player's value (clamped); true when it passes from below 75 to 75 or more, which
// leaves marker + 1 in the strength entry of the slot, when there is one.
bool Spielfeld_Spielerwert_Erhoehen(int32_t id, int32_t marker, int32_t team, int32_t spnr, int32_t um, Spielfeld_Record* r,
                                    int32_t slot);
