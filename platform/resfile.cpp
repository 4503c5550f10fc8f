#include "platform/resfile.h"

// Nothing makes packed bitmaps before the resource files can be read.
Rastport* Unpack_Bitmap(Rastport*) { return nullptr; }
