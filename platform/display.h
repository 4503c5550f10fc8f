// Display layer: the place the graphics library writes pixels to. The screen pages are copied
// to the display rectangle by rectangle through lock and unlock. Full-screen modes (101-103)
// hand out the frame itself; windowed modes (104-108) and 8-bit screens hand out a buffer that
// the unlock carries into the frame (through the palette table at 8 bits).
#pragma once
#include <cstdint>

// Display mode 101-108: 101 is 640 x 480, 103 and 106 are 1024 x 768, the others 800 x 600;
// 104 and above run in a window. Set before Win95_Open_Screen.
extern uint32_t Bildschirm_Modus;

// Screen size of a display mode.
void Win95_Modus_Groesse(uint32_t modus, int32_t* width, int32_t* height);
int Win95_Ist_Vollbild();

// Opens the display; *depth is the wanted depth (8 or 16) and becomes the granted one:
// 8, 16 (RGB565) or 15 (RGB555, when DORVIN_RGB555=1). 1 on success, 0 on failure.
int Win95_Open_Screen(int32_t width, int32_t height, int32_t* depth);
void Win95_Close_Screen(int32_t release_all);
int Win95_Reopen_Screen(int32_t width, int32_t height, int32_t* depth);

// Locks a rectangle: returns its first pixel and the row pitch in bytes; null when refused
// (refresh suspended, rectangle outside the screen, no screen). Waits while another thread
// holds the lock. Lock and unlock pair on one thread.
void* Win95_Lock_Screen(int32_t x, int32_t y, int32_t width, int32_t height, int32_t* pitch);
// Full screen: 0 on success. Windowed: 1 when a locked rectangle was drawn, 0 without a lock.
int Win95_Unlock_Screen();
// A lock would be granted now: the screen is open and its refresh not suspended.
bool Win95_Screen_Bereit();
// Copies a whole picture of 16-bit screen colours (rows without gaps) into the display at
// (x, y), clipped to it; 1 when anything was drawn.
int Win95_Draw_Bitmap(const uint16_t* pixels, int32_t width, int32_t height, int32_t x, int32_t y);

// 256 six-bit RGB triplets (768 bytes); entries 0-9 and 246-255 are the fixed colours.
void Win95_Set_Palette(const uint8_t* palette);
int Win95_Wait_Vsync();
int Win95_Frame_Parity();
int Win95_Sleep_Fullscreen();
void Win95_Suspend_Refresh();
void Win95_Resume_Refresh();

// Failure boxes of the display and sound set-up: "<step>: Error (Step <n>): <name>".
void Win95_DDraw_Fehler(const char* step, uint32_t code, int32_t step_no);
void Win95_DSound_Fehler(const char* step, uint32_t code, int32_t step_no);
void Startup_Protokoll(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Display error codes (the values the failure box names).
constexpr uint32_t DD_HRESULT(uint32_t code) { return 0x88760000u | code; }
constexpr uint32_t DDERR_INVALIDPARAMS = 0x80070057u;
constexpr uint32_t DDERR_OUTOFMEMORY = 0x8007000Eu;
constexpr uint32_t DDERR_GENERIC = 0x80004005u;
constexpr uint32_t DDERR_UNSUPPORTED = 0x80004001u;
constexpr uint32_t DDERR_INVALIDMODE = DD_HRESULT(120);
constexpr uint32_t DDERR_INVALIDOBJECT = DD_HRESULT(130);
constexpr uint32_t DDERR_LOCKEDSURFACES = DD_HRESULT(160);
constexpr uint32_t DDERR_NOEXCLUSIVEMODE = DD_HRESULT(225);
constexpr uint32_t DDERR_SURFACEBUSY = DD_HRESULT(430);
constexpr uint32_t DDERR_WASSTILLDRAWING = DD_HRESULT(540);
constexpr uint32_t DDERR_HWNDSUBCLASSED = DD_HRESULT(570);
constexpr uint32_t DDERR_HWNDALREADYSET = DD_HRESULT(571);
constexpr uint32_t DDERR_EXCLUSIVEMODEALREADYSET = DD_HRESULT(581);
constexpr uint32_t DDERR_UNSUPPORTEDMODE = DD_HRESULT(590);
