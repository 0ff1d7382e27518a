#include "core/tiebacks.h"

#include "core/list_reader.h"
#include "core/single_precision.h"
#include "core/station_array.h"

#include <cmath>
#include <string>

namespace korvex {

Tieback makeTieback(const TiebackRecord& record, int number, double dx, double wa) {
    if (record.unbondedLength == 0 || record.spacing == 0 || wa == 0) {
        throw DataError("ERROR -- TIEBACK " + std::to_string(number) +
                        ": UNBONDED LENGTH, SPACING AND WIDTH WA MUST NOT BE ZERO");
    }
    Tieback t;
    t.record = record;
    t.station = nearestStation(record.depth, dx);
    t.cosAngle = std::cos(record.angle * spc(3.1416f) / 180.0);
    t.stiffness = record.area * record.modulus * t.cosAngle / (record.unbondedLength * record.spacing / wa);
    t.load = -(wa / record.spacing) * t.cosAngle * record.prestress;
    return t;
}

TiebackForces tiebackForces(const Tieback& tieback, double y, double wa) {
    TiebackForces f;
    f.horizontalPerStation = tieback.load - y * tieback.stiffness;
    f.perStation = f.horizontalPerStation / tieback.cosAngle;
    f.perTieback = f.perStation * tieback.record.spacing / wa;
    return f;
}

}  // namespace korvex
