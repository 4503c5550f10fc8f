#include "platform/mem.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>

#include "platform/win95.h"

void* Mem_Alloc(uint32_t size, uint32_t /*tag*/)
{
    // malloc(0) may answer NULL; callers treat NULL as exhaustion, so always ask for a byte.
    return std::malloc(size ? size : 1);
}

void* Mem_Alloc_Clear(uint32_t size, uint32_t tag, uint8_t fill)
{
    // Memory fresh from the system is zero already: calloc knows when it need not clear.
    if (fill == 0) return std::calloc(size ? size : 1, 1);
    void* block = Mem_Alloc(size, tag);
    if (block) std::memset(block, fill, size);
    return block;
}

void* Mem_Free(void* block, uint32_t /*tag*/)
{
    std::free(block);
    return nullptr;
}

static uint32_t read_u32(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

static void write_u32(uint8_t* p, uint32_t v) { std::memcpy(p, &v, 4); }

void* Mem_Alloc_Guarded(uint32_t size, uint32_t /*tag*/)
{
    if (size == 0 || size > 0xFFFFFFFFu - 24) return nullptr;
    uint32_t total = size + 24;
    auto* start = static_cast<uint8_t*>(std::malloc(total));
    if (!start) return nullptr;
    write_u32(start, total);
    write_u32(start + 4, MEM_GUARD);
    write_u32(start + total - 8, MEM_GUARD);
    return start + 16;
}

void* Mem_Free_Guarded(void* data, uint32_t /*tag*/, const char* name)
{
    if (!data) return nullptr;
    auto* start = static_cast<uint8_t*>(data) - 16;
    uint32_t total = read_u32(start);
    // A size word that does not fit the block means the header was overwritten: reading the
    // trailing guard through it would leave the block.
    bool size_ok = total >= 24 && total <= malloc_usable_size(start);
    if (read_u32(start + 4) != MEM_GUARD || !size_ok)
        Win95_Meldung("Speicherschreiber (buffer underrun) in %s", name ? name : "");
    else if (read_u32(start + total - 8) != MEM_GUARD)
        Win95_Meldung("Speicherschreiber (buffer overrun) in %s", name ? name : "");
    std::free(start);
    return nullptr;
}

int Mem_Stat_Init(uint32_t) { return 1; }
int Mem_Stat_DeInit() { return 1; }
int Mem_Get_Stat_Stub() { return 0; }
void Mem_Get_Info(int32_t*, int32_t*, int32_t*, int32_t*, int32_t*) {}
int Mem_Get_Basis() { return 0; }
int Mem_Get_Block_Info(int32_t, int32_t*, int32_t) { return 0; }
int Mem_Belegt() { return 0; }
int Mem_Anz_Bloecke() { return 0; }
int Mem_Anz_Fragmente() { return 0; }
