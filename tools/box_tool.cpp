// Command-line helper for scripts: finds a dialog box of any process, prints where it is, presses its buttons.
//   box_tool wait CAPTION [TIMEOUT_MS] [BUTTON_ID]   prints "X Y W H" of the box (its outer rectangle)
//   box_tool press CAPTION BUTTON_ID                 answers the box as if that button were clicked
//   box_tool gone CAPTION [TIMEOUT_MS] [BUTTON_ID]   waits until no such box is shown
// BUTTON_ID, when given, only matches boxes that have that button (a Yes/No question
// has no OK button, the report after it has one). Exit code 0 on success, 1 on timeout
// or when no box matches, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

struct Search {
    const char* caption;
    int buttonId;  // 0: any box
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (!IsWindowVisible(window)) return TRUE;
    char cls[64] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0) return TRUE;
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    if (lstrcmpA(text, search->caption) != 0) return TRUE;
    if (search->buttonId != 0 && !GetDlgItem(window, search->buttonId)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindBox(const char* caption, int buttonId) {
    Search search{caption, buttonId, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: box_tool wait CAPTION [TIMEOUT_MS] [BUTTON_ID]\n"
                 "       box_tool press CAPTION BUTTON_ID\n"
                 "       box_tool gone CAPTION [TIMEOUT_MS] [BUTTON_ID]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const char* command = argv[1];
    const char* caption = argv[2];

    if (lstrcmpA(command, "press") == 0) {
        if (argc != 4) return Usage();
        const int id = std::atoi(argv[3]);
        HWND box = FindBox(caption, id);
        if (!box) {
            std::fprintf(stderr, "box_tool: no box \"%s\" with button %d\n", caption, id);
            return 1;
        }
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
        return 0;
    }

    const bool waitShown = lstrcmpA(command, "wait") == 0;
    if (!waitShown && lstrcmpA(command, "gone") != 0) return Usage();
    if (argc > 5) return Usage();
    const DWORD timeoutMs = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : 10000;
    const int buttonId = argc > 4 ? std::atoi(argv[4]) : 0;

    const DWORD start = GetTickCount();
    for (;;) {
        HWND box = FindBox(caption, buttonId);
        if (waitShown && box) {
            RECT rect{};
            GetWindowRect(box, &rect);
            std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
            std::fflush(stdout);
            return 0;
        }
        if (!waitShown && !box) return 0;
        if (GetTickCount() - start >= timeoutMs) break;
        Sleep(20);
    }
    std::fprintf(stderr, "box_tool: timed out %s box \"%s\"\n", waitShown ? "waiting for" : "waiting for the end of",
                 caption);
    return 1;
}
