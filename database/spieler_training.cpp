// Daily training of every club's players, a player's strength at his place on the pitch, and the
// weekly match fatigue. Training arithmetic is single precision without contraction, and the
// random draws of one player follow a fixed order (below), so that every PC trains alike.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "database/zufall_folge.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "match/spielfeld.h"
#include "platform/liste.h"
#include "platform/print.h"
#include "platform/wert.h"
#include "platform/zufall.h"
#include "screens/spieler_training.h"

namespace {

constexpr float FAKTOR[5] = {1.8f, 1.9f, 2.0f, 2.1f, 2.2f};
// Growth base by value: a tenth of the range per entry.
constexpr float BASIS_SICHTBAR[10] = {25, 35, 45, 55, 60, 65, 75, 85, 100, 120};
constexpr float BASIS_UNSICHTBAR[10] = {45, 45, 45, 40, 40, 40, 38, 35, 30, 30};
constexpr int32_t FELD_ARTEN = 14;
constexpr int32_t TORWART_ARTEN[4] = {0, 21, 22, 23};
// Where a type's day stands in Team_Tag::art: the keeper's type 0 is kept apart at 24.
constexpr int32_t TORWART_ART_TAGE[4] = {24, 21, 22, 23};
constexpr int32_t FELD_ARTEN_LISTE[FELD_ARTEN] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
// Link flags that hold a player back: 0x40 in the doctor's care, 0x780 injured, suspended or away.
constexpr uint32_t TS_BEHINDERT = 0x780;

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }
float begrenzt(float v, float lo, float hi) { return std::min(std::max(v, lo), hi); }

// a if c, else b, without a branch.
float waehle(bool c, float a, float b)
{
    uint32_t ia = 0, ib = 0;
    std::memcpy(&ia, &a, sizeof ia);
    std::memcpy(&ib, &b, sizeof ib);
    const uint32_t maske = 0u - static_cast<uint32_t>(c);
    const uint32_t r = (ia & maske) | (ib & ~maske);
    float f = 0.0f;
    std::memcpy(&f, &r, sizeof f);
    return f;
}


// The individual-training kind of a training type: field types 0..13, the keeper's 21..23 are
// kinds 14..16; the keeper's strength has none.
int32_t einzel_art(int32_t index, bool torwart)
{
    if (!torwart) return index;
    return index >= 21 ? index - 7 : -2;
}

int32_t art_von(int32_t spnr)
{
    // the third of the pitch (pos / 153 + 1 held at 1..3) by two comparisons, not a division
    const int32_t pos = Spieler_Fix_Daten[spnr].lieblingspos;
    return pos == SP_POS_TORWART ? 0 : 1 + static_cast<int32_t>(pos >= 153) + static_cast<int32_t>(pos >= 306);
}

struct Art_Tag_Speicher;
struct Eroeffnungen;
struct Folger_Tafel;

struct Schritte_Tafeln;

struct Tag {
    float faktor;
    int32_t stufe;
    int32_t n;
    Art_Tag_Speicher* art_tag;
    const Eroeffnungen* eroeffnungen;
    float gewicht[4][24];  // by player type and attribute: gewicht()
    bool takt_trifft[11];  // whether the day's number is a multiple of 15..25
    bool takt_heute;       // any of them
    // by player type: the types his further attributes follow by place, null where they are
    // taken one by one
    const Folger_Tafel* folger[4];
    Schritte_Tafeln* schritte_tafeln;  // the groups' and types' steps kept from day to day
};

// A training type of a team before any player's change of its units: units, ratio and weight.
struct Art_Tag {
    float u, r, q;
    // Outside the band a type moves a player only when the throw 0..365 falls below his
    // chance: the largest chance the day could give any value and player type before the
    // form factor, for a visible and an invisible type; negative where a step could be zero
    // (no throw then).
    float grenze[2];
    // After an opening read from a table (which steps over the throw too), for a player whose
    // form factor is at most 1.1 (form up to 100): the seed the throw read from at or above
    // which it lies above every chance the type could give him, a little below the bound; in
    // the band 0 (nothing moves and no throw was drawn); never where a step could be zero.
    uint32_t saat_grenze[2];
    bool band;
    bool steigt;  // the ratio lies above the band: the type trains up
    // In a type's Stoss_Tabelle: a nudge that keeps it in the band, whose opening stepped over
    // a throw that is not drawn.
    bool bleibt;
};
// a power of two: a type's day is found by its place in its table with a shift
static_assert(sizeof(Art_Tag) == 32);

// The nudges of a type inside the band: its day after u - 0.01 * betrag at [betrag] and after
// u + 0.01 * betrag at [STOSS_HOCH + betrag]; at [EIGEN] its day without a nudge.
constexpr int32_t STOSS_HOCH = 101;
constexpr int32_t EIGEN = 2 * STOSS_HOCH;
using Stoss_Tabelle = Art_Tag[2 * STOSS_HOCH + 1];

// How a type's day opens, by the place on the generator's cycle the player's draws start from:
// whether its units change (the first draw 0), the training grounds add to them (the next above
// 90, when the club has them) and, in the band, whether it is nudged (the next 0) and how (its
// direction and amount, 0..100 each). A table per kind of type holds by place, for the openings
// where only a nudge or nothing moves the type, the place of its day (in its Stoss_Tabelle in
// the band, else 0) and in the high byte the draws to step over, its throw included where one
// follows (outside the band, and after a nudge); LANGSAM where the units change or the draws
// come near the cycle's end: those are drawn one by one.
constexpr uint16_t LANGSAM = 0xFFFF;

// A unit change by 0 (the draw 0..2 gave 0) leaves units within 0..5 as they are: for a type
// with such units a second set of tables reads it as the opening it then is, two draws on.
struct Eroeffnungen {
    std::vector<uint16_t> tafel[2][2][2];  // by band, training grounds and units within 0..5
};

// The tables of a difficulty level: which way a nudge goes depends on it.
[[gnu::noinline]] Eroeffnungen eroeffnungen_bauen(int32_t stufe)
{
    Eroeffnungen e;
    // the draws of each range an opening takes, by the place whose seed they read: once for all
    // eight tables
    constexpr size_t L = Zufall_Folge::LAENGE;
    std::vector<uint8_t> w14(L), w2(L), w100(L), w3(L);
    for (int32_t k = 0; k < Zufall_Folge::LAENGE; ++k) {
        w14[size_t(k)] = static_cast<uint8_t>(Zufall_Folge::Wert(k, 0, 14));
        w2[size_t(k)] = static_cast<uint8_t>(Zufall_Folge::Wert(k, 0, 2));
        w100[size_t(k)] = static_cast<uint8_t>(Zufall_Folge::Wert(k, 0, 100));
        w3[size_t(k)] = static_cast<uint8_t>(Zufall_Folge::Wert(k, 0, 3));
    }
    auto wert = [](const std::vector<uint8_t>& w, int32_t k) { return int32_t{w[size_t(k)]}; };
    for (int32_t band = 0; band < 2; ++band)
        for (int32_t anlagen = 0; anlagen < 2; ++anlagen)
            for (int32_t null_wechsel = 0; null_wechsel < 2; ++null_wechsel) {
                std::vector<uint16_t>& t = e.tafel[band][anlagen][null_wechsel];
                t.assign(Zufall_Folge::LAENGE, LANGSAM);
                // room for the longest opening and its throw
                for (int32_t p = 0; p + 8 < Zufall_Folge::LAENGE; ++p) {
                    int32_t k = p + 1;  // the place of the next seed read
                    auto eintrag = [](int32_t stelle, int32_t schritte) { return static_cast<uint16_t>(schritte << 8 | stelle); };
                    if (wert(w14, k++) == 0 && !(null_wechsel && wert(w2, k++) == 0)) continue;
                    if (anlagen && wert(w100, k++) > 90) continue;
                    if (!band) {
                        t[size_t(p)] = eintrag(0, k - p);
                        continue;
                    }
                    if (wert(w3, k++) != 0) {
                        t[size_t(p)] = eintrag(EIGEN, k - 1 - p);
                        continue;
                    }
                    const int32_t richtung = wert(w100, k++);
                    const int32_t betrag = wert(w100, k++);
                    t[size_t(p)] = eintrag(betrag + STOSS_HOCH * static_cast<int32_t>(richtung > stufe + 50), k - p);
                }
            }
    return e;
}

// Tables without an opening anywhere: every type takes its draws one by one.
const Eroeffnungen& langsame_eroeffnungen()
{
    static const Eroeffnungen e = [] {
        Eroeffnungen l;
        for (auto& nach_band : l.tafel)
            for (auto& nach_anlagen : nach_band)
                for (auto& t : nach_anlagen) t.assign(Zufall_Folge::LAENGE, LANGSAM);
        return l;
    }();
    return e;
}

bool eroeffnungen_an = true;

const Eroeffnungen& eroeffnungen(int32_t stufe)
{
    if (!eroeffnungen_an) return langsame_eroeffnungen();
    static std::unique_ptr<Eroeffnungen> tafeln[5];
    std::unique_ptr<Eroeffnungen>& t = tafeln[stufe];
    if (!t) t = std::make_unique<Eroeffnungen>(eroeffnungen_bauen(stufe));
    return *t;
}

