#include "screens/spieler_einsetzen_figuren.h"

#include <algorithm>
#include <cstdio>

#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "competitions/statistik_teaminfo.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_wappen.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_schirme.h"

namespace {

uint32_t flags(int32_t team, int32_t spnr) { return uint32_t(Teamspieler_Wert(317, team, spnr, 0, 0)); }
bool torwart(int32_t spnr) { return Spieler_Wert(SP_ART, spnr, 0, SP_LESEN) == 0; }
uint32_t knopf(int32_t icon) { return Aktuelles_Team >= 0 ? Manager_Icon_Button_Lesen(Aktuelles_Team, icon) : 0; }

int32_t anzeige_bits()
{
    if (Aktuelles_Team < 0 || !Team_Hat_Manager(Aktuelles_Team)) return 3;
    return int32_t(Manager_Icon_Button_Lesen(Aktuelles_Team, SE_FIGUREN));
}

int32_t fremdes_team()
{
    const int32_t g = Anzeige_Gegner_Team;
    if (g < 0 || g >= Team_Anzahl || g == Aktuelles_Team || !(anzeige_bits() & 2)) return -1;
    return g;
}

// Pitch-picture point of a cell's top-left corner (as the figures are placed).
void zelle_zu_bild(int32_t team, int32_t zeile, int32_t spalte, int32_t* x, int32_t* y)
{
    Spieler_Einsetzen_Raster_Zu_Screen(1, zeile, spalte, team, -1, x, y);
    *x -= 226;
    *y -= 114;
}

}  // namespace

Rastport* Spieler_Trikot_Klein(int32_t spnr, int32_t team, int32_t w, int32_t h)
{
    // the kit colours go in only where the whole picture fits, so it is made whole and cut after
    Rastport* voll = Grafik_Spielerfigur_Erzeugen(nullptr, spnr, team, FIGUR_STIL_A, 0);
    if (!voll) return nullptr;
    const int32_t bw = int32_t(voll->width), bh = std::min<int32_t>(int32_t(voll->height), SPIELER_TRIKOT_HOEHE);
    Rastport* trikot = w > 0 && h > 0 && w <= bw && h <= bh ? Grafik_Bitmap_Anlegen(bw, bh, voll->depth) : nullptr;
    Rastport* klein = trikot ? Grafik_Bitmap_Anlegen(w, h, voll->depth) : nullptr;
    if (klein) {
        Grafik_Blit(voll, 0, 0, bw, bh, trikot, 0, 0);
        Grafik_Bild_Verkleinern(trikot, klein, w, h);
    }
    Grafik_Bitmap_Freigeben(trikot);
    Grafik_Bitmap_Freigeben(voll);
    return klein;
}

int32_t Spieler_Einsetzen_Fremde_Zelle(int32_t team, int32_t spnr)
{
    const int32_t feld = knopf(SE_DEFENSIV) ? 314 : knopf(SE_OFFENSIV) ? 313 : 310;
    return Teamspieler_Wert(feld, team, spnr, 0, 0);
}

int32_t Spieler_Einsetzen_Figuren_Bauen(Spieler_Figur figuren[SPIELER_FIGUREN])
{
    int32_t n = 0, bank = 0;
    const bool assistent = Aktuelles_Team >= 0 && Assistent_Mit_Aufgabe(Aktuelles_Team, 0) >= 0;
    int32_t liste[500];
    auto hinzu = [&](int32_t team, int32_t spnr, bool eigen) {
        if (n >= SPIELER_FIGUREN) return;
        Spieler_Figur& f = figuren[n++];
        const uint32_t fl = flags(team, spnr);
        f.spnr = spnr;
        f.team = team;
        f.zelle = eigen ? Spieler_Einsetzen_Gezeigte_Zelle(team, spnr) : Spieler_Einsetzen_Fremde_Zelle(team, spnr);
        Spieler_Einsetzen_Figur_Platzieren(f.zelle, team, spnr, &bank, &f.x, &f.y);
        const int32_t art = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN);
        f.farbe = (fl & TS_PROBE) ? 11 : Spieler_Figur_Get_Farbe(eigen ? (art == 0 ? 0 : 1) : 2, fl, nullptr);
        f.textfarbe = eigen ? 0 : 6;
        f.prioritaet = eigen ? 3 : 2;
        f.ziehbar = eigen && !assistent && !(fl & 0xFC0);
    };
    const int32_t eigen = Aktuelles_Team;
    if (eigen >= 0 && eigen < Team_Anzahl && (anzeige_bits() & 1)) {
        const int32_t m = std::min(Teamspieler_Ins_Array(eigen, liste, 500, 0), 500);
        for (int32_t k = 0; k < m; ++k)
            if (flags(eigen, liste[k]) & (TS_STARTELF | TS_ERSATZ)) hinzu(eigen, liste[k], true);
    }
    if (const int32_t fremd = fremdes_team(); fremd >= 0) {
        const int32_t m = std::min(Teamspieler_Ins_Array(fremd, liste, 500, 0), 500);
        for (int32_t k = 0; k < m; ++k)
            if (flags(fremd, liste[k]) & TS_STARTELF) hinzu(fremd, liste[k], false);
    }
    return n;
}

