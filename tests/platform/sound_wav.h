// WAV images for the sound tests.
#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

inline void wav_le(std::vector<uint8_t>& v, uint32_t x, int bytes)
{
    for (int i = 0; i < bytes; ++i) v.push_back(uint8_t(x >> (8 * i)));
}

// A 44-byte header naming `data_size` bytes (default: the data given), then the data.
inline std::vector<uint8_t> wav_bild(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                                     const std::vector<uint8_t>& data, int64_t data_size = -1)
{
    std::vector<uint8_t> v{'R', 'I', 'F', 'F'};
    wav_le(v, uint32_t(36 + data.size()), 4);
    v.insert(v.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    wav_le(v, 16, 4);
    wav_le(v, tag, 2);
    wav_le(v, channels, 2);
    wav_le(v, rate, 4);
    uint32_t block = uint32_t(channels) * bits / 8;
    wav_le(v, rate * block, 4);
    wav_le(v, block, 2);
    wav_le(v, bits, 2);
    v.insert(v.end(), {'d', 'a', 't', 'a'});
    wav_le(v, data_size < 0 ? uint32_t(data.size()) : uint32_t(data_size), 4);
    v.insert(v.end(), data.begin(), data.end());
    return v;
}

// 16-bit samples, interleaved when stereo.
inline std::vector<uint8_t> wav_pcm16(const std::vector<int16_t>& samples)
{
    std::vector<uint8_t> v;
    for (int16_t s : samples) wav_le(v, uint16_t(s), 2);
    return v;
}

inline std::vector<uint8_t> wav_mono16(uint32_t rate, const std::vector<int16_t>& samples)
{
    return wav_bild(1, 1, rate, 16, wav_pcm16(samples));
}

// A temporary file holding the bytes, positioned at 0.
inline std::FILE* wav_datei(const std::vector<uint8_t>& bytes)
{
    std::FILE* f = std::tmpfile();
    if (!f) return nullptr;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    return f;
}
