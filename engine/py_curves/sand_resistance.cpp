#include "py_curves/sand_resistance.h"

#include "core/single_precision.h"
#include "py_curves/piecewise_table.h"

#include <cmath>

namespace korvex::py {
namespace {

constexpr double kAtRest = spc(0.4f);
constexpr std::array<double, 10> kRatios{0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
constexpr std::array<double, 10> kFactorA{spc(2.83f), spc(2.48f), spc(2.11f), spc(1.76f), spc(1.48f),
                                          spc(1.23f), spc(1.06f), spc(0.90f), spc(0.88f), spc(0.88f)};
constexpr std::array<double, 10> kFactorB{spc(2.14f), spc(1.83f), spc(1.54f), spc(1.27f), spc(1.05f),
                                          spc(0.86f), spc(0.71f), spc(0.53f), spc(0.50f), spc(0.50f)};

double squared(double v) { return v * v; }

}  // namespace

FrictionAngles::FrictionAngles(double angle, double pi)
    : phi(angle),
      alpha(angle / 2.0),
      beta(pi / 4.0 + angle / 2.0),
      k0(kAtRest),
      ka(squared(std::tan(pi / 4.0 - angle / 2.0))),
      kp(squared(std::tan(pi / 4.0 + angle / 2.0))) {}

double wedgeResistance(const FrictionAngles& f, double gamma, double b, double xm) {
    const double tanBeta = std::tan(f.beta);
    const double tanBetaPhi = std::tan(f.beta - f.phi);
    const double tanPhi = std::tan(f.phi);
    const double tanAlpha = std::tan(f.alpha);
    const double sinBeta = std::sin(f.beta);
    return gamma * xm *
           (f.k0 * xm * tanPhi * sinBeta / (tanBetaPhi * std::cos(f.alpha)) +
            tanBeta / tanBetaPhi * (b + xm * tanBeta * tanAlpha) +
            f.k0 * xm * tanBeta * (tanPhi * sinBeta - tanAlpha) - f.ka * b);
}

double flowAroundResistance(const FrictionAngles& f, double gamma, double b, double xm) {
    const double tanBeta = std::tan(f.beta);
    return f.ka * b * gamma * xm * (std::pow(tanBeta, 8) - 1.0) +
           f.k0 * b * gamma * xm * std::tan(f.phi) * std::pow(tanBeta, 4);
}

double coulombPassiveCoefficient(double phi, double delta) {
    const double root = std::sqrt(std::sin(phi) * std::sin(phi + delta) / std::cos(delta));
    return squared(std::cos(phi)) / (std::cos(delta) * squared(1.0 - root));
}

SandFactors sandFactors(double ratio) {
    return {piecewiseLinear(kRatios, kFactorA, ratio), piecewiseLinear(kRatios, kFactorB, ratio)};
}

WedgeTerms wedgeTerms(const FrictionAngles& f, double b) {
    const double tanBeta = std::tan(f.beta);
    const double tanPhi = std::tan(f.phi);
    const double tanAlpha = std::tan(f.alpha);
    WedgeTerms t{};
    t.d = f.kp - f.ka;
    t.c1 = tanBeta * (f.k0 * (tanPhi * std::sin(f.beta) * (1.0 + 1.0 / std::cos(f.alpha)) - tanAlpha) +
                      f.kp * tanAlpha);
    t.e = squared(f.kp) * (f.kp + f.k0 * tanPhi) - f.ka;
    t.xr = (t.e - t.d) * b / t.c1;
    return t;
}

double steppedEquivalentDepth(int steps, double xr, double resistance, const std::function<double(double)>& rate,
                              double beyondRate) {
    const double dx = xr / steps;
    double accumulated = 0.0;
    for (int i = 1; i <= steps; ++i) {
        const double x = i * dx;
        const double before = accumulated;
        accumulated += rate(x) * dx;
        if (accumulated > resistance) return x - (accumulated - resistance) * dx / (accumulated - before);
    }
    return xr + (resistance - accumulated) / beyondRate;
}

std::array<double, 17> fourPartDeflections(double ya, double ym, double yu) {
    std::array<double, 17> y{};
    y[1] = ya / 2.0;
    y[2] = ya;
    for (int k = 4; k <= 12; ++k) y[static_cast<size_t>(k - 1)] = ya + (ym - ya) * (k - 3) / 10.0;
    y[12] = ym;
    y[13] = (2.0 * ym + yu) / 3.0;
    y[14] = (ym + 2.0 * yu) / 3.0;
    y[15] = yu;
    y[16] = spc(1.2f) * yu;
    return y;
}

}  // namespace korvex::py
