#include "toolkit/btnscreen.h"

#include <vector>

#include "database/manager.h"
#include "database/team.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/hilfe.h"
#include "toolkit/mausover.h"

uint32_t Screen_Frame_Zeit = 0;

namespace {

struct Sound_Slot {
    int32_t resfile, resource, sample;
    int32_t volume;
};
Sound_Slot sounds[BTNSCREEN_SOUNDS] = {
    {0, 1590, -1, -500}, {0, 1588, -1, -500}, {0, 1589, -1, -500}, {-1, -1, -1, 0}, {-1, -1, -1, 0},
};

struct Treiber {
    Btnscreen_Gadget* hilfe = nullptr;      // whose bubble is open
    Btnscreen_Gadget* hilfe_ziel = nullptr;
    Btnscreen_Gadget* gesprochen = nullptr; // spoken help once per rest
    Btnscreen_Gadget* leuchtet = nullptr;
    bool scharf = false;
    int32_t x = -1, y = -1, tasten = 0;
    // The drag: the image's saved background and where it stands.
    Btnscreen_Gadget* gezogen = nullptr;
    Rastport* zieh_grund = nullptr;
    int32_t grund_x = 0, grund_y = 0, greif_x = 0, greif_y = 0;
    bool manager_gesucht = false;
    uint8_t hilfe_bits = 0x05;
    int32_t grund_zeiger = 0;  // the pointer image outside the gadgets
} t;

bool im_modus(const Btnscreen_Gadget* g, uint32_t modus) { return (g->modus & modus) == modus; }

Rastport* schirm() { return Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel; }

int32_t tiefe() { return Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16; }

// A resource bitmap the screens may draw into: packed ones are unpacked.
Rastport* bild_laden(int32_t resfile, int32_t nummer)
{
    if (resfile < 0 || resfile >= RESFILE_STANDARD || ResFile_Handles[resfile].handle < 0) return nullptr;
    auto* b = static_cast<Rastport*>(Load_Resource(ResFile_Handles[resfile].handle, nummer, tiefe(), nullptr));
    if (b && b->packed) {
        Rastport* offen = Unpack_Bitmap(b, b->depth);
        Grafik_Bitmap_Freigeben(b);
        b = offen;
    }
    return b;
}

Rastport* kopie(const Rastport* quelle)
{
    Rastport* k = Grafik_Bitmap_Anlegen(int32_t(quelle->width), int32_t(quelle->height), quelle->depth);
    if (k) Grafik_Blit(const_cast<Rastport*>(quelle), 0, 0, int32_t(quelle->width), int32_t(quelle->height), k, 0, 0);
    return k;
}

bool gadget_laden(Btnscreen_Gadget* g)
{
    if (g->resfile >= 0 && g->resource >= 0) {
        g->bitmap1 = bild_laden(g->resfile, g->resource);
        if (!g->bitmap1) {
            Print_Log(0, "Btnscreen_Laden: Bild %d fehlt!\n", g->resource);
            return false;
        }
        if (g->flag_a & BTN_A_GROESSE_AUS_BILD) {
            g->w = int32_t(g->bitmap1->width);
            g->h = int32_t(g->bitmap1->height);
        }
    } else {
        g->bitmap1 = Grafik_Bitmap_Anlegen(g->w, g->h, tiefe());
        if (!g->bitmap1) return false;
    }
    if (g->flag_a & BTN_A_KOPIE) {
        g->bitmap2 = kopie(g->bitmap1);
        if (!g->bitmap2) return false;
    } else if (g->flag_b & BTN_B_ZWEITES_BILD) {
        g->bitmap2 = bild_laden(g->resfile, g->resource + 1);
        if (!g->bitmap2) return false;
    }
    return true;
}

void glow_zeichnen(Btnscreen_Gadget* g, int32_t stufe)
{
    for (Btnscreen_Gadget* e : {g, g->verbunden}) {
        if (!e) continue;
        // A gadget without a picture of its own glows in the shape of what the screen shows.
        Rastport* form = e->resfile >= 0 && e->resource >= 0 ? e->bitmap1 : nullptr;
        if (stufe > 0) Hilfe_Glow_Fenster_Bild(e, form, e->x, e->y, e->w, e->h, stufe > 8 ? 8 : stufe, 1);
        else Hilfe_Glow_Schliessen(e, e->x, e->y, 1);
    }
}

void glow_weg(Btnscreen_Gadget* g)
{
    g->highlight = 0;
    glow_zeichnen(g, 0);
    if (t.leuchtet == g) t.leuchtet = nullptr;
}

void aufrufen(Btnscreen_Prozedur p, Btnscreen_Gadget* g)
{
    if (p) p(g);
}

void manager_suchen()
{
    if (t.manager_gesucht) return;
    t.manager_gesucht = true;
    t.hilfe_bits = 0x05;  // without a manager whose turn it is, both kinds of help after a rest
    std::vector<int32_t> feld(MANAGER_DRAN_MAX + 1, -1);
    if (Manager_Ist_Dran(feld.data(), false, 0) <= 0 || feld[0] < 0) return;
    if (const auto* b = static_cast<const uint8_t*>(Team_Zeiger(309, feld[0], nullptr, 0))) t.hilfe_bits = b[0];
}

void zieh_grund_zurueck()
{
    if (!t.zieh_grund) return;
    Grafik_Blit(t.zieh_grund, 0, 0, int32_t(t.zieh_grund->width), int32_t(t.zieh_grund->height), schirm(), t.grund_x,
                t.grund_y);
}

void zieh_grund_sichern(const Btnscreen_Gadget* g)
{
    t.grund_x = g->x;
    t.grund_y = g->y;
    if (t.zieh_grund) Grafik_Blit(schirm(), g->x, g->y, g->w, g->h, t.zieh_grund, 0, 0);
}

void zieh_ende()
{
    Btnscreen_Gadget* g = t.gezogen;
    zieh_grund_zurueck();
    t.zieh_grund = Grafik_Bitmap_Freigeben(t.zieh_grund);
    t.gezogen = nullptr;
    if (!g) return;
    g->zustand &= ~BTN_GEZOGEN;
    aufrufen(g->zieh_stop, g);
}

void zieh_start(Btnscreen_Gadget* g)
{
    aufrufen(g->zieh_start, g);
    g->zustand |= BTN_GEZOGEN;
    t.gezogen = g;
    t.greif_x = t.x - g->x;
    t.greif_y = t.y - g->y;
    if (!(g->flag_b & BTN_B_OHNE_BILD) && g->bitmap1 && schirm()) {
        t.zieh_grund = Grafik_Bitmap_Anlegen(g->w, g->h, schirm()->depth);
        zieh_grund_sichern(g);
    }
}

void zieh_schritt()
{
    Btnscreen_Gadget* g = t.gezogen;
    const int32_t alt_x = g->x, alt_y = g->y;
    if (g->zieh_bedienen) g->zieh_bedienen(g, t.x - t.greif_x, t.y - t.greif_y);
    if ((g->x == alt_x && g->y == alt_y) || !t.zieh_grund) return;
    zieh_grund_zurueck();
    zieh_grund_sichern(g);
    Grafik_Blit_Transparent(g->bitmap1, 0, 0, g->w, g->h, schirm(), g->x, g->y);
}

// Outside the pointer: no hover, the glow fades one step, mouse-over ends once it is gone.
void draussen(Btnscreen_Gadget* g)
{
    g->flag_b &= ~BTN_B_UEBER;
    g->hover_zeit = 0;
    if (g->highlight == 0 && (g->zustand & BTN_MAUSOVER)) {
        g->zustand &= ~BTN_MAUSOVER;
        aufrufen(g->mausover_stop, g);
    }
    if (g->highlight > 0) {
        Btnscreen_Hilfe_Schliessen();
        if (--g->highlight > 0) glow_zeichnen(g, g->highlight);
        else glow_weg(g);
    }
}

void hilfe(Btnscreen_Gadget* ziel)
{
    if (t.tasten) ziel = nullptr;
    if (ziel != t.hilfe_ziel) {
        Btnscreen_Hilfe_Schliessen();
        t.gesprochen = nullptr;
        t.hilfe_ziel = ziel;
    }
    if (!ziel) return;
    const uint32_t ruhe = Screen_Frame_Zeit - ziel->hover_zeit;
    const bool sofort = (t.hilfe_bits & 0x02) != 0;
    if ((t.hilfe_bits & 0x03) && !(ziel->zustand & BTN_HILFE_GEZEIGT) && (sofort || ruhe >= BTNSCREEN_HILFE_PAUSE)) {
        ziel->zustand |= BTN_HILFE_GEZEIGT;
        t.hilfe = ziel;
        const char* text = ziel->hilfetext ? ziel->hilfetext(ziel, 0) : nullptr;
        Hilfe_Text_Ausgabe(text ? text : "Keine Hilfe vorhanden.", -1, -1, 0, uint8_t(sofort));
    }
    if ((t.hilfe_bits & 0x0C) && ziel->hilfe_sound > 0 && t.gesprochen != ziel && ruhe >= BTNSCREEN_SPRACHE_PAUSE) {
        t.gesprochen = ziel;
        Menue_Hilfe_Sprechen(ziel->hilfe_sound);
    }
}

}  // namespace

