// What tavrisk.exe really loads and hands to the multimedia system, as Wine's debug channels and planted libraries
// report it. Run by run_wine_test.sh with a trace file: the channel output of every program started here lands in one
// file.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "child.h"
#include "uia.h"

namespace {

using namespace testing_support;

// Gives the programs started while it lives the debug channels asked for, and
// reads back what those programs reported.
class WineTrace {
public:
    explicit WineTrace(const char* channels) {
        char path[MAX_PATH] = "";
        GetEnvironmentVariableA("TAVRISK_WINE_TRACE", path, MAX_PATH);
        path_ = path;
        offset_ = ReadBytes(path_).size();
        char saved[256] = "";
        GetEnvironmentVariableA("WINEDEBUG", saved, sizeof saved);
        savedChannels_ = saved;
        SetEnvironmentVariableA("WINEDEBUG", channels);
    }
    ~WineTrace() { SetEnvironmentVariableA("WINEDEBUG", savedChannels_.c_str()); }
    bool ready() const { return !path_.empty(); }

    // The lines written since this trace began by thread `threadId`.
    std::vector<std::string> Lines(DWORD threadId) const {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "%04lx:", static_cast<unsigned long>(threadId));
        const std::string text = ReadBytes(path_).substr(offset_);
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            if (text.compare(start, std::strlen(prefix), prefix) == 0) lines.push_back(text.substr(start, end - start));
        return lines;
    }

private:
    std::string path_;
    std::size_t offset_ = 0;
    std::string savedChannels_;
};

// True when a line holds `part`, compared without regard to case.
bool AnyLineHas(const std::vector<std::string>& lines, std::string part) {
    for (char& c : part) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string line : lines) {
        for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (line.find(part) != std::string::npos) return true;
    }
    return false;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The names under which the stand-in library is planted beside the exe.
const char* const kPlantedNames[] = {"winmm.dll", "uxtheme.dll", "imm32.dll"};

// One run and the boxes it shows, answered in order.
struct Step {
    const char* caption;
    WORD button;
};
struct PlantedRun {
    std::string arguments;
    std::vector<Step> boxes;
    DWORD exitCode;
};

// Waits for the end of `child`, answering the launcher's alert should one show: a
// test running meanwhile may have given .log files a viewer, or not.
DWORD WaitAnsweringLaunchAlerts(Child& child) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ScaledMs(20000);) {
        if (WaitForSingleObject(child.process(), 50) == WAIT_OBJECT_0) break;
        if (HWND alert = WaitForBox(child.pid(), "Execute Process", 0)) PressButton(alert, IDOK);
    }
    return child.Wait(0);
}

// Libraries left beside the exe, as in a Downloads folder, under names that
// Windows looks for in the program's own folder first: winmm, which we load
// ourselves, and uxtheme and imm32, which the system's window and input code
// loads by bare name for every box. Wine does the same for these in this run,
// which gives them native-first order. None may ever be loaded, by any kind of
// run, also where the search cannot be restricted and only the preloads protect
// the process (the no-search-path build); every run still shows its boxes and
// ends with its exit code.
TEST(PlantedLibraries, AreNeverLoadedWhateverTheRunShowsPlaysOrStarts) {
    for (const std::string& exe : {TavriskExe(), HelperExe("tavrisk_no_search_path.exe")}) {
        SCOPED_TRACE(exe);
        Sandbox sandbox("planted", "tavrisk.exe", exe);
        for (const char* name : kPlantedNames)
            ASSERT_TRUE(CopyFileA(HelperExe("winmm.dll").c_str(), sandbox.Path(name).c_str(), FALSE));
        const std::vector<PlantedRun> runs = {
            {"", {{"TAVRISK - RAM Cleaner", IDOK}}, 1},
            {"v=0 p=1", {{"TAVRISK", IDYES}, {"TAVRISK", IDOK}}, 0},
            {"v=0 p=2", {}, 0},
            // Creates the log, plays the sound and has the shell open the log.
            {"v=0 p=3 /log", {}, 0},
            {"v=0 r=\"" + GuiHelperExe() + "\"", {}, 1},
        };
        for (const PlantedRun& run : runs) {
            SCOPED_TRACE(run.arguments);
            // Not started in the sandbox: a program that r= starts inherits the current
            // folder, and must not meet the planted libraries there either.
            Child child(sandbox.exe, "tavrisk " + run.arguments);
            for (const Step& step : run.boxes) {
                HWND box = WaitForBox(child.pid(), step.caption);
                ASSERT_NE(box, nullptr) << step.caption;
                PressButton(box, step.button);
                ASSERT_TRUE(WaitGone(box));
            }
            EXPECT_EQ(WaitAnsweringLaunchAlerts(child), run.exitCode);
            for (const char* name : kPlantedNames)
                EXPECT_FALSE(FileExists(sandbox.Path(name) + ".loaded"))
                    << "the " << name << " beside the exe was loaded";
        }
        EXPECT_EQ(ReadBytes(sandbox.Path("Tavrisk.log")).rfind("TAVRISK.LOG\n", 0), 0u);
    }
}

