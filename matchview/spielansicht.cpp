#include "matchview/spielansicht.h"

void Spielansicht_Beenden(uint8_t) {}
void Spielansicht_Frame(Spielfeld_Steuerung_Block*, int32_t) {}
