#include "platform/mem.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/win95.h"

size_t Mem_Heap_Vorbereiten()
{
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__) && defined(M_TOP_PAD) && defined(MADV_HUGEPAGE)
    constexpr size_t MB = size_t(1) << 20;
    constexpr uintptr_t HUGE = 2 * MB;
    // Blocks up to 32 MB (the runtime's largest threshold) from the heap, which is never given
    // back: the savegame buffers and bitmaps taken and freed again and again stay mapped.
    mallopt(M_MMAP_THRESHOLD, int(32 * MB));
    mallopt(M_TRIM_THRESHOLD, int(256 * MB));
    mallopt(M_TOP_PAD, int(64 * MB));
    const auto anfang = reinterpret_cast<uintptr_t>(sbrk(0));
    // One block grows the heap by the block and the pad at once; freed, it stays as the top.
    void* block = std::malloc(16 * MB);
    if (!block) return 0;
    std::free(block);
    const auto ende = reinterpret_cast<uintptr_t>(sbrk(0));
    const uintptr_t von = (anfang + HUGE - 1) & ~(HUGE - 1), bis = ende & ~(HUGE - 1);
    if (anfang == uintptr_t(-1) || bis <= von) return 0;
    // Only a request: a system without huge pages keeps normal ones and nothing else changes.
    if (madvise(reinterpret_cast<void*>(von), bis - von, MADV_HUGEPAGE) != 0) return 0;
    return bis - von;
#else
    return 0;
#endif
}

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
