// The live match view's scenes. Entry points until the view lands.
#pragma once

// Resets the scene animations for a new match day.
void Spielszenen_Animationen_Zuruecksetzen();
