#include "platform/win95_sound.h"
#include "platform/bytes.h"

#include <algorithm>
#include <vector>

#include "platform/print.h"
#include "platform/os/os_sound.h"
#include "platform/os/os_file.h"

// WAV image as the layer reads it: a 44-byte header at fixed offsets, then the sample data.
//   0 "RIFF"   4 file size   8 "WAVE"   12 "fmt "   16 format chunk size
//   20 u16 format tag (1)   22 u16 channels   24 u32 rate   28 u32 byte rate
//   32 u16 block align   34 u16 bits   36 "data"   40 u32 data size
// All values little-endian.

namespace {

constexpr int LOG_STREAM = 0x0E70;

struct Slot {
    int puffer = -1;  // device buffer, -1 = free slot
    uint32_t groesse = 0;
    int32_t volume = 0;
    int32_t pan = 0;
};

Slot tabelle[WIN95_SOUND_SLOTS];
bool geraet = false;

// The one stream.
std::FILE* stream_datei = nullptr;
uint32_t stream_rest = 0;
int stream_slot = -1;
int stream_halb = 0;      // half to fill next
int stream_ende = 0;      // quarter at which the end phase acts
int stream_tail = 0;
int stream_service = 0;   // refuses re-entry
uint8_t stream_fuell = 0; // silence of the stream's sample format

bool magic(const uint8_t* p, const char* m) { return p[0] == m[0] && p[1] == m[1] && p[2] == m[2] && p[3] == m[3]; }

bool gueltig(int id) { return geraet && id >= 0 && id < WIN95_SOUND_SLOTS && tabelle[id].puffer >= 0; }

int freier_slot()
{
    for (int i = 0; i < WIN95_SOUND_SLOTS; ++i)
        if (tabelle[i].puffer < 0) return i;
    return -1;
}

// Makes the device buffer of a slot; false leaves the slot free.
bool slot_anlegen(int id, const Win95_Wav_Format& f, uint32_t groesse)
{
    Os_Sound_Format of{f.rate, f.channels, f.bits};
    int h = Os_Sound_Buffer_Anlegen(of, groesse);
    if (h < 0) return false;
    tabelle[id] = Slot{h, groesse, 0, 0};
    return true;
}

// Fills one half of the stream's ring: silence first, then as much data as the file gives.
// A short read counts as the end of the data.
bool stream_haelfte_fuellen(int halb)
{
    int h = tabelle[stream_slot].puffer;
    uint32_t start = halb ? WIN95_STREAM_HAELFTE : 0;
    std::vector<uint8_t> block(WIN95_STREAM_HAELFTE, stream_fuell);
    uint32_t soll = std::min(stream_rest, WIN95_STREAM_HAELFTE);
    size_t gelesen = soll ? std::fread(block.data(), 1, soll, stream_datei) : 0;
    stream_rest = gelesen < soll ? 0 : stream_rest - soll;
    return Os_Sound_Buffer_Schreiben(h, start, block.data(), WIN95_STREAM_HAELFTE);
}

bool stream_haelfte_stumm(int halb)
{
    return Os_Sound_Buffer_Fuellen(tabelle[stream_slot].puffer, halb ? WIN95_STREAM_HAELFTE : 0,
                                   stream_fuell, WIN95_STREAM_HAELFTE);
}

void stream_vergessen()
{
    stream_datei = nullptr;
    stream_rest = 0;
    int slot = stream_slot;
    stream_slot = -1;
    Win95_Sound_Free(slot);
}

}  // namespace

bool Win95_Sound_Wav_Lesen(const uint8_t* image, uint32_t length, Win95_Wav_Format* format)
{
    if (!image || length < WIN95_SOUND_WAV_KOPF) return false;
    if (!magic(image, "RIFF") || !magic(image + 8, "WAVE") || !magic(image + 12, "fmt ") ||
        !magic(image + 36, "data"))
        return false;
    Win95_Wav_Format f;
    f.format_tag = Bytes_Hole16(image + 20);
    f.channels = Bytes_Hole16(image + 22);
    f.rate = Bytes_Hole32(image + 24);
    f.byte_rate = Bytes_Hole32(image + 28);
    f.block_align = Bytes_Hole16(image + 32);
    f.bits = Bytes_Hole16(image + 34);
    f.data_size = Bytes_Hole32(image + 40);
    if (f.format_tag != 1 || f.channels < 1 || f.channels > 2 || (f.bits != 8 && f.bits != 16) ||
        f.rate == 0)
        return false;
    // The frame size follows from channels and bits; a stored block alignment is not trusted.
    uint32_t block = uint32_t(f.channels) * f.bits / 8;
    f.data_size = std::min(f.data_size, length - WIN95_SOUND_WAV_KOPF);
    f.data_size -= f.data_size % block;
    if (f.data_size == 0) return false;
    if (format) *format = f;
    return true;
}

