// Shared fixtures of the p-y curve tests: a curve site and a report sink.
#pragma once

#include "core/run_context.h"
#include "py_curves/soil_model.h"

#include <sstream>
#include <string>

namespace korvex::py::test {

// A report that a model writes its branch headings into.
struct ReportSink {
    std::ostringstream text;
    fortran::FormattedWriter out{text};
    UnitLabels units = UnitLabels::from(UnitWords::forUnits(1));

    BranchReport report() { return {out, units}; }
    bool contains(const std::string& s) const { return text.str().find(s) != std::string::npos; }
};

// A site in the first profile layer of a wide-spaced wall, no modifiers.
inline CurveSite siteAt(double x, double b = 12.0) {
    CurveSite s;
    s.x = x;
    s.b = b;
    s.ratio = 2.0;
    s.freeHeight = 100.0;
    s.layerBottom = 200.0;
    return s;
}

}  // namespace korvex::py::test
