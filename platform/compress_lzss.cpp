// Method 2, LZSS over a 4096-byte window. Stream, most significant bit first, no header:
//   literal: 1, byte (8 bits)
//   match:   0, window position (12 bits), length - 2 (4 bits; lengths 2..17)
//   end:     0, twelve zero bits
// The compressor finds the longest match through a binary tree of window positions sorted by
// the 17 bytes that start there; position 0 is never entered, so 0 can mean "none" and "end".
#include "platform/compress_lzss.h"

#include <cstring>

#include "platform/compress_bits.h"

namespace {

constexpr int INDEX_BITS = 12;
constexpr int LENGTH_BITS = 4;
constexpr int FENSTER = 1 << INDEX_BITS;
constexpr int BREAK_EVEN = 1;
constexpr int LOOK_AHEAD = (1 << LENGTH_BITS) + BREAK_EVEN;
constexpr int WURZEL = FENSTER;
constexpr int UNUSED = 0;

inline int mod_fenster(int a) { return a & (FENSTER - 1); }

struct Knoten {
    int32_t parent;
    int32_t smaller;
    int32_t larger;
};

uint8_t fenster[FENSTER];
Knoten baum[FENSTER + 1];

void tree_init(int r)
{
    std::memset(baum, 0, sizeof baum);
    baum[WURZEL].larger = r;
    baum[r].parent = WURZEL;
    baum[r].larger = UNUSED;
    baum[r].smaller = UNUSED;
}

// Puts new_node in old_node's place, where old_node has at most one child (that child).
void tree_kontrahieren(int old_node, int new_node)
{
    if (new_node != UNUSED) baum[new_node].parent = baum[old_node].parent;
    int p = baum[old_node].parent;
    if (baum[p].larger == old_node) baum[p].larger = new_node;
    else baum[p].smaller = new_node;
    baum[old_node].parent = UNUSED;
}

// Puts new_node (not in the tree) in old_node's place with old_node's children.
void tree_ersetzen(int old_node, int new_node)
{
    int p = baum[old_node].parent;
    if (baum[p].smaller == old_node) baum[p].smaller = new_node;
    else baum[p].larger = new_node;
    baum[new_node] = baum[old_node];
    // Node 0 stands for "none" and must keep parent 0.
    if (baum[new_node].smaller != UNUSED) baum[baum[new_node].smaller].parent = new_node;
    if (baum[new_node].larger != UNUSED) baum[baum[new_node].larger].parent = new_node;
    baum[old_node].parent = UNUSED;
}

int find_next_node(int node)
{
    int next = baum[node].smaller;
    while (baum[next].larger != UNUSED) next = baum[next].larger;
    return next;
}

void tree_loeschen(int p)
{
    if (p == UNUSED || baum[p].parent == UNUSED) return;
    if (baum[p].larger == UNUSED) {
        tree_kontrahieren(p, baum[p].smaller);
    } else if (baum[p].smaller == UNUSED) {
        tree_kontrahieren(p, baum[p].larger);
    } else {
        int replacement = find_next_node(p);
        tree_loeschen(replacement);
        tree_ersetzen(p, replacement);
    }
}

int tree_einfuegen(int new_node, int* match_position)
{
    if (new_node == 0) return 0;
    int test_node = baum[WURZEL].larger;
    int match_length = 0;
    for (;;) {
        int i;
        int delta = 0;
        for (i = 0; i < LOOK_AHEAD; ++i) {
            delta = int(fenster[mod_fenster(new_node + i)]) - int(fenster[mod_fenster(test_node + i)]);
            if (delta != 0) break;
        }
        if (i >= match_length) {
            match_length = i;
            *match_position = test_node;
            if (match_length >= LOOK_AHEAD) {
                tree_ersetzen(test_node, new_node);
                return match_length;
            }
        }
        int32_t* child = delta >= 0 ? &baum[test_node].larger : &baum[test_node].smaller;
        if (*child == UNUSED) {
            *child = new_node;
            baum[new_node].parent = test_node;
            baum[new_node].larger = UNUSED;
            baum[new_node].smaller = UNUSED;
            return match_length;
        }
        test_node = *child;
    }
}

// Bit writer straight into a memory buffer (the per-bit stream calls would halve the speed).
struct Bit_Schreiber {
    Compress_Stream* s;
    uint64_t acc = 0;
    int n = 0;
    bool memory;
    explicit Bit_Schreiber(Compress_Stream* stream) : s(stream), memory(stream->mode == CMP_IO_MODE_MEMORY && stream->mask == 0x80) {}
    inline void put(uint32_t value, int count)
    {
        if (!memory) {
            Cmp_Write_Bits(s, value, count);
            return;
        }
        acc = (acc << count) | value;
        n += count;
        while (n >= 8) {
            n -= 8;
            s->rack = int32_t((acc >> n) & 0xFF);
            // Keeps the stream layer's rule that the bit writer leaves the last byte free.
            if (int64_t(s->position) + 1 < s->length) s->buffer[s->position++] = uint8_t(s->rack);
            else s->fehler = 1;
            s->bytes_out++;
            s->byte_count++;
        }
    }
    void finish()
    {
        if (!memory) return;
        s->rack = 0;
        s->mask = 0x80;
        if (n > 0) {
            s->rack = int32_t((acc << (8 - n)) & 0xFF);
            s->mask = uint8_t(0x80 >> n);
        }
    }
};

} // namespace

