#include "platform/os/os_sound.h"

#include "platform/os/os_sdl_laden.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// One table of buffers, shared by the window thread and SDL's audio thread. Every access holds
// `sperre`; the window thread holds it only for a copy into a buffer or a field change, and
// allocates or frees the sample memory outside of it.
namespace {

constexpr int PUFFER_ANZAHL = 128;

struct Puffer {
    bool belegt = false;
    Os_Sound_Format format{};
    uint32_t block = 1;              // bytes per frame
    std::vector<uint8_t> daten;
    uint32_t frames = 0;
    uint64_t pos = 0;                // frame position, 32.32 fixed point
    uint64_t schritt = 0;            // frames per output frame, 32.32
    bool spielt = false;
    bool loop = false;
    int32_t volume = 0;
    int32_t pan = 0;
    float gain_l = 1.0f;
    float gain_r = 1.0f;
};

std::mutex sperre;
std::array<Puffer, PUFFER_ANZAHL> puffer;

std::atomic<bool> offen{false};
bool aus = false;
int headless_gesetzt = -1;           // -1: from DORVIN_HEADLESS
bool headless = false;
SDL_AudioDeviceID geraet = 0;

// Headless bookkeeping: milliseconds asked for and frames mixed, so no rounding drifts.
uint64_t advance_ms = 0;
uint64_t advance_frames = 0;
bool aufnahme_an = false;
std::string aufnahme_pfad;
std::vector<int16_t> aufnahme;

float db_gain(int32_t hundertstel) { return float(std::pow(10.0, double(hundertstel) / 2000.0)); }

void gain_setzen(Puffer& p)
{
    float g = db_gain(p.volume);
    p.gain_l = g * (p.pan > 0 ? db_gain(-p.pan) : 1.0f);
    p.gain_r = g * (p.pan < 0 ? db_gain(p.pan) : 1.0f);
}

Puffer* finden(int handle)
{
    if (handle < 0 || handle >= PUFFER_ANZAHL || !puffer[handle].belegt) return nullptr;
    return &puffer[handle];
}

int32_t sample_lesen(const Puffer& p, uint32_t frame, int kanal)
{
    const uint8_t* s = p.daten.data() + size_t(frame) * p.block;
    if (p.format.bits == 8) return (int32_t(s[kanal]) - 128) << 8;
    return int16_t(uint16_t(s[2 * kanal]) | uint16_t(s[2 * kanal + 1]) << 8);
}

// Adds one buffer into the accumulator; caller holds the lock.
void puffer_mischen(Puffer& p, float* acc, uint32_t frames)
{
    if (!p.spielt || p.frames == 0) return;
    const uint64_t ende = uint64_t(p.frames) << 32;
    for (uint32_t i = 0; i < frames; ++i) {
        if (p.pos >= ende) {
            if (!p.loop) {
                p.spielt = false;
                p.pos = 0;
                return;
            }
            p.pos %= ende;
        }
        uint32_t f = uint32_t(p.pos >> 32);
        int32_t l = sample_lesen(p, f, 0);
        int32_t r = p.format.channels == 2 ? sample_lesen(p, f, 1) : l;
        acc[2 * i] += float(l) * p.gain_l;
        acc[2 * i + 1] += float(r) * p.gain_r;
        p.pos += p.schritt;
    }
    // A one-shot that ended exactly at the chunk's end stops now, not one chunk late.
    if (p.pos >= ende && !p.loop) {
        p.spielt = false;
        p.pos = 0;
    }
}

// Mixes in short blocks and takes the lock per block, so that the window thread never waits
// longer than one block for it.
void mischen(int16_t* out, uint32_t frames)
{
    constexpr uint32_t STUECK = 256;
    float acc[2 * STUECK];
    while (frames > 0) {
        uint32_t n = std::min(frames, STUECK);
        std::fill(acc, acc + 2 * n, 0.0f);
        {
            std::lock_guard<std::mutex> lock(sperre);
            for (auto& p : puffer)
                if (p.belegt) puffer_mischen(p, acc, n);
        }
        for (uint32_t i = 0; i < 2 * n; ++i)
            out[i] = int16_t(std::clamp(std::lround(acc[i]), -32768L, 32767L));
        out += 2 * n;
        frames -= n;
    }
}

void sdl_callback(void*, Uint8* stream, int len)
{
    Os_Sound_Mischen(reinterpret_cast<int16_t*>(stream), uint32_t(len) / 4);
}

void le16(std::vector<uint8_t>& v, uint32_t x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}

void le32(std::vector<uint8_t>& v, uint32_t x)
{
    le16(v, x & 0xFFFF);
    le16(v, x >> 16);
}

bool wav_schreiben(const std::string& pfad, const std::vector<int16_t>& samples)
{
    uint32_t daten = uint32_t(samples.size() * 2);
    std::vector<uint8_t> kopf;
    kopf.insert(kopf.end(), {'R', 'I', 'F', 'F'});
    le32(kopf, 36 + daten);
    kopf.insert(kopf.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    le32(kopf, 16);
    le16(kopf, 1);
    le16(kopf, 2);
    le32(kopf, OS_SOUND_RATE);
    le32(kopf, OS_SOUND_RATE * 4);
    le16(kopf, 4);
    le16(kopf, 16);
    kopf.insert(kopf.end(), {'d', 'a', 't', 'a'});
    le32(kopf, daten);
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(kopf.data(), 1, kopf.size(), f) == kopf.size();
    std::vector<uint8_t> bytes;
    bytes.reserve(daten);
    for (int16_t s : samples) le16(bytes, uint16_t(s));
    ok = ok && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

void Os_Sound_Set_Aus(bool a) { aus = a; }
void Os_Sound_Set_Headless(bool h) { headless_gesetzt = h ? 1 : 0; }

bool Os_Sound_Open()
{
    if (offen) return true;
    if (aus) return false;
    if (headless_gesetzt >= 0) headless = headless_gesetzt == 1;
    else {
        const char* h = std::getenv("DORVIN_HEADLESS");
        headless = h && std::strcmp(h, "1") == 0;
    }
    {
        std::lock_guard<std::mutex> lock(sperre);
        for (auto& p : puffer) p = Puffer{};
    }
    advance_ms = advance_frames = 0;
    aufnahme.clear();
    aufnahme_an = false;
    if (headless) {
        const char* pfad = std::getenv("DORVIN_SOUND_WAV");
        if (pfad && *pfad) {
            aufnahme_an = true;
            aufnahme_pfad = pfad;
        }
        offen = true;
        return true;
    }
    if (!Os_Sdl_Laden() || Os_Sdl.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{}, have{};
    want.freq = int(OS_SOUND_RATE);
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = sdl_callback;
    geraet = Os_Sdl.SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (geraet == 0) {
        Os_Sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    offen = true;
    Os_Sdl.SDL_PauseAudioDevice(geraet, 0);
    return true;
}

void Os_Sound_Close()
{
    if (!offen) return;
    if (geraet != 0) {
        Os_Sdl.SDL_CloseAudioDevice(geraet);
        geraet = 0;
        Os_Sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    offen = false;
    std::array<Puffer, PUFFER_ANZAHL> alt;
    {
        std::lock_guard<std::mutex> lock(sperre);
        std::swap(alt, puffer);
    }
    if (aufnahme_an) {
        if (!wav_schreiben(aufnahme_pfad, aufnahme))
            std::fprintf(stderr, "Os_Sound: %s kann nicht geschrieben werden\n", aufnahme_pfad.c_str());
        aufnahme.clear();
        aufnahme_an = false;
    }
}

bool Os_Sound_Offen() { return offen; }

int Os_Sound_Buffer_Anlegen(const Os_Sound_Format& format, uint32_t bytes)
{
    if (!offen || bytes == 0 || format.rate == 0 || (format.channels != 1 && format.channels != 2) ||
        (format.bits != 8 && format.bits != 16))
        return -1;
    Puffer neu;
    neu.belegt = true;
    neu.format = format;
    neu.block = uint32_t(format.channels) * format.bits / 8;
    neu.daten.assign(bytes, format.bits == 8 ? 0x80 : 0);
    neu.frames = bytes / neu.block;
    neu.schritt = (uint64_t(format.rate) << 32) / OS_SOUND_RATE;
    std::lock_guard<std::mutex> lock(sperre);
    for (int i = 0; i < PUFFER_ANZAHL; ++i)
        if (!puffer[i].belegt) {
            puffer[i] = std::move(neu);
            return i;
        }
    return -1;
}

void Os_Sound_Buffer_Freigeben(int handle)
{
    Puffer alt;  // declared before the guard, so the samples are freed after the unlock
    std::lock_guard<std::mutex> lock(sperre);
    if (Puffer* p = finden(handle)) std::swap(alt, *p);
}

bool Os_Sound_Buffer_Schreiben(int handle, uint32_t offset, const void* data, uint32_t bytes)
{
    if (!data && bytes > 0) return false;
    std::lock_guard<std::mutex> lock(sperre);
    Puffer* p = finden(handle);
    if (!p || offset > p->daten.size()) return false;
    uint32_t n = std::min<uint32_t>(bytes, uint32_t(p->daten.size()) - offset);
    if (n > 0) std::memcpy(p->daten.data() + offset, data, n);
    return true;
}

bool Os_Sound_Buffer_Fuellen(int handle, uint32_t offset, uint8_t byte, uint32_t bytes)
{
    std::lock_guard<std::mutex> lock(sperre);
    Puffer* p = finden(handle);
    if (!p || offset > p->daten.size()) return false;
    uint32_t n = std::min<uint32_t>(bytes, uint32_t(p->daten.size()) - offset);
    std::memset(p->daten.data() + offset, byte, n);
    return true;
}

bool Os_Sound_Play(int handle, bool loop)
{
    std::lock_guard<std::mutex> lock(sperre);
    Puffer* p = finden(handle);
    if (!p) return false;
    p->spielt = true;
    p->loop = loop;
    return true;
}

bool Os_Sound_Stop(int handle)
{
    std::lock_guard<std::mutex> lock(sperre);
    Puffer* p = finden(handle);
    if (!p) return false;
    p->spielt = false;
    return true;
}

bool Os_Sound_Set_Volume(int handle, int32_t volume)
{
    std::lock_guard<std::mutex> lock(sperre);
    Puffer* p = finden(handle);
    if (!p) return false;
    p->volume = std::clamp<int32_t>(volume, -10000, 0);
    gain_setzen(*p);
    return true;
}

bool Os_Sound_Set_Pan(int handle, int32_t pan)
{
    std::lock_guard<std::mutex> lock(sperre);
    Puffer* p = finden(handle);
    if (!p) return false;
    p->pan = std::clamp<int32_t>(pan, -10000, 10000);
    gain_setzen(*p);
    return true;
}

bool Os_Sound_Laeuft(int handle)
{
    std::lock_guard<std::mutex> lock(sperre);
    Puffer* p = finden(handle);
    return p && p->spielt;
}

uint32_t Os_Sound_Position(int handle)
{
    std::lock_guard<std::mutex> lock(sperre);
    Puffer* p = finden(handle);
    if (!p) return 0;
    return uint32_t(p->pos >> 32) * p->block;
}

void Os_Sound_Mischen(int16_t* out, uint32_t frames)
{
    if (out) mischen(out, frames);
}

// Mixes what the clock has advanced to, into `ziel` when one is given.
static void headless_mischen(uint32_t milliseconds, std::vector<int16_t>* ziel)
{
    advance_ms += milliseconds;
    uint64_t soll = advance_ms * OS_SOUND_RATE / 1000;
    uint64_t frames = soll - advance_frames;
    advance_frames = soll;
    bool still = Os_Sound_Alle_Still();
    if (still && !ziel) return;  // silence for nobody
    // A second at a time: a long jump of the virtual clock needs no block of its own size.
    std::vector<int16_t> block;
    while (frames > 0) {
        uint32_t n = uint32_t(std::min<uint64_t>(frames, OS_SOUND_RATE));
        if (still) {
            ziel->insert(ziel->end(), size_t(n) * 2, int16_t(0));
        } else {
            block.resize(size_t(n) * 2);
            Os_Sound_Mischen(block.data(), n);
            if (ziel) ziel->insert(ziel->end(), block.begin(), block.end());
        }
        frames -= n;
    }
}

bool Os_Sound_Alle_Still()
{
    if (!offen) return true;
    std::lock_guard<std::mutex> lock(sperre);
    for (const auto& p : puffer)
        if (p.belegt && p.spielt && p.frames > 0) return false;
    return true;
}

void Os_Sound_Advance(uint32_t milliseconds)
{
    if (!offen || !headless) return;
    headless_mischen(milliseconds, aufnahme_an ? &aufnahme : nullptr);
}

bool Os_Sound_Render_Wav(const char* path, uint32_t milliseconds)
{
    if (!path || !offen || !headless) return false;
    std::vector<int16_t> samples;
    headless_mischen(milliseconds, &samples);
    if (aufnahme_an) aufnahme.insert(aufnahme.end(), samples.begin(), samples.end());
    return wav_schreiben(path, samples);
}
