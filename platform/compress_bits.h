// Fast bit and byte access for the coders: memory streams are read and written straight from
// their buffers (the per-bit stream calls are far too slow for bitmaps), file streams go through
// the stream operations. Private to the compression library.
#pragma once
#include <cstdint>

#include "platform/print.h"
#include "platform/compress.h"

struct Cmp_Bit_Leser {
    Compress_Stream* s;
    const uint8_t* buf = nullptr;
    uint32_t len = 0;
    uint32_t pos = 0;
    uint64_t acc = 0;
    int n = 0;
    bool memory;
    bool fehler = false;

    explicit Cmp_Bit_Leser(Compress_Stream* stream) : s(stream), memory(stream->mode == CMP_IO_MODE_MEMORY)
    {
        if (!memory) return;
        buf = stream->buffer;
        len = stream->length > 0 ? uint32_t(stream->length) : 0;
        pos = stream->position;
        if (pos > len) pos = len;
        // Bits left over in a partly read byte come first.
        if (stream->mask != 0x80) {
            for (uint8_t m = stream->mask; m; m >>= 1) {
                acc = (acc << 1) | ((stream->rack & m) ? 1 : 0);
                ++n;
            }
        }
    }

    // Returns count bits (1..24), most significant first; past the data: 0 and fehler set.
    inline uint32_t get(int count)
    {
        if (!memory) {
            uint32_t v = Cmp_Read_Bits(s, count);
            if (s->fehler) fehler = true;
            return v;
        }
        if (n < count) {
            while (n <= 56 && pos < len) {
                acc = (acc << 8) | buf[pos++];
                n += 8;
            }
            if (n < count) {
                fehler = true;
                n = 0;
                return 0;
            }
        }
        n -= count;
        return uint32_t(acc >> n) & ((1u << count) - 1);
    }

    // Hands the position back to the stream: whole unread bytes return to the buffer.
    void finish()
    {
        if (!memory) return;
        pos -= uint32_t(n / 8);
        n %= 8;
        s->position = pos;
        if (fehler) Print_Fehler("Fehler bei Auslesen des ptrs");
        if (n == 0) {
            s->mask = 0x80;
        } else {
            s->rack = buf[pos - 1];
            s->mask = uint8_t(1u << (n - 1));
        }
        if (fehler) s->fehler = 1;
    }
};

struct Cmp_Byte_Schreiber {
    Compress_Stream* s;
    uint8_t* buf = nullptr;
    uint32_t cap = 0;
    uint32_t pos = 0;
    bool memory;
    bool fehler = false;

    explicit Cmp_Byte_Schreiber(Compress_Stream* stream)
        : s(stream), memory(stream->mode == CMP_IO_MODE_MEMORY)
    {
        if (!memory) return;
        buf = stream->buffer;
        cap = stream->length > 0 ? uint32_t(stream->length) : 0;
        pos = stream->position;
    }

    inline bool put(uint8_t c)
    {
        if (!memory) {
            Cmp_Write_Byte(c, s);
            if (s->fehler) fehler = true;
            return !fehler;
        }
        if (pos >= cap) {
            fehler = true;
            return false;
        }
        buf[pos++] = c;
        return true;
    }

    void finish()
    {
        if (!memory) return;
        s->position = pos;
        if (fehler) {
            Print_Fehler("Fehler: ptr Überlauf");
            s->fehler = 1;
        }
    }
};
