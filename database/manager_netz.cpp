// The manager blocks that travel between a client and the server (requests 30 and 33): slices of
// the record's image, see Manager_Netz_Bloecke. The extra players never travel.
#include <cmath>
#include <cstring>
#include <vector>

#include "database/manager.h"
#include "database/welt_intern.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "platform/bytes.h"

using namespace welt;

namespace {

Manager_Struktur* manager_von(int32_t team) { return team_gueltig(team) ? T_Fix[team].manager : nullptr; }

uint32_t bloecke_laenge(bool mit_manuell)
{
    uint32_t n = 0;
    for (int32_t i = 0; i < MANAGER_NETZ_BLOECKE; ++i)
        if (i != 1 || mit_manuell) n += Manager_Netz_Bloecke[i].bytes;
    return n;
}

// The players placed in both stored line-up sets: none or a player of the game.
bool aufstellung_spieler_gueltig(const uint8_t* saetze)
{
    for (uint32_t satz = 0; satz < 2; ++satz)
        for (uint32_t i = 0; i < 66; ++i) {
            const int16_t p = int16_t(Bytes_Hole16(saetze + satz * MANAGER_AUFSTELLUNG_BYTES + 600 + 2 * i));
            if (p < -1 || p >= Spieler_Anzahl) return false;
        }
    return true;
}

// A training distribution as the training page makes it: percentages 0..100 that sum to 100
// (within the rounding of the floats), or the one the server holds.
bool verteilung_gueltig(const uint8_t* neu, const uint8_t* bisher)
{
    if (std::memcmp(neu, bisher, sizeof(float) * MANAGER_TRAININGSARTEN) == 0) return true;
    float summe = 0.0f;
    for (int32_t k = 0; k < MANAGER_TRAININGSARTEN; ++k) {
        const uint32_t u = Bytes_Hole32(neu + 4 * k);
        float f;
        std::memcpy(&f, &u, 4);
        if (!std::isfinite(f) || f < 0.0f || f > 100.0f) return false;
        summe += f;
    }
    return std::fabs(summe - 100.0f) <= 0.5f;
}

}  // namespace

bool Manager_Internet_Bloecke_Packen(int32_t team, bool mit_manuell, std::vector<uint8_t>* aus)
{
    Manager_Struktur* m = manager_von(team);
    if (!m || !aus) {
        Print_Fehler(ist_client() ? "CLIENT: KEIN MANAGER !!!" : "SERVER: KEIN MANAGER BEIM CLIENT !!!");
        return false;
    }
    std::vector<uint8_t> bild(MANAGER_STRUKTUR_BYTES);
    Manager_Struktur_Packen(*m, bild.data());
    aus->clear();
    for (int32_t i = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
        if (i == 1 && !mit_manuell) continue;
        const Manager_Netz_Block& b = Manager_Netz_Bloecke[i];
        aus->insert(aus->end(), bild.begin() + b.offset, bild.begin() + b.offset + b.bytes);
    }
    return true;
}

bool Manager_Internet_Bloecke_Einlesen(int32_t team, bool mit_manuell, const uint8_t* block, uint32_t laenge)
{
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler(ist_client() ? "CLIENT: KEIN MANAGER !!!" : "SERVER: KEIN MANAGER BEIM CLIENT !!!");
        return false;
    }
    const uint32_t erwartet = bloecke_laenge(mit_manuell);
    if (!block || laenge != erwartet) {
        Print_Fehler("Manager_Internet: Paket hat %u statt %u Bytes!", laenge, erwartet);
        return false;
    }
    std::vector<uint8_t> bild(MANAGER_STRUKTUR_BYTES);
    Manager_Struktur_Packen(*m, bild.data());
    uint32_t o = 0;
    for (int32_t i = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
        if (i == 1 && !mit_manuell) continue;
        const Manager_Netz_Block& b = Manager_Netz_Bloecke[i];
        std::copy(block + o, block + o + b.bytes, bild.begin() + b.offset);
        o += b.bytes;
    }
    if (!Manager_Struktur_Pruefen(bild.data())) {
        Print_Fehler("Manager_Internet: Managerdaten fehlerhaft!");
        return false;
    }
    Manager_Struktur_Entpacken(bild.data(), *m);
    return true;
}

bool Manager_Internet_Server_Bloecke_Uebernehmen(int32_t team, const uint8_t* block, uint32_t laenge)
{
    Manager_Struktur* m = manager_von(team);
    if (!m) {
        Print_Fehler("SERVER: KEIN MANAGER BEIM CLIENT !!!");
        return false;
    }
    if (!block || laenge != bloecke_laenge(false)) {
        Print_Fehler("Manager_Internet: Paket hat %u statt %u Bytes!", laenge, bloecke_laenge(false));
        return false;
    }
    const uint8_t* teil[MANAGER_NETZ_BLOECKE] = {};
    for (int32_t i = 0, o = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
        if (i == 1) continue;
        teil[i] = block + o;
        o += int32_t(Manager_Netz_Bloecke[i].bytes);
    }
    std::vector<uint8_t> bild(MANAGER_STRUKTUR_BYTES);
    Manager_Struktur_Packen(*m, bild.data());
    const auto ziel = [&](int32_t i) { return bild.data() + Manager_Netz_Bloecke[i].offset; };
    // the blocks are checked into a copy of the record; only a copy that passes every check is taken
    bool gut = aufstellung_spieler_gueltig(teil[0]) && verteilung_gueltig(teil[4], ziel(4)) &&
               Werbung_Server_Block_Uebernehmen(team, teil[2], ziel(2)) &&
               Trainingslager_Server_Termine_Uebernehmen(team, teil[3], ziel(3));
    if (gut) {
        std::memcpy(ziel(0), teil[0], Manager_Netz_Bloecke[0].bytes);
        std::memcpy(ziel(4), teil[4], Manager_Netz_Bloecke[4].bytes);
        std::memcpy(ziel(5), teil[5], Manager_Netz_Bloecke[5].bytes);
        gut = Manager_Struktur_Pruefen(bild.data());
    }
    if (!gut) {
        Print_Fehler("Manager_Internet: Managerdaten fehlerhaft!");
        return false;
    }
    Manager_Struktur_Entpacken(bild.data(), *m);
    return true;
}
