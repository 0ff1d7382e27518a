// Whole runs compared with stored results: every folder under tests/golden
// holds a data file "wall.rw5d" beside the report, plot data and run notes
// that the engine must write for it, byte for byte. Set KORVEX_UPDATE_GOLDEN=1
// to write the current results as the expected ones after checking them.
#include "core/engine_run.h"
#include "core/run_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using korvex::test::RunFolder;

namespace {

std::vector<std::string> goldenCases() {
    std::vector<std::string> names;
    const fs::path root = fs::path(KORVEX_SOURCE_DIR) / "tests" / "golden";
    for (const auto& entry : fs::directory_iterator(root))
        if (fs::exists(entry.path() / "wall.rw5d")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenRun : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenRun, WritesTheStoredResults) {
    const fs::path source = fs::path(KORVEX_SOURCE_DIR) / "tests" / "golden" / GetParam();
    RunFolder folder;
    fs::copy_file(source / "wall.rw5d", folder.file("wall.rw5d"));
    folder.writeRunFileList();
    setenv("SOURCE_DATE_EPOCH", "1772874304", 1);
    ASSERT_EQ(korvex::runEngine(21, folder.path()), 0);
    unsetenv("SOURCE_DATE_EPOCH");
    const bool update = std::getenv("KORVEX_UPDATE_GOLDEN") != nullptr;
    for (const char* name : {"wall.rw5o", "wall.rw5p", "wall.rw5r"}) {
        std::string actual = folder.read(name);
        // The report names the folder of the run; the stored report has "<folder>/".
        const std::string here = folder.path().string() + "/";
        for (size_t at = actual.find(here); at != std::string::npos; at = actual.find(here))
            actual.replace(at, here.size(), "<folder>/");
        if (update) {
            std::ofstream(source / name, std::ios::binary) << actual;
            continue;
        }
        std::ifstream in(source / name, std::ios::binary);
        std::ostringstream expected;
        expected << in.rdbuf();
        EXPECT_EQ(actual, expected.str()) << GetParam() << "/" << name;
    }
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenRun);
INSTANTIATE_TEST_SUITE_P(Golden, GoldenRun, ::testing::ValuesIn(goldenCases()),
                         [](const auto& info) { return info.param; });

}  // namespace
