// Forecast ("Tip") of an unplayed match: drawn with a seed made from the home team's name, so
// the same pairing gets the same forecast on every call and every PC, and the game's random
// sequence is left where it stood.
#include <cstdint>

#include "competitions/spiele.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_tabelle.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "platform/zufall.h"

namespace {

int32_t bereich(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi ? v : lo; }

}  // namespace

bool spiele_tip_ergebnis(const Spiele_Spiel& s, int32_t* heim, int32_t* gast)
{
    if (s.heim_tore != -1) {
        *heim = s.heim_tore;
        *gast = s.gast_tore;
        return true;
    }
    if (s.heim >= Team_Anzahl || s.gast >= Team_Anzahl || !T_Fix) return false;
    const char* name = Team_String(TEAM_NAME_ROH, s.heim, nullptr, 0);
    int32_t seed = 1234;
    for (const char* c = name; c && *c; ++c) seed = (seed + int32_t(uint8_t(*c)) * 10) % 9999;

    Zufall_Push_Seed();
    Zufall_Set_Seed(seed);
    const int32_t H = Team_Spieler_Summen_Staerke(s.heim, SP_K_I_T, 0);
    const int32_t A = Team_Spieler_Summen_Staerke(s.gast, SP_K_I_T, 0);
    // One draw per statement: the order of the draws is the written one on every compiler.
    int32_t h = Zufall(0, 1 + (H > A));
    const int32_t heim_abzug = Zufall(5, 30);
    h += Zufall(0, 2 * (H - heim_abzug > A));
    int32_t a = Zufall(0, A - 20 > H);
    const int32_t gast_abzug = Zufall(5, 50);
    a += Zufall(0, 2 * (A - 20 - gast_abzug > H));

    int32_t gesamt = 50, d = 50, m = 50, st = 50;
    Team_Vergleiche_Abw_Mit_Stu(s.heim, s.gast, &gesamt, &d, &m, &st, -1, -1);
    d = bereich((100 - d) / 5, 5, 15);
    m = bereich((m - 50) / 5, -5, 5);
    st = bereich(st / 5, 5, 15);
    // A chance against a draw of 0..2, then a finish that must reach 5; no finish is drawn
    // for a chance that failed.
    auto trifft = [](int32_t chance, int32_t abschluss) {
        const int32_t c = Zufall(0, chance);
        const int32_t gegen = Zufall(0, 2);
        if (c <= gegen) return false;
        const int32_t schuss = Zufall(0, abschluss);
        return schuss >= 5;
    };
    for (int32_t i = 0; i < 4; ++i) {
        if (trifft(5 - m, d)) ++a;
        if (trifft(m + 5, st) || trifft(m + 5, st)) ++h;
    }
    if (Zufall(0, 2) != 0 && h > 0 && a > 0) {
        --h;
        --a;
    }
    if (h > 2 && a > 2 && h + a > 4) {
        --h;
        --a;
    }
    Zufall_Pop_Seed();
    *heim = h;
    *gast = a;
    return true;
}

bool Spiele_Get_Tip(int32_t h, int32_t* heim_tore, int32_t* gast_tore, int32_t text)
{
    if (!heim_tore || !gast_tore || !Spiele_Ist_Initialisiert()) return false;
    Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
    if (!s || !spiele_tip_ergebnis(*s, heim_tore, gast_tore)) return false;
    if (text && s->heim_tore == -1) {
        Spiele_Spiel kopie = *s;
        kopie.heim_tore = int8_t(*heim_tore);
        kopie.gast_tore = uint8_t(*gast_tore);
        kopie.ergebnis_art = SPIELE_ART_TIP;
        Spiele_Ergebnis_Text_Bauen(&kopie, 1);
    }
    return true;
}
