// The late-bound system functions: each call finds its function, or answers as the function does on failure.
#include "runtime/system_calls.h"

#include "runtime/system_library.h"

namespace tavrisk {
namespace {

constexpr char kKernel32[] = "kernel32.dll";
constexpr char kShell32[] = "shell32.dll";
constexpr char kWinmm[] = "winmm.dll";

// Nothing is cached: a lookup costs microseconds and these calls are few.
template <typename Function, typename Result, typename... Args>
Result CallSystem(const char* library, const char* name, Result failure, Args... args) {
    // FARPROC to the real signature, through void* so the compiler takes the cast as deliberate.
    const auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcAddress(library, name)));
    return function ? function(args...) : failure;
}

}  // namespace

BOOL kernel32::SetFileInformationByHandle(HANDLE file, int informationClass, void* information, DWORD bytes) {
    using Function = BOOL(WINAPI*)(HANDLE, int, void*, DWORD);
    return CallSystem<Function>(kKernel32, "SetFileInformationByHandle", BOOL{FALSE}, file, informationClass,
                                information, bytes);
}

HINSTANCE shell32::ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                 INT show) {
    return CallSystem<decltype(&::ShellExecuteA)>(kShell32, "ShellExecuteA", HINSTANCE{}, owner, verb, file,
                                                  parameters, directory, show);
}

BOOL winmm::sndPlaySoundA(LPCSTR sound, UINT flags) {
    return CallSystem<decltype(&::sndPlaySoundA)>(kWinmm, "sndPlaySoundA", BOOL{FALSE}, sound, flags);
}

}  // namespace tavrisk