int Win95_Sound_Create()
{
    if (!Os_Sound_Open()) {
        geraet = false;
        return 0;
    }
    for (auto& s : tabelle) s = Slot{};
    stream_datei = nullptr;
    stream_slot = -1;
    stream_tail = stream_service = 0;
    geraet = true;
    return 1;
}

int Win95_Sound_Release()
{
    if (geraet) {
        for (int i = 0; i < WIN95_SOUND_SLOTS; ++i) Win95_Sound_Free(i);
        stream_datei = nullptr;
        stream_slot = -1;
        Os_Sound_Close();
    }
    geraet = false;
    return 1;
}

int Win95_Sound_Sample_Anlegen(const void* image, uint32_t length, int32_t volume, int32_t pan,
                               int32_t /*streamed*/)
{
    if (!image || !geraet) return -1;
    int id = freier_slot();
    if (id < 0) return -1;
    Win95_Wav_Format f;
    const uint8_t* bytes = static_cast<const uint8_t*>(image);
    if (!Win95_Sound_Wav_Lesen(bytes, length, &f)) {
        Print_Fehler("Win95_Sound_Sample_Anlegen: WAV-Kopf fehlerhaft");
        return -1;
    }
    if (!slot_anlegen(id, f, f.data_size)) return -1;
    Win95_Sound_Sample_Fuellen(id, bytes + WIN95_SOUND_WAV_KOPF, f.data_size);
    Win95_Sound_Set_Volume(id, volume);
    Win95_Sound_Set_Pan(id, pan);
    return id;
}

int Win95_Sound_Sample_Fuellen(int id, const void* data, uint32_t length)
{
    if (!gueltig(id) || !data) return 0;
    return Os_Sound_Buffer_Schreiben(tabelle[id].puffer, 0, data, std::min(length, tabelle[id].groesse)) ? 1 : 0;
}

int Win95_Sound_Play(int id, int loop, int32_t volume, int32_t pan)
{
    if (!gueltig(id)) return 0;
    Win95_Sound_Set_Volume(id, volume);
    Win95_Sound_Set_Pan(id, pan);
    return Os_Sound_Play(tabelle[id].puffer, loop != 0) ? 1 : 0;
}

int Win95_Sound_Stop(int id)
{
    if (!gueltig(id)) return 0;
    return Os_Sound_Stop(tabelle[id].puffer) ? 1 : 0;
}

int Win95_Sound_Set_Volume(int id, int32_t volume)
{
    if (!gueltig(id)) return 0;
    tabelle[id].volume = std::clamp<int32_t>(volume, Win95_Sound_Volume_Min(), Win95_Sound_Volume_Max());
    Os_Sound_Set_Volume(tabelle[id].puffer, tabelle[id].volume);
    return 1;
}

int Win95_Sound_Set_Pan(int id, int32_t pan)
{
    if (!gueltig(id)) return 0;
    tabelle[id].pan = std::clamp<int32_t>(pan, Win95_Sound_Pan_Links(), Win95_Sound_Pan_Rechts());
    Os_Sound_Set_Pan(tabelle[id].puffer, tabelle[id].pan);
    return 1;
}

int32_t Win95_Sound_Get_Volume(int id) { return gueltig(id) ? tabelle[id].volume : Win95_Sound_Volume_Min(); }
int32_t Win95_Sound_Get_Pan(int id) { return gueltig(id) ? tabelle[id].pan : 0; }

int Win95_Sound_Restore(int id) { return gueltig(id) ? 1 : 0; }

int Win95_Sound_Free(int id)
{
    if (!gueltig(id)) return -1;
    Os_Sound_Buffer_Freigeben(tabelle[id].puffer);
    tabelle[id] = Slot{};
    return -1;
}

int Win95_Sound_Is_Playing(int id) { return gueltig(id) && Os_Sound_Laeuft(tabelle[id].puffer) ? 1 : 0; }

uint32_t Win95_Sound_Get_Position(int id) { return gueltig(id) ? Os_Sound_Position(tabelle[id].puffer) : 0; }

