// Soft clay: static curve of the cube-root form p = 0.5 pu (y / y50)^(1/3),
// reaching pu at 8 y50, with the bearing factor Np = 3 + gamma x / c + J x / b.
#include "py_curves/soil_models.h"

#include "core/single_precision.h"
#include "py_curves/py_constants.h"

#include <algorithm>
#include <cmath>

namespace korvex::py {
namespace {

constexpr double kJ = 0.5;
constexpr double kMaxBearingFactor = 9.0;
constexpr double kOneThird = spc(0.3333333f);
constexpr double kTwoThirds = spc(0.6666667f);
constexpr std::array<double, 16> kFractions{
    spc(0.00025f), spc(0.0025f), spc(0.0075f), spc(0.02f), spc(0.04f), spc(0.06f), spc(0.1f), spc(0.15f),
    spc(0.225f),   spc(0.3f),    spc(0.4f),    spc(0.5f),  spc(0.65f), spc(0.8f),  1.0,        spc(1.2f)};

class SoftClay final : public SoilModel {
public:
    double equivalentDepth(const CurveSite& s, double resistance) const override {
        const double c = s.c;
        // Without cohesion the soil resists nothing at any depth.
        if (c <= 0.0) return 0.0;
        const double gb = s.gamma * s.b;
        const double xr = 6.0 * c * s.b / (0.5 * c + gb);
        const double fr = gb * (xr * xr) / 2.0 + 3.0 * c * s.b * xr + c * (xr * xr) / 4.0;
        if (resistance > fr) return xr + (resistance - fr) / (9.0 * c * s.b);
        const double a = c / 4.0 + gb / 2.0;
        const double lin = 3.0 * c * s.b;
        return (-lin + std::sqrt(lin * lin + 4.0 * a * resistance)) / (2.0 * a);
    }

    BranchPoints branch(const CurveSite& s, Side side, double offset, BranchReport report) override {
        if (s.e50 <= 0.0) undefinedCurve(s, "E50", s.e50);
        const double pu = ultimate(s, side);
        const double y50 = 2.5 * s.e50 * s.b;
        const double ei = 0.5 * pu * std::pow(y50 / kTinyDeflection, kTwoThirds) / y50;
        writeHeading(s, side, report);
        BranchPoints raw{};
        for (size_t k = 1; k < raw.size(); ++k) {
            const double y = 8.0 * y50 * kFractions[k - 1];
            raw[k] = {y, resistance(y, y50, pu, ei)};
        }
        const BranchPoints points = applyModifiers(raw, s.multipliers, offset, side);
        for (size_t k = 1; k < points.size(); ++k)
            if (points[k].y < kTinyDeflection) writeTinyDeflectionWarning(report, ei);
        if (side == Side::Excavation) resistance_.addRectangle(s.x, pu);
        return points;
    }

private:
    static double ultimate(const CurveSite& s, Side side) {
        if (s.ratio < kContinuousWallRatio) return s.branchDepth(side) * s.gamma * s.b + 2.0 * s.c * s.b;
        const double xm = s.modelDepth(side);
        double np = s.c > 0.0 ? 3.0 + s.gamma * xm / s.c + kJ * xm / s.b : 0.0;
        np = std::min(np, kMaxBearingFactor);
        return np * s.c * s.b;
    }

    static double resistance(double y, double y50, double pu, double ei) {
        if (y < kTinyDeflection) return ei * y;
        if (y <= 8.0 * y50) return 0.5 * pu * std::pow(y / y50, kOneThird);
        return pu;
    }

    static void writeHeading(const CurveSite& s, Side side, BranchReport r) {
        writeSideLine(r.out, side);
        r.out.write("(8X,\"DEPTH BELOW GS\",10X,\"DIAM\",10X,\"C\",2X,\"GAMMA AVG\",10X,\"E50\")");
        r.out.write("(15X,A3,14X,A3,1X,A,1X,A)", {r.units.length, r.units.length, r.units.pressure, r.units.unitWeight});
        r.out.write("(8X,F10.2,6X,F10.3,1X,D10.4,1X,D10.4,1X,D12.4)", {s.branchDepth(side), s.b, s.c, s.gamma, s.e50});
        r.out.write("(/,36X,\"Y,\",18X,\"P,\",/,33X,A3,12X,A)", {r.units.length, r.units.forcePerLength});
    }

    static void writeTinyDeflectionWarning(BranchReport r, double ei) {
        r.out.write("(/,6X,\"**** WARNING ****\",/,6X,\"DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM\",/,6X,"
                    "\"USED A SOIL MODULUS OF \",D12.4)",
                    {ei});
    }
};

}  // namespace

std::unique_ptr<SoilModel> makeSoftClay() { return std::make_unique<SoftClay>(); }

}  // namespace korvex::py
