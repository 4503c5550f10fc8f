// Resource files.
//
// File layout (little-endian): "RESF", u32 entry count N, u32 index offset; at the index N
// entries of 8 bytes (i16 type, 2 reserved, u32 data offset), optionally followed by N names of
// 256 bytes. Entry data by type:
//   14 bitmap: u16 width, u16 x offset, u16 height, u16 y offset, u32 keep-packed, u32 depth,
//      u32 compression, u32 flags, u32 size S, S bytes of pixels; depth 8: 768-byte palette;
//      flags bit 0: u32 M, M mask bytes; bit 1: u32 w2, u32 h2, w2 x h2 bytes of an 8-bit
//      companion; bit 2: u32 (skipped), width x height x 2 bytes of extra data
//   16 data: u32 S, S bytes          17 font: the font layout, strip pixels last
//   38 sprite list: u32 C, 5 x u32, C x (u32 S, S bytes)
//   40 sprite: u32, u32, u32 hot x, u32 hot y, u32, u32 S, S bytes
//   48 palette: u32, u32, 768 bytes
//   50 film frame: u32 K; K = 0: u32, u32 w, u32 h, 44-byte WAV header, u32 depth,
//      u32 compression, u32 S, S bytes, 768 bytes palette; K != 0: u32 S, S bytes
//   61 sprite with colours: u32, u32 T, u32 hot x, u32 hot y, u32, u32 S, S bytes, 768 palette
// Resource files can be replaced by the user: every size is checked against the file's real
// length before anything is allocated or read.
#include "platform/resfile.h"
#include "platform/bytes.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/print.h"
#include "platform/temp.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_sprite.h"
#include "platform/asm.h"
#include "platform/compress.h"
#include "platform/mem.h"
#include "platform/win95.h"
#include "platform/os/os_file.h"

ResFile_Slot ResFile_Tabelle[RESFILE_SLOTS];
ResFile_Standard ResFile_Handles[RESFILE_STANDARD] = {
    {"resf_scr.res", 0, -1},
    {"data.bin", 1, -1},
    {"werbung.res", 0, -1},
    {"", -1, -1}, {"", -1, -1}, {"", -1, -1}, {"", -1, -1}, {"", -1, -1}, {"", -1, -1},
    {"", -1, -1}, {"", -1, -1}, {"", -1, -1}, {"", -1, -1}, {"", -1, -1}, {"", -1, -1},
    {"", -1, -1}, {"", -1, -1}, {"", -1, -1}, {"", -1, -1},
};
char ResFile_Ordner[256];
char ResFile_Daten_Praefix[256];
uint8_t Aktuelle_Palette[768];
uint16_t ResFile_Letzter_X_Offset;
uint16_t ResFile_Letzter_Y_Offset;
uint8_t ResFile_Gepackt_Behalten;

static int32_t offene_dateien = 0;

// Largest picture a bitmap entry may describe (pixels); far above any screen picture.
static constexpr uint64_t BILD_MAX_PIXEL = 16u << 20;

namespace {


// Bounded reads from a resource file: a read past the file's end fails instead of returning
// stale bytes.
struct Leser {
    FILE* f;
    uint64_t ende;
    bool fehler = false;
    // The open file's slot, for the unpacked pictures kept; -1 for none.
    int32_t handle = -1;

