// The texts of a view window: the score panel (clock, score, spectators), the ticker line at its
// foot and the event ticker that turns the record's pending event into a line of text.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "competitions/spiele.h"
#include "database/spieler.h"
#include "database/team.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "graphics/grafik_wappen.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "platform/maus.h"
#include "platform/resfile.h"

namespace {

char ticker_puffer[256];

Font_Record* schrift() { return Font_Slots[9] ? Font_Slots[9] : Font_Slots[0]; }
// The page the view draws on; what it draws there goes partly straight into the pixels.
Rastport* seite()
{
    Rastport* s = Grafik_Seite_1 ? Grafik_Seite_1 : Grafik_Render_Ziel;
    Grafik_Seite_Beschrieben(s);
    return s;
}
uint16_t weiss() { return Grafik_Farbe(15, 15, 15); }

const char* spieler_name(const Spielfeld_Record* r, int32_t slot)
{
    // a slot or club the database does not know shows no name rather than an error text
    if (slot < 0 || slot >= SPIELFELD_SLOTS || r->spieler[slot].spnr < 0 || r->spieler[slot].spnr >= Spieler_Anzahl) return "";
    const char* n = Spieler_String(SP_NAME, r->spieler[slot].spnr, nullptr, 0);
    return n ? n : "";
}

const char* team_name(const Spielfeld_Record* r, int32_t seite)
{
    if (int32_t(r->team[seite & 1]) >= Team_Anzahl) return "";
    const char* n = Team_String(TEAM_NAME_ROH, int32_t(r->team[seite & 1]), nullptr, 0);
    return n ? n : "";
}

bool pruefen(const Spielfeld_Record* r, uint32_t maske)
{
    return r->kopf.offen && (r->kopf.code & maske) == maske;
}

// Measuring a text walks its bold codes through the font: the font's own bold state is kept, so
// that a measure leaves every later text as it was.
int32_t breite_in(Font_Record* f, const char* text)
{
    if (!f) return int32_t(std::strlen(text)) * 7;
    const uint32_t fett = f->bold;
    const int32_t w = Font_Text_Breite_Mit_Tabs(f, text);
    f->bold = fett;
    return w;
}

// The text width of the ticker font, tabs included.
int32_t breite(const char* text) { return breite_in(schrift(), text); }

// The lines of a ticker text in a window of the given width.
int32_t zeilen(const char* text, int32_t fenster_breite, std::string* eins, std::string* zwei)
{
    const size_t laenge = std::strlen(text);
    if (laenge >= 256) return 0;
    if (fenster_breite - 30 >= breite(text) + 20) {
        *eins = text;
        return 1;
    }
    const size_t mitte = laenge / 2;
    size_t teil = mitte;
    for (size_t i = mitte; i >= 1; --i)
        if (text[i] == ' ') {
            teil = i;
            break;
        }
    *eins = std::string(text, teil);
    *zwei = teil < laenge ? std::string(text + teil + 1) : std::string();
    return 2;
}

}  // namespace

const char* Spielszenen_Ticker_Puffer() { return ticker_puffer; }

int32_t Spielszenen_Text_Kuerzen(char* out, uint32_t groesse, const char* text, int32_t font, int32_t max)
{
    if (!out || groesse == 0) return 0;
    std::snprintf(out, groesse, "%s", text ? text : "");
    Font_Record* f = font >= 0 && font < FONT_SLOTS ? Font_Slots[font] : nullptr;
    size_t n = std::strlen(out);
    int32_t w = breite_in(f, out);
    if (w <= max) return w;
    while (n > 0 && w > max) {
        out[--n] = 0;
        w = breite_in(f, out);
    }
    // a cut-off bold run is closed, else printing the text would leave the font bold for every
    // later text in it
    const std::string t = out;
    const size_t an = t.rfind("^bb"), aus = t.rfind("^be");
    if (an != std::string::npos && (aus == std::string::npos || aus < an) && n + 3 < groesse) std::strcat(out, "^be");
    return w;
}

