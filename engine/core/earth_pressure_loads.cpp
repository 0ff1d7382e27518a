#include "core/earth_pressure_loads.h"

#include "earth_pressure/surcharge_pressure.h"

namespace korvex {

std::vector<EarthPressureRow> userEarthPressure(const ProblemInput& input) {
    const SurchargePressure surcharge(input);
    std::vector<EarthPressureRow> rows;
    for (const DistLoadPoint& pt : input.distLoads) {
        const double fromSurcharge = input.wall.wa * surcharge.at(pt.depth);
        rows.push_back({pt.depth, pt.load + fromSurcharge, pt.load, fromSurcharge});
    }
    return rows;
}

namespace {

// The load per station at depth z > 0 (each point's load times dx, then
// interpolated), or the fallback when no point lies at or below z.
double loadAt(const std::vector<EarthPressureRow>& rows, double dx, double z, double fallback) {
    size_t k = 0;
    while (k < rows.size() && rows[k].depth < z) ++k;
    if (k == rows.size()) return fallback;
    // Above the first point the line from zero at the top of the wall is used.
    const double d0 = k == 0 ? 0.0 : rows[k - 1].depth;
    const double p0 = k == 0 ? 0.0 : rows[k - 1].total * dx;
    const double p1 = rows[k].total * dx;
    return p0 + (p1 - p0) * (z - d0) / (rows[k].depth - d0);
}

}  // namespace

void addEarthPressureLoads(const std::vector<EarthPressureRow>& rows, double lastDepth, double dx, StationArray& q) {
    const int n = nearestStation(lastDepth, dx);
    double load = 0;
    for (int i = 1; i <= n && q.holds(i); ++i) {
        load = loadAt(rows, dx, i * dx, load);
        q[i] += load;
    }
}

void writeEarthPressurePlot(fortran::FormattedWriter& plot, const std::vector<EarthPressureRow>& rows) {
    plot.list({static_cast<long long>(rows.size())});
    for (const EarthPressureRow& r : rows) {
        // A soil part of exactly zero is written as 1.0E-7.
        plot.write("(4(2X,E10.3))", {r.depth, r.total, r.soil == 0 ? 1.0e-7 : r.soil, r.surcharge});
    }
}

}  // namespace korvex
