#include "platform/os/os_sdl_laden.h"

#include <dlfcn.h>

#include <cstdio>
#include <mutex>

Os_Sdl_Tabelle Os_Sdl;

namespace {
std::once_flag einmal;
bool geladen = false;

bool laden()
{
    void* bib = nullptr;
    for (const char* name : {"libSDL2-2.0.so.0", "libSDL2.so"})
        if ((bib = dlopen(name, RTLD_NOW | RTLD_LOCAL))) break;
    if (!bib) {
        const char* grund = dlerror();
        std::fprintf(stderr, "dorvin: SDL2 nicht ladbar (libSDL2-2.0.so.0): %s\n", grund ? grund : "?");
        return false;
    }
    Os_Sdl_Tabelle t;
    bool alle = true;
#define OS_SDL_HOLEN(name)                                                                       \
    t.name = reinterpret_cast<decltype(t.name)>(dlsym(bib, #name));                             \
    if (!t.name) {                                                                               \
        std::fprintf(stderr, "dorvin: SDL2 ohne %s\n", #name);                                   \
        alle = false;                                                                            \
    }
    OS_SDL_FUNKTIONEN(OS_SDL_HOLEN)
#undef OS_SDL_HOLEN
    if (!alle) {
        dlclose(bib);
        return false;
    }
    Os_Sdl = t;
    return true;
}
}  // namespace

bool Os_Sdl_Laden()
{
    std::call_once(einmal, [] { geladen = laden(); });
    return geladen;
}
