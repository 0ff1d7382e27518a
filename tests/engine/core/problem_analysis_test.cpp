#include "core/engine_run.h"

#include "run_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvex {
namespace {

using test::RunFolder;

// A wall of 10 increments of 12 in, EI 1e9 from 0 to 10, a head load of 1000 lbs,
// with the given restraint and extra blocks; no earth pressure, no curves.
struct Data {
    std::string restraints = "";
    int nRestr = 0;
    int nSect = 1;
    std::string section = "0 10 1 1E9";
    std::string pyCurves = "";
    int nPy = 0;

    std::string text() const {
        std::ostringstream d;
        d << "Test wall\n1 " << nRestr << " " << nSect << " 0 0 0 " << nPy << " 1 0 0\n10 12 100 1E-6 0 12\n"
          << restraints << section << "\n1\n1 0 0 1000 0 0\n0\n" << pyCurves << "0\n";
        return d.str();
    }
};

struct AnalysisRun {
    std::string report, plot;
    explicit AnalysisRun(const Data& data) {
        RunFolder folder;
        folder.writeRunFileList();
        folder.write("wall.rw5d", data.text());
        runEngine(21, folder.path());
        report = folder.read("wall.rw5o");
        plot = folder.read("wall.rw5p");
    }
    // The results-table line of a station.
    std::vector<double> row(int station) const {
        std::istringstream in(report.substr(report.find("   ------    ----")));
        std::string line;
        std::getline(in, line);
        for (int i = 0; i <= station; ++i) std::getline(in, line);
        std::istringstream fields(line);
        std::vector<double> v;
        for (double x; fields >> x;) v.push_back(x);
        return v;
    }
};

TEST(ProblemAnalysis, FixedTipCantileverReportsTheFullTipMomentAndPlotsNIPlusTwoRows) {
    Data d;
    d.nRestr = 1;
    d.restraints = "3 10 0 0\n";
    const AnalysisRun r(d);
    ASSERT_NE(r.report.find("RESULTS -- ITERATION  2"), std::string::npos) << r.report;
    const std::vector<double> tip = r.row(10);
    ASSERT_EQ(tip.size(), 8u);
    EXPECT_NEAR(tip[4], 1000 * 120, 100);  // P L, not half of it
    EXPECT_EQ(tip[7], 0.5e9);              // the EI column keeps the table value
    EXPECT_NE(r.plot.find(" 1 12 1\n"), std::string::npos) << r.plot;
}

struct ErrorCase {
    const char* name;
    Data data;
    const char* reportText;
};

TEST(ProblemAnalysis, DataErrorsEndTheRunWithTheirMessage) {
    Data tooMany;
    tooMany.nRestr = 21;
    for (int i = 0; i < 21; ++i) tooMany.restraints += "1 " + std::to_string(i % 10) + " 0 0\n";
    Data disorder;
    disorder.nRestr = 2;
    disorder.restraints = "1 5 0 0\n1 4 0 0\n";
    Data beyond;
    beyond.section = "0 11 1 1E9";
    Data curves64;
    curves64.nPy = 64;
    for (int i = 0; i < 64; ++i) curves64.pyCurves += std::to_string(i / 7) + " 2 1 1\n-1 10\n1 -10\n";
    Data onePoint;
    onePoint.nPy = 1;  // two points at the same deflection
    onePoint.pyCurves = "5 2 1 1\n0 0\n0 -5\n";
    for (const ErrorCase& c :
         {ErrorCase{"restraints", tooMany, "\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n\n"},
          ErrorCase{"order", disorder, "\n\n     ERROR STOP -- STATIONS NOT IN ORDER\n"},
          ErrorCase{"beyond", beyond, "\n\n     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END\n"},
          ErrorCase{"64 curves", curves64, "\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n\n"},
          ErrorCase{"curve", onePoint,
                    "     ERROR -- THE P-Y CURVE AT STATION 5 NEEDS AT LEAST TWO POINTS WITH DIFFERENT DEFLECTIONS\n"}}) {
        const AnalysisRun r(c.data);
        EXPECT_NE(r.report.find(c.reportText), std::string::npos) << c.name << "\n" << r.report;
        EXPECT_EQ(r.report.find("RESULTS -- ITERATION"), std::string::npos) << c.name;
    }
}

// A wall in soft clay with generated curves, with and without an earth pressure
// given by the user (KEP = 1). Only a generated distribution reaches the curve
// generator, so the curves of the plot-data file are the same in both.
std::string clayPlotData(bool userEarthPressure) {
    std::ostringstream d;
    d << "Clay curves\n1 0 1 0 " << (userEarthPressure ? 1 : 0) << " 2 0 1 0 0\n40 6 10 1E-5 120 12\n"
      << "0 40 1 1E9\n0\n0\n" << (userEarthPressure ? "2\n0 0\n240 500\n" : "")
      << "120 12 12 1000 1000 1 1 0\n0 0 0 0 0 0\n0\n1\n1 600\n0.07 0.5 0 0.01 0 0\n0.07 0.5 0 0.01 0 0\n0\n";
    RunFolder folder;
    folder.writeRunFileList();
    folder.write("wall.rw5d", d.str());
    runEngine(21, folder.path());
    return folder.read("wall.rw5p");
}

// The soil-resistance part: from its record "1 <count>" to the results block.
std::string soilResistancePart(const std::string& plot) {
    const size_t from = plot.find("\n 1 5\n");
    const size_t to = plot.find("\n 1 42 1\n");
    if (from == std::string::npos || to == std::string::npos || to < from) return "missing in:\n" + plot;
    return plot.substr(from, to - from);
}

TEST(ProblemAnalysis, EarthPressureGivenByTheUserLeavesTheGeneratedCurvesAsTheyAre) {
    const std::string without = soilResistancePart(clayPlotData(false));
    const std::string with = soilResistancePart(clayPlotData(true));
    ASSERT_EQ(without.rfind("\n 1 5\n     120.10    33\n", 0), 0u) << without;
    EXPECT_EQ(with, without);
}

// A section above the top of the wall (stations -2 to 0) makes station 0 an
// inner station that holds the full rigidity already: its moment is the one of
// a single section from -2 to 10.
TEST(ProblemAnalysis, SectionAboveTheTopLeavesTheRigidityAtStationZeroAsItIs) {
    Data joined;
    joined.nSect = 2;
    joined.section = "-2 0 1 1E9\n0 10 1 1E9";
    Data single;
    single.section = "-2 10 1 1E9";
    for (Data* d : {&joined, &single}) {
        d->nRestr = 1;
        d->restraints = "3 10 0 0\n";
    }
    const AnalysisRun a(joined);
    const AnalysisRun b(single);
    ASSERT_NE(a.report.find("RESULTS -- ITERATION"), std::string::npos) << a.report;
    EXPECT_EQ(a.row(0), b.row(0));
    EXPECT_EQ(a.row(0)[7], 1e9);
}

}  // namespace
}  // namespace korvex
