#include "match/spielfeld_netz.h"

#include <array>
#include <bitset>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>

#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_sonderaktion.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "matchview/spielszenen_taktik.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/socket.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/win95.h"

namespace {

// Minutes are counted per period: a later half starts again at its first minute.
constexpr int32_t PERIODEN = 8;

struct Seite {
    std::bitset<PERIODEN * SPIELFELD_NETZ_MINUTEN> bits;
    uint8_t flags = 0;
    bool hatte_mitspieler = false;
    bool neu_raus = false;
    // Takers the side's PC signalled for its set pieces, oldest first, and the count of the
    // side's set pieces whose taker went over the network.
    std::deque<uint32_t> aktionen;
    uint32_t standards = 0;
    // Signals of the side's latest minute: each shoot-out kick repeats the minute.
    int32_t zahl_minute = -1;
    int32_t zahl = 0;
    // The side's PC has kicked off: it said so (its second "at the match"), or it signalled a
    // minute, or the record was loaded in play. Before that its first minute may take the way
    // to the match, over a slow line the fetch of the day's data.
    bool angepfiffen = false;
    int32_t am_spiel_meldungen = 0;
    // Changes of the side that came with a minute ahead of this record (a server's copy of a game
    // between two clients may stand behind them), oldest first: each goes to the record once it
    // stands within a minute of the sender's, as it would have had it come then.
    struct Spaeter {
        uint32_t periode, minute, wert;
        std::array<uint8_t, STEUERSIGNAL_ANWEISUNGEN> block;
    };
    std::deque<Spaeter> spaeter;
};

struct Sync {
    Seite seite[2];
    bool bekannt = false;
    uint32_t anstoss = 0;
    int32_t wartet = -1;         // the minute awaited, -1 none
    uint32_t wartet_periode = 0;  // and its period
    uint32_t warte_seit = 0;
    uint32_t minute_start = 0;
    bool begonnen = false;  // this PC has stepped the record
    bool langsam_gemeldet = false;
    const Spielfeld_Record* record = nullptr;
    int32_t letzte_minute = 0;
    uint32_t letzte_periode = 0;
    int32_t kicks = 0;  // shoot-out kicks set up here; the record waits until every side has signalled them
    uint32_t standard_seit = 0;  // held for a set piece's taker since then, 0 not held
};

// A manager may take his time over a taker; a PC that sends none for a minute is cut off.
constexpr uint32_t WAHLZEIT = SPIELFELD_NETZ_WAHLZEIT;
// A PC on its way to the match has as long for its first minute.
constexpr uint32_t ANPFIFF_WARTEZEIT = 60000;
// Takers signalled ahead of the record wait for their set pieces. A signal counts the side's set
// pieces in 8 bits: up to 127 ahead are told apart from those gone by, so as many may wait.
constexpr size_t AKTIONEN_HOECHSTENS = 127;

std::map<int32_t, Sync> syncs;
int32_t getrennt = 0;
// Sides cut off since the last check told their opponents, at least: while none is, the check
// after the participants' pass has nothing to look at.
int32_t neu_raus_offen = 0;
// The client's last minute signal: its period, minute and club.
int32_t gesendet_minute = -1, gesendet_team = -1;
uint32_t gesendet_periode = 0;
Spielfeld_Netz_Records quelle_hook = nullptr;

int32_t records(Spielfeld_Record** out, int32_t max)
{
    if (quelle_hook) return quelle_hook(out, max);
    return Spielfeld_Records_In_Folge(out, max);
}

// The time since a stamp; a stamp taken after `jetzt` (later in the same pass) is no time at all,
// never an unsigned wrap of ages.
uint32_t seit(uint32_t stempel, uint32_t jetzt) { return int32_t(jetzt - stempel) > 0 ? jetzt - stempel : 0; }

bool ist_server() { return Win95_Netz_Modus == 2; }
bool ist_client() { return Win95_Netz_Modus == 1; }

bool hat_mitspieler(int32_t team) { return ist_server() && Netzuser_Get_By_Team(team) != nullptr; }

// The bit of minute m in a period (1-based; later ones share the last), -1 out of range.
int32_t index(uint32_t periode, int64_t m)
{
    if (m < 0 || m >= SPIELFELD_NETZ_MINUTEN) return -1;
    const int32_t p = periode < 1 ? 0 : periode > uint32_t(PERIODEN) ? PERIODEN - 1 : int32_t(periode) - 1;
    return p * SPIELFELD_NETZ_MINUTEN + int32_t(m);
}

// A state left from another record under the game's number, or from a record whose clock went
// back within its period (a load, a new day).
bool veraltet(const Sync& s, const Spielfeld_Record* r)
{
    return s.bekannt && (s.record != r || r->periode < s.letzte_periode ||
                         (r->periode == s.letzte_periode && r->minute + 1 < s.letzte_minute));
}

// After a load nothing is known: every side counts as released up to the record's minute.
Sync& sync_von(const Spielfeld_Record* r)
{
    Sync& s = syncs[int32_t(r->spiel)];
    if (veraltet(s, r)) s = Sync{};
    s.record = r;
    if (r->periode != s.letzte_periode) {
        s.letzte_periode = r->periode;
        s.letzte_minute = 0;
    }
    if (r->minute > s.letzte_minute) s.letzte_minute = r->minute;
    if (!s.bekannt) {
        s.bekannt = true;
        s.anstoss = Netz_Zeit();
        s.minute_start = s.anstoss;
        for (auto& seite : s.seite) seite.angepfiffen = r->minute > 0 || r->periode > 1;
        for (auto& seite : s.seite)
            for (int32_t m = 0; m < r->minute; ++m)
                if (const int32_t i = index(r->periode, m); i >= 0) seite.bits.set(size_t(i));
    }
    return s;
}

void spiegeln(Spielfeld_Record* r, const Sync& s)
{
    for (int32_t k = 0; k < 2; ++k) r->netz_seite[k] = s.seite[k].flags;
}

void bit_setzen(Seite& s, uint32_t periode, uint32_t m, bool zaehlen = true)
{
    const int32_t i = index(periode, m);
    if (i < 0) return;
    s.bits.set(size_t(i));
    if (!zaehlen) return;
    if (i > s.zahl_minute) {
        s.zahl_minute = i;
        s.zahl = 0;
    }
    if (i == s.zahl_minute) ++s.zahl;
}

// The kicks a side has signalled at the record's minute.
int32_t kicks_gemeldet(const Seite& s, const Spielfeld_Record* r)
{
    return s.zahl_minute == index(r->periode, r->minute) ? s.zahl : 0;
}

bool bit(const Seite& s, uint32_t periode, int32_t m)
{
    const int32_t i = index(periode, m);
    return i >= 0 && s.bits.test(size_t(i));
}

// The period a minute signal names; an unknown one counts as the record's own.
uint32_t periode_von(const Spielfeld_Record* r, uint32_t wert)
{
    return wert >= 1 && wert <= uint32_t(PERIODEN) ? wert : r->periode;
}

// The club whose set-piece takers this PC chooses: its own manager's (network role bit 0).
int32_t eigener_verein()
{
    if (Netz_Rolle == 3) return Server_Team;
    if (Netz_Rolle == 1) return Aktuelles_Team;
    return -1;
}

// The side of a set piece whose taker goes over the network, -1 for any other situation.
int32_t standard_von(const Spielfeld_Record* r, int32_t* art)
{
    int32_t k = 0;
    *art = Spielfeld_Standard_Wahl(r, &k);
    return *art < 0 ? -1 : k;
}

// A taker signal: the side's count of such set pieces (8 bits), the kind (2 bits) and the chosen
// player's number + 1 (22 bits, 0 none chosen).
uint32_t aktion_packen(uint32_t zahl, int32_t art, uint32_t spnr)
{
    return (zahl & 0xFFu) << 24 | uint32_t(art & 3) << 22 | ((spnr + 1u) & 0x3FFFFFu);
}

bool vernetzt(const Spielfeld_Record* r)
{
    if (!r->aktiv) return false;
    if (ist_client()) return int32_t(r->team[0]) == Netz_Get_Eigenes_Team() || int32_t(r->team[1]) == Netz_Get_Eigenes_Team();
    return hat_mitspieler(int32_t(r->team[0])) || hat_mitspieler(int32_t(r->team[1]));
}

// A side whose PC chooses its takers elsewhere and signals them: a participant's on the server; on
// a client the server's own manager's or another client's.
bool entfernt(const Spielfeld_Record* r, int32_t k)
{
    const int32_t team = int32_t(r->team[k]);
    if (ist_server()) return hat_mitspieler(team);
    if (team == Netz_Get_Eigenes_Team()) return false;
    return team == Server_Team || (Team_Wert(TEAM_STATUS, team, 0, TEAM_LESEN) & 32);
}

// A set piece of a remote side is set up and its taker has not come: the pass must wait for it.
// Once that side has played past this minute its pass lies in a later minute, and the record
// plays on to it.
bool standard_offen(const Sync& s, const Spielfeld_Record* r)
{
    int32_t art = 0;
    const int32_t k = standard_von(r, &art);
    if (k < 0 || r->sync_standard[k] || !entfernt(r, k)) return false;
    const Seite& seite = s.seite[k];
    if ((seite.flags & SPIELFELD_NETZ_RAUS) || bit(seite, r->periode, r->minute)) return false;
    const uint32_t naechste = (seite.standards + 1) & 0xFFu;
    for (uint32_t a : seite.aktionen)
        if (a >> 24 == naechste) return false;
    return true;
}

// The time a record stood for a taker is no time of its minute.
bool standard_halten(Sync& s, const Spielfeld_Record* r)
{
    const uint32_t jetzt = Netz_Zeit();
    if (standard_offen(s, r)) {
        // 0 means not held: a stamp of 0 (the clock's wrap) is taken one back, never ahead.
        if (!s.standard_seit) s.standard_seit = jetzt ? jetzt : uint32_t(-1);
        return true;
    }
    if (s.standard_seit) s.minute_start += seit(s.standard_seit, jetzt);
    s.standard_seit = 0;
    return false;
}

void raus(Spielfeld_Record* r, int32_t seite)
{
    Sync& s = sync_von(r);
    if (!(s.seite[seite].flags & SPIELFELD_NETZ_RAUS)) {
        s.seite[seite].neu_raus = true;
        ++neu_raus_offen;
        ++getrennt;
    }
    s.seite[seite].flags |= SPIELFELD_NETZ_RAUS;
    spiegeln(r, s);
}

// A side's change goes with its minute as the whole block, and with the side's change flags: the
// take at the minute's end has cleared them in the block, and a block without flags is no change
// at its receivers. The flags are the side's pending change's (its first byte).
void flags_mitgeben(const Spielfeld_Record* r, int32_t k, uint8_t* block) { block[ANW_FLAGS + k] = r->aenderung[k][0]; }

// The change block travels whole; the sync's six bytes are written here from what this PC knows.
void aenderung_einreihen(Spielfeld_Record* r, int32_t seite, uint32_t minute, uint32_t wert, const uint8_t* block)
{
    uint8_t b[STEUERSIGNAL_ANWEISUNGEN];
    std::memcpy(b, block, sizeof b);
    Bytes_Setze16(b + 2 * seite, uint16_t(minute + 2));
    b[4 + seite] = uint8_t(wert);
    Spielfeld_Anweisungen_Einreihen(r, seite, b);
}

constexpr uint8_t AENDERUNG_FLAGS = ANWEISUNG_EINSATZ | ANWEISUNG_TAKTIK | ANWEISUNG_WECHSEL | ANWEISUNG_SPIELER;

// A change from ahead waits in the order of its minutes. A second one for a minute already
// waiting merges into it, as the two would merge when taken at that minute: the flags of both, the
// values of the later. So a side never has more waiting than the minutes of all periods, and no
// change a manager made is dropped however far ahead his PC plays.
void spaeter_einreihen(Seite& seite, uint32_t periode, uint32_t minute, uint32_t wert, int32_t k,
                       const uint8_t* block)
{
    const int32_t stelle = index(periode, minute);
    auto it = seite.spaeter.begin();
    while (it != seite.spaeter.end() && index(it->periode, it->minute) < stelle) ++it;
    if (it != seite.spaeter.end() && index(it->periode, it->minute) == stelle) {
        if (!(block[ANW_FLAGS + k] & AENDERUNG_FLAGS)) return;
        const uint8_t flags = it->block[ANW_FLAGS + size_t(k)];
        std::memcpy(it->block.data(), block, it->block.size());
        it->block[ANW_FLAGS + size_t(k)] |= flags;
        it->periode = periode;
        it->wert = wert;
        return;
    }
    Seite::Spaeter a{periode, minute, wert, {}};
    std::memcpy(a.block.data(), block, a.block.size());
    seite.spaeter.insert(it, a);
}

// The side's changes from ahead whose minute this record has reached go to it, in their order.
void nachreichen(Spielfeld_Record* r, int32_t k, Seite& seite)
{
    while (!seite.spaeter.empty()) {
        const Seite::Spaeter& a = seite.spaeter.front();
        if (a.periode > r->periode || (a.periode == r->periode && a.minute > uint32_t(r->minute) + 1)) return;
        aenderung_einreihen(r, k, a.minute, a.wert, a.block.data());
        seite.spaeter.pop_front();
    }
}

template <typename F>
void je_seite_des_teams(int32_t team, F f)
{
    Spielfeld_Record* rs[SPIELFELD_MAX_SPIELE];
    const int32_t n = records(rs, SPIELFELD_MAX_SPIELE);
    for (int32_t i = 0; i < n; ++i) {
        if (!rs[i]->aktiv) continue;
        for (int32_t k = 0; k < 2; ++k)
            if (int32_t(rs[i]->team[k]) == team) f(rs[i], k);
    }
}

}  // namespace

