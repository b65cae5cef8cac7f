// tavrisk.exe as a child: command-line errors, plain runs and their exit codes.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include "child.h"
#include "uia.h"

namespace {

using namespace testing_support;

constexpr SIZE_T kSmallestBlock = 24u << 20;

SIZE_T PeakWorkingSet(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

Child StartTavrisk(const std::string& arguments) {
    return Child(TavriskExe(), "tavrisk " + arguments);
}

// The about box that ends runs without a cleanup, closed with OK.
void CloseAboutBox(const Child& child) {
    HWND about = WaitForBox(child.pid(), "TAVRISK - RAM Cleaner");
    ASSERT_NE(about, nullptr) << "no about box";
    PressButton(about, IDOK);
}

TEST(CommandLine, UnknownArgumentShowsTheErrorThenTheAboutBoxAndCleansNothing) {
    const struct {
        const char* arguments;
        const char* shown;
    } rows[] = {
        {"x=1", "x=1"},
        {"v=3 x /?", "x"},
        {"\"\" v=1", ""},
        {"+v=1", "+v=1"},
        {"\"a b\"", "a b"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments);
        Child child = StartTavrisk(row.arguments);
        HWND error = WaitForBox(child.pid(), "TAVRISK");
        ASSERT_NE(error, nullptr);
        ASSERT_GT(PeakWorkingSet(child.process()), 0u) << "the peak working set cannot be read";
        EXPECT_EQ(BoxText(error), std::string("Command Line Error !\n") + row.shown);
        EXPECT_TRUE(HasButton(error, IDOK));
        EXPECT_FALSE(HasButton(error, IDCANCEL));
        EXPECT_LT(PeakWorkingSet(child.process()), kSmallestBlock);
        PressButton(error, IDOK);
        CloseAboutBox(child);
        EXPECT_LT(PeakWorkingSet(child.process()), kSmallestBlock);
        EXPECT_EQ(child.Wait(), 1u);
    }
}

TEST(CommandLine, ACleanupRunEndsWithZero) {
    for (const char* arguments : {"v=5", "v=0 p=0", "v5 verbose=1 /logfile -x", "v=-1 p=7"}) {
        SCOPED_TRACE(arguments);
        Child child = StartTavrisk(arguments);
        EXPECT_EQ(child.Wait(), 0u);
    }
}

TEST(CommandLine, NoArgumentsOrHelpShowTheAboutBoxOnly) {
    for (const char* arguments : {"", "   ", "/?", "-?", "/?x", "v=3 /? x"}) {
        SCOPED_TRACE(arguments);
        Child child = StartTavrisk(arguments);
        EXPECT_EQ(WaitForBox(child.pid(), "TAVRISK", 300), nullptr) << "an error box was shown";
        CloseAboutBox(child);
        EXPECT_EQ(child.Wait(), 1u);
        EXPECT_LT(PeakWorkingSet(child.process()), kSmallestBlock);
    }
}

}  // namespace
