#include "gameflow/globals.h"

uint32_t Netz_Rolle = 0;
uint32_t Handelndes_Team = 0;
uint8_t EIGENER_SERVER = 0;
int32_t Aktuelles_Team = -1;
