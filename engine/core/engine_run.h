// One run of the engine: the run file list, the problem loop and the end of the run.
#pragma once

#include <filesystem>

namespace korvex {

// Runs the analysis named by the run file list in `workDir`; scratch files are
// written there too, so runs in different folders do not meet. Returns 1 when
// the interface code is not 21 (nothing is read or written), else 0, whatever
// the analysis found.
int runEngine(int interfaceCode, const std::filesystem::path& workDir);

}  // namespace korvex
