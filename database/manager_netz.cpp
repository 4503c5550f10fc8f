// The manager blocks that travel between a client and the server (requests 30 and 33): slices of
// the record's image, see Manager_Netz_Bloecke. The extra players never travel.
#include <vector>

#include "database/manager.h"
#include "database/welt_intern.h"

using namespace welt;

namespace {

Manager_Struktur* manager_von(int32_t team) { return team_gueltig(team) ? T_Fix[team].manager : nullptr; }

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
    uint32_t erwartet = 0;
    for (int32_t i = 0; i < MANAGER_NETZ_BLOECKE; ++i)
        if (i != 1 || mit_manuell) erwartet += Manager_Netz_Bloecke[i].bytes;
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
