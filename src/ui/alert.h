// The formatted message box through which the program speaks to the user.
#pragma once

#include <windows.h>

namespace tavrisk {

// Formats `format` (wsprintf dialect) into at most 1,023 characters and shows
// it in a modal box. An empty or null caption falls back to the owner's class
// name, then to "Alert Box...". Returns the button that closed the box, or 0
// when no box could be shown.
int ShowAlert(HWND owner, UINT type, const char* caption, const char* format, ...);

}  // namespace tavrisk
