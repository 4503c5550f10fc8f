// The match store: one fixture block per competition with its match records, the events of every
// match, and five sorted side arrays (per-competition player counters, eternal table, series,
// head-to-head, past winners). Nobody keeps a pointer into a fixture block: a record is reached
// through a lock handle (1..500) so that blocks may move when they grow.
//
// Records and events are kept in their stored byte layout (little-endian, packed), so the
// fixture-block list and the event array go to the savegame as they stand in memory.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little, "stored layouts are little-endian");

// One match, 28 bytes inside its fixture block.
struct Spiele_Spiel {
    uint32_t zuschauer;
    uint32_t erstes_ereignis;  // index into the event array, 0 = none reserved
    uint16_t heim;             // 0xFFFF = not yet drawn
    uint16_t gast;
    uint8_t wettbewerb;
    int8_t spieltag;
    int8_t runde;  // leg: 0 first, 1 second
    int8_t slot;
    uint8_t minute;
    uint8_t ereignis_anzahl;
    int8_t heim_tore;  // -1 (255) = not played
    uint8_t gast_tore;
    uint8_t ergebnis_art;  // SPIELE_ART_* bits
    int8_t temperatur;
    uint8_t wetter;  // 255 = no match data yet
    uint8_t frei_1;
    int16_t schiedsrichter;
    uint8_t frei_2[2];
};
static_assert(sizeof(Spiele_Spiel) == 28);
static_assert(offsetof(Spiele_Spiel, heim) == 8 && offsetof(Spiele_Spiel, wettbewerb) == 12);
static_assert(offsetof(Spiele_Spiel, heim_tore) == 18 && offsetof(Spiele_Spiel, schiedsrichter) == 24);

// Header of a fixture block, followed by `anzahl` records.
struct Spiele_Block_Kopf {
    uint32_t ligamode;  // 1 league, 0 cup
    uint32_t teams;
    uint32_t spieltage;  // match days of a league, rounds of a cup
    uint32_t runden;     // legs
    uint32_t anzahl;
};
static_assert(sizeof(Spiele_Block_Kopf) == 20);

// One match event, 9 bytes.
struct __attribute__((packed)) Spiele_Ereignis {
    int16_t spieler_1;
    int16_t spieler_2;
    uint32_t flags;
    uint8_t minute;
};
static_assert(sizeof(Spiele_Ereignis) == 9);

struct Spiele_Ereignis_Info {
    int32_t spieler_1;
    int32_t spieler_2;
    uint32_t flags;
    int32_t minute;
};

// Event code bits that the store reads.
enum : uint32_t {
    SPE_HEIM = 1,
    SPE_CHANCE = 2,
    SPE_TOR = 4,
    SPE_GELB = 16,
    SPE_GELBROT = 32,
    SPE_ROT = 64,
};
// Result kind bits.
enum : uint8_t {
    SPIELE_ART_NV = 1,
    SPIELE_ART_NE = 2,
    SPIELE_ART_ABGS = 4,
    SPIELE_ART_ABG = 8,
    SPIELE_ART_TIP = 16,
};
// A shoot-out kick's goal is stored as the goal alone, without the shot a goal in play carries:
// it decides the tie and stands in the score, but it is nobody's goal in the players' figures.
constexpr bool Spiele_Ist_Elfmeter_Tor(uint32_t flags) { return (flags & SPE_TOR) && !(flags & SPE_CHANCE); }
// Only a match decided on penalties holds such kicks.
constexpr bool Spiele_Ist_Elfmeter_Tor(const Spiele_Spiel& s, uint32_t flags)
{
    return (s.ergebnis_art & SPIELE_ART_NE) && Spiele_Ist_Elfmeter_Tor(flags);
}

constexpr int32_t SPIELE_LOCKS = 500;
constexpr int32_t SPIELE_EREIGNISSE_PRO_SPIEL = 160;
constexpr int32_t SPIELE_EREIGNISSE_START = 60000;
constexpr uint16_t SPIELE_KEIN_TEAM = 0xFFFF;

// ---- Life cycle ----

void Spiele_Init();
void Spiele_Freigeben();
bool Spiele_Ist_Initialisiert();

// ---- Fixture blocks ----

