// Stiff clay above the water table: static quarter-power curve
// p = 0.5 pu (y / y50)^0.25 reaching pu at 16 y50.
#include "py_curves/clay_report.h"
#include "py_curves/py_constants.h"
#include "py_curves/soil_models.h"

#include <algorithm>
#include <cmath>

namespace korvex::py {
namespace {

constexpr std::array<double, 14> kFractions{spc(0.00001f), spc(0.00005f), spc(0.0001f), spc(0.0005f), spc(0.001f),
                                            spc(0.005f),   spc(0.01f),    spc(0.025f),  spc(0.05f),   spc(0.075f),
                                            spc(0.1f),     spc(0.25f),    0.5,          1.0};

class StiffClayWithoutFreeWater final : public SoilModel {
public:
    BranchPoints branch(const CurveSite& s, Side side, double offset, BranchReport report) override {
        if (s.e50 <= 0.0) undefinedCurve(s, "E50", s.e50);
        const double xm = s.branchDepth(side);
        const double ca = s.averageCohesion;
        const double pu = s.ratio < kContinuousWallRatio
                              ? xm * s.gamma * s.b + 2.0 * s.c * s.b
                              : std::min(3.0 * ca * s.b + s.gamma * s.b * xm + 0.5 * ca * xm, 9.0 * s.c * s.b);
        const double y50 = 2.5 * s.e50 * s.b;
        writeStiffClayHeading(report, s, side, ca, "(F10.2,F10.3,3D10.2,D12.4)");
        writeDeflectionResistanceHeading(report);
        BranchPoints raw{};
        for (size_t k = 1; k < 15; ++k) raw[k].y = 16.0 * y50 * kFractions[k - 1];
        raw[15].y = 18.0 * y50;
        raw[16].y = 20.0 * y50;
        for (CurvePoint& pt : raw) pt.p = pt.y <= 16.0 * y50 ? 0.5 * pu * std::pow(pt.y / y50, 0.25) : pu;
        if (side == Side::Excavation) resistance_.addTrapezoid(s.x, pu);
        return applyModifiers(raw, s.multipliers, offset, side);
    }
};

}  // namespace

std::unique_ptr<SoilModel> makeStiffClayWithoutFreeWater() { return std::make_unique<StiffClayWithoutFreeWater>(); }

}  // namespace korvex::py
