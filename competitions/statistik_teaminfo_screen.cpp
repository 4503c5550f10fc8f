// The team information screen: the frame with crest, manager, competition and the 14 page
// buttons, the options list, and one drawn pane per page. Every change rebuilds the page.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "competitions/spiele_statistik.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik_anzeige.h"
#include "competitions/statistik_archiv.h"
#include "competitions/statistik_teaminfo.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "graphics/font.h"
#include "platform/string_util.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "platform/resfile.h"
#include "toolkit/slave.h"
#include "graphics/grafik_zeichnen.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_vereinsauswahl.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/menueleiste.h"
#include "toolkit/screen.h"

namespace {

constexpr int32_t SX = 100, SY = 118, SW = 430, SH = 352;  // the page's pane

std::vector<Menue_Icon> rahmen, seite;

const char* const SEITEN_TEXTE[TI_SEITEN] = {"Fakten",   "Spiele",   "Historie",  "Vergleich", "Kader",
                                             "Tabelle",  "Tore",     "Chancen",   "Gegentore", "Geg.Chancen",
                                             "Zweikampf", "Fouls",   "Torjäger",  "Karten"};

uint16_t farbe(uint32_t r, uint32_t g, uint32_t b) { return Grafik_Farbe(r, g, b); }
uint16_t weiss() { return farbe(15, 15, 15); }
uint16_t grau() { return farbe(10, 10, 11); }
bool an(int32_t icon) { return Manager_Icon_Button_Lesen(Aktuelles_Team, icon) != 0; }

void text(int32_t x, int32_t y, uint16_t f, const std::string& s, int32_t font = 4)
{
    if (Grafik_Render_Ziel) Grafik_Printf(Grafik_Render_Ziel, Font(font), "^c%05d%s", x, y + 10, int(f), s.c_str());
}
// Right-aligned at x.
// y is the text's top; the printer takes the baseline.
void text_r(int32_t x, int32_t y, uint16_t f, const std::string& s, int32_t font = 4)
{
    if (Grafik_Render_Ziel) Grafik_Printf(Grafik_Render_Ziel, Font(font), "^c%05d^tr%04d%s", 0, y + 10, int(f), x, s.c_str());
}

std::string name(int32_t team, int32_t form = TEAM_NAME)
{
    const char* n = team >= 0 && team < Team_Anzahl ? Team_String(form, team, nullptr, 0) : nullptr;
    return n ? n : "";
}
std::string spieler_name(int32_t p)
{
    const char* n = p >= 0 && p < Spieler_Anzahl ? Spieler_String(SP_NAME_LAND, p, nullptr, 0) : nullptr;
    return n ? n : "";
}

void trenner(int32_t x, int32_t y, int32_t w)
{
    if (Grafik_Render_Ziel) Grafik_Linie(Grafik_Render_Ziel, x + 10, y, x + w - 10, y, farbe(5, 6, 10));
}

// The competition the pages count: the option's, else the shown club's.
int32_t seiten_wettbewerb()
{
    const int32_t w = Statistik_Teaminfo_Wettbewerb_Option();
    return w >= 0 ? w : Wettbewerb_Get_Team_Wettbewerb(Statistik_Teaminfo_Get_Team(), 0);
}

// ---- frame -----------------------------------------------------------------------------------

int32_t rahmen_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    // Without its picture from the screen file the frame is two plain fields.
    if (!Menue_Screen_Icon_Bitmap(icon)) {
        Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x, icon->y, icon->breite, icon->hoehe, farbe(1, 2, 5));
        Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, SX, SY, SW, SH, farbe(2, 3, 7));
    }
    char t[160];
    std::snprintf(t, sizeof t, "Informationen %s", name(Statistik_Teaminfo_Get_Team()).c_str());
    text(icon->x + 200, icon->y + 6, weiss(), t, 9);
    return 0;
}

int32_t manager_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    const int32_t team = icon->kennung_1;
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x, icon->y, icon->breite, icon->hoehe, farbe(3, 4, 8));
    text(icon->x + 4, icon->y + 4, grau(), "Manager:", 3);
    const std::string m = Team_Hat_Manager(team) ? name(team, TEAM_MANAGER_NAME) : "Computer";
    text(icon->x + 4, icon->y + 18, weiss(), m, 3);
    return 0;
}

int32_t wettbewerb_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    const int32_t team = Statistik_Teaminfo_Get_Team();
    const Wettbewerb_Id w = seiten_wettbewerb();
    const int32_t platz = Statistik_Teaminfo_Platz(team, w);
    char t[160];
    if (platz >= 0) std::snprintf(t, sizeof t, "%d. Platz, %s", platz + 1, Wettbewerb_Get_Anzeigename(w));
    else std::snprintf(t, sizeof t, "%s", w >= 0 ? Wettbewerb_Get_Anzeigename(w) : "");
    text(icon->x, icon->y + 2, weiss(), t);
    return 0;
}

int32_t moeglich_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    const int32_t team = Statistik_Teaminfo_Get_Team();
    const Wettbewerb_Id w = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    int32_t beste = -1, schlechteste = -1;
    if (w < 0 || Wettbewerb_Erreichbare_Plaetze(w, team, &beste, &schlechteste) < 0 || beste < 1) return 0;
    char t[80];
    std::snprintf(t, sizeof t, "Noch möglich: Platz %d bis %d", beste, schlechteste);
    // a pixel higher than the line above: the descenders end inside the 14 pixels
    text(icon->x, icon->y + 1, grau(), t, 3);
    return 0;
}

