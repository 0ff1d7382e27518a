#include "shell/run_controller.h"

#include "framework/decimal_separator.h"
#include "korvex_shared.h"
#include "shell/dynamic_library.h"
#include "shell/run_file_list.h"
#include "shell/user_prompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <optional>

namespace korvex::app {
namespace {

using TEntryPoint = int (*)(int);

// The engine keeps process-wide storage and fixed scratch-file names in the
// working directory, so at most one call may run at a time.
bool engineInUse = false;

class TEngineInUse {
public:
    TEngineInUse() { engineInUse = true; }
    ~TEngineInUse() { engineInUse = false; }
};

// Works in the program folder for the run and returns to where it was, so
// that names shown relative to the user's folder stay as they were.
class TWorkingFolder {
public:
    explicit TWorkingFolder(const QString& folder) : previous_(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~TWorkingFolder() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

// The run file list exists only while the run lasts, whatever way it ends.
class TRunFileList {
public:
    TRunFileList(const QString& folder, const QString& dataFile)
        : path_(QDir(folder).filePath(QLatin1String(kRunFileListName))) {
        WriteRunFileList(folder, dataFile);
    }
    ~TRunFileList() { QFile::remove(path_); }

private:
    QString path_;
};

class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TRunController::TRunController(QString programFolder, TUserPrompts& prompts)
    : programFolder_(std::move(programFolder)), prompts_(prompts) {}

TRunOutcome TRunController::Run(const QString& dataFile) {
    if (engineInUse) {
        prompts_.Information(QStringLiteral("Attempt to reinitialize DLL"));
        return TRunOutcome::NotRun;
    }
    TPointSeparator point;
    TWorkingFolder here(programFolder_);
    // A run file list that cannot be written is told to the user; no run takes place.
    std::optional<TRunFileList> list;
    try {
        list.emplace(programFolder_, dataFile);
    } catch (const EKorvexError& error) {
        prompts_.Information(error.Message());
        return TRunOutcome::NotRun;
    }
    const TRunOutcome outcome = CallEngine();
    if (outcome == TRunOutcome::Refused)
        prompts_.Information(QStringLiteral("Computations can not be performed. Executable files are not consistent.\r"
                                            "You may need to reinstall the program."));
    if (outcome == TRunOutcome::Completed)
        prompts_.Information(QStringLiteral(
            "Computations are completed. Please, check output file for results or error messages."));
    return outcome;
}

TRunOutcome TRunController::CallEngine() {
    TEngineInUse inUse;
    TDynamicLibrary library;
    TEntryPoint entry = nullptr;
    try {
        library.SetFileName(QDir(programFolder_).filePath(QStringLiteral("Korvex2015_DLL")));
        library.Load();
        entry = reinterpret_cast<TEntryPoint>(library.GetEntryPoint("_IKORVEX"));
    } catch (const EDLLError&) {
    }
    // A library that lacks the entry point is treated as one that failed to load.
    if (!entry) {
        prompts_.Information(QStringLiteral("Attempt to initialize DLL failed"));
        return TRunOutcome::NotRun;
    }
    TWaitCursor wait;
    return entry(shared::kInterfaceCode) == 1 ? TRunOutcome::Refused : TRunOutcome::Completed;
}

}  // namespace korvex::app