// Ties of a knock-out field of `teams` on match day `tag`: half the field, rounded up, on the
// first day, then half the day before, rounded up, so that an odd count of winners keeps its
// bye (5 clubs: 3, 2, 1). A field of 2^n halves as it always did. 0 for a day below 0.
int32_t Spiele_KO_Paare(int32_t teams, int32_t tag);
// New block of (per day) x days x legs records for a league, or of halving rounds for a cup
// (`Spiele_KO_Paare`); pro_tag -1 = (teams + 1) / 2. Returns the block id or -1.
int32_t Spiele_Init_Neue_Spiele(int32_t ligamode, int32_t teams, int32_t spieltage, int32_t runden,
                                int32_t wettbewerb, int32_t pro_tag);
// Inserts one match into a block (created when missing); returns the block id or -1.
int32_t Spiele_Spiel_Einfuegen(int32_t ligamode, int32_t block, int32_t wettbewerb, int32_t spieltag,
                               int32_t neuer_tag, int32_t heim, int32_t gast);
void Spiele_Wettbewerb_Loeschen(int32_t block);
int32_t Spiele_Get_Anzahl_Spiele(int32_t block);
// The block's header, null when unknown.
const Spiele_Block_Kopf* Spiele_Get_Block_Kopf(int32_t block);
bool Spiele_Team_Tausch(int32_t block, int32_t team_a, int32_t team_b);
void Spiele_Ergebnisse_Loeschen(int32_t block);

// ---- Lock handles ----

// On a network client the record comes from the server (see below).
int32_t Spiele_Lock(int32_t block, int32_t spieltag, int32_t runde, int32_t slot);
// The store's own record, on a client too: the fixtures it rebuilds from the server's pairings.
int32_t Spiele_Lock_Lokal(int32_t block, int32_t spieltag, int32_t runde, int32_t slot);
int32_t Spiele_Lock_Index(int32_t block, int32_t position);
// Spiele_Lock(block, spieltag, runde, slot) for the slots of one day and leg in turn: each slot's
// record is the one Spiele_Lock finds, looked up in one walk over the block for all of them
// rather than one walk per slot. A client, or a block changed in between, locks as Spiele_Lock.
class Spiele_Tag_Locks {
public:
    Spiele_Tag_Locks(int32_t block, int32_t spieltag, int32_t runde);
    int32_t lock(int32_t slot) const;

private:
    static constexpr int32_t SLOTS = 128;
    int32_t block_, spieltag_, runde_;
    const Spiele_Spiel* spiele_ = nullptr;  // the block's records at the walk, null: no walk
    uint32_t anzahl_ = 0;
    int32_t erste_[SLOTS];  // per slot the first record's position, -1 none
};
int32_t Spiele_Get_Hinspiel(int32_t h);
// -1 releases every slot.
void Spiele_Unlock(int32_t h);
// Direct: the record in its block (valid until the next insert or delete); otherwise a copy in
// the scratch record, overwritten by the next call.
// True while handle h holds a game (locked and not yet unlocked).
bool Spiele_Ist_Gelockt(int32_t h);
Spiele_Spiel* Spiele_Get_Spiel(int32_t h, int32_t direkt);
void Spiele_Meldung_Nicht_Gelockt();

// ---- Per-match accessors ----

