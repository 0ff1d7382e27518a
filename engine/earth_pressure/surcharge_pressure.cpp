#include "earth_pressure/surcharge_pressure.h"

#include "core/list_reader.h"
#include "earth_pressure/method_constants.h"

#include <algorithm>
#include <cmath>

namespace korvex {

using namespace earth_pressure;

namespace {

void checkGeometry(double freeHeight, double wallLength) {
    if (!(freeHeight > 0.0))
        throw DataError("ERROR -- THE FREE HEIGHT OF THE WALL MUST BE GREATER THAN ZERO FOR SURCHARGE LOADS "
                        "(THE LATERAL PRESSURE IS SCALED BY IT)");
    if (!(wallLength > 0.0))
        throw DataError("ERROR -- THE WALL LENGTH MUST BE GREATER THAN ZERO FOR SURCHARGE LOADS");
}

}  // namespace

double pointLoadPressure(double load, double x, double h, double z) {
    const double m = x / h;
    const double n = z / h;
    const double n2 = n * n;
    if (m <= kNearRatio) return kPointNear * load * n2 / (h * h * std::pow(kNearRatioSq + n2, 3));
    const double m2 = m * m;
    return kPointFar * load * m2 * n2 / (h * h * std::pow(m2 + n2, 3));
}

double lineLoadPressure(double load, double x, double h, double z, SurchargeConstants constants) {
    const double m = x / h;
    const double n = z / h;
    const double n2 = n * n;
    if (m <= kNearRatio) return kLineNear * load * n / (h * std::pow(kNearRatioSq + n2, 2));
    const double m2 = m * m;
    const double factor = constants == SurchargeConstants::Pressure ? 4.0 / kPi : kLineFarResultant;
    return factor * load * m2 * n / (h * std::pow(m2 + n2, 2));
}

double stripLoadPressure(double load, double x, double b, double z, SurchargeConstants constants) {
    const double t1 = std::atan((x - b / 2.0) / z);
    const double t2 = std::atan((x + b / 2.0) / z);
    const double beta = t2 - t1;
    const double share = constants == SurchargeConstants::Pressure ? 2.0 * load / kPi : kStripResultant * load;
    return share * (beta - std::sin(beta) * std::cos(t1 + t2));
}

double surchargeLoadPressure(const SurchargeLoad& load, double h, double z) {
    if (!(z > 0.0)) return 0.0;
    switch (load.type) {
    case 2:
        return lineLoadPressure(load.magnitude, load.x, h, z);
    case 3:
        return stripLoadPressure(load.magnitude, load.x, load.width, z);
    default:
        return pointLoadPressure(load.magnitude, load.x, h, z);
    }
}

double surchargePressureDirect(const std::vector<SurchargeLoad>& loads, double freeHeight, double wallLength,
                               double z) {
    double sigma = 0.0;
    if (loads.empty()) return sigma;
    checkGeometry(freeHeight, wallLength);
    const double dz = wallLength / kSurchargeSteps;
    for (const SurchargeLoad& load : loads) {
        double kept = 0.0;
        for (int j = 1; j <= kSurchargeSteps; ++j) {
            const double zj = j * dz;
            const double value = surchargeLoadPressure(load, freeHeight, zj);
            if (zj < z) kept = value;
        }
        sigma += kept;
    }
    return sigma;
}

SurchargePressure::SurchargePressure(const ProblemInput& input)
    : SurchargePressure(input.soil.surcharges, input.soil.earth.h, input.wall.length()) {}

SurchargePressure::SurchargePressure(const std::vector<SurchargeLoad>& loads, double freeHeight,
                                     double wallLength) {
    if (loads.empty()) return;
    checkGeometry(freeHeight, wallLength);
    const double dz = wallLength / kSurchargeSteps;
    gridDepth_.resize(kSurchargeSteps);
    stepValue_.assign(kSurchargeSteps, 0.0);
    for (int j = 1; j <= kSurchargeSteps; ++j) gridDepth_[j - 1] = j * dz;
    // Loads are added in list order at every grid depth, exactly as the long
    // evaluation adds them, so the sums are the same to the last bit.
    for (const SurchargeLoad& load : loads)
        for (int j = 0; j < kSurchargeSteps; ++j) stepValue_[j] += surchargeLoadPressure(load, freeHeight, gridDepth_[j]);
}

double SurchargePressure::at(double depth) const {
    if (stepValue_.empty()) return 0.0;
    // First grid depth not strictly above the depth; the step before it applies.
    const auto it = std::lower_bound(gridDepth_.begin(), gridDepth_.end(), depth);
    if (it == gridDepth_.begin()) return 0.0;
    return stepValue_[static_cast<size_t>(it - gridDepth_.begin()) - 1];
}

}  // namespace korvex
