#include "graphics/grafik_sprite.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "platform/asm.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/print.h"

namespace {

constexpr int32_t WORT_MAX = 32700;   // run limits of the encoder; decoders take up to 0x7FFF
constexpr int32_t BYTE_MAX = 126;
constexpr int32_t SCHMAL_MAX = 124;   // 8-bit sprites up to this width use control bytes
constexpr int32_t PUFFER = 1024;      // row buffer of the buffered half size

bool wortcodes(int32_t depth, int32_t width) { return depth != 8 || width > SCHMAL_MAX; }
uint32_t einheit(int32_t depth) { return depth == 8 ? 1 : 2; }

// One control item: 1 when copy, the length in n; advances s.
inline bool code_lesen(const uint8_t*& s, bool wort, int32_t& n)
{
    if (wort) {
        uint16_t c = Bytes_Hole16(s);
        s += 2;
        n = c & 0x7FFF;
        return c & 0x8000;
    }
    uint8_t c = *s++;
    n = c & 0x7F;
    return c & 0x80;
}

template <typename T>
T gleich(T v) { return v; }

// Decodes h rows of a valid stream. Lit is the literal type in the stream, Out the destination
// pixel type; conv maps a literal. d points at the left end of the first drawn row.
template <typename Lit, typename Out, typename Conv>
const uint8_t* dekodieren(const uint8_t* s, bool wort, int32_t w, int32_t h, Out* d,
                          int32_t dst_width, int32_t start_row, bool mirrored, Conv conv)
{
    bool roh = false;
    if constexpr (std::is_same_v<Lit, Out> && std::is_pointer_v<Conv>) roh = conv == &gleich<Lit>;
    for (int32_t r = 0; r < h; ++r) {
        bool zeichnen = start_row + r >= 0;
        Out* p = mirrored ? d + w - 1 : d;
        int32_t schritt = mirrored ? -1 : 1;
        for (int32_t col = 0; col < w;) {
            int32_t n;
            bool copy = code_lesen(s, wort, n);
            if (n == 0) break;
            if (copy) {
                if (zeichnen && roh && !mirrored) {
                    // literals taken as they are: the run is one copy
                    std::memcpy(p, s, size_t(n) * sizeof(Lit));
                    p += n;
                } else if (zeichnen) {
                    for (int32_t i = 0; i < n; ++i, p += schritt) {
                        Lit v;
                        std::memcpy(&v, s + i * sizeof(Lit), sizeof(Lit));
                        *p = conv(v);
                    }
                }
                s += n * sizeof(Lit);
            } else if (zeichnen) {
                p += schritt * n;
            }
            col += n;
        }
        if (zeichnen) d += dst_width;
    }
    return s;
}


Rastport* auspacken(const Rle_Sprite* s)
{
    Rastport* rp = Grafik_Bitmap_Anlegen(s->width, s->height, s->depth);
    if (!rp) return nullptr;
    bool wort = wortcodes(s->depth, s->width);
    if (s->depth == 8)
        dekodieren<uint8_t>(s->data, wort, s->width, s->height, static_cast<uint8_t*>(rp->pixels),
                            s->width, 0, s->mirrored, gleich<uint8_t>);
    else
        dekodieren<uint16_t>(s->data, true, s->width, s->height,
                             static_cast<uint16_t*>(rp->pixels), s->width, 0, s->mirrored,
                             gleich<uint16_t>);
    return rp;
}

uint32_t pixel(const Rastport* rp, int32_t x, int32_t y)
{
    size_t i = size_t(y) * rp->width + size_t(x);
    if (rp->depth == 8) return static_cast<const uint8_t*>(rp->pixels)[i];
    return static_cast<const uint16_t*>(rp->pixels)[i];
}

}  // namespace

