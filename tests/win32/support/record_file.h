// The seams' record files, opened for appending by the UTF-16 path that an environment variable names.
#pragma once

#include <windows.h>

#include <cstdio>

namespace testing_support {

// Null when the variable is unset or the file cannot be opened.
inline FILE* OpenRecordFile(const char* variable) {
    wchar_t name[64];
    wchar_t path[MAX_PATH];
    MultiByteToWideChar(CP_UTF8, 0, variable, -1, name, 64);
    const DWORD length = GetEnvironmentVariableW(name, path, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? nullptr : _wfopen(path, L"ab");
}

}  // namespace testing_support
