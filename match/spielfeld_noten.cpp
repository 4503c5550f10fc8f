// Player marks of a match day's games and the team of the day drawn from them.
#include <algorithm>
#include <optional>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_karten.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "matchview/spieltagbericht.h"

namespace {

constexpr int32_t TORWART_POSITION = 459;
constexpr int32_t MINDEST_MINUTEN = 20;
constexpr uint32_t WEITERGEGEBEN = 0x100000;  // the slot's substituted-out bit

Spielfeld_Nominierung nominierungen[SPIELFELD_MAX_NOMINIERUNGEN];
int32_t nominierungen_anzahl = 0;

// A shoot-out kick's goal decides the tie but is no part of anybody's match.
bool elfmeterschiessen(const Spiele_Ereignis_Info& e) { return Spiele_Ist_Elfmeter_Tor(e.flags); }

// What the match store's events tell about one slot.
struct Slot_Ereignisse {
    int32_t rein = -1, raus = -1;  // minutes of coming on and going off (substitution or sending-off)
    int32_t tore = 0, eigentore = 0, vorlagen = 0, gelb = 0, gelb_rot = 0, rot = 0;
};

// A game's events, read from the match store in one walk: the marks of its 32 slots look at
// every event several times each, and a walk through the store's cursor costs a call per event.
struct Spiel_Ereignisse {
    Spiele_Ereignis_Info e[SPIELE_EREIGNISSE_PRO_SPIEL];
    int32_t n = 0;
    // A bit for each player number an event names (its last six bits): most of a game's players
    // are named by none of its few events, and their walk through them is spared.
    uint64_t genannt = 0;
    explicit Spiel_Ereignisse(const Spielfeld_Record& r)
    {
        Spiele_Ereignis_Info info{};
        // the walk runs to its end, which leaves the store's cursor cleared as every walk does
        for (bool da = Spiele_Get_Erstes_Ereignis(int32_t(r.spiel), &info); da; da = Spiele_Get_Naechstes_Ereignis(&info))
            if (n < SPIELE_EREIGNISSE_PRO_SPIEL) {
                e[n++] = info;
                genannt |= bit(info.spieler_1) | bit(info.spieler_2);
            }
    }
    static uint64_t bit(int32_t spnr) { return uint64_t(1) << (uint32_t(spnr) & 63u); }
    bool nennt_vielleicht(int32_t spnr) const { return (genannt & bit(spnr)) != 0; }
    const Spiele_Ereignis_Info* begin() const { return e; }
    const Spiele_Ereignis_Info* end() const { return e + n; }
};

Slot_Ereignisse ereignisse_von(const Spiel_Ereignisse& alle, int32_t spnr)
{
    Slot_Ereignisse s;
    // every event below counts only for a player it names
    if (!alle.nennt_vielleicht(spnr)) return s;
    for (const Spiele_Ereignis_Info& e : alle) {
        if (e.flags & EREIGNIS_WECHSEL) {
            if (e.spieler_1 == spnr && s.rein < 0) s.rein = e.minute;
            if (e.spieler_2 == spnr && s.raus < 0) s.raus = e.minute;
            continue;
        }
        if (e.flags & SPE_TOR) {
            if (elfmeterschiessen(e)) continue;
            if (e.spieler_1 == spnr) ++((e.flags & EREIGNIS_EIGENTOR) ? s.eigentore : s.tore);
            else if (e.spieler_2 == spnr && !(e.flags & EREIGNIS_EIGENTOR)) ++s.vorlagen;
            continue;
        }
        if (e.spieler_1 != spnr) continue;
        const bool platzverweis = e.flags & (SPE_GELBROT | SPE_ROT);
        if (e.flags & SPE_ROT) ++s.rot;
        else if (e.flags & SPE_GELBROT) ++s.gelb_rot;
        else if (e.flags & SPE_GELB) ++s.gelb;
        if (platzverweis && s.raus < 0) s.raus = e.minute;
    }
    return s;
}

int32_t spielende_minute(const Spielfeld_Record& r)
{
    const Spiele_Spiel* m = Spiele_Get_Spiel(int32_t(r.spiel), 0);
    return std::max<int32_t>(m ? m->minute : 0, r.minute);
}

// The side's goals of the match itself, the shoot-out's left out.
int32_t tore_von(const Spielfeld_Record& r, const Spiel_Ereignisse& alle, int32_t seite)
{
    int32_t tore = r.tore[seite];
    if (!r.aktiv) {
        const Spiele_Spiel* m = Spiele_Get_Spiel(int32_t(r.spiel), 0);
        if (!m || m->heim_tore < 0) return 0;
        tore = seite == 0 ? m->heim_tore : m->gast_tore;
    }
    for (const Spiele_Ereignis_Info& e : alle)
        if (elfmeterschiessen(e) && bool(e.flags & SPE_HEIM) == (seite == 0)) --tore;
    return std::max(tore, 0);
}

// What the marks of one game share: its events, its last minute and both sides' goals, the
// latter two worked out on the first mark that needs them.
struct Spiel_Stand {
    const Spielfeld_Record& r;
    Spiel_Ereignisse ereignisse;
    int32_t ende = -1;
    int32_t tore[2] = {-1, -1};
    explicit Spiel_Stand(const Spielfeld_Record& record) : r(record), ereignisse(record) {}
    int32_t spielende()
    {
        if (ende < 0) ende = spielende_minute(r);
        return ende;
    }
    int32_t tore_der_seite(int32_t seite)
    {
        if (tore[seite] < 0) tore[seite] = tore_von(r, ereignisse, seite);
        return tore[seite];
    }
};

bool ist_torwart(const Spielfeld_Record& r, int32_t slot)
{
    if (r.objekt[slot].torwart) return true;
    const int32_t team = int32_t(r.team[slot / 16]);
    return Teamspieler_Wert(310, team, r.spieler[slot].spnr, 0, 0) == TORWART_POSITION;
}

// Position class of a slot: 0 keeper, 1 defence, 2 midfield, 3 attack, from the line-up cell's
// column (27 along the pitch, own goal first).
int32_t positionsklasse(const Spielfeld_Record& r, int32_t slot)
{
    if (r.objekt[slot].torwart) return 0;
    const int32_t pos = Teamspieler_Wert(310, int32_t(r.team[slot / 16]), r.spieler[slot].spnr, 0, 0);
    if (pos == TORWART_POSITION) return 0;
    if (pos < 0 || pos >= TORWART_POSITION) return 2;
    const int32_t spalte = pos / 17;
    return spalte <= 8 ? 1 : spalte <= 17 ? 2 : 3;
}

// The mark of an occupied slot whose events are `e`, from what its game shares (see below).
int32_t note_von(const Spielfeld_Record& r, int32_t slot, Spiel_Stand& stand, const Slot_Ereignisse& e)
{
    const Spielfeld_Spieler& sp = r.spieler[slot];
    const bool gespielt = sp.zustand & (SPIELFELD_AUF_DEM_PLATZ | SPIELFELD_GELB_ROT | SPIELFELD_ROT | WEITERGEGEBEN);
    if (!gespielt && e.rein < 0) return -1;
    const int32_t ende = stand.spielende();
    const int32_t von = std::max(e.rein, 0), bis = e.raus >= 0 ? std::min(e.raus, ende) : ende;
    if (bis - von < MINDEST_MINUTEN) return -1;

    const int32_t seite = slot / 16;
    const int32_t eigene = stand.tore_der_seite(seite), fremde = stand.tore_der_seite(1 - seite);
    const bool torwart = ist_torwart(r, slot);
    int32_t note = 35;
    if (r.aktiv) {
        const uint8_t* st = r.statistik[slot];
        note -= std::clamp((int32_t(st[1]) - 2 * int32_t(st[0])) / 2, -5, 5);
        note -= std::clamp(int32_t(st[4]) - int32_t(st[3]), -6, 6);
        note -= std::min<int32_t>(st[2], 5);
        if (torwart) note += 5 * std::max(0, int32_t(st[7]) - int32_t(st[6])) - std::min(3 * int32_t(st[6]), 15);
    } else {
        note = 44 - int32_t(std::min<uint32_t>(sp.kraft, 9999)) * 18 / 9999;
        note += eigene > fremde ? -4 : eigene < fremde ? 4 : 0;
        if (torwart) note += fremde == 0 ? -4 : 4 * fremde;
    }
    note += -8 * e.tore - 4 * e.vorlagen + 8 * e.eigentore;
    note += 3 * e.gelb + 10 * e.gelb_rot + 15 * e.rot;
    return std::clamp(note, 10, 60);
}

}  // namespace

