// Resource files.
#pragma once

struct Rastport;

// Unpacks a packed bitmap (packed flag 1) into a new plain Rastport; null when it cannot.
Rastport* Unpack_Bitmap(Rastport* packed);
