// Plays a WAV image from memory through winmm's sndPlaySoundA, loaded only when a sound is played.
#include "ui/wave_output.h"

#include "runtime/unique_handle.h"

namespace tavrisk {

// Most runs play nothing, so the multimedia library is not among the imports.
int PlayWaveImage(const void* image, UINT flags) {
    UniqueLibrary winmm(LoadLibraryA("winmm.dll"));
    if (!winmm) return 0;
    using SndPlaySound = BOOL(WINAPI*)(LPCSTR, UINT);
    const auto play = LibraryFunction<SndPlaySound>(winmm.get(), "sndPlaySoundA");
    if (!play) return 0;
    const int result = play(static_cast<LPCSTR>(image), flags);
    // A started asynchronous sound plays on in the library's own thread:
    // unloading it now would cut the sound off, so it stays for the process.
    if (result && (flags & SND_ASYNC)) winmm.release();
    return result;
}

}  // namespace tavrisk
