// A temporary folder with a run file list, for tests that run the engine.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace korvex::test {

class RunFolder {
public:
    RunFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvex-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~RunFolder() { std::filesystem::remove_all(path_); }

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

    void write(const std::string& name, const std::string& text) const {
        std::ofstream(path_ / name, std::ios::binary) << text;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

    // Writes "names.dat" for the data file "wall.rw5d" of this folder.
    void writeRunFileList(const std::string& listName = "names.dat") const {
        write(listName, "2015.5.21\r\n\r\n\r\n0\r\nwall.rw5d\r\nwall.rw5o\r\nwall.rw5p\r\nwall.rw5r\r\n");
    }

private:
    std::filesystem::path path_;
};

}  // namespace korvex::test
