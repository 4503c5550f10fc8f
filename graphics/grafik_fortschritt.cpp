#include "graphics/grafik_fortschritt.h"

#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_effekt.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/menuesound.h"
#include "platform/os/os_display.h"
#include "platform/timer.h"
#include "platform/win95.h"

namespace {

constexpr int32_t PANEL_LINKS = 26, PANEL_OBEN = 36, PANEL_HOEHE = 107;
constexpr int32_t BALKEN_X = 36, BALKEN_Y = 78, BLOCK = 8, BLOCK_ABSTAND = 11;

struct Box {
    bool offen = false;
    bool gesperrt = false;
    bool gezeichnet = false;
    int32_t x = 0, y = 0, w = 0;
    Rastport* hintergrund = nullptr;
    Rastport* bild = nullptr;
    Rastport* panel = nullptr;
    // The bar's two strips of (w - 20) x 8: every block in full yellow, drawn once at opening,
    // and the last, partly lit block of a redraw.
    Rastport* balken = nullptr;
    Rastport* teil_block = nullptr;
    uint32_t letzte = 0;
    // A fade step left undrawn (headless, no picture asked for): its weight, -1 for none.
    int32_t ausstehend = -1;
} box;

void freigeben()
{
    box.hintergrund = Grafik_Bitmap_Freigeben(box.hintergrund);
    box.bild = Grafik_Bitmap_Freigeben(box.bild);
    box.panel = Grafik_Bitmap_Freigeben(box.panel);
    box.balken = Grafik_Bitmap_Freigeben(box.balken);
    box.teil_block = Grafik_Bitmap_Freigeben(box.teil_block);
    box.ausstehend = -1;
    box.offen = false;
}

// Waits out the rest of a fade step; false when a mouse button ends the fade.
bool schritt_warten(uint32_t start)
{
    while (Timer_Get_Time() - start < 15) {
        if (Maus_Get_Tasten() != 0 || Programm_Ende) return false;
        Win95_Sleep(1);
    }
    return Maus_Get_Tasten() == 0;
}

void blenden(int32_t gewicht)
{
    Grafik_Blit_Ueberblenden(box.bild, 0, 0, box.w, FORTSCHRITT_HOEHE, Grafik_Seite_0, box.x, box.y, gewicht,
                             box.hintergrund, 0, 0);
}

// A dump draws the step the fade stands at.
void ausstehend_zeichnen()
{
    if (box.ausstehend < 0) return;
    blenden(box.ausstehend);
    box.ausstehend = -1;
}

// One step of a fade. Each step covers the box whole and the fade ends with a copy over it, so
// headless, with no picture asked for, a step is only noted: a dump draws it, nothing else reads
// the box meanwhile. The waits stay the same.
void blend_schritt(int32_t gewicht)
{
    if (Os_Display_Bild_Gefragt()) {
        box.ausstehend = -1;
        blenden(gewicht);
        return;
    }
    Os_Display_Bild_Hook_Registrieren(ausstehend_zeichnen);
    box.ausstehend = gewicht;
}

}  // namespace

void Grafik_Fortschritt_Sperren() { box.gesperrt = true; }
void Grafik_Fortschritt_Freigeben() { box.gesperrt = false; }

bool Grafik_Fortschritt_Lage(int32_t* x, int32_t* y, int32_t* w)
{
    if (!box.offen) return false;
    if (x) *x = box.x;
    if (y) *y = box.y;
    if (w) *w = box.w;
    return true;
}

