// What a finished run tells the user on the command line, taken from its
// report and plot-data file.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace korvex::cli {

struct Extreme {
    double value = 0;  // largest magnitude, with its sign
    double depth = 0;
};

struct ProblemSummary {
    std::string title;
    int iterations = -1;  // -1 when the problem has no results
    std::vector<std::string> warnings;
    int units = 1;
    Extreme deflection, moment, shear;
    std::vector<double> tiebackForces;  // force per tieback
};

struct RunSummary {
    std::string fault;      // report or plot-data file missing
    std::string dataError;  // the data error that ended the run, if any
    std::vector<ProblemSummary> problems;
};

RunSummary summariseRun(const std::filesystem::path& report, const std::filesystem::path& plotData);
void printSummary(std::ostream& out, const std::string& project, const RunSummary& summary);

}  // namespace korvex::cli
