// Decimal constants of the earth-pressure method, each used as the double
// value of the nearest single-precision number.
#pragma once

#include "core/single_precision.h"

namespace korvex::earth_pressure {

// Depths closer than this are taken as equal (length units).
inline constexpr double kDepthTolerance = spc(1.0E-5f);
// Degrees per radian for the friction and slope angles.
inline constexpr double kDegreesPerRadian = spc(57.2958f);
inline constexpr double kPi = spc(3.1416f);

// Unit weight of water: force per cubic inch, or kN per cubic metre in SI units.
inline constexpr double kWaterUnitWeightEnglish = spc(0.036f);
inline constexpr double kWaterUnitWeightSI = spc(9.81f);

// A user's earth-pressure coefficient counts as given above this value.
inline constexpr double kOptionalCoefficientGiven = spc(1.0E-7f);
// Pressures below this are replaced by the tiny row floor.
inline constexpr double kPressureFloor = spc(1.0E-5f);
inline constexpr float kRowFloorStep = 1.0E-12f;
// Net active force above the excavation below this is reported as negative.
inline constexpr double kNetForceLimit = spc(1.0E-5f);
// A uniform surface pressure below this has no share in the surcharge column.
inline constexpr double kUniformPressureNone = spc(1.0E-6f);
// A surcharge of this magnitude or less adds nothing to a layer resultant.
inline constexpr double kSurchargeNone = spc(1.0E-4f);

// Apparent-pressure trapezoid of anchored walls carries this times the computed force.
inline constexpr double kTrapezoidFactor = spc(1.3f);

// Modified Boussinesq surcharge formulas.
inline constexpr double kNearRatio = spc(0.4f);    // m <= 0.4: load close to the wall
inline constexpr double kNearRatioSq = spc(0.16f);
inline constexpr double kPointNear = spc(0.28f);
inline constexpr double kPointFar = spc(1.77f);
inline constexpr double kLineNear = spc(0.203f);
inline constexpr double kLineFarResultant = spc(1.273f);   // layer resultants, in place of 4 / pi
inline constexpr double kStripResultant = spc(0.6366f);    // layer resultants, in place of 2 / pi

// The wall length is cut into this many steps for the surcharge staircase.
inline constexpr int kSurchargeSteps = 200;

// Capacity of the working layer table after subdivision.
inline constexpr int kMaxWorkingLayers = 21;

// Initial values of the per-layer result fields.
inline constexpr double kUnsetResultantDepth = -1000.0;
inline constexpr double kUnsetTensionDepth = spc(-1.0E-5f);

}  // namespace korvex::earth_pressure
