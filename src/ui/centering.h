// Where a window goes when centred over another on one axis, kept on the screen (no Win32).
#pragma once

namespace tavrisk {

// The origin of a window of `length` pixels centred over a parent that starts at
// `parentStart` and spans `parentLength`, on a screen `screenLength` pixels long.
// The half of the free space is floored (an arithmetic shift: -101 gives -51).
// An origin before the screen goes to 0; otherwise one that would run past the
// screen's end is pulled back, and that is not checked again, so a window
// longer than the screen ends up at a negative origin.
constexpr int CenteredOrigin(int parentStart, int parentLength, int length, int screenLength) {
    const int origin = parentStart + ((parentLength - length) >> 1);
    if (origin < 0) return 0;
    if (origin + length > screenLength) return screenLength - length;
    return origin;
}

}  // namespace tavrisk
