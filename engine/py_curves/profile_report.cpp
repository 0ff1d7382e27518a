#include "py_curves/profile_report.h"

#include "core/single_precision.h"
#include "py_curves/py_constants.h"

namespace korvex::py {
namespace {

constexpr double kNoE50 = spc(1.0E-6f);

const char* soilDescription(int type) {
    switch (type) {
    case 2: return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
    case 3: return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
    case 4: return "THE SOIL IS A SAND";
    case 5: return "THE SOIL IS A SILT";
    case 6: return "THE LAYER IS ROCK";
    case 7: return "THE LAYER IS WEAK ROCK";
    default: return "THE SOIL IS A SOFT CLAY";
    }
}

void writeLayers(fortran::FormattedWriter& out, const UnitLabels& units, double freeHeight, const SoilProfile& p) {
    out.write("(/,/,6X,50\"*\",/,6X,\"*        SOIL LAYERS AND STRENGTH DATA           *\",/,6X,50\"*\")");
    out.write("(/,6X,\"X AT THE SURFACE OF EXCAVATION SIDE     = \",F10.2,A)", {freeHeight, units.length});
    out.write("(/,6X,I1,\" LAYER(S) OF SOIL\")", {static_cast<int>(p.layers.size())});
    int number = 0;
    for (const ProfileLayer& layer : p.layers)
        out.write("(/,6X,\"LAYER\",I3,/,6X,A)", {++number, soilDescription(layer.type)});
}

void writeUnitWeights(fortran::FormattedWriter& out, const UnitLabels& units, double freeHeight, const SoilProfile& p) {
    out.write("(/,/,6X,\"DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH\",/,6X,I2,\" POINTS\",/)",
              {static_cast<int>(p.unitWeight.size())});
    out.write("(13X,\"X,\",A3,7X,\"WEIGHT,\",A)", {units.length, units.unitWeight});
    for (const UnitWeightPoint& pt : p.unitWeight) out.write("(F15.4,D15.4)", {freeHeight + pt.x, pt.gamma});
}

void writeStrengths(fortran::FormattedWriter& out, const UnitLabels& units, double freeHeight, const SoilProfile& p) {
    out.write("(/,/,6X,\"DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH\",/,6X,I2,\" POINTS\",/)",
              {static_cast<int>(p.strength.size())});
    out.write("(13X,\"X,\",A3,5X,\"S,\",A,2X,\"PHI,DEGREES\",12X,\"E50\")", {units.length, units.pressure});
    for (const StrengthPoint& pt : p.strength) {
        const double depth = freeHeight + pt.x;
        const double c = pt[Strength::Cohesion];
        const double phiDegrees = pt[Strength::Phi] * 180.0 / kPi;
        const double e50 = pt[Strength::E50];
        if (e50 <= kNoE50)
            out.write("(F15.2,D13.4,F13.3,A15)", {depth, c, phiDegrees, "-----"});
        else
            out.write("(F15.2,D13.4,F13.3,D15.4)", {depth, c, phiDegrees, e50});
    }
}

}  // namespace

void writeProfileReport(fortran::FormattedWriter& out, const UnitLabels& units, double freeHeight,
                        const SoilProfile& profile) {
    writeLayers(out, units, freeHeight, profile);
    writeUnitWeights(out, units, freeHeight, profile);
    writeStrengths(out, units, freeHeight, profile);
}

void writeModificationFactors(fortran::FormattedWriter& out, const std::vector<PyModFactor>& factors) {
    if (factors.empty()) return;
    out.write("(/,/,6X,\"REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS\",/,/,"
              "\"      DEPTH     P-FACTOR     Y-FACTOR        \")");
    for (const PyModFactor& f : factors) out.write("(F7.2,F6.2,F6.2)", {f.depth, f.pMult, f.yMult});
}

}  // namespace korvex::py
