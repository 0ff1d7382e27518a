// Strong rock: trilinear curve with a brittle drop to the residual resistance
// 0.5 gamma b x after the ultimate resistance c b (c = qu / 2).
#include "py_curves/soil_models.h"

#include "core/single_precision.h"

namespace korvex::py {
namespace {

constexpr double kFirstBreak = spc(0.0004f);  // y1 = 0.0004 b

class StrongRock final : public SoilModel {
public:
    double activeOffset(const CurveSite&) const override { return 0.0; }

    BranchPoints branch(const CurveSite& s, Side side, double, BranchReport report) override {
        if (s.c <= 0.0) undefinedCurve(s, "UNIAXIAL COMPRESSIVE STRENGTH QU", s.c);
        const double c = s.c / 2.0;
        const double kir = 2000.0 * c;
        const double y1 = kFirstBreak * s.b;
        const double p1 = kir * y1;
        const double pu = c * s.b;
        const double y2 = y1 + (pu - p1) / (100.0 * c);
        const double residual = 0.5 * s.gamma * s.b * s.branchDepth(side);
        const double pm = s.multipliers.p;
        writeHeading(s, side, c, report);
        BranchPoints points{};
        for (int k = 1; k <= kBranchPoints; ++k) {
            const double y = k == 16 ? y2 : (k - 1) * y2 / 15.0;
            const double p = y < y1 ? pm * kir * y : y < y2 ? pm * (p1 + 100.0 * c * (y - y1)) : residual;
            points[static_cast<size_t>(k - 1)] = {s.multipliers.y * y, p};
        }
        return points;
    }

    BranchStyle style() const override { return {"(21X,2D20.5)", "(I5,1X,E10.3,E10.3)", false}; }

private:
    static void writeHeading(const CurveSite& s, Side side, double c, BranchReport r) {
        const char* depth = side == Side::Excavation ? "DEPTH-EXCAVATION SIDE" : "DEPTH-BACKFILL SIDE  ";
        r.out.write("(/,24X,A,8X,\"DIAM\",9X,\"C\")", {depth});
        r.out.write("(31X,A3,12X,A3,1X,A)", {r.units.length, r.units.length, r.units.pressure});
        r.out.write("(24X,F10.2,5X,F10.3,E10.1)", {s.branchDepth(side), s.b, c});
        writeDeflectionResistanceHeading(r);
    }
};

}  // namespace

std::unique_ptr<SoilModel> makeStrongRock() { return std::make_unique<StrongRock>(); }

}  // namespace korvex::py
