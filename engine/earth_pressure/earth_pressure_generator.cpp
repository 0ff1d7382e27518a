#include "earth_pressure/earth_pressure_generator.h"

#include "core/list_reader.h"

namespace korvex {

void generateEarthPressure(RunContext&, const ProblemInput&, const SupportDepths&) {
    throw DataError("GENERATED EARTH PRESSURE IS NOT AVAILABLE IN THIS VERSION");
}

SurchargePressure::SurchargePressure(const ProblemInput&) {}

double SurchargePressure::at(double) const { return 0.0; }

}  // namespace korvex
