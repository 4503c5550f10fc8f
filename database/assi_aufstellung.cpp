// The line-up assistant's single steps: a player's place and area of play on the grid, the
// removal of players who cannot play, and the tactic figure.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "database/assi_aufstellung.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "database/zufall_folge.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "platform/wert.h"
#include "platform/zufall.h"
#include "screens/spieler_einsetzen.h"

namespace {

constexpr int32_t SPALTEN = 17;
constexpr uint32_t NICHT_EINSETZBAR = 0xFC0;

int32_t zelle(int32_t z, int32_t s) { return z * SPALTEN + s; }

// The squad with each player's link record beside him where the records may be read and written
// in place (not on a network client, whose writes go through the checks of Teamspieler_Wert):
// the line-up reads and clears every player's flags, and each lookup by number costs a search.
struct Kader_Links {
    int32_t feld[500];
    TS* ts[500];
    int32_t anzahl = 0;
    bool direkt = false;
    explicit Kader_Links(int32_t team)
    {
        direkt = Netz_Rolle != 1;
        anzahl = std::min<int32_t>(Teamspieler_Kader(team, feld, direkt ? ts : nullptr, 500, 0), 500);
    }
    // field 317 of player i, as Teamspieler_Wert reads it
    uint32_t flags(int32_t team, int32_t i) const
    {
        return direkt ? ts[i]->flags : static_cast<uint32_t>(Teamspieler_Wert(317, team, feld[i], 0, 0));
    }
    // clears bits of field 317, as Teamspieler_Wert's mode 4 does
    void flags_loeschen(int32_t team, int32_t i, uint32_t bits) const
    {
        if (direkt) ts[i]->flags &= 2147483647u - bits;
        else Teamspieler_Wert(317, team, feld[i], static_cast<int32_t>(bits), 4);
    }
    int32_t position(int32_t team, int32_t i) const
    {
        return direkt ? ts[i]->position : Teamspieler_Wert(310, team, feld[i], 0, 0);
    }
    // sets bits of field 317, as Teamspieler_Wert's mode 8 does
    void flags_setzen(int32_t team, int32_t i, uint32_t bits) const
    {
        if (direkt) ts[i]->flags |= bits;
        else Teamspieler_Wert(317, team, feld[i], static_cast<int32_t>(bits), 8);
    }
    // a write (mode 1) of field 310..314 (a cell), 316 (-1: marks nobody) or 329: in place when
    // the value lies within the field's bounds (the tactic here, the other fields as
    // Teamspieler_Wert_Schreiben writes a record at hand), else through Teamspieler_Wert
    void schreiben(int32_t team, int32_t i, int32_t nr, int32_t wert) const
    {
        if (direkt && nr == 329 && wert >= 0 && wert <= 32767) {
            ts[i]->taktik = static_cast<uint16_t>(wert);
            return;
        }
        Teamspieler_Wert_Schreiben(direkt ? ts[i] : nullptr, nr, team, feld[i], wert);
    }
    // fields 310..314 (a place and its area) written as schreiben writes them one by one
    void zellen_schreiben(int32_t team, int32_t i, const std::array<int32_t, 5>& zellen) const
    {
        const auto im_feld = [](int32_t w) { return uint32_t(w + 1) <= 460u; };
        if (direkt && (im_feld(zellen[0]) & im_feld(zellen[1]) & im_feld(zellen[2]) & im_feld(zellen[3]) & im_feld(zellen[4]))) {
            TS& t = *ts[i];
            t.position = int16_t(zellen[0]), t.bereich_a = int16_t(zellen[1]), t.bereich_b = int16_t(zellen[2]);
            t.position2_a = int16_t(zellen[3]), t.position2_b = int16_t(zellen[4]);
            return;
        }
        einzeln_schreiben(team, i, zellen);
    }
    // each through schreiben, as the fields' bounds ask
    [[gnu::noinline]] void einzeln_schreiben(int32_t team, int32_t i, const std::array<int32_t, 5>& zellen) const
    {
        for (int32_t j = 0; j < 5; ++j) schreiben(team, i, 310 + j, zellen[size_t(j)]);
    }
};

bool zelle_besetzt(int32_t team, int32_t spnr, int32_t z)
{
    int32_t feld[500];
    const int32_t n = std::min<int32_t>(Teamspieler_Ins_Array(team, feld, 500, 0), 500);
    for (int32_t i = 0; i < n; ++i)
        if (feld[i] != spnr && Teamspieler_Wert(310, team, feld[i], 0, 0) == z) return true;
    return false;
}

}  // namespace

int32_t Assi_Position_In_Mannschaftsteil(int32_t slot, int32_t code, int32_t* aus)
{
    int32_t teil = 0;
    if (slot >= 0)
        teil = slot / 3;
    else
        teil = code == 0 ? 0 : code == 16 ? 4 : (code - 1) / 3;
    if (aus) *aus = teil;
    return teil;
}

namespace {

// Assi_Aufstellung_Bereinigen on the squad `kader` of `team`
void bereinigen(int32_t team, const Kader_Links& kader)
{
    for (int32_t i = 0; i < kader.anzahl; ++i) {
        if (!(kader.flags(team, i) & NICHT_EINSETZBAR)) continue;
        kader.flags_loeschen(team, i, TS_STARTELF | TS_ERSATZ);
        kader.schreiben(team, i, 316, -1);
    }
}

}  // namespace

void Assi_Aufstellung_Bereinigen(int32_t team)
{
    if (!T || team < 0 || team >= Team_Anzahl) return;
    bereinigen(team, Kader_Links(team));
}

namespace {

// The ability of the club's tactics assistant, -1 without one.
int32_t taktik_faehigkeit(int32_t team)
{
    const int32_t slot = Assistent_Mit_Aufgabe(team, 1);
    return slot < 0 ? -1 : Assistent_Faehigkeit(team, slot, 1);
}

}  // namespace

void Assi_Taktik_Wert_Setzen(int32_t team, int32_t ziel)
{
    if (!T || team < 0 || team >= Team_Anzahl) return;
    const int32_t a = taktik_faehigkeit(team);
    if (a < 0) return;
    const int32_t faktor = Zufall_Gross(80 + a / 5, 130 - a / 5);
    // The assistant aims where a computer club plays, his draw blurring the aim around its middle
    // (105), the less the abler he is. Aimed at the match's weight (about 50 early in a season,
    // rising towards its end), a managed club played far below every computer side, and later
    // above them: the computer plays every match at the same effort.
    (void)ziel;
    const int32_t wert = std::clamp(TEAM_EINSATZ_COMPUTER * faktor / 105, 5, 95);
    Team_Wert(152, team, wert, TEAM_SCHREIBEN);
    if (static_cast<uint32_t>(team) == Handelndes_Team) Spieler_Einsetzen_Einsatz_Refresh(wert);
}

