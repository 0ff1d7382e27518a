// Weak rock: straight initial line Kir y, then 0.5 pur (y / yrm)^0.25 up to
// pur, the strength reduced by the rock quality designation.
#include "py_curves/soil_models.h"

#include "core/list_reader.h"
#include "core/single_precision.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace korvex::py {
namespace {

constexpr double kQualityReduction = spc(0.006666667f);  // (2/3) / 100 per percent RQD
constexpr double kDepthNudge = spc(1.0E-8f);
constexpr double kShallowGrowth = spc(1.4f);
constexpr double kDeepFactor = spc(5.2f);
constexpr double kNoStrength = spc(1.0E-10f);
constexpr std::array<double, kBranchPoints> kFractions{
    spc(0.0005f), spc(0.001f), spc(0.003f), spc(0.006f), spc(0.009f), spc(0.02f), spc(0.04f), spc(0.06f), spc(0.08f),
    spc(0.1f),    spc(0.25f),  0.5,         0.75,        1.0,         4.0,        8.0,        12.0};

// Zero strength below the top of the layer ends the run.
void checkStrength(const CurveSite& s) {
    if (s.firstCurve() || s.c >= kNoStrength) return;
    const char* lines[] = {"--------------------WARNING----------------------",
                           "THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT",
                           "DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN."};
    std::cerr << '\n';
    for (const char* l : lines) std::cerr << "       " << l << '\n';
    throw DataError(std::string(lines[1]) + " " + lines[2] + " (SOIL LAYER " + std::to_string(s.layerNumber) +
                    ", X =" + fortran::formatF(s.x, 10, 2) + ")");
}

class WeakRock final : public SoilModel {
public:
    double activeOffset(const CurveSite&) const override { return 0.0; }

    BranchPoints branch(const CurveSite& s, Side side, double, BranchReport report) override {
        checkStrength(s);
        if (s.e50 <= 0.0) undefinedCurve(s, "STRAIN CONSTANT KRM", s.e50);
        if (s.kpy <= 0.0) undefinedCurve(s, "ROCK MASS MODULUS EM", s.kpy);
        const double alpha = 1.0 - s.coefficient * kQualityReduction;
        const double qa = s.averageCohesion;
        const double xr = s.branchDepth(side) - s.layerTop + kDepthNudge;
        const bool shallow = xr <= 3.0 * s.b;
        const double kir = shallow ? s.kpy * (100.0 + 400.0 * xr / (3.0 * s.b)) : 500.0 * s.kpy;
        const double pur = shallow ? alpha * qa * s.b * (1.0 + kShallowGrowth * xr / s.b) : kDeepFactor * alpha * qa * s.b;
        const double yrm = s.e50 * s.b;
        const double ya = std::pow(0.5 * pur / (std::pow(yrm, 0.25) * kir), 4.0 / 3.0);
        writeHeading(s, side, report);
        BranchPoints raw{};
        for (size_t k = 0; k < raw.size(); ++k) {
            const double y = kFractions[k] * yrm;
            raw[k] = {y, y < ya ? kir * y : std::min(0.5 * pur * std::pow(y / yrm, 0.25), pur)};
        }
        return applyModifiers(raw, s.multipliers, 0.0, side);
    }

    BranchStyle style() const override { return {"(21X,2E20.3)", "(I5,2X,E10.3,2X,E10.3)", false}; }

private:
    static void writeHeading(const CurveSite& s, Side side, BranchReport r) {
        writeSideLine(r.out, side);
        r.out.write("(15X,\"DEPTH\",6X,\"DIAM\",8X,\"Qu\",6X,\" Eu \",1X,\"GAMMA AVG\",9X,\"E50\")");
        r.out.write("(17X,A3,7X,A3,1X,A,1X,A,1X,A)",
                    {r.units.length, r.units.length, r.units.pressure, r.units.pressure, r.units.unitWeight});
        r.out.write("(10X,F10.2,F10.3,3E10.2,E12.3)", {s.branchDepth(side), s.b, s.c, s.kpy, s.gamma, s.e50});
        writeDeflectionResistanceHeading(r);
    }
};

}  // namespace

std::unique_ptr<SoilModel> makeWeakRock() { return std::make_unique<WeakRock>(); }

}  // namespace korvex::py
