// What the player screens share: the savegame block of the switch buttons and the hint, and the
// pitch figures' colours.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/spielstand_ordner.h"
#include "platform/bytes.h"
#include "platform/disk.h"
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

// Through the savegame: the block comes back, and one of another length is refused by name with
// the running state kept.
TEST_F(Schirme, SpielstandNimmtNurDenBlockSeinerLaenge)
{
    Test_Spielstand_Ordner ordner;
    ordner.anlegen("dorvin_schirme", true);
    Spieler_Screen_Disk_Registrieren();
    Spieler_Screen_Hinweis_Gezeigt = 1;
    ASSERT_TRUE(Disk_Spielstand_Speichern("schirme"));
    Spieler_Screen_Hinweis_Gezeigt = 0;
    ASSERT_TRUE(Disk_Spielstand_Laden("schirme"));
    EXPECT_EQ(Spieler_Screen_Hinweis_Gezeigt, 1);

    std::ifstream f(ordner.pfad + "/schirme.sgv", std::ios::binary);
    const std::vector<uint8_t> datei{std::istreambuf_iterator<char>(f), {}};
    std::string version;
    Disk_Bereiche bereiche;
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(datei.data(), datei.size(), &version, &bereiche));
    Disk_Bereich& block = bereiche[DISK_POS_SPIELERSCHIRME - 1];
    ASSERT_EQ(block.size(), 1u);
    for (const size_t laenge : {size_t(SPIELER_SCHIRME_BYTES - 1), size_t(SPIELER_SCHIRME_BYTES + 1)}) {
        block[0].resize(laenge, 1);
        const std::vector<uint8_t> kaputt = Disk_Spielstand_Bauen("2.01", bereiche);
        std::ofstream(ordner.pfad + "/kaputt.sgv", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(kaputt.data()), std::streamsize(kaputt.size()));
        Spieler_Screen_Hinweis_Gezeigt = 0;
        Fehler_Capture cap;
        EXPECT_FALSE(Disk_Spielstand_Laden("kaputt")) << laenge;
        EXPECT_TRUE(cap.contains("Spieler_Screen_Read_Bin_Block: " + std::to_string(laenge) + " statt 461 Bytes")) << laenge;
        EXPECT_EQ(Spieler_Screen_Hinweis_Gezeigt, 0) << laenge;
    }
    Disk_Block_Registrieren(DISK_POS_SPIELERSCHIRME, nullptr, nullptr);
    ordner.entfernen();
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
