// The team module's savegame block (position 8), one block per item:
//   1-2 i32 team count and teams read; 3 u16 change counter of the network copies; 4 u16 home
//   country; 5-11 i32 market team, youth team, acting team, opponent, shown opponent, side,
//   tactic extra; 12 the league strength averages (384 x 5 x 6 i32); 13 the league team counts
//   (384 i32); 14 the league start averages (384 i32); 15 per team its 128-byte T_Fix image, then
//   its manager record when the image says so (a client writes only its own); 16 all T_Own
//   images (776 each) and 17 all T images (26 each), both left out by a client.
// A reader takes nothing over before the whole block has been read and checked.
#include <bit>
#include <cstring>
#include <vector>

#include "database/manager.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/mem.h"

using namespace welt;

namespace {

constexpr uint32_t KOPF_FELDER = 11;  // items 1-11, two of them u16
constexpr uint32_t LIGA_STAERKE_BYTES = TEAM_LIGEN * 5 * 6 * 4;
constexpr uint32_t LIGA_TABELLE_BYTES = TEAM_LIGEN * 4;

bool schreibe_i32(Disk_Datei* d, int32_t v)
{
    uint8_t b[4];
    Bytes_Setze32(b, static_cast<uint32_t>(v));
    return Disk_Schreibe_Block(d, b, 4);
}
bool schreibe_u16(Disk_Datei* d, uint16_t v)
{
    uint8_t b[2];
    Bytes_Setze16(b, v);
    return Disk_Schreibe_Block(d, b, 2);
}
// The image's values are little-endian, as they lie in memory.
static_assert(std::endian::native == std::endian::little, "tables are written as they lie in memory");
bool schreibe_tabelle(Disk_Datei* d, const int32_t* v, uint32_t n) { return Disk_Schreibe_Block(d, v, n * 4); }

bool lese(Disk_Datei* d, std::vector<uint8_t>& b, uint32_t n)
{
    b.resize(n);
    return Disk_Lese_Block(d, b.data(), n);
}

void tabelle_lesen(const std::vector<uint8_t>& b, int32_t* v, uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i) v[i] = static_cast<int32_t>(Bytes_Hole32(b.data() + 4 * i));
}

bool ablehnen(Disk_Datei* d, const char* text)
{
    Print_Fehler("Team_Read_Bin_Block: %s", text);
    Disk_Block_Ablehnen(d);
    return false;
}

void freigeben()
{
    Team_Free_Arrays(true);
    Team_Free_Zuordnungsarray();
}

}  // namespace

bool Team_Write_Bin_Block(Disk_Datei* d)
{
    if (!T || !T_Fix || !T_Own || Team_Anzahl <= 0) {
        Print_Fehler("Team_Write_Bin_Block: keine Teams!");
        return false;
    }
    bool ok = schreibe_i32(d, Team_Anzahl) && schreibe_i32(d, Team_Anzahl_Gelesen) &&
              schreibe_u16(d, Team_Aenderungszaehler) && schreibe_u16(d, Team_Heimatland);
    for (int32_t v : {Transfermarkt_Team, Jugend_Team, Aktuelles_Team, Gegner_Team, Anzeige_Gegner_Team,
                      Aktuelles_Team_Seite, Taktik_Zusatzwert})
        ok = ok && schreibe_i32(d, v);
    ok = ok && schreibe_tabelle(d, &Team_Liga_Staerke[0][0][0], TEAM_LIGEN * 5 * 6) &&
         schreibe_tabelle(d, Team_Liga_Anzahl, TEAM_LIGEN) && schreibe_tabelle(d, Team_Liga_Start_Mittelwerte, TEAM_LIGEN);
    uint8_t fix[TEAM_FIX_BYTES];
    for (int32_t t = 0; ok && t < Team_Anzahl; ++t) {
        const Manager_Struktur* m = ist_client() && t != Aktuelles_Team ? nullptr : T_Fix[t].manager;
        Team_Fix f = T_Fix[t];
        f.manager = const_cast<Manager_Struktur*>(m);
        Team_Fix_Packen(f, fix);
        ok = Disk_Schreibe_Block(d, fix, TEAM_FIX_BYTES) && (!m || Manager_Team_Write_Bin_Block(d, m));
    }
    if (!ok || ist_client()) return ok;
    const uint32_t n = static_cast<uint32_t>(Team_Anzahl);
    // Every packer sets all bytes of its record: the records go straight into their block.
    return Disk_Schreibe_Block_Gefuellt(d, n * TEAM_OWN_BYTES,
                                        [n](uint8_t* ziel) {
                                            for (uint32_t i = 0; i < n; ++i)
                                                Team_Own_Packen(T_Own[i], ziel + i * TEAM_OWN_BYTES);
                                        }) &&
           Disk_Schreibe_Block_Gefuellt(d, n * TEAM_STRUKTUR_BYTES, [n](uint8_t* ziel) {
               for (uint32_t i = 0; i < n; ++i) Team_Struktur_Packen(T[i], ziel + i * TEAM_STRUKTUR_BYTES);
           });
}

