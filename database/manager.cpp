#include "database/manager.h"

#include "platform/print.h"

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
