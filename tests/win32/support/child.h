// Starting a program with an exact command line, reading its real exit code, and finding what it started.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// The tests hold text in UTF-8 std::strings and hand it to the system's W calls in
// UTF-16, as the program does: a name outside the ANSI code page survives both ways.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// `ms` stretched by the factor in TAVRISK_WAIT_SCALE (1 without it): where each Wine
// process starts slowly, under emulation, every wait and time limit of the tests grows
// alike. The support's waits apply it themselves; a test applies it to its own.
DWORD ScaledMs(DWORD ms);

// The Windows form of a Linux path (Wine maps drive Z: to /).
std::string WinPath(const std::string& unixPath);

// A process started with CreateProcessW from UTF-8 texts; its handles are closed on destruction,
// and a process still running then is terminated.
class Child {
public:
    Child(const std::string& exe, const std::string& commandLine, const std::string& directory = "");
    // A command line exactly as given in UTF-16, unpaired surrogates included.
    Child(const std::string& exe, std::wstring commandLine, const std::string& directory = "");
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD pid() const { return info_.dwProcessId; }
    DWORD threadId() const { return info_.dwThreadId; }  // its first thread
    HANDLE process() const { return info_.hProcess; }
    // The exit code, or fails the calling test and returns 0xDEADBEEF after `timeoutMs`.
    DWORD Wait(DWORD timeoutMs = 20000);
    bool Running() const;

private:
    PROCESS_INFORMATION info_ = {};
};

// Ids of the processes whose parent is `parentPid`, running or not, as long as the system still lists them.
std::vector<DWORD> ProcessesStartedBy(DWORD parentPid);

std::string TavriskExe();    // Windows path of the built tavrisk.exe
std::string SoundSeamExe();  // the same program, its PlayWaveImage swapped for the sound seam

// A fresh folder for one test, holding a copy of tavrisk.exe (the log goes beside it).
struct Sandbox {
    explicit Sandbox(const std::string& name, const std::string& exeName = "tavrisk.exe",
                     const std::string& source = TavriskExe());
    std::string dir;  // Windows path of the folder
    std::string exe;  // Windows path of the copy
    std::string Path(const std::string& file) const { return dir + "\\" + file; }
};

// Creates folders below `base`, their names repeating the one character `fill`, until
// the path is exactly `length` UTF-16 units long (or as far as the system lets it go),
// past MAX_PATH too; returns the deepest one. Linux allows 255 bytes per name: each
// name has at most 60 characters.
std::string MakeFolderOfLength(const std::string& base, std::size_t length, const std::string& fill = "d");

std::string HelperExe(const char* name);         // a test helper program built beside the tests
std::string GuiHelperExe();                      // GUI: records, shows a window, exits by itself after ~2 s
std::string ConsoleHelperExe();                  // console: records, sleeps 8 s
std::string ReadBytes(const std::string& path);  // whole file as bytes ("" if missing)
bool FileExists(const std::string& path);
bool CopyBytes(const std::string& from, const std::string& to);      // CopyFileW, replacing `to`
void SetVariable(const char* name, const std::string& value);        // this process's environment, in UTF-16
void WriteBytes(const std::string& path, const std::string& bytes);  // any length of path

}  // namespace testing_support
