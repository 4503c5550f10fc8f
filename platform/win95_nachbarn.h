// Entry points of the display layer and the screen pages that the start-up and the window
// procedure use before those modules are linked in: declared weak, so that the program runs
// with the defaults (mode 101, nothing to repaint) until they land and are then used as they
// are. Replace by their headers once they exist.
#pragma once
#include <cstdint>

extern uint32_t Bildschirm_Modus __attribute__((weak));
void Grafik_Screen_Zeilen_Kopieren(int32_t x, int32_t y, int32_t width, int32_t height)
    __attribute__((weak));

inline uint32_t Win95_Modus() { return &Bildschirm_Modus ? Bildschirm_Modus : 101; }
inline bool Win95_Vollbild() { return Win95_Modus() >= 101 && Win95_Modus() <= 103; }
