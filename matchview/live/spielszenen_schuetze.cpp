// The taker of a set piece: when the engine holds a penalty, free kick or corner of a side this
// PC controls, a floating panel lists the side's players on the pitch with strength, nerves and
// the skill for the kick, and a click on a name stores the taker and lets the match go on.
#include <algorithm>

#include "database/spieler.h"
#include "database/team.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_sonderaktion.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "platform/maus.h"
#include "platform/resfile.h"
#include "platform/timer.h"
#include "platform/win95.h"

int32_t Spielszenen_Schuetze_X = 100, Spielszenen_Schuetze_Y = 100;

namespace {

constexpr int32_t BREITE = 292, HOEHE = 150, KOPF = 36, ZEILE = 12;
constexpr const char* GRUPPE[4] = {"TOR", "ABW", "MIT", "STU"};
constexpr const char* TITEL[3] = {"Elfmeterschütze", "Freistossschütze", "Eckstossschütze"};
constexpr const char* ART_NAME[3] = {"Elfmeter", "Freistoss", "Eckball"};

struct Panel {
    bool zieht = false;
    int32_t griff_x = 0, griff_y = 0;
    Rastport* balken[2] = {nullptr, nullptr};
    uint32_t offen_seit = 0;  // program time the panel opened
    bool wahl_gehalten = false;  // the press that chose a taker has not been seen released
};
Panel p;

// The panel closes without a choice: the match goes on with the taker stored before.
void schliessen(Spielszenen_Fenster* f, Spielfeld_Steuerung_Block* st)
{
    if (st) st->pause = 0;
    if (Spielfeld_Record* r = f->record) r->freistoss_offen = r->elfmeter_offen = r->ecke_offen = 0;
    f->standard_offen = 0;
    Spielszenen_Schuetze_Freigeben();
}

// Skill byte of the kind (0 penalty, 1 free kick, 2 corner) and the nerves: strength entry
// +151 free kick, +152 penalty, +153 corner, +154 nerves.
int32_t fertigkeit(const Spielfeld_Spieler& s, int32_t art) { return s.roh[art == 0 ? 1 : art == 1 ? 0 : 2]; }
int32_t nerven(const Spielfeld_Spieler& s) { return s.roh[3]; }

int32_t gruppe(const Spielfeld_Spieler& s)
{
    if (s.spnr < 0 || s.spnr >= Spieler_Anzahl) return 3;
    return Spieler_Wert(SP_ART, s.spnr, 0, 0) % 4;
}

void bilder_laden()
{
    const int32_t tiefe = Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16;
    for (int32_t k = 0; k < 2; ++k)
        if (!p.balken[k] && ResFile_Handles[0].handle >= 0)
            p.balken[k] = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, k ? SZ_BALKEN_VOLL : SZ_BALKEN_GRUND, tiefe, nullptr));
}

// Value bars 30 pixels long: background, fill cut to the value's share of the side's range.
void balken(Rastport* seite, int32_t x, int32_t y, int32_t wert, int32_t minimum, int32_t spanne)
{
    if (!seite || !p.balken[0] || !p.balken[1]) return;
    Grafik_Blit(p.balken[0], 0, 0, 30, int32_t(p.balken[0]->height), seite, x, y);
    const int32_t w = std::clamp((wert - minimum) * 30 / std::max(spanne, 1), 0, 30);
    if (w > 0) Grafik_Blit(p.balken[1], 0, 0, w, int32_t(p.balken[1]->height), seite, x, y);
}

void drucken(Rastport* seite, int32_t font, int32_t x, int32_t y, const char* text)
{
    Spielszenen_Text_Melden(x, y, text);
    if (Font_Record* fo = Font(font); seite && fo) Grafik_Printf(seite, fo, "%s", x, y, text);
}

