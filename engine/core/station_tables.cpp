#include "core/station_tables.h"

#include "core/distribution_rule.h"

namespace korvex {
namespace {

bool isLinear(int interp) { return interp == 2; }

void spreadSections(const ProblemInput& input, StationTables& tables, InputEcho& echo) {
    if (input.sections.empty()) echo.noSectionRecords();
    DistributionRule rule({&tables.ei}, "SECTION", &tables.eiEndHalves);
    for (const SectionRecord& rec : input.sections) {
        echo.stiffnessLine(spanLayout(rule.previousLinear(), isLinear(rec.interp)), rec.from, rec.to, rec.interp - 1,
                           {rec.ei, 0, 0, 0, 0, 0});
        rule.apply(rec.from, rec.to, isLinear(rec.interp), {rec.ei});
    }
}

void spreadLoads(const ProblemInput& input, StationTables& tables, InputEcho& echo, CarriedState& carried) {
    DistributionRule rule({&tables.q, &tables.t, &tables.p}, "LOADS");
    const double dx = input.wall.dx;
    for (size_t k = 0; k < input.loads.size(); ++k) {
        const LoadRecord& rec = input.loads[k];
        echo.stiffnessLine(spanLayout(rule.previousLinear(), isLinear(rec.interp)), rec.from, rec.to, rec.interp - 1,
                           {tables.ei.valueOr0(rec.from), rec.p, 0, rec.m, 0, rec.q});
        rule.apply(rec.from, rec.to, isLinear(rec.interp), {rec.p, rec.m, -rec.q});
        if (rec.m != 0) tables.moments.push_back({rec.from, rec.m / (2.0 * dx)});
        if (rec.from != rec.to) continue;
        if (k == 0) carried.topSupportDepth = rec.from * dx;
        if (k + 1 == input.loads.size()) carried.bottomSupportDepth = rec.from * dx;
    }
}

// Springs and tiebacks form one sequence; a record at a single station marks
// a support: the first of them the top one, the last spring or the last of all
// the bottom one.
void spreadSpringsAndTiebacks(const ProblemInput& input, StationTables& tables, InputEcho& echo,
                              CarriedState& carried) {
    DistributionRule rule({&tables.s, &tables.r, &tables.q}, "SPRINGS");
    const double dx = input.wall.dx;
    const size_t total = input.springs.size() + input.tiebacks.size();
    auto markSupport = [&](size_t k, int station, bool lastSpring) {
        if (k == 0) carried.topSupportDepth = station * dx;
        if (lastSpring || k + 1 == total) carried.bottomSupportDepth = station * dx;
    };
    for (size_t k = 0; k < input.springs.size(); ++k) {
        const SpringRecord& rec = input.springs[k];
        echo.stiffnessLine(spanLayout(rule.previousLinear(), isLinear(rec.interp)), rec.from, rec.to, rec.interp - 1,
                           {tables.ei.valueOr0(rec.from), 0, rec.kLateral, 0, rec.kRotational, 0});
        rule.apply(rec.from, rec.to, isLinear(rec.interp), {rec.kLateral, rec.kRotational, 0});
        if (rec.from == rec.to) markSupport(k, rec.from, k + 1 == input.springs.size());
    }
    for (size_t n = 0; n < input.tiebacks.size(); ++n) {
        const Tieback tb = makeTieback(input.tiebacks[n], static_cast<int>(n) + 1, dx, input.wall.wa);
        echo.stiffnessLine(spanLayout(rule.previousLinear(), false), tb.station, tb.station, 0,
                           {tables.ei.valueOr0(tb.station), tb.load, tb.stiffness, 0, 0, 0});
        rule.apply(tb.station, tb.station, false, {tb.stiffness, 0, tb.load});
        tables.tiebacks.push_back(tb);
        markSupport(input.springs.size() + n, tb.station, false);
    }
}

}  // namespace

StationTables buildStationTables(const ProblemInput& input, InputEcho& echo, CarriedState& carried) {
    StationTables tables(input.wall.ni);
    echo.stiffnessHeading();
    spreadSections(input, tables, echo);
    spreadLoads(input, tables, echo, carried);
    spreadSpringsAndTiebacks(input, tables, echo, carried);
    return tables;
}

double dataBeyondTip(const StationTables& t) {
    const int n = t.ei.ni();
    return t.ei[n + 1] + t.ei[n + 2] + t.q[n + 1] + t.s[n + 1] + t.t[n + 1] + t.t[n + 2] + t.r[n + 1] + t.r[n + 2] +
           t.p[n + 1] + t.p[n + 2];
}

}  // namespace korvex
