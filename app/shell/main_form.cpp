#include "shell/main_form.h"

#include "project/program_data.h"
#include "shell/dialog_prompts.h"
#include "shell/display_name.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>

namespace korvex::app {

TMainForm::TMainForm(std::unique_ptr<TUserPrompts> prompts, TWindowFactories factories, QWidget* parent)
    : QMainWindow(parent),
      project_(std::make_unique<TProgramData>(tables_)),
      prompts_(prompts ? std::move(prompts) : std::make_unique<TDialogPrompts>(this)),
      factories_(std::move(factories)),
      programFolder_(QCoreApplication::applicationDirPath()),
      mdi_(new QMdiArea(this)) {
    setCentralWidget(mdi_);
    setAcceptDrops(true);
    statusBar();
    connect(&graphs_, &TGraphSet::information, this, [this](const QString& text) { prompts_->Information(text); });
    connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::ActiveChildChanged);
    CreateMenus();
    CreateToolBar();
}

TMainForm::~TMainForm() {
    // The child windows refer to the project; they go first.
    for (QMdiSubWindow* child : mdi_->subWindowList()) delete child;
}

void TMainForm::StartUp(const QString& commandLineFile) {
    ReadSettings();
    QString name = commandLineFile;
    if (!name.isEmpty() && !name.contains(QLatin1Char('.'))) name += QLatin1String(".rw4d");
    if (!name.isEmpty() && QFileInfo::exists(name))
        OpenNamedFile(QFileInfo(name).absoluteFilePath());
    else
        NewProject();
}

void TMainForm::UpdateCaption() {
    setWindowTitle(QStringLiteral("KORVEX 2015.5.21 - ") + DisplayName(project_->FileName));
}

void TMainForm::UpdateStageDisplay() {
    const bool staged = project_->StageCount > 1;
    statusBar()->showMessage(
        staged ? QStringLiteral("Construction Stage Number: ") + QString::number(project_->CurrentStage) : QString());
    stageMenu_->menuAction()->setVisible(staged);
    UpdateStageButtons();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!CommitActiveDataForm() || !AskToSaveChanges()) {
        event->ignore();
        return;
    }
    WriteSettings();
    CloseChildWindows();
    event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

// Of several files dropped at once only the first is opened.
void TMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    if (AskToSaveChanges()) OpenNamedFile(urls.first().toLocalFile());
}

}  // namespace korvex::app
