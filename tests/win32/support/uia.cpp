// Finds top-level boxes and windows by owning process, class and caption; answers boxes with WM_COMMAND.
#include "uia.h"

#include <algorithm>

#include "child.h"

namespace testing_support {
namespace {

struct Search {
    DWORD pid;
    const char* windowClass;
    const std::string* caption;  // null: any caption
    bool visibleOnly;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->pid || (search->visibleOnly && !IsWindowVisible(window))) return TRUE;
    char cls[128] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, search->windowClass) != 0) return TRUE;
    if (search->caption && WindowText(window) != *search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTopLevel(DWORD pid, const char* windowClass, const std::string* caption, bool visibleOnly) {
    Search search{pid, windowClass, caption, visibleOnly};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindBox(DWORD pid, const std::string* caption) { return FindTopLevel(pid, "#32770", caption, true); }

}  // namespace

HWND WaitForBox(DWORD pid, const std::string& caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    timeoutMs = ScaledMs(timeoutMs);
    do {
        if (HWND box = FindBox(pid, &caption)) return box;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND WaitForAnyBox(DWORD pid, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    timeoutMs = ScaledMs(timeoutMs);
    do {
        if (HWND box = FindBox(pid, nullptr)) return box;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool NoBoxFor(DWORD pid, DWORD ms) {
    const DWORD start = GetTickCount();
    ms = ScaledMs(ms);
    do {
        if (FindBox(pid, nullptr)) return false;
        Sleep(20);
    } while (GetTickCount() - start < ms);
    return true;
}

bool HasWindowOfClass(DWORD pid, const char* windowClass) {
    return FindTopLevel(pid, windowClass, nullptr, false) != nullptr;
}

// Read in UTF-16 and handed back in UTF-8: a name outside the ANSI code page reads as shown.
std::string WindowText(HWND window) {
    wchar_t text[4096] = L"";
    GetWindowTextW(window, text, 4096);
    return Utf8(text);
}

std::string BoxText(HWND box, int controlId) {
    wchar_t text[8192] = L"";
    GetDlgItemTextW(box, controlId, text, 8192);
    return Utf8(text);
}

std::vector<int> ButtonIds(HWND box) {
    std::vector<int> ids;
    // A message box leaves out the buttons its type does not ask for.
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = "";
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) ids.push_back(GetDlgCtrlID(child));
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

void PressButton(HWND box, int id) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

void PostCommand(HWND box, WORD id, WORD code) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, code), 0); }

HWND FocusedWindow(HWND box) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

HWND WaitForFocus(HWND box, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    timeoutMs = ScaledMs(timeoutMs);
    HWND focus = FocusedWindow(box);
    while (!focus && GetTickCount() - start < timeoutMs) {
        Sleep(20);
        focus = FocusedWindow(box);
    }
    return focus;
}

// Posted, not sent: the dialog's modal loop must see the keys so that
// IsDialogMessage turns Enter and Escape into IDOK and IDCANCEL.
void PressKey(HWND box, WORD virtualKey) {
    HWND target = WaitForFocus(box);
    if (!target) target = box;
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

bool WaitGone(HWND box, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    timeoutMs = ScaledMs(timeoutMs);
    while (IsWindow(box)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

void LetBoxSettle() { Sleep(ScaledMs(kBoxSettleMs)); }

void HoldLikeASlowUser() { Sleep(kSlowAnswerMs); }

}  // namespace testing_support
