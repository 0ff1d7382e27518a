#include "graphics/widgets/axis_scale.h"

#include <algorithm>
#include <cmath>

namespace korvex::app {
namespace {

// Rounds v / step away from zero, treating a quotient within rounding noise
// of a whole number as that number.
double AwayFromZero(double v, double step) {
    double q = v / step;
    const double whole = std::round(q);
    if (std::abs(q - whole) < 1e-9) q = whole;
    return (v >= 0 ? std::ceil(q) : std::floor(q)) * step;
}

}  // namespace

std::optional<TAxisRange> AutomaticRange(TAxisRange extent) {
    if (extent.Min == extent.Max) {
        extent.Min -= 0.01;
        extent.Max += 0.01;
    }
    const double decade = std::log10(extent.Span());
    double step = std::pow(10.0, std::floor(decade));
    if (decade - std::floor(decade) < std::log10(3.0)) step /= 10;
    if (!(step > 0) || !std::isfinite(step)) return std::nullopt;
    return TAxisRange{AwayFromZero(extent.Min, step), AwayFromZero(extent.Max, step)};
}

std::optional<TTickSteps> TickSteps(const TAxisRange& range, int axisLength, int spacing) {
    const int intervals = spacing > 0 ? axisLength / spacing : 0;
    if (intervals <= 0 || !(range.Span() > 0)) return std::nullopt;
    const double raw = range.Span() / intervals;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double h = std::floor(raw / power);
    const double major = h < 2 ? power : h * power;
    return TTickSteps{major, major / 5};
}

std::vector<double> TickPositions(const TAxisRange& range, double step) {
    std::vector<double> positions;
    if (!(step > 0)) return positions;
    const double tolerance = step * 1e-9;
    for (double k = std::ceil((range.Min - tolerance) / step); k * step <= range.Max + tolerance; ++k) {
        positions.push_back(k * step);
    }
    return positions;
}

bool IsMajorTick(double position, double major) {
    const double q = position / major;
    return std::abs(q - std::round(q)) < 1e-6;
}

TAxisRange ZoomedIn(double from, double to, const TAxisRange& full) {
    TAxisRange range{std::min(from, to), std::max(from, to)};
    if (full.Span() <= 20 * range.Span()) return range;
    const double centre = (range.Min + range.Max) / 2;
    const double half = full.Span() / 40;
    range = {centre - half, centre + half};
    if (range.Min < full.Min) range = {full.Min, full.Min + 2 * half};
    if (range.Max > full.Max) range = {full.Max - 2 * half, full.Max};
    return range;
}

TAxisRange ZoomedOut(double at, const TAxisRange& current, const TAxisRange& full) {
    const double half = std::min(current.Span(), full.Span() / 2);
    const double centre = std::clamp(at, full.Min + half, full.Max - half);
    return {centre - half, centre + half};
}

}  // namespace korvex::app
