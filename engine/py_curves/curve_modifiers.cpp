#include "py_curves/curve_modifiers.h"

#include "core/single_precision.h"
#include "py_curves/py_constants.h"

#include <algorithm>
#include <cmath>

namespace korvex::py {
namespace {

constexpr double kGroupLowRatio = spc(1.1f);
constexpr double kGroupHighRatio = spc(3.1f);
constexpr double kGroupCoefficient = spc(0.5292f);
constexpr double kGroupExponent = spc(0.5659f);
constexpr double kClayOffsetFloor = spc(1.0E-10f);

double between(double a, double b, double t) { return a + (b - a) * t; }

Multipliers rowValue(const PyModFactor& row) { return {row.pMult, row.yMult}; }

}  // namespace

double groupReductionFactor(double ratio) { return kGroupCoefficient * std::pow(ratio, kGroupExponent); }

Multipliers MultiplierRule::at(double z) const {
    if (!factors_.empty()) return fromFactors(z);
    const bool grouped = widthRatio_ >= kGroupLowRatio && widthRatio_ < kGroupHighRatio && z >= freeHeight_;
    return {grouped ? groupReductionFactor(widthRatio_) : 1.0, 1.0};
}

Multipliers MultiplierRule::fromFactors(double z) const {
    const std::vector<PyModFactor>& rows = factors_;
    if (z < rows.front().depth) return {};
    for (size_t k = 1; k < rows.size(); ++k) {
        if (rows[k].depth < z) continue;
        if (rows[k].depth == z) {
            const bool sharedWithNext = k + 1 < rows.size() && rows[k + 1].depth == z;
            return rowValue(rows[sharedWithNext ? k + 1 : k]);
        }
        const PyModFactor& a = rows[k - 1];
        const PyModFactor& b = rows[k];
        const double t = (z - a.depth) / (b.depth - a.depth);
        return {between(a.pMult, b.pMult, t), between(a.yMult, b.yMult, t)};
    }
    if (z == rows.back().depth) return rowValue(rows.back());
    return {};
}

double earthLoadAt(const std::vector<EarthPressureLoad>& rows, double z) {
    if (rows.empty()) return 0.0;
    if (z <= rows.front().depth) return rows.front().load;
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        const EarthPressureLoad& a = rows[i];
        const EarthPressureLoad& b = rows[i + 1];
        if (z > b.depth) continue;
        if (b.depth == a.depth) return a.load;
        return between(a.load, b.load, (z - a.depth) / (b.depth - a.depth));
    }
    return rows.back().load;
}

double clayActiveOffset(double b, double c, double excavationOverburden, double earthLoad, double ratio) {
    const double pa = std::max(b * (excavationOverburden - 2.0 * c), earthLoad / ratio - 2.0 * c * b);
    return pa <= kClayOffsetFloor ? 0.0 : pa;
}

}  // namespace korvex::py
