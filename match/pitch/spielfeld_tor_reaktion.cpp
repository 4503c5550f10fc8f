#include "match/pitch/spielfeld_tor_reaktion.h"

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "match/pitch/spielfeld_objekt.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/spielszenen.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t KEINE_PAARUNG = -2;

void zeigen(Spielfeld_Record* r, int32_t nr, int32_t anim, int32_t dauer, float x, float y, int32_t versatz = 0)
{
    Spielfeld_Auftrag_Geben(r, nr, int32_t(x), int32_t(y), 0, 0, anim, 0, dauer, 0, -1, 1, 1, versatz, AUFTRAG_SUCHEN);
}

// The scorer runs off towards a point ahead of him.
void jubellauf(Spielfeld_Record* r, int32_t slot, int32_t seite, int32_t art)
{
    const Spielfeld_Objekt& o = r->objekt[slot];
    const int32_t quer = Zufall(0, 999);
    const float richtung = float(r->tor_x[seite]) > o.x ? 1.0f : -1.0f;
    float x = o.x + 600.0f * richtung, y = o.y + float(quer - 500);
    const float L = float(Spielfeld_Masse[0]), W = float(Spielfeld_Masse[1]);
    x = x < 0.0f ? 0.0f : x > L ? L : x;
    y = y < 0.0f ? 0.0f : y > W ? W : y;
    Spielfeld_Auftrag_Geben(r, slot, int32_t(x), int32_t(y), 0, 300, 104 + art, 0, -1, 0, -1, 1, 1, 0, AUFTRAG_SUCHEN);
    zeigen(r, slot, 64, 200, x, y, 1);
}

}  // namespace

void Spielfeld_Tor_Reaktion(Spielfeld_Record* r, int32_t s)
{
    if (!r || s < 0 || s > 1) return;
    int32_t l = 0, v = 0, w1 = KEINE_PAARUNG;
    const Spiele_Spiel* sp = Spiele_Get_Spiel(int32_t(r->spiel), 1);
    if (sp) {
        const Spiele_Spiel spiel = *sp;
        const auto sieger = [&](int32_t extra) {
            return Wettbewerb_Get_Paarung_Sieger(spiel.wettbewerb, spiel.runde, spiel.slot, extra);
        };
        const int32_t club = int32_t(r->team[s]);
        const int32_t w0 = sieger(-1);
        w1 = sieger(s * 256 + 1);
        if (w1 != w0) {
            l = 5;
            v = w1 >= 0 ? 5 : 4;
        } else if (w1 == club) {
            l = 4;
            v = 2;
        } else {
            const int32_t w2 = sieger(s * 256 + 2);
            if (w2 == club) {
                l = 3;
                v = 1;
            } else if (w2 < 0) {
                l = 1;
                v = 0;
            }
        }
    }
    if (l > 0) {
        int32_t k = l < 4 ? l : 4;
        if (r->im_fenster) Spielszenen_Sound_Reaktion_Spielen(4, k);
        if (k < 3 && w1 == KEINE_PAARUNG) {
            // The goal is not on the board yet when the ball crosses the line.
            const int32_t eigene = r->tore[s] + 1, andere = r->tore[1 - s];
            if (eigene - 1 == andere) k = 4;
            else if (eigene == andere) k = 3;
        }
        r->zuschauer_reaktion[s] = k > 2 ? 3 : 2;
        int32_t& m = r->zuschauer_stimmung[s];
        m = m + 5 * k + 5 > 100 ? 100 : m + 5 * k + 5;
        int32_t& n = r->zuschauer_stimmung[1 - s];
        n = n - 3 * k < 0 ? 0 : n - 3 * k;
    }
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        const Spielfeld_Objekt& o = r->objekt[slot];
        const uint32_t zustand = r->spieler[slot].zustand;
        const int32_t seite = slot >= 16 ? 1 : 0;
        if (seite == s) {
            const int32_t z = Zufall(1, l);
            if (z <= 1) continue;
            if (zustand == SPIELFELD_ERSATZ) zeigen(r, slot, o.torwart ? 117 : 120, 20, o.x, o.y);
            else if (zustand != SPIELFELD_AUF_DEM_PLATZ) continue;
            else if (o.torwart) zeigen(r, slot, 102, 200, o.x, o.y + 4.0f);
            else if (slot == r->letzter_schuetze) {
                const int32_t art = Zufall(0, 3);
                if (art <= 2) jubellauf(r, slot, seite, art);
            } else zeigen(r, slot, 64, 20, o.x, o.y);
        } else {
            const int32_t z = Zufall(1, v);
            if (z <= 1 || zustand != SPIELFELD_AUF_DEM_PLATZ) continue;
            if (o.torwart) zeigen(r, slot, 103, 20, o.x, o.y);
            else {
                const int32_t art = Zufall(0, 3);
                static constexpr int32_t ENTTAEUSCHT[3] = {65, 121, 122};
                if (art <= 2) zeigen(r, slot, ENTTAEUSCHT[art], 20, o.x, o.y);
            }
        }
    }
    const Spielfeld_Objekt& bank = r->objekt[SPIELFELD_BANK + s];
    const int32_t jubel = Zufall(1, l);
    if (jubel > 1) zeigen(r, SPIELFELD_BANK + s, 118, 20, bank.x, bank.y + 4.0f);
    const int32_t andere = Zufall(1, v);
    (void)andere;
}
