// tavrisk.exe's r= launch under Wine: opened by the shell, started by the CreateProcess fallback, or refused in a box.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "child.h"
#include "file_type.h"
#include "records.h"
#include "uia.h"

// The handles of a process started by the fallback are owned by one holder from
// CreateProcessA's return on. No test counts handles: Wine 8's
// GetProcessHandleCount always answers 0, so a count would prove nothing there.

namespace {

using namespace testing_support;

class Launcher : public ::testing::Test {
protected:
    void SetUp() override {
        record_ = sandbox_.Path("record.txt");
        SetEnvironmentVariableA(kRecordFileVariable, record_.c_str());
    }
    void TearDown() override { SetEnvironmentVariableA(kRecordFileVariable, nullptr); }

    // A cleanup of the smallest size, then `r=` with `value`, quoted so that blanks stay inside.
    Child Run(const std::string& value) { return Child(sandbox_.exe, "tavrisk v=0 r=\"" + value + "\""); }

    // The one program that tavrisk.exe (process `pid`) started, after it has ended.
    HANDLE OpenStarted(DWORD pid) {
        const std::vector<DWORD> started = ProcessesStartedBy(pid);
        if (started.size() != 1) {
            ADD_FAILURE() << started.size() << " processes started";
            return nullptr;
        }
        startedPid_ = started.front();
        return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, startedPid_);
    }

    Sandbox sandbox_{"launcher"};
    std::string record_;
    DWORD startedPid_ = 0;
};

// The first word of a command line as a program name, its quotes dropped.
std::string ProgramOf(const std::string& commandLine) {
    if (!commandLine.empty() && commandLine[0] == '"') return commandLine.substr(1, commandLine.find('"', 1) - 1);
    return commandLine.substr(0, commandLine.find(' '));
}

std::string ArgumentsOf(const std::string& commandLine) {
    std::size_t end = commandLine[0] == '"' ? commandLine.find('"', 1) + 1 : commandLine.find(' ');
    end = commandLine.find_first_not_of(' ', end);
    return end == std::string::npos ? "" : commandLine.substr(end);
}

TEST_F(Launcher, TheShellStartsAProgramAndTavriskDoesNotWaitForIt) {
    const std::string spaced = sandbox_.Path("My Tools");
    ASSERT_TRUE(CreateDirectoryA(spaced.c_str(), nullptr));
    const std::string spacedHelper = spaced + "\\gui helper copy.exe";
    ASSERT_TRUE(CopyFileA(GuiHelperExe().c_str(), spacedHelper.c_str(), FALSE));

    for (const std::string& program : {GuiHelperExe(), spacedHelper}) {
        SCOPED_TRACE(program);
        DeleteFileA(record_.c_str());
        Child child = Run(program);
        EXPECT_EQ(child.Wait(), 1u);
        HANDLE started = OpenStarted(child.pid());
        ASSERT_NE(started, nullptr);
        EXPECT_EQ(WaitForSingleObject(started, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the program had ended";
        const std::string record = WaitForRecord(record_);
        EXPECT_EQ(lstrcmpiA(ProgramOf(record).c_str(), program.c_str()), 0) << record;
        EXPECT_EQ(ArgumentsOf(record), "") << record;
        CloseHandle(started);
    }
}

TEST_F(Launcher, TheFallbackStartsACommandLineWholeAndWaitsUntilTheProgramIsIdle) {
    const std::string longArgument = "--" + std::string(600, 'x') + "-end";
    // A program in a folder, and arguments, that the ANSI code page cannot spell
    // arrive exactly; so does the longest line: 32,766 UTF-16 units for tavrisk.exe.
    ASSERT_EQ(GetACP(), 1252u);
    const std::string folder = sandbox_.Path("\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b");
    ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr));
    const std::string helper = folder + "\\\u65e5\u672c.exe";
    ASSERT_TRUE(CopyBytes(GuiHelperExe(), helper));
    const std::string scripts =
        helper + " \u65e5\u672c\u8a9e \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \U0001F9F9";
    std::string longest = GuiHelperExe() + " ";
    const std::size_t room = 32766 - Wide("tavrisk v=0 r=\"\"").size();
    while (Wide(longest).size() + 1 <= room) longest += "\u65e5";
    for (const std::string& target :
         {GuiHelperExe() + " arg1 arg2", GuiHelperExe() + " " + longArgument, scripts, longest}) {
        SCOPED_TRACE(target.substr(0, 120));
        DeleteFileA(record_.c_str());
        Child child = Run(target);
        const DWORD code = child.Wait();
        // Nothing waited for by the test: tavrisk.exe itself waited until the program sat idle.
        const std::vector<std::string> records = ReadRecords(record_);
        HANDLE started = OpenStarted(child.pid());
        ASSERT_NE(started, nullptr);
        EXPECT_TRUE(HasWindowOfClass(startedPid_, kGuiHelperWindowClass))
            << "tavrisk.exe ended before the program was idle";
        EXPECT_EQ(WaitForSingleObject(started, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the program had ended";
        EXPECT_NE(code, 0u);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0], target);
        CloseHandle(started);
    }
}

