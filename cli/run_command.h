// `korvex run`: analyses data files as the application does and prints the outcome.
#pragma once

#include <string>
#include <vector>

namespace korvex::cli {

// Exit status: 0 every run completed, 2 a run ended on a data error, 1 usage or file errors.
int runCommand(const std::vector<std::string>& projects);

}  // namespace korvex::cli