// A left press on the window's play, not on a panel over it, nor the press that chose a taker
// and is still held.
bool klick_auf_spiel(const Spielszenen_Fenster* f)
{
    // the held state alone: a quick click elsewhere stays for whom it was meant
    if (!(Win95_Maustasten() & 1)) p.wahl_gehalten = false;
    const int32_t mx = Maus_Get_X(), my = Maus_Get_Y();
    if (mx < f->x || my < f->y || mx >= f->x + f->breite || my >= f->y + f->hoehe) return false;
    if (Spielszenen_Maus_Genommen_Vorher) return false;
    return !p.wahl_gehalten && (Maus_Get_Tasten() & 1);
}

}  // namespace

int32_t Spielszenen_Standard_Art(const Spielfeld_Record* r)
{
    if (!r) return -1;
    int32_t art = -1;
    if (r->ecke_offen == 1) art = 2;
    if (r->elfmeter_offen == 1) art = 0;
    if (r->freistoss_offen == 1) art = 1;
    return art;
}

int32_t Spielszenen_Schuetzen_Zeilen(const Spielfeld_Record* r, int32_t seite, int32_t* slots)
{
    int32_t n = 0;
    if (!r || seite < 0 || seite > 1) return 0;
    for (int32_t g = 0; g < 4; ++g)
        for (int32_t slot = 16 * seite; slot < 16 * seite + 16; ++slot) {
            const Spielfeld_Spieler& s = r->spieler[slot];
            if (s.spnr < 0 || !(s.zustand & SPIELFELD_AUF_DEM_PLATZ) || gruppe(s) != g) continue;
            slots[n++] = slot;
        }
    return n;
}

void Spielszenen_Schuetzen_Spannen(const Spielfeld_Record* r, int32_t seite, Spielszenen_Schuetzen_Spanne* sp)
{
    for (int32_t i = 0; i < 5; ++i) sp->minimum[i] = 4000, sp->maximum[i] = 0;
    int32_t slots[16];
    const int32_t n = Spielszenen_Schuetzen_Zeilen(r, seite, slots);
    for (int32_t k = 0; k < n; ++k) {
        const Spielfeld_Spieler& s = r->spieler[slots[k]];
        const int32_t werte[5] = {s.wert_89, s.roh[0], s.roh[1], s.roh[2], s.roh[3]};
        for (int32_t i = 0; i < 5; ++i) sp->minimum[i] = std::min(sp->minimum[i], werte[i]), sp->maximum[i] = std::max(sp->maximum[i], werte[i]);
    }
    for (int32_t i = 0; i < 5; ++i) sp->spanne[i] = std::max(sp->maximum[i] - sp->minimum[i], 1);
}

int32_t Spielszenen_Schuetze_Farbe(Spielfeld_Record* r, int32_t slot, int32_t art, bool unter_maus)
{
    if (unter_maus) return Grafik_Farbe(12, 0, 0);
    const Spielfeld_Spieler& s = r->spieler[slot];
    if (s.zustand & (64 | SPIELFELD_GELB_ROT | SPIELFELD_ROT)) return Grafik_Farbe(8, 8, 8);
    if (s.spnr >= 0 && Spielfeld_Gewaehlter_Schuetze(r, art, slot / 16) == uint32_t(s.spnr)) return Grafik_Farbe(12, 12, 0);
    return Grafik_Farbe(14, 14, 14);
}

void Spielszenen_Standard_Pruefen(Spielszenen_Fenster* f, Spielfeld_Steuerung_Block* st, int32_t flag)
{
    Spielszenen_Standard_Pruefen_Um(f, st, flag, Timer_Get_Time());
}

