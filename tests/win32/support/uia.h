// A small UI-automation helper: finds a program's box or window, reads its texts, presses its buttons.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// Waits for a visible dialog-class window ("#32770") of process `pid` whose
// caption equals `caption`. Matching the process keeps parallel tests from
// answering each other's boxes. Null after `timeoutMs`.
HWND WaitForBox(DWORD pid, const std::string& caption, DWORD timeoutMs = 10000);

// The first visible dialog-class window of process `pid`, whatever its caption;
// null after `timeoutMs`. For checking which box comes first.
HWND WaitForAnyBox(DWORD pid, DWORD timeoutMs = 10000);

// True when process `pid` shows no box at all for the whole of `ms`.
bool NoBoxFor(DWORD pid, DWORD ms);

// True when process `pid` owns a top-level window of class `windowClass`, shown or not.
bool HasWindowOfClass(DWORD pid, const char* windowClass);

std::string BoxText(HWND box, int controlId = 0xFFFF);  // a message box's text control
std::string WindowText(HWND window);
// The ids of the box's visible buttons in ascending order: {IDOK} for an OK box, {IDYES, IDNO} for a Yes/No box.
std::vector<int> ButtonIds(HWND box);
void PressButton(HWND box, int id);              // as if the button were clicked
void PostCommand(HWND box, WORD id, WORD code);  // a WM_COMMAND with any notification code
// The window that has the keyboard focus in the box's thread (null if none).
HWND FocusedWindow(HWND box);
// The focused window once the box has given the focus to one (a box may be
// visible a moment before its dialog manager sets the focus), or null.
HWND WaitForFocus(HWND box, DWORD timeoutMs = 10000);
// A key press and release posted to the focused window, as typed on the keyboard.
void PressKey(HWND box, WORD virtualKey);
bool WaitGone(HWND box, DWORD timeoutMs = 5000);

// A box just shown goes on loading its fonts and icon and starting its opening sound for a
// moment; LetBoxSettle waits that long.
inline constexpr DWORD kBoxSettleMs = 300;
void LetBoxSettle();

// How long a user who takes a while to answer leaves a box open; HoldLikeASlowUser waits that long.
inline constexpr DWORD kSlowAnswerMs = 3000;
void HoldLikeASlowUser();

}  // namespace testing_support
