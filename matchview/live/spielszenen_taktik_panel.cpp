// The floating tactics panel of a view window: eight tactic buttons, the effort slider and the
// close button. It edits the live record's change block only; the engine takes it later.
#include <algorithm>
#include <cstdio>

#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen_taktik.h"
#include "platform/bytes.h"
#include "platform/maus.h"
#include "platform/resfile.h"

int32_t Spielszenen_Taktik_Panel_X = -1, Spielszenen_Taktik_Panel_Y = -1;

namespace {

// Shared by all windows, as the position is.
struct Zustand {
    bool sperre = false;          // a tactic click waits for the release
    bool regler_zieht = false;
    int32_t regler_griff = 0;
    bool panel_zieht = false;
    int32_t griff_x = 0, griff_y = 0;
};
Zustand z;

constexpr int32_t KNOPF_X[8] = {2, 85, 159, 232, 2, 79, 152, 225};
constexpr int32_t KNOPF_Y[8] = {54, 54, 54, 54, 76, 76, 76, 76};
constexpr int32_t SPUR_X = 7, SPUR_Y = 122, SPUR_B = 211, SPUR_H = 11, REGLER_WEG = 189;
constexpr int32_t SCHLIESSEN_X = 288, SCHLIESSEN_Y = 109, TITEL_H = 14;
constexpr int32_t RAND = 5, RECHTS = 606, UNTEN = 475, TITEL_FONT = 10;
// the room a value text leaves on either side inside its button
constexpr int32_t WERT_RAND = 2;

Rastport* bild(int32_t id)
{
    const int32_t i = Spielszenen_Festbild_Index(id);
    return i >= 0 ? Spielszenen_Grafik.fest[i] : nullptr;
}

// Width and height of a picture, or the manifest's size while it is not loaded.
void groesse(int32_t id, int32_t* w, int32_t* h)
{
    if (Rastport* b = bild(id)) {
        *w = int32_t(b->width), *h = int32_t(b->height);
        return;
    }
    for (const Spielszenen_Festbild& f : SZ_FESTBILD)
        if (id >= f.erste && id < f.erste + f.anzahl) *w = f.breite, *h = f.hoehe;
}

bool in(int32_t mx, int32_t my, int32_t x, int32_t y, int32_t w, int32_t h) { return mx >= x && my >= y && mx < x + w && my < y + h; }

void zeigen(Rastport* seite, int32_t id, int32_t x, int32_t y, bool transparent)
{
    Rastport* b = bild(id);
    if (!b || !seite) return;
    if (transparent) Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), seite, x, y);
    else Grafik_Blit(b, 0, 0, int32_t(b->width), int32_t(b->height), seite, x, y);
}

void drucken(Rastport* seite, int32_t font, const char* format, int32_t x, int32_t y, int32_t farbe, const char* text = "")
{
    char zeile[256];
    std::snprintf(zeile, sizeof zeile, format, int(farbe), text);
    Spielszenen_Text_Melden(x, y, zeile);
    Font_Record* fo = Font(font);
    if (!seite || !fo) return;
    Grafik_Printf(seite, fo, "%s", x, y, zeile);
}

}  // namespace

void Spielszenen_Taktik_Einstellungen_Zeichnen(Rastport* seite, Spielszenen_Fenster* f)
{
    Spielszenen_Taktik_Einstellungen_Bei(seite, f, Maus_Get_X(), Maus_Get_Y(), Maus_Get_Tasten());
}

