// League table computation over the match records of one fixture block.
#include "competitions/spiele_tabelle.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_intern.h"
#include "competitions/wettbewerb.h"
#include "gameflow/globals.h"
#include "platform/print.h"

uint32_t spiele_tabellen_verworfen = 0;

namespace {

struct Cache_Key {
    int32_t block, wettbewerb, erster, letzter, drei, optionen, team, minuten_flag, von, bis, live, limit;
    uint32_t aenderungen;
    bool operator==(const Cache_Key&) const = default;
};
struct Cache_Eintrag {
    Cache_Key key;
    int64_t ergebnis;
    // The rows of the columns and the days of the per-day areas kept; the columns' further rows
    // and the further days count as zero.
    int32_t zeilen, tage;
    Tabelle_Datensatz tabelle;
};
constexpr int32_t CACHE_GROESSE = 5;
Cache_Eintrag cache[CACHE_GROESSE];
int32_t cache_naechster = 0;
bool cache_leer_gesetzt = false;

void cache_leeren_alle()
{
    ++spiele_tabellen_verworfen;
    for (Cache_Eintrag& c : cache) c.key.block = -1;
    cache_naechster = 0;
    cache_leer_gesetzt = true;
}

// Copies a table whose columns are zero from row `zeilen` on and whose per-day areas are zero
// from day `tage` on: those rows and days are cleared in the target instead of copied (a table
// fills a small part of them), or left as they are in a kept table, which hands out only its
// first rows and days.
void tabelle_kopieren(Tabelle_Datensatz& ziel, const Tabelle_Datensatz& quelle, int32_t zeilen, int32_t tage,
                      bool nullen = true)
{
    constexpr size_t SPALTEN = offsetof(Tabelle_Datensatz, spiele);
    constexpr size_t ORT_ENDE = offsetof(Tabelle_Datensatz, tag_ort) + sizeof(Tabelle_Datensatz::tag_ort);
    static_assert(offsetof(Tabelle_Datensatz, tag_ergebnis) == SPALTEN + 4 * sizeof(Tabelle_Datensatz::spiele));
    static_assert(offsetof(Tabelle_Datensatz, tag_ort) ==
                  offsetof(Tabelle_Datensatz, tag_ergebnis) + sizeof(Tabelle_Datensatz::tag_ergebnis));
    const size_t n = size_t(std::clamp(zeilen, 0, TABELLE_MAX_TEAMS));
    const size_t felder = size_t(std::clamp(tage, 0, TABELLE_MAX_TAGE)) * TABELLE_TAG_SLOTS;
    auto* z = reinterpret_cast<uint8_t*>(&ziel);
    const auto* q = reinterpret_cast<const uint8_t*>(&quelle);
    std::memcpy(z, q, SPALTEN);
    for (int32_t (Tabelle_Datensatz::*spalte)[3][TABELLE_MAX_TEAMS] :
         {&Tabelle_Datensatz::spiele, &Tabelle_Datensatz::punkte, &Tabelle_Datensatz::tore, &Tabelle_Datensatz::gegentore})
        for (int32_t teil = 0; teil < 3; ++teil) {
            int32_t* zeile = (ziel.*spalte)[teil];
            std::copy_n((quelle.*spalte)[teil], n, zeile);
            if (nullen) std::fill(zeile + n, zeile + TABELLE_MAX_TEAMS, 0);
        }
    std::memcpy(ziel.tag_ergebnis, quelle.tag_ergebnis, felder * sizeof(uint16_t));
    std::memcpy(ziel.tag_ort, quelle.tag_ort, felder);
    if (nullen) {
        std::memset(ziel.tag_ergebnis + felder, 0, sizeof ziel.tag_ergebnis - felder * sizeof(uint16_t));
        std::memset(ziel.tag_ort + felder, 0, sizeof ziel.tag_ort - felder);
    }
    std::memcpy(z + ORT_ENDE, q + ORT_ENDE, sizeof(Tabelle_Datensatz) - ORT_ENDE);
}

void cache_ablegen(const Cache_Key& ck, int64_t ergebnis, const Tabelle_Datensatz& t,
                   int32_t zeilen = TABELLE_MAX_TEAMS, int32_t tage = TABELLE_MAX_TAGE)
{
    Cache_Eintrag& c = cache[cache_naechster];
    c.key = ck;
    c.ergebnis = ergebnis;
    c.zeilen = std::clamp(zeilen, 0, TABELLE_MAX_TEAMS);
    c.tage = std::clamp(tage, 0, TABELLE_MAX_TAGE);
    tabelle_kopieren(c.tabelle, t, c.zeilen, c.tage, false);
    cache_naechster = (cache_naechster + 1) % CACHE_GROESSE;
}

void cache_holen(const Cache_Eintrag& c, Tabelle_Datensatz* t) { tabelle_kopieren(*t, c.tabelle, c.zeilen, c.tage); }

// The result of one counted record, seen from its home side.
struct Beitrag {
    int32_t heim_slot, gast_slot;
    int32_t tag;
    int32_t heim_tore, gast_tore;
    int32_t spiele;  // 2 for a two-legged tie
};

// Quicksort by descending key with the middle element as pivot, the place order moved along.
void sortieren(int32_t* platz, int64_t* keys, int32_t n)
{
    while (n >= 2) {
        int64_t pivot = keys[n / 2];
        int32_t i = -1, j = n;
        for (;;) {
            do ++i; while (keys[i] > pivot);
            do --j; while (keys[j] < pivot);
            if (i >= j) break;
            std::swap(keys[i], keys[j]);
            std::swap(platz[i], platz[j]);
        }
        if (i < n - i) {
            sortieren(platz, keys, i);
            platz += i;
            keys += i;
            n -= i;
        } else {
            sortieren(platz + i, keys + i, n - i);
            n = i;
        }
    }
}

struct Spalten {
    int32_t spiele[3][TABELLE_MAX_TEAMS];
    int32_t punkte[3][TABELLE_MAX_TEAMS];
    int32_t tore[3][TABELLE_MAX_TEAMS];
    int32_t gegentore[3][TABELLE_MAX_TEAMS];
};

// One record's contribution into the columns, or out of them (vorzeichen -1).
void addieren(Spalten& s, const Beitrag& b, int32_t sieg_punkte, int32_t vorzeichen = 1)
{
    const int32_t slot[2] = {b.heim_slot, b.gast_slot};
    const int32_t tore[2] = {b.heim_tore, b.gast_tore};
    for (int32_t seite = 0; seite < 2; ++seite) {
        const int32_t x = slot[seite], teil = 1 + seite;
        const int32_t f = tore[seite] * vorzeichen, g = tore[1 - seite] * vorzeichen;
        const int32_t p = (tore[seite] > tore[1 - seite] ? sieg_punkte : tore[seite] == tore[1 - seite] ? 1 : 0) * vorzeichen;
        s.spiele[0][x] += b.spiele * vorzeichen;
        s.spiele[teil][x] += vorzeichen;
        s.tore[0][x] += f;
        s.tore[teil][x] += f;
        s.gegentore[0][x] += g;
        s.gegentore[teil][x] += g;
        s.punkte[0][x] += p;
        s.punkte[teil][x] += p;
    }
}

int64_t key_aus(const Spalten& s, int32_t x, int32_t optionen, int32_t drei)
{
    int64_t k = 0;
    for (int32_t teil = 1; teil <= 2; ++teil) {
        if (!(optionen & (teil == 1 ? TAB_HEIM : TAB_AUSWAERTS))) continue;
        if (optionen & (TAB_TORE | TAB_GEGENTORE)) k += 38400;
        if (optionen & TAB_TORE) k += int64_t(s.tore[teil][x]) * 257;
        if (optionen & TAB_GEGENTORE) k -= int64_t(s.gegentore[teil][x]) * 256;
        if (optionen & TAB_PUNKTE) {
            k += int64_t(s.punkte[teil][x]) * 33554432;
            if (!drei) k += (int64_t(s.spiele[teil][x]) * 2 - s.punkte[teil][x]) * 131072;
        }
    }
    return k;
}

// The first n rows of every column zeroed (the rest are not read).
void spalten_leeren(Spalten& s, int32_t n)
{
    for (int32_t teil = 0; teil < 3; ++teil) {
        std::fill_n(s.spiele[teil], n, 0);
        std::fill_n(s.punkte[teil], n, 0);
        std::fill_n(s.tore[teil], n, 0);
        std::fill_n(s.gegentore[teil], n, 0);
    }
}

// The first n rows of every column of a and b added into summe.
void spalten_summe(Spalten& summe, const Spalten& a, const Spalten& b, int32_t n)
{
    for (int32_t teil = 0; teil < 3; ++teil)
        for (int32_t x = 0; x < n; ++x) {
            summe.spiele[teil][x] = a.spiele[teil][x] + b.spiele[teil][x];
            summe.punkte[teil][x] = a.punkte[teil][x] + b.punkte[teil][x];
            summe.tore[teil][x] = a.tore[teil][x] + b.tore[teil][x];
            summe.gegentore[teil][x] = a.gegentore[teil][x] + b.gegentore[teil][x];
        }
}

// A table's column: the first n rows counted, the rest zero.
void spalte_setzen(int32_t* ziel, const int32_t* zeilen, int32_t n)
{
    std::copy_n(zeilen, n, ziel);
    std::fill(ziel + n, ziel + TABELLE_MAX_TEAMS, 0);
}

std::vector<Beitrag> beitraege;
Spalten vortag;

// Slot by team number for the rows of one count (each number's first slot), -1 elsewhere: both
// sides of every record of a block look their row up. Numbers outside it, and a count inside
// another, search the rows.
class Slot_Tafel {
public:
    Slot_Tafel(const int32_t* team, int32_t n) : team_(team), n_(n), eigen_(!belegt_)
    {
        if (!eigen_) return;
        belegt_ = true;
        for (int32_t i = n - 1; i >= 0; --i) {
            const int32_t nr = team[i];
            if (nr < 0 || nr >= GRENZE) continue;
            if (size_t(nr) >= slot_.size()) slot_.resize(size_t(nr) + 1, -1);
            slot_[size_t(nr)] = int16_t(i);
        }
    }
    ~Slot_Tafel()
    {
        if (!eigen_) return;
        belegt_ = false;
        for (int32_t i = 0; i < n_; ++i)
            if (team_[i] >= 0 && team_[i] < GRENZE) slot_[size_t(team_[i])] = -1;
    }
    Slot_Tafel(const Slot_Tafel&) = delete;
    Slot_Tafel& operator=(const Slot_Tafel&) = delete;
    int32_t operator()(int32_t nr) const
    {
        if (eigen_ && nr >= 0 && nr < GRENZE) return size_t(nr) < slot_.size() ? slot_[size_t(nr)] : -1;
        for (int32_t i = 0; i < n_; ++i)
            if (team_[i] == nr) return i;
        return -1;
    }

private:
    static constexpr int32_t GRENZE = 1 << 16;
    static inline std::vector<int16_t> slot_;
    static inline bool belegt_ = false;
    const int32_t* team_;
    int32_t n_;
    bool eigen_;
};


// What a count asks: the days, the options and the minutes of its matches.
struct Zaehl_Frage {
    int32_t wettbewerb, erster, letzter, optionen, team, von, bis, live, limit;
};

// A count's question prepared for its records: which of them it takes and with what result.
class Zaehler {
public:
    explicit Zaehler(const Zaehl_Frage& q)
        : q_(q),
          von_tag_(q.erster == -1 ? 0 : q.erster),
          bis_tag_(q.letzter == -1 ? INT_MAX : q.letzter),
          legs_(Wettbewerb_Get_Anzahl_Spiele_Pro_Paarung(q.wettbewerb)),
          abstand_(legs_ > 1 ? Wettbewerb_Get_Paarung(q.wettbewerb, 0) : 0),
          minuten_(q.von >= 0 || q.bis >= 0 || q.limit >= 0),
          bis_minute_(q.limit >= 0 ? (q.limit - 2 > 0 ? q.limit - 2 : q.limit - 1) : q.bis)
    {
    }

