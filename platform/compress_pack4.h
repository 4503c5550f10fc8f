// Method 4: byte-oriented LZ decoded from its end towards its start.
//
// Stream: u32 R (little-endian), then the packed data, read from its last byte down: first R raw
// bytes (the last R output bytes), then items, each a token byte T with operands below it:
//   0x80-0xFE  literal run of (T & 0x7F) + 1 bytes
//   0xFF       long match B1 B2 B3 B4: length (B1 & 0x1F) + 2 + B3 + 256 B4, offset 4 B2 + (B1 >> 5)
//   0x00-0x7F  short match B: length (T & 0x1F) + 2, offset 4 B + (T >> 5)
// A match at write position p copies downwards out[p - k] = out[p + offset + length - k].
#pragma once
#include <cstdint>

#include "platform/compress.h"

struct Pack4_Frame {
    uint32_t raw_length;
    uint32_t out_length;
    uint32_t packed_length;
    uint32_t spare;
    const uint8_t* packed;
    uint8_t* out;
};

// Returns the output length, or 0 when the stream is damaged or does not fill the output exactly.
uint32_t Pack4_Unpack(const Pack4_Frame* frame);
// The output stream's capacity must be exactly the unpacked length.
int Pack4_Expand(Compress_Stream* in, Compress_Stream* out);
// The output buffer must hold the input length + 4 bytes.
int Pack4_Compress(Compress_Stream* in, Compress_Stream* out);
// Packs src downwards into dst[n-1] and below; returns the packed length or PACK4_AUFGEGEBEN.
uint32_t Pack4_Pack(const uint8_t* src, uint8_t* dst, uint32_t n);
constexpr uint32_t PACK4_AUFGEGEBEN = 90000000;
