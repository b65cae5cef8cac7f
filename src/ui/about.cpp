// Stand-in until the about dialog exists: a plain box.
#include "ui/about.h"

namespace tavrisk {

int ShowAboutBox(HINSTANCE) {
    MessageBoxA(nullptr, "Tavrisk for Windows", "TAVRISK - RAM Cleaner", MB_OK);
    return 1;
}

}  // namespace tavrisk
