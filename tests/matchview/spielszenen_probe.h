// A hand-filled live record for the live view's tests and benchmarks.
#pragma once
#include <cstdint>
#include <memory>

#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/spielfeld.h"

// A record as the engine would show it: two sides in their formations, referee and assistants,
// the ball in the air, flags and goals, the benches' staff, 2:1 in minute 67.
inline std::unique_ptr<Spielfeld_Record> Spielszenen_Probe_Record(int32_t spiel)
{
    auto r = std::make_unique<Spielfeld_Record>();
    r->spiel = uint32_t(spiel);
    r->team[0] = 900000;
    r->team[1] = 900001;
    r->minute = 67;
    r->sekunden = 12;
    r->tore[0] = 2;
    r->tore[1] = 1;
    r->frame_zeit = 100000;
    r->ansicht_x = 700;
    r->ansicht_y = 40;
    r->kopf.offen = 0;
    auto setzen = [&](int32_t i, float x, float y, float z, int32_t anim, int32_t bild, int32_t richtung) {
        Spielfeld_Objekt& o = r->objekt[i];
        o.aktiv = 1;
        o.x = x, o.y = y, o.z = z;
        o.ring = 0;
        o.auftrag[0].animation = anim;
        o.auftrag[0].wert_40 = uint8_t(bild);
        o.auftrag[0].blickrichtung = uint8_t(richtung);
        o.auftrag[0].richtung = -1;
        o.auftrag[0].ziel[0] = x;
        o.auftrag[0].ziel[1] = y;
    };
    static const float PLATZ[11][2] = {{300, 3403}, {2200, 1000}, {2000, 2600}, {2000, 4200}, {2200, 5800}, {4000, 900},
                                       {3800, 2700}, {3800, 4100}, {4000, 5900}, {5000, 2800}, {5000, 4000}};
    for (int32_t s = 0; s < 2; ++s)
        for (int32_t k = 0; k < 11; ++k) {
            const int32_t slot = 16 * s + k;
            const float x = s ? 10800.0f - PLATZ[k][0] : PLATZ[k][0];
            setzen(slot, x, PLATZ[k][1], 0, k == 0 ? ANIM_TW_STEHEN : ANIM_LAUFEN, k % 8, s ? 6 : 2);
            r->objekt[slot].torwart = k == 0 ? 1 : 0;
            r->spieler[slot].spnr = -1;
            r->spieler[slot].kraft = 8000;
        }
    setzen(SPIELFELD_SCHIEDSRICHTER, 5600, 3000, 0, ANIM_SCHIRI_LAUFEN, 2, 3);
    setzen(33, 3000, 0, 0, ANIM_LINIE_LAUFEN, 1, 2);
    setzen(34, 7800, 6806, 0, ANIM_FAHNE, 4, 6);
    setzen(SPIELFELD_BALL, 5400, 3500, 150, ANIM_BALL, 0, 0);
    r->objekt[SPIELFELD_BALL].wert_276 = -1;
    for (int32_t i = 0; i < 4; ++i) {
        setzen(37 + i, i % 2 ? 10800 : 0, i < 2 ? 0 : 6806, 0, ANIM_ECKFAHNE + i, 0, 0);
        r->objekt[37 + i].wert_276 = -1;
    }
    // the benches' staff, where the engine seats them
    setzen(SPIELFELD_BANK, 4658, -348, 0, ANIM_BANK, 0, 2);
    setzen(SPIELFELD_BANK + 1, 7010, -348, 0, ANIM_BANK, 3, 2);
    for (int32_t k = 0; k < 8; ++k) {
        const float* t = spielfeld_anim_detail::TORTEIL[k];
        setzen(41 + k, t[0], t[1], t[2], ANIM_TOR_RUHE + k, 0, 0);
        r->objekt[41 + k].wert_276 = -1;
    }
    return r;
}

