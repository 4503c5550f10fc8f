// Strength measures of a team over its players.
#include "database/team_staerke.h"

#if defined(__x86_64__) && !defined(DORVIN_STAERKE_OHNE_SIMD)
#include <emmintrin.h>
#endif

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/ligen.h"
#include "gameflow/globals.h"
#include "platform/liste.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

bool team_gueltig(int32_t team) { return T_Fix && team >= 0 && team < Team_Anzahl; }
bool pseudo(int32_t team) { return team == Transfermarkt_Team || team == Jugend_Team; }
int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

// Each result figure: 100 for an even match, then halved.
int32_t anteil(int64_t eigen, int64_t summe)
{
    const int64_t teiler = summe / 2;
    return static_cast<int32_t>((teiler == 0 ? 100 : eigen * 100 / teiler) / 2);
}

// x / d as C++ divides, for d >= 1. The rows' counts are small: for 0 <= x < 2^32 and d up to 64
// the quotient is the high half of x times d's reciprocal rounded up (exact for every such x),
// without the division's long wait.
struct Kehrwerte {
    uint64_t k[65] = {};
    uint32_t k31[65] = {};  // 2^31 / d rounded up; 0 for 0
    constexpr Kehrwerte()
    {
        for (uint32_t d = 2; d <= 64; ++d) k[d] = UINT64_MAX / d + 1;
        for (uint32_t d = 1; d <= 64; ++d) k31[d] = ((1u << 31) + d - 1) / d;
    }
};
constexpr Kehrwerte KEHRWERTE;

int64_t geteilt(int64_t x, int64_t d)
{
    if (x >= 0 && x <= int64_t(UINT32_MAX) && d >= 2 && d <= 64)
        return int64_t((static_cast<unsigned __int128>(KEHRWERTE.k[d]) * uint64_t(x)) >> 64);
    return d == 1 ? x : x / d;
}

}  // namespace

