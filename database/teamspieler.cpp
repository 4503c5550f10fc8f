// Team-player links.
//
// TS byte image, 52 bytes, little-endian: 0 u32 flags; 4 i16 marks; 6 i16 marked by; 8-16 five
// i16 positions; 18 back number; 19 arrival kind; 20 contract months; 22 i16 insurance cost;
// 24 i16 salary; 26 i16 source team; 28 u16 tactical word | 32 i32 arrival day; 37 insurance
// months; 38 value 324; 39 value 306; 40 insurer; 41 loan rest; 42 insurance days; 44 i16 payment
// per injury day; 46 i16 payments received; 48 u16 player; 50 reserved. Bytes 0-31 go to clients.
#include "database/teamspieler.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/datenbank_fern.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "platform/print.h"
#include "platform/liste.h"
#include "platform/read_config.h"
#include "platform/zufall.h"

namespace {

Teamspieler_Transfer transferliste[TEAMSP_TRANSFERLISTE_ANZAHL];
uint16_t spieler_wettbewerb_liste[TEAMSP_SYSTEME];
int32_t transfer_priority_liste[TEAMSP_INTERESSEN][4];
uint8_t suchlisten[100][134];

// A move's follow-ups are done once, where they are needed: the interest list is rebuilt when it
// is next read, and inside a batch of moves each marked club gets its line-up once at the end.
bool interessen_veraltet = false;
int32_t sammeln_tiefe = 0;
std::vector<int32_t> aufstellung_faellig;

void interessen_auffrischen()
{
    if (!interessen_veraltet) return;
    interessen_veraltet = false;
    Team_Init_Transfer_Suchliste();
}

struct Grenze {
    int32_t min, max;
};

[[gnu::always_inline]] inline Grenze grenze(int32_t feld)
{
    switch (feld) {
    case 300: return {0, 99};
    case 301: case 302: case 327: return {-1, 99999999};
    case 303: return {-1, 48};
    case 304: return {-1, 7};
    case 305: return {-1, 60};
    case 306: case 324: case 326: case 328: return {0, 99};
    case 307: return {-1, 5};
    case 308: return {0, 99999999};
    case 309: case 316: return {-1, 50000};
    case 315: return {0, 50000};
    case 317: return {0, 2147483647};
    case 318: return {-1, 1000};
    case 319: return {0, 3};
    case 323: return {-1, 2147483647};
    case 329: return {0, 32767};
    default: break;
    }
    if (feld >= 310 && feld <= 314) return {-1, 459};
    if (feld >= 330 && feld <= 337) return {0, 4};
    return {0, 0};
}

bool ist_client() { return Netz_Rolle == 1; }
bool pseudo(int32_t team) { return team == Transfermarkt_Team || team == Jugend_Team; }
int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

// 16-bit storage of a value the field's limits allow beyond it (money in units, player numbers):
// cut at the storage range instead of wrapping.
int16_t in_i16(int32_t v) { return static_cast<int16_t>(begrenzt(v, -32768, 32767)); }

int taktik_bit(int32_t feld)
{
    switch (feld) {
    case 330: case 335: return 0;
    case 331: case 336: return 3;
    case 332: case 337: return 6;
    case 333: return 9;
    default: return 12;
    }
}

// A client holds a team's links only after fetching them; a fetched list counts as current
// (team field 197, bit 4) until the next menu round's refresh clears the mark.
void client_liste_sicherstellen(int32_t team)
{
    if (!T_Fix || team < 0 || team >= Team_Anzahl || (T_Fix[team].netz & 4)) return;
    Teamspieler_Internet_Client_Get_Liste(team);
}

// A club's squad as its list holds it, in one row: the line-up, the match day and the daily jobs
// look up players and ask for whole squads over and over, and each walk of a list chases its
// pointers. Made again on the first question after the club's own list changed (other lists
// change all day: pitch records, news); the players in list order (keys 0xFFFFFFFF left out),
// each with his link record. A squad of 50 and more (the bound the
// listing reports) and the pseudo clubs' long lists go on being walked. A fixed table by the
// club's number (clubs that share a row take turns), so that an ended game leaves no memory
// behind.
constexpr int32_t INDEX_PLAETZE = 49;
struct Kader_Index {
    uint64_t stand = 0;
    const Liste* liste = nullptr;
    int32_t anzahl = -1;  // -1: too long to be held
    int32_t spieler[INDEX_PLAETZE];
    TS* record[INDEX_PLAETZE];
};
constexpr size_t INDIZES = 1024;
Kader_Index indizes[INDIZES];

// The club's squad as held, where it was gathered under the list's present count (so the list
// stands registered and unchanged since); null otherwise and for a list too long to be held.
bool steht(const Kader_Index& x, const Liste* liste) { return x.stand == Liste_Stand_Von(liste) && x.liste == liste; }

[[gnu::always_inline]] inline const Kader_Index* kader_index_gehalten(int32_t team, const Liste* liste)
{
    const Kader_Index& x = indizes[static_cast<size_t>(team) % INDIZES];
    return steht(x, liste) && x.stand != 0 && x.anzahl >= 0 && !pseudo(team) ? &x : nullptr;
}

// The held squad of the club's list, null where it must be walked.
const Kader_Index* kader_index(int32_t team, const Liste* liste)
{
    if (pseudo(team)) return nullptr;
    Kader_Index& x = indizes[static_cast<size_t>(team) % INDIZES];
    if (!steht(x, liste)) {
        x.stand = Liste_Stand_Von(liste);
        x.liste = liste;
        x.anzahl = 0;
        for (const Liste_Element* e = liste->next; e; e = e->next) {
            if (e->key == 0xFFFFFFFFu) continue;
            if (x.anzahl == INDEX_PLAETZE) {
                x.anzahl = -1;
                break;
            }
            x.spieler[x.anzahl] = static_cast<int32_t>(e->key);
            x.record[x.anzahl++] = static_cast<TS*>(e->data);
        }
    }
    return x.anzahl >= 0 ? &x : nullptr;
}

// A player's last lookup, while the list it read has not changed since: the same few players
// are asked for over and over. A fixed table by the player's number (players that share a row take turns).
struct Fund {
    uint64_t stand = 0;
    const Liste* liste = nullptr;
    TS* record = nullptr;
    int32_t spieler = -1;
};
constexpr size_t FUNDE = 16384;
Fund funde[FUNDE];

// finde() for a player not found under the list's present count: looked up and noted.
[[gnu::noinline]] TS* neu_finden(int32_t team, int32_t spieler, Liste* liste, uint64_t stand, Fund& f)
{
    TS* record = nullptr;
    if (const Kader_Index* x = kader_index(team, liste)) {
        const int32_t* gefunden = std::find(x->spieler, x->spieler + x->anzahl, spieler);
        if (gefunden != x->spieler + x->anzahl) record = x->record[gefunden - x->spieler];
    } else if (Liste_Element* e = Liste_Find_Key(liste, static_cast<uint32_t>(spieler))) {
        record = static_cast<TS*>(e->data);
    }
    f = {stand, liste, record, spieler};
    return record;
}

// The record of the player's last lookup while it holds; null for none noted (or none found).
// It calls nothing, so that a read it answers needs no frame.
inline TS* gemerkt(int32_t team, int32_t spieler)
{
    if (spieler < 0 || !T_Fix || team < 0 || team >= Team_Anzahl) return nullptr;
    const Liste* liste = &T_Fix[team].liste;
    const Fund& f = funde[static_cast<size_t>(spieler) % FUNDE];
    return f.stand == Liste_Stand_Von(liste) && f.spieler == spieler && f.liste == liste ? f.record : nullptr;
}

// The link record of the first entry of the player in the club's list, null for none.
inline TS* finde(int32_t team, int32_t spieler)
{
    if (spieler < 0) return nullptr;
    Liste* liste = T_Fix && team >= 0 && team < Team_Anzahl ? &T_Fix[team].liste : nullptr;
    if (!liste) return nullptr;
    const uint64_t stand = Liste_Stand_Von(liste);
    Fund& f = funde[static_cast<size_t>(spieler) % FUNDE];
    if (f.stand == stand && f.spieler == spieler && f.liste == liste) return f.record;
    return neu_finden(team, spieler, liste, stand, f);
}

int32_t heute() { return Aktueller_Tag; }

// Which team's list holds each player: the daily and weekly jobs ask for a player's club
// without a hint, and a walk over every team's list costs hundreds of lookups. Made again
// on the first question after a team's list changed; a change of other lists (offers, news)
// only has each team's count looked at.
struct Team_Index {
    uint64_t stand = 0;
    const Team_Fix* teams = nullptr;
    int32_t anzahl = 0;
    std::vector<int16_t> team;  // by player: the one team, -1 none, MEHRERE more than one
    std::vector<uint64_t> staende;  // by team: its list's count when the index was made
    bool gegangen = false;          // whether the walk met an element (and left the cursor)
};
constexpr int16_t MEHRERE = -2;
Team_Index team_index;

// The team of the one list that holds the player, -1 for none, MEHRERE for several.
int32_t team_im_index(int32_t spieler)
{
    Team_Index& x = team_index;
    const uint64_t stand = Liste_Stand();
    if (x.stand != stand && x.teams == T_Fix && x.anzahl == Team_Anzahl &&
        x.staende.size() == static_cast<size_t>(Team_Anzahl)) {
        bool gleich = true;
        for (int32_t t = 0; t < Team_Anzahl && gleich; ++t)
            gleich = Liste_Stand_Von(&T_Fix[t].liste) == x.staende[static_cast<size_t>(t)];
        if (gleich) {
            // the walk it spares would have left the cursor so
            if (x.gegangen) Liste_Set_Cursor(nullptr);
            x.stand = stand;
        }
    }
    if (x.stand != stand || x.teams != T_Fix || x.anzahl != Team_Anzahl) {
        x.team.assign(x.team.size(), -1);
        x.staende.resize(static_cast<size_t>(Team_Anzahl > 0 ? Team_Anzahl : 0));
        // each list walked along its links; a walk to the end leaves the lists' cursor at its end
        bool gegangen = false;
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            x.staende[static_cast<size_t>(t)] = Liste_Stand_Von(&T_Fix[t].liste);
            Liste_Element* e = Liste_First_Element(&T_Fix[t].liste);
            gegangen = gegangen || e;
            for (; e; e = e->next) {
                if (e->key > 0xFFFFu) continue;
                if (e->key >= x.team.size()) x.team.resize(e->key + 1, -1);
                int16_t& z = x.team[e->key];
                z = z == -1 ? static_cast<int16_t>(t) : MEHRERE;
            }
        }
        if (gegangen) Liste_Set_Cursor(nullptr);
        x = {stand, T_Fix, Team_Anzahl, std::move(x.team), std::move(x.staende), gegangen};
    }
    return static_cast<size_t>(spieler) < x.team.size() ? x.team[static_cast<size_t>(spieler)] : -1;
}

