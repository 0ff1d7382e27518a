#include "views/camera_drag.h"
#include "views/deformed_shape_form.h"
#include "views/factor_step.h"
#include "views/view3d_form.h"
#include "graphics/graph_set.h"
#include "view_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

namespace korvex::app {
namespace {

TEST(FactorStep, StepsToTheNextRoundValue) {
    EXPECT_DOUBLE_EQ(static_cast<double>(NextRoundFactor(1, false)), 0.9);
    EXPECT_NEAR(static_cast<double>(NextRoundFactor(0.9L, false)), 0.8, 1e-15);
    EXPECT_DOUBLE_EQ(static_cast<double>(NextRoundFactor(9, true)), 10);
    EXPECT_DOUBLE_EQ(static_cast<double>(NextRoundFactor(10, true)), 20);
    EXPECT_NEAR(static_cast<double>(NextRoundFactor(0.5L, true)), 0.6, 1e-15);
    EXPECT_NEAR(static_cast<double>(NextRoundFactor(0.1L, true)), 0.2, 1e-15);
    EXPECT_NEAR(static_cast<double>(NextRoundFactor(0.1L, false)), 0.09, 1e-15);
    EXPECT_DOUBLE_EQ(static_cast<double>(NextRoundFactor(0, true)), 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(NextRoundFactor(-3, false)), 1);
}

TEST(CameraDrag, ZoomingDownTheFullHeightGivesZero) {
    TCamera camera;
    camera.zoom = 2;
    const TCameraDrag drag(TMouseMode::Zooming, {10, 0}, camera);
    EXPECT_DOUBLE_EQ(drag.Moved({10, 300}, false, {400, 300}).zoom, 0);
}

TEST(CameraDrag, RotatingTurnsAboutXAndTheVertical) {
    const TCameraDrag drag(TMouseMode::Rotating, {0, 0}, TCamera{});
    const TCamera turned = drag.Moved({400, 150}, false, {400, 300});
    EXPECT_DOUBLE_EQ(turned.a1, 45);
    EXPECT_DOUBLE_EQ(turned.a3, 90);
    EXPECT_DOUBLE_EQ(drag.Moved({400, 150}, true, {400, 300}).a1, 0);
}

class View3DTest : public ViewFixture {
protected:
    void SetUp() override {
        project->Units = kSI;
        tables.SetUnits(kSI);
        project->Increments = 10;
        project->IncrementLength = 1;
        project->FreeHeight = 4;
        graphs.pltDef.SetCurveCount(kMainCurves, 1);
        graphs.pltDef.SetPointCount(kMainCurves, 12);
        for (int j = 0; j < 12; ++j) graphs.pltDef.Point(kMainCurves, 0, j) = {0.01L * (10 - j), 1.0L * j};
    }

    TGraphSet graphs;
};

TEST_F(View3DTest, ControlsDriveTheDeformedWall) {
    T3DForm view(*project, graphs);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.Activate();
    ASSERT_TRUE(view.HasDeflections());
    view.DeformedShapeClick();
    TDeformedShapeForm& controls = *view.DeformedShapeForm();
    // The factor cannot be edited while the deformed shape is off.
    EXPECT_FALSE(controls.FactorEdit()->isEnabled());
    controls.ShowDeformed()->click();
    EXPECT_TRUE(view.Deformed().showDeformed);
    EXPECT_TRUE(controls.FactorEdit()->isEnabled());
    auto tipX = [&] {
        const auto wall = view.Scene().SolidsOf(TSceneGroup::Wall);
        float x = 0;
        for (const TFace& face : wall.front()->faces)
            for (const QVector3D& p : face) x = std::max(x, p.x());
        return x;
    };
    const float atOne = tipX();
    controls.UpButton()->click();
    EXPECT_EQ(controls.FactorEdit()->text(), QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(view.Deformed().factor, 2);
    EXPECT_GT(tipX(), atOne);
    controls.FactorEdit()->setText(QString());
    EXPECT_DOUBLE_EQ(view.Deformed().factor, 2);  // clearing the box keeps the factor
    controls.FactorEdit()->setText(QStringLiteral("0"));
    EXPECT_NEAR(tipX(), view.Dimensions().thickness / 2, 1e-5);  // a factor of 0 straightens the wall
}

TEST_F(View3DTest, SwitchingAGroupKeepsTheCamera) {
    T3DForm view(*project, graphs);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.Activate();
    view.ZoomIn();
    view.SetShown(TSceneGroup::LateralSprings, false);
    view.SetShown(TSceneGroup::LateralSprings, true);
    EXPECT_DOUBLE_EQ(view.Camera().zoom, 1.4142);
    view.RestartView();
    EXPECT_DOUBLE_EQ(view.Camera().zoom, 1);
}

}  // namespace
}  // namespace korvex::app
