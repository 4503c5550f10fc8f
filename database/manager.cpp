#include "database/manager.h"

#include "database/team.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "platform/sortiere.h"

int32_t Manager_Anzahl = 0;

// The manager record and its fields come with the manager module; until then every record is
// refused as missing and no field exists.
int32_t Manager_Wert(int32_t, Manager_Struktur* manager, uint8_t, int32_t)
{
    if (!manager) Print_Fehler("Aufruf von Manager_Wert mit m=NULL !\n");
    return 0;
}

void* Manager_Zeiger(int32_t, Manager_Struktur* manager, void*, uint8_t)
{
    if (!manager) Print_Fehler("Aufruf von Manager_Zeiger mit m=NULL !\n");
    return nullptr;
}

const char* Manager_String(int32_t, Manager_Struktur* manager, uint8_t)
{
    if (!manager) {
        Print_Fehler("Aufruf von Manager_String mit m=NULL!\n");
        return "Manager_String_Error";
    }
    return "FEHLER in Manager_String: falscher Modus!";
}

Manager_Struktur* Manager_Freigeben(Manager_Struktur*) { return nullptr; }

// ---- Icon states: no manager record holds them yet, so every state reads 0 ----
static Manager_Icon_Lese_Hook icon_lese_hook = nullptr;
static Manager_Icon_Schreib_Hook icon_schreib_hook = nullptr;

void Manager_Icon_Set_Hook(Manager_Icon_Lese_Hook lesen, Manager_Icon_Schreib_Hook schreiben)
{
    icon_lese_hook = lesen;
    icon_schreib_hook = schreiben;
}

void Manager_Icon_Button_An_Aus(int32_t team, int32_t icon, uint32_t zustand)
{
    if (icon_schreib_hook) icon_schreib_hook(team, icon, zustand);
}
uint32_t Manager_Icon_Button_Lesen(int32_t team, int32_t icon)
{
    return icon_lese_hook ? icon_lese_hook(team, icon) : 0;
}
void Manager_Icon_Word_Data_Schreiben(int32_t, int32_t, uint16_t) {}
uint16_t Manager_Icon_Word_Data_Lesen(int32_t, int32_t) { return 0; }
void Manager_Icon_Word_Data_Setzen(int32_t, int32_t, int16_t) {}
uint32_t Manager_Icon_Buttons_In_Bitfeld(int32_t, uint8_t, int32_t, ...) { return 0; }
int32_t Manager_Icon_Welcher_Togglebutton_Ist_An(int32_t, int32_t, ...) { return -1; }
void Manager_Icon_Togglebutton_An_Aus(int32_t, int32_t, int32_t, ...) {}
void Manager_Icon_Status_Vorbelegen(Manager_Icon_Zustand*, int32_t, uint32_t) {}
void Manager_Icon_Word_Data_Vorbelegen(Manager_Icon_Zustand*, int32_t, uint16_t) {}
void Manager_Internet_Client_Refresh() {}
void Manager_Internet_Client_Scrollpos_Refresh() {}

const char* Manager_Standard_Vorname(int32_t) { return ""; }

int32_t Manager_Ist_Dran(int32_t* feld, bool mischen, int32_t modus)
{
    if (!feld) {
        Print_Fehler("Manager_Ist_Dran: array=NULL!\n");
        return -1;
    }
    feld[0] = -1;
    if ((Netz_Rolle & 2) && modus == 1) {
        // A server without a club of its own has nobody at the PC.
        if (Stand_Alone_Server || Server_Team < 0) return 0;
        feld[0] = Server_Team;
        return 1;
    }
    if (Netz_Rolle == 1) {
        feld[0] = static_cast<int32_t>(Handelndes_Team);
        return 1;
    }
    int32_t n = 0;
    for (int32_t t = 0; T_Fix && t < Team_Anzahl; ++t) {
        if (!T_Fix[t].manager) continue;
        if (n == MANAGER_DRAN_MAX) {
            Print_Fehler("Manager_Ist_Dran: array-index zu groß!");
            break;
        }
        feld[n++] = t;
    }
    if (n != Manager_Anzahl) {
        Print_Fehler("Manager_Ist_Dran: nr!=managerzahl!\n");
        feld[0] = -1;
        return -1;
    }
    if (mischen) Mischen_Dword(feld, n);
    return n;
}
