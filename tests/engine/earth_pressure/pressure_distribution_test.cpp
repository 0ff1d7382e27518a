#include "earth_pressure/pressure_distribution.h"

#include "core/list_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace korvex::earth_pressure {
namespace {

constexpr double kRad = 3.141592653589793 / 180;

double tan2(double degrees) { return std::pow(std::tan(degrees * kRad), 2); }

double slopedKa(double phi, double beta) {
    const double cb = std::cos(beta * kRad), cp = std::cos(phi * kRad);
    const double r = std::sqrt(cb * cb - cp * cp);
    return cb * (cb - r) / (cb + r);
}

TEST(Coefficients, LevelAndSlopedBackfill) {
    struct Case {
        double phi, beta;
        double ka, kp;
        bool steep;
    };
    const std::vector<Case> cases = {
        {30, 0, 1.0 / 3.0, 3.0, false},
        {0, 0, 1.0, 1.0, false},  // clay: Ka = Kp = 1
        {35, 0, tan2(27.5), tan2(62.5), false},
        {30, 15, slopedKa(30, 15), 3.0, false},
        {30, -15, slopedKa(30, 15), 3.0, false},
        {30, 30, 1.0 / 3.0, 3.0, true},  // slope equal to phi: level-ground Ka kept
        {30, -35, 1.0 / 3.0, 3.0, true},
        {0, 10, 1.0, 1.0, true},  // clay behind any slope
    };
    for (const Case& c : cases) {
        const Coefficients k = earthPressureCoefficients(c.phi, c.beta);
        EXPECT_NEAR(k.ka, c.ka, 2e-6) << c.phi << ", " << c.beta;
        EXPECT_NEAR(k.rootKa * k.rootKa, k.ka, 1e-12);
        EXPECT_NEAR(k.kp, c.kp, 2e-5) << c.phi << ", " << c.beta;
        EXPECT_EQ(k.slopeTooSteep, c.steep) << c.phi << ", " << c.beta;
    }
}

TEST(Coefficients, AFrictionAngleBeyondNinetyDegreesNeverGivesNotANumber) {
    // cos^2(100) < cos^2(120): the sloped form has no root; level-ground Ka is kept.
    const Coefficients k = earthPressureCoefficients(120, 100);
    EXPECT_TRUE(k.slopeTooSteep);
    EXPECT_TRUE(std::isfinite(k.ka) && std::isfinite(k.rootKa));
    EXPECT_NEAR(k.ka, tan2(-15), 1e-6);
}

WorkingLayer layer(double ztop, double t, double gamma, double c, double phi, double sv) {
    WorkingLayer l;
    l.ztop = ztop;
    l.thickness = t;
    l.gamma = gamma;
    l.strength = c;
    l.phi = phi;
    l.overburden = sv;
    const Coefficients k = earthPressureCoefficients(phi, 0);
    l.ka = k.ka;
    l.rootKa = k.rootKa;
    return l;
}

TEST(LayerResultants, SandClayAndTensionZone) {
    const double gw = 0.036;
    const CurrentSurcharge none;
    // Dry sand 0..120: PA2 = 0.5 Ka gamma H^2 at 2H/3.
    WorkingLayer sand = layer(0, 120, 0.0694, 0, 30, 0);
    computeLayerResultants(sand, 120 * 0.0694, 120, gw, none, 120, 1);
    EXPECT_NEAR(sand.pa1, 0.0, 1e-12);
    EXPECT_NEAR(sand.pa2, 0.5 * sand.ka * 0.0694 * 120 * 120, 1e-9);
    EXPECT_NEAR(sand.z1, 60, 1e-12);
    EXPECT_NEAR(sand.z2, 80, 1e-12);

    // Sand below water with overburden at its top: buoyant weight; t^2 is
    // formed before it multiplies 0.5 gamma'.
    const double t = 77.3;
    WorkingLayer wet = layer(40, t, 0.07, 0, 30, 2.0);
    wet.belowWater = true;
    computeLayerResultants(wet, 0, 40 + t, gw, none, 120, 2);
    EXPECT_NEAR(wet.pa1, 2.0 * wet.ka * t, 1e-9);
    EXPECT_EQ(wet.pa2, 0.5 * (0.07 - gw) * (t * t) * wet.ka * 1.0);

    // Clay (phi = 0, c = 2) from the surface: tension down to 2c / gamma.
    const double c = 2.0, g = 0.07, h = 120;
    WorkingLayer clay = layer(0, h, g, c, 0, 0);
    clay.drained = false;
    computeLayerResultants(clay, g * h, h, gw, none, h, 1);
    const double a = 2 * c, b = g * h - 2 * c, zc = b * h / (a + b);
    EXPECT_DOUBLE_EQ(clay.pa1, 0.0);
    EXPECT_DOUBLE_EQ(clay.pa2, 0.0);
    EXPECT_DOUBLE_EQ(clay.pa3, 0.0);
    // Ka = tan^2(45 deg) is 1 within the single-precision degrees per radian.
    EXPECT_NEAR(clay.zc, h - 2 * c / g, 1e-4);
    EXPECT_NEAR(clay.zc, zc, 1e-4);
    EXPECT_NEAR(clay.pa4, zc * b / 2, 1e-3);
    EXPECT_NEAR(clay.z3, h - zc / 3, 1e-4);

    // Clay so strong that no part pushes: PA4 = 0.
    WorkingLayer strong = layer(0, h, g, 10, 0, 0);
    computeLayerResultants(strong, g * h, h, gw, none, h, 1);
    EXPECT_DOUBLE_EQ(strong.pa4, 0.0);

    // A weightless cohesive layer has no tension-zone depth: data error, no division by zero.
    WorkingLayer weightless = layer(0, h, 0, c, 0, 0);
    EXPECT_THROW(computeLayerResultants(weightless, 0, h, gw, none, h, 3), DataError);
}

TEST(LayerResultants, SurchargeForceOfTenSlicesPerLoad) {
    CurrentSurcharge s;
    s.point = 500;
    s.line = 100;
    s.x = 60;  // m = 0.5 > 0.4: the factor 1.273 for the line load
    const double ztop = 7.3, t = 33.7, h = 120;
    // Each load in turn adds its ten slices to the force, slice s at ztop + s t / 10.
    double expected = 2.5;
    for (int k = 1; k <= 10; ++k) expected += t / 10 * pointLoadPressure(500, 60, h, ztop + k * t / 10);
    for (int k = 1; k <= 10; ++k)
        expected += t / 10 * lineLoadPressure(100, 60, h, ztop + k * t / 10, SurchargeConstants::LayerResultant);
    EXPECT_EQ(addSurchargeForce(2.5, s, h, ztop, t), expected);

    s.point = 0;
    s.line = 0.9e-4;  // 1.0E-4 or less: too small to count
    EXPECT_EQ(addSurchargeForce(2.5, s, h, ztop, t), 2.5);
}

// F sums the trapezoids of the rows above the excavation over the nominal
// step: (P1 before + P1) x 0.5 x (1/s), with 1/s = 0.05 in SI units.
TEST(PressureTable, ForceAboveTheExcavationUsesTheNominalStep) {
    SoilProfile profile;
    profile.layers = {layer(0, 3.0, 18.0, 0, 30, 10.0), layer(3.0, 5.0, 18.0, 0, 30, 10.0 + 18.0 * 3.0)};
    profile.excavationLayer = 1;
    TableInput in;
    in.units = 2;
    in.freeHeight = 3.0;
    in.wallLength = 8.0;
    in.waterTable = in.excavationWater = 1.0e6;
    in.gammaW = 9.81;
    in.q = 10.0;
    in.excavationOverburden = 10.0 + 18.0 * 3.0;
    const PressureTable table = buildPressureTable(profile, in, SurchargePressure({}, 0, 0));
    ASSERT_EQ(table.rows.size(), 161u);
    ASSERT_EQ(table.excavationRow, 60);
    double force = 0;
    for (int k = 1; k <= table.excavationRow; ++k)
        force += (table.rows[k - 1].total + table.rows[k].total) * 0.5 * (1.0 / 20);
    EXPECT_EQ(table.forceAboveExcavation, force);
}

}  // namespace
}  // namespace korvex::earth_pressure