void Spielfeld_Netz_Tempo_Uebernehmen(const Spielfeld_Record* r)
{
    // The fill keeps the tempo as a factor of the start tempo, at least 1; a match day's tempo
    // comes from the duration option and is never below the start tempo.
    if (!r || !(r->tempo_faktor >= 1.0f) || r->tempo_faktor > float(SPIELTAG_TEMPO_MAX)) return;
    Spieltag_Set_Geschwindigkeit(int32_t(std::lround(r->tempo_faktor * float(SPIELTAG_TEMPO_START))));
}

void Spielfeld_Netz_Set_Records(Spielfeld_Netz_Records quelle) { quelle_hook = quelle; }
int32_t Spielfeld_Netz_Getrennt() { return getrennt; }
void Spielfeld_Netz_Zuruecksetzen()
{
    syncs.clear();
    gesendet_minute = gesendet_team = -1;
    gesendet_periode = 0;
}

void Spielfeld_Anweisungen_Lesen(const Spielfeld_Record& r, uint8_t* b)
{
    std::memcpy(b, r.anweisungen, sizeof r.anweisungen);
    std::memcpy(b + 292, r.netz_einwechsel, sizeof r.netz_einwechsel);
    std::memcpy(b + 306, r.netz_auswechsel, sizeof r.netz_auswechsel);
}

