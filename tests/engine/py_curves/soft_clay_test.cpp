#include "py_curves/soil_models.h"
#include "py_test_support.h"

#include "core/list_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::py {
namespace {

using test::ReportSink;
using test::siteAt;

CurveSite softClaySite(double x, double c, double gamma, double e50) {
    CurveSite s = siteAt(x);
    s.c = c;
    s.gamma = gamma;
    s.e50 = e50;
    return s;
}

TEST(SoftClay, UltimateResistanceByDepthAndSpacing) {
    struct Case {
        const char* name;
        double x, ratio;
        Side side;
        double pu;
    };
    // c = 20, gamma = 0.04, b = 12, E50 = 0.02 (y50 = 0.6); H = 100.
    const Case cases[] = {
        {"surface: Np = 3", 0.0, 2.0, Side::Excavation, 720.0},
        {"deep: Np capped at 9", 200.0, 2.0, Side::Excavation, 9 * 20 * 12.0},
        {"continuous wall, excavation side", 10.0, 1.0, Side::Excavation, 10 * 0.04 * 12 + 2 * 20 * 12.0},
        {"continuous wall, backfill side at H + x", 10.0, 1.0, Side::Backfill, 110 * 0.04 * 12 + 2 * 20 * 12.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurveSite s = softClaySite(c.x, 20.0, 0.04, 0.02);
        s.ratio = c.ratio;
        ReportSink sink;
        const BranchPoints pts = makeSoftClay()->branch(s, c.side, 0.0, sink.report());
        EXPECT_NEAR(pts[15].y, 4.8, 1e-6);  // point 16 at 8 y50 carries pu
        EXPECT_NEAR(pts[15].p, c.pu, 1e-4 * c.pu);
        EXPECT_DOUBLE_EQ(pts[16].p, c.pu);
        EXPECT_DOUBLE_EQ(pts[0].p, 0.0);
        EXPECT_NEAR(pts[5].p, 0.5 * c.pu * std::cbrt(pts[5].y / 0.6), 1e-5 * c.pu);  // cube-root form
    }
}

TEST(SoftClay, ZeroCohesionResistsNothingBeforeTheOffset) {
    CurveSite s = softClaySite(30.0, 0.0, 0.04, 0.02);
    ReportSink sink;
    for (const CurvePoint& pt : makeSoftClay()->branch(s, Side::Excavation, 0.0, sink.report())) EXPECT_EQ(pt.p, 0.0);
}

TEST(SoftClay, MultipliersAndOffsetActOnEveryPointBySide) {
    CurveSite s = softClaySite(0.0, 20.0, 0.04, 0.02);
    s.multipliers = {0.5, 2.0};
    ReportSink sink;
    const BranchPoints exc = makeSoftClay()->branch(s, Side::Excavation, 10.0, sink.report());
    const BranchPoints back = makeSoftClay()->branch(s, Side::Backfill, 10.0, sink.report());
    EXPECT_NEAR(exc[15].y, 9.6, 1e-6);
    EXPECT_NEAR(exc[16].p, 0.5 * 720 - 10, 1e-9);
    EXPECT_DOUBLE_EQ(exc[0].p, -10.0);
    EXPECT_DOUBLE_EQ(back[0].p, 10.0);
}

TEST(SoftClay, TinyDeflectionsUseTheSecantModulusAndWarn) {
    CurveSite s = softClaySite(0.0, 20.0, 0.04, 1.0e-16);  // y50 = 3E-15: the first points fall below 1E-14
    ReportSink sink;
    const BranchPoints pts = makeSoftClay()->branch(s, Side::Excavation, 0.0, sink.report());
    const double y50 = 2.5 * 1.0e-16 * 12;
    const double ei = 0.5 * 720 * std::pow(y50 / double(1.0E-14f), double(0.6666667f)) / y50;
    EXPECT_NEAR(pts[1].p, ei * pts[1].y, 1e-9 * ei * pts[1].y);
    EXPECT_TRUE(sink.contains("DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM"));
    EXPECT_TRUE(sink.contains("USED A SOIL MODULUS OF "));
}

TEST(SoftClay, ZeroE50EndsTheRunNamingTheLayer) {
    CurveSite s = softClaySite(5.0, 20.0, 0.04, 0.0);
    s.layerNumber = 2;
    ReportSink sink;
    try {
        makeSoftClay()->branch(s, Side::Excavation, 0.0, sink.report());
        FAIL() << "no DataError";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("SOIL LAYER 2"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("E50"), std::string::npos) << e.what();
    }
}

TEST(SoftClay, EquivalentDepthCarriesTheResistanceAbove) {
    // pu(x) = 3cb + gamma b x + 0.5 c x for c = 20, gamma = 0.04, b = 12; the integral to
    // 50 is 49100; beyond xr = 1440 / 10.48 the resistance grows by 9cb per unit depth.
    const CurveSite s = softClaySite(0.1, 20.0, 0.04, 0.02);
    const auto model = makeSoftClay();
    EXPECT_NEAR(model->equivalentDepth(s, 49100.0), 50.0, 1e-9);
    const double xr = 1440.0 / 10.48;
    const double fr = 0.48 * xr * xr / 2 + 720 * xr + 20 * xr * xr / 4;
    EXPECT_NEAR(model->equivalentDepth(s, fr + 9 * 20 * 12 * 10.0), xr + 10.0, 1e-9);
    EXPECT_EQ(makeSoftClay()->equivalentDepth(softClaySite(0.1, 0.0, 0.04, 0.02), 500.0), 0.0);
}

}  // namespace
}  // namespace korvex::py
