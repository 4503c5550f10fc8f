// The sound layer: 100 sample slots over the sound device, WAV images, and one double-buffered
// stream that plays a long WAV straight from an open file. Only the sound interface
// (platform/sound.h) calls it. Window thread only.
#pragma once
#include <cstdint>
#include <cstdio>

constexpr int WIN95_SOUND_SLOTS = 100;
constexpr uint32_t WIN95_SOUND_WAV_KOPF = 44;
// The stream's ring: two halves, refilled a half at a time.
constexpr uint32_t WIN95_STREAM_PUFFER = 88000;
constexpr uint32_t WIN95_STREAM_HAELFTE = 44000;
constexpr uint32_t WIN95_STREAM_VIERTEL = 22000;

// A checked 44-byte WAV header (fixed offsets, PCM only).
struct Win95_Wav_Format {
    uint16_t format_tag;
    uint16_t channels;
    uint32_t rate;
    uint32_t byte_rate;
    uint16_t block_align;
    uint16_t bits;
    uint32_t data_size;  // cut to the bytes present behind the header
};

// Checks a WAV image of `length` bytes: "RIFF", "WAVE", "fmt ", "data" at their offsets, format
// tag 1, 1 or 2 channels, 8 or 16 bits, a rate above 0 and at least one frame of data. The data
// size is cut to what the image holds (whole frames). False for anything else.
bool Win95_Sound_Wav_Lesen(const uint8_t* image, uint32_t length, Win95_Wav_Format* format);

// 1 = device ready, 0 = no sound.
int Win95_Sound_Create();
// Releases every sample, the stream and the device; 1.
int Win95_Sound_Release();

// Makes a sample of a WAV image of `length` bytes; the image may be freed afterwards. Volume
// and pan are set at once; `streamed` is kept for the callers' sake (all buffers are alike
// here). The slot id 0-99, or -1 (no free slot, bad header, no device).
int Win95_Sound_Sample_Anlegen(const void* image, uint32_t length, int32_t volume, int32_t pan,
                               int32_t streamed);
// Copies at most the sample's size from data into it; 1, or 0 for a bad id.
int Win95_Sound_Sample_Fuellen(int id, const void* data, uint32_t length);
// Sets volume and pan, then plays from the current position; 1 = playing, 0 = bad id.
int Win95_Sound_Play(int id, int loop, int32_t volume, int32_t pan);
int Win95_Sound_Stop(int id);
// Clamped to -10000..0; 1, or 0 for a bad id.
int Win95_Sound_Set_Volume(int id, int32_t volume);
// Clamped to -10000..10000; 1, or 0 for a bad id.
int Win95_Sound_Set_Pan(int id, int32_t pan);
int32_t Win95_Sound_Get_Volume(int id);
int32_t Win95_Sound_Get_Pan(int id);
// Nothing is ever lost here; 1 for a valid id, else 0.
int Win95_Sound_Restore(int id);
// Stops and frees the slot; -1 always, for the caller to store as its id.
int Win95_Sound_Free(int id);
int Win95_Sound_Is_Playing(int id);
// Play cursor in bytes; 0 for a bad id.
uint32_t Win95_Sound_Get_Position(int id);
int Win95_Sound_Anzahl_Slots();
int Win95_Sound_Wav_Header_Groesse();
// 1 when the file starts with a good WAV header, else 0.
int Win95_Sound_Wav_Pruefen(const char* path);
int32_t Win95_Sound_Volume_Max();
int32_t Win95_Sound_Volume_Min();
int32_t Win95_Sound_Pan_Links();
int32_t Win95_Sound_Pan_Rechts();

// Starts streaming from a file positioned at a WAV header; `length` counts header and data.
// The stream's slot id, or -1 (no file, a stream runs, bad header, no slot, read failure).
// The caller keeps the file and closes it after the stream has ended.
int Win95_Stream_Start(std::FILE* file, uint32_t length);
// Refills the half the play cursor has left; must run at least once per quarter of the ring.
// 1 = still running, 0 = finished (its slot is freed then) or failed.
int Win95_Stream_Service(int id);
// Ends the stream and frees its slot.
void Win95_Stream_Stop(int id);
