#include "gameflow/eingang.h"

uint8_t Eingang_Get_Start_Option_Byte() { return 1; }