// New players start on the free places down the middle column; the area is drawn around the
// place (or, with `behalten`, the old area is carried along) and the reference cells are the
// middles of its top and bottom edges.
void Assi_Setze_Spieler_Raum(int32_t team, int32_t spnr, bool neu, bool behalten)
{
    if (!Teamspieler_Get_Record(team, spnr)) return;
    if (Spieler_Wert(SP_LIEBLINGSPOS, spnr, 0, SP_LESEN) == SP_POS_TORWART) return;
    const int32_t alt = Teamspieler_Wert(310, team, spnr, 0, 0);
    int32_t pos = alt;
    if (pos < 0 || pos >= 459 || neu) {
        pos = -1;
        for (int32_t z = 8; z <= 26 && pos < 0; z += 2)
            if (!zelle_besetzt(team, spnr, zelle(z, 8))) pos = zelle(z, 8);
        if (pos < 0) pos = zelle(14, 9);
    }
    const int32_t z = pos / SPALTEN, s = pos % SPALTEN;
    int32_t z1 = 0, s1 = 0, z2 = 0, s2 = 0;
    const int32_t a = Teamspieler_Wert(311, team, spnr, 0, 0);
    const int32_t b = Teamspieler_Wert(312, team, spnr, 0, 0);
    if (behalten && alt >= 0 && alt < 459 && a >= 0 && b >= 0) {
        const int32_t dz = z - alt / SPALTEN, ds = s - alt % SPALTEN;
        z1 = a / SPALTEN + dz, s1 = a % SPALTEN + ds;
        z2 = b / SPALTEN + dz, s2 = b % SPALTEN + ds;
    } else {
        int32_t ez = 0, es = 0;
        Spieler_Raum_Zufaellige_Ausdehnung(0, pos, &ez, &es, 9, 4);
        z1 = z - ez, z2 = z + ez, s1 = s - es, s2 = s + es;
    }
    z1 = std::clamp(z1, 0, 26), z2 = std::clamp(z2, 0, 26);
    s1 = std::clamp(s1, 0, 16), s2 = std::clamp(s2, 0, 16);
    if (z2 - z1 < 2 || s2 - s1 < 2) {
        pos = zelle(14, 9);
        z1 = 8, s1 = 5, z2 = 20, s2 = 13;
    }
    const int32_t mitte = (s1 + s2) / 2;
    Teamspieler_Wert(310, team, spnr, pos, 1);
    Teamspieler_Wert(311, team, spnr, zelle(z1, s1), 1);
    Teamspieler_Wert(312, team, spnr, zelle(z2, s2), 1);
    Teamspieler_Wert(313, team, spnr, zelle(z1, mitte), 1);
    Teamspieler_Wert(314, team, spnr, zelle(z2, mitte), 1);
}

// --- the whole line-up ---

