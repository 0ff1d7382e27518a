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

constexpr double kDegrees = double(3.1416f) / 180.0;

CurveSite sandSite(double x, double k = 1.0e6) {
    CurveSite s = siteAt(x);
    s.phi = 30 * kDegrees;
    s.gamma = 0.04;
    s.kpy = k;
    return s;
}

BranchPoints branchOf(const CurveSite& s, Side side = Side::Excavation, double offset = 0.0) {
    ReportSink sink;
    return makeSand()->branch(s, side, offset, sink.report());
}

TEST(SandFactors, LookupByDepthToWidthRatio) {
    struct Case {
        double ratio, a, b;
    };
    const Case cases[] = {{0.25, 2.655, 1.985}, {1.0, 2.11, 1.54}, {3.5, 0.98, 0.62},
                          {6.0, 0.88, 0.50},    {10.0, 0.88, 0.50}};
    for (const Case& c : cases) {
        const SandFactors f = sandFactors(c.ratio);
        EXPECT_NEAR(f.a, c.a, 1e-6) << c.ratio;
        EXPECT_NEAR(f.b, c.b, 1e-6) << c.ratio;
    }
}

TEST(Sand, UltimateResistanceFromWedgeFlowAroundOrCoulomb) {
    // phi = 30 degrees, gamma = 0.04, b = 12: pst = gamma x (1.9117 x + 2.6667 b),
    // psd = 28.745 gamma b x, Kpc(30, 15) = 4.977.
    struct Case {
        const char* name;
        double x, ratio, pu;
    };
    const Case cases[] = {
        {"wedge near the surface, A at x / b = 1", 12.0, 2.0, 2.11 * 0.48 * (1.9117 * 12 + 32.0)},
        {"flow around at depth, A = 0.88", 240.0, 2.0, 0.88 * 28.745 * 0.48 * 240},
        {"continuous wall: Coulomb passive", 12.0, 1.0, 2.11 * 12 * 4.977 * 0.04 * 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurveSite s = sandSite(c.x);
        s.ratio = c.ratio;
        const BranchPoints pts = branchOf(s);
        EXPECT_NEAR(pts[15].p, c.pu, 1e-3 * c.pu);  // points 16 and 17 carry pu
        EXPECT_DOUBLE_EQ(pts[16].p, pts[15].p);
        EXPECT_NEAR(pts[15].y, 3 * 12 / 80.0, 1e-12);
        EXPECT_EQ(pts[0].p, 0.0);
    }
}

TEST(Sand, StiffInitialLineStartsTheCurve) {
    const CurveSite s = sandSite(12.0);
    const BranchPoints pts = branchOf(s);
    const double kx = 1.0e6 * 12.0;
    EXPECT_LT(pts[2].y, pts[12].y / 5);  // ya = yk, below ym / 5
    EXPECT_DOUBLE_EQ(pts[1].p, kx * pts[1].y);
    EXPECT_NEAR(pts[2].p, kx * pts[2].y, 1e-9 * pts[2].p);
    EXPECT_NEAR(pts[12].y, 12 / 60.0, 1e-12);
}

TEST(Sand, SoftInitialLineRunsStraightToTheUltimateResistance) {
    const double k = 1.0, x = 12.0;
    const BranchPoints pts = branchOf(sandSite(x, k));
    const double pu = 2.11 * 0.48 * (1.9117 * 12 + 32.0);
    EXPECT_NEAR(pts[15].y, pu / (k * x), 1e-3 * pts[15].y);
    for (int i = 1; i < 16; ++i) EXPECT_NEAR(pts[i].p, k * x * pts[i].y, 1e-9 * pu) << "point " << i + 1;
    EXPECT_NEAR(pts[16].p, pu, 1e-3 * pu);
}

TEST(Sand, OffsetIsTheGreaterOfEarthLoadAndActivePressure) {
    CurveSite s = sandSite(12.0);
    s.earthLoad = 100.0;
    s.excavationOverburden = 30.0;
    const auto sand = makeSand();
    EXPECT_NEAR(sand->activeOffset(s), 30.0 * 12 / 3, 1e-3);  // Ka = 1/3
    s.earthLoad = 1000.0;
    EXPECT_DOUBLE_EQ(sand->activeOffset(s), 500.0);  // w / R
    s.earthLoad = 0;
    s.excavationOverburden = 0;
    EXPECT_EQ(sand->activeOffset(s), 0.0);
}

TEST(Sand, EquivalentDepthReachesTheResistanceOfTheLayersAbove) {
    const CurveSite s = sandSite(0.1);
    const FrictionAngles f(s.phi, double(3.1416f));
    const double xr = wedgeTerms(f, s.b).xr;
    for (double h : {0.3 * xr, 0.8 * xr}) {
        // Independent integral of A pst by fine trapezoids.
        double resistance = 0;
        const int n = 20000;
        for (int i = 0; i < n; ++i) {
            const double x0 = h * i / n, x1 = h * (i + 1) / n;
            const auto r = [&](double x) { return sandFactors(x / s.b).a * wedgeResistance(f, s.gamma, s.b, x); };
            resistance += (r(x0) + r(x1)) / 2 * (x1 - x0);
        }
        EXPECT_NEAR(makeSand()->equivalentDepth(s, resistance), h, 0.02 * h);
    }
}

TEST(Sand, UndefinedInputEndsTheRun) {
    CurveSite noFriction = sandSite(12.0);
    noFriction.phi = 0;
    EXPECT_THROW(branchOf(noFriction), DataError);
    EXPECT_THROW(branchOf(sandSite(12.0, 0.0)), DataError);
    EXPECT_THROW(makeSand()->equivalentDepth(noFriction, 100.0), DataError);
}

}  // namespace
}  // namespace korvex::py
