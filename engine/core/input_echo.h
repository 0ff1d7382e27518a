// The echo of a problem's data in the report, written as the records are taken:
// wall values, specified deflections and slopes, stiffness and load records,
// earth-pressure distribution and the user's soil-resistance curves.
#pragma once

#include "core/analysis_model.h"
#include "core/fortran_format.h"
#include "core/run_context.h"

#include <array>
#include <vector>

namespace korvex {

// Layout of a record line, chosen by whether the previous and this record of a
// sequence are linear (interpolated toward the next record).
enum class SpanLayout { FromAndTo, FromOnly, ToOnly };
SpanLayout spanLayout(bool previousLinear, bool thisLinear);

class InputEcho {
public:
    InputEcho(fortran::FormattedWriter& report, const UnitWords& words) : out_(report), words_(words) {}

    void wall(const Wall& wall);
    void restraints(const std::vector<Restraint>& restraints);

    void stiffnessHeading();
    void noSectionRecords();
    // One SECTION, LOADS, SPRINGS or TIEBACK line: values EI, Q, S, T, R, P.
    void stiffnessLine(SpanLayout layout, int from, int to, int contd, const std::array<double, 6>& values);

    void specifiedEarthPressureHeading();
    void earthPressureHeading();
    void earthPressurePoint(double depth, double load);

    void userCurvesHeading();
    void userCurve(const UserPyCurve& curve, int flag, bool withGenerated, SpanLayout layout);
    void noGeneratedCurves();

private:
    void starBox(const char* text);
    fortran::FormattedWriter& out_;
    const UnitWords& words_;
};

}  // namespace korvex
