// Method 2, LZSS over a 4096-byte window. Stream, most significant bit first, no header:
//   literal: 1, byte (8 bits)
//   match:   0, window position (12 bits), length - 2 (4 bits; lengths 2..17)
//   end:     0, twelve zero bits
// The compressor finds the longest match through a binary tree of window positions sorted by
// the 17 bytes that start there; position 0 is never entered, so 0 can mean "none" and "end".
// A position is taken out of its tree just before its first byte is overwritten, so the bytes
// of every position in a tree stand unchanged in the window: the trees compare them there.
#include "platform/compress_lzss.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/compress_bits.h"

namespace {

constexpr int INDEX_BITS = 12;
constexpr int LENGTH_BITS = 4;
constexpr int FENSTER = 1 << INDEX_BITS;
constexpr int BREAK_EVEN = 1;
constexpr int LOOK_AHEAD = (1 << LENGTH_BITS) + BREAK_EVEN;
constexpr int UNUSED = 0;
// Positions of a match put in the trees, counted from its start.
constexpr int EINORDNEN_MAX = 6;

inline int mod_fenster(int a) { return a & (FENSTER - 1); }

// The first LOOK_AHEAD bytes are mirrored behind the window, so that the compressor compares
// the 17 bytes at any position without wrapping.
uint8_t fenster[FENSTER + LOOK_AHEAD];

inline void fenster_setzen(int pos, uint8_t c)
{
    fenster[pos] = c;
    if (pos < LOOK_AHEAD) fenster[FENSTER + pos] = c;
}

// Number of equal leading bytes (up to 17) and whether a's string sorts above b's; the bytes
// are compared as big-endian words, so the order needs no second load.
inline int vergleich(const uint8_t* a, const uint8_t* b, bool* groesser)
{
    for (int i = 0; i < 16; i += 8) {
        uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        x = __builtin_bswap64(x);
        y = __builtin_bswap64(y);
        if (x != y) {
            *groesser = x > y;
            return i + __builtin_clzll(x ^ y) / 8;
        }
    }
    *groesser = a[16] >= b[16];
    return a[16] != b[16] ? 16 : 17;
}

// One tree per hash of the first three bytes: every string that shares three bytes with a
// position is in its tree, and the small trees keep the descent short. Matches of exactly two
// bytes come from the newest position with the same two bytes.
// A node's parent (eltern) is the byte offset of the slot that points at it (a child slot of a
// node, or its tree's root slot) in this block, so that relinking needs no search; 0 = not in a
// tree. The children alone make the way down: 16 KB beside the 4 KB window stay in the first
// level cache.
struct Baeume {
    int16_t kind[FENSTER + 1][2]; // smaller, larger
    int16_t wurzel[1 << 16];
} baeume;
int32_t eltern[FENSTER + 1];
int16_t (&wurzel)[1 << 16] = baeume.wurzel;
static_assert(offsetof(Baeume, wurzel) == 4 * (FENSTER + 1));

inline int32_t kind_platz(int node, int seite) { return 4 * node + 2 * seite; }
inline int32_t wurzel_platz(int prefix) { return int32_t(offsetof(Baeume, wurzel)) + 2 * prefix; }
inline int16_t* platz(int32_t p) { return reinterpret_cast<int16_t*>(reinterpret_cast<char*>(&baeume) + p); }

int16_t letzte_zwei[1 << 16];

inline uint64_t schluessel(int pos)
{
    uint64_t x;
    std::memcpy(&x, fenster + pos, 8);
    return __builtin_bswap64(x);
}

// The hash of the three bytes at pos (one load: the fourth byte is shifted out).
inline int praefix(int pos)
{
    uint32_t v;
    std::memcpy(&v, fenster + pos, 4);
    v = __builtin_bswap32(v) >> 8;
    return int((v * 2654435761u) >> 16);
}

void tree_init(int r)
{
    std::memset(&baeume, 0, sizeof baeume);
    std::memset(eltern, 0, sizeof eltern);
    std::memset(letzte_zwei, 0, sizeof letzte_zwei);
    letzte_zwei[fenster[r] << 8 | fenster[r + 1]] = int16_t(r);
    wurzel[praefix(r)] = int16_t(r);
    eltern[r] = wurzel_platz(praefix(r));
}

// Puts new_node in old_node's place, where old_node has at most one child (that child).
// Node 0 stands for "none": it may be written here, and keeps parent 0.
inline void tree_kontrahieren(int old_node, int new_node)
{
    int32_t p = eltern[old_node];
    *platz(p) = int16_t(new_node);
    eltern[new_node] = p;
    eltern[old_node] = UNUSED;
    eltern[0] = UNUSED;
}

// Puts new_node (not in the tree) in old_node's place with old_node's children.
inline void tree_ersetzen(int old_node, int new_node)
{
    *platz(eltern[old_node]) = int16_t(new_node);
    eltern[new_node] = eltern[old_node];
    baeume.kind[new_node][0] = baeume.kind[old_node][0];
    baeume.kind[new_node][1] = baeume.kind[old_node][1];
    eltern[baeume.kind[new_node][0]] = kind_platz(new_node, 0);
    eltern[baeume.kind[new_node][1]] = kind_platz(new_node, 1);
    eltern[old_node] = UNUSED;
    eltern[0] = UNUSED;
}

// The largest node of p's smaller subtree takes p's place; it has no larger child, so its own
// removal is a contraction.
inline void tree_loeschen(int p)
{
    if (eltern[p] == UNUSED) return;
    int kleiner = baeume.kind[p][0];
    int groesser = baeume.kind[p][1];
    if (kleiner == UNUSED || groesser == UNUSED) {
        tree_kontrahieren(p, kleiner | groesser);
    } else {
        int r = kleiner;
        while (baeume.kind[r][1] != UNUSED) r = baeume.kind[r][1];
        tree_kontrahieren(r, baeume.kind[r][0]);
        tree_ersetzen(p, r);
    }
}

// Equal bytes from offset 8 on, given the first 8 are equal.
inline int vergleich_rest(const uint8_t* a, const uint8_t* b, bool* groesser)
{
    uint64_t x, y;
    std::memcpy(&x, a + 8, 8);
    std::memcpy(&y, b + 8, 8);
    x = __builtin_bswap64(x);
    y = __builtin_bswap64(y);
    if (x != y) {
        *groesser = x > y;
        return 8 + __builtin_clzll(x ^ y) / 8;
    }
    *groesser = a[16] >= b[16];
    return a[16] != b[16] ? 16 : 17;
}

// Both children are read before the comparison is known and the choice is a conditional move:
// the way down then waits for one load and one comparison per level.
inline int kind_von(int node, bool groesser)
{
    int kleiner = baeume.kind[node][0];
    int groesserer = baeume.kind[node][1];
    return groesser ? groesserer : kleiner;
}

// Puts new_node, whose 17 bytes equal test_node's, in test_node's place.
inline void tree_tauschen(int test_node, int new_node) { tree_ersetzen(test_node, new_node); }

inline void tree_anhaengen(int test_node, int new_node, bool groesser)
{
    baeume.kind[test_node][groesser] = int16_t(new_node);
    eltern[new_node] = kind_platz(test_node, groesser);
    baeume.kind[new_node][0] = baeume.kind[new_node][1] = UNUSED;
}

// Returns the first node of new_node's tree, or UNUSED after making new_node that tree's top.
inline int tree_anfang(int new_node)
{
    int prefix = praefix(new_node);
    int top = wurzel[prefix];
    if (top == UNUSED) {
        wurzel[prefix] = int16_t(new_node);
        eltern[new_node] = wurzel_platz(prefix);
        baeume.kind[new_node][0] = baeume.kind[new_node][1] = UNUSED;
    }
    return top;
}

// Insertion of a position inside a match: its match is not wanted, only its place in the tree
// (and the two-byte table), so only the order is compared.
struct Einordnung {
    int neu;
    uint64_t key, key2;
    uint8_t letztes;
    int test; // UNUSED once the position has its place

