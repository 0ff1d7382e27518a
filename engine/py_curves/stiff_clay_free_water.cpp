// Stiff clay below free water: square-root curve up to A y50, softening to a
// residual plateau, capped by the initial straight line k x y; A from the
// chart factor As at x / b.
#include "py_curves/clay_report.h"
#include "py_curves/piecewise_table.h"
#include "py_curves/py_constants.h"
#include "py_curves/soil_models.h"

#include <algorithm>
#include <cmath>

namespace korvex::py {
namespace {

constexpr std::array<double, 6> kChartDepths{0, 1, 2, 3, 4, 5};
constexpr std::array<double, 6> kChartFactors{0, spc(0.223f), spc(0.46f), spc(0.55f), spc(0.59f), spc(0.6f)};
constexpr double kWedgeFactor = spc(2.83f);
constexpr double kDeepFactor = 11.0;
constexpr double kSofteningFactor = spc(0.055f);
constexpr double kResidualDrop = spc(0.411f);
constexpr double kResidualSlope = 0.0625;
constexpr double kResidualFactor = spc(1.225f);

// Resistance of the static curve before the cap k x y.
double curveResistance(double y, double pc, double y50, double a) {
    const double ay50 = a * y50;
    const double softEnd = 6.0 * a * y50;
    const double peak = 0.5 * pc * std::sqrt(6.0 * a) - kResidualDrop * pc;
    if (y <= ay50) return 0.5 * pc * std::sqrt(y / y50);
    if (y <= softEnd) return 0.5 * pc * std::sqrt(y / y50) - kSofteningFactor * pc * std::pow(y / ay50 - 1.0, 1.25);
    if (y <= 18.0 * a * y50) return peak - (kResidualSlope * pc / y50) * (y - softEnd);
    return peak - 0.75 * pc * a;
}

class StiffClayWithFreeWater final : public SoilModel {
public:
    // The first layer averages the cohesion from its top; a deeper layer
    // averages it over its own curve depths.
    void beginCurve(const CurveSite& s) override {
        if (s.layerNumber == 1) {
            averageCohesion_ = s.averageCohesion;
        } else if (s.firstCurve()) {
            firstX_ = s.x;
            integral_ = 0.0;
            averageCohesion_ = s.c;
        } else {
            integral_ += (s.x - previousX_) * (previousC_ + s.c) / 2.0;
            averageCohesion_ = integral_ / (s.x - firstX_);
        }
        previousX_ = s.x;
        previousC_ = s.c;
    }

    BranchPoints branch(const CurveSite& s, Side side, double offset, BranchReport report) override {
        if (s.e50 <= 0.0) undefinedCurve(s, "E50", s.e50);
        const double xm = s.branchDepth(side);
        const double ca = averageCohesion_;
        const double pc = s.ratio < kContinuousWallRatio
                              ? xm * s.gamma * s.b + 2.0 * s.c * s.b
                              : std::min(2.0 * ca * s.b + s.gamma * s.b * xm + kWedgeFactor * ca * xm,
                                         kDeepFactor * s.c * s.b);
        const double y50 = s.e50 * s.b;
        const double a = piecewiseLinear(kChartDepths, kChartFactors, xm / s.b);
        writeStiffClayHeading(report, s, side, ca, "(F10.2,F10.3,3(1X,D10.2),D12.4)");
        BranchPoints raw{};
        for (size_t k = 1; k < 13; ++k) raw[k].y = raw[k - 1].y + 0.5 * a * y50;
        raw[13].y = 10.0 * a * y50;
        raw[14].y = 14.0 * a * y50;
        raw[15].y = 18.0 * a * y50;
        raw[16].y = 200.0 * a * y50;
        for (CurvePoint& pt : raw) pt.p = std::min(curveResistance(pt.y, pc, y50, a), s.kpy * xm * pt.y);
        if (side == Side::Excavation)
            resistance_.addTrapezoid(s.x, pc, kResidualFactor * std::sqrt(a) - 0.75 * a - kResidualDrop);
        return applyModifiers(raw, s.multipliers, offset, side);
    }

private:
    double averageCohesion_ = 0;
    double firstX_ = 0;
    double integral_ = 0;
    double previousX_ = 0;
    double previousC_ = 0;
};

}  // namespace

std::unique_ptr<SoilModel> makeStiffClayWithFreeWater() { return std::make_unique<StiffClayWithFreeWater>(); }

}  // namespace korvex::py
