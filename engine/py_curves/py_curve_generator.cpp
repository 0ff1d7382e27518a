#include "py_curves/py_curve_generator.h"

#include "core/list_reader.h"

namespace korvex {

void generatePyCurves(RunContext&, const ProblemInput&, const std::vector<EarthPressureLoad>&) {
    throw DataError("GENERATED P-Y CURVES ARE NOT AVAILABLE IN THIS VERSION");
}

}  // namespace korvex