void Spielfeld_Anweisungen_Schreiben(Spielfeld_Record& r, const uint8_t* b)
{
    std::memcpy(r.anweisungen, b, sizeof r.anweisungen);
    std::memcpy(r.netz_einwechsel, b + 292, sizeof r.netz_einwechsel);
    std::memcpy(r.netz_auswechsel, b + 306, sizeof r.netz_auswechsel);
}

bool Spielfeld_Netz_Freigegeben(const Spielfeld_Record* r, int32_t seite, int32_t minute)
{
    if (!r || seite < 0 || seite > 1) return false;
    return bit(sync_von(r).seite[seite], r->periode, minute);
}

uint8_t Spielfeld_Netz_Flags(const Spielfeld_Record* r, int32_t seite)
{
    return r && seite >= 0 && seite < 2 ? sync_von(r).seite[seite].flags : 0;
}

// This PC's sides have played minute m (or, kick = true, set up a shoot-out kick at minute m):
// they take it and the peers hear of it; the record then waits for the other sides.
static void melden(Spielfeld_Record* r, int32_t m, bool kick)
{
    Sync& s = sync_von(r);
    uint8_t block[STEUERSIGNAL_ANWEISUNGEN];
    Spielfeld_Anweisungen_Lesen(*r, block);
    const uint32_t jetzt = Netz_Zeit();
    if (kick) ++s.kicks;
    if (ist_client()) {
        const int32_t eigen = Netz_Get_Eigenes_Team();
        const int32_t k = int32_t(r->team[0]) == eigen ? 0 : 1;
        bit_setzen(s.seite[k], r->periode, uint32_t(m));
        // A change this minute's take queued for the own side goes with the signal.
        const bool aenderung = !kick && Bytes_Hole16(block + 2 * k) == uint16_t(m + 2);
        if (aenderung) flags_mitgeben(r, k, block);
        if (!kick && !s.langsam_gemeldet && seit(s.minute_start, jetzt) > STEUERSIGNAL_WARTEZEIT) {
            s.langsam_gemeldet = true;
            Steuersignal_Client_Senden(SIGNAL_LANGSAM);
        }
        // One signal a minute for the club: the server frees the minute in all its records. Each
        // kick repeats the minute and is signalled on its own.
        if (kick || gesendet_minute != m || gesendet_periode != r->periode || gesendet_team != eigen || aenderung) {
            gesendet_minute = m;
            gesendet_periode = r->periode;
            gesendet_team = eigen;
            Steuersignal_Client_Minute(uint32_t(m), r->periode, aenderung ? block : nullptr);
        }
    } else {
        int32_t teams[2] = {int32_t(r->team[0]), int32_t(r->team[1])};
        uint8_t lokal[2];
        for (int32_t k = 0; k < 2; ++k) {
            lokal[k] = !hat_mitspieler(teams[k]) || (s.seite[k].flags & SPIELFELD_NETZ_RAUS);
            if (lokal[k]) bit_setzen(s.seite[k], r->periode, uint32_t(m));
        }
        Steuersignal_Minute_Vormerken(teams, lokal, uint32_t(m), r->periode);
        for (int32_t k = 0; k < 2; ++k) {
            if (teams[k] != Server_Team || !hat_mitspieler(teams[1 - k])) continue;
            const bool aenderung = !kick && Bytes_Hole16(block + 2 * k) == uint16_t(m + 2);
            if (aenderung) flags_mitgeben(r, k, block);
            Steuersignal_Server_Eigene_Minute(teams[1 - k], teams[k], uint32_t(m), r->periode, aenderung ? block : nullptr);
        }
    }
    s.wartet = m;
    s.wartet_periode = r->periode;
    s.warte_seit = jetzt;
    spiegeln(r, s);
}

