#include "core/curve_spreading.h"
#include "core/curve_table.h"
#include "core/list_reader.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

SoilCurve curve(std::vector<CurvePoint> points, int station = 0, bool interpolate = false) {
    return {station, interpolate, std::move(points)};
}

struct LineCase {
    double y;
    double ks, p0;
    bool off;
};

TEST(Linearise, PicksTheSegmentHoldingTheDeflectionAndExtendsTheEndSegments) {
    // p = -10 y up to y = 1, then -10 - 5 (y - 1) up to y = 3.
    const SoilCurve c = curve({{0, 0}, {1, -10}, {3, -20}});
    for (const LineCase& lc : {LineCase{0.5, 10, 0, false}, LineCase{1.0, 10, 0, false},  // ends at the point
                               LineCase{2.0, 5, -5, false}, LineCase{3.0, 5, -5, false},
                               LineCase{-1.0, 10, 0, true}, LineCase{4.0, 5, -5, true}}) {
        const CurveLine l = linearise(c, lc.y);
        EXPECT_DOUBLE_EQ(l.ks, lc.ks) << lc.y;
        EXPECT_DOUBLE_EQ(l.p0, lc.p0) << lc.y;
        EXPECT_EQ(l.offCurve, lc.off) << lc.y;
    }
}

TEST(Linearise, TwoPointCurveIsAlwaysOffAndEqualDeflectionsGiveNoSpring) {
    EXPECT_TRUE(linearise(curve({{0, 0}, {1, -10}}), 0.5).offCurve);
    const CurveLine l = linearise(curve({{0, 0}, {1, -10}, {1, -12}}), 2);
    EXPECT_EQ(l.ks, 0);
    EXPECT_EQ(l.p0, 0);
}

TEST(UserSoilCurve, MultipliesPByIncrementAndMultiplierAndYByItsMultiplier) {
    const SoilCurve c = userSoilCurve({4, 2.0, 0.5, {{0, 0}, {2, -3}}}, 10, true);
    EXPECT_EQ(c.station, 4);
    EXPECT_TRUE(c.interpolate);
    EXPECT_EQ(c.points[1].y, 1);
    EXPECT_EQ(c.points[1].p, -60);
}

TEST(UserSoilCurve, RefusesASinglePointOrRepeatedDeflections) {
    for (const UserPyCurve& bad : {UserPyCurve{3, 1, 1, {{0, 0}}}, UserPyCurve{3, 1, 1, {{0, 0}, {1, 1}, {1, 2}}}}) {
        try {
            userSoilCurve(bad, 1, false);
            FAIL() << "accepted";
        } catch (const DataError& e) {
            EXPECT_STREQ(e.what(), "ERROR -- THE P-Y CURVE AT STATION 3 NEEDS AT LEAST TWO POINTS WITH DIFFERENT DEFLECTIONS");
        }
    }
}

TEST(UserSoilCurve, InterpolatesAtOrBelowTheFreeHeightWhateverTheRoundingOfStationTimesIncrement) {
    EXPECT_LT(3 * 0.7, 2.1);
    EXPECT_TRUE(userCurveInterpolates(3, 0.7, 2.1));
    EXPECT_TRUE(userCurveInterpolates(4, 0.7, 2.1));
    EXPECT_FALSE(userCurveInterpolates(2, 0.7, 2.1));
    EXPECT_TRUE(userCurveInterpolates(10, 12, 120));
    EXPECT_FALSE(userCurveInterpolates(9, 12, 120));
}

// Curves that are straight lines p = c - k y over the deflections used.
SoilCurve line(int station, bool interpolate, double k, double c) {
    return curve({{-10, c + 10 * k}, {10, c - 10 * k}}, station, interpolate);
}

struct Tables {
    StationArray y{10}, qw{10}, sw{10};
    bool add(const std::vector<SoilCurve>& curves, int excavation = -1) {
        return addSoilCurves(curves, y, qw, sw, {excavation});
    }
};

TEST(SoilCurveSpreading, SingleCurveActsAtItsOwnStation) {
    Tables t;
    EXPECT_TRUE(t.add({line(5, false, 100, 7)}));  // a two-point curve is off-curve
    for (int i = -3; i <= 13; ++i) {
        EXPECT_EQ(t.sw[i], i == 5 ? 100 : 0) << i;
        EXPECT_EQ(t.qw[i], i == 5 ? 7 : 0) << i;
    }
}

TEST(SoilCurveSpreading, InterpolatingCurvesShareTheStationsBetweenThemWithHalvesAtTheEnds) {
    Tables t;
    t.add({line(2, true, 100, 10), line(6, true, 300, 30), line(8, false, 300, 30)});
    EXPECT_DOUBLE_EQ(t.sw[2], 50);
    EXPECT_DOUBLE_EQ(t.sw[4], 200);
    EXPECT_DOUBLE_EQ(t.qw[4], 20);
    EXPECT_DOUBLE_EQ(t.sw[6], 300);  // half from each span
    EXPECT_DOUBLE_EQ(t.sw[7], 300);
    EXPECT_DOUBLE_EQ(t.sw[8], 150);
    EXPECT_EQ(t.sw[9], 0);
}

TEST(SoilCurveSpreading, SpanIsCutBackAtTheTipAndCurvesAtOrBelowItAddNothing) {
    Tables t;
    t.add({line(6, true, 100, 0), line(14, false, 900, 0), line(11, false, 5, 0)});
    EXPECT_DOUBLE_EQ(t.sw[8], 100 + 800 * 2 / 8.0);
    EXPECT_DOUBLE_EQ(t.sw[10], 0.5 * (100 + 800 * 4 / 8.0));
    EXPECT_EQ(t.sw[11], 0);
}

TEST(SoilCurveSpreading, RepeatedStationContinuesFromTheEarlierCurve) {
    Tables t;
    t.add({line(2, true, 100, 0), line(2, true, 500, 0), line(4, false, 300, 0)});
    EXPECT_DOUBLE_EQ(t.sw[3], 200);
}

TEST(SoilCurveSpreading, ExcavationStationTakesTheStiffnessButNotTheLoad) {
    Tables t;
    t.add({line(3, true, 100, 10), line(5, false, 100, 10)}, 4);
    EXPECT_EQ(t.sw[4], 100);
    EXPECT_EQ(t.qw[4], 0);
    EXPECT_EQ(t.qw[3], 5);
}

TEST(SoilCurveSpreading, ShallowerCurveAfterAnInterpolatingOneEndsTheRun) {
    Tables t;
    try {
        t.add({line(5, true, 1, 0), line(4, false, 1, 0)});
        FAIL() << "accepted";
    } catch (const DataError& e) {
        EXPECT_STREQ(e.what(), "ERROR STOP -- STATIONS NOT IN ORDER");
    }
}

}  // namespace
}  // namespace korvex
