// Method 3, static Huffman over bytes.
//
// Stream: the count table as runs "first, last, count[first..last]" (one byte each) closed by a
// single 0 byte (a later run never starts at 0), then the codes of the input bytes and of the
// end symbol 256, most significant bit first, zero-padded.
#include "platform/compress_huffman.h"

#include <cstdio>
#include <cstring>

#include "platform/print.h"
#include "platform/compress_bits.h"
#include "platform/mem.h"

namespace {

constexpr int ENDE = 256;
constexpr int KNOTEN = 514;
constexpr int WAECHTER = 513;

struct Huffman_Knoten {
    uint32_t count;
    uint32_t saved_count;
    int32_t child_0;
    int32_t child_1;
};

struct Huffman_Code {
    uint32_t code;
    uint32_t code_bits;
};

uint32_t* zaehler = nullptr;
Huffman_Knoten* knoten = nullptr;
Huffman_Code* codes = nullptr;

// Both sides build the same tree from the same counts; ties go to the lower node number.
int build_tree()
{
    knoten[WAECHTER].count = 0xFFFF;
    int next_free;
    for (next_free = ENDE + 1;; ++next_free) {
        int min_1 = WAECHTER;
        int min_2 = WAECHTER;
        for (int i = 0; i < next_free; ++i) {
            if (knoten[i].count == 0) continue;
            if (knoten[i].count < knoten[min_1].count) {
                min_2 = min_1;
                min_1 = i;
            } else if (knoten[i].count < knoten[min_2].count) {
                min_2 = i;
            }
        }
        if (min_2 == WAECHTER) break;
        knoten[next_free].count = knoten[min_1].count + knoten[min_2].count;
        knoten[min_1].saved_count = knoten[min_1].count;
        knoten[min_1].count = 0;
        knoten[min_2].saved_count = knoten[min_2].count;
        knoten[min_2].count = 0;
        knoten[next_free].child_0 = min_1;
        knoten[next_free].child_1 = min_2;
    }
    next_free--;
    knoten[next_free].saved_count = knoten[next_free].count;
    return next_free;
}

void convert_tree(uint32_t code, uint32_t bits, int node)
{
    if (node <= ENDE) {
        codes[node].code = code;
        codes[node].code_bits = bits;
        return;
    }
    convert_tree(code << 1, bits + 1, knoten[node].child_0);
    convert_tree((code << 1) | 1, bits + 1, knoten[node].child_1);
}

bool write_counts(Compress_Stream* out)
{
    int first = 0;
    while (first < 255 && knoten[first].count == 0) first++;
    int next = 0;
    for (; first < 256; first = next) {
        int last = first + 1;
        for (;;) {
            for (; last < 256; ++last)
                if (knoten[last].count == 0) break;
            last--;
            for (next = last + 1; next < 256; ++next)
                if (knoten[next].count != 0) break;
            if (next > 255) break;
            if (next - last > 3) break;
            last = next;
        }
        Cmp_Write_Byte(first, out);
        Cmp_Write_Byte(last, out);
        for (int i = first; i <= last; ++i) Cmp_Write_Byte(int(knoten[i].count), out);
        if (out->fehler) {
            Print_Fehler("Fehler beim Schreiben eines Bytezählers");
            return false;
        }
    }
    Cmp_Write_Byte(0, out);
    return !out->fehler;
}

bool read_counts(Compress_Stream* in)
{
    for (int i = 0; i < 256; ++i) knoten[i].count = 0;
    int first = Cmp_Read_Byte(in);
    int last = Cmp_Read_Byte(in);
    for (;;) {
        if (first < 0 || last < 0) {
            Print_Fehler("Fehler beim Lesen eines Bytezählers");
            return false;
        }
        for (int i = first; i <= last; ++i) {
            int c = Cmp_Read_Byte(in);
            if (c < 0) {
                Print_Fehler("Fehler beim Lesen eines Bytezählers");
                return false;
            }
            knoten[i].count = uint32_t(c);
        }
        first = Cmp_Read_Byte(in);
        if (first == 0) break;
        last = Cmp_Read_Byte(in);
    }
    knoten[ENDE].count = 1;
    return true;
}

} // namespace

