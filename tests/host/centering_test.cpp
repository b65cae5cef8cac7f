// Centring arithmetic of the about box: the floor of half the free space, then the screen's limits.
#include <gtest/gtest.h>

#include "ui/centering.h"

namespace {

TEST(CenteredOrigin, FloorsHalfTheFreeSpaceAndKeepsTheLeftEdgeOnScreen) {
    const struct {
        int parentStart, parentLength, length, screenLength, expected;
    } rows[] = {
        {0, 1024, 342, 1024, 341},     // the desktop: half of 682
        {700, 200, 300, 800, 500},     // 650 would end at 950: pulled back to the right edge
        {-100, 200, 300, 800, 0},      // -150 is before the screen
        {700, 2000, 1000, 800, -200},  // pulled back past 0 and left there
        {0, 1101, 1000, 2000, 50},     // +101 halves to 50
        {100, 899, 1000, 2000, 49},    // -101 halves to -51, not -50
        {0, 899, 1000, 2000, 0},       // -51 is before the screen
        {0, 1000, 1400, 1200, 0},      // wider than the screen, centred before it: 0
        {500, 300, 300, 800, 500},     // ends exactly at the screen's edge: kept
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.parentStart << ", " << row.parentLength << ", " << row.length << ", "
                                        << row.screenLength);
        EXPECT_EQ(tavrisk::CenteredOrigin(row.parentStart, row.parentLength, row.length, row.screenLength),
                  row.expected);
    }
}

}  // namespace
