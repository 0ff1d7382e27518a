#include "earth_pressure/surcharge_pressure.h"

#include "core/list_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace korvex {
namespace {

constexpr double kPi = 3.1416;

// One formula case: the load, the geometry and the hand-calculated pressure.
struct FormulaCase {
    const char* name;
    SurchargeLoad load;
    double h;
    double z;
    SurchargeConstants constants;
    double expected;
};

double pointNear(double q, double h, double n) { return 0.28 * q * n * n / (h * h * std::pow(0.16 + n * n, 3)); }
double pointFar(double q, double h, double m, double n) {
    return 1.77 * q * m * m * n * n / (h * h * std::pow(m * m + n * n, 3));
}
double strip(double factor, double q, double x, double b, double z) {
    const double t1 = std::atan((x - b / 2) / z), t2 = std::atan((x + b / 2) / z);
    const double beta = t2 - t1;
    return factor * q * (beta - std::sin(beta) * std::cos(t1 + t2));
}

TEST(SurchargeFormulas, MatchHandCalculations) {
    using C = SurchargeConstants;
    const std::vector<FormulaCase> cases = {
        // A point load at m = 0.4 H takes the first column, just beyond it the second.
        {"point at m = 0.4", {1, 100, 4.0, 0}, 10, 5, C::Pressure, pointNear(100, 10, 0.5)},
        {"point just beyond m = 0.4", {1, 100, 4.001, 0}, 10, 5, C::Pressure, pointFar(100, 10, 0.4001, 0.5)},
        {"point far", {1, 100, 8.0, 0}, 10, 3, C::Pressure, pointFar(100, 10, 0.8, 0.3)},
        {"unknown type is a point load", {7, 100, 8.0, 0}, 10, 3, C::Pressure, pointFar(100, 10, 0.8, 0.3)},
        {"line near", {2, 50, 2.0, 0}, 10, 4, C::Pressure, 0.203 * 50 * 0.4 / (10 * std::pow(0.16 + 0.16, 2))},
        {"line far", {2, 50, 6.0, 0}, 10, 4, C::Pressure, 4 / kPi * 50 * 0.36 * 0.4 / (10 * std::pow(0.36 + 0.16, 2))},
        {"line far, resultant constant", {2, 50, 6.0, 0}, 10, 4, C::LayerResultant,
         1.273 * 50 * 0.36 * 0.4 / (10 * std::pow(0.36 + 0.16, 2))},
        {"line near, resultant constant unchanged", {2, 50, 2.0, 0}, 10, 4, C::LayerResultant,
         0.203 * 50 * 0.4 / (10 * std::pow(0.16 + 0.16, 2))},
        {"strip", {3, 20, 5.0, 2.0}, 10, 5, C::Pressure, strip(2 / kPi, 20, 5, 2, 5)},
        {"strip straddling the wall", {3, 20, 0.5, 2.0}, 10, 3, C::Pressure, strip(2 / kPi, 20, 0.5, 2, 3)},
        {"strip, resultant constant", {3, 20, 5.0, 2.0}, 10, 5, C::LayerResultant, strip(0.6366, 20, 5, 2, 5)},
        {"strip of zero width", {3, 20, 5.0, 0.0}, 10, 5, C::Pressure, 0.0},
    };
    for (const FormulaCase& c : cases) {
        double got = 0;
        switch (c.load.type) {
        case 2:
            got = lineLoadPressure(c.load.magnitude, c.load.x, c.h, c.z, c.constants);
            break;
        case 3:
            got = stripLoadPressure(c.load.magnitude, c.load.x, c.load.width, c.z, c.constants);
            break;
        default:
            got = surchargeLoadPressure(c.load, c.h, c.z);
        }
        EXPECT_NEAR(got, c.expected, 1e-6 * std::fabs(c.expected) + 1e-12) << c.name;
    }
    // The strip's share 2 Q / 3.1416 is formed in that order.
    const double pi = static_cast<double>(3.1416f);
    const double t1 = std::atan(4.0 / 5), t2 = std::atan(6.0 / 5);
    EXPECT_EQ(stripLoadPressure(20, 5, 2, 5), 2 * 20.0 / pi * ((t2 - t1) - std::sin(t2 - t1) * std::cos(t1 + t2)));
    // The straddling strip has t1 < 0 and the columns at m = 0.4 really differ.
    EXPECT_LT(std::atan((0.5 - 1.0) / 3.0), 0.0);
    EXPECT_GT(std::fabs(pointNear(100, 10, 0.5) - pointFar(100, 10, 0.4, 0.5)), 0.01);
}

TEST(SurchargeStaircase, TakesTheGridDepthJustAbove) {
    const std::vector<SurchargeLoad> loads = {{1, 100, 40, 0}};
    const double h = 100, lw = 200;  // grid step 1
    const SurchargePressure sigma(loads, h, lw);
    auto at = [&](double zj) { return surchargeLoadPressure(loads[0], h, zj); };
    struct Case {
        double z, expected;
    };
    const std::vector<Case> cases = {
        {0.0, 0.0},          // nothing above the top
        {0.5, 0.0},          // above the first grid depth
        {1.0, 0.0},          // at the first grid depth: it does not lie strictly above
        {1.0001, at(1.0)},   // just below it
        {57.3, at(57.0)},    // between grid depths: the one above
        {58.0, at(57.0)},
        {200.0, at(199.0)},  // at the wall length
        {250.0, at(200.0)},  // below the wall: the last grid depth
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(sigma.at(c.z), c.expected) << "z = " << c.z;
}

TEST(SurchargeStaircase, EmptyListGivesZeroWithoutNeedingGeometry) {
    const SurchargePressure sigma(std::vector<SurchargeLoad>{}, 0.0, 0.0);
    for (double z : {0.0, 1.0, 50.0, 1e6}) EXPECT_EQ(sigma.at(z), 0.0);
    EXPECT_EQ(surchargePressureDirect({}, 0.0, 0.0, 10.0), 0.0);
}

TEST(SurchargeStaircase, LoadsOfDifferentTypesAdd) {
    const SurchargeLoad point{1, 100, 40, 0}, line{2, 30, 10, 0}, stripLoad{3, 5, 60, 20};
    const double h = 100, lw = 160;
    const SurchargePressure all({point, line, stripLoad}, h, lw);
    double sum = 0;
    for (const SurchargeLoad& l : {point, line, stripLoad}) sum += SurchargePressure({l}, h, lw).at(77.7);
    EXPECT_NEAR(all.at(77.7), sum, 1e-12 * sum);
    EXPECT_GT(sum, 0.0);
}

// The cached staircase is the same function as the long evaluation, to the last bit.
TEST(SurchargeStaircase, CacheEqualsDirectEvaluation) {
    struct Case {
        const char* name;
        std::vector<SurchargeLoad> loads;
        double h, lw;
    };
    const std::vector<Case> cases = {
        {"English, three types", {{1, 5000, 48, 0}, {2, 300, 30, 0}, {3, 2.5, 90, 36}, {9, 800, 20, 0}}, 120, 360},
        {"SI, strip over the wall line", {{3, 20, 0.5, 2.0}, {1, 50, 1.2, 0}}, 3.0, 7.3},
        {"single point load at m = 0.4", {{1, 1000, 40, 0}}, 100, 217},
    };
    for (const Case& c : cases) {
        const SurchargePressure cached(c.loads, c.h, c.lw);
        const double dz = c.lw / 200;
        std::vector<double> depths = {-1.0, 0.0, dz, c.lw, c.lw + 1, 2 * c.lw};
        for (int i = 0; i <= 1000; ++i) depths.push_back(c.lw * i / 997.0);  // off-grid depths
        for (int j = 1; j <= 200; ++j) {
            depths.push_back(j * dz);  // on the grid
            depths.push_back(std::nextafter(j * dz, 1e300));
            depths.push_back(std::nextafter(j * dz, -1e300));
        }
        for (double z : depths)
            ASSERT_EQ(cached.at(z), surchargePressureDirect(c.loads, c.h, c.lw, z)) << c.name << ", z = " << z;
    }
}

TEST(SurchargeStaircase, FromProblemUsesEarthFreeHeightAndWallLength) {
    ProblemInput p;
    p.wall.ni = 40;
    p.wall.dx = 0.1;
    p.soil.earth.h = 2.0;
    p.soil.surcharges = {{2, 10, 1.0, 0}};
    const SurchargePressure sigma(p);
    EXPECT_EQ(sigma.at(1.234), surchargePressureDirect(p.soil.surcharges, 2.0, 4.0, 1.234));
}

TEST(SurchargeStaircase, ZeroFreeHeightOrWallLengthIsADataError) {
    const std::vector<SurchargeLoad> loads = {{1, 100, 4, 0}};
    EXPECT_THROW(SurchargePressure(loads, 0.0, 100.0), DataError);
    EXPECT_THROW(SurchargePressure(loads, -5.0, 100.0), DataError);
    EXPECT_THROW(SurchargePressure(loads, 50.0, 0.0), DataError);
    EXPECT_THROW(surchargePressureDirect(loads, 0.0, 100.0, 10.0), DataError);
    try {
        SurchargePressure(loads, 0.0, 100.0);
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("FREE HEIGHT"), std::string::npos);
    }
}

}  // namespace
}  // namespace korvex