int32_t prognose_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    const int32_t team = Statistik_Teaminfo_Get_Team();
    const Wettbewerb_Id w = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    static Tabelle_Datensatz t;
    if (!info || (info->modus & KO_SYSTEM) || !Wettbewerb_Tabelle_Vorbereiten(w, &t)) return 0;
    Spiele_Tabelle_Berechnen(w, info->spiele_block, 0, info->saison_spieltage, (info->modus & ENGLISCHE_TABELLE) ? 1 : 0,
                             TAB_NORMAL, &t, 0, 0, -1, -1, 1, 0, -1);
    for (int32_t p = 0; p < t.anzahl && p < TABELLE_MAX_TEAMS; ++p)
        if (t.platz[p] >= 0 && t.platz[p] < TABELLE_MAX_TEAMS && t.team[t.platz[p]] == team) {
            char s[64];
            std::snprintf(s, sizeof s, "Prognose: %d. Platz", p + 1);
            text(icon->x, icon->y + 1, grau(), s, 3);
        }
    return 0;
}

int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    const int32_t n = icon->nummer;
    const char* t = n >= TI_ERSTE_SEITE && n <= TI_LETZTE_SEITE ? SEITEN_TEXTE[n - TI_ERSTE_SEITE]
                    : n == TI_NUR_HEIM                         ? "Nur Heim"
                    : n == TI_NUR_AUSWAERTS                    ? "Nur Auswärts"
                    : n == TI_LIGA                             ? "Wettbewerb"
                    : n == TI_ZURUECK                          ? "<"
                    : n == TI_VOR                              ? ">"
                                                               : "Fertig";
    const bool ein = an(n) && n != TI_ZURUECK && n != TI_VOR && n != TI_FERTIG;
    // Over the face from the screen file a yellow frame marks the button that is on.
    if (Menue_Screen_Icon_Bitmap(icon)) {
        if (ein)
            for (auto [x, y, w, h] : {std::tuple{0, 0, int32_t(icon->breite), 2}, std::tuple{0, icon->hoehe - 2, int32_t(icon->breite), 2},
                                      std::tuple{0, 0, 2, int32_t(icon->hoehe)}, std::tuple{icon->breite - 2, 0, 2, int32_t(icon->hoehe)}})
                Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x + x, icon->y + y, w, h, farbe(15, 14, 4));
        return 0;
    }
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x, icon->y, icon->breite, icon->hoehe, ein ? farbe(4, 6, 12) : farbe(2, 2, 5));
    text(icon->x + 4, icon->y + 4, ein ? farbe(15, 15, 6) : farbe(14, 14, 14), t);
    return 0;
}

int32_t knopf_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    switch (icon->nummer) {
    case TI_ZURUECK: Statistik_Teaminfo_Blaettern(-1); break;
    case TI_VOR: Statistik_Teaminfo_Blaettern(1); break;
    case TI_FERTIG:
        Statistik_Teaminfo_Listen_Entfernen();
        Menue_Icon_Liste_Entfernen(rahmen.data(), 16);
        rahmen.clear();
        // Back to the player page the screen came from, else to the league screen it was
        // opened over.
        if (Spieler_Detailseite_Ist_Offen()) Spieler_Detailseite_Oeffnen(Aktuelles_Team, -1, -1, true);
        else if (Manager_Icon_Button_Lesen(Aktuelles_Team, 706)) Menue_Leiste_Untermenue_Klick(nullptr, UNTERMENUE_WIEDERHERSTELLEN);
        Menue_Bereich_Refresh(20, 0, 45, 640, 480);
        break;
    default: Statistik_Teaminfo_Schalten(icon->nummer); break;
    }
    return 0;
}

// Crest menus: the frame crest replaces the shown club, the comparison crests one side.
uint8_t verein_gewaehlt(int32_t, int32_t wert_c, int32_t team, int32_t)
{
    if (team < 0 || team >= Team_Anzahl) return 1;
    if (wert_c == TI_WAPPEN) {
        Statistik_Teaminfo_Vor_Spiel(team);
    } else {
        Statistik_Teaminfo_Vergleich_Setzen(wert_c == 1153 ? team : -1, wert_c == 1154 ? team : -1);
        Statistik_Teaminfo_Seite_Aufbauen();
    }
    return 1;
}

Menue_Kontextmenue* wappen_menue(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    const int32_t welches = icon->nummer == 1155 ? 1153 : icon->nummer == 1156 ? 1154 : icon->nummer;
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Teamvergleich", welches, POPUP_WAEHLBAR, verein_gewaehlt);
    static char momentan[96];
    std::snprintf(momentan, sizeof momentan, "Momentan: %s", name(icon->kennung_1).c_str());
    k->texte[0] = momentan;
    k->status[0] = POPUP_TRENNER;
    Spieler_Einsetzen_Vereinsauswahl_Setzen(icon->kennung_1, false);
    Spieler_Einsetzen_Vereinsauswahl_Menue(k, 1, verein_gewaehlt, true, welches);
    return k;
}

uint8_t liga_gewaehlt(int32_t, int32_t, int32_t w, int32_t)
{
    Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, TI_LIGA, uint16_t(int16_t(w)));
    Manager_Icon_Button_An_Aus(Aktuelles_Team, TI_LIGA, 1);
    Statistik_Teaminfo_Seite_Aufbauen();
    return 1;
}

