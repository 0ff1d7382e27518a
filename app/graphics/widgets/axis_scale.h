// Axis ranges and tick steps of a graph window: the automatic range that
// holds every point and 0, the tick steps that fit an axis, and the ranges
// of zooming in and out inside the automatic range.
#pragma once

#include <optional>
#include <vector>

namespace korvex::app {

struct TAxisRange {
    double Min = 0;
    double Max = 0;
    double Span() const { return Max - Min; }
};

struct TTickSteps {
    double Major = 0;
    double Minor = 0;
};

// Widens an empty range by 0.01 on both sides and rounds both bounds away
// from zero to whole multiples of the range's decade step. No value when
// the step comes out 0 (the window cannot show the graph).
std::optional<TAxisRange> AutomaticRange(TAxisRange extent);

// Major and minor steps for an axis of the given length in pixels with
// majors at least `spacing` pixels apart; no value when none fits.
std::optional<TTickSteps> TickSteps(const TAxisRange& range, int axisLength, int spacing);

// The whole multiples of `step` inside the range, in order.
std::vector<double> TickPositions(const TAxisRange& range, double step);

// Whether a tick position is a whole multiple of the major step.
bool IsMajorTick(double position, double major);

// The range between two values, no narrower than a twentieth of the full
// range and kept inside it.
TAxisRange ZoomedIn(double from, double to, const TAxisRange& full);

// Twice the current range around `at`, at most the full range.
TAxisRange ZoomedOut(double at, const TAxisRange& current, const TAxisRange& full);

}  // namespace korvex::app