namespace {

constexpr int32_t ZELLEN = 27 * SPALTEN;
constexpr int32_t FELDSPIELER = 10;

// Weights of the three attribute groups (fitness, intelligence, technique) by the third of the
// pitch a cell lies in: defenders need fitness, midfielders intelligence, forwards technique.
constexpr int32_t GRUPPEN_GEWICHT[3][3] = {{5, 3, 2}, {2, 5, 3}, {2, 2, 6}};

struct Kandidat {
    // made for every player of the squad each run: only the fields below with a value are set
    // (the places' ratings are written before they are read, and never for a goalkeeper)
    Kandidat() {}
    int32_t spnr;
    bool torwart;
    int32_t lieblingspos;
    int32_t lieb_zeile = -1, lieb_spalte = -1;  // its row and column on the grid, -1 off it
    int32_t lieb_versatz = 0;  // his favourite cell's offset in the signed distance table (on the grid)
    // his distances by a place's offset in the signed table (10 without a favourite cell on the grid)
    const int32_t* abstaende = nullptr;
    const int32_t* zellen_werte = nullptr;  // his row of the grid's ratings, where the grid is rated
    int32_t form;  // field 83, below 50 counts as 0
    bool gewaehlt;
    int32_t fest_platz;  // the place the manager fixed him to, -1 none
    int32_t gesamt = 0;  // the one overall rating of the goalkeeper and bench picks
    std::array<int32_t, 10> platz;  // suitability ratings for the formation's field places
    // for the eleven's choice: each place's rating plus 25 less his distance to the place (on the grid)
    std::array<int32_t, 10> wertung;
    bool in_elf = false;  // put into the eleven by this run
    int32_t elf_zelle = -1;  // his place there as stored (the goal's for the keeper)
    int32_t link = -1;  // his place in the squad's link records
    // the window of grid cells he rated (rows z0..z1, columns s0..s1), none while z0 > z1
    int32_t z0 = 1, z1 = 0, s0 = 0, s1 = 0;
};

// Hypotenuse_Int over every row and column difference of the grid, worked out once.
const std::array<std::array<int32_t, SPALTEN>, 27>& abstaende()
{
    static const auto tabelle = [] {
        std::array<std::array<int32_t, SPALTEN>, 27> t{};
        for (int32_t z = 0; z < 27; ++z)
            for (int32_t s = 0; s < SPALTEN; ++s) t[size_t(z)][size_t(s)] = Hypotenuse_Int(z, s);
        return t;
    }();
    return tabelle;
}

// Hypotenuse_Int of two cells' row and column differences (the table's for cells of the grid).
int32_t hypotenuse(int32_t a, int32_t b)
{
    const int32_t dz = a / SPALTEN - b / SPALTEN, ds = a % SPALTEN - b % SPALTEN;
    if (std::abs(dz) < 27 && std::abs(ds) < SPALTEN) return abstaende()[size_t(std::abs(dz))][size_t(std::abs(ds))];
    return Hypotenuse_Int(dz, ds);
}

// The distance table by signed row and column differences (-26..26, -16..16), so that the
// distance of two grid cells is one read: entry abstand_versatz(z, s) - abstand_versatz(z2, s2)
// is the table's for |z - z2| and |s - s2|.
constexpr int32_t SIGNIERT_BREITE = 2 * SPALTEN - 1;
int32_t abstand_versatz(int32_t z, int32_t s) { return z * SIGNIERT_BREITE + s; }
const std::array<int32_t, 53 * SIGNIERT_BREITE>& abstaende_signiert()
{
    static const auto tabelle = [] {
        std::array<int32_t, 53 * SIGNIERT_BREITE> t{};
        for (int32_t dz = -26; dz <= 26; ++dz)
            for (int32_t ds = -(SPALTEN - 1); ds < SPALTEN; ++ds)
                t[size_t(abstand_versatz(dz + 26, ds + SPALTEN - 1))] = abstaende()[size_t(std::abs(dz))][size_t(std::abs(ds))];
        return t;
    }();
    return tabelle;
}

// A player's distances by a place's offset in the signed table, for his favourite cell's offset
// `lieb_versatz` (-1 for none on the grid): entry v is abstaende_signiert()[v - lieb_versatz], or
// 10 without a favourite cell. One table holds room for any offset taken away, the signed
// table and the tens, so that the player's entry 0 lies inside it.
// Behind the table, at ABZUG_ABSTAND, the same again with each distance's 30 per cell, so that a
// player's pointer into the one reaches into the other by that step.
constexpr size_t ABZUG_ABSTAND = 3 * 53 * SIGNIERT_BREITE;
const int32_t* abstaende_von(int32_t lieb_versatz)
{
    constexpr size_t N = 53 * SIGNIERT_BREITE;
    static const auto tabelle = [] {
        std::array<int32_t, 2 * ABZUG_ABSTAND> t{};
        std::copy_n(abstaende_signiert().begin(), N, t.begin() + N);
        std::fill_n(t.begin() + 2 * N, N, 10);
        std::transform(t.begin(), t.begin() + ABZUG_ABSTAND, t.begin() + ABZUG_ABSTAND, [](int32_t a) { return 30 * a; });
        return t;
    }();
    return lieb_versatz < 0 ? tabelle.data() + 2 * N : tabelle.data() + N - size_t(lieb_versatz);
}

// A player's attribute sums (none for a number without a player): the nine together, and each
// third's weighting of the three groups.
struct Summen {
    int32_t alle = 0;
    std::array<int32_t, 3> drittel{};
    [[gnu::always_inline]] explicit Summen(int32_t spnr)
    {
        if (!Spieler_Daten || spnr < 0 || spnr >= Spieler_Anzahl) return;
        // the three groups' sums first, then each third's weighting of them, written out
        const auto& at = Spieler_Daten[spnr].attribute;
        const int32_t g0 = at[0] + at[1] + at[2], g1 = at[3] + at[4] + at[5], g2 = at[6] + at[7] + at[8];
        alle = g0 + g1 + g2;
        auto gewichtet = [&](size_t d) {
            return g0 * GRUPPEN_GEWICHT[d][0] + g1 * GRUPPEN_GEWICHT[d][1] + g2 * GRUPPEN_GEWICHT[d][2];
        };
        drittel = {gewichtet(0), gewichtet(1), gewichtet(2)};
    }
};

// Assi_Eignung_Berechnen for many cells of one player: his weighted sums per third once.
struct Eignung {
    int32_t summe[3] = {};
    int32_t alle = 0;  // his nine attributes' sum
    // his favourite cell's row and column, the row -1 where he has none on the grid
    int32_t lieb_zeile = -1, lieb_spalte = 0;
    explicit Eignung(int32_t spnr)
    {
        if (!Spieler_Daten || spnr < 0 || spnr >= Spieler_Anzahl) return;
        const Summen s(spnr);
        alle = s.alle;
        std::copy(s.drittel.begin(), s.drittel.end(), summe);
        const int32_t lieb = Spieler_Fix_Daten[spnr].lieblingspos;
        if (lieb >= 0 && lieb < ZELLEN) lieb_zeile = lieb / SPALTEN, lieb_spalte = lieb % SPALTEN;
    }
    int32_t operator()(int32_t c) const
    {
        if (c < 0 || c >= ZELLEN) return 0;
        const int32_t z = c / SPALTEN, s = c % SPALTEN;
        const int32_t drittel = std::min(z / 9, 2);
        const int32_t abstand =
            lieb_zeile >= 0 ? abstaende()[size_t(std::abs(lieb_zeile - z))][size_t(std::abs(lieb_spalte - s))] : 10;
        return std::max(summe[drittel] / 10 - 30 * abstand, 0);
    }
};

// Each place's draw in lo..hi on the cycle, less lo (Zufall_Folge::Wert): the line-ups draw their
// noise in one or two ranges all season, a table kept for each. None for a range a byte does not hold.
const uint8_t* ziehungstabelle(int32_t lo, int32_t hi)
{
    if (hi < lo || hi - lo > 255) return nullptr;
    struct Tabelle {
        int32_t lo, hi;
        std::unique_ptr<uint8_t[]> werte;
    };
    static std::vector<Tabelle> tabellen;
    for (const Tabelle& t : tabellen)
        if (t.lo == lo && t.hi == hi) return t.werte.get();
    if (tabellen.size() >= 8) tabellen.erase(tabellen.begin());
    Tabelle t{lo, hi, std::make_unique<uint8_t[]>(Zufall_Folge::LAENGE)};
    for (int32_t p = 0; p < Zufall_Folge::LAENGE; ++p) t.werte[size_t(p)] = uint8_t(Zufall_Folge::Wert(p, lo, hi) - lo);
    tabellen.push_back(std::move(t));
    return tabellen.back().werte.get();
}

// The next `anzahl` draws in lo..hi of `folge`, read by their number 0..anzahl-1, each once and
// in rising order, by `rechnen(ziehe)`: from `tabelle` (ziehungstabelle's) where they all lie
// before the cycle's end, else step by step round it. `folge` stands behind all of them after.
template <class Rechnen>
void ziehungen(Zufall_Folge& folge, const uint8_t* tabelle, int32_t lo, int32_t hi, int32_t anzahl, Rechnen&& rechnen)
{
    if (tabelle && folge.Stelle() >= 0 && folge.Stelle() + anzahl < Zufall_Folge::LAENGE) {
        const uint8_t* const t = tabelle + folge.Stelle() + 1;
        rechnen([t, lo](int32_t nr) { return lo + int32_t(t[nr]); });
        folge.Vor(anzahl);
        return;
    }
    Zufall_Folge f = folge;
    int32_t gezogen = 0;  // the draws that lie behind
    rechnen([&](int32_t nr) {
        f.Ueberspringen(nr - gezogen);
        gezogen = nr + 1;
        return f.Zufall(lo, hi);
    });
    f.Ueberspringen(anzahl - gezogen);
    folge = f;
}

// The grid cells a line-up rates (bit s of row z: cell (z, s)), numbered row by row (`nummer`,
// -1 for a cell not rated). For each column of a favourite cell, the rated cells inside the
// columns of a window around it (four each side), row by row, with where each row's begin, so
// that a player's window is one run of the list: each cell with its draw's place in the
// window from its top row, its number, third of the pitch and offset in the signed distance table.
struct Gitter_Zellen {
    static constexpr int32_t HOECHSTENS = TEAM_FORMATIONEN * FELDSPIELER;
    struct Zelle {
        int16_t zug;  // the draw's place in a window from row 0: row times the window's width plus column
        int16_t versatz;
        int8_t nummer, drittel;
    };
    std::array<uint32_t, 27> gelesen{};
    std::array<int8_t, ZELLEN> nummer;  // by cell, -1 for a cell not rated
    int32_t anzahl = 0;
    // by the favourite cell's column: the window's cells, and each row's first of them (row 27 one
    // past the last)
    std::array<std::vector<Zelle>, SPALTEN> fenster;
    std::array<std::array<int16_t, 28>, SPALTEN> anfang;
    explicit Gitter_Zellen(const std::array<uint32_t, 27>& maske) : gelesen(maske)
    {
        nummer.fill(-1);
        for (int32_t z = 0; z < 27; ++z)
            for (uint32_t m = gelesen[size_t(z)]; m; m &= m - 1)
                nummer[size_t(zelle(z, std::countr_zero(m)))] = int8_t(anzahl++);
        for (int32_t ls = 0; ls < SPALTEN; ++ls) {
            const int32_t s0 = std::max(ls - 4, 0), s1 = std::min(ls + 4, 16), breite = s1 - s0 + 1;
            auto& liste = fenster[size_t(ls)];
            liste.reserve(size_t(anzahl));
            for (int32_t z = 0; z < 27; ++z) {
                anfang[size_t(ls)][size_t(z)] = int16_t(liste.size());
                for (uint32_t m = (gelesen[size_t(z)] >> s0) & ((1u << breite) - 1); m; m &= m - 1) {
                    const int32_t s = s0 + std::countr_zero(m);
                    liste.push_back({int16_t(z * breite + s - s0), int16_t(abstand_versatz(z + 26, s + SPALTEN - 1)),
                                     nummer[size_t(zelle(z, s))], int8_t(std::min(z / 9, 2))});
                }
            }
            anfang[size_t(ls)][27] = int16_t(liste.size());
        }
    }
};

// The cells of a formation's first n field places (`aus` as Team_Aufstellungsarray gives it)
// marked among the grid's rated cells (bit s of row z: cell (z, s)), and each place's cell in
// `zellen`, -1 for one off the grid.
void plaetze_markieren(const uint8_t* aus, int32_t n, std::array<uint32_t, 27>& gelesen,
                       std::array<int16_t, FELDSPIELER>& zellen)
{
    zellen.fill(-1);
    for (int32_t k = 0; k < n; ++k) {
        // a place's column inside the grid's gives its row and column as they stand
        const uint32_t z = aus[2 * k], s = aus[2 * k + 1];
        const int32_t c = zelle(int32_t(z), int32_t(s));
        if (c >= ZELLEN) continue;
        zellen[size_t(k)] = int16_t(c);
        if (s < uint32_t(SPALTEN)) gelesen[z] |= 1u << s;
        else gelesen[size_t(c / SPALTEN)] |= 1u << (c % SPALTEN);
    }
}

// All formations' first n places' cells and the rated cells they make.
struct Formationen_Zellen {
    using Plaetze = std::array<std::array<int16_t, FELDSPIELER>, TEAM_FORMATIONEN>;
    std::array<uint32_t, 27> gelesen{};
    Plaetze plaetze;
};

// The built-in formations' (a club without a manager), worked out once for each n.
const Formationen_Zellen& eingebaute_formationen(int32_t n)
{
    static std::array<std::unique_ptr<Formationen_Zellen>, FELDSPIELER + 1> tabellen;
    auto& t = tabellen[size_t(std::clamp(n, 0, FELDSPIELER))];
    if (!t) {
        t = std::make_unique<Formationen_Zellen>();
        for (int32_t f = 0; f < TEAM_FORMATIONEN; ++f)
            plaetze_markieren(Team_Formationen[f].plaetze, n, t->gelesen, t->plaetze[size_t(f)]);
    }
    return *t;
}

// The last line-ups' rated cells, kept for the next with the same: the clubs without a manager
// share their formations, so that most runs rate the same cells, and the runs that rate no cell
// come between them every match day.
const Gitter_Zellen& gitter_zellen(const std::array<uint32_t, 27>& gelesen)
{
    static std::array<std::unique_ptr<Gitter_Zellen>, 4> letzte;
    static size_t naechste = 0;  // the one to make anew next
    for (const auto& g : letzte)
        if (g && g->gelesen == gelesen) return *g;
    auto& neu = letzte[naechste];
    naechste = (naechste + 1) % letzte.size();
    neu = std::make_unique<Gitter_Zellen>(gelesen);
    return *neu;
}

// A rating of his fitness for a cell or place before the distance (`grund`), less 30 for each
// cell of distance (`abzug`, the distance times 30 as the tables give it), with noise `r` in
// percent and his form's factor (`voll`: 100): 32 bits hold it, the fitness staying below
// 180,000 and the noise and the factor below a few hundred.
template <bool voll>
int32_t bewertung(int32_t grund, int32_t abzug, int32_t r, int32_t form_faktor)
{
    const uint32_t e = uint32_t(std::max(grund - abzug, 0)) * uint32_t(r) / 100u;
    if constexpr (voll) return int32_t(e) + 1;
    else return int32_t(e) * form_faktor / 100 + 1;
}

// One player's ratings of the rated cells `von`..`bis` (Gitter_Zellen::Zelle, his window's run of
// them), each with its draw by its place in the window (`oben` the window's top row times its
// width); `grund` his fitness by third, `abzug` his distances' 30 per cell by offset. Everything by
// value, so that the loop keeps it in registers while it writes the ratings (`werte`) and the grid's sums.
template <bool voll, class Ziehe>
void fenster_raten(const Gitter_Zellen::Zelle* von, const Gitter_Zellen::Zelle* bis, int32_t oben,
                   std::array<int32_t, 3> grund, const int32_t* abzug, int32_t form_faktor, int32_t* __restrict werte,
                   int32_t* __restrict gitter, Ziehe ziehe)
{
    for (const Gitter_Zellen::Zelle* z = von; z != bis; ++z) {
        const int32_t r = ziehe(z->zug - oben);
        const int32_t wert = bewertung<voll>(grund[size_t(z->drittel)], abzug[z->versatz], r, form_faktor);
        werte[z->nummer] = wert;
        gitter[z->nummer] += wert;
    }
}

// The ratings of one line-up run with everything they are drawn from, for the next run: a
// club's home and away line-ups after a match rate the same squad on the same day's draws. Runs
// that rate the places (not the grid, whose runs come one a club and day) hand them on. The next
// run compares all of it (the seed the ratings start from, the assistant's noise, the rated
// formation's places, and every candidate's number, favourite cell, form and attributes) and
// takes the ratings only when nothing differs, so that a player hurt, banned, tired, trained,
// sold or bought in between, or another formation, makes them anew.
struct Geteilte_Bewertung {
    struct Spieler {
        int32_t spnr, lieblingspos, form;
        std::array<int16_t, 9> attribute;
        bool operator==(const Spieler&) const = default;
    };
    struct Wert {
        int32_t gesamt;
        std::array<int32_t, 10> platz, wertung;
    };
    bool gueltig = false;
    int32_t team = -1;
    int32_t seed = 0, rausch_lo = 0, rausch_hi = 0;
    std::array<uint8_t, 2 * FELDSPIELER> aus{};
    const Spieler_Struktur* daten = nullptr;
    std::vector<Spieler> spieler;
    // the ratings, each candidate's in squad order, and the seed after them
    std::vector<Wert> werte;
    int32_t seed_danach = 0;

