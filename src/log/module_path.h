// Splits a path at its last backslash and keeps the folder.
#pragma once

namespace tavrisk {

// `folder` receives what precedes the last backslash of the zero-terminated
// `path`, and is at least as large as `path` with its zero. The scan is byte by
// byte, which suits UTF-8: a backslash byte is never part of another character.
// A path without a backslash gives an empty folder.
void SplitModulePath(const char* path, char* folder);

}  // namespace tavrisk
