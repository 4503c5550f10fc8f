// Squad planning of the clubs that plan by themselves: where the squad is thin a search slot is
// switched on, where it is crowded and the squad too large one player goes on the transfer list.
//
// The rule: each place of the club's formation wants two players in its coarse cell, and the
// keepers want three. A cell's need is what it wants minus the players whose favourite cell lies
// there. The cell (or the keepers) with the highest positive need gets a search slot while the
// squad is below the buying limit; the cell with the largest surplus gives up one player while
// the squad is above the selling limit and fewer players than the excess are listed already.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

#include "database/assistent.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t BAND_ERSTE[ASSI_GROB_BAENDER] = {0, 4, 7, 10, 13};
constexpr int32_t BAND_LETZTE[ASSI_GROB_BAENDER] = {3, 6, 9, 12, 16};
constexpr int32_t TORWART_SOLL = 3;
constexpr int32_t PLATZ_SOLL = 2;

constexpr int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

constexpr int32_t band_von(int32_t spalte)
{
    for (int32_t b = ASSI_GROB_BAENDER - 1; b > 0; --b)
        if (spalte >= BAND_ERSTE[b]) return b;
    return 0;
}

// Each grid cell's coarse cell, made when the program is built: each squad planning asks it for
// every player.
constexpr auto GROBFELD = [] {
    std::array<int8_t, SP_POS_TORWART> t{};
    for (int32_t z = 0; z < SP_POS_TORWART; ++z)
        t[size_t(z)] = int8_t(band_von(z % 17) * ASSI_GROB_ZEILEN + begrenzt(z / 17 / 3, 0, ASSI_GROB_ZEILEN - 1));
    return t;
}();

// Coarse cell index of a grid cell, -1 for the keeper's cell or a cell off the grid.
int32_t grobfeld(int32_t zelle) { return zelle < 0 || zelle >= SP_POS_TORWART ? -1 : GROBFELD[size_t(zelle)]; }

bool team_gueltig(int32_t team)
{
    return T && team >= 0 && team < Team_Anzahl && team != Transfermarkt_Team && team != Jugend_Team;
}

// The squad in list order, with each player's link record where `records` is given.
int32_t kader(int32_t team, int32_t* spieler, TS** records = nullptr)
{
    return Teamspieler_Kader(team, spieler, records, TEAM_MAX_SPIELER + 1, 0);
}

}  // namespace

void Assi_Grobfeld_Rechteck(int32_t zeile, int32_t band, int32_t* zelle_a, int32_t* zelle_b)
{
    zeile = begrenzt(zeile, 0, ASSI_GROB_ZEILEN - 1);
    band = begrenzt(band, 0, ASSI_GROB_BAENDER - 1);
    if (zelle_a) *zelle_a = 3 * zeile * 17 + BAND_ERSTE[band];
    if (zelle_b) *zelle_b = (3 * zeile + 2) * 17 + BAND_LETZTE[band];
}

// A computer club's financial strength comes from its place in the table, not from its money:
// a club in debt plans its squad as a poor one, or it keeps a squad its income never pays.
// (`g` its financial strength)
static int32_t planungs_finanzkraft(int32_t team, int32_t g)
{
    return Team_Hat_Manager(team) ? g : std::min(g, Team_Rueckhalt_Prozent(team));
}

static int32_t planungs_finanzkraft(int32_t team) { return planungs_finanzkraft(team, Team_Get_Finanzkraft(team)); }

int32_t Assi_Kader_Grenze(int32_t team) { return planungs_finanzkraft(team) / 17 + 17; }

int32_t Assi_Kader_Grenze_Kauf(int32_t team) { return planungs_finanzkraft(team) / 17 + 20; }

void Assi_Rechteck_Vergroessern(int32_t zeilen, int32_t spalten, int32_t zelle_a, int32_t zelle_b, int32_t* aus_a,
                                int32_t* aus_b)
{
    int32_t za = zelle_a / 17, sa = zelle_a % 17, zb = zelle_b / 17, sb = zelle_b % 17;
    if (za > zb) std::swap(za, zb);
    if (sa > sb) std::swap(sa, sb);
    if (zb - za + 1 < 3) {
        za = za - zeilen < 0 ? 0 : za - zeilen;
        zb += zeilen;
    }
    if (sb - sa + 1 < 3) {
        sa = sa - spalten < 0 ? 0 : sa - spalten;
        sb += spalten;
    }
    if (aus_a) *aus_a = za * 17 + sa;
    if (aus_b) *aus_b = zb * 17 + sb;
}