    // Whether each record counts for itself alone: no second legs, no forecasts, no minutes.
    bool je_spiel() const { return legs_ <= 1 && !q_.live && !minuten_; }

    // The contribution of record i of the block s[0..anzahl): a first leg of the days asked
    // whose result (or forecast, live) is known and whose clubs both have a row; a two-legged
    // tie counts once with both legs added crosswise. False when the record counts not.
    bool beitrag(const Spiele_Spiel* s, uint32_t anzahl, uint32_t i, const Slot_Tafel& slot_von, Beitrag* b) const
    {
        const Spiele_Spiel& r = s[i];
        if (r.runde != 0 || r.spieltag < von_tag_ || r.spieltag > bis_tag_) return false;
        if (r.heim == SPIELE_KEIN_TEAM) return false;
        int32_t h = 0, a = 0;
        if (!tore_von(r, &h, &a)) return false;
        int32_t spiele = 1;
        if (legs_ > 1) {
            // The second leg stands `abstand` records later; a tie outside the block is skipped.
            if (abstand_ <= 0 || uint64_t(i) + uint64_t(abstand_) >= anzahl) return false;
            int32_t h2 = 0, a2 = 0;
            if (!tore_von(s[i + uint32_t(abstand_)], &h2, &a2)) return false;
            h += a2;
            a += h2;
            spiele = 2;
        }
        if ((q_.optionen & TAB_NUR_TEAM) && r.heim != q_.team && r.gast != q_.team) return false;
        const int32_t sh = slot_von(r.heim), sa = slot_von(r.gast);
        if (sh < 0 || sa < 0) return false;  // a team outside the table has no row to count in
        *b = {sh, sa, r.spieltag, h, a, spiele};
        return true;
    }

private:
    bool tore_von(const Spiele_Spiel& r, int32_t* h, int32_t* a) const
    {
        if (r.heim_tore == -1) return q_.live && spiele_tip_ergebnis(r, h, a);
        if (minuten_ && q_.letzter >= 0 && r.spieltag == q_.letzter) {
            spiele_tore_im_bereich(r, q_.von, bis_minute_, h, a);
        } else {
            *h = r.heim_tore;
            *a = r.gast_tore;
        }
        return true;
    }

