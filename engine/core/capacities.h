// Capacities of the engine's tables. Data beyond them end the run with a
// message in the report.
#pragma once

#include <cstddef>

namespace korvex {

inline constexpr int kMaxIncrements = 407;
inline constexpr int kStationMargin = 3;  // stations -3 .. NI + 3
inline constexpr std::size_t kMaxRestraints = 20;
inline constexpr std::size_t kMaxCurves = 63;
inline constexpr int kMaxCurvePoints = 34;
inline constexpr int kMaxEarthPressurePoints = 2000;
inline constexpr int kMaxMeiPoints = 100;
inline constexpr int kMaxMeiCurves = 20;
inline constexpr int kMaxTiebacks = 20;
inline constexpr int kMaxPyMods = 51;
inline constexpr int kMaxSurcharges = 20;
inline constexpr int kMaxLayers = 20;

}  // namespace korvex