// The mark, in tenths from 10 (best) to 60 (worst), starts at 35 and moves by what the player did:
//   pitch game:      passes   - (good - 2 x bad) / 2, at most 5 either way
//                    duels    - (won - lost), at most 6 either way
//                    chances  - chances, at most 5
//                    keeper   - 3 per save (at most 15), + 5 per goal let in
//   background game: strength 44 - kraft x 18 / 9999 replaces the 35 (kraft 0..9999)
//                    result   - 4 won, + 4 lost; keeper - 4 without a goal let in, + 4 per goal
//   both:            - 8 per goal, - 4 per assist, + 8 per own goal,
//                    + 3 yellow, + 10 yellow-red, + 15 red
// Under 20 minutes on the pitch (coming on, going off or sent off by the events) gives no mark.
int32_t Spielfeld_Get_Spielernote(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return -1;
    const Spielfeld_Spieler& sp = r->spieler[slot];
    if (sp.spnr < 0) return -1;
    Spiel_Stand stand(*r);
    return note_von(*r, slot, stand, ereignisse_von(stand.ereignisse, sp.spnr));
}

void Spielfeld_Statistik_Nach_Spiel(const Spielfeld_Record* r, Spielfeld_Tagesnoten* merken)
{
    if (!r) return;
    const Spiele_Spiel* m = Spiele_Get_Spiel(int32_t(r->spiel), 0);
    if (!m) return;
    // A slot whose mark is not worked out here has none: on the list, never on the pitch.
    int8_t* noten = nullptr;
    if (merken) {
        merken->spiele.push_back({r, {}});
        noten = merken->spiele.back().note;
        std::fill_n(noten, SPIELFELD_SLOTS, int8_t(-1));
    }
    const bool international = Wettbewerb_Ist_International(m->wettbewerb);
    Spiel_Stand stand(*r);
    // The minutes of play: neither the stoppage time nor the minutes a shoot-out lasts count.
    int32_t ende = stand.spielende();
    const int32_t regulaer = Wettbewerb_Get_Spielminuten(m->wettbewerb, (m->ergebnis_art & (SPIELE_ART_NV | SPIELE_ART_NE)) ? 1 : 0);
    if (regulaer > 0) ende = std::min(ende, regulaer);
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        const Spielfeld_Spieler& sp = r->spieler[slot];
        if (sp.spnr < 0) continue;
        const Slot_Ereignisse e = ereignisse_von(stand.ereignisse, sp.spnr);
        // On from the kick-off: whoever the substitutions and sendings-off left in the eleven.
        const bool von_anfang = e.rein < 0 && (sp.zustand & (SPIELFELD_AUF_DEM_PLATZ | SPIELFELD_GELB_ROT | SPIELFELD_ROT | WEITERGEGEBEN));
        Statistik_Spieler u = Statistik_Leeres_Update(sp.spnr);
        if (!von_anfang && e.rein < 0) {
            u.minuten_letzte[0] = 0;  // on the list, not on the pitch
        } else {
            const int32_t von = std::max(e.rein, 0), bis = e.raus >= 0 ? std::min(e.raus, ende) : ende;
            const int32_t minuten = std::clamp(bis - von, 0, 254);
            u.minuten = uint16_t(minuten);
            u.minuten_letzte[0] = uint8_t(minuten);
            const int32_t note = note_von(*r, slot, stand, e);
            if (noten) noten[slot] = int8_t(note);
            u.noten[0] = uint8_t(((note < 0 ? 40 : note) + 5) / 10);
            // A substitute's appearance was counted when he came on.
            if (von_anfang) {
                u.einsaetze = 1;
                if (international) u.international = 1;
            }
        }
        Spiele_Set_Statistik_Spieler(sp.spnr, &u, 1);
    }
}