// What a team brings to the day: its plan, load and league regulation. The types' fields are
// set for the types that train (not for the further attributes between them).
struct Team_Tag {
    int32_t team;
    Art_Tag art[25];     // by attribute index; 24 is the keeper's type 0
    // the days of each type by its openings' table: in the band its Stoss_Tabelle, else its day
    const Art_Tag* stoss[25];
    const uint16_t* eroeffnung[25];  // each type's openings by place
    // The steps by place (below) of each group of field types, by its first type; a table of
    // MAG_ZIEHEN alone where it has none.
    uint8_t* schritte[FELD_ARTEN];
    // The same of each field type alone (a group of one type), from which a group's steps are
    // put together: a type's table serves every group and club that trains it with the same
    // units. Looked up where a group first needs it (null before), by the field types' units.
    mutable uint8_t* einzeln[FELD_ARTEN];
    uint8_t einheiten[FELD_ARTEN];
    int64_t tafel_basis;  // where the day's tables begin among them
    float summe = 0.0f;          // S: the field plan's units
    float last;                  // L: the reference load
    int32_t belastung;           // the plan's load against L, added to every player's exhaustion
    float liga_term = 0.0f;      // added to every ratio
    int32_t liga_mitte = 0;      // the strength the league is held at (0: none)
    int32_t einzel = 0;          // occupied individual-training places
    bool einzel_belegt = false;  // a player holds any individual-training place
    bool anlagen;                // training grounds built
};

// What a team's types (art, stoss, eroeffnung, schritte) are worked out from. A club's plan,
// grounds and league term stand for weeks: while they do, its types are the day before's.
struct Typen_Schluessel {
    uint8_t einheiten[24];
    uint32_t liga_term;  // its bits
    uint32_t stand;      // the nudges' tables the types point into
    int8_t stufe, richtung;
    uint8_t anlagen, schritte;
    // in one comparison of the bytes: the fields leave no padding between them
    bool operator==(const Typen_Schluessel& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};
static_assert(sizeof(Typen_Schluessel) == 36 && std::has_unique_object_representations_v<Typen_Schluessel>);

// Each club's day kept from the day before; the types are taken over where their figures stand.
struct Team_Tag_Speicher {
    struct Eintrag {
        Team_Tag tt;
        Typen_Schluessel schluessel;
        bool gueltig = false;
    };
    std::vector<Eintrag> eintraege;
    void passend(int32_t teams)
    {
        if (eintraege.size() != static_cast<size_t>(teams)) eintraege.assign(static_cast<size_t>(teams), Eintrag{});
    }
};

// Whether any of n places holds a player (a number of 0 or more), four places at a time by
// their sign bits: most clubs hold none.
bool eines_belegt(const int16_t* platz, int32_t n)
{
    constexpr uint64_t VORZEICHEN = 0x8000800080008000ull;
    int32_t i = 0;
    for (; i + 4 <= n; i += 4) {
        uint64_t vier = 0;
        std::memcpy(&vier, platz + i, sizeof vier);
        if ((vier & VORZEICHEN) != VORZEICHEN) return true;
    }
    for (; i < n; ++i)
        if (platz[i] >= 0) return true;
    return false;
}

bool im_band(float r) { return r >= 0.97f && r <= 1.03f; }

// The sum of the first 16 bytes, eight at a time: their pairs as 16-bit lanes (at most 510 each),
// the lanes summed by one multiplication into the top lane (at most 2040).
int32_t bytes_summe(const uint8_t* b)
{
    constexpr uint64_t BYTES = 0x00FF00FF00FF00FFull;
    int32_t summe = 0;
    for (int32_t k = 0; k < 2; ++k) {
        uint64_t v = 0;
        std::memcpy(&v, b + 8 * k, sizeof v);
        v = (v & BYTES) + (v >> 8 & BYTES);
        summe += static_cast<int32_t>((v * 0x0001000100010001ull) >> 48);
    }
    return summe;
}


// The step's share before the form factor and the unit of a type on the day `at` with the base
// b of the player's value and the weight a of his type.
float teil_von(const Art_Tag& at, bool steigt, float b, float a)
{
    if (steigt) return b * 0.65f * at.r * a * std::fabs(at.q);
    return -(b * (2.0f - a) * (2.0f - at.r) * 1.2f * at.q);
}

// The weight factor of an attribute for a player type, from its weight in the type's table.
float gewicht(int32_t art, int32_t i)
{
    return ((static_cast<float>(Spieler_Attribut_Gewichte[art][i]) - 100.0f) * 0.25f + 100.0f) * 0.01f;
}

struct Spanne {
    float min, max;
};

// The smallest and largest weight factor of any player type and attribute.
Spanne gewicht_spanne()
{
    static const Spanne spanne = [] {
        Spanne s{gewicht(0, 0), gewicht(0, 0)};
        for (int32_t art = 0; art < 4; ++art)
            for (int32_t i = 0; i < 24; ++i) s = {std::min(s.min, gewicht(art, i)), std::max(s.max, gewicht(art, i))};
        return s;
    }();
    return spanne;
}

// Art_Tag::grenze. Every factor of the step's share keeps its sign for every value and weight,
// and rounding keeps the order of products: the base table's largest entry with the weight
// that makes the share largest gives the largest share, the smallest entry with the other
// weight a share that is not zero when none is. The weight multiplies the rising side and
// 2 - weight the falling one.
void grenzen_setzen(Art_Tag& at)
{
    const Spanne a = gewicht_spanne();
    const bool steigt = at.steigt;
    for (int32_t k = 0; k < 2; ++k) {
        const bool sichtbar = k == 0;
        const float teiler = sichtbar ? 1.0f : 10.0f;
        const float* basis = sichtbar ? BASIS_SICHTBAR : BASIS_UNSICHTBAR;
        const float b_max = *std::max_element(basis, basis + 10), b_min = *std::min_element(basis, basis + 10);
        const float a_gross = steigt ? a.max : a.min, a_klein = steigt ? a.min : a.max;
        // far from zero: the form factor (at least 0.59) cannot take the step to zero
        const bool null_moeglich = !(std::fabs(teil_von(at, steigt, b_min, a_klein)) / teiler >= 1e-20f);
        at.grenze[k] = null_moeglich ? -1.0f : std::fabs(teil_von(at, steigt, b_max, a_gross)) / teiler;
        // a throw lies at or above the bound times any factor up to 1.1 (the product rounded
        // as floats) from the whole number above the product taken a little larger
        const double w = std::ceil(static_cast<double>(at.grenze[k]) * 1.1000001) + 1.0;
        const uint32_t saat = w > 365.0 ? UINT32_MAX : Zufall_Folge::Saat_Ab(0, 365, static_cast<int32_t>(w));
        at.saat_grenze[k] = at.band ? 0u : null_moeglich ? UINT32_MAX : saat;
    }
}

Art_Tag art_tag(float u, float F, float liga_term)
{
    Art_Tag a;
    a.u = u;
    a.r = u / F + liga_term;
    a.band = im_band(a.r);
    a.bleibt = false;
    a.steigt = a.r > 1.03f;
    // The league's term moves the weight too: with the plan's units at the factor the weight
    // would be 0, and a league far above (below) its level would neither lose nor gain.
    a.q = begrenzt((F - u - liga_term * F) / (5.0f - F), -1.0f, 0.7f);
    grenzen_setzen(a);
    return a;
}

// art_tag is a pure function of its three figures, and a day asks it for few distinct units
// (whole ones, and the nudges of a hundredth): the day keeps what it worked out, and the same
// figures come back without their two divisions.
struct Art_Tag_Speicher {
    struct Eintrag {
        float u, F, liga_term;
        Art_Tag a;
        bool belegt;
    };
    std::vector<Eintrag> eintraege = std::vector<Eintrag>(1024);
    Art_Tag operator()(float u, float F, float liga_term)
    {
        uint32_t bits = 0;
        std::memcpy(&bits, &u, sizeof bits);
        uint32_t t = 0;
        std::memcpy(&t, &liga_term, sizeof t);
        Eintrag& e = eintraege[((bits * 2654435761u) ^ (t >> 7)) >> 22];
        // bit-equal keys only: -0.0 and 0.0, or NaN, are worked out again
        uint32_t eu = 0, et = 0, ef = 0, f = 0;
        std::memcpy(&eu, &e.u, sizeof eu);
        std::memcpy(&et, &e.liga_term, sizeof et);
        std::memcpy(&ef, &e.F, sizeof ef);
        std::memcpy(&f, &F, sizeof f);
        // one test for the whole key: whether it is found is as good as a coin toss
        if (((eu ^ bits) | (et ^ t) | (ef ^ f) | static_cast<uint32_t>(!e.belegt)) == 0) return e.a;
        e = {u, F, liga_term, art_tag(u, F, liga_term), true};
        return e.a;
    }

