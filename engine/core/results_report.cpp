#include "core/results_report.h"

#include "core/report_heading.h"

namespace korvex {
namespace {

void writeHeadingAndWarnings(fortran::FormattedWriter& out, const IterationOutcome& o) {
    out.write("(/,/,\"     RESULTS -- ITERATION\",I3,/,\"     --------------------\")", {o.iteration});
    if (o.offCurve) out.write("(/,\"     ***** DEFLECTION OFF Q - W CURVES *****\")");
    if (o.exceeding > 0) {
        out.write("(/,\"     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***\",I4,\"  *** STATIONS *****\")",
                  {o.exceeding});
    }
    if (o.notClosed > 0) out.write("(/,\"     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\")");
}

void writeTable(fortran::FormattedWriter& out, const UnitWords& u, const std::vector<StationResult>& rows, int ni) {
    out.write("(/,\"   STA I      X         DEFL.       SLOPE\",\"      MOMENT      SHEAR    NET REACT/STA    EI \")");
    out.write("(12X,A,9X,A,19X,A,\"-\",A,7X,A,8X,A,7X,A,\"-\",A,\"**\",\"2\",/,"
              "\"   ------    ----        ----       -----\",\"      ------      ------    ---------    ----------\")",
              {u.l3, u.l3, u.f3, u.l2, u.f4, u.f4, u.f3, u.l2});
    for (const StationResult& r : rows) {
        if (r.station < 0 || r.station > ni) continue;
        out.write("(2X,I4,2X,E10.3,6E12.3)",
                  {r.station, r.x, r.deflection, r.slope, r.moment, r.shear, r.reaction, r.ei});
    }
}

void writeTiebacks(fortran::FormattedWriter& out, const UnitWords& u, const std::vector<Tieback>& tiebacks,
                   const StationArray& y, double wa) {
    out.write("(/,/,\"     TIE BACK RESULTS\",/,\"     ----------------\",/,/,\"     N     STA         X       \","
              "\" HOR.FORCE/STA.     FORCE/STA.     FORCE/TIE BACK\",/,21X,A,12X,A,15X,A,15X,A,/,"
              "\"   -----  -----    --------    \",\" --------------   --------------   --------------\")",
              {u.l3, u.f3, u.f3, u.f3});
    int number = 0;
    for (const Tieback& tb : tiebacks) {
        const TiebackForces f = tiebackForces(tb, y.valueOr0(tb.station), wa);
        out.write("(1X,I5,2X,I5,2X,E12.3,3(2X,E15.4))",
                  {++number, tb.station, tb.record.depth, f.horizontalPerStation, f.perStation, f.perTieback});
    }
}

}  // namespace

void writeResultsReport(RunContext& ctx, const ProblemInput& input, const IterationOutcome& outcome,
                        const std::vector<StationResult>& rows, const std::vector<Tieback>& tiebacks,
                        const StationArray& y) {
    writeTitleLine(ctx, input.control, input.title);
    writeHeadingAndWarnings(ctx.report, outcome);
    writeTable(ctx.report, ctx.unitWords, rows, input.wall.ni);
    if (!tiebacks.empty()) writeTiebacks(ctx.report, ctx.unitWords, tiebacks, y, input.wall.wa);
}

}  // namespace korvex
