// Human managers: one record per managed club, hung in the club's team record.
#pragma once
#include <cstdint>

struct Manager_Struktur;

// Scalar, pointer and text fields 300..311 of a manager record; the team accessors forward
// their ids 300..311 here.
int32_t Manager_Wert(Manager_Struktur* manager, int32_t feld, int32_t wert, uint8_t modus);
void* Manager_Zeiger(Manager_Struktur* manager, int32_t feld, void* zeiger, uint8_t modus);
const char* Manager_String(Manager_Struktur* manager, int32_t feld, const char* text, uint8_t modus);
// Frees a manager record and returns null.
Manager_Struktur* Manager_Freigeben(Manager_Struktur* manager);