int Win95_Sound_Anzahl_Slots() { return WIN95_SOUND_SLOTS; }
int Win95_Sound_Wav_Header_Groesse() { return int(WIN95_SOUND_WAV_KOPF); }

int Win95_Sound_Wav_Pruefen(const char* path)
{
    std::FILE* f = path ? Os_File_Open(path, "rb") : nullptr;
    if (!f) return 0;
    // The header and the file's length are enough: the data check only needs to know that
    // at least one frame follows.
    uint8_t kopf[WIN95_SOUND_WAV_KOPF + 4] = {};
    size_t n = std::fread(kopf, 1, WIN95_SOUND_WAV_KOPF, f);
    std::fseek(f, 0, SEEK_END);
    long laenge = std::ftell(f);
    std::fclose(f);
    if (n != WIN95_SOUND_WAV_KOPF || laenge <= 0) return 0;
    uint32_t bis = uint32_t(std::min<long>(laenge, long(sizeof kopf)));
    return Win95_Sound_Wav_Lesen(kopf, bis, nullptr) ? 1 : 0;
}

int32_t Win95_Sound_Volume_Max() { return 0; }
int32_t Win95_Sound_Volume_Min() { return -10000; }
int32_t Win95_Sound_Pan_Links() { return -10000; }
int32_t Win95_Sound_Pan_Rechts() { return 10000; }

int Win95_Stream_Start(std::FILE* file, uint32_t length)
{
    if (!file || stream_datei || !geraet) return -1;
    stream_tail = 0;
    int id = freier_slot();
    if (id < 0) return -1;
    uint8_t kopf[WIN95_SOUND_WAV_KOPF + 4] = {};
    // The data are read later from the file; the header only has to name a PCM format.
    Win95_Wav_Format f;
    if (length <= WIN95_SOUND_WAV_KOPF || std::fread(kopf, 1, WIN95_SOUND_WAV_KOPF, file) != WIN95_SOUND_WAV_KOPF ||
        !Win95_Sound_Wav_Lesen(kopf, sizeof kopf, &f)) {
        Print_Log(LOG_STREAM, "Stream Sound: WAV-Kopf fehlerhaft");
        return -1;
    }
    if (!slot_anlegen(id, f, WIN95_STREAM_PUFFER)) return -1;
    stream_datei = file;
    stream_slot = id;
    stream_rest = length - WIN95_SOUND_WAV_KOPF;
    stream_fuell = f.bits == 8 ? 0x80 : 0;
    stream_ende = 0;
    if (!stream_haelfte_fuellen(0)) {
        stream_vergessen();
        return -1;
    }
    if (stream_rest == 0) stream_ende = 1;
    stream_halb = 1;
    Win95_Sound_Set_Volume(id, 0);
    Win95_Sound_Set_Pan(id, 0);
    Os_Sound_Play(tabelle[id].puffer, true);
    return id;
}

int Win95_Stream_Service(int id)
{
    if (stream_service) {
        Print_Log(LOG_STREAM, "Stream Sound: Reentrant!");
        return 0;
    }
    if (!stream_datei || id != stream_slot) {
        Print_Log(LOG_STREAM, "Stream Sound: stream_fp?");
        return 0;
    }
    ++stream_service;
    int ergebnis = 1;
    uint32_t q = Os_Sound_Position(tabelle[stream_slot].puffer) / WIN95_STREAM_VIERTEL;
    if (stream_rest == 0) {
        if (int(q) == stream_ende) {
            if (stream_tail == 0) {
                stream_tail = 1;
                stream_ende = (stream_ende + 1) % 4;
                if (!stream_haelfte_stumm(stream_ende >= 2 ? 1 : 0)) ergebnis = 0;
            } else {
                // The last data have sounded: the stream ends and gives its slot back.
                Os_Sound_Stop(tabelle[stream_slot].puffer);
                stream_vergessen();
                ergebnis = 0;
            }
        }
    } else if (q == 2 && stream_halb == 0) {
        if (!stream_haelfte_fuellen(0)) ergebnis = 0;
        if (stream_rest == 0) stream_ende = 1;
        stream_halb = 1;
    } else if (q == 0 && stream_halb == 1) {
        if (!stream_haelfte_fuellen(1)) ergebnis = 0;
        if (stream_rest == 0) stream_ende = 3;
        stream_halb = 0;
    }
    --stream_service;
    return ergebnis;
}

void Win95_Stream_Stop(int /*id*/)
{
    stream_tail = 0;
    if (stream_datei && !stream_service) stream_vergessen();
}