int32_t max_spieler(int32_t team) { return pseudo(team) ? TEAM_MAX_TRANSFERMARKT : TEAM_MAX_SPIELER; }

// The held squad's players whose flags pass `filter` (without line bits and the status test), in
// order; as many as the capacity holds (-1: no bound) go into feld and records (either may be
// null), and all are counted.
int32_t nach_flags(const Kader_Index& x, int32_t filter, int32_t kapazitaet, int32_t* feld, TS** records)
{
    // one of the flag bits asked for (any bit above the line bits, where one of 4..19 is set) ...
    const uint32_t gefragt = filter & 0xFFFF0 ? static_cast<uint32_t>(filter & ~0xF) : 0;
    // ... and none of those left out
    const uint32_t verboten = filter & TS_FILTER_NICHT_AUFGESTELLT ? TS_STARTELF | TS_ERSATZ : 0;
    const int32_t platz = kapazitaet == -1 || kapazitaet > x.anzahl ? x.anzahl : kapazitaet;
    int32_t n = 0;
    for (int32_t i = 0; i < x.anzahl; ++i) {
        const uint32_t f = x.record[i]->flags;
        if ((gefragt && !(f & gefragt)) || (f & verboten)) continue;
        if (n < platz) {
            if (feld) feld[n] = x.spieler[i];
            if (records) records[n] = x.record[i];
        }
        ++n;
    }
    return n;
}

}  // namespace

void Teamspieler_TS_Packen(const TS& t, uint8_t* b)
{
    std::memset(b, 0, TS_BYTES);
    Bytes_Setze32(b, t.flags);
    const int16_t pos[7] = {t.deckt, t.gedeckt_von, t.position, t.bereich_a, t.bereich_b, t.position2_a, t.position2_b};
    for (int i = 0; i < 7; ++i) Bytes_Setze16(b + 4 + 2 * i, static_cast<uint16_t>(pos[i]));
    b[18] = t.rueckennummer;
    b[19] = static_cast<uint8_t>(t.ankunft_art);
    b[20] = static_cast<uint8_t>(t.vertrag_monate);
    Bytes_Setze16(b + 22, static_cast<uint16_t>(t.versicherung_kosten));
    Bytes_Setze16(b + 24, static_cast<uint16_t>(t.gehalt));
    Bytes_Setze16(b + 26, static_cast<uint16_t>(t.herkunft));
    Bytes_Setze16(b + 28, t.taktik);
    Bytes_Setze32(b + 32, static_cast<uint32_t>(t.ankunft_tag));
    b[37] = static_cast<uint8_t>(t.versicherung_monate);
    b[38] = static_cast<uint8_t>(t.wert_324);
    b[39] = static_cast<uint8_t>(t.wert_306);
    b[40] = static_cast<uint8_t>(t.versicherer);
    b[41] = static_cast<uint8_t>(t.leih_rest);
    b[42] = static_cast<uint8_t>(t.versicherung_tage);
    Bytes_Setze16(b + 44, static_cast<uint16_t>(t.versicherung_zahlung));
    Bytes_Setze16(b + 46, static_cast<uint16_t>(t.versicherung_erhalten));
    Bytes_Setze16(b + 48, t.spnr);
}

void Teamspieler_TS_Entpacken(const uint8_t* b, TS& t)
{
    std::memset(&t, 0, sizeof t);
    t.flags = Bytes_Hole32(b);
    int16_t* pos[7] = {&t.deckt, &t.gedeckt_von, &t.position, &t.bereich_a, &t.bereich_b, &t.position2_a, &t.position2_b};
    for (int i = 0; i < 7; ++i) *pos[i] = static_cast<int16_t>(Bytes_Hole16(b + 4 + 2 * i));
    t.rueckennummer = b[18];
    t.ankunft_art = static_cast<int8_t>(b[19]);
    t.vertrag_monate = static_cast<int8_t>(b[20]);
    t.versicherung_kosten = static_cast<int16_t>(Bytes_Hole16(b + 22));
    t.gehalt = static_cast<int16_t>(Bytes_Hole16(b + 24));
    t.herkunft = static_cast<int16_t>(Bytes_Hole16(b + 26));
    t.taktik = Bytes_Hole16(b + 28);
    t.ankunft_tag = static_cast<int32_t>(Bytes_Hole32(b + 32));
    t.versicherung_monate = static_cast<int8_t>(b[37]);
    t.wert_324 = static_cast<int8_t>(b[38]);
    t.wert_306 = static_cast<int8_t>(b[39]);
    t.versicherer = static_cast<int8_t>(b[40]);
    t.leih_rest = static_cast<int8_t>(b[41]);
    t.versicherung_tage = static_cast<int8_t>(b[42]);
    t.versicherung_zahlung = static_cast<int16_t>(Bytes_Hole16(b + 44));
    t.versicherung_erhalten = static_cast<int16_t>(Bytes_Hole16(b + 46));
    t.spnr = Bytes_Hole16(b + 48);
}

TS* Teamspieler_Get_Record(int32_t team, int32_t spieler)
{
    if (ist_client()) client_liste_sicherstellen(team);
    TS* ts = finde(team, spieler);
    if (!ts) Print_Fehler("Suchliste nicht belegt!\n");
    return ts;
}

int32_t Teamspieler_Ist_Im_Team(int32_t team, int32_t spieler) { return finde(team, spieler) ? team : -1; }

