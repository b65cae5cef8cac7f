// SplitModulePath: the scan stays inside the path, and each copy inside MAX_PATH.
#include "log/module_path.h"

#include "runtime/ansi_case.h"

namespace tavrisk {

void SplitModulePath(const char* path, char* folder, char* fileName) {
    const int length = lstrlenA(path);
    int slash = length - 1;
    while (slash >= 0 && path[slash] != '\\') --slash;  // -1: no backslash at all

    if (fileName) {
        lstrcpynA(fileName, path + slash + 1, MAX_PATH);
        LowerCaseAnsi(fileName, lstrlenA(fileName), MAX_PATH);
        UpperCaseAnsi(fileName, 1, MAX_PATH);
    }
    if (folder) {
        char assembled[MAX_PATH];
        const int folderLength = slash > 0 ? slash : 0;
        // lstrcpynA counts the terminating zero in its limit.
        lstrcpynA(assembled, path, (folderLength < MAX_PATH - 1 ? folderLength : MAX_PATH - 1) + 1);
        lstrcpyA(folder, assembled);
    }
}

}  // namespace tavrisk