namespace {

[[gnu::always_inline]] inline void abschliessen(int32_t maske, int32_t flags, int32_t m[5][6]);

// Team_Staerke's work over the players that `glieder` hands to its callback (number and link
// record, in the list's order); the daily league averages ask every club for the whole matrix,
// and with the mask and flags known here each test of them is settled once.
template <typename Glieder>
[[gnu::always_inline]] inline void staerke(int32_t maske, int32_t flags, Glieder&& glieder, int32_t m[5][6])
{
    std::memset(m, 0, sizeof(int32_t) * 30);
    // a server reads the records in place
    const bool direkt = Netz_Rolle != 1 && Spieler_Daten;
    glieder([&](int32_t spnr, const TS* ts) {
        if ((flags & 2) && !(ts->flags & TS_STARTELF)) return;
        int32_t art = 0, werte[3], form = 0;
        if (direkt && spnr >= 0 && spnr < Spieler_Anzahl) Spieler_Staerke_Werte_Lesen(spnr, &art, werte, &form);
        else if (!Spieler_Staerke_Werte(spnr, &art, werte, &form)) return;
        int32_t zeile = art;
        if (flags & 4) zeile = ts->position == SP_POS_TORWART ? 0 : begrenzt(ts->position / 153 + 1, 1, 3);
        // a favourite place beyond the four lines (a damaged record) counts in none: its row
        // would lie outside the matrix, and its bit among the columns'
        if (zeile < 0 || zeile > 4 || !(maske & (1 << zeile))) return;
        int32_t s = 0, n = 0;
        for (int c = 0; c < 3; ++c)
            if (maske & (32 << c)) {
                m[zeile][c] += werte[c];
                s += werte[c];
                ++n;
            }
        int32_t mittel = 0;
        if ((maske & 256) && n == 0) {
            s += form;
            ++n;
            mittel = s / n;
        } else if (maske & 256) {
            m[zeile][3] += form;
            mittel = (s / n) * (100 - (100 - form) * 20 / 100) / 100;
        } else if (n > 0) {
            mittel = s / n;
        } else {
            Print_Fehler("Team_Staerke(): div/0 !");
            return;
        }
        m[zeile][4] += mittel;
        m[zeile][5] += 1;
    });
    abschliessen(maske, flags, m);
}

// The rows' sums made into means and the whole team's row, as staerke() ends.
[[gnu::always_inline]] inline void abschliessen(int32_t maske, int32_t flags, int32_t m[5][6])
{
    if (maske & 16)
        for (int r = 0; r < 4; ++r) {
            if (!(maske & (1 << r))) continue;
            m[4][4] += m[r][4];
            m[4][5] += m[r][5];
            for (int c = 0; c < 4; ++c)
                if (maske & (64 << c)) m[4][c] += m[r][c];
        }
    if (flags & 1) return;
    // the whole team's row, where it is asked for, is made anew from the others below
    for (int r = 0; r < ((maske & 16) ? 4 : 5); ++r) {
        if (!(maske & (1 << r)) || m[r][5] <= 0) continue;
        for (int c = 0; c < 5; ++c) m[r][c] = static_cast<int32_t>(geteilt(m[r][c], m[r][5]));
    }
    if (maske & 16)
        for (int c = 0; c < 5; ++c) {
            int64_t summe = 0;
            for (int r = 0; r < 4; ++r)
                if (maske & (1 << r)) summe += static_cast<int64_t>(m[r][c]) * m[r][5];
            m[4][c] = m[4][5] > 0 ? static_cast<int32_t>(geteilt(summe, m[4][5])) : 0;
        }
}

// The team's list as staerke() walks it.
auto liste_von(int32_t team)
{
    return [team](auto&& spieler) {
        Liste* liste = &T_Fix[team].liste;
        for (Liste_Element* e = Liste_First_Element(liste); e; e = Liste_Next_Element(liste, e))
            if (e->key != 0xFFFFFFFFu) spieler(static_cast<int32_t>(e->key), static_cast<const TS*>(e->data));
    };
}

// Four 32-bit lanes added as one (GCC's vector type: one register where the machine has them).
using Vier = int32_t __attribute__((vector_size(16)));

// A player's part in the all-lines matrix: his line and, as four lanes, his three group values
// and their mean, which follow from his favourite place and his nine attributes alone. Worked out
// from the record each time it is asked for: the work is less than a look into a store of earlier
// answers.
struct Anteil {
    Vier wert;    // the three group values and their mean
    int32_t art;  // the line 0..3
};

#if defined(__x86_64__) && !defined(DORVIN_STAERKE_OHNE_SIMD)
// The bits of the visible attributes a squad's quick reckoning met, for one test of their range
// for the whole squad.
using Bereich = __m128i;

// Whether every attribute gathered in `bereich` lies in 0..1023.
[[gnu::always_inline]] inline bool im_bereich(Bereich bereich)
{
    return _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(bereich, _mm_set1_epi16(static_cast<int16_t>(0xFC00))),
                                             _mm_setzero_si128())) == 0xFFFF;
}

