#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/capture.h"
#include "platform/compress.h"
#include "platform/compress_huffman.h"
#include "platform/compress_pack4.h"

using Bytes = std::vector<uint8_t>;

namespace {

// Packs through the dispatcher the way the callers do: memory streams, flush, close.
Bytes pack(const Bytes& in, int method)
{
    if (method == COMPRESS_HUFFMAN) {
        EXPECT_EQ(Huffman_Init(0), 1);
    }
    Bytes src = in;
    src.push_back(0); // a valid buffer even for an empty input
    Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, src.data(), int32_t(src.size()));
    i->length = int32_t(in.size());
    Bytes buf(in.size() * 2 + 64);
    Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, buf.data(), int32_t(buf.size()));
    EXPECT_EQ(Compress_Data(i, o, method), 1);
    FlushOutPutData(o);
    buf.resize(o->position);
    CloseOutPutData(o, 1);
    CloseInPutData(i, 1);
    if (method == COMPRESS_HUFFMAN) Huffman_DeInit();
    return buf;
}

// Expands into an output of exactly the expected size (method 4 needs that); returns ok.
bool unpack(Bytes packed, size_t size, int method, Bytes* result)
{
    if (method == COMPRESS_HUFFMAN) {
        EXPECT_EQ(Huffman_Init(1), 1);
    }
    packed.push_back(0);
    Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, packed.data(), int32_t(packed.size()));
    i->length = int32_t(packed.size() - 1);
    Bytes out(size + 1);
    Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, out.data(), int32_t(size));
    int ok = Expand_Data(i, o, method);
    size_t produced = method == COMPRESS_PACK4 ? size : o->position;
    CloseOutPutData(o, 1);
    CloseInPutData(i, 1);
    if (method == COMPRESS_HUFFMAN) Huffman_DeInit();
    out.resize(produced);
    *result = out;
    return ok == 1;
}

Bytes hex(std::initializer_list<int> v) { return Bytes(v.begin(), v.end()); }

Bytes sample(size_t n, uint32_t seed, int kind)
{
    std::mt19937 rng(seed);
    Bytes b(n);
    const char* words[] = {"Spieler ", "Mannschaft ", "Tabelle ", "Stürmer ", "Vertrag ", "Saison "};
    size_t i = 0;
    while (i < n) {
        switch (kind) {
        case 0: b[i++] = uint8_t(rng()); break;
        case 1: b[i++] = uint8_t(rng() % 3 ? 7 : rng()); break;
        case 2:
            for (const char* w = words[rng() % 6]; *w && i < n; ++w) b[i++] = uint8_t(*w);
            break;
        default: b[i] = uint8_t(i / 700); ++i; break;
        }
    }
    return b;
}

} // namespace

TEST(CompressMethods, ExactBytes)
{
    Compress_LZW_Init();
    EXPECT_EQ(pack(hex({0x41}), COMPRESS_LZW), hex({0x20, 0xC0, 0x00}));
    EXPECT_EQ(pack({}, COMPRESS_LZW).size(), 3u);
    EXPECT_EQ(pack(hex({0x41}), COMPRESS_LZSS), hex({0xA0, 0x80, 0x00}));
    EXPECT_EQ(pack({}, COMPRESS_LZSS), hex({0x00, 0x00}));
    EXPECT_EQ(pack({}, COMPRESS_HUFFMAN), hex({0x00, 0x00, 0x01, 0x00, 0x80}));

    Bytes out;
    EXPECT_TRUE(unpack(hex({2, 0, 0, 0, 0, 0, 0, 0, 0x61, 0x62}), 6, COMPRESS_PACK4, &out));
    EXPECT_EQ(std::string(out.begin(), out.end()), "ababab");
    // Raw tail as long as the packed data: the output is the data itself.
    EXPECT_TRUE(unpack(hex({3, 0, 0, 0, 'x', 'y', 'z'}), 3, COMPRESS_PACK4, &out));
    EXPECT_EQ(std::string(out.begin(), out.end()), "xyz");
}