void Btnscreen_Hilfe_Schliessen()
{
    if (!t.hilfe) return;
    Hilfe_Schliessen(1);
    t.hilfe->zustand &= ~BTN_HILFE_GEZEIGT;
    t.hilfe->hover_zeit = 0;
    t.hilfe = nullptr;
}

int32_t Btnscreen_Laden(Btnscreen_Gadget* liste, uint32_t modus)
{
    t = Treiber{};
    t.grund_zeiger = Mauszeiger_Get_Selected();
    for (Btnscreen_Gadget* g = liste; g; g = g->next) {
        g->hover_zeit = 0;
        g->highlight = 0;
        if (!im_modus(g, modus)) continue;
        g->zustand &= ~(BTN_HILFE_GEZEIGT | BTN_GEZOGEN | BTN_MAUSOVER);
        g->flag_b &= ~BTN_B_UEBER;
        g->bitmap1 = g->bitmap2 = nullptr;
        if (!gadget_laden(g)) {
            Btnscreen_Freigeben(liste, modus);
            return 0;
        }
    }
    // A click that cannot sound is no reason to refuse the screen.
    std::vector<uint8_t> wav;
    for (Sound_Slot& s : sounds) {
        s.sample = Sound_Free_Sample(s.sample);
        if (s.resfile < 0 || s.resfile >= RESFILE_STANDARD || ResFile_Handles[s.resfile].handle < 0) continue;
        if (Soundeffekt_Resource_Holen(ResFile_Handles[s.resfile].handle, s.resource, wav))
            s.sample = Sound_Load_Sample(wav.data(), uint32_t(wav.size()));
    }
    return 1;
}

