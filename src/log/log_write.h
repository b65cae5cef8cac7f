// Writes one piece of log text; tests link a failing stand-in in its place.
#pragma once

#include <windows.h>

#include <string_view>

namespace tavrisk {

// True only when every byte of `text` was written.
bool WriteLogPiece(HANDLE file, std::string_view text);

}  // namespace tavrisk