// Reads the codes of an LZW stream back at the widths the width steps announce.
static std::vector<uint32_t> lzw_codes(const Bytes& s)
{
    std::vector<uint32_t> codes;
    size_t bit = 0;
    int width = 9;
    while (bit + width <= s.size() * 8) {
        uint32_t v = 0;
        for (int k = 0; k < width; ++k, ++bit) v = v << 1 | ((s[bit / 8] >> (7 - bit % 8)) & 1);
        codes.push_back(v);
        if (v == 256) break;
        if (v == 257) ++width;
        if (v == 258) width = 9;
    }
    return codes;
}

TEST(CompressMethods, LzwWidthStepAndFlush)
{
    Compress_LZW_Init();
    // Random bytes add one string per code: 253 codes reach code 511, then the step comes.
    Bytes in = sample(70000, 5, 0);
    std::vector<uint32_t> codes = lzw_codes(pack(in, COMPRESS_LZW));
    ASSERT_GT(codes.size(), 300u);
    EXPECT_EQ(codes[253], 257u);
    for (size_t i = 0; i < 253; ++i) EXPECT_LT(codes[i], 512u);
    // Six width steps, then the dictionary fills and a reset follows at 15 bits.
    auto flush = std::find(codes.begin(), codes.end(), 258u);
    ASSERT_NE(flush, codes.end());
    EXPECT_EQ(std::count(codes.begin(), flush, 257u), 6);
    EXPECT_EQ(flush - codes.begin(), 32768 - 259 + 6);
    EXPECT_EQ(codes.back(), 256u);

    Bytes out;
    EXPECT_TRUE(unpack(pack(in, COMPRESS_LZW), in.size(), COMPRESS_LZW, &out));
    EXPECT_EQ(out, in);
    // A string defined by the code that uses it.
    Bytes alt = hex({1, 2, 1, 2, 1, 2, 1, 2});
    EXPECT_TRUE(unpack(pack(alt, COMPRESS_LZW), alt.size(), COMPRESS_LZW, &out));
    EXPECT_EQ(out, alt);
}

TEST(CompressMethods, RoundTripsOfEveryMethod)
{
    Compress_LZW_Init();
    const size_t sizes[] = {0, 1, 2, 3, 17, 18, 20, 255, 4096, 4113, 70001, 3 << 20};
    for (int method = 1; method <= 4; ++method)
        for (size_t n : sizes)
            for (int kind = 0; kind < 4; ++kind) {
                if (n == 0 && method == COMPRESS_PACK4) continue;
                // One large input per method keeps the sanitizer run short.
                if (n > 70001 && kind != (method + 1) % 4) continue;
                Bytes in = sample(n, uint32_t(n * 7 + kind), kind);
                Bytes packed = pack(in, method);
                Bytes out;
                ASSERT_TRUE(unpack(packed, n, method, &out)) << method << " " << n << " " << kind;
                ASSERT_EQ(out, in) << method << " " << n << " " << kind;
            }
    // A run of equal bytes becomes overlapping matches.
    Bytes run(20, 'x');
    EXPECT_EQ(pack(run, COMPRESS_LZSS).size(), 7u); // literal, matches of 17 and 2, end
}

TEST(CompressMethods, Pack4KeepsStoredFormWhenPackingDoesNotPay)
{
    Bytes in = sample(1000, 3, 0);
    Bytes packed = pack(in, COMPRESS_PACK4);
    ASSERT_EQ(packed.size(), 1004u);
    EXPECT_EQ(packed[0] | packed[1] << 8, 1000);
    EXPECT_TRUE(std::equal(in.begin(), in.end(), packed.begin() + 4));
    Bytes text = sample(50000, 4, 2);
    EXPECT_LT(pack(text, COMPRESS_PACK4).size(), text.size() / 3);
}

