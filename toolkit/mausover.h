// Mouse-over info and glow of the icon under the pointer. They come with their own issue; until
// then an icon is told nothing and nothing glows.
#pragma once
#include <cstdint>

struct Menue_Icon;

// The icon whose mouse-over info is on, -1 none.
extern int16_t Menue_Mouse_Over_Nr;

void Menue_Mouse_Over_Info(Menue_Icon* icon, Menue_Icon* gezogen, uint8_t modal);
// code: 0x20 end, 0x28 end for a context menu, 0x120 end for a click.
void Menue_Mouse_Not_Over_Info(Menue_Icon* icon, Menue_Icon* gezogen, uint8_t modal, uint8_t leise,
                               uint32_t code);
// Closes the help bubble as the acting manager's help setting asks.
void Menue_Hilfe_Schliessen();
// Plays spoken help until it ends or input comes.
void Menue_Hilfe_Sprechen(int32_t sound);
// Mode 1 clears every glow; otherwise draws step `stufe` of the icon's glow.
void Menue_Glow(Menue_Icon* icon, int32_t modus, uint8_t modal, int32_t mx, int32_t my, int32_t mw,
                int32_t mh, int32_t stufe);
// Clears the glow; the glow step becomes 0.
void Menue_Glow_Beenden();
