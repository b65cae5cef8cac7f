// The prompt modes end to end: question, report, completion sound and log viewing, as a user meets them.
#include <gtest/gtest.h>

#include <cstdio>

#include "child.h"
#include "file_type.h"
#include "records.h"
#include "uia.h"

namespace {

using namespace testing_support;

constexpr DWORD kAnsweredNo = 0xFFFFFFFF;  // -1

// Every run here records started programs and handed-over sounds in one file,
// so their order is visible, and the type flags of its boxes in another.
struct TestRun {
    explicit TestRun(const std::string& name, const std::string& source = SoundSeamExe())
        : sandbox(name, "tavrisk.exe", source) {
        record = sandbox.Path("record.txt");
        boxes = sandbox.Path("boxes.txt");
        SetVariable(kRecordFileVariable, record);
        SetVariable(kSoundRecordVariable, record);
        SetVariable(kBoxRecordVariable, boxes);
    }
    ~TestRun() {
        for (const char* variable : {kRecordFileVariable, kSoundRecordVariable, kBoxRecordVariable,
                                     kShellRecordVariable, kMemoryScriptVariable})
            SetEnvironmentVariableA(variable, nullptr);
    }
    Child Start(const std::string& arguments) { return Child(sandbox.exe, "tavrisk " + arguments, sandbox.dir); }
    std::string Log() const { return sandbox.Path("Tavrisk.log"); }
    std::vector<std::string> Records() const { return ReadRecords(record); }
    std::vector<std::string> Boxes() const { return ReadRecords(boxes); }

