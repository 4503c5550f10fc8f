#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/os/os_sound.h"
#include "platform/sound.h"
#include "platform/sound_wav.h"

namespace fs = std::filesystem;

namespace {

std::vector<int16_t> sinus(uint32_t rate, uint32_t frames, int kanaele, double amplitude)
{
    std::vector<int16_t> s;
    for (uint32_t i = 0; i < frames; ++i)
        for (int k = 0; k < kanaele; ++k)
            s.push_back(int16_t(std::lround(amplitude * std::sin(2 * M_PI * 441.0 * i / rate))));
    return s;
}

struct Wav {
    uint16_t kanaele = 0, bits = 0;
    uint32_t rate = 0;
    std::vector<int16_t> samples;
};

Wav lesen(const fs::path& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Wav w;
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF") return w;
    w.kanaele = uint16_t(b[22] | b[23] << 8);
    w.rate = uint32_t(b[24] | b[25] << 8 | b[26] << 16 | b[27] << 24);
    w.bits = uint16_t(b[34] | b[35] << 8);
    uint32_t n = uint32_t(b[40] | b[41] << 8 | b[42] << 16 | b[43] << 24);
    if (n > b.size() - 44) return w;
    for (uint32_t i = 0; i + 1 < n; i += 2) w.samples.push_back(int16_t(b[44 + i] | b[45 + i] << 8));
    return w;
}

// Peak of one channel between two times in milliseconds.
int spitze(const Wav& w, int kanal, int von_ms, int bis_ms)
{
    int m = 0;
    for (size_t f = size_t(von_ms) * 441 / 10; f < size_t(bis_ms) * 441 / 10; ++f)
        m = std::max(m, std::abs(int(w.samples.at(2 * f + kanal))));
    return m;
}

}  // namespace

TEST(SoundRender, HeadlessRunWritesTheMixOfTwoEffectsAndAStream)
{
    fs::path ordner = fs::temp_directory_path() / ("dorvin_render_" + std::to_string(getpid()));
    fs::create_directories(ordner);
    fs::path mix = ordner / "mix.wav", ende = ordner / "ende.wav";
    setenv("DORVIN_SOUND_WAV", mix.c_str(), 1);
    ASSERT_EQ(Sound_Init(), 1);
    unsetenv("DORVIN_SOUND_WAV");

    // A: 300 ms at 22.05 kHz, full volume, hard left. B: 300 ms, -6 dB, hard right, from 200 ms.
    // The stream: one second of 44.1 kHz stereo from 500 ms.
    auto a = wav_mono16(22050, sinus(22050, 6615, 1, 16000));
    auto b = wav_mono16(44100, sinus(44100, 13230, 1, 16000));
    auto strom = wav_bild(1, 2, 44100, 16, wav_pcm16(sinus(44100, 44100, 2, 10000)));
    std::FILE* f = wav_datei(strom);
    int id_a = Sound_Load_Sample(a.data(), uint32_t(a.size()));
    int id_b = Sound_Load_Sample(b.data(), uint32_t(b.size()));
    ASSERT_GE(id_a, 0);
    ASSERT_GE(id_b, 0);

    ASSERT_EQ(Sound_Play(id_a, 0, 0, 0, -10000), 1);
    for (int t = 0; t < 1500; t += 10) {
        if (t == 200) {
            ASSERT_EQ(Sound_Play(id_b, 0, 0, -600, 10000), 1);
        }
        if (t == 500) {
            ASSERT_GE(Sound_Stream_Start(f, uint32_t(strom.size())), 0);
        }
        Os_Sound_Advance(10);
        Sound_Stream_Service();
    }
    for (int t = 1500; t < 2000 && Sound_Stream_Id() >= 0; t += 10) {
        Os_Sound_Advance(10);
        Sound_Stream_Service();
    }
    EXPECT_EQ(Sound_Stream_Id(), -1);
    // Whatever is left of two seconds goes out through the renderer, into both files.
    ASSERT_TRUE(Os_Sound_Render_Wav(ende.c_str(), 500));
    Sound_DeInit();
    std::fclose(f);

    Wav w = lesen(mix);
    ASSERT_EQ(w.kanaele, 2);
    ASSERT_EQ(w.bits, 16);
    ASSERT_EQ(w.rate, 44100u);
    ASSERT_GE(w.samples.size(), size_t(2 * 44100 * 2));
    EXPECT_EQ(lesen(ende).samples.size(), size_t(2 * 22050));

    const int b_pegel = int(std::lround(16000 * std::pow(10.0, -600 / 2000.0)));  // 8019
    EXPECT_NEAR(spitze(w, 0, 10, 190), 16000, 160);
    EXPECT_LE(spitze(w, 1, 10, 190), 1);
    EXPECT_NEAR(spitze(w, 0, 210, 290), 16000, 160);
    EXPECT_NEAR(spitze(w, 1, 210, 290), b_pegel, 80);
    EXPECT_LE(spitze(w, 0, 310, 490), 1);
    EXPECT_NEAR(spitze(w, 1, 310, 490), b_pegel, 80);
    EXPECT_NEAR(spitze(w, 0, 510, 1490), 10000, 100);
    EXPECT_NEAR(spitze(w, 1, 510, 1490), 10000, 100);
    EXPECT_EQ(spitze(w, 0, 1510, 2000), 0);
    EXPECT_EQ(spitze(w, 1, 1510, 2000), 0);
    fs::remove_all(ordner);
}