// Literal runs of every length up to a counter byte's 128 and matches of every length up to the
// long ones, near and far (fresh bytes alternate with copies of bytes a little way back): each
// copied whole, and nothing written beside the output.
TEST(CompressMethods, Pack4RunsAndMatchesOfEveryLength)
{
    std::mt19937 rng(11);
    Bytes in;
    for (uint32_t k = 0; k < 600; ++k) {
        for (uint32_t i = 0; i < 1 + k % 130; ++i) in.push_back(uint8_t(rng()));
        const size_t von = in.size() - std::min<size_t>(in.size(), 1 + rng() % 900);
        for (uint32_t i = 0; i < 2 + (k * 7) % 45; ++i) in.push_back(in[von + i]);
    }
    const Bytes packed = pack(in, COMPRESS_PACK4);
    ASSERT_LT(packed.size(), in.size());
    Bytes puffer(in.size() + 2, 0xA5);
    const Pack4_Frame f{uint32_t(packed[0] | packed[1] << 8 | packed[2] << 16 | packed[3] << 24), uint32_t(in.size()),
                        uint32_t(packed.size() - 4), 0, packed.data() + 4, puffer.data() + 1};
    ASSERT_EQ(Pack4_Unpack(&f), in.size());
    EXPECT_EQ(puffer.front(), 0xA5);
    EXPECT_EQ(puffer.back(), 0xA5);
    EXPECT_TRUE(std::equal(in.begin(), in.end(), puffer.begin() + 1));
}

TEST(CompressStreams, BitWriterCapacityAndReads)
{
    Fehler_Capture fehler;
    uint8_t buf[3] = {};
    Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, buf, 3);
    Cmp_Write_Bits(o, 0xA5, 8);
    EXPECT_EQ(o->mask, 0x80);
    Cmp_Write_Bit(o, 1);
    EXPECT_EQ(o->position, 1u);
    Cmp_Write_Bits(o, 0, 7); // completes the second byte; the third is the spare
    EXPECT_EQ(o->position, 2u);
    EXPECT_FALSE(fehler.contains("Überlauf"));
    Cmp_Write_Bits(o, 0xFF, 8);
    EXPECT_TRUE(fehler.contains("Fehler: ptr Überlauf"));
    EXPECT_EQ(o->fehler, 1u);
    CloseOutPutData(o, 1);
    EXPECT_EQ(buf[0], 0xA5);
    EXPECT_EQ(buf[1], 0x80);

    Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, buf, 2);
    EXPECT_EQ(Cmp_Read_Byte(i), 0xA5);
    EXPECT_EQ(Cmp_Read_Byte(i), 0x80);
    EXPECT_EQ(Cmp_Read_Byte(i), -1);
    Cmp_Seek(i, 0, SEEK_SET);
    EXPECT_EQ(Cmp_Read_Bits(i, 12), 0xA58u);
    EXPECT_EQ(Cmp_Read_Bits(i, 8), 0u);
    EXPECT_EQ(i->fehler, 1u);
    CloseInPutData(i, 1);
    EXPECT_EQ(OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, buf, 0), nullptr);
    EXPECT_TRUE(fehler.contains("OpenInPutData: Falsche Länge"));
    EXPECT_EQ(Expand_Data(nullptr, nullptr, 5), 0);
}

