#include "core/moment_stiffness.h"

#include "core/data_messages.h"
#include "core/list_reader.h"

#include <cmath>
#include <string>

namespace korvex {

void checkMomentStiffnessCurves(const std::vector<MeiCurve>& curves, int ni) {
    for (size_t m = 0; m < curves.size(); ++m) {
        const MeiCurve& c = curves[m];
        if (c.points.empty()) {
            throw DataError("ERROR -- MOMENT-STIFFNESS CURVE " + std::to_string(m + 1) + " HAS NO POINTS");
        }
        if (c.from > c.to) continue;  // an empty range changes nothing
        for (int station : {c.from, c.to}) {
            if (station < -2 || station > ni + 2) throw DataError(messages::stationOutsideWall("MEICURVES", station));
        }
    }
}

double secantRigidity(const std::vector<MomentStiffnessPoint>& pts, double phi) {
    const size_t n = pts.size();
    if (n == 1) return pts[0].ei;  // one point: that rigidity at every curvature
    size_t k = 1;                  // 0-based; the last point when no earlier one qualifies
    while (k < n - 1 && !(phi * pts[k].ei < pts[k].moment)) ++k;
    const MomentStiffnessPoint& lo = pts[k - 1];
    const MomentStiffnessPoint& hi = pts[k];
    const double denominator = (hi.ei - lo.ei) * phi - (hi.moment - lo.moment);
    // Along a segment where M = phi x EI has no solution the first EI is kept.
    const double t = denominator == 0 ? 0.0 : (lo.moment - phi * lo.ei) / denominator;
    return lo.ei + t * (hi.ei - lo.ei);
}

void updateMomentStiffness(const std::vector<MeiCurve>& curves, const StationArray& y, double dx, StationArray& ei,
                           StationArray& replaced) {
    const double dx2 = dx * dx;
    for (const MeiCurve& c : curves) {
        for (int i = c.from; i <= c.to; ++i) {
            const double phi = std::fabs(y[i - 1] - 2.0 * y[i] + y[i + 1]) / dx2;
            ei[i] = secantRigidity(c.points, phi);
            replaced[i] = 1;
        }
    }
}

}  // namespace korvex
