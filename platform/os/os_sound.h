// The sound device of the operating-system layer: sound buffers (PCM, 8 or 16 bit, mono or
// stereo, any rate) mixed by the program's own mixer into one 44.1 kHz 16-bit stereo output.
// SDL back end: the mixer runs in SDL's audio callback. Headless back end: nothing is heard;
// the mixer runs when Os_Sound_Advance is called, so play positions move exactly as far as the
// virtual clock says. With no device, or sound switched off, Os_Sound_Open fails and every call
// is a quiet no-op.
#pragma once
#include <cstdint>

constexpr uint32_t OS_SOUND_RATE = 44100;

struct Os_Sound_Format {
    uint32_t rate;      // frames per second
    uint16_t channels;  // 1 or 2
    uint16_t bits;      // 8 (unsigned) or 16 (signed, little-endian)
};

// Switches (start-up wires the command line to them): no sound at all; the headless back end
// instead of a device (also chosen by DORVIN_HEADLESS=1).
void Os_Sound_Set_Aus(bool aus);
void Os_Sound_Set_Headless(bool headless);

// Opens the device (or the headless mixer). False: no sound. In headless mode the environment
// variable DORVIN_SOUND_WAV=path records everything mixed and writes it as a WAV at close.
bool Os_Sound_Open();
void Os_Sound_Close();
bool Os_Sound_Offen();

// Buffers: a handle >= 0, or -1. A new buffer holds silence, is stopped at position 0, full
// volume, centred.
int Os_Sound_Buffer_Anlegen(const Os_Sound_Format& format, uint32_t bytes);
void Os_Sound_Buffer_Freigeben(int handle);
// Copies bytes into the buffer at a byte offset (cut at the buffer's end); false for a bad
// handle or an offset outside.
bool Os_Sound_Buffer_Schreiben(int handle, uint32_t offset, const void* data, uint32_t bytes);
bool Os_Sound_Buffer_Fuellen(int handle, uint32_t offset, uint8_t byte, uint32_t bytes);

// Plays from the current position; a one-shot that reaches its end stops and rewinds to 0.
bool Os_Sound_Play(int handle, bool loop);
// Stops and keeps the position.
bool Os_Sound_Stop(int handle);
// Volume in hundredths of a decibel (0 .. -10000), pan -10000 (left) .. 10000 (right): the pan
// attenuates the other side by |pan| hundredths of a decibel.
bool Os_Sound_Set_Volume(int handle, int32_t volume);
bool Os_Sound_Set_Pan(int handle, int32_t pan);
bool Os_Sound_Laeuft(int handle);
// True when no buffer is playing (or there is no sound at all).
bool Os_Sound_Alle_Still();
// Play cursor in bytes: what the buffer has given to the mixer since its start or last wrap.
uint32_t Os_Sound_Position(int handle);

// Headless: mixes this many milliseconds (the virtual clock calls it as it advances). Does
// nothing with a real device, whose callback mixes by itself.
void Os_Sound_Advance(uint32_t milliseconds);
// Headless: mixes this many milliseconds into a 44.1 kHz 16-bit stereo WAV file.
bool Os_Sound_Render_Wav(const char* path, uint32_t milliseconds);

// The mixer itself: writes the mix of every playing buffer into `frames` stereo frames and
// advances them. The SDL callback calls it; tests may call it to look at the output.
void Os_Sound_Mischen(int16_t* out, uint32_t frames);
