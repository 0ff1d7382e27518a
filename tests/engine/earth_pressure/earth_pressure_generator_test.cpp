#include "earth_pressure/earth_pressure_generator.h"

#include "core/fortran_format.h"
#include "core/list_reader.h"
#include "earth_pressure_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace korvex {
namespace {

using test::EarthPressureRun;
using test::findLine;
using test::LayerSpec;
using test::linesOf;
using test::totalForce;
using test::wallProblem;

const double kGammaW = 0.036;
const double kGammaWSI = 9.81;

// Relative agreement within the 3 significant digits of the file.
void expectThreeDigits(double got, double expected, const std::string& what) {
    EXPECT_NEAR(got, expected, 5e-3 * std::fabs(expected) + 1e-9) << what;
}

const EarthPressureRow& rowAt(const std::vector<EarthPressureRow>& rows, double depth) {
    for (const EarthPressureRow& r : rows)
        if (std::fabs(r.depth - depth) < 1e-3 * (1 + depth)) return r;
    ADD_FAILURE() << "no row at depth " << depth;
    return rows.front();
}

// Dry sand, phi 30: Ka = 1/3, pressure Ka gamma z, resultant 0.5 Ka gamma H^2.
TEST(GeneratedEarthPressure, DrySandTriangle) {
    struct Case {
        const char* name;
        int units;
        double h, dx;
        int ni;
        double gamma, bottom;
        int rowsPerUnit;
    };
    const std::vector<Case> cases = {
        {"English", 1, 120, 10, 24, 0.0694, 300, 1},
        {"SI", 2, 3.0, 0.1, 60, 18.0, 10.0, 20},
    };
    for (const Case& c : cases) {
        EarthPressureRun run(c.units);
        run.generate(wallProblem(c.units, 2, c.h, c.ni, c.dx, {{4, c.bottom, c.gamma, 0, 30, 0}}));
        const auto rows = run.rows();
        const double ka = 1.0 / 3.0, wall = c.ni * c.dx;
        // One row at the top, then one per inch or per 5 cm down to the wall tip.
        ASSERT_EQ(rows.size(), static_cast<size_t>(1 + std::lround(wall * c.rowsPerUnit))) << c.name;
        EXPECT_NEAR(rows.back().depth, wall, 1e-9) << c.name;
        EXPECT_EQ(rows.front().depth, 0.0);
        EXPECT_EQ(rows.front().total, 0.0);
        for (double z : {c.h / 4, c.h / 2, c.h}) {
            expectThreeDigits(rowAt(rows, z).total, ka * c.gamma * z, std::string(c.name) + " P1");
            expectThreeDigits(rowAt(rows, z).soil, ka * c.gamma * z, std::string(c.name) + " P2");
        }
        // Below the excavation the pressure stays at its value there.
        expectThreeDigits(rows.back().total, ka * c.gamma * c.h, std::string(c.name) + " below H");
        expectThreeDigits(totalForce(rows, 0, c.h), 0.5 * ka * c.gamma * c.h * c.h, std::string(c.name) + " force");
        EXPECT_DOUBLE_EQ(run.ctx.carried.excavationOverburden, c.gamma * c.h);
        // The announced count is the number of rows written.
        const auto fileLines = linesOf(run.read("BMWALL.001"));
        EXPECT_EQ(fileLines.front(), " " + std::to_string(rows.size()));
        EXPECT_EQ(fileLines.size(), rows.size() + 1);
    }
}

TEST(GeneratedEarthPressure, RowsEndAtTheWallTip) {
    struct Case {
        const char* name;
        std::vector<LayerSpec> layers;
        int ni;
    };
    const std::vector<Case> cases = {
        {"profile deeper than the wall", {{4, 150, 0.07, 0, 30, 0}, {4, 400, 0.07, 0, 35, 0}}, 20},
        {"profile ending above the tip", {{4, 150, 0.07, 0, 30, 0}, {4, 180, 0.07, 0, 35, 0}}, 24},
        {"profile ending at the tip", {{4, 150, 0.07, 0, 30, 0}, {4, 240, 0.07, 0, 35, 0}}, 24},
        {"tip on a layer boundary", {{4, 150, 0.07, 0, 30, 0}, {4, 200, 0.07, 0, 35, 0}, {1, 300, 0.07, 5, 0, 0}}, 20},
    };
    for (const Case& c : cases) {
        EarthPressureRun run(1);
        run.generate(wallProblem(1, 2, 120, c.ni, 10, c.layers));
        const auto rows = run.rows();
        const double wall = c.ni * 10.0;
        ASSERT_EQ(rows.size(), static_cast<size_t>(wall + 1)) << c.name;
        EXPECT_NEAR(rows.back().depth, wall, 1e-9) << c.name;
        for (size_t i = 1; i < rows.size(); ++i) ASSERT_NEAR(rows[i].depth, static_cast<double>(i), 1e-6) << c.name;
    }
}

// Water table in a drained backfill: the total pressure grows by gamma_w per
// unit depth on top of Ka times the effective stress.
TEST(GeneratedEarthPressure, WaterTableGivesHydrostaticGradient) {
    EarthPressureRun run(1);
    auto p = wallProblem(1, 2, 240, 48, 10, {{4, 600, 0.07, 0, 30, 0}});
    p.soil.earth.dwb = 60;
    run.generate(p);
    const auto rows = run.rows();
    const double ka = 1.0 / 3.0, gw = kGammaW;
    for (double z : {30.0, 60.0, 100.0, 180.0, 240.0}) {
        const double effective = z <= 60 ? 0.07 * z : 0.07 * z - (z - 60) * gw;
        const double water = z <= 60 ? 0 : (z - 60) * gw;
        expectThreeDigits(rowAt(rows, z).total, ka * effective + water, "z = " + std::to_string(z));
    }
    const double gradient = (rowAt(rows, 200).total - rowAt(rows, 100).total) / 100;
    expectThreeDigits(gradient, gw + (0.07 - gw) * ka, "gradient below the water table");
    expectThreeDigits(rowAt(rows, 30).total / 30, 0.07 * ka, "gradient above it");

    // The report shows the water resultants of the layer below the water table.
    const auto report = linesOf(run.report());
    const int title = findLine(report, "      *      ACTIVE WATER PRESSURE OF EACH LAYER       *");
    ASSERT_GE(title, 0);
    const std::string row = fortran::formatLines("(6X,I2,2(1X,F10.2,1X,F6.2))",
                                                 {2, 0.0, 150.0, 0.5 * gw * 180 * 180, 180.0})[0];
    EXPECT_EQ(report[title + 5], row);
}

// A water table above the ground is taken at the surface: the same
// distribution and overburden as with the water table at the surface.
TEST(GeneratedEarthPressure, WaterTableAboveTheGroundActsAtTheSurface) {
    auto atSurface = wallProblem(1, 2, 120, 24, 10, {{4, 300, 0.07, 0, 30, 0}});
    atSurface.soil.earth.dwb = 0;
    auto above = atSurface;
    above.soil.earth.dwb = -30;
    EarthPressureRun surfaceRun(1), aboveRun(1);
    surfaceRun.generate(atSurface);
    aboveRun.generate(above);
    EXPECT_EQ(aboveRun.read("BMWALL.001"), surfaceRun.read("BMWALL.001"));
    EXPECT_EQ(aboveRun.ctx.carried.excavationOverburden, surfaceRun.ctx.carried.excavationOverburden);
}

TEST(GeneratedEarthPressure, ExcavationSideWaterReducesThePressureBelowTheExcavation) {
    EarthPressureRun run(2);
    auto p = wallProblem(2, 2, 4.0, 80, 0.1, {{4, 12.0, 19.0, 0, 30, 0}});
    p.soil.earth.dwb = 1.0;
    p.soil.earth.dwe = 3.0;
    run.generate(p);
    const auto rows = run.rows();
    const double gw = kGammaWSI, ka = 1.0 / 3.0;
    const double svExc = 19.0 * 4.0 - 3.0 * gw;
    // Below H: water (H - zwb) gw less (H - zwe) gw, plus Ka times the effective stress at H.
    const double below = (4.0 - 1.0) * gw + svExc * ka - (4.0 - 3.0) * gw;
    expectThreeDigits(rows.back().total, below, "below the excavation");
    // Between zwe and H the excavation-side water pushes back.
    const double z = 3.5;
    const double above = (z - 1.0) * gw + (19.0 * z - (z - 1.0) * gw) * ka - (z - 3.0) * gw;
    expectThreeDigits(rowAt(rows, z).total, above, "between zwe and H");
}

// Clay with cohesion: the pressure near the top is negative and floored to
// k x 1.0E-12; the compressive part below the tension depth is PA4 at Z3.
TEST(GeneratedEarthPressure, ClayTensionZone) {
    EarthPressureRun run(1);
    const double c = 2.0, g = 0.07, h = 120;
    run.generate(wallProblem(1, 2, h, 24, 10, {{1, 300, g, c, 0, 0}}));
    const auto rows = run.rows();
    // Row k = 2 is at depth 1, row k = 31 at depth 30: both in tension.
    EXPECT_NEAR(rows[1].total, 2e-12, 1e-15);
    EXPECT_NEAR(rows[30].total, 31e-12, 1e-14);
    EXPECT_NEAR(rows[30].soil, 31e-12, 1e-14);
    expectThreeDigits(rowAt(rows, 100).total, g * 100 - 2 * c, "below the tension depth");

    const double b = g * h - 2 * c, zc = b * h / (g * h);
    const auto report = linesOf(run.report());
    const int title = findLine(report, "      *      ACTIVE EARTH PRESSURE OF EACH LAYER       *");
    ASSERT_GE(title, 0);
    const std::string row = fortran::formatLines("(6X,I2,3(1X,F10.2,1X,F6.2),1X,F10.2)",
                                                 {1, 0.0, 60.0, 0.0, 80.0, 0.0, h - zc / 3, zc * b / 2})[0];
    EXPECT_EQ(report[title + 5], row);
    EXPECT_EQ(findLine(report, "      Net active pressure is negative."), -1);
}

TEST(GeneratedEarthPressure, NegativeNetForceIsReportedAndProcessingGoesOn) {
    EarthPressureRun run(1);
    run.generate(wallProblem(1, 2, 120, 24, 10, {{1, 300, 0.07, 10.0, 0, 0}}));
    EXPECT_GE(findLine(linesOf(run.report()), "      Net active pressure is negative."), 0);
    EXPECT_EQ(run.rows().size(), 241u);
}

TEST(GeneratedEarthPressure, UserCoefficientInClayUsesTotalStressAndNoCohesion) {
    EarthPressureRun run(1);
    auto p = wallProblem(1, 2, 120, 24, 10, {{4, 60, 0.07, 0, 30, 0}, {1, 300, 0.07, 3.0, 0, 0.5}});
    p.soil.earth.dwb = 30;
    run.generate(p);
    // Just below the top of the clay (60, below water): 0.5 x total stress.
    expectThreeDigits(rowAt(run.rows(), 61).total, 0.5 * (60 * 0.07 + 0.07), "clay with K = 0.5");
    // The overburden table shows the effective stress at the top of the clay.
    const auto report = linesOf(run.report());
    const std::string row = fortran::formatLines("(12X,E10.3,17X,E10.3)", {60.0, 60 * 0.07 - 30 * kGammaW})[0];
    EXPECT_GE(findLine(report, row), 0);
    // The coefficient table reports Ka before the user's value replaces it.
    EXPECT_GE(findLine(report, fortran::formatLines("(10X,I2,9X,E10.3,8X,E10.3,8X,E10.3)", {3, 1.0, 1.0, 0.5})[0]), 0);
}

TEST(GeneratedEarthPressure, UniformSurchargeIsItsOwnColumn) {
    EarthPressureRun run(1);
    auto p = wallProblem(1, 2, 120, 24, 10, {{4, 300, 0.07, 0, 30, 0}});
    p.soil.surface.q = 1.5;
    run.generate(p);
    const auto rows = run.rows();
    const double ka = 1.0 / 3.0;
    expectThreeDigits(rows[0].total, ka * 1.5, "top row");
    EXPECT_EQ(rows[0].soil, 0.0);
    expectThreeDigits(rows[0].surcharge, ka * 1.5, "top row surcharge");
    const EarthPressureRow& r = rowAt(rows, 60);
    expectThreeDigits(r.total, ka * (1.5 + 0.07 * 60), "P1");
    expectThreeDigits(r.soil, ka * 0.07 * 60, "P2");
    expectThreeDigits(r.surcharge, ka * 1.5, "P3");
}

TEST(GeneratedEarthPressure, SurchargeColumnIsTheStaircaseTimesM) {
    EarthPressureRun run(2);
    auto p = wallProblem(2, 2, 3.0, 70, 0.1, {{4, 10, 18, 0, 30, 0}});
    p.soil.earth.gw = 0.9;
    p.soil.surcharges = {{3, 20, 2.0, 1.5}, {1, 40, 1.0, 0}};
    run.generate(p);
    const SurchargePressure sigma(p);
    const auto rows = run.rows();
    for (size_t i = 1; i < rows.size(); i += 7) {
        expectThreeDigits(rows[i].surcharge, sigma.at(rows[i].depth) * 0.9, "P3 at " + std::to_string(rows[i].depth));
        expectThreeDigits(rows[i].total, rows[i].soil + rows[i].surcharge, "P1 = P2 + P3");
    }
}

// One tieback at z1: the trapezoid rises over 2 z1 / 3, is flat down to
// 2 z1 / 3 + H / 3, falls to zero at H and carries 1.3 times the triangular force.
TEST(GeneratedEarthPressure, OneTiebackTrapezoid) {
    const double h = 120, z1 = 30, gamma = 0.0694;
    auto p = wallProblem(1, 3, h, 24, 10, {{4, 300, gamma, 0, 30, 0}});
    EarthPressureRun run(1);
    run.generate(p, {z1, z1, 1});
    const auto rows = run.rows();

    EarthPressureRun triangular(1);
    p.control.kep = 2;
    triangular.generate(p);
    const auto triangle = triangular.rows();

    const double f = 0.5 / 3.0 * gamma * h * h;
    const double plateau = 1.3 * f * 3 / (2 * h);
    const double a = 2 * z1 / 3, b = h / 3;
    struct Point {
        double z, expected;
    };
    for (const Point& pt : {Point{10, plateau * 10 / a}, Point{a, plateau}, Point{50, plateau}, Point{a + b, plateau},
                            Point{90, plateau * (h - 90) / (h - a - b)}}) {
        expectThreeDigits(rowAt(rows, pt.z).total, pt.expected, "trapezoid at " + std::to_string(pt.z));
    }
    expectThreeDigits(totalForce(rows, 0, h), 1.3 * totalForce(triangle, 0, h), "1.3 x the triangular force");
    // The row at H appears twice, then the rows below keep the computed pressure.
    ASSERT_EQ(rows.size(), triangle.size() + 1);
    EXPECT_EQ(rows[120].depth, rows[121].depth);
    EXPECT_EQ(rows[120].total, rows[121].total);
    EXPECT_NEAR(rows[120].total, 0.0, 1e-9);
    EXPECT_EQ(rows.back().total, triangle.back().total);
    // Soil and surcharge parts are those of the computed pressure.
    EXPECT_EQ(rowAt(rows, 50).soil, rowAt(triangle, 50).soil);
}

TEST(GeneratedEarthPressure, SeveralTiebacksTrapezoid) {
    const double h = 120, z1 = 24, zn = 96, gamma = 0.0694;
    EarthPressureRun run(1);
    run.generate(wallProblem(1, 3, h, 24, 10, {{4, 300, gamma, 0, 30, 0}}), {z1, zn, 3});
    const auto rows = run.rows();
    const double f = 0.5 / 3.0 * gamma * h * h;
    const double a = 2 * z1 / 3, c = 2 * (h - zn) / 3;
    const double plateau = 1.3 * f / (h - (a + c) / 3);
    expectThreeDigits(rowAt(rows, 8).total, plateau * 8 / a, "rising");
    expectThreeDigits(rowAt(rows, 60).total, plateau, "plateau");
    expectThreeDigits(rowAt(rows, 112).total, plateau * (h - 112) / c, "falling");
}

TEST(GeneratedEarthPressure, SupportAtTheTopGivesAFlatStartWithoutDividingByZero) {
    const double h = 120, gamma = 0.0694;
    EarthPressureRun run(1);
    run.generate(wallProblem(1, 3, h, 24, 10, {{4, 300, gamma, 0, 30, 0}}), {0, 0, 1});
    const auto rows = run.rows();
    const double plateau = 1.3 * (0.5 / 3.0 * gamma * h * h) * 3 / (2 * h);
    expectThreeDigits(rowAt(rows, 1).total, plateau, "just below the top");
    expectThreeDigits(rowAt(rows, h / 3).total, plateau, "end of the plateau");
    expectThreeDigits(rowAt(rows, 80).total, plateau / 2, "falling");
}

TEST(GeneratedEarthPressure, SlopeNotBelowPhiWarnsForEachLayerAboveTheExcavation) {
    struct Case {
        const char* name;
        std::vector<LayerSpec> layers;
        int warnings;
    };
    const std::vector<Case> cases = {
        // Layers 1 and 2 are above the excavation, layer 3 is not.
        {"two layers above H", {{4, 60, 0.07, 0, 30, 0}, {4, 300, 0.07, 0, 30, 0}}, 2},
        // The excavation layer's top lies within the tolerance above H: still above it.
        {"top just above H", {{4, 119.999995, 0.07, 0, 30, 0}, {4, 300, 0.07, 0, 30, 0}}, 2},
        {"top at H", {{4, 120, 0.07, 0, 30, 0}, {4, 300, 0.07, 0, 30, 0}}, 1},
    };
    const std::string warning = "      THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.";
    auto count = [&](const std::string& text) {
        int n = 0;
        for (const std::string& l : linesOf(text)) n += l == warning;
        return n;
    };
    for (const Case& c : cases) {
        EarthPressureRun run(1);
        auto p = wallProblem(1, 2, 120, 24, 10, c.layers);
        p.soil.earth.beta = 30;
        run.generate(p);
        EXPECT_EQ(count(run.report()), c.warnings) << c.name;
        EXPECT_EQ(count(run.notes()), c.warnings) << c.name;
        expectThreeDigits(rowAt(run.rows(), 60).total, 0.07 * 60 / 3.0, std::string(c.name) + ": level-ground Ka kept");
    }
}

TEST(GeneratedEarthPressure, ReportSectionsAsLaidOut) {
    EarthPressureRun run(1);
    auto p = wallProblem(1, 2, 120, 24, 10, {{4, 300, 0.0694, 0, 30, 0}});
    p.soil.earth.wa = 12;
    p.soil.earth.wp = 6;
    p.soil.surface.q = 0.5;
    p.soil.surcharges = {{1, 1000, 48, 0}, {3, 2.5, 60, 24}};
    run.generate(p);
    const auto report = linesOf(run.report());
    const std::vector<std::string> expected = {
        "",
        "",
        "      **************************************************",
        "      *                WALL INFORMATION                *",
        "      **************************************************",
        "",
        "      FREE HEIGHT OF WALL                    =  0.120E+03 IN",
        "      WIDTH FOR EARTH PRESSURE, WA           =  0.120E+02 IN",
        "      WIDTH FOR SOIL RESISTANCE, WP          =  0.600E+01 IN",
        "      DEPTH TO THE WATER TABLE AT BACKFILL   =  0.100E+07 IN",
        "      DEPTH TO THE WATER TABLE AT EXCAVATION =  0.100E+07 IN",
        "      UNIT WEIGHT OF WATER                   =  0.360E-01 LBS/IN**3  ",
        "      SLOPE OF THE BACKFILL (deg.)           =  0.000E+00",
        "      MODIFICATION FOR ACTIVE EARTH PRESSURE =  0.100E+01",
        "",
        "",
        "      **************************************************",
        "      *              SURCHARGE INFORMATION             *",
        "      **************************************************",
        "",
        "      UNIFORM SURFACE PRESSURE     = 0.500E+00 LBS/IN**2",
        "",
        "      SURCHARGE LOADING NO.        =          1",
        "      POINT LOAD                   =  0.100E+04 LBS",
        "      HORIZONTAL DISTANCE BETWEEN  =  0.480E+02 IN",
        "      THE WALL AND SURCHARGE         ",
        "",
        "      SURCHARGE LOADING NO.        =          2",
        "      STRIP LOAD                   =  0.250E+01 LBS/IN**2",
        "      WIDTH OF THE STRIP LOAD      =  0.240E+02 IN",
        "      HORIZONTAL DISTANCE BETWEEN  =  0.600E+02 IN",
        "      WALL AND MIDDLE OF STRIP WIDTH          ",
        "",
        "",
        "      **************************************************",
        "      *                SOIL INFORMATION                *",
        "      **************************************************",
        "",
        "               TOTAL   COHESION/       TOTAL UNIT",
        "      LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP",
        "       NO.        FT        PSI     DEG      PCI  T OR F      FT",
        "         1     10.00        0.0    30.0    0.069     T      0.00",
        "         2     15.00        0.0    30.0    0.069     T     10.00",
        "",
        "",
        "      **************************************************",
        "      *          EFFECTIVE OVERBURDEN STRESS           *",
        "      **************************************************",
        "",
        "                DEPTH                     STRESS       ",
        "                    IN                  LBS/IN**2",
        "             0.000E+00                  0.500E+00",
        "             0.120E+03                  0.883E+01",
        "",
        "",
        "      **************************************************",
        "      * ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *",
        "      **************************************************",
        "",
        "        LAYER         ACTIVE EARTH     PASSIVE EARTH     OPTIONAL EARTH",
        "         NO.          COEFFICIENT      COEFFICIENT       COEFFICIENT   ",
        "           1          0.333E+00         0.300E+01         0.000E+00",
        "           2          0.333E+00         0.300E+01         0.000E+00",
        "",
        "",
        "      **************************************************",
        "      *      ACTIVE EARTH PRESSURE OF EACH LAYER       *",
        "      **************************************************",
        "",
        "       LAYER    PA1     Z1       PA2     Z2         PA3     Z3        PA4",
    };
    ASSERT_GE(report.size(), expected.size() + 2);
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(report[expected.size()], "             LBS/IN     IN     LBS/IN     IN     LBS/IN     IN     LBS/IN");
    // PA1 = q Ka H plus the last listed surcharge (the strip) on ten slices.
    EXPECT_EQ(report[expected.size() + 1].substr(0, 8), "       1");
    EXPECT_EQ(report.size(), expected.size() + 2);  // no water table section, no net-force message
}

TEST(GeneratedEarthPressure, SoilTableInSIAndNoneInOtherUnits) {
    {
        EarthPressureRun run(2);
        run.generate(wallProblem(2, 2, 3.0, 60, 0.1, {{1, 8.0, 17.5, 25, 0, 0}}));
        const auto report = linesOf(run.report());
        const int units = findLine(report, "       NO.         M        kPa     DEG   kN/M^3  T OR F       M");
        ASSERT_GE(units, 0);
        EXPECT_EQ(report[units + 1], "         1      3.00       25.0     0.0   17.500     F      0.00");
        EXPECT_GE(findLine(report, "      UNIT WEIGHT OF WATER                   =  0.981E+01  KN/ M**3  "), 0);
    }
    {
        EarthPressureRun run(3);
        run.generate(wallProblem(3, 2, 10.0, 20, 1.0, {{4, 30.0, 0.1, 0, 30, 0}}));
        const auto report = linesOf(run.report());
        EXPECT_GE(findLine(report, "      *                SOIL INFORMATION                *"), 0);
        EXPECT_EQ(findLine(report, "      LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP"), -1);
        EXPECT_EQ(run.rows().size(), 21u);  // one row per length unit
    }
}

TEST(GeneratedEarthPressure, FaultsAreDataErrors) {
    struct Case {
        const char* name;
        ProblemInput problem;
        SupportDepths supports;
        const char* words;
    };
    auto base = [](double h, std::vector<LayerSpec> layers, int mode = 2, int ni = 24) {
        return wallProblem(1, mode, h, ni, 10, layers);
    };
    const LayerSpec sand{4, 300, 0.07, 0, 30, 0};
    const std::vector<Case> cases = {
        {"zero free height", base(0, {sand}), {}, "FREE HEIGHT"},
        {"zero wall length", base(120, {sand}, 2, 0), {}, "WALL LENGTH"},
        {"free height at the profile bottom", base(300, {sand}, 2, 40), {}, "EXCAVATION LEVEL"},
        {"no layers", base(120, {}), {}, "EXCAVATION LEVEL"},
        {"only support at the excavation level", base(120, {sand}, 3), {120, 120, 1}, "TRAPEZOID"},
        {"last support at the excavation level", base(120, {sand}, 3), {20, 120, 2}, "TRAPEZOID"},
        {"weightless clay in tension", base(120, {{1, 300, 0.0, 2.0, 0, 0}}), {}, "TENSION"},
    };
    for (const Case& c : cases) {
        EarthPressureRun run(1);
        try {
            run.generate(c.problem, c.supports);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

// More than 20 layers after subdivision (the end of the list needs the 21st
// record): the method's message ends the report of the soil data and the run
// stops with nothing more to report.
TEST(GeneratedEarthPressure, OverflowWritesItsMessageAfterTheSoilReport) {
    std::vector<LayerSpec> thin;  // 20 layers of 10, cut once by H and once more by a water table at 55
    for (int i = 1; i <= 20; ++i) thin.push_back({4, 10.0 * i, 0.07, 0, 30, 0});
    for (double waterTable : {55.0, 1.0e6}) {  // 22 layers, or exactly 21
        auto p = wallProblem(1, 2, 105, 24, 10, thin);
        p.soil.earth.dwb = waterTable;
        EarthPressureRun run(1);
        try {
            run.generate(p);
            ADD_FAILURE() << "no error, water table " << waterTable;
        } catch (const DataError& e) {
            EXPECT_STREQ(e.what(), "");
        }
        run.ctx.reportFile.flush();
        const auto report = linesOf(run.report());
        const std::vector<std::string> tail = {"", "", "     EXECUTION HAS BEEN TERMINATED BECAUSE SUBDIVISION OF",
                                               "     A LAYER HAS LED TO CREATION OF MORE THAN 20 LAYERS."};
        ASSERT_GE(report.size(), tail.size());
        EXPECT_EQ(std::vector<std::string>(report.end() - 4, report.end()), tail) << waterTable;
        EXPECT_GE(findLine(report, "      *                SOIL INFORMATION                *"), 0);
    }
}

TEST(GeneratedEarthPressure, StopAfterTheSoilReportWhenNoLayerStartsAtTheExcavation) {
    EarthPressureRun run(1);
    EXPECT_THROW(run.generate(wallProblem(1, 2, 150, 24, 10, {{4, 100, 0.07, 0, 30, 0}})), DataError);
    run.ctx.reportFile.flush();
    const auto report = linesOf(run.report());
    EXPECT_GE(findLine(report, "      *                SOIL INFORMATION                *"), 0);
    EXPECT_EQ(findLine(report, "      *          EFFECTIVE OVERBURDEN STRESS           *"), -1);
}

TEST(EarthPressureFile, ReaderTakesTheAnnouncedRowsOnly) {
    EarthPressureRun run(1);
    const auto path = run.dir() / "BMWALL.001";
    {
        std::ofstream f(path);
        f << " 2\n     0.000E+00     0.100E+01     0.000E+00     0.100E+01\n"
             "     0.120E+03    -0.250E+01     0.200E-11     0.000E+00\n"
             "     0.240E+03     0.999E+03     0.999E+03     0.999E+03\n";
    }
    const auto rows = readEarthPressureFile(path);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].depth, 120.0);
    EXPECT_EQ(rows[1].total, -2.5);
    EXPECT_EQ(rows[1].soil, 2e-12);
    EXPECT_EQ(rows[0].surcharge, 1.0);

    EXPECT_THROW(readEarthPressureFile(run.dir() / "missing"), DataError);
    {
        std::ofstream f(path);
        f << " 3\n     0.000E+00     0.100E+01     0.000E+00     0.100E+01\n";
    }
    EXPECT_THROW(readEarthPressureFile(path), DataError);
}

TEST(EarthPressureFile, WidthsApplyAboveAndBelowTheFreeHeight) {
    std::vector<EarthPressureRow> rows = {{0, 1, 1, 1}, {60, 1, 1, 1}, {120, 1, 1, 1}, {120, 1, 1, 1}, {121, 1, 1, 1}, {240, 1, 2, 3}};
    applyLoadedWidths(rows, 120, 2.0, 5.0);
    const double expected[] = {2, 2, 2, 2, 5, 5};
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].total, expected[i]) << i;
    EXPECT_EQ(rows.back().soil, 10.0);
    EXPECT_EQ(rows.back().surcharge, 15.0);
}

TEST(PlotRows, EveryPointUpTo50ThenAStepByUnits) {
    struct Case {
        size_t count;
        int units;
        std::vector<size_t> expected;
    };
    auto range = [](size_t count) {
        std::vector<size_t> v;
        for (size_t i = 0; i < count; ++i) v.push_back(i);
        return v;
    };
    const std::vector<Case> cases = {
        {0, 1, {}},
        {1, 1, {0}},
        {50, 1, range(50)},
        {51, 1, {0, 6, 12, 18, 24, 30, 36, 42, 48, 50}},  // rows 1, 7, ..., 49 and 51: n = 10
        {55, 1, {0, 6, 12, 18, 24, 30, 36, 42, 48, 54}},  // the last row falls on the step: once
        {51, 2, {0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 44, 48, 50}},
        {60, 3, range(60)},
    };
    for (const Case& c : cases) EXPECT_EQ(selectPlotRows(c.count, c.units), c.expected) << c.count << ", " << c.units;
}

}  // namespace
}  // namespace korvex
