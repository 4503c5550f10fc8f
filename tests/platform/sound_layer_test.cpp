#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <string>
#include <vector>

#include "common/capture.h"
#include "platform/os/os_sound.h"
#include "platform/sound.h"
#include "platform/win95_sound.h"
#include "platform/sound_wav.h"

namespace {

std::vector<std::string> log_texte;
void log_sink(const char* text) { log_texte.push_back(text); }

struct SoundLayer : ::testing::Test {
    void SetUp() override { ASSERT_EQ(Sound_Init(), 1); }
    void TearDown() override { Sound_DeInit(); }
};

std::vector<uint8_t> kurzer_ton() { return wav_mono16(22050, std::vector<int16_t>(1000, 8000)); }

std::vector<int16_t> mischen(uint32_t frames)
{
    std::vector<int16_t> out(frames * 2);
    Os_Sound_Mischen(out.data(), frames);
    return out;
}

}  // namespace

TEST_F(SoundLayer, RefusesBadHeadersWithoutTakingASlot)
{
    std::vector<uint8_t> daten(400, 0x80);
    EXPECT_EQ(Sound_Load_Sample(wav_bild(3, 1, 22050, 8, daten).data(), 444), -1);
    EXPECT_EQ(Sound_Load_Sample(wav_bild(1, 4, 22050, 8, daten).data(), 444), -1);
    EXPECT_EQ(Sound_Load_Sample(wav_bild(1, 1, 22050, 24, daten).data(), 444), -1);
    EXPECT_EQ(Sound_Load_Sample(wav_bild(1, 0, 22050, 8, daten).data(), 444), -1);
    EXPECT_EQ(Sound_Load_Sample(wav_bild(1, 1, 0, 8, daten).data(), 444), -1);
    auto gut = wav_bild(1, 1, 22050, 8, daten);
    gut[36] = 'x';
    EXPECT_EQ(Sound_Load_Sample(gut.data(), uint32_t(gut.size())), -1);
    EXPECT_EQ(Sound_Load_Sample(nullptr, 100), -1);
    EXPECT_EQ(Sound_Load_Sample(gut.data(), 43), -1);

    // None of the refusals used a slot: all 100 are still there, the 101st is refused.
    auto ton = kurzer_ton();
    for (int i = 0; i < WIN95_SOUND_SLOTS; ++i)
        ASSERT_EQ(Sound_Load_Sample(ton.data(), uint32_t(ton.size())), i);
    EXPECT_EQ(Sound_Load_Sample(ton.data(), uint32_t(ton.size())), -1);
    EXPECT_EQ(Sound_Free_Sample(42), -1);
    EXPECT_EQ(Sound_Load_Sample(ton.data(), uint32_t(ton.size())), 42);
}

TEST_F(SoundLayer, DataSizeIsCutToTheImage)
{
    // The header claims a megabyte; only 300 bytes (and half a frame) follow.
    auto bild = wav_bild(1, 2, 22050, 16, std::vector<uint8_t>(302, 1), 1 << 20);
    Win95_Wav_Format f;
    ASSERT_TRUE(Win95_Sound_Wav_Lesen(bild.data(), uint32_t(bild.size()), &f));
    EXPECT_EQ(f.data_size, 300u);
    EXPECT_EQ(f.channels, 2);
    auto leer = wav_bild(1, 2, 22050, 16, std::vector<uint8_t>(3, 1), 1 << 20);
    EXPECT_FALSE(Win95_Sound_Wav_Lesen(leer.data(), uint32_t(leer.size()), &f));

    int id = Sound_Load_Sample(bild.data(), uint32_t(bild.size()));
    ASSERT_GE(id, 0);
    ASSERT_EQ(Sound_Play(id, 0, 0, 0, 0), 1);
    Os_Sound_Advance(100);  // 75 frames at 22.05 kHz are long over
    EXPECT_EQ(Sound_Is_Playing(id), 0);
}

