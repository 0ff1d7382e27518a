// Silt (c-phi soil): the frictional resistance of sand with a cohesive part of
// the soft-clay form; initial line, parabola, segment and plateau in one of
// three layouts, chosen by where the initial line meets the curve.
#include "core/list_reader.h"
#include "py_curves/py_constants.h"
#include "py_curves/sand_resistance.h"
#include "py_curves/soil_models.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace korvex::py {
namespace {

const double kFullPi = 4.0 * std::atan(1.0);
constexpr double kJ = 0.5;
constexpr double kMaxBearingFactor = 9.0;
constexpr double kWallFriction = spc(0.1745333f);  // 10 degrees, continuous wall
constexpr double kFrictionFloor = spc(1.0E-10f);
constexpr double kOffsetFloor = spc(1.0E-5f);
constexpr double kDeepFactorA = spc(0.88f);
constexpr int kEquivalentDepthSteps = 50;

// A friction angle of practically zero leaves the frictional resistance undefined.
void checkFriction(const CurveSite& s) {
    const double c = std::cos(s.phi);
    if (1.0 - c * c >= kFrictionFloor) return;
    const char* lines[] = {"WARNING-------The Angle of the slope can not", "              be greater than the internal  ",
                           "              friction angle of the sand.   "};
    std::cerr << "\n\n";
    for (const char* l : lines) std::cerr << "       " << l << '\n';
    throw DataError(std::string(lines[0]) + " be greater than the internal friction angle of the sand. (SOIL LAYER " +
                    std::to_string(s.layerNumber) + ", PHI =" + fortran::formatE(s.phi, 10, 3) + " RADIANS)");
}

struct SiltCurve {
    double ps = 0, pc = 0, pu = 0;
    SandFactors factors;
    BranchPoints raw{};
};

// Characteristic values of one branch.
struct Shape {
    double pu, pm, ym, yu, kx, m, n, c, yk;
};

BranchPoints layoutParabola(Shape s) {
    if (s.yk > s.yu) {
        s.ym = (s.ym / s.yu) * (s.pu / s.kx);
        s.yu = s.pu / s.kx;
        s.yk = s.ym / 10.0;
    }
    const double ya = s.yk <= s.ym / 5.0 ? s.yk : s.ym / 10.0;
    const std::array<double, 17> ys = fourPartDeflections(ya, s.ym, s.yu);
    BranchPoints raw{};
    for (size_t k = 0; k < ys.size(); ++k) {
        const double y = ys[k];
        const double p = y <= s.yk   ? s.kx * y
                         : y <= s.ym ? s.c * std::pow(y, 1.0 / s.n)
                         : y <= s.yu ? s.m * (y - s.ym) + s.pm
                                     : s.pu;
        raw[k] = {y, std::min(p, s.kx * y)};
    }
    return raw;
}

BranchPoints layoutSegment(const Shape& s, double yi) {
    std::array<double, 17> ys{};
    for (int k = 1; k <= 9; ++k) ys[static_cast<size_t>(k - 1)] = yi * (k - 1) / 8.0;
    for (int k = 10; k <= 14; ++k) ys[static_cast<size_t>(k - 1)] = yi + (s.yu - yi) * (k - 9) / 6.0;
    ys[14] = s.yu;
    ys[15] = spc(1.1f) * s.yu;
    ys[16] = spc(1.2f) * s.yu;
    BranchPoints raw{};
    for (size_t k = 0; k < ys.size(); ++k) {
        const double y = ys[k];
        const double p = y <= yi ? s.kx * y : y <= s.yu ? s.kx * yi + s.m * (y - yi) : s.pu;
        raw[k] = {y, std::min(p, s.kx * y)};
    }
    return raw;
}

BranchPoints layoutBilinear(const Shape& s, double y2) {
    std::array<double, 17> ys{};
    for (int k = 1; k <= 13; ++k) ys[static_cast<size_t>(k - 1)] = y2 * (k - 1) / 12.0;
    const double tail[] = {spc(1.05f), spc(1.1f), spc(1.15f), spc(1.2f)};
    for (size_t i = 0; i < 4; ++i) ys[13 + i] = tail[i] * y2;
    BranchPoints raw{};
    for (size_t k = 0; k < ys.size(); ++k) {
        const double y = ys[k];
        raw[k] = {y, std::min(y <= y2 ? s.kx * y : s.pu, s.kx * y)};
    }
    return raw;
}

BranchPoints curvePoints(const Shape& s) {
    if (s.yk >= 0.0 && s.yk < s.ym) return layoutParabola(s);
    const double yi = (s.pm - s.m * s.ym) / (s.kx - s.m);
    if (s.ym <= yi && yi < s.yu) return layoutSegment(s, yi);
    const double y2 = s.pu / s.kx;
    if (y2 >= s.yu) return layoutBilinear(s, y2);
    return layoutParabola(s);
}

class Silt final : public SoilModel {
public:
    double equivalentDepth(const CurveSite& s, double resistance) const override {
        checkFriction(s);
        const FrictionAngles f(s.phi, kFullPi);
        const WedgeTerms t = wedgeTerms(f, s.b);
        const auto rate = [&](double x) {
            const double r = x / s.b;
            return sandFactors(r).a * s.gamma * (s.b * s.b) * (r * r * t.c1 + r * t.d) + 3.0 * s.c * s.b +
                   s.gamma * s.b * x + 0.5 * s.c * x;
        };
        return steppedEquivalentDepth(kEquivalentDepthSteps, t.xr, resistance, rate,
                                      kDeepFactorA * s.gamma * s.b * t.e * s.x + 9.0 * s.c * s.b);
    }

