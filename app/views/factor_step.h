// The step of the deformed-shape factor to the next "round" value: 1, 2,
// ..., 9, 10, 20, ... upwards and ..., 0.2, 0.1, 0.09, ... downwards. A
// factor of 0 or below steps to 1.
#pragma once

namespace korvex::app {

long double NextRoundFactor(long double factor, bool up);

}  // namespace korvex::app
