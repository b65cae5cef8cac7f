// The cleanup log: placed beside the executable, opened without sharing, appended to.
#include "log/cleanup_log.h"

#include "log/log_text.h"
#include "log/log_write.h"
#include "log/module_path.h"
#include "runtime/system_calls.h"
#include "runtime/unique_handle.h"

namespace tavrisk {
namespace {

constexpr char kLogFileName[] = "Tavrisk.log";

// Another run may hold the file for the moment of its own write: wait for it
// rather than lose this record, but never for long.
constexpr DWORD kSharingRetryMs = 2000;
constexpr DWORD kSharingPauseMs = 25;

// DELETE access lets a failed first write remove the file through the handle
// that created it. A folder may allow writing but not deleting: the log is then
// opened without it, never skipped for it.
HANDLE OpenLog(const char* logPath, DWORD& lastError, bool& canDelete) {
    DWORD access = GENERIC_WRITE | DELETE;
    DWORD waited = 0;
    for (;;) {
        HANDLE file = CreateFileA(logPath, access, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
        lastError = GetLastError();
        if (file == INVALID_HANDLE_VALUE && lastError == ERROR_ACCESS_DENIED && access != GENERIC_WRITE) {
            access = GENERIC_WRITE;
            continue;
        }
        if (file != INVALID_HANDLE_VALUE || lastError != ERROR_SHARING_VIOLATION || waited >= kSharingRetryMs) {
            canDelete = access != GENERIC_WRITE;
            return file;
        }
        Sleep(kSharingPauseMs);
        waited += kSharingPauseMs;
    }
}

// Marks the file for deletion when its last handle closes (Vista and later).
bool DeleteOnClose(HANDLE file) {
    constexpr int kFileDispositionInfo = 4;  // FILE_INFO_BY_HANDLE_CLASS
    struct {
        BOOLEAN deleteFile;
    } disposition = {TRUE};
    return kernel32::SetFileInformationByHandle(file, kFileDispositionInfo, &disposition, sizeof disposition);
}

// Takes back what this call wrote, while the file is still held without sharing:
// it goes back to its old end, which is 0 for a file this call created. Such a
// file is then deleted through the same handle, so that no other run can open
// it in between; where that is not possible (XP, or no DELETE access) it is
// closed and deleted by name.
void RollBack(UniqueFile& file, const char* logPath, LARGE_INTEGER end, bool created, bool canDelete) {
    SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN);
    SetEndOfFile(file.get());
    if (!created) return;
    const bool deleted = canDelete && DeleteOnClose(file.get());
    file.reset();
    if (!deleted) DeleteFileA(logPath);
}

bool WriteHeader(HANDLE file, const char* logPath) {
    char name[MAX_PATH];
    SplitModulePath(logPath, nullptr, name);
    user32::CharUpperA(name);
    LogPiece piece;
    return WriteLogPiece(file, ComposeLogTitle(name, piece)) && WriteLogPiece(file, kLogColumns) &&
           WriteLogPiece(file, ComposeLogRule(piece));
}

LogTime LocalLogTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wDay, now.wMonth, now.wYear, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

bool BuildLogPath(HMODULE module, char (&path)[MAX_PATH]) {
    path[0] = '\0';
    char modulePath[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;  // none, or cut short

    char folder[MAX_PATH];
    SplitModulePath(modulePath, folder, nullptr);
    // Room for the folder, a backslash, the name and the terminating zero.
    if (lstrlenA(folder) + 1 + lstrlenA(kLogFileName) + 1 > MAX_PATH) return false;
    lstrcpyA(path, folder);
    lstrcatA(path, "\\");
    lstrcatA(path, kLogFileName);
    return true;
}

bool AppendCleanupLog(const char* logPath, std::int32_t cleanMode, std::int64_t freedBytes, std::uint64_t availPhys,
                      std::uint64_t totalPhys) {
    DWORD openError = 0;
    bool canDelete = false;
    UniqueFile file(OpenLog(logPath, openError, canDelete));
    if (!file) return false;
    const bool created = openError != ERROR_ALREADY_EXISTS;

    // The true end, 64-bit: where a failed write cuts the file back to.
    LARGE_INTEGER end = {};
    LARGE_INTEGER none = {};
    SetFilePointerEx(file.get(), none, &end, created ? FILE_BEGIN : FILE_END);

    bool written = !created || WriteHeader(file.get(), logPath);
    if (written) {
        LogPiece piece;
        const KilobyteFigures kb = ToKilobytes(freedBytes, availPhys, totalPhys);
        written = WriteLogPiece(file.get(), ComposeLogRecord(LocalLogTime(), cleanMode, kb, piece));
    }
    // Never leave half a header or half a record behind.
    if (!written) RollBack(file, logPath, end, created, canDelete);
    return written;
}

}  // namespace tavrisk
