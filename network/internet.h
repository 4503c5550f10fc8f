// The network side of the menus.
#pragma once

// Called by Menue_Rein once the screen's bitmaps are prepared.
void Internet_Menue_Rein_Hook();