void Grafik_Sprite_Kopf_Schreiben(const Rle_Sprite* s, uint8_t* out)
{
    std::memset(out, 0, SPRITE_KOPF);
    Bytes_Setze16(out + 0, uint16_t(s->width));
    Bytes_Setze16(out + 2, uint16_t(s->height));
    Bytes_Setze16(out + 4, uint16_t(s->x_offset));
    Bytes_Setze16(out + 6, uint16_t(s->y_offset));
    Bytes_Setze32(out + 12, s->data_size);
    out[17] = s->wide;
    out[20] = s->mirrored;
    out[21] = s->depth;
    Bytes_Setze16(out + 22, s->tag);
}

void Grafik_Sprite_Kopf_Lesen(const uint8_t* in, Rle_Sprite* s)
{
    s->width = int16_t(Bytes_Hole16(in + 0));
    s->height = int16_t(Bytes_Hole16(in + 2));
    s->x_offset = int16_t(Bytes_Hole16(in + 4));
    s->y_offset = int16_t(Bytes_Hole16(in + 6));
    s->data_size = Bytes_Hole32(in + 12);
    s->wide = in[17];
    s->mirrored = in[20];
    s->depth = in[21];
    s->tag = Bytes_Hole16(in + 22);
    s->data = nullptr;
    s->rows = nullptr;
    s->colours = nullptr;
}

int Grafik_Sprite_Lauf_Pruefen(const uint8_t* data, uint32_t units, const uint32_t* rows,
                               int32_t width, int32_t height, int32_t depth, int32_t wide)
{
    if (depth != 8 && depth != 15 && depth != 16) return 0;
    if (width < 0 || width > 32767 || height < 0) return 0;
    if (depth == 8 && bool(wide) != wortcodes(8, width)) return 0;
    uint32_t u = einheit(depth);
    bool wort = wortcodes(depth, width);
    uint32_t code_bytes = wort ? 2 : 1;
    uint64_t pos = 0;  // in bytes
    for (int32_t r = 0; r < height; ++r) {
        uint64_t ende = uint64_t(rows[r]) * u;
        if (rows[r] > units || ende < pos) return 0;
        int64_t col = 0;
        while (col < width) {
            if (pos + code_bytes > ende) return 0;
            const uint8_t* s = data + pos;
            int32_t n;
            bool copy = code_lesen(s, wort, n);
            pos += code_bytes;
            if (n == 0 || col + n > width) return 0;
            if (copy) {
                pos += uint64_t(n) * u;
                if (pos > ende) return 0;
            }
            col += n;
        }
        if (pos != ende) return 0;
    }
    return 1;
}

Rle_Sprite* Grafik_Sprite_Aus_Block(const uint8_t* block, uint32_t size, const uint16_t* colours)
{
    Rle_Sprite kopf;
    if (!block || size < SPRITE_KOPF) {
        Print_Fehler("Sprite: Block zu kurz");
        return nullptr;
    }
    Grafik_Sprite_Kopf_Lesen(block, &kopf);
    uint64_t tabelle_ende = SPRITE_KOPF + 4 * uint64_t(std::max<int16_t>(kopf.height, 0));
    if (kopf.height < 0 || kopf.width < 0 || tabelle_ende > size ||
        (kopf.depth != 8 && kopf.depth != 15 && kopf.depth != 16)) {
        Print_Fehler("Sprite: ungültiger Kopf (Tiefe %d, %d x %d)", kopf.depth, kopf.width,
                     kopf.height);
        return nullptr;
    }
    uint32_t u = einheit(kopf.depth);
    uint32_t units = uint32_t((size - tabelle_ende) / u);
    uint32_t* rows = static_cast<uint32_t*>(Mem_Alloc(4 * uint32_t(kopf.height) + 4, 0));
    if (!rows) return nullptr;
    for (int32_t r = 0; r < kopf.height; ++r) rows[r] = Bytes_Hole32(block + SPRITE_KOPF + 4 * r);
    const uint8_t* data = block + tabelle_ende;
    // the wide flag is derived, not trusted: a wrong one would make the loops read bytes as words
    kopf.wide = kopf.depth == 8 && kopf.width > SCHMAL_MAX;
    if (!Grafik_Sprite_Lauf_Pruefen(data, units, rows, kopf.width, kopf.height, kopf.depth,
                                    kopf.wide)) {
        Print_Fehler("Sprite: beschädigte Zeilen (%d x %d)", kopf.width, kopf.height);
        Mem_Free(rows, 0);
        return nullptr;
    }
    uint32_t genutzt = kopf.height ? rows[kopf.height - 1] : 0;
    Rle_Sprite* s = Grafik_Sprite_Anlegen(kopf.width, kopf.height, kopf.depth, data, genutzt, rows);
    Mem_Free(rows, 0);
    if (!s) return nullptr;
    s->x_offset = kopf.x_offset;
    s->y_offset = kopf.y_offset;
    s->data_size = kopf.data_size;
    if (colours) {
        s->colours = static_cast<uint16_t*>(Mem_Alloc(512, 0));
        if (!s->colours) {
            Grafik_Sprite_Freigeben(s);
            return nullptr;
        }
        std::memcpy(s->colours, colours, 512);
    }
    return s;
}