TEST(CompressStreams, FileStreamsMatchMemoryStreams)
{
    Fehler_Capture fehler;
    Compress_LZW_Init();
    Bytes in = sample(5000, 9, 2);
    std::string pfad = std::string(DORVIN_BINARY_DIR) + "/compress_test_datei.lzw";
    Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, in.data(), int32_t(in.size()));
    Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_FILE, pfad.c_str(), nullptr, 0);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(Compress_Data(i, o, COMPRESS_LZW), 1);
    CloseOutPutData(o, 0);
    CloseInPutData(i, 1);

    // Read back through a file stream (bit by bit) and through a memory stream loaded from the
    // file: both give the input back.
    Bytes a(in.size()), b(in.size());
    Compress_Stream* f = OpenInPutData(CMP_IO_MODE_FILE, pfad.c_str(), nullptr, 0);
    Compress_Stream* oa = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, a.data(), int32_t(a.size()));
    EXPECT_EQ(Expand_Data(f, oa, COMPRESS_LZW), 1);
    EXPECT_EQ(oa->position, in.size());
    CloseOutPutData(oa, 1);
    CloseInPutData(f, 0);
    Compress_Stream* m = OpenInPutData(CMP_IO_MODE_MEMORY, pfad.c_str(), nullptr, 0);
    ASSERT_NE(m, nullptr);
    Compress_Stream* ob = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, b.data(), int32_t(b.size()));
    EXPECT_EQ(Expand_Data(m, ob, COMPRESS_LZW), 1);
    // An unknown method touches neither stream.
    uint32_t vorher = ob->position;
    EXPECT_EQ(Expand_Data(m, ob, 5), 0);
    EXPECT_EQ(ob->position, vorher);
    CloseOutPutData(ob, 1);
    CloseInPutData(m, 0);
    EXPECT_EQ(a, in);
    EXPECT_EQ(b, in);

    // A caller's buffer too small for the file is refused.
    uint8_t klein[16];
    EXPECT_EQ(OpenInPutData(CMP_IO_MODE_MEMORY, pfad.c_str(), klein, 16), nullptr);
    EXPECT_TRUE(fehler.contains("Memorygröße 16"));
    EXPECT_EQ(OpenInPutData(CMP_IO_MODE_FILE, "/nicht/da", nullptr, 0), nullptr);
    std::remove(pfad.c_str());
}

namespace {

uint64_t fnv(const Bytes& b)
{
    uint64_t h = 1469598103934665603ull;
    for (uint8_t c : b) h = (h ^ c) * 1099511628211ull;
    return h;
}

// Inputs for the LZSS packer's fixed output: every sample kind around the window's size,
// runs, and repeats at the window's far edge.
std::vector<Bytes> lzss_eingaben()
{
    std::vector<Bytes> e = {{}, {0x41}, {0, 0}};
    for (size_t n : {4095u, 4096u, 4097u, 4113u, 4114u, 12000u, 70000u})
        for (int kind = 0; kind < 4; ++kind) e.push_back(sample(n, uint32_t(n + kind), kind));
    std::mt19937 rng(9);
    Bytes laeufe;
    while (laeufe.size() < 30000) laeufe.insert(laeufe.end(), 1 + rng() % 300, uint8_t(rng() % 4 ? rng() : 0));
    e.push_back(laeufe);
    for (size_t abstand : {4078u, 4079u, 4094u, 4095u, 4096u, 4097u}) {
        Bytes b = sample(abstand, uint32_t(abstand), 0);
        while (b.size() < 3 * abstand) b.push_back(b[b.size() - abstand]);
        e.push_back(b);
    }
    Bytes gemischt;
    for (int kind : {2, 1, 3, 0, 2}) {
        Bytes b = sample(100000, uint32_t(kind), kind);
        gemischt.insert(gemischt.end(), b.begin(), b.end());
    }
    e.push_back(gemischt);
    return e;
}

} // namespace

// Resource files packed by the data builder are read by programs already out: the packer's
// output is fixed byte for byte (checksums of today's output), and every input comes back.
TEST(CompressMethods, LzssOutputIsFixed)
{
    const uint64_t erwartet[] = {
        0x9a691300c548b8fbull, 0x6b69254d650466e1ull, 0x5e5d0276a5c39373ull,
        0xf4c4083a911de269ull, 0x7de010a2e4cb8c1bull, 0x36b8b3b1ebe81db3ull,
        0x1b933946cc00b383ull, 0x003c8f1a393adfe6ull, 0x49cd9efbd2c2444dull,
        0x16ef02f36269cde3ull, 0x1bfff946cc5d18a3ull, 0xea1b7b4f11c2aaffull,
        0xe10ea34e7e3893a4ull, 0x2f4b99ca77c04f33ull, 0x7ef16ece64e2d99bull,
        0xfb539ce993da4358ull, 0x7eb8a5ba097d0327ull, 0xcd83706a1019b00dull,
        0x7f2131c72fb292caull, 0xc0474fca5285ab80ull, 0x099e0f086c444588ull,
        0x74c052259616dc2dull, 0xe8417732e501a8aeull, 0xb679337a829474d7ull,
        0x14c3911b7094a524ull, 0x3ad306078b7ccca5ull, 0xf172a6aec9a37ae8ull,
        0x4c7d1389912233b0ull, 0x69f1e61fd03d9bcaull, 0xe16758d4bd62fafcull,
        0xc4a797ba81069333ull, 0xee1966e24ea7bdfbull, 0x805acb0b3fafff36ull,
        0xe7693ad82bdbb9edull, 0xf8f1eca6be1a7b74ull, 0x3a91a3b834a0485eull,
        0xe1676a2193fb0454ull, 0x9df8694a5c5a7fb0ull, 0xe610cdde4b61a01aull,
    };
    std::vector<Bytes> e = lzss_eingaben();
    ASSERT_EQ(e.size(), std::size(erwartet));
    for (size_t k = 0; k < e.size(); ++k) {
        Bytes p = pack(e[k], COMPRESS_LZSS);
        EXPECT_EQ(fnv(p), erwartet[k]) << "Eingabe " << k << ", " << e[k].size() << " Bytes";
        Bytes back;
        ASSERT_TRUE(unpack(p, e[k].size(), COMPRESS_LZSS, &back)) << k;
        ASSERT_EQ(back, e[k]) << k;
    }
}