void Koepfe_Auseinander(Kopf_Platz koepfe[], int32_t n, int32_t w, int32_t h, int32_t links, int32_t rechts, int8_t fest)
{
    if (!koepfe) return;
    auto deckt = [&](int32_t x, int32_t y, int32_t self) {
        for (int32_t j = 0; j < n; ++j)
            if (j != self && koepfe[j].x < x + w && x < koepfe[j].x + w && koepfe[j].y < y + h && y < koepfe[j].y + h &&
                (koepfe[j].prioritaet > koepfe[self].prioritaet || j < self))
                return j;
        return -1;
    };
    for (int32_t k = 0; k < n; ++k) {
        Kopf_Platz& f = koepfe[k];
        if (f.prioritaet >= fest) continue;
        // each step clears one neighbour, a row of them takes a step each; a spot crowded to
        // both edges keeps the last try
        for (int32_t versuch = 0; versuch < n; ++versuch) {
            const int32_t j = deckt(f.x, f.y, k);
            if (j < 0) break;
            const int32_t re = koepfe[j].x + w + 1, li = koepfe[j].x - w - 1;
            const int32_t x = re + w <= rechts && deckt(re, f.y, k) < 0 ? re
                              : li >= links && deckt(li, f.y, k) < 0    ? li
                              : re + w <= rechts                        ? re
                                                                        : li;
            if (x == f.x) break;
            f.x = x;
        }
    }
}

void Spieler_Einsetzen_Koepfe_Auseinander(Spieler_Figur figuren[], int32_t n, int32_t w, int32_t h)
{
    if (!figuren || n <= 0) return;
    constexpr int32_t FELD_LINKS = 228, FELD_RECHTS = 431;
    Kopf_Platz koepfe[SPIELER_FIGUREN];
    n = std::min(n, SPIELER_FIGUREN);
    for (int32_t k = 0; k < n; ++k) koepfe[k] = {figuren[k].x, figuren[k].y, figuren[k].prioritaet};
    Koepfe_Auseinander(koepfe, n, w, h, FELD_LINKS, FELD_RECHTS, 3);
    for (int32_t k = 0; k < n; ++k) figuren[k].x = koepfe[k].x;
}

bool Spieler_Einsetzen_Lieblingsbox(int32_t team, int32_t spnr, int32_t box[4])
{
    if (team < 0 || spnr < 0 || spnr >= Spieler_Anzahl) return false;
    const bool eigen = team == Aktuelles_Team;
    const int32_t zelle = Spieler_Wert(SP_LIEBLINGSPOS, spnr, 0, SP_LESEN);
    if (torwart(spnr) || zelle < 0 || zelle >= RASTER_KEINE_ZELLE) {
        box[0] = 73;
        box[2] = 135;
        box[1] = eigen ? 318 : 1;
        box[3] = eigen ? 337 : 20;
        return true;
    }
    int32_t zeile = std::clamp(zelle / RASTER_SPALTEN, 1, 25), spalte = std::clamp(zelle % RASTER_SPALTEN, 1, 15);
    if (!eigen) {
        zeile = 26 - zeile;
        spalte = 16 - spalte;
    }
    // The grid-to-screen mapping mirrors the own side; the box spans the cells around.
    int32_t xa, ya, xb, yb;
    zelle_zu_bild(Aktuelles_Team, zeile - 1, spalte - 1, &xa, &ya);
    zelle_zu_bild(Aktuelles_Team, zeile + 1, spalte + 1, &xb, &yb);
    box[0] = std::min(xa, xb);
    box[1] = std::min(ya, yb);
    box[2] = std::max(xa, xb) + 201 / 17;
    box[3] = std::max(ya, yb) + 11;
    return true;
}

