// The about-and-usage box and its dialog procedure.
#pragma once

#include <windows.h>

// The box's dialog procedure. The executable exports it as _HelpDlgProc@16
// (see res/tavrisk.def), so it keeps C linkage and the stdcall decoration.
extern "C" INT_PTR CALLBACK HelpDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

namespace tavrisk {

// Runs the box from dialog template IDD_ABOUT of `instance`, which also holds
// its icon and opening sound. 1 for OK or Enter, 2 for Escape or the close
// box, -1 when it cannot be created.
int ShowAboutBox(HINSTANCE instance);

}  // namespace tavrisk