    // Every nudge of the units u, worked out once a day for each units, factor and league term
    // a team's type in the band starts from.
    struct Stoesse {
        float u, F, liga_term;
        Stoss_Tabelle a;
    };
    std::vector<std::unique_ptr<Stoesse>> stoesse;
    const Art_Tag* stoss(float u, float F, float liga_term)
    {
        for (const auto& t : stoesse)
            if (gleich(t->u, u) && gleich(t->F, F) && gleich(t->liga_term, liga_term)) return t->a;
        auto t = std::make_unique<Stoesse>();
        *t = {u, F, liga_term, {}};
        for (int32_t betrag = 0; betrag < STOSS_HOCH; ++betrag) {
            t->a[betrag] = (*this)(u + -0.01f * static_cast<float>(betrag), F, liga_term);
            t->a[STOSS_HOCH + betrag] = (*this)(u + 0.01f * static_cast<float>(betrag), F, liga_term);
        }
        for (Art_Tag& a : t->a) a.bleibt = a.band;
        t->a[EIGEN] = (*this)(u, F, liga_term);
        stoesse.push_back(std::move(t));
        return stoesse.back()->a;
    }
    static bool gleich(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

    // The day of a type with whole units (a plan's byte) and one of the three league terms,
    // with its nudges in the band (else null), found by its figures without a search.
    struct Ganz {
        Art_Tag a;
        const Art_Tag* stoss;
        float F, liga_term;
        uint32_t stand;  // `stand` when worked out; 0 never
    };
    std::vector<Ganz> ganz = std::vector<Ganz>(3 * 256);
    uint32_t stand = 1;  // moves on when the nudges' tables are let go
    const Ganz& ganz_von(uint8_t u, float F, float liga_term)
    {
        const int32_t liga = liga_term > 0.0f ? 2 : liga_term < 0.0f ? 1 : 0;
        Ganz& g = ganz[size_t(liga * 256 + u)];
        if (g.stand != stand || !gleich(g.F, F) || !gleich(g.liga_term, liga_term)) {
            const Art_Tag a = (*this)(static_cast<float>(u), F, liga_term);
            g = {a, a.band ? stoss(static_cast<float>(u), F, liga_term) : nullptr, F, liga_term, stand};
        }
        return g;
    }
    // Lets the nudges' tables go when there are many: none may be in use.
    void aufraeumen()
    {
        if (stoesse.size() <= 64) return;
        stoesse.clear();
        ++stand;
    }
};


// One player's day. Order of the draws: per training type in the order of the player's types:
// the unit change (0..14, then 0..2), the training grounds (0..100, then 0..100), the nudge
// inside the band (0..3, then 0..100 twice), the care term, the move (0..365); then, when a type
// moved, per further attribute 14..19 the type it follows; the exhaustion (its step, the individual training 0..2
// and 0..places-3, the keeper's pair); the overload (75..99, then per type 0..23 and 0..7); the
// form (tendency 15..25 and 0..40, 0..2, 0..50, 15..30 at level 4, the fall-back, 0..4 with
// 40..60 and 0..2); last the tenths' writes (0..100 per changed value).
//
// Up to the tenths a day draws at most 9 times per type (14), 6 times for the further
// attributes, 6 for the exhaustion, 29 for the overload and 9 for the form: 176. With `frei` the
// sequence stands on the cycle with room for them before its end, and they are taken without a
// test each (the tenths may follow a news item, which draws too: those are tested). Without
// `mit_pflege` the player has no care term (`platz` is his individual-training place, -1 without
// one), as most players on most days; with it his types are taken one by one, as no group's
// steps hold for a care term.
constexpr int32_t TAG_ZIEHUNGEN = 176;

// The doctor's care, an absence or an individual-training place adds a term to the chance.
bool gepflegt(const TS& ts, int32_t platz) { return (ts.flags & (TS_ARZT | TS_BEHINDERT)) != 0 || platz >= 0; }

// A field type's draws (with `frei`) and whether it moves follow from the club's day for it
// and the place on the cycle its draws start from, but for the throws that may move it, which
// depend on the player. For each place the first player to start a type there takes a probe
// (`spieler_trainieren` with `probe`, the type `platz` alone, for a field player of any form up
// to 100) that finds the draws the type takes where no player's throw can move it, unless every
// throw below the largest chance any such player could have counts; later players starting
// there step over the type by that number of draws. A type's steps are a function of its units,
// the league's term, the training grounds, the day's direction of unit changes, the difficulty
// level and whether the type is visible alone.
//
// A place's steps take a byte, the draws themselves, so that a known place is stepped over by a
// load, one test and an addition: a type draws once at least, and a byte that is not positive
// as a signed one stands for a place that is not stepped over, in the same byte whichever it is:
// UNBEKANNT where no probe was taken yet, MAG_ZIEHEN where a probe found that a throw may move
// the group or that its steps need more than the byte's 7 bits (its types are then taken one by
// one, as they would be without a table).
constexpr uint8_t UNBEKANNT = 0, MAG_ZIEHEN = 0x80;
// The steps as a table keeps them.
uint8_t schritte_kode(int32_t schritte)
{
    return schritte > 0 && schritte < MAG_ZIEHEN ? static_cast<uint8_t>(schritte) : MAG_ZIEHEN;
}
// The groups of field types that step over together (first type, count; a group is visible or
// invisible throughout), as spieler_trainieren takes them.
struct Gruppe {
    int32_t erste, anzahl;
};
constexpr Gruppe GRUPPEN[] = {{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 1}, {9, 2}, {11, 2}, {13, 1}};
// the longest opening of a type with its throw, for each type of a group, fits the byte
static_assert(8 * 2 < MAG_ZIEHEN);

// A field player's groups read their steps one after the other, each at the place the one before
// it left the sequence: every type draws 2 to 8 times, so each group's entry lies within a few
// bytes of his first place. Those bytes are asked for at once, so that the entries arrive
// together rather than each one after the last.
void schritte_vorab_laden(const Team_Tag& tt, size_t platz)
{
    int32_t vorher = 0;  // the types before the group
#pragma GCC unroll 8
    for (const Gruppe& g : GRUPPEN) {
        const uint8_t* t = tt.schritte[g.erste] + platz;
        const uintptr_t bis = reinterpret_cast<uintptr_t>(t + 8 * vorher);
        for (uintptr_t a = reinterpret_cast<uintptr_t>(t + 2 * vorher) & ~uintptr_t{63}; a <= bis; a += 64)
            __builtin_prefetch(reinterpret_cast<const void*>(a));
        vorher += g.anzahl;
    }
}

// The share of a training day's gain a player keeps, by career age (Spieler_Zuwachs_Anteil).
constexpr int32_t ALTERS_TABELLE = 64;
const std::array<float, ALTERS_TABELLE> ZUWACHS_ANTEIL = [] {
    // from 23 on, year by year; never quite 0: a gain's step keeps its side, so that individual
    // training still helps a little and a doctor's care only holds it back
    constexpr float AB_23[] = {1.0f, 0.85f, 0.72f, 0.6f, 0.5f, 0.42f, 0.36f, 0.3f, 0.2f, 0.1f, 0.05f, 0.02f};
    std::array<float, ALTERS_TABELLE> t{};
    for (size_t a = 0; a < t.size(); ++a) t[a] = AB_23[std::min(a < 23 ? 0 : a - 23, std::size(AB_23) - 1)];
    return t;
}();

// The largest form factor a player of form 0..100 may have, either way.
float groesster_faktor()
{
    static const float g = [] {
        float m = 0.0f;
        for (int32_t f = 0; f <= 100; ++f) {
            const float form = static_cast<float>(f);
            m = std::max({m, 0.9f + 0.002f * form, 1.1f - 0.002f * form});
        }
        return m;
    }();
    return g;
}

// The further attributes (14..19) a player type draws a type to follow for, where their weight
// is not 0: how many, and by the place on the cycle their draws start from, the types they
// follow as bits; every type where their draws would reach past the cycle's end.
struct Folger_Tafel {
    int32_t anzahl = 0;
    std::vector<uint16_t> typen;
};

const Folger_Tafel& folger_tafel(int32_t art)
{
    int32_t anzahl = 0;
    for (int32_t i = 14; i <= 19; ++i) anzahl += Spieler_Attribut_Gewichte[art][i] != 0;
    // by the number of draws: the player types share them
    static std::unique_ptr<Folger_Tafel> tafeln[7];
    std::unique_ptr<Folger_Tafel>& t = tafeln[anzahl];
    if (!t) {
        t = std::make_unique<Folger_Tafel>();
        t->anzahl = anzahl;
        t->typen.assign(Zufall_Folge::LAENGE, (1u << FELD_ARTEN) - 1);
        // the type a draw from each place follows, as a bit
        std::vector<uint16_t> typ(Zufall_Folge::LAENGE, 0);
        for (int32_t p = 0; p + 1 < Zufall_Folge::LAENGE; ++p)
            typ[size_t(p)] = static_cast<uint16_t>(1u << Zufall_Folge::Wert(p + 1, 0, FELD_ARTEN - 1));
        for (int32_t p = 0; p + anzahl < Zufall_Folge::LAENGE; ++p) {
            uint32_t typen = 0;
            for (int32_t k = 0; k < anzahl; ++k) typen |= typ[size_t(p + k)];
            t->typen[size_t(p)] = static_cast<uint16_t>(typen);
        }
    }
    return *t;
}

// Whether every further attribute lies within 0..99 (a value above is brought back on a day a
// type moves, whichever type it follows).
bool folger_im_bereich(const Spieler_Struktur& s)
{
    // the six values as bytes of one word (the bytes above them 0): a byte of 100..127 reaches
    // its top bit by adding 28, one of 128 or more has it already (a carry it makes into the
    // next byte changes nothing then)
    static_assert(sizeof s.unsichtbar >= (14 - 9) + 8);
    uint64_t v = 0;
    std::memcpy(&v, s.unsichtbar + (14 - 9), sizeof v);
    v = (v & 0xFFFFFFFFFFull) | uint64_t{s.allrounder} << 40;
    return (((v + 0x1C1C1C1C1C1C1C1Cull) | v) & 0x8080808080808080ull) == 0;
}

// A group's steps from the sequence's place (taken by value: the squad's loop keeps its
// sequence in registers).
[[gnu::noinline]] uint8_t gruppe_schritte(const Tag& tag, const Team_Tag& tt, int32_t erste, int32_t n,
                                          Zufall_Folge folge, TS& ts);

// The day's work of spieler_trainieren, taken in place where a squad's loop calls it for its
// common players.
template <bool frei, bool probe = false, bool mit_pflege = !frei>
[[gnu::always_inline]] inline bool spieler_tag(const Tag& tag, const Team_Tag& tt, int32_t spnr, TS& ts,
                                               int32_t platz, Zufall_Folge& team_folge)
{
    static_assert(frei || !probe);
    static_assert(!(probe && mit_pflege));
    Zufall_Folge folge = team_folge;
    Spieler_Struktur& s = Spieler_Daten[probe ? 0 : spnr];
    const int32_t art = probe ? 1 : art_von(spnr);
    const bool torwart = art == 0;
    bool kann_ziehen = false;  // probe: a throw may move the type
    // The attribute vector's first 24 values (Spieler_Attribute's order) are read straight from
    // the record when the day first needs them (most of a player's days change nothing), and
    // the day writes back only what changed.
    auto alt = [&s](int32_t i) -> int32_t {
        if (i < 9) return s.attribute[i];
        if (i == 19) return s.allrounder;
        if (i == 20) return std::min<int32_t>(s.erfahrung, 299);
        return s.unsichtbar[i - 9];
    };
    int32_t wert[24];
    int32_t anfang[24];    // the record's value where wert holds one
    uint32_t gelesen = 0;  // bits of the values wert holds
    auto w = [&](int32_t i) -> int32_t& {
        if (!(gelesen >> i & 1u)) {
            wert[i] = anfang[i] = alt(i);
            gelesen |= 1u << i;
        }
        return wert[i];
    };
    int32_t form_wert = s.form;
    const float anteil = Spieler_Zuwachs_Anteil(Spieler_Laufbahn_Alter(s.alter, torwart)) *
                         Spieler_Zuwachs_Ueber_Liga(Spieler_Staerke_Roh(s, torwart), tt.liga_mitte);
    uint32_t geaendert = 0;  // bits of the values a move, the overload or a follower touched
    int8_t bewegung[24];  // by type, where it moved (its bit in geaendert)
    const bool pflege = mit_pflege && gepflegt(ts, platz);
    // The form factor by whether the type trains up, a gain shrunk by the player's age: worked
    // out where a throw asks for it, as most types of most days are decided without it. The age
    // only ever lowers it, so that the largest factor still bounds every chance.
    auto faktor = [&](bool steigt) __attribute__((always_inline)) {
        const float form = static_cast<float>(form_wert);
        if constexpr (probe) return groesster_faktor();
        return steigt ? (0.9f + 0.002f * form) * anteil : 1.1f - 0.002f * form;
    };
    const float F = tag.faktor;

    const int32_t* arten = torwart ? TORWART_ARTEN : FELD_ARTEN_LISTE;
    const int32_t anzahl = torwart ? 4 : FELD_ARTEN;

    // A type i whose team's day stands at tt.art[tag_index].
    // Visible and invisible types are built apart: a visible step is counted in whole units, an
    // invisible one in tenths, and neither asks which it is.
    auto art_trainieren = [&](int32_t i, int32_t tag_index, auto sichtbar_art) __attribute__((always_inline)) {
        constexpr bool sichtbar = decltype(sichtbar_art)::value;
        constexpr float teiler = sichtbar ? 1.0f : 10.0f;
        const Art_Tag* at = &tt.art[tag_index];
        Art_Tag eigen;
        // each type comes once, before anything changed: its value is still the record's
        auto vorher_wert = [&] { return sichtbar ? s.attribute[i] : s.unsichtbar[i - 9]; };
        auto basis = [](int32_t vorher) {
            return sichtbar ? BASIS_SICHTBAR[begrenzt(vorher / 100, 0, 9)] : BASIS_UNSICHTBAR[begrenzt(vorher / 10, 0, 9)];
        };
        // the move as figures rather than a branch: whether the throw succeeds is a coin toss
        // known only at the end of the step's arithmetic
        auto ziehen = [&](int32_t vorher, int32_t wurf, float chance, float schritt) __attribute__((always_inline)) {
            const int32_t zieht = static_cast<float>(wurf) < chance;
            const int32_t seite = 2 * static_cast<int32_t>(schritt > 0.0f) - 1;
            bewegung[i] = static_cast<int8_t>(zieht * seite);
            anfang[i] = vorher;
            wert[i] = vorher + zieht * seite;
            gelesen |= 1u << i;
            geaendert |= static_cast<uint32_t>(zieht) << i;
        };
        const uint32_t stelle = static_cast<uint32_t>(folge.Stelle());
        const uint32_t eroeffnung =
            frei || stelle < static_cast<uint32_t>(Zufall_Folge::LAENGE) ? tt.eroeffnung[tag_index][stelle] : LANGSAM;
        if (eroeffnung != LANGSAM) {
            // The opening from the table: the type's day and the draws to step over are read off
            // it, not decided by a branch on what it holds (a coin toss), so that the next type
            // need not wait for a guess.
            at = tt.stoss[tag_index] + (eroeffnung & 0xFF);
            folge.Vor(static_cast<int32_t>(eroeffnung >> 8));
            if (at->bleibt) {
                // a nudge that keeps the type in the band: no throw
                folge.Vor(-1);
                return;
            }
            if (!pflege) {
                // In the band nothing moves, and most throws lie above every chance the type
                // could give this player: one test of the throw's seed for both (with `frei`),
                // and the throw's own test where it lies below.
                if constexpr (frei) {
                    if (folge.Saat() >= at->saat_grenze[sichtbar ? 0 : 1]) return;
                } else {
                    if (at->band) return;
                }
                const bool steigt = at->steigt;
                const float g = faktor(steigt);
                const int32_t wurf = folge.Zuletzt(0, 365);
                if (at->grenze[sichtbar ? 0 : 1] >= 0.0f) {
                    if (static_cast<float>(wurf) >= at->grenze[sichtbar ? 0 : 1] * g) return;
                    if constexpr (probe) {
                        kann_ziehen = true;
                        return;
                    }
                    const int32_t vorher = vorher_wert();
                    const float schritt = teil_von(*at, steigt, basis(vorher), tag.gewicht[art][i]) / teiler * g;
                    ziehen(vorher, wurf, std::fabs(schritt), schritt);
                    return;
                }
            } else if (at->band) {
                return;
            }
            // the throw comes after the care term, or after a step that could be zero
            folge.Vor(-1);
        } else {
        const int32_t wechsel = folge.Ziehe<frei>(0, 14);
        if (wechsel == 0) {
            const int32_t um = folge.Ziehe<frei>(0, 2);
            eigen = *at;
            eigen.u = begrenzt(eigen.u + static_cast<float>(Spieler_Training.richtung * um), 0.0f, 5.0f);
            at = &eigen;
        }
        if (tt.anlagen) {
            const int32_t gelaende = folge.Ziehe<frei>(0, 100);
            if (gelaende > 90) {
                const int32_t extra = folge.Ziehe<frei>(0, 100);
                if (at != &eigen) eigen = *at;
                eigen.u += 0.01f * static_cast<float>(extra);
                at = &eigen;
            }
        }
        if (at == &eigen) eigen = (*tag.art_tag)(eigen.u, F, tt.liga_term);
        if (at->band) {
            // inside the band only a nudge can take the type out of it
            const int32_t stoss = folge.Ziehe<frei>(0, 3);
            if (stoss != 0) return;
            const int32_t richtung = folge.Ziehe<frei>(0, 100);
            const int32_t betrag = folge.Ziehe<frei>(0, 100);
            const bool hoch = richtung > tag.stufe + 50;
            if (at == &eigen)
                eigen = (*tag.art_tag)(at->u + (hoch ? 0.01f : -0.01f) * static_cast<float>(betrag), F, tt.liga_term);
            else at = &tt.stoss[tag_index][betrag + STOSS_HOCH * static_cast<int32_t>(hoch)];
            if (at->band) return;
        }
        }
        if (!pflege) {
            const float grenze = at->grenze[sichtbar ? 0 : 1];
            if (grenze >= 0.0f) {
                // No step of this type can be zero, so the throw comes next; and most throws lie
                // above every chance the type could give this player, which needs no more.
                const int32_t wurf = folge.Ziehe<frei>(0, 365);
                const bool steigt = at->steigt;
                const float g = faktor(steigt);
                if (static_cast<float>(wurf) >= grenze * g) return;
                if constexpr (probe) {
                    kann_ziehen = true;
                    return;
                }
                const int32_t vorher = vorher_wert();
                const float schritt = teil_von(*at, steigt, basis(vorher), tag.gewicht[art][i]) / teiler * g;
                ziehen(vorher, wurf, std::fabs(schritt), schritt);
                return;
            }
        }
        if constexpr (probe) {
            // a step that could be zero: whether the throw is drawn is left to the player's day
            kann_ziehen = true;
            return;
        }
        const bool steigt = at->steigt;
        auto schritt_von = [&](int32_t vorher) __attribute__((always_inline)) {
            const float a = tag.gewicht[art][i];
            const float b = basis(vorher);
            float teil;
            if (at == &tt.art[tag_index]) {
                // the team's own day: the same side for the whole squad
                teil = teil_von(*at, steigt, b, a);
            } else {
                // Both sides are worked out and one is taken: which one is as good as a coin toss
                // after a nudge, and a guessed branch would mostly be wrong.
                teil = waehle(steigt, teil_von(*at, true, b, a), teil_von(*at, false, b, a));
            }
            return teil / teiler * faktor(steigt);
        };
        // the care term helps or hinders the move in the step's direction (its draw comes before
        // the throw); 0 where it has none
        auto pflege_term = [&]() __attribute__((always_inline)) {
            float term = 0.0f;
            if (ts.flags & TS_ARZT) {
                const int32_t z = folge.Ziehe<frei>(36, 146);
                term = -static_cast<float>(z) / teiler;
            } else if (ts.flags & TS_BEHINDERT) {
                const int32_t z = folge.Ziehe<frei>(36, 73);
                term = -static_cast<float>(z) / teiler;
            } else if (platz == einzel_art(i, torwart)) {
                const int32_t z = folge.Ziehe<frei>(36, 109);
                term = static_cast<float>(z) / teiler;
            }
            return term;
        };
        if (pflege && at->grenze[sichtbar ? 0 : 1] >= 0.0f) {
            // No step can be zero: the term's draw and the throw come next, and most throws lie
            // above every chance the step could have with the term added, which needs no more.
            const float term = pflege_term();
            const int32_t wurf = folge.Ziehe<frei>(0, 365);
            if (static_cast<float>(wurf) >= at->grenze[sichtbar ? 0 : 1] * faktor(steigt) + std::fabs(term)) return;
            const int32_t vorher = vorher_wert();
            const float schritt = schritt_von(vorher);
            ziehen(vorher, wurf, std::fabs(schritt) + waehle(schritt > 0.0f, term, -term), schritt);
            return;
        }
        const int32_t vorher = vorher_wert();
        const float schritt = schritt_von(vorher);
        if (schritt == 0.0f) return;
        // without a term the chance is the step's size (adding a zero of either sign leaves it
        // as it is)
        float chance = std::fabs(schritt);
        if (pflege) {
            const float term = pflege_term();
            chance = std::fabs(schritt) + waehle(schritt > 0.0f, term, -term);
        }
        const int32_t wurf = folge.Ziehe<frei>(0, 365);
        ziehen(vorher, wurf, chance, schritt);
    };
    if constexpr (probe) {
        // the group of types from `platz & 0xFF` on, `platz >> 8` of them
        for (int32_t i = platz & 0xFF; i < (platz & 0xFF) + (platz >> 8) && !kann_ziehen; ++i) {
            if (i < 9) art_trainieren(i, i, std::true_type{});
            else art_trainieren(i, i, std::false_type{});
        }
        team_folge = folge;
        return kann_ziehen;
    } else if (torwart) {
        art_trainieren(TORWART_ARTEN[0], TORWART_ART_TAGE[0], std::true_type{});
        for (int32_t k = 1; k < 4; ++k) art_trainieren(TORWART_ARTEN[k], TORWART_ART_TAGE[k], std::false_type{});
    } else {
        // A group of types steps over by its table where no player can move in it (the first
        // player to start it from a place probes it); each type its own copy of the step: whether
        // a type of this club trains inside the band holds for the whole squad, and each copy's
        // tests learn it.
        auto gruppe = [&](int32_t erste, int32_t n, auto sichtbar_art) __attribute__((always_inline)) {
            if constexpr (frei && !mit_pflege) {
                uint8_t& eintrag = tt.schritte[erste][folge.Platz()];
                const uint32_t kode = eintrag;
                // steps known (neither UNBEKANNT nor MAG_ZIEHEN): one test
                if (__builtin_expect(static_cast<int8_t>(kode) > 0, 1)) {
                    folge.Vor(static_cast<int32_t>(kode));
                    return;
                }
                if (kode == UNBEKANNT) {
                    const uint8_t neu = gruppe_schritte(tag, tt, erste, n, folge, ts);
                    eintrag = neu;
                    if (neu != MAG_ZIEHEN) {
                        folge.Vor(static_cast<int32_t>(neu));
                        return;
                    }
                }
            }
            for (int32_t i = erste; i < erste + n; ++i) art_trainieren(i, i, sichtbar_art);
        };
        if constexpr (frei && !mit_pflege) schritte_vorab_laden(tt, folge.Platz());
        gruppe(0, 2, std::true_type{});
        gruppe(2, 2, std::true_type{});
        gruppe(4, 2, std::true_type{});
        gruppe(6, 2, std::true_type{});
        gruppe(8, 1, std::true_type{});
        gruppe(9, 2, std::false_type{});
        gruppe(11, 2, std::false_type{});
        gruppe(13, 1, std::false_type{});
    }

    // a move of a field type (a keeper's types past the first lie beyond them)
    const bool bewegt = (geaendert & ((1u << FELD_ARTEN) - 1)) != 0;
    // the talents are read last, for the values a type moved: asked for now, while the rest of
    // the day draws (a day without a move needs them only where the overload takes a value off)
    if (geaendert != 0) __builtin_prefetch(Spieler_Egal_Daten[spnr].talent);
    // Without a move today the further attributes have nothing to follow: no draw for them.
    // Nothing has read them yet.
    bool folger_ueber = false;
    if constexpr (frei && !probe) {
        // Mostly none of them follows a type that moved: with all of them in range their draws
        // change nothing, and they are stepped over.
        const Folger_Tafel* ft = tag.folger[art];
        if (bewegt && ft && !(ft->typen[folge.Platz()] & geaendert) && folger_im_bereich(s)) {
            folge.Vor(ft->anzahl);
            folger_ueber = true;
        }
    }
    if (bewegt && !folger_ueber) {
        const uint32_t bewegte = geaendert & ((1u << FELD_ARTEN) - 1);
#pragma GCC unroll 6
        for (int32_t i = 14; i <= 19; ++i) {
            if (!Spieler_Attribut_Gewichte[art][i]) continue;
            const int32_t folgt = folge.Ziehe<frei>(0, 13);
            const int32_t vorher = alt(i);
            // mostly it follows a type that did not move: a value in range stays as it is then,
            // with nothing to check or write
            if (!(bewegte >> folgt & 1u) && vorher <= 99) continue;
            const int32_t neu = begrenzt(vorher + (bewegte >> folgt & 1u ? bewegung[folgt] : 0), 0, 99);
            if (neu == vorher) continue;
            anfang[i] = vorher;
            wert[i] = neu;
            gelesen |= 1u << i;
            geaendert |= 1u << i;
        }
    }

    int32_t e = s.trainings_erschoepfung;
    const int32_t plus = folge.Ziehe<frei>(0, e >= 75 ? 1 : 2);
    e = e + plus + tt.belastung - 1;
    if (platz >= 0 && tt.einzel > 4) {
        const int32_t drittel = folge.Ziehe<frei>(0, 2);
        if (drittel == 0) {
            const int32_t mehr = folge.Ziehe<frei>(0, tt.einzel - 3);
            e += mehr;
        }
    }
    e = begrenzt(e, 0, 99);
    if (torwart) {
        const int32_t oben = folge.Ziehe<frei>(40, 60);
        if (oben < e) {
            const int32_t weniger = folge.Ziehe<frei>(2, 4);
            e -= weniger;
        } else {
            const int32_t unten = folge.Ziehe<frei>(10, 30);
            if (unten > e) {
                const int32_t mehr = folge.Ziehe<frei>(1, 3);
                e += mehr;
            }
        }
        e = begrenzt(e, 0, 99);
    }
    s.trainings_erschoepfung = static_cast<uint8_t>(e);

    // below 75 no draw of 75..99 reaches the exhaustion: its draw is stepped over
    if (frei && e < 75) folge.Vor(1);
    else if (const int32_t ueberlast = folge.Ziehe<frei>(75, 99); ueberlast <= e)
        for (int32_t k = 0; k < anzahl; ++k) {
            const int32_t i = arten[k];
            const int32_t z = folge.Ziehe<frei>(0, 23);
            if (z >= e - 75) continue;
            bool trifft = true;
            if (i >= 9) {
                const int32_t achtel = folge.Ziehe<frei>(0, 7);
                trifft = achtel == 0;
            }
            if (trifft && w(i) > 0) {
                --wert[i];
                geaendert |= 1u << i;
            }
        }

    // on most days no draw of 15..25 divides the day's number: its draw is stepped over then
    if (frei && !tag.takt_heute) folge.Vor(1);
    else if (const int32_t takt = folge.Ziehe<frei>(15, 25); tag.takt_trifft[takt - 15]) {
        const int32_t d = folge.Ziehe<frei>(0, 40);
        s.formtendenz = static_cast<uint8_t>(begrenzt(s.formtendenz + d - 20, 0, 99));
    }
    const int32_t drittel = folge.Ziehe<frei>(0, 2);
    if (drittel == 0) {
        const int32_t z = folge.Ziehe<frei>(0, 50);
        int32_t t = form_wert / 2 + z;
        if (tag.stufe == 4) {
            const int32_t schwer = folge.Ziehe<frei>(15, 30);
            t += schwer;
        }
        if (s.formtendenz < t && form_wert > 0) {
            --form_wert;
            const int32_t halt = folge.Ziehe<frei>(40 + 3 * (4 - tag.stufe), 60);
            if (form_wert < halt) ++form_wert;
        } else if (s.formtendenz > t && form_wert < 99) {
            ++form_wert;
        }
        const int32_t fuenftel = folge.Ziehe<frei>(0, 4);
        if (fuenftel == 0) {
            const int32_t ziel = folge.Ziehe<frei>(40, 60);
            int32_t z306 = ts.wert_306;
            if (ziel > z306) {
                ++z306;
            } else {
                const int32_t d = folge.Ziehe<frei>(0, 2);
                z306 += 1 - d;
            }
            ts.wert_306 = static_cast<int8_t>(begrenzt(z306, 5, 99));
        }
    }

    // most days change no value: nothing to check against the talents or to write
    if (geaendert != 0) {
        const uint16_t* talent = Spieler_Egal_Daten[spnr].talent;
        const uint32_t folger = 0xFC000u;  // 14..19
        uint32_t schreiben = 0;            // bits of the values the day takes
        // The visible values (they draw nothing), then the invisible ones with their draws in the
        // same order as one pass over all would take them, then the followers: each pass has no
        // test of which kind its value is.
        const uint32_t sichtbare = (1u << 9) - 1;
        for (uint32_t bits = geaendert & sichtbare; bits; bits &= bits - 1) {
            const int32_t i = __builtin_ctz(bits);
            const int32_t neu = wert[i];
            if (neu == anfang[i]) continue;
            // a talent of 0 has not been drawn yet and sets no ceiling
            const int32_t decke = talent[i];
            if (decke > 0 && neu > decke) continue;
            if (neu < 5 || neu > 995) continue;
            schreiben |= 1u << i;
        }
        for (uint32_t bits = geaendert & ~(folger | sichtbare); bits; bits &= bits - 1) {
            const int32_t i = __builtin_ctz(bits);
            int32_t neu = wert[i];
            const int32_t vorher = anfang[i];
            if (neu == vorher) continue;
            const int32_t decke = i < FELD_ARTEN ? talent[i] : 0;
            if (decke > 0 && neu > decke) continue;
            if (neu < 0 || neu > 99) continue;
            const int32_t zehntel = folge.Zufall(0, 100);
            if (zehntel >= 76) continue;
            if (vorher < 75 && neu >= 75) {
                folge.Abgeben();
                Spieler_News_Neues_Attribut(tt.team, spnr, i);
                folge.Uebernehmen();
                neu = 99;
            }
            wert[i] = neu;
            schreiben |= 1u << i;
        }
        // a follower is taken when it changed (as good as a coin toss: taken by figures)
        for (uint32_t bits = geaendert & folger; bits; bits &= bits - 1) {
            const int32_t i = __builtin_ctz(bits);
            const int32_t neu = wert[i];
            const int32_t vorher = anfang[i];
            const bool anders = neu != vorher;
            // up from below 75 to 75 or more (changed, then): both differences not negative
            if (((74 - vorher) | (neu - 75)) >= 0) {
                folge.Abgeben();
                Spieler_News_Neues_Attribut(tt.team, spnr, i);
                folge.Uebernehmen();
                wert[i] = 99;
            }
            schreiben |= static_cast<uint32_t>(anders) << i;
        }
        // As Spieler_Attribute writes the vector back: the values taken, the two copies among the
        // invisible ones (the all-rounder and experience), experience held at 299, and the form.
        // The all-rounder (19) goes to its copy's place (10 of the invisible ones) and from there
        // to his own field.
        for (uint32_t bits = schreiben & sichtbare; bits; bits &= bits - 1) {
            const int32_t i = __builtin_ctz(bits);
            s.attribute[i] = static_cast<int16_t>(wert[i]);
        }
        for (uint32_t bits = schreiben & ~sichtbare; bits; bits &= bits - 1) {
            const int32_t i = __builtin_ctz(bits);
            s.unsichtbar[i - 9] = static_cast<uint8_t>(wert[i]);
        }
        if (schreiben >> 19 & 1u) s.allrounder = s.unsichtbar[19 - 9];
    }
    const int32_t erfahrung = std::min<int32_t>(s.erfahrung, 299);
    s.unsichtbar[10] = s.allrounder;
    s.unsichtbar[11] = static_cast<uint8_t>(erfahrung);
    s.erfahrung = static_cast<uint16_t>(erfahrung);
    s.form = static_cast<uint8_t>(form_wert);
    team_folge = folge;
    return false;
}

// A player's day out of line: the players a squad's loop does not take in place.
template <bool frei, bool probe = false, bool mit_pflege = !frei>
[[gnu::noinline]] bool spieler_trainieren(const Tag& tag, const Team_Tag& tt, int32_t spnr, TS& ts, int32_t platz,
                                          Zufall_Folge& team_folge)
{
    return spieler_tag<frei, probe, mit_pflege>(tag, tt, spnr, ts, platz, team_folge);
}

// The groups' steps kept from day to day: by difficulty level, the day's direction of unit
// changes (-1, 0, 1), the league's term (0, -0.5, 0.5), training grounds, the group's kind
// (visible or not, one type or two) and its types' units (up to 7; more units have none).
struct Schritte_Tafeln {
    static constexpr int32_t EINHEITEN = 8;
    std::vector<std::unique_ptr<uint8_t[]>> tafeln =
        std::vector<std::unique_ptr<uint8_t[]>>(5 * 3 * 3 * 2 * 4 * EINHEITEN * EINHEITEN);
    // Where a day's tables begin, -1 for a day that has none.
    static int64_t basis(int32_t stufe, int32_t richtung, float liga_term, bool anlagen)
    {
        const int32_t liga = liga_term == 0.0f ? 0 : liga_term == -0.5f ? 1 : liga_term == 0.5f ? 2 : -1;
        if (stufe < 0 || stufe > 4 || richtung < -1 || richtung > 1 || liga < 0) return -1;
        return ((((int64_t{stufe} * 3 + (richtung + 1)) * 3 + liga) * 2 + anlagen) * 4) * EINHEITEN * EINHEITEN;
    }
    uint8_t* tafel(int64_t basis, const Gruppe& g, const uint8_t* einheiten)
    {
        const uint8_t u1 = einheiten[g.erste], u2 = g.anzahl > 1 ? einheiten[g.erste + 1] : 0;
        if (basis < 0 || u1 >= EINHEITEN || u2 >= EINHEITEN) return keine();
        const size_t art = size_t(g.erste < 9) * 2 + size_t(g.anzahl > 1);
        const size_t index = size_t(basis) + (art * EINHEITEN + u1) * EINHEITEN + u2;
        std::unique_ptr<uint8_t[]>& t = tafeln[index];
        if (!t) t = std::make_unique<uint8_t[]>(BYTES);  // zeroed: UNBEKANNT
        return t.get();
    }
    // A group without steps: MAG_ZIEHEN at every place (never written, as no probe is taken there).
    uint8_t* keine()
    {
        if (!ohne) {
            ohne = std::make_unique<uint8_t[]>(BYTES);
            std::memset(ohne.get(), MAG_ZIEHEN, BYTES);
        }
        return ohne.get();
    }
    static constexpr size_t BYTES = Zufall_Folge::LAENGE;
    std::unique_ptr<uint8_t[]> ohne;
};

// A group's steps: its types' steps one after the other, each read from the type's own table at
// the place the one before it left the sequence, and probed there where no player started the
// type from that place yet. A type's steps are those a group of it alone takes, so that its
// table is the one such a group keeps.
uint8_t gruppe_schritte(const Tag& tag, const Team_Tag& tt, int32_t erste, int32_t n, Zufall_Folge folge, TS& ts)
{
    Zufall_Folge f = folge;
    for (int32_t i = erste; i < erste + n; ++i) {
        uint8_t*& tafel = tt.einzeln[i];
        if (!tafel) tafel = tag.schritte_tafeln->tafel(tt.tafel_basis, {i, 1}, tt.einheiten);
        uint8_t& eintrag = tafel[f.Platz()];
        if (eintrag == UNBEKANNT) {
            Zufall_Folge nach = f;
            const bool zieht = spieler_tag<true, true, false>(tag, tt, -1, ts, i | 1 << 8, nach);
            eintrag = zieht ? MAG_ZIEHEN : schritte_kode(nach.Stelle() - f.Stelle());
        }
        if (eintrag == MAG_ZIEHEN) return MAG_ZIEHEN;
        f.Vor(eintrag);
    }
    return schritte_kode(f.Stelle() - folge.Stelle());
}

bool schritte_an = true;

struct Glied {
    int32_t spnr;
    TS* ts;
};

// Each club's squad as its list held it (players in list order, keys beyond the players left
// out), kept from day to day while the list's own count stands: a list changes only when a
// player comes or goes, and its count moves then.
struct Kader_Speicher {
    struct Kader {
        uint64_t stand = 0;  // 0: nothing held (a head never registered has count 0 too)
        const Liste* liste = nullptr;
        std::vector<Glied> glieder;
    };
    std::vector<Kader> kader;