bool Spieler_Einsetzen_Griffe(int32_t spnr, int32_t xy[6][2])
{
    const int32_t team = Aktuelles_Team;
    if (team < 0 || !Teamspieler_Get_Record(team, spnr) || torwart(spnr)) return false;
    int32_t z[5];
    for (int32_t k = 0; k < 5; ++k) z[k] = Teamspieler_Wert(310 + k, team, spnr, 0, 0);
    const int32_t a = z[1], b = z[2];
    if (a < 0 || a >= RASTER_KEINE_ZELLE || b < 0 || b >= RASTER_KEINE_ZELLE) return false;
    const int32_t zeilen[4] = {a / RASTER_SPALTEN, b / RASTER_SPALTEN, a / RASTER_SPALTEN, b / RASTER_SPALTEN};
    const int32_t spalten[4] = {a % RASTER_SPALTEN, b % RASTER_SPALTEN, b % RASTER_SPALTEN, a % RASTER_SPALTEN};
    static constexpr int32_t ECKE[4][2] = {{14, 9}, {3, 9}, {14, -2}, {3, -2}};
    for (int32_t k = 0; k < 4; ++k) {
        Spieler_Einsetzen_Raster_Zu_Screen(1, zeilen[k], spalten[k], team, -1, &xy[k][0], &xy[k][1]);
        xy[k][0] += -4 + ECKE[k][0];
        xy[k][1] += -2 + ECKE[k][1];
    }
    static constexpr int32_t POS[2][2] = {{-4 + 10, 3 - 2}, {-4 + 10, 4 + 0}};
    for (int32_t k = 0; k < 2; ++k) {
        const int32_t c = z[3 + k];
        const int32_t c_ok = c >= 0 && c < RASTER_KEINE_ZELLE ? c : z[0];
        Spieler_Einsetzen_Raster_Zu_Screen(1, c_ok / RASTER_SPALTEN, c_ok % RASTER_SPALTEN, team, -1, &xy[4 + k][0],
                                           &xy[4 + k][1]);
        xy[4 + k][0] += POS[k][0];
        xy[4 + k][1] += POS[k][1];
    }
    return true;
}

std::string Spieler_Einsetzen_Menue_Titel()
{
    const int32_t g = Anzeige_Gegner_Team;
    const char* name = g >= 0 && g < Team_Anzahl && g != Aktuelles_Team ? Team_String(TEAM_NAME, g, nullptr, 0) : nullptr;
    char t[200];
    std::snprintf(t, sizeof t, "(Momentan: %s)", name ? name : "Kein Gegner");
    return t;
}

std::string Spieler_Einsetzen_Echte_Warnung()
{
    if (Aktuelles_Team < 0) return "";
    const int32_t echte = Teamspieler_Zaehle_Startelf(Aktuelles_Team, nullptr, nullptr, false);
    if (echte >= 11) return "";
    char t[160];
    std::snprintf(t, sizeof t, "^l^bbACHTUNG:^be Bei Ihnen sind nur %d \"echte\" Spieler eingesetzt !", echte);
    return t;
}

int32_t Spieler_Einsetzen_Staerke_Farbe(int32_t team)
{
    return team >= 0 && Teamspieler_Zaehle_Startelf(team, nullptr, nullptr, true) == 11 ? 6 : 8;
}

namespace {

// The league strength text of a line-up: its league, then the fitness, intelligence and
// technique of the eleven and their mean.
std::string liga_text(int32_t team)
{
    char t[STATISTIK_LIGA_TEXT_LAENGE];
    Statistik_Liga_Text(t, 32 | 64 | 128, 11, team);
    return t;
}

}  // namespace

std::string Spieler_Einsetzen_Staerke_Text(int32_t team, int32_t zeile)
{
    if (team < 0 || team >= Team_Anzahl || zeile < 0 || zeile > 1) return "";
    const std::string t = liga_text(team);
    const size_t komma = t.find(", ");
    if (komma == std::string::npos) return zeile == 0 ? t : "";
    return zeile == 0 ? t.substr(0, komma) : t.substr(komma + 2);
}

std::string Spieler_Einsetzen_Staerke_Tooltip()
{
    const int32_t eigen = Aktuelles_Team;
    if (eigen < 0 || eigen >= Team_Anzahl) return "";
    const int32_t gegner = Gegner_Team;
    std::string t;
    if (gegner < 0 || gegner >= Team_Anzahl || gegner == eigen) {
        t = "Liga / Stärke der eingesetzten Spieler:^l" + liga_text(eigen);
    } else {
        const char* heim = Aktuelles_Team_Seite == 0 ? "Heimspiel" : "Auswärtsspiel";
        const char* gast = Aktuelles_Team_Seite == 0 ? "Auswärtsspiel" : "Heimspiel";
        char kopf[400];
        const char* name = Team_String(TEAM_NAME, eigen, nullptr, 0);
        std::snprintf(kopf, sizeof kopf, "Ihr Team, %s (unten) hat ein %s^lLiga / Stärke der eingesetzten Spieler:^l",
                      name ? name : "", heim);
        t = kopf + liga_text(eigen);
        name = Team_String(TEAM_NAME, gegner, nullptr, 0);
        std::snprintf(kopf, sizeof kopf, "^lIhr Gegner, %s (oben) hat ein %s^lLiga / Stärke der eingesetzten Spieler:^l",
                      name ? name : "", gast);
        t += kopf + liga_text(gegner);
    }
    return t + Spieler_Einsetzen_Echte_Warnung();
}
