#include "graphics/widgets/axis_scale.h"

#include <gtest/gtest.h>

namespace korvex::app {
namespace {

void ExpectRange(TAxisRange extent, double min, double max) {
    const auto range = AutomaticRange(extent);
    ASSERT_TRUE(range.has_value());
    EXPECT_NEAR(range->Min, min, 1e-12);
    EXPECT_NEAR(range->Max, max, 1e-12);
}

TEST(AxisScale, AutomaticRangesRoundAwayFromZeroToTheDecadeStep) {
    ExpectRange({0, 26}, 0, 26);
    ExpectRange({0, 35}, 0, 40);
    ExpectRange({-3.2, 0}, -4, 0);
    ExpectRange({0, 0}, -0.01, 0.01);
}

TEST(AxisScale, MajorStepIsAWholeMultipleOfItsDecadeWithFifthsBetween) {
    const auto steps = TickSteps({0, 26}, 600, 60);
    ASSERT_TRUE(steps.has_value());
    EXPECT_DOUBLE_EQ(steps->Major, 2);
    EXPECT_DOUBLE_EQ(steps->Minor, 0.4);
    EXPECT_FALSE(TickSteps({0, 26}, 50, 60).has_value());
    EXPECT_EQ(TickPositions({-1, 1}, 0.5).size(), 5u);
}

TEST(AxisScale, ZoomingInStopsAtATwentiethOfTheFullRangeInsideIt) {
    const TAxisRange full{0, 40};
    const TAxisRange tiny = ZoomedIn(0.5, 0.6, full);
    EXPECT_DOUBLE_EQ(tiny.Min, 0);
    EXPECT_DOUBLE_EQ(tiny.Max, 2);
    const TAxisRange wide = ZoomedIn(30, 10, full);
    EXPECT_DOUBLE_EQ(wide.Min, 10);
    EXPECT_DOUBLE_EQ(wide.Max, 30);
}

TEST(AxisScale, ZoomingOutDoublesAroundTheClickUntilTheFullRange) {
    const TAxisRange full{0, 40};
    const TAxisRange twice = ZoomedOut(20, {18, 22}, full);
    EXPECT_DOUBLE_EQ(twice.Min, 16);
    EXPECT_DOUBLE_EQ(twice.Max, 24);
    const TAxisRange all = ZoomedOut(1, {0, 30}, full);
    EXPECT_DOUBLE_EQ(all.Min, 0);
    EXPECT_DOUBLE_EQ(all.Max, 40);
}

}  // namespace
}  // namespace korvex::app