int32_t Btnscreen_Freigeben(Btnscreen_Gadget* liste, uint32_t modus)
{
    Btnscreen_Hilfe_Schliessen();
    Hilfe_Schliessen(1);
    zieh_ende();
    for (Btnscreen_Gadget* g = liste; g; g = g->next) {
        Hilfe_Glow_Schliessen(g, g->x, g->y, 0);
        g->hover_zeit = 0;
        g->highlight = 0;
        if (!im_modus(g, modus)) continue;
        g->bitmap1 = Grafik_Bitmap_Freigeben(g->bitmap1);
        g->bitmap2 = Grafik_Bitmap_Freigeben(g->bitmap2);
        g->frei_4 = 0;
    }
    for (Sound_Slot& s : sounds) s.sample = Sound_Free_Sample(s.sample);
    t.leuchtet = t.hilfe_ziel = t.gesprochen = nullptr;
    return 1;
}

void Btnscreen_Init_Callbacks(Btnscreen_Gadget* liste)
{
    for (Btnscreen_Gadget* g = liste; g; g = g->next)
        if (g->flag_a & BTN_A_INIT) aufrufen(g->init, g);
}

void Btnscreen_Zeichnen(Btnscreen_Gadget* liste, uint32_t seite)
{
    Rastport* ziel = seite == 0 ? Grafik_Seite_0 : Grafik_Seite_1;
    if (!ziel) ziel = Grafik_Render_Ziel;
    for (Btnscreen_Gadget* g = liste; g; g = g->next) {
        if (!(g->flag_a & BTN_A_SICHTBAR) || !g->bitmap1) continue;
        if (g->flag_b & BTN_B_TRANSPARENT) Grafik_Blit_Transparent(g->bitmap1, 0, 0, g->w, g->h, ziel, g->x, g->y);
        else Grafik_Blit(g->bitmap1, 0, 0, g->w, g->h, ziel, g->x, g->y);
    }
}

