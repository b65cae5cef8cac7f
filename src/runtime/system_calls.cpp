// The late-bound system functions: each call finds its function, or answers as the function does on failure.
#include "runtime/system_calls.h"

#include "runtime/library_search.h"
#include "runtime/system_library.h"

namespace tavrisk {
namespace {

constexpr char kKernel32[] = "kernel32.dll";
constexpr char kUser32[] = "user32.dll";
constexpr char kGdi32[] = "gdi32.dll";
constexpr char kShell32[] = "shell32.dll";
constexpr char kWinmm[] = "winmm.dll";

// The window, shell and multimedia libraries make Windows load more libraries by
// bare name: the search is guarded before any of them is loaded or called.
FARPROC FindSystemFunction(const char* library, const char* name) {
    if (library != kKernel32) GuardLibrarySearch();
    return SystemProcAddress(library, name);
}

// Calls `name` of system library `library` with `args`, or returns `failure`
// when either cannot be found. Nothing is cached, so nothing here is state: a
// lookup costs microseconds, and a run makes few of these calls.
template <typename Function, typename Result, typename... Args>
Result CallSystem(const char* library, const char* name, Result failure, Args... args) {
    // FARPROC to the real signature, through void* so the compiler takes the cast as deliberate.
    const auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(FindSystemFunction(library, name)));
    return function ? function(args...) : failure;
}

}  // namespace

BOOL kernel32::SetFileInformationByHandle(HANDLE file, int informationClass, void* information, DWORD bytes) {
    using Function = BOOL(WINAPI*)(HANDLE, int, void*, DWORD);
    return CallSystem<Function>(kKernel32, "SetFileInformationByHandle", BOOL{FALSE}, file, informationClass,
                                information, bytes);
}

INT_PTR user32::DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure,
                                LPARAM parameter) {
    return CallSystem<decltype(&::DialogBoxParamA)>(kUser32, "DialogBoxParamA", INT_PTR{-1}, instance, templateName,
                                                    owner, procedure, parameter);
}

BOOL user32::EndDialog(HWND dialog, INT_PTR result) {
    return CallSystem<decltype(&::EndDialog)>(kUser32, "EndDialog", BOOL{FALSE}, dialog, result);
}

int user32::GetClassNameW(HWND window, LPWSTR name, int size) {
    return CallSystem<decltype(&::GetClassNameW)>(kUser32, "GetClassNameW", 0, window, name, size);
}

HDC user32::GetDC(HWND window) { return CallSystem<decltype(&::GetDC)>(kUser32, "GetDC", HDC{}, window); }

HWND user32::GetDesktopWindow() {
    return CallSystem<decltype(&::GetDesktopWindow)>(kUser32, "GetDesktopWindow", HWND{});
}

BOOL user32::GetWindowRect(HWND window, LPRECT rect) {
    return CallSystem<decltype(&::GetWindowRect)>(kUser32, "GetWindowRect", BOOL{FALSE}, window, rect);
}

int user32::MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    return CallSystem<decltype(&::MessageBoxW)>(kUser32, "MessageBoxW", 0, owner, text, caption, type);
}

int user32::ReleaseDC(HWND window, HDC dc) {
    return CallSystem<decltype(&::ReleaseDC)>(kUser32, "ReleaseDC", 0, window, dc);
}

BOOL user32::SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    return CallSystem<decltype(&::SetDlgItemTextA)>(kUser32, "SetDlgItemTextA", BOOL{FALSE}, dialog, id, text);
}

BOOL user32::SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    return CallSystem<decltype(&::SetWindowPos)>(kUser32, "SetWindowPos", BOOL{FALSE}, window, insertAfter, x, y, width,
                                                 height, flags);
}

DWORD user32::WaitForInputIdle(HANDLE process, DWORD milliseconds) {
    return CallSystem<decltype(&::WaitForInputIdle)>(kUser32, "WaitForInputIdle", DWORD{WAIT_FAILED}, process,
                                                     milliseconds);
}

int user32::wsprintfA(LPSTR out, LPCSTR format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int length = wvsprintfA(out, format, arguments);
    va_end(arguments);
    return length;
}

int user32::wvsprintfA(LPSTR out, LPCSTR format, va_list arguments) {
    out[0] = '\0';
    return CallSystem<decltype(&::wvsprintfA)>(kUser32, "wvsprintfA", 0, out, format, arguments);
}

int gdi32::GetDeviceCaps(HDC dc, int index) {
    return CallSystem<decltype(&::GetDeviceCaps)>(kGdi32, "GetDeviceCaps", 0, dc, index);
}

HINSTANCE shell32::ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                                 INT show) {
    return CallSystem<decltype(&::ShellExecuteW)>(kShell32, "ShellExecuteW", HINSTANCE{}, owner, verb, file, parameters,
                                                  directory, show);
}

BOOL winmm::sndPlaySoundA(LPCSTR sound, UINT flags) {
    return CallSystem<decltype(&::sndPlaySoundA)>(kWinmm, "sndPlaySoundA", BOOL{FALSE}, sound, flags);
}

}  // namespace tavrisk
