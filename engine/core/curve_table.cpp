#include "core/curve_table.h"

#include "core/list_reader.h"

#include <string>

namespace korvex {

SoilCurve userSoilCurve(const UserPyCurve& curve, double dx, bool interpolate) {
    const auto& pts = curve.points;
    bool sound = pts.size() >= 2;
    for (size_t k = 1; sound && k < pts.size(); ++k) sound = pts[k].y != pts[k - 1].y;
    if (!sound) {
        throw DataError("ERROR -- THE P-Y CURVE AT STATION " + std::to_string(curve.station) +
                        " NEEDS AT LEAST TWO POINTS WITH DIFFERENT DEFLECTIONS");
    }
    SoilCurve c;
    c.station = curve.station;
    c.interpolate = interpolate;
    for (const CurvePoint& p : pts) c.points.push_back({p.y * curve.yMult, p.p * dx * curve.pMult});
    return c;
}

bool userCurveInterpolates(int station, double dx, double freeHeight) {
    return station * dx >= freeHeight - 1e-6 * dx;
}

CurveLine linearise(const SoilCurve& curve, double y) {
    const std::vector<CurvePoint>& pts = curve.points;
    const size_t n = pts.size();
    CurveLine line;
    size_t j = n - 2;  // segment (j, j + 1), 0-based
    if (n <= 2) {
        line.offCurve = true;
    } else {
        size_t k = 1;
        while (k < n && !(y <= pts[k].y)) ++k;
        if (k == n) {
            line.offCurve = true;
        } else if (y >= pts[0].y) {
            j = k - 1;
        } else {
            j = 0;
            line.offCurve = true;
        }
    }
    const double dy = pts[j + 1].y - pts[j].y;
    if (dy == 0) return line;
    line.ks = -(pts[j + 1].p - pts[j].p) / dy;
    line.p0 = line.ks * pts[j].y + pts[j].p;
    return line;
}

}  // namespace korvex