Menue_Kontextmenue* liga_menue(Menue_Icon*)
{
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Liga auswählen:", -1, POPUP_WAEHLBAR | POPUP_RADIO, liga_gewaehlt);
    int32_t ids[WETTBEWERB_ANZAHL];
    const int32_t n = std::clamp(Wettbewerb_Get_Land_Wettbewerbe(-1, ids), 0, WETTBEWERB_ANZAHL);
    const int32_t aktuell = int16_t(Manager_Icon_Word_Data_Lesen(Aktuelles_Team, TI_LIGA));
    int32_t z = 0;
    for (int32_t i = 0; i < n && z < MENUE_KONTEXT_EINTRAEGE; ++i) {
        if (Wettbewerb_Get_Oberwettbewerb(ids[i]) != ids[i]) continue;
        static char namen[MENUE_KONTEXT_EINTRAEGE][64];
        std::snprintf(namen[z], sizeof namen[z], "%s", Wettbewerb_Get_Anzeigename(ids[i]));
        k->texte[z] = namen[z];
        k->wert_a[z] = ids[i];
        if (ids[i] == aktuell) k->status[z] |= POPUP_GEWAEHLT;
        ++z;
    }
    return k;
}

// ---- pages -----------------------------------------------------------------------------------

// A sentence wider than the pane goes on in indented lines (continuations start with a blank).
std::vector<std::string> umbrechen(const char* satz, int32_t breite, int32_t font)
{
    std::vector<std::string> aus;
    std::string zeile, rest = satz;
    while (!rest.empty()) {
        const size_t ende = rest.find(' ', 1);
        std::string wort = rest.substr(0, ende);
        rest = ende == std::string::npos ? "" : rest.substr(ende);
        if (!zeile.empty() && Font_Text_Breite(Font(font), (zeile + wort).c_str()) > breite) {
            aus.push_back(zeile);
            zeile = "  ";
            while (!wort.empty() && wort[0] == ' ') wort.erase(0, 1);
        }
        zeile += wort;
    }
    if (!zeile.empty()) aus.push_back(zeile);
    return aus;
}

int32_t fakten_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    static char saetze[20][256];
    const int32_t m = Statistik_Teaminfo_Fakten(saetze, 20);
    if (!m) {
        text(icon->x + 10, icon->y + icon->hoehe / 2, weiss(), "Keine bemerkenswerte Serie vorhanden");
        return 0;
    }
    const int32_t font = m > 7 ? 3 : 4;
    std::vector<std::string> zeilen;
    for (int32_t i = 0; i < m; ++i)
        for (std::string& z : umbrechen(saetze[i], icon->breite - 20, font)) zeilen.push_back(std::move(z));
    const int32_t n = int32_t(zeilen.size());
    // Many lines share the pane's height.
    const int32_t hoehe = n > 7 ? std::clamp(icon->hoehe / n, 15, 24) : 24;
    int32_t y = icon->y + std::max((icon->hoehe - n * hoehe) / 2, 0);
    for (int32_t i = 0; i < n && y + hoehe <= icon->y + icon->hoehe + 4; ++i, y += hoehe) {
        text(icon->x + 10, y, weiss(), zeilen[size_t(i)], font);
        // Continuation lines (starting with a blank) stay with their sentence.
        if (i + 1 < n && zeilen[size_t(i + 1)][0] != ' ') trenner(icon->x, y + std::max(hoehe - 6, 13), icon->breite);
    }
    return 0;
}

int32_t spiele_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    int32_t gegner[10], tage[10], ws[10], seiten[10];
    const int32_t n = std::clamp(Statistik_Team_Spiele_Im_Jahr(Statistik_Teaminfo_Get_Team(), Statistik_Teaminfo_Wettbewerb_Option(),
                                                               gegner, tage, ws, seiten, 10, Statistik_Teaminfo_Seiten_Option()),
                                 0, 10);
    // A date with a two-digit day and month ("16.10.1999") is wider than 55 pixels in our font:
    // the dates end at 66, the opponents (cut before the venue) follow.
    constexpr int32_t DATUM = 66, GEGNER = 72, SEITE = 226, WETTBEWERB = 320;
    const int32_t x = icon->x, y0 = icon->y + 8;
    text_r(x + DATUM, y0, weiss(), "Datum");
    text(x + GEGNER, y0, weiss(), "Gegner");
    text(x + SEITE, y0, weiss(), "Heim/Ausw.");
    text(x + WETTBEWERB, y0, weiss(), "Wettbewerb");
    for (int32_t i = 0; i < n; ++i) {
        const int32_t y = y0 + 30 + i * 24;
        text_r(x + DATUM, y, grau(), Kalender_Get_Datum_String_Knapp(tage[i], 0));
        // the manager's own club among the opponents keeps the codes that end its marking
        const std::string g = Ligen_Tabelle_Namen_Kuerzen_Pixel(name(gegner[i], TEAM_NAME_WAPPEN), 4, SEITE - GEGNER - 6);
        text(x + GEGNER, y, weiss(), g);
        text(x + SEITE, y, grau(), seiten[i] == 0 ? "(heim)" : "(auswärts)");
        text(x + WETTBEWERB, y, grau(), Wettbewerb_Get_Anzeigename(ws[i]));
        trenner(x, y + 16, icon->breite);
    }
    if (!n) text(x + GEGNER, y0 + 30, grau(), "Keine Spiele mehr in dieser Saison");
    return 0;
}

