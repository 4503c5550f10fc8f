#include "platform/pfad.h"

char Pfad_Config_Files[256] = "";
