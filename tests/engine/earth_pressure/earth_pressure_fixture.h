// Problems and a run context for the earth-pressure tests: a wall with
// generated earth pressure, soil layers given by their bottom depth, and a
// temporary working folder holding the report, the run notes and BMWALL.001.
#pragma once

#include "core/analysis_model.h"
#include "core/run_context.h"
#include "earth_pressure/earth_pressure_generator.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace korvex::test {

struct LayerSpec {
    int type = 4;
    double bottom = 0;
    double gamma = 0;
    double strength = 0;
    double phi = 0;
    double optionalK = 0;
};

// A problem with KEP = mode, free height h, a wall of ni increments of dx and
// the given layers; water tables deep below the profile unless set.
inline ProblemInput wallProblem(int units, int mode, double h, int ni, double dx, const std::vector<LayerSpec>& layers) {
    ProblemInput p;
    p.control.units = units;
    p.control.kep = mode;
    p.wall.ni = ni;
    p.wall.dx = dx;
    p.wall.h = h;
    p.wall.wa = 1;
    p.hasSoilBlock = true;
    p.soil.earth.h = h;
    p.soil.earth.wa = 1;
    p.soil.earth.wp = 1;
    p.soil.earth.dwb = 1.0e6;
    p.soil.earth.dwe = 1.0e6;
    p.soil.earth.gw = 1;
    p.soil.earth.iep = 1;
    for (const LayerSpec& l : layers) {
        SoilLayer s;
        s.type = l.type;
        s.bottom = l.bottom;
        s.top = {l.gamma, l.strength, l.phi, 0, 0, l.optionalK};
        s.bottomValues = s.top;
        p.soil.layers.push_back(s);
    }
    return p;
}

class EarthPressureRun {
public:
    explicit EarthPressureRun(int units) {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvex-ep-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        ctx.workDir = dir_;
        ctx.units = units;
        ctx.unitWords = UnitWords::forUnits(units);
        ctx.reportFile.open(dir_ / "wall.rw5o");
        ctx.notesFile.open(dir_ / "wall.rw5r");
    }
    ~EarthPressureRun() {
        ctx.reportFile.close();
        ctx.notesFile.close();
        std::filesystem::remove_all(dir_);
    }

    void generate(const ProblemInput& input, const SupportDepths& supports = {}) {
        generateEarthPressure(ctx, input, supports);
        ctx.reportFile.flush();
        ctx.notesFile.flush();
    }

    std::string read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string report() const { return read("wall.rw5o"); }
    std::string notes() const { return read("wall.rw5r"); }
    std::vector<EarthPressureRow> rows() const { return readEarthPressureFile(dir_ / "BMWALL.001"); }
    const std::filesystem::path& dir() const { return dir_; }

    RunContext ctx;

private:
    std::filesystem::path dir_;
};

// Lines of a text, without line ends.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// Index of the first line equal to the given one, or -1.
inline int findLine(const std::vector<std::string>& lines, const std::string& line, int from = 0) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i)
        if (lines[i] == line) return i;
    return -1;
}

// Area under the total pressure between two depths, by trapezoids between rows.
inline double totalForce(const std::vector<EarthPressureRow>& rows, double from, double to) {
    double force = 0;
    for (size_t i = 1; i < rows.size(); ++i) {
        const double a = rows[i - 1].depth, b = rows[i].depth;
        if (a < from - 1e-9 || b > to + 1e-9) continue;
        force += 0.5 * (rows[i - 1].total + rows[i].total) * (b - a);
    }
    return force;
}

}  // namespace korvex::test
