// The helpers' record: their whole command line in UTF-8 and a line feed, appended to the file named in
// kRecordFileVariable. Read with the W calls, so an argument outside the ANSI code page arrives as it was given.
#pragma once

#include <windows.h>

#include "shared_names.h"

inline void AppendCommandLineRecord() {
    wchar_t path[MAX_PATH];
    wchar_t variable[64];
    MultiByteToWideChar(CP_UTF8, 0, testing_support::kRecordFileVariable, -1, variable, 64);
    const DWORD length = GetEnvironmentVariableW(variable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const wchar_t* line = GetCommandLineW();
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);  // zero included
    // One write for line and terminator, so that a reader never sees half a record.
    HANDLE heap = GetProcessHeap();
    if (char* record = static_cast<char*>(HeapAlloc(heap, 0, bytes))) {
        WideCharToMultiByte(CP_UTF8, 0, line, -1, record, bytes, nullptr, nullptr);
        record[bytes - 1] = '\n';
        DWORD written = 0;
        WriteFile(file, record, bytes, &written, nullptr);
        HeapFree(heap, 0, record);
    }
    CloseHandle(file);
}
