// Human managers: one record per managed club, hung in the club's team record.
#pragma once
#include <cstdint>

struct Manager_Struktur;

// Fields of a manager record; the team accessors forward their ids 300..311 here.
int32_t Manager_Wert(int32_t feld, Manager_Struktur* manager, uint8_t modus, int32_t wert);
void* Manager_Zeiger(int32_t feld, Manager_Struktur* manager, void* puffer, uint8_t modus);
const char* Manager_String(int32_t feld, Manager_Struktur* manager, uint8_t modus);
// Frees a manager record and returns null.
Manager_Struktur* Manager_Freigeben(Manager_Struktur* manager);
// Entry of the table of ten default first names of new managers (index modulo 10).
const char* Manager_Standard_Vorname(int32_t index);