void Spiele_Spiel_Clear(int32_t h);
void Spiele_Set_Teams(int32_t h, int32_t heim, int32_t gast);
void Spiele_Set_Ergebnis(int32_t h, int32_t heim_tore, int32_t gast_tore, int32_t art);
void Spiele_Tore_Nullen(int32_t h);
void Spiele_Set_Minute(int32_t h, int32_t minute);
void Spiele_Set_Zuschauer(int32_t h, uint32_t zuschauer);
int32_t Spiele_Get_Heim_Auswaerts(int32_t h, int32_t team);
bool Spiele_Get_Spielstand(int32_t h, int32_t von, int32_t bis, int32_t* heim, int32_t* gast);
const Spiele_Spiel* Spiele_Get_Spiel_Tore_Bis_Minute(int32_t h, int32_t von, int32_t bis);
// The score to show: after extra time, with a shoot-out's kicks apart (elf_* -1 without one).
// The stored goals of a match decided on penalties include the kicks that scored.
struct Spiele_Stand {
    int32_t heim, gast;
    int32_t elf_heim, elf_gast;
};
Spiele_Stand Spiele_Get_Stand(const Spiele_Spiel* s);
// The same for goals counted elsewhere (a live record's), shoot-out kicks included.
Spiele_Stand Spiele_Get_Stand_Tore(const Spiele_Spiel* s, int32_t heim, int32_t gast);
// "2:1", or "1:1 n.E. 6:7" for goals of match h that hold its shoot-out's kicks (a live
// record's); a handle not held reads as the goals given. While the kicks are still taken
// (`laufend`) the shoot-out reads "i.E." (in it) instead of "n.E." (after it).
const char* Spiele_Stand_Text(int32_t h, int32_t heim, int32_t gast, bool laufend = false);
// "2:1 n.V.", "1:1 n.E. 6:7"; without the score ("n.E. 6:7") when mit_ergebnis is 0.
const char* Spiele_Ergebnis_Text_Bauen(const Spiele_Spiel* s, int32_t mit_ergebnis);
const char* Spiele_Get_Ergebnis_Text(int32_t h, int32_t mit_ergebnis);
const char* Spiele_Get_Ergebnis_Text_Tip(int32_t h, int32_t tip);

// ---- Events ----

void Spiele_Ereignis_Speicher_Reservieren(int32_t h);
// minute 255 = the running minute.
void Spiele_Set_Ereignis(int32_t h, uint32_t flags, int32_t minute, int32_t spieler_1, int32_t spieler_2);
bool Spiele_Get_Erstes_Ereignis(int32_t h, Spiele_Ereignis_Info* info);
bool Spiele_Get_Naechstes_Ereignis(Spiele_Ereignis_Info* info);
bool Spiele_Ereignis_Lesen(Spiele_Ereignis_Info* info);
uint32_t Spiele_Ereignis_Speicher_Packen(int32_t h);
void Spiele_Ereignisse_Zuruecksetzen();
void Spiele_Get_Ereignis_Anzahl(int32_t* kapazitaet, int32_t* benutzt);

// ---- A network client ----

constexpr int32_t SPIELE_CLIENT_CACHE = 5000;  // fetched records kept by a client
constexpr int32_t SPIELE_NETZ_GRUPPE = 50;     // records of one lock reply
constexpr int32_t SPIELE_NETZ_EREIGNISSE = 100;  // events of one fetch

// While one lives, a client lays out the fixture lists of the server's competitions itself
// (without a draw, in the order the server sent): the store's writers do not report the client's
// access then.
class Spiele_Client_Spielplan {
public:
    Spiele_Client_Spielplan();
    ~Spiele_Client_Spielplan();
    Spiele_Client_Spielplan(const Spiele_Client_Spielplan&) = delete;
    Spiele_Client_Spielplan& operator=(const Spiele_Client_Spielplan&) = delete;
};

// A client plays its match day: its pitch writes the events of the games on it and books their
// goals and cards, as the server does with the same games (the writers do not report it then).
bool Spiele_Client_Am_Spiel();

// A client's start: its copies follow the server's store.
void Spiele_Client_Start();
// Empties the client's cached records and tables, asks the server's event counts and grows the
// mirror to them; also run from the main loop after the server moved on.
void Spiele_Client_Ereignisse_Abgleichen();
// Goals of the day of the locked match (live minute of a running match, -1 final) into every
// record of that day the client holds; the asking match's own record stays when it runs.
void Spiele_Client_Spiele_Holen(int32_t h, int32_t minute);
// The team's place after each match day erster..letzter (-1 first / current), at most 92; the
// number of places written, 0 when the call failed.
int32_t Spiele_Client_Tabellenverlauf(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter,
                                      int32_t drei_punkte, int32_t optionen, int32_t team, int32_t* plaetze);

// ---- Savegame block (position 7) ----

struct Disk_Datei;
bool Spiele_Speichern(Disk_Datei* datei);
// A damaged block is refused as a whole; the store keeps what it held.
bool Spiele_Laden(Disk_Datei* datei, const char* version);
