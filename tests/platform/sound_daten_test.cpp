#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/menuesound.h"
#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/win95_sound.h"
#include "tools/datagen/resf_dateien.h"
#include "tools/datagen/sound_synth.h"

namespace fs = std::filesystem;

// The data builder's sounds, fetched from the built resource files the way the program fetches
// them, are what the sound modules accept.
TEST(SoundDaten, BuiltSoundsLoadAndPlay)
{
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    fs::path ziel = fs::temp_directory_path() / ("dorvin_sounds_" + std::to_string(getpid()));
    ASSERT_EQ(Resf_Dateien_Erzeugen(ziel.string()), 0);
    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", ziel.c_str());
    std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", ziel.c_str());
    ASSERT_EQ(Init_System_Dateien(), 1);
    int32_t scr = ResFile_Handles[0].handle, daten = ResFile_Handles[1].handle;
    ASSERT_GE(scr, 0);
    ASSERT_GE(daten, 0);

    int hilfe = 0;
    for (const auto& e : Sound_Synth_Eintraege()) {
        int32_t h = std::string(e.datei) == "data.bin" ? daten : scr;
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(Soundeffekt_Resource_Holen(h, e.nummer, bytes)) << e.nummer;
        Win95_Wav_Format f;
        ASSERT_TRUE(Win95_Sound_Wav_Lesen(bytes.data(), uint32_t(bytes.size()), &f)) << e.nummer;
        EXPECT_EQ(f.data_size + 44, bytes.size()) << e.nummer;
        if (e.nummer >= SOUND_SYNTH_HILFE_BASIS) {
            ++hilfe;
            EXPECT_GE(bytes.size(), 1000u) << e.nummer;
        }
    }
    EXPECT_GE(hilfe, 100);

    ASSERT_EQ(Sound_Init(), 1);
    // The user's menu-sound folder starts empty: the seven tunes exist once, in the screen file.
    Menuesound_Set_Ordner((ziel / "menu_sounds").c_str());
    ASSERT_EQ(Soundeffekt_Load_All(scr), 1);
    for (int n = 0; n < SOUNDEFFEKT_ANZAHL; ++n) EXPECT_GE(Soundeffekt_Get_Slot(n)->sample, 0) << n;
    EXPECT_EQ(Menuesound_Anzahl(), 0);
    for (int n = 0; n < MENUESOUND_RESOURCEN; ++n) {
        EXPECT_GE(Menuesound_Play(n, 0), 0) << n;
        EXPECT_EQ(Sound_Is_Playing(Menuesound_Id()), 1) << n;
    }

    // A help sound streams from data.bin, as the help window does it.
    int32_t typ = 0;
    std::FILE* f = Seek_Resource(daten, SOUND_SYNTH_HILFE_BASIS, &typ);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(typ, RES_DATEN);
    uint8_t n[4];
    ASSERT_EQ(std::fread(n, 1, 4, f), 4u);
    uint32_t groesse = uint32_t(n[0] | n[1] << 8 | n[2] << 16 | n[3] << 24);
    EXPECT_GE(groesse, 1000u);
    EXPECT_GE(Sound_Stream_Start(f, groesse), 0);
    Sound_Stream_Stop();

    Menuesound_Stop(0);
    Soundeffekt_Free_All();
    Sound_DeInit();
    Menuesound_Set_Ordner(nullptr);
    DeInit_System_Dateien();
    fs::remove_all(ziel);
}