void Assi_Suche_Slot_Setzen(int32_t team, int32_t zeile, int32_t band, int32_t slot)
{
    if (!team_gueltig(team) || slot < 0 || slot > 3) {
        Print_Fehler("Assi_Suche_Slot_Setzen: team=%d, slot=%d falsch!", team, slot);
        return;
    }
    Team_Transfersuche& s = T_Own[team].suche;
    s.alter_min[slot] = 18;
    s.alter_max[slot] = 35;
    std::memset(s.rest + 21 * slot, 0, 21);
    // The window spans the squad's own strengths (its mean, one spread either side): the tiers'
    // windows assume leagues spread evenly over the whole range, and a club of a world whose
    // leagues are not would look for players hardly anyone has and never fill its squad.
    int32_t lo = 1, hi = 999;
    Team_Get_Staerke_Spanne(team, &lo, &hi, -1, -1);
    int32_t spieler[TEAM_MAX_SPIELER + 1];
    const int32_t n = std::min(kader(team, spieler), TEAM_MAX_SPIELER + 1);
    if (n > 0) {
        int64_t summe = 0, quadrate = 0;
        for (int32_t i = 0; i < n; ++i) {
            const int64_t k = Spieler_Wert(SP_K_I_T, spieler[i], 0, SP_LESEN);
            summe += k;
            quadrate += k * k;
        }
        const int32_t mittel = int32_t(summe / n);
        const int32_t streuung = int32_t(std::sqrt(std::max<double>(0.0, double(quadrate) / n - double(mittel) * mittel)));
        lo = begrenzt(mittel - streuung, 1, 999);
        hi = begrenzt(mittel + streuung, 1, 999);
    }
    for (int32_t schritt = 0; schritt < 1000 && hi - lo < 80; ++schritt) {
        if (hi < 999) ++hi;
        else --lo;
    }
    s.staerke_min[slot] = static_cast<int16_t>(lo);
    s.staerke_max[slot] = static_cast<int16_t>(hi);
    // A computer club bids above what a player asks (the offers are weighed at about a fifth of
    // the price percent above his demand, and an auction takes the best of them) only as far as
    // its money carries a season of its wages: bidding a fifth above every demand, as managers'
    // assistants do, drove the poorer clubs' wage bills far past their income.
    int32_t preis;
    if (Team_Hat_Manager(team)) {
        preis = Zufall(90, 110);
    } else {
        preis = Zufall(30, 50);
        preis += 60 * Team_Rueckhalt_Prozent(team) / 100;
    }
    s.preis[slot] = static_cast<uint16_t>(preis);
    if (zeile == ASSI_GROB_TORWART) {
        s.torwart[slot] = 1;
        s.zelle_a[slot] = s.zelle_b[slot] = SP_POS_TORWART;
    } else {
        int32_t a = 0, b = 0;
        Assi_Grobfeld_Rechteck(zeile, band, &a, &b);
        Assi_Rechteck_Vergroessern(1, 1, a, b, &a, &b);
        s.torwart[slot] = 0;
        s.zelle_a[slot] = static_cast<int16_t>(a);
        s.zelle_b[slot] = static_cast<int16_t>(b);
    }
    s.spieler[slot] = -1;
    s.aktiv[slot] = 1;
}

