// The clubs' stadium records. Entry points only until the stadium module lands: no club has a
// record, so nothing is stored and no building is ready.
#pragma once
#include <cstdint>

struct Stadion_Daten;

// Building slots of the training grounds and the medical centre.
constexpr int32_t STADION_ANLAGE_TRAININGSGELAENDE = 14;
constexpr int32_t STADION_ANLAGE_MEDIZIN = 15;

// The club's record: with `direkt` the stored one, else a copy valid until the next call. Null
// when the club has none.
Stadion_Daten* Stadion_Zeiger(int32_t team, int32_t direkt);
// Stores a record as the club's stadium (not on a network client).
bool Stadion_Neu(int32_t team, const Stadion_Daten* vorlage);
// Gives a record no optional parts (top surcharge, statistics), or two empty ones.
void Stadion_Optionale_Teile_Setzen(Stadion_Daten* daten, bool leere_teile);
// The seats or count of a building slot 0..18 when it is ready, else 0.
int32_t Stadion_Get_Anlage_Wert(int32_t team, int32_t slot);

// Test hook: answers in place of Stadion_Get_Anlage_Wert.
using Stadion_Anlage_Abfrage = int32_t (*)(int32_t team, int32_t slot);
void Stadion_Set_Anlage_Abfrage(Stadion_Anlage_Abfrage abfrage);

// A new game: the stadiums' start, selling the first season tickets; needs the human managers.
void Stadion_Neues_Spiel();
// Test hook: sees the call.
void Stadion_Set_Neues_Spiel_Beobachter(void (*beobachter)());
// Season tickets: with `abrechnen` set, the months settled now go to *monate (none settled
// twice) and the result is 0; without, the stadium's monthly compensation estimate in DM.
// 0 until the stadium module lands.
int32_t Stadion_Dauerkarten_Monat(int32_t team, int32_t* monate, int32_t abrechnen);
// Test hook: answers in place of Stadion_Dauerkarten_Monat.
using Stadion_Dauerkarten_Abfrage = int32_t (*)(int32_t team, int32_t* monate, int32_t abrechnen);
void Stadion_Set_Dauerkarten_Abfrage(Stadion_Dauerkarten_Abfrage abfrage);
