#include "core/station_tables.h"
#include "core/list_reader.h"
#include "core/single_precision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace korvex {
namespace {

const UnitWords kEnglish{" IN", " LBS", "IN", "LBS"};

struct Fixture {
    ProblemInput input;
    std::ostringstream text;
    fortran::FormattedWriter report{text};
    InputEcho echo{report, kEnglish};
    CarriedState carried;

    Fixture() {
        input.wall.ni = 20;
        input.wall.dx = 6;
        input.wall.wa = 12;
        input.sections = {{0, 20, 1, 1000}};
    }
    StationTables build() { return buildStationTables(input, echo, carried); }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        std::istringstream in(text.str());
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
};

TEST(StationTables, LoadsFeedLoadCoupleAndReversedAxialTablesAndListTheMoment) {
    Fixture f;
    f.input.loads = {{1, 0, 0, 500, 0, 0}, {1, 4, 8, 2, 30, 7}};
    const StationTables t = f.build();
    EXPECT_EQ(t.q[0], 500);
    EXPECT_EQ(t.q[4], 1);
    EXPECT_EQ(t.q[6], 2);
    EXPECT_EQ(t.t[8], 15);
    EXPECT_EQ(t.p[6], -7);
    ASSERT_EQ(t.moments.size(), 1u);
    EXPECT_EQ(t.moments[0].station, 4);
    EXPECT_DOUBLE_EQ(t.moments[0].value, 30 / 12.0);
}

TEST(StationTables, TiebackIsASpringAndALoadAtItsStation) {
    Fixture f;
    // 10 ft deep, 20 ft unbonded, 8 ft spacing, all already in inches.
    f.input.tiebacks = {{120, 1.5, 29e6, 240, 15, 96, 40000}};
    const StationTables t = f.build();
    ASSERT_EQ(t.tiebacks.size(), 1u);
    const double c = std::cos(15 * spc(3.1416f) / 180);
    EXPECT_EQ(t.tiebacks[0].station, 20);
    EXPECT_DOUBLE_EQ(t.s[20], 1.5 * 29e6 * c / (240 * 96 / 12.0));
    EXPECT_DOUBLE_EQ(t.q[20], -(12 / 96.0) * c * 40000);
    const TiebackForces forces = tiebackForces(t.tiebacks[0], 0.1, 12);
    EXPECT_DOUBLE_EQ(forces.horizontalPerStation, t.q[20] - 0.1 * t.s[20]);
    EXPECT_DOUBLE_EQ(forces.perTieback, forces.horizontalPerStation / c * 96 / 12);
}

TEST(StationTables, TiebackThatWouldDivideByZeroIsRefusedWithItsNumber) {
    for (TiebackRecord rec : {TiebackRecord{120, 1, 1, 0, 0, 96, 0}, TiebackRecord{120, 1, 1, 240, 0, 0, 0}}) {
        Fixture f;
        f.input.tiebacks = {{60, 1, 1, 240, 0, 96, 0}, rec};
        EXPECT_THROW(
            try { f.build(); } catch (const DataError& e) {
                EXPECT_STREQ(e.what(), "ERROR -- TIEBACK 2: UNBONDED LENGTH, SPACING AND WIDTH WA MUST NOT BE ZERO");
                throw;
            },
            DataError);
    }
    Fixture f;
    f.input.wall.wa = 0;
    f.input.tiebacks = {{60, 1, 1, 240, 0, 96, 0}};
    EXPECT_THROW(f.build(), DataError);
}

TEST(StationTables, SupportDepthsComeFromSingleStationRecordsAndOthersKeepThePreviousProblemValue) {
    Fixture f;
    f.carried.topSupportDepth = 7;
    f.carried.bottomSupportDepth = 9;
    f.input.loads = {{1, 2, 5, 1, 0, 0}, {1, 3, 3, 1, 0, 0}};
    f.build();
    EXPECT_EQ(f.carried.topSupportDepth, 7);
    EXPECT_EQ(f.carried.bottomSupportDepth, 18);

    f.input.springs = {{4, 4, 1, 10, 0}, {6, 9, 1, 10, 0}};
    f.input.tiebacks = {{60, 1, 1, 240, 0, 96, 0}};  // station 10, the last of all
    f.build();
    EXPECT_EQ(f.carried.topSupportDepth, 24);
    EXPECT_EQ(f.carried.bottomSupportDepth, 60);
}

TEST(StationTables, EchoesEachRecordInTheLayoutOfItsSpan) {
    Fixture f;
    f.input.sections = {{0, 0, 2, 100}, {0, 20, 1, 200}};  // EI = 100 + 5 i
    f.input.loads = {{1, 5, 5, 10, 0, -3}};
    f.input.springs = {{3, 4, 2, 50, 0}};
    f.input.tiebacks = {{60, 1, 1, 240, 0, 96, 0}};
    f.build();
    const std::vector<std::string> l = f.lines();
    ASSERT_GE(l.size(), 6u);
    EXPECT_EQ(l[l.size() - 6], "                   LBS-IN**2     LBS     LBS/IN    IN-LBS   IN-LBS     LBS");
    EXPECT_EQ(l[l.size() - 5], "        0      1  0.100E+03 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00");
    EXPECT_EQ(l[l.size() - 4], "           20  0  0.200E+03 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00");
    EXPECT_EQ(l[l.size() - 3], "        5   5  0  0.125E+03 0.100E+02 0.000E+00 0.000E+00 0.000E+00-0.300E+01");
    EXPECT_EQ(l[l.size() - 2], "        3      1  0.115E+03 0.000E+00 0.500E+02 0.000E+00 0.000E+00 0.000E+00");
    EXPECT_EQ(l[l.size() - 1], "           10  0  0.150E+03 0.000E+00 0.521E-03 0.000E+00 0.000E+00 0.000E+00");
}

TEST(StationTables, DataBeyondTheTipIsSummed) {
    Fixture f;
    EXPECT_EQ(dataBeyondTip(f.build()), 0);
    f.input.sections = {{0, 21, 1, 1000}};
    EXPECT_EQ(dataBeyondTip(f.build()), 500);
}

}  // namespace
}  // namespace korvex
