// The generator's savegame block: a stored state outside the modulus is refused, so that no
// draw after a load leaves its range.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/spielstand_ordner.h"
#include "platform/disk.h"
#include "platform/zufall.h"

namespace {

using Bytes = std::vector<uint8_t>;

class ZufallDatei : public ::testing::Test {
protected:
    Test_Spielstand_Ordner ordner;
    void SetUp() override
    {
        ordner.anlegen("dorvin_zufall", true);
        // As the start-up registers it.
        Disk_Block_Registrieren(
            DISK_POS_ZUFALL, [](Disk_Datei* d) { Zufall_Write_Savegame(d); return !Disk_Fehler(d); },
            [](Disk_Datei* d, const char*) { Zufall_Read_Savegame(d); return !Disk_Fehler(d); });
        Zufall(0, 1);
    }
    void TearDown() override
    {
        Disk_Block_Registrieren(DISK_POS_ZUFALL, nullptr, nullptr);
        Zufall_Set_Seed(0);
        ordner.entfernen();
    }
    // The next ten draws of 0..9, without moving the generator.
    static std::vector<int32_t> folge()
    {
        uint8_t stand[ZUFALL_BLOCK_BYTES];
        Zufall_Save_Buffer(stand);
        std::vector<int32_t> f;
        for (int i = 0; i < 10; ++i) {
            const int32_t z = Zufall(0, 9);
            f.push_back(z);
        }
        Zufall_Load_Buffer(stand, sizeof stand);
        return f;
    }
};

TEST_F(ZufallDatei, StatesOutsideTheModulusAreRefused)
{
    Zufall_Set_Seed(123456);
    ASSERT_TRUE(Disk_Spielstand_Speichern("z"));
    std::ifstream f(ordner.pfad + "/z.sgv", std::ios::binary);
    const Bytes datei{std::istreambuf_iterator<char>(f), {}};
    std::string version;
    Disk_Bereiche bereiche;
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(datei.data(), datei.size(), &version, &bereiche));
    ASSERT_EQ(bereiche[DISK_POS_ZUFALL - 1].size(), 1u);

    Zufall_Set_Seed(777);
    const std::vector<int32_t> vorher = folge();
    // Each of the three words: seed, saved seed, fixed seed.
    for (size_t wort = 0; wort < 3; ++wort)
        for (int32_t wert : {ZUFALL_MODUL - 1, ZUFALL_MODUL, -1, int32_t(0x80000000u), 0}) {
            SCOPED_TRACE(std::to_string(wort) + ": " + std::to_string(wert));
            Disk_Bereiche b = bereiche;
            Disk_LE32_Setzen(b[DISK_POS_ZUFALL - 1][0].data() + 4 * wort, uint32_t(wert));
            const Bytes m = Disk_Spielstand_Bauen("2.01", b);
            std::ofstream(ordner.pfad + "/m.sgv", std::ios::binary | std::ios::trunc)
                .write(reinterpret_cast<const char*>(m.data()), std::streamsize(m.size()));
            Fehler_Capture cap;
            const bool gut = wert >= 0 && wert < ZUFALL_MODUL;
            ASSERT_EQ(Disk_Spielstand_Laden("m"), gut);
            if (!gut) {
                EXPECT_TRUE(cap.contains("Zufall_Read_Savegame: Startwert"));
                EXPECT_EQ(folge(), vorher);
                continue;
            }
            // Every draw stays in its range, from whichever word the sequence goes on.
            for (int i = 0; i < 1000; ++i) {
                const int32_t z = Zufall(0, 9);
                ASSERT_TRUE(z >= 0 && z <= 9) << z;
                if (i == 500) Zufall_Push_Seed();
            }
            Zufall_Pop_Seed();
            Zufall_Set_Seed(777);
        }
}

}  // namespace
