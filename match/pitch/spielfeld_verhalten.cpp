#include "match/pitch/spielfeld_verhalten.h"

void Spielfeld_Verhalten_Bank(Spielfeld_Record*, int32_t, int32_t) {}
void Spielfeld_Verhalten_Nebenobjekt(Spielfeld_Record*, int32_t, int32_t) {}
void Spielfeld_Sonderaktion(Spielfeld_Record*) {}
void Spielfeld_Ball_Flugdauer() {}