    uint64_t rest()
    {
        long p = std::ftell(f);
        return (p < 0 || uint64_t(p) >= ende) ? 0 : ende - uint64_t(p);
    }
    bool lesen(void* d, uint64_t n)
    {
        if (fehler || n > rest() || (n && std::fread(d, 1, size_t(n), f) != n)) fehler = true;
        return !fehler;
    }
    bool u32(uint32_t& v)
    {
        uint8_t b[4];
        if (!lesen(b, 4)) return false;
        v = Bytes_Hole32(b);
        return true;
    }
    bool u16(uint16_t& v)
    {
        uint8_t b[2];
        if (!lesen(b, 2)) return false;
        v = Bytes_Hole16(b);
        return true;
    }
    bool ueberspringen(uint64_t n)
    {
        if (fehler || n > rest() || std::fseek(f, long(n), SEEK_CUR) != 0) fehler = true;
        return !fehler;
    }
};

int bytes_pro_pixel(int32_t depth) { return (depth + 1) / 8; }
bool tiefe_gueltig(int32_t depth) { return depth == 8 || depth == 15 || depth == 16; }

struct Kopf {
    uint16_t width, x_offset, height, y_offset;
    uint32_t keep_packed, depth, compression, flags, size;
};

bool lies_kopf(Leser& l, Kopf& k)
{
    return l.u16(k.width) && l.u16(k.x_offset) && l.u16(k.height) && l.u16(k.y_offset) &&
           l.u32(k.keep_packed) && l.u32(k.depth) && l.u32(k.compression) && l.u32(k.flags) && l.u32(k.size);
}

// Same bytes per pixel: RGB565 pixels become RGB555 in place.
void zu_555(Rastport* rp)
{
    auto* p = static_cast<uint16_t*>(rp->pixels);
    Asm_Convert_565_To_555(p, p, uint32_t(uint64_t(rp->width) * rp->height));
}

// 8-bit pixels through a 6-bit palette into a 15/16-bit bitmap of the same size.
void palette_zu_16(const Rastport* von, Rastport* nach, const uint8_t* palette, int32_t depth)
{
    auto* s = static_cast<const uint8_t*>(von->pixels);
    auto* d = static_cast<uint16_t*>(nach->pixels);
    if (depth == 15) Grafik_Palette_Zu_555(s, d, int32_t(von->width), int32_t(von->height), palette);
    else Grafik_Palette_Zu_565(s, d, int32_t(von->width), int32_t(von->height), palette);
}

uint32_t pixel_bytes(const Rastport* rp)
{
    if (rp->packed) return rp->packed_size;
    return uint32_t(uint64_t(rp->width) * rp->height * Grafik_Bytes_Pro_Pixel(rp->depth));
}

bool groesse_erlaubt(uint64_t width, uint64_t height) { return width * height <= BILD_MAX_PIXEL; }

// Packed pictures unpacked once per open file: the menu, its icons and the match screens load
// the same entries on every turn. Kept by the data's position in the file, with what the entry
// said of its packing; dropped when the file's slot is opened or closed.
struct Entpacktes_Bild {
    uint32_t compression, size, block;
    std::vector<uint8_t> pixel;
};
std::unordered_map<uint32_t, Entpacktes_Bild> entpackt[RESFILE_SLOTS];
uint64_t entpackt_bytes = 0;
// Beyond this the pictures are unpacked on every load again.
constexpr uint64_t ENTPACKT_MAX = 64u << 20;

uint32_t slot_stand[RESFILE_SLOTS] = {};

void entpackt_vergessen(int32_t handle)
{
    ++slot_stand[handle];
    for (const auto& [pos, e] : entpackt[handle]) entpackt_bytes -= e.pixel.size();
    entpackt[handle].clear();
}

bool kennt_packung(uint32_t compression) { return compression == RES_LZSS || compression == RES_PACK4; }

// Reads the S pixel bytes of a bitmap entry stored or packed into the bitmap's pixel block.
bool lies_pixel(Leser& l, const Kopf& k, Rastport* bild)
{
    uint32_t block = pixel_bytes(bild);
    const long pos = l.handle >= 0 && kennt_packung(k.compression) ? std::ftell(l.f) : -1;
    if (pos >= 0) {
        auto it = entpackt[l.handle].find(uint32_t(pos));
        if (it != entpackt[l.handle].end()) {
            const Entpacktes_Bild& e = it->second;
            if (e.compression == k.compression && e.size == k.size && e.block == block) {
                if (!l.ueberspringen(k.size)) return false;
                if (!e.pixel.empty()) std::memcpy(bild->pixels, e.pixel.data(), e.pixel.size());
                return true;
            }
        }
    }
    if (k.compression == RES_GESPEICHERT) {
        if (k.size > block) {
            Print_Fehler("Load_Resource: Größe!");
            return false;
        }
        return l.lesen(bild->pixels, k.size);
    }
    if (k.size > l.rest()) {
        l.fehler = true;
        return false;
    }
    auto* tmp = static_cast<uint8_t*>(Mem_Alloc(k.size, 0));
    if (!tmp) {
        Print_Fehler("Load_Resource: Speicher!");
        return false;
    }
    bool ok = l.lesen(tmp, k.size);
    if (ok && !ResFile_Expandieren(tmp, k.size, k.compression, static_cast<uint8_t*>(bild->pixels), block)) {
        Print_Fehler("Load_Resource: Entpacken: Fehler");
        ok = false;
    }
    Mem_Free(tmp, 0);
    if (ok && pos >= 0 && entpackt_bytes + block <= ENTPACKT_MAX) {
        const auto* p = static_cast<const uint8_t*>(bild->pixels);
        Entpacktes_Bild& e = entpackt[l.handle][uint32_t(pos)];
        entpackt_bytes -= e.pixel.size();
        e = {k.compression, k.size, block, std::vector<uint8_t>(p, p + block)};
        entpackt_bytes += block;
    }
    return ok;
}

bool slot_gueltig(int32_t handle) { return handle >= 0 && handle < RESFILE_SLOTS && ResFile_Tabelle[handle].index; }

// Index position of a resource number, -1 when there is none.
int32_t position(int32_t handle, int32_t number, bool negativ_zu_24)
{
    if (!slot_gueltig(handle)) return -1;
    int32_t limit = (ResFile_Tabelle[1].index && ResFile_Tabelle[1].anzahl >= RESFILE_GROSS) ? 2 : 1;
    if (handle < limit) number -= RESFILE_NUMMER_VERSATZ;
    if (number < 0) {
        if (!negativ_zu_24) return -1;
        number = RESFILE_NUMMER_VERSATZ;
    }
    return number < ResFile_Tabelle[handle].anzahl ? number : -1;
}

int16_t eintrag_typ(int32_t handle, int32_t pos) { return int16_t(Bytes_Hole16(ResFile_Tabelle[handle].index + 8 * pos)); }
uint32_t eintrag_offset(int32_t handle, int32_t pos) { return Bytes_Hole32(ResFile_Tabelle[handle].index + 8 * pos + 4); }

// Reads one sprite block of S bytes (plus `zusatz` spare bytes) and fixes its header up: the
// flag byte and the allocation tag are cleared and the pointer words, stale in the file, are
// zeroed; the sprite code finds the row table at +36 and the data behind as many rows as the
// entry's table count names (type 61), else the block's own height.
uint8_t* lies_sprite(Leser& l, uint32_t size, uint32_t zusatz, const uint32_t* tabelle)
{
    if (size < RESFILE_SPRITE_KOPF || size > l.rest()) {
        l.fehler = true;
        return nullptr;
    }
    auto* block = static_cast<uint8_t*>(Mem_Alloc_Clear(size + zusatz, 0, 0));
    if (!block) {
        l.ueberspringen(size);
        return nullptr;
    }
    if (!l.lesen(block, size)) return static_cast<uint8_t*>(Mem_Free(block, 0));
    int64_t zeilen = tabelle ? int64_t(*tabelle) : int16_t(Bytes_Hole16(block + 2));
    if (zeilen < 0 || RESFILE_SPRITE_KOPF + 4 * uint64_t(zeilen) > size) {
        Print_Fehler("Load_Resource: Sprite: Fehler");
        l.fehler = true;
        return static_cast<uint8_t*>(Mem_Free(block, 0));
    }
    block[20] = 0;
    Bytes_Setze16(block + 22, 0);
    std::memset(block + 24, 0, 12);
    return block;
}

// Turns a fixed-up block of size bytes into a checked sprite record and frees the block. A
// resource file is a file a user can touch: bad runs give null. On a 15-bit screen 16-bit
// sprites become RGB555.
Rle_Sprite* als_sprite(uint8_t* block, uint32_t size, int32_t depth, const uint16_t* farben)
{
    if (!block) return nullptr;
    Rle_Sprite* s = Grafik_Sprite_Aus_Block(block, size, farben);
    Mem_Free(block, 0);
    if (!s) {
        Print_Fehler("Load_Resource: Sprite: Fehler");
        return nullptr;
    }
    if (depth == 15 && s->depth == 16) Grafik_Sprite_Nach_555(s);
    return s;
}

// The sprite is drawn with its top left at minus the hot spot. A hot spot more than the widest
// screen away from its picture could never show the sprite near its point: damage, refused
// (its negation might not even fit the offset field).
bool hot_spot(uint8_t* block, uint32_t x, uint32_t y)
{
    constexpr int64_t RAND = 1024;
    auto passt = [](int64_t v, int16_t groesse) {
        return v >= -RAND && v <= std::max<int64_t>(groesse, 0) + RAND && v <= 32768;
    };
    int64_t hx = int32_t(x), hy = int32_t(y);
    if (!passt(hx, int16_t(Bytes_Hole16(block))) || !passt(hy, int16_t(Bytes_Hole16(block + 2)))) {
        Print_Fehler("Load_Resource: Sprite: Hot-Spot außerhalb");
        return false;
    }
    Bytes_Setze16(block + 4, uint16_t(-hx));
    Bytes_Setze16(block + 6, uint16_t(-hy));
    return true;
}

void* lade_sprite_liste(Leser& l, void* extra, int32_t depth)
{
    uint32_t anzahl, unbenutzt;
    if (!l.u32(anzahl)) return nullptr;
    for (int i = 0; i < 5; ++i)
        if (!l.u32(unbenutzt)) return nullptr;
    // Every sprite needs at least its size word.
    if (uint64_t(anzahl) * 4 > l.rest()) {
        l.fehler = true;
        return nullptr;
    }
    auto** liste = static_cast<Rle_Sprite**>(Mem_Alloc_Clear(uint32_t(anzahl * sizeof(Rle_Sprite*)), 0, 0));
    if (!liste) return nullptr;
    for (uint32_t i = 0; i < anzahl; ++i) {
        uint32_t size = 0;
        if (l.u32(size)) liste[i] = als_sprite(lies_sprite(l, size, 0, nullptr), size, depth, nullptr);
        if (l.fehler || !liste[i]) {
            for (uint32_t k = 0; k <= i; ++k) Grafik_Sprite_Freigeben(liste[k]);
            return Mem_Free(liste, 0);
        }
    }
    if (extra) {
        int32_t c = int32_t(anzahl);
        std::memcpy(extra, &c, 4);
    }
    return liste;
}

void* lade_film(Leser& l, void* extra, int32_t tiefe)
{
    uint32_t kind;
    if (!l.u32(kind)) return nullptr;
    if (extra) std::memcpy(extra, &kind, 4);
    if (kind != 0) {
        uint32_t size;
        return l.u32(size) ? als_sprite(lies_sprite(l, size, 0, nullptr), size, tiefe, nullptr) : nullptr;
    }
    uint32_t unbenutzt, width, height, depth, compression, size;
    uint8_t wav[44];
    if (!l.u32(unbenutzt) || !l.u32(width) || !l.u32(height) || !l.lesen(wav, 44) || !l.u32(depth) ||
        !l.u32(compression) || !l.u32(size))
        return nullptr;
    if (extra) std::memcpy(extra, wav, 44);
    // Film frames are 8-bit pictures; anything else would not fit the block.
    if (depth != 8 || !groesse_erlaubt(width, height)) {
        Print_Fehler("Load_Resource: Konvertierung!");
        return nullptr;
    }
    Rastport* bild = Grafik_Bitmap_Anlegen(int32_t(width), int32_t(height), 8);
    if (!bild) {
        Print_Fehler("Load_Resource: _OB: Fehler");
        return nullptr;
    }
    Kopf k{};
    k.compression = compression;
    k.size = size;
    uint8_t palette[768];
    if (!lies_pixel(l, k, bild) || !l.lesen(palette, 768)) return Grafik_Bitmap_Freigeben(bild);
    std::memcpy(Aktuelle_Palette, palette, 768);
    return bild;
}

// The entry is sized from its own header, read whole and handed to the font module, which
// checks every table against the strip and fits the strip to the depth.
Font_Record* lade_font(Leser& l, int32_t depth)
{
    std::vector<uint8_t> daten(FONT_RESOURCE_KOPF);
    if (!l.lesen(daten.data(), FONT_RESOURCE_KOPF)) return nullptr;
    uint32_t groesse = Font_Resource_Groesse(daten.data(), FONT_RESOURCE_KOPF);
    if (groesse == 0 || groesse - FONT_RESOURCE_KOPF > l.rest()) {
        Print_Fehler("Load_Resource: Font fehlerhaft");
        return nullptr;
    }
    daten.resize(groesse);
    if (!l.lesen(daten.data() + FONT_RESOURCE_KOPF, groesse - FONT_RESOURCE_KOPF)) return nullptr;
    return Font_Aus_Resource(daten.data(), groesse, depth);
}

} // namespace

