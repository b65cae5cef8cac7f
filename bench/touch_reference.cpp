// The least a program can do for a tavrisk run's effect: commit, touch and release the
// bytes of one clean mode (TOUCH_CLEAN_MODE, set by the build), then exit.
// Built like tavrisk.exe (own entry point, no C run-time) and importing KERNEL32 only.
#include <windows.h>

#include "reclaim/size_table.h"

#ifndef TOUCH_CLEAN_MODE
#error "the build sets TOUCH_CLEAN_MODE, the clean mode whose size this program touches"
#endif

// Exit code 0 when the block was had and touched, 1 when VirtualAlloc refused it:
// a refused block would make this yardstick look far too fast.
extern "C" __attribute__((force_align_arg_pointer, noreturn)) void __stdcall entry() {
    // The size comes from tavrisk's own table, so the two always move the same bytes.
    constexpr SIZE_T kBytes = tavrisk::ReclaimRequestSize(TOUCH_CLEAN_MODE);
    auto* block = static_cast<volatile char*>(VirtualAlloc(nullptr, kBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!block) ExitProcess(1);
    for (SIZE_T i = 0; i < kBytes; i += 4096) block[i] = 0;  // one write per page commits it
    VirtualFree(const_cast<char*>(block), 0, MEM_RELEASE);
    ExitProcess(0);
}