int32_t Spielszenen_Titel_Verein(char* name, uint32_t groesse, const char* verein, const char* rest, int32_t gross, int32_t klein,
                                 int32_t platz)
{
    char ganz[160], teil[96];
    std::snprintf(ganz, sizeof ganz, "%s%s", verein ? verein : "", rest ? rest : "");
    const int32_t font = Spielszenen_Text_Kuerzen(teil, sizeof teil, ganz, gross, 1 << 20) > platz ? klein : gross;
    const int32_t w = Spielszenen_Text_Kuerzen(teil, sizeof teil, rest, font, 1 << 20);
    Spielszenen_Text_Kuerzen(name, groesse, verein, font, platz - w);
    return font;
}

void Spielszenen_Kasten_Abdunkeln(const Spielszenen_Fenster*, int32_t x, int32_t y, int32_t w, int32_t h)
{
    Rastport* p = seite();
    if (p) Grafik_Blit_Abdunkeln(p, x, y, w, h, p, x, y, 128 - 70);
}

uint16_t Spielszenen_Panel_Farbe() { return Grafik_Farbe(1, 2, 2); }

void Spielszenen_Kasten_Decken(int32_t x, int32_t y, int32_t w, int32_t h)
{
    if (Rastport* p = seite()) Grafik_Rechteck_Fuellen(p, x, y, w, h, Spielszenen_Panel_Farbe());
}

int32_t Spielszenen_Kopf_Breite(int32_t groesse)
{
    // up to the clock beside the home name and the spectators beside the away name
    return groesse == 2 ? 84 : 100;
}

void Spielszenen_Kopfzeile_Erzeugen(Spielszenen_Fenster* f)
{
    if (!f) return;
    Grafik_Sprite_Freigeben(f->kopfzeile);
    f->kopfzeile = nullptr;
    const int32_t k = (f->groesse == 2 ? 3 : 0) + (f->seite == 0 ? 0 : f->seite == 1 ? 1 : 2);
    Rastport* basis = Spielszenen_Grafik.kopf[k];
    if (!basis || !f->record) return;
    Rastport* b = Grafik_Bitmap_Anlegen(int32_t(basis->width), int32_t(basis->height), basis->depth);
    if (!b) return;
    Grafik_Blit(basis, 0, 0, int32_t(basis->width), int32_t(basis->height), b, 0, 0);
    const int32_t w = int32_t(b->width);
    char name[2][64];
    for (int32_t s = 0; s < 2; ++s)
        Spielszenen_Text_Kuerzen(name[s], sizeof name[s], team_name(f->record, s), 9, Spielszenen_Kopf_Breite(f->groesse));
    if (Font_Record* fo = schrift()) {
        Grafik_Printf(b, fo, "^c%05d%s", 47, 12, int(weiss()), name[0]);
        Grafik_Printf(b, fo, "^c%05d^tr%04d%s", 0, 12, int(weiss()), int(w - 47), name[1]);
    }
    const int32_t tiefe = b->depth;
    Grafik_Wappen_Laden(ResFile_Handles[0].handle, b, tiefe, int32_t(f->record->team[0]), 3, 3, 1, 20, 20);
    Grafik_Wappen_Laden(ResFile_Handles[0].handle, b, tiefe, int32_t(f->record->team[1]), w - 23, 3, 1, 20, 20);
    f->kopfzeile = Grafik_Bitmap_Packen(b, 0, 0, w, int32_t(b->height));
    Grafik_Bitmap_Freigeben(b);
}

void Spielszenen_Spielstand_Text(const Spielszenen_Fenster* f, uint32_t z, char* out, uint32_t groesse)
{
    if (!out || groesse == 0) return;
    out[0] = 0;
    if (!f || !f->record) return;
    const Spielfeld_Record* r = f->record;
    const int c = int(weiss());
    // A shoot-out's kicks stand apart from the score after extra time.
    const char* stand = Spiele_Stand_Text(int32_t(r->spiel), r->tore[0], r->tore[1], r->spielende < 2);
    if (f->groesse == 0 || f->groesse == 1) {
        if (z > 999)
            std::snprintf(out, groesse, "^c%05d^tl%04d%d:%02d^tz%04d%s^tl%04d%d.%03d Zusch.", c, 44, int(r->minute),
                          int(r->sekunden), 150, stand, 230, int(z / 1000), int(z % 1000));
        else
            std::snprintf(out, groesse, "^c%05d^tl%04d%d:%02d^tz%04d%s^tl%04d%d Zuschauer", c, 44, int(r->minute),
                          int(r->sekunden), 150, stand, 230, int(z));
    } else if (f->groesse == 2) {
        std::snprintf(out, groesse, "^c%05d^tz0150%s ", c, stand);
    }
}

