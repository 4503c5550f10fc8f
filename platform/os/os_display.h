// The display surface of the operating-system layer: one 16-bit frame in memory, presented in
// a window (SDL back end) or kept for picture dumps (headless back end).
#pragma once
#include <cstdint>

// Opens (or re-opens) the frame at this size. Full screen scales it with the aspect kept.
bool Os_Display_Open(int width, int height, bool fullscreen, bool rgb555);
void Os_Display_Close();
// The frame's pixels and pitch in pixels; null while no display is open.
uint16_t* Os_Display_Frame(int* pitch_pixels);
int Os_Display_Width();
int Os_Display_Height();
bool Os_Display_Rgb555();
// Marks a rectangle of the frame as changed; the window thread presents it at its next pump.
void Os_Display_Changed(int x, int y, int w, int h);
// Writes the current frame as a PNG picture; false when it cannot.
bool Os_Display_Dump_Png(const char* path);
// Headless, nobody sees a frame until it is dumped: a screen may leave the parts it redraws on
// every frame undrawn while Os_Display_Bild_Gefragt is false, and draw them in its hook, which
// every dump calls first (with the answer true meanwhile). With a window it is always true.
using Os_Display_Bild_Hook = void (*)();
void Os_Display_Bild_Hook_Registrieren(Os_Display_Bild_Hook hook);
bool Os_Display_Bild_Gefragt();
// Headless, every frame drawn whole as with a window (a test's reference frames).
void Os_Display_Set_Bild_Immer(bool immer);
// A headless program run by a script without a single dump: no picture of the screen is ever
// taken, so what lands on the screen pages is seen by nobody, and their drawing may be left out
// (Os_Display_Niemand_Sieht). Set at the start by the platform; a whole-frame request
// (Os_Display_Set_Bild_Immer) or a dump makes every frame drawn again.
void Os_Display_Set_Ungesehen(bool ungesehen);
bool Os_Display_Niemand_Sieht();
// Headless, no picture of the screen can be taken any more: nobody sees (above), or no picture
// is asked for now and the script read whole at the start has no dump left ahead of it. A
// present left waiting may then be dropped instead of kept.
bool Os_Display_Kein_Bild_Voraus();
// Headless, a whole-screen copy into the frame may wait until the frame is next read or
// written: the copier leaves its routine here, and Os_Display_Nachholen runs it once (the
// frame's readers and writers call it first). A later routine replaces a waiting one, null drops
// it; opening or closing the frame drops it too.
using Os_Display_Nachhol_Fn = void (*)();
void Os_Display_Aufschieben(Os_Display_Nachhol_Fn fn);
void Os_Display_Nachholen();
// A copy waits: a write that only carries page 0 (and the pointer over it) to the frame may
// be left out, the waiting copy carries it.
bool Os_Display_Aufgeschoben();
// Writes 16-bit pixels (RGB565, or RGB555) as an RGB PNG picture; pitch in pixels.
bool Os_Png_Schreiben(const char* path, const uint16_t* pixels, int width, int height, int pitch,
                      bool rgb555);

// The presenter reads the frame while another thread may draw into it (the pointer on the timer
// thread). The display layer hands in its screen lock so that the presenter takes it too: lock
// returns false when the screen is busy, and the present is then left to the next pump.
using Os_Display_Lock_Fn = bool (*)();
using Os_Display_Unlock_Fn = void (*)();
void Os_Display_Set_Lock(Os_Display_Lock_Fn lock, Os_Display_Unlock_Fn unlock);
