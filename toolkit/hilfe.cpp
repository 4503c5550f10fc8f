#include "toolkit/hilfe.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "competitions/statistik_anzeige.h"
#include "database/team.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_effekt.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/handle.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/icon.h"

namespace {

constexpr uint8_t SONDERFORM = 0xB0;
constexpr int32_t GLOW_LINKS = 14, GLOW_OBEN = 12;
// A bubble keeps this far from the screen's edges, so that it never touches or leaves them.
constexpr int32_t BLASE_RAND = 4, SCHIRM_B = 640, SCHIRM_H = 480;
// The blurred screen behind the text is darkened by this much (of 128): bright rows under a
// bubble would otherwise shine through its text.
constexpr int32_t BLASE_DUNKEL = 80;

struct Blase {
    bool offen = false;
    int32_t x = -1, y = -1;
    Rastport* hintergrund = nullptr;
    Rastport* bild = nullptr;
} blase;

int32_t sound_id = -1;

struct Glow_Slot {
    const void* besitzer = nullptr;
    int32_t x = 0, y = 0;             // top left of the glow window
    Rastport* hintergrund = nullptr;  // the screen under the window
    Rastport* karte = nullptr;        // shadow map of the picture
};
Glow_Slot glow[HILFE_GLOW_SLOTS];

Rastport* schirm() { return Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel; }

// Waits out the rest of a fade step; false when a mouse button ends the fade.
bool schritt_warten(uint32_t start)
{
    while (Timer_Get_Time() - start < 15) {
        if (Maus_Get_Tasten() != 0 || Programm_Ende) return false;
        Win95_Sleep(1);
    }
    return Maus_Get_Tasten() == 0;
}

// Cross-fades the bubble over the saved background, k = 0..15.
void blenden(Rastport* arbeit, int32_t k)
{
    const int32_t w = int32_t(blase.bild->width), h = int32_t(blase.bild->height);
    Grafik_Blit_Ueberblenden(blase.bild, 0, 0, w, h, arbeit, 0, 0, 4 * k, blase.hintergrund, 0, 0);
    Grafik_Blit(arbeit, 0, 0, w, h, schirm(), blase.x, blase.y);
}

void faden(bool hinein)
{
    Rastport* arbeit = Grafik_Bitmap_Anlegen(int32_t(blase.bild->width), int32_t(blase.bild->height), blase.bild->depth);
    if (!arbeit) return;
    for (int32_t s = 0; s < 16; ++s) {
        const uint32_t start = Timer_Get_Time();
        blenden(arbeit, hinein ? s : 15 - s);
        if (!schritt_warten(start)) break;
    }
    Grafik_Bitmap_Freigeben(arbeit);
}

// The two special forms: the picture of an "rp" text (null when its handle is unknown) or
// the team of a "vh" text (-1 when out of range), and where the text itself begins.
struct Form {
    const char* text;
    Rastport* bild = nullptr;
    int32_t team = -1;
};

Form form_lesen(const char* text)
{
    Form f{text};
    const auto* t = reinterpret_cast<const uint8_t*>(text);
    if (t[0] != SONDERFORM || !t[1] || !t[2]) return f;
    if (t[1] == 'r' && t[2] == 'p') {
        const size_t n = std::strlen(text);
        if (n < 13) {
            f.text = text + n;
            return f;
        }
        bool hex = true;
        for (int i = 5; i < 13; ++i) hex = hex && std::strchr("0123456789abcdefABCDEF", text[i]) != nullptr;
        // The digits name a handle of the registry, never an address.
        if (hex) f.bild = static_cast<Rastport*>(Handle_Aufloesen(Font_Hex_Lesen(text + 5, 8), Handle_Art::Bild));
        if (f.bild && (f.bild->packed || (f.bild->depth != 15 && f.bild->depth != 16))) f.bild = nullptr;
        f.text = text + 13;
    } else if (t[1] == 'v' && t[2] == 'h') {
        // The club's number has four digits and the name follows at once: a name that begins
        // with a digit ("1. FC ...") must not run into the number.
        const char* p = text + 3;
        int32_t team = 0, ziffern = 0;
        for (; ziffern < 4 && *p >= '0' && *p <= '9'; ++p, ++ziffern) team = team * 10 + (*p - '0');
        f.text = p;
        if (ziffern > 0 && team < Team_Anzahl) f.team = team;
    }
    return f;
}

// The rows of a plain text's ink printed at (x, y) into a bubble of width w, relative to the
// bubble's top (the first may be negative: a capital umlaut's dots stand above the letters);
// false for a text without ink.
bool tinte_zeilen(Font_Record* font, const char* text, int32_t w, int32_t x, int32_t y, uint8_t tiefe, int32_t* erste,
                  int32_t* letzte)
{
    const int32_t rand = font && font->strip ? int32_t(font->strip->height) + 2 : 16;
    const int32_t hoehe = y + (Hilfe_Zeilen_Zaehlen(text) + 1) * 10 + 2 * rand;
    Rastport* probe = Grafik_Bitmap_Anlegen(w, hoehe, tiefe);
    if (!probe) return false;
    // Nobody sees the probe: a check that follows what is drawn does not hear of it.
    const Grafik_Text_Hook text_hook = Grafik_Text_Meldung;
    const Grafik_Flaeche_Hook flaeche_hook = Grafik_Flaeche_Meldung;
    Grafik_Text_Hook_Setzen(nullptr);
    Grafik_Flaeche_Hook_Setzen(nullptr);
    Grafik_Rechteck_Fuellen(probe, 0, 0, w, hoehe, 0);
    Grafik_Printf(probe, font, "^c%05d%s", x, y + rand, 65535, text);
    Grafik_Text_Hook_Setzen(text_hook);
    Grafik_Flaeche_Hook_Setzen(flaeche_hook);
    *erste = *letzte = -1;
    for (int32_t py = 0; py < hoehe; ++py)
        for (int32_t px = 0; px < w; ++px)
            if (Grafik_Pixel_Lesen(probe, px, py) != 0) {
                if (*erste < 0) *erste = py;
                *letzte = py;
                break;
            }
    Grafik_Bitmap_Freigeben(probe);
    if (*erste < 0) return false;
    *erste -= rand;
    *letzte -= rand;
    return true;
}

}  // namespace