void Spielfeld_Minute_Ende(Spielfeld_Record* r, int32_t m)
{
    if (!r || m < 0 || m >= SPIELFELD_NETZ_MINUTEN || !vernetzt(r)) return;
    Sync& s = sync_von(r);
    for (int32_t k = 0; k < 2; ++k) nachreichen(r, k, s.seite[k]);
    melden(r, m, false);
}

void Spielfeld_Netz_Elfmeter(Spielfeld_Record* r)
{
    if (!r || r->minute >= SPIELFELD_NETZ_MINUTEN || !vernetzt(r)) return;
    melden(r, r->minute, true);
}

bool Spielfeld_Netz_Wartet(const Spielfeld_Record* r)
{
    if (!r) return false;
    if (vernetzt(r)) {
        Sync& s = sync_von(r);
        // The first minute counts from this PC's kick-off: the state may be older, made by a
        // release that came while this PC still loaded its match day.
        if (!s.begonnen) {
            s.begonnen = true;
            s.minute_start = Netz_Zeit();
            // The server counts the wait for this client's first minute from here.
            if (ist_client()) Steuersignal_Client_Senden(SIGNAL_AM_SPIEL);
        }
        if (standard_halten(s, r)) return true;
    }
    auto it = syncs.find(int32_t(r->spiel));
    // A state left from another record under this number holds nothing.
    if (it == syncs.end() || it->second.wartet < 0 || veraltet(it->second, r)) return false;
    Sync& s = it->second;
    for (const Seite& seite : s.seite)
        if (!(seite.flags & SPIELFELD_NETZ_RAUS) && (!bit(seite, s.wartet_periode, s.wartet) || kicks_gemeldet(seite, r) < s.kicks))
            return true;
    s.wartet = -1;
    s.minute_start = Netz_Zeit();
    return false;
}

