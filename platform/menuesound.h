// Menu sounds: looping background sounds of the menus, seven from the screen resource file
// (numbers 0-6) and up to 14 WAV files that the user puts into the menu-sounds folder
// (numbers 7-20, in name order).
#pragma once
#include <cstdint>

constexpr int MENUESOUND_RESOURCEN = 7;
constexpr int32_t MENUESOUND_RESOURCE_BASIS = 1609;
constexpr int MENUESOUND_DATEIEN_MAX = 14;
constexpr int MENUESOUND_NAME_LAENGE = 256;

// The menu-sounds folder ("menu_sounds" under the program folder); start-up sets it.
void Menuesound_Set_Ordner(const char* ordner);

// Rebuilds the list of the user's menu-sound files; the count (at most 14). A file without a
// good WAV header is reported to the user and left out.
int Menuesound_Liste_Laden();
void Menuesound_Liste_Freigeben();
int Menuesound_Anzahl();
bool Menuesound_Gueltig(int index);
// The 256-byte name entry, NULL when out of range or without list.
const char* Menuesound_Get_Name(int index);

// Starts menu sound n looping; the playing id (-1 none), or 1 when n is already playing.
int Menuesound_Play(int n, uint8_t unbenutzt);
// Stops and frees the playing menu sound.
void Menuesound_Stop(uint8_t unbenutzt);
int Menuesound_Id();
void Menuesound_Leise();
void Menuesound_Laut();
