#include "run_command.h"

#include "engine_library.h"
#include "korvex_shared.h"
#include "run_summary.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace korvex::cli {
namespace {

// A private working directory for one run, removed afterwards.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "korvex-run-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Restores the working directory when a run is over.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const fs::path& folder) : previous_(fs::current_path()) { fs::current_path(folder); }
    ~WorkingDirectory() {
        std::error_code ec;
        fs::current_path(previous_, ec);
    }

private:
    fs::path previous_;
};

fs::path withExtension(fs::path p, const char* extension) { return p.replace_extension(extension); }

bool writeRunFileList(const fs::path& folder, const fs::path& data) {
    std::ofstream out(folder / "names.dat", std::ios::binary);
    out << shared::kVersionText << "\r\n\r\n\r\n0\r\n"
        << data.string() << "\r\n"
        << withExtension(data, ".rw5o").string() << "\r\n"
        << withExtension(data, ".rw5p").string() << "\r\n"
        << withExtension(data, ".rw5r").string() << "\r\n";
    return static_cast<bool>(out);
}

// Analyses one data file; returns its exit status.
int runOne(const EngineLibrary& engine, const std::string& project) {
    std::error_code ec;
    const fs::path data = fs::absolute(project, ec);
    if (ec || !fs::is_regular_file(data)) {
        std::cerr << project << ": no such data file\n";
        return 1;
    }
    TemporaryFolder folder;
    if (folder.path().empty() || !writeRunFileList(folder.path(), data)) {
        std::cerr << project << ": cannot create a working folder for the run\n";
        return 1;
    }
    {
        WorkingDirectory here(folder.path());
        if (engine.call(shared::kInterfaceCode) != 0) {
            std::cerr << project << ": the engine library does not accept this program's interface code\n";
            return 1;
        }
    }
    const RunSummary summary = summariseRun(withExtension(data, ".rw5o"), withExtension(data, ".rw5p"));
    printSummary(std::cout, project, summary);
    return summary.dataError.empty() ? 0 : 2;
}

}  // namespace

int runCommand(const std::vector<std::string>& projects) {
    if (projects.empty()) {
        std::cerr << "usage: korvex run PROJECT...\n";
        return 1;
    }
    EngineLibrary engine;
    if (!engine.loaded()) {
        std::cerr << engine.error() << "\n";
        return 1;
    }
    int status = 0;
    for (const std::string& p : projects) status = std::max(status, runOne(engine, p));
    return status;
}

}  // namespace korvex::cli