uint32_t Grafik_Sprite_Groesse(Rastport* rp)
{
    if (!rp || (rp->depth != 8 && rp->depth != 15 && rp->depth != 16) || rp->packed) return 0;
    int32_t w = int32_t(rp->width);
    bool wort = wortcodes(rp->depth, w);
    uint32_t code = wort ? 2 : 1;
    int32_t limit = wort ? WORT_MAX : BYTE_MAX;
    uint64_t summe = 0;
    for (int32_t y = 0; y < int32_t(rp->height); ++y) {
        for (int32_t x = 0; x < w;) {
            bool sichtbar = pixel(rp, x, y) != 0;
            int32_t n = 0;
            while (x < w && n < limit && (pixel(rp, x, y) != 0) == sichtbar) ++x, ++n;
            summe += code + (sichtbar ? uint32_t(n) : 0);
        }
    }
    return summe > 0xFFFFFFFFu ? 0 : uint32_t(summe);
}

uint8_t* Grafik_Sprite_Kodieren(Rastport* rp, uint32_t size, uint32_t* rows)
{
    if (!rp || (rp->depth != 8 && rp->depth != 15 && rp->depth != 16) || rp->packed) return nullptr;
    uint32_t u = einheit(rp->depth);
    auto* out = static_cast<uint8_t*>(Mem_Alloc_Clear(size * u + 2, 0, 0));
    if (!out) return nullptr;
    int32_t w = int32_t(rp->width);
    bool wort = wortcodes(rp->depth, w);
    int32_t limit = wort ? WORT_MAX : BYTE_MAX;
    uint8_t* p = out;
    for (int32_t y = 0; y < int32_t(rp->height); ++y) {
        for (int32_t x = 0; x < w;) {
            bool sichtbar = pixel(rp, x, y) != 0;
            int32_t start = x, n = 0;
            while (x < w && n < limit && (pixel(rp, x, y) != 0) == sichtbar) ++x, ++n;
            uint32_t c = uint32_t(n) | (sichtbar ? (wort ? 0x8000u : 0x80u) : 0u);
            if (wort) {
                Bytes_Setze16(p, uint16_t(c));
                p += 2;
            } else {
                *p++ = uint8_t(c);
            }
            if (!sichtbar) continue;
            for (int32_t i = start; i < start + n; ++i) {
                if (u == 1) {
                    *p++ = uint8_t(pixel(rp, i, y));
                } else {
                    Bytes_Setze16(p, uint16_t(pixel(rp, i, y)));
                    p += 2;
                }
            }
        }
        if (rows) rows[y] = uint32_t((p - out) / u);
    }
    return out;
}

