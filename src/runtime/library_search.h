// Keeps libraries that Windows itself loads by bare name, for our boxes, sounds and the shell,
// out of the executable's folder.
#pragma once

namespace tavrisk {

// Restricts this process's library search to the system folder
// (SetDefaultDllDirectories with LOAD_LIBRARY_SEARCH_SYSTEM32, Windows 8 and later,
// Vista and 7 with the loader update). False where the function is missing or
// refuses. Programs this process starts do not inherit the setting.
bool SearchSystemFolderOnly();

// Called before the window, shell and multimedia libraries are used: where the
// search could not be restricted (XP, Vista and 7 without the update), loads from
// the system folder, by full path, the libraries that those systems load by bare
// name for a box, a sound or the shell, so that those later loads find them
// already in the process instead of looking beside the executable. Loads nothing
// where the search is restricted.
void GuardLibrarySearch();

}  // namespace tavrisk
