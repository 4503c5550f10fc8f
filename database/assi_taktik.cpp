// The assistants' match preparation: the daily run over the clubs, the match tactic against an
// opponent, the basic tactic from the eleven, and the training weights.
#include <algorithm>
#include <cstring>

#include "database/assistent.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "match/spieltag.h"
#include "platform/print.h"
#include "platform/zufall.h"
#include "screens/spieler_training.h"

namespace {

constexpr uint32_t NICHT_EINSETZBAR = 0xFC0;

bool team_ok(int32_t team) { return T && T_Own && team >= 0 && team < Team_Anzahl; }

// The clubs' strength figure: the whole team's mean strength.
int32_t staerke_figur(int32_t team)
{
    int32_t m[5][6] = {};
    Team_Staerke(255, 0, team, m);
    return m[4][4];
}

// Ability of the club's assistant for a task, -1 without one.
int32_t faehigkeit(int32_t team, int32_t aufgabe, int32_t ohne_manager)
{
    const int32_t slot = Assistent_Mit_Aufgabe(team, aufgabe);
    if (slot < 0) return -1;
    if (!Team_Hat_Manager(team)) return ohne_manager;
    return Assistent_Faehigkeit(team, slot, aufgabe);
}

// One of two options of tactic row r by the club's preferences; a weak assistant swaps them.
uint8_t option_waehlen(const int8_t* pref, int32_t a, int32_t r, int32_t x, int32_t y)
{
    int32_t p = pref[3 * r + x], q = pref[3 * r + y];
    const int32_t los = Zufall_Gross(0, 90);
    if (los > a) std::swap(p, q);
    return static_cast<uint8_t>(p > q ? x : y);
}

}  // namespace

void Assis_Setze_Spiel_Taktik(int32_t team, int32_t gegner, int32_t auswaerts, int32_t modus)
{
    if (!team_ok(team)) return;
    if (gegner < 0 && modus < 0) {
        Print_Fehler("Assis_Setze_Spiel_Taktik: gegnernr=NIX && def_off==NIX");
        return;
    }
    const int32_t a = faehigkeit(team, 1, 50);
    if (a < 0) return;
    uint8_t* taktik = static_cast<uint8_t*>(Team_Zeiger(807, team, nullptr, 0));
    const int8_t* pref = static_cast<const int8_t*>(Team_Zeiger(813, team, nullptr, 0));
    if (!taktik || !pref) return;
    if (modus < 0) {
        if (gegner < 0 || gegner >= Team_Anzahl) return;
        const int32_t d = staerke_figur(team) - staerke_figur(gegner) + (auswaerts ? 0 : 50);
        modus = d < -100 ? 1 : d < -40 ? 0 : d <= 40 ? 2 : d <= 100 ? 3 : 4;
    }
    uint8_t b[8];
    std::memcpy(b, taktik, 8);
    switch (modus) {
    case 0: {
        const uint8_t b0 = option_waehlen(pref, a, 0, 1, 2);
        const uint8_t b1 = option_waehlen(pref, a, 1, 1, 2);
        const uint8_t b2 = option_waehlen(pref, a, 2, 0, 1);
        const uint8_t b3 = option_waehlen(pref, a, 3, 0, 1);
        const uint8_t neu[8] = {b0, b1, b2, b3, 2, 2, 1, 0};
        std::memcpy(b, neu, 8);
        break;
    }
    case 1: {
        const uint8_t b0 = option_waehlen(pref, a, 0, 1, 2);
        const uint8_t neu[8] = {b0, b0, 0, 0, 2, 2, 2, 0};
        std::memcpy(b, neu, 8);
        break;
    }
    case 3: {
        const uint8_t b0 = option_waehlen(pref, a, 0, 1, 2);
        const uint8_t b1 = option_waehlen(pref, a, 1, 1, 2);
        const uint8_t b2 = option_waehlen(pref, a, 2, 1, 2);
        const uint8_t b3 = option_waehlen(pref, a, 3, 0, 1);
        const uint8_t neu[8] = {b0, b1, b2, b3, 2, 1, 1, 1};
        std::memcpy(b, neu, 8);
        break;
    }
    case 4: std::memset(b, 2, 8); break;
    default: break;
    }
    const int32_t los = Zufall_Gross(0, 3);
    if (los == 0) Team_Zeiger(808, team, b, 1);
    Team_Zeiger(807, team, b, 1);
}

