#include "network/internet.h"

#include "gameflow/ablauf_anfrage.h"

// A client notes its club's records as the round's refresh brought them, before the round
// changes them.
void Internet_Menue_Rein_Hook() { Ablauf_Client_Abzug_Merken(); }
