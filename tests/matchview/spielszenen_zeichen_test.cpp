// Back numbers, labels that must fit their window, and the icon bar's commands and network roles.
#include <gtest/gtest.h>

#include <memory>

#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "network/netzuser.h"

namespace {

TEST(Spielszenen_Zeichen, BackNumbersAndLabelsInsideTheWindowOnly)
{
    EXPECT_EQ(Spielszenen_Rueckennummer(123), 23);
    EXPECT_EQ(Spielszenen_Rueckennummer(-5), 0);
    EXPECT_EQ(Spielszenen_Rueckennummer(99), 99);
    auto r = std::make_unique<Spielfeld_Record>();
    r->ansicht_x = 1000;
    r->ansicht_y = 100;
    Spielszenen_Fenster f{};
    f.record = r.get();
    f.breite = 603;
    f.hoehe = 471;
    EXPECT_EQ(Spielszenen_Text_Im_Feld(&f, 4, "%s", 1010, 110, "Name"), 1);
    EXPECT_EQ(Spielszenen_Text_Im_Feld(&f, 4, "%s", 999, 110, "Name"), 0);         // left of the window
    EXPECT_EQ(Spielszenen_Text_Im_Feld(&f, 4, "%s", 1000 + 600, 110, "Name"), 0);  // crosses the right edge
    EXPECT_EQ(Spielszenen_Text_Im_Feld(&f, 4, "%s", 1010, 100 + 468, "Name"), 0);  // crosses the lower edge
    // half size: the camera counts half, shifted by the wider picture
    f.groesse = 1;
    f.breite = 300;
    f.hoehe = 233;
    EXPECT_EQ(Spielszenen_Text_Im_Feld(&f, 4, "%s", 340 + 10, 50 + 10, "Name"), 1);
    EXPECT_EQ(Spielszenen_Text_Im_Feld(&f, 4, "%s", 340 - 1, 60, "Name"), 0);
}

class Knopfleiste : public ::testing::Test {
protected:
    uint32_t rolle = 0;
    void SetUp() override
    {
        rolle = Netz_Rolle;
        Spielszenen_Ansicht_Befehl = -1;
        Spielszenen_Knopfleiste_Bei(nullptr, nullptr, 0, 0, 0, 0);  // no latch left from before
    }
    void TearDown() override
    {
        Netz_Rolle = rolle;
        Spielszenen_Ansicht_Befehl = -1;
        Spielszenen_Knopfleiste_Bei(nullptr, nullptr, 0, 0, 0, 0);
    }
    static int32_t druecken(int32_t knopf, int32_t tasten)
    {
        Spielszenen_Ansicht_Befehl = -1;
        Spielszenen_Knopfleiste_Bei(nullptr, nullptr, 0, SZ_KNOPF_X + 5, SZ_KNOPF_Y[knopf] + 5, tasten);
        return Spielszenen_Ansicht_Befehl;
    }
};

TEST_F(Knopfleiste, AHeldButtonPostsItsCommandOnce)
{
    Netz_Rolle = 0;
    EXPECT_EQ(druecken(5, 1), 6);
    EXPECT_EQ(druecken(5, 1), -1);
    EXPECT_EQ(druecken(2, 1), -1);  // still held, on another icon
    EXPECT_EQ(druecken(2, 0), -1);
    EXPECT_EQ(druecken(11, 1), 12);
    // each post clicks, panned to the right as the bar stands there
    static int32_t pan = 0;
    Spielszenen_Set_Ton_Hook([](int32_t art, int32_t, int32_t, int32_t, int32_t p) {
        if (art == SPIELSZENEN_TON_SPIELEN) pan = p;
    });
    const int32_t satz = Spielszenen_Sound_Satz;
    if (satz < 0) Spielszenen_Sound_Satz = 0;  // a set chosen: the click is heard
    druecken(0, 0);
    EXPECT_EQ(druecken(3, 1), 4);
    EXPECT_EQ(pan, 4800);
    Spielszenen_Set_Ton_Hook(nullptr);
    Spielszenen_Sound_Satz = satz;
    // between the icons nothing
    druecken(0, 0);
    Spielszenen_Knopfleiste_Bei(nullptr, nullptr, 0, SZ_KNOPF_X + 5, SZ_KNOPF_Y[9] - 2, 1);
    EXPECT_EQ(Spielszenen_Ansicht_Befehl, -1);
}

// In network play; a server with its own manager and nobody logged in is one PC, whose manager
// pauses (icon 8) as at a PC without a role.
TEST_F(Knopfleiste, NetworkRolesLeaveTheLowestIconsInert)
{
    const int32_t allein[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -1, -1, 12};
    const int32_t erwartet[4][12] = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
                                     {1, 2, 3, 4, 5, 6, 7, 8, -1, -1, -1, -1},
                                     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
                                     {1, 2, 3, 4, 5, 6, 7, 8, -1, -1, -1, 12}};
    for (int32_t netz = 0; netz < 2; ++netz) {
        Mitspieler[0].in_benutzung = uint8_t(netz);
        for (uint32_t rolle = 0; rolle < 4; ++rolle) {
            Netz_Rolle = rolle;
            const int32_t* e = netz || rolle != 3 ? erwartet[rolle] : allein;
            for (int32_t k = 0; k < 12; ++k) {
                EXPECT_EQ(druecken(k, 1), e[k]) << netz << " " << rolle << " " << k;
                druecken(k, 0);
            }
        }
    }
    Mitspieler[0].in_benutzung = 0;
}

}  // namespace