void Assi_Spieler_Auf_Transferliste(int32_t team, const int8_t* bedarf, int32_t zeile, int32_t band)
{
    if (!team_gueltig(team) || !bedarf) return;
    if (Team_Wert(TEAM_SPIELERANZAHL, team, 0, TEAM_LESEN) <= Assi_Kader_Grenze(team)) return;
    int32_t spieler[TEAM_MAX_SPIELER + 1];
    // off a network client the link records come with the squad and are read in place, as
    // Teamspieler_Wert reads them
    TS* records[TEAM_MAX_SPIELER + 1];
    const bool direkt = Netz_Rolle != 1;
    const int32_t n = kader(team, spieler, direkt ? records : nullptr);
    if (n <= 0) return;
    int32_t alter_summe = 0;
    int32_t alter_von[TEAM_MAX_SPIELER + 1];
    for (int32_t i = 0; i < n; ++i) alter_summe += alter_von[i] = Spieler_Wert(SP_ALTER, spieler[i], 0, SP_LESEN);
    const bool alt = alter_summe / n >= 29;
    const bool torwart = zeile == ASSI_GROB_TORWART;

    struct Kandidat {
        int32_t spnr, alter, staerke, bedarf;
    };
    Kandidat k[TEAM_MAX_SPIELER + 1];
    int32_t m = 0, hoechster = 0;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t p = spieler[i];
        if ((direkt ? records[i]->wert_324 : Teamspieler_Wert(324, team, p, 0, 0)) != 0) continue;
        const int32_t alter = alter_von[i];
        const int32_t grenze = Zufall_Gross(31, 35);
        if (alter >= grenze) continue;
        if ((direkt ? records[i]->herkunft : Teamspieler_Wert(318, team, p, 0, 0)) != team) continue;
        const int32_t flags = direkt ? static_cast<int32_t>(records[i]->flags) : Teamspieler_Wert(317, team, p, 0, 0);
        if (flags & (0xFC0 | static_cast<int32_t>(TS_TRANSFERLISTE))) continue;
        const int32_t f = Spieler_Wert(SP_LIEBLINGSPOS, p, 0, SP_LESEN);
        Kandidat c{p, alter, 0, 0};
        if (torwart) {
            if (f != SP_POS_TORWART) continue;
            c.staerke = Spieler_Wert(SP_TORWART_STAERKE, p, 0, SP_LESEN);
        } else {
            const int32_t feld = grobfeld(f);
            if (feld < 0) continue;
            if (!alt) {
                const int32_t r = feld % ASSI_GROB_ZEILEN, b = feld / ASSI_GROB_ZEILEN;
                if (r < zeile || r > zeile + 2 || b < band || b > band + 2) continue;
            }
            c.staerke = Spieler_Wert(SP_K_I_T, p, 0, SP_LESEN);
            c.bedarf = bedarf[feld];
        }
        if (c.bedarf > hoechster) hoechster = c.bedarf;
        k[m++] = c;
    }
    const int32_t g = Team_Get_Finanzkraft(team);
    for (int32_t wert = hoechster; wert >= 0; --wert) {
        int32_t wahl = -1;
        int64_t best = 0;
        for (int32_t i = 0; i < m; ++i) {
            if (k[i].bedarf < wert) continue;
            int64_t x;
            bool besser;
            if (g < 20 || (g <= 70 && alt)) {
                // the oldest and strongest: most money for the club
                x = int64_t(k[i].alter) * 2 * k[i].staerke / 100;
                besser = wahl < 0 || x > best;
            } else if (g <= 70) {
                const int32_t los = Zufall(0, 100);
                x = int64_t(k[i].staerke) * los / 100;
                besser = wahl < 0 || x < best;
            } else {
                x = int64_t(100 - 2 * k[i].alter) * k[i].staerke / 100;
                besser = wahl < 0 || x < best;
            }
            if (besser) {
                wahl = i;
                best = x;
            }
        }
        if (wahl >= 0) {
            Teamspieler_Wert(317, team, k[wahl].spnr, static_cast<int32_t>(TS_TRANSFERLISTE), 8);
            return;
        }
    }
}

