#include "core/distribution_rule.h"

#include "core/data_messages.h"
#include "core/list_reader.h"

#include <utility>

namespace korvex {

DistributionRule::DistributionRule(std::vector<StationArray*> tables, const char* recordKind, StationArray* endHalves)
    : tables_(std::move(tables)), recordKind_(recordKind), endHalves_(endHalves) {}

void DistributionRule::apply(int from, int to, bool linear, const std::vector<double>& values) {
    if (!previousLinear_ && !linear) {
        spread(from, values, to, values);
    } else if (!previousLinear_) {
        spanStart_ = from;
        spanStartValues_ = values;
    } else {
        spread(spanStart_, spanStartValues_, to, values);
        spanStart_ = to;
        spanStartValues_ = values;
    }
    previousLinear_ = linear;
}

void DistributionRule::checkStation(int station) const {
    if (!tables_.front()->holds(station)) throw DataError(messages::stationOutsideWall(recordKind_, station));
}

void DistributionRule::spread(int a, const std::vector<double>& u, int b, const std::vector<double>& w) {
    if (b < a) throw DataError(messages::kStationsNotInOrder);
    checkStation(a);
    checkStation(b);
    for (size_t v = 0; v < tables_.size(); ++v) {
        StationArray& table = *tables_[v];
        for (int i = a; i <= b; ++i) {
            table[i] += b == a ? u[v] : u[v] + (w[v] - u[v]) * (i - a) / (b - a);
        }
        if (b > a) {
            table[a] += -0.5 * u[v];
            table[b] += -0.5 * w[v];
        }
    }
    addEndHalves(a, u, b, w);
}

void DistributionRule::addEndHalves(int a, const std::vector<double>& u, int b, const std::vector<double>& w) {
    if (!endHalves_ || b == a) return;
    const int tip = endHalves_->ni();
    if (a == 0 && b <= tip) (*endHalves_)[0] += 0.5 * u.front();
    if (b == tip && a >= 0) (*endHalves_)[tip] += 0.5 * w.front();
}

}  // namespace korvex
