// TDynamicLibrary: a library loaded by path for as long as the object holds
// it, with the errors of loading raised as EDLLError and its subclasses.
#pragma once

#include "framework/errors.h"

#include <QLibrary>

namespace korvex::app {

class EDLLError : public EKorvexError {
    using EKorvexError::EKorvexError;
};
class EInitError : public EDLLError {
    using EDLLError::EDLLError;
};
class EFileNotFoundError : public EDLLError {
    using EDLLError::EDLLError;
};
class EDLLNotOpenError : public EDLLError {
    using EDLLError::EDLLError;
};

class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    ~TDynamicLibrary() { Unload(); }
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Unloads a loaded library first.
    void SetFileName(const QString& path);
    // Raises EFileNotFoundError when no such library file exists and
    // EInitError when it exists but cannot be loaded.
    void Load();
    // The named export, or nullptr when the library has none; raises
    // EDLLNotOpenError when no library is loaded.
    QFunctionPointer GetEntryPoint(const char* name);
    void Unload();
    bool IsLoaded() const { return library_.isLoaded(); }

private:
    QLibrary library_;
};

}  // namespace korvex::app
