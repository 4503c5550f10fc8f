// Synthesised sounds of the program's data: WAV images (44-byte header + PCM) made from
// numbers alone, the same bytes on every run. The resource-file writer puts them into
// "resf_scr.res" (effects, menu sounds) and "data.bin" (help sounds) as type-16 entries; the
// menu-sounds folder is left to the user's own files.
#pragma once
#include <cstdint>
#include <vector>

// Effect sounds of the screen resource file: 1584-1590 (clicks, requester sounds, whistles),
// 1603 (crowd, looping), 1604-1608, the live scene's 2495-2511, 2512 (the match overview's
// crowd murmur and the scene's first background, looping), the scene's crowd 2513-2529, the
// auction's murmur (474, looping) and leader gong (475).
constexpr int32_t SOUND_SYNTH_EFFEKTE[] = {1584, 1585, 1586, 1587, 1588, 1589, 1590, 1603, 1604, 1605, 1606, 1607,
                                           1608, 2495, 2496, 2497, 2498, 2499, 2500, 2501, 2502, 2503, 2504, 2505,
                                           2506, 2507, 2508, 2509, 2510, 2511, 2512, 2513, 2514, 2515, 2516, 2517,
                                           2518, 2519, 2520, 2521, 2522, 2523, 2524, 2525, 2526, 2527, 2528, 2529,
                                           474,  475};
constexpr int32_t SOUND_SYNTH_AUKTION_MURMELN = 474, SOUND_SYNTH_AUKTION_GONG = 475;
// Menu sounds of the screen resource file: seven looping tunes.
constexpr int32_t SOUND_SYNTH_MENUE_BASIS = 1609;
constexpr int SOUND_SYNTH_MENUE_ANZAHL = 7;
// Spoken help of "data.bin": entry 6265 + n, every one at least 1,000 bytes.
constexpr int32_t SOUND_SYNTH_HILFE_BASIS = 6265;
constexpr int SOUND_SYNTH_HILFE_ANZAHL = 400;

// A WAV image of 16-bit samples (interleaved when stereo) or of 8-bit unsigned mono samples.
std::vector<uint8_t> Sound_Synth_Wav16(uint32_t rate, uint16_t channels, const std::vector<int16_t>& samples);
std::vector<uint8_t> Sound_Synth_Wav8(uint32_t rate, const std::vector<uint8_t>& samples);

std::vector<uint8_t> Sound_Synth_Effekt(int32_t nummer);  // empty for a number not listed
std::vector<uint8_t> Sound_Synth_Menue(int n);            // n = 0..6 (resource 1609 + n)
std::vector<uint8_t> Sound_Synth_Hilfe(int n);            // n = 0..399 (entry 6265 + n)

// Any sound entry by its number: effects, menu sounds, help sounds; empty for others.
std::vector<uint8_t> Sound_Synth_Bytes(int32_t nummer);
// Every sound entry: its number and the resource file it belongs in, for the asset manifest.
struct Sound_Synth_Eintrag {
    int32_t nummer;
    const char* datei;
};
std::vector<Sound_Synth_Eintrag> Sound_Synth_Eintraege();
