// The helpers' record: their whole command line and a line feed, appended to the file named in kRecordFileVariable.
#pragma once

#include <windows.h>

#include "shared_names.h"

inline void AppendCommandLineRecord() {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA(testing_support::kRecordFileVariable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const char* line = GetCommandLineA();
    const int bytes = lstrlenA(line);
    // One write for line and terminator, so that a reader never sees half a record.
    HANDLE heap = GetProcessHeap();
    if (char* record = static_cast<char*>(HeapAlloc(heap, 0, bytes + 1))) {
        CopyMemory(record, line, bytes);
        record[bytes] = '\n';
        DWORD written = 0;
        WriteFile(file, record, bytes + 1, &written, nullptr);
        HeapFree(heap, 0, record);
    }
    CloseHandle(file);
}
