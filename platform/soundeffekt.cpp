#include "platform/soundeffekt.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "platform/mem.h"
#include "platform/menuesound.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/sound.h"

static Soundeffekt_Slot slots[SOUNDEFFEKT_ANZAHL] = {
    {1584, 1, -1, -500, -500, 0, nullptr}, {1585, 1, -1, -500, -500, 0, nullptr},
    {1586, 1, -1, -500, -500, 0, nullptr}, {1587, 1, -1, -500, -500, 0, nullptr},
    {1588, 1, -1, -500, -500, 0, nullptr}, {1589, 1, -1, -500, -500, 0, nullptr},
    {1590, 1, -1, -500, -500, 0, nullptr}, {1603, 2, -1, -800, -800, 0, nullptr},
    {1604, 1, -1, -500, -500, 0, nullptr}, {1605, 1, -1, -500, -500, 0, nullptr},
    {1606, 1, -1, -500, -500, 0, nullptr}, {1607, 1, -1, -500, -500, 0, nullptr},
    {1608, 1, -1, -500, -500, 0, nullptr},
};
static uint32_t geladen = 0;
static Soundeffekt_Resource_Lader resource_lader = nullptr;

void Soundeffekt_Set_Resource_Lader(Soundeffekt_Resource_Lader lader) { resource_lader = lader; }

// The one place where sound data come out of a resource file: the type-16 block, as long as
// the entry's stored size says (the WAV header's data size is not trusted).
bool Soundeffekt_Resource_Holen(int32_t resfile_handle, int32_t nummer, std::vector<uint8_t>& daten)
{
    daten.clear();
    if (resource_lader) return resource_lader(resfile_handle, nummer, daten) && !daten.empty();
    // The type is only stored for an entry that exists.
    constexpr int32_t KEIN_EINTRAG = INT32_MIN;
    int32_t typ = KEIN_EINTRAG;
    std::FILE* f = Seek_Resource(resfile_handle, nummer, &typ);
    uint8_t n[4];
    // No entry at that number stays silent; an entry that is no data block, or whose data lie
    // outside the file, is reported.
    if (!f && typ == KEIN_EINTRAG) return false;
    if (!f || typ != RES_DATEN || std::fread(n, 1, 4, f) != 4) {
        Print_Fehler("Soundeffekt: Resource %d ist kein Sound", int(nummer));
        return false;
    }
    uint32_t groesse = uint32_t(n[0]) | uint32_t(n[1]) << 8 | uint32_t(n[2]) << 16 | uint32_t(n[3]) << 24;
    // The loader checks the size against the file before it reads the block.
    auto* block = static_cast<uint8_t*>(Load_Resource(resfile_handle, nummer, 0, nullptr));
    if (!block) return false;
    daten.assign(block, block + groesse);
    Mem_Free(block, 0);
    if (daten.empty()) Print_Fehler("Soundeffekt: Resource %d ist kein Sound", int(nummer));
    return !daten.empty();
}

static bool slot_gueltig(int n) { return n >= 0 && n < SOUNDEFFEKT_ANZAHL; }

int Soundeffekt_Load_All(int32_t resfile_handle)
{
    if (geladen) return 1;
    for (auto& s : slots) {
        if (s.resource < 0) continue;
        std::vector<uint8_t> block;
        if (!Soundeffekt_Resource_Holen(resfile_handle, s.resource, block)) continue;
        s.daten = block.data();
        s.sample = Sound_Load_Sample(block.data(), uint32_t(block.size()));
        s.daten = nullptr;
    }
    geladen = 1;
    Menuesound_Liste_Laden();
    return int(geladen);
}

int Soundeffekt_Free_All()
{
    if (geladen) {
        for (auto& s : slots) {
            s.sample = Sound_Free_Sample(s.sample);
            s.looping = 0;
        }
        geladen = 0;
    }
    Menuesound_Liste_Freigeben();
    return 0;
}

bool Soundeffekt_Geladen() { return geladen != 0; }

const Soundeffekt_Slot* Soundeffekt_Get_Slot(int n) { return slot_gueltig(n) ? &slots[n] : nullptr; }

int32_t Soundeffekt_Pan(int32_t x)
{
    int64_t pan = (int64_t(x) - 320) * 15;
    return int32_t(std::clamp<int64_t>(pan, Sound_Pan_Links(), Sound_Pan_Rechts()));
}

int Soundeffekt_Play_Pos(int n, int32_t x)
{
    if (!slot_gueltig(n) || !geladen || slots[n].typ != SOUNDEFFEKT_POSITION) return 0;
    return Sound_Play(slots[n].sample, 0, 0, slots[n].volume, Soundeffekt_Pan(x));
}

int Soundeffekt_Play(int n)
{
    if (!slot_gueltig(n) || !geladen || slots[n].typ != SOUNDEFFEKT_EINMAL) return 0;
    return Sound_Play(slots[n].sample, 0, 0, slots[n].volume, 0);
}

void Soundeffekt_Start_Loop(int n)
{
    if (!slot_gueltig(n) || !geladen || slots[n].typ != SOUNDEFFEKT_LOOP) return;
    if (Sound_Play(slots[n].sample, 1, 0, slots[n].volume, 0)) slots[n].looping = 1;
}

void Soundeffekt_Stop_Loop(int n)
{
    if (!slot_gueltig(n) || slots[n].typ != SOUNDEFFEKT_LOOP) return;
    slots[n].looping = 0;
    Sound_Stop(slots[n].sample);
}

void Soundeffekt_Stop_All_Loops()
{
    for (int n = 0; n < SOUNDEFFEKT_ANZAHL; ++n)
        if (slots[n].typ == SOUNDEFFEKT_LOOP && slots[n].looping) Soundeffekt_Stop_Loop(n);
}

static int32_t volume_begrenzen(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, Sound_Volume_Min(), Sound_Volume_Max()));
}

static int volume_typ(int32_t typ, int32_t offset)
{
    if (!geladen) return 0;
    for (auto& s : slots)
        if (s.typ == typ) s.volume = volume_begrenzen(int64_t(s.default_volume) + offset);
    return 1;
}

int Soundeffekt_Volume_Typ1(int32_t offset) { return volume_typ(SOUNDEFFEKT_POSITION, offset); }
int Soundeffekt_Volume_Typ2(int32_t offset) { return volume_typ(SOUNDEFFEKT_LOOP, offset); }
int Soundeffekt_Volume_Typ3(int32_t offset) { return volume_typ(SOUNDEFFEKT_EINMAL, offset); }

void Soundeffekt_Block_Schreiben(uint8_t* block)
{
    if (!block) return;
    for (int n = 0; n < SOUNDEFFEKT_ANZAHL; ++n) {
        uint32_t v = uint32_t(slots[n].volume);
        for (int b = 0; b < 4; ++b) block[4 * n + b] = uint8_t(v >> (8 * b));
    }
}

static int32_t bildschirm_resfile() { return ResFile_Handles[0].handle; }

bool Soundeffekt_Block_Lesen(const uint8_t* block, uint32_t length)
{
    // A savegame's volumes belong to loaded effects: load them first, as a game start would.
    if (!geladen) Soundeffekt_Load_All(bildschirm_resfile());
    if (!block || length < SOUNDEFFEKT_BLOCK_GROESSE) return false;
    for (int n = 0; n < SOUNDEFFEKT_ANZAHL; ++n) {
        const uint8_t* p = block + 4 * n;
        uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
        slots[n].volume = volume_begrenzen(int32_t(v));
    }
    return true;
}