// The part of a field player whose visible attributes all lie in 0..1023, eight 16-bit lanes at
// once (no sum leaves the lanes, and each division by 3 is exact as a multiply for them); with
// PRUEFEN false, and nothing done, for any other record. Without PRUEFEN the range is not looked
// at: the attributes' bits go into `bereich`, and the part counts only where im_bereich finds them
// in range.
template <bool PRUEFEN>
[[gnu::always_inline]] inline bool gruppen_schnell(const Spieler_Struktur& s, Vier& w, Bereich& bereich)
{
    static_assert(sizeof s.attribute == 18);
    // attributes 0..7 and 1..8: lane i of their sum with the second shifted down a lane is the
    // sum of attributes i, i + 1 and i + 2
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.attribute));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.attribute + 1));
    const __m128i oder = _mm_or_si128(x, y);
    if constexpr (PRUEFEN) {
        if (!im_bereich(oder)) return false;
    } else {
        bereich = _mm_or_si128(bereich, oder);
    }
    const __m128i drittel = _mm_set1_epi16(21846);
    const __m128i summe = _mm_add_epi16(_mm_add_epi16(x, y), _mm_srli_si128(y, 2));
    // the groups in lanes 0, 3 and 6, each held at 1..999
    __m128i g = _mm_mulhi_epi16(summe, drittel);
    g = _mm_min_epi16(_mm_max_epi16(g, _mm_set1_epi16(1)), _mm_set1_epi16(999));
    // their mean in lane 6, lanes 0 and 3 moved up onto it
    const __m128i mittel = _mm_mulhi_epi16(_mm_add_epi16(_mm_add_epi16(g, _mm_slli_si128(g, 12)), _mm_slli_si128(g, 6)),
                                           drittel);
    // the groups into lanes 0, 2 and 4, the mean's lane 6 beside them: each the low half of a
    // 32-bit lane whose high half is cleared (every value is positive)
    const __m128i gruppen = _mm_shufflehi_epi16(_mm_shufflelo_epi16(g, _MM_SHUFFLE(1, 3, 1, 0)), _MM_SHUFFLE(1, 1, 1, 2));
    w = reinterpret_cast<Vier>(_mm_or_si128(_mm_and_si128(gruppen, _mm_set_epi32(0, 0xFFFF, 0xFFFF, 0xFFFF)),
                                            _mm_and_si128(mittel, _mm_set_epi32(0xFFFF, 0, 0, 0))));
    return true;
}
#else
// Without SSE2 every field player's groups come from Spieler_Gruppen_Wert.
struct Bereich {};
inline bool im_bereich(Bereich) { return true; }
template <bool PRUEFEN>
[[gnu::always_inline]] inline bool gruppen_schnell(const Spieler_Struktur&, Vier&, Bereich&)
{
    return false;
}
#endif

// The part of player p (a number within the records); false for a favourite place beyond the
// four lines. (PRUEFEN and `bereich` as gruppen_schnell has them.)
template <bool PRUEFEN>
[[gnu::always_inline]] inline bool anteil_von(int32_t p, Anteil& a, Bereich& bereich)
{
    const Spieler_Struktur& s = Spieler_Daten[p];
    const int16_t pos = Spieler_Fix_Daten[p].lieblingspos;
    // the field's places 0..458 by a multiply (exact for them), the rest as the general rule has it
    const int32_t art = static_cast<uint16_t>(pos) < SP_POS_TORWART ? static_cast<int32_t>((uint32_t(pos) * 857u) >> 17) + 1
                                                                     : Spieler_Art_Von_Platz(pos);
    if (art < 0 || art > 3) return false;
    if (art == 0) {
        // a keeper's value as it stands, whatever it is, in every column
        const int32_t w = s.attribute[0];
        a.wert = Vier{w, w, w, w};
    } else if (!gruppen_schnell<PRUEFEN>(s, a.wert, bereich)) {
        const int32_t w0 = Spieler_Gruppen_Wert(s, 0), w1 = Spieler_Gruppen_Wert(s, 3), w2 = Spieler_Gruppen_Wert(s, 6);
        a.wert = Vier{w0, w1, w2, (w0 + w1 + w2) / 3};
    }
    a.art = art;
    return true;
}

