// Team statistic values, the season-end push of player statistics, and the club info text.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "competitions/spiele_karten.h"
#include "competitions/spiele_statistik.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/spieler_statistik.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "platform/print.h"
#include "platform/temp.h"
#include "graphics/font.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/handle.h"
#include "toolkit/dienste.h"
#include "toolkit/icon.h"
#include "toolkit/slave.h"

namespace {

struct Team_Masken {
    int32_t anzahl;  // 0: a field mode
    uint32_t m[3];
};
constexpr Team_Masken TEAM_MASKEN[TEAM_STAT_MODI] = {
    {1, {0x1}},    {1, {0x2}},    {1, {0x4}},     {},            {1, {0x10}},   {1, {0x20}},     {1, {0x40}},
    {1, {0x84}},   {1, {0x100}},  {1, {0x204}},   {1, {0x400}},  {1, {0x800}},  {1, {0x1000}},   {1, {0x2004}},
    {1, {0x4004}}, {1, {0x8004}}, {1, {0x10000}}, {1, {0x20000}}, {1, {0x40000}},
    {2, {SPST_ZUSCHAUER, SPST_HEIMSPIELE}},       {1, {SPST_GESPIELT}}, {1, {SPST_HEIMSPIELE}},
    {1, {0x80000000u}}, {2, {0x4, 0x80000000u}}, {3, {0x40, 0x20, 0x10}},
};

constexpr int32_t MAX_SPIELER = 50;

int32_t mittel(const int32_t* sp, int32_t n, int32_t (*wert)(int32_t team, int32_t spnr), int32_t team)
{
    if (n <= 0) return 0;
    int64_t s = 0;
    for (int32_t i = 0; i < n; ++i) s += wert(team, sp[i]);
    return int32_t(s / n);
}

}  // namespace

int32_t Team_Get_Team_Statistik(int32_t modus, const int32_t* ids, int32_t anzahl, int32_t team, int32_t positionen,
                                int8_t nur_elf, int32_t von_minute, int32_t bis_minute, int32_t erster, int32_t letzter,
                                int32_t* zaehler, int32_t* masken_anzahl, int32_t* werte, int8_t zaehlen,
                                int32_t* zweiter)
{
    if (!masken_anzahl || !zweiter) {
        Print_Fehler("Team_Get_Team_Statistik: NULL-Pointer-Aufruf!");
        return 0;
    }
    if (von_minute != -1) ++von_minute;
    if (bis_minute != -1) ++bis_minute;
    *masken_anzahl = -1;
    *zweiter = -1;
    const int32_t art = modus & 0x7FFF;
    const bool gegner = modus & TEAM_STAT_GEGNER;
    if (art >= TEAM_STAT_MODI || modus < 0) {
        Print_Fehler("Team_Get_Team_Statistik: modus falsch (%d)", modus);
        return 0;
    }
    if (anzahl < 0 || (anzahl > 0 && !ids)) anzahl = 0;
    const bool team_gueltig = team >= 0 && team < Team_Anzahl;

    const Team_Masken& tm = TEAM_MASKEN[art];
    if (tm.anzahl) {
        *masken_anzahl = tm.anzahl;
        uint32_t masken[3];
        for (int32_t m = 0; m < tm.anzahl; ++m) masken[m] = tm.m[m] | (gegner ? SPST_GEGNER : 0);
        std::vector<int32_t> eigene;
        if (!zaehler) {
            // Cleared, so that a call without the count flag reads zeros.
            eigene.assign(size_t(SPIELE_STAT_MASKEN) * size_t(std::max(Team_Anzahl, 1)), 0);
            zaehler = eigene.data();
        }
        if (zaehlen)
            Spiele_Get_Statistik(0, 1, ids, anzahl, masken, tm.anzahl, erster, letzter, von_minute, bis_minute, 0,
                                 zaehler);
        if (!team_gueltig) return 0;
        int64_t c[3] = {};
        for (int32_t m = 0; m < tm.anzahl; ++m) c[m] = zaehler[size_t(m) * size_t(Team_Anzahl) + size_t(team)];
        if (werte)
            for (int32_t m = 0; m < tm.anzahl; ++m) werte[m] = int32_t(c[m]);
        int64_t v = c[0];
        if (!gegner) {
            if (art == 19) v = c[1] ? c[0] / c[1] : 0;
            else if (art == 23) v = 2 * c[0] + c[1];
            else if (art == 24) v = 3 * c[0] + 2 * c[1] + c[2];
        }
        return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    }

    if (gegner || !team_gueltig) return 0;
    const int32_t filter = (positionen & 15) + 16 * (nur_elf ? 1 : 0);
    int32_t sp[MAX_SPIELER];
    const int32_t n = std::clamp(Teamspieler_Ins_Array(team, sp, MAX_SPIELER, filter), 0, MAX_SPIELER);
    switch (art) {
    case 26: return mittel(sp, n, [](int32_t t, int32_t s) { return Teamspieler_Wert(301, t, s, 0, 0); }, team);
    case 27: return mittel(sp, n, [](int32_t, int32_t s) { return Spieler_Wert(SP_ALTER, s, 0, SP_LESEN); }, team);
    case 28:
        return mittel(sp, n, [](int32_t, int32_t s) { return Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, s, 0, SP_LESEN); },
                      team);
    case 29: return mittel(sp, n, [](int32_t t, int32_t s) { return Teamspieler_Wert(302, t, s, 0, 0); }, team);
    case 30: {
        int32_t v = 0;
        for (int32_t i = 0; i < anzahl; ++i) {
            const int32_t k5 = Spiele_Get_Wettbewerb_Ereignis(ids[i], 5, team, -1, filter, -1);
            const int32_t k6 = Spiele_Get_Wettbewerb_Ereignis(ids[i], 6, team, -1, filter, -1);
            if (k6 > 0) v = int32_t(int64_t(k5) * 10 / k6);
        }
        return v;
    }
    case 31: {
        int64_t s = 0;
        for (int32_t i = 0; i < anzahl; ++i) {
            const int32_t k = Spiele_Get_Wettbewerb_Ereignis(ids[i], 7, team, -1, filter, -1);
            if (k != -1) s += k;
        }
        return int32_t(std::clamp<int64_t>(s, INT32_MIN, INT32_MAX));
    }
    case 32: return Team_Wert(TEAM_MORAL, team, 0, 0);
    case 33: return n;
    default: return 0;
    }
}