int32_t historie_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    const int32_t team = Statistik_Teaminfo_Get_Team(), x = icon->x, y0 = icon->y + 4;
    // The condensed font: the columns' headings ran into each other in the standard one.
    constexpr int32_t F = MENUE_SCHMAL_FONT;
    auto gekuerzt = [](const std::string& t, int32_t breite) {
        char k[160];
        std::snprintf(k, sizeof k, "%s", t.c_str());
        String_Kuerzen_Pixel(k, nullptr, F, breite);
        return std::string(k);
    };
    text(x + 4, y0, weiss(), "Die Platzierungen in den letzten Jahren:");
    Teaminfo_Platzierung p[20];
    const int32_t n = Statistik_Teaminfo_Platzierungen(team, p, 20);
    for (int32_t sp = 0; sp < 2; ++sp) {
        const int32_t dx = sp * 215;
        text_r(x + dx + 33, y0 + 16, grau(), "Jahr", F);
        text(x + dx + 37, y0 + 16, grau(), "Wettbewerb", F);
        text(x + dx + 109, y0 + 16, grau(), "Platz", F);
        text_r(x + dx + 178, y0 + 16, grau(), "Punkte", F);
        text_r(x + dx + 210, y0 + 16, grau(), "Tore", F);
    }
    for (int32_t i = 0; i < n; ++i) {
        const int32_t dx = p[i].spalte * 215, y = y0 + 28 + p[i].zeile * 12;
        char s[32];
        std::snprintf(s, sizeof s, "%d", p[i].jahr);
        text_r(x + dx + 33, y, weiss(), s, F);
        text(x + dx + 37, y, weiss(), gekuerzt(Wettbewerb_Get_Anzeigename(p[i].wettbewerb), 109 - 37 - 3), F);
        std::snprintf(s, sizeof s, "%d.", p[i].platz + 1);
        text(x + dx + 112, y, weiss(), s, F);
        if (p[i].minuspunkte == -1) std::snprintf(s, sizeof s, "%3d", p[i].punkte);
        else std::snprintf(s, sizeof s, "%2d:%2d", p[i].punkte, p[i].minuspunkte);
        text_r(x + dx + 178, y, weiss(), s, F);
        std::snprintf(s, sizeof s, "%2d:%2d", p[i].tore, p[i].gegentore);
        text_r(x + dx + 210, y, weiss(), s, F);
    }
    const int32_t y1 = y0 + 160;
    text(x + 4, y1, weiss(), "Die bisherigen Erfolge:");
    text_r(x + 33, y1 + 16, grau(), "Jahr", F);
    text(x + 37, y1 + 16, grau(), "Wettbewerb", F);
    text(x + 180, y1 + 16, grau(), "Gegner", F);
    text(x + 360, y1 + 16, grau(), "Erg.", F);
    int32_t ws[18], jahre[18], a[18], b[18], c[18];
    const int32_t m = std::clamp(Statistik_Titel_Suchen(team, -1, ws, jahre, a, b, c, 18), 0, 18);
    for (int32_t i = 0; i < m; ++i) {
        const int32_t y = y1 + 28 + i * 12;
        char s[48];
        std::snprintf(s, sizeof s, "%d", jahre[i]);
        text_r(x + 33, y, weiss(), s, F);
        text(x + 37, y, weiss(), gekuerzt(Wettbewerb_Get_Anzeigename(ws[i]), 180 - 37 - 4), F);
        if (a[i] >= 0 && a[i] < Team_Anzahl) {
            text(x + 180, y, weiss(), gekuerzt(name(a[i]), 360 - 180 - 4), F);
            std::snprintf(s, sizeof s, "%d:%d", b[i], c[i]);
        } else {
            std::snprintf(s, sizeof s, "  ----");
        }
        text(x + 360, y, weiss(), s, F);
    }
    return 0;
}

int32_t balken_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    int32_t heim = -1, gast = -1;
    Statistik_Teaminfo_Vergleich_Teams(&heim, &gast);
    if (gast < 0) return 0;
    int32_t gesamt = 50, werte[3] = {50, 50, 50};
    Team_Vergleiche_Abw_Mit_Stu(heim, gast, &gesamt, &werte[0], &werte[1], &werte[2], -1, -1);
    const int32_t k = icon->nummer - 1145;
    const int32_t pos = Statistik_Teaminfo_Balken(werte[k]);
    static const char* const TEILE[3] = {"Abwehr", "Mittelfeld", "Angriff"};
    text(icon->x, icon->y, grau(), TEILE[k], 3);
    const int32_t bx = icon->x + 80, bw = icon->breite - 90, by = icon->y + 2;
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, bx, by, bw, 8, farbe(4, 4, 6));
    const int32_t mitte = bx + bw / 2, ziel = bx + pos * bw / 20;
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, std::min(mitte, ziel), by, std::abs(ziel - mitte) + 1, 8,
                            ziel >= mitte ? farbe(4, 12, 4) : farbe(13, 4, 4));
    Grafik_Linie(Grafik_Render_Ziel, mitte, by - 2, mitte, by + 9, weiss());
    return 0;
}

