// Splits a path at its last backslash into a folder and a capitalised file name.
#pragma once

#include <windows.h>

namespace tavrisk {

// `folder` (optional, MAX_PATH bytes) receives what precedes the last
// backslash; `fileName` (optional, MAX_PATH bytes) what follows it, in lower
// case but for its first character, in upper case (ANSI code page). A path
// without a backslash is all file name, with an empty folder.
void SplitModulePath(const char* path, char* folder, char* fileName);

}  // namespace tavrisk
