// The "Show 3DView" menu and the 3-D tool buttons of the main window.
#include "fake_prompts.h"
#include "views/view3d_form.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <gtest/gtest.h>

namespace korvex::app::test {
namespace {

QAction* Action(TMainForm& form, const QString& name) { return form.findChild<QAction*>(name); }

TEST(View3DCommandsTest, MenuAndButtonsShowWhileTheViewIsOpenAndActOnIt) {
    TShellFixture shell(AvailableWindowFactories());
    shell.form.OpenNamedFile(shell.CopyExample(QStringLiteral("cantilever_sheet_pile_english.rw5d")));
    auto* menu = shell.form.findChild<QMenu*>(QStringLiteral("View3DMenu"));
    EXPECT_FALSE(menu->menuAction()->isVisible());
    EXPECT_FALSE(Action(shell.form, QStringLiteral("Tool3DPanning"))->isVisible());

    Action(shell.form, QStringLiteral("Comp3DView"))->trigger();

    auto* view = shell.form.findChild<T3DForm*>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(menu->menuAction()->isVisible());
    EXPECT_TRUE(Action(shell.form, QStringLiteral("Tool3DRestart"))->isVisible());
    EXPECT_FALSE(Action(shell.form, QStringLiteral("Tool3DDeformed"))->isEnabled());

    QAction* springs = menu->actions().at(8);
    EXPECT_EQ(springs->text(), QStringLiteral("Lateral Springs"));
    emit menu->aboutToShow();
    EXPECT_TRUE(springs->isChecked());
    springs->trigger();
    EXPECT_FALSE(view->Shows(TSceneGroup::LateralSprings));

    Action(shell.form, QStringLiteral("Tool3DZoomWindow"))->trigger();
    EXPECT_EQ(view->MouseMode(), TMouseMode::ZoomWindow);
    Action(shell.form, QStringLiteral("Tool3DRotating"))->trigger();
    EXPECT_EQ(view->MouseMode(), TMouseMode::Rotating);
    Action(shell.form, QStringLiteral("Tool3DZoomIn"))->trigger();
    EXPECT_NEAR(view->Camera().zoom, 1.4142, 1e-6);
    Action(shell.form, QStringLiteral("Tool3DRestart"))->trigger();
    EXPECT_DOUBLE_EQ(view->Camera().zoom, 1.0);

    shell.form.FileNewClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(menu->menuAction()->isVisible());
    EXPECT_FALSE(Action(shell.form, QStringLiteral("Tool3DZoomIn"))->isVisible());
}

}  // namespace
}  // namespace korvex::app::test
