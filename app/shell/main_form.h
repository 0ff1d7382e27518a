// TMainForm: the application's main window. A multiple-document frame that
// owns the project tables, the current project and the result graphs, and
// runs every command: files, option switches, data entry, the analysis run,
// graphs and help.
#pragma once

#include "graphics/graph_set.h"
#include "project/data_file_format.h"
#include "project/project_tables.h"
#include "shell/data_form.h"
#include "shell/recent_files.h"
#include "framework/widgets/word_processor.h"
#include "shell/user_prompts.h"
#include "shell/window_factories.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace korvex::app {

class T3DForm;
class TProgramData;

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // Messages and file dialogs go through the prompts; the default shows
    // message boxes and dialogs. The engine library and the run file list
    // live in the program folder, by default the executable's.
    explicit TMainForm(std::unique_ptr<TUserPrompts> prompts = {}, TWindowFactories factories = AvailableWindowFactories(),
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // Reads the settings, then opens the project named on the command line
    // (".rw4d" added when the name has no '.') or starts a new one.
    void StartUp(const QString& commandLineFile);
    void SetProgramFolder(const QString& folder) { programFolder_ = folder; }

    TProgramData& Project() { return *project_; }
    TGraphSet& Graphs() { return graphs_; }
    bool ResultsAvailable() const { return resultsAvailable_; }
    const TRecentFiles& RecentFiles() const { return recent_; }
    QString EditorPath = QString::fromLatin1(kDefaultTextEditor);

    // File commands; the save commands return whether the project was written.
    void FileNewClick();
    void FileOpenClick();
    bool FileSaveClick();
    bool FileSaveAsClick();
    void OpenNamedFile(const QString& fileName, std::optional<TDataFileFormat> format = std::nullopt);
    void CompRunClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // main_form_menus.cpp
    QAction* Act(const char* name, const QString& text, void (TMainForm::*slot)(), const QKeySequence& key = {});
    QAction* Toggle(const char* name, const QString& text, bool TProgramData::*option, TGridTable* table);
    void CreateMenus();
    void CreateFileMenu();
    void CreateDataMenu();
    void CreateOptionsMenu();
    void CreateStageMenu();
    void CreateStageButtons(QToolBar* bar);
    void CreateComputationMenu();
    void CreateGraphicsMenu();
    void CreateWindowMenu();
    void CreateHelpMenu();
    void CreateToolBar();
    void UpdateFileMenu();
    void UpdateDataMenu();
    void UpdateOptionsMenu();
    void UpdateEarthPressureMenu();
    void UpdateWindowMenu();
    void UpdateStageMenu();
    void OpenHelpFile(const char* name);
    void ShowAbout();
    // main_form_stages.cpp
    void SelectStage(int stage);
    void UpdateCurrentStage();
    void CopyPreviousStage();
    void StagedDialog(bool modal);
    bool WriteCurrentStage();
    void LoadCurrentStage();
    void ApplyStageCount(int count);
    void WriteEveryStage(int oldCount);
    void UpdateStageButtons();
    // main_form_view3d.cpp
    T3DForm* View3D() const;
    void Show3DView();
    void Create3DMenu();
    void Create3DButtons(QToolBar* bar);
    void Update3DCommands(const T3DForm* view);
    // main_form_file.cpp
    bool AskToSaveChanges();
    void NewProject();
    void ReplaceProject(std::unique_ptr<TProgramData> project);
    void AfterProjectChange();
    void AddRecentFile(const QString& fileName);
    bool WriteProjectFile();
    void ReadSettings();
    void WriteSettings();
    void UpdateCaption();
    void UpdateStageDisplay();
    // main_form_options.cpp
    void SwitchOption(bool TProgramData::*option, TGridTable* table);
    void GeneratePYClick();
    void SetEarthShape(int shape);
    void SetUnits(int system);
    void LongTermClick();
    // main_form_data.cpp
    // Shows a child window, created on first use and restored if minimised.
    void ShowChild(const QString& key, const std::function<QWidget*()>& create, bool maximised = false);
    QSize InitialSize(const QWidget& widget) const;
    void ShowDataForm(const QString& key, const std::function<TDataForm*()>& create);
    void ShowTable(TGridTable& table);
    void CloseTableWindow(TGridTable& table);
    bool CommitActiveDataForm();
    void ActiveChildChanged(QMdiSubWindow* now);
    void CloseChildWindows();
    void CloseDataWindows();
    TDataForm::TOpenTable TableOpener();
    void TitleClick();
    void WallPropertiesClick();
    void WallConfigurationClick();
    void LoadsClick();
    void SpringsClick();
    void TiebackClick();
    void SurchargeClick();
    void OptionsClick();
    // main_form_run.cpp
    void UpdateResultCommands();
    bool GraphHasCurve(const TGraphPlot& graph) const;
    void LoadResults(bool afterRun);
    void OpenInEditor(const QString& fileName);
    void EditInputClick();
    void EditNotesClick();
    void EditOutputClick();
    void ShowGraph(TGraphPlot& graph);
    void ShowProfile();
    void ExportGraphs();

    TProjectTables tables_;
    std::unique_ptr<TProgramData> project_;
    TGraphSet graphs_;
    std::unique_ptr<TUserPrompts> prompts_;
    TWindowFactories factories_;
    TRecentFiles recent_;
    bool resultsAvailable_ = false;
    QString programFolder_;
    QMdiArea* mdi_;
    QHash<QString, QPointer<QMdiSubWindow>> children_;
    QHash<QString, QAction*> actions_;
    QPointer<QMdiSubWindow> lastActive_;
    bool restoringActive_ = false;
    QMenu *fileMenu_ = nullptr, *stageMenu_ = nullptr, *windowMenu_ = nullptr;
    QMenu *soilMenu_ = nullptr, *distMenu_ = nullptr, *earthMenu_ = nullptr, *view3dMenu_ = nullptr;
    QList<QAction*> recentActions_;
    QAction* recentSeparator_ = nullptr;
};

}  // namespace korvex::app
