// Resource files.
#pragma once
#include <cstdint>

struct Rastport;

// Unpacks a packed bitmap (packed flag 1) into a new plain Rastport; null when it cannot.
Rastport* Unpack_Bitmap(Rastport* packed);
// Loads entry `number` of the open resource file `handle`; bitmaps come at `depth`. Null when
// it cannot.
void* Load_Resource(int32_t handle, int32_t number, int32_t depth, void* extra);
