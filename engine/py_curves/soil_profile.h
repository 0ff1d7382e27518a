// The soil-resistance profile below the excavation: the layers that carry
// p-y curves, with their unit-weight and strength distributions. Depths x are
// measured downwards from the excavation surface.
#pragma once

#include "core/analysis_model.h"

#include <array>
#include <vector>

namespace korvex::py {

struct ProfileLayer {
    int type = 1;       // soil-type code of the source layer
    double top = 0;     // x at the top of the layer
    double bottom = 0;  // x at the bottom of the layer
    double kpy = 0;     // k(py) at the top of the source layer (Em for weak rock)
};

struct UnitWeightPoint {
    double x = 0;
    double gamma = 0;  // effective unit weight
};

// Columns of the strength table.
enum class Strength { Cohesion = 0, Phi = 1, E50 = 2, Coefficient = 3 };

struct StrengthPoint {
    double x = 0;
    std::array<double, 4> values{};  // c (or qu), phi in radians, E50 (or krm), optional coefficient (or RQD)

    double operator[](Strength s) const { return values[static_cast<size_t>(s)]; }
};

// Two unit-weight points and two strength points per layer (top, bottom),
// plus the submerged tail of the unit weight when the water table cuts the last layer.
struct SoilProfile {
    std::vector<ProfileLayer> layers;
    std::vector<UnitWeightPoint> unitWeight;
    std::vector<StrengthPoint> strength;
};

struct ProfileFrame {
    double freeHeight = 0;       // H, depth of the excavation below the top of the wall
    double waterTable = 0;       // depth of the backfill water table below the top of the wall
    double waterUnitWeight = 0;
    double tipCut = 0;           // x below which no soil resists: wall length + 2 increments - H
};

SoilProfile buildSoilProfile(const std::vector<SoilLayer>& layers, const ProfileFrame& frame);

// Depths x of the five curves of a layer.
std::array<double, 5> curveDepths(const ProfileLayer& layer, double offset);

}  // namespace korvex::py