// The matrix from the four lines' sums (columns 0-2 and 4) and counts, as abschliessen(255, 0)
// makes it: each line's means, and the whole team's row from the means weighted by the counts.
// The form column stays empty, and a line without players all zeros.
void reihen_abschliessen(const int32_t summe[4][4], const int32_t anzahl[4], int32_t m[5][6])
{
    // A squad's sums lie well below 2^23 and it counts at most 64 players: then each mean is the
    // sum times 2^31 / count rounded up, shifted down by 31 (exact for values below 2^25, the
    // rounding adding less than 1 / count), the whole team's sums stay below 2^25 too, and an
    // empty line's factor 0 gives its zeros. Every factor fits in 32 bits.
    uint32_t alle = 0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) alle |= static_cast<uint32_t>(summe[r][c]);
    const int32_t gesamt = anzahl[0] + anzahl[1] + anzahl[2] + anzahl[3];
    if (alle < (1u << 23) && (anzahl[0] | anzahl[1] | anzahl[2] | anzahl[3]) >= 0 && gesamt <= 64) {
        uint32_t ganz[4] = {};
        for (int r = 0; r < 4; ++r) {
            const uint32_t n = static_cast<uint32_t>(anzahl[r]), k = KEHRWERTE.k31[n];
            uint32_t mittel[4];
            for (int c = 0; c < 4; ++c) {
                mittel[c] = static_cast<uint32_t>((uint64_t{static_cast<uint32_t>(summe[r][c])} * k) >> 31);
                ganz[c] += mittel[c] * n;
            }
            int32_t* zeile = m[r];
            zeile[0] = static_cast<int32_t>(mittel[0]);
            zeile[1] = static_cast<int32_t>(mittel[1]);
            zeile[2] = static_cast<int32_t>(mittel[2]);
            zeile[3] = 0;
            zeile[4] = static_cast<int32_t>(mittel[3]);
            zeile[5] = anzahl[r];
        }
        const uint32_t k = KEHRWERTE.k31[gesamt];
        int32_t* team = m[4];
        team[0] = static_cast<int32_t>((uint64_t{ganz[0]} * k) >> 31);
        team[1] = static_cast<int32_t>((uint64_t{ganz[1]} * k) >> 31);
        team[2] = static_cast<int32_t>((uint64_t{ganz[2]} * k) >> 31);
        team[3] = 0;
        team[4] = static_cast<int32_t>((uint64_t{ganz[3]} * k) >> 31);
        team[5] = gesamt;
        return;
    }
    // anything else (values far off the range, a long list) the plain way
    std::memset(m, 0, sizeof(int32_t) * 30);
    for (int r = 0; r < 4; ++r) {
        m[r][0] = summe[r][0];
        m[r][1] = summe[r][1];
        m[r][2] = summe[r][2];
        m[r][4] = summe[r][3];
        m[r][5] = anzahl[r];
    }
    abschliessen(255, 0, m);
}

// staerke(255, flags) for flags 0 and 2 (the starting eleven alone), straight from the records:
// with all lines and the three attribute columns asked for, a player adds his three group values
// and their mean to the row of his line. `glieder` hands each player to a callback that answers
// false to stop. False, and the matrix untouched, for a squad the long way must take: a client, a
// player the server cannot read in place, or one whose line is beyond the four.
template <bool NUR_STARTELF, typename Glieder>
[[gnu::always_inline]] inline bool alle_reihen(Glieder&& glieder, int32_t m[5][6])
{
    if (Netz_Rolle == 1 || !Spieler_Daten || !Spieler_Fix_Daten) return false;
    // a line's four sums added as one (they stay far below the wrap, see reihen_abschliessen)
    Vier zeilen[4];
    int32_t anzahl[4];
    bool gewoehnlich = true;
    const int32_t spieler_anzahl = Spieler_Anzahl;
    // the squad counted once; true where no player's attributes ask for the range test
    auto zaehlen = [&](auto pruefen) {
        std::memset(zeilen, 0, sizeof zeilen);
        std::memset(anzahl, 0, sizeof anzahl);
        Bereich bereich{};
        glieder([&](int32_t p, const TS* ts) {
            if (NUR_STARTELF && !(ts->flags & TS_STARTELF)) return true;
            if (p < 0 || p >= spieler_anzahl) return gewoehnlich = false;
            Anteil a;
            if (!anteil_von<decltype(pruefen)::value>(p, a, bereich)) return gewoehnlich = false;
            zeilen[a.art] += a.wert;
            ++anzahl[a.art];
            return true;
        });
        return decltype(pruefen)::value || im_bereich(bereich);
    };
    // The range of the attributes is looked at once for the whole squad; a squad with one beyond
    // it is counted again, each player's range looked at as he comes.
    if (!zaehlen(std::false_type{}) && gewoehnlich) zaehlen(std::true_type{});
    if (!gewoehnlich) return false;
    int32_t summe[4][4];
    std::memcpy(summe, zeilen, sizeof summe);
    reihen_abschliessen(summe, anzahl, m);
    return true;
}

}  // namespace

