// Method 4, the backward LZ packer (stream layout in the header).
#include "platform/compress_pack4.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/print.h"
#include "platform/mem.h"

namespace {

// n bytes between blocks that do not overlap. Most runs and matches are a few bytes long: up to
// 16 they are copied by two moves of a fixed width, which overlap each other where n is not
// that width.
template <typename T>
inline void zwei_worte(uint8_t* d, const uint8_t* s, size_t n)
{
    T a, b;
    std::memcpy(&a, s, sizeof a);
    std::memcpy(&b, s + n - sizeof b, sizeof b);
    std::memcpy(d, &a, sizeof a);
    std::memcpy(d + n - sizeof b, &b, sizeof b);
}

inline void kurz_kopieren(uint8_t* d, const uint8_t* s, size_t n)
{
    if (n > 16) std::memcpy(d, s, n);
    else if (n >= 8) zwei_worte<uint64_t>(d, s, n);
    else if (n >= 4) zwei_worte<uint32_t>(d, s, n);
    else if (n >= 2) zwei_worte<uint16_t>(d, s, n);
    else if (n == 1) d[0] = s[0];
}

} // namespace

uint32_t Pack4_Unpack(const Pack4_Frame* frame)
{
    // The stream is untrusted (resource files a user can replace): every read stays inside the
    // packed data, every write and match source inside the output.
    if (!frame || !frame->packed || !frame->out) return 0;
    const uint8_t* packed = frame->packed;
    uint8_t* out = frame->out;
    int64_t r = int64_t(frame->packed_length) - 1; // next byte to read
    int64_t w = int64_t(frame->out_length) - 1;    // next byte to write
    const int64_t out_end = int64_t(frame->out_length);
    if (frame->raw_length > frame->packed_length || frame->raw_length > frame->out_length) return 0;
    // the raw tail, as every run below, lies at the same place from the end of both blocks
    std::memcpy(out + w + 1 - frame->raw_length, packed + r + 1 - frame->raw_length, frame->raw_length);
    w -= frame->raw_length;
    r -= frame->raw_length;

    while (r >= 0) {
        uint8_t t = packed[r--];
        if (t >= 0x80 && t != 0xFF) {
            int64_t n = (t & 0x7F) + 1;
            if (n > r + 1 || n > w + 1) return 0;
            kurz_kopieren(out + w - n + 1, packed + r - n + 1, size_t(n));
            w -= n;
            r -= n;
            continue;
        }
        int64_t length, offset;
        if (t == 0xFF) {
            if (r < 3) return 0;
            uint8_t b1 = packed[r], b2 = packed[r - 1], b3 = packed[r - 2], b4 = packed[r - 3];
            r -= 4;
            length = (b1 & 0x1F) + 2 + b3 + 256 * b4;
            offset = int64_t(b2) * 4 + (b1 >> 5);
        } else {
            if (r < 0) return 0;
            uint8_t b = packed[r--];
            length = (t & 0x1F) + 2;
            offset = int64_t(b) * 4 + (t >> 5);
        }
        // Source and destination never overlap: the source lies offset + length above.
        int64_t src = w + offset + length;
        if (length > w + 1 || src >= out_end) return 0;
        kurz_kopieren(out + w - length + 1, out + src - length + 1, size_t(length));
        w -= length;
    }
    if (w != -1) return 0;
    return frame->out_length;
}

int Pack4_Expand(Compress_Stream* in, Compress_Stream* out)
{
    if (!in || !out || in->mode != CMP_IO_MODE_MEMORY || out->mode != CMP_IO_MODE_MEMORY) return 0;
    if (in->length < 4 || out->length < 0) return 0;
    const uint8_t* b = in->buffer;
    Pack4_Frame frame{};
    frame.raw_length = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    frame.out_length = uint32_t(out->length);
    frame.packed_length = uint32_t(in->length) - 4;
    frame.packed = b + 4;
    frame.out = out->buffer;
    return Pack4_Unpack(&frame) == frame.out_length ? 1 : 0;
}

namespace {

constexpr uint32_t MAX_OFFSET = 1023;
constexpr uint32_t MAX_LAENGE = 65534;
constexpr uint32_t HASH_BITS = 15;
constexpr int KETTE = 48;

inline uint32_t hash_at(const uint8_t* s, uint32_t x) { return ((uint32_t(s[x]) << 8 | s[x - 1]) * 2654435761u) >> (32 - HASH_BITS); }

} // namespace

