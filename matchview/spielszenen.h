// The live match view's scenes. Entry points until the view lands.
#pragma once

// Fills the pitch measures once.
void Spielszenen_Spielfeld_Masse_Setzen();
// Resets the scene animations for a new match day.
void Spielszenen_Animationen_Zuruecksetzen();
