// Command-line helper for scripts: finds a dialog box of any process, tells where it is or what it says,
// presses its buttons.
//   box_tool wait CAPTION [TIMEOUT_MS] [BUTTON_ID]   prints "X Y W H" of the box (its outer rectangle)
//   box_tool press CAPTION BUTTON_ID                 answers the box as if that button were clicked
//   box_tool gone CAPTION [TIMEOUT_MS] [BUTTON_ID]   waits until no such box is shown
//   box_tool watch                                   describes each box as it is shown, until ended:
//       box CAPTION / text LINE... / button ID LETTER default|- LABEL... / end
//     LETTER is the button's mnemonic (the letter after '&', else the first one), lower case.
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

// The visible boxes of all processes (the first 64).
struct Shown {
    HWND boxes[64];
    int count;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
    auto* shown = reinterpret_cast<Shown*>(param);
    char cls[64] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (IsWindowVisible(window) && lstrcmpA(cls, "#32770") == 0 && shown->count < 64) {
        shown->boxes[shown->count++] = window;
    }
    return TRUE;
}

bool Contains(const Shown& shown, HWND box) {
    for (int i = 0; i < shown.count; ++i) {
        if (shown.boxes[i] == box) return true;
    }
    return false;
}

// Prints one line per line of a text; a message box's text may hold several.
void PrintTextLines(const char* text) {
    const char* line = text;
    for (const char* c = text;; ++c) {
        if (*c == '\r' || *c == '\n' || *c == '\0') {
            if (c > line) std::printf("text %.*s\n", static_cast<int>(c - line), line);
            if (*c == '\0') return;
            line = c + 1;
        }
    }
}

// What Describe needs while it visits a box's controls: texts go first, then buttons.
struct Description {
    HWND box;
    HWND defaultButton;
    bool buttons;
};

BOOL CALLBACK DescribeControl(HWND control, LPARAM param) {
    const auto* description = reinterpret_cast<const Description*>(param);
    if (!IsWindowVisible(control)) return TRUE;
    char cls[64] = "";
    GetClassNameA(control, cls, sizeof cls);
    static char text[32768];
    text[0] = '\0';
    GetWindowTextA(control, text, sizeof text);
    if (!description->buttons && lstrcmpiA(cls, "Static") == 0) {
        const LONG kind = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
        if (kind != SS_ICON && kind != SS_BITMAP && kind != SS_ENHMETAFILE) PrintTextLines(text);
    } else if (description->buttons && lstrcmpiA(cls, "Button") == 0) {
        char label[256];
        int length = 0;
        char letter = 0;
        for (const char* c = text; *c && length < 255; ++c) {
            if (*c == '&' && c[1] && c[1] != '&') {
                letter = c[1];
                continue;
            }
            label[length++] = *c;
        }
        label[length] = '\0';
        if (!letter) letter = label[0];
        if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
        std::printf("button %d %c %s %s\n", GetDlgCtrlID(control), letter,
                    control == description->defaultButton ? "default" : "-", label);
    }
    return TRUE;
}

// The button that Enter presses: the focused one, else the dialog's default push button.
HWND DefaultButton(HWND box) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info) && info.hwndFocus &&
        GetParent(info.hwndFocus) == box) {
        char cls[64] = "";
        GetClassNameA(info.hwndFocus, cls, sizeof cls);
        if (lstrcmpiA(cls, "Button") == 0) return info.hwndFocus;
    }
    const LRESULT id = SendMessageA(box, DM_GETDEFID, 0, 0);
    return HIWORD(id) == DC_HASDEFID ? GetDlgItem(box, LOWORD(id)) : nullptr;
}

void Describe(HWND box) {
    // A box may be shown a moment before its dialog manager gives the focus to a button.
    for (int i = 0; i < 50 && !DefaultButton(box); ++i) Sleep(20);
    char caption[512] = "";
    GetWindowTextA(box, caption, sizeof caption);
    std::printf("box %s\n", caption);
    Description description{box, DefaultButton(box), false};
    EnumChildWindows(box, DescribeControl, reinterpret_cast<LPARAM>(&description));
    description.buttons = true;
    EnumChildWindows(box, DescribeControl, reinterpret_cast<LPARAM>(&description));
    std::printf("end\n");
    std::fflush(stdout);
}

// Describes each box once, when it appears; a box that closes and opens again is new.
[[noreturn]] void Watch() {
    Shown before{};
    for (;;) {
        Shown now{};
        EnumWindows(Collect, reinterpret_cast<LPARAM>(&now));
        for (int i = 0; i < now.count; ++i) {
            if (!Contains(before, now.boxes[i])) Describe(now.boxes[i]);
        }
        before = now;
        Sleep(100);
    }
}

int Usage() {
    std::fprintf(stderr,
                 "usage: box_tool wait CAPTION [TIMEOUT_MS] [BUTTON_ID]\n"
                 "       box_tool press CAPTION BUTTON_ID\n"
                 "       box_tool gone CAPTION [TIMEOUT_MS] [BUTTON_ID]\n"
                 "       box_tool watch\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && lstrcmpA(argv[1], "watch") == 0) Watch();
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
