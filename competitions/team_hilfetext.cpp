// The tables' club picture: drawn for each call into a bitmap of its own, handed to the help
// bubble by handle.
#include "competitions/team_hilfetext.h"

#include <algorithm>
#include <cstdio>

#include "competitions/spiele.h"
#include "competitions/statistik_anzeige.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spieltag.h"
#include "platform/handle.h"
#include "platform/print.h"
#include "platform/temp.h"
#include "toolkit/icon.h"

namespace {

constexpr int32_t BREITE = 210, HOEHE = 166;

// The bubble copies the picture when it opens; one picture is kept until the next call.
Rastport* letztes_bild = nullptr;

}  // namespace

int32_t Spiele_Wettbewerb_Spiel_Des_Teams(int32_t wettbewerb, int32_t spieltag, int32_t team)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(wettbewerb);
    if (!info || !Spiele_Ist_Initialisiert() || team < 0) return -1;
    const int32_t n = Wettbewerb_Get_Paarung(wettbewerb, spieltag);
    for (int32_t p = 0; p < n; ++p) {
        const int32_t h = Spiele_Lock(info->spiele_block, spieltag, 0, p);
        if (!h) continue;
        const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        const bool treffer = s && (s->heim == team || s->gast == team);
        Spiele_Unlock(h);
        if (treffer) return p;
    }
    return -1;
}

int32_t Team_Hilfetext_X_Schritt(int32_t breite, int32_t spieltag)
{
    return spieltag > 1 ? (breite - 10) / (spieltag - 1) : 0;
}

bool Team_Hilfetext_Verlauf(int32_t team, Team_Verlauf* aus)
{
    if (!aus || team < 0 || team >= Team_Anzahl) return false;
    *aus = Team_Verlauf{};
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(liga);
    if (!info) {
        Print_Fehler("Team_Hilfetext_Team_Sefo: winfo=NULL!");
        return false;
    }
    if (info->modus & KO_SYSTEM) return false;
    aus->spieltage = std::max(info->saison_spieltage, 1);
    const int32_t tage = std::clamp(info->spieltag, 0, aus->spieltage);
    int32_t heim = 0, auswaerts = 0;
    // Only the days drawn count: a day not yet played has no place to be missing.
    for (int32_t d = 0; d < tage; ++d) {
        const int32_t platz = Wettbewerb_Get_Tabellenplatz(liga, team, 0, d, 31);
        if (platz < 0) {
            *aus = Team_Verlauf{};
            return false;
        }
        const int32_t slot = Spiele_Wettbewerb_Spiel_Des_Teams(liga, d, team);
        if (slot >= 0)
            if (const int32_t h = Spiele_Lock(info->spiele_block, d, 0, slot)) {
                const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
                Spiele_Unlock(h);
                if (s.heim_tore >= 0) {
                    const int32_t eigene = s.heim == team ? s.heim_tore : s.gast_tore;
                    const int32_t andere = s.heim == team ? s.gast_tore : s.heim_tore;
                    const int32_t wert = eigene > andere ? 1 : eigene < andere ? -1 : 0;
                    (s.heim == team ? heim : auswaerts) += wert;
                }
            }
        aus->heim.push_back(heim);
        aus->auswaerts.push_back(auswaerts);
        aus->platz.push_back(platz);
    }
    return true;
}

const char* Team_Hilfetext_Team_Sefo(Menue_Icon* icon)
{
    if (!icon || icon->kennung_1 < 0 || icon->kennung_1 >= Team_Anzahl) return "";
    const int32_t team = icon->kennung_1;
    const int32_t tiefe = Grafik_Render_Ziel ? int32_t(Grafik_Render_Ziel->depth) : 16;
    Rastport* b = Grafik_Bitmap_Anlegen(BREITE, HOEHE, tiefe);
    if (!b) return "";
    if (letztes_bild) {
        Handle_Objekt_Freigeben(letztes_bild);
        Grafik_Bitmap_Freigeben(letztes_bild);
    }
    letztes_bild = b;
    const uint16_t linien[3] = {Grafik_Farbe(0, 0, 10), Grafik_Farbe(11, 0, 0), Grafik_Farbe(8, 0, 0)};
    const uint16_t weiss = Grafik_Farbe(15, 15, 15), achse = Grafik_Farbe(10, 6, 6), null = Grafik_Farbe(10, 10, 10);
    Grafik_Rechteck_Fuellen(b, 0, 0, BREITE, HOEHE, Grafik_Farbe(6, 6, 6));
    Grafik_Rechteck_Fuellen(b, 1, 1, BREITE - 2, HOEHE - 2, Grafik_Farbe(5, 5, 5));
    Team_Platz_Info_Zeichnen(b, team, 0, 0);
    auto text = [&](int32_t x, int32_t y, const char* t) {
        Grafik_Printf(b, Font(4), "^c%05d%s", x, y, int32_t(weiss), t);
    };
    const bool normal = Team_Ist_Normal(team, 8);
    if (normal) {
        int32_t wettbewerb = -1;
        const int32_t gegner = Spieltag_Get_Gegner(team, nullptr, nullptr, nullptr, &wettbewerb);
        if (gegner >= 0 && gegner < Team_Anzahl) {
            char z[160];
            const char* n = Team_String(TEAM_NAME, gegner, nullptr, 0);
            std::snprintf(z, sizeof z, "nächster Gegner: %s, %s", n ? n : "", Wettbewerb_Get_Anzeigename(wettbewerb));
            text(4, 54, z);
        }
    }
    Grafik_Rechteck_Fuellen(b, 4, 64, 2, 80, achse);
    Grafik_Rechteck_Fuellen(b, 0, 144, BREITE, 2, achse);
    Grafik_Linie(b, 6, 104, BREITE - 2, 104, null);
    Team_Verlauf v;
    if (normal && Team_Hilfetext_Verlauf(team, &v)) {
        const int32_t schritt = Team_Hilfetext_X_Schritt(BREITE, int32_t(v.platz.size()));
        const int32_t halbe = std::max(v.spieltage / 2, 1);
        auto punkt = [&](int32_t linie, size_t d, int32_t* x, int32_t* y) {
            *x = 6 + int32_t(d) * schritt;
            *y = linie == 0 ? 104 - 4 * v.heim[d] : linie == 1 ? 104 - 4 * v.auswaerts[d] : 64 + v.platz[d] * 80 / halbe;
        };
        for (size_t d = 0; d < v.platz.size(); ++d)
            for (int32_t l = 0; l < 3; ++l) {
                int32_t x0, y0, x1, y1;
                punkt(l, d ? d - 1 : 0, &x0, &y0);
                punkt(l, d, &x1, &y1);
                for (int32_t k = 0; k < 3; ++k) Grafik_Linie(b, x0, y0 + k - 1, x1, y1 + k - 1, linien[l]);
            }
    }
    Grafik_Rechteck_Fuellen(b, 4, 149, 4, 4, linien[0]);
    Grafik_Rechteck_Fuellen(b, 4, 158, 4, 4, linien[1]);
    Grafik_Rechteck_Fuellen(b, 94, 149, 4, 4, linien[2]);
    text(10, 152, "Tendenz Heim");
    text(10, 161, "Tendenz Auswärts");
    text(100, 152, "Tabellenplatz");
    Grafik_Printf(b, Font(4), "^c%05d^tr%04dSpieltage", 0, 140, int32_t(weiss), BREITE - 2);
    text(12, 70, "+ positiv");
    text(12, 140, "- negativ");
    return Temp_Sprintf("\xB0rp%#010x", Handle_Registrieren(b, Handle_Art::Bild));
}
