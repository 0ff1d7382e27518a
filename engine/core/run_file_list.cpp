#include "core/run_file_list.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

namespace korvex {
namespace {

constexpr size_t kVersionWidth = 12;
constexpr size_t kNameWidth = 255;

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A fixed-width text field: the first `width` characters, trailing blanks removed.
std::string field(std::string line, size_t width) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > width) line.resize(width);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
    return line;
}

}  // namespace

std::optional<std::filesystem::path> findRunFileList(const std::filesystem::path& folder) {
    const std::filesystem::path exact = folder / "NAMES.dat";
    std::error_code ec;
    if (std::filesystem::is_regular_file(exact, ec)) return exact;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (equalsIgnoringCase(entry.path().filename().string(), "NAMES.dat") && entry.is_regular_file(ec))
            return entry.path();
    return std::nullopt;
}

RunFileListStatus readRunFileList(const std::filesystem::path& folder, RunFileList& list) {
    const auto path = findRunFileList(folder);
    if (!path) return RunFileListStatus::Missing;
    std::ifstream in(*path);
    if (!in) return RunFileListStatus::Missing;
    std::vector<std::string> lines;
    for (std::string l; lines.size() < 8 && std::getline(in, l);) lines.push_back(l);
    if (lines.size() < 4) return RunFileListStatus::TooShort;
    if (lines.size() < 8) return RunFileListStatus::NamesUnreadable;

    list.version = field(lines[0], kVersionWidth);
    list.version.resize(kVersionWidth, ' ');
    std::filesystem::path* names[] = {&list.data, &list.report, &list.plot, &list.notes};
    for (size_t i = 0; i < 4; ++i) {
        const std::string name = field(lines[4 + i], kNameWidth);
        if (name.empty()) return RunFileListStatus::NamesUnreadable;
        *names[i] = folder / name;  // an absolute name replaces the folder
    }
    return RunFileListStatus::Read;
}

}  // namespace korvex
