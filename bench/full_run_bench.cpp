// Full runs of every shipped example: run file list, reading, analysis and
// every output file, in a private folder per example.
#include "core/engine_run.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

void fullRun(benchmark::State& state, const std::string& example) {
    std::string pattern = (fs::temp_directory_path() / "korvex-bench-XXXXXX").string();
    const fs::path folder = mkdtemp(pattern.data());
    fs::copy_file(fs::path(KORVEX_SOURCE_DIR) / "examples" / example, folder / "wall.rw5d");
    std::ofstream(folder / "names.dat") << "2015.5.21\n\n\n0\nwall.rw5d\nwall.rw5o\nwall.rw5p\nwall.rw5r\n";
    for (auto _ : state) benchmark::DoNotOptimize(korvex::runEngine(21, folder));
    fs::remove_all(folder);
}

void registerExamples() {
    for (const auto& entry : fs::directory_iterator(fs::path(KORVEX_SOURCE_DIR) / "examples")) {
        if (entry.path().extension() != ".rw5d") continue;
        const std::string name = entry.path().filename().string();
        benchmark::RegisterBenchmark(("FullRun/" + name).c_str(), fullRun, name)->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerExamples();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
