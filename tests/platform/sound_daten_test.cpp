#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/menuesound.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/win95_sound.h"

namespace fs = std::filesystem;

namespace {

fs::path quellen;

std::vector<uint8_t> datei_lesen(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool aus_quellen(int32_t, int32_t nummer, std::vector<uint8_t>& daten)
{
    daten = datei_lesen(quellen / (std::to_string(nummer) + ".wav"));
    return !daten.empty();
}

}  // namespace

// The data builder's sounds are what the sound modules accept.
TEST(SoundDaten, BuiltSoundsLoadAndPlay)
{
    fs::path programm = fs::path(DORVIN_BINARY_DIR) / "dorvin_datagen";
    if (!fs::exists(programm)) GTEST_SKIP() << "data builder not built";
    fs::path ziel = fs::temp_directory_path() / ("dorvin_sounds_" + std::to_string(getpid()));
    std::string befehl = programm.string() + " sounds --ziel " + ziel.string();
    ASSERT_EQ(std::system(befehl.c_str()), 0);
    quellen = ziel / "sound_quellen";

    int hilfe = 0;
    for (const auto& e : fs::directory_iterator(quellen)) {
        auto bytes = datei_lesen(e.path());
        Win95_Wav_Format f;
        ASSERT_TRUE(Win95_Sound_Wav_Lesen(bytes.data(), uint32_t(bytes.size()), &f)) << e.path();
        EXPECT_EQ(f.data_size + 44, bytes.size()) << e.path();
        if (std::stoi(e.path().stem().string()) >= 6265) {
            ++hilfe;
            EXPECT_GE(bytes.size(), 1000u) << e.path();
        }
    }
    EXPECT_GE(hilfe, 100);

    ASSERT_EQ(Sound_Init(), 1);
    Soundeffekt_Set_Resource_Lader(aus_quellen);
    Menuesound_Set_Ordner((ziel / "menu_sounds").c_str());
    ASSERT_EQ(Soundeffekt_Load_All(0), 1);
    for (int n = 0; n < SOUNDEFFEKT_ANZAHL; ++n) EXPECT_GE(Soundeffekt_Get_Slot(n)->sample, 0) << n;
    EXPECT_EQ(Menuesound_Anzahl(), 7);
    EXPECT_GE(Menuesound_Play(7, 0), 0);
    EXPECT_EQ(Sound_Is_Playing(Menuesound_Id()), 1);

    // A help sound streams from its file.
    fs::path hilfe_datei = quellen / "6265.wav";
    std::FILE* f = std::fopen(hilfe_datei.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_GE(Sound_Stream_Start(f, uint32_t(fs::file_size(hilfe_datei))), 0);
    Sound_Stream_Stop();
    std::fclose(f);

    Menuesound_Stop(0);
    Soundeffekt_Free_All();
    Sound_DeInit();
    Soundeffekt_Set_Resource_Lader(nullptr);
    Menuesound_Set_Ordner(nullptr);
    fs::remove_all(ziel);
}
