#include "platform/asm.h"
#include "platform/bytes.h"

// The per-pixel loops are written plainly for the vectoriser; the default cost model at -O2
// would leave every loop that needs a remainder or an alias check scalar.
#pragma GCC optimize("tree-vectorize", "vect-cost-model=dynamic")

#include <cstring>

void Asm_Convert_565_To_555(uint16_t* dst, const uint16_t* src, uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i) {
        uint16_t p = src[i];
        uint16_t q = uint16_t(((p >> 1) & 0x7FE0) | (p & 0x1F));
        dst[i] = p == 0 ? 0 : (q == 0 ? 1 : q);
    }
}

void Asm_Copy_Bytes(void* dst, const void* src, uint32_t n)
{
    if (n) std::memcpy(dst, src, n);
}

void Asm_Fill_Bytes(void* dst, uint32_t value, uint32_t n)
{
    if (n) std::memset(dst, int(value & 0xFF), n);
}

// A screen is cleared whole at every menu change: wide stores where the processor has them.
#if defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void Asm_Fill_Words(uint16_t* dst, uint32_t value, uint32_t n)
{
    uint16_t v = uint16_t(value);
    for (uint32_t i = 0; i < n; ++i) dst[i] = v;
}

void Asm_Fill_Dwords(uint32_t* dst, uint32_t value, uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i) dst[i] = value;
}

void Asm_Copy_Colour_8(uint8_t* dst, const uint8_t* src, uint32_t n, uint8_t colour)
{
    for (uint32_t i = 0; i < n; ++i) dst[i] = src[i] ? colour : dst[i];
}

void Asm_Copy_Colour_16(uint16_t* dst, const uint16_t* src, uint32_t n, uint16_t colour)
{
    for (uint32_t i = 0; i < n; ++i) dst[i] = src[i] ? colour : dst[i];
}

void Asm_Split_565(const uint16_t* src, uint8_t* red, uint8_t* green, uint8_t* blue, uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i) {
        uint16_t p = src[i];
        red[i] = uint8_t((p & 0xF800) >> 8);
        green[i] = uint8_t((p & 0x07E0) >> 3);
        blue[i] = uint8_t((p & 0x1F) << 3);
    }
}

void Asm_Split_555(const uint16_t* src, uint8_t* red, uint8_t* green, uint8_t* blue, uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i) {
        uint16_t p = src[i];
        red[i] = uint8_t((p & 0x7C00) >> 7);
        green[i] = uint8_t((p & 0x03E0) >> 2);
        blue[i] = uint8_t((p & 0x1F) << 3);
    }
}

void Asm_Join_555(uint16_t* dst, const uint8_t* red, const uint8_t* green, const uint8_t* blue,
                  uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i)
        dst[i] = uint16_t(((red[i] << 7) & 0x7C00) | ((green[i] << 2) & 0x03E0) |
                          ((blue[i] >> 3) & 0x1F));
}

void Asm_Join_565(uint16_t* dst, const uint8_t* red, const uint8_t* green, const uint8_t* blue,
                  uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i)
        dst[i] = uint16_t(((red[i] << 8) & 0xF800) | ((green[i] << 3) & 0x07E0) |
                          ((blue[i] >> 3) & 0x1F));
}

void Asm_Filter_Punkt(int32_t* result, const uint8_t* pixels, const int32_t* weights, int32_t rows,
                      int32_t columns, int32_t line_skip)
{
    int32_t sum = 0;
    for (int32_t r = 0; r < rows; ++r) {
        for (int32_t c = 0; c < columns; ++c)
            sum += int32_t((uint32_t(*weights++) * uint32_t(*pixels++)) >> 7);
        pixels += line_skip;
    }
    *result = sum < 0 ? 0 : (sum > 255 ? 255 : sum);
}

void Asm_Max_8(const uint8_t* src, uint8_t* dst, int32_t width, int32_t height, int32_t pitch)
{
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x, ++src, ++dst)
            if (*src > *dst) *dst = *src;
        dst += pitch - width;
    }
}

void Asm_RLE_8(const uint8_t* src, uint8_t* dst, int32_t width, int32_t height, int32_t skip)
{
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width;) {
            uint8_t code = *src++;
            int32_t n = code & 0x7F;
            if (code & 0x80) {
                std::memcpy(dst, src, size_t(n));
                src += n;
            }
            dst += n;
            x += n;
            if (n == 0) break;  // a run of 0 would never finish the row
        }
        dst += skip;
    }
}


void Asm_RLE_8_Wort(const uint8_t* src, uint8_t* dst, int32_t width, int32_t height, int32_t skip)
{
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width;) {
            uint16_t code = Bytes_Hole16(src);
            src += 2;
            int32_t n = code & 0x7FFF;
            if (code & 0x8000) {
                std::memcpy(dst, src, size_t(n));
                src += n;
            }
            dst += n;
            x += n;
            if (n == 0) break;
        }
        dst += skip;
    }
}

void Asm_RLE_16_Palette(const uint8_t* src, uint16_t* dst, int32_t width, int32_t height,
                        int32_t skip, const uint16_t* palette)
{
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width;) {
            uint16_t code = Bytes_Hole16(src);
            src += 2;
            int32_t n = code & 0x7FFF;
            if (code & 0x8000)
                for (int32_t i = 0; i < n; ++i) dst[i] = palette[*src++];
            dst += n;
            x += n;
            if (n == 0) break;
        }
        dst += skip;
    }
}

void Asm_Swap_Dword(uint32_t* a, uint32_t* b)
{
    uint32_t t = *a;
    *a = *b;
    *b = t;
}

void Asm_Memmove(const void* src, void* dst, uint32_t n)
{
    if (n) std::memmove(dst, src, n);
}
