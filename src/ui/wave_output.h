// The one call into the multimedia system; tests link a recording stand-in in its place.
#pragma once

#include <windows.h>

namespace tavrisk {

// sndPlaySoundA with a WAV image in memory: non-zero when played or started.
int PlayWaveImage(const void* image, UINT flags);

}  // namespace tavrisk
