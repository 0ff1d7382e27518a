// Report sections that describe the soil-resistance profile before the curves.
#pragma once

#include "core/analysis_model.h"
#include "core/fortran_format.h"
#include "py_curves/soil_profile.h"
#include "py_curves/unit_labels.h"

#include <vector>

namespace korvex::py {

void writeProfileReport(fortran::FormattedWriter& out, const UnitLabels& units, double freeHeight,
                        const SoilProfile& profile);
void writeModificationFactors(fortran::FormattedWriter& out, const std::vector<PyModFactor>& factors);

}  // namespace korvex::py
