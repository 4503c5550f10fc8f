// The fact sentences in the 256-byte rows the match's line-up pages hand over, and the report
// pages' pause ending on a click or on quitting.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "competitions/spiele_ewig.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik.h"
#include "competitions/statistik_saetze.h"
#include "gameflow/globals.h"
#include "network/internet.h"
#include "network/steuersignal.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/os/os_intern.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"

namespace {

using namespace spielwelt;

class FaktenZeilen : public Spielwelt {
protected:
    int32_t block = -1, h = 0;
    void SetUp() override
    {
        Spielwelt::SetUp();
        block = Spiele_Init_Neue_Spiele(1, 4, 12, 1, LIGA, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
        // The match about to be played, after two meetings with one win each.
        h = Spiele_Lock(block, 0, 0, 0);
        ASSERT_NE(h, 0);
        Spiele_Set_Teams(h, 0, 1);
        Spiele_Set_Spiele_Gegen(LIGA, 0, 1, 2, 1);
        Spiele_Set_Spiele_Gegen(LIGA, 0, 1, 0, 1);
    }
    void TearDown() override
    {
        if (h) Spiele_Unlock(h);
        Spielwelt::TearDown();
    }
};

TEST_F(FaktenZeilen, RowsOfTheLineUpPagesGetTheSameSentencesAndNoMoreThanAsked)
{
    std::vector<char> a(30 * 256, 0), b(30 * 256, 0);
    std::vector<char*> zeiger;
    for (int32_t i = 0; i < 30; ++i) zeiger.push_back(b.data() + 256 * i);
    auto* zeilen = reinterpret_cast<char(*)[256]>(a.data());
    const int32_t n = Statistik_Fakten_Saetze(LIGA, 0, -1, -1, h, zeilen, 30);
    ASSERT_GT(n, 0) << "the line-up pages would show no facts";
    ASSERT_EQ(Statistik_Fakten_Saetze(LIGA, 0, -1, -1, h, zeiger.data(), 30, 256), n);
    bool unentschieden = false;
    for (int32_t i = 0; i < n; ++i) {
        EXPECT_STREQ(zeilen[i], zeiger[size_t(i)]) << i;
        unentschieden |= std::strstr(zeilen[i], "spielte noch nie unentschieden") != nullptr;
    }
    EXPECT_TRUE(unentschieden);

    // One row asked: one written, the next row untouched.
    std::vector<char> zwei(2 * 256, 0x55);
    EXPECT_EQ(Statistik_Fakten_Saetze(LIGA, 0, -1, -1, h, reinterpret_cast<char(*)[256]>(zwei.data()), 1), 1);
    EXPECT_EQ(zwei[256], 0x55);
    EXPECT_EQ(Statistik_Fakten_Saetze(LIGA, 0, -1, -1, h, static_cast<char(*)[256]>(nullptr), 5), 0);
    EXPECT_EQ(Statistik_Fakten_Saetze(LIGA, 0, -1, -1, h, zeilen, 0), 0);
}

class PauseEnde : public ::testing::Test {
protected:
    void SetUp() override
    {
        Os_Script_Stop();
        Os_Clear_Messages();
        Os_Input_Set_Buttons(false, false);
        Maus_Get_Tasten();
    }
    void TearDown() override
    {
        Steuersignal_Set_Beobachter(nullptr);
        Programm_Ende = 0;
        Netz_Rolle = 0;
        Os_Script_Stop();
        Os_Clear_Messages();
        Os_Input_Set_Buttons(false, false);
        Maus_Get_Tasten();
    }
};

TEST_F(PauseEnde, AClickEndsALongWait)
{
    Os_Script_Load_Text("wait 200\nleft down\nwait 50\nleft up\n");
    const uint32_t vorher = Timer_Get_Time();
    EXPECT_EQ(Auslosung_Warten(600000, 1), 1);
    const uint32_t dauer = Timer_Get_Time() - vorher;
    EXPECT_GE(dauer, 150u) << "ended before the click";
    EXPECT_LT(dauer, 2000u);
}

int32_t durchgaenge = 0;

TEST_F(PauseEnde, QuittingEndsItAndAServerServesEveryPass)
{
    durchgaenge = 0;
    Netz_Rolle = 2;
    Steuersignal_Set_Beobachter([] {
        if (++durchgaenge == 3) Programm_Ende = 1;
    });
    const uint32_t vorher = Timer_Get_Time();
    EXPECT_EQ(Auslosung_Warten(600000, 1), 1);
    EXPECT_EQ(durchgaenge, 3);
    EXPECT_LT(Timer_Get_Time() - vorher, 1000u);
}

}  // namespace
