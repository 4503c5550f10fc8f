// SDL2 is opened at the first window, sound device or dialog, not at the program's start: a
// headless run never loads it, nor the fifty libraries it brings along. Every SDL function the
// layer calls goes through this table.
#pragma once
#include <SDL.h>

#define OS_SDL_FUNKTIONEN(X)                                                                           \
    X(SDL_CloseAudioDevice) X(SDL_CreateRenderer) X(SDL_CreateTexture) X(SDL_CreateWindow)             \
    X(SDL_Delay) X(SDL_DestroyRenderer) X(SDL_DestroyTexture) X(SDL_DestroyWindow)                     \
    X(SDL_GetClipboardText) X(SDL_GetError) X(SDL_GetModState) X(SDL_HasClipboardText) X(SDL_Init)     \
    X(SDL_InitSubSystem) X(SDL_OpenAudioDevice) X(SDL_PauseAudioDevice) X(SDL_PollEvent)               \
    X(SDL_PumpEvents) X(SDL_Quit) X(SDL_QuitSubSystem) X(SDL_RenderClear) X(SDL_RenderCopy)            \
    X(SDL_RenderDrawRect) X(SDL_RenderFillRect) X(SDL_RenderPresent) X(SDL_RenderSetLogicalSize)       \
    X(SDL_SetClipboardText) X(SDL_SetHint) X(SDL_SetRenderDrawColor) X(SDL_ShowCursor)                 \
    X(SDL_ShowMessageBox) X(SDL_ShowSimpleMessageBox) X(SDL_StartTextInput) X(SDL_StopTextInput)       \
    X(SDL_UpdateTexture) X(SDL_WaitEventTimeout) X(SDL_free)

struct Os_Sdl_Tabelle {
#define OS_SDL_FELD(name) decltype(&::name) name = nullptr;
    OS_SDL_FUNKTIONEN(OS_SDL_FELD)
#undef OS_SDL_FELD
};
extern Os_Sdl_Tabelle Os_Sdl;

// Loads the library and all its functions, once; false, with a message on standard error the
// first time, when it cannot (then no function of the table may be called).
bool Os_Sdl_Laden();
