// Constants of the p-y curve generation shared by the frame and the soil models.
#pragma once

#include "core/single_precision.h"

namespace korvex::py {

inline constexpr double kPi = spc(3.1416f);                  // angles of the frame, clays and sand
inline constexpr double kWaterUnitWeight = spc(0.036f);      // force per cubic inch (and other units)
inline constexpr double kWaterUnitWeightSI = spc(9.81f);     // kN per cubic metre
inline constexpr double kDepthOffset = spc(0.1f);            // first and last curve of a layer lie this far inside it
inline constexpr double kTinyDeflection = spc(1.0E-14f);
inline constexpr double kTinyDepth = spc(1.0E-6f);
inline constexpr double kContinuousWallRatio = spc(1.1f);    // spacing ratio below which the wall acts as continuous

inline double waterUnitWeight(int units) { return units == 2 ? kWaterUnitWeightSI : kWaterUnitWeight; }
inline double depthOffset(int units) { return units == 2 ? kDepthOffset / 10.0 : kDepthOffset; }

}  // namespace korvex::py