int ResFile_Expandieren(const uint8_t* packed, uint32_t size, uint32_t compression, uint8_t* out, uint32_t capacity)
{
    int32_t method;
    switch (compression) {
    case RES_LZSS: method = COMPRESS_LZSS; break;
    case RES_PACK4: method = COMPRESS_PACK4; break;
    case 1:
    case 3: return 1;
    default: Print_Fehler("Compress: unbekannt"); return 1;
    }
    if (!packed || !out || size == 0 || size > 0x7FFFFFFF || capacity > 0x7FFFFFFF) return 0;
    Compress_Stream* in = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, const_cast<uint8_t*>(packed), int32_t(size));
    Compress_Stream* o = in ? OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, out, int32_t(capacity)) : nullptr;
    int ok = o ? Expand_Data(in, o, method) : 0;
    CloseOutPutData(o, 1);
    CloseInPutData(in, 1);
    return ok;
}

// A plain bitmap of the graphics library, within the size a resource picture may have. Its
// pixels are cleared unless `gefuellt` says that the caller writes every one of them; its mask
// plane always (a mask is read short of its size).
static Rastport* anlegen(uint32_t width, uint32_t height, int32_t depth, bool mask, bool gefuellt = false)
{
    if (!tiefe_gueltig(depth) || !groesse_erlaubt(width, height)) return nullptr;
    if (gefuellt) {
        Rastport* rp = Grafik_Bitmap_Anlegen_Ungeloescht(int32_t(width), int32_t(height), depth, mask);
        if (rp && mask) std::memset(rp->mask, 0, Grafik_Masken_Groesse(width, height));
        return rp;
    }
    if (mask) return Grafik_Bitmap_Anlegen_Maske(int32_t(width), int32_t(height), depth);
    return Grafik_Bitmap_Anlegen(int32_t(width), int32_t(height), depth);
}

