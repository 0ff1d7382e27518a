#include "core/beam_results.h"

namespace korvex {
namespace {

double bendingMoment(double ei, const StationArray& y, int i, double h2) {
    return ei * (y[i - 1] - 2.0 * y[i] + y[i + 1]) / h2;
}

void correctForCouples(StationResult& r, const std::vector<ConcentratedMoment>& moments) {
    for (const ConcentratedMoment& cm : moments) {
        if (r.station == cm.station) {
            r.shear -= cm.value;
        } else if (r.station - 1 == cm.station) {
            r.shear -= 0.5 * cm.value;
            r.reaction += cm.value;
        } else if (r.station + 1 == cm.station) {
            r.shear -= 0.5 * cm.value;
            r.reaction -= cm.value;
        }
    }
}

}  // namespace

std::vector<StationResult> beamResults(StationArray& y, const StationArray& f, double fullEiTop, double fullEiTip,
                                       double h, const std::vector<ConcentratedMoment>& moments) {
    const int ni = y.ni();
    const double h2 = h * h;
    y[-2] = 2.0 * y[-1] - y[0];
    y[ni + 2] = 2.0 * y[ni + 1] - y[ni];
    std::vector<StationResult> rows;
    double mBefore = 0;  // M(i-1)
    double mHere = 0;    // M(i)
    for (int i = -1; i <= ni + 1; ++i) {
        const double mNext = bendingMoment(f[i + 1], y, i + 1, h2);
        StationResult r;
        r.station = i;
        r.x = i * h;
        r.deflection = y[i];
        r.slope = (y[i + 1] - y[i - 1]) / (2.0 * h);
        r.moment = mHere;
        if (i == 0) r.moment = bendingMoment(fullEiTop, y, 0, h2);
        if (i == ni) r.moment = bendingMoment(fullEiTip, y, ni, h2);
        r.shear = (mNext - mBefore) / (2.0 * h);
        r.reaction = (mBefore - 2.0 * mHere + mNext) / h;
        r.ei = f[i];
        correctForCouples(r, moments);
        rows.push_back(r);
        mBefore = mHere;
        mHere = mNext;
    }
    return rows;
}

}  // namespace korvex
