// Moving between the construction stages of a staged project, copying a
// stage and changing the number of stages: the tables show one stage, each
// stage's data lives in its side file.
#include "project/data_file_reader.h"
#include "project/data_file_writer.h"
#include "project/program_data.h"
#include "project/stage_files.h"
#include "framework/decimal_separator.h"
#include "framework/errors.h"
#include "shell/main_form.h"

#include <QAction>
#include <QFile>
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

void RemoveStageFiles(const QString& projectFileName, int fromStage) {
    for (int stage = fromStage; stage <= kMostStages; ++stage) QFile::remove(StageFileName(projectFileName, stage));
}

// The project title: the first line of stage 1's side file (later stages
// carry the stage marker there).
QString ProjectTitle(const QString& projectFileName, const QString& fallback) {
    QFile file(StageFileName(projectFileName, 1));
    if (!file.open(QIODevice::ReadOnly)) return fallback;
    QString line = QString::fromLatin1(file.readLine());
    while (line.endsWith(u'\n') || line.endsWith(u'\r')) line.chop(1);
    return line;
}

}  // namespace

// Writing a side file does not save the project file, so the project stays
// as modified as it was: closing still asks to save the stage's edits.
bool TMainForm::WriteCurrentStage() {
    const bool modified = project_->IsModified();
    try {
        WriteStage(*project_);
    } catch (const EKorvexError& error) {
        prompts_->Information(error.Message());
        return false;
    }
    if (modified) project_->MarkModified();
    return true;
}

void TMainForm::LoadCurrentStage() {
    const QString error = LoadStage(*project_);
    if (!error.isEmpty()) prompts_->Information(error);
}

// Data windows and table editors show the stage on display; they close,
// writing their values into it, before another stage takes the tables.
void TMainForm::SelectStage(int stage) {
    TProgramData& p = *project_;
    if (stage != p.CurrentStage && CommitActiveDataForm()) {
        CloseDataWindows();
        const bool modified = p.IsModified();
        if (WriteCurrentStage()) {
            p.CurrentStage = stage;
            LoadCurrentStage();
            if (modified) p.MarkModified();
        }
    }
    UpdateStageDisplay();
}

void TMainForm::UpdateCurrentStage() {
    if (CommitActiveDataForm()) WriteCurrentStage();
}

void TMainForm::CopyPreviousStage() {
    TProgramData& p = *project_;
    const int stage = p.CurrentStage;
    if (p.StageCount < 2 || stage < 2 || !CommitActiveDataForm()) return;
    const QString question = QStringLiteral("Do you want to copy all information from Stage %1 to Stage %2")
                                 .arg(stage - 1)
                                 .arg(stage);
    if (prompts_->Confirm(question, false) != TAnswer::Yes) return;
    CloseDataWindows();
    p.CurrentStage = stage - 1;
    LoadCurrentStage();
    p.CurrentStage = stage;
    if (WriteCurrentStage()) p.MarkModified();
}

void TMainForm::StagedDialog(bool modal) {
    if (!factories_.stagedDialog || !CommitActiveDataForm()) return;
    factories_.stagedDialog(*project_, this, modal, [this](int count) { ApplyStageCount(count); });
}

// The stage on display is written first so that its edits survive the
// change; a project that turns single-stage keeps the data on display
// under the project's own title.
void TMainForm::ApplyStageCount(int count) {
    TProgramData& p = *project_;
    // A dialog left open may answer after the long-term option was set; a
    // long-term project cannot be staged.
    if (p.LongTerm && count > 1) return;
    const int old = p.StageCount;
    CloseDataWindows();
    if (old > 1 && !WriteCurrentStage()) return;
    if (count == 1 && old > 1) p.Title = ProjectTitle(p.FileName, p.Title);
    p.StageCount = count;
    if (count == 1 || old == 1 || count < old) p.CurrentStage = 1;
    if (count > 1 && count != old) WriteEveryStage(old);
    RemoveStageFiles(p.FileName, count == 1 ? 1 : count + 1);
    if (count != old) p.MarkModified();
    UpdateStageDisplay();
    UpdateDataMenu();
}

// Every stage up to the new count gets its side file: a stage the project
// had keeps its own data, a new stage starts as a copy of the one before
// (of the single-stage project, when the project has just become staged).
void TMainForm::WriteEveryStage(int oldCount) {
    TProgramData& p = *project_;
    const int remembered = p.CurrentStage;
    const int count = p.StageCount;
    for (int stage = 1; stage <= count; ++stage) {
        p.CurrentStage = stage;
        if (stage <= oldCount && oldCount > 1) LoadCurrentStage();
        p.StageCount = count;
        if (!WriteCurrentStage()) break;
    }
    p.StageCount = count;
    p.CurrentStage = remembered;
    LoadCurrentStage();
}

// The stage buttons: visible for a staged project, one enabled per stage,
// the current stage's pressed.
void TMainForm::UpdateStageButtons() {
    const TProgramData& p = *project_;
    const bool staged = p.StageCount > 1;
    for (int stage = 1; stage <= kMostStages; ++stage) {
        QAction* button = actions_.value(QStringLiteral("ToolStage%1").arg(stage));
        button->setVisible(staged);
        button->setEnabled(staged && stage <= p.StageCount);
        button->setChecked(stage == p.CurrentStage);
    }
}

}  // namespace korvex::app