    bool operator==(const Geteilte_Bewertung& b) const
    {
        return gueltig == b.gueltig && team == b.team && seed == b.seed && rausch_lo == b.rausch_lo &&
               rausch_hi == b.rausch_hi && aus == b.aus && daten == b.daten && spieler == b.spieler;
    }
};
// the last run's ratings, and the next run's key made in place of its own (no allocation a run)
Geteilte_Bewertung geteilt, schluessel;
int64_t geteilt_anzahl = 0;

// The stored line-up buttons 1271..1276 keep in their manager word which players and
// instructions are fixed: bit 1 (set A) or 2 (set B) the players, 4 or 8 the instructions.
constexpr int32_t AUFSTELLUNG_KNOPF = 1271;

struct Platz {
    int32_t spnr;
    int32_t zelle;
    TS* ts = nullptr;  // his link record where the squad's records are read in place
    int32_t link = -1;  // his place in the squad's link records (own players only)
};

// The field players of a team's eleven with their cells.
std::vector<Platz> elf_feldspieler(int32_t team)
{
    const Kader_Links kader(team);
    std::vector<Platz> elf;
    elf.reserve(size_t(FELDSPIELER) + 1);  // an eleven's, in one allocation
    for (int32_t i = 0; i < kader.anzahl; ++i) {
        const int32_t p = kader.position(team, i);
        if ((kader.flags(team, i) & TS_STARTELF) && p >= 0 && p < ZELLEN)
            elf.push_back({kader.feld[i], p, kader.direkt ? kader.ts[i] : nullptr});
    }
    return elf;
}

// Man-markers: the defenders of the eleven (own rows 0..8; `eigene` as elf_feldspieler gives them,
// with their places in the squad's link records `links`) against the opponent's forwards (his
// rows 18..26), seen on our grid through the mirrored cell; the closest pair is made first, so
// each marker takes the forward nearest to him.
void manndecker_setzen(int32_t team, int32_t gegner, const std::vector<Platz>& eigene, const Kader_Links& links)
{
    const std::vector<Platz> fremde = elf_feldspieler(gegner);
    // whether a player is in our list: our squad at hand holds it whole below the listing's bound
    auto bei_uns = [&](int32_t spnr) {
        if (links.anzahl >= 49) return Teamspieler_Ist_Im_Team(team, spnr) >= 0;
        return std::find(links.feld, links.feld + links.anzahl, spnr) != links.feld + links.anzahl;
    };
    for (const Platz& p : fremde) {
        // field 309 as Teamspieler_Wert reads it
        const int32_t deckt_ihn = p.ts ? p.ts->gedeckt_von : Teamspieler_Wert(309, gegner, p.spnr, 0, 0);
        if (deckt_ihn >= 0 && bei_uns(deckt_ihn)) Teamspieler_Wert_Schreiben(p.ts, 309, gegner, p.spnr, -1);
    }
    for (const Platz& p : eigene) links.schreiben(team, p.link, 316, -1);
    if (eigene.empty()) {
        Print_Fehler("Assi_Mannschaftsaufstellung: keine Spieler bei Team %d eingesetzt!", team);
        return;
    }
    if (fremde.empty()) {
        Print_Fehler("Assi_Mannschaftsaufstellung: keine Spieler bei Gegner %d eingesetzt!", gegner);
        return;
    }
    std::vector<Platz> verteidiger, stuermer;
    verteidiger.reserve(eigene.size()), stuermer.reserve(fremde.size());
    for (const Platz& p : eigene)
        if (p.zelle / SPALTEN <= 8) verteidiger.push_back(p);
    for (const Platz& p : fremde)
        if (p.zelle / SPALTEN >= 18) stuermer.push_back({p.spnr, ZELLEN - 1 - p.zelle, p.ts});
    if (stuermer.empty()) return;
    // Both stand on the grid: their distance is one read of the signed table, from the
    // defender's offset as a place's and the forward's as a favourite cell's.
    const auto& signiert = abstaende_signiert();
    auto versatz = [](int32_t c, int32_t plus) { return abstand_versatz(c / SPALTEN + plus, c % SPALTEN + (plus ? SPALTEN - 1 : 0)); };
    std::array<int32_t, 2 * FELDSPIELER> v_versatz, s_versatz;
    for (size_t v = 0; v < verteidiger.size() && v < v_versatz.size(); ++v) v_versatz[v] = versatz(verteidiger[v].zelle, 26);
    for (size_t k = 0; k < stuermer.size() && k < s_versatz.size(); ++k) s_versatz[k] = versatz(stuermer[k].zelle, 0);
    const bool im_raster = verteidiger.size() <= v_versatz.size() && stuermer.size() <= s_versatz.size();
    int32_t paare = 0;
    for (;;) {
        size_t bv = 0, bs = 0;
        int32_t bester = -1;
        for (size_t v = 0; v < verteidiger.size(); ++v)
            for (size_t k = 0; k < stuermer.size(); ++k) {
                if (verteidiger[v].spnr < 0 || stuermer[k].spnr < 0) continue;
                const int32_t d = im_raster ? signiert[size_t(v_versatz[v] - s_versatz[k])]
                                            : hypotenuse(verteidiger[v].zelle, stuermer[k].zelle);
                if (bester < 0 || d < bester) bester = d, bv = v, bs = k;
            }
        if (bester < 0) break;
        // Teamspieler_Set_Manndeckung, each side's record where it is at hand
        const Platz& v = verteidiger[bv];
        const Platz& s = stuermer[bs];
        Teamspieler_Wert_Schreiben(links.direkt ? links.ts[v.link] : nullptr, 316, team, v.spnr, s.spnr);
        Teamspieler_Wert_Schreiben(s.ts, 309, gegner, s.spnr, v.spnr);
        verteidiger[bv].spnr = stuermer[bs].spnr = -1;
        ++paare;
    }
    if (paare == 0) Print_Fehler("Assi_Mannschaftsaufstellung: keinen Manndecker gefunden!");
}

}  // namespace

