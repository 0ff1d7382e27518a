// Moving between the construction stages of a staged project: the tables
// show one stage, each stage's data lives in its side file.
#include "project/data_file_reader.h"
#include "project/data_file_writer.h"
#include "project/program_data.h"
#include "project/stage_files.h"
#include "framework/decimal_separator.h"
#include "framework/errors.h"
#include "shell/main_form.h"

#include <QFileInfo>

namespace korvex::app {
namespace {

void WriteStage(TProgramData& project) {
    TPointSeparator point;
    project.StageFileName = StageFileName(project.FileName, project.CurrentStage);
    WriteStageBlock(project);
}

// A missing side file leaves the tables as they are.
QString LoadStage(TProgramData& project) {
    project.StageFileName = StageFileName(project.FileName, project.CurrentStage);
    if (!QFileInfo::exists(project.StageFileName)) return {};
    return ReadStageBlock(project.StageFileName, project);
}

}  // namespace

void TMainForm::SelectStage(int stage) {
    TProgramData& p = *project_;
    if (stage == p.CurrentStage || !CommitActiveDataForm()) return;
    const bool modified = p.IsModified();
    try {
        WriteStage(p);
    } catch (const EKorvexError& error) {
        prompts_->Information(error.Message());
        return;
    }
    p.CurrentStage = stage;
    const QString error = LoadStage(p);
    if (!error.isEmpty()) prompts_->Information(error);
    if (modified) p.MarkModified();
    CloseChildWindows();
    UpdateStageDisplay();
}

void TMainForm::UpdateCurrentStage() {
    if (!CommitActiveDataForm()) return;
    try {
        WriteStage(*project_);
    } catch (const EKorvexError& error) {
        prompts_->Information(error.Message());
    }
}

void TMainForm::CopyPreviousStage() {
    TProgramData& p = *project_;
    const int stage = p.CurrentStage;
    if (stage < 2) return;
    const QString question = QStringLiteral("Do you want to copy all information from Stage %1 to Stage %2")
                                 .arg(stage - 1)
                                 .arg(stage);
    if (prompts_->Confirm(question, false) != TAnswer::Yes) return;
    CloseChildWindows();
    p.CurrentStage = stage - 1;
    const QString error = LoadStage(p);
    if (!error.isEmpty()) prompts_->Information(error);
    p.CurrentStage = stage;
    UpdateCurrentStage();
}

void TMainForm::StagedDialog(bool modal) {
    if (factories_.stagedDialog) factories_.stagedDialog(*project_, this, modal);
}

}  // namespace korvex::app
