#include "py_curves/curve_modifiers.h"

#include <gtest/gtest.h>

namespace korvex::py {
namespace {

TEST(GroupReduction, AppliesBelowTheExcavationForModerateSpacing) {
    struct Case {
        double ratio, z, p;
    };
    const Case cases[] = {
        {3.0, 150.0, 0.985}, {2.0, 150.0, 0.783}, {3.0, 99.0, 1.0}, {2.0, 50.0, 1.0},
        {3.1, 150.0, 1.0},   {5.0, 150.0, 1.0},   {1.0, 150.0, 1.0}, {2.0, 100.0, 0.783},
    };
    for (const Case& c : cases) {
        const Multipliers m = MultiplierRule({}, 100.0, c.ratio).at(c.z);
        EXPECT_NEAR(m.p, c.p, 5e-4) << "R = " << c.ratio << ", z = " << c.z;
        EXPECT_EQ(m.y, 1.0);
    }
}

TEST(UserModificationFactors, InterpolateBetweenRowsAndTakeTheLowerOfTwoRowsAtOneDepth) {
    const std::vector<PyModFactor> rows = {{100, 0.5, 1.0}, {200, 1.0, 2.0}, {200, 0.8, 1.5}, {300, 0.6, 1.0}};
    struct Case {
        double z, p, y;
    };
    const Case cases[] = {
        {50, 1.0, 1.0},  {100, 0.5, 1.0}, {150, 0.75, 1.5}, {200, 0.8, 1.5},
        {250, 0.7, 1.25}, {300, 0.6, 1.0}, {350, 1.0, 1.0},
    };
    const MultiplierRule rule(rows, 100.0, 3.0);  // user factors replace the group reduction
    for (const Case& c : cases) {
        const Multipliers m = rule.at(c.z);
        EXPECT_DOUBLE_EQ(m.p, c.p) << "z = " << c.z;
        EXPECT_DOUBLE_EQ(m.y, c.y) << "z = " << c.z;
    }
    const std::vector<PyModFactor> one = {{100, 0.5, 0.25}};
    EXPECT_DOUBLE_EQ(MultiplierRule(one, 0, 1).at(100).p, 0.5);
    EXPECT_DOUBLE_EQ(MultiplierRule(one, 0, 1).at(150).p, 1.0);
}

TEST(EarthLoad, InterpolatesAndHoldsTheEndValues) {
    const std::vector<EarthPressureLoad> rows = {{0, 0}, {100, 50}, {200, 70}};
    EXPECT_DOUBLE_EQ(earthLoadAt(rows, -5), 0.0);
    EXPECT_DOUBLE_EQ(earthLoadAt(rows, 150), 60.0);
    EXPECT_DOUBLE_EQ(earthLoadAt(rows, 300), 70.0);
    EXPECT_DOUBLE_EQ(earthLoadAt({}, 300), 0.0);
}

TEST(ClayActiveOffset, TakesTheGreaterRuleAndDropsSmallValues) {
    EXPECT_DOUBLE_EQ(clayActiveOffset(12, 1, 10, 0, 1), 12 * (10 - 2.0));   // overburden rule
    EXPECT_DOUBLE_EQ(clayActiveOffset(12, 1, 0, 240, 2), 120 - 24.0);       // earth-load rule, w / R
    EXPECT_EQ(clayActiveOffset(12, 20, 10, 100, 1), 0.0);                   // cohesion exceeds both
}

}  // namespace
}  // namespace korvex::py