    void passend(int32_t teams)
    {
        if (kader.size() != static_cast<size_t>(teams)) kader.assign(static_cast<size_t>(teams), Kader{});
    }
    // The club's squad; `neu` when its list was walked for it.
    const Kader& von(int32_t t, Liste* liste, bool* neu)
    {
        Kader& k = kader[static_cast<size_t>(t)];
        const uint64_t stand = Liste_Stand_Von(liste);
        if (stand != 0 && k.stand == stand && k.liste == liste) return k;
        *neu = true;
        k.glieder.clear();
        for (Liste_Element* e = Liste_First_Element(liste); e; e = Liste_Next_Element(liste, e)) {
            if (e->key >= static_cast<uint32_t>(Spieler_Anzahl)) continue;
            k.glieder.push_back({static_cast<int32_t>(e->key), static_cast<TS*>(e->data)});
        }
        k.stand = stand;
        k.liste = liste;
        return k;
    }
};

// A squad's day, player after player in list order. The common player (no care term, form up
// to 100, room on the cycle for his draws) is trained in place, the sequence kept in registers
// from one to the next; the others go out of line with a copy of it.
// A club with nobody in individual training (most of them) has no player's place looked for.
template <bool einzel>
[[gnu::always_inline]] inline void kader_schleife(const Tag& tag, const Team_Tag& tt, const Glied* g,
                                                  const Glied* ende, Zufall_Folge& team_folge)
{
    Zufall_Folge folge = team_folge;
    for (; g != ende; ++g) {
        const int32_t spnr = g->spnr;
        TS& ts = *g->ts;
        const int32_t platz = einzel ? Spieler_Training_Get_Einzeltraining_Platz(tt.team, spnr) : -1;
        const int32_t stelle = folge.Stelle();
        if (stelle >= 0 && stelle + TAG_ZIEHUNGEN < Zufall_Folge::LAENGE - 1 && Spieler_Daten[spnr].form <= 100) {
            if (!gepflegt(ts, platz)) {
                spieler_tag<true>(tag, tt, spnr, ts, -1, folge);
                continue;
            }
            Zufall_Folge f = folge;
            spieler_trainieren<true, false, true>(tag, tt, spnr, ts, platz, f);
            folge = f;
        } else {
            Zufall_Folge f = folge;
            spieler_trainieren<false>(tag, tt, spnr, ts, platz, f);
            folge = f;
        }
    }
    team_folge = folge;
}

[[gnu::noinline]] void kader_trainieren(const Tag& tag, const Team_Tag& tt, const Glied* g, const Glied* ende,
                                        Zufall_Folge& team_folge)
{
    if (tt.einzel_belegt) kader_schleife<true>(tag, tt, g, ende, team_folge);
    else kader_schleife<false>(tag, tt, g, ende, team_folge);
}

// A team's types for its plan's units (by attribute index) and the day.
void typen_setzen(Team_Tag& tt, const Tag& tag, Art_Tag_Speicher& speicher, const uint8_t* einheiten)
{
    Schritte_Tafeln& schritte_tafeln = *tag.schritte_tafeln;
    // the field types and the keeper's; the further attributes between them only follow
    for (int32_t i = 0; i < 24; i = i + 1 == FELD_ARTEN ? 21 : i + 1) {
        const Art_Tag_Speicher::Ganz& g = speicher.ganz_von(einheiten[i], tag.faktor, tt.liga_term);
        tt.art[i] = g.a;
        tt.stoss[i] = g.stoss ? g.stoss : &tt.art[i];
        tt.eroeffnung[i] = tag.eroeffnungen->tafel[g.a.band][tt.anlagen][einheiten[i] <= 5].data();
    }
    tt.tafel_basis = Schritte_Tafeln::basis(tag.stufe, Spieler_Training.richtung, tt.liga_term, tt.anlagen);
    for (const Gruppe& g : GRUPPEN)
        tt.schritte[g.erste] = schritte_an ? schritte_tafeln.tafel(tt.tafel_basis, g, einheiten) : schritte_tafeln.keine();
    std::fill(std::begin(tt.einzeln), std::end(tt.einzeln), nullptr);
    std::memcpy(tt.einheiten, einheiten, sizeof tt.einheiten);
    const float torwart_einheiten = tt.summe * 0.0714f;
    tt.art[24] = speicher(torwart_einheiten, tag.faktor, tt.liga_term);
    tt.stoss[24] = tt.art[24].band ? speicher.stoss(torwart_einheiten, tag.faktor, tt.liga_term) : &tt.art[24];
    const bool torwart_in_spanne = torwart_einheiten >= 0.0f && torwart_einheiten <= 5.0f;
    tt.eroeffnung[24] = tag.eroeffnungen->tafel[tt.art[24].band][tt.anlagen][torwart_in_spanne].data();
}

}  // namespace

bool Spieler_Training_Schritte_Setzen(bool an)
{
    const bool vorher = schritte_an;
    schritte_an = an;
    return vorher;
}

bool Spieler_Training_Eroeffnungen_Setzen(bool an)
{
    const bool vorher = eroeffnungen_an;
    eroeffnungen_an = an;
    return vorher;
}

void Spieler_Bewerte_Training(int32_t n)
{
    if (Netz_Rolle == 1) {
        Print_Fehler("Client-Zugriff: Spieler_Bewerte_Training");
        return;
    }
    if (!T_Fix || !T_Own || !Spieler_Daten) return;
    // A type's day is a function of its figures alone: the days worked out are kept from day to
    // day, the nudges' tables while there are not too many of them (none is in use now).
    static Art_Tag_Speicher speicher;
    speicher.aufraeumen();
    static Schritte_Tafeln schritte_tafeln;
    Tag tag;
    tag.art_tag = &speicher;
    tag.schritte_tafeln = &schritte_tafeln;
    tag.stufe = static_cast<int32_t>(Schwierigkeitsstufe > 4 ? 4 : Schwierigkeitsstufe);
    tag.eroeffnungen = &eroeffnungen(tag.stufe);
    tag.faktor = FAKTOR[tag.stufe];
    tag.n = n;
    tag.takt_heute = false;
    for (int32_t k = 0; k < 11; ++k) {
        tag.takt_trifft[k] = n % (15 + k) == 0;
        tag.takt_heute |= tag.takt_trifft[k];
    }
    for (int32_t art = 0; art < 4; ++art) {
        for (int32_t i = 0; i < 24; ++i) tag.gewicht[art][i] = gewicht(art, i);
        tag.folger[art] = schritte_an ? &folger_tafel(art) : nullptr;
    }
    const int32_t wende = Zufall(7, 9);
    if (n % wende == 0) {
        const int32_t z = Zufall(0, 1);
        Spieler_Training.richtung = 2 * z - 1;
    }

    // Who plays where, once for the day: any competition, and the base league.
    std::vector<int16_t> liga(static_cast<size_t>(Team_Anzahl), -1);
    std::vector<uint8_t> spielt(static_cast<size_t>(Team_Anzahl), 0);
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        int16_t teams[WETTBEWERB_MAX_TEAMS];
        const int32_t k = Wettbewerb_Get_Teams(id, teams);
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
        const bool basisliga = info && info->basisliga;
        for (int32_t i = 0; i < k; ++i) {
            const int32_t t = teams[i];
            if (t < 0 || t >= Team_Anzahl) continue;
            spielt[static_cast<size_t>(t)] = 1;
            if (basisliga && liga[static_cast<size_t>(t)] < 0) liga[static_cast<size_t>(t)] = static_cast<int16_t>(id);
        }
    }
    // A squad once for the day's passes, every player's records asked for at once so that they
    // arrive together rather than one after the other. The next club to train is gathered while
    // the one before it trains: its squad, its players' records and its plan arrive meanwhile.
    // A squad comes from the day before while its club's list has not changed since: its walk
    // would chase a pointer per player.
    static Kader_Speicher kader_speicher;
    kader_speicher.passend(Team_Anzahl);
    static Team_Tag_Speicher team_tage;
    team_tage.passend(Team_Anzahl);
    const Kader_Speicher::Kader* kader = nullptr;
    const Kader_Speicher::Kader* naechster_kader = nullptr;
    bool gehalten = false;  // a squad came from the day before: no walk left the cursor behind its list
    auto sammeln = [&](int32_t t) {
        // the plan and the individual-training places behind it
        const char* const plan = reinterpret_cast<const char*>(T_Own[t].training);
        const char* const ende = reinterpret_cast<const char*>(T_Own[t].einzeltraining + 17);
        for (const char* z = plan; z < ende; z += 64) __builtin_prefetch(z);
        __builtin_prefetch(ende - 1);
        bool neu = false;
        const Kader_Speicher::Kader& k = kader_speicher.von(t, &T_Fix[t].liste, &neu);
        gehalten |= !neu && !k.glieder.empty();
        for (const Glied& g : k.glieder) {
            welt::spieler_vorab_laden(g.spnr);
            welt::vorab_laden(g.ts, sizeof(TS));
        }
        return &k;
    };
    auto danach = [&](int32_t t) {
        for (++t; t < Team_Anzahl; ++t)
            if (t != Transfermarkt_Team && t != Jugend_Team && spielt[static_cast<size_t>(t)]) break;
        return t;
    };
    Zufall_Folge bisher;
    int32_t gesammelt = danach(-1);
    if (gesammelt < Team_Anzahl) naechster_kader = sammeln(gesammelt);
    int32_t stufe_von[TEAM_LIGEN], stufen_von[TEAM_LIGEN];
    for (int32_t l = 0; l < TEAM_LIGEN; ++l) stufe_von[l] = -1;
    // free days are taken only by the clubs that earned them; most days none is left anywhere
    const bool freie_tage = Highscore_Freie_Tage_Offen();

    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (t == Transfermarkt_Team || t == Jugend_Team) continue;
        Liste* liste = &T_Fix[t].liste;
        if (!spielt[static_cast<size_t>(t)]) {
            bool neu = false;
            const Kader_Speicher::Kader& k = kader_speicher.von(t, liste, &neu);
            gehalten |= !neu && !k.glieder.empty();
            for (const Glied& g : k.glieder) {
                Spieler_Struktur& s = Spieler_Daten[g.spnr];
                const int32_t training = Zufall(20, 65);
                s.trainings_erschoepfung = static_cast<uint8_t>(training);
                const int32_t wahl = Zufall(0, 5);
                int32_t spiel;
                if (wahl == 3) spiel = Zufall(40, 60);
                else spiel = Zufall(0, 40);
                s.spiel_erschoepfung = static_cast<uint8_t>(spiel);
            }
            continue;
        }

