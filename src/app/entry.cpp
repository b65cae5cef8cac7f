// Process entry without the C run-time: split our own command line, run AppMain, exit.
#include <windows.h>

#include "app/app_main.h"
#include "app/command_line.h"
#include "runtime/library_search.h"
#include "runtime/wide_text.h"

namespace {

// The C run-time's splitting differs from ours (it collapses "" and doubles
// backslashes), so the vector is built here. The line and the executable's path
// are read in UTF-16, as the system holds them, and converted once to UTF-8: the
// ANSI forms would turn every character outside the system's code page into '?'.
int RunWithArguments() {
    const wchar_t* wideLine = GetCommandLineW();
    HANDLE heap = GetProcessHeap();
    // Up to 32,767 units, each up to three bytes of UTF-8: from the process heap.
    const int lineBytes = tavrisk::ToUtf8(wideLine, nullptr, 0);
    auto* line = static_cast<char*>(HeapAlloc(heap, 0, static_cast<SIZE_T>(lineBytes)));
    if (!line || tavrisk::ToUtf8(wideLine, line, lineBytes) == 0) return -1;
    const std::string_view view(line, static_cast<std::size_t>(lineBytes - 1));
    const tavrisk::SplitCounts need = tavrisk::SplitCommandLine(view, {}, {});

    char modulePath[tavrisk::kPathUtf8Bytes];
    if (!tavrisk::ReadModulePath(nullptr, modulePath)) modulePath[0] = '\0';

    // Element 0, the arguments and the closing null.
    const std::size_t slots = need.arguments + 2;
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