int32_t vergleich_text_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    int32_t heim = -1, gast = -1;
    Statistik_Teaminfo_Vergleich_Teams(&heim, &gast);
    if (icon->nummer == 1155 || icon->nummer == 1156) {
        text(icon->x, icon->y, weiss(), name(icon->kennung_1));
        return 0;
    }
    if (gast < 0) {
        text(icon->x, icon->y, grau(), "Kein Spiel am heutigen Spieltag");
        return 0;
    }
    int32_t s = 0, u = 0, l = 0;
    char letzte[160], t[256];
    Statistik_Teaminfo_Bilanz(heim, gast, Statistik_Teaminfo_Wettbewerb_Option(), &s, &u, &l, letzte, sizeof letzte);
    Statistik_Teaminfo_Bilanz_Text(t, sizeof t, s, u, l);
    text(icon->x, icon->y, weiss(), t);
    std::snprintf(t, sizeof t, "Letzte Ergebnisse: %s", letzte[0] ? letzte : "noch keine");
    text(icon->x, icon->y + 18, weiss(), t);
    return 0;
}

int32_t kader_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    const int32_t team = Statistik_Teaminfo_Get_Team(), x = icon->x;
    int32_t y = icon->y + 6;
    char s[128];
    auto kopf = [&](const char* t) { text(x + 10, y, weiss(), t), y += 16; };
    auto zeile = [&](const char* l, const std::string& v) {
        text(x + 50, y, grau(), l);
        text_r(x + 383, y, weiss(), v);
        y += 14;
    };
    std::snprintf(s, sizeof s, "%d", Statistik_Team_Spieleranzahl(team));
    text(x + 10, y, weiss(), "Spieler unter Vertrag:");
    text_r(x + 383, y, weiss(), s);
    y += 22;
    int32_t hoechster = -1, hoechst = 0, niedrigster = -1, niedrigst = 0, summe = 0;
    const float gehalt = Statistik_Team_Gehalt(team, &hoechster, &hoechst, &niedrigster, &niedrigst, &summe);
    const auto betrag = [team](double v) { return std::string(Bank_Betrag_String(float(v), team, -1, 0)); };
    kopf("Gezahlte Gehälter/Monat:");
    zeile("Gesamt:", betrag(summe));
    zeile("Durchschnitt pro Spieler:", betrag(gehalt));
    zeile("Höchstes Gehalt:", betrag(hoechst) + " (" + spieler_name(hoechster) + ")");
    zeile("Geringstes Gehalt:", betrag(niedrigst) + " (" + spieler_name(niedrigster) + ")");
    y += 8;
    // Mean, largest and smallest of a squad figure, each with the player it belongs to.
    auto block = [&](const char* titel, float mittel, const char* einheit, const char* gross, int32_t sp_g, int32_t w_g,
                     const char* klein, int32_t sp_k, int32_t w_k, bool monate) {
        kopf(titel);
        std::snprintf(s, sizeof s, "%.1f %s", double(mittel), einheit);
        zeile("Durchschnitt pro Spieler:", s);
        std::snprintf(s, sizeof s, "%s (%d %s)", spieler_name(sp_g).c_str(), w_g, monate && w_g == 1 ? "Monat" : einheit);
        zeile(gross, s);
        std::snprintf(s, sizeof s, "%s (%d %s)", spieler_name(sp_k).c_str(), w_k, monate && w_k == 1 ? "Monat" : einheit);
        zeile(klein, s);
        y += 8;
    };
    int32_t aeltester = -1, alt = 0, juengster = -1, jung = 0;
    const float alter = Statistik_Team_Alter(team, &aeltester, &alt, &juengster, &jung);
    block("Alter der Spieler:", alter, "Jahre", "Ältester Spieler:", aeltester, alt, "Jüngster Spieler:", juengster, jung,
          false);
    int32_t laengster = -1, lang = 0, kuerzester = -1, kurz = 0;
    const float dauer = Statistik_Team_Vertragsdauer(team, &laengster, &lang, &kuerzester, &kurz);
    block("Vertragsdauer der Spieler in Monaten:", dauer, "Monate", "Längster Vertrag:", laengster, lang,
          "Kürzester Vertrag:", kuerzester, kurz, true);
    return 0;
}

// A line graph of the values with a label at each point.
void graph(Menue_Icon* icon, const int32_t* werte, int32_t n, int32_t sx, int32_t sy, int32_t minimum, bool plaetze)
{
    if (!Grafik_Render_Ziel || n <= 0) return;
    std::vector<int32_t> x(static_cast<size_t>(n)), y(static_cast<size_t>(n));
    const int32_t links = icon->x + 10, oben = icon->y + 30, rechts = icon->x + icon->breite - 20, unten = icon->y + icon->hoehe - 40;
    if (!Statistik_Graph_Punkte(werte, n, x.data(), y.data(), links, oben, rechts, unten, sx, sy, minimum, -1, plaetze ? 0 : 1))
        return;
    Grafik_Linie(Grafik_Render_Ziel, links, unten + 4, rechts, unten + 4, grau());
    for (int32_t i = 1; i < n; ++i)
        Grafik_Linie(Grafik_Render_Ziel, x[size_t(i - 1)], y[size_t(i - 1)], x[size_t(i)], y[size_t(i)], farbe(15, 13, 4));
    // the points and their values over the whole line: the next stretch of it ran through a value
    for (int32_t i = 0; i < n; ++i) {
        Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, x[size_t(i)] - 2, y[size_t(i)] - 2, 5, 5, weiss());
        char s[16];
        std::snprintf(s, sizeof s, plaetze ? "%d." : "%d", werte[i]);
        if (!plaetze || n <= 18 || i % 2 == 0) text(x[size_t(i)] - 4, y[size_t(i)] - 14, weiss(), s, 3);
    }
}

