// Transfer market upkeep: entry point until the world's periodic jobs land.
#include "database/team.h"

void Team_Init_Transfer_Suchliste() {}
