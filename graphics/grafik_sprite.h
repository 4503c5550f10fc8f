// Run-length sprites: rows of skip runs (transparent) and copy runs (literal pixels).
// 15/16-bit sprites and wide 8-bit sprites use u16 control words (bit 15: copy), narrow
// 8-bit sprites (width 124 or less) control bytes (bit 7: copy). Data and row table are in
// pixel units (bytes for 8-bit, u16 words for 15/16-bit).
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

struct Rle_Sprite {
    int16_t width;
    int16_t height;
    int16_t x_offset;
    int16_t y_offset;
    uint32_t data_size;    // as measured by the packer
    uint8_t wide;          // 8-bit only: word control codes
    uint8_t mirrored;
    uint8_t depth;         // 8, 15 or 16
    uint16_t tag;
    uint8_t* data;         // into the same allocation
    uint32_t* rows;        // end of each row, in pixel units from the data start
    uint16_t* colours;     // 256 colours for sprites loaded with a colour table, else null
};

// The 36-byte header image of resource files: i16 width, height, x and y offset at 0, 2, 4, 6;
// u32 data size at 12; wide flag 17; mirrored 20; depth 21; tag 22; the pointer words at
// 24, 28 and 32 are written as 0 and ignored when read.
constexpr uint32_t SPRITE_KOPF = 36;
void Grafik_Sprite_Kopf_Schreiben(const Rle_Sprite* sprite, uint8_t* out);
void Grafik_Sprite_Kopf_Lesen(const uint8_t* in, Rle_Sprite* sprite);

// A block of a resource file (header, row table, data; size bytes) checked once: depth,
// sizes, row table and every run. A bad block is reported and gives null; else a new sprite
// with copies of the row table and the data (and of the 256 colours when given).
Rle_Sprite* Grafik_Sprite_Aus_Block(const uint8_t* block, uint32_t size, const uint16_t* colours);
// The checks alone: 1 when the stream of width x height rows with the row table holds.
int Grafik_Sprite_Lauf_Pruefen(const uint8_t* data, uint32_t units, const uint32_t* rows,
                               int32_t width, int32_t height, int32_t depth, int32_t wide);

Rle_Sprite* Grafik_Bitmap_Packen(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h);
uint32_t Grafik_Sprite_Groesse(Rastport* rp);
uint8_t* Grafik_Sprite_Kodieren(Rastport* rp, uint32_t size, uint32_t* rows);
Rle_Sprite* Grafik_Sprite_Anlegen(int32_t width, int32_t height, int32_t depth, const uint8_t* data,
                                  uint32_t size, const uint32_t* rows);
int Grafik_Sprite_Freigeben(Rle_Sprite* sprite);
void Grafik_Sprite_Versatz_Setzen(Rle_Sprite* sprite, int32_t x, int32_t y);
void Grafik_Sprite_Nach_555(Rle_Sprite* sprite);
// How many rows from the top the sprite's blit writes whole: rows of one copy run across the
// width, read in the stream's order.
int32_t Grafik_Sprite_Deckende_Zeilen(const Rle_Sprite* sprite);
// Draws the sprite; 0 when nothing was drawn.
int Grafik_Sprite_Blit(Rle_Sprite* sprite, Rastport* dst, int32_t x, int32_t y);
// 8-bit onto 8-bit through a 256-byte table; only when the sprite lies wholly inside dst.
int Grafik_Palette_Remap_Blit(Rle_Sprite* sprite, Rastport* dst, int32_t x, int32_t y,
                              const uint8_t* remap);
// 16-bit rows from first_row on (found through the row table) drawn at (dx, dy), clipped at
// every edge of dst; the _Clip form draws only columns start_col .. start_col + cols - 1.
int Grafik_Sprite_Zeilen_Clip(const uint8_t* data, const uint32_t* rows, int32_t first_row,
                              int32_t start_col, int32_t cols, int32_t width, int32_t height,
                              Rastport* dst, int32_t dx, int32_t dy);
int Grafik_Sprite_Zeilen(const uint8_t* data, const uint32_t* rows, int32_t first_row,
                         int32_t width, int32_t height, Rastport* dst, int32_t dx, int32_t dy);

// Decoding loops. dst points at the destination pixel (dx, dy) of a block dst_width wide.
// start_row < 0: that many rows are read through without drawing.
int Pixel_Sprite_16(const uint8_t* stream, int32_t w, int32_t h, uint16_t* dst, int32_t dst_width,
                    int32_t start_row, int32_t mirrored);
int Pixel_Sprite_8(const uint8_t* stream, int32_t wide, int32_t w, int32_t h, uint8_t* dst,
                   int32_t dst_width, int32_t start_row, int32_t mirrored);
// 8-bit literals through a colour table onto 16 bits.
int Pixel_Sprite_8_16(const uint8_t* stream, int32_t wide, int32_t w, int32_t h, uint16_t* dst,
                      int32_t dst_width, int32_t mirrored, const uint16_t* colours);
// 8-bit literals through a remap table onto 8 bits.
int Pixel_Sprite_Remap(const uint8_t* stream, int32_t wide, int32_t w, int32_t h, uint8_t* dst,
                       int32_t dst_width, const uint8_t* remap);
// Half size, buffered: word codes, 8-bit literals through the colour table; each row decoded
// into a buffer prefilled with 0x0101, even entries drawn unless still 0x0101, rows with bit 1
// of their index clear drawn. Widths over 1024 are refused (0).
int Pixel_Sprite_Halb_Puffer(const uint8_t* stream, int32_t w, int32_t h, uint16_t* dst,
                             int32_t dst_width, int32_t start_row, const uint16_t* colours);
