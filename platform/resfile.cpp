#include "platform/resfile.h"

// Nothing makes packed bitmaps before the resource files can be read.
Rastport* Unpack_Bitmap(Rastport*) { return nullptr; }
// No resource file can be opened before the resource module lands.
void* Load_Resource(int32_t, int32_t, int32_t, void*) { return nullptr; }