void Assi_Spieltag_Taktik_Uebernehmen(int32_t team)
{
    if (!team_ok(team) || Assistent_Mit_Aufgabe(team, 1) < 0) return;
    uint8_t b[8];
    Team_Zeiger(808, team, b, 2);
    Team_Zeiger(807, team, b, 1);
}

void Assis_Setze_Training(int32_t team)
{
    if (!team_ok(team)) return;
    const int32_t a = faehigkeit(team, 2, 75 + 5 * static_cast<int32_t>(Schwierigkeitsstufe));
    if (a < 0) return;
    int32_t feld[500];
    // a server has each player's link record with the squad, not to be looked up again
    TS* records[500];
    const bool direkt = Netz_Rolle != 1;
    const int32_t n = std::min<int32_t>(Teamspieler_Kader(team, feld, direkt ? records : nullptr, 500, 0), 500);
    int32_t summe = 0, zahl = 0;
    for (int32_t i = 0; i < n; ++i) {
        const uint32_t flags = direkt ? records[i]->flags : static_cast<uint32_t>(Teamspieler_Wert(317, team, feld[i], 0, 0));
        if (flags & NICHT_EINSETZBAR) continue;
        // his training fatigue as Spieler_Wert reads it, in place where the records are
        const int32_t sp = feld[i];
        summe += direkt && Spieler_Daten && sp >= 0 && sp < Spieler_Anzahl ? int32_t(Spieler_Daten[sp].trainings_erschoepfung)
                                                                           : Spieler_Wert(SP_TRAININGS_ERSCHOEPFUNG, sp, 0, SP_LESEN);
        ++zahl;
    }
    if (zahl == 0) {
        Print_Fehler("Assis_Setze_Training: sp_zahl==0!");
        return;
    }
    const int32_t z = Zufall_Gross(80 + a / 5, 120 - a / 5);
    const float f = static_cast<float>(summe) / static_cast<float>(zahl) * static_cast<float>(z) / 100.0f;
    static const float TEILER[5] = {1.8f, 1.9f, 2.0f, 2.1f, 2.2f};
    const float d = TEILER[std::min<uint32_t>(Schwierigkeitsstufe, 4)];
    int32_t t = 28 - static_cast<int32_t>((f - 62.0f) / d);
    const int32_t plus = Zufall_Gross(0, 7 - a / 15);
    const int32_t minus = Zufall_Gross(0, 7 - a / 15);
    t = t + plus - minus;
    // a squad far above the reference figure would ask for a negative total
    t = std::clamp(t, 0, 14 * 5);
    uint8_t w[14];
    for (auto& x : w) x = static_cast<uint8_t>(t / 14);
    for (int32_t rest = t % 14; rest > 0; --rest) {
        // (the first weight below 5 answers it)
        if (std::none_of(w, w + 14, [](uint8_t x) { return x < 5; })) break;
        for (;;) {
            const int32_t k = Zufall_Gross(0, 13);
            if (w[k] < 5) {
                ++w[k];
                break;
            }
        }
    }
    Team_Zeiger(805, team, w, 1);
    if (static_cast<uint32_t>(team) == Handelndes_Team) Spieler_Training_Regler_Refresh(std::clamp(t, 1, 45));
}

