#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include <utility>
#include <vector>

#include "platform/zufall.h"

static std::vector<int32_t> ziehen(int n, int32_t lo, int32_t hi)
{
    std::vector<int32_t> v;
    for (int i = 0; i < n; ++i) v.push_back(Zufall(lo, hi));
    return v;
}

TEST(Zufall, KnownSequenceAndBounds)
{
    Zufall_Set_Seed(0);
    Zufall(0, 0);  // the first draw may seed from the clock; start again from a known state
    Zufall_Set_Seed(0);
    std::vector<int32_t> seeds, werte;
    for (int i = 0; i < 5; ++i) {
        werte.push_back(Zufall(0, 99));
        seeds.push_back(Zufall_Get_Seed());
    }
    EXPECT_EQ(seeds, (std::vector<int32_t>{167, 2839, 45591, 729623, 3674135}));
    EXPECT_EQ(werte, (std::vector<int32_t>{0, 0, 1, 18, 91}));

    int32_t s = Zufall_Get_Seed();
    EXPECT_EQ(Zufall(5, 5), 5);
    EXPECT_NE(Zufall_Get_Seed(), s);

    for (int i = 0; i < 2000; ++i) {
        int32_t r = Zufall_Gross(-10, 10);
        ASSERT_TRUE(r >= -10 && r <= 10) << r;
        r = Zufall_Gross(0, 100000);
        ASSERT_TRUE(r >= 0 && r <= 100000) << r;
    }
    // (-10, 10) is one draw of 0..20 shifted down.
    Zufall_Set_Seed(1234);
    int32_t gross = Zufall_Gross(-10, 10);
    Zufall_Set_Seed(1234);
    EXPECT_EQ(gross, Zufall(0, 20) - 10);
    // Wide ranges: units draw first, then the hundreds draw.
    Zufall_Set_Seed(777);
    gross = Zufall_Gross(0, 100000);
    Zufall_Set_Seed(777);
    int32_t einer = Zufall(0, 99);
    EXPECT_EQ(gross % 100, einer);
}

// Within 0..100 a wide draw is one plain draw; just outside it keeps its other shapes. Each pair
// from the same seed: the draw and the generator's state after it.
TEST(Zufall, WideDrawAtTheEdgesOfOnePlainDraw)
{
    Zufall(0, 1);
    for (int32_t seed : {0, 4711, 3999999}) {
        auto von = [seed](auto ziehen) {
            Zufall_Set_Seed(seed);
            const int32_t r = ziehen();
            return std::pair{r, Zufall_Get_Seed()};
        };
        for (auto [lo, hi] : {std::pair{0, 0}, {0, 24}, {5, 12}, {0, 100}})
            EXPECT_EQ(von([&] { return Zufall_Gross(lo, hi); }), von([&] { return Zufall(lo, hi); })) << lo << ".." << hi;
        EXPECT_EQ(von([] { return Zufall_Gross(-1, 99); }), von([] { return Zufall(0, 100) - 1; }));
        EXPECT_EQ(von([] { return Zufall_Gross(2, 101); }), von([] { return 2 + Zufall(0, 99); }));
    }
}

TEST(Zufall, PushPopAndSavegameBlock)
{
    Zufall_Set_Seed(4711);
    Zufall(0, 1);
    Zufall_Set_Seed(4711);
    std::vector<int32_t> ohne = ziehen(3, 0, 999);

    Zufall_Set_Seed(4711);
    Zufall_Push_Seed();
    std::vector<int32_t> a = ziehen(3, 0, 999);
    Zufall_Pop_Seed();
    EXPECT_EQ(ziehen(3, 0, 999), ohne);
    Zufall_Push_Seed();
    EXPECT_EQ(ziehen(3, 0, 999), a);
    Zufall_Pop_Seed();

    uint8_t block[ZUFALL_BLOCK_BYTES];
    Zufall_Set_Seed(0x003A2B1C);
    Zufall_Push_Seed();
    Zufall_Save_Buffer(block);
    EXPECT_EQ(block[4], 0x1C);
    EXPECT_EQ(block[6], 0x3A);
    std::vector<int32_t> weiter = ziehen(4, 0, 500);
    Zufall_Set_Seed(99);
    EXPECT_FALSE(Zufall_Load_Buffer(block, 11));
    // A state outside the modulus would draw outside the bounds: refused, nothing taken over.
    uint8_t falsch[ZUFALL_BLOCK_BYTES];
    std::memcpy(falsch, block, sizeof falsch);
    falsch[11] = 0x80;
    EXPECT_FALSE(Zufall_Load_Buffer(falsch, sizeof falsch));
    EXPECT_EQ(Zufall_Get_Seed(), 99);
    ASSERT_TRUE(Zufall_Load_Buffer(block, sizeof block));
    EXPECT_EQ(ziehen(4, 0, 500), weiter);
    Zufall_Pop_Seed();
    EXPECT_EQ(Zufall_Get_Seed(), 0x003A2B1C);
    Zufall_Set_Seed(0);
}

// The step's short remainder against the plain one, for every state a seed can hold, and the
// draw's range at both ends.
TEST(Zufall, EveryStateStepsAsThePlainRemainder)
{
    for (int32_t s = 0; s < ZUFALL_MODUL; ++s) {
        Zufall_Set_Seed(s);
        const int32_t z = Zufall(0, 999);
        const int32_t erwartet = int32_t(uint32_t(s) * 16u + 167u) % ZUFALL_MODUL;
        if (Zufall_Get_Seed() != erwartet) {
            ADD_FAILURE() << "Zustand " << s << ": " << Zufall_Get_Seed() << " statt " << erwartet;
            break;
        }
        ASSERT_EQ(z, int32_t(uint32_t(1000u * uint32_t(erwartet)) / uint32_t(ZUFALL_MODUL))) << s;
    }
    // a state from outside the range keeps its old arithmetic
    Zufall_Set_Seed(-5);
    Zufall(0, 3);
    EXPECT_EQ(Zufall_Get_Seed(), int32_t(uint32_t(-5) * 16u + 167u) % ZUFALL_MODUL);
    Zufall_Set_Seed(ZUFALL_MODUL + 1000);
    Zufall(0, 3);
    EXPECT_EQ(Zufall_Get_Seed(), int32_t(uint32_t(ZUFALL_MODUL + 1000) * 16u + 167u) % ZUFALL_MODUL);
}

// DORVIN_ZUFALL replaces the clock: the same start gives the same sequence, whenever it runs.
TEST(Zufall, AStartFromTheEnvironmentRepeatsTheSequence)
{
    auto folge = [](const char* start) {
        setenv("DORVIN_ZUFALL", start, 1);
        Zufall_Set_Seed(0);
        Zufall_Init();
        std::vector<int32_t> v;
        for (int i = 0; i < 20; ++i) v.push_back(Zufall(0, 999));
        return v;
    };
    const std::vector<int32_t> a = folge("7"), b = folge("7"), c = folge("8");
    unsetenv("DORVIN_ZUFALL");
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}