namespace {

// A plain read of a stored field on a server, as the general path below answers it; false for
// a field it leaves to that path.
inline bool lesen(const TS& ts, int32_t feld, int32_t& v)
{
    switch (feld) {
    case 300: v = ts.rueckennummer; return true;
    case 301: v = ts.gehalt * 1000; return true;
    case 302: v = ts.versicherung_zahlung * 500; return true;
    case 303: v = ts.versicherung_monate; return true;
    case 304: v = ts.ankunft_art; return true;
    case 305: v = ts.vertrag_monate; return true;
    case 306: v = ts.wert_306; return true;
    case 307: v = ts.versicherer; return true;
    case 308: v = ts.versicherung_kosten * 500; return true;
    case 309: v = ts.gedeckt_von; return true;
    case 310: v = ts.position; return true;
    case 311: v = ts.bereich_a; return true;
    case 312: v = ts.bereich_b; return true;
    case 313: v = ts.position2_a; return true;
    case 314: v = ts.position2_b; return true;
    case 315: v = ts.spnr; return true;
    case 316: v = ts.deckt; return true;
    case 317: v = static_cast<int32_t>(ts.flags); return true;
    case 318: v = ts.herkunft; return true;
    case 323: v = ts.ankunft_tag; return true;
    case 324: v = ts.wert_324; return true;
    case 326: v = ts.leih_rest; return true;
    case 327: v = ts.versicherung_erhalten * 500; return true;
    case 328: v = ts.versicherung_tage; return true;
    case 329: v = ts.taktik; return true;
    default: return false;
    }
}

// A server's write of a one-number field within its bounds, the record at hand: nothing to
// check or report. False for any other field or value, which go the general way.
inline bool schreiben_direkt(TS& ts, int32_t feld, int32_t wert)
{
    const Grenze g = grenze(feld);
    if (wert < g.min || wert > g.max) return false;
    auto i8 = [&](int8_t& f) {
        f = static_cast<int8_t>(wert);
        return true;
    };
    auto i16 = [&](int16_t& f) {
        f = in_i16(wert);
        return true;
    };
    switch (feld) {
    case 303: return i8(ts.versicherung_monate);
    case 304: return i8(ts.ankunft_art);
    case 305: return i8(ts.vertrag_monate);
    case 306: return i8(ts.wert_306);
    case 307: return i8(ts.versicherer);
    case 309: return i16(ts.gedeckt_von);
    case 310: return i16(ts.position);
    case 311: return i16(ts.bereich_a);
    case 312: return i16(ts.bereich_b);
    case 313: return i16(ts.position2_a);
    case 314: return i16(ts.position2_b);
    case 316: return i16(ts.deckt);
    case 324: return i8(ts.wert_324);
    case 326: return i8(ts.leih_rest);
    case 328: return i8(ts.versicherung_tage);
    default: return false;
    }
}

// Every access by field number: checks, bounds and modes. Kept out of line: inlined, its frame
// set-up would burden every plain read.
[[gnu::noinline]] int32_t wert_allgemein(int32_t feld, int32_t team, int32_t spieler, int32_t wert, uint8_t modus)
{
    if (ist_client() && team != Aktuelles_Team) {
        static const int32_t LESBAR[] = {300, 301, 304, 305, 308, 309, 310, 311, 312, 313, 314, 316, 317, 318};
        bool ok = false;
        for (int32_t f : LESBAR) ok = ok || f == feld;
        if (!ok) {
            Print_Fehler("Teamspieler_Wert: CLIENT-TEAM falsch!");
            return 0;
        }
        client_liste_sicherstellen(team);
    }
    TS* ts = Teamspieler_Get_Record(team, spieler);
    if (!ts) return -1;
    if (modus == 0x20) {
        Print_Fehler("Warning: Teamspieler_Wert-Aufruf READ_PROZENT nicht erlaubt!n");
        return -1;
    }
    const bool schreiben = modus == 1;
    if (schreiben) {
        Grenze g = grenze(feld);
        if (feld >= 300 && feld <= 337 && g.min < g.max) {
            int32_t v = begrenzt(wert, g.min, g.max);
            if (v != wert) {
                Print_Fehler("Teamspieler_Wert: Wert nicht innerhalb der Grenzen, wert=%d,modus=%d\n", wert, feld);
                wert = v;
            }
        }
        if (ist_client()) {
            if (team != Aktuelles_Team && feld != 309) {
                Print_Fehler("Teamspieler_Wert: CLIENT-TEAM-WRITE falsch!");
                return 0;
            }
            if (team == Aktuelles_Team &&
                !((feld >= 310 && feld <= 314) || feld == 316 || (feld >= 329 && feld <= 337))) {
                Print_Fehler("Teamspieler_Wert: CLIENT-WRITE!");
                return 0;
            }
            client_liste_sicherstellen(team);
        }
    }

    auto i8 = [&](int8_t& f) -> int32_t {
        if (schreiben) {
            f = static_cast<int8_t>(wert);
            return -1;
        }
        return f;
    };
    auto i16 = [&](int16_t& f, int32_t einheit) -> int32_t {
        if (schreiben) {
            f = in_i16(wert / einheit);
            return -1;
        }
        return f * einheit;
    };

    switch (feld) {
    case 300:
        if (schreiben) {
            ts->rueckennummer = static_cast<uint8_t>(wert);
            return -1;
        }
        return ts->rueckennummer;
    case 301:
        if (schreiben && wert < 0 && !pseudo(team)) Print_Fehler("Teamspieler_Wert: Gehalt<0 !");
        return i16(ts->gehalt, 1000);
    case 302: return i16(ts->versicherung_zahlung, 500);
    case 303: return i8(ts->versicherung_monate);
    case 304: return i8(ts->ankunft_art);
    case 305: return i8(ts->vertrag_monate);
    case 306: return i8(ts->wert_306);
    case 307: return i8(ts->versicherer);
    case 308: return i16(ts->versicherung_kosten, 500);
    case 309: return i16(ts->gedeckt_von, 1);
    case 310: return i16(ts->position, 1);
    case 311: return i16(ts->bereich_a, 1);
    case 312: return i16(ts->bereich_b, 1);
    case 313: return i16(ts->position2_a, 1);
    case 314: return i16(ts->position2_b, 1);
    case 315:
        if (schreiben) {
            ts->spnr = static_cast<uint16_t>(wert);
            return -1;
        }
        return ts->spnr;
    case 316: return i16(ts->deckt, 1);
    case 317: {
        uint32_t w = static_cast<uint32_t>(wert);
        switch (modus) {
        case 0: return static_cast<int32_t>(ts->flags);
        case 8: ts->flags |= w; return -1;
        case 2: ts->flags ^= w; return -1;
        case 4: ts->flags &= 2147483647u - w; return -1;
        default: Print_Fehler("Teamspieler_Wert: WRITE bei Flags!\n"); return -1;
        }
    }
    case 318: return i16(ts->herkunft, 1);
    case 319:
        if (schreiben) {
            Print_Fehler("Teamspieler_Wert: Art nicht beschreibbar!");
            return -1;
        }
        return ts->position == 459 ? 0 : ts->position / 153 + 1;
    case 323:
        if (schreiben) {
            ts->ankunft_tag = wert;
            return -1;
        }
        return ts->ankunft_tag;
    case 324: return i8(ts->wert_324);
    case 326: return i8(ts->leih_rest);
    case 327: return i16(ts->versicherung_erhalten, 500);
    case 328: return i8(ts->versicherung_tage);
    case 329:
        if (schreiben) {
            ts->taktik = static_cast<uint16_t>(wert);
            return -1;
        }
        return ts->taktik;
    default:
        break;
    }
    if (feld >= 330 && feld <= 337) {
        int bit = taktik_bit(feld);
        if (schreiben) {
            ts->taktik = static_cast<uint16_t>((ts->taktik & ~(7u << bit)) | ((static_cast<uint32_t>(wert) & 7u) << bit));
            return -1;
        }
        return (ts->taktik >> bit) & 7;
    }
    Print_Fehler("Teamspieler_Wert: Falscher Parameter!\n");
    return -1;
}


// A server's write: a month count, a place or a marking of a player the last lookup noted goes
// straight into his record, anything else the general way (a write answers -1). Kept out of
// line, so that the plain reads stay light.
[[gnu::noinline]] int32_t schreiben(int32_t feld, int32_t team, int32_t spieler, int32_t wert)
{
    if (TS* ts = gemerkt(team, spieler))
        if (schreiben_direkt(*ts, feld, wert)) return -1;
    return wert_allgemein(feld, team, spieler, wert, 1);
}
}  // namespace

