#include "py_curves/soil_model.h"

#include "core/list_reader.h"

namespace korvex::py {

double SoilModel::activeOffset(const CurveSite& s) const {
    return clayActiveOffset(s.b, s.c, s.excavationOverburden, s.earthLoad, s.ratio);
}

BranchPoints applyModifiers(const BranchPoints& raw, Multipliers m, double offset, Side side) {
    const double pa = side == Side::Excavation ? -offset : offset;
    BranchPoints out{};
    for (size_t k = 0; k < raw.size(); ++k) out[k] = {m.y * raw[k].y, m.p * raw[k].p + pa};
    return out;
}

void writeSideLine(fortran::FormattedWriter& out, Side side) {
    out.write("(/,6X,A)", {side == Side::Excavation ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE"});
}

void writeDeflectionResistanceHeading(BranchReport r) {
    r.out.write("(/,36X,\"Y\",19X,\"P\",/,33X,A3,12X,A)", {r.units.length, r.units.forcePerLength});
}

void undefinedCurve(const CurveSite& site, const char* what, double value) {
    throw DataError("ERROR -- SOIL LAYER " + std::to_string(site.layerNumber) + " BELOW THE EXCAVATION: " + what +
                    " =" + fortran::formatE(value, 10, 3) + " AT X =" + fortran::formatF(site.x, 10, 2) +
                    " LEAVES ITS P-Y CURVE UNDEFINED");
}

}  // namespace korvex::py
