// Entry points that other work delivers; neutral until it lands.
#pragma once
#include "competitions/wettbewerb.h"

// Fills the rounds that take their entrants from the league tree of a league system with the
// system's best table places.
void Wettbewerb_Ligabaum_Qualifikanten_Setzen(Wettbewerb_Id system);
