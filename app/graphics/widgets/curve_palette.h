// The fixed colours of the curves of a graph window, by curve position.
#pragma once

#include <QColor>

namespace korvex::app {

constexpr int kCurveColourCount = 17;

// The colour of the curve at `position` among the listed curves (mod 17).
QColor CurveColour(int position);

}  // namespace korvex::app