Rle_Sprite* Grafik_Sprite_Anlegen(int32_t width, int32_t height, int32_t depth, const uint8_t* data,
                                  uint32_t size, const uint32_t* rows)
{
    if (width < 0 || width > 32767 || height < 0 || height > 32767) return nullptr;
    uint64_t bytes = sizeof(Rle_Sprite) + 4 * uint64_t(height) + uint64_t(size) * einheit(depth);
    if (bytes > 0x7FFFFFFF) return nullptr;
    auto* s = static_cast<Rle_Sprite*>(Mem_Alloc_Clear(uint32_t(bytes), 0, 0));
    if (!s) return nullptr;
    s->width = int16_t(width);
    s->height = int16_t(height);
    s->depth = uint8_t(depth);
    s->data_size = size;
    s->wide = depth == 8 && width > SCHMAL_MAX;
    s->rows = reinterpret_cast<uint32_t*>(s + 1);
    s->data = reinterpret_cast<uint8_t*>(s->rows + height);
    if (height) std::memcpy(s->rows, rows, 4 * size_t(height));
    if (size) std::memcpy(s->data, data, size_t(size) * einheit(depth));
    return s;
}

int Grafik_Sprite_Freigeben(Rle_Sprite* s)
{
    if (s) {
        Mem_Free(s->colours, 0);
        Mem_Free(s, 0);
    }
    return 0;
}

void Grafik_Sprite_Versatz_Setzen(Rle_Sprite* s, int32_t x, int32_t y)
{
    if (!s) return;
    s->x_offset = int16_t(x);
    s->y_offset = int16_t(y);
}

Rle_Sprite* Grafik_Bitmap_Packen(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h)
{
    if (!src || w < 0 || h < 0) return nullptr;
    Rastport* tmp = Grafik_Bitmap_Anlegen(w, h, src->depth);
    if (!tmp) return nullptr;
    Grafik_Blit(src, sx, sy, w, h, tmp, 0, 0);
    uint32_t size = Grafik_Sprite_Groesse(tmp);
    auto* rows = static_cast<uint32_t*>(Mem_Alloc(4 * uint32_t(h) + 4, 0));
    uint8_t* data = rows ? Grafik_Sprite_Kodieren(tmp, size, rows) : nullptr;
    Rle_Sprite* s = data ? Grafik_Sprite_Anlegen(w, h, src->depth, data, size, rows) : nullptr;
    Mem_Free(data, 0);
    Mem_Free(rows, 0);
    Grafik_Bitmap_Freigeben(tmp);
    return s;
}

void Grafik_Sprite_Nach_555(Rle_Sprite* s)
{
    if (!s || s->depth != 16) return;
    uint8_t* p = s->data;
    for (int32_t y = 0; y < s->height; ++y) {
        for (int32_t col = 0; col < s->width;) {
            int32_t n;
            const uint8_t* c = p;
            bool copy = code_lesen(c, true, n);
            p += 2;
            if (n == 0) break;
            if (copy) {
                for (int32_t i = 0; i < n; ++i, p += 2) {
                    uint16_t v = Bytes_Hole16(p);
                    v = uint16_t((((v & 0xF800) >> 1) & 0x7C00) | (((v & 0x07E0) >> 1) & 0x03E0) |
                                 (v & 0x1F));
                    Bytes_Setze16(p, v);
                }
            }
            col += n;
        }
    }
    s->depth = 15;
}

int32_t Grafik_Sprite_Deckende_Zeilen(const Rle_Sprite* s)
{
    if (!s || !s->data || s->width <= 0) return 0;
    const bool wort = wortcodes(s->depth, s->width);
    const uint8_t* p = s->data;
    int32_t zeilen = 0;
    for (; zeilen < s->height; ++zeilen) {
        int32_t n;
        if (!code_lesen(p, wort, n) || n != s->width) break;
        p += size_t(n) * einheit(s->depth);
    }
    return zeilen;
}

