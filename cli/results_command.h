// `korvex results`: the result graphs of a project's last run, read from its
// plot-data file as the application reads them, printed or written as CSV.
#pragma once

#include <string>
#include <vector>

namespace korvex::cli {

// Exit status: 0 the plot-data file was read completely, 2 it ended early or
// held an invalid value (what was read is still printed), 1 usage or file
// errors.
int resultsCommand(const std::vector<std::string>& args);

}  // namespace korvex::cli
