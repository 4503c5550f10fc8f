#include "database/manager.h"

// The manager record and its fields come with the manager issue; until then no field exists.
int32_t Manager_Wert(Manager_Struktur*, int32_t, int32_t, uint8_t) { return 0; }
void* Manager_Zeiger(Manager_Struktur*, int32_t, void*, uint8_t) { return nullptr; }
const char* Manager_String(Manager_Struktur*, int32_t, const char*, uint8_t) { return ""; }
Manager_Struktur* Manager_Freigeben(Manager_Struktur*) { return nullptr; }
