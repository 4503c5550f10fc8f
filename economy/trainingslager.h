// Training camps and friendly matches of the human managers' clubs. Entry points only until the
// camps land: no answer is sent and every date is free.
#pragma once
#include <cstdint>

// The 44-byte booking record, one row of a club's table of 30 appointments (manager record block
// 307). It travels whole in remote calls and savegames, so its layout is the stored one.
struct Trainingslager_Buchung {
    uint8_t art;           // 1 training camp, 2 friendly match
    uint8_t belegt;        // slot in use
    int8_t slot;           // index in the asking club's table, -1 none
    uint8_t rest_3[5];
    uint32_t team;         // asking club
    uint32_t ziel;         // camp index (kind 1) or the other club (kind 2)
    uint32_t erster_tag;
    uint32_t letzter_tag;  // a friendly match: equal to the first day
    uint8_t rest_24[20];   // the camps' own fields, carried unchanged
};
static_assert(sizeof(Trainingslager_Buchung) == 44);

constexpr int32_t TRAININGSLAGER_BUCHUNGEN = 30;

// Reports a decided booking to the club: confirmed, refused, or (on or after its day) not answered
// in time.
void Trainingslager_Buchung_Melden(int32_t team, const Trainingslager_Buchung* buchung, bool bestaetigt);
// Frees the club's table slot that the booking names (nothing for slot -1).
void Trainingslager_Buchung_Freigeben(int32_t team, const Trainingslager_Buchung* buchung);
// Non-zero when the club may play a friendly match against the other club on that day.
int32_t Trainingslager_Termin_Pruefen(int32_t team, int32_t gegner, int32_t tag, int32_t art, int32_t, int32_t);

// Test hooks: see every report and release, and answer the date check.
using Trainingslager_Melde_Beobachter = void (*)(int32_t team, const Trainingslager_Buchung* buchung, bool bestaetigt);
void Trainingslager_Set_Melde_Beobachter(Trainingslager_Melde_Beobachter beobachter);
using Trainingslager_Freigabe_Beobachter = void (*)(int32_t team, const Trainingslager_Buchung* buchung);
void Trainingslager_Set_Freigabe_Beobachter(Trainingslager_Freigabe_Beobachter beobachter);
using Trainingslager_Termin_Abfrage = int32_t (*)(int32_t team, int32_t gegner, int32_t tag);
void Trainingslager_Set_Termin_Abfrage(Trainingslager_Termin_Abfrage abfrage);

// A managed club's daily camp work; nothing until the camps land.
void Trainingslager_Jeden_Tag(int32_t team);
