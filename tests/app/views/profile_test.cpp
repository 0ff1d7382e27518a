#include "views/profile_canvas.h"
#include "views/profile_form.h"
#include "views/profile_painter.h"
#include "view_fixture.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace korvex::app {
namespace {

const QColor kPaper(Qt::white);
const QColor kInk(Qt::black);
constexpr int kWidth = 400, kHeight = 300;

class ProfileTest : public ViewFixture {
protected:
    QImage Paint() {
        geometry = BuildProfileGeometry(*project);
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        PaintProfile(painter, image.size(), *project, geometry, {}, {kPaper, kInk});
        return image;
    }

    // Pixel row of a depth below the wall top in the fitted view.
    int RowOfDepth(long double depth) const {
        return PixelRow(FitToClient(geometry.world, {kWidth, kHeight}), kHeight, depth + geometry.offset);
    }

    static bool IsInk(const QImage& image, int x, int y) { return image.pixelColor(x, y) == kInk; }

    // A wall of 100 increments of 1, free height 40, one section row, with
    // generated p-y curves and one layer ending at the given depth.
    void SimpleWall(long double layerBottom) {
        project->Increments = 100;
        project->IncrementLength = 1;
        project->FreeHeight = 40;
        project->Units = kSI;
        project->KPY = 2;
        tables.SetUnits(kSI);
        SetRow(tables.NewSoil(), 0, {4, layerBottom});
    }

    TProfileGeometry geometry;
};

TEST_F(ProfileTest, ExampleMapsDepthsToRowsThroughTheFittedWindow) {
    OpenExample(QStringLiteral("anchored_stiff_clay_weak_rock_si.rw5d"));
    const QImage image = Paint();
    // Wall length 70 x 0.2 m, drawn from y = 1.4 m; the window reaches 1.05 x 1.1 L.
    EXPECT_DOUBLE_EQ(static_cast<double>(geometry.offset), 1.4);
    EXPECT_NEAR(static_cast<double>(geometry.world.ymax), 1.05 * 15.4, 1e-9);
    EXPECT_EQ(RowOfDepth(0), qRound(kHeight * 1.4 / (1.05 * 15.4)));
    // The wall is filled in the middle column from its top to its tip.
    EXPECT_TRUE(IsInk(image, kWidth / 2, RowOfDepth(7)));
    EXPECT_FALSE(IsInk(image, kWidth / 2, RowOfDepth(14) + 3));
    // The excavation surface at 9 m on the excavation side only.
    EXPECT_TRUE(IsInk(image, 3 * kWidth / 4, RowOfDepth(9)));
    // The first layer ends at 11 m, below the excavation: its boundary spans the width.
    EXPECT_TRUE(IsInk(image, kWidth - 20, RowOfDepth(11)));
    EXPECT_TRUE(IsInk(image, kWidth / 4 + 40, RowOfDepth(11)));
    // The paper shows between the lines.
    EXPECT_EQ(image.pixelColor(3 * kWidth / 4, RowOfDepth(5)), kPaper);
}

TEST_F(ProfileTest, NewProjectPaintsNothing) {
    const QImage image = Paint();
    EXPECT_TRUE(geometry.world.IsDegenerate());
    EXPECT_EQ(image.pixelColor(kWidth / 2, kHeight / 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(ProfileTest, LayerAboveExcavationSpansBackfillHalfOnly) {
    SimpleWall(30);
    const QImage image = Paint();
    EXPECT_TRUE(IsInk(image, kWidth / 4, RowOfDepth(30)));
    EXPECT_FALSE(IsInk(image, 3 * kWidth / 4, RowOfDepth(30)));
}

TEST_F(ProfileTest, NoLayersWithoutGeneratedEarthPressureOrCurves) {
    SimpleWall(30);
    project->KPY = 0;
    project->KEP = 3;
    const QImage image = Paint();
    EXPECT_FALSE(IsInk(image, kWidth / 4, RowOfDepth(30)));
}

TEST_F(ProfileTest, LevelBackfillIsHatchedAndSlopedBackfillIsNot) {
    SimpleWall(60);
    const QImage level = Paint();
    const int yT = RowOfDepth(0);
    EXPECT_TRUE(IsInk(level, 135, yT + 5));  // the first hatch stroke runs from (120, yT) to (135, yT + 5)
    project->BackfillSlope = 30;
    const QImage sloped = Paint();
    EXPECT_FALSE(IsInk(sloped, 135, yT + 5));
    EXPECT_TRUE(IsInk(sloped, kWidth / 2 - 20, yT - qRound(20 * std::tan(30 * 0.0174533))));
}

TEST_F(ProfileTest, SpringBelowExcavationIsNotMarked) {
    SimpleWall(60);
    project->UseSprings = true;
    SetRow(tables.SoilStrength(), 0, {1, 10, 10, 1000, 0});
    SetRow(tables.SoilStrength(), 1, {1, 50, 50, 1000, 0});
    const QImage image = Paint();
    EXPECT_TRUE(IsInk(image, qRound(0.57 * kWidth), RowOfDepth(10)));
    EXPECT_FALSE(IsInk(image, qRound(0.57 * kWidth), RowOfDepth(50)));
}

TEST_F(ProfileTest, PointerOnTopRowShowsMinusOneTenthOfTheWall) {
    SimpleWall(60);
    TProfileForm form(*project);
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.resize(600, 300);
    form.show();
    form.Activate();
    ASSERT_GE(form.Canvas()->width(), form.Canvas()->height());
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 0), form.Canvas()->mapToGlobal(QPointF(10, 0)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.Canvas(), &move);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("  Depth: -10.0"));
}

}  // namespace
}  // namespace korvex::app
