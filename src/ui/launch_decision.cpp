// The shell's error numbers that end a launch with a box, and the texts of those boxes.
#include "ui/launch_decision.h"

namespace tavrisk {
namespace {

// The shell's documented error numbers (SE_ERR_*), without pulling in <shellapi.h>.
constexpr std::uintptr_t kAccessDenied = 5;
constexpr std::uintptr_t kAssociationIncomplete = 27;
constexpr std::uintptr_t kDdeTimeout = 28;
constexpr std::uintptr_t kDdeFailed = 29;
constexpr std::uintptr_t kDdeBusy = 30;
constexpr std::uintptr_t kNoAssociation = 31;

}  // namespace

LaunchAction DecideLaunch(std::intptr_t shellResult) {
    if (shellResult > 32) return LaunchAction::Opened;
    // Unsigned from here on: a negative answer is no known error and falls through.
    switch (static_cast<std::uintptr_t>(shellResult)) {
    case kAccessDenied:
        return LaunchAction::AlertAccess;
    case kAssociationIncomplete:
    case kNoAssociation:
        return LaunchAction::AlertAssociation;
    case kDdeTimeout:
    case kDdeFailed:
    case kDdeBusy:
        return LaunchAction::AlertDde;
    default:
        return LaunchAction::StartProcess;
    }
}

const char* LaunchFailureReason(LaunchAction action) {
    switch (action) {
    case LaunchAction::AlertAccess:
        return "Access denied...   ";
    case LaunchAction::AlertAssociation:
        return "File association not found, incomplete or invalid...   ";
    case LaunchAction::AlertDde:
        return "DDE failed...   ";
    default:
        return nullptr;
    }
}

}  // namespace tavrisk
