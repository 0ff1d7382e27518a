// The state of one engine call. Every call of the entry point creates a fresh
// context, so nothing survives from one run to the next; within a call the
// context carries the few values that pass from one problem to the next.
#pragma once

#include "core/fortran_format.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace korvex {

// Unit words of the report, set from the problem's unit-system code.
struct UnitWords {
    std::string l3 = "   ";  // 3 characters: " IN", "  M", "  L"
    std::string f4 = "    ";  // 4 characters: " LBS", "  KN", "   F"
    std::string l2 = "  ";    // 2 characters: "IN", " M", " L"
    std::string f3 = "   ";   // 3 characters: "LBS", " KN", "  F"

    static UnitWords forUnits(int units);
};

// One row of the results block of the plot-data file (stations 0 .. NI + 1).
struct ResultRow {
    double x = 0;
    double deflection = 0;
    double moment = 0;
    double shear = 0;
    double reaction = 0;
};

// Values that a problem hands to the next problem of the same run.
struct CarriedState {
    double topSupportDepth = 0;       // support depths for the earth-pressure generator
    double bottomSupportDepth = 0;
    double excavationOverburden = 0;  // left by the earth-pressure generator
    std::vector<double> deflections;  // deflections of the last problem, by station index (station + 3)
};

struct RunContext {
    std::filesystem::path workDir;
    std::string version;  // line 1 of the run file list (12 characters)
    std::filesystem::path dataPath, reportPath, plotPath, notesPath;

    std::ofstream reportFile, plotFile, notesFile;
    fortran::FormattedWriter report{reportFile};
    fortran::FormattedWriter plot{plotFile};
    fortran::FormattedWriter notes{notesFile};

    UnitWords unitWords;
    int units = 1;
    int problem = 0;
    std::string runTitle;
    std::tm started{};  // date and time of the call, shown in every problem's heading
    int resultsBlockCount = 1;
    CarriedState carried;
    std::vector<ResultRow> results;  // results block of the last analysed problem

    std::filesystem::path scratchFile(const char* name) const { return workDir / name; }
};

}  // namespace korvex