// Whether lies_pixel writes every byte of a bitmap of the entry's size (its own packing's
// output, read before the bitmap is made): a method-4 picture fills its output exactly or fails,
// a stored one fills it where it is as large.
static bool fuellt_ganz(const Kopf& k, int32_t depth)
{
    return k.compression == RES_PACK4 ||
           (k.compression == RES_GESPEICHERT &&
            uint64_t(k.size) == uint64_t(k.width) * k.height * Grafik_Bytes_Pro_Pixel(depth));
}

// Reads a type-14 entry from the reader's position and fits it to the target depth (8, 15,
// 16). extra: the entry's palette out, or the palette a 15/16-bit picture is reduced with for
// depth 8. Null with a message on any failure.
static Rastport* bitmap_lesen(Leser& l, int32_t depth, uint8_t* extra)
{
    Kopf k;
    Rastport* result = nullptr;
    Rastport* bild = nullptr;
    Rastport* companion = nullptr;
    void* extra_daten = nullptr;
    uint8_t palette[768] = {};
    auto fehlschlag = [&](const char* text) -> Rastport* {
        if (text) Print_Fehler("%s", text);
        Grafik_Bitmap_Freigeben(result);
        Grafik_Bitmap_Freigeben(bild);
        Grafik_Bitmap_Freigeben(companion);
        Mem_Free(extra_daten, 0);
        return nullptr;
    };
    if (!lies_kopf(l, k)) return fehlschlag("Load_Resource: Lesefehler");
    ResFile_Letzter_X_Offset = k.x_offset;
    ResFile_Letzter_Y_Offset = k.y_offset;
    if (!tiefe_gueltig(int32_t(k.depth)) || !tiefe_gueltig(depth)) return fehlschlag("Load_Resource: Konvertierung!");
    uint32_t masken_groesse = Grafik_Masken_Groesse(k.width, k.height);

    bool wandeln = bytes_pro_pixel(int32_t(k.depth)) != bytes_pro_pixel(depth);
    if (wandeln) {
        result = anlegen(k.width, k.height, depth, (k.flags & 3) != 0, true);
        if (!result) return fehlschlag("Load_Resource: _OB: Fehler");
    }
    if (k.keep_packed == 1 && ResFile_Gepackt_Behalten && k.compression != 0 && !wandeln) {
        if (k.size > l.rest()) return fehlschlag("Load_Resource: Lesefehler");
        // The picture is unpacked on every blit: it must be one that could be unpacked.
        if (!groesse_erlaubt(k.width, k.height)) return fehlschlag("Load_Resource: _OB: Fehler");
        bild = (k.flags & 1) ? Grafik_Bitmap_Anlegen_Gepackt_Maske(k.width, k.height, depth, k.size)
                             : Grafik_Bitmap_Anlegen_Gepackt(k.width, k.height, depth, k.size);
        if (!bild) return fehlschlag("Load_Resource: _OB: Fehler");
        bild->pack_method = uint8_t(k.compression);
        bild->packed_depth = uint8_t(k.depth);
        if (!l.lesen(bild->pixels, k.size)) return fehlschlag("Load_Resource: Lesefehler");
    } else {
        bild = anlegen(k.width, k.height, int32_t(k.depth), (k.flags & 1) != 0, fuellt_ganz(k, int32_t(k.depth)));
        if (!bild) return fehlschlag("Load_Resource: _OB: Fehler");
        if (!lies_pixel(l, k, bild)) return fehlschlag(l.fehler ? "Load_Resource: Lesefehler" : nullptr);
    }
    if (k.depth == 8) {
        if (!l.lesen(palette, 768)) return fehlschlag("Load_Resource: Lesefehler");
        if (extra) std::memcpy(extra, palette, 768);
    }
    if (k.flags & 1) {
        uint32_t m;
        if (!l.u32(m)) return fehlschlag("Load_Resource: Lesefehler");
        if (m < masken_groesse) {
            if (!l.lesen(bild->mask, m)) return fehlschlag("Load_Resource: Lesefehler");
        } else {
            // The sections behind it are still read from the right place.
            Print_Fehler("Load_Resource: Maske: Fehler");
            if (!l.ueberspringen(m)) return fehlschlag("Load_Resource: Lesefehler");
        }
    }
    if (k.flags & 2) {
        uint32_t w2, h2;
        if (!l.u32(w2) || !l.u32(h2)) return fehlschlag("Load_Resource: Lesefehler");
        if (uint64_t(w2) * h2 > l.rest()) return fehlschlag("Load_Resource: Lesefehler");
        companion = anlegen(w2, h2, 8, false, true);
        if (!companion) return fehlschlag("Load_Resource: _OB: Fehler");
        if (!l.lesen(companion->pixels, uint64_t(w2) * h2)) return fehlschlag("Load_Resource: Lesefehler");
    }
    if (k.flags & 4) {
        uint32_t unbenutzt;
        uint64_t n = uint64_t(k.width) * k.height * 2;
        extra_daten = Mem_Alloc(uint32_t(n), 0);
        if (extra_daten && (!l.u32(unbenutzt) || !l.lesen(extra_daten, n))) return fehlschlag("Load_Resource: Lesefehler");
    }

    if (!wandeln) {
        if (!bild->packed && depth == 15 && bild->depth == 16) {
            zu_555(bild);
            bild->depth = 15;
        }
        result = bild;
        bild = nullptr;
    } else if (depth == 15 || depth == 16) {
        palette_zu_16(bild, result, palette, depth);
        if (bild->mask && result->mask) std::memcpy(result->mask, bild->mask, masken_groesse);
        bild = Grafik_Bitmap_Freigeben(bild);
    } else {
        result = Grafik_Bitmap_Freigeben(result);
        if (!extra) return fehlschlag("Load_Resource: Konvertierung!");
        // The conversion brings the mask plane along.
        result = Grafik_Bitmap_Tiefe_Wandeln(bild, 8, extra);
        if (!result) return fehlschlag("Load_Resource: _OB: Fehler");
        Print_Log(0, "Load_Resource: 16->8 BIT!");
        bild = Grafik_Bitmap_Freigeben(bild);
    }
    result->companion = companion;
    result->extra = extra_daten;
    return result;
}

