#include "graphics/line.h"

#include <algorithm>

namespace korvex::app {

void TLine::SetPointCount(int n) { points_.resize(static_cast<std::size_t>(std::max(n, 0))); }

void TLine::RepeatLastFilled(int filled) {
    if (filled <= 0 || filled >= PointCount()) return;
    std::fill(points_.begin() + filled, points_.end(), points_[filled - 1]);
}

}  // namespace korvex::app
