// Records of the test helpers, and processes found by their parent.
#include "recorder.h"

#include <tlhelp32.h>

#include "child.h"

namespace testing_support {

std::string RecorderExe() { return HelperExe("recorder.exe"); }

std::string ConsoleHelperExe() { return HelperExe("console_helper.exe"); }

std::vector<std::string> ReadRecords(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    std::vector<std::string> records;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        records.push_back(bytes.substr(start, end - start));
    return records;
}

std::vector<std::string> WaitForRecords(const std::string& path, std::size_t count, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    std::vector<std::string> records = ReadRecords(path);
    while (records.size() < count && GetTickCount() - start < timeoutMs) {
        Sleep(20);
        records = ReadRecords(path);
    }
    return records;
}

std::string WaitForRecord(const std::string& path, DWORD timeoutMs) {
    const std::vector<std::string> records = WaitForRecords(path, 1, timeoutMs);
    return records.empty() ? std::string() : records.front();
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

namespace {

struct WindowSearch {
    DWORD pid;
    const char* windowClass;
    bool found = false;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char cls[128] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (owner == search->pid && lstrcmpA(cls, search->windowClass) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool HasWindowOfClass(DWORD pid, const char* windowClass) {
    WindowSearch search{pid, windowClass};
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace testing_support
