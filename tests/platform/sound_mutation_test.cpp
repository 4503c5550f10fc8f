// Damaged sounds: WAV files the user puts into the menu-sounds folder and sound entries of a
// resource file, in thousands of variants. Each is refused with a message or plays (as a sample
// and as a stream) without a sanitizer report.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "common/capture.h"
#include "platform/bytes.h"
#include "platform/menuesound.h"
#include "platform/mutation.h"
#include "platform/os/os_sound.h"
#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/sound_wav.h"
#include "platform/soundeffekt.h"
#include "platform/string_util.h"
#include "tools/datagen/resf_writer.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> log_texte;
void log_sink(const char* text) { log_texte.push_back(text); }

struct SoundMutation : ::testing::Test {
    fs::path ordner;
    std::vector<std::string> meldungen;
    void SetUp() override
    {
        ordner = fs::temp_directory_path() / ("dorvin_sound_mutation_" + std::to_string(getpid()));
        fs::create_directories(ordner);
        ASSERT_EQ(Sound_Init(), 1);
        Print_Log_Set_Sink(log_sink);
        Requester_Printf_Set_Hook([this](const std::string& t) { meldungen.push_back(t); });
    }
    void TearDown() override
    {
        Requester_Printf_Set_Hook({});
        Print_Log_Set_Sink(nullptr);
        Menuesound_Stop(0);
        Menuesound_Liste_Freigeben();
        Menuesound_Set_Ordner(nullptr);
        Sound_DeInit();
        fs::remove_all(ordner);
    }
};

// The header fields: magics, sizes and the whole format.
std::vector<Mutation_Feld> wav_felder(size_t basis)
{
    std::vector<Mutation_Feld> f;
    for (size_t at : {0u, 4u, 8u, 12u, 16u, 24u, 28u, 36u, 40u}) f.push_back({basis + at, 4});
    for (size_t at : {20u, 22u, 32u, 34u}) f.push_back({basis + at, 2});
    return f;
}

std::vector<uint8_t> stereo8(size_t frames)
{
    std::vector<uint8_t> d;
    for (size_t i = 0; i < frames; ++i) {
        d.push_back(uint8_t(i));
        d.push_back(uint8_t(255 - i));
    }
    return wav_bild(1, 2, 44100, 8, d);
}

void mischen(uint32_t frames)
{
    std::vector<int16_t> out(2 * frames);
    Os_Sound_Mischen(out.data(), frames);
}

// Plays a stream from the file's position for at most 0.3 s of mixing (a refill of both halves
// for the short test sounds), then stops it.
void stream_spielen(std::FILE* f, uint32_t laenge, const std::string& fall)
{
    log_texte.clear();
    int id = Sound_Stream_Start(f, laenge);
    if (id < 0) {
        EXPECT_FALSE(log_texte.empty()) << fall << ": stream refused without a message";
        return;
    }
    for (int i = 0; i < 6 && Sound_Stream_Id() >= 0; ++i) {
        mischen(2205);
        Sound_Stream_Service();
    }
    Sound_Stream_Stop();
}

}  // namespace

TEST_F(SoundMutation, DamagedMenuSoundFilesAreReportedOrPlay)
{
    Menuesound_Set_Ordner(ordner.c_str());
    const fs::path datei = ordner / "ton.wav";
    const std::string pfad = datei.string();
    int faelle = 0;
    for (const auto& gut : {wav_mono16(44100, std::vector<int16_t>(300, 1234)), stereo8(200)}) {
        faelle += Mutationen(gut, wav_felder(0), 21, 40, 500, [&](const std::vector<uint8_t>& b, const std::string& fall) {
            std::FILE* f = std::fopen(pfad.c_str(), "wb");
            ASSERT_NE(f, nullptr);
            if (!b.empty()) std::fwrite(b.data(), 1, b.size(), f);
            std::fclose(f);

            meldungen.clear();
            if (Menuesound_Liste_Laden() == 0) {
                EXPECT_EQ(meldungen.size(), 1u) << fall << ": faulty file not reported";
            } else {
                // A file the check let through plays.
                EXPECT_TRUE(meldungen.empty()) << fall;
                EXPECT_GE(Menuesound_Play(MENUESOUND_RESOURCEN, 0), 0) << fall;
                mischen(500);
                Menuesound_Stop(0);
            }

            // The same bytes as a stream, as the help window plays them.
            f = std::fopen(pfad.c_str(), "rb");
            ASSERT_NE(f, nullptr);
            stream_spielen(f, uint32_t(b.size()), fall);
            std::fclose(f);
        });
    }
    EXPECT_GT(faelle, 1000);
}

