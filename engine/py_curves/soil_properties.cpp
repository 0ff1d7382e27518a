#include "py_curves/soil_properties.h"

#include "core/fortran_format.h"
#include "core/list_reader.h"
#include "py_curves/py_constants.h"

#include <iostream>
#include <string>

namespace korvex::py {
namespace {

constexpr double kNegligibleValue = spc(1.0E-20f);
constexpr double kLayerTopBand = spc(1.0E-5f);

[[noreturn]] void beyondStrengthTable(Strength column, double x) {
    const char* curve = column == Strength::Phi ? "THE INPUT PHI CURVE" : "THE INPUT STRENGTH CURVE";
    const std::string where = "THE VALUE OF X =" + fortran::formatE(x, 9, 1, 0, 'D') + "IS BEYOND THE EXTENT OF";
    for (int i = 0; i < 2; ++i) std::cerr << "**** WARNING ****\n" << where << '\n' << curve << '\n';
    throw DataError("**** WARNING **** " + where + " " + curve);
}

double sharedPointValue(double upper, double lower) {
    if (upper < kNegligibleValue) return lower;
    if (lower < kNegligibleValue) return upper;
    return (upper + lower) / 2.0;
}

double interpolate(double x0, double v0, double x1, double v1, double x) {
    if (x1 == x0) return v0;
    return v0 + (v1 - v0) * (x - x0) / (x1 - x0);
}

}  // namespace

double SoilProperties::at(Strength column, double x) const {
    const std::vector<StrengthPoint>& pts = profile_.strength;
    if (pts.empty() || x > pts.back().x) beyondStrengthTable(column, x);
    for (size_t i = 0; i + 1 < pts.size(); ++i)
        if (pts[i].x == x && pts[i + 1].x == x) return sharedPointValue(pts[i][column], pts[i + 1][column]);
    for (size_t i = 0; i + 1 < pts.size(); ++i)
        if (x >= pts[i].x && x <= pts[i + 1].x)
            return interpolate(pts[i].x, pts[i][column], pts[i + 1].x, pts[i + 1][column], x);
    return pts.front()[column];
}

double SoilProperties::averageUnitWeight(double x) const {
    const std::vector<UnitWeightPoint>& pts = profile_.unitWeight;
    if (x < kTinyDepth) {
        for (const UnitWeightPoint& p : pts)
            if (p.gamma > 0.0) return p.gamma;
        return 0.0;
    }
    if (pts.empty() || x > pts.back().x)
        throw DataError("ERROR -- THE DEPTH X =" + fortran::formatE(x, 10, 3) +
                        " LIES BEYOND THE EXTENT OF THE EFFECTIVE UNIT WEIGHT DISTRIBUTION");
    double integral = 0.0;
    for (size_t i = 0; i + 1 < pts.size() && pts[i].x < x; ++i) {
        const UnitWeightPoint& a = pts[i];
        const UnitWeightPoint& b = pts[i + 1];
        if (b.x - a.x < kTinyDepth) continue;
        const double end = b.x < x ? b.x : x;
        const double gammaEnd = b.x < x ? b.gamma : interpolate(a.x, a.gamma, b.x, b.gamma, x);
        integral += (a.gamma + gammaEnd) / 2.0 * (end - a.x);
    }
    return integral / x;
}

double SoilProperties::averageCohesion(size_t layer, double x) const {
    const StrengthPoint& top = profile_.strength[2 * layer];
    const StrengthPoint& bottom = profile_.strength[2 * layer + 1];
    const double cTop = top[Strength::Cohesion];
    const double cx = interpolate(top.x, cTop, bottom.x, bottom[Strength::Cohesion], x);
    if (x - top.x < kLayerTopBand) return cx;
    return (cTop + cx) / 2.0;
}

}  // namespace korvex::py
