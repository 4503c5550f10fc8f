// The live scene's sounds as the data builder writes them: every row of the scene's sound table
// finds a WAV image under its resource number in the screen file, the crowd's rows as well as
// the effects, so that playing any of them reports nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/builder_daten.h"
#include "matchview/live/spielszenen_live.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/soundeffekt.h"

TEST(SpielszenenSoundDaten, EveryRowOfTheTableIsAWavImageInTheScreenFile)
{
    ASSERT_TRUE(Test_Resfiles_Oeffnen());
    const int32_t handle = ResFile_Handles[0].handle;
    ASSERT_GE(handle, 0);
    std::vector<std::string> meldungen;
    const Print_Fehler_Hook alt = Print_Fehler_Get_Hook();
    Print_Fehler_Set_Hook([&](const std::string& t) { meldungen.push_back(t); });
    for (int32_t i = 0; i < SPIELSZENEN_SOUNDS; ++i) {
        const Spielszenen_Sound_Eintrag& s = Spielszenen_Sound[i];
        std::vector<uint8_t> daten;
        EXPECT_TRUE(Soundeffekt_Resource_Holen(handle, s.resource, daten)) << i << " " << s.name;
        if (daten.size() < 44) {
            ADD_FAILURE() << "no WAV image: " << s.name;
            continue;
        }
        EXPECT_EQ(std::memcmp(daten.data(), "RIFF", 4), 0) << s.name;
        EXPECT_EQ(std::memcmp(daten.data() + 8, "WAVE", 4), 0) << s.name;
    }
    Print_Fehler_Set_Hook(alt);
    EXPECT_TRUE(meldungen.empty()) << (meldungen.empty() ? "" : meldungen.front());
}
