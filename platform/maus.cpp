#include "platform/maus.h"

#include <cstdio>

#include "graphics/grafik_bitmap.h"
#include "platform/os/os.h"
#include "platform/win95.h"

// The cursor position comes in screen pixels already: relative to the window's client area in
// the windowed modes.
int32_t Maus_Get_X() { return Os_Mouse_X(); }
int32_t Maus_Get_Y() { return Os_Mouse_Y(); }

int Maus_Get_Tasten()
{
    Win95_Message_Pump();
    // A press released again before this poll is reported once, as if still held: a fast
    // click's down and up can arrive in one poll of the window's events.
    static uint32_t gemeldet[2] = {Os_Mouse_Presses(1), Os_Mouse_Presses(2)};
    const uint32_t links = Os_Mouse_Presses(1), rechts = Os_Mouse_Presses(2);
    int tasten = Win95_Maustasten();
    if (tasten == 0) tasten = links != gemeldet[0] ? 1 : rechts != gemeldet[1] ? 2 : 0;
    gemeldet[0] = links;
    gemeldet[1] = rechts;
    return tasten;
}

int Maus_Neue_Tasten()
{
    static uint32_t gesehen[2] = {Os_Mouse_Presses(1), Os_Mouse_Presses(2)};
    const uint32_t links = Os_Mouse_Presses(1), rechts = Os_Mouse_Presses(2);
    const int neu = links != gesehen[0] ? 1 : rechts != gesehen[1] ? 2 : 0;
    gesehen[0] = links;
    gesehen[1] = rechts;
    return neu;
}

void Maus_Druck_Position(int32_t* x, int32_t* y)
{
    int px = 0, py = 0;
    Os_Mouse_Press_Position(&px, &py);
    *x = px;
    *y = py;
}

int Maus_Doppelklick_Loeschen()
{
    Win95_Eingabe.doppelklick = 0;
    return 0;
}

int Maus_In_Rect(int32_t x, int32_t y, int32_t w, int32_t h)
{
    Win95_Message_Pump();
    int32_t mx = Maus_Get_X(), my = Maus_Get_Y();
    return x <= mx && mx <= x + w && y <= my && my <= y + h ? 1 : 0;
}

int Maus_Over_Bild(const Rastport* bitmap, int32_t x, int32_t y)
{
    Win95_Message_Pump();
    if (!bitmap) return 0;
    int64_t col = int64_t(Maus_Get_X()) - x, row = int64_t(Maus_Get_Y()) - y;
    if (col < 0 || row < 0 || col >= int64_t(bitmap->width) || row >= int64_t(bitmap->height))
        return 0;
    uint64_t n = uint64_t(row) * bitmap->width + uint64_t(col);
    if (bitmap->mask) return (bitmap->mask[n / 8] >> (n % 8)) & 1;
    if (bitmap->packed) return 1;
    if (!bitmap->pixels) return 0;
    if (bitmap->depth == 8) return static_cast<const uint8_t*>(bitmap->pixels)[n] != 0;
    if (bitmap->depth == 15 || bitmap->depth == 16)
        return static_cast<const uint16_t*>(bitmap->pixels)[n] != 0;
    return 0;
}

const char* Maus_Debug_Position()
{
    static char text[40];
    std::snprintf(text, sizeof text, "X: %d Y: %d", int(Maus_Get_X()), int(Maus_Get_Y()));
    return text;
}