int32_t Assi_Rauschfaktor(int32_t faehigkeit)
{
    const int32_t z = Zufall_Gross(90 + faehigkeit / 10, 110 - faehigkeit / 10);
    return z;
}

// A player's fitness for a cell: his attributes weighted by the cell's third of the pitch, less
// 30 for every cell of distance from his favourite one.
int32_t Assi_Eignung_Berechnen(int32_t spnr, int32_t zelle_nr)
{
    if (!Spieler_Daten || spnr < 0 || spnr >= Spieler_Anzahl || zelle_nr < 0 || zelle_nr >= ZELLEN) return 0;
    return Eignung(spnr)(zelle_nr);
}

namespace {
Assi_Aufstellung_Beobachter aufstellung_beobachter = nullptr;

// The open Assi_Aufstellung_Reihe scopes, and the club whose last run's squad planning left it as
// it was (-1 none): only inside a scope may the next run of that club go without it.
int32_t reihen_offen = 0;
int32_t ruhige_planung = -1;
// the line-up runs started (those inside another too), and the outermost scopes opened
int64_t laeufe = 0;
int64_t reihen = 0;

// The eleven and bench the last run chose, for the next run of a scope: a run right after it, of
// the same club and formation, that takes its ratings (the same squad, the same draws) and has no
// opponent to mark chooses the same players for the same places, and finds them standing there
// (nothing but its own planning, which touches no line-up, comes between), so it leaves them as
// they stand. Only a club without a manager (no fixed players or instructions by set) and a run
// that chose without a gap hand their choice on.
struct Letzte_Wahl {
    bool gueltig = false;
    int64_t lauf = 0, reihe = 0;
    int32_t team = -1, formation = -1;
};
Letzte_Wahl letzte_wahl;
int64_t wahl_anzahl = 0;
}  // namespace

Assi_Aufstellung_Reihe::Assi_Aufstellung_Reihe()
{
    if (reihen_offen++ == 0) ruhige_planung = -1, ++reihen;
}

Assi_Aufstellung_Reihe::~Assi_Aufstellung_Reihe()
{
    if (--reihen_offen == 0) ruhige_planung = -1;
}

void Assi_Mannschaftsaufstellung_Set_Beobachter(Assi_Aufstellung_Beobachter b) { aufstellung_beobachter = b; }

void Assi_Bewertung_Vergessen() { geteilt.gueltig = false; }

int64_t Assi_Bewertung_Geteilt() { return geteilt_anzahl; }

int64_t Assi_Wahl_Geteilt() { return wahl_anzahl; }