int32_t Hilfe_Zeilen_Zaehlen(const char* text)
{
    int32_t n = 0;
    for (const char* p = text; p && (p = std::strstr(p, "^l")); p += 2) ++n;
    return n;
}

bool Hilfe_Offen(int32_t* x, int32_t* y, int32_t* w, int32_t* h)
{
    if (!blase.offen || !blase.bild) return false;
    if (x) *x = blase.x;
    if (y) *y = blase.y;
    if (w) *w = int32_t(blase.bild->width);
    if (h) *h = int32_t(blase.bild->height);
    return true;
}

void Hilfe_Text_Ausgabe(const char* text, int32_t x, int32_t y, uint8_t marken, uint8_t sofort)
{
    if (!text || !*text) return;
    Font_Record* font = Font(3);
    if (x == -1 || y == -1) {
        x = Maus_Get_X() - 4;
        y = Maus_Get_Y() + 20;
        if (Maus_Get_Y() > 450) y = Maus_Get_Y() - 40;
    }
    if (blase.offen || blase.bild) {
        Print_Log(0, "Hilfe_Text_Ausgabe: bereits akiv!\n");
        return;
    }
    Rastport* ziel = schirm();
    if (!ziel || (ziel->depth != 15 && ziel->depth != 16)) return;
    const Form f = form_lesen(text);
    const int32_t zeilen = Hilfe_Zeilen_Zaehlen(f.text);
    const int32_t tb = Font_Text_Breite_Mit_Tabs(font, f.text);
    int32_t w, h;
    if (f.bild) {
        w = int32_t(f.bild->width) + marken * 10;
        h = int32_t(f.bild->height);
    } else if (f.team >= 0) {
        w = tb + 8 > 200 ? tb + 8 : 200;
        h = 60 + zeilen * 10;
    } else {
        w = tb + 8 + (marken ? 10 : 0);
        h = zeilen * 10 + 14;
    }
    // Every character is drawn whole: a text whose ink reaches above the bubble's top moves down
    // into the rows left free below, and the bubble grows only by what those do not hold (its
    // shadow a row below the ink included).
    int32_t text_y = 9, erste = 0, letzte = 0;
    if (!f.bild && f.team < 0 && *f.text && tinte_zeilen(font, f.text, w, 4, text_y, ziel->depth, &erste, &letzte)) {
        const int32_t runter = std::max(0, -erste);
        text_y += runter;
        h += std::max(0, letzte + runter + 2 - h);
    }
    if (w > SCHIRM_B - 2 * BLASE_RAND) {
        // Wider than the screen: the bubble is cut inside its margins, never drawn outside.
        Print_Log(0, "Hilfe_Text: zu lang!!\n");
        w = SCHIRM_B - 2 * BLASE_RAND;
    }
    if (h > SCHIRM_H - 2 * BLASE_RAND) h = SCHIRM_H - 2 * BLASE_RAND;
    blase.hintergrund = Grafik_Bitmap_Anlegen(w, h, ziel->depth);
    blase.bild = Grafik_Bitmap_Anlegen(w, h, ziel->depth);
    if (!blase.hintergrund || !blase.bild) {
        Print_Log(0, "Hilfe_Text_Ausgabe: Kein Speicher!\n");
        blase.hintergrund = Grafik_Bitmap_Freigeben(blase.hintergrund);
        blase.bild = Grafik_Bitmap_Freigeben(blase.bild);
        return;
    }
    x = std::clamp(x, BLASE_RAND, SCHIRM_B - BLASE_RAND - w);
    y = std::clamp(y + 8, BLASE_RAND, SCHIRM_H - BLASE_RAND - h);
    blase.x = x;
    blase.y = y;
    Grafik_Blit(ziel, x, y, w, h, blase.hintergrund, 0, 0);
    Grafik_Blit(ziel, x, y, w, h, blase.bild, 0, 0);
    Grafik_Filter_Anwenden(&Filter_Kern_Weich, blase.bild);
    Grafik_Blit_Abdunkeln(blase.bild, 0, 0, w, h, blase.bild, 0, 0, BLASE_DUNKEL);

    int32_t versatz = 0;
    if (marken && !f.bild) {
        if (auto* m = static_cast<Rastport*>(
                ResFile_Handles[0].handle >= 0
                    ? Load_Resource(ResFile_Handles[0].handle, HILFE_MARKEN_RESSOURCE, ziel->depth, nullptr)
                    : nullptr)) {
            Grafik_Blit_Transparent(m, 0, 0, int32_t(m->width), int32_t(m->height), blase.bild, 3, 2);
            versatz = int32_t(m->width);
            Grafik_Bitmap_Freigeben(m);
        }
    }
    if (f.bild) {
        const int32_t bw = int32_t(f.bild->width), bh = int32_t(f.bild->height);
        Grafik_Blit_Einfarbig(f.bild, 0, 0, bw, bh, blase.bild, marken * 10 + 2, 2, 1);
        Grafik_Blit_Transparent(f.bild, 0, 0, bw, bh, blase.bild, marken * 10, 0);
    }
    if (f.team >= 0) {
        Team_Platz_Info_Zeichnen(blase.bild, f.team, 0, 0);
        Grafik_Printf(blase.bild, font, "^ic%05d%s", 5, 56, 1, f.text);
        Grafik_Printf(blase.bild, font, "^c%05d%s", 4, 55, 65535, f.text);
    } else if (*f.text) {
        Grafik_Printf(blase.bild, font, "^ic%05d%s", versatz + 5, text_y + 1, 1, f.text);
        Grafik_Printf(blase.bild, font, "^c%05d%s", versatz + 4, text_y, 65535, f.text);
    }
    if (!sofort) faden(true);
    Grafik_Blit(blase.bild, 0, 0, w, h, ziel, x, y);
    blase.offen = true;
}

