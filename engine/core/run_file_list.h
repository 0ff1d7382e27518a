// The run file list "NAMES.dat": eight lines that name the files of one run.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace korvex {

struct RunFileList {
    std::string version;  // line 1, 12 characters (blank-padded)
    std::filesystem::path data, report, plot, notes;  // lines 5 to 8
};

// Finds the run file list in a folder, matching "NAMES.dat" without regard to case.
std::optional<std::filesystem::path> findRunFileList(const std::filesystem::path& folder);

// Outcome of reading the run file list.
enum class RunFileListStatus { Read, Missing, TooShort, NamesUnreadable };

// Reads the list; relative file names are taken relative to the list's folder.
RunFileListStatus readRunFileList(const std::filesystem::path& folder, RunFileList& list);

}  // namespace korvex
