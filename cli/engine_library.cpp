#include "engine_library.h"

#include <dlfcn.h>
#include <unistd.h>

namespace korvex::cli {

std::filesystem::path executableFolder() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : self.parent_path();
}

EngineLibrary::EngineLibrary() {
    const auto path = executableFolder() / "libKorvex2015_DLL.so";
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        error_ = "cannot load the engine library " + path.string() + ": " + dlerror();
        return;
    }
    entry_ = reinterpret_cast<std::int32_t (*)(std::int32_t)>(dlsym(handle_, "_IKORVEX"));
    if (!entry_) error_ = "the engine library " + path.string() + " has no entry point _IKORVEX";
}

EngineLibrary::~EngineLibrary() {
    if (handle_) dlclose(handle_);
}

}  // namespace korvex::cli
