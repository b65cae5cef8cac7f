// Plays a WAV image from memory through winmm's sndPlaySoundA.
#include "ui/wave_output.h"

#include <mmsystem.h>

namespace tavrisk {

int PlayWaveImage(const void* image, UINT flags) {
    return sndPlaySoundA(static_cast<const char*>(image), flags);
}

}  // namespace tavrisk