int LZSS_Compress(Compress_Stream* in, Compress_Stream* out)
{
    if (!in || !out) return 0;
    // A clean window makes the packed bytes independent of earlier runs.
    std::memset(fenster, 0, sizeof fenster);
    Bit_Schreiber bits(out);
    int current = 1;
    int look_ahead = 0;
    for (; look_ahead < LOOK_AHEAD; ++look_ahead) {
        int c = Cmp_Read_Byte(in);
        if (c < 0) break;
        fenster[current + look_ahead] = uint8_t(c);
    }
    tree_init(current);
    int match_length = 0;
    int match_position = 0;
    while (look_ahead > 0) {
        if (match_length > look_ahead) match_length = look_ahead;
        int replace_count;
        if (match_length <= BREAK_EVEN) {
            replace_count = 1;
            bits.put(0x100u | fenster[current], 9);
        } else {
            bits.put((uint32_t(match_position) << LENGTH_BITS) | uint32_t(match_length - (BREAK_EVEN + 1)),
                     1 + INDEX_BITS + LENGTH_BITS);
            replace_count = match_length;
        }
        for (int i = 0; i < replace_count; ++i) {
            tree_loeschen(mod_fenster(current + LOOK_AHEAD));
            int c = Cmp_Read_Byte(in);
            if (c < 0) look_ahead--;
            else fenster[mod_fenster(current + LOOK_AHEAD)] = uint8_t(c);
            current = mod_fenster(current + 1);
            if (look_ahead) match_length = tree_einfuegen(current, &match_position);
        }
    }
    bits.put(0, 1 + INDEX_BITS);
    bits.finish();
    if (out->fehler) {
        Print_Fehler("Fehler: ptr Überlauf");
        return 0;
    }
    return 1;
}

int LZSS_Expand(Compress_Stream* in, Compress_Stream* out)
{
    if (!in || !out) return 0;
    std::memset(fenster, 0, sizeof fenster);
    Cmp_Bit_Leser bits(in);
    Cmp_Byte_Schreiber bytes(out);
    int current = 1;
    int ok = 0;
    for (;;) {
        uint32_t item = bits.get(9);
        if (bits.fehler) break;
        if (item & 0x100) {
            uint8_t c = uint8_t(item);
            if (!bytes.put(c)) break;
            fenster[current] = c;
            current = mod_fenster(current + 1);
            continue;
        }
        // Eight of the 12 position bits came with the flag.
        uint32_t rest = bits.get(4);
        if (bits.fehler) break;
        int position = int(((item & 0xFF) << 4) | rest);
        if (position == 0) {
            ok = 1;
            break;
        }
        int length = int(bits.get(LENGTH_BITS)) + BREAK_EVEN + 1;
        if (bits.fehler) break;
        if (bytes.memory && bytes.cap - bytes.pos >= uint32_t(length)) {
            uint8_t* d = bytes.buf + bytes.pos;
            for (int i = 0; i < length; ++i) {
                uint8_t c = fenster[mod_fenster(position + i)];
                d[i] = c;
                fenster[current] = c;
                current = mod_fenster(current + 1);
            }
            bytes.pos += uint32_t(length);
            continue;
        }
        bool voll = false;
        for (int i = 0; i < length && !voll; ++i) {
            uint8_t c = fenster[mod_fenster(position + i)];
            voll = !bytes.put(c);
            fenster[current] = c;
            current = mod_fenster(current + 1);
        }
        if (voll) break;
    }
    bits.finish();
    bytes.finish();
    return ok && !bytes.fehler;
}
