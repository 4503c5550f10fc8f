#include "database/team.h"

// The clubs keep the league values of the configuration until the league bookkeeping lands.
void Team_Set_Basisdaten(int32_t, int32_t) {}
