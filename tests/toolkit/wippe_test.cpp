// Rockers: the zone under the pointer, the click flags it gives and the repeat while held.
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "platform/timer.h"
#include "toolkit/event.h"
#include "toolkit/slave.h"
#include "toolkit/ziehen.h"
#include "umgebung.h"

namespace {

std::vector<uint32_t> zeiten, flaggen;
int32_t merken(Menue_Icon*, uint32_t flags)
{
    zeiten.push_back(Timer_Get_Time());
    flaggen.push_back(flags);
    return 0;
}

class Wippe : public Toolkit_Test {
protected:
    Menue_Wert_Beschreibung wert{};
    Menue_Icon* wippe = nullptr;
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        zeiten.clear();
        flaggen.clear();
        for (int i = 0; i < 6; ++i) wert.zone_x[i] = wert.zone_y[i] = wert.zone_slave[i] = -1;
        wippe = flaeche(920, 100, 100, 90, 40, 5);
        wippe->flags |= ICON_WERTFELD;
        wippe->daten = &wert;
        wippe->klick = merken;
        Menue_Screen_Icon_Hinzufuegen(wippe);
    }
    // The centre of a zone's pressed picture at its default place.
    static void mitte(int32_t zone, int32_t* x, int32_t* y)
    {
        static constexpr int32_t zx[6] = {5, 20, 32, 44, 55, 67}, zy[6] = {14, 15, 16, 16, 15, 14};
        Rastport* b = Menue_Get_Slave_Rastport(170 + zone);
        ASSERT_NE(b, nullptr);
        *x = 100 + zx[zone] + int32_t(b->width) / 2;
        *y = 100 + zy[zone] + int32_t(b->height) / 2;
    }
};

TEST_F(Wippe, ThePointerPicksTheNearestZoneAndItsDirection)
{
    for (int32_t zone = 0; zone < 6; ++zone) {
        int32_t x, y;
        mitte(zone, &x, &y);
        EXPECT_EQ(Menue_Wippe_Zone(wippe, x, y), zone);
        maus(x, y);
        Menue_Icons_Check(-1);
        maus(x, y, true);
        Menue_Icons_Check(-1);
        maus(x, y);
        Menue_Icons_Check(-1);
    }
    ASSERT_EQ(flaggen.size(), 6u);
    for (int32_t zone = 0; zone < 6; ++zone) EXPECT_EQ(flaggen[zone] & 3u, zone < 3 ? 1u : 2u) << zone;
    EXPECT_EQ(Menue_Wippe_Verzoegerung, 250);  // released: back to rest
    EXPECT_EQ(Menue_Wippe_Schritt, 10);

    // Zones without pictures: zone 0 and a report.
    for (int i = 0; i < 6; ++i) wert.zone_slave[i] = 999;
    Fehler_Capture f;
    EXPECT_EQ(Menue_Wippe_Zone(wippe, 160, 115), 0);
    EXPECT_TRUE(f.contains("Menue_Icons_Check:found_eingabefeld_button_nr==NIX!"));
}

TEST_F(Wippe, HeldDownItRepeatsFasterUntilItSettles)
{
    int32_t x, y;
    mitte(4, &x, &y);
    maus(x, y);
    Menue_Icons_Check(-1);
    maus(x, y, true);
    for (int i = 0; i < 16; ++i) Menue_Icons_Check(-1);
    ASSERT_GE(zeiten.size(), 15u);
    const std::vector<uint32_t> erwartet = {250, 240, 229, 217, 204, 190, 175, 159, 142, 124, 105, 85, 64, 64};
    // Each step also spends its own fixed time, a millisecond more or less as the clock's ticks
    // fall; the differences between the gaps are the rocker's.
    const uint32_t eigen = zeiten[1] - zeiten[0] - 250;
    EXPECT_LE(eigen, 5u);
    for (size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_NEAR(double(zeiten[i + 1] - zeiten[i] - eigen), double(erwartet[i]), 1.0) << i;
    for (uint32_t f : flaggen) EXPECT_EQ(f & 3u, 2u);
}

}  // namespace
