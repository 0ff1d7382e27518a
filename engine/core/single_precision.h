// Decimal constants of the method (3.1416 for pi, 57.2958 degrees per radian,
// 1.3 ...) act with single-precision accuracy: each is used as the double
// value of the nearest float, so 1.3 acts as 1.2999999523...
#pragma once

namespace korvex {

constexpr double spc(float value) { return value; }

}  // namespace korvex
