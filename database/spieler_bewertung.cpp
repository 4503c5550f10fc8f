// Player valuation: salary demand and transfer fee from strength, age and contract length, and the
// ratings of salary and fee offers. Amounts in thousands of DM; the value itself is computed in
// double precision, so that every PC gets the same figures.
#include <cmath>
#include <cstdint>

#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

// Top strengths by difficulty level: above the threshold the top share grows with a power.
constexpr int32_t SCHWELLE[5] = {995, 985, 970, 950, 950};
constexpr double EXPONENT[5] = {0.0, 1.2, 1.12, 0.9, 1.0};

int32_t in_i32(double v)
{
    if (!(v > -2147483648.0)) return INT32_MIN;
    if (!(v < 2147483647.0)) return INT32_MAX;
    return static_cast<int32_t>(v);
}

int32_t in_i32(int64_t v) { return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<int32_t>(v); }

bool spnr_gueltig(int32_t spnr) { return Spieler_Daten && spnr >= 0 && spnr < Spieler_Anzahl; }

// The value behind salary and fee, from strength (10..995), age, contract months and the
// difficulty level; no draws.
int32_t marktwert_rechnen(int32_t k, int32_t a, int32_t monate, uint32_t d)
{
    const int32_t jung = a < 18 ? 1 : 0;

    int64_t basis, spitze;
    if (k <= 900) {
        basis = (18 + jung) * k / 20;
        spitze = k - basis;
    } else {
        const int32_t k2 = k - 20 * jung;
        int32_t e;
        if (k2 > SCHWELLE[d]) e = static_cast<int32_t>(std::pow(static_cast<double>(k2 - SCHWELLE[d]), EXPONENT[d])) + 25;
        else e = (k2 - 900) / 4;
        int32_t f = e + 10;
        f = f < 0 ? 0 : f > 100 ? 100 : f;
        spitze = static_cast<int64_t>(k2) * f / 100;
        basis = k2 - spitze;
    }
    const int64_t faktor = static_cast<int64_t>(std::pow(2.0, 1.0 + static_cast<double>(k) * 0.0025));
    int64_t wert = (basis + spitze * faktor) * 650;
    const int64_t g = a != 0 ? (a - 10) / 2 - 7 : 0;
    wert = (100 - g) * wert / 100;
    const double hoch = (static_cast<double>(monate) * 0.001 - 0.012) * 0.25 + 1.018;
    return wert > 0 ? in_i32(std::pow(static_cast<double>(wert), hoch)) : 0;
}

// The value is asked for again and again with the same terms (every raise of an auction rates
// the bids anew, each with up to three powers): the last results, looked up by their terms, one
// store per thread.
int32_t marktwert(int32_t k, int32_t a, int32_t monate)
{
    const uint32_t d = Schwierigkeitsstufe > 4 ? 4 : Schwierigkeitsstufe;
    struct Eintrag {
        int32_t k = -1, a = 0, monate = 0;
        uint32_t d = 0;
        int32_t v = 0;
    };
    static thread_local Eintrag speicher[1024];
    const uint32_t h = (uint32_t(k) * 2654435761u ^ uint32_t(a) * 40503u ^ uint32_t(monate) * 97u ^ d) % 1024u;
    Eintrag& e = speicher[h];
    if (e.k != k || e.a != a || e.monate != monate || e.d != d) e = {k, a, monate, d, marktwert_rechnen(k, a, monate, d)};
    return e.v;
}

// The held figures of one player (spnr -1: none held), one per thread like the store above.
thread_local Spieler_Bewertung_Halten::Werte gehalten;

bool im_team_gelistet(int32_t team, int32_t spnr)
{
    return Teamspieler_Ist_Im_Team(team, spnr) >= 0 && (Teamspieler_Wert(317, team, spnr, 0, 0) & TS_TRANSFERLISTE);
}

}  // namespace

