#include "platform/os/os_speicher.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

size_t Os_Heap_Vorbereiten()
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
