#include "platform/handle.h"

#include <unordered_map>

#include "platform/print.h"

namespace {

struct Eintrag {
    void* objekt;
    Handle_Art art;
};

std::unordered_map<uint32_t, Eintrag>& handles()
{
    static std::unordered_map<uint32_t, Eintrag> m;
    return m;
}

std::unordered_map<const void*, uint32_t>& objekte()
{
    static std::unordered_map<const void*, uint32_t> m;
    return m;
}

// Handles count up and are not reused until the counter wraps, so that a stale handle in an
// old text does not silently name a newer object.
uint32_t naechster = 0x00010000u;

constexpr uint32_t HANDLE_MAX_ANZAHL = 1u << 20;

}  // namespace

uint32_t Handle_Registrieren(void* objekt, Handle_Art art)
{
    if (!objekt) {
        Print_Fehler("Handle_Registrieren: objekt=NULL!\n");
        return 0;
    }
    auto& h = handles();
    auto it = objekte().find(objekt);
    if (it != objekte().end()) {
        Eintrag& e = h[it->second];
        e.art = art;
        return it->second;
    }
    if (h.size() >= HANDLE_MAX_ANZAHL) {
        Print_Fehler("Handle_Registrieren: Tabelle voll!\n");
        return 0;
    }
    uint32_t handle = naechster;
    while (handle == 0 || h.count(handle)) ++handle;
    naechster = handle + 1;
    h[handle] = {objekt, art};
    objekte()[objekt] = handle;
    return handle;
}

void* Handle_Aufloesen(uint32_t handle, Handle_Art art)
{
    if (!handle) return nullptr;
    auto& h = handles();
    auto it = h.find(handle);
    if (it == h.end() || it->second.art != art) return nullptr;
    return it->second.objekt;
}

void Handle_Freigeben(uint32_t handle)
{
    auto& h = handles();
    auto it = h.find(handle);
    if (it == h.end()) return;
    objekte().erase(it->second.objekt);
    h.erase(it);
}

void Handle_Objekt_Freigeben(const void* objekt)
{
    if (!objekt) return;
    auto it = objekte().find(objekt);
    if (it == objekte().end()) return;
    handles().erase(it->second);
    objekte().erase(it);
}

uint32_t Handle_Anzahl() { return uint32_t(handles().size()); }
