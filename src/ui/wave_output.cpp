// Plays a WAV image from memory through winmm's sndPlaySoundA, which is loaded only when a sound is played.
#include "ui/wave_output.h"

#include "runtime/system_calls.h"

namespace tavrisk {

// Most runs play nothing, so the multimedia library is not among the imports. It
// stays loaded once a sound has started: an asynchronous one plays on in the
// library's own thread.
int PlayWaveImage(const void* image, UINT flags) { return winmm::sndPlaySoundA(static_cast<LPCSTR>(image), flags); }

}  // namespace tavrisk