uint32_t ResFile_Stand(int32_t handle) { return handle >= 0 && handle < RESFILE_SLOTS ? slot_stand[handle] : 0; }

int32_t Resource_Get_Free_Slot()
{
    for (int32_t i = 0; i < RESFILE_SLOTS; ++i)
        if (!ResFile_Tabelle[i].file) return i;
    return -1;
}

int32_t Init_ResFile(const char* path)
{
    if (offene_dateien == 0) {
        std::memset(ResFile_Tabelle, 0, sizeof ResFile_Tabelle);
        for (int32_t i = 0; i < RESFILE_SLOTS; ++i) entpackt_vergessen(i);
    }
    int32_t slot = Resource_Get_Free_Slot();
    if (slot < 0) {
        Print_Fehler("Init_ResFile: Zuviele Resourcen");
        return -1;
    }
    entpackt_vergessen(slot);
    FILE* f = path ? Os_File_Open(path, "rb") : nullptr;
    if (!f) {
        Print_Fehler("Init_ResFile: Konnte File nicht öffnen");
        return -1;
    }
    std::fseek(f, 0, SEEK_END);
    long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    uint8_t kopf[12];
    if (size < 12 || std::fread(kopf, 1, 12, f) != 12 || std::memcmp(kopf, "RESF", 4) != 0) {
        Print_Fehler("Init_ResFile: Kein Resource File");
        std::fclose(f);
        return -1;
    }
    uint32_t anzahl = Bytes_Hole32(kopf + 4);
    uint32_t offset = Bytes_Hole32(kopf + 8);
    Print_Log(0, "Init_Resfile: Anz Resourcen: %d", int(anzahl));
    Print_Log(0, "Init_Resfile: Offset: %d", int(offset));
    if (anzahl > 0x7FFFFFF || uint64_t(offset) + uint64_t(anzahl) * 8 > uint64_t(size)) {
        Print_Fehler("Init_ResFile: Index beschädigt");
        std::fclose(f);
        return -1;
    }
    auto* index = static_cast<uint8_t*>(Mem_Alloc(anzahl * 8, 0));
    if (!index) {
        Print_Fehler("Init_Resfile: Nicht genügend Speicher");
        std::fclose(f);
        return -1;
    }
    if (std::fseek(f, long(offset), SEEK_SET) != 0 || std::fread(index, 1, anzahl * 8, f) != anzahl * 8) {
        Print_Fehler("Init_ResFile: Index beschädigt");
        Mem_Free(index, 0);
        std::fclose(f);
        return -1;
    }
    ResFile_Tabelle[slot] = {f, index, int32_t(anzahl), offset, uint64_t(size)};
    offene_dateien++;
    Print_Log(0, "Init_ResFile: Open OK!");
    return slot;
}

