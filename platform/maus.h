// Mouse input.
#pragma once

// Handles one pending window message, then 1 while the left button is held, else 2 while the
// right one is held, else 0.
int Maus_Get_Tasten();