int32_t Spielfeld_Server_Freigabe_Empfangen(int32_t team, uint32_t m, uint32_t wert, uint32_t taktik,
                                            const uint8_t* paket)
{
    if (m >= uint32_t(SPIELFELD_NETZ_MINUTEN)) return -1;
    const uint8_t* block = taktik && paket ? paket + 24 : nullptr;
    int32_t ergebnis = -1;
    if (ist_server()) {
        if (!hat_mitspieler(team)) return -1;
        // A minute ahead of this PC's record is taken and relayed all the same: the two clients
        // of a game between them wait only for each other, while the server's copy may stand
        // still (its own manager's pause, its break held by another game's longer stoppage).
        je_seite_des_teams(team, [&](Spielfeld_Record* r, int32_t k) {
            Sync& s = sync_von(r);
            const uint32_t periode = periode_von(r, wert);
            bit_setzen(s.seite[k], periode, m);
            s.seite[k].angepfiffen = true;
            if (block) {
                spaeter_einreihen(s.seite[k], periode, m, wert, k, block);
                nachreichen(r, k, s.seite[k]);
            }
            const int32_t gegner = int32_t(r->team[1 - k]);
            if (hat_mitspieler(gegner)) ergebnis = gegner;
        });
        return ergebnis;
    }
    const int32_t eigen = Netz_Get_Eigenes_Team();
    if (team == eigen) {
        // The server has played minute m for the sides it plays.
        je_seite_des_teams(team, [&](Spielfeld_Record* r, int32_t k) {
            const int32_t gegner = int32_t(r->team[1 - k]);
            // The server's own manager's side comes with a message of its own.
            if (gegner == Server_Team) {
                bit_setzen(sync_von(r).seite[1 - k], periode_von(r, wert), m, false);
            } else if (!(Team_Wert(TEAM_STATUS, gegner, 0, TEAM_LESEN) & 32)) {
                bit_setzen(sync_von(r).seite[1 - k], periode_von(r, wert), m);
            }
        });
    } else {
        je_seite_des_teams(team, [&](Spielfeld_Record* r, int32_t k) {
            bit_setzen(sync_von(r).seite[k], periode_von(r, wert), m);
            if (block) aenderung_einreihen(r, k, m, wert, block);
        });
    }
    return -1;
}