// An output too small for the packed bytes: the packer fills it up to its spare last byte with
// the packed stream's head, writes nothing beyond, counts every byte it made, and fails.
TEST(CompressMethods, LzssFullOutputKeepsTheHead)
{
    Fehler_Capture fehler;
    Bytes in = sample(3000, 5, 2), voll = pack(in, COMPRESS_LZSS);
    for (uint32_t platz = 1; platz <= voll.size() + 1; ++platz) {
        Bytes buf(platz + 8, 0xEE);
        Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, in.data(), int32_t(in.size()));
        Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, buf.data(), int32_t(platz));
        int ok = Compress_Data(i, o, COMPRESS_LZSS);
        const uint32_t ganz = voll.size() - (o->mask != 0x80); // a partial last byte waits in the rack
        EXPECT_EQ(ok, ganz < platz) << platz;
        EXPECT_EQ(o->position, std::min(platz - 1, ganz)) << platz;
        EXPECT_EQ(o->bytes_out, ganz) << platz;
        EXPECT_TRUE(std::equal(buf.begin(), buf.begin() + o->position, voll.begin())) << platz;
        EXPECT_EQ(std::count(buf.begin() + o->position, buf.end(), 0xEE), buf.size() - o->position) << platz;
        o->mask = 0x80;
        CloseOutPutData(o, 1);
        CloseInPutData(i, 1);
    }
}

