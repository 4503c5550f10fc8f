// The stadium's sounds: the groups of a sound set (crowd loops, chants, applause, whistling,
// reactions), crowd reactions made of two of them, and single panned effects.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/timer.h"

int32_t Spielszenen_Sound_Satz = -1;

namespace {

struct Gruppe {
    int32_t ton[6];
    int32_t anzahl;
};
constexpr int32_t GRUPPEN = 9, SAETZE = 3;
// One set; the program's three sets hold the same.
constexpr Gruppe SATZ[GRUPPEN] = {
    {{17, 18, -1, -1, -1, -1}, 2}, {{19, 20, 31, 32, -1, -1}, 4}, {{24, -1, -1, -1, -1, -1}, 1},
    {{22, 23, -1, -1, -1, -1}, 2}, {{21, 29, -1, -1, -1, -1}, 2}, {{25, -1, -1, -1, -1, -1}, 1},
    {{26, 27, 34, -1, -1, -1}, 3}, {{28, 30, -1, -1, -1, -1}, 2}, {{33, -1, -1, -1, -1, -1}, 1}};

Spielszenen_Ton_Hook ton_hook = nullptr;
uint32_t wuerfel_stand = 0;

// The view's own sequence: sounds never move the match's generator.
uint32_t Ton_Zufall()
{
    if (!wuerfel_stand) wuerfel_stand = Timer_Get_Time() | 1u;
    wuerfel_stand ^= wuerfel_stand << 13;
    wuerfel_stand ^= wuerfel_stand >> 17;
    wuerfel_stand ^= wuerfel_stand << 5;
    return wuerfel_stand;
}

bool zeile_gueltig(int32_t z) { return z >= 0 && z < SPIELSZENEN_SOUNDS; }

int32_t spielen(int32_t zeile, int32_t schleife, int32_t lautstaerke, int32_t pan)
{
    if (ton_hook) {
        ton_hook(SPIELSZENEN_TON_SPIELEN, zeile, schleife, lautstaerke, pan);
        return 1;
    }
    return Sound_Play(Spielszenen_Sound[zeile].sample, schleife, 0, lautstaerke, pan);
}

void laden(int32_t zeile)
{
    Spielszenen_Sound_Eintrag& s = Spielszenen_Sound[zeile];
    if (s.sample >= 0) return;
    if (ton_hook) {
        ton_hook(SPIELSZENEN_TON_LADEN, zeile, 0, 0, 0);
        s.sample = zeile;
        return;
    }
    std::vector<uint8_t> wav;
    if (Soundeffekt_Resource_Holen(ResFile_Handles[0].handle, s.resource, wav) && !wav.empty())
        s.sample = Sound_Load_Sample(wav.data(), uint32_t(wav.size()));
}

void freigeben(int32_t zeile)
{
    Spielszenen_Sound_Eintrag& s = Spielszenen_Sound[zeile];
    if (s.sample < 0) return;
    if (ton_hook) ton_hook(SPIELSZENEN_TON_FREI, zeile, 0, 0, 0);
    else s.sample = Sound_Free_Sample(s.sample);
    s.sample = -1;
    s.spielt = 0;
}

int32_t pegel_daempfung(int32_t pegel) { return -(4 - std::min(std::max(pegel, 0), 4)) * 100; }

// The row of a group's slot in the selected set, -1 for an empty slot.
int32_t zeile_von(int32_t gruppe, int32_t slot)
{
    if (gruppe < 0 || gruppe >= GRUPPEN || slot < 0 || slot >= SATZ[gruppe].anzahl) return -1;
    return SATZ[gruppe].ton[slot];
}

}  // namespace

void Spielszenen_Set_Ton_Hook(Spielszenen_Ton_Hook hook) { ton_hook = hook; }

int32_t Spielszenen_Sound_Satz_Waehlen(int32_t satz)
{
    if (satz < 0 || satz >= SAETZE) satz = 0;
    if (satz == Spielszenen_Sound_Satz) return 1;
    if (Spielszenen_Sound_Satz >= 0)
        for (const Gruppe& g : SATZ)
            for (int32_t k = 0; k < g.anzahl; ++k) freigeben(g.ton[k]);
    for (const Gruppe& g : SATZ)
        for (int32_t k = 0; k < g.anzahl; ++k) laden(g.ton[k]);
    Spielszenen_Sound_Satz = satz;
    return 1;
}

void Spielszenen_Sound_Gruppe_Spielen(int32_t gruppe, int32_t start, int32_t, int32_t pegel, int32_t variante)
{
    if (Spielszenen_Sound_Satz < 0 || gruppe < 0 || gruppe >= GRUPPEN) return;
    if (variante > 5) variante = -1;
    int32_t zeile = variante >= 0 ? zeile_von(gruppe, variante) : -1;
    if (zeile < 0) {
        const uint32_t wurf = Ton_Zufall();
        zeile = zeile_von(gruppe, int32_t(wurf % uint32_t(SATZ[gruppe].anzahl)));
    }
    if (!zeile_gueltig(zeile)) return;
    Spielszenen_Sound_Eintrag& s = Spielszenen_Sound[zeile];
    bool schleife = start != 0;
    if (schleife && !s.dauernd) schleife = false;
    else if (schleife && s.spielt) return;
    const int32_t daempfung = pegel_daempfung(pegel);
    spielen(zeile, schleife ? 1 : 0, s.lautstaerke + daempfung, 0);
    if (schleife) {
        s.spielt = 1;
        s.daempfung = daempfung;
        s.start = Timer_Get_Time();
    }
}

void Spielszenen_Sound_Gruppe_Spielen(int32_t gruppe, int32_t pegel) { Spielszenen_Sound_Gruppe_Spielen(gruppe, 1, 0, pegel, -1); }

void Spielszenen_Sound_Reaktion_Spielen(int32_t art, int32_t pegel)
{
    if (Spielszenen_Sound_Satz < 0 || art < 0 || art > 4) return;
    // (group, slot) of the reduced first and the full second sound; kind 1's first slot is
    // empty in set 0, so there only the whistling plays
    static constexpr int32_t ERSTE[5][2] = {{7, 0}, {7, 2}, {5, 0}, {5, 0}, {6, 2}};
    static constexpr int32_t ZWEITE[5][2] = {{2, 0}, {3, 0}, {2, 0}, {3, 0}, {2, 0}};
    const int32_t erste_slot = art == 1 && Spielszenen_Sound_Satz > 0 ? 0 : ERSTE[art][1];
    const int32_t a = zeile_von(ERSTE[art][0], erste_slot), b = zeile_von(ZWEITE[art][0], ZWEITE[art][1]);
    if (zeile_gueltig(a)) spielen(a, 0, Spielszenen_Sound[a].lautstaerke + pegel_daempfung(pegel), 0);
    if (zeile_gueltig(b)) spielen(b, 0, Spielszenen_Sound[b].lautstaerke, 0);
}

void Spielszenen_Sound_Spielen(int32_t nummer, int32_t x, int32_t mitte)
{
    if (Spielszenen_Sound_Satz < 0 || !zeile_gueltig(nummer)) return;
    spielen(nummer, 0, Spielszenen_Sound[nummer].lautstaerke, (x - mitte) * 15);
}