    explicit Einordnung(int new_node)
        : neu(new_node), key(schluessel(new_node)), key2(schluessel(new_node + 8)),
          letztes(fenster[new_node + 16])
    {
        letzte_zwei[fenster[new_node] << 8 | fenster[new_node + 1]] = int16_t(new_node);
        test = tree_anfang(new_node);
    }

    // One level down.
    inline void schritt()
    {
        uint64_t k = schluessel(test);
        // The second eight bytes are read in any case, so that equal first words (runs of
        // equal bytes) cost no branch.
        uint64_t k2 = schluessel(test + 8);
        uint8_t u = fenster[test + 16];
        bool groesser = key != k ? key > k : key2 != k2 ? key2 > k2 : letztes >= u;
        if (key == k && key2 == k2 && letztes == u) {
            tree_tauschen(test, neu);
            test = UNUSED;
            return;
        }
        int next = kind_von(test, groesser);
        if (next == UNUSED) tree_anhaengen(test, neu, groesser);
        test = next;
    }
};

void tree_einordnen(int new_node)
{
    if (new_node == 0) return;
    Einordnung e(new_node);
    while (e.test != UNUSED) e.schritt();
}

// Two positions whose trees differ go down side by side: each level waits for a load and a
// comparison, and the two ways fill each other's waits.
void tree_einordnen_zwei(int a, int b)
{
    if (a == 0 || b == 0) {
        tree_einordnen(a);
        tree_einordnen(b);
        return;
    }
    Einordnung x(a), y(b);
    while (x.test != UNUSED && y.test != UNUSED) {
        x.schritt();
        y.schritt();
    }
    while (x.test != UNUSED) x.schritt();
    while (y.test != UNUSED) y.schritt();
}

int tree_einfuegen(int new_node, int* match_position)
{
    if (new_node == 0) return 0;
    // The two-byte table first: its line comes in while the tree is walked.
    int zwei = fenster[new_node] << 8 | fenster[new_node + 1];
    int kurz = letzte_zwei[zwei];
    letzte_zwei[zwei] = int16_t(new_node);
    uint64_t key = schluessel(new_node);
    int test_node = tree_anfang(new_node);
    int match_length = 0;
    int position = *match_position;
    while (test_node != UNUSED) {
        uint64_t k = schluessel(test_node);
        bool groesser = key > k;
        int i = k != key ? __builtin_clzll(k ^ key) / 8 : vergleich_rest(fenster + new_node, fenster + test_node, &groesser);
        // Ties go to the node met later on the way down; written without branches, as the
        // outcome is random.
        bool besser = i >= match_length;
        match_length = besser ? i : match_length;
        position = besser ? test_node : position;
        if (i >= LOOK_AHEAD) {
            tree_tauschen(test_node, new_node);
            break;
        }
        int next = kind_von(test_node, groesser);
        if (next == UNUSED) {
            tree_anhaengen(test_node, new_node, groesser);
            break;
        }
        test_node = next;
    }
    if (match_length < 3 && kurz != UNUSED && kurz != new_node && eltern[kurz] != UNUSED) {
        bool g;
        int i = vergleich(fenster + new_node, fenster + kurz, &g);
        if (i > match_length) {
            match_length = i;
            position = kurz;
        }
    }
    // A position within the look-ahead's reach (the oldest, or a stale one carried over) is
    // measured again on the window as it is now, which is what the expander sees.
    if (((position - new_node) & (FENSTER - 1)) <= LOOK_AHEAD) {
        bool g;
        match_length = std::min(match_length, vergleich(fenster + new_node, fenster + position, &g));
    }
    *match_position = position;
    return match_length;
}

// Bit writer straight into a memory buffer (the per-bit stream calls would halve the speed).
// The stream record is brought up to date at the end.
template <bool SPEICHER>
struct Bit_Schreiber {
    Compress_Stream* s;
    uint64_t acc = 0;
    int n = 0;
    bool memory;
    uint8_t* buf = nullptr;
    uint32_t pos = 0, geschrieben = 0;
    int64_t frei_bis = 0; // the bit writer leaves the last byte of the buffer free
    bool fehler = false;
    explicit Bit_Schreiber(Compress_Stream* stream) : s(stream), memory(SPEICHER)
    {
        if (!memory) return;
        buf = stream->buffer;
        pos = stream->position;
        frei_bis = int64_t(stream->length) - 1;
    }
    inline void put(uint32_t value, int count)
    {
        if constexpr (!SPEICHER) {
            Cmp_Write_Bits(s, value, count);
            return;
        }
        // Whole 32-bit words leave at once; fewer than 32 bits stay behind.
        acc = (acc << count) | value;
        n += count;
        if (n >= 32) {
            n -= 32;
            uint32_t wort = uint32_t(acc >> n);
            if (int64_t(pos) + 4 <= frei_bis) {
                wort = __builtin_bswap32(wort);
                std::memcpy(buf + pos, &wort, 4);
                pos += 4;
                geschrieben += 4;
            } else {
                for (int k = 24; k >= 0; k -= 8) byte(uint8_t(wort >> k));
            }
        }
    }
    inline void byte(uint8_t c)
    {
        if (int64_t(pos) < frei_bis) buf[pos++] = c;
        else fehler = true;
        geschrieben++;
    }
    void finish()
    {
        if constexpr (!SPEICHER) return;
        while (n >= 8) {
            n -= 8;
            byte(uint8_t(acc >> n));
        }
        s->position = pos;
        s->bytes_out += geschrieben;
        s->byte_count += geschrieben;
        if (fehler) s->fehler = 1;
        s->rack = 0;
        s->mask = 0x80;
        if (n > 0) {
            s->rack = int32_t((acc << (8 - n)) & 0xFF);
            s->mask = uint8_t(0x80 >> n);
        }
    }
};

// The packer proper, for a memory or other input (EIN) and a memory output at a byte boundary
// or any other output (AUS).
template <bool EIN, bool AUS>
void packen(Compress_Stream* in, Bit_Schreiber<AUS>& bits)
{
    // A memory input is read through locals (the stream record is written back at the end):
    // the output's byte stores could otherwise alias it, and every read would load it anew.
    const uint8_t* eingabe = in->buffer;
    uint32_t lese_pos = in->position;
    const uint32_t lese_ende = EIN && in->length > 0 ? uint32_t(in->length) : 0;
    auto lesen = [&]() -> int {
        if constexpr (!EIN) return Cmp_Read_Byte(in);
        if (lese_pos >= lese_ende) return -1;
        return eingabe[lese_pos++];
    };
    int current = 1;
    int look_ahead = 0;
    for (; look_ahead < LOOK_AHEAD; ++look_ahead) {
        int c = lesen();
        if (c < 0) break;
        fenster_setzen(current + look_ahead, uint8_t(c));
    }
    // The oldest position leaves its tree and its byte makes way for the next of the input.
    auto weiter = [&]() {
        int alt = mod_fenster(current + LOOK_AHEAD);
        tree_loeschen(alt);
        int c = lesen();
        if (c < 0) look_ahead--;
        else fenster_setzen(alt, uint8_t(c));
        current = mod_fenster(current + 1);
    };
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
        // Only the last position's match is used. Inside a long match only its first positions
        // are put in the trees: the rest repeat what the window already holds, and leaving them
        // out keeps long runs cheap. Two such positions go in together when nothing between
        // them touches the first one's tree: the second's tree differs, and so does the tree of
        // the position taken out in between (the byte written in between belongs to that
        // position alone), so the trees come out as one by one.
        // The match never reaches past the look-ahead, so the input can only run out on its
        // last position.
        int offen = 0; // a position inside the match waiting for its place, 0 = none
        int baum_offen = 0;
        const int kopf = std::min(replace_count - 1, EINORDNEN_MAX + 1);
        int i = 0;
        for (; i < kopf; ++i) {
            if (offen) {
                int alt = mod_fenster(current + LOOK_AHEAD);
                bool partner = i < EINORDNEN_MAX && praefix(mod_fenster(current + 1)) != baum_offen &&
                               (eltern[alt] == UNUSED || praefix(alt) != baum_offen);
                if (!partner) {
                    tree_einordnen(offen);
                    offen = 0;
                }
            }
            weiter();
            if (i >= EINORDNEN_MAX) continue;
            if (offen) {
                tree_einordnen_zwei(offen, current);
                offen = 0;
            } else {
                offen = current;
                baum_offen = praefix(current);
            }
        }
        for (; i < replace_count - 1; ++i) weiter();
        if (offen) tree_einordnen(offen);
        weiter();
        if (look_ahead) match_length = tree_einfuegen(current, &match_position);
    }
    if constexpr (EIN) in->position = lese_pos;
    bits.put(0, 1 + INDEX_BITS);
    bits.finish();
}

} // namespace

int LZSS_Compress(Compress_Stream* in, Compress_Stream* out)
{
    if (!in || !out) return 0;
    // A clean window makes the packed bytes independent of earlier runs.
    std::memset(fenster, 0, sizeof fenster);
    const bool ein = in->mode == CMP_IO_MODE_MEMORY;
    if (out->mode == CMP_IO_MODE_MEMORY && out->mask == 0x80) {
        Bit_Schreiber<true> bits(out);
        if (ein) packen<true>(in, bits);
        else packen<false>(in, bits);
    } else {
        Bit_Schreiber<false> bits(out);
        if (ein) packen<true>(in, bits);
        else packen<false>(in, bits);
    }
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
