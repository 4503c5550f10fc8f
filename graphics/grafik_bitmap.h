// Rastport: the bitmap record of the whole program, with its allocation and release.
// Pixel value 0 is the transparent key of every depth; visible black is written as 1.
#pragma once
#include <cstdint>

struct Rastport {
    uint32_t width;
    uint32_t height;
    uint8_t depth;         // 8 (palette index), 15 (RGB555) or 16 (RGB565)
    uint8_t table_depth;   // palette variant: 15 or 16, else 0
    uint16_t alloc_tag;
    uint8_t packed;        // 1: pixels holds the packed data of a resource
    uint8_t pack_method;
    uint32_t packed_size;
    uint8_t packed_depth;
    void* pixels;          // directly behind the header, same allocation
    uint8_t* mask;         // one bit per pixel (bit n % 8 of byte n / 8, set = visible), or null
    Rastport* companion;   // owned
    void* extra;           // owned
    uint8_t* palette;      // palette variant: 768 bytes
    uint16_t* colour_table;  // palette variant: 256 colours in table depth
};

inline uint32_t Grafik_Bytes_Pro_Pixel(int depth) { return uint32_t((depth + 1) / 8); }
// Size of the mask plane of a width x height bitmap.
inline uint32_t Grafik_Masken_Groesse(uint32_t width, uint32_t height)
{
    return uint32_t((uint64_t(width) * height) / 8 + 4);
}

// New zero-filled bitmap; null when memory runs out or the size or depth is impossible.
Rastport* Grafik_Bitmap_Anlegen(int32_t width, int32_t height, int32_t depth);
Rastport* Grafik_Bitmap_Anlegen_Tiefe(int32_t width, int32_t height, int8_t depth);
Rastport* Grafik_Bitmap_Anlegen_Maske(int32_t width, int32_t height, int32_t depth);
// As Grafik_Bitmap_Anlegen (with a mask plane when `mit_maske`), for a caller that writes every
// pixel (and every mask byte) at once: those bytes are left as the heap gives them.
Rastport* Grafik_Bitmap_Anlegen_Ungeloescht(int32_t width, int32_t height, int32_t depth, bool mit_maske);
// A bitmap of w x h in `depth` that is to take a plain copy of the area (x, y, w, h) of `quelle`:
// left uncleared when the area lies wholly in an unpacked `quelle` of that depth (the copy then
// writes every pixel), zero-filled otherwise.
Rastport* Grafik_Bitmap_Anlegen_Fuer_Kopie(const Rastport* quelle, int32_t x, int32_t y, int32_t w, int32_t h,
                                           int32_t depth);
// Packed bitmaps: size bytes of packed data at the pixel pointer.
Rastport* Grafik_Bitmap_Anlegen_Gepackt(int32_t width, int32_t height, int32_t depth,
                                        uint32_t size);
Rastport* Grafik_Bitmap_Anlegen_Gepackt_Maske(int32_t width, int32_t height, int32_t depth,
                                              uint32_t size);
// 8-bit bitmap with palette and colour table (table depth 15 or 16); null otherwise.
Rastport* Grafik_Bitmap_Anlegen_Palette(int32_t width, int32_t height, int32_t depth,
                                        int32_t table_depth);
// A bitmap exactly as Grafik_Bitmap_Anlegen makes it (15 or 16 bit, its pixels and nothing
// else), which Grafik_Bitmap_Erneuern can hand out again in place of a new one.
bool Grafik_Bitmap_Schlicht(const Rastport* rp);
// Makes such a bitmap what a new one of its size would be: zero-filled (unless the caller covers
// every pixel at once, `wird_gefuellt`), and reported as new, nothing drawn into it before known.
void Grafik_Bitmap_Erneuern(Rastport* rp, bool wird_gefuellt);
// Frees the bitmap with its companion and extra block; returns null: p = Grafik_Bitmap_Freigeben(p).
Rastport* Grafik_Bitmap_Freigeben(Rastport* rp);
int Grafik_Bitmap_Freigeben_Wrapper(Rastport* rp);

// Keep-packed option for resource bitmaps; switched on once, never off.
void Grafik_Option_Setzen();
int Grafik_Option_Gepackt();
int Grafik_Stub_Null(void* unused);
void Grafik_Leer_Stub2();
