// LaunchProgram: the shell's default action first, CreateProcess with the target as a command line after.
#include "ui/launcher.h"

#include "runtime/library_search.h"
#include "runtime/system_calls.h"
#include "runtime/unique_handle.h"
#include "runtime/wide_text.h"
#include "ui/alert.h"
#include "ui/launch_decision.h"

namespace tavrisk {
namespace {

// CreateProcessW may write into the command line it is given: `line` is the
// launcher's own writable copy.
int StartCommandLine(wchar_t* line, const wchar_t* directory, int showCommand) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand & 0xFFFF);

    // Owns both handles from the call's return on: the process's is closed first, then the thread's.
    UniqueProcessInformation process;
    const BOOL created =
        CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, directory, &startup, process.out());
    if (!created) return 0;
    // A program without a message queue (a console program) releases us at once.
    user32::WaitForInputIdle(process.get().hProcess, INFINITE);
    return created;
}

// Without shell32 the answer is 0, out of resources, and the fallback runs.
INT_PTR ShellOpen(HWND owner, const wchar_t* target, const wchar_t* directory, int showCommand) {
    return reinterpret_cast<INT_PTR>(shell32::ShellExecuteW(owner, nullptr, target, nullptr, directory, showCommand));
}

}  // namespace

int LaunchProgram(HWND owner, const char* target, const char* directory, int showCommand) {
    // Process creation, too, loads libraries by bare name on some systems.
    GuardLibrarySearch();

    // The target in UTF-16, as the shell and CreateProcessW take it: up to a whole
    // command line long, so from the process heap.
    const int units = ToUtf16(target, nullptr, 0);
    UniqueHeapBlock wideBlock(GetProcessHeap(), 0, static_cast<SIZE_T>(units) * sizeof(wchar_t));
    auto* wideTarget = static_cast<wchar_t*>(wideBlock.get());
    if (!wideTarget || ToUtf16(target, wideTarget, units) == 0) return 0;
    wchar_t wideFolder[MAX_PATH];
    const wchar_t* folder = nullptr;
    if (directory) {
        if (ToUtf16(directory, wideFolder, MAX_PATH) == 0) return 0;
        folder = wideFolder;
    }

    // The shell cannot open a file name of MAX_PATH UTF-16 units or more, and some
    // shells fault on much longer ones: such a target can only be a command line.
    if (!ShellCanTake(static_cast<std::size_t>(units - 1))) return StartCommandLine(wideTarget, folder, showCommand);

    const LaunchAction action = DecideLaunch(ShellOpen(owner, wideTarget, folder, showCommand));
    if (action == LaunchAction::Opened) return 1;
    if (action == LaunchAction::StartProcess) return StartCommandLine(wideTarget, folder, showCommand);

    ShowAlert(owner, MB_OK | MB_ICONEXCLAMATION, "Execute Process", "Unable to execute :\n\"%s\"\n%s", target,
              LaunchFailureReason(action));
    return 0;
}

}  // namespace tavrisk
