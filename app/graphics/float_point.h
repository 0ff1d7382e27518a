// TFloatPoint: one point of a result curve.
#pragma once

namespace korvex::app {

struct TFloatPoint {
    long double X = 0;
    long double Y = 0;
};

}  // namespace korvex::app
