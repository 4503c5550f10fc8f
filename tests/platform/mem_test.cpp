#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstring>

#include "platform/mem.h"
#include "platform/os/os_speicher.h"

TEST(Mem, FreeReturnsNullAndClearFills)
{
    EXPECT_EQ(Mem_Free(nullptr, 0), nullptr);
    auto* p = static_cast<uint8_t*>(Mem_Alloc_Clear(33, 0, 0xFF));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 33; ++i) EXPECT_EQ(p[i], 0xFF);
    p = static_cast<uint8_t*>(Mem_Free(p, 0));
    EXPECT_EQ(p, nullptr);
}

// A cleared block is zero also where the heap hands out memory that was written and freed.
TEST(Mem, ClearedBlocksAreZeroInMemoryUsedBefore)
{
    for (uint32_t n : {0u, 1u, 40u, 5000u, 300000u, 2000000u}) {
        for (int runde = 0; runde < 3; ++runde) {
            auto* alt = static_cast<uint8_t*>(Mem_Alloc(n, 0));
            ASSERT_NE(alt, nullptr);
            std::memset(alt, 0xAB, n);
            Mem_Free(alt, 0);
            auto* p = static_cast<uint8_t*>(Mem_Alloc_Clear(n, 0, 0));
            ASSERT_NE(p, nullptr) << n;
            size_t nicht_null = 0;
            for (uint32_t i = 0; i < n; ++i) nicht_null += p[i] != 0;
            EXPECT_EQ(nicht_null, 0u) << n;
            Mem_Free(p, 0);
        }
    }
}

TEST(Mem, GuardedBlockReportsOverrunAndUnderrun)
{
    EXPECT_EQ(Mem_Alloc_Guarded(0, 0), nullptr);

    // Nine bytes into an 8-byte block hit the trailing guard.
    testing::internal::CaptureStderr();
    auto* p = static_cast<uint8_t*>(Mem_Alloc_Guarded(8, 0));
    ASSERT_NE(p, nullptr);
    std::memset(p, 1, 9);
    EXPECT_EQ(Mem_Free_Guarded(p, 0, "Send_User_Online"), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("buffer overrun) in Send_User_Online"),
              std::string::npos);

    // One word before the data lies in the unwritten gap: no report.
    testing::internal::CaptureStderr();
    p = static_cast<uint8_t*>(Mem_Alloc_Guarded(8, 0));
    std::memset(p - 4, 2, 4);
    Mem_Free_Guarded(p, 0, "x");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    // The header guard broken: underrun only, even with the trailing guard broken too.
    testing::internal::CaptureStderr();
    p = static_cast<uint8_t*>(Mem_Alloc_Guarded(8, 0));
    std::memset(p - 12, 3, 4);
    std::memset(p + 8, 3, 4);
    Mem_Free_Guarded(p, 0, "y");
    std::string out = testing::internal::GetCapturedStderr();
    EXPECT_NE(out.find("buffer underrun) in y"), std::string::npos);
    EXPECT_EQ(out.find("overrun"), std::string::npos);
}

TEST(Mem, OverwrittenSizeWordIsAnUnderrunNotAWildRead)
{
    testing::internal::CaptureStderr();
    auto* p = static_cast<uint8_t*>(Mem_Alloc_Guarded(8, 0));
    ASSERT_NE(p, nullptr);
    std::memset(p - 16, 0x7F, 4);  // the size word only; the guard beside it is intact
    EXPECT_EQ(Mem_Free_Guarded(p, 0, "z"), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("buffer underrun) in z"), std::string::npos);
}

// After the heap set-up, a big block comes from the kept heap and is not given back when freed:
// the next one of its size reuses the same mapped memory (no fresh mapping, no page faults).
TEST(Mem, HeapSetUpKeepsBigBlocksMapped)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator has its own heap";
#else
    Os_Heap_Vorbereiten();
    const auto oben = reinterpret_cast<uintptr_t>(sbrk(0));
    auto* p = static_cast<uint8_t*>(Mem_Alloc(8u << 20, 0));
    ASSERT_NE(p, nullptr);
    EXPECT_LT(reinterpret_cast<uintptr_t>(p), oben) << "block mapped apart from the heap";
    std::memset(p, 0x5A, 8u << 20);
    Mem_Free(p, 0);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(sbrk(0)), oben) << "heap given back";
    auto* q = static_cast<uint8_t*>(Mem_Alloc_Clear(8u << 20, 0, 0));
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q[0], 0);
    EXPECT_EQ(q[(8u << 20) - 1], 0);
    Mem_Free(q, 0);
#endif
}
