// Tight block routines over counts of bytes and pixels. Copies, fills, splits and joins take
// the destination first; Asm_Memmove takes the source first. A count of 0 does nothing.
#pragma once
#include <cstdint>

// 0 stays 0; other pixels keep red, the top five green bits and blue; a visible result of 0
// (only the darkest green) becomes 1 so that it stays visible.
void Asm_Convert_565_To_555(uint16_t* dst, const uint16_t* src, uint32_t n);
void Asm_Copy_Bytes(void* dst, const void* src, uint32_t n);
void Asm_Fill_Bytes(void* dst, uint32_t value, uint32_t n);
void Asm_Fill_Words(uint16_t* dst, uint32_t value, uint32_t n);
void Asm_Fill_Dwords(uint32_t* dst, uint32_t value, uint32_t n);
// Source 0 keeps the destination; other source pixels are copied (or write the colour).
// The keyed copies work in vectors (SSE2, or AVX2 where the processor has it); source and
// destination that overlap are copied pixel by pixel from the left, as the plain loop does.
void Asm_Copy_Transparent_8(uint8_t* dst, const uint8_t* src, uint32_t n);
void Asm_Copy_Colour_8(uint8_t* dst, const uint8_t* src, uint32_t n, uint8_t colour);
void Asm_Copy_Transparent_16(uint16_t* dst, const uint16_t* src, uint32_t n);
void Asm_Copy_Colour_16(uint16_t* dst, const uint16_t* src, uint32_t n, uint16_t colour);
// The widest vector path the keyed copies may take. They take the widest the processor offers
// up to this bound (the bound starts at Avx2); tests lower it to hold every path against the
// plain loop. Returns the path in use afterwards.
enum class Asm_Vektor { Keine, Sse2, Avx2 };
Asm_Vektor Asm_Vektor_Begrenzen(Asm_Vektor hoechstens);
// 16-bit pixels to three 8-bit planes and back.
void Asm_Split_565(const uint16_t* src, uint8_t* red, uint8_t* green, uint8_t* blue, uint32_t n);
void Asm_Split_555(const uint16_t* src, uint8_t* red, uint8_t* green, uint8_t* blue, uint32_t n);
void Asm_Join_555(uint16_t* dst, const uint8_t* red, const uint8_t* green, const uint8_t* blue,
                  uint32_t n);
void Asm_Join_565(uint16_t* dst, const uint8_t* red, const uint8_t* green, const uint8_t* blue,
                  uint32_t n);
// One convolution sample: sum of (weight * pixel) >> 7 over rows x columns, limited to 0..255.
void Asm_Filter_Punkt(int32_t* result, const uint8_t* pixels, const int32_t* weights, int32_t rows,
                      int32_t columns, int32_t line_skip);
// dst = max(src, dst) per byte; the source has no gaps, the destination advances by its pitch.
void Asm_Max_8(const uint8_t* src, uint8_t* dst, int32_t width, int32_t height, int32_t pitch);
// Run-length rows: a copy item (top bit set) brings its pixels, a skip item keeps the
// destination. After each row of width pixels the destination moves on by skip.
void Asm_RLE_8(const uint8_t* src, uint8_t* dst, int32_t width, int32_t height, int32_t skip);
void Asm_RLE_8_Wort(const uint8_t* src, uint8_t* dst, int32_t width, int32_t height, int32_t skip);
void Asm_RLE_16_Palette(const uint8_t* src, uint16_t* dst, int32_t width, int32_t height,
                        int32_t skip, const uint16_t* palette);
void Asm_Swap_Dword(uint32_t* a, uint32_t* b);
// Overlap-safe copy of n bytes.
void Asm_Memmove(const void* src, void* dst, uint32_t n);
