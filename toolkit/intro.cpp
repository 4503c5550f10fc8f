#include "toolkit/intro.h"

#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/btnscreen.h"

namespace {

constexpr uint32_t MODUS = 4;
constexpr uint8_t BILD_A = BTN_A_GROESSE_AUS_BILD | BTN_A_INIT;
constexpr uint8_t KNOPF_A = BTN_A_GROESSE_AUS_BILD | BTN_A_INIT | BTN_A_KOPIE;

const char* const BESCHRIFTUNG[4] = {"Neues Spiel starten", "Spielstand laden", "Letztes Spiel fortsetzen",
                                     "Zum Editor"};

int32_t wahl = -1;

Btnscreen_Gadget bild(int32_t x, int32_t y, int32_t nummer, int32_t prioritaet, Btnscreen_Gadget* next)
{
    Btnscreen_Gadget g{};
    g.x = x;
    g.y = y;
    g.resfile = 0;
    g.resource = nummer;
    g.flag_a = BILD_A;
    g.init = Intro_Bild_Init;
    g.modus = MODUS;
    g.prioritaet = prioritaet;
    g.next = next;
    return g;
}

Btnscreen_Gadget knopf(int32_t index, int32_t x, int32_t nummer, Btnscreen_Gadget* next)
{
    Btnscreen_Gadget g = bild(x, 434, nummer, 1, next);
    g.flag_a = KNOPF_A;
    g.init = Intro_Knopf_Init;
    g.links = Intro_Knopf_Klick;
    g.klick_sound = 2;
    g.benutzer[0] = uint32_t(index);
    return g;
}

Btnscreen_Gadget eintrag3 = knopf(3, 465, 3690, nullptr);
Btnscreen_Gadget eintrag2 = knopf(2, 315, 3689, &eintrag3);
Btnscreen_Gadget eintrag1 = knopf(1, 165, 3688, &eintrag2);
Btnscreen_Gadget eintrag0 = knopf(0, 11, 3687, &eintrag1);
Btnscreen_Gadget titel = bild(12, 11, 3692, 1, &eintrag0);
Btnscreen_Gadget hintergrund = bild(0, 0, 3691, 0, &titel);

}  // namespace

void Intro_Bild_Init(Btnscreen_Gadget* g)
{
    if (g && g->bitmap1) Grafik_Blit(g->bitmap1, 0, 0, g->w, g->h, Grafik_Render_Ziel, g->x, g->y);
}

void Intro_Knopf_Init(Btnscreen_Gadget* g)
{
    if (!g || !g->bitmap1 || g->benutzer[0] > 3) return;
    const int32_t index = int32_t(g->benutzer[0]);
    Rastport* b = g->bitmap1;
    const int32_t mitte = int32_t(b->width) / 2;
    const char* format = "^c%#05d^tz%#04d%s";
    if (index < 3) {
        Grafik_Printf(b, Font(9), format, 0, 24, int(Grafik_Farbe(15, 15, 15)), mitte, BESCHRIFTUNG[index]);
    } else {
        const int grau = int(Grafik_Farbe(8, 8, 8));
        Grafik_Printf(b, Font(9), format, 0, 18, grau, mitte, BESCHRIFTUNG[3]);
        // Centred on entry 2's half width: the builder makes the four faces the same size.
        const int32_t mitte2 = eintrag2.bitmap1 ? int32_t(eintrag2.bitmap1->width) / 2 : mitte;
        Grafik_Printf(b, Font(9), format, 0, 30, grau, mitte2, "(nicht in der Online-Version)");
    }
    Grafik_Blit_Transparent(b, 0, 0, g->w, g->h, Grafik_Render_Ziel, g->x, g->y);
}

void Intro_Knopf_Klick(Btnscreen_Gadget* g)
{
    if (g && g->benutzer[0] <= 3) wahl = int32_t(g->benutzer[0]);
}

int32_t Intro_Setup()
{
    Grafik_Screen_Seite_Waehlen(0);
    wahl = -1;
    if (Btnscreen_Laden(&hintergrund, MODUS)) {
        Btnscreen_Init_Callbacks(&hintergrund);
        Grafik_Screen_Seite_Zeigen(0);
        do {
            Screen_Frame_Zeit = Timer_Get_Time();
            Btnscreen_Schritt(&hintergrund);
        } while (wahl < 0 && !Programm_Ende);
        Win95_Sleep(INTRO_NACHLAUF);
        Btnscreen_Freigeben(&hintergrund, MODUS);
    }
    if (Grafik_Seite_0 && Grafik_Seite_1) {
        const int32_t w = int32_t(Grafik_Seite_0->width), h = int32_t(Grafik_Seite_0->height);
        Grafik_Blit(Grafik_Seite_0, 0, 0, w, h, Grafik_Seite_1, 0, 0);
        Grafik_Screen_Seite_Waehlen(1);
        Grafik_Blit_Abdunkeln(Grafik_Seite_1, 0, 0, 640, 480, Grafik_Seite_1, 0, 0, INTRO_ABDUNKELN);
        Grafik_Screen_Seite_Zeigen(1);
        Grafik_Screen_Seite_Waehlen(0);
    }
    return wahl;
}
