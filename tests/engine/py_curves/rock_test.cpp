#include "py_curves/soil_models.h"
#include "py_test_support.h"

#include "core/list_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::py {
namespace {

using test::ReportSink;
using test::siteAt;

BranchPoints branchOf(SoilModel& model, const CurveSite& s, Side side = Side::Excavation) {
    ReportSink sink;
    return model.branch(s, side, 0.0, sink.report());
}

TEST(StrongRock, TrilinearCurveWithBrittleDrop) {
    // qu = 2000, b = 12: c = 1000, y1 = 0.0048, p1 = 9600, y2 = 0.0288, pu = 12000.
    struct Case {
        const char* name;
        Multipliers m;
        Side side;
        double residual;
    };
    const Case cases[] = {
        {"excavation side", {1.0, 1.0}, Side::Excavation, 0.5 * 0.05 * 12 * 24},
        {"backfill side, residual at H + x", {1.0, 1.0}, Side::Backfill, 0.5 * 0.05 * 12 * 124},
        {"multipliers scale the rising lines only", {0.5, 0.5}, Side::Excavation, 0.5 * 0.05 * 12 * 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurveSite s = siteAt(24.0);
        s.c = 2000;
        s.gamma = 0.05;
        s.multipliers = c.m;
        const BranchPoints pts = branchOf(*makeStrongRock(), s, c.side);
        const double pm = c.m.p, ym = c.m.y;
        const double y[] = {0, 0.00192 * 2, 0.00192 * 3, 0.00192 * 14};
        const double p[] = {0, 7680, 9696, 11808};  // Kir y below y1; p1 + 100 c (y - y1) above
        const int index[] = {0, 2, 3, 14};
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(pts[index[i]].y, ym * y[i], 1e-6 * y[i]) << "point " << index[i] + 1;
            EXPECT_NEAR(pts[index[i]].p, pm * p[i], 1e-6 * p[i]) << "point " << index[i] + 1;
        }
        EXPECT_NEAR(pts[15].y, ym * 0.0288, 1e-8);
        EXPECT_NEAR(pts[16].y, ym * 0.0288 * 16 / 15, 1e-8);
        EXPECT_NEAR(pts[15].p, c.residual, 1e-9);
        EXPECT_NEAR(pts[16].p, c.residual, 1e-9);
    }
}

TEST(StrongRock, NoStrengthEndsTheRun) {
    EXPECT_THROW(branchOf(*makeStrongRock(), siteAt(24.0)), DataError);
}

CurveSite weakRockSite(double x, double rqd) {
    CurveSite s = siteAt(x);
    s.c = 1000;               // qu at x
    s.averageCohesion = 800;  // qa
    s.e50 = 0.0005;           // krm
    s.kpy = 1.0e5;            // Em
    s.coefficient = rqd;
    return s;
}

TEST(WeakRock, StrengthReducedByRockQuality) {
    // At 12 yrm the quarter-power part gives 0.5 pur 12^0.25, below the cap pur.
    const BranchPoints full = branchOf(*makeWeakRock(), weakRockSite(60.0, 0.0));
    const BranchPoints reduced = branchOf(*makeWeakRock(), weakRockSite(60.0, 100.0));
    const double pur = 5.2 * 800 * 12;  // xr beyond 3b, alpha_r = 1
    EXPECT_NEAR(full[16].p, 0.5 * pur * std::pow(12.0, 0.25), 1e-4 * pur);
    EXPECT_NEAR(reduced[16].p / full[16].p, 1.0 / 3.0, 1e-6);  // alpha_r = 1 - (2/3) RQD / 100
    EXPECT_NEAR(full[16].y, 12 * 0.0005 * 12, 1e-12);
}

TEST(WeakRock, InitialLineFromTheFirstPointAndContinuityAtThreeWidths) {
    const CurveSite shallow = weakRockSite(36.0 - 1e-6, 0.0);
    const BranchPoints below = branchOf(*makeWeakRock(), shallow);
    const BranchPoints above = branchOf(*makeWeakRock(), weakRockSite(36.0, 0.0));
    const double yrm = 0.0005 * 12;
    EXPECT_NEAR(below[0].y, 0.0005 * yrm, 1e-6 * below[0].y);  // neither branch starts at zero deflection
    EXPECT_NEAR(below[0].p, 500 * 1.0e5 * below[0].y, 1e-3 * below[0].p);
    for (size_t k = 0; k < below.size(); ++k) EXPECT_NEAR(below[k].p, above[k].p, 1e-6 * above[k].p) << k;
}

TEST(WeakRock, UndefinedInputEndsTheRun) {
    struct Case {
        const char* name;
        void (*spoil)(CurveSite&);
    };
    const Case cases[] = {
        {"krm = 0", [](CurveSite& s) { s.e50 = 0; }},
        {"Em = 0", [](CurveSite& s) { s.kpy = 0; }},
        {"qu = 0 below the first curve", [](CurveSite& s) { s.c = 0; s.curveInLayer = 2; }},
    };
    for (const Case& c : cases) {
        CurveSite s = weakRockSite(30.0, 50.0);
        c.spoil(s);
        EXPECT_THROW(branchOf(*makeWeakRock(), s), DataError) << c.name;
    }
    CurveSite first = weakRockSite(30.0, 50.0);
    first.c = 0;
    first.averageCohesion = 0;
    for (const CurvePoint& pt : branchOf(*makeWeakRock(), first)) EXPECT_EQ(pt.p, 0.0);  // zero resistance
}

}  // namespace
}  // namespace korvex::py
