#include "shell/dynamic_library.h"

#include <QDir>
#include <QFileInfo>

namespace korvex::app {

void TDynamicLibrary::SetFileName(const QString& path) {
    Unload();
    library_.setFileName(path);
}

void TDynamicLibrary::Load() {
    if (IsLoaded()) return;
    if (library_.load()) return;
    // QLibrary adds the platform's prefix and suffix; a missing file is
    // told apart from one that fails to initialise by its error text.
    const QFileInfo given(library_.fileName());
    const bool exists = given.exists() || QFileInfo::exists(given.dir().filePath(
                                              QLatin1String("lib") + given.fileName() + QLatin1String(".so")));
    if (!exists) throw EFileNotFoundError(QStringLiteral("Library could not be located"));
    throw EInitError(QStringLiteral("Library failed to properly initialize"));
}

QFunctionPointer TDynamicLibrary::GetEntryPoint(const char* name) {
    if (!IsLoaded()) throw EDLLNotOpenError(QStringLiteral("Library is not open"));
    return library_.resolve(name);
}

void TDynamicLibrary::Unload() {
    if (IsLoaded()) library_.unload();
}

}  // namespace korvex::app