TEST_F(SoundLayer, VolumePanClampAndBadIds)
{
    auto ton = kurzer_ton();
    int id = Sound_Load_Sample(ton.data(), uint32_t(ton.size()));
    ASSERT_GE(id, 0);
    EXPECT_EQ(Win95_Sound_Set_Volume(id, 500), 1);
    EXPECT_EQ(Win95_Sound_Get_Volume(id), 0);
    EXPECT_EQ(Win95_Sound_Set_Volume(id, -20000), 1);
    EXPECT_EQ(Win95_Sound_Get_Volume(id), -10000);
    EXPECT_EQ(Win95_Sound_Set_Pan(id, 12000), 1);
    EXPECT_EQ(Win95_Sound_Get_Pan(id), 10000);
    EXPECT_EQ(Win95_Sound_Set_Pan(id, -12000), 1);
    EXPECT_EQ(Win95_Sound_Get_Pan(id), -10000);

    EXPECT_EQ(Win95_Sound_Free(id), -1);
    EXPECT_EQ(Win95_Sound_Free(id), -1);
    EXPECT_EQ(Win95_Sound_Free(100), -1);
    for (int bad : {id, -1, 100}) {
        EXPECT_EQ(Sound_Play(bad, 0, 0, 0, 0), 0);
        EXPECT_EQ(Win95_Sound_Set_Volume(bad, 0), 0);
        EXPECT_EQ(Sound_Is_Playing(bad), 0);
        EXPECT_EQ(Sound_Get_Position(bad), 0u);
    }
}

TEST_F(SoundLayer, PlayCursorFollowsTheMixer)
{
    auto ton = kurzer_ton();  // 1000 frames at 22.05 kHz: 45 ms
    int id = Sound_Load_Sample(ton.data(), uint32_t(ton.size()));
    ASSERT_EQ(Sound_Play(id, 0, 0, 0, 0), 1);
    Os_Sound_Advance(20);     // 882 output frames = 441 source frames
    EXPECT_EQ(Sound_Get_Position(id), 882u);
    EXPECT_EQ(Sound_Is_Playing(id), 1);
    Os_Sound_Advance(30);
    EXPECT_EQ(Sound_Is_Playing(id), 0);
    EXPECT_EQ(Sound_Get_Position(id), 0u);

    ASSERT_EQ(Sound_Play(id, 1, 0, 0, 0), 1);
    Os_Sound_Advance(500);
    EXPECT_EQ(Sound_Is_Playing(id), 1);
    EXPECT_LT(Sound_Get_Position(id), 2000u);
    EXPECT_EQ(Sound_Stop(id), 1);
    uint32_t pos = Sound_Get_Position(id);
    Os_Sound_Advance(100);
    EXPECT_EQ(Sound_Get_Position(id), pos);
    EXPECT_EQ(Sound_Is_Playing(id), 0);
}

TEST_F(SoundLayer, ShortStreamPlaysToItsEndAndFreesItsSlot)
{
    // 30,000 bytes of 16-bit stereo at 44.1 kHz: 7,500 frames, all of the same level.
    std::vector<int16_t> pcm(15000, 1000);
    auto bild = wav_bild(1, 2, 44100, 16, wav_pcm16(pcm));
    std::FILE* f = wav_datei(bild);
    ASSERT_NE(f, nullptr);
    int id = Sound_Stream_Start(f, uint32_t(bild.size()));
    ASSERT_GE(id, 0);
    EXPECT_EQ(Sound_Stream_Start(f, uint32_t(bild.size())), -1);  // one stream at a time

    uint32_t laut = 0, frames = 0;
    while (Sound_Stream_Id() >= 0 && frames < 100000) {
        auto out = mischen(441);
        for (size_t i = 0; i < out.size(); i += 2) laut += out[i] == 1000 && out[i + 1] == 1000;
        frames += 441;
        Sound_Stream_Service();
    }
    EXPECT_EQ(laut, 7500u);
    // It stops as the cursor enters the second half (frame 11,000), not one lap later.
    EXPECT_GE(frames, 11000u);
    EXPECT_LT(frames, 11000u + 441u);
    EXPECT_EQ(Win95_Sound_Is_Playing(id), 0);

    log_texte.clear();
    Print_Log_Set_Sink(log_sink);
    EXPECT_EQ(Win95_Stream_Service(id), 0);
    Print_Log_Set_Sink(nullptr);
    ASSERT_EQ(log_texte.size(), 1u);
    EXPECT_EQ(log_texte[0], "Stream Sound: stream_fp?");

    // The slot went back: the next sample gets it.
    auto ton = kurzer_ton();
    EXPECT_EQ(Sound_Load_Sample(ton.data(), uint32_t(ton.size())), id);
    std::fclose(f);
}

