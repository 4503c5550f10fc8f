#include "network/internet.h"

// Nothing to tell the network until network play lands.
void Internet_Menue_Rein_Hook() {}

static Steuersignal_Beobachter steuersignal_beobachter = nullptr;
void Steuersignal_Set_Beobachter(Steuersignal_Beobachter b) { steuersignal_beobachter = b; }

void Steuersignal_Verarbeiten()
{
    if (steuersignal_beobachter) steuersignal_beobachter();
}
