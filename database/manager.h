// Human managers: one record per managed club, hung in the club's team record.
#pragma once
#include <cstdint>

struct Manager_Struktur;

// Fields of a manager record; the team accessors forward their ids 300..311 here.
int32_t Manager_Wert(int32_t feld, Manager_Struktur* manager, uint8_t modus, int32_t wert);
void* Manager_Zeiger(int32_t feld, Manager_Struktur* manager, void* puffer, uint8_t modus);
const char* Manager_String(int32_t feld, Manager_Struktur* manager, uint8_t modus);

// ---- Icon states of a manager's screens (toggle state, data word per icon number 0..2700) ----
struct Manager_Icon_Zustand;
void Manager_Icon_Button_An_Aus(int32_t team, int32_t icon, uint32_t zustand);
uint32_t Manager_Icon_Button_Lesen(int32_t team, int32_t icon);
void Manager_Icon_Word_Data_Schreiben(int32_t team, int32_t icon, uint16_t wert);
uint16_t Manager_Icon_Word_Data_Lesen(int32_t team, int32_t icon);
void Manager_Icon_Word_Data_Setzen(int32_t team, int32_t icon, int16_t wert);
uint32_t Manager_Icon_Buttons_In_Bitfeld(int32_t team, uint8_t schieben, int32_t anzahl, ...);
int32_t Manager_Icon_Welcher_Togglebutton_Ist_An(int32_t team, int32_t anzahl, ...);
void Manager_Icon_Togglebutton_An_Aus(int32_t team, int32_t anzahl, int32_t gewaehlt, ...);
void Manager_Icon_Status_Vorbelegen(Manager_Icon_Zustand* block, int32_t icon, uint32_t zustand);
void Manager_Icon_Word_Data_Vorbelegen(Manager_Icon_Zustand* block, int32_t icon, uint16_t wert);
// Tests put a double of the toggle states here (null: none); the two calls above that read and
// write a toggle state go to it first.
using Manager_Icon_Lese_Hook = uint32_t (*)(int32_t team, int32_t icon);
using Manager_Icon_Schreib_Hook = void (*)(int32_t team, int32_t icon, uint32_t zustand);
void Manager_Icon_Set_Hook(Manager_Icon_Lese_Hook lesen, Manager_Icon_Schreib_Hook schreiben);
// A remote client renews its copies of the manager records and of their scroll positions.
void Manager_Internet_Client_Refresh();
void Manager_Internet_Client_Scrollpos_Refresh();
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
