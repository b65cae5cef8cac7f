// The cleanup log: placed beside the executable, opened without sharing, appended to in one write.
#include "log/cleanup_log.h"

#include "log/log_text.h"
#include "log/log_wait.h"
#include "log/log_write.h"
#include "log/module_path.h"
#include "log/open_retry.h"
#include "runtime/ansi_case.h"
#include "runtime/system_calls.h"
#include "runtime/unique_handle.h"

namespace tavrisk {
namespace {

constexpr char kLogFileName[] = "Tavrisk.log";

// DELETE access lets a failed first write remove the file through the handle
// that created it. A folder may allow writing but not deleting: the log is then
// opened without it, never skipped for it. Another run may hold the file for the
// moment of its own write: it is waited for rather than this record lost, for as
// long as the log keeps growing but never for long while it does not (log/open_retry.h).
HANDLE OpenLog(const char* logPath, DWORD& lastError, bool& canDelete) {
    HANDLE file = INVALID_HANDLE_VALUE;
    const auto open = [&](bool withDelete) {
        const DWORD access = withDelete ? GENERIC_WRITE | DELETE : GENERIC_WRITE;
        file = CreateFileA(logPath, access, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
        lastError = GetLastError();
        if (file != INVALID_HANDLE_VALUE) return OpenFailure::None;
        if (lastError == ERROR_SHARING_VIOLATION) return OpenFailure::SharingViolation;
        if (lastError == ERROR_ACCESS_DENIED) return OpenFailure::AccessDenied;
        return OpenFailure::Other;
    };
    // By path, since the open failed; the low 32 bits tell whether it grew. A path
    // of fewer than MAX_PATH bytes always fits MAX_PATH units.
    const auto size = [logPath]() -> std::uint32_t {
        wchar_t widePath[MAX_PATH];
        MultiByteToWideChar(CP_UTF8, 0, logPath, -1, widePath, MAX_PATH);
        WIN32_FILE_ATTRIBUTE_DATA found;
        return GetFileAttributesExW(widePath, GetFileExInfoStandard, &found) ? found.nFileSizeLow : 0;
    };
    const auto now = [] { return static_cast<std::uint32_t>(GetTickCount()); };
    OpenWithRetry(open, now, LogWaitPause, size, canDelete);
    return file;
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

// Lines 1 to 6, the first from the log path's file name in upper case.
std::string_view ComposeHeader(const char* logPath, LogBlock& block) {
    char name[MAX_PATH];
    SplitModulePath(logPath, nullptr, name);
    UpperCaseAnsi(name, lstrlenA(name), MAX_PATH);
    return ComposeLogHeader(name, block);
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
    // A file that exists, even an empty one, never gets a header; so a run that
    // dies between creating the log and writing it leaves a log without one for
    // good. Everything that can be done before the open is done before it, and
    // header and record go out in one write: between CreateFile and WriteFile there
    // is only reading the clock and composing one line, no library load and no
    // wait. That shrinks the gap (0.2 ms at the median under Wine, at most 4.7 to
    // 8.7 ms in a series; 5 of 1,146 first runs killed at random moments left an
    // empty log); it cannot close it, since OPEN_ALWAYS creates the file before any
    // byte can be written to it. Creating the log under another name and moving it
    // into place once written would.
    LogBlock block;
    const std::string_view header = ComposeHeader(logPath, block);

    DWORD openError = 0;
    bool canDelete = false;
    UniqueFile file(OpenLog(logPath, openError, canDelete));
    if (!file) return false;
    const bool created = openError != ERROR_ALREADY_EXISTS;

    // The record's time is the moment of writing, after any wait for the file.
    LogPiece piece;
    const KilobyteFigures kb = ToKilobytes(freedBytes, availPhys, totalPhys);
    const std::string_view record = ComposeLogRecord(LocalLogTime(), cleanMode, kb, piece);

    // The true end, 64-bit: where a failed write cuts the file back to.
    LARGE_INTEGER end = {};
    LARGE_INTEGER none = {};
    SetFilePointerEx(file.get(), none, &end, created ? FILE_BEGIN : FILE_END);

    const bool written = WriteLogPiece(file.get(), created ? AppendLogRecord(header, record, block) : record);
    // Never leave half a header or half a record behind.
    if (!written) RollBack(file, logPath, end, created, canDelete);
    return written;
}

}  // namespace tavrisk
