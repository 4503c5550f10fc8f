#include "competitions/statistik_teaminfo.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "database/team_staerke.h"

bool Statistik_Graph_Punkte(const int32_t* werte, int32_t anzahl, int32_t* x, int32_t* y, int32_t links,
                            int32_t oben, int32_t rechts, int32_t unten, int32_t schritt_x, int32_t schritt_y,
                            int32_t minimum, int32_t maximum, int32_t umkehren)
{
    if (!werte || !x || !y || anzahl <= 0) return false;
    if (rechts < links) std::swap(links, rechts);
    if (unten < oben) std::swap(oben, unten);
    // Single precision throughout, so every screen places the points alike.
    const bool lo_fest = minimum != -1, hi_fest = maximum != -1;
    float lo = lo_fest ? float(minimum) : 1e9f;
    float hi = hi_fest ? float(maximum) : -1e9f;
    for (int32_t i = 0; i < anzahl; ++i) {
        const float v = float(werte[i]);
        if (!hi_fest && v > hi) hi = v;
        if (!lo_fest && v < lo) lo = v;
    }
    if (hi == lo) hi += 1.0f;
    const float mitte = (hi - lo) * 0.5f + lo;
    const int32_t mittelzeile = oben + (unten - oben) / 2;
    const float hoehe = float(unten - oben), breite = float(rechts - links);
    const float spanne = hi - lo;

    float s = hoehe / spanne;
    // A largest step of 0 or less would shrink the scale towards nothing: no growing, no cap.
    const float max_y = float(schritt_y), max_x = float(schritt_x);
    if (max_y > 0) {
        while (1.1f * s * spanne < hoehe && std::fabs(s) < max_y) s *= 1.1f;
    }
    while (s != 0.0f && 1.1f * s * spanne > hoehe) s /= 1.1f;
    if (max_y > 0)
        while (std::fabs(s) > max_y) s /= 1.1f;

    float t = breite / float(anzahl);
    if (max_x > 0) {
        while (float(anzahl) * t < breite && std::fabs(t) < max_x) t *= 1.1f;
        while (std::fabs(t) > max_x) t /= 1.1f;
    }

    float px = float(links);
    for (int32_t i = 0; i < anzahl; ++i) {
        const float v = float(werte[i]);
        const float py = umkehren ? ((hi - (v - lo)) - mitte) * s + float(mittelzeile)
                                  : (v - mitte) * s + float(mittelzeile);
        x[i] = int32_t(px);
        y[i] = int32_t(py);
        px += t;
    }
    return true;
}

int32_t Statistik_Liga_Text(char* text, int32_t maske, int32_t skala, int32_t team)
{
    if (text) text[0] = 0;
    if (team < 0 || team >= Team_Anzahl) return 0;
    int32_t m[5][6] = {};
    Team_Staerke(maske | 31, 6, team, m);
    const int32_t teile[3] = {m[4][0], m[4][1], m[4][2]};
    const int32_t schnitt = (teile[0] + teile[1] + teile[2]) / 3;
    const auto skaliert = [skala](int32_t v) { return skala ? v * skala / 11 : 0; };
    if (text) {
        const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
        const char* name = liga >= 0 ? Wettbewerb_Get_Anzeigename(liga) : nullptr;
        int32_t n = std::snprintf(text, STATISTIK_LIGA_TEXT_LAENGE, "%s", name && *name ? name : "Keine Liga");
        if (skala != 0 && n >= 0 && n < STATISTIK_LIGA_TEXT_LAENGE)
            std::snprintf(text + n, size_t(STATISTIK_LIGA_TEXT_LAENGE - n), ", K=%3d, I=%3d, T=%3d, Schnitt=%3d",
                          skaliert(teile[0]), skaliert(teile[1]), skaliert(teile[2]), skaliert(schnitt));
    }
    return skaliert(schnitt);
}

int32_t Statistik_Teaminfo_Nachbar(const int32_t* teams, int32_t anzahl, int32_t team, int32_t richtung)
{
    if (!teams || anzahl <= 0) return team;
    int32_t pos = 0;
    for (int32_t i = 0; i < anzahl; ++i)
        if (teams[i] == team) {
            pos = i;
            break;
        }
    const int32_t schritt = richtung < 0 ? anzahl - 1 : 1;
    // One turn at most: a list of pseudo-teams only leaves the club where it is.
    for (int32_t k = 1; k <= anzahl; ++k) {
        const int32_t kandidat = teams[(pos + k * schritt) % anzahl];
        if (kandidat != team && Team_Ist_Normal(kandidat, 64)) return kandidat;
    }
    return team;
}