int Grafik_Sprite_Blit(Rle_Sprite* s, Rastport* dst, int32_t x, int32_t y)
{
    Grafik_Seite_Beschrieben(dst);
    if (!s || !dst || dst->packed || !dst->pixels) return 0;
    if (s->mirrored)
        x -= s->width + s->x_offset;
    else
        x += s->x_offset;
    y += s->y_offset;
    if (s->depth != dst->depth) return 0;
    int32_t dw = int32_t(dst->width), dh = int32_t(dst->height);
    if (x < 0 || x + s->width > dw) {
        Rastport* tmp = auspacken(s);
        if (!tmp) return 0;
        int r = Grafik_Blit_Transparent(tmp, 0, 0, s->width, s->height, dst, x, y);
        Grafik_Bitmap_Freigeben(tmp);
        return r;
    }
    if (y >= dh || y + s->height <= 0) return 0;
    int32_t zeilen = std::min<int32_t>(s->height, dh - y);
    int32_t oben = std::max(y, 0);
    bool wort = wortcodes(s->depth, s->width);
    if (Grafik_Ist_Seite_0(dst)) {
        // the screen is written through the display's surface; only 8-bit screens take this way
        if (s->depth != 8) return 0;
        const int32_t sichtbar = std::min(y + s->height, dh) - oben;
        return Grafik_Screen_Schreiben(Grafik_Pfad::Surface_Getrennt, x, oben, s->width, sichtbar, [&] {
            Pixel_Sprite_8(s->data, wort, s->width, zeilen, static_cast<uint8_t*>(dst->pixels) + size_t(oben) * dw + x,
                           dw, std::min(y, 0), s->mirrored);
        });
    }
    if (s->depth == 8)
        return Pixel_Sprite_8(s->data, wort, s->width, zeilen,
                              static_cast<uint8_t*>(dst->pixels) + size_t(oben) * dw + x, dw,
                              std::min(y, 0), s->mirrored);
    return Pixel_Sprite_16(s->data, s->width, zeilen,
                           static_cast<uint16_t*>(dst->pixels) + size_t(oben) * dw + x, dw,
                           std::min(y, 0), s->mirrored);
}

int Grafik_Palette_Remap_Blit(Rle_Sprite* s, Rastport* dst, int32_t x, int32_t y,
                              const uint8_t* remap)
{
    Grafik_Seite_Beschrieben(dst);
    if (!s || !dst || !remap || dst->packed || !dst->pixels) return 0;
    if (s->depth != 8 || dst->depth != 8) return 0;
    if (s->mirrored)
        x -= s->width + s->x_offset;
    else
        x += s->x_offset;
    y += s->y_offset;
    if (x < 0 || y < 0 || x + s->width > int32_t(dst->width) ||
        y + s->height > int32_t(dst->height))
        return 0;
    auto* d = static_cast<uint8_t*>(dst->pixels) + size_t(y) * dst->width + x;
    bool wort = wortcodes(8, s->width);
    dekodieren<uint8_t>(s->data, wort, s->width, s->height, d, int32_t(dst->width), 0, s->mirrored,
                        [remap](uint8_t v) { return remap[v]; });
    return 1;
}

int Grafik_Sprite_Zeilen_Clip(const uint8_t* data, const uint32_t* rows, int32_t first_row,
                              int32_t start_col, int32_t cols, int32_t width, int32_t height,
                              Rastport* dst, int32_t dx, int32_t dy)
{
    Grafik_Seite_Beschrieben(dst);
    if (!data || !rows || !dst || dst->packed || !dst->pixels || dst->depth == 8) return 0;
    if (first_row < 0 || first_row >= height || width <= 0) return 0;
    start_col = std::max(start_col, 0);
    int32_t ende_col = std::min(width, start_col + cols);
    int32_t dw = int32_t(dst->width), dh = int32_t(dst->height);
    const uint8_t* s = data + (first_row ? size_t(rows[first_row - 1]) * 2 : 0);
    auto* px = static_cast<uint16_t*>(dst->pixels);
    int gezeichnet = 0;
    for (int32_t r = first_row, ty = dy; r < height && ty < dh; ++r, ++ty) {
        for (int32_t col = 0; col < width;) {
            int32_t n;
            bool copy = code_lesen(s, true, n);
            if (n == 0) break;
            if (copy) {
                for (int32_t i = 0; i < n; ++i) {
                    int32_t c = col + i, tx = dx + c - start_col;
                    if (ty >= 0 && c >= start_col && c < ende_col && tx >= 0 && tx < dw) {
                        px[size_t(ty) * dw + tx] = Bytes_Hole16(s + 2 * i);
                        gezeichnet = 1;
                    }
                }
                s += 2 * n;
            }
            col += n;
        }
    }
    return gezeichnet;
}

