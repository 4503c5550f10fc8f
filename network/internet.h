// The network side of the menus.
#pragma once

// Called by Menue_Rein once the screen's bitmaps are prepared.
void Internet_Menue_Rein_Hook();
// The network pump of the control signals; the modal loops call it once per pass while this
// machine takes part in a network game.
#include "network/steuersignal.h"
