// Stand-in until the launcher exists: nothing is started.
#include "ui/launcher.h"

namespace tavrisk {

int LaunchProgram(HWND, const char*, const char*, int) { return 0; }

}  // namespace tavrisk