static uint32_t pack(const uint8_t* src, uint8_t* dst, uint32_t n, uint32_t* raw_out)
{
    *raw_out = 0;
    if (!src || !dst || n == 0) return PACK4_AUFGEGEBEN;
    // Items are collected in the unpacker's reading order and laid out downwards at the end.
    std::vector<uint8_t> seq;
    seq.reserve(n);
    std::vector<int32_t> head(1u << HASH_BITS, -1);
    std::vector<int32_t> prev(n, -1);
    auto insert = [&](uint32_t x) {
        if (x < 1) return;
        uint32_t h = hash_at(src, x);
        prev[x] = head[h];
        head[h] = int32_t(x);
    };

    bool roh = true;        // still in the raw tail
    bool nach_match = false;
    size_t lauf = SIZE_MAX; // index of the open literal run's counter byte
    bool gewarnt = false;
    int64_t p = int64_t(n) - 1;
    while (p >= 0) {
        uint32_t pending = uint32_t(p + 1);
        uint32_t min_len = nach_match ? 2 : 3;
        uint32_t best_len = 0, best_q = 0;
        if (pending >= min_len && p >= 1) {
            // Candidates start at q > p with the same two bytes, nearest first.
            int depth = 0;
            for (int32_t q = head[hash_at(src, uint32_t(p))]; q >= 0 && depth < KETTE; q = prev[q], ++depth) {
                uint32_t dist = uint32_t(q) - uint32_t(p);
                if (dist > MAX_OFFSET + MAX_LAENGE) break;
                uint32_t limit = std::min({dist, pending, MAX_LAENGE});
                uint32_t m = 0;
                while (m < limit && src[p - m] == src[q - m]) ++m;
                // The offset between the copy and its source is at most 1023.
                if (dist - m > MAX_OFFSET) continue;
                if (m > best_len) {
                    best_len = m;
                    best_q = uint32_t(q);
                    if (m == limit) break;
                }
            }
        }
        if (best_len >= min_len) {
            uint32_t offset = best_q - uint32_t(p) - best_len;
            if (best_len <= 33) {
                seq.push_back(uint8_t(((offset & 3) << 5) | (best_len - 2)));
                seq.push_back(uint8_t(offset >> 2));
            } else {
                uint32_t rest = best_len - 33;
                seq.push_back(0xFF);
                seq.push_back(uint8_t(((offset & 3) << 5) | 31));
                seq.push_back(uint8_t(offset >> 2));
                seq.push_back(uint8_t(rest & 0xFF));
                seq.push_back(uint8_t(rest >> 8));
            }
            for (uint32_t k = 0; k < best_len; ++k) insert(uint32_t(p - k));
            p -= best_len;
            roh = false;
            nach_match = true;
            lauf = SIZE_MAX;
        } else {
            if (!roh) {
                if (lauf == SIZE_MAX || seq[lauf] >= 0x7F + 124) {
                    lauf = seq.size();
                    seq.push_back(0x7F);
                }
                seq[lauf]++;
            }
            seq.push_back(src[p]);
            if (roh) ++*raw_out;
            insert(uint32_t(p));
            --p;
            nach_match = false;
            if (!roh && !gewarnt && seq.size() >= n - uint32_t(p + 1)) {
                Print_Fehler("ACHTUNG!! PACKFEHLER 1\n");
                gewarnt = true;
            }
        }
        if (seq.size() >= n) return PACK4_AUFGEGEBEN;
    }
    uint32_t packed = uint32_t(seq.size());
    for (uint32_t i = 0; i < packed; ++i) dst[n - 1 - i] = seq[i];
    return packed;
}

uint32_t Pack4_Pack(const uint8_t* src, uint8_t* dst, uint32_t n)
{
    uint32_t raw;
    return pack(src, dst, n, &raw);
}

int Pack4_Compress(Compress_Stream* in, Compress_Stream* out)
{
    if (!in || !out || in->mode != CMP_IO_MODE_MEMORY || out->mode != CMP_IO_MODE_MEMORY) return 0;
    uint32_t n = in->length > 0 ? uint32_t(in->length) : 0;
    if (out->length < 0 || uint64_t(out->length) < uint64_t(n) + 4) {
        Print_Fehler("Fehler: ptr Überlauf");
        out->fehler = 1;
        return 0;
    }
    uint8_t* o = out->buffer;
    uint32_t raw = 0;
    uint32_t packed = n ? pack(in->buffer, o, n, &raw) : PACK4_AUFGEGEBEN;
    if (packed == PACK4_AUFGEGEBEN) {
        // Stored as one raw tail: the unpacker copies it as it stands.
        std::memmove(o + 4, in->buffer, n);
        packed = n;
        raw = n;
    } else {
        std::memmove(o + 4, o + n - packed, packed);
    }
    for (int i = 0; i < 4; ++i) o[i] = uint8_t(raw >> (8 * i));
    out->position = packed + 4;
    return 1;
}
