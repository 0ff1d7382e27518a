// The exported entry point of the engine library. The same code is exported
// under two names; both run the analysis in the current working directory.
#include "core/engine_run.h"

#include <cstdint>
#include <filesystem>

namespace {

std::int32_t runInCurrentDirectory(std::int32_t interfaceCode) {
    try {
        return korvex::runEngine(interfaceCode, std::filesystem::current_path());
    } catch (...) {
        return 0;  // the call never throws into the caller
    }
}

}  // namespace

extern "C" {
__attribute__((visibility("default"))) std::int32_t IKORVEX(std::int32_t interfaceCode) {
    return runInCurrentDirectory(interfaceCode);
}
__attribute__((visibility("default"))) std::int32_t _IKORVEX(std::int32_t interfaceCode) {
    return runInCurrentDirectory(interfaceCode);
}
}
