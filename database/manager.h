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

// Number of teams that hold a manager record; the manager lifecycle keeps it and the turn order
// checks it.
extern int32_t Manager_Anzahl;
constexpr int32_t MANAGER_DRAN_MAX = 100;
// The teams of the human managers whose turn it is, into feld (room for MANAGER_DRAN_MAX);
// feld[0] is -1 when there is none. Mode 1 asks for the managers at this PC only: on the
// server its own manager. Returns the count, -1 on a fault.
int32_t Manager_Ist_Dran(int32_t* feld, bool mischen, int32_t modus);
