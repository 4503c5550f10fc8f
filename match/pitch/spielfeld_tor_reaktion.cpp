#include "match/pitch/spielfeld_tor_reaktion.h"

void Spielfeld_Tor_Reaktion(Spielfeld_Record*, int32_t) {}
