// The least a program can do for a v=0 run's effect: commit, touch and release 25,165,824 bytes, exit.
// Built like tavrisk.exe (own entry point, no C run-time) and importing KERNEL32 only.
#include <windows.h>

extern "C" __attribute__((force_align_arg_pointer, noreturn)) void __stdcall entry() {
    constexpr SIZE_T kBytes = 25'165'824;
    auto* block = static_cast<volatile char*>(VirtualAlloc(nullptr, kBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (block) {
        for (SIZE_T i = 0; i < kBytes; i += 4096) block[i] = 0;  // one write per page commits it
        VirtualFree(const_cast<char*>(block), 0, MEM_RELEASE);
    }
    ExitProcess(0);
}
