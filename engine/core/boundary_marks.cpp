#include "core/boundary_marks.h"

#include "core/data_messages.h"
#include "core/list_reader.h"

namespace korvex {
namespace {

void checkRestraints(const std::vector<Restraint>& restraints, int ni) {
    if (restraints.size() > kMaxRestraints) throw DataError(messages::kTooMuchData);
    int previous = -1;
    for (const Restraint& r : restraints) {
        if (r.station < previous) throw DataError(messages::kStationsNotInOrder);
        // The station after a slope station must lie within the tables.
        if (r.station > ni + 2) throw DataError(messages::stationOutsideWall("RESTRAINT", r.station));
        previous = r.station;
    }
}

}  // namespace

BoundaryConditions makeBoundaryConditions(const std::vector<Restraint>& restraints, int ni) {
    checkRestraints(restraints, ni);
    BoundaryConditions bc;
    bc.ni = ni;
    bc.marks.assign(static_cast<size_t>(ni + 7), kFree);
    auto set = [&](int station, int mark) { bc.marks[static_cast<size_t>(station + 3)] = mark; };
    for (const Restraint& r : restraints) {
        bc.deflections.push_back(r.deflection);
        bc.slopes.push_back(r.slope);
        if (r.caseCode <= 1) {
            set(r.station, kDeflection);
            continue;
        }
        set(r.station - 1, kBeforeSlope);
        set(r.station + 1, kAfterSlope);
        if (r.caseCode >= 3) set(r.station, kSlopeDeflection);
    }
    return bc;
}

}  // namespace korvex