void Spielszenen_Standard_Pruefen_Um(Spielszenen_Fenster* f, Spielfeld_Steuerung_Block* st, int32_t flag, uint32_t jetzt)
{
    if (flag || !f || !f->record || !st) return;
    Spielfeld_Record* r = f->record;
    int32_t art = -1;  // the check's order: free kick, penalty, corner
    if (r->freistoss_offen == 1) art = 1;
    else if (r->elfmeter_offen == 1) art = 0;
    else if (r->ecke_offen == 1) art = 2;
    int32_t seite = r->standard_seite;
    // A lone manager's PC is the single PC, whatever network role the program runs in: there
    // the panel waits for its option or a click, and without either the match plays on. The
    // engine clears a whistled set piece at its first set-up pass, so his click is taken as
    // long as the set piece is being set up, until it is taken.
    const bool allein = Ablauf_Allein();
    const bool gemeldet = art >= 0;
    if (!gemeldet && allein && !f->standard_offen) art = Spielfeld_Standard_Wahl(r, &seite);
    if (art >= 0 && f->beide_seiten) f->seite = seite;
    if (art < 0 || seite != f->seite) {
        // a panel left open with nothing of the own side pending would hold the match unseen
        if (f->standard_offen) schliessen(f, st);
        Spielszenen_Schuetze_Freigeben();
        return;
    }
    if (f->standard_offen) {
        // nobody chooses: the taker stored before (the line-up's or the assistant's) kicks
        if (jetzt - p.offen_seit >= SPIELSZENEN_SCHUETZE_WARTEN_MS) schliessen(f, st);
        return;
    }
    const int32_t option = art == 1 ? 0 : art == 0 ? 1 : 2;
    bool oeffnen = gemeldet && (st->schuetze_waehlen[option] != 0 || !allein);
    if (!st->schuetze_waehlen[option] || !gemeldet) {
        Spielszenen_Zeiger_Form = 10;
        if (!oeffnen && klick_auf_spiel(f)) {
            // opens once the press has ended; the wait keeps the messages flowing and ends
            // when the program quits
            while ((Maus_Get_Tasten() & 1) && !Programm_Ende) {
            }
            oeffnen = true;
        }
    }
    if (!oeffnen) return;
    // the panel shows the kind it opened for
    if (!gemeldet) {
        (art == 1 ? r->freistoss_offen : art == 0 ? r->elfmeter_offen : r->ecke_offen) = 1;
        r->standard_seite = uint8_t(seite);
    }
    st->pause = 1;
    f->standard_offen = 1;
    st->standard = 1;
    p.offen_seit = jetzt;
}

int32_t Spielszenen_Schuetze_Waehlen(Spielszenen_Fenster* f, Spielfeld_Steuerung_Block* st, int32_t flag)
{
    return Spielszenen_Schuetze_Waehlen_Bei(Grafik_Seite_1 ? Grafik_Seite_1 : Grafik_Render_Ziel, f, st, flag, Maus_Get_X(),
                                            Maus_Get_Y(), Maus_Get_Tasten());
}

