// The cleanup log: placed beside the executable, opened without sharing, appended to in one write.
#include "log/cleanup_log.h"

#include "log/log_text.h"
#include "log/log_wait.h"
#include "log/log_write.h"
#include "log/module_path.h"
#include "log/open_retry.h"
#include "runtime/system_calls.h"
#include "runtime/unique_handle.h"
#include "runtime/wide_text.h"

namespace tavrisk {
namespace {

// DELETE access lets a failed first write remove the file through the handle
// that created it. A folder may allow writing but not deleting: the log is then
// opened without it, never skipped for it. Another run may hold the file for the
// moment of its own write: it is waited for rather than this record lost, for as
// long as the log keeps growing but never for long while it does not (log/open_retry.h).
HANDLE OpenLog(const wchar_t* logPath, DWORD& lastError, bool& canDelete) {
    HANDLE file = INVALID_HANDLE_VALUE;
    const auto open = [&](bool withDelete) {
        const DWORD access = withDelete ? GENERIC_WRITE | DELETE : GENERIC_WRITE;
        file = CreateFileW(logPath, access, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
        lastError = GetLastError();
        if (file != INVALID_HANDLE_VALUE) return OpenFailure::None;
        if (lastError == ERROR_SHARING_VIOLATION) return OpenFailure::SharingViolation;
        if (lastError == ERROR_ACCESS_DENIED) return OpenFailure::AccessDenied;
        return OpenFailure::Other;
    };
    // By path, since the open failed; the low 32 bits tell whether it grew.
    const auto size = [logPath]() -> std::uint32_t {
        WIN32_FILE_ATTRIBUTE_DATA found;
        return GetFileAttributesExW(logPath, GetFileExInfoStandard, &found) ? found.nFileSizeLow : 0;
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
// it goes back to its old end. A file this call created is then deleted through
// the same handle, so that no other run can open it in between. Where that is not
// possible (XP, or no DELETE access) it stays, empty: closing it and deleting it
// by name would let another run open it in that gap, complete it and lose its
// record with it. An empty log is a new log to the next run, which completes it.
void RollBack(UniqueFile& file, LARGE_INTEGER end, bool created, bool canDelete) {
    SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN);
    SetEndOfFile(file.get());
    if (created && canDelete) DeleteOnClose(file.get());
}

LogTime LocalLogTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wDay, now.wMonth, now.wYear, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

bool BuildLogPath(HMODULE module, char (&path)[kPathUtf8Bytes]) {
    path[0] = '\0';
    char modulePath[kPathUtf8Bytes];
    if (!ReadModulePath(module, modulePath)) return false;

    SplitModulePath(modulePath, path);
    // Room for the folder, a backslash, the name and the terminating zero, counted
    // as the system counts a path: in UTF-16 units, the zero included.
    constexpr char kBackslashAndName[] = "\\Tavrisk.log";
    if (ToUtf16(path, nullptr, 0) + sizeof(kBackslashAndName) - 1 > MAX_PATH) {
        path[0] = '\0';
        return false;
    }
    lstrcatA(path, kBackslashAndName);
    return true;
}

bool AppendCleanupLog(const char* logPath, std::int32_t cleanMode, std::int64_t freedBytes, std::uint64_t availPhys,
                      std::uint64_t totalPhys) {
    // An empty log is a new log, whoever made it: a run killed between creating the
    // file and writing it leaves one, and so does a user who empties it. The run
    // that finds it empty writes the header with its record, in one write, exactly
    // as the run that creates it. Header and record are composed before the open,
    // but for the record's time, so the file is held no longer than that write.
    LogBlock block;
    const std::string_view header = ComposeLogHeader(block);

    wchar_t widePath[MAX_PATH];
    if (ToUtf16(logPath, widePath, MAX_PATH) == 0) return false;  // longer than the system allows
    DWORD openError = 0;
    bool canDelete = false;
    UniqueFile file(OpenLog(widePath, openError, canDelete));
    if (!file) return false;
    const bool created = openError != ERROR_ALREADY_EXISTS;

    // The record's time is the moment of writing, after any wait for the file.
    LogPiece piece;
    const KilobyteFigures kb = ToKilobytes(freedBytes, availPhys, totalPhys);
    const std::string_view record = ComposeLogRecord(LocalLogTime(), cleanMode, kb, piece);

    // The true end, 64-bit: where the text goes, whether the header goes with it, and
    // where a failed write cuts the file back to. Without it nothing is written, not
    // a header over the start of a log that has records.
    LARGE_INTEGER end = {};
    LARGE_INTEGER none = {};
    if (!SetFilePointerEx(file.get(), none, &end, FILE_END)) return false;

    const bool fresh = end.QuadPart == 0;
    const bool written = WriteLogPiece(file.get(), fresh ? AppendLogRecord(header, record, block) : record);
    // Never leave half a header or half a record behind.
    if (!written) RollBack(file, end, created, canDelete);
    return written;
}

}  // namespace tavrisk
