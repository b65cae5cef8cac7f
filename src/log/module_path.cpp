// SplitModulePath: the scan stays inside the path, and the copy inside the folder buffer.
#include "log/module_path.h"

namespace tavrisk {

void SplitModulePath(const char* path, char* folder) {
    int slash = -1;  // -1: no backslash at all
    for (int i = 0; path[i] != '\0'; ++i)
        if (path[i] == '\\') slash = i;
    for (int i = 0; i < slash; ++i) folder[i] = path[i];
    folder[slash > 0 ? slash : 0] = '\0';
}

}  // namespace tavrisk
