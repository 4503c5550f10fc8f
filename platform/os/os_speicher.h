// The process's heap.
#pragma once
#include <cstddef>

// Sets the runtime heap up for a program that keeps some tens of megabytes: one large stretch
// taken at once and kept (big blocks come from it as well), backed by huge pages where the system
// offers them on request: far fewer page faults and TLB misses than page by page. Call first thing
// in main, before any thread starts; answers the bytes so backed (0 where there are none).
size_t Os_Heap_Vorbereiten();