Spieler_Bewertung_Halten::Spieler_Bewertung_Halten(int32_t spnr, int32_t team) : vorher_(gehalten)
{
    Werte w;
    if (spnr_gueltig(spnr)) {
        w.spnr = spnr;
        w.staerke = Spieler_Wert(SP_K_I_T, spnr, 0, SP_LESEN);
        w.alter = Spieler_Wert(SP_ALTER, spnr, 0, SP_LESEN);
        w.team = team;
        w.gelistet = im_team_gelistet(team, spnr);
    }
    gehalten = w;
}

Spieler_Bewertung_Halten::~Spieler_Bewertung_Halten() { gehalten = vorher_; }

namespace {

// The strength a valuation goes by: a player too weak to be valued by his own draws one.
int32_t bewertete_staerke(int32_t spnr, int32_t staerke, bool halt)
{
    int32_t k = staerke != -1 ? staerke : halt ? gehalten.staerke : Spieler_Wert(SP_K_I_T, spnr, 0, SP_LESEN);
    if (k < 10) k = Zufall(8, 15);
    return k;
}

}  // namespace

void Spieler_Bewertung_Ziehen(int32_t spnr)
{
    if (!spnr_gueltig(spnr)) return;
    const int32_t k = bewertete_staerke(spnr, -1, gehalten.spnr >= 0 && spnr == gehalten.spnr);
    static_cast<void>(k);
}

void Spieler_Bewerte_Marktwert_Gehalt(int32_t team, int32_t spnr, int32_t staerke, int32_t alter, int32_t monate,
                                      int32_t* gehalt, int32_t* abloese, int32_t flag)
{
    if ((staerke == -1 || alter == -1) && !spnr_gueltig(spnr)) {
        Print_Fehler("Spieler_Bewerte_Marktwert_Gehalt: spnr=%d falsch!", spnr);
        if (gehalt) *gehalt = 0;
        if (abloese) *abloese = 0;
        return;
    }
    const bool halt = gehalten.spnr >= 0 && spnr == gehalten.spnr;
    const int32_t a = alter != -1 ? alter : halt ? gehalten.alter : Spieler_Wert(SP_ALTER, spnr, 0, SP_LESEN);
    int32_t k = bewertete_staerke(spnr, staerke, halt);
    if (k > 995) k = 995;
    const int32_t v = marktwert(k, a, monate);
    if (gehalt) {
        int32_t s = v / 1000;
        if (s > 3000) s = (s - 3000) / 2 + 3000;
        *gehalt = s;
    }
    if (abloese) {
        if (team == Transfermarkt_Team || team == Jugend_Team) {
            *abloese = 0;
        } else {
            int64_t f = in_i32((1.0 + static_cast<double>(monate / 24)) * static_cast<double>(v) * 0.5);
            f = f * 15 / 10;
            if (flag && (halt && team == gehalten.team ? gehalten.gelistet : im_team_gelistet(team, spnr))) f = f * 80 / 100;
            *abloese = in_i32(f / 1000);
        }
    }
}

void Spieler_Bewerte_Marktwert_Gehalt_Angebot(int32_t team, int32_t spnr, int32_t staerke, int32_t alter,
                                              int32_t monate, int32_t* gehalt, int32_t* abloese, int32_t flag)
{
    int32_t g = 0, f = 0;
    Spieler_Bewerte_Marktwert_Gehalt(team, spnr, staerke, alter, monate, &g, &f, flag);
    if (gehalt) *gehalt = in_i32(static_cast<int64_t>(g) * 12 / 10);
    if (abloese) *abloese = in_i32(static_cast<int64_t>(f) * 7 / 10);
}

