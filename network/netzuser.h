// The server's participants: one entry per logged-in remote client, its connection, its
// game-data transfer in progress and its traffic counters.
#pragma once
#include <cstdint>

struct Sock_Info;

constexpr int NETZUSER_ANZAHL = 256;
// Blocks that may wait behind the one going out, and their packed bytes, before the
// participant counts as too slow and is logged out.
constexpr uint32_t NETZUSER_WARTESCHLANGE_MAX = 64;
constexpr uint32_t NETZUSER_WARTESCHLANGE_BYTES = 8u << 20;
// Unpacked bytes a participant may leave unread: three of the largest replies.
constexpr uint64_t NETZUSER_UNGELESEN_BYTES = 3ull * (4u << 20);

struct Netz_Block {
    uint8_t* daten;
    uint32_t groesse;
};

// The in-use mark of an entry: its assignments keep the count of entries in use
// (Netzuser_Belegte), so that a game nobody has joined skips the walks over every slot. A mark
// cleared by a raw write (memset) leaves the count too high, never too low.
struct Netzuser_Belegt {
    uint8_t wert;
    // Gives the value, so that a chain of assignments goes through each mark's own count.
    uint8_t operator=(int v);
    operator uint8_t() const { return wert; }
};

struct Mitspieler_Eintrag {
    Netzuser_Belegt in_benutzung;
    // One byte more than the record's field, so that a full 40-character name keeps its NUL.
    char user_name[41];
    char pass_word[41];
    uint32_t hardware_id;
    uint32_t user_id;
    int32_t team;
    Sock_Info* sock_info;
    uint16_t port;
    uint8_t adresse[4];
    uint32_t db_ergebnis;
    uint16_t login_zeit[6];  // year, month, day, hour, minute, second
    uint32_t bloecke_gesendet, bloecke_empfangen;
    uint32_t bytes_gesendet, bytes_empfangen;
    uint32_t gepackt_gesendet, gepackt_empfangen;
    uint8_t neu;
    uint8_t* eingang;
    uint8_t* ausgang;
    uint32_t eingang_erwartet;
    uint32_t ausgang_gesamt;
    uint32_t eingang_empfangen;
    uint32_t ausgang_gesendet;
    uint32_t erster_teil_gesendet;
    uint8_t minute_freigabe;
    uint32_t minute;
    uint32_t minute_wert;
    uint32_t datenanfrage_zeit;
    // Packed blocks waiting behind the outgoing one, oldest first (Mem_Alloc'd array).
    Netz_Block* warteschlange;
    uint32_t warteschlange_anzahl;
    uint32_t warteschlange_bytes;
    // The club this participant claimed once; every remote call acts for it.
    uint8_t verein_beansprucht;
    int32_t verein;
    // Network clock of its last step towards a club: the log-in, then its first look at the free
    // clubs (vereinsliste 1 from then on). Other packets move it not, so that a participant
    // without a club cannot keep its record by sending.
    uint32_t schritt_zeit;
    uint8_t vereinsliste;
    // Reply bytes a participant without a club may still be sent, refilled with the time since
    // vorrat_zeit (network clock; 0 before the first request).
    int64_t vorrat;
    uint32_t vorrat_zeit;
};

// Reply bytes a participant without a club may ask a second, and at most at once: the club
// choice's few small lists fit whole, a peer that asks the same again and again is slowed.
constexpr int64_t NETZUSER_VOR_ANSPRUCH_RATE = 32 << 10;
constexpr int64_t NETZUSER_VOR_ANSPRUCH_VORRAT = 256 << 10;

extern Mitspieler_Eintrag Mitspieler[NETZUSER_ANZAHL];
extern int32_t Netzuser_Belegt_Anzahl;

// The entries marked in use, counted as they are marked and cleared: 0 means no entry is in use.
inline int32_t Netzuser_Belegte() { return Netzuser_Belegt_Anzahl; }

// The first free entry, not marked; null when all are in use.
Mitspieler_Eintrag* Netzuser_Get_Free();
// Clears the entry and frees the blocks it still holds; returns null.
Mitspieler_Eintrag* Netzuser_Loeschen(Mitspieler_Eintrag* m);
int32_t Netzuser_Anzahl();
Mitspieler_Eintrag* Netzuser_Get_Erster_Neuer();
int32_t Netzuser_Anzahl_Neue();
// Counts the changes of the entries' use and club: whoever takes, clears or gives an entry a
// club outside these functions calls Netzuser_Geaendert, so that the clubs' online marks follow.
void Netzuser_Geaendert();
uint32_t Netzuser_Stand();
// The first entry in use at or after *index, with *index set behind it; null at the end.
Mitspieler_Eintrag* Netzuser_Naechster(int32_t* index);
// Inline: the server's walks over every slot call it on each pass of the main loop.
inline Mitspieler_Eintrag* Netzuser_Get(int32_t slot)
{
    if (!Netzuser_Belegt_Anzahl || slot < 0 || slot >= NETZUSER_ANZAHL || !Mitspieler[slot].in_benutzung) return nullptr;
    return &Mitspieler[slot];
}
Mitspieler_Eintrag* Netzuser_Get_By_Team(int32_t team);
// Whether the participant's next request may be taken now: always once it holds a club; before,
// while bytes of its allowance are left (refilled at NETZUSER_VOR_ANSPRUCH_RATE).
bool Netzuser_Darf_Fragen(Mitspieler_Eintrag* m, uint32_t jetzt);
// Charges a reply of n bytes to a participant without a club.
void Netzuser_Gefragt(Mitspieler_Eintrag* m, uint32_t n);
// A new block: the count of entries in use, then each one's user id at its slot's position.
uint32_t* Netzuser_Liste();
int32_t Mitspieler_Team_Ist_Online(int32_t team);
void Netzuser_Statistik(uint32_t* bloecke_gesendet, uint32_t* bloecke_empfangen, uint32_t* bytes_gesendet,
                        uint32_t* gepackt_gesendet, uint32_t* bytes_empfangen, uint32_t* gepackt_empfangen);
int32_t Netzuser_Stub();
