// The report of a problem pinned line by line: the echo of the wall values, the
// specified deflections and slopes, the stiffness and load records in each of
// their layouts and the user's soil-resistance curves alone and together with
// generated curves; then the results heading with its warnings, the results
// table, the tieback results and the run-notes line.
#include "core/engine_run.h"

#include "run_folder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace korvex {
namespace {

using test::RunFolder;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

// The lines of a result file ("wall.rw5o", "wall.rw5r") of the run of a data file.
std::vector<std::string> resultLines(const std::string& data, const char* file = "wall.rw5o") {
    RunFolder folder;
    folder.writeRunFileList();
    folder.write("wall.rw5d", data);
    EXPECT_EQ(runEngine(21, folder.path()), 0);
    return lines(folder.read(file));
}

// Compares the report, from its first line that contains `first`, with the expected lines.
void expectBlock(const std::vector<std::string>& report, const std::string& first,
                 const std::vector<std::string>& expected) {
    size_t at = 0;
    while (at < report.size() && report[at].find(first) == std::string::npos) ++at;
    ASSERT_LE(at + expected.size(), report.size()) << first;
    for (size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(report[at + k], expected[k]) << "line " << k;
}

// A problem in English units: TITLE and CONTROL, then (given by each test) the
// WALL record, then four restraints, four sections, two loads, one spring, one
// tieback 10 ft deep and three user curves; 20 increments of 12 in, free height 60 in.
const char* const kEnglishHead =
    "Echo layouts\r\n"
    "1 4 4 0 0 0 3 1 0 1\r\n";
const char* const kEnglishBody =
    "0 1 0.005 0\r\n1 2 0.01 0\r\n2 8 0 0.002\r\n5 20 -0.03 0.001\r\n"
    "0 5 1 2E9\r\n5 0 2 2E9\r\n0 12 2 3E9\r\n12 20 1 1E9\r\n"
    "2\r\n1 0 0 1000 500 -20\r\n2 3 3 5 0 0\r\n"
    "1\r\n2 4 1 100 7\r\n"
    "10 1.5 29000000 20 15 8 40000\r\n"
    "4 3 1 1\r\n-1 100\r\n0 0\r\n1 -100\r\n"
    "5 2 2 0.5\r\n0 0\r\n2 -200\r\n"
    "20 2 1 1\r\n0 0\r\n1 -300\r\n"
    "0\r\n";

TEST(InputEchoLayout, WallRestraintStiffnessAndUserCurveLinesOfAnEnglishProblem) {
    const std::vector<std::string> expected = {
        // Item 7: wall values.
        "      NUMBER OF INCREMENTS                               =  20",
        "      INCREMENT LENGTH                                   =    12.000 IN",
        "      FREE HEIGHT OF WALL                                =    60.000 IN",
        "      MAXIMUM ALLOWABLE DEFLECTION                       =     2.500 IN",
        "      DEFLECTION CLOSURE TOLERANCE                       = 1.000E-05 IN",
        // Item 8: one line per restraint: case 1 or less, case 2, case 3 or more.
        "",
        "",
        "      **************************************************",
        "      *        SPECIFIED DEFLECTIONS AND SLOPES        *",
        "      **************************************************",
        "",
        "          STA      CASE       DEFLECTION        SLOPE",
        "",
        "            1        0         0.500E-02         NONE",
        "            2        1         0.100E-01         NONE",
        "            8        2           NONE         0.200E-02",
        "           20        5        -0.300E-01      0.100E-02",
        // Item 9: heading of the stiffness and load data.
        "",
        "",
        "      **************************************************",
        "      *        STIFFNESS AND LOAD DATA                 *",
        "      **************************************************",
        "      EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,",
        "      S - STIFFNESS OF TRANSVERSE RESISTANCE,",
        "      T - TORQUE,              P - AXIAL LOAD,",
        "      R - STIFFNESS OF TORSIONAL RESISTANCE.",
        "",
        "     FROM TO CONTD     EI         Q        S'        T         R         P",
        "",
        "                   LBS-IN**2     LBS     LBS/IN    IN-LBS   IN-LBS     LBS",
        // Item 10: SECTION constant, linear after constant (from only), linear and constant after linear
        // (to only); LOADS constant and linear; SPRINGS; TIEBACK at station 10 (Qt, St).
        "        0   5  0  0.200E+10 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00",
        "        5      1  0.200E+10 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00",
        "           12  1  0.300E+10 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00",
        "           20  0  0.100E+10 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00",
        "        0   0  0  0.100E+10 0.100E+04 0.000E+00 0.500E+03 0.000E+00-0.200E+02",
        "        3      1  0.200E+10 0.500E+01 0.000E+00 0.000E+00 0.000E+00 0.000E+00",
        "        2   4  0  0.200E+10 0.000E+00 0.100E+03 0.000E+00 0.700E+01 0.000E+00",
        "       10  10  0  0.271E+10-0.483E+04 0.219E+05 0.000E+00 0.000E+00 0.000E+00",
        // Item 12: curves alone at station 4 (above H: CONTD 0), 5 (at H: CONTD 1) and 20 (after an
        // interpolating curve); points times the multipliers.
        "",
        "",
        "      **************************************************",
        "      *     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *",
        "      **************************************************",
        "",
        "",
        "     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ",
        "",
        "",
        "        4   4  0          0.100E+01     0.100E+01           3",
        "",
        "",
        "                      Y                   P    ",
        "                     IN                 LBS/IN",
        "                  ---------            --------",
        "                 -0.100E+01           0.100E+03",
        "                  0.000E+00           0.000E+00",
        "                  0.100E+01          -0.100E+03",
        "",
        "     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ",
        "",
        "",
        "        5      1          0.200E+01     0.500E+00            2",
        "",
        "",
        "                      Y                   P    ",
        "                     IN                 LBS/IN",
        "                  ---------            --------",
        "                  0.000E+00           0.000E+00",
        "                  0.100E+01          -0.400E+03",
        "",
        "     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ",
        "",
        "",
        "           20  1          0.100E+01     0.100E+01            2",
        "",
        "",
        "                      Y                   P    ",
        "                     IN                 LBS/IN",
        "                  ---------            --------",
        "                  0.000E+00           0.000E+00",
        "                  0.100E+01          -0.300E+03",
        "",
        "      Echo layouts                                                          ",
    };
    expectBlock(resultLines(std::string(kEnglishHead) + "20 12 2.5 0.00001 60 12\r\n" + kEnglishBody),
                "NUMBER OF INCREMENTS", expected);
}

// The same problem with an allowable deflection of 1E-5: the first iteration
// exceeds it, is not closed and, with curves of two points, lies off the curves.
TEST(ResultsLayout, WarningsInTheirOrderResultsTableTiebackResultsAndMonitorLine) {
    const std::string data = std::string(kEnglishHead) + "20 12 0.00001 0.00001 60 12\r\n" + kEnglishBody;
    const std::vector<std::string> report = resultLines(data);
    expectBlock(report, "RESULTS -- ITERATION",
                {
                    "     RESULTS -- ITERATION  1",
                    "     --------------------",
                    "",
                    "     ***** DEFLECTION OFF Q - W CURVES *****",
                    "",
                    "     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***  21  *** STATIONS *****",
                    "",
                    "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****",
                    "",
                    "   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI ",
                    "             IN          IN                   LBS-IN        LBS         LBS       LBS-IN**2",
                    "   ------    ----        ----       -----      ------      ------    ---------    ----------",
                });
    // One row (2X,I4,2X,E10.3,6E12.3) per station 0 to 20: station, depth, ..., EI.
    size_t at = 0;
    while (at < report.size() && report[at].rfind("   ------    ----", 0) != 0) ++at;
    ASSERT_LT(at + 21, report.size());
    for (int station = 0; station <= 20; ++station) {
        const std::string& row = report[at + 1 + static_cast<size_t>(station)];
        ASSERT_EQ(row.size(), 90u) << row;
        EXPECT_EQ(row.substr(0, 6), "  " + std::string(station < 10 ? "   " : "  ") + std::to_string(station));
        EXPECT_DOUBLE_EQ(std::stod(row.substr(8, 10)), 12.0 * station) << row;
        EXPECT_EQ(row.substr(7, 1) + row.substr(19, 1), "  ") << row;
    }
    EXPECT_EQ(report[at + 1].substr(78), "   0.100E+10");  // EI at the top: the table's half value
    EXPECT_EQ(report[at + 3].substr(18, 12), "   0.100E-01");  // the specified deflection at station 2
    expectBlock(report, "TIE BACK RESULTS",
                {
                    "     TIE BACK RESULTS",
                    "     ----------------",
                    "",
                    "     N     STA         X        HOR.FORCE/STA.     FORCE/STA.     FORCE/TIE BACK",
                    "                      IN            LBS               LBS               LBS",
                    "   -----  -----    --------     --------------   --------------   --------------",
                });
    const std::string tieback = report[at + 1 + 21 + 8];
    EXPECT_EQ(tieback.substr(0, 27), "     1     10     0.120E+03") << tieback;
    EXPECT_EQ(tieback.size(), 27u + 3 * 17);
    expectBlock(report, "END OF ANALYSIS", {"     END OF ANALYSIS                             "});
    EXPECT_EQ(report.size(), at + 1 + 21 + 8 + 1 + 4);

    const std::vector<std::string> notes = resultLines(data, "wall.rw5r");
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_EQ(notes[3], "     ITERATION MONITOR DATA");
    EXPECT_EQ(notes[5].substr(0, 29), "      1       YES        21  ");
    EXPECT_EQ(notes[5].substr(29, 20), " 0.500E-02 0.100E-01");  // stations 1 and 2 as specified
    EXPECT_EQ(notes[5].size(), 29u + 50);
}

// The plot-data file of the English problem: the earth-pressure part (none),
// the user curves with their multipliers applied, and the results block of
// stations 0 to NI + 1 in (5(1X,E13.4)).
TEST(PlotDataLayout, PartsInOrderAndResultRowsOfStationsZeroToOneBeyondTheTip) {
    const std::vector<std::string> plot =
        resultLines(std::string(kEnglishHead) + "20 12 2.5 0.00001 60 12\r\n" + kEnglishBody, "wall.rw5p");
    const std::vector<std::string> head = {
        " 0",                                       // KEP = 0
        " 1 3",                                     // units code, user curves
        " 4 3",   " -1 100", " 0 0", " 1 -100",    // station 4, three points
        " 5 2",   " 0 0",    " 1 -400",             // station 5: y x 0.5, p x 2
        " 20 2",  " 0 0",    " 1 -300",             // station 20
        " 1 22 1",                                  // one results block of NI + 2 rows, English units
    };
    ASSERT_EQ(plot.size(), head.size() + 22);
    for (size_t k = 0; k < head.size(); ++k) EXPECT_EQ(plot[k], head[k]) << k;
    for (int station = 0; station <= 21; ++station) {
        const std::string& row = plot[head.size() + static_cast<size_t>(station)];
        ASSERT_EQ(row.size(), 70u) << row;
        EXPECT_DOUBLE_EQ(std::stod(row.substr(0, 14)), 12.0 * station) << row;
    }
    EXPECT_EQ(plot[head.size()].substr(0, 14), "    0.0000E+00");
    EXPECT_EQ(plot[head.size() + 2].substr(14, 14), "    0.1000E-01");  // the specified deflection at station 2
    EXPECT_EQ(plot.back().substr(0, 14), "    0.2520E+03");
    EXPECT_EQ(plot.back().substr(28, 14), "    0.0000E+00");  // no rigidity beyond the tip, no moment
}

// SI units, no restraints, generated curves from one soft-clay layer and one
// user curve, which then acts at its own station only.
const char* const kSiProblemWithGeneratedCurves =
    "Generated and user curves\r\n"
    "2 0 1 0 0 2 1 1 0 0\r\n"
    "40 0.25 0.5 0.0001 3 1\r\n"
    "0 40 1 50000\r\n0\r\n0\r\n"
    "3 1 1 100 100 1 1 0\r\n0 0 0 0 0 0\r\n0\r\n"
    "1\r\n1 10\r\n18 20 0 0.01 0 0\r\n18 20 0 0.01 0 0\r\n"
    "30 3 1.5 2\r\n-0.01 10\r\n0 0\r\n0.01 -10\r\n"
    "0\r\n";

TEST(InputEchoLayout, NoRestraintsAndAUserCurveBesideGeneratedCurvesInSIUnits) {
    const std::vector<std::string> report = resultLines(kSiProblemWithGeneratedCurves);
    expectBlock(report, "NUMBER OF INCREMENTS",
                {
                    "      NUMBER OF INCREMENTS                               =  40",
                    "      INCREMENT LENGTH                                   =     0.250  M",
                    "      FREE HEIGHT OF WALL                                =     3.000  M",
                    "      MAXIMUM ALLOWABLE DEFLECTION                       =     0.500  M",
                    "      DEFLECTION CLOSURE TOLERANCE                       = 1.000E-04  M",
                    "",
                    "                    ",
                    "",
                    "",
                    "      **************************************************",
                    "      *        STIFFNESS AND LOAD DATA                 *",
                });
    expectBlock(report, "KN- M**2",
                {
                    "                    KN- M**2      KN      KN/ M     M- KN    M- KN      KN",
                    "        0  40  0  0.500E+05 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00",
                });
    expectBlock(report, "INPUTTED  SOIL RESISTANCE",
                {
                    "      *     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *",
                    "      **************************************************",
                    "",
                    "",
                    "     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ",
                    "",
                    "",
                    "           30  0          0.150E+01     0.200E+01            3",
                    "",
                    "",
                    "                      Y                   P    ",
                    "                      M                  KN/ M",
                    "                  ---------            --------",
                    "                 -0.200E-01           0.150E+02",
                    "                  0.000E+00           0.000E+00",
                    "                  0.200E-01          -0.150E+02",
                });
}

}  // namespace
}  // namespace korvex
