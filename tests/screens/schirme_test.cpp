// What the player screens share: the savegame block of the switch buttons and the hint, and the
// pitch figures' colours.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/capture.h"
#include "platform/bytes.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_schirme.h"
#include "toolkit/icon.h"

namespace {

struct Schirme : ::testing::Test {
    void TearDown() override { Spieler_Screen_Hinweis_Gezeigt = 0; }
    static std::vector<uint8_t> block()
    {
        std::vector<uint8_t> b(SPIELER_SCHIRME_BYTES);
        Spieler_Screen_Block_Packen(b.data());
        return b;
    }
};

TEST_F(Schirme, BlockHatFesteGroesseUndKommtZurueck)
{
    static_assert(SPIELER_SCHIRME_BYTES == 461);
    Spieler_Screen_Hinweis_Gezeigt = 1;
    const std::vector<uint8_t> b = block();
    EXPECT_EQ(int16_t(Bytes_Hole16(b.data())), 801);
    EXPECT_EQ(int16_t(Bytes_Hole16(b.data() + 3 * 92)), 804);
    EXPECT_EQ(int16_t(Bytes_Hole16(b.data() + 4 * 92)), -1) << "the closing record";
    EXPECT_EQ(Bytes_Hole32(b.data() + 48), 1u) << "the buttons' click procedure is recorded";
    EXPECT_EQ(b[460], 1);
    Spieler_Screen_Hinweis_Gezeigt = 0;
    ASSERT_TRUE(Spieler_Screen_Block_Entpacken(b.data(), uint32_t(b.size())));
    EXPECT_EQ(Spieler_Screen_Hinweis_Gezeigt, 1);
    EXPECT_EQ(block(), b);
}

TEST_F(Schirme, FremderBlockWirdAbgewiesenUndLaesstDenStand)
{
    Fehler_Capture f;
    Spieler_Screen_Hinweis_Gezeigt = 1;
    std::vector<uint8_t> b = block();
    b[460] = 0;
    EXPECT_FALSE(Spieler_Screen_Block_Entpacken(b.data(), 460)) << "truncated";
    EXPECT_FALSE(Spieler_Screen_Block_Entpacken(b.data(), 461 + 92 - 1));
    std::vector<uint8_t> sechs(461 + 92, 0);
    EXPECT_FALSE(Spieler_Screen_Block_Entpacken(sechs.data(), uint32_t(sechs.size()))) << "six records";
    std::vector<uint8_t> falsch = b;
    Bytes_Setze16(falsch.data() + 92, 999);
    EXPECT_FALSE(Spieler_Screen_Block_Entpacken(falsch.data(), 461)) << "another icon in the list";
    EXPECT_FALSE(Spieler_Screen_Block_Entpacken(nullptr, 461));
    EXPECT_EQ(Spieler_Screen_Hinweis_Gezeigt, 1) << "a refused block leaves the running state";
    EXPECT_FALSE(f.texts.empty());
    // Any hint byte but 0 counts as shown.
    b[460] = 7;
    ASSERT_TRUE(Spieler_Screen_Block_Entpacken(b.data(), 461));
    EXPECT_EQ(Spieler_Screen_Hinweis_Gezeigt, 1);
    EXPECT_EQ(block()[460], 1) << "written back as 1";
}

TEST_F(Schirme, FigurFarbeNachArtUndAufstellung)
{
    uint16_t farbe = 0, andere = 0;
    EXPECT_EQ(Spieler_Figur_Get_Farbe(3, 0x1030, &farbe), 10) << "0x10 wins over 0x20";
    EXPECT_EQ(Spieler_Figur_Get_Farbe(3, 0x20, &andere), 11);
    EXPECT_NE(farbe, andere);
    EXPECT_EQ(Spieler_Figur_Get_Farbe(0, 0, nullptr), 0);
    Fehler_Capture f;
    farbe = 0x1234;
    EXPECT_EQ(Spieler_Figur_Get_Farbe(SPIELER_FIGUR_ARTEN, 0, &farbe), -1);
    EXPECT_EQ(Spieler_Figur_Get_Farbe(-1, 0, &farbe), -1);
    EXPECT_EQ(farbe, 0x1234);
}

}  // namespace