namespace {

// Savegame-like records (counters, ids, names, random fields, zero padding) followed by text,
// and inputs that end inside long matches and repeats.
std::vector<Bytes> lzss_enden()
{
    std::mt19937 rng(11);
    Bytes rec;
    while (rec.size() < 60000) {
        uint8_t r[52] = {uint8_t(rng() % 30), uint8_t(rng() % 100)};
        uint32_t id = uint32_t(rec.size() / 52);
        std::memcpy(r + 4, &id, 4);
        std::memcpy(r + 12, "Koehler", 7);
        for (int i = 28; i < 40; ++i) r[i] = uint8_t(40 + rng() % 60);
        rec.insert(rec.end(), r, r + 52);
    }
    Bytes text = sample(60000, 12, 2);
    rec.insert(rec.end(), text.begin(), text.end());
    std::vector<Bytes> e = {rec};
    for (size_t n : {5000u, 8200u}) {
        Bytes b = sample(n, uint32_t(n), 0);
        for (size_t rest : {1u, 7u, 8u, 9u, 16u, 17u, 18u, 40u}) {
            Bytes c = b;
            c.insert(c.end(), b.end() - 4000, b.end() - 4000 + rest);
            e.push_back(c);
        }
    }
    return e;
}

// The memory streams' bytes, written n_vorher bits into the output.
Bytes pack_mit_streams(const Bytes& in, bool datei_ein, bool datei_aus, int n_vorher)
{
    std::string pfad_ein = std::string(DORVIN_BINARY_DIR) + "/lzss_test_ein.bin";
    std::string pfad_aus = std::string(DORVIN_BINARY_DIR) + "/lzss_test_aus.bin";
    Bytes src = in, buf(in.size() * 2 + 64);
    src.push_back(0);
    if (datei_ein) {
        FILE* f = std::fopen(pfad_ein.c_str(), "wb");
        std::fwrite(in.data(), 1, in.size(), f);
        std::fclose(f);
    }
    Compress_Stream* i = datei_ein ? OpenInPutData(CMP_IO_MODE_FILE, pfad_ein.c_str(), nullptr, 0)
                                   : OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, src.data(), int32_t(src.size()));
    if (!datei_ein) i->length = int32_t(in.size());
    Compress_Stream* o = datei_aus ? OpenOutPutData(CMP_IO_MODE_FILE, pfad_aus.c_str(), nullptr, 0)
                                   : OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, buf.data(), int32_t(buf.size()));
    Cmp_Write_Bits(o, 0x15, n_vorher);
    EXPECT_EQ(Compress_Data(i, o, COMPRESS_LZSS), 1);
    FlushOutPutData(o);
    buf.resize(o->position);
    CloseOutPutData(o, 1);
    CloseInPutData(i, datei_ein ? 0 : 1);
    if (datei_aus) {
        FILE* f = std::fopen(pfad_aus.c_str(), "rb");
        buf.resize(in.size() * 2 + 64);
        buf.resize(std::fread(buf.data(), 1, buf.size(), f));
        std::fclose(f);
    }
    std::remove(pfad_ein.c_str());
    std::remove(pfad_aus.c_str());
    return buf;
}

} // namespace

// The packer has its own ways for memory streams: files on either side, and an output that is
// in the middle of a byte, must carry the same bit string, and inputs that end inside matches
// keep today's bytes.
TEST(CompressMethods, LzssSameBitsThroughEveryStream)
{
    const uint64_t erwartet[] = {
        0x661068c0eec766bfull, 0xbfaf11412a726885ull, 0x335176e7590d3998ull,
        0x44a46ce762dd36eeull, 0x55f762e76cad3444ull, 0xcf3c1ce7b15d219eull,
        0xe08f12e7bb2d1ef4ull, 0xf1e208e7c4fd1c4aull, 0x2d0ef57223a251ebull,
        0x2f0a565147eb2d8eull, 0x2dec67e0990604bbull, 0xe8a08fe071c60f63ull,
        0xa354b7e04a861a0bull, 0x12ff4fe1abc5ba23ull, 0xcdb377e18485c4cbull,
        0xa502476065f963f2ull, 0xe4967504eb3e0138ull,
    };
    std::vector<Bytes> e = lzss_enden();
    ASSERT_EQ(e.size(), std::size(erwartet));
    for (size_t k = 0; k < e.size(); ++k) {
        Bytes p = pack(e[k], COMPRESS_LZSS);
        EXPECT_EQ(fnv(p), erwartet[k]) << "Eingabe " << k;
        if (k > 3 && k != 12) continue;
        EXPECT_EQ(pack_mit_streams(e[k], true, false, 0), p) << k;
        EXPECT_EQ(pack_mit_streams(e[k], false, true, 0), p) << k;
        // Three bits ahead: every byte is the packed stream moved three bits on.
        Bytes v = pack_mit_streams(e[k], k % 2 == 1, false, 3);
        ASSERT_GE(v.size(), p.size()) << k;
        ASSERT_LE(v.size(), p.size() + 1) << k;
        for (size_t j = 0; j < p.size(); ++j) {
            uint8_t soll = uint8_t((j ? p[j - 1] << 5 : 0x15 << 5) | p[j] >> 3);
            ASSERT_EQ(v[j], soll) << k << " Byte " << j;
        }
        // The last byte's three low bits spill over, or were padding.
        EXPECT_EQ(v.size() > p.size() ? v.back() : 0, uint8_t(p.back() << 5)) << k;
    }
}

