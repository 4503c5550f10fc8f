// Method 1, LZW. Codes 0-255 are bytes, 256 ends the stream, 257 widens the codes by one bit
// from the next code on, 258 resets the dictionary (the next code is 9 bits again), strings get
// 259 to 32767. Codes are written at the current width, most significant bit first, no header.
#include "platform/compress_lzw.h"

#include <cstring>
#include <vector>

#include "platform/print.h"
#include "platform/compress_bits.h"
#include "platform/mem.h"

namespace {

constexpr uint32_t TABELLE = 35023; // a prime
constexpr uint32_t ENDE = 256;
constexpr uint32_t BREITER = 257;
constexpr uint32_t LEEREN = 258;
constexpr uint32_t ERSTER_CODE = 259;
constexpr uint32_t GROESSTER_CODE = 32767;

struct Eintrag {
    int32_t code_value;
    uint32_t parent_code;
    uint8_t character;
};

Eintrag* tabelle = nullptr;

struct Zustand {
    uint32_t next_code;
    uint32_t code_bits;
    uint32_t next_bump;
};

void reset(Zustand& z, bool compressing)
{
    if (compressing)
        for (uint32_t i = 0; i < TABELLE; ++i) tabelle[i].code_value = -1;
    z.next_code = ERSTER_CODE;
    z.code_bits = 9;
    z.next_bump = 511;
}

bool ensure_tables() { return tabelle || LZW_Alloc_Tables(); }

// One string's characters, last character first: no string is longer than the codes there are.
uint8_t stack[GROESSTER_CODE + 2];

} // namespace

int LZW_Alloc_Tables()
{
    if (tabelle) return 1;
    tabelle = static_cast<Eintrag*>(Mem_Alloc_Clear(uint32_t(sizeof(Eintrag) * TABELLE), 0, 0));
    if (!tabelle) {
        Print_Fehler("Zuwenig Speicher");
        return 0;
    }
    return 1;
}

void LZW_Free_Tables() { tabelle = static_cast<Eintrag*>(Mem_Free(tabelle, 0)); }

uint32_t LZW_Find_Code(uint32_t parent, uint8_t character)
{
    uint32_t index = (uint32_t(character) << 7) ^ parent;
    uint32_t step = index == 0 ? 1 : TABELLE - index;
    for (;;) {
        const Eintrag& e = tabelle[index];
        if (e.code_value == -1 || (e.parent_code == parent && e.character == character)) return index;
        index = index >= step ? index - step : index + TABELLE - step;
    }
}

uint32_t LZW_Decode_String(uint32_t count, uint32_t code)
{
    if (!tabelle) return count;
    // A damaged dictionary must not run the stack over: each step of a sound chain goes to a
    // lower code, so a chain longer than the stack is a loop.
    while (code > 255 && code < TABELLE && count < sizeof stack) {
        stack[count++] = tabelle[code].character;
        code = tabelle[code].parent_code;
    }
    if (code <= 255 && count < sizeof stack) stack[count++] = uint8_t(code);
    return count;
}

const uint8_t* LZW_Decode_Stapel() { return stack; }

int LZW_Compress(Compress_Stream* in, Compress_Stream* out)
{
    if (!in || !out || !ensure_tables()) return 0;
    Zustand z;
    reset(z, true);
    int first = Cmp_Read_Byte(in);
    uint32_t s = first < 0 ? ENDE : uint32_t(first);
    for (;;) {
        int c = Cmp_Read_Byte(in);
        if (c < 0) {
            Cmp_Write_Bits(out, s, int(z.code_bits));
            Cmp_Write_Bits(out, ENDE, int(z.code_bits));
            break;
        }
        uint32_t i = LZW_Find_Code(s, uint8_t(c));
        if (tabelle[i].code_value != -1) {
            s = uint32_t(tabelle[i].code_value);
            continue;
        }
        tabelle[i].code_value = int32_t(z.next_code++);
        tabelle[i].parent_code = s;
        tabelle[i].character = uint8_t(c);
        Cmp_Write_Bits(out, s, int(z.code_bits));
        s = uint32_t(c);
        if (z.next_code > GROESSTER_CODE) {
            Cmp_Write_Bits(out, LEEREN, int(z.code_bits));
            reset(z, true);
        } else if (z.next_code > z.next_bump) {
            // The step itself still goes out at the old width.
            Cmp_Write_Bits(out, BREITER, int(z.code_bits));
            z.next_bump = z.next_bump * 2 + 1;
            z.code_bits++;
        }
    }
    return out->fehler ? 0 : 1;
}

namespace {

// Shared by both expanders. The code stream is untrusted (savegames, network): every code is
// checked against the dictionary, and the run fails on a missing end code or a full output.
int expand(Cmp_Bit_Leser& bits, Cmp_Byte_Schreiber& bytes)
{
    if (!ensure_tables()) return 0;
    Zustand z;
    for (;;) {
        reset(z, false);
        uint32_t old = bits.get(int(z.code_bits));
        if (bits.fehler) return 0;
        if (old == ENDE) return 1;
        if (old > 255) return 0;
        if (!bytes.put(uint8_t(old))) return 0;
        uint8_t character = uint8_t(old);
        for (;;) {
            uint32_t code = bits.get(int(z.code_bits));
            if (bits.fehler) return 0;
            if (code == ENDE) return 1;
            if (code == LEEREN) break;
            if (code == BREITER) {
                if (++z.code_bits > 15) return 0;
                continue;
            }
            if (code > z.next_code || z.next_code > GROESSTER_CODE) return 0;
            uint32_t count = 0;
            if (code == z.next_code) {
                stack[0] = character;
                count = LZW_Decode_String(1, old);
            } else {
                count = LZW_Decode_String(0, code);
            }
            if (count == 0) return 0;
            character = stack[count - 1];
            if (bytes.memory && bytes.cap - bytes.pos >= count) {
                uint8_t* d = bytes.buf + bytes.pos;
                for (uint32_t k = 0; k < count; ++k) d[k] = stack[count - 1 - k];
                bytes.pos += count;
            } else {
                while (count > 0)
                    if (!bytes.put(stack[--count])) return 0;
            }
            tabelle[z.next_code].parent_code = old;
            tabelle[z.next_code].character = character;
            z.next_code++;
            old = code;
        }
    }
}

int run_expand(Compress_Stream* in, Compress_Stream* out)
{
    if (!in || !out) return 0;
    Cmp_Bit_Leser bits(in);
    Cmp_Byte_Schreiber bytes(out);
    int ok = expand(bits, bytes);
    bits.finish();
    bytes.finish();
    return ok && !bits.fehler && !bytes.fehler;
}

} // namespace

int LZW_Expand(Compress_Stream* in, Compress_Stream* out) { return run_expand(in, out); }

int LZW_Expand_Memory(Compress_Stream* in, Compress_Stream* out)
{
    // Works on the two buffers directly; the stream records stay as they were.
    if (!in || !out || in->mode != CMP_IO_MODE_MEMORY || out->mode != CMP_IO_MODE_MEMORY) return 0;
    Compress_Stream in_copy = *in;
    in_copy.position = 0;
    in_copy.mask = 0x80;
    Compress_Stream out_copy = *out;
    out_copy.position = 0;
    int ok = run_expand(&in_copy, &out_copy);
    // The callers read the unpacked length from the output position.
    out->position = out_copy.position;
    return ok;
}