void Btnscreen_Schritt(Btnscreen_Gadget* liste)
{
    Win95_Sleep(2);
    const int32_t alt_x = t.x, alt_y = t.y;
    t.tasten = Maus_Get_Tasten();
    t.x = Maus_Get_X();
    t.y = Maus_Get_Y();
    if (t.tasten == 0) t.scharf = true;
    manager_suchen();

    Btnscreen_Gadget* ueber = nullptr;
    for (Btnscreen_Gadget* g = liste; g; g = g->next) {
        if (g->zustand & (BTN_INAKTIV | BTN_GEZOGEN)) continue;
        const bool drin = t.x >= g->x && t.x < g->x + g->w && t.y >= g->y && t.y < g->y + g->h;
        if (drin && (!ueber || g->prioritaet > ueber->prioritaet)) ueber = g;
    }
    bool blendet_aus = false;
    for (Btnscreen_Gadget* g = liste; g; g = g->next) {
        if (g->zustand & BTN_GEZOGEN) {
            if (t.tasten != 1 && g == t.gezogen) zieh_ende();
            continue;
        }
        if (g->zustand & BTN_INAKTIV) {
            // An inactive gadget keeps no glow.
            if (g->highlight) glow_weg(g);
            continue;
        }
        if (g != ueber) draussen(g);
        if (t.tasten && g->highlight > 0) {
            Btnscreen_Hilfe_Schliessen();
            glow_weg(g);
        }
        if (g != ueber && g->highlight > 0) blendet_aus = true;
    }

    int32_t zeiger = t.grund_zeiger;
    if (ueber) {
        ueber->flag_b |= BTN_B_UEBER;
        if (ueber->hover_zeit == 0 || t.x != alt_x || t.y != alt_y) ueber->hover_zeit = Screen_Frame_Zeit;
        if (ueber->flag_a & BTN_A_ZEIGER) zeiger = ueber->zeiger;
        if (!(ueber->zustand & BTN_MAUSOVER)) {
            ueber->zustand |= BTN_MAUSOVER;
            aufrufen(ueber->mausover_start, ueber);
        }
    }
    Btnscreen_Gadget* hilfe_ziel = ueber && (ueber->flag_a & BTN_A_HILFE) ? ueber : nullptr;
    Btnscreen_Gadget* glueht = ueber && (ueber->flag_a & BTN_A_GLUEHT) && !blendet_aus ? ueber : nullptr;

    if (t.scharf && ueber) {
        if (t.tasten == 1 && !t.gezogen) {
            Btnscreen_Sound(ueber->klick_sound, -1);
            aufrufen(ueber->links, ueber);
        } else if (t.tasten == 2) {
            aufrufen(ueber->rechts, ueber);
        }
    }

    if (glueht && !t.tasten) {
        if (t.leuchtet && t.leuchtet != glueht) glow_weg(t.leuchtet);
        t.leuchtet = glueht;
        if (glueht->highlight < BTNSCREEN_HIGHLIGHT_MAX) glow_zeichnen(glueht, ++glueht->highlight);
    }

    hilfe(hilfe_ziel);

    if (t.gezogen) zieh_schritt();
    else if (t.scharf && t.tasten == 1 && ueber && (ueber->flag_b & BTN_B_ZIEHBAR)) zieh_start(ueber);

    if (t.tasten) t.scharf = false;
    if (!t.gezogen && zeiger != Mauszeiger_Get_Selected()) Mauszeiger_Select(zeiger);
}

int32_t Btnscreen_Ausfuehren(Btnscreen_Gadget* liste, uint32_t modus)
{
    if (!Btnscreen_Laden(liste, modus)) return 0;
    Btnscreen_Init_Callbacks(liste);
    Btnscreen_Zeichnen(liste, 1);
    Grafik_Screen_Seite_Zeigen(1);
    do {
        Screen_Frame_Zeit = Timer_Get_Time();
        Btnscreen_Schritt(liste);
    } while (t.tasten != 2 && !Programm_Ende);
    Btnscreen_Freigeben(liste, modus);
    return 1;
}

void Btnscreen_Hover_Loeschen(Btnscreen_Gadget* liste)
{
    Btnscreen_Hilfe_Schliessen();
    Hilfe_Schliessen(1);
    for (Btnscreen_Gadget* g = liste; g; g = g->next) {
        // The screen has been drawn anew: what the glow covered is no longer there to put back.
        Hilfe_Glow_Schliessen(g, g->x, g->y, 0);
        g->highlight = 0;
    }
    t.leuchtet = nullptr;
}

int32_t Btnscreen_Sound(int32_t slot, int32_t x)
{
    if (slot < 0 || slot >= BTNSCREEN_SOUNDS || sounds[slot].sample < 0) return 0;
    return Sound_Play(sounds[slot].sample, 0, 0, sounds[slot].volume, Soundeffekt_Pan(x < 0 ? 320 : x));
}
