// The log's open policy against a scripted file system and a clock that the test moves.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "log/open_retry.h"

namespace {

using tavrisk::OpenFailure;

// Answers each try from a script (the last answer repeats) and keeps a clock
// that only pauses move, by `pauseCost` for each millisecond asked: a busy
// machine pauses longer than asked. Other runs that take their turns make the
// file grow, by one record a read, until `growsForMs` have passed; from
// `opensAtMs` on every try opens.
struct FileSystem {
    explicit FileSystem(std::vector<OpenFailure> script) : answers(std::move(script)) {}

    static constexpr std::uint32_t kStart = 0xFFFFF000u;  // wraps during the wait
    std::vector<OpenFailure> answers;
    std::uint32_t clock = kStart;
    std::uint32_t pauseCost = 1;
    std::uint32_t growsForMs = 0;
    std::uint32_t opensAtMs = 0xFFFFFFFFu;
    std::uint32_t size = 400;
    std::string tries;  // 'D' with DELETE access, 'w' without

    OpenFailure Run(bool& withDelete) {
        std::size_t next = 0;
        return tavrisk::OpenWithRetry(
            [&](bool deleteAccess) {
                tries += deleteAccess ? 'D' : 'w';
                const OpenFailure answer = answers[next < answers.size() ? next : answers.size() - 1];
                ++next;
                return clock - kStart >= opensAtMs ? OpenFailure::None : answer;
            },
            [&] { return clock; }, [&](std::uint32_t ms) { clock += ms * pauseCost; },
            [&] { return clock - kStart < growsForMs ? size += 71 : size; }, withDelete);
    }
};

TEST(OpenWithRetry, WaitsForAHeldFileTwoSecondsByTheClock) {
    const std::uint32_t start = 0xFFFFF000u;
    for (std::uint32_t cost : {1u, 4u, 40u}) {
        SCOPED_TRACE(cost);
        FileSystem files({OpenFailure::SharingViolation});
        files.pauseCost = cost;
        bool withDelete = false;
        EXPECT_EQ(files.Run(withDelete), OpenFailure::SharingViolation);
        const std::uint32_t waited = files.clock - start;
        // Gives up at the first try at or after two seconds, whatever a pause costs.
        EXPECT_GE(waited, 2000u);
        EXPECT_LT(waited, 2000u + 25u * cost);
        EXPECT_EQ(files.tries, std::string(files.tries.size(), 'D'));
    }

    // Released within the wait: opened by the next try.
    FileSystem files({OpenFailure::SharingViolation, OpenFailure::SharingViolation, OpenFailure::None});
    bool withDelete = false;
    EXPECT_EQ(files.Run(withDelete), OpenFailure::None);
    EXPECT_EQ(files.tries, "DDD");
    EXPECT_TRUE(withDelete);
    EXPECT_EQ(files.clock - start, 50u);
}

// Runs that keep taking their turns at the log hold it again and again, each for a moment:
// the wait goes on while the file grows, two seconds past its last growth, a minute at most.
TEST(OpenWithRetry, WaitsWhileTheHeldFileGrows) {
    using tavrisk::kGrowingWaitMs;
    using tavrisk::kSharingPauseMs;
    using tavrisk::kSharingWaitMs;
    bool withDelete = false;
    {
        FileSystem files({OpenFailure::SharingViolation});
        files.growsForMs = 5000;
        EXPECT_EQ(files.Run(withDelete), OpenFailure::SharingViolation);
        const std::uint32_t waited = files.clock - FileSystem::kStart;
        EXPECT_GE(waited, 5000u + kSharingWaitMs - kSharingPauseMs) << "given up before two still seconds";
        EXPECT_LT(waited, 5000u + kSharingWaitMs + kSharingPauseMs);
    }
    {
        FileSystem files({OpenFailure::SharingViolation});
        files.growsForMs = 0xFFFFFFFFu;
        files.opensAtMs = 10 * kGrowingWaitMs;  // a wait without a bound would open here
        EXPECT_EQ(files.Run(withDelete), OpenFailure::SharingViolation);
        EXPECT_GE(files.clock - FileSystem::kStart, kGrowingWaitMs);
        EXPECT_LT(files.clock - FileSystem::kStart, kGrowingWaitMs + kSharingPauseMs);
    }
}

TEST(OpenWithRetry, AFolderThatRefusesDeleteAccessGetsAnOpenWithoutIt) {
    const struct {
        std::vector<OpenFailure> answers;
        OpenFailure result;
        const char* tries;
        bool withDelete;
    } rows[] = {
        {{OpenFailure::None}, OpenFailure::None, "D", true},
        {{OpenFailure::AccessDenied, OpenFailure::None}, OpenFailure::None, "Dw", false},
        // Denied without DELETE too (a read-only folder): given up at once.
        {{OpenFailure::AccessDenied}, OpenFailure::AccessDenied, "Dw", false},
        // Held by another run once opened without DELETE: waited for, still without it.
        {{OpenFailure::AccessDenied, OpenFailure::SharingViolation, OpenFailure::None},
         OpenFailure::None,
         "Dww",
         false},
        {{OpenFailure::Other}, OpenFailure::Other, "D", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.tries);
        FileSystem files(row.answers);
        bool withDelete = !row.withDelete;
        EXPECT_EQ(files.Run(withDelete), row.result);
        EXPECT_EQ(files.tries, row.tries);
        EXPECT_EQ(withDelete, row.withDelete);
    }
}

}  // namespace
