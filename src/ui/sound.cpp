// PlaySoundResource: find, load and lock the resource, hand its bytes to the multimedia system.
#include "ui/sound.h"

#include "ui/wave_output.h"

namespace tavrisk {

int PlaySoundResource(HINSTANCE instance, int soundId, UINT playFlags) {
    const UINT flags = playFlags | SND_NODEFAULT | SND_MEMORY | SND_NOSTOP;
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(soundId), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found) return 0;
    HGLOBAL loaded = LoadResource(instance, found);
    if (!loaded) return 0;
    // A resource of the executable stays mapped for the life of the process, so
    // an asynchronous sound may go on playing after FreeResource.
    const int played = PlayWaveImage(LockResource(loaded), flags);
    FreeResource(loaded);
    return played;
}

}  // namespace tavrisk