TEST_F(SoundMutation, DamagedSoundEntriesAreRefusedWithAMessageOrPlay)
{
    Resf_Datei d;
    Resf_Setzen(d, 0, RES_DATEN, Resf_Daten(wav_mono16(22050, std::vector<int16_t>(200, -500))));
    Resf_Setzen(d, 1, RES_DATEN, Resf_Daten(stereo8(120)));
    Resf_Setzen(d, 2, RES_DATEN, Resf_Daten(wav_bild(1, 2, 44100, 16, std::vector<uint8_t>(1200, 7))));
    std::string pfad = (ordner / "sound.res").string();
    ASSERT_TRUE(Resf_Schreiben(d, pfad));
    std::vector<uint8_t> gut(fs::file_size(pfad));
    std::FILE* f = std::fopen(pfad.c_str(), "rb");
    ASSERT_EQ(std::fread(gut.data(), 1, gut.size(), f), gut.size());
    std::fclose(f);

    // The index, the sizes of the three blocks and the WAV headers inside them.
    std::vector<Mutation_Feld> felder = {{4, 4}, {8, 4}};
    uint32_t index = Bytes_Hole32(gut.data() + 8);
    for (uint32_t i = 0; i < 3; ++i) {
        uint32_t o = Bytes_Hole32(gut.data() + index + 8 * i + 4);
        felder.push_back({index + 8 * i, 2});
        felder.push_back({index + 8 * i + 4, 4});
        felder.push_back({o, 4});
        for (const auto& w : wav_felder(o + 4)) felder.push_back(w);
    }

    Fehler_Capture fehler;
    int faelle = Mutationen(gut, felder, 22, 60, 800, [&](const std::vector<uint8_t>& b, const std::string& fall) {
        std::FILE* out = std::fopen(pfad.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        if (!b.empty()) std::fwrite(b.data(), 1, b.size(), out);
        std::fclose(out);
        fehler.texts.clear();
        int32_t h = Init_ResFile(pfad.c_str());
        if (h < 0) {
            EXPECT_FALSE(fehler.texts.empty()) << fall;
            return;
        }
        for (int32_t pos = 0; pos < 3 && pos < ResFile_Get_Anzahl(h); ++pos) {
            int32_t nummer = pos + RESFILE_NUMMER_VERSATZ;
            fehler.texts.clear();
            std::vector<uint8_t> bild;
            int id = -1;
            if (Soundeffekt_Resource_Holen(h, nummer, bild)) id = Sound_Load_Sample(bild.data(), uint32_t(bild.size()));
            if (id < 0) {
                EXPECT_FALSE(fehler.texts.empty()) << fall << ": entry " << pos << " refused without a message";
            } else {
                Sound_Play(id, 1, 0, 0, 0);
                mischen(500);
                Sound_Free_Sample(id);
            }

            // The long entry streamed straight from the file, as the help window does.
            if (pos != 2) continue;
            int32_t typ = 0;
            std::FILE* s = Seek_Resource(h, nummer, &typ);
            uint8_t n[4];
            if (s && typ == RES_DATEN && std::fread(n, 1, 4, s) == 4) stream_spielen(s, Bytes_Hole32(n), fall);
        }
        DeInit_ResFile(h);
    });
    EXPECT_GT(faelle, 1500);
}