int32_t Spielfeld_Sonderaktion_Empfangen(int32_t team, uint32_t aktion)
{
    int32_t ergebnis = -1;
    if (ist_server() && !hat_mitspieler(team)) return -1;
    // The server's own manager's signals name the receiving client's club.
    const bool vom_server = ist_client() && team == Netz_Get_Eigenes_Team();
    je_seite_des_teams(team, [&](Spielfeld_Record* r, int32_t k) {
        const int32_t seite = vom_server ? 1 - k : k;
        if (vom_server && int32_t(r->team[seite]) != Server_Team) return;
        std::deque<uint32_t>& q = sync_von(r).seite[seite].aktionen;
        q.push_back(aktion);
        if (q.size() > AKTIONEN_HOECHSTENS) q.pop_front();
        const int32_t gegner = int32_t(r->team[1 - k]);
        if (hat_mitspieler(gegner)) ergebnis = gegner;
    });
    return ergebnis;
}

void Spielfeld_Netz_Standard(Spielfeld_Record* r)
{
    if (!r || Netz_Rolle == 0) return;
    int32_t art = 0;
    const int32_t k = standard_von(r, &art);
    if (k < 0 || r->sync_standard[k]) return;
    r->sync_standard[k] = 1;
    if (!vernetzt(r)) return;
    Seite& seite = sync_von(r).seite[k];
    const uint32_t zahl = ++seite.standards & 0xFFu;
    if (int32_t(r->team[k]) == eigener_verein()) {
        Print_Log(0xF0000, "Sende Sonderaktion Signal !");
        const uint32_t a = aktion_packen(zahl, art, Spielfeld_Gewaehlter_Schuetze(r, art, k));
        if (ist_client()) Steuersignal_Client_Sonderaktion(a);
        else Steuersignal_Server_Sonderaktion(int32_t(r->team[1 - k]), a);
        return;
    }
    // The side's PC chose: its signal for this set piece, older ones are of set pieces gone by.
    while (!seite.aktionen.empty()) {
        const uint32_t a = seite.aktionen.front();
        const int8_t abstand = int8_t(uint8_t((a >> 24) - zahl));
        if (abstand > 0) break;
        seite.aktionen.pop_front();
        if (abstand < 0) continue;
        const uint32_t nr = a & 0x3FFFFFu;
        Spielfeld_Gewaehlter_Schuetze(r, int32_t(a >> 22 & 3u), k) = nr ? nr - 1 : uint32_t(-1);
        break;
    }
}