void Hilfe_Schliessen(uint8_t sofort)
{
    if (blase.bild && blase.hintergrund && blase.x >= 0) {
        if (!sofort) faden(false);
        Grafik_Blit(blase.hintergrund, 0, 0, int32_t(blase.hintergrund->width), int32_t(blase.hintergrund->height),
                    schirm(), blase.x, blase.y);
    }
    blase.hintergrund = Grafik_Bitmap_Freigeben(blase.hintergrund);
    blase.bild = Grafik_Bitmap_Freigeben(blase.bild);
    blase.offen = false;
}

int32_t Hilfe_Sound_Play(int32_t n)
{
    Hilfe_Sound_Stop();
    const int32_t datei = ResFile_Handles[1].handle;
    int32_t typ = -1;
    std::FILE* f = datei >= 0 ? Seek_Resource(datei, n + HILFE_SOUND_BASIS, &typ) : nullptr;
    if (!f) {
        Print_Log(0, "Hilfe_Sound_Play: fp==NULL\n");
        return -1;
    }
    if (typ != RES_DATEN) {
        Print_Log(0, "Hilfe_Sound_Play: art[num]!=_SOUND\n");
        return -1;
    }
    uint8_t b[4];
    if (std::fread(b, 1, 4, f) != 4) return -1;
    const uint32_t laenge = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    if (laenge < 1000) return -1;
    sound_id = Sound_Stream_Start(f, laenge);
    return sound_id;
}

void Hilfe_Sound_Stop()
{
    if (sound_id >= 0) Sound_Stream_Stop();
    sound_id = -1;
}

int32_t Hilfe_Glow_Slot(const void* besitzer, uint8_t nur_suchen)
{
    if (!besitzer) return -1;
    for (int32_t i = 0; i < HILFE_GLOW_SLOTS; ++i)
        if (glow[i].besitzer == besitzer) return i;
    if (nur_suchen) return -1;
    for (int32_t i = 0; i < HILFE_GLOW_SLOTS; ++i)
        if (!glow[i].besitzer) {
            glow[i].besitzer = besitzer;
            return i;
        }
    return -1;
}

