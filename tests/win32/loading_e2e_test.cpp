// What tavrisk.exe really loads and hands to the multimedia system, as Wine's debug channels report it.
// Run by with_wine_trace.sh: the channel output of every program started here lands in one file.
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

// A winmm.dll left beside the exe, as in a Downloads folder. Windows looks for a
// library that is not a known DLL in the program's own folder first; Wine does
// so for winmm in this run, which gives it native-first order. Neither the completion sound
// nor the about box's opening sound may load it, and both sounds must still
// reach the real multimedia system with their flags.
TEST(PlantedLibrary, IsNeverLoadedAndTheRealSoundsAreHandedOver) {
    Sandbox sandbox("planted");
    const std::string planted = sandbox.Path("winmm.dll");
    ASSERT_TRUE(CopyFileA(HelperExe("winmm.dll").c_str(), planted.c_str(), FALSE));
    WineTrace trace("trace+winmm");
    ASSERT_TRUE(trace.ready()) << "run me through with_wine_trace.sh";

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
    EXPECT_FALSE(FileExists(planted + ".loaded")) << "the winmm.dll beside the exe was loaded";
}

// A run that shows no box, plays no sound and starts nothing has no use for the
// window and graphics libraries, and must not pay for loading them: with or
// without /log (onto a log that exists, so no header needs upper-casing), and in
// the prompt modes that do nothing here.
TEST(QuietRuns, LoadNeitherUser32NorGdi32) {
    Sandbox sandbox("quiet");
    WriteBytes(sandbox.Path("Tavrisk.log"), "");
    WineTrace trace("+loaddll");
    ASSERT_TRUE(trace.ready()) << "run me through with_wine_trace.sh";
    for (const char* arguments : {"v=0", "v=0 /log", "v=0 p=3", "v=0 p=4", "v=0 p=0 /log", "v=0 p=9 /log"}) {
        SCOPED_TRACE(arguments);
        Child child(sandbox.exe, std::string("tavrisk ") + arguments, sandbox.dir);
        EXPECT_EQ(child.Wait(), 0u);
        const auto lines = trace.Lines(child.threadId());
        ASSERT_TRUE(AnyLineHas(lines, "kernel32.dll")) << "no loads seen:\n" << Joined(lines);
        EXPECT_FALSE(AnyLineHas(lines, "user32.dll")) << Joined(lines);
        EXPECT_FALSE(AnyLineHas(lines, "gdi32.dll")) << Joined(lines);
    }
    const std::string log = ReadBytes(sandbox.Path("Tavrisk.log"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3) << "one record for each run with /log";
}

}  // namespace
