#include "toolkit/scroll.h"

#include "graphics/grafik_bitmap.h"
#include "platform/print.h"

// Three static tables as the screens know them: 0..11, 12..19, 20..22.
static Scrollscreen scroll_tabelle_1[12];
static Scrollscreen scroll_tabelle_2[8];
static Scrollscreen scroll_tabelle_3[3];
static Scrollscreen* scrollscreens[MENUE_SCROLLSCREENS];

void Menue_Scrollscreens_Init()
{
    for (int32_t n = 0; n < MENUE_SCROLLSCREENS; ++n) {
        scrollscreens[n] = n < 12 ? &scroll_tabelle_1[n] : n < 20 ? &scroll_tabelle_2[n - 12] : &scroll_tabelle_3[n - 20];
        scrollscreens[n]->bitmap = Grafik_Bitmap_Freigeben(scrollscreens[n]->bitmap);
    }
}

Scrollscreen* Menue_Get_Scrollscreen(int32_t nummer)
{
    if (nummer < 0 || nummer >= MENUE_SCROLLSCREENS) {
        Print_Fehler("Menue_Get_Scrollscreen: nr falsch!");
        return nullptr;
    }
    if (!scrollscreens[nummer]) Menue_Scrollscreens_Init();
    return scrollscreens[nummer];
}

void Menue_Scrollscreens_Freigeben()
{
    for (Scrollscreen* s : scrollscreens)
        if (s) s->bitmap = Grafik_Bitmap_Freigeben(s->bitmap);
}

int32_t Menue_Balken_Prozedur_Aufrufen(Menue_Balken_Prozedur prozedur, Menue_Icon* icon)
{
    return prozedur ? prozedur(icon, Menue_Abs_Balkenpos(icon)) : 0;
}

// Scrolling comes with the scroll-bar module: until then nothing moves.
void Menue_Kill_Scrollscreen(int32_t, uint32_t) {}
int32_t Menue_Scrollbar_Klick(Menue_Icon*, uint32_t) { return 0; }
void Menue_Scrollbar_Rad(Menue_Icon*) {}
int32_t Menue_Abs_Balkenpos(Menue_Icon*) { return 0; }

int32_t Menue_Wert_In_Scrollpos_Umrechnen(int32_t, int32_t, Menue_Icon*, int32_t, uint8_t, int32_t, int32_t,
                                          int32_t, int32_t)
{
    return -1;
}