void Team_Spieler_Statistik_Auswerten(const int32_t* teams, int32_t anzahl)
{
    if (!teams || anzahl <= 0 || Spieler_Anzahl <= 0) return;
    std::vector<int32_t> tabelle(size_t(Spieler_Anzahl), 0);
    int32_t letzte_liga = -1;
    bool neu_zaehlen = true;
    std::vector<int32_t> sp(500);
    for (int32_t i = 0; i < anzahl; ++i) {
        const int32_t team = teams[i];
        if (team < 0 || team >= Team_Anzahl) continue;
        const int32_t liga = Team_Wert(TEAM_LIGA_FEST, team, 0, 0);
        const int32_t n = std::clamp(Teamspieler_Ins_Array(team, sp.data(), 500, 0), 0, 500);
        if (liga != letzte_liga) neu_zaehlen = true;
        letzte_liga = liga;
        for (int32_t k = 0; k < n; ++k) {
            const int32_t s = sp[size_t(k)];
            if (s < 0 || s >= Spieler_Anzahl) continue;
            for (int32_t f : {SP_ZAEHLER_1, SP_ZAEHLER_2, SP_ZAEHLER_3}) Spieler_Wert(f, s, 0, SP_SCHREIBEN);
            Statistik_Spieler u;
            std::memset(&u, 0xFF, sizeof u);
            u.spieler = s;
            int32_t masken = 0, zweiter = 0;
            const int32_t v = Spieler_Get_Spieler_Statistik(0, &liga, 1, -1, s, -1, -1, -1, -1, tabelle.data(), &masken,
                                                            nullptr, neu_zaehlen, &zweiter);
            neu_zaehlen = false;
            u.saison_werte[0] = uint8_t(v);
            const bool torwart = Spieler_Wert(SP_ART, s, 0, SP_LESEN) == 0;
            u.saison_staerke[0] = uint16_t(Spieler_Wert(torwart ? SP_TORWART_STAERKE : SP_K_I_T, s, 0, SP_LESEN));
            Spiele_Set_Statistik_Spieler(s, &u, 0);
        }
    }
}

