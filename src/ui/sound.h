// Sound cues: WAV images stored as raw-data resources, played from memory.
#pragma once

#include <windows.h>

namespace tavrisk {

// Plays sound resource `soundId` (RT_RCDATA) of `instance` with `playFlags`
// (SND_SYNC or SND_ASYNC) plus SND_NODEFAULT | SND_MEMORY | SND_NOSTOP.
// Non-zero when the sound was played or started; 0 when it was refused or the
// resource is missing. Never falls back to a default system sound.
int PlaySoundResource(HINSTANCE instance, int soundId, UINT playFlags);

}  // namespace tavrisk
