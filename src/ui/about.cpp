// The about-and-usage box: sound, centring and texts on opening; OK and Cancel close it.
#include "ui/about.h"

#include "resource.h"
#include "runtime/system_calls.h"
#include "version.h"
#include "ui/center_window.h"
#include "ui/sound.h"

namespace {

constexpr char kAboutFormat[] =
    "Tavrisk for Windows version %d.%d.%02d\r\n"
    "Copyright (c) %d The Tavrisk Authors.\r\n"
    "Free software under the MIT licence.\r\n";

constexpr char kUsageText[] =
    "Usage:\r\n"
    "  TAVRISK [options]\r\n"
    "\r\n"
    "Options:\r\n"
    "    Generate a Log-File:\r\n"
    "        /log\r\n"
    "    Clean method:\r\n"
    "        v=[ 0 | 1 | 2 | 3 | 4 | 5 | 6 | 7 | 8 | 9 ]   -   (quiet to strong)\r\n"
    "    Prompt:\r\n"
    "        p=[ 0 | 1 | 2 ]   -   (default p=0)\r\n"
    "    Execute a program after cleanup:\r\n"
    "        r=\"program name\"   -   (quote delimited path)\r\n"
    "\r\n"
    "Example:\r\n"
    "    TAVRISK p=1 v=5 r=\"C:\\QVT\\Dravenholt.exe\"\r\n";

// The texts are set before the box is first shown, so it never appears at its
// template position. TRUE lets the dialog manager focus the OK button.
INT_PTR OnInitDialog(HWND dialog, HINSTANCE instance) {
    tavrisk::PlaySoundResource(instance, IDW_OPEN_SOUND, SND_ASYNC);
    tavrisk::CenterWindow(dialog, nullptr);

    char about[512] = {};
    tavrisk::user32::wsprintfA(about, kAboutFormat, TAVRISK_VERSION_MAJOR, TAVRISK_VERSION_MINOR, TAVRISK_VERSION_BUILD,
                               TAVRISK_NOTICE_YEAR);
    tavrisk::user32::SetDlgItemTextA(dialog, IDC_ABOUT_TITLE, about);
    tavrisk::user32::SetDlgItemTextA(dialog, IDC_ABOUT_USAGE, kUsageText);
    return TRUE;
}

// Enter and Escape arrive here as IDOK and IDCANCEL, the close box as IDCANCEL.
// The notification code in the high word does not matter.
INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
    const UINT id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) tavrisk::user32::EndDialog(dialog, static_cast<INT_PTR>(id));
    return TRUE;
}

}  // namespace

extern "C" INT_PTR CALLBACK HelpDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, reinterpret_cast<HINSTANCE>(lParam));
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    default:
        return FALSE;
    }
}

namespace tavrisk {

int ShowAboutBox(HINSTANCE instance) {
    // Null stands for the executable, and FindResource takes it so; but the
    // dialog manager hands the handle on to the controls, and a static control
    // with a null handle looks its icon up among the system's icons only.
    if (!instance) instance = GetModuleHandleA(nullptr);
    return static_cast<int>(user32::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, HelpDlgProc,
                                                    reinterpret_cast<LPARAM>(instance)));
}

}  // namespace tavrisk
