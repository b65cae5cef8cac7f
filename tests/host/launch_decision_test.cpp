// The launcher's table: which targets go to the shell, which shell answers end with a box, which fall back
// to process creation.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/launch_decision.h"

namespace {

using tavrisk::LaunchAction;

// What each shell answer leads to, row by row over every pointer-sized value.
const struct {
    std::intptr_t first, last;
    LaunchAction action;
} kActions[] = {
    {INTPTR_MIN, -1, LaunchAction::StartProcess},  // compared unsigned, so no known error
    {0, 0, LaunchAction::StartProcess},
    {1, 4, LaunchAction::StartProcess},
    {5, 5, LaunchAction::AlertAccess},
    {6, 26, LaunchAction::StartProcess},
    {27, 27, LaunchAction::AlertAssociation},
    {28, 28, LaunchAction::AlertDde},
    {29, 29, LaunchAction::AlertDde},
    {30, 30, LaunchAction::AlertDde},
    {31, 31, LaunchAction::AlertAssociation},
    {32, 32, LaunchAction::StartProcess},
    {33, INTPTR_MAX, LaunchAction::Opened},
};

// The answers of a row that are put to DecideLaunch: all of a short row, the first
// and last 41 of the two long ones.
std::vector<std::intptr_t> Probes(std::intptr_t first, std::intptr_t last) {
    constexpr std::intptr_t kReach = 40;
    std::vector<std::intptr_t> probes;
    if (last - first <= 2 * kReach) {
        for (std::intptr_t result = first; result != last; ++result) probes.push_back(result);
        probes.push_back(last);
        return probes;
    }
    for (std::intptr_t step = 0; step <= kReach; ++step) {
        probes.push_back(first + step);
        probes.push_back(last - step);
    }
    return probes;
}

TEST(DecideLaunch, AlertsOnlyForAccessAssociationAndDdeAndFallsBackOtherwise) {
    for (const auto& row : kActions) {
        for (const std::intptr_t result : Probes(row.first, row.last)) {
            SCOPED_TRACE(result);
            EXPECT_EQ(tavrisk::DecideLaunch(result), row.action);
        }
    }
}

// The shell takes file names shorter than MAX_PATH: 259 characters go to it
// first, 260 and more straight to process creation.
TEST(ShellCanTake, NamesUpTo259Characters) {
    EXPECT_TRUE(tavrisk::ShellCanTake(0));
    EXPECT_TRUE(tavrisk::ShellCanTake(259));
    EXPECT_FALSE(tavrisk::ShellCanTake(260));
    EXPECT_FALSE(tavrisk::ShellCanTake(261));
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