void DeInit_ResFile(int32_t handle)
{
    if (handle < 0 || handle >= RESFILE_SLOTS) {
        Print_Fehler("DeInit_ResFile: ungültiger handle");
        return;
    }
    ResFile_Slot& s = ResFile_Tabelle[handle];
    if (!s.file) return;
    std::fclose(s.file);
    Mem_Free(s.index, 0);
    s = {};
    entpackt_vergessen(handle);
    offene_dateien--;
    Print_Log(0, "DeInit_ResFile: OK");
}

int32_t ResFile_Get_Anzahl(int32_t handle)
{
    if (!slot_gueltig(handle)) {
        Print_Fehler("DeInit_ResFile: ungültiger handle");
        return 0;
    }
    return ResFile_Tabelle[handle].anzahl;
}

int32_t ResFile_Get_Typ(int32_t handle, int32_t number)
{
    if (!slot_gueltig(handle)) {
        Print_Fehler("DeInit_ResFile: ungültiger handle");
        return 0;
    }
    int32_t pos = position(handle, number, false);
    return pos < 0 ? 0 : eintrag_typ(handle, pos);
}

int ResFile_Namen_Lesen(int32_t handle, uint8_t* buffer)
{
    if (!slot_gueltig(handle) || !buffer) {
        Print_Fehler("DeInit_ResFile: ungültiger handle");
        return 0;
    }
    ResFile_Slot& s = ResFile_Tabelle[handle];
    uint64_t start = uint64_t(s.index_offset) + uint64_t(s.anzahl) * 8;
    uint64_t n = uint64_t(s.anzahl) * 256;
    if (start + n > s.groesse || std::fseek(s.file, long(start), SEEK_SET) != 0 ||
        std::fread(buffer, 1, size_t(n), s.file) != n) {
        Print_Fehler("ResFile_Namen_Lesen: keine Namen");
        return 0;
    }
    return 1;
}

