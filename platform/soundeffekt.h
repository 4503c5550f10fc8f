// The 13 effect slots: short interface sounds (clicks, requester sounds) from the screen
// resource file, played panned by the screen x position, their volumes kept in savegames.
#pragma once
#include <cstdint>
#include <vector>

struct Disk_Datei;

constexpr int SOUNDEFFEKT_ANZAHL = 13;
// Savegame block: 13 x i32 current volume, little-endian, in slot order.
constexpr uint32_t SOUNDEFFEKT_BLOCK_GROESSE = 52;

enum : int32_t {
    SOUNDEFFEKT_POSITION = 1,  // one-shot, panned by screen x
    SOUNDEFFEKT_LOOP = 2,
    SOUNDEFFEKT_EINMAL = 3,    // one-shot, centred
};

struct Soundeffekt_Slot {
    int32_t resource;        // entry of the screen resource file, < 0 = no sound
    int32_t typ;
    int32_t sample;          // -1 = not loaded
    int32_t default_volume;  // hundredths of a decibel
    int32_t volume;          // used to play
    int32_t looping;         // 1 while a loop runs
    const void* daten;       // the resource block while the sample is made
};

// Loads every effect once; then rebuilds the menu-sound list. Returns the loaded flag.
int Soundeffekt_Load_All(int32_t resfile_handle);
// Frees every sample and the menu-sound list; 0.
int Soundeffekt_Free_All();
bool Soundeffekt_Geladen();
const Soundeffekt_Slot* Soundeffekt_Get_Slot(int n);

// Pan for a screen x: (x - 320) x 15, kept within -10000..10000.
int32_t Soundeffekt_Pan(int32_t x);
// Positional one-shots only; the sound layer's result, 0 for another type, a slot outside 0-12
// or a table that is not loaded.
int Soundeffekt_Play_Pos(int n, int32_t x);
// Centred one-shots only.
int Soundeffekt_Play(int n);
void Soundeffekt_Start_Loop(int n);
void Soundeffekt_Stop_Loop(int n);
void Soundeffekt_Stop_All_Loops();
// Current volume = default + offset for every slot of the type; 0 when not loaded, else 1.
int Soundeffekt_Volume_Typ1(int32_t offset);
int Soundeffekt_Volume_Typ2(int32_t offset);
int Soundeffekt_Volume_Typ3(int32_t offset);

// The savegame block as bytes. Reading loads the effects when they are not loaded, then takes
// the volumes back clamped to -10000..0; false for no or a short block (volumes unchanged).
void Soundeffekt_Block_Schreiben(uint8_t* block);
bool Soundeffekt_Block_Lesen(const uint8_t* block, uint32_t length);
// Savegame: nothing for a NULL file.
void Soundeffekt_Write_Savegame(Disk_Datei* datei);
void Soundeffekt_Read_Savegame(Disk_Datei* datei);

// The resource fetch of the sound modules: the WAV image of a type-16 entry, or false.
bool Soundeffekt_Resource_Holen(int32_t resfile_handle, int32_t nummer, std::vector<uint8_t>& daten);
// Tests put WAV images in place of the resource file.
using Soundeffekt_Resource_Lader = bool (*)(int32_t resfile_handle, int32_t nummer, std::vector<uint8_t>& daten);
void Soundeffekt_Set_Resource_Lader(Soundeffekt_Resource_Lader lader);
