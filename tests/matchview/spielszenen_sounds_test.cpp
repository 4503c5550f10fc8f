// The stadium's sounds against a recording sound layer: groups, loops and their fading, crowd
// reactions, single panned sounds and the choice of the sound set.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"

namespace {

struct Ton {
    int32_t art, zeile, schleife, lautstaerke, pan;
    bool operator==(const Ton&) const = default;
};
std::vector<Ton> toene;

class Szenen_Sounds : public ::testing::Test {
protected:
    // what a scene loaded earlier in the process holds, kept aside for the test
    Spielszenen_Sound_Eintrag vorher[SPIELSZENEN_SOUNDS];
    int32_t satz_vorher = -1;
    void SetUp() override
    {
        std::copy(Spielszenen_Sound, Spielszenen_Sound + SPIELSZENEN_SOUNDS, vorher);
        satz_vorher = Spielszenen_Sound_Satz;
        for (Spielszenen_Sound_Eintrag& e : Spielszenen_Sound) e.sample = -1, e.spielt = 0;
        Spielszenen_Sound_Satz = -1;
        toene.clear();
        Spielszenen_Set_Ton_Hook([](int32_t art, int32_t zeile, int32_t schleife, int32_t lautstaerke, int32_t pan) {
            toene.push_back({art, zeile, schleife, lautstaerke, pan});
        });
    }
    void TearDown() override
    {
        Spielszenen_Set_Ton_Hook(nullptr);
        std::copy(vorher, vorher + SPIELSZENEN_SOUNDS, Spielszenen_Sound);
        Spielszenen_Sound_Satz = satz_vorher;
    }
    static std::vector<Ton> gespielt()
    {
        std::vector<Ton> v;
        for (const Ton& t : toene)
            if (t.art == SPIELSZENEN_TON_SPIELEN) v.push_back(t);
        return v;
    }
};

TEST_F(Szenen_Sounds, NoSetNoSoundAndASetLoadsOnlyOnce)
{
    Spielszenen_Sound_Spielen(13, 320, 320);
    Spielszenen_Sound_Gruppe_Spielen(1, 4);
    Spielszenen_Sound_Reaktion_Spielen(0, 4);
    EXPECT_TRUE(toene.empty());
    Spielszenen_Sound_Satz_Waehlen(0);
    EXPECT_EQ(toene.size(), 18u);  // the rows of the nine groups
    toene.clear();
    Spielszenen_Sound_Satz_Waehlen(0);
    Spielszenen_Sound_Satz_Waehlen(7);  // outside 0-2: set 0
    EXPECT_TRUE(toene.empty());
    Spielszenen_Sound_Satz_Waehlen(2);
    size_t frei = 0, geladen = 0;
    for (const Ton& t : toene) frei += t.art == SPIELSZENEN_TON_FREI, geladen += t.art == SPIELSZENEN_TON_LADEN;
    EXPECT_EQ(frei, 18u);
    EXPECT_EQ(geladen, 18u);
    // a single sound, panned from the centre
    toene.clear();
    Spielszenen_Sound_Spielen(13, 400, 320);
    Spielszenen_Sound_Spielen(35, 320, 320);
    EXPECT_EQ(gespielt(), (std::vector<Ton>{{SPIELSZENEN_TON_SPIELEN, 13, 0, Spielszenen_Sound[13].lautstaerke, 80 * 15}}));
}

TEST_F(Szenen_Sounds, ChantsLoopOnceEachAndFadeFromTheirLevel)
{
    Spielszenen_Sound_Satz_Waehlen(0);
    toene.clear();
    for (int32_t i = 0; i < 20; ++i) Spielszenen_Sound_Gruppe_Spielen(1, 0, 0, 4, -1);
    for (const Ton& t : gespielt()) EXPECT_TRUE(t.zeile == 19 || t.zeile == 20 || t.zeile == 31 || t.zeile == 32) << t.zeile;
    toene.clear();
    Spielszenen_Sound_Gruppe_Spielen(1, 1, 0, 2, 2);
    Spielszenen_Sound_Gruppe_Spielen(1, 1, 0, 4, 2);  // the same chant again: ignored
    Spielszenen_Sound_Gruppe_Spielen(1, 1, 0, 9, 3);  // another one beside it
    EXPECT_EQ(gespielt(), (std::vector<Ton>{{SPIELSZENEN_TON_SPIELEN, 31, 1, -200, 0}, {SPIELSZENEN_TON_SPIELEN, 32, 1, 0, 0}}));
    const Spielszenen_Sound_Eintrag& s = Spielszenen_Sound[31];
    EXPECT_EQ(s.spielt, 1);
    EXPECT_EQ(s.daempfung, -200);
    Spielszenen_Sounds_Ausblenden_Bei(s.start + 5000);
    EXPECT_EQ(s.daempfung, -200);
    Spielszenen_Sounds_Ausblenden_Bei(s.start + 5001);
    EXPECT_EQ(s.daempfung, -220);
    // applause with the start flag: once, not marked
    toene.clear();
    Spielszenen_Sound_Gruppe_Spielen(2, 1, 0, 4, -1);
    EXPECT_EQ(gespielt(), (std::vector<Ton>{{SPIELSZENEN_TON_SPIELEN, 24, 0, Spielszenen_Sound[24].lautstaerke, 0}}));
    EXPECT_EQ(Spielszenen_Sound[24].spielt, 0);
}

TEST_F(Szenen_Sounds, ReactionsPlayAReducedThenAFullSound)
{
    Spielszenen_Sound_Satz_Waehlen(0);
    toene.clear();
    Spielszenen_Sound_Reaktion_Spielen(1, 2);  // set 0: only the whistling
    EXPECT_EQ(gespielt(), (std::vector<Ton>{{SPIELSZENEN_TON_SPIELEN, 22, 0, Spielszenen_Sound[22].lautstaerke, 0}}));
    toene.clear();
    Spielszenen_Sound_Reaktion_Spielen(4, 3);
    Spielszenen_Sound_Reaktion_Spielen(5, 3);
    EXPECT_EQ(gespielt(), (std::vector<Ton>{{SPIELSZENEN_TON_SPIELEN, 34, 0, Spielszenen_Sound[34].lautstaerke - 100, 0},
                                            {SPIELSZENEN_TON_SPIELEN, 24, 0, Spielszenen_Sound[24].lautstaerke, 0}}));
    Spielszenen_Sound_Satz_Waehlen(1);
    toene.clear();
    Spielszenen_Sound_Reaktion_Spielen(1, 40);  // a crowd mood counts as level 4
    EXPECT_EQ(gespielt(), (std::vector<Ton>{{SPIELSZENEN_TON_SPIELEN, 28, 0, Spielszenen_Sound[28].lautstaerke, 0},
                                            {SPIELSZENEN_TON_SPIELEN, 22, 0, Spielszenen_Sound[22].lautstaerke, 0}}));
}

}  // namespace
