// One call of the analysis engine for a saved, checked data file: the run
// file list in the program folder, which becomes the working directory for
// the call; the engine library loaded from that folder, its entry point
// called with the interface code, the library unloaded and the list deleted.
#pragma once

#include <QString>

namespace korvex::app {

class TUserPrompts;

enum class TRunOutcome {
    NotRun,     // the library could not be used; the user was told
    Refused,    // the engine does not accept this program's interface code
    Completed,  // the engine ran; its findings are in the report
};

class TRunController {
public:
    TRunController(QString programFolder, TUserPrompts& prompts);

    // Runs the engine on the data file and shows the outcome's message.
    TRunOutcome Run(const QString& dataFile);

private:
    TRunOutcome CallEngine();

    QString programFolder_;
    TUserPrompts& prompts_;
};

}  // namespace korvex::app