void Team_Staerke(int32_t maske, int32_t flags, int32_t team, int32_t m[5][6])
{
    if (!team_gueltig(team) || !m) {
        Print_Fehler("Team_Staerke: FEHLER!");
        return;
    }
    // the all-lines matrix of the whole squad or of its starting eleven, as the daily jobs, the
    // tactics and the match ask for it; the list walked as the long way walks it, and the lists'
    // cursor left where that walk leaves it
    if (maske == 255 && (flags == 0 || flags == 2)) {
        auto liste = [team](auto&& spieler) {
            Liste_Element* e = Liste_First_Element(&T_Fix[team].liste);
            if (!e) return;
            for (; e; e = e->next)
                if (e->key != 0xFFFFFFFFu && !spieler(static_cast<int32_t>(e->key), static_cast<const TS*>(e->data))) {
                    Liste_Set_Cursor(e);
                    return;
                }
            Liste_Set_Cursor(nullptr);
        };
        if (flags == 0 ? alle_reihen<false>(liste, m) : alle_reihen<true>(liste, m)) return;
    }
    if (maske == 255 && flags == 0) staerke(255, 0, liste_von(team), m);
    else staerke(maske, flags, liste_von(team), m);
}

void Team_Staerke_Kader(const int32_t* spnr, const TS* const* records, int32_t n, int32_t m[5][6])
{
    auto kader = [&](auto&& spieler) {
        for (int32_t i = 0; i < n; ++i)
            if (!spieler(spnr[i], records[i])) return;
    };
    if (alle_reihen<false>(kader, m)) return;
    staerke(255, 0,
            [&](auto&& spieler) {
                for (int32_t i = 0; i < n; ++i) spieler(spnr[i], records[i]);
            },
            m);
}

void Team_Vergleiche_Abw_Mit_Stu(int32_t team, int32_t gegner, int32_t* gesamt, int32_t* abwehr, int32_t* mittelfeld,
                                 int32_t* sturm, int32_t maske, int32_t flags)
{
    if (!gesamt || !abwehr || !mittelfeld || !sturm) {
        Print_Fehler("Team_Vergleiche_Abw_Mit_Stu: NULL-Pointer!");
        return;
    }
    int32_t a[5][6] = {}, b[5][6] = {};
    if (team == -1 || gegner == -1) Print_Fehler("Team_Vergleiche_Abw_Mit_Stu: Teamnr==NIX!");
    if (team != -1) Team_Staerke(maske, flags, team, a);
    if (gegner != -1) Team_Staerke(maske, flags, gegner, b);
    const int64_t D = a[1][4], M = a[2][4], A = a[3][4];
    const int64_t D2 = b[1][4], M2 = b[2][4], A2 = b[3][4];
    const int64_t abw = D * 55 / 100, abw2 = D2 * 55 / 100;
    *abwehr = anteil(abw, abw + A2);
    *mittelfeld = anteil(M, M + M2);
    *sturm = anteil(A, A + abw2);
    *gesamt = anteil(A + abw + M, A + abw + M + abw2 + A2 + M2);
}

int32_t Team_Gesamtstaerke(int32_t team)
{
    int32_t m[5][6] = {};
    Team_Staerke(1 | 2 | 4 | 8 | 16 | 32 | 64 | 128, 0, team, m);
    return m[4][4];
}

int32_t Team_Spieler_Summen_Staerke(int32_t team, int32_t feld, int32_t mittel)
{
    int32_t spieler[TEAM_MAX_SPIELER + 1];
    const int32_t n = begrenzt(Teamspieler_Ins_Array(team, spieler, TEAM_MAX_SPIELER + 1, 0), 0, TEAM_MAX_SPIELER + 1);
    int32_t summe = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (feld == -1) {
            Print_Fehler("Team_Spieler_Summen_Staerke: falscher Parameter!");
            continue;
        }
        summe += Spieler_Wert(feld, spieler[i], 0, SP_LESEN);
    }
    return mittel && n > 0 ? summe / n : summe;
}

