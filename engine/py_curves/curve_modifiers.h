// Modifications the frame applies to every generated curve: p- and
// y-multipliers by depth, the earth-pressure load at a depth and the
// active-pressure offset of the clay models.
#pragma once

#include "core/analysis_model.h"
#include "py_curves/py_curve_generator.h"

#include <vector>

namespace korvex::py {

struct Multipliers {
    double p = 1.0;
    double y = 1.0;
};

// Reduction of the resistance of closely spaced wall elements, by the ratio
// WA / WP (without the floor of 1.0).
double groupReductionFactor(double ratio);

class MultiplierRule {
public:
    // Multipliers by depth from the user's modification factors; without
    // them the group reduction below the excavation.
    MultiplierRule(const std::vector<PyModFactor>& factors, double freeHeight, double widthRatio)
        : factors_(factors), freeHeight_(freeHeight), widthRatio_(widthRatio) {}

    // Multipliers at depth z below the top of the wall.
    Multipliers at(double z) const;

private:
    Multipliers fromFactors(double z) const;
    const std::vector<PyModFactor>& factors_;
    double freeHeight_;
    double widthRatio_;
};

// Earth-pressure load per unit length of wall at depth z, interpolated in the
// distribution; the end rows' values hold beyond them.
double earthLoadAt(const std::vector<EarthPressureLoad>& distribution, double z);

// Active-pressure offset of the clay models: the greater of b (sv - 2c) and
// w / R - 2cb, and 0 when it is 1.0E-10 or less.
double clayActiveOffset(double b, double c, double excavationOverburden, double earthLoad, double ratio);

}  // namespace korvex::py
