// Piecewise-linear chart factors: the first grid point above the argument ends
// the segment (an argument equal to a grid point starts the next segment);
// beyond the grid the last segment continues.
#pragma once

#include <array>
#include <cstddef>

namespace korvex::py {

template <size_t N>
double piecewiseLinear(const std::array<double, N>& grid, const std::array<double, N>& values, double x) {
    static_assert(N >= 2);
    size_t end = 1;
    while (end < N - 1 && grid[end] <= x) ++end;
    const size_t start = end - 1;
    return values[start] + (values[end] - values[start]) * (x - grid[start]) / (grid[end] - grid[start]);
}

}  // namespace korvex::py
