// The rocker gadget as screens build it: each of its six buttons, clicked through the event
// step, moves the bound value by its own step in its own direction within the range, and the
// screen's procedure sees the moved value; a wider rocker keeps every button's step.
#include <vector>

#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "toolkit/event.h"
#include "toolkit/wippe.h"
#include "toolkit/ziehen.h"
#include "umgebung.h"

namespace {

std::vector<int32_t> gesehen;
int32_t* beobachtet = nullptr;
int32_t merken(Menue_Icon*, uint32_t)
{
    gesehen.push_back(*beobachtet);
    return 1;
}

class WippeGadget : public Toolkit_Test {
protected:
    int32_t wert = 5000;
    Menue_Wert_Beschreibung beschreibung{};
    Menue_Icon* wippe = nullptr;
    void bauen(uint16_t breite, int16_t nummer = 921)
    {
        gesehen.clear();
        beobachtet = &wert;
        beschreibung = Menue_Wippe_Wert(&wert, 0, 10000, 10);
        wippe = neu(Menue_Wippe_Vorlage(nummer, 100, 100, breite, 5, &beschreibung, merken, nullptr, "Wert"));
        Menue_Screen_Icon_Hinzufuegen(wippe);
    }
    // A click on a button, pointer on its middle, pressed and let go through the event step.
    void druecken(int32_t zone)
    {
        static constexpr int32_t ZX[6] = {5, 20, 32, 44, 55, 67}, ZY[6] = {14, 15, 16, 16, 15, 14};
        const int32_t zx = beschreibung.zone_x[zone] == -1 ? ZX[zone] : beschreibung.zone_x[zone];
        const int32_t px = wippe->x + zx + 5, py = wippe->y + ZY[zone] + 5;
        maus(px, py);
        Menue_Icons_Check(-1);
        maus(px, py, true);
        Menue_Icons_Check(-1);
        maus(px, py);
        Menue_Icons_Check(-1);
    }
};

TEST_F(WippeGadget, EachButtonStepsByItsOwnAmountAndTheScreenSeesTheNewValue)
{
    int16_t nummer = 921;
    for (uint16_t breite : {uint16_t(0), uint16_t(112), uint16_t(130)}) {
        wert = 5000;
        bauen(breite, nummer);
        ASSERT_EQ(wippe->breite, breite ? breite : WIPPE_BREITE);
        static constexpr int32_t SCHRITT[6] = {-1000, -100, -10, 10, 100, 1000};
        for (int32_t zone = 0; zone < 6; ++zone) {
            const int32_t vorher = wert;
            druecken(zone);
            EXPECT_EQ(wert - vorher, SCHRITT[zone]) << "Breite " << breite << ", Knopf " << zone;
        }
        ASSERT_EQ(gesehen.size(), 6u);
        EXPECT_EQ(gesehen.back(), wert);  // the procedure runs after the step
        Menue_Screen_Icon_Loeschen(nummer++, nullptr, 0);
    }
}

TEST_F(WippeGadget, TheRangeHoldsAtBothEndsAndTheRightButtonOffersTheFieldMenu)
{
    wert = 30;
    bauen(0);
    druecken(0);
    EXPECT_EQ(wert, 0);
    druecken(2);
    EXPECT_EQ(wert, 0);
    wert = 9995;
    druecken(5);
    EXPECT_EQ(wert, 10000);
    EXPECT_EQ(wippe->kontext, Menue_Eingabefeld_Kontextmenue);
}

TEST_F(WippeGadget, TheFaceCoversTheIconAndGreysWhenDisabled)
{
    bauen(0);
    Grafik_Screen_Seite_Waehlen(1);
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, 90, 90, 120, 60, 0);
    Menue_Wippe_Zeichnen(wippe, "12 DM");
    // Every corner and every button's middle is painted.
    for (auto [x, y] : {std::pair{100, 100}, {179, 100}, {100, 127}, {179, 127}}) EXPECT_NE(seite1(x, y), 0) << x << "," << y;
    const uint16_t frei = seite1(100 + 32 + 2, 100 + 16 + 2);
    wippe->status |= ICON_GESPERRT;
    Menue_Wippe_Zeichnen(wippe, "12 DM");
    EXPECT_NE(seite1(100 + 32 + 2, 100 + 16 + 2), frei);
    EXPECT_EQ(seite1(99, 100), 0);  // nothing outside
}

}  // namespace
