#include "core/list_reader.h"
#include "core/moment_stiffness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex {
namespace {

TEST(MomentStiffness, SecantRigidityLiesOnTheCurveWhereMomentEqualsCurvatureTimesEI) {
    const std::vector<MomentStiffnessPoint> curve{{0, 1000}, {100, 1000}, {150, 500}};
    EXPECT_DOUBLE_EQ(secantRigidity(curve, 0.05), 1000);
    const double ei = secantRigidity(curve, 0.2);
    EXPECT_NEAR(ei, 2000.0 / 3, 1e-9);
    // (M, EI) = (0.2 EI, EI) lies on the segment from (100, 1000) to (150, 500).
    EXPECT_NEAR(0.2 * ei, 100 + 50 * (1000 - ei) / 500, 1e-9);
}

TEST(MomentStiffness, OnePointCurveAndSegmentWithoutSolutionGiveFiniteRigidities) {
    EXPECT_EQ(secantRigidity({{50, 700}}, 0.3), 700);
    // Along (0, 1000) - (100, 2000) at curvature 0.1, M = 0.1 EI everywhere: keep the first EI.
    EXPECT_EQ(secantRigidity({{0, 1000}, {100, 2000}}, 0.1), 1000);
}

TEST(MomentStiffness, UpdateReplacesEIFromTheCurvatureAndMarksTheStations) {
    StationArray y(4), ei(4), replaced(4);
    for (int i = 0; i <= 4; ++i) ei[i] = 5;
    y[1] = 0.2;  // curvature at station 1: |0 - 0.4 + 0| / 1 = 0.4; at 0 and 2: 0.2
    updateMomentStiffness({{0, 2, {{0, 1000}, {100, 1000}, {150, 500}}}}, y, 1.0, ei, replaced);
    EXPECT_NEAR(ei[0], 2000.0 / 3, 1e-9);
    EXPECT_NEAR(ei[1], secantRigidity({{0, 1000}, {100, 1000}, {150, 500}}, 0.4), 1e-12);
    EXPECT_EQ(ei[3], 5);
    EXPECT_EQ(replaced[2], 1);
    EXPECT_EQ(replaced[3], 0);
}

TEST(MomentStiffness, RefusesCurvesWithoutPointsOrOutsideTheWall) {
    EXPECT_NO_THROW(checkMomentStiffnessCurves({{-2, 12, {{1, 1}}}}, 10));
    EXPECT_THROW(checkMomentStiffnessCurves({{0, 13, {{1, 1}}}}, 10), DataError);
    try {
        checkMomentStiffnessCurves({{0, 10, {{1, 1}}}, {0, 10, {}}}, 10);
        FAIL() << "accepted";
    } catch (const DataError& e) {
        EXPECT_STREQ(e.what(), "ERROR -- MOMENT-STIFFNESS CURVE 2 HAS NO POINTS");
    }
}

}  // namespace
}  // namespace korvex
