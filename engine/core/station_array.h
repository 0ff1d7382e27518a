// A table of one value per station of the wall. Besides stations 0 to NI it
// holds three stations above the top and three below the tip (-3 to NI + 3),
// which stay zero unless the data put values there; the difference equations
// at the ends of the wall reach into them.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

namespace korvex {

// The station nearest to depth / dx, rounding halves away from zero. Values
// beyond the range of int are held at its ends so that range checks catch them.
inline int nearestStation(double depth, double dx) {
    const double q = std::round(depth / dx);
    if (!(q > -1e9)) return -1000000000;
    if (q > 1e9) return 1000000000;
    return static_cast<int>(q);
}

class StationArray {
public:
    static constexpr int kMargin = 3;

    StationArray() = default;
    explicit StationArray(int ni) : ni_(ni), values_(static_cast<size_t>(ni + 2 * kMargin + 1), 0.0) {}

    int ni() const { return ni_; }
    int first() const { return -kMargin; }
    int last() const { return ni_ + kMargin; }
    bool holds(int station) const { return station >= first() && station <= last(); }

    double& operator[](int station) { return values_[static_cast<size_t>(station + kMargin)]; }
    double operator[](int station) const { return values_[static_cast<size_t>(station + kMargin)]; }

    // The value at a station, zero for a station the table does not hold.
    double valueOr0(int station) const { return holds(station) ? (*this)[station] : 0.0; }

    const std::vector<double>& values() const { return values_; }
    std::vector<double>& values() { return values_; }

private:
    int ni_ = 0;
    std::vector<double> values_;
};

}  // namespace korvex