int Huffman_Init(int mode)
{
    if (mode == 0) {
        if (zaehler || knoten || codes) {
            Print_Fehler("Speicher nicht deinitialisiert");
            return 0;
        }
        zaehler = static_cast<uint32_t*>(Mem_Alloc_Clear(256 * sizeof(uint32_t), 0, 0));
        knoten = static_cast<Huffman_Knoten*>(Mem_Alloc_Clear(KNOTEN * sizeof(Huffman_Knoten), 0, 0));
        codes = static_cast<Huffman_Code*>(Mem_Alloc_Clear(257 * sizeof(Huffman_Code), 0, 0));
        if (!zaehler || !knoten || !codes) {
            Huffman_DeInit();
            Print_Fehler("Kein Speicher");
            return 0;
        }
        return 1;
    }
    if (mode == 1) {
        if (knoten) {
            Print_Fehler("Speicher nicht deinitialisiert");
            return 0;
        }
        knoten = static_cast<Huffman_Knoten*>(Mem_Alloc_Clear(KNOTEN * sizeof(Huffman_Knoten), 0, 0));
        if (!knoten) {
            Print_Fehler("Kein Speicher");
            return 0;
        }
    }
    return 1;
}

void Huffman_DeInit()
{
    zaehler = static_cast<uint32_t*>(Mem_Free(zaehler, 0));
    knoten = static_cast<Huffman_Knoten*>(Mem_Free(knoten, 0));
    codes = static_cast<Huffman_Code*>(Mem_Free(codes, 0));
}

int Huffman_Compress(Compress_Stream* in, Compress_Stream* out)
{
    if (!in || !out) return 0;
    if (!zaehler || !knoten || !codes) {
        Print_Fehler("Speicher nicht initialisiert");
        return 0;
    }
    uint32_t start = Cmp_Tell(in);
    std::memset(zaehler, 0, 256 * sizeof(uint32_t));
    std::memset(knoten, 0, KNOTEN * sizeof(Huffman_Knoten));
    for (int c; (c = Cmp_Read_Byte(in)) >= 0;) zaehler[c]++;
    Cmp_Seek(in, int32_t(start), SEEK_SET);

    uint32_t max_count = 0;
    for (int i = 0; i < 256; ++i)
        if (zaehler[i] > max_count) max_count = zaehler[i];
    if (max_count == 0) {
        zaehler[0] = 1;
        max_count = 1;
    }
    uint32_t ratio = max_count / 255 + 1;
    for (int i = 0; i < 256; ++i) {
        knoten[i].count = zaehler[i] / ratio;
        if (knoten[i].count == 0 && zaehler[i] != 0) knoten[i].count = 1;
    }
    knoten[ENDE].count = 1;
    if (!write_counts(out)) return 0;

    int root = build_tree();
    convert_tree(0, 0, root);
    for (int c; (c = Cmp_Read_Byte(in)) >= 0;) Cmp_Write_Bits(out, codes[c].code, int(codes[c].code_bits));
    Cmp_Write_Bits(out, codes[ENDE].code, int(codes[ENDE].code_bits));
    return out->fehler ? 0 : 1;
}

int Huffman_Expand(Compress_Stream* in, Compress_Stream* out)
{
    if (!in || !out) return 0;
    if (!knoten) {
        Print_Fehler("Speicher nicht initialisiert");
        return 0;
    }
    std::memset(knoten, 0, KNOTEN * sizeof(Huffman_Knoten));
    if (!read_counts(in)) return 0;
    int root = build_tree();
    Cmp_Bit_Leser bits(in);
    Cmp_Byte_Schreiber bytes(out);
    int ok = 0;
    for (;;) {
        int node = root;
        while (node > ENDE) node = bits.get(1) ? knoten[node].child_1 : knoten[node].child_0;
        if (bits.fehler) break;
        if (node == ENDE) {
            ok = 1;
            break;
        }
        if (!bytes.put(uint8_t(node))) {
            Print_Fehler("Fehler bei Ausgabe");
            break;
        }
    }
    bits.finish();
    bytes.finish();
    return ok;
}

void Huffman_Dump_Tree()
{
    if (!knoten) return;
    auto symbol = [](int s) {
        if (s >= 32 && s <= 126) std::printf("'%c'", s);
        else std::printf("%3d", s);
    };
    for (int i = 0; i < KNOTEN - 1; ++i) {
        if (knoten[i].saved_count == 0) continue;
        std::printf("Knoten=");
        symbol(i);
        std::printf("  Zähler=%3u", knoten[i].saved_count);
        std::printf("  kind_0=");
        symbol(knoten[i].child_0);
        std::printf("  kind_1=");
        symbol(knoten[i].child_1);
        std::printf("\n");
    }
}