TEST_F(SoundLayer, LongStreamPlaysEveryFrameOnceInOrder)
{
    // 250,000 bytes: several laps of the ring; every frame carries its own number.
    const uint32_t n = 62500;
    std::vector<int16_t> pcm;
    for (uint32_t i = 0; i < n; ++i) {
        pcm.push_back(int16_t(i % 30000));
        pcm.push_back(int16_t(-int32_t(i % 30000)));
    }
    auto bild = wav_bild(1, 2, 44100, 16, wav_pcm16(pcm));
    std::FILE* f = wav_datei(bild);
    ASSERT_GE(Sound_Stream_Start(f, uint32_t(bild.size())), 0);

    std::vector<int16_t> alles;
    for (int schritt = 0; Sound_Stream_Id() >= 0 && schritt < 1000; ++schritt) {
        auto out = mischen(2205);  // 50 ms, 8,820 bytes: well within a quarter
        alles.insert(alles.end(), out.begin(), out.end());
        Sound_Stream_Service();
    }
    EXPECT_EQ(Sound_Stream_Id(), -1);
    ASSERT_GE(alles.size(), size_t(2 * n));
    for (uint32_t i = 0; i < n; ++i)
        ASSERT_EQ(alles[2 * i], int16_t(i % 30000)) << "frame " << i;
    for (size_t i = 2 * n; i < alles.size(); ++i) ASSERT_EQ(alles[i], 0) << "sample " << i;
    std::fclose(f);
}

TEST_F(SoundLayer, StreamStartFailuresLeaveNoStream)
{
    auto bild = wav_bild(3, 2, 44100, 16, std::vector<uint8_t>(1000, 1));
    std::FILE* f = wav_datei(bild);
    EXPECT_EQ(Sound_Stream_Start(f, uint32_t(bild.size())), -1);
    std::rewind(f);
    EXPECT_EQ(Sound_Stream_Start(f, 40), -1);
    EXPECT_EQ(Sound_Stream_Start(nullptr, 1000), -1);
    std::fclose(f);
    std::FILE* kurz = wav_datei(std::vector<uint8_t>(20, 'R'));
    EXPECT_EQ(Sound_Stream_Start(kurz, 1000), -1);
    std::fclose(kurz);
    EXPECT_EQ(Sound_Stream_Id(), -1);
    auto ton = kurzer_ton();
    EXPECT_EQ(Sound_Load_Sample(ton.data(), uint32_t(ton.size())), 0);
}

TEST(SoundOhneGeraet, EveryCallIsAQuietNoOp)
{
    Os_Sound_Set_Aus(true);
    Fehler_Capture fehler;
    EXPECT_EQ(Sound_Init(), 0);
    auto ton = kurzer_ton();
    EXPECT_EQ(Sound_Load_Sample(ton.data(), uint32_t(ton.size())), -1);
    EXPECT_EQ(Sound_Play(0, 0, 0, 0, 0), 0);
    EXPECT_EQ(Sound_Is_Playing(0), 0);
    EXPECT_EQ(Sound_Stream_Stop(), -1);
    EXPECT_EQ(Sound_Id_Pruefen(0), 0);
    EXPECT_TRUE(fehler.texts.empty());
    EXPECT_EQ(Sound_DeInit(), 1);
    Os_Sound_Set_Aus(false);
}

// The real back end, on SDL's silent driver: the mixer runs on SDL's audio thread while the
// window thread changes the buffers.
TEST(SoundGeraet, MixerRunsOnTheAudioThread)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Os_Sound_Set_Headless(false);
    if (Sound_Init() != 1) {
        Os_Sound_Set_Headless(true);
        GTEST_SKIP() << "no SDL audio driver";
    }
    auto ton = kurzer_ton();
    int id = Sound_Load_Sample(ton.data(), uint32_t(ton.size()));
    ASSERT_EQ(Sound_Play(id, 1, 0, 0, 0), 1);
    uint32_t erste = Sound_Get_Position(id);
    bool bewegt = false;
    for (int i = 0; i < 2000 && !bewegt; ++i) {
        Sound_Set_Volume(id, -(i % 100));
        Win95_Sound_Set_Pan(id, i % 200 - 100);
        int neu = Sound_Load_Sample(ton.data(), uint32_t(ton.size()));
        Sound_Play(neu, 0, 0, 0, 0);
        Sound_Free_Sample(neu);
        bewegt = Sound_Get_Position(id) != erste;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(bewegt);
    EXPECT_EQ(Sound_Is_Playing(id), 1);
    Sound_DeInit();
    Os_Sound_Set_Headless(true);
}
