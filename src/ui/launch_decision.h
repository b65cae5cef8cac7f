// What the launcher does with the shell's answer: done, a reported failure, or its own process creation.
#pragma once

#include <cstdint>

namespace tavrisk {

enum class LaunchAction {
    Opened,            // the shell took the target
    AlertAccess,       // reported, not retried
    AlertAssociation,  // reported, not retried
    AlertDde,          // reported, not retried
    StartProcess,      // any other failure: start the target as a command line
};

// `shellResult` is ShellExecute's answer as a pointer-sized signed integer.
LaunchAction DecideLaunch(std::intptr_t shellResult);

// The third line of the failure box for the three Alert actions; null for the others.
const char* LaunchFailureReason(LaunchAction action);

}  // namespace tavrisk