int32_t Teamspieler_Wert(int32_t feld, int32_t team, int32_t spieler, int32_t wert, uint8_t modus)
{
    // the wages, contracts and flags are read by the thousand each day: a server's plain read of
    // a player the list holds is answered at once
    if (modus == 0 && !ist_client())
        if (const TS* ts = gemerkt(team, spieler)) {
            int32_t v;
            if (lesen(*ts, feld, v)) return v;
        }
    if (modus == 1 && !ist_client()) return schreiben(feld, team, spieler, wert);
    return wert_allgemein(feld, team, spieler, wert, modus);
}

void* Teamspieler_Zeiger(int32_t feld, int32_t schreiben, void* zeiger)
{
    if (ist_client()) {
        Print_Fehler("Teamspieler_Zeiger: CLIENT-ZUGRIFF!");
        return nullptr;
    }
    if (schreiben && !zeiger) {
        Print_Fehler("Teamspieler_Zeiger: Write && Zeiger=NULL!!!\n");
        return nullptr;
    }
    switch (feld) {
    case TEAMSP_TRANSFERLISTE:
        if (schreiben) {
            Print_Fehler("Teamspieler_Zeiger: TEAMSP_TRANSFERLISTE beschreiben verboten!");
            return nullptr;
        }
        return transferliste;
    case TEAMSP_SPIELER_WETTBEWERB_LISTE:
        if (schreiben) {
            Print_Fehler("Teamspieler_Zeiger: TEAMSP_SPIELER_WETTBEWERB_LISTE beschreiben verboten!");
            return nullptr;
        }
        return spieler_wettbewerb_liste;
    case TEAMSP_TRANSFER_PRIORITY_LISTE:
        if (schreiben) {
            Print_Fehler("Teamspieler_Zeiger: TEAMSP_TRANSFER_PRIORITY_LISTE beschreiben verboten!");
            return nullptr;
        }
        interessen_auffrischen();
        return transfer_priority_liste;
    default:
        Print_Fehler("Teamspieler_Zeiger: Falscher Parameter!\n");
        return nullptr;
    }
}

int32_t Teamspieler_Ins_Array(int32_t team, int32_t* feld, int32_t kapazitaet, int32_t filter)
{
    return Teamspieler_Kader(team, feld, nullptr, kapazitaet, filter);
}

int32_t Teamspieler_Kader(int32_t team, int32_t* feld, TS** records, int32_t kapazitaet, int32_t filter)
{
    // a club's list straight away; any other number through Team_Liste, which reports it
    Liste* liste = T && T_Fix && T_Own && team >= 0 && team < Team_Anzahl ? &T_Fix[team].liste : Team_Liste(5, team);
    if (!liste) return 0;
    const bool ohne_wechsler = filter & TS_FILTER_OHNE_WECHSLER;
    filter &= ~TS_FILTER_OHNE_WECHSLER;
    const int32_t grenze_anzahl = pseudo(team) ? 500 : 50;
    // a list that reaches the bound is reported and counted one short of it
    auto zu_viele = [&] {
        Print_Fehler(pseudo(team) ? "Teamspieler_Ins_Array: i==MAX_TRANSFERMARKTSPIELER !\n"
                                  : "Teamspieler_Ins_Array: i==MAX_SPIELER_PRO_TEAM !\n");
        return grenze_anzahl - 1;
    };
    int32_t n = 0;
    if (!ohne_wechsler && filter == 0 && (kapazitaet == -1 || kapazitaet >= grenze_anzahl)) {
        // the whole squad, as the clubs' daily jobs ask for it: nothing to test but the key. A
        // squad held under the list's present count needs no look at the list's registration;
        // the lists' cursor ends where the walk would leave it.
        auto gehalten = [&](const Kader_Index* x) {
            if (feld) std::copy(x->spieler, x->spieler + x->anzahl, feld);
            if (records) std::copy(x->record, x->record + x->anzahl, records);
            Liste_Set_Cursor(nullptr);
            return x->anzahl;
        };
        if (const Kader_Index* x = kader_index_gehalten(team, liste)) return liste->next ? gehalten(x) : 0;
        Liste_Element* const erstes = Liste_First_Element(liste);
        if (!erstes) return 0;
        if (const Kader_Index* x = kader_index(team, liste)) return gehalten(x);
        for (Liste_Element* e = erstes; e; e = e->next) {
            if (e->key == 0xFFFFFFFFu) continue;
            if (feld) feld[n] = static_cast<int32_t>(e->key);
            if (records) records[n] = static_cast<TS*>(e->data);
            if (++n == grenze_anzahl) {
                Liste_Set_Cursor(e);
                return zu_viele();
            }
        }
        // the lists' cursor stands where the walk below leaves it
        Liste_Set_Cursor(nullptr);
        return n;
    }
    // A server's filtered squad from the held row where there is one: it holds fewer players
    // than the bound, and the walk would leave the lists' cursor behind its end. The status and
    // the line are read in place, as Spieler_Wert answers them there.
    const Kader_Index* x = nullptr;
    if (!ist_client()) {
        x = kader_index_gehalten(team, liste);
        if (x && !liste->next) return 0;
        if (!x && Liste_First_Element(liste)) x = kader_index(team, liste);
    }
    if (x) {
        // Flag bits alone (the match's eleven, the cards, the bench): each player's flags decide,
        // and the held squad fits the capacity or is counted past it.
        if (!ohne_wechsler && !(filter & 0xF)) {
            n = nach_flags(*x, filter, kapazitaet, feld, records);
            Liste_Set_Cursor(nullptr);
            return n;
        }
        const int32_t lesbare = Spieler_Daten && Spieler_Fix_Daten ? Spieler_Anzahl : 0;
        for (int32_t i = 0; i < x->anzahl; ++i) {
            const int32_t sp = x->spieler[i];
            const TS* ts = x->record[i];
            const bool lesbar = sp >= 0 && sp < lesbare;
            if (ohne_wechsler &&
                ((lesbar ? int32_t(Spieler_Daten[sp].status) : Spieler_Wert(SP_STATUS, sp, 0, 0)) & SP_STATUS_WECHSEL))
                continue;
            if (filter & 0xF) {
                int32_t art;
                if (!lesbar) art = Spieler_Wert(SP_ART, sp, 0, 0);
                else art = Spieler_Art_Von_Platz(Spieler_Fix_Daten[sp].lieblingspos);
                if (!(filter & (1 << art))) continue;
            }
            if ((filter & 0xFFFF0) && !(ts->flags & static_cast<uint32_t>(filter & ~0xF))) continue;
            if ((filter & TS_FILTER_NICHT_AUFGESTELLT) && (ts->flags & (TS_STARTELF | TS_ERSATZ))) continue;
            if (kapazitaet == -1 || n < kapazitaet) {
                if (feld) feld[n] = sp;
                if (records) records[n] = x->record[i];
            }
            ++n;
        }
        Liste_Set_Cursor(nullptr);
        return n;
    }
    for (Liste_Element* e = Liste_First_Element(liste); e; e = Liste_Next_Element(liste, e)) {
        if (e->key == 0xFFFFFFFFu) continue;
        int32_t sp = static_cast<int32_t>(e->key);
        const TS* ts = static_cast<const TS*>(e->data);
        if (ohne_wechsler && (Spieler_Wert(SP_STATUS, sp, 0, 0) & SP_STATUS_WECHSEL)) continue;
        if ((filter & 0xF) && !(filter & (1 << Spieler_Wert(SP_ART, sp, 0, 0)))) continue;
        if ((filter & 0xFFFF0) && !(ts->flags & static_cast<uint32_t>(filter & ~0xF))) continue;
        if ((filter & TS_FILTER_NICHT_AUFGESTELLT) && (ts->flags & (TS_STARTELF | TS_ERSATZ))) continue;
        if (kapazitaet == -1 || n < kapazitaet) {
            if (feld) feld[n] = sp;
            if (records) records[n] = static_cast<TS*>(e->data);
        }
        ++n;
        if (n == grenze_anzahl) return zu_viele();
    }
    return n;
}

