// The reclaim pass under Wine: priorities during and after it, the caller's record, every byte written.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>

#include "child.h"
#include "reclaim/reclaim.h"
#include "reclaim/size_table.h"

namespace {

using namespace testing_support;

SIZE_T WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

// Runs a pass of clean mode 9 while a second thread samples the process's
// priority class, the pass thread's priority and the working set. True once one
// sample saw the real-time class and time-critical priority while more than
// half the block was in memory, that is, during the fill. A few passes at most:
// on a busy machine the sampler may miss the fill of one.
bool FillSeenAtRealTime() {
    HANDLE passThread = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &passThread, THREAD_QUERY_INFORMATION,
                    FALSE, 0);
    const SIZE_T halfBlock = tavrisk::ReclaimRequestSize(9) / 2;
    bool seen = false;
    for (int pass = 0; pass < 3 && !seen; ++pass) {
        const SIZE_T before = WorkingSet();
        std::atomic<bool> done{false}, boosted{false};
        std::thread sampler([&] {
            while (!done && !boosted) {
                boosted = WorkingSet() > before + halfBlock &&
                          GetPriorityClass(GetCurrentProcess()) == static_cast<DWORD>(REALTIME_PRIORITY_CLASS) &&
                          GetThreadPriority(passThread) == THREAD_PRIORITY_TIME_CRITICAL;
                Sleep(1);
            }
        });
        MEMORYSTATUSEX status;
        tavrisk::ReclaimMemory(9, status);
        done = true;
        sampler.join();
        seen = boosted;
    }
    CloseHandle(passThread);
    return seen;
}

TEST(ReclaimMemory, FillsAtRealTimeAndLeavesNormalPrioritiesWhateverTheyWereBefore) {
    EXPECT_TRUE(FillSeenAtRealTime()) << "the block was not filled at real-time class and time-critical priority";

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
    EXPECT_EQ(status.dwLength, 64u);
    // The true total, not the 2 GB that GlobalMemoryStatus reports to 32-bit programs.
    EXPECT_EQ(status.ullTotalPhys, now.ullTotalPhys);
    EXPECT_LE(status.ullAvailPhys, status.ullTotalPhys);
    EXPECT_GT(status.ullAvailPhys, 0u);
    // All from one snapshot: the load is the share of physical memory in use.
    const ULONGLONG inUsePercent = (status.ullTotalPhys - status.ullAvailPhys) * 100 / status.ullTotalPhys;
    EXPECT_NEAR(static_cast<double>(status.dwMemoryLoad), static_cast<double>(inUsePercent), 1.0);
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