        kader = naechster_kader;
        gesammelt = danach(t);
        if (gesammelt < Team_Anzahl) naechster_kader = sammeln(gesammelt);

        const int32_t l = liga[static_cast<size_t>(t)];
        int32_t stufe = 0, stufen = 1;
        if (l >= 0 && l < TEAM_LIGEN) {
            if (stufe_von[l] < 0) Wettbewerb_Visuell_Vertikal_Anz_Min(l, &stufe_von[l], &stufen_von[l], 4);
            stufe = stufe_von[l];
            stufen = stufen_von[l];
        }
        int32_t lo = 0, hi = 999;
        Team_Get_Staerke_Spanne(t, &lo, &hi, stufe, stufen);
        int32_t mitte = (lo + hi) / 2;
        if (T_Fix[t].liga != -1 && stufen < 4) {
            const int32_t start = Team_Get_Liga_Start_Mittelwert(-1, t);
            if (start > 0) mitte = start;
        }
        // The tiers' windows assume leagues spread evenly over the whole strength range; a
        // world's leagues are not, and held to those windows nearly every league would train
        // up (or down) for ever, its players' strength and with it their salaries growing
        // season after season. Each league is held where it started.
        if (const int32_t ziel = Team_Liga_Ziel_Staerke(l); ziel > 0) mitte = ziel;
        const int32_t halb = (hi - lo) / 10;
        lo = mitte - halb;
        hi = mitte + halb;

