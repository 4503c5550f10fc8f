#include "matchview/overview/uebersicht_seiten.h"

#include <cmath>
#include <cstring>

#include "database/team.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_zeichnen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/spielfeld.h"
#include "platform/temp.h"

Spielansicht_Liste_Masse Spielansicht_Liste_Masse_Berechnen(int32_t n, bool tabelle, int32_t tabellen_zeilen)
{
    Spielansicht_Liste_Masse m;
    if (tabelle) {
        m.zeile = 14;
        m.hoehe = tabellen_zeilen * 14 + 16;
    } else if (n < 16) {
        m.zeile = 24;
        m.hoehe = n * 24 + 6;
    } else if (n == 16) {
        m.zeile = 22;
        m.hoehe = 358;
        m.oben = 61;
    } else {
        m.zeile = 10;
        m.hoehe = n * 10 + 6;
    }
    if (!(n == 16 && !tabelle)) m.oben = 240 - m.hoehe / 2;
    m.zweite_zeile = !tabelle && m.zeile > 21;
    return m;
}

bool Spielansicht_Radar_Striche(const Spielfeld_Record* r, std::vector<Spielansicht_Radar_Strich>* striche)
{
    if (striche) striche->clear();
    if (!r || !r->aktiv || r->abgeschlossen) return false;
    if (!striche) return true;
    auto strich = [&](Spielansicht_Radar_Strich::Art art, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t farbe) {
        striche->push_back({art, int16_t(x1), int16_t(y1), int16_t(x2), int16_t(y2), farbe});
    };
    const bool gedreht = r->seiten_getauscht != 0;
    const Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    int32_t cx = int32_t(std::lround(ball.x * 52 * 0.00009259259)), cy = int32_t(std::lround(ball.y * 33 * 0.00014705882));
    if (gedreht) {
        cx = 53 - cx;
        cy = 33 - cy;
    }
    if (cx >= 0 && cx < 53 && cy >= 0 && cy < 34) strich(Spielansicht_Radar_Strich::FLAECHE, cx + 1, cy + 1, 2, 2, 0xFFFF);
    if (r->ball_zustand == 1) {
        const uint16_t rot = Grafik_Farbe(13, 1, 1);
        strich(Spielansicht_Radar_Strich::LINIE, 1, 1, 53, 1, rot);
        strich(Spielansicht_Radar_Strich::LINIE, 1, 33, 53, 33, rot);
        strich(Spielansicht_Radar_Strich::LINIE, 1, 1, 1, 33, rot);
        strich(Spielansicht_Radar_Strich::LINIE, 53, 1, 53, 34, rot);
    }
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i) {
        const Spielfeld_Objekt& o = r->objekt[i];
        if (!o.aktiv) continue;
        int32_t x = int32_t(std::lround(o.x * 53 * 0.00009259259)), y = int32_t(std::lround(o.y * 33 * 0.00014692917));
        if (gedreht) {
            x = 53 - x;
            y = 33 - y;
        }
        if (x < 0 || x >= 54 || y < 0 || y >= 34) continue;
        strich(Spielansicht_Radar_Strich::PUNKT, x + 1, y + 1, 0, 0, i < 16 ? Grafik_Farbe(15, 0, 0) : Grafik_Farbe(15, 15, 0));
    }
    return true;
}

void Spielansicht_Radar_Malen(const std::vector<Spielansicht_Radar_Strich>& striche, Rastport* radar)
{
    if (!radar) return;
    for (const Spielansicht_Radar_Strich& s : striche) switch (s.art) {
        case Spielansicht_Radar_Strich::FLAECHE: Grafik_Rechteck_Fuellen(radar, s.x1, s.y1, s.x2, s.y2, s.farbe); break;
        case Spielansicht_Radar_Strich::LINIE: Grafik_Linie(radar, s.x1, s.y1, s.x2, s.y2, s.farbe); break;
        case Spielansicht_Radar_Strich::PUNKT: Grafik_Pixel_Setzen(radar, s.x1, s.y1, s.farbe); break;
        }
}

