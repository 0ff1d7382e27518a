// Loads the engine library that lies beside the running executable and binds
// its entry point, as the desktop application does for each run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace korvex::cli {

class EngineLibrary {
public:
    EngineLibrary();
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary&) = delete;
    EngineLibrary& operator=(const EngineLibrary&) = delete;

    bool loaded() const { return entry_ != nullptr; }
    const std::string& error() const { return error_; }
    // Calls the entry point with the interface code in the current directory.
    std::int32_t call(std::int32_t interfaceCode) const { return entry_(interfaceCode); }

private:
    void* handle_ = nullptr;
    std::int32_t (*entry_)(std::int32_t) = nullptr;
    std::string error_;
};

std::filesystem::path executableFolder();

}  // namespace korvex::cli
