// The insurance page of a player.
#pragma once
#include <cstdint>

// Concludes an insurance of the club's player with company `firma` for `jahre` years; premium
// and yearly cost are computed here. Refuses (false) until the insurance page lands.
bool Spieler_Versicherung_Abschliessen(int32_t team, int32_t spnr, int32_t firma, int32_t jahre);
