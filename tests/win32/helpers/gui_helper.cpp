// Test helper, GUI: records its command line (see record.h), shows a window, idles in its message loop ~2 s, exits 0.
#include <windows.h>

#include "record.h"
#include "shared_names.h"

namespace {

constexpr UINT kLifetimeMs = 2000;

LRESULT CALLBACK GuiHelperWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // Recorded before the window exists: once the starter's wait for input idle
    // returns, both the record and the window are there.
    AppendCommandLineRecord();

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = GuiHelperWndProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = testing_support::kGuiHelperWindowClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "GUI helper", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 200, 100, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, showCommand);
    SetTimer(window, 1, kLifetimeMs, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
