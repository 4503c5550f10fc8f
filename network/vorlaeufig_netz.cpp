#include "network/vorlaeufig_netz.h"

bool Netz_Aktivitaet_Anzeigen(int32_t, int32_t) { return false; }
