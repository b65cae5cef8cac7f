// The launcher's table: which shell answers end with a box, which fall back to process creation.
#include <gtest/gtest.h>

#include <string>

#include "ui/launch_decision.h"

namespace {

using tavrisk::LaunchAction;

LaunchAction Expected(std::intptr_t result) {
    switch (result) {
    case 5: return LaunchAction::AlertAccess;
    case 27: case 31: return LaunchAction::AlertAssociation;
    case 28: case 29: case 30: return LaunchAction::AlertDde;
    default: return result > 32 ? LaunchAction::Opened : LaunchAction::StartProcess;
    }
}

TEST(DecideLaunch, AlertsOnlyForAccessAssociationAndDdeAndFallsBackOtherwise) {
    for (std::intptr_t result = 0; result <= 33; ++result) {
        SCOPED_TRACE(result);
        EXPECT_EQ(tavrisk::DecideLaunch(result), Expected(result));
    }
    // Negative answers are compared unsigned and so are no known error.
    for (std::intptr_t result : {std::intptr_t{-1}, std::intptr_t{-5}, std::intptr_t{-31}, INTPTR_MIN}) {
        SCOPED_TRACE(result);
        EXPECT_EQ(tavrisk::DecideLaunch(result), LaunchAction::StartProcess);
    }
    EXPECT_EQ(tavrisk::DecideLaunch(INTPTR_MAX), LaunchAction::Opened);
}

TEST(LaunchFailureReason, GivesEachAlertItsTextWithThreeTrailingSpaces) {
    EXPECT_EQ(std::string(tavrisk::LaunchFailureReason(LaunchAction::AlertAccess)), "Access denied...   ");
    EXPECT_EQ(std::string(tavrisk::LaunchFailureReason(LaunchAction::AlertAssociation)),
              "File association not found, incomplete or invalid...   ");
    EXPECT_EQ(std::string(tavrisk::LaunchFailureReason(LaunchAction::AlertDde)), "DDE failed...   ");
    EXPECT_EQ(tavrisk::LaunchFailureReason(LaunchAction::Opened), nullptr);
    EXPECT_EQ(tavrisk::LaunchFailureReason(LaunchAction::StartProcess), nullptr);
}

}  // namespace
