// One linear beam-column solve at the largest number of increments: a wall of
// 407 increments on uniform springs with a lateral load at the head.
#include "core/beam_solver.h"
#include "core/boundary_marks.h"
#include "core/station_array.h"

#include <benchmark/benchmark.h>

namespace {

void LinearSolve407(benchmark::State& state) {
    constexpr int ni = 407;
    korvex::StationArray f(ni), q(ni), s(ni), t(ni), r(ni), p(ni), y(ni);
    for (int i = 0; i <= ni; ++i) {
        f[i] = 5.3e9;
        s[i] = 60.0 * 6.0;
    }
    q[0] = 1000.0;
    const auto bc = korvex::makeBoundaryConditions({}, ni);
    korvex::BeamSolver solver(ni);
    for (auto _ : state) {
        benchmark::DoNotOptimize(solver.solve({6.0, f, q, s, t, r, p}, bc, y, 100.0, 1e-5));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(LinearSolve407)->Unit(benchmark::kMicrosecond);

}  // namespace