bool Assi_Suche_Analysiere_Grobes_Spielfeld(int32_t team)
{
    if (!team_gueltig(team) || !Team_Ist_Normal(team, 0)) return false;
    if (Assistent_Mit_Aufgabe(team, ASSI_AUFGABE_TRANSFER) == -1) return false;

    int32_t soll[ASSI_GROB_FELDER] = {};
    uint64_t beruehrt = 0;  // bit f: coarse cell f wants or has a player
    static_assert(ASSI_GROB_FELDER <= 64);
    uint8_t aufstellung[100];
    const int32_t nummer = Team_Hat_Manager(team) ? 0 : begrenzt(T[team].system_1, 0, TEAM_FORMATIONEN - 1);
    Team_Aufstellungsarray(team, 0, nummer, aufstellung, nullptr, nullptr);
    for (int32_t i = 0; i < 10; ++i) {
        const int32_t f = grobfeld(begrenzt(aufstellung[2 * i], 0, 26) * 17 + begrenzt(aufstellung[2 * i + 1], 0, 16));
        if (f >= 0) soll[f] += PLATZ_SOLL, beruehrt |= uint64_t(1) << f;
    }
    // every club with a transfer assistant every day: the flags straight from the link records
    int32_t spieler[TEAM_MAX_SPIELER + 1];
    TS* records[TEAM_MAX_SPIELER + 1];
    const int32_t n = kader(team, spieler, records);
    int32_t ist[ASSI_GROB_FELDER] = {}, torhueter = 0, gelistet = 0;
    // a server's player records are read in place, as Spieler_Wert answers there
    const bool direkt = Netz_Rolle != 1 && Spieler_Daten && Spieler_Fix_Daten;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t p = spieler[i];
        if (records[i]->flags & TS_TRANSFERLISTE) {
            ++gelistet;
            continue;
        }
        const bool lesbar = direkt && p >= 0 && p < Spieler_Anzahl;
        if ((lesbar ? int32_t(Spieler_Daten[p].status) : Spieler_Wert(SP_STATUS, p, 0, SP_LESEN)) & SP_STATUS_WECHSEL) continue;
        const int32_t pos = lesbar ? int32_t(Spieler_Fix_Daten[p].lieblingspos) : Spieler_Wert(SP_LIEBLINGSPOS, p, 0, SP_LESEN);
        if (pos == SP_POS_TORWART) ++torhueter;
        else if (const int32_t f = grobfeld(pos); f >= 0) ++ist[f], beruehrt |= uint64_t(1) << f;
    }
    // The first cell of the highest need and of the largest surplus, as a walk over all cells in
    // order finds them. A cell nobody wants or has stands at 0, and of a run of such cells only
    // the first can be the first of its value: the walk takes the touched cells and each gap's first.
    int32_t max_feld = -1, max_wert = TORWART_SOLL - torhueter, min_feld = -1, min_wert = TORWART_SOLL - torhueter;
    auto pruefen = [&](int32_t f, int32_t b) {
        if (b > max_wert) {
            max_wert = b;
            max_feld = f;
        }
        if (b < min_wert) {
            min_wert = b;
            min_feld = f;
        }
    };
    int32_t naechstes = 0;  // the first cell the walk has not passed
    for (uint64_t m = beruehrt; m; m &= m - 1) {
        const int32_t f = std::countr_zero(m);
        if (f > naechstes) pruefen(naechstes, 0);
        pruefen(f, begrenzt(soll[f] - ist[f], -127, 127));
        naechstes = f + 1;
    }
    if (naechstes < ASSI_GROB_FELDER) pruefen(naechstes, 0);

    const int32_t anzahl = Team_Wert(TEAM_SPIELERANZAHL, team, 0, TEAM_LESEN);
    Team_Transfersuche& s = T_Own[team].suche;
    // The club's planning strength / 17 (the base of Assi_Kader_Grenze_Kauf and Assi_Kader_Grenze),
    // looked up once when a limit is asked for. A computer club's is its financial strength capped
    // by its backing in percent (0..100), which reads its account and weekly wages: a limit that
    // lies on one side of the squad's size for every backing needs no look-up.
    const bool gemanagt = Team_Hat_Manager(team);
    const int32_t finanzkraft = Team_Get_Finanzkraft(team);
    std::optional<int32_t> kraft;
    auto basis = [&] {
        if (!kraft) kraft = planungs_finanzkraft(team, finanzkraft) / 17;
        return *kraft;
    };
    const int32_t basis_min = gemanagt ? finanzkraft / 17 : std::min(finanzkraft, 0) / 17;
    const int32_t basis_max = gemanagt ? finanzkraft / 17 : std::min(finanzkraft, 100) / 17;
    // whether the base lies below `grenze`
    auto basis_unter = [&](int32_t grenze) {
        if (basis_max < grenze) return true;
        if (basis_min >= grenze) return false;
        return basis() < grenze;
    };
    bool gehandelt = false;  // a slot switched on or the transfer list looked at
    // anzahl < basis + 20
    if (max_wert > 0 && !basis_unter(anzahl - 19)) {
        int32_t zeile = ASSI_GROB_TORWART, band = 0;
        if (max_feld >= 0) {
            zeile = max_feld % ASSI_GROB_ZEILEN;
            band = max_feld / ASSI_GROB_ZEILEN;
        }
        int32_t a = SP_POS_TORWART, b = SP_POS_TORWART;
        if (max_feld >= 0) {
            Assi_Grobfeld_Rechteck(zeile, band, &a, &b);
            Assi_Rechteck_Vergroessern(1, 1, a, b, &a, &b);
        }
        bool schon = false;
        int32_t frei = -1;
        for (int32_t k = 0; k < 4; ++k) {
            if (s.aktiv[k] && s.spieler[k] == -1 && (max_feld < 0 ? s.torwart[k] != 0 : s.zelle_a[k] == a && s.zelle_b[k] == b))
                schon = true;
            if (!s.aktiv[k] && frei < 0) frei = k;
        }
        if (!schon && frei >= 0) {
            Assi_Suche_Slot_Setzen(team, zeile, band, frei);
            gehandelt = true;
        }
    }
    // anzahl > basis + 17 and gelistet < anzahl - (basis + 17): the listed are never fewer than none
    if (min_wert < 0 && basis_unter(anzahl - 17 - gelistet)) {
        int8_t ueber[ASSI_GROB_FELDER];
        for (int32_t f = 0; f < ASSI_GROB_FELDER; ++f) {
            const int32_t b = begrenzt(soll[f] - ist[f], -127, 127);
            ueber[f] = static_cast<int8_t>(b < 0 ? -b : 0);
        }
        if (min_feld < 0)
            Assi_Spieler_Auf_Transferliste(team, ueber, ASSI_GROB_TORWART, 0);
        else
            Assi_Spieler_Auf_Transferliste(team, ueber, begrenzt(min_feld % ASSI_GROB_ZEILEN - 1, 0, ASSI_GROB_ZEILEN - 3),
                                           begrenzt(min_feld / ASSI_GROB_ZEILEN - 1, 0, ASSI_GROB_BAENDER - 3));
        gehandelt = true;
    }
    return gehandelt;
}
