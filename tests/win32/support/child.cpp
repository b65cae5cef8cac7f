// Child processes, sandboxes and files for the tests that run programs under Wine.
#include "child.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>

namespace testing_support {
namespace {

// A path for the wide file functions. Past MAX_PATH only the \\?\ form reaches
// the file system.
std::wstring FileSystemPath(const std::string& path) {
    const std::wstring wide = Wide(path);
    return wide.size() < MAX_PATH - 12 ? wide : L"\\\\?\\" + wide;
}

}  // namespace

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                             wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                     utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

DWORD ScaledMs(DWORD ms) {
    char factor[16] = "";
    GetEnvironmentVariableA("TAVRISK_WAIT_SCALE", factor, sizeof factor);
    const DWORD scale = std::strtoul(factor, nullptr, 10);
    return ms * (scale > 1 ? scale : 1);
}

std::string WinPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

Child::Child(const std::string& exe, const std::string& commandLine, const std::string& directory)
    : Child(exe, Wide(commandLine), directory) {}

Child::Child(const std::string& exe, std::wstring line, const std::string& directory) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    const std::wstring folder = Wide(directory);
    if (!CreateProcessW(Wide(exe).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : folder.c_str(), &startup, &info_)) {
        ADD_FAILURE() << "CreateProcessW failed for " << exe << ": " << GetLastError();
        info_ = {};
    }
}

Child::~Child() {
    if (Running()) {
        TerminateProcess(info_.hProcess, 0xDEAD);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
}

bool Child::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD Child::Wait(DWORD timeoutMs) {
    if (!info_.hProcess) return 0xDEADBEEF;
    timeoutMs = ScaledMs(timeoutMs);
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "process " << info_.dwProcessId << " still running after " << timeoutMs << " ms";
        return 0xDEADBEEF;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::vector<DWORD> ProcessesStartedBy(DWORD parentPid) {
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return found;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ParentProcessID == parentPid) found.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

std::string TavriskExe() { return WinPath(TAVRISK_EXE_PATH); }

std::string SoundSeamExe() { return WinPath(TAVRISK_SOUND_SEAM_EXE_PATH); }

std::string HelperExe(const char* name) { return WinPath(std::string(TAVRISK_TEST_BIN_DIR) + "/" + name); }

std::string GuiHelperExe() { return HelperExe("gui_helper.exe"); }

std::string ConsoleHelperExe() { return HelperExe("console_helper.exe"); }

Sandbox::Sandbox(const std::string& name, const std::string& exeName, const std::string& source) {
    dir = WinPath(std::string(TAVRISK_TEST_TMP_DIR) + "/" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(GetTickCount()));
    // The folder may hold files of an earlier run with the same name.
    CreateDirectoryW(Wide(WinPath(TAVRISK_TEST_TMP_DIR)).c_str(), nullptr);
    CreateDirectoryW(FileSystemPath(dir).c_str(), nullptr);
    exe = Path(exeName);
    if (!CopyBytes(source, exe)) ADD_FAILURE() << "cannot copy " << source << " to " << exe;
}

std::string MakeFolderOfLength(const std::string& base, std::size_t length, const std::string& fill) {
    std::string folder = base;
    std::size_t units = Wide(folder).size();
    while (units + 1 < length) {
        const std::size_t left = length - units - 1;  // after the backslash
        std::size_t name = std::min<std::size_t>(60, left);
        if (left - name == 1) --name;  // never strand one character, which no folder can fill
        std::string next = folder + "\\";
        for (std::size_t i = 0; i < name; ++i) next += fill;
        if (!CreateDirectoryW(FileSystemPath(next).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) break;
        folder = next;
        units += 1 + name;
    }
    return folder;
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileW(FileSystemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(FileSystemPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CopyBytes(const std::string& from, const std::string& to) {
    return CopyFileW(FileSystemPath(from).c_str(), FileSystemPath(to).c_str(), FALSE) != FALSE;
}

void SetVariable(const char* name, const std::string& value) {
    SetEnvironmentVariableW(Wide(name).c_str(), Wide(value).c_str());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(FileSystemPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace testing_support
