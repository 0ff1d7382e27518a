// Soil properties at a depth below the excavation, taken from the profile's
// unit-weight and strength distributions.
#pragma once

#include "py_curves/soil_profile.h"

namespace korvex::py {

class SoilProperties {
public:
    explicit SoilProperties(const SoilProfile& profile) : profile_(profile) {}

    // Linear interpolation in the strength table; at a layer boundary the mean
    // of the two values (or the non-zero one). A depth beyond the table ends
    // the run with a warning naming the friction-angle or the strength curve.
    double at(Strength column, double x) const;

    // "GAMMA AVG": mean effective unit weight from the excavation surface to x.
    double averageUnitWeight(double x) const;

    // "CAVG": mean of the cohesion at the top of layer `layer` (from 0) and at x.
    double averageCohesion(size_t layer, double x) const;

private:
    const SoilProfile& profile_;
};

}  // namespace korvex::py