    Zaehl_Frage q_;
    int32_t von_tag_, bis_tag_, legs_, abstand_;
    bool minuten_;
    int32_t bis_minute_;
};

// Calls f(Beitrag) for every record of the block that the count takes, in record order.
template <typename F>
void beitraege_durchgehen(const Zaehler& z, const Spiele_Spiel* s, uint32_t anzahl, const Slot_Tafel& slot_von, F&& f)
{
    Beitrag b;
    for (uint32_t i = 0; i < anzahl; ++i)
        if (z.beitrag(s, anzahl, i, slot_von, &b)) f(b);
}

// The keys of the first n rows from the columns, and the place order of a count that took
// `gezaehlt` records: sorted only when it took any (else the list order stands).
void ordnen(const Spalten& s, int32_t n, int32_t optionen, int32_t drei, bool gezaehlt, int32_t* platz, int64_t* keys)
{
    for (int32_t i = 0; i < n; ++i) {
        keys[i] = key_aus(s, i, optionen, drei);
        platz[i] = i;
    }
    if (gezaehlt) sortieren(platz, keys, n);
}

}  // namespace

int64_t Spiele_Tabelle_Key(const Tabelle_Datensatz* t, int32_t slot, int32_t optionen, int32_t drei)
{
    if (!t || slot < 0 || slot >= TABELLE_MAX_TEAMS) return 0;
    Spalten s;
    for (int32_t teil = 0; teil < 3; ++teil) {
        s.spiele[teil][slot] = t->spiele[teil][slot];
        s.punkte[teil][slot] = t->punkte[teil][slot];
        s.tore[teil][slot] = t->tore[teil][slot];
        s.gegentore[teil][slot] = t->gegentore[teil][slot];
    }
    return key_aus(s, slot, optionen, drei);
}