int32_t plaetze_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    text(icon->x + 150, icon->y + 4, weiss(), "^ubTabellenplätze^ue");
    const int32_t team = Statistik_Teaminfo_Get_Team();
    const Wettbewerb_Id w = seiten_wettbewerb();
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    if (!info || (info->modus & KO_SYSTEM) || !Wettbewerb_Team_In_Liste(w, team)) return 0;
    std::vector<int32_t> p;
    Ligen_Tabelle_Grafik_Daten(w, team, &p);
    std::vector<int32_t> werte;
    for (int32_t v : p)
        if (v >= 0 && werte.size() < 92) werte.push_back(v + 1);
    if (werte.empty()) {
        text(icon->x + 10, icon->y + 40, grau(), "Noch kein Spieltag gespielt");
        return 0;
    }
    graph(icon, werte.data(), int32_t(werte.size()), 100, 12, 0, true);
    return 0;
}

int32_t minuten_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    static const char* const TITEL[4] = {"Tore pro Spiel (nur Liga)", "Chancen pro Spiel (nur Liga)",
                                         "Gegentore pro Spiel (nur Liga)", "Chancen des Gegners pro Spiel (nur Liga)"};
    const int32_t k = icon->nummer - 1189;
    text(icon->x + 110, icon->y + 4, weiss(), std::string("^ub") + TITEL[k] + "^ue");
    static Spiele_Team_Statistik st;
    Spiele_Team_Statistik_Berechnen(Statistik_Teaminfo_Get_Team(), Statistik_Teaminfo_Wettbewerb_Option(), -1, -1, -1,
                                    Statistik_Teaminfo_Seiten_Option(), &st, -1);
    const int32_t* quelle[4] = {st.tore_minute, st.chancen_minute, st.gegentore_minute, st.gegenchancen_minute};
    int32_t summen[6];
    Statistik_Teaminfo_Minuten_Summen(quelle[k], summen);
    graph(icon, summen, 6, 80, 10, -1, false);
    return 0;
}

int32_t achse_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    // The graph's step: the pane's width over six, at most 80 pixels, grown as the points are.
    int32_t x[6], y[6];
    const int32_t werte[6] = {0, 0, 0, 0, 0, 0};
    Statistik_Graph_Punkte(werte, 6, x, y, SX + 10, 0, SX + SW - 20, 10, 80, 10, -1, -1, 1);
    for (int32_t b = 0; b < 6; ++b) {
        char s[16];
        std::snprintf(s, sizeof s, "%d.-%d.", b * 15 + 1, b * 15 + 15);
        // centred under its point, the first one kept off the pane's edge
        text(std::max<int32_t>(icon->x + 3, x[b] - Font_Text_Breite(Font(3), s) / 2), icon->y, grau(), s, 3);
    }
    return 0;
}

int32_t liste_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    const int32_t seite = icon->nummer - 1193 + 1176, team = Statistik_Teaminfo_Get_Team();
    struct Spalten {
        const char* kopf[5];
        int32_t kx[5], wx[4], werte;
    };
    static const Spalten SP[4] = {
        {{"Spielername", "Zweikämpfe", "Gewonnen", nullptr, nullptr}, {50, 280, 350, 0, 0}, {313, 390, 0, 0}, 2},
        {{"Spielername", "Fouls", nullptr, nullptr, nullptr}, {50, 325, 0, 0, 0}, {340, 0, 0, 0}, 1},
        {{"Spielername", "Tore", "Vorlagen", "Scores", nullptr}, {50, 265, 315, 380, 0}, {280, 340, 400, 0}, 3},
        {{"Spielername", "Gelb", "Gelb-Rot", "Rot", "Gesamt"}, {50, 205, 255, 328, 377}, {220, 280, 340, 400}, 4},
    };
    const Spalten& s = SP[seite - 1176];
    // A heading that would run into the next one ("Zweikämpfe" into "Gewonnen") takes the
    // condensed font.
    for (int32_t k = 0; k < 5 && s.kopf[k]; ++k) {
        const int32_t bis = k + 1 < 5 && s.kopf[k + 1] ? s.kx[k + 1] - 4 : icon->breite - 2;
        text(icon->x + s.kx[k], icon->y + 4, weiss(), std::string("^ub") + s.kopf[k] + "^ue",
             Menue_Font_Passend(3, s.kopf[k], bis - s.kx[k]));
    }
    Teaminfo_Spielerzeile z[50];
    const int32_t n = Statistik_Teaminfo_Spielerliste(seite, team, z, 50);
    int32_t y = icon->y + 22;
    for (int32_t i = 0; i < n && y + 22 <= icon->y + icon->hoehe; ++i, y += 24) {
        const int32_t p = z[i].spieler;
        Spieler_Gesicht_Bauen_Skaliert(Grafik_Render_Ziel, icon->x + 4, y, p, uint32_t(Spieler_Wert(SP_GESICHT, p, 0, 0)),
                                       nullptr, 20, 22);
        text(icon->x + 45, y + 6, weiss(), spieler_name(p));
        for (int32_t k = 0; k < s.werte; ++k) {
            char t[24];
            std::snprintf(t, sizeof t, seite == 1176 && k == 1 ? "%d %%" : "%d", z[i].wert[k]);
            text_r(icon->x + s.wx[k], y + 6, weiss(), t);
        }
    }
    if (!n) text(icon->x + 50, y + 6, grau(), "Keine Spieler");
    return 0;
}