bool Spielansicht_Radar_Zeichnen(const Spielfeld_Record* r, Rastport* radar)
{
    std::vector<Spielansicht_Radar_Strich> striche;
    if (!Spielansicht_Radar_Striche(r, &striche)) return false;
    Spielansicht_Radar_Malen(striche, radar);
    return true;
}

Spielansicht_Statistik Spielansicht_Statistik_Texte(const Spielfeld_Record* r)
{
    Spielansicht_Statistik t;
    if (!r) return t;
    int32_t z[2][6] = {};
    for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s)
        for (int32_t e = 0; e < 6; ++e) z[s / 16][e] += r->statistik[s][e];
    const int32_t weiss = Grafik_Farbe(15, 15, 15);
    std::string* spalte[2] = {t.heim, t.gast};
    for (int32_t s = 0; s < 2; ++s)
        if (z[s][1] > 0)
            spalte[s][0] = Temp_Sprintf("^c%05d^tz%04d%d%c der Pässe sind Fehlpässe", weiss, 90, z[s][0] * 100 / z[s][1], '%');
    if (z[0][4] > 0) {
        const int32_t heim = z[0][3] * 100 / z[0][4];
        t.heim[1] = Temp_Sprintf("^c%05d^tz%04d%d%c der Zweikämpfe gingen verloren", weiss, 90, heim, '%');
        if (z[1][4] > 0) t.gast[1] = Temp_Sprintf("^c%05d^tz%04d%d%c der Zweikämpfe gingen verloren", weiss, 90, 100 - heim, '%');
    }
    for (int32_t s = 0; s < 2; ++s) spalte[s][2] = Temp_Sprintf("^c%05d^tz%04d%d gezielte Torschüsse", weiss, 90, z[s][2]);
    const int32_t kontakte = z[0][5] + z[1][5];
    if (kontakte > 0) {
        // The away share is rounded up by one, as the page always showed it.
        const int32_t anteil[2] = {z[0][5] * 100 / kontakte, z[1][5] * 100 / kontakte + 1};
        for (int32_t s = 0; s < 2; ++s)
            spalte[s][3] = Temp_Sprintf("^c%05d^tz%04d%s hatte %d%c aller Ballkontakte", weiss, 90,
                                        Team_String(TEAM_KURZNAME, int32_t(r->team[s]), nullptr, 0), anteil[s], '%');
    }
    return t;
}

std::string Spielansicht_Kuerzen(const std::string& vor, const std::string& text, const std::string& nach, int32_t font,
                                 int32_t breite)
{
    Font_Record* f = Font(font);
    const auto passt = [&](const std::string& t) { return !f || Font_Text_Breite_Mit_Tabs(f, (vor + t + nach).c_str()) <= breite; };
    if (passt(text)) return vor + text + nach;
    std::string t = text;
    while (!t.empty() && !passt(t + ".")) t.pop_back();
    while (!t.empty() && (t.back() == ' ' || t.back() == '.')) t.pop_back();
    return vor + (t.empty() ? t : t + ".") + nach;
}

std::string Spielansicht_Name_In_Breite(int32_t team, int32_t font, int32_t breite)
{
    if (team < 0 || team >= Team_Anzahl) return "";
    const char* voll = Team_String(TEAM_NAME_WAPPEN, team, nullptr, 0);
    std::string s = voll ? voll : "";
    const char* roh = Team_String(TEAM_NAME_ROH, team, nullptr, 0);
    const std::string name = roh ? roh : "";
    const size_t stelle = name.empty() ? std::string::npos : s.find(name);
    if (stelle == std::string::npos) return s;
    // only the name shortens; crest and marks around it stay whole
    return Spielansicht_Kuerzen(s.substr(0, stelle), name, s.substr(stelle + name.size()), font, breite);
}