void Spiele_Tabellen_Cache_Leeren() { cache_leeren_alle(); }

void Spiele_Tabelle_Loesche_Backup(int32_t block)
{
    spiele_client_marker("Tabelle_Loesche_Backup");
    if (!cache_leer_gesetzt) cache_leeren_alle();
    ++spiele_tabellen_verworfen;
    for (Cache_Eintrag& c : cache)
        if (c.key.block == block) c.key.block = -1;
}

void Spiele_Tabelle_Umsortieren(Tabelle_Datensatz* t, int32_t optionen, int32_t drei)
{
    if (!t) return;
    const int32_t n = std::clamp(t->anzahl, 0, TABELLE_EWIG_ZEILEN);
    int64_t keys[TABELLE_EWIG_ZEILEN];
    for (int32_t i = 0; i < n; ++i) {
        keys[i] = Spiele_Tabelle_Key(t, i, optionen, drei);
        t->platz[i] = i;
    }
    sortieren(t->platz, keys, n);
    for (int32_t i = 0; i < n; ++i) t->key[i] = uint32_t(keys[i]);
    t->optionen = optionen;
}

namespace {

// Unless it counts one club's games only, the table is the same whichever club asks: one kept
// table answers every club of it (the menus and the sponsors ask club by club).
Cache_Key cache_key(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter, int32_t drei,
                    int32_t optionen, int32_t team, int32_t minuten_flag, int32_t von, int32_t bis, int32_t live,
                    int32_t limit)
{
    const bool je_team = (optionen & TAB_NUR_TEAM) != 0;
    return {block, wettbewerb, erster, letzter, drei, optionen, je_team ? team : -1, minuten_flag,
            von, bis, live, limit, spiele_aenderungen};
}

// The kept table of this key counted over these team numbers (`anzahl` rows), null for none.
template <typename Nummer>
const Cache_Eintrag* cache_suchen(const Cache_Key& ck, const Nummer* teams, int32_t anzahl)
{
    const int32_t n = std::clamp(anzahl, 0, TABELLE_MAX_TEAMS);
    for (const Cache_Eintrag& c : cache)
        if (c.key == ck && c.tabelle.anzahl == anzahl && std::equal(teams, teams + n, c.tabelle.team)) return &c;
    return nullptr;
}

// The sort key of `team`'s row in a counted table (its first slot, as the count takes it); -1
// where the club has no row. The keys stand in place order, each beside its slot's place.
int64_t team_key(const Tabelle_Datensatz& t, int32_t team)
{
    const int32_t n = std::clamp(t.anzahl, 0, TABELLE_MAX_TEAMS);
    const int32_t* slot = std::find(t.team, t.team + n, team);
    if (slot == t.team + n) return -1;
    const int32_t* platz = std::find(t.platz, t.platz + n, int32_t(slot - t.team));
    return platz == t.platz + n ? -1 : int64_t(t.key[platz - t.platz]);
}

}  // namespace

