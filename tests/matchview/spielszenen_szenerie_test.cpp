// The stadium a record is made with: the placeholders while the stadium and the sponsors have no
// answer, and what a damaged record's kinds and boards come to.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"

namespace {

TEST(Stadion_Szene, PlaceholdersWhileNoAnswerAndOpenGroundForStrangeKinds)
{
    auto r = std::make_unique<Spielfeld_Record>();
    r->team[0] = 100005;  // no such club: neither the stadium nor the sponsors answer
    Spielszenen_Stadion_Eintragen(r.get(), 30000);
    for (int32_t k = 0; k < 6; ++k) {
        const int32_t art = (100005 + k) % 8 - 1;
        EXPECT_EQ(Spielszenen_Tribuene_Art(r.get(), k), art) << k;
        EXPECT_EQ(Spielszenen_Tribuene_Fuellung(r.get(), k), art < 0 ? 0 : 75) << k;
    }
    for (int32_t k = 0; k < SPIELSZENEN_BANDEN; ++k) EXPECT_EQ(Spielszenen_Banden_Bild(r.get(), k, false), 46 + (100005 + k) % 32 + 1);
    EXPECT_EQ(Spielszenen_Banden_Bild(r.get(), 14, true), 78 + (100005 + 14) % 32 + 1);
    Spielszenen_Stadion_Eintragen(r.get(), 90000);
    EXPECT_EQ(Spielszenen_Tribuene_Fuellung(r.get(), 0), 100);
    // bytes a record brings from elsewhere
    r->frei_22115[2] = 9;
    r->frei_22115[3] = uint8_t(-5);
    EXPECT_EQ(Spielszenen_Tribuene_Art(r.get(), 2), -1);
    EXPECT_EQ(Spielszenen_Tribuene_Art(r.get(), 3), -1);
    EXPECT_EQ(Spielszenen_Tribuene_Fuellung(r.get(), 3), 0);
    const int32_t null_bande = 0, fremd = 77;
    std::memcpy(r->frei_22115 + 33, &null_bande, 4);
    std::memcpy(r->frei_22115 + 37, &fremd, 4);
    EXPECT_EQ(Spielszenen_Banden_Bild(r.get(), 0, false), 48);
    EXPECT_EQ(Spielszenen_Banden_Bild(r.get(), 1, true), 78 + 32);
}

}  // namespace
