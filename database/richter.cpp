#include "database/richter.h"

// Nothing to fetch until the arbiter and network play land.
void Richter_Internet_Client_Get_Liste() {}