int64_t Spiele_Tabelle_Berechnen(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter,
                                 int32_t drei, int32_t optionen, Tabelle_Datensatz* t, int32_t team,
                                 int32_t minuten_flag, int32_t von, int32_t bis, int32_t live, int32_t ewig,
                                 int32_t limit)
{
    if (!t || !Spiele_Ist_Initialisiert()) return -1;
    if (!cache_leer_gesetzt) cache_leeren_alle();
    if (Netz_Rolle == 1) {
        // A client has no records to count: the server's table, kept until the next sync.
        const Cache_Key ck{block, wettbewerb, erster, letzter, drei, optionen, team, minuten_flag,
                           von, bis, live, limit, 0};
        if (!ewig)
            for (const Cache_Eintrag& c : cache)
                if (c.key == ck) {
                    cache_holen(c, t);
                    return c.ergebnis;
                }
        int64_t ergebnis = -1;
        if (!spiele_fern_tabelle(wettbewerb, block, erster, letzter, drei, optionen, t, team, minuten_flag, von, bis,
                                 live, ewig, limit, &ergebnis))
            return -1;
        if (!ewig) {
            cache_ablegen(ck, ergebnis, *t);
        }
        return ergebnis;
    }
    if (ewig) return spiele_ewige_tabelle(block, drei, optionen, t, team);
    if (block == -1) return -1;
    if (letzter >= 576) letzter = -1;

    const int32_t n = std::clamp(t->anzahl, 0, TABELLE_MAX_TEAMS);
    const bool je_team = (optionen & TAB_NUR_TEAM) != 0;
    const Cache_Key ck = cache_key(wettbewerb, block, erster, letzter, drei, optionen, team, minuten_flag, von, bis,
                                   live, limit);
    const bool cachebar = live == 0 || live == 1;
    if (cachebar)
        if (const Cache_Eintrag* c = cache_suchen(ck, t->team, t->anzahl)) {
            cache_holen(*c, t);
            return je_team ? c->ergebnis : team_key(*t, team);
        }

    uint32_t anzahl = 0;
    const Spiele_Spiel* s = spiele_block_spiele(block, &anzahl);
    if (!s) {
        Print_Fehler("Tabelle: Gesuchter Wettbewerb nicht eingetragen...\n");
        return -1;
    }
    const int32_t sieg_punkte = drei ? 3 : 2;
    const Slot_Tafel slot_von(t->team, n);
    beitraege.clear();
    int32_t max_tag = -1, tage = 0;
    std::vector<bool> tag_gezaehlt;
    beitraege_durchgehen(Zaehler({wettbewerb, erster, letzter, optionen, team, von, bis, live, limit}), s, anzahl, slot_von,
                         [&](const Beitrag& b) {
                             beitraege.push_back(b);
                             if (size_t(b.tag) >= tag_gezaehlt.size()) tag_gezaehlt.resize(size_t(b.tag) + 1);
                             if (!tag_gezaehlt[size_t(b.tag)]) {
                                 tag_gezaehlt[size_t(b.tag)] = true;
                                 ++tage;
                             }
                             max_tag = std::max(max_tag, b.tag);
                         });

    // Every counted slot is a row of the table: the columns past the rows stay zero. Each record
    // counts once, before the last day or on it; the table now is the sum of both.
    Spalten jetzt, letzter_tag;
    spalten_leeren(letzter_tag, n);
    spalten_leeren(vortag, n);
    std::memset(t->tag_ergebnis, 0, sizeof t->tag_ergebnis);
    std::memset(t->tag_ort, 0, sizeof t->tag_ort);
    for (const Beitrag& b : beitraege) {
        addieren(b.tag < max_tag ? vortag : letzter_tag, b, sieg_punkte);
        // The per-day areas hold 24 slots x 245 days; rows beyond them keep no day results.
        if (b.tag < TABELLE_MAX_TAGE) {
            const uint16_t code = b.heim_tore > b.gast_tore ? TAB_SIEG : b.heim_tore == b.gast_tore ? TAB_REMIS : TAB_NIEDERLAGE;
            const int32_t basis = b.tag * TABELLE_TAG_SLOTS;
            if (b.heim_slot < TABELLE_TAG_SLOTS) {
                t->tag_ergebnis[basis + b.heim_slot] = code;
                t->tag_ort[basis + b.heim_slot] = 1;
            }
            if (b.gast_slot < TABELLE_TAG_SLOTS) {
                t->tag_ergebnis[basis + b.gast_slot] = uint16_t(2 - code);
                t->tag_ort[basis + b.gast_slot] = 0;
            }
        }
    }
    spalten_summe(jetzt, vortag, letzter_tag, n);
    for (int32_t teil = 0; teil < 3; ++teil) {
        spalte_setzen(t->spiele[teil], jetzt.spiele[teil], n);
        spalte_setzen(t->punkte[teil], jetzt.punkte[teil], n);
        spalte_setzen(t->tore[teil], jetzt.tore[teil], n);
        spalte_setzen(t->gegentore[teil], jetzt.gegentore[teil], n);
    }

    int64_t keys[TABELLE_MAX_TEAMS], vortag_keys[TABELLE_MAX_TEAMS];
    int32_t vortag_platz[TABELLE_MAX_TEAMS];
    int64_t ergebnis = -1;
    if (const int32_t* eigen = std::find(t->team, t->team + n, team); eigen != t->team + n)
        ergebnis = int64_t(uint32_t(key_aus(jetzt, int32_t(eigen - t->team), optionen, drei)));
    ordnen(vortag, n, optionen, drei, !beitraege.empty(), vortag_platz, vortag_keys);
    ordnen(jetzt, n, optionen, drei, !beitraege.empty(), t->platz, keys);
    std::fill(t->vorher, t->vorher + n, -1);
    for (int32_t i = n; i < TABELLE_MAX_TEAMS; ++i) t->platz[i] = t->vorher[i] = -1;
    if (!beitraege.empty() && tage >= 2) std::copy(vortag_platz, vortag_platz + n, t->vorher);
    for (int32_t i = 0; i < n; ++i) t->key[i] = uint32_t(keys[i]);
    t->optionen = optionen;
    t->wettbewerb = wettbewerb;

    if (cachebar) {
        cache_ablegen(ck, ergebnis, *t, n, max_tag + 1);
    }
    return ergebnis;
}

