// GuardLibrarySearch: the restricted search where Windows has it, the preloaded libraries where it has not.
#include "runtime/library_search.h"

#include "runtime/system_library.h"

namespace tavrisk {
namespace {

// What XP, Vista and 7 load by bare name for a message box or dialog (input
// methods, themes, desktop composition), a sound (the wave drivers and their audio
// stack) and the shell's open action. A name the system lacks simply fails to load.
// The order matters: loading one of these may load the window library, whose own
// start-up loads the input-method library by bare name, so that one comes first.
constexpr const char* kLoadedByName[] = {
    "imm32.dll",   "uxtheme.dll",   "dwmapi.dll", "version.dll",  "userenv.dll",  "setupapi.dll", "apphelp.dll",
    "propsys.dll", "cryptbase.dll", "oleacc.dll", "clbcatq.dll",  "wdmaud.drv",   "msacm32.drv",  "msacm32.dll",
    "midimap.dll", "ksuser.dll",    "avrt.dll",   "mmdevapi.dll", "audioses.dll",
};

}  // namespace

void GuardLibrarySearch() {
    if (SearchSystemFolderOnly()) return;
    for (const char* name : kLoadedByName) LoadSystemLibrary(name);
}

}  // namespace tavrisk
