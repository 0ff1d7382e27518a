#include "py_curves/py_curve_generator.h"
#include "py_curves/py_plot_data.h"
#include "py_curves/soildata_file.h"

#include "core/list_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace korvex {
namespace {

namespace fs = std::filesystem;

// Relative difference allowed by three significant digits.
constexpr double kWritten = 5e-3;

SoilLayer uniformLayer(int type, double bottom, std::array<double, 6> values) { return {type, bottom, values, values}; }

// A cantilever of 40 increments of 12 in, excavated 120 in, soil-resistance
// width 12 in and earth-pressure width 24 in (group reduction 0.5292 x 2^0.5659).
class PyCurveGeneratorTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("korvex_py_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    RunContext ctx;
    ProblemInput input;

    void SetUp() override {
        fs::create_directories(dir);
        ctx.workDir = dir;
        ctx.reportFile.open(dir / "report.txt");
        ctx.unitWords = UnitWords::forUnits(1);
        input.control.units = 1;
        input.control.kpy = 2;
        input.wall.ni = 40;
        input.wall.dx = 12;
        input.wall.h = 120;
        input.soil.earth = {120, 24, 12, 1.0e6, 1.0e6, 1, 1, 0};
    }
    void TearDown() override { fs::remove_all(dir); }

    std::vector<SoilDataCurve> run(const std::vector<EarthPressureLoad>& earth = {}) {
        generatePyCurves(ctx, input, earth);
        ctx.reportFile.flush();
        return readSoilData(dir / kSoilDataFile, static_cast<int>(input.userCurves.size()), input.wall.dx);
    }

    std::string report() const {
        std::ifstream in(dir / "report.txt");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

double softClayUltimate(double c, double gamma, double b, double x) {
    return std::min(3.0 + gamma * x / c + 0.5 * x / b, 9.0) * c * b;
}

TEST_F(PyCurveGeneratorTest, DeeperLayerCarriesTheResistanceAboveThroughItsEquivalentDepth) {
    const double c1 = 5, c2 = 10, gamma = 0.04, b = 12;
    input.soil.layers = {uniformLayer(1, 240, {gamma, c1, 0, 0.02, 100, 0}),
                         uniformLayer(1, 600, {gamma, c2, 0, 0.01, 100, 0})};
    const std::vector<SoilDataCurve> curves = run();
    ASSERT_EQ(curves.size(), 10u);  // five per layer; the second layer is cut at the tip + 2 increments
    EXPECT_NEAR(curves[0].depth, 120.1, 1e-5);
    EXPECT_EQ(curves[0].station, 10);
    EXPECT_NEAR(curves.back().depth, 480 + 24 - 0.1, 1e-4);

    // Resistance of the first layer: pu of each later curve times the distance to the previous one.
    const double xs[] = {0.1, 30, 60, 90, 119.9};
    double f = 0;
    for (int j = 1; j < 5; ++j) f += softClayUltimate(c1, gamma, b, xs[j]) * (xs[j] - xs[j - 1]);
    const double a = c2 / 4 + gamma * b / 2, lin = 3 * c2 * b;
    const double heq = (-lin + std::sqrt(lin * lin + 4 * a * f)) / (2 * a);
    const double pm = 0.5292 * std::pow(2.0, 0.5659);
    const double pu = softClayUltimate(c2, gamma, b, 0.1 + heq);
    const SoilDataCurve& first = curves[5];
    ASSERT_EQ(first.points.size(), 33u);
    EXPECT_NEAR(first.points.back().p, -pm * pu, kWritten * pm * pu);  // excavation plateau, p negated
    const double backfillPu = softClayUltimate(c2, gamma, b, 120 + 0.1 + heq);
    EXPECT_NEAR(first.points.front().p, pm * backfillPu, kWritten * pm * backfillPu);
    EXPECT_LT(first.points.front().y, 0.0);

    const std::string text = report();
    EXPECT_NE(text.find("2 LAYER(S) OF SOIL"), std::string::npos);
    EXPECT_NE(text.find("THE SOIL IS A SOFT CLAY"), std::string::npos);
    EXPECT_NE(text.find("P-Y CURVES DATA"), std::string::npos);
    EXPECT_NE(text.find("AT THE BACKFILL SIDE"), std::string::npos);
}

TEST_F(PyCurveGeneratorTest, CurvesAreJoinedFromBothBranchesThroughTheWrittenPrecision) {
    input.soil.layers = {uniformLayer(1, 600, {0.04, 7.3, 0, 0.0123, 100, 0})};
    ctx.carried.excavationOverburden = 3.0;  // offset b (sv - 2c) < w / R - 2cb below
    const std::vector<SoilDataCurve> curves = run({{0, 0}, {120, 500}, {600, 500}});
    const SoilDataCurve& curve = curves[0];
    ASSERT_EQ(curve.points.size(), 33u);
    for (size_t k = 1; k < curve.points.size(); ++k) EXPECT_LE(curve.points[k - 1].y, curve.points[k].y);
    // Point 17 is the backfill branch's zero-deflection point: p = +pa; the excavation
    // branch starts at its second point with p negated.
    const double pa = 500 / 2.0 - 2 * 7.3 * 12;
    EXPECT_EQ(curve.points[16].y, 0.0);
    EXPECT_NEAR(curve.points[16].p, pa, kWritten * pa);
    EXPECT_GT(curve.points[17].y, 0.0);
    for (const CurvePoint& pt : curve.points) {
        // Three significant digits as written in E10.3.
        const double scale = std::pow(10.0, std::floor(std::log10(std::fabs(pt.p))) - 2);
        EXPECT_NEAR(pt.p / scale, std::round(pt.p / scale), 1e-6) << pt.p;
    }
}

TEST_F(PyCurveGeneratorTest, UserCurvesComeFirstWithTheirMultipliers) {
    input.soil.layers = {uniformLayer(1, 600, {0.04, 7.3, 0, 0.0123, 100, 0})};
    input.userCurves = {{5, 2.0, 0.5, {{-1, 100}, {0, 0}, {1, -100}}}};
    const std::vector<SoilDataCurve> curves = run();
    ASSERT_EQ(curves.size(), 6u);
    EXPECT_FALSE(curves[0].generated);
    EXPECT_EQ(curves[0].station, 5);
    ASSERT_EQ(curves[0].points.size(), 3u);
    EXPECT_DOUBLE_EQ(curves[0].points[0].y, -0.5);
    EXPECT_DOUBLE_EQ(curves[0].points[0].p, 200.0);
    EXPECT_TRUE(curves[1].generated);
}

TEST_F(PyCurveGeneratorTest, ModificationFactorRowsFollowTheirHeading) {
    input.soil.layers = {uniformLayer(1, 600, {0.04, 7.3, 0, 0.0123, 100, 0})};
    input.pyMods = {{120, 0.8, 1}, {480, 0.5, 1.25}};
    run();
    EXPECT_NE(report().find("      DEPTH     P-FACTOR     Y-FACTOR        \n 120.00  0.80  1.00\n 480.00  0.50  1.25\n"),
              std::string::npos)
        << report();
}

TEST_F(PyCurveGeneratorTest, ZeroWidthEndsTheRunNamingTheLayer) {
    input.soil.layers = {uniformLayer(1, 600, {0.04, 7.3, 0, 0.0123, 100, 0})};
    input.soil.earth.wp = 0;
    try {
        generatePyCurves(ctx, input, {});
        FAIL() << "no DataError";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("SOIL LAYER 1"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("WP"), std::string::npos) << e.what();
    }
}

TEST(SoilDataReader, ReadsRecordsWrittenWithoutABlankBetweenValuesAndRefusesDamage) {
    const fs::path file = fs::temp_directory_path() / "korvex_soildata_reader_test";
    {
        SoilDataWriter w(file, 1);
        w.generatedCurve(30.0);
        for (int k = 1; k <= 34; ++k) {
            const int i = k <= 17 ? k : k - 17;
            w.point("(I5,1X,E10.3,E10.3)", i, 100.0 * i, i == 1 ? 0.0 : -0.01 * i);  // joined values
        }
    }
    const std::vector<SoilDataCurve> curves = readSoilData(file, 0, 12.0);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].station, 3);  // nearest station to 30 / 12
    EXPECT_DOUBLE_EQ(curves[0].points[0].y, 0.17);
    EXPECT_DOUBLE_EQ(curves[0].points[0].p, 1700.0);
    EXPECT_DOUBLE_EQ(curves[0].points[17].y, -0.02);
    EXPECT_DOUBLE_EQ(curves[0].points[17].p, -200.0);

    std::ofstream(file) << " 1\n 30.0 34\n    1 0.100E+03 0.000E+00\n";
    EXPECT_THROW(readSoilData(file, 0, 12.0), DataError);
    fs::remove(file);
    EXPECT_THROW(readSoilData(file, 0, 12.0), DataError);
}

TEST(SoilDataReader, BranchesStartingAboveZeroAreJoinedThroughTheOrigin) {
    const fs::path file = fs::temp_directory_path() / "korvex_soildata_origin_test";
    {
        SoilDataWriter w(file, 1);
        w.generatedCurve(30.0);
        for (int k = 1; k <= 34; ++k) {
            const int i = k <= 17 ? k : k - 17;
            w.point("(I5,2X,E10.3,2X,E10.3)", i, 10.0 * i, 0.001 * i);
        }
    }
    const std::vector<SoilDataCurve> curves = readSoilData(file, 0, 12.0);
    fs::remove(file);
    ASSERT_EQ(curves[0].points.size(), 34u);
    EXPECT_DOUBLE_EQ(curves[0].points[16].y, -0.001);
    EXPECT_EQ(curves[0].points[17].y, 0.0);
    EXPECT_EQ(curves[0].points[17].p, 0.0);
    EXPECT_DOUBLE_EQ(curves[0].points[18].y, 0.002);
}

TEST(SoilResistancePlotData, HeaderLayoutDependsOnUserCurves) {
    const std::vector<SoilDataCurve> curves = {{10, 120.1, true, {{-1, 5}, {1, -5}}}};
    std::ostringstream alone, mixed;
    fortran::FormattedWriter a(alone), m(mixed);
    writeSoilResistancePlotData(a, 1, curves, false);
    writeSoilResistancePlotData(m, 2, curves, true);
    EXPECT_EQ(alone.str(), " 1 1\n     120.10     2\n -1 5\n 1 -5\n");
    EXPECT_EQ(mixed.str(), " 2 1\n 10 2\n -1 5\n 1 -5\n");
}

}  // namespace
}  // namespace korvex
