// The file commands of the main window: New, Open, Save, Save As, the
// recent files, and the question before unsaved changes are dropped.
#include "framework/decimal_separator.h"
#include "framework/errors.h"
#include "project/data_file_reader.h"
#include "project/data_file_writer.h"
#include "project/program_data.h"
#include "project/stage_files.h"
#include "shell/display_name.h"
#include "shell/main_form.h"
#include "shell/run_file_list.h"
#include "shell/shell_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>

namespace korvex::app {
namespace {

const QString kNewFileName = QStringLiteral("NewWall.rw5d");
const QString kOpenFilter = QStringLiteral(
    "Korvex 2015 (*.rw5d)|*.rw5d|Korvex 2013 (*.rw4d)|*.rw4d|Korvex 3.0 (*.rwd)|*.rwd|Korvex 2.0 (*.rwd)|*.rwd|"
    "All Files (*.*)|*.*");
const QString kSaveFilter = QStringLiteral("Korvex 2015 (*.rw5d)|*.rw5d|All Files (*.*)|*.*");

// The format of the open dialog's filter; "All Files" goes by the extension.
TDataFileFormat FormatOfFilter(int filterIndex, const QString& fileName) {
    switch (filterIndex) {
    case 0: return TDataFileFormat::Format5;
    case 1: return TDataFileFormat::Format4;
    case 2: return TDataFileFormat::Format3;
    case 3: return TDataFileFormat::Format2;
    default: return FormatFromFileName(fileName);
    }
}

bool IsCurrentFormatName(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".rw5d"), Qt::CaseInsensitive);
}

// Brings the side files of a staged project up to date: split from the
// project file, converted to the current format when the file is older,
// and stage 1 loaded.
void PrepareStageFiles(TProgramData& project, QStatusBar* status) {
    SplitStagedFile(project.FileName, project.StageCount);
    const bool convert = !(project.HasMEICount && project.HasTiebackCount);
    for (int stage = 1; convert && stage <= project.StageCount; ++stage) {
        project.CurrentStage = stage;
        project.StageFileName = StageFileName(project.FileName, stage);
        ReadStageBlock(project.StageFileName, project);
        status->showMessage(QStringLiteral("Construction Stage Number: ") + QString::number(stage));
        WriteStageBlock(project);
    }
    project.HasMEICount = project.HasTiebackCount = true;
    project.CurrentStage = 1;
    project.StageFileName = StageFileName(project.FileName, 1);
    ReadStageBlock(project.StageFileName, project);
}

}  // namespace

bool TMainForm::AskToSaveChanges() {
    if (!project_->IsModified()) return true;
    switch (prompts_->Confirm(QStringLiteral("Do you want to save any changes?"), true)) {
    case TAnswer::Cancel: return false;
    case TAnswer::No: return true;
    // Going on only after a successful save keeps unsaved data from being lost.
    case TAnswer::Yes: return FileSaveClick() && project_->FileName != kNewFileName;
    }
    return false;
}

void TMainForm::FileNewClick() {
    if (CommitActiveDataForm() && AskToSaveChanges()) NewProject();
}

void TMainForm::NewProject() {
    CloseChildWindows();
    ReplaceProject(std::make_unique<TProgramData>(tables_));
    UpdateCaption();
    AfterProjectChange();
}

void TMainForm::ReplaceProject(std::unique_ptr<TProgramData> project) {
    project_ = std::move(project);
    resultsAvailable_ = false;
}

void TMainForm::AfterProjectChange() {
    UpdateStageDisplay();
    UpdateDataMenu();
    UpdateResultCommands();
}

void TMainForm::FileOpenClick() {
    if (!CommitActiveDataForm() || !AskToSaveChanges()) return;
    const std::optional<TOpenChoice> choice = prompts_->OpenFileName(kOpenFilter);
    if (choice) OpenNamedFile(choice->fileName, FormatOfFilter(choice->filterIndex, choice->fileName));
}

void TMainForm::OpenNamedFile(const QString& fileName, std::optional<TDataFileFormat> format) {
    const QString name = QFileInfo(fileName).absoluteFilePath();
    QDir::setCurrent(QFileInfo(name).absolutePath());
    CloseChildWindows();
    TReadResult read = ReadProject(name, format.value_or(FormatFromFileName(name)), tables_);
    ReplaceProject(std::move(read.project));
    UpdateCaption();
    if (!read.error.isEmpty()) {
        prompts_->Information(read.error);
    } else {
        if (QFileInfo::exists(ResultFileName(name, ".rw5p"))) LoadResults(false);
        AddRecentFile(name);
        prompts_->Information(QStringLiteral("Data file: ") + DisplayName(name) +
                              QStringLiteral(", has been read by KORVEX 2015"));
    }
    try {
        if (project_->StageCount > 1) PrepareStageFiles(*project_, statusBar());
    } catch (const EKorvexError& error) {
        prompts_->Information(error.Message());
    }
    AfterProjectChange();
}

bool TMainForm::FileSaveClick() {
    if (!CommitActiveDataForm()) return false;
    project_->SaveTarget = project_->FileName;
    if (project_->FileName == kNewFileName || !IsCurrentFormatName(project_->FileName)) return FileSaveAsClick();
    return WriteProjectFile();
}

bool TMainForm::FileSaveAsClick() {
    if (!CommitActiveDataForm()) return false;
    const QString oldName = project_->FileName;
    const QFileInfo old(oldName);
    const QString proposal = old.dir().filePath(old.completeBaseName() + QLatin1String(".rw5d"));
    const std::optional<QString> chosen = prompts_->SaveFileName(
        QStringLiteral("Save ") + DisplayName(oldName) + QStringLiteral(" As"), proposal, kSaveFilter);
    if (!chosen) return false;
    project_->SaveAsSource = oldName;
    project_->FileName = QFileInfo(*chosen).absoluteFilePath();
    UpdateCaption();
    const bool written = WriteProjectFile();
    if (written) AddRecentFile(project_->FileName);
    CloseChildWindows();
    UpdateResultCommands();
    return written;
}

// Writes the project to FileName; a staged project is joined from its side
// files, which follow the project to a new name. Tells the user on failure.
bool TMainForm::WriteProjectFile() {
    TPointSeparator point;
    TProgramData& p = *project_;
    try {
        if (p.StageCount <= 1) {
            WriteProject(p);
            return true;
        }
        const QString source = p.SaveAsSource.isEmpty() ? p.FileName : p.SaveAsSource;
        p.StageFileName = StageFileName(source, p.CurrentStage);
        WriteStageBlock(p);
        for (int stage = 1; source != p.FileName && stage <= p.StageCount; ++stage) {
            QFile::remove(StageFileName(p.FileName, stage));
            QFile::rename(StageFileName(source, stage), StageFileName(p.FileName, stage));
        }
        p.SaveAsSource.clear();
        JoinStageFiles(p.FileName, p.StageCount);
        p.ClearModified();
        return true;
    } catch (const EKorvexError& error) {
        prompts_->Information(error.Message());
        return false;
    }
}

void TMainForm::AddRecentFile(const QString& fileName) {
    if (recent_.Add(fileName)) WriteSettings();
}

void TMainForm::ReadSettings() {
    const TShellSettings settings = ReadShellSettings();
    if (!settings.WordProcessor.isEmpty()) EditorPath = settings.WordProcessor;
    recent_.SetNames(settings.RecentFiles);
}

void TMainForm::WriteSettings() { WriteShellSettings({EditorPath, recent_.Names()}); }

}  // namespace korvex::app