int32_t Teamspieler_Get_Team_Des_Spielers(int32_t hinweis, int32_t spieler, int32_t hinweis_2)
{
    if (spieler < 0) return -1;
    // A PC with a client trusts a hint whose competition the acting team still plays in.
    if ((Netz_Rolle == 1 || Netz_Rolle == 3) && T_Fix && Aktuelles_Team >= 0) {
        for (int32_t h : {hinweis, hinweis_2})
            if (h >= 0 && h < Team_Anzahl && Wettbewerb_Team_Noch_Dabei(T_Fix[h].liga, Aktuelles_Team) &&
                finde(h, spieler))
                return h;
    }
    // a pure client holds only some clubs' links: the server knows
    if (Netz_Rolle == 1) return Teamspieler_Internet_Client_Get_Team_Des_Spielers(hinweis, spieler);
    if (hinweis >= 0) return Teamspieler_Ist_Im_Team(hinweis, spieler);
    if (!T) return -1;
    // The walk below finds a player whom one list holds in that list, if its team is one the
    // walk looks at.
    if (const int32_t t = T_Fix && spieler <= 0xFFFF ? team_im_index(spieler) : MEHRERE; t != MEHRERE) {
        if (t < 0) return -1;
        return Team_Ist_Normal(t, 0) || Team_Ist_Normal(t, 72) || t == Transfermarkt_Team || t == Jugend_Team ? t : -1;
    }
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 0) && finde(t, spieler)) return t;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (!Team_Ist_Normal(t, 0) && Team_Ist_Normal(t, 72) && finde(t, spieler)) return t;
    if (Transfermarkt_Team >= 0 && finde(Transfermarkt_Team, spieler)) return Transfermarkt_Team;
    if (Jugend_Team >= 0 && finde(Jugend_Team, spieler)) return Jugend_Team;
    return -1;
}

void Teamspieler_Get_Positionen(int32_t team, int32_t spieler, int32_t* aus[10])
{
    TS* ts = Teamspieler_Get_Record(team, spieler);
    int32_t z[5], s[5];
    const int16_t pos[5] = {ts ? ts->position : int16_t(-1), ts ? ts->bereich_a : int16_t(-1),
                            ts ? ts->bereich_b : int16_t(-1), ts ? ts->position2_a : int16_t(-1),
                            ts ? ts->position2_b : int16_t(-1)};
    for (int i = 0; i < 5; ++i) {
        z[i] = pos[i] < 0 ? -1 : pos[i] / 17;
        s[i] = pos[i] < 0 ? -1 : pos[i] % 17;
    }
    if (team != Aktuelles_Team) {
        for (int i = 1; i < 5; ++i)
            if (pos[i] >= 0) {
                z[i] = 26 - z[i];
                s[i] = 16 - s[i];
            }
        std::swap(z[1], z[2]);
        std::swap(s[1], s[2]);
        std::swap(z[3], z[4]);
    }
    if (!aus) return;
    for (int i = 0; i < 5; ++i) {
        if (aus[2 * i]) *aus[2 * i] = z[i];
        if (aus[2 * i + 1]) *aus[2 * i + 1] = s[i];
    }
}

void Teamspieler_Wert_Schreiben(TS* ts, int32_t feld, int32_t team, int32_t spieler, int32_t wert)
{
    if (ts && !ist_client() && schreiben_direkt(*ts, feld, wert)) return;
    Teamspieler_Wert(feld, team, spieler, wert, 1);
}

void Teamspieler_Set_Manndeckung(int32_t a, int32_t team_a, int32_t c, int32_t team_c)
{
    Teamspieler_Wert(316, team_a, a, c, 1);
    Teamspieler_Wert(309, team_c, c, a, 1);
}

int32_t Teamspieler_Zaehle_Startelf(int32_t team, int32_t* kapitaen, int32_t* schnitt, bool mit_probe)
{
    int32_t feld[50];
    int32_t n = Teamspieler_Ins_Array(team, feld, 50, TS_STARTELF);
    if (n > 50) n = 50;
    if (kapitaen) *kapitaen = -1;
    int32_t summe = 0, benutzt = 0;
    for (int32_t i = 0; i < n; ++i) {
        uint32_t flags = static_cast<uint32_t>(Teamspieler_Wert(317, team, feld[i], 0, 0));
        if ((flags & TS_PROBE) && !mit_probe) continue;
        if (flags & TS_KAPITAEN) {
            if (kapitaen) {
                if (*kapitaen != -1) Print_Fehler("Menue_Wirklich_Raus: > 1 Kapitäne!");
                *kapitaen = i;
            }
        }
        summe += Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, feld[i], 0, 0);
        ++benutzt;
    }
    if (schnitt) *schnitt = benutzt ? summe / benutzt : summe;
    return benutzt;
}

int32_t Teamspieler_Rueckennummer_Zuweisen(int32_t spieler, int32_t team, int32_t wunsch)
{
    if (ist_client()) {
        Print_Fehler("Teamspieler_Rueckennummer_Zuweisen: Client-Zugriff!");
        return 0;
    }
    TS* ts = finde(team, spieler);
    if (!ts) return 0;
    int32_t art = Spieler_Wert(SP_ART, spieler, 0, 0);
    if (pseudo(team)) {
        if (wunsch == 0) wunsch = Zufall(5 * art + 20, 5 * art + 25);
        ts->rueckennummer = static_cast<uint8_t>(begrenzt(wunsch, 0, 99));
        return ts->rueckennummer;
    }
    bool belegt[100] = {};
    Liste* liste = Team_Liste(5, team);
    for (Liste_Element* e = Liste_First_Element(liste); e; e = Liste_Next_Element(liste, e)) {
        if (e->key == 0xFFFFFFFFu) continue;
        TS* anderer = static_cast<TS*>(e->data);
        if (anderer == ts) continue;
        if (wunsch > 0 && anderer->rueckennummer == wunsch && ts->rueckennummer != 0) {
            anderer->rueckennummer = ts->rueckennummer;
            ts->rueckennummer = static_cast<uint8_t>(wunsch);
            return wunsch;
        }
        if (anderer->rueckennummer > 99)
            Print_Fehler("Teamspieler_Rueckennummer_Zuweisen: Falsche Rueckennummer bei Team %d!\n", team);
        else if (anderer->rueckennummer > 0) belegt[anderer->rueckennummer] = true;
    }
    if (wunsch > 0 && wunsch <= 99 && !belegt[wunsch]) {
        ts->rueckennummer = static_cast<uint8_t>(wunsch);
        return wunsch;
    }
    for (int32_t nr = art == 0 ? 1 : 2; nr <= 99; ++nr)
        if (!belegt[nr]) {
            ts->rueckennummer = static_cast<uint8_t>(nr);
            return nr;
        }
    return ts->rueckennummer;
}

