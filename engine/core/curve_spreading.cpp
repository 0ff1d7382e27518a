#include "core/curve_spreading.h"

#include "core/data_messages.h"
#include "core/list_reader.h"

#include <algorithm>

namespace korvex {
namespace {

class Spreader {
public:
    Spreader(const StationArray& y, StationArray& qw, StationArray& sw, const CurveSpreadOptions& options)
        : y_(y), qw_(qw), sw_(sw), options_(options) {}

    bool offCurve = false;

    // The stations a to b share the lines of the start and end curves; a curve
    // alone acts at its own station (start == end, a == b).
    void span(const SoilCurve& start, const SoilCurve& end) {
        const int a = start.station;
        const int b0 = end.station;
        const int ni = y_.ni();
        if (a == b0 ? a > ni : a >= ni) return;
        const int b = std::min(b0, ni);
        Share atA, atB;
        for (int i = a; i <= b; ++i) {
            const double t = a == b0 ? 0.0 : static_cast<double>(i - a) / (b0 - a);
            const Share s = share(start, end, y_[i], t);
            add(i, s, 1.0);
            if (i == a) atA = s;
            if (i == b) atB = s;
        }
        if (b > a) {
            add(a, atA, -0.5);
            add(b, atB, -0.5);
        }
    }

private:
    struct Share {
        double load = 0;
        double stiffness = 0;
    };

    Share share(const SoilCurve& start, const SoilCurve& end, double y, double t) {
        const CurveLine s = linearise(start, y);
        const CurveLine e = linearise(end, y);
        offCurve = offCurve || s.offCurve || e.offCurve;
        return {s.p0 + t * (e.p0 - s.p0), s.ks + t * (e.ks - s.ks)};
    }

    void add(int station, const Share& s, double factor) {
        if (station != options_.excavationStation) qw_[station] += factor * s.load;
        sw_[station] += factor * s.stiffness;
    }

    const StationArray& y_;
    StationArray& qw_;
    StationArray& sw_;
    const CurveSpreadOptions& options_;
};

}  // namespace

bool addSoilCurves(const std::vector<SoilCurve>& curves, const StationArray& y, StationArray& qw, StationArray& sw,
                   const CurveSpreadOptions& options) {
    Spreader spreader(y, qw, sw, options);
    const SoilCurve* start = nullptr;
    bool previousInterpolates = false;
    for (const SoilCurve& c : curves) {
        if (!previousInterpolates) {
            start = &c;
            if (!c.interpolate) spreader.span(c, c);
        } else if (c.station < start->station) {
            throw DataError(messages::kStationsNotInOrder);
        } else if (c.station > start->station) {
            spreader.span(*start, c);
            if (c.interpolate) start = &c;
        }
        previousInterpolates = c.interpolate;
    }
    return spreader.offCurve;
}

}  // namespace korvex
