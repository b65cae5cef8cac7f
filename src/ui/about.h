// The about-and-usage box.
#pragma once

#include <windows.h>

namespace tavrisk {

// 1 for OK or Enter, 2 for Escape or the close box, -1 when it cannot be created.
int ShowAboutBox(HINSTANCE instance);

}  // namespace tavrisk