void Spielszenen_Taktik_Einstellungen_Bei(Rastport* seite, Spielszenen_Fenster* f, int32_t mx, int32_t my, int32_t tasten)
{
    if (!f || !f->record || f->seite < 0 || f->seite > 1) return;
    Spielfeld_Record* r = f->record;
    const int32_t s = f->seite;
    uint8_t* block = r->anweisungen;
    if (!block[ANW_INITIALISIERT]) Spielfeld_Anweisungen_Fuellen(r);
    int32_t pw = 0, ph = 0;
    groesse(SZ_TAKTIK_PANEL, &pw, &ph);

    int32_t& x = Spielszenen_Taktik_Panel_X;
    int32_t& y = Spielszenen_Taktik_Panel_Y;
    // First opened in the lower right corner: the table opens on the left and the events list
    // above it on the right, so the three can be open together and all be read.
    if (x < 0 || y < 0) {
        x = RECHTS - pw;
        y = UNTEN - ph;
    }
    x = std::max(x, RAND);
    y = std::max(y, RAND);

    zeigen(seite, SZ_TAKTIK_PANEL, x, y, false);
    if (in(mx, my, x, y, pw, ph)) Spielszenen_Maus_Genommen = 2;
    if (seite && ResFile_Handles[0].handle >= 0)
        Grafik_Wappen_Laden(ResFile_Handles[0].handle, seite, seite->depth, int32_t(r->team[s]), x + 6, y + 3, 1, 40, 40);

    const int32_t weiss = Grafik_Farbe(15, 15, 15);
    const char* verein = int32_t(r->team[s]) < Team_Anzahl ? Team_String(TEAM_NAME, int32_t(r->team[s]), nullptr, 0) : nullptr;
    // the title ends inside the panel: a long club name takes the smaller font, and is cut only
    // where even that is too wide
    char name[64];
    const int32_t font = Spielszenen_Titel_Verein(name, sizeof name, verein, ": Taktik-Einstellungen", TITEL_FONT, 9, pw - 54 - 6);
    drucken(seite, font, "^c%05d%s: Taktik-Einstellungen", x + 54, y + 26, weiss, name);
    drucken(seite, 4, "^c%05d^tz00180^tz006425^tz011150^tz015775^tz0205100", x + 1, y + 115, weiss);
    drucken(seite, 9, "^c%05d^tl0227Einsatz", x, y + 130, weiss);
    if (!Ablauf_Allein()) drucken(seite, 9, "^c%05d^tl0072%s", x, y + 52, Grafik_Farbe(8, 8, 8), "(Direkte Wechsel nicht im Netzwerk)");

    if (!tasten) z.sperre = false;
    const bool links = tasten == 1;
    for (int32_t k = 0; k < 8; ++k) {
        int32_t bw = 0, bh = 0;
        groesse(SZ_TAKTIK_KNOPF + k, &bw, &bh);
        if (!in(mx, my, x + KNOPF_X[k], y + KNOPF_Y[k], bw, bh)) continue;
        zeigen(seite, SZ_TAKTIK_KNOPF + k, x + KNOPF_X[k], y + KNOPF_Y[k], false);
        Spielszenen_Zeiger_Form = 6;
        if (links && !z.sperre) {
            uint8_t& v = block[ANW_TAKTIK + 8 * s + k];
            v = uint8_t(v >= 2 ? 0 : v + 1);
            block[ANW_FLAGS + s] |= ANWEISUNG_TAKTIK;
            r->assistent[s] = 0;
            z.sperre = true;
        }
        break;
    }
    // Each value stands centred on its own button: centred on fixed columns between the buttons,
    // a long value ran over its button's frame.
    for (int32_t t = 0; t < 8; ++t) {
        const int32_t v = std::min<int32_t>(block[ANW_TAKTIK + 8 * s + t], 2);
        int32_t bw = 0, bh = 0;
        groesse(SZ_TAKTIK_KNOPF + t, &bw, &bh);
        char wert[32], format[32];
        Spielszenen_Text_Kuerzen(wert, sizeof wert, Taktik_Wert_Texte[3 * t + v], 9, bw - 2 * WERT_RAND);
        std::snprintf(format, sizeof format, "^c%%05d^tz%04d%%s", int(KNOPF_X[t] + bw / 2));
        drucken(seite, 9, format, x, y + (t < 4 ? 73 : 94), weiss, wert);
    }

    int32_t cw = 0, ch = 0;
    groesse(SZ_TAKTIK_SCHLIESSEN, &cw, &ch);
    if (in(mx, my, x + SCHLIESSEN_X, y + SCHLIESSEN_Y, cw, ch)) {
        Spielszenen_Zeiger_Form = 6;
        zeigen(seite, SZ_TAKTIK_SCHLIESSEN, x + SCHLIESSEN_X, y + SCHLIESSEN_Y, true);
        if (tasten & 1) Spielszenen_Panel_Befehl = 1;
    }

    // The slider: the effort changes only when the knob is let go, wherever that happens.
    const int32_t einsatz = int32_t(std::min<uint32_t>(Bytes_Hole32(block + ANW_EINSATZ + 4 * s), 100));
    const int32_t k = einsatz * REGLER_WEG / 100;
    int32_t kw = 0, kh = 0;
    groesse(SZ_TAKTIK_REGLER, &kw, &kh);
    const int32_t links_x = x + SPUR_X, rechts_x = x + SPUR_X + REGLER_WEG - 1;
    if (!tasten) {
        if (z.regler_zieht) {
            const int32_t weg = std::clamp(mx - z.regler_griff, links_x, rechts_x) - links_x;
            Bytes_Setze32(block + ANW_EINSATZ + 4 * s, uint32_t(weg * 100 / REGLER_WEG));
            block[ANW_FLAGS + s] |= ANWEISUNG_EINSATZ;
            r->assistent[s] = 0;
            Spielszenen_Zeiger_Form = 2;
        }
        z.regler_zieht = z.panel_zieht = false;
    }
    const bool auf_knauf = in(mx, my, links_x + k, y + SPUR_Y, kw, kh);
    // a press on the track beside the knob drags at once with the last grab offset
    if (links && !z.regler_zieht && !z.panel_zieht && !auf_knauf && in(mx, my, links_x, y + SPUR_Y, SPUR_B, SPUR_H))
        z.regler_zieht = true;
    if ((links && auf_knauf && !z.panel_zieht) || z.regler_zieht) {
        Spielszenen_Zeiger_Form = 2;
        if (!z.regler_zieht) {
            z.regler_griff = (std::clamp(mx, links_x, rechts_x) - links_x) - k;
            z.regler_zieht = true;
        }
        zeigen(seite, SZ_TAKTIK_REGLER, std::clamp(mx - z.regler_griff, links_x, rechts_x), y + SPUR_Y, true);
    } else {
        zeigen(seite, SZ_TAKTIK_REGLER, links_x + k, y + SPUR_Y, true);
    }

    if ((links && !z.regler_zieht && in(mx, my, x, y, pw, TITEL_H)) || z.panel_zieht) {
        Spielszenen_Zeiger_Form = 2;
        if (!z.panel_zieht) {
            z.griff_x = mx - x;
            z.griff_y = my - y;
            z.panel_zieht = true;
        }
        x = std::min(std::max(mx - z.griff_x, RAND), RECHTS - pw);
        y = std::min(std::max(my - z.griff_y, RAND), UNTEN - ph);
    }
}

void Spielszenen_Taktik_Panel_Zuruecksetzen()
{
    Spielszenen_Taktik_Panel_X = Spielszenen_Taktik_Panel_Y = -1;
    z = Zustand{};
}
