// The cleanup log: placed beside the executable, opened without sharing, appended to.
#include "log/cleanup_log.h"

#include "log/log_text.h"
#include "log/log_write.h"
#include "log/module_path.h"
#include "runtime/unique_handle.h"

namespace tavrisk {
namespace {

constexpr char kLogFileName[] = "Tavrisk.log";

// Another run may hold the file for the moment of its own write: wait for it
// rather than lose this record, but never for long.
constexpr DWORD kSharingRetryMs = 2000;
constexpr DWORD kSharingPauseMs = 25;

HANDLE OpenLog(const char* logPath, DWORD& lastError) {
    DWORD waited = 0;
    for (;;) {
        HANDLE file = CreateFileA(logPath, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
        lastError = GetLastError();
        if (file != INVALID_HANDLE_VALUE || lastError != ERROR_SHARING_VIOLATION || waited >= kSharingRetryMs)
            return file;
        Sleep(kSharingPauseMs);
        waited += kSharingPauseMs;
    }
}

bool WriteHeader(HANDLE file, const char* logPath) {
    char name[MAX_PATH];
    SplitModulePath(logPath, nullptr, name);
    CharUpperA(name);
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

int AppendCleanupLog(const char* logPath, std::int32_t cleanMode, std::int64_t freedBytes,
                     std::uint64_t availPhys, std::uint64_t totalPhys) {
    DWORD openError = 0;
    UniqueFile file(OpenLog(logPath, openError));
    if (!file) return 0;
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
    if (written) return 1;

    // Never leave half a header or half a record behind.
    if (created) {
        file.reset();
        DeleteFileA(logPath);
    } else {
        SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN);
        SetEndOfFile(file.get());
    }
    return 0;
}

}  // namespace tavrisk