namespace {

// A competition's last column count, kept to count the next one from the records that changed
// since: its question, what the count read of every record of the block, and the columns.
// Only a count whose records each count for themselves is kept (Zaehler::je_spiel).
struct Zaehlstand {
    struct Frage {
        int32_t block, erster, letzter, drei, optionen, n;
        bool operator==(const Frage&) const = default;
    };
    bool gueltig = false;
    Frage frage{};
    int32_t team[TABELLE_MAX_TEAMS] = {};
    // Per record what the count read: the bytes from the clubs to the leg, and the goals.
    struct Gelesen {
        uint64_t teams_tag;
        uint16_t tore;
        bool operator==(const Gelesen&) const = default;
    };
    std::vector<Gelesen> gelesen;
    int32_t gezaehlt = 0;  // records counted
    Spalten spalten;

    static constexpr size_t TEAMS_TAG = offsetof(Spiele_Spiel, heim), TORE = offsetof(Spiele_Spiel, heim_tore);
    static_assert(offsetof(Spiele_Spiel, runde) < TEAMS_TAG + 8 && offsetof(Spiele_Spiel, spieltag) < TEAMS_TAG + 8);
    static_assert(offsetof(Spiele_Spiel, gast_tore) == TORE + 1);
    static Gelesen lesen(const Spiele_Spiel& r)
    {
        Gelesen g;
        std::memcpy(&g.teams_tag, reinterpret_cast<const uint8_t*>(&r) + TEAMS_TAG, sizeof g.teams_tag);
        std::memcpy(&g.tore, reinterpret_cast<const uint8_t*>(&r) + TORE, sizeof g.tore);
        return g;
    }
    // A record holding those bytes, as the count read it.
    static Spiele_Spiel gelesenes(const Gelesen& g)
    {
        Spiele_Spiel r{};
        std::memcpy(reinterpret_cast<uint8_t*>(&r) + TEAMS_TAG, &g.teams_tag, sizeof g.teams_tag);
        std::memcpy(reinterpret_cast<uint8_t*>(&r) + TORE, &g.tore, sizeof g.tore);
        return r;
    }
};
std::vector<std::unique_ptr<Zaehlstand>> zaehlstaende;  // by competition id

}  // namespace

