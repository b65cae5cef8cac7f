// The reclaim pass under Wine: priorities afterwards, the caller's record, every byte written.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "child.h"
#include "reclaim/reclaim.h"

namespace {

using namespace testing_support;

TEST(ReclaimMemory, LeavesNormalPrioritiesWhateverTheyWereBefore) {
    const struct {
        DWORD priorityClass;
        int threadPriority;
    } starts[] = {
        {IDLE_PRIORITY_CLASS, THREAD_PRIORITY_LOWEST},
        {HIGH_PRIORITY_CLASS, THREAD_PRIORITY_HIGHEST},
        {BELOW_NORMAL_PRIORITY_CLASS, THREAD_PRIORITY_IDLE},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.priorityClass);
        ASSERT_TRUE(SetPriorityClass(GetCurrentProcess(), start.priorityClass));
        ASSERT_TRUE(SetThreadPriority(GetCurrentThread(), start.threadPriority));
        ASSERT_EQ(GetPriorityClass(GetCurrentProcess()), start.priorityClass);
        MEMORYSTATUSEX status;
        tavrisk::ReclaimMemory(0, status);
        EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
        EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
    }
}

TEST(ReclaimMemory, FillsTheCallersRecordWithTrueAfterPassFigures) {
    MEMORYSTATUSEX status;
    std::memset(&status, 0xCC, sizeof status);
    tavrisk::ReclaimMemory(1, status);

    MEMORYSTATUSEX now = {};
    now.dwLength = sizeof now;
    ASSERT_TRUE(GlobalMemoryStatusEx(&now));
    EXPECT_EQ(status.dwLength, sizeof status);
    // The true total, not the 2 GB that GlobalMemoryStatus reports to 32-bit programs.
    EXPECT_EQ(status.ullTotalPhys, now.ullTotalPhys);
    EXPECT_LE(status.ullAvailPhys, status.ullTotalPhys);
    EXPECT_GT(status.ullAvailPhys, 0u);
    EXPECT_LE(status.dwMemoryLoad, 100u);
}

// A fresh process, so that its peak working set says what this one pass touched.
TEST(ReclaimMemory, WritesEveryByteOfTheBlock) {
    for (int mode : {0, 9}) {
        SCOPED_TRACE(mode);
        const std::string out = WinPath(std::string(TAVRISK_TEST_TMP_DIR)) + "\\probe-" +
                                std::to_string(GetCurrentProcessId()) + "-" + std::to_string(mode) + ".txt";
        CreateDirectoryA(WinPath(TAVRISK_TEST_TMP_DIR).c_str(), nullptr);
        Child probe(HelperExe("reclaim_probe.exe"), "reclaim_probe " + std::to_string(mode) + " \"" + out + "\"");
        ASSERT_EQ(probe.Wait(60000), 0u);
        unsigned long before = 0, after = 0, request = 0;
        long long freed = 0;
        ASSERT_EQ(std::sscanf(ReadBytes(out).c_str(), "%lu %lu %lu %lld", &before, &after, &request, &freed), 4);
        // Linux keeps a process's resident-page counts per thread and per CPU
        // and folds them in lazily, so a reading may trail the truth by some
        // hundreds of kilobytes under load; a skipped fill would miss by 24 MB.
        EXPECT_GE(after - before + 1024 * 1024, request) << "working set before " << before << ", after " << after;
        DeleteFileA(out.c_str());
    }
}

}  // namespace
