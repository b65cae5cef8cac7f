// Process entry without the C run-time: split our own command line, run AppMain, exit.
#include <windows.h>

#include "app/app_main.h"
#include "app/command_line.h"
#include "runtime/library_search.h"

namespace {

// The C run-time's splitting differs from ours (it collapses "" and doubles
// backslashes), so the vector is built here from GetCommandLineA.
int RunWithArguments() {
    const char* line = GetCommandLineA();
    const std::string_view view(line, static_cast<std::size_t>(lstrlenA(line)));
    const tavrisk::SplitCounts need = tavrisk::SplitCommandLine(view, {}, {});

    char modulePath[MAX_PATH];
    const DWORD pathLength = GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    modulePath[pathLength < MAX_PATH ? pathLength : MAX_PATH - 1] = '\0';

    // Element 0, the arguments and the closing null, from the process heap:
    // the line may be up to 32,767 characters long.
    const std::size_t slots = need.arguments + 2;
    HANDLE heap = GetProcessHeap();
    auto* argv = static_cast<const char**>(HeapAlloc(heap, 0, slots * sizeof(const char*)));
    auto* text = static_cast<char*>(HeapAlloc(heap, 0, need.textBytes + 1));
    if (!argv || !text) return -1;

    tavrisk::SplitCommandLine(view, {text, need.textBytes + 1}, {argv + 1, need.arguments});
    argv[0] = modulePath;
    argv[need.arguments + 1] = nullptr;
    return tavrisk::AppMain(static_cast<int>(need.arguments + 1), argv);
}

}  // namespace

// Windows enters a 32-bit program with only 4-byte stack alignment.
extern "C" __attribute__((force_align_arg_pointer, noreturn)) void __stdcall entry() {
    // Before anything can load a library: from here on Windows looks for the
    // libraries it loads by bare name in the system folder alone, never beside
    // the executable, where a downloaded DLL could be waiting.
    tavrisk::SearchSystemFolderOnly();
    ExitProcess(static_cast<UINT>(RunWithArguments()));
}