namespace {

// The packer in its plain form: one binary tree per hash of a position's first three bytes,
// ordered by the 17 bytes there, nodes linked by index, bytes read one by one around the
// window, every position inside a match put in its tree one after the other. The fast packer
// must write exactly its bits.
class Lzss_Oracle {
public:
    Bytes pack(const Bytes& in)
    {
        size_t next = 0;
        auto lesen = [&]() -> int { return next < in.size() ? in[next++] : -1; };
        int current = 1, look_ahead = 0;
        for (; look_ahead < LA; ++look_ahead) {
            int c = lesen();
            if (c < 0) break;
            win[current + look_ahead] = uint8_t(c);
        }
        auto weiter = [&]() {
            int alt = (current + LA) & (N - 1);
            remove(alt);
            int c = lesen();
            if (c < 0) look_ahead--;
            else win[alt] = uint8_t(c);
            current = (current + 1) & (N - 1);
        };
        zwei[two(current)] = current;
        put_root(hash(current), current);
        int length = 0, position = 0;
        while (look_ahead > 0) {
            length = std::min(length, look_ahead);
            int count = 1;
            if (length <= 1) {
                bits(0x100u | win[current], 9);
            } else {
                bits(uint32_t(position) << 4 | uint32_t(length - 2), 17);
                count = length;
            }
            for (int j = 1; j < count; ++j) {
                weiter();
                if (j <= 6 && current != 0) insert(current, nullptr, nullptr);
            }
            weiter();
            if (look_ahead > 0 && current != 0) insert(current, &length, &position);
            else if (look_ahead > 0) length = 0;
        }
        bits(0, 13);
        if (nbits > 0) out.push_back(uint8_t(acc << (8 - nbits)));
        return out;
    }

private:
    static constexpr int N = 4096, LA = 17, NONE = -1;
    uint8_t win[N] = {};
    int left[N], right[N], parent[N]; // parent NONE: the root of its tree
    bool in_tree[N] = {};
    std::vector<int> roots = std::vector<int>(1 << 16, NONE); // hash -> root node
    std::vector<int> zwei = std::vector<int>(1 << 16, NONE);  // first two bytes -> newest position put in a tree
    Bytes out;
    uint32_t acc = 0;
    int nbits = 0;