bool spiele_tabelle_zaehlen(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter, int32_t drei,
                            int32_t optionen, const int32_t* team, int32_t n, int32_t live, int32_t* punkte,
                            int32_t* spiele, int32_t* platz)
{
    if (!team || n <= 0 || n > TABELLE_MAX_TEAMS || wettbewerb < 0 || wettbewerb > WETTBEWERB_MAX_ID ||
        !Spiele_Ist_Initialisiert())
        return false;
    if (!cache_leer_gesetzt) cache_leeren_alle();
    if (block == -1) return false;
    if (letzter >= 576) letzter = -1;
    uint32_t anzahl = 0;
    const Spiele_Spiel* s = spiele_block_spiele(block, &anzahl);
    if (!s) {
        Print_Fehler("Tabelle: Gesuchter Wettbewerb nicht eingetragen...\n");
        return false;
    }
    const int32_t sieg_punkte = drei ? 3 : 2;
    const Slot_Tafel slot_von(team, n);
    const Zaehler zaehler({wettbewerb, erster, letzter, optionen, -1, -1, -1, live, -1});
    if (zaehlstaende.size() <= size_t(wettbewerb)) zaehlstaende.resize(size_t(wettbewerb) + 1);
    std::unique_ptr<Zaehlstand>& stand = zaehlstaende[size_t(wettbewerb)];
    if (!stand) stand = std::make_unique<Zaehlstand>();
    Zaehlstand& z = *stand;
    const Zaehlstand::Frage frage{block, erster, letzter, drei, optionen, n};
    const bool weiter = z.gueltig && zaehler.je_spiel() && z.frage == frage && std::equal(team, team + n, z.team) &&
                        z.gelesen.size() == anzahl;
    Beitrag b;
    if (weiter) {
        // Only the records read otherwise than last time change the columns: what they gave
        // then goes out, what they give now comes in.
        for (uint32_t i = 0; i < anzahl; ++i) {
            const Zaehlstand::Gelesen g = Zaehlstand::lesen(s[i]);
            if (g == z.gelesen[i]) continue;
            const Spiele_Spiel vorher = Zaehlstand::gelesenes(z.gelesen[i]);
            if (zaehler.beitrag(&vorher, 1, 0, slot_von, &b)) {
                addieren(z.spalten, b, sieg_punkte, -1);
                --z.gezaehlt;
            }
            if (zaehler.beitrag(s, anzahl, i, slot_von, &b)) {
                addieren(z.spalten, b, sieg_punkte);
                ++z.gezaehlt;
            }
            z.gelesen[i] = g;
        }
    } else {
        spalten_leeren(z.spalten, n);
        z.gezaehlt = 0;
        beitraege_durchgehen(zaehler, s, anzahl, slot_von, [&](const Beitrag& b) {
            addieren(z.spalten, b, sieg_punkte);
            ++z.gezaehlt;
        });
        z.gueltig = zaehler.je_spiel();
        if (z.gueltig) {
            z.frage = frage;
            std::copy(team, team + n, z.team);
            z.gelesen.resize(anzahl);
            for (uint32_t i = 0; i < anzahl; ++i) z.gelesen[i] = Zaehlstand::lesen(s[i]);
        }
    }
    int64_t keys[TABELLE_MAX_TEAMS];
    ordnen(z.spalten, n, optionen, drei, z.gezaehlt > 0, platz, keys);
    std::copy_n(z.spalten.punkte[TAB_GESAMT], n, punkte);
    std::copy_n(z.spalten.spiele[TAB_GESAMT], n, spiele);
    return true;
}