void Assi_Mannschaftsaufstellung(int32_t team, int32_t gegner, int32_t flags, int32_t auswaerts, int32_t ziel,
                                 int32_t ideal, bool erzwingen)
{
    if (aufstellung_beobachter) aufstellung_beobachter(team, gegner, flags, auswaerts, ziel, ideal, erzwingen);
    const int64_t lauf = ++laeufe;
    if (!T || team < 0 || team >= Team_Anzahl) {
        Print_Fehler("Assi_Mannschaftsaufstellung: teamnr falsch!");
        return;
    }
    if (team == Transfermarkt_Team || team == Jugend_Team) return;

    // The run has its own sequence so that one day's line-up repeats; the game's sequence goes on
    // afterwards where it stood. Nothing inside may push the generator again.
    Zufall_Push_Seed();
    Zufall_Set_Seed(1000 + ((Aktueller_Tag % 4000) + 4000) % 4000);
    struct Pop {
        ~Pop() { Zufall_Pop_Seed(); }
    } pop;

    // the squad, once for the clean-up and the line-up (nothing in between moves a player)
    const Kader_Links links(team);
    if (flags & 3) bereinigen(team, links);
    const int32_t slot = Assistent_Mit_Aufgabe(team, 0);
    int32_t a = 40;
    if (slot >= 0) {
        a = Assistent_Faehigkeit(team, slot, 0);
        if (a < 0) a = 40;
    } else if (!(flags & 4) && !erzwingen) {
        return;
    }
    // The tactic figure is set when the line-up's draws are done, however the run ends: the run's
    // first draw after its seed always lies at the low end of its range, and a figure drawn there
    // stood at the bottom of the assistant's spread every day. The step it was drawn with stays,
    // so that the line-up's draws keep their places. (Destroyed before the pop, declared earlier.)
    struct Taktik {
        int32_t team, ziel;
        bool setzen;
        ~Taktik()
        {
            if (setzen) Assi_Taktik_Wert_Setzen(team, ziel);
        }
    } taktik{team, ziel, (flags & 3) != 0};
    if (taktik.setzen && taktik_faehigkeit(team) >= 0) {
        const int32_t schritt = Zufall(0, 0);
        (void)schritt;
    }

    const bool gemanagt = Team_Hat_Manager(team);
    const int32_t formationen = gemanagt ? 6 : TEAM_FORMATIONEN;
    const int32_t satz = auswaerts ? 1 : 0;
    int32_t formation = Team_Wert(170 + satz, team, 0, TEAM_LESEN);
    if (ideal != -1) {
        if (ideal < 0 || ideal >= formationen) {
            Print_Fehler("Assi_Mannschaftsaufstellung: ideal_aufst==NIX!");
            ideal = 2;
        }
        formation = ideal;
        flags = 2;
    }
    if (formation < 0 || formation >= formationen) formation = 2;

    // the squad: everybody who can play
    const int32_t anzahl = links.anzahl;
    // abstaende_von's pointers for a favourite cell at offset 0 and for none, fetched once a run
    const int32_t* const abstaende_null = abstaende_von(0);
    const int32_t* const abstaende_zehn = abstaende_von(-1);
    // room for the whole squad at once, cut to those who can play afterwards
    // The run's candidates and the list of those free for a place live in buffers kept from run to
    // run (no allocation a run), or in the run's own where a run inside this one holds them.
    static std::vector<Kandidat> kader_vorrat;
    static std::vector<Kandidat*> frei_vorrat;
    static bool vorrat_belegt = false;
    std::vector<Kandidat> kader_eigen;
    std::vector<Kandidat*> frei_eigen;
    const bool eigen = vorrat_belegt;
    struct Vorrat_Frei {
        bool belegt;
        ~Vorrat_Frei()
        {
            if (belegt) vorrat_belegt = false;
        }
    } vorrat_frei{!eigen};
    vorrat_belegt = true;
    std::vector<Kandidat>& kader = eigen ? kader_eigen : kader_vorrat;
    kader.clear();
    kader.resize(size_t(std::max(anzahl, 0)));
    // flags without 1, 2 or 4 name no ratings; the places are rated so that the choice has some
    const bool plaetze_bewerten = (flags & 2) || !(flags & 5);
    const bool gitter_bewerten = flags & 5;
    const bool decken = gegner >= 0 && gegner < Team_Anzahl && gegner != team;
    // A run that may find the last run's choice standing (see Letzte_Wahl) clears the squad's
    // eleven and bench only when it chooses; the others clear them here.
    const bool wahl_teilbar = plaetze_bewerten && !gitter_bewerten && !gemanagt && !decken && links.direkt;
    const bool wahl_folgt = wahl_teilbar && reihen_offen > 0 && letzte_wahl.gueltig && letzte_wahl.lauf == lauf - 1 &&
                            letzte_wahl.reihe == reihen && letzte_wahl.team == team && letzte_wahl.formation == formation;
    letzte_wahl.gueltig = false;
    size_t kandidaten = 0;
    for (int32_t i = 0; i < anzahl; ++i) {
        const int32_t sp = links.feld[i];
        const uint32_t f = links.flags(team, i);
        if (!wahl_folgt) links.flags_loeschen(team, i, TS_STARTELF | TS_ERSATZ);
        if (f & NICHT_EINSETZBAR) continue;
        const int32_t lieb = Spieler_Fix_Daten[sp].lieblingspos;
        // field 83 as Spieler_Wert reads it, in place where the records are
        const bool lesbar = links.direkt && Spieler_Daten && sp >= 0 && sp < Spieler_Anzahl;
        int32_t form = lesbar ? Spieler_Daten[sp].spiel_erschoepfung : Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, sp, 0, SP_LESEN);
        if (form < 50) form = 0;
        // made in place (a copy of one built beside it waits on its own stores)
        Kandidat& neu = kader[kandidaten++];
        neu.spnr = sp;
        neu.torwart = lieb == SP_POS_TORWART;
        neu.lieblingspos = lieb;
        if (lieb >= 0 && lieb < ZELLEN) {
            const int32_t lz = int32_t(uint32_t(lieb) / SPALTEN);
            neu.lieb_zeile = lz, neu.lieb_spalte = lieb - lz * SPALTEN;
            neu.lieb_versatz = lieb + (SIGNIERT_BREITE - SPALTEN) * lz;  // abstand_versatz(lz, lieb_spalte)
            neu.abstaende = abstaende_null - neu.lieb_versatz;
        } else {
            neu.abstaende = abstaende_zehn;
        }
        neu.form = form;
        neu.gewaehlt = false;
        neu.fest_platz = -1;
        neu.link = i;
    }
    kader.erase(kader.begin() + std::ptrdiff_t(kandidaten), kader.end());

    // Every player is rated once, in squad order, each rating with its own noise draw: the overall
    // figure, then (flag 2) the formation's ten field places, then (flags 1 and 4) the cells
    // around his favourite one for the grid. The later choices read these ratings.
    uint8_t aus[100];
    const int32_t bewertet_formation = formation;
    // the grid only chooses the formation: without that, its draws are made and nothing summed
    const bool gitter_gebraucht = slot >= 0 && (flags & 1);
    // The grid's ratings are read only on the cells the formations' first n places stand on:
    // those are rated, the other cells' draws are stepped over (bit s of row z: cell (z, s)).
    // They are numbered row by row (`nummer`, -1 none); a player's rating of such a cell lies at
    // its number in his row of `zellwerte`, 0 where the cell lay outside his window, and the
    // squad's sum of them in `gitter`.
    const int32_t n = std::clamp(static_cast<int32_t>(kader.size()) - 1, 0, FELDSPIELER);
    std::array<uint32_t, 27> gelesen{};
    // each formation's first n places' cells for the formation's choice
    Formationen_Zellen::Plaetze plaetze_zellen;
    // The eleven reads the grid at its own formation's cells when no places were rated: a club
    // without a line-up assistant, lined up by force or on request, keeps its formation.
    const bool elf_aus_gitter = gitter_bewerten && !plaetze_bewerten;
    if (gitter_gebraucht && T_Fix && !T_Fix[team].manager && formationen == TEAM_FORMATIONEN) {
        // the built-in formations, the same for every club without a manager
        const Formationen_Zellen& eingebaut = eingebaute_formationen(n);
        gelesen = eingebaut.gelesen;
        plaetze_zellen = eingebaut.plaetze;
    } else {
        for (int32_t f = 0; (gitter_gebraucht || elf_aus_gitter) && f < formationen; ++f) {
            if (!gitter_gebraucht && f != formation) continue;
            Team_Aufstellungsarray(team, satz, f, aus, nullptr, nullptr);
            plaetze_markieren(aus, n, gelesen, plaetze_zellen[size_t(f)]);
        }
    }
    const Gitter_Zellen& zellen_liste = gitter_zellen(gelesen);
    const std::array<int8_t, ZELLEN>& nummer = zellen_liste.nummer;
    const int32_t gelesene = zellen_liste.anzahl;
    std::array<int32_t, Gitter_Zellen::HOECHSTENS> gitter{};
    // Read only inside the rater's window, where every cell of the formations is written.
    // 0 outside, so that the eleven's choice reads a rated cell's row without looking at the window
    // (each field player's row cleared when he is rated; a buffer kept from run to run like the
    // candidates').
    static std::vector<int32_t> zellwerte_vorrat;
    std::vector<int32_t> zellwerte_eigen;
    std::vector<int32_t>& zellwerte_feld = eigen ? zellwerte_eigen : zellwerte_vorrat;
    const size_t zellwerte_anzahl = kader.size() * size_t(gelesene);
    if (zellwerte_feld.size() < zellwerte_anzahl) zellwerte_feld.resize(zellwerte_anzahl);
    int32_t* const zellwerte = zellwerte_feld.data();
    Team_Aufstellungsarray(team, satz, formation, aus, nullptr, nullptr);
    // Assi_Rauschfaktor is one step of the generator in its range (a is never negative here),
    // drawn inline.
    const int32_t rausch_lo = 90 + a / 10, rausch_hi = 110 - a / 10;

    // the rated formation's places on the grid: row (-1 off it), third and offset in the signed
    // distance table
    struct Platz_Ort {
        int32_t zeile = -1, drittel = 0, versatz = 0;
    };
    std::array<Platz_Ort, FELDSPIELER> orte{};
    for (int32_t p = 0; p < FELDSPIELER; ++p) {
        const int32_t c = zelle(aus[2 * p], aus[2 * p + 1]);
        if (c < 0 || c >= ZELLEN) continue;
        orte[size_t(p)] = {c / SPALTEN, std::min(c / SPALTEN / 9, 2), abstand_versatz(c / SPALTEN + 26, c % SPALTEN + SPALTEN - 1)};
    }

    // What this run's ratings are drawn from, against what the last run's were.
    const bool teilbar = plaetze_bewerten && !gitter_bewerten;
    bool uebernehmen = false;
    if (teilbar) {
        Geteilte_Bewertung& neu = schluessel;
        neu.gueltig = true;
        neu.team = team;
        neu.seed = Zufall_Get_Seed();
        neu.rausch_lo = rausch_lo, neu.rausch_hi = rausch_hi;
        std::copy_n(aus, 2 * FELDSPIELER, neu.aus.begin());
        neu.daten = Spieler_Daten;
        neu.spieler.resize(kader.size());
        for (size_t i = 0; i < kader.size(); ++i) {
            Geteilte_Bewertung::Spieler& sp = neu.spieler[i];
            sp.spnr = kader[i].spnr, sp.lieblingspos = kader[i].lieblingspos, sp.form = kader[i].form;
            // (a copy of fixed size, made in place)
            static_assert(sizeof sp.attribute == sizeof Spieler_Daten[0].attribute);
            std::memcpy(sp.attribute.data(), Spieler_Daten[kader[i].spnr].attribute, sizeof sp.attribute);
        }
        uebernehmen = neu == geteilt;
    }
    if (uebernehmen) {
        ++geteilt_anzahl;
        for (size_t i = 0; i < kader.size(); ++i) {
            kader[i].gesamt = geteilt.werte[i].gesamt;
            kader[i].platz = geteilt.werte[i].platz;
            kader[i].wertung = geteilt.werte[i].wertung;
        }
        Zufall_Set_Seed(geteilt.seed_danach);
    }
    // The run's draws come from the cycle's table, one sequence for the whole squad, handed back
    // to the generator after the last player (nothing in between draws through the generator).
    Zufall_Folge folge;
    const uint8_t* const tabelle = uebernehmen ? nullptr : ziehungstabelle(rausch_lo, rausch_hi);
    for (Kandidat& k : kader) {
        if (uebernehmen) break;
        const int32_t z = folge.Zufall(rausch_lo, rausch_hi);
        if (k.torwart) {
            k.gesamt = static_cast<int32_t>(static_cast<int64_t>(9 * Spieler_Daten[k.spnr].attribute[0]) * z / 100);
            continue;
        }
        const Summen summen(k.spnr);
        k.gesamt = static_cast<int32_t>(static_cast<int64_t>(summen.alle) * z / 100);
        // his fitness for a cell before the distance, by the cell's third (Eignung's sums / 10)
        const int32_t grund[3] = {summen.drittel[0] / 10, summen.drittel[1] / 10, summen.drittel[2] / 10};
        // A cell's rating: his fitness for it (eignung) times a noise draw in percent, less his
        // form's share, plus 1.
        if (plaetze_bewerten) {
            // the ten places' ratings, from the places' rows, thirds and table offsets worked out
            // once a run; his distances by a place's offset (10 without a favourite cell on the grid)
            const int32_t form_faktor = 100 - k.form / 2;
            const int32_t* const abstand = k.abstaende;
            ziehungen(folge, tabelle, rausch_lo, rausch_hi, FELDSPIELER, [&](auto ziehe) {
                // into arrays of its own, so that nothing it reads has to be read again after a write
                auto raten = [&, ab = abstand, ff = form_faktor, g = std::array<int32_t, 3>{grund[0], grund[1], grund[2]}](auto voll) {
                    std::array<int32_t, FELDSPIELER> platz, wertung;
                    for (int32_t p = 0; p < FELDSPIELER; ++p) {
                        const int32_t r = ziehe(p);
                        const Platz_Ort& o = orte[size_t(p)];
                        // a place off the grid rates as fitness 0
                        const bool im_feld = o.zeile >= 0;
                        const int32_t a = im_feld ? ab[o.versatz] : 0;
                        const int32_t abzug = im_feld ? ab[size_t(o.versatz) + ABZUG_ABSTAND] : 0;
                        const int32_t wert = bewertung<decltype(voll)::value>(im_feld ? g[size_t(o.drittel)] : 0, abzug, r, ff);
                        platz[size_t(p)] = wert;
                        wertung[size_t(p)] = wert + 25 - a;
                    }
                    k.platz = platz;
                    k.wertung = wertung;
                };
                if (form_faktor == 100) raten(std::true_type{});
                else raten(std::false_type{});
            });
        }
        if (!gitter_bewerten) continue;
        int32_t* const werte = zellwerte + size_t(&k - kader.data()) * size_t(gelesene);
        std::fill_n(werte, gelesene, 0);
        k.zellen_werte = werte;
        if (k.lieblingspos < 0 || k.lieblingspos >= ZELLEN) continue;
        // The ratings of the rated cells in his window, row by row, each cell with its draw: the
        // window lies around his favourite cell, so the distance is the table's.
        const int32_t lz = k.lieblingspos / SPALTEN, ls = k.lieblingspos % SPALTEN;
        const int32_t z0 = std::max(lz - 8, 0), z1 = std::min(lz + 8, 26);
        const int32_t s0 = std::max(ls - 4, 0), s1 = std::min(ls + 4, 16);
        const int32_t breite = s1 - s0 + 1;
        const int32_t form_faktor = 100 - k.form / 2;
        k.z0 = z0, k.z1 = z1, k.s0 = s0, k.s1 = s1;
        const int32_t zellen = (z1 - z0 + 1) * breite;
        // the distances' 30 per cell by a cell's offset: abzug[versatz] for his favourite cell
        const int32_t* const abzug = k.abstaende + ABZUG_ABSTAND;
        const auto& liste = zellen_liste.fenster[size_t(ls)];
        const auto& anfang = zellen_liste.anfang[size_t(ls)];
        const Gitter_Zellen::Zelle* const von = liste.data() + anfang[size_t(z0)];
        const Gitter_Zellen::Zelle* const bis = liste.data() + anfang[size_t(z1 + 1)];
        // one draw for each cell of the window, row by row; those of cells not rated are not read
        ziehungen(folge, tabelle, rausch_lo, rausch_hi, zellen, [&](auto ziehe) {
            const std::array<int32_t, 3> g{grund[0], grund[1], grund[2]};
            if (form_faktor == 100)
                fenster_raten<true>(von, bis, z0 * breite, g, abzug, form_faktor, werte, gitter.data(), ziehe);
            else
                fenster_raten<false>(von, bis, z0 * breite, g, abzug, form_faktor, werte, gitter.data(), ziehe);
        });
    }
    if (!uebernehmen) folge.Abgeben();
    if (teilbar && !uebernehmen) {
        std::swap(geteilt, schluessel);
        geteilt.werte.resize(kader.size());
        for (size_t i = 0; i < kader.size(); ++i) {
            Geteilte_Bewertung::Wert& w = geteilt.werte[i];
            w.gesamt = kader[i].gesamt;
            if (kader[i].torwart) {
                w.platz.fill(0), w.wertung.fill(0);
            } else {
                w.platz = kader[i].platz, w.wertung = kader[i].wertung;
            }
        }
        geteilt.seed_danach = Zufall_Get_Seed();
    }

    if (gitter_gebraucht) {
        int64_t beste = -1;
        for (int32_t f = 0; f < formationen; ++f) {
            int64_t summe = 0;
            for (int32_t k = 0; k < n; ++k)
                if (const int32_t c = plaetze_zellen[size_t(f)][size_t(k)]; c >= 0) summe += gitter[size_t(nummer[size_t(c)])];
            const int32_t z = Zufall(rausch_lo, rausch_hi);
            summe = summe * z / 100;
            if (summe > beste) {
                beste = summe;
                formation = f;
            }
        }
    }
    // a player's suitability for field place k at cell c: his place rating when the places of
    // this formation were rated, else his grid rating of the cell, else nothing
    // (the place's row cz, column cs and number among the rated cells, -1 none, read once a place)
    const bool aus_plaetzen = plaetze_bewerten && formation == bewertet_formation;
    auto eignung_fuer = [&](const Kandidat& kd, int32_t k, int32_t cz, int32_t cs, int32_t zell_nr) {
        if (aus_plaetzen) return kd.platz[size_t(k)];
        if (zell_nr < 0 || cz < kd.z0 || cz > kd.z1 || cs < kd.s0 || cs > kd.s1) return 0;
        return zellwerte[size_t(&kd - kader.data()) * size_t(gelesene) + size_t(zell_nr)];
    };
    if (slot >= 0) Team_Wert(170 + satz, team, formation, TEAM_SCHREIBEN);
    // (a run of a scope after one of the same club that planned nothing would plan nothing again)
    if (slot >= 0 && Assistent_Mit_Aufgabe(team, ASSI_AUFGABE_TRANSFER) >= 0 && !(reihen_offen > 0 && ruhige_planung == team))
        ruhige_planung = Assi_Suche_Analysiere_Grobes_Spielfeld(team) ? -1 : team;
    // the last run's choice stands when this run took its ratings and nothing started a run since
    if (wahl_folgt && uebernehmen && laeufe == lauf) {
        ++wahl_anzahl;
        letzte_wahl.gueltig = true;
        letzte_wahl.lauf = lauf;
        return;
    }
    if (wahl_folgt)
        for (int32_t i = 0; i < anzahl; ++i) links.flags_loeschen(team, i, TS_STARTELF | TS_ERSATZ);
    // A manager may have fixed the players of a stored line-up, and their instructions, per set.
    int16_t fest_spieler[11];
    uint16_t fest_wort[11] = {};
    for (auto& x : fest_spieler) x = -1;
    Team_Aufstellungsarray(team, satz, formation, aus, fest_spieler, fest_wort);
    bool fest = false, anweisungen = false;
    if (gemanagt) {
        const uint16_t wort = T_Fix[team].manager->icons.wort[AUFSTELLUNG_KNOPF + formation];
        fest = wort & (satz ? 2 : 1);
        anweisungen = wort & (satz ? 8 : 4);
    }
    // A fixed place goes to the named player when he is in the squad and can play; otherwise the
    // assistant chooses, so that one injured fixed player does not leave the eleven short. The
    // named players are kept out of the other places' choice.
    for (int32_t platz = 0; fest && platz < 11; ++platz)
        for (Kandidat& kd : kader)
            if (kd.spnr == fest_spieler[platz] && kd.fest_platz < 0 && (platz < n || platz == 10)) kd.fest_platz = platz;
    auto festgelegt = [&](int32_t platz) -> Kandidat* {
        for (Kandidat& kd : kader)
            if (!kd.gewaehlt && kd.fest_platz == platz) return &kd;
        return nullptr;
    };
    auto wort_fuer = [&](int32_t platz, int32_t spnr) {
        if (anweisungen) return static_cast<int32_t>(fest_wort[platz]);
        // his kind as Spieler_Wert reads it, in place where the records are
        int32_t art = 0;
        if (links.direkt && Spieler_Daten && Spieler_Fix_Daten && spnr >= 0 && spnr < Spieler_Anzahl)
            Spieler_Staerke_Werte_Lesen(spnr, &art, nullptr, nullptr);
        else
            art = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN);
        return art;
    };

    bool luecke = false;  // a place left without a player
    // the eleven: each field place to the fittest player not yet chosen. Those who may take any
    // field place (no keeper, fixed to none), in squad order, each left out once chosen.
    std::vector<Kandidat*>& frei = eigen ? frei_eigen : frei_vorrat;
    frei.clear();
    for (Kandidat& kd : kader)
        if (!kd.torwart && kd.fest_platz < 0) frei.push_back(&kd);
    const auto& signiert = abstaende_signiert();
    for (int32_t k = 0; k < n; ++k) {
        const int32_t c = zelle(aus[2 * k], aus[2 * k + 1]);
        const int32_t cz = c / SPALTEN, cs = c % SPALTEN;
        const int32_t zell_nr = c >= 0 && c < ZELLEN ? nummer[size_t(c)] : -1;
        // the place's offset in the signed table, from which a candidate's favourite cell's is taken
        const int32_t platz_versatz = abstand_versatz(cz + 26, cs + SPALTEN - 1);
        // only a stored line-up fixes players to places; a player fixed to this one takes it
        Kandidat* wahl = fest ? festgelegt(k) : nullptr;
        // else the fittest of those free, the first of equals: his suitability less his distance
        auto fittester = [&](auto&& wert_von) {
            size_t stelle = 0;
            int32_t bester = wert_von(*frei[0]);
            for (size_t i = 1; i < frei.size(); ++i)
                if (const int32_t wert = wert_von(*frei[i]); wert > bester) bester = wert, stelle = i;
            return stelle;
        };
        if (!wahl && !frei.empty()) {
            // hypotenuse(lieblingspos, c), the table's row and column read here for a place on the
            // grid; for the rated places the rating counted it in
            const size_t stelle =
                aus_plaetzen && cz < 27 && platz_versatz == orte[size_t(k)].versatz
                    ? fittester([&](const Kandidat& kd) { return kd.wertung[size_t(k)]; })
                : !aus_plaetzen && zell_nr >= 0
                    // a rated cell of the grid: each candidate's rating of it, 0 outside his window
                    ? fittester([&](const Kandidat& kd) { return kd.zellen_werte[zell_nr] + 25 - kd.abstaende[platz_versatz]; })
                    : fittester([&](const Kandidat& kd) {
                          int32_t abstand = 10;
                          if (kd.lieb_zeile >= 0)
                              abstand = cz < 27 ? signiert[size_t(platz_versatz - kd.lieb_versatz)]
                                                : hypotenuse(kd.lieblingspos, c);
                          return eignung_fuer(kd, k, cz, cs, zell_nr) + 25 - abstand;
                      });
            wahl = frei[stelle];
            frei.erase(frei.begin() + std::ptrdiff_t(stelle));
        }
        if (!wahl) {
            luecke = true;
            // the others are named for later places: those still get their men
            const bool spaeter = std::any_of(kader.begin(), kader.end(), [&](const Kandidat& kd) {
                return !kd.gewaehlt && kd.fest_platz > k && kd.fest_platz < n;
            });
            if (spaeter) continue;
            if (n == FELDSPIELER)
                Print_Fehler("Assi_Mannschaftsaufstellung: Team=%d - Keinen Spieler fuer Pos (x%d,y%d) gefunden!", team,
                             aus[2 * k + 1], aus[2 * k]);
            break;
        }
        wahl->gewaehlt = true;
        wahl->in_elf = true;
        wahl->elf_zelle = std::min<int32_t>(c, SP_POS_TORWART);  // the field's limit, as it stores it
        const uint8_t* b = aus + 20 + 8 * k;
        links.flags_setzen(team, wahl->link, TS_STARTELF);
        links.zellen_schreiben(team, wahl->link, {c, zelle(b[0], b[1]), zelle(b[2], b[3]), zelle(b[4], b[5]), zelle(b[6], b[7])});
        links.schreiben(team, wahl->link, 329, wort_fuer(k, wahl->spnr));
    }

    // The goalkeeper first: the one fixed to the goal, else the first player left in squad order.
    Kandidat* torwart = fest ? festgelegt(10) : nullptr;
    for (size_t i = 0; !torwart && i < kader.size(); ++i)
        if (!kader[i].gewaehlt) torwart = &kader[i];
    if (torwart) {
        torwart->gewaehlt = true;
        torwart->in_elf = true;
        torwart->elf_zelle = SP_POS_TORWART;
        links.flags_setzen(team, torwart->link, TS_STARTELF);
        links.schreiben(team, torwart->link, 310, SP_POS_TORWART);
        if (anweisungen) links.schreiben(team, torwart->link, 329, fest_wort[10]);
        // then the bench: the four best overall ratings left, the first of equals before the
        // later, in one pass (each later one that beats a kept one moves in behind its betters)
        std::array<Kandidat*, 4> bank{};
        size_t m = 0;
        for (Kandidat& kd : kader) {
            if (kd.gewaehlt || (m == bank.size() && kd.gesamt <= bank.back()->gesamt)) continue;
            size_t stelle = m < bank.size() ? m++ : bank.size() - 1;
            for (; stelle > 0 && bank[stelle - 1]->gesamt < kd.gesamt; --stelle) bank[stelle] = bank[stelle - 1];
            bank[stelle] = &kd;
        }
        for (size_t i = 0; i < m; ++i) {
            bank[i]->gewaehlt = true;
            links.flags_setzen(team, bank[i]->link, TS_ERSATZ);
        }
    }

    // Only a field player of the eleven may mark somebody. The squad's flags were cleared above and
    // only this run put players into the eleven, so the run knows who stands where (the squad's
    // order is the team's, as elf_feldspieler walks it).
    // (the field players are gathered only where there is an opponent to mark)
    std::vector<Platz> elf;
    if (decken) elf.reserve(size_t(FELDSPIELER));  // only the eleven's field places
    for (const Kandidat& kd : kader) {
        if (!kd.in_elf || kd.elf_zelle == SP_POS_TORWART) links.schreiben(team, kd.link, 316, -1);
        else if (decken && kd.elf_zelle >= 0 && kd.elf_zelle < ZELLEN) elf.push_back({kd.spnr, kd.elf_zelle, nullptr, kd.link});
    }
    if (decken) manndecker_setzen(team, gegner, elf, links);
    letzte_wahl = {wahl_teilbar && !luecke && laeufe == lauf, lauf, reihen, team, formation};
}