bool Teamspieler_Kommt_Oder_Geht(int32_t richtung, int32_t team, int32_t spieler, int32_t gehalt,
                                 int32_t art, int32_t monate, int32_t quelle, bool folgen)
{
    if (ist_client()) {
        Print_Fehler("Teamspieler_Kommt_Oder_Geht: Client-Zugriff!");
        return false;
    }
    Liste* liste = Team_Liste(5, team);
    if (!liste || spieler < 0 || spieler >= Spieler_Anzahl) return false;
    const bool kommt = richtung & 1;
    if (folgen) Spieler_Wert(SP_ANGEBOTSZAEHLER, spieler, -1, 1);
    Spieler_Wert(SP_STATUS, spieler, SP_STATUS_OHNE_VEREIN, 4);
    if (kommt) {
        if (T[team].spieleranzahl >= max_spieler(team)) {
            Print_Fehler("Teamspieler_Kommt_Oder_Geht: Max_Spielerzahl erreicht!");
            return false;
        }
        // a second link under the same key would be listed twice and counted twice
        if (finde(team, spieler)) {
            Print_Fehler("Teamspieler_Kommt_Oder_Geht: Spieler %d schon im Team %d!", spieler, team);
            return false;
        }
    }
    if (folgen) {
        Spieler_Beobachtet_Entfernen(team, spieler);
        // a slot that names him is rare: it is looked at before the club's kind
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            Team_Transfersuche& s = T_Own[t].suche;
            for (int k = 0; k < 4; ++k)
                if (s.spieler[k] == spieler && Team_Ist_Normal(t, 0)) {
                    s.spieler[k] = -1;
                    s.aktiv[k] = 0;
                }
        }
    }
    if (gehalt == -1) gehalt = 0;
    if (quelle == -1) quelle = team;
    Team_Wert(TEAM_FLAGS, team, 2, TEAM_SETZEN);

    if (kommt) {
        Liste_Element* e = Liste_Insert_Element(liste, Liste_Get_Last(liste), nullptr, TS_BYTES,
                                                static_cast<uint32_t>(spieler));
        if (!e) {
            Print_Fehler("Teamspieler_Kommt_Oder_Geht: kein Speicher!");
            return false;
        }
        ++T[team].spieleranzahl;
        int32_t rnr = Teamspieler_Rueckennummer_Zuweisen(spieler, team, Spieler_Wert(SP_RUECKENNUMMER, spieler, 0, 0));
        if (rnr == 0) Print_Fehler("Teamspieler_Kommt_Oder_Geht: rnr==0!");
        Teamspieler_Wert(302, team, spieler, 0, 1);
        Teamspieler_Wert(301, team, spieler, gehalt * 1000, 1);
        Teamspieler_Wert(304, team, spieler, art, 1);
        Teamspieler_Wert(307, team, spieler, -1, 1);
        if (pseudo(team)) monate = Zufall(9, 15);
        Teamspieler_Wert(305, team, spieler, monate, 1);
        if (art == 2) {
            int32_t rest = Teamspieler_Ist_Im_Team(quelle, spieler) >= 0 ? Teamspieler_Wert(305, quelle, spieler, 0, 0) : 0;
            if (rest >= monate) Teamspieler_Wert(326, team, spieler, rest - monate, 1);
            else Print_Fehler("Teamspieler_Kommt_Oder_Geht: Leihdauer zu groß!");
        }
        Teamspieler_Wert(306, team, spieler, Zufall(60, 90), 1);
        Teamspieler_Wert(315, team, spieler, spieler, 1);
        Teamspieler_Wert(323, team, spieler, heute(), 1);
        Teamspieler_Wert(324, team, spieler, folgen ? 6 * Zufall(1, 3) : 0, 1);
        Teamspieler_Wert(317, team, spieler, -1, 4);
        if (Spieler_Wert(SP_VERLETZUNG_TAGE, spieler, 0, 0)) Teamspieler_Wert(317, team, spieler, TS_ARZT, 8);
        if (Spieler_Wert(SP_ART, spieler, 0, 0) == 0) {
            Teamspieler_Wert(310, team, spieler, 459, 1);
        } else {
            for (int32_t f = 310; f <= 314; ++f) Teamspieler_Wert(f, team, spieler, -1, 1);
        }
        // nobody marks or is marked on arrival, a goalkeeper neither
        Teamspieler_Wert(316, team, spieler, -1, 1);
        Teamspieler_Wert(309, team, spieler, -1, 1);
        Teamspieler_Wert(318, team, spieler, quelle, 1);
        if (Team_Hat_Manager(team) && !Manager_Zusatzspieler_Anlegen(team, spieler)) {
            // the link stands; only his history is missing
            Print_Fehler("Teamspieler_Kommt_Oder_Geht: kein Platz mehr für Managerspieler!");
        }
    } else {
        Liste_Element* e = Liste_Find_Key(liste, static_cast<uint32_t>(spieler));
        if (!e) {
            Print_Fehler("Spieler geht: Listeneintrag nicht gefunden!\n");
            return false;
        }
        Liste_Delete_Element(liste, e);
        --T[team].spieleranzahl;
        for (auto& zeile : T_Own[team].einzeltraining)
            for (auto& z : zeile)
                if (z == spieler) z = -1;
        if (Team_Hat_Manager(team) && !Manager_Zusatzspieler_Freigeben(team, spieler))
            Print_Fehler("Teamspieler_Kommt_Oder_Geht: Managerspieler nicht gefunden!");
    }
    if (folgen) {
        interessen_veraltet = true;
        if (pseudo(team)) return true;
        if (sammeln_tiefe == 0)
            Team_Sofort_Neu_Aufstellen(team, 6);
        else if (std::find(aufstellung_faellig.begin(), aufstellung_faellig.end(), team) == aufstellung_faellig.end())
            aufstellung_faellig.push_back(team);
    }
    return true;
}

void Teamspieler_Transfer_Speichern(int32_t verkaeufer, int32_t kaeufer, int32_t spieler,
                                    int32_t abloese, int32_t art)
{
    if (ist_client()) {
        Print_Fehler("Client-Zugriff: Teamspieler_Transfer_Speichern");
        return;
    }
    if (verkaeufer == kaeufer) return;
    if (abloese > 0) {
        const float betrag = static_cast<float>(abloese) * 1000.0f;
        Schreibe_Überweisung(-1, verkaeufer, betrag, 30, 1, -1);
        Schreibe_Überweisung(kaeufer, -1, betrag, 31, 1, -1);
    }
    std::memmove(transferliste + 1, transferliste, sizeof(Teamspieler_Transfer) * (TEAMSP_TRANSFERLISTE_ANZAHL - 1));
    transferliste[0] = {static_cast<uint16_t>(spieler), static_cast<uint16_t>(verkaeufer),
                        static_cast<uint16_t>(kaeufer), static_cast<uint16_t>(abloese),
                        static_cast<uint16_t>(art), 0, static_cast<uint32_t>(heute())};
}

void Teamspieler_Vertragspunkte_Machen(int32_t a, int32_t b, int32_t spieler, int32_t gehalt, int32_t abloese,
                                       int32_t monate, int32_t art)
{
    if (ist_client()) {
        Print_Fehler("Client-Zugriff: Teamspieler_Vertragspunkte_Machen");
        return;
    }
    if (a == Jugend_Team) {
        Print_Fehler("Teamspieler_Vertragspunkte_Machen: Aufruf mit Jugendteam!");
        return;
    }
    // Percentages of the player's figures at club a against what was agreed; an agreed 0 counts
    // as 1, so that a free contract rates high instead of dividing by zero.
    auto prozent = [&](bool angebot, bool abloese_wert) {
        int32_t r_gehalt = 0, r_abloese = 0;
        if (angebot) Spieler_Bewerte_Marktwert_Gehalt_Angebot(a, spieler, -1, -1, monate, &r_gehalt, &r_abloese, 0);
        else Spieler_Bewerte_Marktwert_Gehalt(a, spieler, -1, -1, monate, &r_gehalt, &r_abloese, 0);
        const int64_t r = abloese_wert ? r_abloese : r_gehalt;
        const int64_t x = abloese_wert ? abloese : gehalt;
        return static_cast<int32_t>(r * 100 / (x > 0 ? x : 1));
    };
    auto buchen = [](int32_t team, int32_t p) {
        const int32_t zuschlag = Zufall(30, 55);
        Highscore_Punkte_Machen(team, 3, p + zuschlag);
        Highscore_Punkte_Machen(team, 2, p + zuschlag);
    };
    if (b >= 0 && a != b && Team_Hat_Manager(b)) {
        int32_t p;
        if (abloese == 0 && a != Transfermarkt_Team) p = prozent(false, false);
        else if (a == Transfermarkt_Team) p = prozent(art != 1, false);
        else p = (prozent(art != 1, false) + prozent(art != 1, true)) / 2;
        buchen(b, p);
    }
    if (a >= 0 && Team_Hat_Manager(a)) {
        int32_t p;
        if (a == b) {
            p = prozent(false, false);
        } else if (abloese == 0) {
            const int32_t extra = Zufall(10, 35);
            p = prozent(false, false) + extra;
        } else {
            p = prozent(art != 1, true);
        }
        if (p == -1) {
            Print_Fehler("Teamspieler_Vertragspunkte_Machen: prozent==NIX!");
            p = 50;
        }
        buchen(a, p);
    }
}

void Teamspieler_Suchlisten_Init()
{
    std::memset(suchlisten, 0, sizeof suchlisten);
    for (auto& s : suchlisten) std::memset(s, 0xFF, 24);
}

int32_t (*Teamspieler_Interessen_Neu())[4]
{
    interessen_veraltet = false;
    return transfer_priority_liste;
}

void Teamspieler_Folgen_Sammeln() { ++sammeln_tiefe; }

void Teamspieler_Folgen_Ausfuehren()
{
    if (sammeln_tiefe <= 0) {
        Print_Fehler("Teamspieler_Folgen_Ausfuehren: kein Sammeln offen!");
        return;
    }
    if (--sammeln_tiefe > 0) return;
    // in the order the clubs were first marked, as the moves came
    const std::vector<int32_t> faellig = std::move(aufstellung_faellig);
    aufstellung_faellig.clear();
    for (int32_t team : faellig)
        if (team >= 0 && team < Team_Anzahl) Team_Sofort_Neu_Aufstellen(team, 6);
}

