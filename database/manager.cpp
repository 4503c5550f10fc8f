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