int Grafik_Sprite_Zeilen(const uint8_t* data, const uint32_t* rows, int32_t first_row,
                         int32_t width, int32_t height, Rastport* dst, int32_t dx, int32_t dy)
{
    return Grafik_Sprite_Zeilen_Clip(data, rows, first_row, 0, width, width, height, dst, dx, dy);
}

int Pixel_Sprite_16(const uint8_t* stream, int32_t w, int32_t h, uint16_t* dst, int32_t dst_width,
                    int32_t start_row, int32_t mirrored)
{
    dekodieren<uint16_t>(stream, true, w, h, dst, dst_width, start_row, mirrored, gleich<uint16_t>);
    return 1;
}

int Pixel_Sprite_8(const uint8_t* stream, int32_t wide, int32_t w, int32_t h, uint8_t* dst,
                   int32_t dst_width, int32_t start_row, int32_t mirrored)
{
    if (!mirrored && start_row >= 0) {
        // the plain case goes through the shared block decoders
        if (wide)
            Asm_RLE_8_Wort(stream, dst, w, h, dst_width - w);
        else
            Asm_RLE_8(stream, dst, w, h, dst_width - w);
        return 1;
    }
    dekodieren<uint8_t>(stream, wide, w, h, dst, dst_width, start_row, mirrored, gleich<uint8_t>);
    return 1;
}

int Pixel_Sprite_8_16(const uint8_t* stream, int32_t wide, int32_t w, int32_t h, uint16_t* dst,
                      int32_t dst_width, int32_t mirrored, const uint16_t* colours)
{
    if (wide && !mirrored) {
        Asm_RLE_16_Palette(stream, dst, w, h, dst_width - w, colours);
        return 1;
    }
    dekodieren<uint8_t>(stream, wide, w, h, dst, dst_width, 0, mirrored,
                        [colours](uint8_t v) { return colours[v]; });
    return 1;
}

int Pixel_Sprite_Remap(const uint8_t* stream, int32_t wide, int32_t w, int32_t h, uint8_t* dst,
                       int32_t dst_width, const uint8_t* remap)
{
    dekodieren<uint8_t>(stream, wide, w, h, dst, dst_width, 0, false,
                        [remap](uint8_t v) { return remap[v]; });
    return 1;
}

int Pixel_Sprite_Halb_Puffer(const uint8_t* stream, int32_t w, int32_t h, uint16_t* dst,
                             int32_t dst_width, int32_t start_row, const uint16_t* colours)
{
    if (w > PUFFER) return 0;
    uint16_t puffer[PUFFER];
    const uint8_t* s = stream;
    for (int32_t r = 0; r < h; ++r) {
        std::fill(puffer, puffer + w, uint16_t(0x0101));
        s = dekodieren<uint8_t>(s, true, w, 1, puffer, w, 0, false,
                                [colours](uint8_t v) { return colours[v]; });
        if (r & 2) continue;
        if (start_row + r >= 0) {
            for (int32_t i = 0; i < w / 2; ++i)
                if (puffer[2 * i] != 0x0101) dst[i] = puffer[2 * i];
            dst += dst_width;
        }
    }
    return 1;
}
