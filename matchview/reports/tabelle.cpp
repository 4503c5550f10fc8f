// The table after a match day: each club's place, its place before the day with an arrow for
// the change, games, wins, draws, losses, goals and points.
#include <algorithm>
#include <memory>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "graphics/grafik_zeichnen.h"
#include "matchview/reports/bericht_seite.h"
#include "matchview/spieltagbericht.h"
#include "platform/temp.h"

namespace {

constexpr int32_t FONT_ZEILE = 7;

enum { SIEGE, REMIS, NIEDERLAGEN };

// Wins, draws and losses of each slot from the played games of the competition's block up to
// the current match day.
void ergebnisse_zaehlen(const Wettbewerb_Info& info, const Tabelle_Datensatz& t, int32_t (*zahl)[3])
{
    const auto slot_von = [&](int32_t team) {
        for (int32_t s = 0; s < t.anzahl; ++s)
            if (t.team[s] == team) return s;
        return -1;
    };
    const int32_t n = Spiele_Get_Anzahl_Spiele(info.spiele_block);
    for (int32_t i = 0; i < n; ++i) {
        const int32_t h = Spiele_Lock_Index(info.spiele_block, i);
        if (!h) continue;
        const Spiele_Spiel* m = Spiele_Get_Spiel(h, 1);
        if (m && m->heim_tore >= 0 && m->spieltag <= info.spieltag) {
            const int32_t a = slot_von(m->heim), b = slot_von(m->gast);
            const int32_t ht = m->heim_tore, gt = m->gast_tore;
            if (a >= 0) ++zahl[a][ht > gt ? SIEGE : ht == gt ? REMIS : NIEDERLAGEN];
            if (b >= 0) ++zahl[b][gt > ht ? SIEGE : ht == gt ? REMIS : NIEDERLAGEN];
        }
        Spiele_Unlock(h);
    }
}

}  // namespace

// The arrow of a change of places (positive: up), 6233 down by 3 or more .. 6237 up by 3 or more.
int32_t spieltagbericht_pfeil(int32_t hoch)
{
    const int32_t stufe = hoch >= 3 ? 4 : hoch >= 1 ? 3 : hoch == 0 ? 2 : hoch >= -2 ? 1 : 0;
    return bericht::BILD_PFEIL + stufe;
}

// The arrow of a team's change of place stands right of its place, between it and the place
// before the day: at the place's own end it hid the place's full stop.
constexpr int32_t PFEIL_X = 142;

void Spieltagbericht_Tabelle(int32_t wettbewerb)
{
    const Wettbewerb_Info* ip = Wettbewerb_Get_Info(wettbewerb);
    if (!ip) return;
    const Wettbewerb_Info info = *ip;
    auto t = std::make_unique<Tabelle_Datensatz>();
    Wettbewerb_Tabelle_Vorbereiten(wettbewerb, t.get());
    Spiele_Tabelle_Berechnen(wettbewerb, info.spiele_block, 0, info.spieltag + 1, (info.modus & ENGLISCHE_TABELLE) ? 1 : 0, 31,
                             t.get(), -1, 0, -1, -1, 0, 0, -1);
    const int32_t n = std::clamp(t->anzahl, 0, TABELLE_MAX_TEAMS);
    int32_t zahl[TABELLE_MAX_TEAMS][3] = {};
    ergebnisse_zaehlen(info, *t, zahl);

    int32_t versatz[3] = {4, 4, 4};
    int32_t klasse = 1;
    for (int32_t s = 0; s < n; ++s) {
        for (int32_t k = 0; k < 3; ++k)
            if (zahl[s][k] > 9) versatz[k] = 0;
        const int32_t tore = std::max(t->tore[0][s], t->gegentore[0][s]);
        klasse = std::max(klasse, tore > 99 ? 3 : tore > 9 ? 2 : 1);
    }
    const int32_t weiss = bericht::farbe(15, 15, 15), hell = bericht::farbe(13, 13, 13);
    Spieltagbericht_Kopf(wettbewerb, "Die Tabelle:");
    const int32_t y0 = 260 - n * 14 / 2;
    bericht::text_mit_schatten(
        3, 0, y0 - 17,
        Temp_Sprintf("^c%05d^tz%04d%s^tl%04d%s^tz%04d%s^tz%04d%s^tz%04d%s^tz%04d%s^tz%04d%s^tz%04d%s", weiss, 140, "Platz",
                     177, "Verein", 330, "Spiele", 358 + versatz[0], "g.", 384 + versatz[1], "u.", 410 + versatz[2], "v.", 460,
                     "Tore", 504, "Punkte"));
    if (Rastport* p = bericht::seite()) {
        Grafik_Linie(p, 102, y0 - 12, 532, y0 - 12, 1);
        Grafik_Linie(p, 100, y0 - 14, 530, y0 - 14, uint16_t(weiss));
    }
    static const char* const TORE[3] = {"^c%05d^fb0006^tz%04d%d:%d^tr%04d%2d^fe", "^c%05d^fb0006^tz%04d%2d:%2d^tr%04d%2d^fe",
                                        "^c%05d^fb0006^tz%04d%3d:%3d^tr%04d%2d^fe"};
    for (int32_t i = 0; i < n; ++i) {
        const int32_t y = y0 + i * 16;
        const int32_t s = t->platz[i];
        if (s < 0 || s >= TABELLE_MAX_TEAMS) continue;
        const int32_t zeile = i % 2 ? weiss : hell;
        const int32_t zone = Wettbewerb_Get_Platz_Farbe(wettbewerb, i);
        const int32_t platzfarbe = zone >= 0 ? zone : zeile;
        // A slot missing from the order before the day counts as level, without a previous place.
        const char* vorher = "--";
        int32_t hoch = 0;
        if (t->vorher[i] >= 0)
            for (int32_t j = 0; j < n; ++j)
                if (t->vorher[j] == s) {
                    vorher = Temp_Sprintf("%d", j + 1);
                    hoch = j - i;
                    break;
                }
        // The names font is narrower than the titles font: a long name clears the games column.
        bericht::text_mit_schatten(
            FONT_ZEILE, 0, y,
            Temp_Sprintf("^c%05d^tr%04d^fb0006%d.^c%05d^tr%04d(%s)^fe^tl%04d%s^tz%04d^fb0006%2d^tz%04d%2d^tz%04d%2d^tz%04d%2d^fe",
                         platzfarbe, 140, i + 1, zeile, 176, vorher, 177, Team_String(TEAM_NAME_WAPPEN, t->team[s], nullptr, 0),
                         330, t->spiele[0][s], 358 + versatz[0], zahl[s][SIEGE], 384 + versatz[1], zahl[s][REMIS],
                         410 + versatz[2], zahl[s][NIEDERLAGEN]));
        bericht::bild(spieltagbericht_pfeil(hoch), PFEIL_X, y - 7);
        bericht::text_mit_schatten(FONT_ZEILE, 0, y, Temp_Sprintf(TORE[klasse - 1], zeile, 460, t->tore[0][s], t->gegentore[0][s], 504,
                                                         t->punkte[0][s]));
    }
}
