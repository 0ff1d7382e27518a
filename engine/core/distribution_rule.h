// Spreading of a sequence of records (SECTION, LOADS, or SPRINGS followed by
// TIEBACK) over the station tables. A record is constant from its from-station
// to its to-station, or linear: then its values run linearly to those of the
// next record of the sequence. A span puts half values at its two end
// stations, so two spans sharing a station give it the full value.
#pragma once

#include "core/station_array.h"

#include <vector>

namespace korvex {

class DistributionRule {
public:
    // tables: the tables fed by the record's values, in the order of the values.
    // endHalves, when given, collects the half of the first table's value that a
    // span inside the wall takes off at the wall's top (station 0) or tip (NI).
    DistributionRule(std::vector<StationArray*> tables, const char* recordKind, StationArray* endHalves = nullptr);

    // Whether the previous record of the sequence was linear (false before the first).
    bool previousLinear() const { return previousLinear_; }

    // Takes the next record. Throws DataError when a span ends above its start.
    void apply(int from, int to, bool linear, const std::vector<double>& values);

private:
    void spread(int a, const std::vector<double>& u, int b, const std::vector<double>& w);
    void checkStation(int station) const;
    void addEndHalves(int a, const std::vector<double>& u, int b, const std::vector<double>& w);

    std::vector<StationArray*> tables_;
    const char* recordKind_;
    StationArray* endHalves_;
    bool previousLinear_ = false;
    int spanStart_ = 0;
    std::vector<double> spanStartValues_;
};

}  // namespace korvex