FILE* Seek_Resource(int32_t handle, int32_t number, int32_t* type)
{
    int32_t pos = position(handle, number, false);
    if (pos < 0) return nullptr;
    if (type) *type = eintrag_typ(handle, pos);
    ResFile_Slot& s = ResFile_Tabelle[handle];
    uint32_t offset = eintrag_offset(handle, pos);
    if (offset > s.groesse || std::fseek(s.file, long(offset), SEEK_SET) != 0) return nullptr;
    return s.file;
}

void* Load_Resource(int32_t handle, int32_t number, int32_t depth, void* extra)
{
    int32_t pos = position(handle, number, true);
    if (pos < 0) return nullptr;
    ResFile_Slot& s = ResFile_Tabelle[handle];
    int16_t typ = eintrag_typ(handle, pos);
    if (typ == RES_LEER) return nullptr;
    uint32_t offset = eintrag_offset(handle, pos);
    if (offset >= s.groesse || std::fseek(s.file, long(offset), SEEK_SET) != 0) {
        Print_Fehler("Load_Resource: Lesefehler");
        return nullptr;
    }
    Leser l{s.file, s.groesse};
    l.handle = handle;
    void* result = nullptr;
    switch (typ) {
    case RES_BITMAP: {
        return bitmap_lesen(l, depth, static_cast<uint8_t*>(extra));
    }
    case RES_DATEN: {
        uint32_t size;
        if (!l.u32(size)) break;
        if (size > l.rest()) {
            l.fehler = true;
            break;
        }
        result = Mem_Alloc(size, 0);
        if (!result) {
            Print_Fehler("Load_Resource: Speicher!");
            return nullptr;
        }
        if (!l.lesen(result, size)) result = Mem_Free(result, 0);
        break;
    }
    case RES_FONT: result = lade_font(l, depth); break;
    case RES_SPRITE_LISTE: result = lade_sprite_liste(l, extra, depth); break;
    case RES_SPRITE:
    case RES_SPRITE_FARBEN: {
        uint32_t v[6];
        for (auto& x : v)
            if (!l.u32(x)) break;
        if (l.fehler) break;
        bool farben = typ == RES_SPRITE_FARBEN;
        if (farben && uint64_t(v[5]) + 768 > l.rest()) {
            l.fehler = true;
            break;
        }
        auto* block = lies_sprite(l, v[5], 0, farben ? &v[1] : nullptr);
        if (!block) break;
        if (!hot_spot(block, v[2], v[3])) {
            Mem_Free(block, 0);
            break;
        }
        uint16_t tabelle[256];
        if (farben) {
            uint8_t palette[768];
            if (!l.lesen(palette, 768)) {
                Mem_Free(block, 0);
                break;
            }
            std::memcpy(Aktuelle_Palette, palette, 768);
            // Any depth but 15 gets RGB565 colours.
            int32_t tiefe = 16;
            if (extra) {
                uint32_t t;
                std::memcpy(&t, extra, 4);
                if (t == 15) tiefe = 15;
            }
            for (int i = 0; i < 256; ++i)
                tabelle[i] = uint16_t(Grafik_RGB_Zu_Pixel(tiefe, 4 * palette[3 * i], 4 * palette[3 * i + 1], 4 * palette[3 * i + 2]));
        }
        result = als_sprite(block, v[5], depth, farben ? tabelle : nullptr);
        break;
    }
    case RES_PALETTE: {
        uint8_t palette[768];
        if (l.ueberspringen(8) && l.lesen(palette, 768)) std::memcpy(Aktuelle_Palette, palette, 768);
        return nullptr;
    }
    case RES_FILM: result = lade_film(l, extra, depth); break;
    default: Print_Fehler("Load_Resource: Unkown"); return nullptr;
    }
    if (l.fehler) Print_Fehler("Load_Resource: Lesefehler");
    return result;
}