Menue_Icon pane(int16_t nr, int32_t x, int32_t y, int32_t w, int32_t h, Menue_Refresh_Prozedur r)
{
    Menue_Icon i = Menue_Icon_Vorlage(nr, -1, ICON_NICHT_TREFFEN, int16_t(x), int16_t(y), uint16_t(w), uint16_t(h), 13, 255);
    i.refresh_prozedur = r;
    i.status = ICON_SPAETER_REFRESH;
    return i;
}

Menue_Icon knopf(int16_t nr, int32_t x, int32_t y, int32_t w, int32_t h, const char* hilfe)
{
    const int32_t quelle = Statistik_Teaminfo_Knopf_Suchen(nr) ? int32_t(MENUE_RESSOURCE_CODE + nr) : -1;
    Menue_Icon i = Menue_Icon_Vorlage(nr, quelle, 0, int16_t(x), int16_t(y), uint16_t(w), uint16_t(h), 14, 255);
    i.refresh_prozedur = knopf_zeichnen;
    i.klick = knopf_klick;
    i.hilfetext = hilfe;
    i.status = ICON_SPAETER_REFRESH;
    return i;
}

int32_t wappen_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    const int32_t resfile = ResFile_Handles[0].handle;
    if (!icon || !ziel || resfile < 0 || icon->kennung_1 < 0) return 0;
    if (Rastport* b = Grafik_Wappen_Laden(resfile, nullptr, int32_t(ziel->depth), icon->kennung_1, 0, 0, 1, icon->breite - 3,
                                          icon->hoehe - 3)) {
        Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), ziel, icon->x + 1, icon->y + 1);
        Grafik_Bitmap_Freigeben(b);
    }
    return 0;
}

Menue_Icon wappen(int16_t nr, int32_t x, int32_t y, int32_t g, int32_t team)
{
    Menue_Icon i = Menue_Icon_Vorlage(nr, -1, 0, int16_t(x), int16_t(y), uint16_t(g), uint16_t(g), 14, 255);
    i.refresh_prozedur = wappen_zeichnen;
    i.kontext = wappen_menue;
    i.kennung_1 = int16_t(team);
    i.status = ICON_SPAETER_REFRESH;
    return i;
}

void rahmen_bauen(int32_t team)
{
    for (Menue_Icon& i : rahmen)
        if (i.nummer != -1) Menue_Screen_Icon_Loeschen(-1, &i, 0);
    rahmen.clear();
    // The toolkit keeps pointers to the records: one buffer for the program's life.
    rahmen.reserve(48);
    rahmen.push_back(pane(TI_RAHMEN, 0, 45, TI_RAHMEN_BREITE, TI_RAHMEN_HOEHE, rahmen_zeichnen));
    rahmen.back().bitmap_quelle = int32_t(MENUE_RESSOURCE_CODE + TI_RAHMEN);
    rahmen.back().prioritaet = 12;
    Menue_Icon w = wappen(TI_WAPPEN, 14, 52, 62, team);
    w.hilfetext = "Das Wappen in seiner vollen Pracht";
    w.mausover = Team_Infotext_Erzeugen;
    rahmen.push_back(w);
    Menue_Icon m = pane(TI_MANAGER, 8, 118, 86, 34, manager_zeichnen);
    m.flags = 0, m.kennung_1 = int16_t(team), m.hilfetext = "Der Manager des Teams";
    rahmen.push_back(m);
    Menue_Icon c = pane(TI_WETTBEWERB, SX, 76, 330, 16, wettbewerb_zeichnen);
    c.flags = 0, c.hilfetext = "Ausgewählter Wettbewerb";
    rahmen.push_back(c);
    // "Noch möglich: Platz 10 bis 18" and "Prognose: 12. Platz" side by side under the competition,
    // the forecast's two-digit place inside its field too
    Menue_Icon e = pane(TI_MOEGLICH, SX, 94, 200, 14, moeglich_zeichnen);
    e.flags = 0, e.hilfetext = "Was kann das Team in dieser Saison theoretisch noch erreichen";
    rahmen.push_back(e);
    Menue_Icon p = pane(TI_PROGNOSE, SX + 205, 94, 130, 14, prognose_zeichnen);
    p.flags = 0;
    p.hilfetext = "Aufgrund hochkomplexer quantenphysikalischer Berechnungen^lkommt man zu dieser Tabellenplatz-Prognose";
    rahmen.push_back(p);
    for (int32_t k = 0; k < TI_SEITEN; ++k)
        rahmen.push_back(knopf(int16_t(TI_ERSTE_SEITE + k), 8, 160 + k * 22, 86, 20, SEITEN_TEXTE[k]));
    rahmen.push_back(knopf(TI_ZURUECK, 540, 52, 40, 24, "Hier schalten Sie die Teaminformationen um ein Team zurück"));
    rahmen.push_back(knopf(TI_VOR, 588, 52, 40, 24, "Hier schalten Sie die Teaminformationen um ein Team vor"));
    rahmen.push_back(knopf(TI_FERTIG, 540, 446, 88, 24, "Ich habe fertig !"));
    // On screen while the screen is open, for the refresh calls of other screens.
    Menue_Icon marke = Menue_Icon_Vorlage(TI_MARKE, -1, ICON_NICHT_TREFFEN | ICON_NIE_ZEICHNEN, 0, 0, 1, 1, 12, 255);
    rahmen.push_back(marke);
    rahmen.push_back(Menue_Icon_Listenende());
}

}  // namespace

