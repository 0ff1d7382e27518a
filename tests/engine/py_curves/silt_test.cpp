#include "py_curves/sand_resistance.h"
#include "py_curves/soil_models.h"
#include "py_test_support.h"

#include "core/list_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::py {
namespace {

using test::ReportSink;
using test::siteAt;

const double kPi = 4 * std::atan(1.0);

CurveSite siltSite(double x, double c, double k) {
    CurveSite s = siteAt(x);
    s.phi = 30 * double(3.1416f) / 180;
    s.c = c;
    s.gamma = 0.04;
    s.kpy = k;
    return s;
}

BranchPoints branchOf(const CurveSite& s) {
    ReportSink sink;
    return makeSilt()->branch(s, Side::Excavation, 0.0, sink.report());
}

// Frictional resistance ps at depth x (phi = 30 degrees, gamma 0.04, b 12).
double frictional(const CurveSite& s, double x) {
    const FrictionAngles f(s.phi, kPi);
    return std::min(wedgeResistance(f, s.gamma, s.b, x), flowAroundResistance(f, s.gamma, s.b, x));
}

TEST(Silt, LayoutsByWhereTheInitialLineMeetsTheCurve) {
    const double ym = 12 / 60.0, yu = 3 * 12 / 80.0;
    {
        SCOPED_TRACE("stiff k, no cohesion: parabola to pm = 1.5 ps, segment to pu = A ps");
        const CurveSite s = siltSite(12.0, 0.0, 1.0e6);
        const double ps = frictional(s, 12.0);
        const BranchPoints pts = branchOf(s);
        EXPECT_NEAR(pts[12].y, ym, 1e-12);
        EXPECT_NEAR(pts[12].p, 1.5 * ps, 1e-9 * ps);
        EXPECT_NEAR(pts[15].y, yu, 1e-12);
        EXPECT_NEAR(pts[15].p, double(2.11f) * ps, 1e-6 * ps);
        EXPECT_DOUBLE_EQ(pts[1].p, 1.0e6 * 12 * pts[1].y);
    }
    {
        SCOPED_TRACE("deep silt, A < 1.5: the segment falls from pm to pu");
        const CurveSite s = siltSite(48.0, 0.0, 1.0e6);
        const double ps = frictional(s, 48.0);
        const BranchPoints pts = branchOf(s);
        EXPECT_NEAR(pts[12].p, 1.5 * ps, 1e-9 * ps);
        EXPECT_NEAR(pts[15].p, 0.9 * ps, 1e-6 * ps);
    }
    {
        SCOPED_TRACE("initial line meets the segment at yi = 0.3");
        CurveSite s = siltSite(12.0, 0.0, 1.0);
        const double ps = frictional(s, 12.0);
        const double pm = 1.5 * ps, pu = double(2.11f) * ps, m = (pu - pm) / (yu - ym);
        const double kx = (pm + m * (0.3 - ym)) / 0.3;
        s.kpy = kx / 12.0;
        const BranchPoints pts = branchOf(s);
        EXPECT_NEAR(pts[8].y, 0.3, 1e-6);
        EXPECT_NEAR(pts[8].p, kx * 0.3, 1e-6 * pu);
        EXPECT_NEAR(pts[14].y, yu, 1e-12);
        EXPECT_NEAR(pts[14].p, pu, 1e-6 * pu);
        EXPECT_NEAR(pts[16].y, 1.2 * yu, 1e-6);
    }
    {
        SCOPED_TRACE("soft k: straight line to pu, then the plateau");
        const CurveSite s = siltSite(12.0, 5.0, 0.01);
        const double pu = double(2.11f) * frictional(s, 12.0);
        const BranchPoints pts = branchOf(s);
        const double y2 = pu / (0.01 * 12);
        EXPECT_NEAR(pts[12].y, y2, 1e-9 * y2);
        EXPECT_NEAR(pts[6].p, 0.01 * 12 * pts[6].y, 1e-9 * pu);
        for (int k = 12; k < 17; ++k) EXPECT_NEAR(pts[k].p, pu, 1e-6 * pu) << "point " << k + 1;
    }
}

TEST(Silt, CohesivePartOfTheSoftClayFormCappedAtNine) {
    // pm - 1.5 ps = Np c b with Np = 3 + gamma x / c + 0.5 x / b, at most 9.
    for (auto [x, np] : {std::pair{12.0, 3 + 0.04 * 12 / 10 + 0.5}, std::pair{240.0, 9.0}}) {
        const CurveSite s = siltSite(x, 10.0, 1.0e6);
        EXPECT_NEAR(branchOf(s)[12].p, 1.5 * frictional(s, x) + np * 10 * 12, 1e-6 * np * 120) << x;
    }
}

TEST(Silt, OffsetAndEquivalentDepth) {
    CurveSite s = siltSite(0.1, 5.0, 1.0e6);
    s.excavationOverburden = 100;
    const double ka = std::pow(std::tan(kPi / 4 - s.phi / 2), 2);
    EXPECT_NEAR(makeSilt()->activeOffset(s), 12 * (ka * 100 - 10 * std::sqrt(ka)), 1e-9);
    const FrictionAngles f(s.phi, kPi);
    const double xr = wedgeTerms(f, s.b).xr;
    const double h = 0.6 * xr;
    double resistance = 0;
    const int n = 20000;
    const auto rate = [&](double x) {
        return sandFactors(x / 12).a * wedgeResistance(f, 0.04, 12, x) + 3 * 5 * 12 + 0.04 * 12 * x + 0.5 * 5 * x;
    };
    for (int i = 0; i < n; ++i) resistance += (rate(h * i / n) + rate(h * (i + 1) / n)) / 2 * h / n;
    EXPECT_NEAR(makeSilt()->equivalentDepth(s, resistance), h, 0.02 * h);
}

TEST(Silt, NoFrictionEndsTheRunWithTheSlopeWarning) {
    CurveSite s = siltSite(12.0, 5.0, 1.0e6);
    s.phi = 0;
    try {
        branchOf(s);
        FAIL() << "no DataError";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("The Angle of the slope can not"), std::string::npos);
    }
    EXPECT_THROW(branchOf(siltSite(12.0, 5.0, 0.0)), DataError);  // k = 0
}

}  // namespace
}  // namespace korvex::py