        Team_Tag_Speicher::Eintrag& eintrag = team_tage.eintraege[static_cast<size_t>(t)];
        Team_Tag& tt = eintrag.tt;
        tt.team = t;
        tt.liga_term = 0.0f;
        tt.liga_mitte = l >= 0 && l < TEAM_LIGEN ? mitte : 0;
        tt.einzel = 0;
        tt.einzel_belegt = false;
        const bool frei = freie_tage && Highscore_Punkte_Abziehen(t);
        // the plan's units by attribute index: whole ones but for the keeper's type 0 (24)
        uint8_t einheiten[24] = {};
        // summed as whole numbers: a float sum of so few small ones is exact in any order
        if (!frei) std::memcpy(einheiten, T_Own[t].training, FELD_ARTEN);
        // the field types fill the first 16 bytes, the bytes behind them still 0
        static_assert(FELD_ARTEN <= 16 && FELD_ARTEN < 21);
        tt.summe = static_cast<float>(bytes_summe(einheiten));
        for (int32_t i = 0; i < 3; ++i) einheiten[21 + i] = frei ? 0 : T_Own[t].training_bytes[i];
        // most clubs have nobody in individual training: their players need not be looked for,
        // and the count of places matters only to a player who holds one
        if (const auto* raster = static_cast<const int16_t*>(Team_Zeiger(TEAM_EINZELTRAINING, t, nullptr, 0))) {
            tt.einzel_belegt = eines_belegt(raster, 3 * SPIELER_TRAININGSARTEN);
        }
        if (tt.einzel_belegt) tt.einzel = Spieler_Training_Zaehle_Einzeltraining(t, 0);
        tt.anlagen = Stadion_Get_Anlage_Wert(t, STADION_ANLAGE_TRAININGSGELAENDE) > 0;
        tt.last = 2.28f;
        if (!T_Fix[t].manager) {
            int32_t summe = 0, anzahl = 0;
            for (const Glied& g : kader->glieder) {
                if (Spieler_Fix_Daten[g.spnr].lieblingspos == SP_POS_TORWART) continue;
                summe += Spieler_Daten[g.spnr].trainings_erschoepfung;
                ++anzahl;
            }
            const int32_t mittel = anzahl > 0 ? summe / anzahl : 0;
            if (mittel > 55) tt.last = static_cast<float>(mittel) * 0.01f + 2.0f;
        }
        tt.belastung = static_cast<int32_t>((tt.summe * 0.0714f / tag.faktor - 1.0f) * 2.0f - tt.last);

