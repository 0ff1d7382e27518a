// `korvex check` and `korvex upgrade`: the project read as the application
// reads it, checked before a run, or written again in the current format.
#pragma once

#include <string>
#include <vector>

namespace korvex::cli {

// Exit status: 0 the project may be run, 1 the check or the reading failed.
int checkCommand(const std::vector<std::string>& args);

// Exit status: 0 written, 1 usage, reading or writing failed.
int upgradeCommand(const std::vector<std::string>& args);

}  // namespace korvex::cli