void Assis_Setze_Basis_Taktik(int32_t team)
{
    if (!team_ok(team)) return;
    const int32_t a = faehigkeit(team, 1, 50);
    if (a < 0) return;
    const int8_t* pref = static_cast<const int8_t*>(Team_Zeiger(813, team, nullptr, 0));
    int32_t feld[500];
    const int32_t anzahl = std::min<int32_t>(Teamspieler_Ins_Array(team, feld, 500, 0), 500);
    int64_t summe[9] = {};
    int32_t n = 0, zeilen = 0, spalten = 0;
    for (int32_t i = 0; i < anzahl; ++i) {
        const int32_t sp = feld[i];
        if (!(Teamspieler_Wert(317, team, sp, 0, 0) & TS_STARTELF)) continue;
        const int32_t lieb = Spieler_Wert(SP_LIEBLINGSPOS, sp, 0, SP_LESEN);
        if (lieb == SP_POS_TORWART) continue;
        int32_t v[SP_ATTRIBUTVEKTOR];
        Spieler_Attribute(sp, v, SP_ATTRIBUTE_LESEN);
        for (int32_t k = 0; k < 9; ++k) summe[k] += v[k];
        zeilen += lieb / 17;
        spalten += std::abs(lieb % 17 - 9);
        ++n;
    }
    if (n == 0) {
        Print_Fehler("Assis_Setze_Basis_Taktik: sp_zahl==0!");
        return;
    }
    int64_t m[9], gesamt = 0;
    for (int32_t k = 0; k < 9; ++k) gesamt += m[k] = summe[k] / n;
    const int64_t mittel = gesamt / 9;
    if (mittel == 0) {
        Print_Fehler("Assis_Setze_Basis_Taktik: mittelwert1024==0!");
        return;
    }
    int32_t r[9];
    for (int32_t k = 0; k < 9; ++k) r[k] = static_cast<int32_t>(m[k] * 100 / mittel);
    const int32_t zr = Zufall_Gross(80 + a / 5, 120 - a / 5);
    const int32_t R = zeilen * zr / 100;
    const int32_t zc = Zufall_Gross(80 + a / 5, 120 - a / 5);
    const int32_t C = spalten * zc / 100;
    uint8_t b[8];
    b[0] = R <= 122 ? 2 : r[7] > 97 ? 0 : 1;
    const int32_t l1 = Zufall_Gross(0, 29);
    b[1] = static_cast<uint8_t>(l1 / 10);
    b[2] = C < 33 ? 0 : C > 39 ? 2 : 1;
    const int32_t x = (2 * r[4] + r[3]) / 3;
    b[3] = x < 93 ? 0 : x > 101 ? 2 : 1;
    const int32_t l4 = Zufall_Gross(0, 29);
    b[4] = static_cast<uint8_t>(l4 / 10);
    b[5] = r[6] < 95 ? 0 : r[6] > 103 ? 2 : 1;
    b[6] = r[2] < 98 ? 0 : r[2] > 106 ? 2 : 1;
    b[7] = R <= 122 ? 0 : R >= 130 ? 2 : 1;
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t los = Zufall_Gross(70, 90);
        if (pref && los < pref[3 * i + b[i]]) {
            const int32_t neu = Zufall_Gross(0, 2);
            b[i] = static_cast<uint8_t>(neu);
        }
    }
    for (;;) {
        const int32_t fehler = Zufall_Gross(0, 100);
        if (fehler <= a) break;
        const int32_t weiter = Zufall_Gross(0, 2);
        if (weiter != 0) break;
        const int32_t byte = Zufall_Gross(0, 7);
        const int32_t wert = Zufall_Gross(0, 2);
        b[byte] = static_cast<uint8_t>(wert);
    }
    Team_Zeiger(808, team, b, 1);
}

void Assi_Trainer_Alle_Teams()
{
    if (Netz_Rolle == 1 || !T) return;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        const int32_t f = Team_Wert(169, t, 0, TEAM_LESEN);
        if (f & 32) {
            int32_t auswaerts = 0;
            const int32_t gegner = Spieltag_Get_Gegner(t, &auswaerts, nullptr, nullptr, nullptr);
            if (gegner >= 0) Assis_Setze_Spiel_Taktik(t, gegner, auswaerts, -1);
        }
        if (f & 3) {
            int32_t auswaerts = 0, wichtigkeit = 0;
            const int32_t gegner = Spieltag_Get_Gegner(t, &auswaerts, &wichtigkeit, nullptr, nullptr);
            if (gegner < 0) auswaerts = 0;
            Assi_Mannschaftsaufstellung(t, gegner, f & 2 ? 2 : 1, auswaerts, gegner >= 0 ? wichtigkeit : 50, -1, false);
        }
        // The line-up request is answered now; left set, the club would be lined up anew every day.
        // (a club without any of them asked for nothing above, and has nothing to clear)
        constexpr int32_t ANFRAGEN = 1 | 2 | 4 | 32 | 64;
        if (f & ANFRAGEN) Team_Wert(169, t, ANFRAGEN, TEAM_LOESCHEN);
    }
}