void Teamspieler_Init_Listen()
{
    interessen_veraltet = false;
    for (auto& t : transferliste) t = {0xFFFF, 0, 0, 0, 0, 0, 0};
    std::memset(spieler_wettbewerb_liste, 0, sizeof spieler_wettbewerb_liste);
    for (auto& e : transfer_priority_liste) e[0] = e[1] = e[2] = e[3] = -1;
    Teamspieler_Suchlisten_Init();
}

int32_t Teamspieler_Leer() { return 0; }

void Teamspieler_Log_Strukturgroessen()
{
    Print_Log(0, "TS_Write_Sort: %d Bytes, TS_Server_Only:%d\n", static_cast<int>(TS_WRITE_SORT_BYTES),
              static_cast<int>(TS_SERVER_ONLY_BYTES));
}

int32_t Teamspieler_Config_Max_Spielernummer(const char* text, int32_t* max_spieler)
{
    if (max_spieler) *max_spieler = -1;
    if (!text || !Read_Config_Open_Buffer(text, static_cast<uint32_t>(std::strlen(text)), -1, 0, -1)) return 0;
    int32_t teams = 0;
    std::vector<int32_t> zahlen(1251);
    for (;;) {
        const char* wort = Read_Config_Read_Zeile(nullptr, true);
        if (!*wort) break;
        if (std::strcmp(wort, "NUMMER") == 0) {
            teams = std::max(teams, Read_Config_Get_Wert() + 1);
        } else if (std::strcmp(wort, "SPIELER") == 0 && max_spieler) {
            const char* liste = Read_Config_Get_Wert_Text();
            if (std::strcmp(liste, "SPIELER") == 0) continue;
            int32_t n = Read_Config_Parse_Zahlen(liste, zahlen.data(), static_cast<int32_t>(zahlen.size()));
            for (int32_t i = 0; i < n; ++i) *max_spieler = std::max(*max_spieler, zahlen[static_cast<size_t>(i)]);
        }
    }
    Read_Config_Close();
    return teams;
}

namespace {

// One line of a configuration text and what its first entry says.
struct Config_Zeile {
    std::string text;     // with its line end
    std::string wort;     // first keyword, upper case; "" for an empty or comment line
    int32_t wert = 0;     // its value as a number
    int32_t team = -1;    // the team whose block the line belongs to
    int32_t block = -1;   // the block (counted NUMMER entries) it belongs to
};

bool erstes_wort(Config_Zeile& z)
{
    if (!Read_Config_Open_Buffer(z.text.data(), static_cast<uint32_t>(z.text.size()), -1, 0, -1)) return false;
    z.wort = Read_Config_Read_Zeile(nullptr, true);
    if (!z.wort.empty()) z.wert = Read_Config_Get_Wert();
    Read_Config_Close();
    return true;
}

bool hat_spieler(int32_t team)
{
    Liste* liste = &T_Fix[team].liste;
    for (Liste_Element* e = Liste_First_Element(liste); e; e = Liste_Next_Element(liste, e))
        if (e->key != 0xFFFFFFFFu) return true;
    return false;
}

void kader_schreiben(std::string& aus, int32_t team)
{
    if (!aus.empty() && aus.back() != '\n') aus += "\r\n";
    Liste* liste = &T_Fix[team].liste;
    for (Liste_Element* e = Liste_First_Element(liste); e; e = Liste_Next_Element(liste, e)) {
        if (e->key == 0xFFFFFFFFu) continue;
        char zeile[40];
        std::snprintf(zeile, sizeof zeile, "   \t\t%3d\r\n", static_cast<int32_t>(e->key));
        aus += "SPIELER";
        aus += zeile;
    }
}

}  // namespace

bool Teamspieler_Config_Speichern(const char* text, std::string* neu)
{
    if (ist_client()) {
        Print_Fehler("Client-Zugriff: Teamspieler_Config_Speichern");
        return false;
    }
    if (!text || !neu || !T_Fix || Team_Anzahl <= 0) {
        Print_Fehler("Teamspieler_Config_Speichern: Keine Teams oder kein Text!");
        return false;
    }
    const int32_t teams = Teamspieler_Config_Max_Spielernummer(text, nullptr);
    if (teams != Team_Anzahl) {
        Print_Fehler("Teamspieler_Config_Speichern: Der Text beschreibt %d Teams, das Spiel hat %d. Nichts "
                     "geschrieben.",
                     teams, Team_Anzahl);
        return false;
    }

    // Pass 1: lines, their blocks, and which blocks carry SPIELER entries.
    std::vector<Config_Zeile> zeilen;
    for (const char* p = text; *p;) {
        const char* ende = std::strchr(p, '\n');
        size_t n = ende ? static_cast<size_t>(ende - p) + 1 : std::strlen(p);
        Config_Zeile z;
        z.text.assign(p, n);
        if (!erstes_wort(z)) return false;
        zeilen.push_back(std::move(z));
        p += n;
    }
    std::vector<bool> block_hat_spieler;
    std::vector<bool> team_gesehen(static_cast<size_t>(Team_Anzahl), false);
    int32_t team = -1, block = -1;
    for (Config_Zeile& z : zeilen) {
        if (z.wort == "NUMMER") {
            team = z.wert >= 0 && z.wert < Team_Anzahl ? z.wert : -1;
            ++block;
            block_hat_spieler.push_back(false);
            if (team >= 0) team_gesehen[static_cast<size_t>(team)] = true;
        }
        z.team = team;
        z.block = block;
        if (z.wort == "SPIELER" && team >= 0) block_hat_spieler[static_cast<size_t>(block)] = true;
    }
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (!team_gesehen[static_cast<size_t>(t)] && hat_spieler(t)) {
            Print_Fehler("Teamspieler_Config_Speichern: Team %d hat keinen Eintrag im Text, seine Spieler "
                         "gingen verloren. Nichts geschrieben.",
                         t);
            return false;
        }

    // Pass 2: each team's squad once, where its first SPIELER entry stood or after its NUMMER.
    std::string aus;
    std::vector<bool> geschrieben(static_cast<size_t>(Team_Anzahl), false);
    for (const Config_Zeile& z : zeilen) {
        const bool eigener_kader = z.team >= 0 && !geschrieben[static_cast<size_t>(z.team)];
        if (z.wort == "SPIELER" && z.team >= 0) {
            if (eigener_kader) kader_schreiben(aus, z.team);
            geschrieben[static_cast<size_t>(z.team)] = true;
            continue;
        }
        aus += z.text;
        if (z.wort == "NUMMER" && eigener_kader && !block_hat_spieler[static_cast<size_t>(z.block)]) {
            kader_schreiben(aus, z.team);
            geschrieben[static_cast<size_t>(z.team)] = true;
        }
    }

    // A CHECKSUMME as the first entry covers everything after it; the lines up to it are copied
    // unchanged, so the new sum is that of the rest of the new text.
    size_t kopf_laenge = 0;
    for (const Config_Zeile& z : zeilen) {
        kopf_laenge += z.text.size();
        if (z.wort.empty()) continue;
        if (z.wort == "CHECKSUMME") {
            std::string rumpf = aus.substr(kopf_laenge);
            if (!Read_Config_Open_Buffer(rumpf.data(), static_cast<uint32_t>(rumpf.size()), -1, 0, -1)) return false;
            while (*Read_Config_Read_Zeile(nullptr, true)) {}
            const uint32_t summe = Read_Config_Get_Summe();
            Read_Config_Close();
            char zeile[40];
            std::snprintf(zeile, sizeof zeile, "CHECKSUMME %u", summe);
            const size_t zeilenende = z.text.find_first_of("\r\n");
            const size_t anfang = kopf_laenge - z.text.size();
            aus = aus.substr(0, anfang) + zeile +
                  (zeilenende == std::string::npos ? std::string("\r\n") : z.text.substr(zeilenende)) + rumpf;
        }
        break;
    }
    *neu = std::move(aus);
    return true;
}

// --- savegame block (position 12), server only: the search lists (13,400 bytes), the transfer
// record (2,500 x 16), the target counts (384 u16), the search interests (255 x 4 i32), then
// every team's links in number and list order (52 each) as one block whose length the teams'
// player counts (field 162) must give.

