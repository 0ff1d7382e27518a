#include "py_curves/soil_models.h"
#include "py_test_support.h"

#include "core/list_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::py {
namespace {

using test::ReportSink;
using test::siteAt;

CurveSite claySite(double x, double c, double e50, double k = 1.0e6) {
    CurveSite s = siteAt(x);
    s.c = c;
    s.averageCohesion = c;
    s.gamma = 0.04;
    s.e50 = e50;
    s.kpy = k;
    return s;
}

BranchPoints excavationBranch(SoilModel& model, const CurveSite& s) {
    ReportSink sink;
    model.beginCurve(s);
    return model.branch(s, Side::Excavation, 0.0, sink.report());
}

TEST(StiffClayWithoutFreeWater, UltimateResistanceAndQuarterPowerCurve) {
    struct Case {
        const char* name;
        double x, ratio, pu;
    };
    // c = ca = 10, gamma = 0.04, b = 12.
    const Case cases[] = {
        {"shallow: 3 ca b + gamma b x + 0.5 ca x", 12.0, 2.0, 360 + 5.76 + 60},
        {"deep: 9 c b", 500.0, 2.0, 1080.0},
        {"continuous wall: gamma b x + 2 c b", 12.0, 1.0, 5.76 + 240},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurveSite s = claySite(c.x, 10.0, 0.005);
        s.ratio = c.ratio;
        const BranchPoints pts = excavationBranch(*makeStiffClayWithoutFreeWater(), s);
        EXPECT_EQ(pts[0].p, 0.0);
        EXPECT_NEAR(pts[13].p, 0.5 * std::pow(8.0, 0.25) * c.pu, 1e-9 * c.pu);  // 0.84 pu at 8 y50
        for (int k = 14; k < 17; ++k) EXPECT_NEAR(pts[k].p, c.pu, 1e-9 * c.pu) << "point " << k + 1;
        EXPECT_NEAR(pts[14].y, 16 * 2.5 * 0.005 * 12, 1e-12);
        EXPECT_NEAR(pts[16].y, 20 * 2.5 * 0.005 * 12, 1e-12);
    }
}

// Residual plateau of the curve with free water: pc (0.5 sqrt(6A) - 0.411 - 0.75 A).
double residual(double pc, double a) { return pc * (0.5 * std::sqrt(6 * a) - 0.411 - 0.75 * a); }

TEST(StiffClayWithFreeWater, UltimateResistanceChartFactorAndCurveShape) {
    struct Case {
        const char* name;
        double x, pc, a;
    };
    // c = ca = 10, gamma = 0.04, b = 12; A from the chart at x / b.
    const Case cases[] = {
        {"shallow: 2 ca b + gamma b x + 2.83 ca x", 12.0, 240 + 5.76 + 339.6, 0.223},
        {"between chart points", 30.0, 240 + 14.4 + 849, 0.505},
        {"deep: 11 c b, chart continued beyond x / b = 5", 600.0, 1320.0, double(0.6f) + double(0.6f - 0.59f) * 45},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BranchPoints pts = excavationBranch(*makeStiffClayWithFreeWater(), claySite(c.x, 10.0, 0.005));
        const double y50 = 0.005 * 12;
        EXPECT_NEAR(pts[2].y, c.a * y50, 1e-5 * y50);
        EXPECT_NEAR(pts[2].p, 0.5 * c.pc * std::sqrt(c.a), 1e-5 * c.pc);
        EXPECT_NEAR(pts[11].y, 5.5 * c.a * y50, 1e-5 * y50);  // softening part
        EXPECT_NEAR(pts[11].p, 0.5 * c.pc * std::sqrt(5.5 * c.a) - 0.055 * c.pc * std::pow(4.5, 1.25), 1e-5 * c.pc);
        EXPECT_NEAR(pts[14].p, residual(c.pc, c.a) + 0.25 * c.pc * c.a, 1e-5 * c.pc);  // falling to the residual
        EXPECT_NEAR(pts[16].y, 200 * c.a * y50, 1e-5 * y50);
        EXPECT_NEAR(pts[16].p, residual(c.pc, c.a), 1e-5 * c.pc);
    }
}

TEST(StiffClayWithFreeWater, PointThirteenEndsTheSofteningPartAtSixAY50) {
    // x / b = 1 (A = 0.223), y50 = 0.3: the twelve steps of 0.5 A y50 reach 6 A y50 taken as (6 A) y50.
    const BranchPoints pts = excavationBranch(*makeStiffClayWithFreeWater(), claySite(12.0, 10.0, 0.025));
    const double pc = 240 + 5.76 + 339.6;
    const double a = double(0.223f);
    EXPECT_NEAR(pts[12].p, 0.5 * pc * std::sqrt(6 * a) - 0.055 * pc * std::pow(5.0, 1.25), 1e-7 * pc);
}

TEST(StiffClayWithFreeWater, InitialLineCapsTheCurve) {
    const double k = 50.0;
    const BranchPoints pts = excavationBranch(*makeStiffClayWithFreeWater(), claySite(12.0, 10.0, 0.005, k));
    EXPECT_DOUBLE_EQ(pts[1].p, k * 12.0 * pts[1].y);
}

TEST(StiffClayWithFreeWater, DeeperLayerAveragesCohesionOverItsCurves) {
    // c = 10, 20, 30 at x = 110, 120, 130: ca = 10, then 15, then 20.
    auto model = makeStiffClayWithFreeWater();
    const double expectedCa[] = {10, 15, 20};
    for (int j = 0; j < 3; ++j) {
        CurveSite s = claySite(110.0 + 10 * j, 10.0 * (j + 1), 0.005);
        s.layerNumber = 2;
        s.curveInLayer = j;
        s.averageCohesion = -1;  // not used below the first layer
        const BranchPoints pts = excavationBranch(*model, s);
        const double pct = 2 * expectedCa[j] * 12 + 0.04 * 12 * s.x + 2.83 * expectedCa[j] * s.x;
        const double pc = std::min(pct, 11 * s.c * 12);
        EXPECT_NEAR(pts[16].p, residual(pc, 0.6 + 0.01 * (s.x / 12 - 5)), 1e-5 * pc) << "curve " << j + 1;
    }
}

TEST(StiffClays, ValueLineOfTheBranchHeading) {
    struct Case {
        std::unique_ptr<SoilModel> model;
        const char* line;
    };
    Case cases[] = {
        {makeStiffClayWithFreeWater(), "\n     12.00    12.000   0.10D+02   0.10D+02   0.40D-01  0.5000D-02\n"},
        {makeStiffClayWithoutFreeWater(), "\n     12.00    12.000  0.10D+02  0.10D+02  0.40D-01  0.5000D-02\n"},
    };
    for (Case& c : cases) {
        ReportSink sink;
        const CurveSite s = claySite(12.0, 10.0, 0.005);
        c.model->beginCurve(s);
        c.model->branch(s, Side::Excavation, 0.0, sink.report());
        EXPECT_TRUE(sink.contains(c.line)) << sink.text.str();
    }
}

TEST(StiffClays, ZeroE50EndsTheRun) {
    for (auto make : {makeStiffClayWithFreeWater, makeStiffClayWithoutFreeWater})
        EXPECT_THROW(excavationBranch(*make(), claySite(10.0, 10.0, 0.0)), DataError);
}

}  // namespace
}  // namespace korvex::py
