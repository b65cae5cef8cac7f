// A point where a seam lets a test look at the program from outside before it goes on.
#pragma once

#include <windows.h>

namespace testing_seams {

// When `variable` names an event pair, sets "<name>-held" and waits for "<name>-go", for a
// minute at most; otherwise returns at once.
inline void HoldIfAsked(const char* variable) {
    char name[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA(variable, name, MAX_PATH - 8);
    if (length == 0 || length >= MAX_PATH - 8) return;
    lstrcatA(name, "-held");
    HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, name);
    lstrcpyA(name + length, "-go");
    HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, name);
    if (held) SetEvent(held);
    if (go) WaitForSingleObject(go, 60000);
    if (held) CloseHandle(held);
    if (go) CloseHandle(go);
}

}  // namespace testing_seams
