// The sound seam, linked in place of the product's PlayWaveImage: plays as usual, then appends
// what it was handed and what it answered to the file named in kSoundRecordVariable (tests only).
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "record_file.h"
#include "runtime/system_calls.h"
#include "shared_names.h"
#include "ui/wave_output.h"

namespace {

// FNV-1a over the image, whose length its RIFF header gives.
unsigned long Fingerprint(const unsigned char* image, unsigned long size) {
    unsigned long hash = 2166136261ul;
    for (unsigned long i = 0; i < size; ++i) hash = (hash ^ image[i]) * 16777619ul;
    return hash;
}

}  // namespace

namespace tavrisk {

int PlayWaveImage(const void* image, UINT flags) {
    const int result = winmm::sndPlaySoundA(static_cast<const char*>(image), flags);
    FILE* out = testing_support::OpenRecordFile(testing_support::kSoundRecordVariable);
    if (!out) return result;
    const auto* bytes = static_cast<const unsigned char*>(image);
    unsigned long riffSize = 0;
    std::memcpy(&riffSize, bytes + 4, 4);
    const unsigned long size = riffSize + 8;
    std::fprintf(out, "sound flags=0x%02X size=%lu fnv=%08lX result=%d\n", flags, size, Fingerprint(bytes, size),
                 result);
    std::fclose(out);
    return result;
}

}  // namespace tavrisk
