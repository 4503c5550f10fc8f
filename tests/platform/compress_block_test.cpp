#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "platform/compress.h"
#include "platform/mem.h"

using Bytes = std::vector<uint8_t>;

static Bytes round_trip(const Bytes& in, bool* ok)
{
    uint32_t size = 0, length = 0;
    uint8_t* block = Compress_Block(in.data(), uint32_t(in.size()), &size);
    *ok = block != nullptr;
    if (!block) return {};
    EXPECT_EQ(block[0] | block[1] << 8 | block[2] << 16 | block[3] << 24, int(in.size()));
    uint8_t* data = Decompress_Block(block, size, &length);
    Mem_Free(block, 0);
    *ok = data != nullptr && length == in.size();
    Bytes out(data, data + length);
    Mem_Free(data, 0);
    return out;
}

TEST(CompressBlock, RoundTripForEveryLength)
{
    Compress_LZW_Init();
    Compress_LZW_Init(); // a second start-up call keeps the tables
    std::mt19937 rng(11);
    Bytes in;
    for (uint32_t n = 1; n <= 1500; ++n) {
        in.push_back(uint8_t(n % 5 ? rng() : 'e'));
        bool ok = false;
        ASSERT_EQ(round_trip(in, &ok), in) << n;
        ASSERT_TRUE(ok) << n;
    }
    // Random bytes are the worst case for the output size; two dictionary resets included.
    Bytes big(200000);
    for (auto& b : big) b = uint8_t(rng());
    bool ok = false;
    EXPECT_EQ(round_trip(big, &ok), big);
    EXPECT_TRUE(ok);

    uint32_t size = 7;
    EXPECT_EQ(Compress_Block(nullptr, 3, &size), nullptr);
    EXPECT_EQ(size, 0u);
}

TEST(CompressBlock, DamagedBlocksFail)
{
    Compress_LZW_Init();
    Bytes in(3000);
    for (size_t i = 0; i < in.size(); ++i) in[i] = uint8_t(i * i / 7);
    uint32_t size = 0, length = 99;
    uint8_t* block = Compress_Block(in.data(), uint32_t(in.size()), &size);
    ASSERT_NE(block, nullptr);
    Bytes b(block, block + size);
    Mem_Free(block, 0);

    // Cut off: the end code is missing.
    EXPECT_EQ(Decompress_Block(b.data(), size - 2, &length), nullptr);
    EXPECT_EQ(length, 0u);
    // A stated length longer or shorter than the stream.
    Bytes longer = b;
    longer[0]++;
    EXPECT_EQ(Decompress_Block(longer.data(), size, &length), nullptr);
    Bytes shorter = b;
    shorter[0]--;
    EXPECT_EQ(Decompress_Block(shorter.data(), size, &length), nullptr);
    // A huge stated length is refused before anything is allocated.
    Bytes huge = b;
    huge[3] = 0x7F;
    EXPECT_EQ(Decompress_Block(huge.data(), size, &length), nullptr);
    EXPECT_EQ(Decompress_Block(b.data(), 4, &length), nullptr);
    EXPECT_EQ(Decompress_Block(b.data(), size, nullptr), nullptr);
}
