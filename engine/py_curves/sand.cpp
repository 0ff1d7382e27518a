// Sand: initial straight line k x y, parabola, straight segment and plateau
// between the characteristic deflections b/60 and 3b/80, the ultimate
// resistance A ps from the wedge and flow-around resistances (the Coulomb
// passive resistance for a practically continuous wall).
#include "py_curves/py_constants.h"
#include "py_curves/sand_resistance.h"
#include "py_curves/soil_models.h"

#include <algorithm>
#include <cmath>

namespace korvex::py {
namespace {

constexpr double kOffsetFloor = spc(1.0E-5f);
constexpr double kDeepFactorA = spc(0.88f);
constexpr int kEquivalentDepthSteps = 100;

// Phi, gamma and k make the curve undefined when they are not positive.
void checkInput(const CurveSite& s) {
    if (s.phi <= 0.0) undefinedCurve(s, "FRICTION ANGLE PHI", s.phi);
    if (s.gamma <= 0.0) undefinedCurve(s, "GAMMA AVG", s.gamma);
    if (s.kpy <= 0.0) undefinedCurve(s, "K", s.kpy);
}

struct SandCurve {
    double pst = 0, psd = 0;
    SandFactors factors;
    BranchPoints raw{};
    double pu = 0;
};

class Sand final : public SoilModel {
public:
    double equivalentDepth(const CurveSite& s, double resistance) const override {
        checkInput(s);
        const FrictionAngles f(s.phi, kPi);
        const WedgeTerms t = wedgeTerms(f, s.b);
        const auto rate = [&](double x) {
            const double r = x / s.b;
            return sandFactors(r).a * s.gamma * (s.b * s.b) * (r * r * t.c1 + r * t.d);
        };
        return steppedEquivalentDepth(kEquivalentDepthSteps, t.xr, resistance, rate,
                                      kDeepFactorA * s.gamma * s.b * t.e * s.x);
    }

    double activeOffset(const CurveSite& s) const override {
        const double ka = FrictionAngles(s.phi, kPi).ka;
        const double pa = std::max(s.earthLoad / s.ratio, ka * s.excavationOverburden * s.b);
        return pa < kOffsetFloor ? 0.0 : pa;
    }

    BranchPoints branch(const CurveSite& s, Side side, double offset, BranchReport report) override {
        checkInput(s);
        const SandCurve curve = build(s, side);
        writeHeading(s, side, curve, report);
        if (side == Side::Excavation) {
            resistance_.addTrapezoid(s.x, curve.pu);
            if (s.lastCurve()) resistance_.addTail(s.layerBottom);
        }
        return applyModifiers(curve.raw, s.multipliers, offset, side);
    }

private:
    static SandCurve build(const CurveSite& s, Side side) {
        const double xb = s.branchDepth(side);
        const double xm = s.modelDepth(side);
        const FrictionAngles f(s.phi, kPi);
        SandCurve c;
        c.pst = wedgeResistance(f, s.gamma, s.b, xm);
        c.psd = flowAroundResistance(f, s.gamma, s.b, xm);
        double ps = std::min(c.pst, c.psd);
        if (s.ratio < kContinuousWallRatio) ps = s.b * coulombPassiveCoefficient(s.phi, s.phi / 2.0) * s.gamma * xb;
        c.factors = sandFactors(xb / s.b);
        c.pu = c.factors.a * ps;
        const double pm = c.factors.b * ps;
        double yu = 3.0 * s.b / 80.0;
        double ym = s.b / 60.0;
        const double kx = s.kpy * xm;
        const double m = (c.pu - pm) / (yu - ym);
        const double n = pm / (m * ym);
        const double cc = pm / std::pow(ym, 1.0 / n);
        double yk = xm > 0.0 ? std::pow(cc / kx, n / (n - 1.0)) : 2.0 * s.b;
        if (yu < yk) {
            ym = (ym / yu) * (c.pu / kx);
            yu = c.pu / kx;
            yk = ym / 10.0;
        }
        const double ya = yk <= ym / 5.0 ? yk : ym / 10.0;
        const std::array<double, 17> ys = fourPartDeflections(ya, ym, yu);
        for (size_t k = 0; k < ys.size(); ++k) {
            const double y = ys[k];
            double p = kx * y;
            if (y > yk || y >= ym) p = y < ym ? cc * std::pow(y, 1.0 / n) : y < yu ? m * (y - ym) + pm : c.pu;
            c.raw[k] = {y, std::min(p, kx * y)};
        }
        return c;
    }

    static void writeHeading(const CurveSite& s, Side side, const SandCurve& c, BranchReport r) {
        writeSideLine(r.out, side);
        r.out.write("(8X,\"DEPTH BELOW GS\",7X,\"DIAM\",8X,\"PHI\",\"GAMMA AVG\",6X,\"A\",6X,\"B\",6X,\"PCT\",6X,\"PCD\")");
        r.out.write("(16X,A3,8X,A3,4X,\"DEG\",1X,A,12X,A,1X,A)",
                    {r.units.length, r.units.length, r.units.unitWeight, r.units.forcePerLength,
                     r.units.forcePerLength});
        r.out.write("(10X,F10.2,2(4X,F7.2),E9.2,2(2X,F5.2),2E9.2)",
                    {s.branchDepth(side), s.b, s.phi * 180.0 / kPi, s.gamma, c.factors.a, c.factors.b, c.pst, c.psd});
        writeDeflectionResistanceHeading(r);
    }
};

}  // namespace

std::unique_ptr<SoilModel> makeSand() { return std::make_unique<Sand>(); }

}  // namespace korvex::py
