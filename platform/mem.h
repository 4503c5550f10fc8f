// Heap memory for every module: one allocate/free pair on the runtime heap, a guarded pair that
// catches writes just before or behind a block, and empty statistics hooks.
#pragma once
#include <cstdint>

void* Mem_Alloc(uint32_t size, uint32_t tag);
void* Mem_Alloc_Clear(uint32_t size, uint32_t tag, uint8_t fill);
// Frees the block (NULL is fine) and returns NULL for the caller to store: p = Mem_Free(p, 0).
void* Mem_Free(void* block, uint32_t tag);

// Guarded block: total size, guard, two unwritten words, data, guard, four spare bytes.
void* Mem_Alloc_Guarded(uint32_t size, uint32_t tag);
// Reports a broken guard with a message box naming `name` (underrun before overrun), frees the
// block all the same and returns NULL.
void* Mem_Free_Guarded(void* data, uint32_t tag, const char* name);

constexpr uint32_t MEM_GUARD = 0xAAAAAAAAu;

// Statistics hooks: the program only displays what they report.
int Mem_Stat_Init(uint32_t required_mb);
int Mem_Stat_DeInit();
int Mem_Get_Stat_Stub();
void Mem_Get_Info(int32_t* count, int32_t* largest, int32_t* free_bytes, int32_t* c1, int32_t* c2);
int Mem_Get_Basis();
int Mem_Get_Block_Info(int32_t index, int32_t* out, int32_t value);
int Mem_Belegt();
int Mem_Anz_Bloecke();
int Mem_Anz_Fragmente();
