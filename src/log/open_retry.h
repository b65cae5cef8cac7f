// How the log's open is retried, apart from the file system (no Win32): a file held by another
// run is waited for, by the clock, for about two seconds; a folder that refuses DELETE access
// gets an open without it.
#pragma once

#include <cstdint>

namespace tavrisk {

enum class OpenFailure {
    None,              // opened
    SharingViolation,  // another program holds the file without sharing
    AccessDenied,
    Other,
};

// How long a held file is waited for in all, and the pause between two tries.
inline constexpr std::uint32_t kSharingWaitMs = 2000;
inline constexpr std::uint32_t kSharingPauseMs = 25;

// Tries `open(withDelete)` until it opens or fails for good, and returns how the
// last try ended; `withDelete` then tells whether that try asked for DELETE
// access. The first try asks for it; access denied with it is tried once more
// without it. A sharing violation is tried again after `pause(kSharingPauseMs)`
// until `now()`, a millisecond clock that may wrap, has moved kSharingWaitMs on
// since the first try: the wait is timed by the clock, not by counting pauses,
// which take longer than asked on a busy machine.
template <typename Open, typename Clock, typename Pause>
OpenFailure OpenWithRetry(Open open, Clock now, Pause pause, bool& withDelete) {
    withDelete = true;
    const std::uint32_t start = now();
    for (;;) {
        const OpenFailure failure = open(withDelete);
        if (failure == OpenFailure::AccessDenied && withDelete) {
            withDelete = false;
            continue;
        }
        if (failure != OpenFailure::SharingViolation || static_cast<std::uint32_t>(now() - start) >= kSharingWaitMs)
            return failure;
        pause(kSharingPauseMs);
    }
}

}  // namespace tavrisk
