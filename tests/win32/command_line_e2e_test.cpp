// tavrisk.exe as a child: command-line errors, plain runs and their exit codes.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include "child.h"
#include "records.h"
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

Child StartTavrisk(const std::string& arguments, const std::string& exe = TavriskExe()) {
    return Child(exe, "tavrisk " + arguments);
}

Child StartTavrisk(const std::wstring& arguments, const std::string& exe) {
    return Child(exe, L"tavrisk " + arguments);
}

// The about box that ends runs without a cleanup, closed with OK. Returns the
// program's peak working set while the box was open (0 when there was no box).
SIZE_T CloseAboutBox(const Child& child) {
    HWND about = WaitForBox(child.pid(), "TAVRISK - RAM Cleaner");
    EXPECT_NE(about, nullptr) << "no about box";
    if (!about) return 0;
    LetBoxSettle();
    const SIZE_T peak = PeakWorkingSet(child.process());
    PressButton(about, IDOK);
    return peak;
}

// The peak of a run that shows only the about box: the dialog's fonts and
// sound cost Wine several megabytes, a pass at least 24 more.
SIZE_T AboutBoxOnlyPeak() {
    Child child = StartTavrisk("/?");
    const SIZE_T peak = CloseAboutBox(child);
    EXPECT_EQ(child.Wait(), 1u);
    EXPECT_GT(peak, 0u) << "the peak working set cannot be read";
    return peak;
}

TEST(CommandLine, UnknownArgumentShowsTheErrorThenTheAboutBoxAndCleansNothing) {
    // Shown as typed also where the ANSI code page has no such characters; an
    // unpaired surrogate, which CreateProcessW passes on, shows as U+FFFD.
    ASSERT_EQ(GetACP(), 1252u);
    const struct {
        const wchar_t* arguments;
        const char* shown;
    } rows[] = {
        {L"x=1", "x=1"},
        {L"v=3 x /?", "x"},
        {L"\"\" v=1", ""},
        {L"+v=1", "+v=1"},
        {L"\"a b\"", "a b"},
        {L"\u03a9mega=\u65e5\U0001F9F9", "\u03a9mega=\u65e5\U0001F9F9"},
        {L"\xD800x=1 \xDC00", "\uFFFDx=1"},
    };
    const SIZE_T control = AboutBoxOnlyPeak();
    // The build whose box seam records each box's type flags (buttons and icon).
    Sandbox sandbox("command-line-error", "tavrisk.exe", SoundSeamExe());
    const std::string boxes = sandbox.Path("boxes.txt");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shown);
        DeleteFileA(boxes.c_str());
        SetEnvironmentVariableA(kBoxRecordVariable, boxes.c_str());
        Child child = StartTavrisk(row.arguments, sandbox.exe);
        SetEnvironmentVariableA(kBoxRecordVariable, nullptr);
        HWND error = WaitForBox(child.pid(), "TAVRISK");
        ASSERT_NE(error, nullptr);
        ASSERT_GT(PeakWorkingSet(child.process()), 0u) << "the peak working set cannot be read";
        EXPECT_EQ(BoxText(error), std::string("Command Line Error !\n") + row.shown);
        EXPECT_EQ(ButtonIds(error), std::vector<int>{IDOK});
        // OK with the exclamation icon (0x30).
        EXPECT_EQ(ReadRecords(boxes), std::vector<std::string>{"box type=0x30 caption=TAVRISK"});
        EXPECT_LT(PeakWorkingSet(child.process()), kSmallestBlock);
        PressButton(error, IDOK);
        EXPECT_LT(CloseAboutBox(child), control + kSmallestBlock / 2);
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
    const SIZE_T control = AboutBoxOnlyPeak();
    for (const char* arguments : {"", "   ", "-?", "/?x", "v=3 /? x", "/log v=9 /?"}) {
        SCOPED_TRACE(arguments);
        Child child = StartTavrisk(arguments);
        EXPECT_EQ(WaitForBox(child.pid(), "TAVRISK", 300), nullptr) << "an error box was shown";
        EXPECT_LT(CloseAboutBox(child), control + kSmallestBlock / 2);
        EXPECT_EQ(child.Wait(), 1u);
    }
    Child empty(TavriskExe(), std::wstring());  // a command line of no characters at all
    CloseAboutBox(empty);
    EXPECT_EQ(empty.Wait(), 1u);
}

}  // namespace
