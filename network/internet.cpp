#include "network/internet.h"

// Nothing to tell the network until network play lands.
void Internet_Menue_Rein_Hook() {}