        // A league much stronger (or weaker) than its window trains worse (better) until it
        // has come back past a drawn threshold; a league mean of 0 leaves it alone.
        if (l >= 0 && l < TEAM_LIGEN) {
            Spieler_Training_Tabellen& tab = Spieler_Training;
            const int32_t m = Team_Liga_Staerke[l][4][4];
            if ((m == 0 || m >= lo) && !tab.zu_schwach[l]) {
                if (m > hi || tab.zu_stark[l]) {
                    tt.liga_term = -0.5f;
                    if (!tab.zu_stark[l]) {
                        tab.zu_stark[l] = 1;
                        const int32_t grenze = Zufall(lo, mitte);
                        tab.zu_stark_grenze[l] = static_cast<uint16_t>(begrenzt(grenze, 0, 999));
                    }
                }
            } else {
                tt.liga_term = 0.5f;
                if (!tab.zu_schwach[l]) {
                    tab.zu_schwach[l] = 1;
                    const int32_t grenze = Zufall(mitte, hi);
                    tab.zu_schwach_grenze[l] = static_cast<uint16_t>(begrenzt(grenze, 0, 999));
                }
            }
            if (tab.zu_schwach[l] && m > tab.zu_schwach_grenze[l]) tab.zu_schwach[l] = 0;
            if (tab.zu_stark[l] && m < tab.zu_stark_grenze[l]) tab.zu_stark[l] = 0;
        }

