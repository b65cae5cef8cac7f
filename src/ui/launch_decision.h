// What the launcher does with the shell's answer: done, a reported failure, or its own process creation.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavrisk {

enum class LaunchAction {
    Opened,            // the shell took the target
    AlertAccess,       // reported, not retried
    AlertAssociation,  // reported, not retried
    AlertDde,          // reported, not retried
    StartProcess,      // any other failure: start the target as a command line
};

// The longest target that goes to the shell first: it takes file names shorter
// than MAX_PATH (260) only. A longer target goes straight to process creation.
inline constexpr std::size_t kLongestShellTarget = 259;

constexpr bool ShellCanTake(std::size_t targetLength) { return targetLength <= kLongestShellTarget; }

// `shellResult` is ShellExecute's answer as a pointer-sized signed integer.
LaunchAction DecideLaunch(std::intptr_t shellResult);

// The third line of the failure box for the three Alert actions; null for the others.
const char* LaunchFailureReason(LaunchAction action);

}  // namespace tavrisk
