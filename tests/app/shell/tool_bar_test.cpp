// The tool bar of the main window: buttons that keep their own enabling.
#include "fake_prompts.h"
#include "project/program_data.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <gtest/gtest.h>

namespace korvex::app::test {
namespace {

TEST(ToolBarTest, WallConfigurationButtonStaysEnabledWhenNothingIsGenerated) {
    TShellFixture shell;
    shell.form.Project().GeneratePY = 0;
    shell.form.Project().GeneratedEarthPressure = 0;
    for (QMenu* menu : shell.form.findChildren<QMenu*>())
        if (menu->title() == QStringLiteral("Da&ta")) emit menu->aboutToShow();

    EXPECT_FALSE(shell.form.findChild<QAction*>(QStringLiteral("DataWallConfiguration"))->isEnabled());
    QAction* button = shell.form.findChild<QAction*>(QStringLiteral("ToolWallConfiguration"));
    ASSERT_TRUE(button->isEnabled());
    button->trigger();
    EXPECT_EQ(shell.form.findChild<QMdiArea*>()->subWindowList().size(), 1);
}

}  // namespace
}  // namespace korvex::app::test