const char* Team_Infotext_Erzeugen(Menue_Icon* icon)
{
    if (!icon || icon->kennung_1 < 0) return nullptr;
    const int32_t team = icon->kennung_1;
    if (team >= Team_Anzahl) return nullptr;
    if (!Team_Ist_Normal(team, 72)) return Team_String(TEAM_NAME, team, nullptr, 0);

    char* t = Get_Temp_String();
    const int32_t liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    const int32_t platz = liga >= 0 ? Wettbewerb_Get_Tabellenplatz(liga, team, -1, -1, 31, 0) + 1 : 0;
    const char* name = Team_String(TEAM_NAME, team, nullptr, 0);
    int n;
    if (platz > 0)
        n = std::snprintf(t, TEMP_STRING_LAENGE, "°vh%04d%s, %d. Platz der %s^l", team, name ? name : "", platz,
                          Wettbewerb_Get_Anzeigename(liga, 1));
    else
        n = std::snprintf(t, TEMP_STRING_LAENGE, "°vh%04d%s^l", team, name ? name : "");
    auto anhaengen = [&](const char* format, auto... args) {
        if (n < 0 || n >= TEMP_STRING_LAENGE) return;
        n += std::snprintf(t + n, size_t(TEMP_STRING_LAENGE - n), format, args...);
    };
    anhaengen("%s", "Stärken (K,I,T,F, nur Eingesetzte):^l");
    int32_t m[5][6] = {};
    Team_Staerke(511, 6, team, m);
    anhaengen("Tor=%3d%s", m[0][4], "");
    anhaengen(",Abw=%3d%s", m[1][4], "");
    anhaengen(",Mit=%3d%s", m[2][4], "");
    anhaengen(",Stu=%3d%s", m[3][4], "");
    anhaengen(", Schnitt=%3d%s", m[4][4], "");
    return t;
}

int32_t Team_Universaler_Team_Text_Refresh(Menue_Icon* icon, uint32_t)
{
    auto* t = icon ? static_cast<Team_Icon_Text*>(icon->daten) : nullptr;
    if (!t) return 0;
    int32_t hintergrund = t->hintergrund, textfarbe = t->textfarbe;
    if (hintergrund < 0 || hintergrund >= UI_FARBEN || textfarbe < 0 || textfarbe >= UI_FARBEN) {
        Print_Fehler("Textfarbe illegal !");
        // Drawn all the same, in the first colour of the table.
        if (hintergrund < 0 || hintergrund >= UI_FARBEN) hintergrund = 0;
        if (textfarbe < 0 || textfarbe >= UI_FARBEN) textfarbe = 0;
    }
    Rastport* b = Menue_Screen_Icon_Bitmap(icon);
    if (b) Grafik_Rechteck_Fuellen(b, 0, 0, icon->breite, icon->hoehe, uint16_t(UI_Farbtabelle[hintergrund].farbe));
    if (!t->text) return 0;
    static constexpr int32_t KAMERA_FORMEN[] = {177, 178, 181, 182, 184, 185, 188, 189};
    if (*t->text && std::find(std::begin(KAMERA_FORMEN), std::end(KAMERA_FORMEN), t->form) != std::end(KAMERA_FORMEN)) {
        char* code = std::strstr(t->text, "^gnk");
        // The glyph code keeps its 14 characters, so the text is rewritten in place.
        if (!code || std::strlen(code) < 14) {
            Print_Fehler("Team_Universaler_Team_Text_Refresh: gnk not found!");
        } else {
            const int32_t team = icon->kennung_1;
            const bool kamera = team >= 0 && team < Team_Anzahl && (Team_Wert(TEAM_FLAGS, team, 0, 0) & 8);
            uint32_t bild = 0;
            if (kamera)
                if (Rastport* r = Menue_Get_Slave_Rastport(51)) bild = Handle_Registrieren(r, Handle_Art::Bild);
            char neu[15];
            std::snprintf(neu, sizeof neu, "^gnk%#010x", bild);
            std::memcpy(code, neu, 14);
        }
    }
    Font_Record* font = Font(t->font);
    if (!b || !font) return 0;
    const int32_t y = int32_t(font->ascent);
    int32_t x = 0;
    const int32_t farbe = int32_t(UI_Farbtabelle[textfarbe].farbe);
    if (t->stil & 1) Grafik_Printf(b, font, "^c%05d%s", x++, y, int32_t(UI_Farbtabelle[1].farbe), t->text);
    if (t->stil & 2) Grafik_Printf(b, font, "^c%05d%s", x++, y, farbe, t->text);
    Grafik_Printf(b, font, "^c%05d%s", x, y, farbe, t->text);
    return 1;
}
