// The tactics panel of the live view and the live record's change block: what the manager
// changes goes into the block, the frame step takes it at a minute's end into the record's
// pending change of that side and applies it two minutes later.
#pragma once
#include <cstdint>

struct Spielfeld_Record;

// The labels of the eight team tactics' values 0, 1 and 2 (tactic * 3 + value), which the club
// screens print as well.
extern const char* const Taktik_Wert_Texte[24];

// Change flags of a side (block byte +7 + side).
enum : uint8_t { ANWEISUNG_EINSATZ = 1, ANWEISUNG_TAKTIK = 2, ANWEISUNG_WECHSEL = 4, ANWEISUNG_SPIELER = 8 };

// Offsets in the change block (record +22752; its last 28 bytes are the network lists).
enum : int32_t {
    ANW_MINUTE = 0, ANW_PERIODE = 4, ANW_INITIALISIERT = 6, ANW_FLAGS = 7, ANW_TAKTIK = 9, ANW_EINSATZ = 28,
    ANW_SPIELER = 36,
};
// Strength entry bytes (+115 on) of the block's eight instruction arrays, in the block's order.
extern const uint8_t ANWEISUNG_EINTRAG[8];
// Highest value of each instruction array (its row's steps - 1).
extern const uint8_t ANWEISUNG_HOECHSTWERT[8];

// Fills a side's part of the block from the values the engine plays with and marks the block
// initialised (both sides' lists empty).
void Spielfeld_Anweisungen_Fuellen(Spielfeld_Record* r);

// At the end of minute m: each side's raised flags move its part of the block into the record's
// pending change of the side (applies from minute m + 2), and the flags are cleared.
void Spielfeld_Anweisungen_Uebernehmen(Spielfeld_Record* r, int32_t minute);
// At the start of minute m: a pending change due then is applied to the engine's values.
void Spielfeld_Anweisungen_Anwenden(Spielfeld_Record* r, int32_t minute);
// Merges a side's part of a whole block image (change block and lists, 320 bytes; minute and
// period taken from its first bytes) into the pending change. Values out of range are dropped
// with a report. (Behind Spielfeld_Anweisungen_Einreihen, which the network calls.)
void Spielfeld_Anweisungen_Vormerken(Spielfeld_Record* r, int32_t seite, const uint8_t* block);

// The pending change of a side, as saved (SPIELFELD_AENDERUNG_BYTES): u8 flags, u16 minute,
// u8 period, 8 u8 tactics, u8 effort, 8 x 16 u8 instruction bytes, 2 x 7 u8 lists.
bool Spielfeld_Aenderung_Gueltig(const uint8_t* bild, int32_t seite);
// Apply-from minute of a side's pending change, -1 when none is pending.
int32_t Spielfeld_Aenderung_Minute(const Spielfeld_Record* r, int32_t seite);