int32_t Spielszenen_Spielstand_Zeichnen(Rastport* p, Spielszenen_Fenster* f)
{
    if (!f || !f->record) return -1;
    const Spielfeld_Record* r = f->record;
    const Spiele_Spiel* m = Spiele_Get_Spiel(int32_t(r->spiel), 0);
    const uint32_t zuschauer = m ? m->zuschauer : 0;
    if (p && f->kopfzeile) Grafik_Sprite_Blit(f->kopfzeile, p, f->x, f->y);
    char text[160];
    Spielszenen_Spielstand_Text(f, zuschauer, text, sizeof text);
    Font_Record* fo = schrift();
    if (p && fo) {
        if (f->groesse == 0 || f->groesse == 1) {
            Grafik_Printf(p, fo, "%s", 138, f->y + 12, text);
        } else if (f->groesse == 2) {
            Grafik_Printf(p, fo, "%s", f->x, f->y + 12, text);
            Spielszenen_Kasten_Abdunkeln(f, f->x + 2, f->y + 26, 40, 11);
            Grafik_Printf(p, fo, "^c%05d^tz%04d%d:%02d", f->x + 2, f->y + 35, int(weiss()), 20, int(r->minute),
                          int(r->sekunden));
        }
    }
    if (!Maus_Get_Tasten()) return -1;
    int32_t seite = -1;
    if (f->groesse == 0 || f->groesse == 1) {
        if (Maus_In_Rect(f->x, f->y, 160, 25)) seite = 0;
        if (Maus_In_Rect(f->x + 439, f->y, 160, 25)) seite = 1;
    } else if (f->groesse == 2) {
        if (Maus_In_Rect(f->x, f->y, 132, 25)) seite = 0;
        if (Maus_In_Rect(f->x + 164, f->y, 132, 25)) seite = 1;
    }
    return seite;
}

void Spielszenen_Fenster_Ticker_Setzen(Spielszenen_Fenster* f, const char* text)
{
    if (!f || !text || !f->record) return;
    std::snprintf(f->ticker, sizeof f->ticker, "%s", text);
    f->ticker_zeit = f->record->frame_zeit;
}

void Spielszenen_Fenster_Ticker_Loeschen(Spielszenen_Fenster* f)
{
    if (!f || !f->record) return;
    f->ticker_zeit = f->record->frame_zeit - 4000u;
}

void Spielszenen_Warte_Hinweis(Spielszenen_Fenster* f, const Spielfeld_Steuerung_Block* st)
{
    if (!f || !f->record || !st) return;
    const bool hinweis = std::strcmp(f->ticker, SPIELSZENEN_WARTE_TEXT) == 0;
    if (f->record->spielende != 2 || st->spieltag_beendet) {
        // the next half has kicked off (or the day is over): the note goes at once
        if (hinweis) Spielszenen_Fenster_Ticker_Loeschen(f);
        return;
    }
    // an event's line keeps its seconds
    if (hinweis || Spielszenen_Ticker_Zeilen(f, nullptr, nullptr) == 0) Spielszenen_Fenster_Ticker_Setzen(f, SPIELSZENEN_WARTE_TEXT);
}

int32_t Spielszenen_Ticker_Zeilen(const Spielszenen_Fenster* f, char* eins, char* zwei)
{
    if (!f || !f->record) return 0;
    // shown for 3000 ms of match-frame time (wrap-safe): a paused match keeps its line
    if (uint32_t(f->record->frame_zeit - f->ticker_zeit) >= 3000u || !f->ticker[0]) return 0;
    std::string a, b;
    const int32_t n = zeilen(f->ticker, f->breite, &a, &b);
    if (eins) std::snprintf(eins, 256, "%s", a.c_str());
    if (zwei) std::snprintf(zwei, 256, "%s", b.c_str());
    return n;
}