bool Spielfeld_Netz_Vernetzt(const Spielfeld_Record* r) { return r && vernetzt(r); }

bool Spielfeld_Netz_Ruht(const Spielfeld_Record* r)
{
    return r && r->spielende == 2 && r->situation == SITUATION_HALBZEIT && vernetzt(r);
}

void Spielfeld_Netz_Angehalten(uint32_t ms)
{
    // The pause is measured on the game's clock: it never reaches back before the minute's start
    // on the network's, so that a start pushed past now cannot read as a minute of ages.
    const uint32_t jetzt = Netz_Zeit();
    for (auto& [spiel, s] : syncs) {
        const uint32_t bisher = jetzt - s.minute_start;
        s.minute_start = ms >= bisher ? jetzt : s.minute_start + ms;
    }
}

void Spielfeld_Netz_Gegner_Raus(int32_t team)
{
    je_seite_des_teams(team, [](Spielfeld_Record* r, int32_t k) { raus(r, 1 - k); });
}

// This PC plays on without waiting: every side of its club's games counts as out.
static void alle_raus(int32_t team)
{
    je_seite_des_teams(team, [](Spielfeld_Record* r, int32_t) {
        raus(r, 0);
        raus(r, 1);
    });
}

void Spielfeld_Netz_Zu_Langsam(int32_t team)
{
    // The pitch plays on alone from here, also while the notice waits for its "OK".
    alle_raus(team);
    // The notice is a dialog over the running match day: a script's wait for the day to give
    // back input ends at it, as a player's look at the screen would.
    const bool laufend = Os_Script_Laufender_Schirm(false);
    Team_Requester(0, team,
                   "Die Verbindung war zu langsam. Der Server musste die synchone Verbindung trennen.");
    Os_Script_Laufender_Schirm(laufend);
}

void Spielfeld_Netz_Client_Raus(int32_t team) { alle_raus(team); }

void Spielfeld_Netz_Am_Spiel(int32_t team)
{
    je_seite_des_teams(team, [](Spielfeld_Record* r, int32_t k) {
        Sync& s = sync_von(r);
        Seite& seite = s.seite[k];
        seite.flags |= SPIELFELD_NETZ_AM_SPIEL;
        // The first signal comes on the way to the match, the second at the kick-off: from
        // then on the side has the usual time for its minute, once.
        if (++seite.am_spiel_meldungen == 2 && !seite.angepfiffen) {
            seite.angepfiffen = true;
            if (s.wartet >= 0) s.warte_seit = Netz_Zeit();
        }
        spiegeln(r, s);
    });
}

void Spielfeld_Netz_Langsam(int32_t team)
{
    je_seite_des_teams(team, [](Spielfeld_Record* r, int32_t k) {
        Sync& s = sync_von(r);
        s.seite[k].flags |= SPIELFELD_NETZ_LANGSAM;
        spiegeln(r, s);
    });
}

void Spielfeld_Netz_Pruefen_Vorher()
{
    Spielfeld_Record* rs[SPIELFELD_MAX_SPIELE];
    const int32_t n = records(rs, SPIELFELD_MAX_SPIELE);
    for (int32_t i = 0; i < n; ++i) {
        if (!rs[i]->aktiv) continue;
        Sync& s = sync_von(rs[i]);
        for (int32_t k = 0; k < 2; ++k) {
            const bool jetzt = hat_mitspieler(int32_t(rs[i]->team[k]));
            if (jetzt) {
                s.seite[k].hatte_mitspieler = true;
            } else if (s.seite[k].hatte_mitspieler && !(s.seite[k].flags & SPIELFELD_NETZ_RAUS)) {
                Print_Fehler("Spielfeld: Team %d ohne Verbindung, Minute %d", int(rs[i]->team[k]), int(rs[i]->minute));
                raus(rs[i], k);
            }
        }
    }
}