int32_t Spiele_Tabelle_Gehaltener_Platz(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter,
                                        int32_t drei, int32_t optionen, const int16_t* teams, int32_t anzahl,
                                        int32_t team, int32_t live)
{
    // A client's kept tables are the server's answers for the club asked about.
    if (!teams || block == -1 || !Spiele_Ist_Initialisiert() || Netz_Rolle == 1 || !cache_leer_gesetzt ||
        (live != 0 && live != 1))
        return SPIELE_TABELLE_NICHT_GEHALTEN;
    if (letzter >= 576) letzter = -1;
    const Cache_Key ck = cache_key(wettbewerb, block, erster, letzter, drei, optionen, team, 0, -1, -1, live, -1);
    const Cache_Eintrag* c = cache_suchen(ck, teams, anzahl);
    if (!c) return SPIELE_TABELLE_NICHT_GEHALTEN;
    // As the counting answers: -1 when the club has no row.
    if ((optionen & TAB_NUR_TEAM) ? c->ergebnis < 0 : team_key(c->tabelle, team) < 0) return -1;
    const Tabelle_Datensatz& t = c->tabelle;
    const int32_t n = std::clamp(t.anzahl, 0, TABELLE_MAX_TEAMS);
    for (int32_t platz = 0; platz < n; ++platz)
        if (t.platz[platz] >= 0 && t.platz[platz] < TABELLE_MAX_TEAMS && t.team[t.platz[platz]] == team) return platz;
    return -1;
}