void Spielszenen_Ticker_Zeichnen(Spielszenen_Fenster* f)
{
    char eins[256], zwei[256];
    const int32_t n = Spielszenen_Ticker_Zeilen(f, eins, zwei);
    Rastport* p = seite();
    Font_Record* fo = schrift();
    if (n == 0 || !p || !fo) return;
    auto zeile = [&](const char* t, int32_t kasten_y, int32_t text_y) {
        const int32_t w = breite(t) + 20;
        const int32_t x = f->x + f->breite / 2 - w / 2;
        Spielszenen_Kasten_Abdunkeln(f, x, kasten_y, w, 14);
        Grafik_Printf(p, fo, "^c%05d%s", x + 10, text_y, int(weiss()), t);
    };
    if (n == 1) {
        zeile(eins, f->y + f->hoehe - 18, f->y + f->hoehe - 8);
    } else {
        zeile(eins, f->y + f->hoehe - 34, f->y + f->hoehe - 24);
        zeile(zwei, f->y + f->hoehe - 18, f->y + f->hoehe - 8);
    }
}

int32_t Spielszenen_Ereignis_Ticker(Spielszenen_Fenster* f)
{
    if (!f || !f->record) return 0;
    Spielfeld_Record* r = f->record;
    Spielfeld_Record_Kopf& k = r->kopf;
    if (!k.offen) return 0;
    const int32_t haupt = int32_t(int8_t(k.slot)), zweiter = k.zweiter;
    const char* h = spieler_name(r, haupt);
    char* t = ticker_puffer;
    const size_t g = sizeof ticker_puffer;
    if (pruefen(r, 0x10000)) {
        if (zweiter >= 0) std::snprintf(t, g, "%s wurde von %s gefoult.", spieler_name(r, zweiter), h);
        else std::snprintf(t, g, "%s wurde gefoult.", h);
    } else if (pruefen(r, 0x20000)) {
        const char* art = zweiter >= 0 && zweiter <= 41 ? Spieler_Verletzung_Name(zweiter) : nullptr;
        if (art) std::snprintf(t, g, "%s ist verletzt: %s", h, art);
        else std::snprintf(t, g, "%s ist verletzt.", h);
    } else if (pruefen(r, 0x40000)) {
        std::snprintf(t, g, "%s wird eingewechselt.", h);
    } else if (pruefen(r, 0x200)) {
        std::snprintf(t, g, "Eigentor von %s!", h);
    } else if (pruefen(r, 0x4)) {
        std::snprintf(t, g, "Torschütze: %s", h);
    } else if (pruefen(r, 0x10)) {
        std::snprintf(t, g, "Gelbe Karte für %s.", h);
    } else if (pruefen(r, 0x20)) {
        std::snprintf(t, g, "Gelbe-Rote Karte für %s.", h);
    } else if (pruefen(r, 0x40)) {
        std::snprintf(t, g, "Rote Karte für %s.", h);
    } else if (pruefen(r, 0x80000)) {
        std::snprintf(t, g, "Abseits! (%s)", h);
    } else if (pruefen(r, 0x100000)) {
        std::snprintf(t, g, "%s, Schwalbe, kein Foul!", h);
    } else if (pruefen(r, 0x400000)) {
        static const char* const TEXTE[7][2] = {
            {"spielt mit kürzeren Pässen", "spielt mit längeren Pässen"},
            {"spielt mit flacheren Bällen", "spielt mit höheren Bällen"},
            {"spielt mehr durch die Mitte", "spielt mehr über die Flügel"},
            {"spielt mit Abseitsfalle", "spielt ohne Abseitsfalle"},
            {"spielt nun defensiver", "spielt nun offensiver"},
            {"spielt ruhiger", "spielt auf Konter"},
            {"geht weniger in Zweikämpfe", "geht härter in die Zweikämpfe"}};
        const std::string team = team_name(r, haupt);
        const uint32_t bits = uint16_t(zweiter);
        std::string text;
        // lowered effort is bit 0, raised bit 1; the pairs take bits 2 to 15
        if (bits & 2) text = team + " erhöht den Einsatz";
        if (bits & 1) text = team + " verringert den Einsatz";
        for (int32_t p = 0; p < 7; ++p)
            for (int32_t e = 0; e < 2; ++e) {
                if (!(bits & (1u << (2 * p + 2 + e)))) continue;
                text += text.empty() ? team + " " : std::string(", ");
                text += TEXTE[p][e];
            }
        std::snprintf(t, g, "%.255s", text.c_str());
    } else {
        return 0;
    }
    // one event gives at most one text; the pending flag goes with it
    k.offen = 0;
    return 1;
}