    double activeOffset(const CurveSite& s) const override {
        const double ka = FrictionAngles(s.phi, kFullPi).ka;
        const double pa = s.b * (ka * s.excavationOverburden - 2.0 * s.c * std::sqrt(ka));
        return pa < kOffsetFloor ? 0.0 : pa;
    }

    BranchPoints branch(const CurveSite& s, Side side, double offset, BranchReport report) override {
        checkFriction(s);
        if (s.kpy <= 0.0) undefinedCurve(s, "K", s.kpy);
        const SiltCurve curve = build(s, side);
        writeHeading(s, side, curve, report);
        if (side == Side::Excavation) {
            resistance_.addTrapezoid(s.x, curve.pu);
            if (s.lastCurve()) resistance_.addTail(s.layerBottom);
        }
        return applyModifiers(curve.raw, s.multipliers, offset, side);
    }

    BranchStyle style() const override { return {"(21X,2E20.3)", "(I5,2X,E10.3,2X,E10.3)", true}; }

private:
    static SiltCurve build(const CurveSite& s, Side side) {
        const double xb = s.branchDepth(side);
        const double xm = s.modelDepth(side);
        const bool continuous = s.ratio < kContinuousWallRatio;
        const FrictionAngles f(s.phi, kFullPi);
        SiltCurve c;
        c.ps = continuous ? s.b * coulombPassiveCoefficient(s.phi, kWallFriction) * s.gamma * xb
                          : std::min(wedgeResistance(f, s.gamma, s.b, xm), flowAroundResistance(f, s.gamma, s.b, xm));
        const double np = s.c > 0.0 ? 3.0 + s.gamma * xm / s.c + kJ * xm / s.b : kMaxBearingFactor;
        c.pc = continuous ? xb * s.gamma * s.b + 2.0 * s.c * s.b
                          : (np < kMaxBearingFactor ? np : kMaxBearingFactor) * s.c * s.b;
        c.factors = sandFactors(xm / s.b);
        c.pu = c.factors.a * c.ps;
        Shape shape{};
        shape.pu = c.pu;
        shape.pm = 1.5 * c.ps + c.pc;
        if (shape.pm <= 0.0) undefinedCurve(s, "GAMMA AVG", s.gamma);
        shape.ym = s.b / 60.0;
        shape.yu = 3.0 * s.b / 80.0;
        shape.kx = s.kpy * xm;
        shape.m = (shape.pu - shape.pm) / (shape.yu - shape.ym);
        shape.n = shape.pm / (std::fabs(shape.m) * shape.ym);
        shape.c = shape.pm / std::pow(shape.ym, 1.0 / shape.n);
        shape.yk = std::pow(shape.c / shape.kx, shape.n / (shape.n - 1.0));
        c.raw = curvePoints(shape);
        return c;
    }

    static void writeHeading(const CurveSite& s, Side side, const SiltCurve& c, BranchReport r) {
        writeSideLine(r.out, side);
        r.out.write("(5X,\"DEPTH\",6X,\"DIAM\",7X,\"PHI\",1X,\"GAMMA AVG\",9X,\"A\",9X,\"B\",7X,\"Puc\",6X,A)",
                    {"Pu\xED"});
        r.out.write("(7X,A3,7X,A3,7X,\"DEG\",A,18X,A,A)",
                    {r.units.length, r.units.length, r.units.unitWeight, r.units.forcePerLength,
                     r.units.forcePerLength});
        r.out.write("(2F10.2,F10.1,E10.3,2F10.2,2E10.3)",
                    {s.branchDepth(side), s.b, s.phi * 180.0 / kPi, s.gamma, c.factors.a, c.factors.b, c.pc, c.ps});
        writeDeflectionResistanceHeading(r);
    }
};

}  // namespace

std::unique_ptr<SoilModel> makeSilt() { return std::make_unique<Silt>(); }

}  // namespace korvex::py