void Hilfe_Glow_Fenster(Menue_Icon* icon, int32_t x, int32_t y, int32_t w, int32_t h, int32_t stufe,
                        uint8_t behalten, uint32_t flags)
{
    if (icon) Hilfe_Glow_Fenster_Bild(icon, icon->bitmap, x, y, w, h, stufe, behalten, flags);
}

int32_t Hilfe_Bereit() { return 1; }
int32_t Hilfe_Beschaeftigt() { return 0; }

int Hilfe_Glow_Blit(Rastport* quelle, int32_t sx, int32_t sy, int32_t w, int32_t h, Rastport* ziel, int32_t x, int32_t y,
                    uint32_t flags)
{
    if (!quelle || !ziel) return 0;
    // A source with a mask plane keeps it when transparent; 0x2000 copies every pixel.
    if ((flags & HILFE_GLOW_TRANSPARENT) && !(flags & HILFE_GLOW_OHNE_SCHLUESSEL))
        return Grafik_Blit_Transparent(quelle, sx, sy, w, h, ziel, x, y);
    return Grafik_Blit(quelle, sx, sy, w, h, ziel, x, y);
}

void Hilfe_Glow_Fenster_Bild(const void* besitzer, Rastport* form, int32_t x, int32_t y, int32_t w, int32_t h,
                             int32_t stufe, uint8_t behalten, uint32_t flags)
{
    Rastport* ziel = schirm();
    if (!besitzer || !ziel || w <= 0 || h <= 0 || (ziel->depth != 15 && ziel->depth != 16)) return;
    Glow_Slot einmal;
    Glow_Slot* s = &einmal;
    if (behalten) {
        const int32_t n = Hilfe_Glow_Slot(besitzer, 0);
        if (n >= 0) s = &glow[n];
    }
    if (!s->karte) {
        // The owner's own picture gives the glow its shape; otherwise what the screen shows.
        Rastport* bild = form && !form->packed && int32_t(form->width) == w && int32_t(form->height) == h &&
                                 form->depth == ziel->depth
                             ? form : nullptr;
        Rastport* kopie = nullptr;
        if (!bild && (kopie = Grafik_Bitmap_Anlegen(w, h, ziel->depth))) {
            Grafik_Blit(ziel, x, y, w, h, kopie, 0, 0);
            bild = kopie;
        }
        s->karte = bild ? Grafik_Effekt_Vorbereiten(bild) : nullptr;
        Grafik_Bitmap_Freigeben(kopie);
        if (!s->karte) {
            if (s != &einmal) s->besitzer = nullptr;
            return;
        }
        s->x = x - GLOW_LINKS;
        s->y = y - GLOW_OBEN;
        s->hintergrund = Grafik_Bitmap_Anlegen(int32_t(s->karte->width), int32_t(s->karte->height), ziel->depth);
        if (s->hintergrund) Grafik_Blit(ziel, s->x, s->y, int32_t(s->karte->width), int32_t(s->karte->height), s->hintergrund, 0, 0);
    }
    if (s->hintergrund) {
        const int32_t level = (stufe < 0 ? 0 : stufe > 8 ? 8 : stufe) * 11 / 8;
        if (Rastport* e = Grafik_Hilfe_Bild_Effekt(s->hintergrund, s->karte, Grafik_Farbe(15, 15, 9),
                                                  Grafik_Farbe(15, 10, 0), level)) {
            Hilfe_Glow_Blit(e, 0, 0, int32_t(e->width), int32_t(e->height), ziel, s->x, s->y, flags);
            Grafik_Bitmap_Freigeben(e);
        }
    }
    if (s == &einmal) {
        Grafik_Bitmap_Freigeben(einmal.hintergrund);
        Grafik_Bitmap_Freigeben(einmal.karte);
    }
}

void Hilfe_Glow_Schliessen(const void* besitzer, int32_t x, int32_t y, uint8_t zurueck)
{
    const int32_t n = Hilfe_Glow_Slot(besitzer, 1);
    if (n < 0) return;
    Glow_Slot& s = glow[n];
    if (zurueck && s.hintergrund && schirm())
        Grafik_Blit(s.hintergrund, 0, 0, int32_t(s.hintergrund->width), int32_t(s.hintergrund->height), schirm(),
                    x - GLOW_LINKS, y - GLOW_OBEN);
    Grafik_Bitmap_Freigeben(s.hintergrund);
    Grafik_Bitmap_Freigeben(s.karte);
    s = Glow_Slot{};
}

void Hilfe_Glow_Freigeben()
{
    for (Glow_Slot& s : glow) {
        Grafik_Bitmap_Freigeben(s.hintergrund);
        Grafik_Bitmap_Freigeben(s.karte);
        s = Glow_Slot{};
    }
}