int32_t Team_Get_Staerke_Spanne(int32_t team, int32_t* min, int32_t* max, int32_t stufe, int32_t stufen)
{
    int32_t lo = 0, hi = 999;
    // team -1 asks for the window of the given tiers alone (a new player without a club)
    const bool ohne_team = team == -1;
    if (!ohne_team && (pseudo(team) || !team_gueltig(team))) {
        if (!team_gueltig(team)) Print_Fehler("Team_Get_Staerke_Spanne: falsche teamnr %d!", team);
        if (min) *min = lo;
        if (max) *max = hi;
        return 999;
    }
    if (stufe == -1 || stufen == -1) {
        stufe = 0;
        stufen = 1;
        const int32_t liga = ohne_team ? -1 : Wettbewerb_Get_Team_Wettbewerb(team, 1);
        if (liga >= 0) Wettbewerb_Visuell_Vertikal_Anz_Min(liga, &stufe, &stufen, 4);
    }
    if (!ohne_team && T_Fix[team].liga != -1 && stufen < 4) stufen = 4;
    if (stufen < 1) stufen = 1;
    stufe = begrenzt(stufe, 0, stufen - 1);
    const float schritt = 999.0f / static_cast<float>(stufen);
    lo = static_cast<int32_t>(static_cast<float>(stufen - stufe - 1) * schritt) + 1;
    hi = static_cast<int32_t>(static_cast<float>(lo) + schritt);
    const float rand = static_cast<float>(1000 / stufen) * 0.1f;
    hi = static_cast<int32_t>(1.0f + rand + static_cast<float>(hi));
    lo = static_cast<int32_t>(static_cast<float>(lo) - (1.0f + rand));
    if (min) *min = lo < 1 ? 1 : lo;
    if (max) *max = hi > 999 ? 999 : hi;
    return static_cast<int32_t>(schritt);
}

int32_t Team_Spielfeld_Staerke(int32_t team, int32_t a, int32_t b, int32_t c)
{
    if (Netz_Rolle == 1) Print_Fehler("Client-Zugriff: Team_Spielfeld_Staerke");
    if (!team_gueltig(team) || pseudo(team)) {
        Print_Fehler("Team_Spielfeld_Staerke: falsche teamnr %d!", team);
        return 0;
    }
    int32_t moral = T_Own[team].moral;
    if (moral < 0 || moral > 100) {
        Print_Fehler("Team_Spielfeld_Staerke: moral falsch!");
        moral = 50;
    }
    bool gilt[8] = {};
    Wettbewerb_Get_Praemien_Booleans_Von_Team(team, gilt);
    gilt[6] = gilt[7] = a == 1;
    // The kinds in their order; the last one that applies rates the bonus (the rating reads the
    // world and draws nothing, so the earlier ones need not be rated at all).
    static const int32_t REIHENFOLGE[8] = {6, 7, 3, 1, 0, 4, 2, 5};
    int32_t v = 0;
    bool gezaehlt = false;
    for (int32_t i = 7; i >= 0 && !gezaehlt; --i) {
        const int32_t k = REIHENFOLGE[i];
        const int32_t schalter = k == 4 ? b : (k == 2 || k == 5) ? c : a;
        if (!gilt[k] || !schalter) continue;
        int32_t betrag = T_Own[team].tagesblock[k];
        // A computer club promises no bonuses: it plays as if it had promised what its players
        // expect (rated 50), not as a side promised nothing at all.
        if (!T_Fix[team].manager) Ligen_Motivation_Bewerte_Praemie(team, k, 0, 1, &betrag);
        v = Ligen_Motivation_Bewerte_Praemie(team, k, betrag, 1, nullptr);
        gezaehlt = true;
    }
    // Clubs of human managers get a drawn motivation instead, lower at a harder level: about
    // even with a computer club at the middle level.
    if (gezaehlt && T_Fix[team].manager) {
        const int32_t d = static_cast<int32_t>(Schwierigkeitsstufe > 4 ? 4 : Schwierigkeitsstufe);
        v = Zufall(50 - 5 * d, 80 - 5 * d);
    }
    return begrenzt(moral * 60 / 100 + v * 40 / 100, 0, 99);
}

