// How the log's open is retried, apart from the file system (no Win32): a file held by another
// run is waited for by the clock, for about two seconds after it last grew; a folder that
// refuses DELETE access gets an open without it.
#pragma once

#include <cstdint>

namespace tavrisk {

enum class OpenFailure {
    None,              // opened
    SharingViolation,  // another program holds the file without sharing
    AccessDenied,
    Other,
};

// How long a held file that does not grow is waited for, the pause between two tries,
// and how long a file that keeps growing is waited for in all.
inline constexpr std::uint32_t kSharingWaitMs = 2000;
inline constexpr std::uint32_t kSharingPauseMs = 25;
inline constexpr std::uint32_t kGrowingWaitMs = 60000;

// Tries `open(withDelete)` until it opens or fails for good, and returns how the
// last try ended; `withDelete` then tells whether that try asked for DELETE
// access. The first try asks for it; access denied with it is tried once more
// without it. A sharing violation is tried again after `pause(kSharingPauseMs)`
// until `now()`, a millisecond clock that may wrap, has moved kSharingWaitMs on
// since the first try, or since `size()` (the file's size, low 32 bits; read
// after each refused try) last changed: runs that keep taking their turns make
// the log grow, while a file that stays held without changing is given up.
// kGrowingWaitMs bounds the whole wait. The wait is timed by the clock, not by
// counting pauses, which take longer than asked on a busy machine.
template <typename Open, typename Clock, typename Pause, typename Size>
OpenFailure OpenWithRetry(Open open, Clock now, Pause pause, Size size, bool& withDelete) {
    withDelete = true;
    const std::uint32_t first = now();
    std::uint32_t grew = first;
    std::uint32_t lastSize = 0;
    for (;;) {
        const OpenFailure failure = open(withDelete);
        if (failure == OpenFailure::AccessDenied && withDelete) {
            withDelete = false;
            continue;
        }
        if (failure != OpenFailure::SharingViolation) return failure;
        const std::uint32_t at = now();
        const std::uint32_t atSize = size();
        if (atSize != lastSize) {
            lastSize = atSize;
            grew = at;
        }
        if (static_cast<std::uint32_t>(at - grew) >= kSharingWaitMs ||
            static_cast<std::uint32_t>(at - first) >= kGrowingWaitMs)
            return failure;
        pause(kSharingPauseMs);
    }
}

}  // namespace tavrisk