int32_t Spielszenen_Schuetze_Waehlen_Bei(Rastport* seite, Spielszenen_Fenster* f, Spielfeld_Steuerung_Block* st, int32_t flag,
                                         int32_t mx, int32_t my, int32_t tasten)
{
    if (flag || !f || !f->record) return -1;
    Spielfeld_Record* r = f->record;
    const int32_t art = Spielszenen_Standard_Art(r);
    if (art < 0) return -1;
    const int32_t s = r->standard_seite & 1;
    int32_t& x = Spielszenen_Schuetze_X;
    int32_t& y = Spielszenen_Schuetze_Y;
    int32_t slots[16];
    const int32_t n = Spielszenen_Schuetzen_Zeilen(r, s, slots);
    const int32_t hoehe = std::max(HOEHE, 2 * ZEILE + ZEILE * n + 6);

    // dragged by its head, kept inside the page
    if (!tasten) p.zieht = false;
    if ((tasten == 1 && mx >= x && mx < x + BREITE && my >= y - KOPF && my < y) || p.zieht) {
        if (!p.zieht) p.griff_x = mx - x, p.griff_y = my - y, p.zieht = true;
        x = std::min(std::max(mx - p.griff_x, 12), 606 - BREITE);
        y = std::min(std::max(my - p.griff_y, KOPF + 5), 475 - hoehe);
        Spielszenen_Zeiger_Form = 2;
    }
    if (mx >= x && mx < x + BREITE && my >= y - KOPF && my < y + hoehe) Spielszenen_Maus_Genommen = 2;

    bilder_laden();
    Spielszenen_Kasten_Decken(x, y - KOPF, BREITE, KOPF + hoehe);
    const int32_t team = int32_t(r->team[s]);
    if (seite && ResFile_Handles[0].handle >= 0)
        Grafik_Wappen_Laden(ResFile_Handles[0].handle, seite, seite->depth, team, x + 6, y - KOPF + 3, 1, 30, 30);
    Font_Record* fo = Font(9);
    const char* verein = team < Team_Anzahl ? Team_String(TEAM_NAME, team, nullptr, 0) : nullptr;
    char text[256];
    {
        // the title ends inside the panel, as the tactics panel's does
        char rest[48], name[64];
        std::snprintf(rest, sizeof rest, ", %s wählen", TITEL[art]);
        const int32_t font = Spielszenen_Titel_Verein(name, sizeof name, verein, rest, Font(10) ? 10 : 9, 9, BREITE - 50 - 6);
        std::snprintf(text, sizeof text, "^c%05d%s%s", int(Grafik_Farbe(15, 15, 15)), name, rest);
        drucken(seite, font, x + 50, y - KOPF + 30, text);
    }
    std::snprintf(text, sizeof text, "^c%05d^tl%04d%s^tz%04d%s^tz%04d%s^tz%04d%s^tz%04d%s", int(Grafik_Farbe(15, 15, 15)), 6,
                  "Spielername", 102, "Position", 148, "Stärke", 204, "Nervenst.", 260, ART_NAME[art]);
    drucken(seite, 9, x, y + 12, text);
    Spielszenen_Schuetzen_Spanne sp{};
    Spielszenen_Schuetzen_Spannen(r, s, &sp);
    int32_t gewaehlter = -1;
    for (int32_t k = 0; k < n; ++k) {
        const int32_t slot = slots[k];
        const int32_t zy = y + 2 * ZEILE + ZEILE * k;
        const bool unter = mx >= x && mx < x + BREITE && my >= zy && my < zy + ZEILE;
        const Spielfeld_Spieler& sp_ = r->spieler[slot];
        {
            // a long name ends before the position, centred at 100
            const char* name = sp_.spnr >= 0 && sp_.spnr < Spieler_Anzahl ? Spieler_String(SP_NAME, sp_.spnr, nullptr, 0) : nullptr;
            const char* g = GRUPPE[gruppe(sp_)];
            char kurz[64], mass[8];
            const int32_t gw = Spielszenen_Text_Kuerzen(mass, sizeof mass, g, 9, 1 << 20);
            Spielszenen_Text_Kuerzen(kurz, sizeof kurz, name ? name : "", 9, 100 - gw / 2 - 3 - 6);
            std::snprintf(text, sizeof text, "^c%05d^tl%04d%s^tz%04d%s^tr%04d%d^tr%04d%d^tr%04d%d", int(Spielszenen_Schuetze_Farbe(r, slot, art, unter)),
                          6, kurz, 100, g, 144, int(sp_.wert_89), 200, nerven(sp_), 256, fertigkeit(sp_, art));
            drucken(seite, 9, x, zy + 10, text);
        }
        if (seite && fo) {
            balken(seite, x + 146, zy + 3, sp_.wert_89, sp.minimum[0], sp.spanne[0]);
            balken(seite, x + 202, zy + 3, nerven(sp_), sp.minimum[4], sp.spanne[4]);
            const int32_t i = art == 0 ? 2 : art == 1 ? 1 : 3;
            balken(seite, x + 258, zy + 3, fertigkeit(sp_, art), sp.minimum[i], sp.spanne[i]);
        }
        if (unter && tasten == 1 && gewaehlter < 0) gewaehlter = slot;
    }
    if (gewaehlter < 0) return -1;
    // a set piece already being set up is taken by him
    Spielfeld_Standard_Schuetze_Setzen(r, art, s, uint32_t(r->spieler[gewaehlter].spnr));
    p.wahl_gehalten = true;
    Spielszenen_Sound_Spielen(13, 320, 320);
    if (st) st->pause = 0;
    r->freistoss_offen = r->elfmeter_offen = r->ecke_offen = 0;
    f->standard_offen = 0;
    Spielszenen_Schuetze_Freigeben();
    return gewaehlter;
}

void Spielszenen_Schuetze_Freigeben()
{
    for (Rastport*& b : p.balken) b = Grafik_Bitmap_Freigeben(b);
}
