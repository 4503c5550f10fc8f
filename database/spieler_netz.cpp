// The players' network images. Player data (request 0): entries of an i16 player number and the
// 50-byte main part (part 0) or the 36-byte fixed part (part 1). New-player list (request 3): an
// i16 count and as many i16 player numbers. Start info (request 2): the i32 player count. All
// little-endian. A decoder takes nothing from a packet it does not fully trust.
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "platform/bytes.h"
#include "platform/mem.h"

using namespace welt;

namespace {

uint32_t eintrag_bytes(int32_t teil) { return 2 + (teil == 0 ? SPIELER_STRUKTUR_BYTES : SPIELER_FIX_BYTES); }

uint8_t* kopie(const std::vector<uint8_t>& b, const char* name)
{
    auto* p = static_cast<uint8_t*>(Mem_Alloc(static_cast<uint32_t>(b.size() ? b.size() : 1), 0));
    if (!p) {
        Print_Fehler("%s: Mem-Error!", name);
        return nullptr;
    }
    if (!b.empty()) std::memcpy(p, b.data(), b.size());
    return p;
}

}  // namespace

int32_t Spieler_Internet_Server_Send(uint8_t** aus, int32_t teil, int32_t wettbewerb, int32_t team, int32_t spnr)
{
    if (!aus) {
        Print_Fehler("Spieler_Internet_Server_Send: NULL-Pointer!");
        return 0;
    }
    *aus = nullptr;
    std::vector<int32_t> spieler;
    if (spnr != -1) {
        if (spieler_gueltig(spnr)) spieler.push_back(spnr);
    } else {
        std::vector<int32_t> teams;
        if (team != -1) {
            if (team_gueltig(team)) teams.push_back(team);
        } else {
            int16_t liste[WETTBEWERB_MAX_TEAMS];
            const int32_t n = Wettbewerb_Get_Teams(wettbewerb, liste);
            for (int32_t i = 0; i < n && i < WETTBEWERB_MAX_TEAMS; ++i)
                if (team_gueltig(liste[i])) teams.push_back(liste[i]);
        }
        std::vector<int32_t> kader(TEAM_MAX_START_SPIELER);
        for (int32_t t : teams) {
            int32_t n = Teamspieler_Ins_Array(t, kader.data(), TEAM_MAX_START_SPIELER, 0);
            if (n > TEAM_MAX_START_SPIELER) n = TEAM_MAX_START_SPIELER;
            spieler.insert(spieler.end(), kader.begin(), kader.begin() + n);
        }
    }
    const uint32_t groesse = eintrag_bytes(teil);
    std::vector<uint8_t> b(spieler.size() * groesse);
    for (size_t i = 0; i < spieler.size(); ++i) {
        uint8_t* q = b.data() + i * groesse;
        Bytes_Setze16(q, static_cast<uint16_t>(spieler[i]));
        if (teil == 0) Spieler_Struktur_Packen(Spieler_Daten[spieler[i]], q + 2);
        else Spieler_Fix_Packen(Spieler_Fix_Daten[spieler[i]], q + 2);
    }
    *aus = kopie(b, "Spieler_Internet_Server_Send");
    return *aus ? static_cast<int32_t>(b.size()) : 0;
}

bool Spieler_Internet_Client_Daten_Einlesen(const uint8_t* block, uint32_t laenge, int32_t teil)
{
    const uint32_t groesse = eintrag_bytes(teil);
    if ((!block && laenge) || laenge % groesse != 0 || !Spieler_Daten) {
        Print_Fehler("Spieler_Internet_Client_Get_Data: Paket fehlerhaft!");
        return false;
    }
    for (uint32_t o = 0; o < laenge; o += groesse)
        if (static_cast<int16_t>(Bytes_Hole16(block + o)) < 0 || Bytes_Hole16(block + o) >= Spieler_Anzahl) {
            Print_Fehler("Spieler_Internet_Client_Get_Data: spnr falsch!");
            return false;
        }
    for (uint32_t o = 0; o < laenge; o += groesse) {
        const int32_t p = Bytes_Hole16(block + o);
        if (teil == 0) {
            Spieler_Struktur_Entpacken(block + o + 2, Spieler_Daten[p]);
        } else {
            // the client's own knowledge of user pictures survives the fetch
            const uint32_t eigenes_bild = Spieler_Fix_Daten[p].gesicht & 0x80000000u;
            Spieler_Fix_Entpacken(block + o + 2, Spieler_Fix_Daten[p]);
            Spieler_Fix_Daten[p].gesicht |= eigenes_bild;
        }
        if (Spieler_Client_Flags) Spieler_Client_Flags[p] = static_cast<uint8_t>(Spieler_Client_Flags[p] | (teil == 0 ? 1 : 2));
    }
    return true;
}

int32_t Spieler_Internet_Server_Send_New_Client_Data(uint8_t** aus)
{
    if (!aus) {
        Print_Fehler("Spieler_Internet_Server_Send_New_Client_Data: NULL-Pointer!");
        return 0;
    }
    std::vector<uint8_t> b(2);
    uint16_t n = 0;
    for (int32_t p = 0; Spieler_Daten && p < Spieler_Anzahl && n < 0x7FFF; ++p)
        if (Spieler_Daten[p].status & SP_STATUS_NEU) {
            b.resize(b.size() + 2);
            Bytes_Setze16(b.data() + b.size() - 2, static_cast<uint16_t>(p));
            ++n;
        }
    Bytes_Setze16(b.data(), n);
    *aus = kopie(b, "Spieler_Internet_Server_Send_New_Client_Data");
    return *aus ? static_cast<int32_t>(b.size()) : 0;
}

bool Spieler_Internet_Client_Neue_Spieler_Einlesen(const uint8_t* block, uint32_t laenge)
{
    if (!block || laenge < 2 || laenge != 2u + 2u * Bytes_Hole16(block) || !Spieler_Client_Flags) {
        Print_Fehler("Spieler_Internet_Client_Refresh: Paket fehlerhaft!");
        return false;
    }
    const uint32_t n = Bytes_Hole16(block);
    for (uint32_t i = 0; i < n; ++i)
        if (Bytes_Hole16(block + 2 + 2 * i) >= Spieler_Anzahl) {
            Print_Fehler("Spieler_Internet_Client_Refresh: spnr falsch!");
            return false;
        }
    for (uint32_t i = 0; i < n; ++i) Spieler_Client_Flags[Bytes_Hole16(block + 2 + 2 * i)] = 0;
    return true;
}

void Spieler_Internet_Server_Send_Startinfo(uint8_t* aus)
{
    if (!aus) {
        Print_Fehler("Internet_Server_Send_Startinfo: NULL-Pointer!");
        return;
    }
    Bytes_Setze32(aus, static_cast<uint32_t>(Spieler_Anzahl));
}
