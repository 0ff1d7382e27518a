// The scratch file "SOILDATA" through which the curves reach the set-up of a
// problem: written during generation, read back by the engine core.
#pragma once

#include "core/analysis_model.h"
#include "core/fortran_format.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace korvex {

inline constexpr const char* kSoilDataFile = "SOILDATA";
// Point records per generated curve: 17 of the excavation side, then 17 of the backfill side.
inline constexpr int kGeneratedRecords = 34;

class SoilDataWriter {
public:
    SoilDataWriter(const std::filesystem::path& file, int curveCount);
    // A user curve with its multipliers applied.
    void userCurve(const UserPyCurve& curve);
    // Header of a generated curve at absolute depth (below the top of the wall).
    void generatedCurve(double depth);
    // One point record of a generated curve in the model's fixed layout.
    void point(const char* layout, int number, double p, double y);

private:
    std::ofstream file_;
    fortran::FormattedWriter out_{file_};
};

// One curve as the core uses it: points in ascending y, p per unit length of wall.
struct SoilDataCurve {
    int station = 0;
    double depth = 0;        // below the top of the wall (station times dx for user curves)
    bool generated = false;
    std::vector<CurvePoint> points;
};

// Reads "SOILDATA": first the userCurveCount user curves as written, then the
// generated curves, each joined from its two branches: the backfill branch
// reversed with y negated, then the excavation branch from its second point
// with p negated. The station of a generated curve is the nearest integer to
// depth / dx. Throws DataError when the file is missing or damaged.
std::vector<SoilDataCurve> readSoilData(const std::filesystem::path& file, int userCurveCount, double dx);

}  // namespace korvex
