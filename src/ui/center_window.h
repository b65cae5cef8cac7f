// Centring a window over its parent or the desktop.
#pragma once

#include <windows.h>

namespace tavrisk {

// Moves `window` to the centre of `parent` (null: the desktop), kept within the
// screen. Returns `window` when SetWindowPos succeeded, null otherwise.
HWND CenterWindow(HWND window, HWND parent);

}  // namespace tavrisk