void Spielfeld_Nominierungen_Eintragen(const Spielfeld_Tagesnoten* noten)
{
    // A place's class is looked up only for the candidates the team of the day gets to.
    struct Kandidat {
        int32_t note, kraft, spnr, team;
        const Spielfeld_Record* r;
        int32_t slot;
    };
    nominierungen_anzahl = 0;
    for (Spielfeld_Nominierung& n : nominierungen) n.wettbewerb = -1;
    if (!Spielfeld_Ist_Initialisiert()) return;

    int32_t wettbewerbe[SPIELFELD_MAX_NOMINIERUNGEN];
    const int32_t anzahl = std::clamp(Spieltag_Get_Wettbewerbe(wettbewerbe, SPIELFELD_MAX_NOMINIERUNGEN), 0,
                                      SPIELFELD_MAX_NOMINIERUNGEN);
    std::vector<Kandidat> kandidaten;
    std::vector<int32_t> spiele(SPIELFELD_MAX_SPIELE + 1);
    for (int32_t w = 0; w < anzahl; ++w) {
        const int32_t c = wettbewerbe[w];
        kandidaten.clear();
        if (!Spieltag_Get_Spiele(c, spiele.data(), int32_t(spiele.size()))) continue;
        for (int32_t i = 1; i <= spiele[0]; ++i) {
            const Spielfeld_Record* r = Spielfeld_Get_Spiel(spiele[i]);
            if (!r) continue;
            const int8_t* gemerkt = noten ? noten->noten_von(r) : nullptr;
            std::optional<Spiel_Stand> stand;
            if (!gemerkt) stand.emplace(*r);
            for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
                const Spielfeld_Spieler& sp = r->spieler[slot];
                if (sp.spnr < 0) continue;
                const int32_t note = gemerkt ? gemerkt[slot] : note_von(*r, slot, *stand, ereignisse_von(stand->ereignisse, sp.spnr));
                if (note < 0) continue;
                kandidaten.push_back({note, int32_t(sp.kraft), sp.spnr, int32_t(r->team[slot / 16]), r, slot});
            }
        }
        if (kandidaten.empty()) continue;
        // Best mark first, then the stronger, then the lower number (a player is a candidate once).
        // The eleven are full after some dozens of a competition's hundreds: the candidates come
        // off a heap in that order rather than all of them sorted.
        const auto spaeter = [](const Kandidat& a, const Kandidat& b) {
            if (a.note != b.note) return a.note > b.note;
            if (a.kraft != b.kraft) return a.kraft < b.kraft;
            return a.spnr > b.spnr;
        };
        std::make_heap(kandidaten.begin(), kandidaten.end(), spaeter);
        Spielfeld_Nominierung& n = nominierungen[nominierungen_anzahl++];
        n.wettbewerb = c;
        // 1-3-4-3: slot 0 the keeper, 1-3 defence, 4-7 midfield, 8-10 attack.
        constexpr int32_t ERSTER[4] = {0, 1, 4, 8}, PLAETZE[4] = {1, 3, 4, 3};
        int32_t belegt[4] = {}, frei = 11;
        for (int32_t i = 0; i < 11; ++i) n.spieler[i] = n.team[i] = -1;
        for (auto ende = kandidaten.end(); ende != kandidaten.begin(); --ende) {
            std::pop_heap(kandidaten.begin(), ende, spaeter);
            const Kandidat& k = *(ende - 1);
            const int32_t klasse = positionsklasse(*k.r, k.slot);
            if (belegt[klasse] == PLAETZE[klasse]) continue;
            const int32_t i = ERSTER[klasse] + belegt[klasse]++;
            n.spieler[i] = k.spnr;
            n.team[i] = k.team;
            if (--frei == 0) break;
        }
        for (int32_t i = 0; i < 11; ++i)
            if (n.spieler[i] >= 0) Spiele_Set_Wettbewerb_Ereignis(c, n.spieler[i], SPIELFELD_NOMINIERUNGS_ZAEHLER, -1);
        if (!Stand_Alone_Server && Wettbewerb_Get_Schalter(c, 2)) Spieltagbericht_Elf_Des_Tages(c, n.spieler, n.team);
    }
}

const Spielfeld_Nominierung* Spielfeld_Get_Nominierungen(int32_t* anzahl)
{
    if (anzahl) *anzahl = nominierungen_anzahl;
    return nominierungen;
}