int32_t Spieler_Bewerte_Angebot_Gehalt(int32_t bieter, int32_t team, int32_t spnr, int32_t monate, int32_t angebot)
{
    if (!spnr_gueltig(spnr)) {
        Print_Fehler("Spieler_Bewerte_Angebot_Gehalt: spnr=%d falsch!", spnr);
        return -2;
    }
    int32_t norm = 0;
    Spieler_Bewerte_Marktwert_Gehalt(bieter, spnr, -1, -1, monate, &norm, nullptr, 1);
    // the norm divides below: a player worth nothing counts as worth 1
    if (norm <= 0) {
        Print_Fehler("Spieler_Bewerte_Angebot_Gehalt: norm_gehalt<=0!");
        norm = 1;
    }
    const bool eigener = bieter == team;
    int32_t treue, zufrieden;
    if (eigener) {
        treue = Spieler_Wert(SP_VEREINSTREUE, spnr, 0, SP_LESEN);
        if (treue >= 75) treue = Zufall(125, 160);
        zufrieden = Teamspieler_Wert(306, team, spnr, 0, 0);
    } else {
        treue = 50;
        zufrieden = Zufall(40, 60);
    }
    if (treue < 20) treue = 20;
    if (zufrieden < 20) zufrieden = 20;
    const int64_t s = ((150 - zufrieden) + (150 - treue)) / 2;
    const int64_t r = Zufall(96, 104);
    const int64_t o = static_cast<int64_t>(angebot) * 8 / 10 + (((2 * static_cast<int64_t>(angebot) * r) / 10) / 100) * s / 100;

    int64_t n = norm;
    if (eigener) {
        int64_t c = static_cast<int64_t>(Teamspieler_Wert(301, team, spnr, 0, 0) / 1000) * 100 / n;
        int64_t alt = Kalender_Get_Heute() - Teamspieler_Wert(323, team, spnr, 0, 0);
        alt = alt < 0 ? 0 : alt > 700 ? 700 : alt;
        c = (700 - alt) * (c - 100) / 700 + 100;
        n = n * c / 100;
    }
    if (n <= 0) {
        Print_Fehler("Spieler_Bewerte_Angebot_Gehalt: norm_gehalt<=0!");
        n = 1;
    }
    if (o >= n) return in_i32(o * 100 / n);
    const int64_t p = o * 100 / n;
    const int32_t grenze = Zufall(70, 80);
    return p > grenze ? -2 : -1;
}

int32_t Spieler_Bewerte_Angebot_Abloese(int32_t team, int32_t, int32_t spnr, int32_t monate, int32_t angebot,
                                        int32_t zweite_abloese)
{
    int32_t abloese = 0;
    int64_t gebot = angebot;
    Spieler_Bewerte_Marktwert_Gehalt(team, spnr, -1, -1, monate, nullptr, &abloese, 1);
    if (zweite_abloese > 0) {
        Spieler_Bewerte_Marktwert_Gehalt_Angebot(team, spnr, -1, -1, monate, nullptr, &abloese, 1);
        gebot = zweite_abloese;
    }
    if (abloese <= 0) return Zufall(95, 105);
    if (gebot >= abloese) return in_i32(gebot * 100 / abloese);
    const int64_t p = gebot * 100 / abloese;
    const int32_t grenze = Zufall(60, 85);
    return p > grenze ? -2 : -1;
}

void Spieler_Herausragende_Attribute(int32_t spnr, int32_t, int32_t, int32_t* aus)
{
    if (!aus) return;
    for (int i = 0; i < 4; ++i) aus[i] = -1;
    if (!spnr_gueltig(spnr)) {
        Print_Fehler("Spieler_Herausragende_Attribute: spnr=%d falsch!", spnr);
        return;
    }
    int32_t v[SP_ATTRIBUTVEKTOR];
    Spieler_Attribute(spnr, v, SP_ATTRIBUTE_LESEN);
    const int32_t art = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN);
    int32_t wert[24] = {};
    for (int i = 9; i < 24; ++i)
        if (Spieler_Attribut_Vorhanden(spnr, i, art)) wert[i] = i == 20 ? v[i] / 3 : v[i];
    for (int n = 0; n < 4; ++n)
        for (int i = 9; i < 24; ++i)
            if (wert[i] > 75) {
                aus[n] = i;
                wert[i] = 0;
                break;
            }
}
