#include "py_curves/clay_report.h"

namespace korvex::py {

void writeStiffClayHeading(BranchReport r, const CurveSite& s, Side side, double ca, const char* valuesLayout) {
    writeSideLine(r.out, side);
    r.out.write("(8X,\"DEPTH BELOW GS\",10X,\"DIAM\",9X,\"C\",6X,\"CAVG\",1X,\"GAMMA AVG\",10X,\"E50\")");
    r.out.write("(15X,A3,14X,A3,1X,A,1X,A,1X,A)",
                {r.units.length, r.units.length, r.units.pressure, r.units.pressure, r.units.unitWeight});
    r.out.write(valuesLayout, {s.branchDepth(side), s.b, s.c, ca, s.gamma, s.e50});
}

}  // namespace korvex::py