int Grafik_Fortschritt_Oeffnen(const char* titel, int32_t x, int32_t y)
{
    if (box.gesperrt) return 0;
    if (box.offen) Grafik_Fortschritt_Schliessen();
    if (!titel) titel = "";
    Font_Record* font = Font(0);
    Grafik_Screen_Seite_Waehlen(0);
    Rastport* schirm = Grafik_Seite_0;
    if (!schirm || (schirm->depth != 15 && schirm->depth != 16)) return 0;
    const int32_t tw = Font_Text_Breite(font, titel);
    box.w = tw + 20 < FORTSCHRITT_MIN_BREITE ? FORTSCHRITT_MIN_BREITE : tw + 20;
    box.x = x < 0 ? 320 - box.w / 2 : x;
    box.y = y < 0 ? 190 : y;
    box.hintergrund = Grafik_Bitmap_Anlegen(box.w, FORTSCHRITT_HOEHE, schirm->depth);
    box.bild = Grafik_Bitmap_Anlegen(box.w, FORTSCHRITT_HOEHE, schirm->depth);
    box.panel = Grafik_Bitmap_Anlegen(box.w + PANEL_LINKS, PANEL_HOEHE, schirm->depth);
    box.balken = Grafik_Bitmap_Anlegen(box.w - 20, BLOCK, schirm->depth);
    box.teil_block = Grafik_Bitmap_Anlegen(box.w - 20, BLOCK, schirm->depth);
    if (!box.hintergrund || !box.bild || !box.panel || !box.balken || !box.teil_block) {
        freigeben();
        return 0;
    }
    Grafik_Blit(schirm, box.x, box.y, box.w, FORTSCHRITT_HOEHE, box.hintergrund, 0, 0);
    Grafik_Blit(schirm, box.x, box.y, box.w, FORTSCHRITT_HOEHE, box.bild, 0, 0);
    // The box's picture goes nowhere but onto the screen: onto one nobody sees (a headless run that
    // takes no picture) its blur would soften what was never drawn.
    if (!Grafik_Seite_Ungesehen(schirm)) Grafik_Filter_Anwenden(&Filter_Kern_Weich, box.bild);
    Grafik_Rand_Fuellen(box.bild, 0);
    Grafik_Printf(box.bild, font, "^c%05d^tl%04d%s", 0, int32_t(font ? font->ascent : 0) + 4,
                  int(Grafik_Farbe(15, 15, 0)), int(box.w / 2 - tw / 2), titel);
    Grafik_Blit_Abdunkeln(box.bild, 8, 40, box.w - 16, 12, box.bild, 8, 40, 40);
    for (int32_t k = 0; k < 16; ++k) {
        const uint32_t start = Timer_Get_Time();
        blend_schritt(4 * k);
        if (!schritt_warten(start)) break;
    }
    box.ausstehend = -1;
    Grafik_Blit(box.bild, 0, 0, box.w, FORTSCHRITT_HOEHE, schirm, box.x, box.y);
    Grafik_Blit(schirm, box.x - PANEL_LINKS, box.y - PANEL_OBEN, box.w + PANEL_LINKS, PANEL_HOEHE, box.panel, 0, 0);
    for (int32_t k = 0; BLOCK_ABSTAND * k + BLOCK <= box.w - 20; ++k)
        Grafik_Rechteck_Fuellen(box.balken, BLOCK_ABSTAND * k, 0, BLOCK, BLOCK, Grafik_Farbe(15, 15, 0));
    Mauszeiger_Select(5);
    Menuesound_Play(1, 0);
    box.gezeichnet = false;
    box.offen = true;
    return 1;
}

int Grafik_Fortschritt_Setzen(int32_t prozent, const char* eintrag)
{
    if (box.gesperrt || !box.offen) return 0;
    const uint32_t jetzt = Timer_Get_Time();
    if (box.gezeichnet && jetzt - box.letzte < 200) return 0;
    if (prozent < 0 || prozent > 100) prozent = 0;
    const int32_t pw = box.w + PANEL_LINKS;
    Rastport* arbeit = Grafik_Bitmap_Anlegen(pw, PANEL_HOEHE, box.panel->depth);
    if (!arbeit) return 0;
    Grafik_Blit(box.panel, 0, 0, pw, PANEL_HOEHE, arbeit, 0, 0);
    if (eintrag && *eintrag) {
        Font_Record* f = Font(3);
        Grafik_Printf(arbeit, f, "^c%05d^tl%04d%s", 0, int32_t(f ? f->ascent : 0) + 62, int(Grafik_Farbe(15, 15, 15)),
                      46, eintrag);
    }
    const int32_t n = (box.w - 20) * prozent / 100;
    if (n > 0) {
        const int32_t m = n * 15 / 11, voll = m / 15, rest = m % 15;
        // Gaps and unlit blocks are 0 in the strips: the trough shows through.
        if (voll > 0)
            Grafik_Blit_Transparent(box.balken, 0, 0, BLOCK_ABSTAND * (voll - 1) + BLOCK, BLOCK, arbeit, BALKEN_X, BALKEN_Y);
        if (rest >= 4) {
            Grafik_Rechteck_Fuellen(box.teil_block, 0, 0, BLOCK, BLOCK, Grafik_Farbe(uint32_t(rest), uint32_t(rest), 0));
            Grafik_Blit_Transparent(box.teil_block, 0, 0, BLOCK, BLOCK, arbeit, BALKEN_X + BLOCK_ABSTAND * voll, BALKEN_Y);
        }
    }
    Grafik_Blit(arbeit, 0, 0, pw, PANEL_HOEHE, Grafik_Seite_0, box.x - PANEL_LINKS, box.y - PANEL_OBEN);
    Grafik_Bitmap_Freigeben(arbeit);
    box.letzte = jetzt;
    box.gezeichnet = true;
    return 1;
}

void Grafik_Fortschritt_Schliessen()
{
    if (box.gesperrt || !box.offen) return;
    for (int32_t k = 15; k >= 0; --k) {
        const uint32_t start = Timer_Get_Time();
        blend_schritt(4 * k);
        if (!schritt_warten(start)) break;
    }
    box.ausstehend = -1;
    Grafik_Blit(box.panel, 0, 0, box.w + PANEL_LINKS, PANEL_HOEHE, Grafik_Seite_0, box.x - PANEL_LINKS,
                box.y - PANEL_OBEN);
    Grafik_Blit(box.hintergrund, 0, 0, box.w, FORTSCHRITT_HOEHE, Grafik_Seite_0, box.x, box.y);
    Menuesound_Stop(0);
    freigeben();
}
