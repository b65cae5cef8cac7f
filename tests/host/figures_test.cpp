// The size table and the kilobyte figures handed to the report and the log.
#include <gtest/gtest.h>

#include "reclaim/kilobytes.h"
#include "reclaim/size_table.h"

namespace {

TEST(ReclaimRequestSize, FollowsTheTableAndFallsBackTo32MB) {
    const std::uint32_t expected[] = {25165824,  41943040,  62914560,  83886080,  109051904,
                                      134217728, 167772160, 201326592, 234881024, 267386880};
    for (std::uint32_t mode = 0; mode < 10; ++mode) EXPECT_EQ(tavrisk::ReclaimRequestSize(mode), expected[mode]);
    EXPECT_EQ(tavrisk::ReclaimRequestSize(10), 33554432u);
    EXPECT_EQ(tavrisk::ReclaimRequestSize(static_cast<std::uint32_t>(-1)), 33554432u);
}

TEST(ToKilobytes, TruncatesTowardZeroShiftsAfterSubtractingAndClamps) {
    auto kb = tavrisk::ToKilobytes(41943040, 142016512, 268435456);
    EXPECT_EQ(kb.freed, 40960);
    EXPECT_EQ(kb.inUse, 123456u);
    EXPECT_EQ(kb.total, 262144u);

    EXPECT_EQ(tavrisk::ToKilobytes(-1536, 0, 0).freed, -1);
    EXPECT_EQ(tavrisk::ToKilobytes(-1023, 0, 0).freed, 0);
    EXPECT_EQ(tavrisk::ToKilobytes(1023, 0, 0).freed, 0);
    EXPECT_EQ(tavrisk::ToKilobytes(0, 1023, 2048).inUse, 1u);  // not 2 - 0
    // More available than installed, as an emulated system may report: none in use.
    EXPECT_EQ(tavrisk::ToKilobytes(0, 2048, 2048).inUse, 0u);
    EXPECT_EQ(tavrisk::ToKilobytes(0, 2049, 2048).inUse, 0u);
    kb = tavrisk::ToKilobytes(0, 4294967295u, 3801264128u);
    EXPECT_EQ(kb.inUse, 0u);
    EXPECT_EQ(kb.total, 3712172u);

    // 24 GiB installed, 20 GiB available: true figures beyond 4 GiB.
    constexpr std::uint64_t GiB = 1ull << 30;
    kb = tavrisk::ToKilobytes(static_cast<std::int64_t>(3 * GiB), 20 * GiB, 24 * GiB);
    EXPECT_EQ(kb.freed, 3 * 1024 * 1024);
    EXPECT_EQ(kb.inUse, 4u * 1024 * 1024);
    EXPECT_EQ(kb.total, 24u * 1024 * 1024);

    // Beyond what a 32-bit field holds: held at its largest value, never wrapped.
    kb = tavrisk::ToKilobytes(INT64_MIN, 0, 8192 * GiB);
    EXPECT_EQ(kb.freed, INT32_MIN);
    EXPECT_EQ(kb.total, UINT32_MAX);
    EXPECT_EQ(tavrisk::ToKilobytes(INT64_MAX, 0, 0).freed, INT32_MAX);
}

}  // namespace
