// LaunchProgram: the shell's default action first, CreateProcess with the target as a command line after.
#include "ui/launcher.h"

#include "runtime/library_search.h"
#include "runtime/system_calls.h"
#include "runtime/unique_handle.h"
#include "ui/alert.h"
#include "ui/launch_decision.h"

namespace tavrisk {
namespace {

// CreateProcessA may write into the command line it is given, and the target
// may be a caller's constant or longer than any fixed buffer: it gets a
// writable copy of its own size from the process heap.
int StartCommandLine(const char* target, const char* directory, int showCommand) {
    const SIZE_T bytes = static_cast<SIZE_T>(lstrlenA(target)) + 1;
    UniqueHeapBlock commandLine(GetProcessHeap(), 0, bytes);
    if (!commandLine) return 0;
    char* line = static_cast<char*>(commandLine.get());
    CopyMemory(line, target, bytes);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand & 0xFFFF);

    // Owns both handles from the call's return on: the process's is closed first, then the thread's.
    UniqueProcessInformation process;
    const BOOL created =
        CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, directory, &startup, process.out());
    if (!created) return 0;
    // A program without a message queue (a console program) releases us at once.
    user32::WaitForInputIdle(process.get().hProcess, INFINITE);
    return created;
}

// Without shell32 the answer is 0, out of resources, and the fallback runs.
INT_PTR ShellOpen(HWND owner, const char* target, const char* directory, int showCommand) {
    return reinterpret_cast<INT_PTR>(shell32::ShellExecuteA(owner, nullptr, target, nullptr, directory, showCommand));
}

}  // namespace

int LaunchProgram(HWND owner, const char* target, const char* directory, int showCommand) {
    // Process creation, too, loads libraries by bare name on some systems.
    GuardLibrarySearch();
    // The shell cannot open a file name of MAX_PATH characters or more, and some
    // shells fault on much longer ones: such a target can only be a command line.
    if (!ShellCanTake(static_cast<std::size_t>(lstrlenA(target))))
        return StartCommandLine(target, directory, showCommand);

    const LaunchAction action = DecideLaunch(ShellOpen(owner, target, directory, showCommand));
    if (action == LaunchAction::Opened) return 1;
    if (action == LaunchAction::StartProcess) return StartCommandLine(target, directory, showCommand);

    ShowAlert(owner, MB_OK | MB_ICONEXCLAMATION, "Execute Process", "Unable to execute :\n\"%s\"\n%s", target,
              LaunchFailureReason(action));
    return 0;
}

}  // namespace tavrisk