namespace {

constexpr uint32_t TRANSFER_BYTES = 16;

// The transfer list as saved, into `b` (every byte of it).
void transferliste_packen(uint8_t* b)
{
    for (int32_t i = 0; i < TEAMSP_TRANSFERLISTE_ANZAHL; ++i) {
        uint8_t* q = b + i * TRANSFER_BYTES;
        const Teamspieler_Transfer& t = transferliste[i];
        const uint16_t w[6] = {t.spieler, t.verkaeufer, t.kaeufer, t.abloese, t.art, t.reserve};
        for (int k = 0; k < 6; ++k) Bytes_Setze16(q + 2 * k, w[k]);
        Bytes_Setze32(q + 12, t.tag);
    }
}

bool ts_pruefen(const TS& ts, std::vector<uint8_t>& vergeben)
{
    if (ts.spnr >= static_cast<uint32_t>(Spieler_Anzahl) || vergeben[ts.spnr]) return false;
    vergeben[ts.spnr] = 1;
    if (ts.herkunft < -1 || ts.herkunft >= Team_Anzahl) return false;
    for (int16_t p : {ts.position, ts.bereich_a, ts.bereich_b, ts.position2_a, ts.position2_b})
        if (p < -1 || p > 459) return false;
    return ts.versicherer >= -1 && ts.versicherer <= 5;
}

bool ablehnen(Disk_Datei* d, const char* text)
{
    Print_Fehler("Teamspieler_Read_Bin_Block: %s", text);
    Disk_Block_Ablehnen(d);
    return false;
}

}  // namespace

bool Teamspieler_Write_Bin_Block(Disk_Datei* d)
{
    if (ist_client()) return true;
    if (!T || !T_Fix) {
        Print_Fehler("Teamspieler_Write_Bin_Block: keine Teams!");
        return false;
    }
    interessen_auffrischen();
    // The tables and lists are packed straight into their blocks, every byte set.
    const auto systeme_packen = [](uint8_t* z) {
        for (int32_t i = 0; i < TEAMSP_SYSTEME; ++i) Bytes_Setze16(z + 2 * i, spieler_wettbewerb_liste[i]);
    };
    const auto interessen_packen = [](uint8_t* q) {
        for (int32_t i = 0; i < TEAMSP_INTERESSEN; ++i)
            for (int k = 0; k < 4; ++k)
                Bytes_Setze32(q + 16 * i + 4 * k, static_cast<uint32_t>(transfer_priority_liste[i][k]));
    };
    // The links of every team in turn, each packed (all its bytes) straight into the block.
    uint32_t links = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        for (Liste_Element* e = Liste_First_Element(&T_Fix[t].liste); e; e = Liste_Next_Element(&T_Fix[t].liste, e))
            ++links;
    const auto links_packen = [](uint8_t* ziel) {
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            for (Liste_Element* e = Liste_First_Element(&T_Fix[t].liste); e; e = Liste_Next_Element(&T_Fix[t].liste, e)) {
                Teamspieler_TS_Packen(*static_cast<const TS*>(e->data), ziel);
                ziel += TS_BYTES;
            }
    };
    return Disk_Schreibe_Block(d, suchlisten, sizeof suchlisten) &&
           Disk_Schreibe_Block_Gefuellt(d, TEAMSP_TRANSFERLISTE_ANZAHL * TRANSFER_BYTES,
                                        [](uint8_t* z) { transferliste_packen(z); }) &&
           Disk_Schreibe_Block_Gefuellt(d, TEAMSP_SYSTEME * 2, systeme_packen) &&
           Disk_Schreibe_Block_Gefuellt(d, TEAMSP_INTERESSEN * 16, interessen_packen) &&
           Disk_Schreibe_Block_Gefuellt(d, links * TS_BYTES, links_packen);
}

bool Teamspieler_Read_Bin_Block(Disk_Datei* d, const char*)
{
    if (ist_client()) return true;
    if (!T || !T_Fix || !Spieler_Daten) return ablehnen(d, "Teams oder Spieler fehlen!");
    std::vector<uint8_t> such(sizeof suchlisten), transfers(TEAMSP_TRANSFERLISTE_ANZAHL * TRANSFER_BYTES),
        ziele(TEAMSP_SYSTEME * 2), interessen(TEAMSP_INTERESSEN * 16);
    if (!Disk_Lese_Block(d, such.data(), static_cast<uint32_t>(such.size())) ||
        !Disk_Lese_Block(d, transfers.data(), static_cast<uint32_t>(transfers.size())) ||
        !Disk_Lese_Block(d, ziele.data(), static_cast<uint32_t>(ziele.size())) ||
        !Disk_Lese_Block(d, interessen.data(), static_cast<uint32_t>(interessen.size())))
        return false;
    for (int32_t i = 0; i < TEAMSP_TRANSFERLISTE_ANZAHL; ++i) {
        const uint8_t* q = transfers.data() + i * TRANSFER_BYTES;
        if (Bytes_Hole16(q) == 0xFFFF) continue;
        if (Bytes_Hole16(q) >= Spieler_Anzahl || Bytes_Hole16(q + 2) >= Team_Anzahl || Bytes_Hole16(q + 4) >= Team_Anzahl)
            return ablehnen(d, "Transferliste fehlerhaft!");
    }
    for (int32_t i = 0; i < TEAMSP_INTERESSEN; ++i) {
        const int32_t slot = static_cast<int32_t>(Bytes_Hole32(interessen.data() + 16 * i));
        const int32_t team = static_cast<int32_t>(Bytes_Hole32(interessen.data() + 16 * i + 8));
        if (slot < -1 || slot > 3 || team < -1 || team >= Team_Anzahl) return ablehnen(d, "Suchinteressen fehlerhaft!");
    }
    uint64_t summe = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (T[t].spieleranzahl < 0) return ablehnen(d, "Spielerzahl falsch!");
        summe += static_cast<uint64_t>(T[t].spieleranzahl);
    }
    uint32_t laenge = 0;
    if (!Disk_Naechste_Blocklaenge(d, &laenge) || laenge != summe * TS_BYTES)
        return ablehnen(d, "Spielerzahlen der Teams passen nicht zu den Verknüpfungen!");
    std::vector<uint8_t> links(laenge);
    if (!Disk_Lese_Block(d, links.data(), laenge)) return false;
    uint32_t rest = 0;
    if (Disk_Naechste_Blocklaenge(d, &rest)) return ablehnen(d, "unerwartete Daten am Ende!");
    std::vector<TS> records(summe);
    std::vector<uint8_t> vergeben(static_cast<size_t>(Spieler_Anzahl), 0);
    for (size_t i = 0; i < records.size(); ++i) {
        Teamspieler_TS_Entpacken(links.data() + i * TS_BYTES, records[i]);
        if (!ts_pruefen(records[i], vergeben)) return ablehnen(d, "Verknüpfung fehlerhaft!");
    }

    std::memcpy(suchlisten, such.data(), sizeof suchlisten);
    for (int32_t i = 0; i < TEAMSP_TRANSFERLISTE_ANZAHL; ++i) {
        const uint8_t* q = transfers.data() + i * TRANSFER_BYTES;
        transferliste[i] = {Bytes_Hole16(q),     Bytes_Hole16(q + 2), Bytes_Hole16(q + 4), Bytes_Hole16(q + 6),
                            Bytes_Hole16(q + 8), Bytes_Hole16(q + 10), Bytes_Hole32(q + 12)};
    }
    for (int32_t i = 0; i < TEAMSP_SYSTEME; ++i) spieler_wettbewerb_liste[i] = Bytes_Hole16(ziele.data() + 2 * i);
    for (int32_t i = 0; i < TEAMSP_INTERESSEN; ++i)
        for (int k = 0; k < 4; ++k)
            transfer_priority_liste[i][k] = static_cast<int32_t>(Bytes_Hole32(interessen.data() + 16 * i + 4 * k));
    interessen_veraltet = false;
    size_t r = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        Liste* liste = &T_Fix[t].liste;
        Liste_Init(liste);
        for (int32_t k = 0; k < T[t].spieleranzahl; ++k, ++r) {
            Liste_Element* e = Liste_Insert_Element(liste, Liste_Get_Last(liste), &records[r], TS_BYTES, records[r].spnr);
            if (!e) return ablehnen(d, "kein Speicher!");
        }
    }
    return true;
}