void Spielfeld_Netz_Pruefen_Mitspieler(int32_t team)
{
    const uint32_t jetzt = Netz_Zeit();
    je_seite_des_teams(team, [&](Spielfeld_Record* r, int32_t k) {
        Sync& s = sync_von(r);
        Seite& seite = s.seite[k];
        if (seite.flags & SPIELFELD_NETZ_RAUS) return;
        if (!(seite.flags & SPIELFELD_NETZ_AM_SPIEL) && seit(s.anstoss, jetzt) >= STEUERSIGNAL_WARTEZEIT) {
            Print_Fehler("Spielfeld: Team %d nicht am Spiel, Minute %d", team, int(r->minute));
            raus(r, k);
            Steuersignal_Client_Raus(team);
            return;
        }
        // Only a taker still awaited counts: one that came (or a minute played past the set piece)
        // while the pitch stood still, a manager's pause here, is no choice missing.
        int32_t art = 0;
        if (s.standard_seit && standard_von(r, &art) == k && standard_offen(s, r) &&
            seit(s.standard_seit, jetzt) >= WAHLZEIT) {
            Print_Fehler("Spielfeld: Team %d wählt keinen Schützen, Minute %d", team, int(r->minute));
            raus(r, k);
            Steuersignal_Zu_Langsam(team);
            return;
        }
        const bool offen = !bit(seite, s.wartet_periode, s.wartet) || kicks_gemeldet(seite, r) < s.kicks;
        const uint32_t grenze = seite.angepfiffen ? STEUERSIGNAL_WARTEZEIT : ANPFIFF_WARTEZEIT;
        const bool wartet = s.wartet >= 0 && offen && seit(s.warte_seit, jetzt) >= grenze;
        if (wartet || (seite.flags & SPIELFELD_NETZ_LANGSAM)) {
            Print_Fehler("Spielfeld: Team %d zu langsam (%s), Minute %d/%d", team,
                         wartet ? "Minute nicht gemeldet" : "meldet sich langsam", int(s.wartet), int(r->minute));
            raus(r, k);
            Steuersignal_Zu_Langsam(team);
        }
    });
}

void Spielfeld_Netz_Pruefen_Nachher()
{
    if (!neu_raus_offen) return;
    Spielfeld_Record* rs[SPIELFELD_MAX_SPIELE];
    const int32_t n = records(rs, SPIELFELD_MAX_SPIELE);
    for (int32_t i = 0; i < n; ++i) {
        auto it = syncs.find(int32_t(rs[i]->spiel));
        if (it == syncs.end()) continue;
        for (int32_t k = 0; k < 2; ++k) {
            Seite& seite = it->second.seite[k];
            if (!seite.neu_raus) continue;
            seite.neu_raus = false;
            const int32_t gegner = int32_t(rs[i]->team[1 - k]);
            if (hat_mitspieler(gegner) && !(it->second.seite[1 - k].flags & SPIELFELD_NETZ_RAUS))
                Steuersignal_Gegner_Raus(gegner);
        }
    }
    // A side whose record is not in the list now is told when it comes back.
    neu_raus_offen = 0;
    for (const auto& [spiel, s] : syncs)
        for (const Seite& seite : s.seite) neu_raus_offen += seite.neu_raus ? 1 : 0;
}

static Spielfeld_Einreihen_Hook einreihen_hook = nullptr;
void Spielfeld_Set_Einreihen_Hook(Spielfeld_Einreihen_Hook h) { einreihen_hook = h; }

void Spielfeld_Anweisungen_Einreihen(Spielfeld_Record* r, int32_t seite, const uint8_t* block)
{
    if (einreihen_hook) einreihen_hook(r, seite, block);
    else Spielfeld_Anweisungen_Vormerken(r, seite, block);
}