    Sandbox sandbox;
    std::string record;
    std::string boxes;
};

const std::string kQuestion = "Cleanup memory now ?   \nClean Mode = ";

// The box types: the question is Yes/No with the information icon (0x44), the
// report OK with it (0x40), the launcher's failure OK with the exclamation (0x30).
const std::string kQuestionBox = "box type=0x44 caption=TAVRISK";
const std::string kReportBox = "box type=0x40 caption=TAVRISK";
const std::string kLaunchFailureBox = "box type=0x30 caption=Execute Process";
const std::vector<int> kOkOnly = {IDOK};

// Memory figures for the next run started, as the memory-status seam answers them: the load
// that t= reads (the first question), then the available memory before and after the pass,
// with `total` bytes installed throughout.
void ScriptMemory(unsigned load, unsigned long long before, unsigned long long after,
                  unsigned long long total = 8ull << 30) {
    char script[160];
    std::snprintf(script, sizeof script, "%u,%llu,%llu %u,%llu,%llu %u,%llu,%llu", load, before, total, load, before,
                  total, load, after, total);
    SetEnvironmentVariableA(kMemoryScriptVariable, script);
}

// The completion sound (resource 121, 14,298 bytes), handed over with `flags`.
bool IsSound(const std::string& record, const char* flags) {
    return record.rfind(std::string("sound flags=") + flags + " size=14298 ", 0) == 0;
}

struct ReportFigures {
    long freed = 0;
    unsigned long inUse = 0, total = 0;
    long milliseconds = -1;
};

// Reads the report's first three lines back, after checking the text's exact shape.
ReportFigures ReadReport(const std::string& text) {
    ReportFigures figures;
    char timeText[32] = "";
    EXPECT_EQ(
        std::sscanf(text.c_str(),
                    "Physical memory freed:  %ld KB\r\nPhysical memory in use:  %lu/%lu KB   \r\nTime spent:  %31s",
                    &figures.freed, &figures.inUse, &figures.total, timeText),
        4)
        << text;
    std::string digits;
    for (char c : std::string(timeText)) {
        if (c != ',') digits += c;
    }
    figures.milliseconds = std::atol(digits.c_str());
    char expected[512];
    std::snprintf(expected, sizeof expected,
                  "Physical memory freed:  %ld KB\r\nPhysical memory in use:  %lu/%lu KB   \r\nTime spent:  %s "
                  "milliseconds.\r\n\r\nTavrisk version 1.4.51\r\n",
                  figures.freed, figures.inUse, figures.total, timeText);
    EXPECT_EQ(text.substr(0, std::string(expected).size()), expected);
    const std::string notice = text.substr(std::min(text.size(), std::string(expected).size()));
    EXPECT_NE(notice.find("1998"), std::string::npos) << notice;
    EXPECT_EQ(notice.find('\n'), std::string::npos);
    return figures;
}

// No, and a question dismissed without an answer (Escape, the close box, Alt+F4:
// a Yes/No box answers those with IDCANCEL where the system allows them), end the
// run before anything is done: only a real Yes starts a real-time pass.
TEST(PromptMode1, NoOrDismissingEndsTheRunBeforeAnythingIsDone) {
    for (const char* how : {"No", "Escape", "WM_CLOSE", "SC_CLOSE"}) {
        SCOPED_TRACE(how);
        TestRun run("prompt-no");
        Child child = run.Start("p=1 v=12 /log r=\"" + GuiHelperExe() + "\"");
        HWND question = WaitForBox(child.pid(), "TAVRISK");
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(BoxText(question), kQuestion + "9");
        EXPECT_EQ(ButtonIds(question), (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(run.Boxes(), std::vector<std::string>{kQuestionBox});
        const std::string answer = how;
        if (answer == "No") PressButton(question, IDNO);
        if (answer == "Escape") PressKey(question, VK_ESCAPE);
        if (answer == "WM_CLOSE") PostMessageA(question, WM_CLOSE, 0, 0);
        if (answer == "SC_CLOSE") PostMessageA(question, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(child.Wait(), kAnsweredNo);
        EXPECT_FALSE(FileExists(run.Log()));
        EXPECT_TRUE(RecordsAfterQuietPeriod(run.record).empty()) << "a sound or a program after " << how;
    }
}

TEST(PromptMode1, YesCleansLogsThenReportsWithTheSoundStarted) {
    TestRun run("prompt-yes");
    // 41,944,576 bytes freed (40,961.5 KB), 6,547,990,016 in use of 8 GB after the pass.
    ScriptMemory(40, 2'000'000'000, 2'041'944'576);
    Child child = run.Start("p=1 v=0 /log");
    HWND question = WaitForBox(child.pid(), "TAVRISK");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(BoxText(question), kQuestion + "0");
    PressButton(question, IDYES);
    ASSERT_TRUE(WaitGone(question));

    HWND report = WaitForBox(child.pid(), "TAVRISK");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(ButtonIds(report), kOkOnly);
    EXPECT_EQ(run.Boxes(), (std::vector<std::string>{kQuestionBox, kReportBox}));
    const ReportFigures figures = ReadReport(BoxText(report));
    EXPECT_EQ(figures.freed, 40961);
    EXPECT_EQ(figures.inUse, 6394521u);
    EXPECT_EQ(figures.total, 8388608u);
    EXPECT_LT(figures.milliseconds, 1800) << "clean mode 0 pauses for nothing";

    // Already there while the report is open: the log record and the started sound.
    EXPECT_NE(ReadBytes(run.Log()).find("   V = 0     40961 Kbytes   6394521/8388608 Kbytes\n"), std::string::npos)
        << ReadBytes(run.Log());
    const auto records = run.Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(IsSound(records[0], "0x17")) << records[0];

    PressButton(report, IDOK);
    EXPECT_EQ(child.Wait(), 0u);
}

// Also a loss, reported and logged with its sign: 1,536 bytes, -1 KB rounded toward zero.
TEST(PromptMode1, ReportsTheTimeFromTheAnswerOnAndALoss) {
    TestRun run("prompt-time");
    ScriptMemory(40, 2'000'001'536, 2'000'000'000);
    Child child = run.Start("p=1 v=9 /log");
    HWND question = WaitForBox(child.pid(), "TAVRISK");
    ASSERT_NE(question, nullptr);
    HoldLikeASlowUser();
    const DWORD answered = GetTickCount();
    PressButton(question, IDYES);
    ASSERT_TRUE(WaitGone(question));
    HWND report = WaitForBox(child.pid(), "TAVRISK", 20000);
    ASSERT_NE(report, nullptr);
    // The report's time lies within what this test saw from its answer to the report, however
    // slow a busy machine made the pass (one clock for every process).
    const long seen = static_cast<long>(GetTickCount() - answered);
    const ReportFigures figures = ReadReport(BoxText(report));
    EXPECT_GE(figures.milliseconds, 1800);  // 200 ms for each of the nine clean modes
    EXPECT_LE(figures.milliseconds, seen + 20) << "the time taken to answer was counted";
    EXPECT_EQ(figures.freed, -1);
    EXPECT_EQ(figures.inUse, 6435483u);
    EXPECT_NE(ReadBytes(run.Log()).find("   V = 9        -1 Kbytes   6435483/8388608 Kbytes\n"), std::string::npos)
        << ReadBytes(run.Log());
    PressButton(report, IDOK);
    EXPECT_EQ(child.Wait(), 0u);
}

TEST(PromptMode1, TheProgramStartsOnlyAfterTheReportIsClosed) {
    TestRun run("prompt-then-run");
    Child child = run.Start("p=1 v=0 r=\"" + GuiHelperExe() + "\"");
    HWND question = WaitForBox(child.pid(), "TAVRISK");
    ASSERT_NE(question, nullptr);
    PressButton(question, IDYES);
    ASSERT_TRUE(WaitGone(question));
    HWND report = WaitForBox(child.pid(), "TAVRISK");
    ASSERT_NE(report, nullptr);
    // The sound is recorded before the report shows; the program must not follow while it is open.
    ASSERT_EQ(WaitForRecords(run.record, 1).size(), 1u);
    auto records = RecordsAfterQuietPeriod(run.record);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(IsSound(records[0], "0x17"));
    PressButton(report, IDOK);
    EXPECT_EQ(child.Wait(), 1u);
    records = WaitForRecords(run.record, 2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NE(records[1].find(GuiHelperExe()), std::string::npos) << records[1];
}

TEST(PromptModes, TwoToFourAndOthersAsTabled) {
    {
        TestRun run("prompt-2");
        Child child = run.Start("p=2 /log");
        EXPECT_TRUE(NoBoxFor(child.pid(), 500));
        EXPECT_EQ(child.Wait(), 0u);
        EXPECT_TRUE(FileExists(run.Log()));
        const auto records = run.Records();
        ASSERT_EQ(records.size(), 1u) << "the log must not be opened in mode 2";
        EXPECT_TRUE(IsSound(records[0], "0x16"));
    }
    {
        TestRun run("prompt-3-nolog");
        Child child = run.Start("p=3 v=0");
        EXPECT_EQ(child.Wait(), 0u);
        EXPECT_TRUE(RecordsAfterQuietPeriod(run.record).empty()) << "no sound and nothing opened without /log";
    }
    for (const char* mode : {"p=5", "p=-1"}) {
        SCOPED_TRACE(mode);
        TestRun run("prompt-other");
        Child child = run.Start(std::string(mode) + " v=0 /log r=\"" + GuiHelperExe() + "\"");
        EXPECT_TRUE(NoBoxFor(child.pid(), 300));
        EXPECT_EQ(child.Wait(), 1u);
        EXPECT_NE(ReadBytes(run.Log()).find("   V = 0  "), std::string::npos);
        EXPECT_NE(WaitForRecord(run.record), "");
        const auto records = run.Records();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_NE(records[0].find(GuiHelperExe()), std::string::npos);
    }
}

TEST(PromptModes, ThreeAndFourOpenTheLogInItsViewer) {
    const RegisteredFileType viewer(".log", "TavriskTestLogFile", GuiHelperExe());
    ASSERT_TRUE(viewer.ok());
    {
        // The shell call itself is recorded, as it is made: the viewer records itself only later.
        TestRun run("prompt-3");
        SetEnvironmentVariableA(kShellRecordVariable, run.record.c_str());
        Child child = run.Start("p=3 /log v=0");
        EXPECT_EQ(child.Wait(), 0u);
        const auto records = WaitForRecords(run.record, 3);
        ASSERT_EQ(records.size(), 3u);
        EXPECT_TRUE(IsSound(records[0], "0x16")) << "the sound ends before the log opens";
        EXPECT_EQ(records[1], "shell file=" + run.Log());
        EXPECT_NE(records[2].find(run.Log()), std::string::npos) << records[2];
    }
    {
        // In a folder whose name the ANSI code page cannot spell: the viewer gets the log's real path.
        ASSERT_EQ(GetACP(), 1252u);
        TestRun run("prompt-4-tools-\U0001F9F9");
        Child child = run.Start("p=4 /log v=0");
        EXPECT_EQ(child.Wait(), 0u);
        EXPECT_NE(WaitForRecord(run.record), "");
        const auto records = run.Records();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_NE(records[0].find(run.Log()), std::string::npos) << records[0];
    }
    {
        TestRun run("prompt-4-nolog");
        Child child = run.Start("p=4 v=0");
        EXPECT_EQ(child.Wait(), 0u);
        EXPECT_TRUE(RecordsAfterQuietPeriod(run.record).empty());
    }
    // Mode 3 plays its sound whenever logging is on, even when the log's path
    // cannot be built: a folder of 247 characters leaves just room for
    // "\\Tavrisk.log", one of 248 does not. (Wine's shell answers "not found" for
    // names of 257 characters or more, so the opening of the longest log that
    // fits cannot be seen here.) The exe's short name keeps its own path within
    // MAX_PATH.
    for (const std::size_t length : {247u, 248u}) {
        SCOPED_TRACE(length);
        TestRun base("prompt-3-long");
        const std::string folder = MakeFolderOfLength(base.sandbox.dir, length);
        ASSERT_EQ(folder.size(), length);
        const std::string exe = folder + "\\t.exe";
        ASSERT_TRUE(CopyFileA(SoundSeamExe().c_str(), exe.c_str(), FALSE));
        Child child(exe, "tavrisk p=3 /log v=0", folder);
        EXPECT_EQ(child.Wait(), 0u);
        EXPECT_EQ(FileExists(folder + "\\Tavrisk.log"), length == 247);
        const auto records = WaitForRecords(base.record, 1);
        ASSERT_FALSE(records.empty());
        EXPECT_TRUE(IsSound(records[0], "0x16")) << records[0];
    }
    {
        // A log that could not be placed is not opened either.
        TestRun base("prompt-4-long");
        const std::string folder = MakeFolderOfLength(base.sandbox.dir, 248);
        ASSERT_EQ(folder.size(), 248u);
        const std::string exe = folder + "\\t.exe";
        ASSERT_TRUE(CopyFileA(SoundSeamExe().c_str(), exe.c_str(), FALSE));
        Child child(exe, "tavrisk p=4 /log v=0", folder);
        EXPECT_TRUE(NoBoxFor(child.pid(), 300));
        EXPECT_EQ(child.Wait(), 0u);
        EXPECT_TRUE(RecordsAfterQuietPeriod(base.record).empty());
    }
}

TEST(PromptModes, FourWithoutAViewerShowsTheLaunchersAlert) {
    TestRun run("prompt-4-noassoc");
    Child child = run.Start("p=4 /log v=0");
    HWND alert = WaitForBox(child.pid(), "Execute Process");
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(BoxText(alert),
              "Unable to execute :\n\"" + run.Log() + "\"\nFile association not found, incomplete or invalid...   ");
    EXPECT_EQ(ButtonIds(alert), kOkOnly);
    EXPECT_EQ(run.Boxes(), std::vector<std::string>{kLaunchFailureBox});
    PressButton(alert, IDOK);
    EXPECT_EQ(child.Wait(), 0u);
}

// t=: a memory load below the threshold skips the cleanup whole (no question,
// pass, log, sound or report), but the program of r= is still started. The
// system reports a load of 50 % here.
TEST(MemoryLoadThreshold, BelowItNothingIsCleanedButTheProgramStarts) {
    {
        TestRun run("threshold-quiet");
        ScriptMemory(50, 2'000'000'000, 2'000'000'000);
        Child child = run.Start("t=51 p=1 /log v=0");
        EXPECT_TRUE(NoBoxFor(child.pid(), 500));
        EXPECT_EQ(child.Wait(), 0u);
        EXPECT_FALSE(FileExists(run.Log()));
    }
    {
        TestRun run("threshold-program");
        ScriptMemory(50, 2'000'000'000, 2'000'000'000);
        Child child = run.Start("t=51 p=2 /log r=\"" + GuiHelperExe() + "\"");
        EXPECT_EQ(child.Wait(), 1u);
        const auto records = WaitForRecords(run.record, 1);
        ASSERT_EQ(records.size(), 1u) << "the program, and no sound before it";
        EXPECT_NE(records[0].find(GuiHelperExe()), std::string::npos) << records[0];
        EXPECT_FALSE(FileExists(run.Log()));
    }
    {
        TestRun run("threshold-clean");
        ScriptMemory(50, 2'000'000'000, 2'000'000'000);
        Child child = run.Start("t=50 p=2 /log v=0");
        EXPECT_EQ(child.Wait(), 0u);
        EXPECT_NE(ReadBytes(run.Log()).find("   V = 0  "), std::string::npos) << "no cleanup was logged";
        const auto records = run.Records();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_TRUE(IsSound(records[0], "0x16")) << records[0];
    }
    {
        // The shipped program reads the real load. 100 is the highest threshold a load can
        // reach, so the run must read it to skip, and a read it took for a failure would clean;
        // no load here reaches it, and every load reaches 1.
        TestRun run("threshold-real", TavriskExe());
        MEMORYSTATUSEX status = {};
        status.dwLength = sizeof status;
        ASSERT_TRUE(GlobalMemoryStatusEx(&status));
        ASSERT_GE(status.dwMemoryLoad, 1u);
        ASSERT_LT(status.dwMemoryLoad, 100u);
        EXPECT_EQ(run.Start("t=100 /log v=0").Wait(), 0u);
        EXPECT_FALSE(FileExists(run.Log())) << "cleaned at t=100";
        EXPECT_EQ(run.Start("t=1 /log v=0").Wait(), 0u);
        EXPECT_TRUE(FileExists(run.Log())) << "skipped at t=1";
    }
}

}  // namespace