    void bits(uint32_t v, int n)
    {
        for (int k = n - 1; k >= 0; --k) {
            acc = acc << 1 | ((v >> k) & 1);
            if (++nbits == 8) {
                out.push_back(uint8_t(acc));
                nbits = 0;
            }
        }
    }
    uint8_t at(int p, int k) const { return win[(p + k) & (N - 1)]; }
    int two(int p) const { return at(p, 0) << 8 | at(p, 1); }
    int hash(int p) const
    {
        uint32_t v = uint32_t(at(p, 0)) << 16 | uint32_t(at(p, 1)) << 8 | at(p, 2);
        return int((v * 2654435761u) >> 16);
    }
    // Equal leading bytes (up to 17) and the order of the two 17-byte strings.
    int common(int a, int b, int* order) const
    {
        for (int k = 0; k < LA; ++k)
            if (at(a, k) != at(b, k)) {
                *order = at(a, k) < at(b, k) ? -1 : 1;
                return k;
            }
        *order = 0;
        return LA;
    }
    void put_root(int h, int n)
    {
        roots[h] = n;
        parent[n] = NONE;
        left[n] = right[n] = NONE;
        in_tree[n] = true;
    }
    // Puts m (NONE, or a node not in the slot's place) where n hangs.
    void relink(int n, int m)
    {
        int p = parent[n];
        if (p == NONE) {
            roots[hash(n)] = m;
        } else {
            (left[p] == n ? left[p] : right[p]) = m;
        }
        if (m != NONE) parent[m] = p;
    }
    void remove(int n)
    {
        if (!in_tree[n]) return;
        if (left[n] == NONE || right[n] == NONE) {
            relink(n, left[n] == NONE ? right[n] : left[n]);
        } else {
            int r = left[n];
            while (right[r] != NONE) r = right[r];
            relink(r, left[r]);
            take_place(n, r);
        }
        in_tree[n] = false;
    }
    // Puts m in n's place with n's children, and n out of the tree.
    void take_place(int n, int m)
    {
        relink(n, m);
        left[m] = left[n];
        right[m] = right[n];
        if (left[m] != NONE) parent[left[m]] = m;
        if (right[m] != NONE) parent[right[m]] = m;
        in_tree[n] = false;
        in_tree[m] = true;
    }
    // Puts n in its tree. With length given, also finds the longest match among the nodes met
    // (ties to the later one), tries the newest position with the same two bytes when that
    // comes short, and measures a position within the look-ahead's reach again.
    void insert(int n, int* length, int* position)
    {
        int kurz = zwei[two(n)];
        zwei[two(n)] = n;
        int h = hash(n);
        int len = 0, pos = position ? *position : 0;
        if (roots[h] == NONE) {
            put_root(h, n);
        } else {
            int t = roots[h];
            for (;;) {
                int order;
                int i = common(n, t, &order);
                if (i >= len) {
                    len = i;
                    pos = t;
                }
                if (order == 0) {
                    take_place(t, n);
                    break;
                }
                int& child = order > 0 ? right[t] : left[t];
                if (child == NONE) {
                    child = n;
                    parent[n] = t;
                    left[n] = right[n] = NONE;
                    in_tree[n] = true;
                    break;
                }
                t = child;
            }
        }
        if (!length) return;
        int order;
        if (len < 3 && kurz != NONE && kurz != n && in_tree[kurz]) {
            int i = common(n, kurz, &order);
            if (i > len) {
                len = i;
                pos = kurz;
            }
        }
        if (((pos - n) & (N - 1)) <= LA) len = std::min(len, common(n, pos, &order));
        *length = len;
        *position = pos;
    }
};

// Seeded inputs that steer the match search into its corners: random bytes, a small alphabet,
// runs, the window repeated with a byte changed now and then (matches at the window's far
// edge), copies of random length from random distances, and text.
std::vector<Bytes> lzss_vielfalt()
{
    const char* words[] = {"Spieler ", "Mannschaft ", "Tabelle ", "Stürmer ", "Vertrag ", "Saison "};
    std::vector<Bytes> e;
    for (uint32_t seed = 0; seed < 28; ++seed) {
        std::mt19937 rng(seed);
        size_t n = 3000 + rng() % (seed % 4 == 0 ? 60000 : 12000);
        Bytes b;
        while (b.size() < n) {
            switch (seed % 7) {
            case 0: b.push_back(uint8_t(rng())); break;
            case 1: b.push_back(uint8_t(rng() % 4)); break;
            case 2: b.insert(b.end(), 1 + rng() % 300, uint8_t(rng() % 4 ? rng() : 0)); break;
            case 3:
                if (b.size() < 4096) b.push_back(uint8_t(rng()));
                else b.push_back(rng() % 50 ? b[b.size() - 4096] : uint8_t(rng()));
                break;
            case 4:
                for (const char* w = words[rng() % 6]; *w; ++w) b.push_back(uint8_t(*w));
                break;
            default: {
                size_t abstand = 1 + rng() % 4200, laenge = 1 + rng() % 40;
                if (abstand > b.size()) b.push_back(uint8_t(rng() % 16));
                else
                    for (size_t k = 0; k < laenge; ++k) b.push_back(b[b.size() - abstand]);
            }
            }
        }
        e.push_back(b);
    }
    return e;
}

} // namespace

// The packer's bits against its plain form on every input kind above and the fixed inputs:
// empty and one byte, runs, repeats at the window's edge, long matches of the longest length,
// and inputs ending inside matches.
TEST(CompressMethods, LzssSameBitsAsPlainPacker)
{
    std::vector<Bytes> e = lzss_vielfalt();
    for (auto* liste : {lzss_eingaben, lzss_enden})
        for (Bytes& b : liste()) e.push_back(b);
    for (size_t k = 0; k < e.size(); ++k) {
        Lzss_Oracle plain;
        ASSERT_EQ(pack(e[k], COMPRESS_LZSS), plain.pack(e[k])) << "Eingabe " << k << ", " << e[k].size() << " Bytes";
    }
}
