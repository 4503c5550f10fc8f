// The stadium around a live game, fixed when its record is made so that every PC shows the
// same: the six stand sections' kinds and fills and the advertising boards' slots.
#include <algorithm>
#include <cstring>

#include "economy/stadion.h"
#include "economy/werbung.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"

namespace {

// Places in the record's bytes from 22115: kinds (i8), fills (u32 from 22124), boards (i32 from 22148).
constexpr int32_t ART = 0, FUELLUNG = 22124 - 22115, BANDE = 22148 - 22115;
constexpr int32_t VOLL = 40000;

int32_t hole32(const Spielfeld_Record* r, int32_t stelle)
{
    int32_t v = 0;
    std::memcpy(&v, r->frei_22115 + stelle, sizeof v);
    return v;
}
void setze32(Spielfeld_Record* r, int32_t stelle, int32_t v) { std::memcpy(r->frei_22115 + stelle, &v, sizeof v); }

}  // namespace

void Spielszenen_Stadion_Eintragen(Spielfeld_Record* r, int32_t zuschauer)
{
    if (!r) return;
    const int32_t heim = int32_t(r->team[0]);
    int32_t arten[6], fuellung[6];
    if (!Stadion_Szene_Tribuenen(heim, zuschauer, arten, fuellung)) {
        const int32_t f = zuschauer <= 0 ? 0 : std::min<int32_t>(int32_t(int64_t(zuschauer) * 100 / VOLL), 100);
        for (int32_t k = 0; k < 6; ++k) arten[k] = (heim + k) % 8 - 1, fuellung[k] = f;
    }
    for (int32_t k = 0; k < 6; ++k) {
        r->frei_22115[ART + k] = uint8_t(int8_t(arten[k] < -1 || arten[k] > 6 ? -1 : arten[k]));
        setze32(r, FUELLUNG + 4 * k, std::clamp(fuellung[k], 0, 100));
    }
    int32_t banden[SPIELSZENEN_BANDEN];
    for (int32_t k = 0; k < SPIELSZENEN_BANDEN; ++k) banden[k] = (heim + k) % 32 + 1;
    int32_t sponsoren[SPIELSZENEN_BANDEN - 1];
    if (Werbung_Banden_Sponsoren(heim, sponsoren, SPIELSZENEN_BANDEN - 1))
        for (int32_t k = 0; k < SPIELSZENEN_BANDEN - 1; ++k) banden[k] = std::clamp(sponsoren[k], 0, 32);
    for (int32_t k = 0; k < SPIELSZENEN_BANDEN; ++k) setze32(r, BANDE + 4 * k, banden[k]);
}

int32_t Spielszenen_Tribuene_Art(const Spielfeld_Record* r, int32_t k)
{
    if (!r || k < 0 || k > 5) return -1;
    const int32_t a = int8_t(r->frei_22115[ART + k]);
    // a kind no stand picture exists for (from a damaged or foreign record) is open ground
    return a < -1 || a > 6 ? -1 : a;
}

int32_t Spielszenen_Tribuene_Fuellung(const Spielfeld_Record* r, int32_t k)
{
    if (!r || k < 0 || k > 5 || Spielszenen_Tribuene_Art(r, k) < 0) return 0;
    return std::clamp(hole32(r, FUELLUNG + 4 * k), 0, 100);
}

int32_t Spielszenen_Banden_Bild(const Spielfeld_Record* r, int32_t slot, bool hinter_tor)
{
    if (!r || slot < 0 || slot >= SPIELSZENEN_BANDEN) return -1;
    int32_t v = std::clamp(hole32(r, BANDE + 4 * slot), 0, 32);
    if (v == 0) v = 2;
    return (hinter_tor ? 78 : 46) + v;
}
