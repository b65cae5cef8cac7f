// The least any program costs from start to exit: a GUI program that imports KERNEL32 only
// and exits at once, built like tavrisk.exe (own entry point, no C run-time).
#include <windows.h>

extern "C" __attribute__((force_align_arg_pointer, noreturn)) void __stdcall entry() { ExitProcess(0); }