void Team_K_I_T_Variieren(int32_t feld, int32_t team, int32_t ziel, int32_t min, int32_t max)
{
    int32_t spieler[TEAM_MAX_SPIELER + 1];
    const int32_t n = team_gueltig(team) ? Teamspieler_Ins_Array(team, spieler, TEAM_MAX_SPIELER + 1, 0) : 0;
    if (n <= 0) {
        Print_Fehler("Team_K_I_T_Variieren: Error!");
        return;
    }
    int32_t erster, letzter;
    switch (feld) {
    case SP_KO: erster = 0; letzter = 2; break;
    case SP_IN: erster = 3; letzter = 5; break;
    case SP_TE: erster = 6; letzter = 8; break;
    case SP_K_I_T: erster = 0; letzter = 8; break;
    case SP_TORWART_STAERKE: erster = letzter = 0; break;
    default: erster = letzter = feld - SP_KRAFT; break;
    }
    if (erster < 0 || letzter > 8) {
        Print_Fehler("Team_K_I_T_Variieren: error!!!");
        return;
    }
    struct Werte {
        int32_t spnr;
        int32_t v[SP_ATTRIBUTVEKTOR];
    };
    std::vector<Werte> feldspieler;
    for (int32_t i = 0; i < n && i <= TEAM_MAX_SPIELER; ++i) {
        Werte w{spieler[i], {}};
        Spieler_Attribute(w.spnr, w.v, SP_ATTRIBUTE_LESEN);
        const bool torwart = Spieler_Wert(SP_ART, w.spnr, 0, SP_LESEN) == 0;
        if (feld == SP_TORWART_STAERKE) {
            if (torwart) {
                w.v[0] = ziel;
                Spieler_Attribute(w.spnr, w.v, SP_SCHREIBEN);
            }
        } else if (!torwart) {
            feldspieler.push_back(w);
        }
    }
    const int32_t breite = letzter - erster + 1;
    const int32_t anzahl = static_cast<int32_t>(feldspieler.size()) * breite;
    if (feld == SP_TORWART_STAERKE || anzahl == 0) return;

    std::vector<float> f;
    float summe = 0.0f;
    for (const Werte& w : feldspieler)
        for (int32_t s = erster; s <= letzter; ++s) {
            f.push_back(static_cast<float>(w.v[s]));
            summe += static_cast<float>(w.v[s]);
        }
    const int32_t mittel = static_cast<int32_t>(summe) / anzahl;
    // Values without any strength cannot be scaled: they start at the target.
    for (float& x : f) x = mittel == 0 ? static_cast<float>(ziel) : x * (static_cast<float>(ziel) / static_cast<float>(mittel));

    std::vector<int32_t> ganz(f.size());
    for (int32_t runde = 0;; ++runde) {
        int64_t s = 0;
        for (size_t i = 0; i < f.size(); ++i) {
            ganz[i] = begrenzt(static_cast<int32_t>(f[i]), min, max);
            s += ganz[i];
        }
        const int64_t m = s / anzahl;
        const bool getroffen = std::llabs(m - ziel) < 2;
        if (!getroffen && runde == 1000) Print_Fehler("Team_K_I_T_Variieren: Counter-Overflow!");
        if (getroffen || runde == 1000) break;
        for (float& x : f) x += m < ziel ? 1.0f : -1.0f;
    }
    size_t i = 0;
    for (Werte& w : feldspieler) {
        for (int32_t s = erster; s <= letzter; ++s) w.v[s] = ganz[i++];
        Spieler_Attribute(w.spnr, w.v, SP_SCHREIBEN);
    }
}
