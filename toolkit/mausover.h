// Mouse-over info and glow of the icon under the pointer: the icon is told when the pointer
// rests on it (flag 0x2000), may show its linked icon as an info icon (0x20000), glows in
// eight steps and gets its help bubble and spoken help. The event step decides when.
#pragma once
#include <cstdint>

struct Menue_Icon;

constexpr int32_t MAX_ICON_GLOWLIST = 20;

// Click flags of the mouse-over calls.
enum : uint32_t {
    MAUSOVER_START = 0x10,
    MAUSOVER_ENDE = 0x20,
    MAUSOVER_ENDE_KONTEXT = 0x28,
    MAUSOVER_ENDE_KLICK = 0x120,
};

// The icon whose mouse-over info is on, -1 none.
extern int16_t Menue_Mouse_Over_Nr;
// The icons that glow now (null: free).
extern Menue_Icon* Menue_Glow_Liste[MAX_ICON_GLOWLIST];

void Menue_Mouse_Over_Info(Menue_Icon* icon, Menue_Icon* gezogen, uint8_t modal);
// code: 0x20 end, 0x28 end for a context menu, 0x120 end for a click.
void Menue_Mouse_Not_Over_Info(Menue_Icon* icon, Menue_Icon* gezogen, uint8_t modal, uint8_t leise,
                               uint32_t code);
// Closes any bubble, then shows the icon's help text (mode 0: only with an acting team).
void Menue_Hilfe_Zeigen(Menue_Icon* icon, int32_t modus, int32_t x, int32_t y, uint8_t sofort);
// Closes the help bubble as the acting manager's help setting asks.
void Menue_Hilfe_Schliessen();
// Plays spoken help until it ends or input comes.
void Menue_Hilfe_Sprechen(int32_t sound);
// Tests hear the spoken help through this in place of the sound (null: the sound again).
using Menue_Hilfe_Sprech_Hook = void (*)(int32_t sound);
void Menue_Hilfe_Sprechen_Set_Hook(Menue_Hilfe_Sprech_Hook hook);
// Mode 1 clears every glow; otherwise draws step `stufe` of the icon's glow. Under a modal
// layer (modal 1, its rectangle mx, my, mw, mh) only icons above priority 19 or wholly outside
// the rectangle glow.
void Menue_Glow(Menue_Icon* icon, int32_t modus, uint8_t modal, int32_t mx, int32_t my, int32_t mw,
                int32_t mh, int32_t stufe);
// Clears the glow; the glow step becomes 0.
void Menue_Glow_Beenden();
