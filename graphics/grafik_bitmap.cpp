#include "graphics/grafik_bitmap.h"

#include <cstring>

#include "graphics/grafik_meldung.h"
#include "platform/mem.h"
#include "platform/resfile.h"

// Header first, then the pixel (or packed) block and the optional mask plane; pixel blocks
// start on an 8-byte boundary so that 16-bit rows are aligned.
static constexpr uint32_t HEADER = (sizeof(Rastport) + 7) & ~uint32_t(7);
static constexpr uint64_t MAX_BLOCK = 0x7FFF0000u;

static uint64_t pixel_bytes(int32_t width, int32_t height, int32_t depth);

static bool depth_ok(int32_t depth) { return depth == 8 || depth == 15 || depth == 16; }

static Rastport* allocate(int32_t width, int32_t height, int32_t depth, uint64_t data_size,
                          bool with_mask, uint32_t extra_front, bool clear = true)
{
    if (width < 0 || height < 0 || !depth_ok(depth)) return nullptr;
    uint64_t mask_size = with_mask ? Grafik_Masken_Groesse(uint32_t(width), uint32_t(height)) : 0;
    uint64_t total = HEADER + extra_front + data_size + mask_size;
    if (data_size > MAX_BLOCK || total > MAX_BLOCK) return nullptr;
    auto* block = static_cast<uint8_t*>(clear ? Mem_Alloc_Clear(uint32_t(total), 0, 0) : Mem_Alloc(uint32_t(total), 0));
    if (!block) return nullptr;
    if (!clear) std::memset(block, 0, size_t(HEADER + extra_front));
    auto* rp = reinterpret_cast<Rastport*>(block);
    rp->width = uint32_t(width);
    rp->height = uint32_t(height);
    rp->depth = uint8_t(depth);
    rp->pixels = block + HEADER + extra_front;
    if (with_mask) rp->mask = block + HEADER + extra_front + data_size;
    // A new bitmap holds nothing that was drawn into an old one at its address.
    Grafik_Flaeche_Melden(nullptr, 0, 0, width, height, rp, 0, 0, true);
    return rp;
}

bool Grafik_Bitmap_Schlicht(const Rastport* b)
{
    return b && (b->depth == 15 || b->depth == 16) && !b->table_depth && !b->alloc_tag && !b->packed &&
           !b->pack_method && !b->packed_size && !b->packed_depth && !b->mask && !b->companion && !b->extra &&
           !b->palette && !b->colour_table && b->pixels == reinterpret_cast<const uint8_t*>(b) + HEADER;
}

void Grafik_Bitmap_Erneuern(Rastport* rp, bool wird_gefuellt)
{
    if (!Grafik_Bitmap_Schlicht(rp)) return;
    const int32_t w = int32_t(rp->width), h = int32_t(rp->height);
    if (!wird_gefuellt) std::memset(rp->pixels, 0, size_t(pixel_bytes(w, h, rp->depth)));
    Grafik_Flaeche_Melden(nullptr, 0, 0, w, h, rp, 0, 0, true);
}

static uint64_t pixel_bytes(int32_t width, int32_t height, int32_t depth)
{
    if (width < 0 || height < 0) return 0;
    return uint64_t(width) * uint64_t(height) * Grafik_Bytes_Pro_Pixel(depth);
}

Rastport* Grafik_Bitmap_Anlegen(int32_t width, int32_t height, int32_t depth)
{
    return allocate(width, height, depth, pixel_bytes(width, height, depth), false, 0);
}

Rastport* Grafik_Bitmap_Anlegen_Tiefe(int32_t width, int32_t height, int8_t depth)
{
    return Grafik_Bitmap_Anlegen(width, height, depth);
}

Rastport* Grafik_Bitmap_Anlegen_Maske(int32_t width, int32_t height, int32_t depth)
{
    return allocate(width, height, depth, pixel_bytes(width, height, depth), true, 0);
}

Rastport* Grafik_Bitmap_Anlegen_Ungeloescht(int32_t width, int32_t height, int32_t depth, bool mit_maske)
{
    return allocate(width, height, depth, pixel_bytes(width, height, depth), mit_maske, 0, false);
}

Rastport* Grafik_Bitmap_Anlegen_Fuer_Kopie(const Rastport* quelle, int32_t x, int32_t y, int32_t w, int32_t h,
                                           int32_t depth)
{
    const bool ganz = quelle && !quelle->packed && quelle->depth == depth && x >= 0 && y >= 0 && w > 0 && h > 0 &&
                      int64_t(x) + w <= int64_t(quelle->width) && int64_t(y) + h <= int64_t(quelle->height);
    return ganz ? Grafik_Bitmap_Anlegen_Ungeloescht(w, h, depth, false) : Grafik_Bitmap_Anlegen(w, h, depth);
}

Rastport* Grafik_Bitmap_Anlegen_Gepackt(int32_t width, int32_t height, int32_t depth,
                                        uint32_t size)
{
    Rastport* rp = allocate(width, height, depth, size, false, 0);
    if (rp) {
        rp->packed = 1;
        rp->packed_size = size;
    }
    return rp;
}

Rastport* Grafik_Bitmap_Anlegen_Gepackt_Maske(int32_t width, int32_t height, int32_t depth,
                                              uint32_t size)
{
    Rastport* rp = allocate(width, height, depth, size, true, 0);
    if (rp) {
        rp->packed = 1;
        rp->packed_size = size;
    }
    return rp;
}

Rastport* Grafik_Bitmap_Anlegen_Palette(int32_t width, int32_t height, int32_t depth,
                                        int32_t table_depth)
{
    if (depth != 8 || (table_depth != 15 && table_depth != 16)) return nullptr;
    Rastport* rp = allocate(width, height, 8, pixel_bytes(width, height, 8), false, 768 + 512);
    if (!rp) return nullptr;
    auto* base = reinterpret_cast<uint8_t*>(rp) + HEADER;
    rp->table_depth = uint8_t(table_depth);
    rp->palette = base;
    rp->colour_table = reinterpret_cast<uint16_t*>(base + 768);
    return rp;
}

Rastport* Grafik_Bitmap_Freigeben(Rastport* rp)
{
    if (!rp) return nullptr;
    // The companion goes as a single block: what it owns in turn is not followed.
    if (rp->companion) Mem_Free(rp->companion, 0);
    if (rp->extra) Mem_Free(rp->extra, 0);
    return static_cast<Rastport*>(Mem_Free(rp, rp->alloc_tag));
}

int Grafik_Bitmap_Freigeben_Wrapper(Rastport* rp)
{
    Grafik_Bitmap_Freigeben(rp);
    return 0;
}

// The option lives with the resource loader, which is the one that keeps bitmaps packed.
void Grafik_Option_Setzen() { ResFile_Gepackt_Behalten = 1; }
int Grafik_Option_Gepackt() { return ResFile_Gepackt_Behalten; }
int Grafik_Stub_Null(void*) { return 0; }
void Grafik_Leer_Stub2() {}
