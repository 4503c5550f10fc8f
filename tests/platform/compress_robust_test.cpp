// Damaged packed data (savegames, network, resource files) must end in a clean failure: no
// crash, no hang, no access outside the buffers (the sanitizer build checks the last two).
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "common/capture.h"
#include "platform/compress.h"
#include "platform/compress_huffman.h"
#include "platform/mem.h"

using Bytes = std::vector<uint8_t>;

namespace {

Bytes eingabe()
{
    Bytes b;
    const char* text = "Der Spieler wechselt zum Verein, der Verein zahlt die Ablöse. ";
    std::mt19937 rng(3);
    while (b.size() < 1500) {
        for (const char* t = text; *t; ++t) b.push_back(uint8_t(*t));
        for (int i = 0; i < 20; ++i) b.push_back(uint8_t(rng() % 7));
    }
    return b;
}

Bytes packen(const Bytes& in, int method)
{
    if (method == COMPRESS_HUFFMAN) Huffman_Init(0);
    Bytes src = in;
    Bytes out(in.size() * 2 + 64);
    Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, src.data(), int32_t(src.size()));
    Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, out.data(), int32_t(method == 4 ? in.size() + 4 : out.size()));
    Compress_Data(i, o, method);
    FlushOutPutData(o);
    out.resize(o->position);
    CloseOutPutData(o, 1);
    CloseInPutData(i, 1);
    if (method == COMPRESS_HUFFMAN) Huffman_DeInit();
    return out;
}

// Expands into a buffer of exactly `size` bytes, as the callers size their outputs.
bool entpacken(Bytes data, size_t size, int method)
{
    if (data.empty()) return false;
    if (method == COMPRESS_HUFFMAN) Huffman_Init(1);
    Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, data.data(), int32_t(data.size()));
    Bytes out(size);
    Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, out.data(), int32_t(size));
    int ok = Expand_Data(i, o, method);
    CloseOutPutData(o, 1);
    CloseInPutData(i, 1);
    if (method == COMPRESS_HUFFMAN) Huffman_DeInit();
    return ok == 1;
}

} // namespace

TEST(CompressRobust, DecodersRefuseDamagedStreams)
{
    Fehler_Capture fehler; // keeps the expected messages out of the log
    Compress_LZW_Init();
    Bytes in = eingabe();
    std::mt19937 rng(77);
    for (int method = 1; method <= 4; ++method) {
        Bytes good = packen(in, method);
        ASSERT_TRUE(entpacken(good, in.size(), method)) << method;
        int refused = 0;
        // Cut off anywhere: the end code (or, for method 4, the start of the data) is missing.
        for (size_t cut = 1; cut < good.size(); cut += 1 + good.size() / 300) {
            bool ok = entpacken(Bytes(good.begin(), good.begin() + long(cut)), in.size(), method);
            if (method != 4) {
                EXPECT_FALSE(ok) << method << " cut " << cut;
            }
            refused += !ok;
        }
        EXPECT_GT(refused, 100) << method;
        for (int k = 0; k < 700; ++k) {
            Bytes bad = good;
            for (int f = 0; f < 1 + k % 3; ++f) bad[rng() % bad.size()] ^= uint8_t(1u << (rng() % 8));
            entpacken(bad, in.size(), method);
        }
        for (int k = 0; k < 300; ++k) {
            Bytes noise(1 + rng() % 600);
            for (auto& b : noise) b = uint8_t(rng());
            entpacken(noise, 1 + rng() % 3000, method);
        }
    }
}

TEST(CompressRobust, DecompressBlockRefusesDamagedBlocks)
{
    Compress_LZW_Init();
    Bytes in = eingabe();
    uint32_t size = 0, length = 0;
    uint8_t* p = Compress_Block(in.data(), uint32_t(in.size()), &size);
    ASSERT_NE(p, nullptr);
    Bytes good(p, p + size);
    Mem_Free(p, 0);
    std::mt19937 rng(78);
    for (uint32_t cut = 0; cut < size; ++cut) {
        uint8_t* r = Decompress_Block(good.data(), cut, &length);
        EXPECT_EQ(r, nullptr) << cut;
        Mem_Free(r, 0);
    }
    for (int k = 0; k < 2000; ++k) {
        Bytes bad = good;
        bad[rng() % bad.size()] ^= uint8_t(1u << (rng() % 8));
        uint8_t* r = Decompress_Block(bad.data(), size, &length);
        // A flipped literal still decodes; whatever comes back has the stated length.
        if (r) {
            EXPECT_EQ(length, in.size());
        }
        Mem_Free(r, 0);
    }
}