// Both sounds reach the real multimedia system with their flags, through the
// winmm.dll of the system folder.
TEST(PlantedLibraries, TheRealSoundsAreHandedOver) {
    Sandbox sandbox("planted-sound");
    ASSERT_TRUE(CopyFileA(HelperExe("winmm.dll").c_str(), sandbox.Path("winmm.dll").c_str(), FALSE));
    WineTrace trace("trace+winmm");
    ASSERT_TRUE(trace.ready()) << "run me through run_wine_test.sh with a trace file";
    {
        Child child(sandbox.exe, "tavrisk p=2 v=0", sandbox.dir);
        EXPECT_EQ(child.Wait(), 0u);
        const auto lines = trace.Lines(child.threadId());
        EXPECT_TRUE(AnyLineHas(lines, "MULTIMEDIA_PlaySound") && AnyLineHas(lines, "fdwSound=00000016"))
            << Joined(lines);
    }
    {
        Child child(sandbox.exe, "tavrisk", sandbox.dir);
        HWND about = WaitForBox(child.pid(), "TAVRISK - RAM Cleaner");
        ASSERT_NE(about, nullptr);
        PressButton(about, IDOK);
        EXPECT_EQ(child.Wait(), 1u);
        const auto lines = trace.Lines(child.threadId());
        EXPECT_TRUE(AnyLineHas(lines, "MULTIMEDIA_PlaySound") && AnyLineHas(lines, "fdwSound=00000017"))
            << Joined(lines);
    }
    EXPECT_FALSE(FileExists(sandbox.Path("winmm.dll") + ".loaded"));
}

// A run that shows no box, plays no sound and starts nothing has no use for the
// window and graphics libraries, and must not pay for loading them: with or
// without /log, in the prompt modes that do nothing here, and in the run that
// creates the log, whose header is upper-cased without them.
TEST(QuietRuns, LoadNeitherUser32NorGdi32) {
    WineTrace trace("+loaddll");
    ASSERT_TRUE(trace.ready()) << "run me through run_wine_test.sh with a trace file";
    auto expectQuiet = [&](Child& child) {
        EXPECT_EQ(child.Wait(), 0u);
        const auto lines = trace.Lines(child.threadId());
        ASSERT_TRUE(AnyLineHas(lines, "kernel32.dll")) << "no loads seen:\n" << Joined(lines);
        for (const char* library : {"user32.dll", "gdi32.dll", "imm32.dll"})
            EXPECT_FALSE(AnyLineHas(lines, library)) << Joined(lines);
    };
    {
        Sandbox sandbox("quiet-new-log");
        Child child(sandbox.exe, "tavrisk v=0 /log", sandbox.dir);
        expectQuiet(child);
        const std::string log = ReadBytes(sandbox.Path("Tavrisk.log"));
        EXPECT_EQ(log.rfind("TAVRISK.LOG\n\nGenerated by TAVRISK.EXE for Windows  -  ", 0), 0u) << log;
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 7) << "six header lines and one record";
    }
    Sandbox sandbox("quiet");
    WriteBytes(sandbox.Path("Tavrisk.log"), "");
    for (const char* arguments : {"v=0", "v=0 /log", "v=0 p=3", "v=0 p=4", "v=0 p=0 /log", "v=0 p=9 /log"}) {
        SCOPED_TRACE(arguments);
        Child child(sandbox.exe, std::string("tavrisk ") + arguments, sandbox.dir);
        expectQuiet(child);
    }
    const std::string log = ReadBytes(sandbox.Path("Tavrisk.log"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 6 + 3)
        << "the empty log's header, then one record for each run with /log";
}

}  // namespace
