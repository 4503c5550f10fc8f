// The sound interface: the only entry to the sound layer for the rest of the program. It knows
// whether sound is available and refuses every request when it is not, and it checks sample
// ids (0 .. slot count - 1, -1 = none). Window thread only.
#pragma once
#include <cstdint>
#include <cstdio>

// Starts the layer once; the layer's result (1 ready, 0 no sound), 0 when already started.
int Sound_Init();
// Releases the layer when sound is available; 1.
int Sound_DeInit();
// 1 = playing; 0. The third argument is not used.
int Sound_Play(int id, int loop, int unbenutzt, int32_t volume, int32_t pan);
int Sound_Stop(int id);
int Sound_Set_Volume(int id, int32_t volume);
// A sample from a WAV image of `length` bytes (copied; the image may be freed). Id or -1.
int Sound_Load_Sample(const void* image, uint32_t length);
// Frees the sample; -1 in every case, for the caller to store as its id.
int Sound_Free_Sample(int id);
int Sound_Is_Playing(int id);
// Keeps the streaming sound going; the event step calls it often. When the stream has ended
// the streaming id goes back to -1.
void Sound_Stream_Service();
// Streams a WAV from a file positioned at its header; `length` counts header and data. Only
// when no stream runs: the stream's id, else -1.
int Sound_Stream_Start(std::FILE* file, uint32_t length);
// 1; -1 without sound.
int Sound_Stream_Stop();
int Sound_Stream_Id();

int32_t Sound_Volume_Min();
int32_t Sound_Volume_Max();
int32_t Sound_Pan_Links();
int32_t Sound_Pan_Rechts();
bool Sound_Id_Gueltig(int id);
// 0 without sound, -1 for a bad id, 1.
int Sound_Id_Pruefen(int id);
uint32_t Sound_Get_Position(int id);
// Reads a whole WAV file into a sample; the id, -1 when the file cannot be read.
int Sound_Load_File(const char* path);
// Length of an open file; its position is kept.
uint32_t Sound_Datei_Laenge(std::FILE* file);
