// CenterWindow: window rectangles and the screen size in, one SetWindowPos out.
#include "ui/center_window.h"

#include "runtime/system_calls.h"
#include "ui/centering.h"

namespace tavrisk {
namespace {

// A window's device context, released on every path.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(user32::GetDC(window)) {}
    ~WindowDc() {
        if (dc_) user32::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace

HWND CenterWindow(HWND window, HWND parent) {
    if (!parent) parent = user32::GetDesktopWindow();

    RECT box = {};
    RECT over = {};
    user32::GetWindowRect(window, &box);
    user32::GetWindowRect(parent, &over);

    int screenWidth = 0;
    int screenHeight = 0;
    {
        // The whole display, task bars included: not the work area.
        const WindowDc dc(window);
        screenWidth = gdi32::GetDeviceCaps(dc.get(), HORZRES);
        screenHeight = gdi32::GetDeviceCaps(dc.get(), VERTRES);
    }

    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const int x = CenteredOrigin(over.left, over.right - over.left, width, screenWidth);
    const int y = CenteredOrigin(over.top, over.bottom - over.top, height, screenHeight);
    return user32::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER) == 1 ? window : nullptr;
}

}  // namespace tavrisk
