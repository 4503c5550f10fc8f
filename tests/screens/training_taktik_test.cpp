// The training page's row of the current tactic (block 807): a control steps its setting's
// level round and leaves the trained tactic (block 808) alone.
#include <cstring>

#include "database/assistent.h"
#include "screens/spieler_training.h"
#include "screens_hilfe.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

using namespace screens_test;

namespace {

struct TrainingTaktik : Welt {
    void SetUp() override
    {
        Welt::SetUp();
        uint8_t kein_personal[ASSI_BLOCK_BYTES] = {};
        Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, kein_personal, 1);
        Manager_Icon_Button_An_Aus(EIGEN, 707, 1);
        Manager_Icon_Button_An_Aus(EIGEN, 802, 1);
        ASSERT_EQ(Spieler_Training_Seite(nullptr, 0x20000000), 1);
    }
    void TearDown() override
    {
        Menue_Bereich_Loeschen(0, 0, 40, 600, 480);
        Welt::TearDown();
    }
    static const uint8_t* block(int32_t feld) { return static_cast<const uint8_t*>(Team_Zeiger(feld, EIGEN, nullptr, 0)); }
};

TEST_F(TrainingTaktik, AControlStepsTheCurrentTacticAndLeavesTheTrainedOne)
{
    for (int32_t k = 0; k < 8; ++k) {
        Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(TRAINING_TAKTIK_ERSTE + k);
        ASSERT_NE(i, nullptr) << k;
        ASSERT_NE(i->klick, nullptr) << k;
    }
    uint8_t trainiert[8];
    std::memcpy(trainiert, block(TEAM_TAKTIK_VORGABE), 8);
    const uint8_t start = block(TEAM_TAKTIK)[2] % 3, nachbar = block(TEAM_TAKTIK)[3];
    Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(TRAINING_TAKTIK_ERSTE + 2);
    for (int32_t schritt = 1; schritt <= 3; ++schritt) {
        i->refresh = 0;
        EXPECT_EQ(i->klick(i, 0), 1);
        EXPECT_EQ(block(TEAM_TAKTIK)[2], (start + schritt) % 3) << schritt;
        EXPECT_TRUE(i->refresh) << "the control shows its new label";
    }
    EXPECT_EQ(block(TEAM_TAKTIK)[3], nachbar);
    EXPECT_EQ(std::memcmp(block(TEAM_TAKTIK_VORGABE), trainiert, 8), 0);
}

}  // namespace