        Typen_Schluessel schluessel{};
        std::memcpy(schluessel.einheiten, einheiten, sizeof einheiten);
        std::memcpy(&schluessel.liga_term, &tt.liga_term, sizeof schluessel.liga_term);
        schluessel.stand = speicher.stand;
        schluessel.stufe = static_cast<int8_t>(tag.stufe);
        schluessel.richtung = static_cast<int8_t>(Spieler_Training.richtung);
        schluessel.anlagen = tt.anlagen;
        schluessel.schritte = static_cast<uint8_t>(schritte_an | eroeffnungen_an << 1);
        if (!eintrag.gueltig || !(eintrag.schluessel == schluessel)) {
            typen_setzen(tt, tag, speicher, einheiten);
            eintrag.schluessel = schluessel;
            eintrag.gueltig = true;
        }
        // the sequence where the club before handed it back, unless something drew since
        Zufall_Folge folge = bisher;
        folge.Uebernehmen(bisher);
        kader_trainieren(tag, tt, kader->glieder.data(), kader->glieder.data() + kader->glieder.size(), folge);
        folge.Abgeben();
        bisher = folge;
    }
    // as a walk of the squad's list would have left it
    if (gehalten) Liste_Set_Cursor(nullptr);
}

float Spieler_Zuwachs_Ueber_Liga(int32_t staerke, int32_t liga)
{
    if (liga <= 0) return 1.0f;
    const float f = 1.0f - static_cast<float>(staerke - liga) / static_cast<float>(SP_ZUWACHS_SPANNE);
    return f < 0.02f ? 0.02f : f > 1.0f ? 1.0f : f;
}

float Spieler_Zuwachs_Anteil(int32_t alter) { return ZUWACHS_ANTEIL[size_t(begrenzt(alter, 0, ALTERS_TABELLE - 1))]; }

void Spieler_Bewerte_Spiel_Erschoepfung(int32_t spnr)
{
    if (Netz_Rolle == 1) {
        Print_Fehler("Client-Zugriff: Spieler_Bewerte_Spiel_Erschoepfung");
        return;
    }
    if (!Spieler_Daten || spnr < 0 || spnr >= Spieler_Anzahl) {
        Print_Fehler("Fehler: Aufruf von Spieler_Bewerte_Spiel_Erschoepfung mit spnr = %d !\n", spnr);
        return;
    }
    const int32_t plus = Zufall(12, 14);
    Spieler_Struktur& s = Spieler_Daten[spnr];
    s.trainings_erschoepfung = static_cast<uint8_t>(begrenzt(s.trainings_erschoepfung + plus, 0, 99));
}

Spieler_Spielfeld_Lage Spieler_Spielfeld_Lage_Holen(int32_t team, int32_t spnr, int32_t erstes_feld)
{
    Spieler_Spielfeld_Lage l;
    l.team = team;
    l.spnr = spnr;
    if (Netz_Rolle == 1) {
        Print_Fehler("Client-Zugriff: Spieler_Spielfeld_Staerke");
        return l;
    }
    if (!Spieler_Daten || spnr < 0 || spnr >= Spieler_Anzahl) {
        Print_Fehler("Fehler: Aufruf von Spieler_Spielfeld_Staerke mit spnr = %d !\n", spnr);
        return l;
    }
    l.gueltig = true;
    // a server's own records (checked above): read straight from them
    l.torwart = Spieler_Art_Von_Platz(Spieler_Fix_Daten[spnr].lieblingspos) == 0;
    const int32_t f = std::min(100 - static_cast<int32_t>(Spieler_Daten[spnr].form), 60);
    int32_t t = 30;
    if (!l.torwart) {
        const TS* ts = Teamspieler_Ist_Im_Team(team, spnr) >= 0 ? Teamspieler_Get_Record(team, spnr) : nullptr;
        const int32_t platz = ts ? ts->position : -1;
        const int32_t heim = Spieler_Fix_Daten[spnr].lieblingspos;
        int32_t d = Hypotenuse_Int(platz / 17 - heim / 17, platz % 17 - heim % 17);
        if (d > 10) {
            if (erstes_feld == SP_KRAFT) Spielfeld_Attribut_Erhoehen(team, spnr, SP_ALLROUNDER, 2);
            d = 10;
        }
        t = Spieler_Daten[spnr].allrounder < 99 ? 6 * d : 2 * d;
    }
    l.h = (t + f) / 2;
    return l;
}

namespace {

// A value the strength at the place reads for a player whose place was taken (a server's record
// of a valid number): the plain ones straight from his record.
int32_t feld_wert(int32_t a, int32_t spnr)
{
    const Spieler_Struktur& s = Spieler_Daten[spnr];
    if (a >= SP_KRAFT && a <= SP_TORSCHUSS) return s.attribute[a - SP_KRAFT];
    if (a >= SP_FLANKEN && a <= SP_VEREINSTREUE) return s.unsichtbar[a - SP_FLANKEN];
    if (a == SP_ALLROUNDER) return s.allrounder;
    return Spieler_Wert(a, spnr, 0, SP_LESEN);
}

}  // namespace

int32_t Spieler_Spielfeld_Staerke(const Spieler_Spielfeld_Lage& l, int32_t a)
{
    if (!l.gueltig) return Spieler_Spielfeld_Staerke(l.team, l.spnr, a);
    const int32_t spnr = l.spnr;
    const bool torwart = l.torwart;
    int32_t obergrenze = 999;
    int32_t wert;
    if (!torwart && a == SP_TORWART_STAERKE) {
        a = SP_K_I_T;
        wert = feld_wert(a, spnr);
    } else if (!torwart && a >= SP_REFLEXE && a <= SP_STRAFRAUM) {
        a = SP_ALLROUNDER;
        wert = feld_wert(a, spnr) / 4;
    } else if (torwart && a != SP_TORWART_STAERKE && !(a >= SP_REFLEXE && a <= SP_STRAFRAUM)) {
        wert = feld_wert(SP_TORWART_STAERKE, spnr);
        if (a >= SP_FLANKEN && a <= SP_STRAFRAUM) {
            obergrenze = 99;
            wert /= 10;
        }
    } else {
        wert = feld_wert(a, spnr);
        if (a >= SP_FLANKEN && a <= SP_STRAFRAUM) {
            obergrenze = 99;
            if (wert >= 75) wert = 100;
        }
    }
    const int32_t h = l.h;
    if ((a >= SP_FLANKEN && a <= SP_STRAFRAUM) || a == SP_SPIEL_ERSCHOEPFUNG) {
        const int32_t z = Zufall(5, 10);
        wert = wert + z - h / 2;
    } else {
        wert = (wert * 90 + (h * 999 / 60) * 10) / 100;
    }
    return begrenzt(wert, 0, obergrenze);
}

int32_t Spieler_Spielfeld_Staerke(int32_t team, int32_t spnr, int32_t a)
{
    const Spieler_Spielfeld_Lage l = Spieler_Spielfeld_Lage_Holen(team, spnr, a);
    return l.gueltig ? Spieler_Spielfeld_Staerke(l, a) : 0;
}
