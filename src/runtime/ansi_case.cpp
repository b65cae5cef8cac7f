// LCMapStringA with the invariant locale and the system's ANSI code page: the same mapping as
// CharUpperA/CharLowerA for every byte, with no library loaded for it.
#include "runtime/ansi_case.h"

#include <windows.h>

namespace tavrisk {
namespace {

// The invariant locale maps case alike in every user locale (no Turkish dotted
// capital I), and LOCALE_USE_CP_ACP reads the bytes in the system's ANSI code
// page rather than the locale's own. Linguistic casing is never asked for.
void MapCase(DWORD mapping, char* text, int length, int bufferSize) {
    if (length <= 0) return;
    LCMapStringA(LOCALE_INVARIANT, mapping | LOCALE_USE_CP_ACP, text, length, text, bufferSize);
}

}  // namespace

void UpperCaseAnsi(char* text, int length, int bufferSize) { MapCase(LCMAP_UPPERCASE, text, length, bufferSize); }

void LowerCaseAnsi(char* text, int length, int bufferSize) { MapCase(LCMAP_LOWERCASE, text, length, bufferSize); }

}  // namespace tavrisk