TEST_F(Launcher, ATargetThatNamesNothingEndsWithZeroAndNoBox) {
    // About 1,000 characters naming a file inside folders that exist: too long
    // for the shell, which some shells fault on, so it goes to CreateProcess alone.
    const std::string deep = MakeFolderOfLength(sandbox_.dir, 980);
    ASSERT_EQ(deep.size(), 980u);
    const std::string longTarget = deep + "\\notes.txt";
    WriteBytes(longTarget, "text\n");
    for (const std::string& target : {sandbox_.Path("missing.exe"), sandbox_.Path("missing.exe") + " arg",
                                      std::string("tavrisk-no-such-program"), longTarget}) {
        SCOPED_TRACE(target.substr(0, 120));
        Child child = Run(target);
        // A box would hold the process until answered.
        EXPECT_EQ(child.Wait(10000), 0u);
        EXPECT_TRUE(ProcessesStartedBy(child.pid()).empty());
    }
}

TEST_F(Launcher, ADocumentWithoutAssociationIsRefusedInABoxAndNotStarted) {
    // Taken as a command line, the unquoted name would start rec.exe: the box
    // must be the end of it. The name is one that the shell takes: under 260
    // UTF-16 units, though over 259 bytes of UTF-8; the box shows it as typed.
    ASSERT_EQ(GetACP(), 1252u);
    std::string folder = sandbox_.dir;
    while (Wide(folder).size() < 180) {
        folder += "\\\u0414\u043e\u043a\u0443\u043c\u0435\u043d\u0442\u044b";
        ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr));
    }
    ASSERT_TRUE(CopyBytes(GuiHelperExe(), folder + "\\rec.exe"));
    const std::string document = folder + "\\rec \u0434\u043e\u043a.tavnone";
    ASSERT_LT(Wide(document).size(), 260u);
    ASSERT_GT(document.size(), 259u);
    WriteBytes(document, "text\n");

    Child child = Run(document);
    HWND box = WaitForBox(child.pid(), "Execute Process");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box),
              "Unable to execute :\n\"" + document + "\"\nFile association not found, incomplete or invalid...   ");
    EXPECT_EQ(ButtonIds(box), std::vector<int>{IDOK});
    PressButton(box, IDOK);
    EXPECT_EQ(child.Wait(), 0u);
    EXPECT_TRUE(ProcessesStartedBy(child.pid()).empty());
    EXPECT_FALSE(FileExists(record_));
}

TEST_F(Launcher, ADocumentOfAnAssociatedTypeIsOpenedByTheShell) {
    const RegisteredFileType type(".tavrec", "TavriskTest.Record", GuiHelperExe());
    ASSERT_TRUE(type.ok());
    const std::string document = sandbox_.Path("weekly report.tavrec");
    WriteBytes(document, "text\n");

    Child child = Run(document);
    EXPECT_EQ(child.Wait(), 1u);
    HANDLE started = OpenStarted(child.pid());
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(WaitForSingleObject(started, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the viewer had ended";
    CloseHandle(started);
    const std::string record = WaitForRecord(record_);
    EXPECT_EQ(lstrcmpiA(ProgramOf(record).c_str(), GuiHelperExe().c_str()), 0) << record;
    EXPECT_EQ(ArgumentsOf(record), "\"" + document + "\"");
}

TEST_F(Launcher, AConsoleProgramStartedByTheFallbackDoesNotHoldTavrisk) {
    const std::string target = ConsoleHelperExe() + " console";
    Child child = Run(target);
    EXPECT_NE(child.Wait(5000), 0u);
    EXPECT_EQ(WaitForRecord(record_), target);
}

}  // namespace