void Load_Resource_Buffer(Rastport* bitmap, int32_t handle, int32_t number, int32_t depth, uint8_t* palette)
{
    if (!slot_gueltig(handle)) {
        Print_Fehler("Load_Resource: ungültiger handle");
        return;
    }
    int32_t pos = position(handle, number, false);
    if (pos < 0 || !bitmap) return;
    if (eintrag_typ(handle, pos) != RES_BITMAP) {
        Print_Fehler("Load_Resource: Unkown");
        return;
    }
    Print_Log(0, "Load_Resource: Grafik");
    ResFile_Slot& s = ResFile_Tabelle[handle];
    if (std::fseek(s.file, long(eintrag_offset(handle, pos)), SEEK_SET) != 0) return;
    Leser l{s.file, s.groesse};
    Kopf k;
    if (!lies_kopf(l, k)) {
        Print_Fehler("Load_Resource: Lesefehler");
        return;
    }
    ResFile_Letzter_X_Offset = k.x_offset;
    ResFile_Letzter_Y_Offset = k.y_offset;
    // The caller's bitmap must be exactly the entry's picture; anything else would be written
    // past its end or left half filled.
    if (bitmap->width != k.width || bitmap->height != k.height || bitmap->packed ||
        bytes_pro_pixel(bitmap->depth) != bytes_pro_pixel(depth)) {
        Print_Fehler("Load_Resource: Größe!");
        return;
    }
    if (!tiefe_gueltig(int32_t(k.depth))) {
        Print_Fehler("Load_Resource: Konvertierung!");
        return;
    }
    Rastport* tmp = anlegen(k.width, k.height, int32_t(k.depth), false, fuellt_ganz(k, int32_t(k.depth)));
    if (!tmp) {
        Print_Fehler("Load_Resource: _OB: Fehler");
        return;
    }
    if (!lies_pixel(l, k, tmp)) {
        if (l.fehler) Print_Fehler("Load_Resource: Lesefehler");
        Grafik_Bitmap_Freigeben(tmp);
        return;
    }
    uint8_t eigene_palette[768] = {};
    if (k.depth == 8) {
        if (!l.lesen(eigene_palette, 768)) {
            Print_Fehler("Load_Resource: Lesefehler");
            Grafik_Bitmap_Freigeben(tmp);
            return;
        }
        if (palette) std::memcpy(palette, eigene_palette, 768);
    }
    if (bytes_pro_pixel(int32_t(k.depth)) == bytes_pro_pixel(depth)) {
        std::memcpy(bitmap->pixels, tmp->pixels, pixel_bytes(tmp));
        if (depth == 15 && k.depth == 16) zu_555(bitmap);
    } else if (depth == 15 || depth == 16) {
        palette_zu_16(tmp, bitmap, eigene_palette, depth);
    } else {
        Print_Fehler("Load_Resource: Konvertierung!");
    }
    Grafik_Bitmap_Freigeben(tmp);
}

Rastport* Unpack_Bitmap(const Rastport* packed, int32_t depth)
{
    if (!packed || !packed->packed || !packed->pixels) return nullptr;
    // a method-4 picture fills the bitmap exactly or fails; its mask is copied whole
    Rastport* bild = anlegen(packed->width, packed->height, packed->depth, packed->mask != nullptr,
                             packed->pack_method == RES_PACK4);
    if (!bild) return nullptr;
    if (!ResFile_Expandieren(static_cast<const uint8_t*>(packed->pixels), packed->packed_size, packed->pack_method,
                             static_cast<uint8_t*>(bild->pixels), pixel_bytes(bild)))
        return Grafik_Bitmap_Freigeben(bild);
    if (depth == 15 && packed->packed_depth == 16) zu_555(bild);
    if (packed->mask) std::memcpy(bild->mask, packed->mask, Grafik_Masken_Groesse(bild->width, bild->height));
    return bild;
}

int Init_System_Dateien()
{
    if (Mem_Stat_Init(34) == 0) {
        Win95_Meldung("Nicht genug Speicher frei! (min 10MB)");
        return 0;
    }
    for (ResFile_Standard& h : ResFile_Handles) {
        if (!h.name || !h.name[0] || h.modus < 0) continue;
        char path[600];
        if (h.modus == 0) std::snprintf(path, sizeof path, "%s/%s", ResFile_Ordner, h.name);
        else std::snprintf(path, sizeof path, "%s%s", ResFile_Daten_Praefix, h.name);
        h.handle = Init_ResFile(path);
    }
    Clear_Temp_Strings();
    return 1;
}

void DeInit_System_Dateien()
{
    for (ResFile_Standard& h : ResFile_Handles) {
        if (h.handle != -1) DeInit_ResFile(h.handle);
        h.handle = -1;
    }
    Grafik_Leer_Stub2();
    Mem_Stat_DeInit();
}