bool Statistik_Teaminfo_Ist_Offen() { return Menue_Screen_Icon_Ist_Vorhanden(TI_MARKE) != 0; }

void Statistik_Teaminfo_Listen_Entfernen()
{
    if (!seite.empty()) Menue_Icon_Liste_Entfernen(seite.data(), 16);
    seite.clear();
    seite.reserve(32);
}

void Statistik_Teaminfo_Seite_Aufbauen()
{
    const int32_t team = Statistik_Teaminfo_Get_Team();
    if (team < 0 || team >= Team_Anzahl) return;
    Statistik_Teaminfo_Listen_Entfernen();
    Ligen_Tabelle_Entfernen();
    Ligen_Teamvergleich_Entfernen();
    rahmen_bauen(team);
    const int32_t s = Statistik_Teaminfo_Seite();
    const bool optionen = s == 1166 || s == 1167 || (s >= 1171 && s <= 1175) || s >= 1177;
    switch (s) {
    case 1166: seite.push_back(pane(1164, SX, SY, SW, SH, fakten_zeichnen)); break;
    case 1167: seite.push_back(pane(1183, SX, SY, SW, SH, spiele_zeichnen)); break;
    case 1168: seite.push_back(pane(1182, SX, SY, SW, SH, historie_zeichnen)); break;
    case 1169: {
        int32_t heim = -1, gast = -1;
        Statistik_Teaminfo_Vergleich_Teams(&heim, &gast);
        seite.push_back(wappen(1153, SX + 40, SY + 20, 70, heim));
        Menue_Icon n1 = pane(1155, SX + 20, SY + 96, 180, 16, vergleich_text_zeichnen);
        n1.flags = 0, n1.kennung_1 = int16_t(heim), n1.kontext = wappen_menue;
        seite.push_back(n1);
        if (gast >= 0) {
            seite.push_back(wappen(1154, SX + SW - 110, SY + 20, 70, gast));
            Menue_Icon n2 = pane(1156, SX + SW - 160, SY + 96, 160, 16, vergleich_text_zeichnen);
            n2.flags = 0, n2.kennung_1 = int16_t(gast), n2.kontext = wappen_menue;
            seite.push_back(n2);
        }
        Menue_Icon m = pane(1151, SX + 170, SY + 30, 90, 34, manager_zeichnen);
        m.kennung_1 = int16_t(team);
        seite.push_back(m);
        for (int32_t k = 0; k < 3; ++k) {
            Menue_Icon b = pane(int16_t(1145 + k), SX + 40, SY + 140 + k * 24, 340, 14, balken_zeichnen);
            b.flags = 0, b.hilfetext = "Stärkeverhältnis";
            seite.push_back(b);
        }
        Menue_Icon b = pane(1152, SX + 20, SY + 230, 400, 40, vergleich_text_zeichnen);
        b.flags = 0, b.hilfetext = "Die Bilanz aus bisherigen Spielen";
        seite.push_back(b);
        break;
    }
    case 1170: seite.push_back(pane(1184, SX, SY, SW, SH, kader_zeichnen)); break;
    case 1171: seite.push_back(pane(1185, SX, SY, SW, SH, plaetze_zeichnen)); break;
    case 1176:
    case 1177:
    case 1178:
    case 1179: seite.push_back(pane(int16_t(1193 + s - 1176), SX, SY, SW, SH, liste_zeichnen)); break;
    default:
        seite.push_back(pane(int16_t(1189 + s - 1172), SX, SY, SW, SH - 30, minuten_zeichnen));
        seite.push_back(pane(1187, SX, SY + SH - 28, SW, 16, achse_zeichnen));
        break;
    }
    if (optionen) {
        seite.push_back(knopf(TI_NUR_HEIM, 540, 160, 88, 20,
                              "Wenn dieses Symbol aktiv ist, werden nur Heimspiele^l berücksichtigt"));
        seite.push_back(knopf(TI_NUR_AUSWAERTS, 540, 184, 88, 20,
                              "Wenn dieses Symbol aktiv ist, werden nur Auswärtsspiele^l berücksichtigt"));
        Menue_Icon l = knopf(TI_LIGA, 540, 208, 88, 20,
                             "Wählen Sie mit der rechten Taste den Wettbewerb für alle Statistiken aus.^lWenn das Symbol "
                             "deaktiviert ist, werden ALLE Wettbewerbe berücksichtigt.");
        l.kontext = liga_menue;
        seite.push_back(l);
    }
    seite.push_back(Menue_Icon_Listenende());
    Menue_Icon_Liste_Registrieren(rahmen.data());
    Menue_Icon_Liste_Registrieren(seite.data());
    for (Menue_Icon& i : rahmen)
        if (i.nummer != -1) Menue_Screen_Icon_Hinzufuegen(&i);
    for (Menue_Icon& i : seite)
        if (i.nummer != -1) Menue_Screen_Icon_Hinzufuegen(&i);
    Menue_Bereich_Refresh(20, 0, 45, 640, 480);
}