bool Team_Read_Bin_Block(Disk_Datei* d, const char*)
{
    std::vector<uint8_t> b;
    int32_t kopf[KOPF_FELDER - 2] = {};
    if (!lese(d, b, 4)) return false;
    kopf[0] = static_cast<int32_t>(Bytes_Hole32(b.data()));
    if (!lese(d, b, 4)) return false;
    kopf[1] = static_cast<int32_t>(Bytes_Hole32(b.data()));
    uint16_t zaehler, heimat;
    if (!lese(d, b, 2)) return false;
    zaehler = Bytes_Hole16(b.data());
    if (!lese(d, b, 2)) return false;
    heimat = Bytes_Hole16(b.data());
    for (uint32_t i = 2; i < KOPF_FELDER - 2; ++i) {
        if (!lese(d, b, 4)) return false;
        kopf[i] = static_cast<int32_t>(Bytes_Hole32(b.data()));
    }
    const int32_t anzahl = kopf[0], gelesen = kopf[1];
    if (anzahl < 1 || anzahl > TEAM_MAX_ANZAHL || gelesen < 0 || gelesen > anzahl)
        return ablehnen(d, "Teamzahl falsch!");
    for (uint32_t i = 2; i < 7; ++i)
        if (kopf[i] < -1 || kopf[i] >= anzahl) return ablehnen(d, "Teamnummer falsch!");
    if (heimat != 0xFFFF && heimat >= anzahl) return ablehnen(d, "Heimatland falsch!");

    std::vector<uint8_t> staerke, zahl, start;
    if (!lese(d, staerke, LIGA_STAERKE_BYTES) || !lese(d, zahl, LIGA_TABELLE_BYTES) ||
        !lese(d, start, LIGA_TABELLE_BYTES))
        return false;

    const uint32_t n = static_cast<uint32_t>(anzahl);
    std::vector<Team_Fix> fix(n);
    std::vector<Manager_Struktur*> manager(n, nullptr);
    auto aufgeben = [&](const char* text) {
        for (Manager_Struktur*& m : manager)
            if (m) m = Manager_Freigeben(m);
        return text ? ablehnen(d, text) : false;
    };
    for (uint32_t t = 0; t < n; ++t) {
        if (!lese(d, b, TEAM_FIX_BYTES)) return aufgeben(nullptr);
        bool hat_manager = false;
        std::memset(&fix[t], 0, sizeof(Team_Fix));
        Team_Fix_Entpacken(b.data(), fix[t], &hat_manager);
        if (hat_manager) {
            manager[t] = Manager_Team_Read_Bin_Block(d);
            if (!manager[t]) return aufgeben(nullptr);
            // a client keeps only its own manager's record
            if (ist_client() && static_cast<int32_t>(t) != kopf[4]) manager[t] = Manager_Freigeben(manager[t]);
        }
    }
    std::vector<uint8_t> own, t_bytes;
    if (!ist_client()) {
        uint32_t laenge = 0;
        if (!Disk_Naechste_Blocklaenge(d, &laenge) || laenge != n * TEAM_OWN_BYTES || !lese(d, own, laenge))
            return aufgeben("Teamdaten unvollständig!");
        if (!Disk_Naechste_Blocklaenge(d, &laenge) || laenge != n * TEAM_STRUKTUR_BYTES || !lese(d, t_bytes, laenge))
            return aufgeben("Teamdaten unvollständig!");
    }
    uint32_t rest = 0;
    if (Disk_Naechste_Blocklaenge(d, &rest)) return aufgeben("unerwartete Daten am Ende!");

    // everything read and checked: the running teams give way
    auto* neu_t = static_cast<Team_Struktur*>(Mem_Alloc_Clear((n + 1) * sizeof(Team_Struktur), 0, 0));
    auto* neu_fix = static_cast<Team_Fix*>(Mem_Alloc_Clear((n + 1) * sizeof(Team_Fix), 0, 0));
    auto* neu_own = static_cast<Team_Own*>(Mem_Alloc_Clear((n + 1) * sizeof(Team_Own), 0, 0));
    if (!neu_t || !neu_fix || !neu_own) {
        Mem_Free(neu_t, 0);
        Mem_Free(neu_fix, 0);
        Mem_Free(neu_own, 0);
        return aufgeben("kein Speicher!");
    }
    // The links block that follows fills the lists anew; until then the running links stay, so
    // that a game given back after a later block fails keeps them.
    const bool links_behalten = T_Fix && Team_Anzahl == anzahl;
    // A world of another size takes none of them: its lists are given up before the new ones
    // are registered, or the running world's and the read one's together (a large world's 724
    // and the default one's) overflowed the list registry, which ends the program.
    if (!links_behalten && T_Fix)
        for (int32_t t = 0; t < Team_Anzahl; ++t) Liste_Delete_All(&T_Fix[t].liste);
    for (uint32_t t = 0; t < n; ++t) {
        Liste_Init(&neu_fix[t].liste);
        if (links_behalten) {
            Liste_Tauschen(&neu_fix[t].liste, &T_Fix[t].liste);
            Liste_Delete_All(&T_Fix[t].liste);
        }
    }
    freigeben();
    T = neu_t;
    T_Fix = neu_fix;
    T_Own = neu_own;
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_TEAM, freigeben);
    Team_Anzahl = anzahl;
    Team_Anzahl_Gelesen = gelesen;
    Team_Aenderungszaehler = zaehler;
    Team_Heimatland = heimat;
    Transfermarkt_Team = kopf[2];
    Jugend_Team = kopf[3];
    Aktuelles_Team = kopf[4];
    Gegner_Team = kopf[5];
    Anzeige_Gegner_Team = kopf[6];
    Aktuelles_Team_Seite = kopf[7];
    Taktik_Zusatzwert = kopf[8];
    tabelle_lesen(staerke, &Team_Liga_Staerke[0][0][0], TEAM_LIGEN * 5 * 6);
    tabelle_lesen(zahl, Team_Liga_Anzahl, TEAM_LIGEN);
    tabelle_lesen(start, Team_Liga_Start_Mittelwerte, TEAM_LIGEN);
    for (uint32_t t = 0; t < n; ++t) {
        Liste kopf = T_Fix[t].liste;
        T_Fix[t] = fix[t];
        T_Fix[t].liste = kopf;
        T_Fix[t].manager = manager[t];
        if (ist_client()) {
            std::memset(&T[t], 88, sizeof(Team_Struktur));
            std::memset(&T_Own[t], 88, sizeof(Team_Own));
            continue;
        }
        Team_Own_Entpacken(own.data() + t * TEAM_OWN_BYTES, T_Own[t]);
        Team_Struktur_Entpacken(t_bytes.data() + t * TEAM_STRUKTUR_BYTES, T[t]);
        T_Fix[t].netz = static_cast<int8_t>(T_Fix[t].netz & ~4);
    }
    if (!ist_client()) {
        // the pseudo-teams are found by name, whatever number the block gave
        Team_Pseudo_Teams_Suchen(int32_t(n));
        if (Transfermarkt_Team < 0) Print_Fehler("Team_Read_Bin_Block: TRANSFERMARKT nicht gefunden!");
    }
    return true;
}

void Team_Disk_Registrieren()
{
    Disk_Block_Registrieren(DISK_POS_TEAMS, Team_Write_Bin_Block, Team_Read_Bin_Block);
    Disk_Block_Registrieren(DISK_POS_MANAGER, Manager_Write_Bin_Block, Manager_Read_Bin_Block);
    Disk_Block_Registrieren(DISK_POS_TEAMSPIELER, Teamspieler_Write_Bin_Block, Teamspieler_Read_Bin_Block);
}
