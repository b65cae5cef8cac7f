// UTF-8 inside, UTF-16 at every system call that takes a path or shows a name: kernel32's own
// conversions, the same on every Windows from XP on.
#pragma once

#include <windows.h>

namespace tavrisk {

// A path's limit counts UTF-16 units (MAX_PATH, its terminating zero included); its
// UTF-8 form takes up to three bytes for each unit but the zero.
inline constexpr int kPathUtf8Bytes = 3 * (MAX_PATH - 1) + 1;

// Convert the zero-terminated `text`, its terminating zero included, into `out`.
// Each returns the units written, zero included, so at least 1; with a null `out`
// and a size of 0, the units needed. 0 when the text does not fit: then nothing
// usable is in `out`. An unpaired surrogate or a malformed UTF-8 sequence becomes
// U+FFFD (Vista and later) and is never a failure.
int ToUtf8(const wchar_t* text, char* out, int outBytes);
int ToUtf16(const char* text, wchar_t* out, int outUnits);

// The full path of `module`'s file (null: the executable) in UTF-8, read with
// GetModuleFileNameW. False, with nothing usable in `path`, when there is none or
// it was cut at MAX_PATH units.
bool ReadModulePath(HMODULE module, char (&path)[kPathUtf8Bytes]);

}  // namespace tavrisk
