#include "matchview/lineup/spieldaten.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "competitions/spiele.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/personal.h"
#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/kalender.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "platform/resfile.h"
#include "platform/temp.h"

uint8_t Screen_Phase_Vor_Spiel = 0, Screen_Phase_Kabine = 0, Screen_Phase_Nach_Spiel = 0;

namespace {

constexpr int32_t FONT = 3;
// The clock box's three lines stand 9 pixels apart: the small font.
constexpr int32_t UHR_FONT = 11;
// The clock box's three lines 10 pixels apart, so that "vor dem Spiel..." keeps its descenders
// off the competition's name; a list's title in full inside its picture, the line under it.
constexpr int32_t UHR_ZEILE_Y[3] = {9, 19, 29}, TITEL_Y = 10, TITEL_LINIE_Y = 13;
constexpr int32_t ZEILE = 14, LISTE_BREITE = 510, BOX_ZEILEN = 96, SERIEN_ZEILEN = 100;
// Where a list's first row begins (its ascent above the baseline, the heading above it) and the
// event rows' pitch: a row ends where the next begins, its descenders and rule included.
constexpr int32_t EREIGNIS_ZEILE = 12, EREIGNIS_OBEN = 24 - 10, SERIEN_OBEN = ZEILE + 8 - 11;
constexpr int32_t BILD_UEBERSCHRIFT = 1730, BILD_GELB = 1661, BILD_GELB_ROT = 1662, BILD_ROT = 1660;
constexpr uint32_t TOR = 4, GELB = 16, GELB_ROT = 32, ROT = 64, ZAEHLT = TOR | GELB | GELB_ROT | ROT;
constexpr int32_t KEIN_SPIELER = 32767;
Spieldaten_Text_Hook text_hook = nullptr;

// The statistics columns and the event rows lie close together: they take the narrow font.
void drucken(Rastport* ziel, int32_t x, int32_t y, const char* text, int32_t font = FONT)
{
    if (text_hook) text_hook(ziel, x, y, text);
    if (ziel) Grafik_Printf(ziel, Font(font), "%s", x, y, text);
}

int32_t weiss() { return Grafik_Farbe(15, 15, 15); }
int32_t grau() { return Grafik_Farbe(10, 10, 10); }

Rastport* bild_laden(int32_t nummer, int32_t tiefe)
{
    const int32_t handle = ResFile_Handles[0].handle;
    return handle >= 0 ? static_cast<Rastport*>(Load_Resource(handle, nummer, tiefe, nullptr)) : nullptr;
}

const char* name_von(int32_t spieler)
{
    if (spieler <= 0 || spieler == KEIN_SPIELER || spieler >= Spieler_Anzahl) return "";
    const char* n = Spieler_String(SP_NAME, spieler, nullptr, 0);
    return n ? n : "";
}

const char* endung(int32_t n, const char* mehrzahl) { return n == 1 ? "" : mehrzahl; }

// The rows of the scrolling list, drawn into a bitmap of their own.
struct Rollliste {
    Rastport* bild = nullptr;
    int32_t hoehe = 0;
    bool serien = false;
    ~Rollliste() { Grafik_Bitmap_Freigeben(bild); }
};

bool liste_anlegen(Rollliste& l, int32_t zeilen, int32_t tiefe)
{
    l.hoehe = (zeilen + 1) * ZEILE;
    l.bild = Grafik_Bitmap_Anlegen(LISTE_BREITE, l.hoehe, tiefe);
    if (l.bild) Grafik_Rechteck_Fuellen(l.bild, 0, 0, LISTE_BREITE, l.hoehe, 0);
    return l.bild != nullptr;
}

void serien_liste(const Spielfeld_Record& r, const Spiele_Spiel* m, Rollliste& l, int32_t tiefe)
{
    auto zeilen = std::unique_ptr<char[][256]>(new (std::nothrow) char[SERIEN_ZEILEN][256]);
    if (!zeilen) return;
    const int32_t heim = int32_t(r.team[0]), gast = int32_t(r.team[1]), spiel = int32_t(r.spiel);
    const int32_t c = m ? m->wettbewerb : -1;
    const struct {
        int32_t wettbewerb, erster, zweiter, art;
    } fragen[] = {{-1, heim, gast, 1}, {-1, gast, -1, 2}, {-1, heim, gast, 3}, {-1, gast, -1, 3}, {c, heim, gast, 3}, {c, gast, -1, 3}};
    int32_t n = 0;
    for (const auto& f : fragen) {
        if (n >= SERIEN_ZEILEN) break;
        const int32_t neu = Statistik_Fakten_Saetze(f.wettbewerb, f.erster, f.zweiter, f.art, spiel, zeilen.get() + n, SERIEN_ZEILEN - n);
        n += std::clamp(neu, 0, SERIEN_ZEILEN - n);
    }
    n = Spieldaten_Doppelte_Entfernen(zeilen.get(), n);
    if (n == 0 || !liste_anlegen(l, n, tiefe)) return;
    l.serien = true;
    drucken(l.bild, 6, TITEL_Y,
            Temp_Sprintf("^c%05dSerien und Statistiken von %s und %s", weiss(), Team_String(TEAM_NAME, heim, nullptr, 0),
                         Team_String(TEAM_NAME, gast, nullptr, 0)));
    Rastport* kopf = bild_laden(BILD_UEBERSCHRIFT, tiefe);
    if (kopf) Grafik_Blit_Transparent(kopf, 0, 0, int32_t(kopf->width), int32_t(kopf->height), l.bild, 4, TITEL_LINIE_Y);
    for (int32_t i = 0; i < n; ++i) {
        drucken(l.bild, 6, ZEILE * (i + 1) + 8, Temp_Sprintf("^c%05d%s", weiss(), zeilen[i]));
        if (kopf) Grafik_Linie(l.bild, 4, ZEILE * i + 24, 4 + int32_t(kopf->width), ZEILE * i + 24, Grafik_Farbe(0, 0, 14));
    }
    Grafik_Bitmap_Freigeben(kopf);
}

// A goal's row: the running score, the minute (none for a shoot-out kick), the scorer in his
// side's column and the one who set it up.
std::string tor_zeile(const int32_t (&tore)[2], const Spiele_Ereignis_Info& e, bool mit_minute)
{
    const char* spalte = (e.flags & SPE_HEIM) ? "^tl0115" : "^tl0230";
    const bool zweiter = e.spieler_2 > 0 && e.spieler_2 != KEIN_SPIELER && e.spieler_2 != 65535;
    return Temp_Sprintf("^c%05d^tr0035%d^tl0037:^tl0041%d%s%s^c%05d%s^c%05d%s", weiss(), tore[0], tore[1],
                        mit_minute ? Temp_Sprintf("^c%05d%s", grau(), Spielszenen_Minute_Text(e.minute)) : "", spalte, weiss(),
                        name_von(e.spieler_1), grau(), zweiter ? Temp_Sprintf(" (%s)", name_von(e.spieler_2)) : "");
}

// The goals and cards in the match's order. A game decided on penalties stores the scored kicks
// as goals (its score holds them): they follow apart, under a row of their own, with the
// shoot-out's own score, so that nobody reads them as goals of the match.
void ereignis_liste(const Spielfeld_Record& r, Rollliste& l, int32_t tiefe)
{
    const int32_t spiel = int32_t(r.spiel);
    const Spiele_Spiel* gespeichert = Spiele_Get_Spiel(spiel, 1);
    const Spiele_Spiel kopf = gespeichert ? *gespeichert : Spiele_Spiel{};
    auto elfmeter = [&](uint32_t flags) { return gespeichert && Spiele_Ist_Elfmeter_Tor(kopf, flags); };
    int32_t kicks = 0;
    Spiele_Ereignis_Info e{};
    for (bool da = Spiele_Get_Erstes_Ereignis(spiel, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) kicks += elfmeter(e.flags);
    const int32_t n = Spiele_Ereignisse_Zaehlen(spiel);
    if (n <= 0 || !liste_anlegen(l, n + (kicks > 0 ? 1 : 0), tiefe)) return;
    drucken(l.bild, 6, TITEL_Y,
            Temp_Sprintf("^c%05dEreignisse im Spiel %s gegen %s", weiss(), Team_String(TEAM_NAME, int32_t(r.team[0]), nullptr, 0),
                         Team_String(TEAM_NAME, int32_t(r.team[1]), nullptr, 0)));
    Rastport* kopfbild = bild_laden(BILD_UEBERSCHRIFT, tiefe);
    if (kopfbild) Grafik_Blit_Transparent(kopfbild, 0, 0, int32_t(kopfbild->width), int32_t(kopfbild->height), l.bild, 4, TITEL_LINIE_Y);
    Grafik_Bitmap_Freigeben(kopfbild);
    Rastport* karten[3] = {bild_laden(BILD_GELB, tiefe), bild_laden(BILD_GELB_ROT, tiefe), bild_laden(BILD_ROT, tiefe)};
    int32_t tore[2] = {0, 0}, zeile = 0;
    auto zeile_drucken = [&](const std::string& text) {
        drucken(l.bild, 6, 24 + 12 * zeile++, Temp_Sprintf("^c%05d^tl%04d%s", weiss(), 0, text.c_str()), SPIELDATEN_SPALTEN_FONT);
    };
    for (bool da = Spiele_Get_Erstes_Ereignis(spiel, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) {
        if (!(e.flags & ZAEHLT) || elfmeter(e.flags)) continue;
        if (e.flags & TOR) {
            ++tore[(e.flags & SPE_HEIM) ? 0 : 1];
            zeile_drucken(tor_zeile(tore, e, true));
            continue;
        }
        const int32_t y = 24 + 12 * zeile;
        const int32_t k = (e.flags & GELB_ROT) ? 1 : (e.flags & ROT) ? 2 : 0;
        if (karten[k])
            Grafik_Blit_Transparent(karten[k], 0, 0, int32_t(karten[k]->width), int32_t(karten[k]->height), l.bild, SZ_KARTE_X, y - 10);
        const int32_t farbe = k == 0 ? Grafik_Farbe(15, 15, 0) : Grafik_Farbe(15, 0, 0);
        zeile_drucken(Temp_Sprintf("%s%s^c%05d%s", Spielszenen_Minute_Text(e.minute), (e.flags & SPE_HEIM) ? "^tl0115" : "^tl0230", farbe,
                                   name_von(e.spieler_1)));
    }
    for (Rastport* k : karten) Grafik_Bitmap_Freigeben(k);
    if (kicks == 0) return;
    zeile_drucken(Temp_Sprintf("^tl0070Elfmeterschießen"));
    int32_t treffer[2] = {0, 0};
    for (bool da = Spiele_Get_Erstes_Ereignis(spiel, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) {
        if (!elfmeter(e.flags)) continue;
        ++treffer[(e.flags & SPE_HEIM) ? 0 : 1];
        zeile_drucken(tor_zeile(treffer, e, false));
    }
}

}  // namespace

void Spieldaten_Set_Text_Hook(Spieldaten_Text_Hook hook) { text_hook = hook; }

int32_t Spiele_Ereignisse_Zaehlen(int32_t spiel)
{
    int32_t n = 0;
    Spiele_Ereignis_Info e{};
    for (bool da = Spiele_Get_Erstes_Ereignis(spiel, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) n += (e.flags & ZAEHLT) != 0;
    return n;
}

int32_t Spieldaten_Doppelte_Entfernen(char (*zeilen)[256], int32_t n)
{
    int32_t bleibt = 0;
    for (int32_t i = 0; i < n; ++i) {
        bool doppelt = false;
        for (int32_t k = 0; k < bleibt && !doppelt; ++k) doppelt = std::strncmp(zeilen[k], zeilen[i], 256) == 0;
        if (doppelt) continue;
        if (bleibt != i) std::memcpy(zeilen[bleibt], zeilen[i], 256);
        ++bleibt;
    }
    return bleibt;
}

int32_t Spieldaten_Listen_Versatz(int32_t knopf_y, int32_t schiene_y, int32_t schiene_hoehe, int32_t knopf_hoehe,
                                  int32_t liste_hoehe, int32_t sichtbar)
{
    // A knob as tall as its track leaves nothing to scroll by (and nothing to divide by).
    const int32_t weg = schiene_hoehe - knopf_hoehe;
    if (weg < 1 || liste_hoehe <= sichtbar) return 0;
    const int32_t v = (knopf_y - schiene_y) * (liste_hoehe - sichtbar) / weg;
    return std::clamp(v, 0, liste_hoehe - sichtbar);
}

Spieldaten_Zeilen_Fenster Spieldaten_Ganze_Zeilen(int32_t versatz, int32_t sichtbar, int32_t hoehe, int32_t erste, int32_t abstand)
{
    const int32_t ende = std::min(versatz + sichtbar, hoehe);
    // the row boundaries are 0 (the heading's top), then erste + k * abstand
    auto grenze_ab = [&](int32_t y) { return y <= 0 ? 0 : y <= erste ? erste : erste + (y - erste + abstand - 1) / abstand * abstand; };
    auto grenze_bis = [&](int32_t y) { return y < erste ? 0 : erste + (y - erste) / abstand * abstand; };
    Spieldaten_Zeilen_Fenster f;
    if (abstand <= 0 || ende <= versatz) return f;
    f.von = grenze_ab(versatz);
    // the list's own end closes its last row
    f.bis = ende == hoehe ? hoehe : grenze_bis(ende);
    if (f.bis < f.von) f.bis = f.von;
    return f;
}

Screen_Uhr_Angaben Screen_Minutenanzeige_Angaben(const Rastport* box, const Spielfeld_Record* r)
{
    Screen_Uhr_Angaben a;
    if (!r) return a;
    a.farbe = weiss();
    a.mitte = box ? int32_t(box->width) / 2 : 0;
    a.minute = int32_t(r->minute);
    a.stand = Spiele_Stand_Text(int32_t(r->spiel), r->tore[0], r->tore[1]);
    a.phase = Screen_Phase_Kabine       ? "in der Kabine..."
              : Screen_Phase_Vor_Spiel  ? "vor dem Spiel..."
              : Screen_Phase_Nach_Spiel ? "nach dem Spiel..."
                                        : nullptr;
    if (const Spiele_Spiel* m = Spiele_Get_Spiel(int32_t(r->spiel), 0))
        a.mit_wettbewerb = true, a.wettbewerb = Wettbewerb_Get_Anzeigename(m->wettbewerb);
    return a;
}

void Screen_Minutenanzeige_Drucken(Rastport* box, const Screen_Uhr_Angaben& a)
{
    drucken(box, 0, UHR_ZEILE_Y[0], Temp_Sprintf("^c%05d^tz%04d%s", a.farbe, a.mitte, a.stand.c_str()), UHR_FONT);
    drucken(box, 0, UHR_ZEILE_Y[1],
            a.phase ? Temp_Sprintf("^c%05d^tz%04d%s", a.farbe, a.mitte, a.phase)
                    : Temp_Sprintf("^c%05d^tz%04d%d. Minute", a.farbe, a.mitte, a.minute), UHR_FONT);
    if (a.mit_wettbewerb)
        drucken(box, 0, UHR_ZEILE_Y[2], Temp_Sprintf("^c%05d^tz%04d%s", a.farbe, a.mitte, a.wettbewerb.c_str()), UHR_FONT);
}

void Screen_Minutenanzeige_Zeichnen(Rastport* box, const Spielfeld_Record* r)
{
    if (r) Screen_Minutenanzeige_Drucken(box, Screen_Minutenanzeige_Angaben(box, r));
}

void Spieldaten_Zeichnen(const Spielfeld_Record* r, Spieldaten_Ziel& z)
{
    if (!r) return;
    const int32_t tiefe = z.unten ? z.unten->depth : z.oben ? z.oben->depth : 16;
    const Spiele_Spiel* mp = Spiele_Get_Spiel(int32_t(r->spiel), 0);
    Spiele_Spiel m{};
    if (mp) m = *mp;

    // 1. Possession and chances per side.
    int32_t besitz[2] = {0, 0}, chancen[2] = {0, 0};
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        besitz[slot / 16] += r->statistik[slot][5];
        chancen[slot / 16] += r->statistik[slot][2];
    }
    int32_t anteil[2] = {-1, -1};
    if (int32_t(r->minute) * 60 + r->sekunden > 0 && besitz[0] + besitz[1] > 0) {
        anteil[0] = besitz[0] * 100 / (besitz[0] + besitz[1]);
        anteil[1] = 100 - anteil[0];
    }

    // 2.-4. The lower box.
    Rollliste l;
    if (Screen_Phase_Vor_Spiel) serien_liste(*r, mp, l, tiefe);
    else ereignis_liste(*r, l, tiefe);
    z.liste_hoehe = l.bild ? l.hoehe : 0;
    z.rollbalken = z.liste_hoehe > 100;
    if (l.bild && z.unten) {
        const int32_t versatz = z.rollbalken ? Spieldaten_Listen_Versatz(z.knopf_y, z.schiene_y, z.schiene_hoehe, z.knopf_hoehe, l.hoehe,
                                                                         l.serien ? BOX_ZEILEN : 100)
                                             : 0;
        // Only whole rows show: a row the window would cut (its descenders below the box's
        // edge, or its top above it while scrolled) waits for the scroll that shows it whole.
        const Spieldaten_Zeilen_Fenster f = l.serien ? Spieldaten_Ganze_Zeilen(versatz, BOX_ZEILEN, l.hoehe, SERIEN_OBEN, ZEILE)
                                                     : Spieldaten_Ganze_Zeilen(versatz, BOX_ZEILEN, l.hoehe, EREIGNIS_OBEN, EREIGNIS_ZEILE);
        if (f.bis > f.von) Grafik_Blit_Transparent(l.bild, 0, f.von, LISTE_BREITE, f.bis - f.von, z.unten, 8, 8 + f.von - versatz);
    }

    // 5. The upper box.
    Rastport* o = z.oben;
    int32_t y = 12;
    const int32_t w = weiss();
    const int32_t heim = int32_t(r->team[0]), gast = int32_t(r->team[1]);
    if (mp) {
        drucken(o, 6, y,
                Temp_Sprintf("^c%05d%s, %s. %s spielt gegen %s.", w, Wettbewerb_Get_Anzeigename(m.wettbewerb),
                             Wettbewerb_Get_Rundentext(m.wettbewerb, m.spieltag), Team_String(TEAM_NAME, heim, nullptr, 0),
                             Team_String(TEAM_NAME, gast, nullptr, 0)));
        y += ZEILE;
        drucken(o, 6, y,
                m.zuschauer > 999 ? Temp_Sprintf("^c%05d Zuschauer: %u.%03u", w, m.zuschauer / 1000, m.zuschauer % 1000)
                                  : Temp_Sprintf("^c%05d Zuschauer: %u", w, m.zuschauer));
        drucken(o, 6, y,
                Temp_Sprintf("^c%05d^tl%04dWetter: %d Grad, %s", w, 134, int32_t(m.temperatur),
                             Kalender_Get_Wetter_Text(m.temperatur, m.wetter)));
        y += ZEILE;
    }
    // the stored game names the referee the day chose; the live record keeps none of its own
    const int32_t richter = mp && mp->schiedsrichter >= 0 ? int32_t(mp->schiedsrichter) : int32_t(r->schiedsrichter);
    const char* rn = Personal_Get_Name(richter, PERSONAL_SCHIEDSRICHTER);
    const char* b1 = Personal_Get_Bewertungstext(richter, 1);
    const char* b0 = Personal_Get_Bewertungstext(richter, 0);
    drucken(o, 6, y, Temp_Sprintf("^c%05dSchiedsrichter: %s, %s, %s", w, rn ? rn : "", b1 ? b1 : "", b0 ? b0 : ""));
    y += 18;
    drucken(o, 6, y,
            Temp_Sprintf("^c%05d^tz%04d%s^tz%04d%s", w, 134, Team_String(TEAM_NAME, heim, nullptr, 0), 402,
                         Team_String(TEAM_NAME, gast, nullptr, 0)));
    for (int32_t s = 0; s < 2; ++s) {
        const int32_t x = s ? 268 : 0;
        const int32_t gelb = r->gelb[s], rot = r->rot[s], gelb_rot = r->gelb_rot[s];
        const int32_t freistoesse = r->freistoesse[s], fouls = r->fouls[s], elfmeter = r->elfmeter[s], ecken = r->ecken[s];
        int32_t zy = y + ZEILE;
        drucken(o, x + 22, zy, Temp_Sprintf("^c%05d%d Gelbe Karte%s", w, gelb, endung(gelb, "n")), SPIELDATEN_SPALTEN_FONT);
        drucken(o, x + 128, zy, Temp_Sprintf("^c%05d%d Freist%s", w, freistoesse, freistoesse == 1 ? "oß" : "öße"), SPIELDATEN_SPALTEN_FONT);
        drucken(o, x + 194, zy, Temp_Sprintf("^c%05d%d Foul%s", w, fouls, endung(fouls, "s")), SPIELDATEN_SPALTEN_FONT);
        zy += ZEILE;
        drucken(o, x + 22, zy, Temp_Sprintf("^c%05d%d Rote Karte%s", w, rot, endung(rot, "n")), SPIELDATEN_SPALTEN_FONT);
        drucken(o, x + 128, zy, Temp_Sprintf("^c%05d%d Elfmeter", w, elfmeter), SPIELDATEN_SPALTEN_FONT);
        drucken(o, x + 194, zy, Temp_Sprintf("^c%05d%d Chance%s", w, chancen[s], endung(chancen[s], "n")), SPIELDATEN_SPALTEN_FONT);
        zy += ZEILE;
        drucken(o, x + 22, zy, Temp_Sprintf("^c%05d%d Gelb-Rote Karte%s", w, gelb_rot, endung(gelb_rot, "n")), SPIELDATEN_SPALTEN_FONT);
        drucken(o, x + 128, zy, Temp_Sprintf("^c%05d%d Ecke%s", w, ecken, endung(ecken, "n")), SPIELDATEN_SPALTEN_FONT);
        if (anteil[s] >= 0) drucken(o, x + 194, zy, Temp_Sprintf("^c%05d%d%c Ballbesitz", w, anteil[s], '%'), SPIELDATEN_SPALTEN_FONT);
    }
}
