#include "run_summary.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace korvex::cli {
namespace {

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

std::string trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

// Titles, iteration counts, warnings, tieback forces and data errors from the report.
void readReport(std::istream& in, RunSummary& run) {
    bool awaitingTitle = false;
    bool inTiebacks = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find("KORVEX for Windows, Version") != std::string::npos) {
            run.problems.emplace_back();
            inTiebacks = false;
        } else if (run.problems.empty()) {
            continue;
        }
        ProblemSummary& p = run.problems.back();
        if (line.find("Date:  ") != std::string::npos && p.title.empty()) {
            awaitingTitle = true;
        } else if (awaitingTitle && !trim(line).empty()) {
            p.title = trim(line);
            awaitingTitle = false;
        } else if (startsWith(line, "     RESULTS -- ITERATION")) {
            p.iterations = std::atoi(line.c_str() + 25);
        } else if (startsWith(line, "     *****")) {
            p.warnings.push_back(trim(line));
        } else if (startsWith(line, "     TIE BACK RESULTS")) {
            inTiebacks = true;
        } else if (inTiebacks) {
            const auto w = words(line);
            if (w.size() == 6 && w[0].find_first_not_of("0123456789") == std::string::npos)
                p.tiebackForces.push_back(std::atof(w[5].c_str()));
        } else if (startsWith(line, "     ERROR") || startsWith(line, "     TOO MUCH DATA")) {
            run.dataError = trim(line);
        }
    }
}

void keepLargest(Extreme& e, double value, double depth) {
    if (std::fabs(value) > std::fabs(e.value)) e = {value, depth};
}

// Skips the earth-pressure and soil-resistance parts and reads each results block.
void readPlotData(std::istream& in, RunSummary& run) {
    auto nextWords = [&in]() {
        std::string line;
        std::getline(in, line);
        return words(line);
    };
    auto skip = [&in](long n) {
        std::string line;
        for (long i = 0; i < n && std::getline(in, line); ++i) {}
    };
    for (size_t problem = 0; in && problem < run.problems.size(); ++problem) {
        auto w = nextWords();
        if (w.empty()) return;
        skip(std::atol(w[0].c_str()));
        w = nextWords();
        if (w.size() < 2) return;
        for (long curve = std::atol(w[1].c_str()); curve > 0; --curve) {
            const auto header = nextWords();
            if (header.size() < 2) return;
            skip(std::atol(header[1].c_str()));
        }
        w = nextWords();
        if (w.size() < 3) return;
        ProblemSummary& p = run.problems[problem];
        p.units = std::atoi(w[2].c_str());
        for (long row = std::atol(w[1].c_str()); row > 0; --row) {
            const auto v = nextWords();
            if (v.size() < 5) return;
            const double depth = std::atof(v[0].c_str());
            keepLargest(p.deflection, std::atof(v[1].c_str()), depth);
            keepLargest(p.moment, std::atof(v[2].c_str()), depth);
            keepLargest(p.shear, std::atof(v[3].c_str()), depth);
        }
    }
}

struct UnitNames {
    const char* length;
    const char* force;
};

UnitNames unitNames(int units) {
    if (units == 1) return {"in", "lbs"};
    if (units == 2) return {"m", "kN"};
    return {"L", "F"};
}

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4g", v);
    return buf;
}

}  // namespace

RunSummary summariseRun(const std::filesystem::path& report, const std::filesystem::path& plotData) {
    RunSummary run;
    std::ifstream reportIn(report);
    std::ifstream plotIn(plotData);
    if (!reportIn || !plotIn) {
        run.fault = "the engine wrote no report or plot-data file";
        run.dataError = run.fault;
        return run;
    }
    readReport(reportIn, run);
    readPlotData(plotIn, run);
    return run;
}

void printSummary(std::ostream& out, const std::string& project, const RunSummary& run) {
    if (!run.fault.empty()) {
        out << project << ": " << run.fault << "\n";
        return;
    }
    out << project << ": " << (run.dataError.empty() ? "completed" : "ended on a data error") << ", "
        << run.problems.size() << (run.problems.size() == 1 ? " problem" : " problems") << "\n";
    for (size_t i = 0; i < run.problems.size(); ++i) {
        const ProblemSummary& p = run.problems[i];
        const UnitNames u = unitNames(p.units);
        out << "  problem " << i + 1 << ": " << p.title << "\n";
        if (p.iterations < 0) continue;
        out << "    iterations " << p.iterations << (p.warnings.empty() ? ", closed" : "") << "\n";
        for (const std::string& w : p.warnings) out << "    warning: " << w << "\n";
        out << "    max deflection " << number(p.deflection.value) << " " << u.length << " at depth "
            << number(p.deflection.depth) << " " << u.length << "\n";
        out << "    max moment     " << number(p.moment.value) << " " << u.force << "-" << u.length
            << " at depth " << number(p.moment.depth) << " " << u.length << "\n";
        out << "    max shear      " << number(p.shear.value) << " " << u.force << " at depth "
            << number(p.shear.depth) << " " << u.length << "\n";
        for (size_t t = 0; t < p.tiebackForces.size(); ++t)
            out << "    tieback " << t + 1 << " force " << number(p.tiebackForces[t]) << " " << u.force << "\n";
    }
    if (!run.dataError.empty()) out << "  data error: " << run.dataError << "\n";
}

}  // namespace korvex::cli
