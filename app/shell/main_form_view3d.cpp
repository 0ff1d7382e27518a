// The commands of the 3-D view in the main window: the "Show 3DView" menu
// of object switches and the 3-D tool buttons, shown while the view is open.
#include "shell/main_form.h"
#include "views/view3d_form.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QToolBar>

namespace korvex::app {
namespace {

struct TSwitchItem {
    const char* caption;
    TSceneGroup group;
};

constexpr TSwitchItem kSwitchItems[] = {
    {"Wall", TSceneGroup::Wall},
    {"Soil Layers", TSceneGroup::SoilLayers},
    {"Water Level", TSceneGroup::WaterLevel},
    {"Uniform Load at Backfill", TSceneGroup::UniformLoad},
    {"Additional Surcharge", TSceneGroup::Surcharge},
    {"Concentrated Loads", TSceneGroup::ConcentratedLoads},
    {"Tie Backs", TSceneGroup::TieBacks},
    {"Boundary Conditions", TSceneGroup::BoundaryConditions},
    {"Lateral Springs", TSceneGroup::LateralSprings},
};

struct TModeButton {
    const char* name;
    const char* hint;
    TMouseMode mode;
};

constexpr TModeButton kModeButtons[] = {
    {"Tool3DPanning", "Panning", TMouseMode::Panning},
    {"Tool3DZoomWindow", "Zoom Window", TMouseMode::ZoomWindow},
    {"Tool3DZooming", "Zooming", TMouseMode::Zooming},
    {"Tool3DRotating", "Rotating", TMouseMode::Rotating},
};

const QString kView3DKey = QStringLiteral("View3D");

QString SwitchName(TSceneGroup group) { return QStringLiteral("Show3D%1").arg(static_cast<int>(group)); }

}  // namespace

T3DForm* TMainForm::View3D() const {
    QMdiSubWindow* window = children_.value(kView3DKey);
    return window ? qobject_cast<T3DForm*>(window->widget()) : nullptr;
}

// The view tells when it goes, so that its commands hide again.
void TMainForm::Show3DView() {
    if (!factories_.view3d) return;
    ShowChild(kView3DKey, [this]() -> QWidget* {
        QWidget* view = factories_.view3d(*project_, graphs_, nullptr);
        connect(view, &QObject::destroyed, this, [this] { Update3DCommands(nullptr); });
        return view;
    });
    Update3DCommands(View3D());
}

void TMainForm::Create3DMenu() {
    view3dMenu_ = menuBar()->addMenu(QStringLiteral("Show 3DView"));
    view3dMenu_->setObjectName(QStringLiteral("View3DMenu"));
    for (const TSwitchItem& item : kSwitchItems) {
        QAction* action = view3dMenu_->addAction(QLatin1String(item.caption));
        action->setObjectName(SwitchName(item.group));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, group = item.group](bool on) {
            if (T3DForm* view = View3D()) view->SetShown(group, on);
        });
    }
    QAction* deformed = Act("Show3DDeformed", QStringLiteral("Deformed Shape"), nullptr);
    connect(deformed, &QAction::triggered, this, [this] {
        if (T3DForm* view = View3D()) view->DeformedShapeClick();
    });
    view3dMenu_->addAction(deformed);
    connect(view3dMenu_, &QMenu::aboutToShow, this, [this] { Update3DCommands(View3D()); });
    view3dMenu_->menuAction()->setVisible(false);
}

// The mouse-mode buttons act as one group; the zoom-window flag follows the
// "Zoom Window" button.
void TMainForm::Create3DButtons(QToolBar* bar) {
    bar->addSeparator();
    auto* modes = new QActionGroup(this);
    for (const TModeButton& item : kModeButtons) {
        QAction* button = Act(item.name, QLatin1String(item.hint), nullptr);
        button->setCheckable(true);
        modes->addAction(button);
        connect(button, &QAction::triggered, this, [this, mode = item.mode] {
            if (T3DForm* view = View3D()) {
                view->SetMouseMode(mode);
                view->SetZoomWindow(mode == TMouseMode::ZoomWindow);
            }
        });
        bar->addAction(button);
    }
    const auto command = [&](const char* name, const QString& hint, void (T3DForm::*act)()) {
        QAction* button = Act(name, hint, nullptr);
        connect(button, &QAction::triggered, this, [this, act] {
            if (T3DForm* view = View3D()) (view->*act)();
        });
        bar->addAction(button);
    };
    command("Tool3DZoomIn", QStringLiteral("Zoom In"), &T3DForm::ZoomIn);
    command("Tool3DZoomOut", QStringLiteral("Zoom Out"), &T3DForm::ZoomOut);
    command("Tool3DRestart", QStringLiteral("Restart View"), &T3DForm::RestartView);
    command("Tool3DDeformed", QStringLiteral("Deformed Shape"), &T3DForm::DeformedShapeClick);
    Update3DCommands(nullptr);
}

// Shown while the view exists; "Deformed Shape" only once deflections are loaded.
void TMainForm::Update3DCommands(const T3DForm* view) {
    view3dMenu_->menuAction()->setVisible(view);
    for (const TSwitchItem& item : kSwitchItems)
        if (view) view3dMenu_->findChild<QAction*>(SwitchName(item.group))->setChecked(view->Shows(item.group));
    for (const char* name : {"Tool3DPanning", "Tool3DZoomWindow", "Tool3DZooming", "Tool3DRotating", "Tool3DZoomIn",
                             "Tool3DZoomOut", "Tool3DRestart", "Tool3DDeformed"})
        actions_.value(QLatin1String(name))->setVisible(view);
    const bool deflections = view && view->HasDeflections();
    actions_.value(QStringLiteral("Tool3DDeformed"))->setEnabled(deflections);
    actions_.value(QStringLiteral("Show3DDeformed"))->setEnabled(deflections);
}

}  // namespace korvex::app
