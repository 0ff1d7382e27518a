#include "graphics/widgets/plot_form.h"

#include "graphics/graph_set.h"
#include "graphics/widgets/plot_canvas.h"

#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

QString Fixture(const char* name) { return QStringLiteral(KORVEX_GRAPH_FIXTURES "/") + QString::fromLatin1(name); }

constexpr int kFixedPlotEntries = 14;

class PlotFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        TPlotProject project;
        project.Units = 2;
        ASSERT_TRUE(graphs_.LoadPlotData(Fixture("two_stages_si.rw5p"), project, false));
    }

    QStringList LegendTexts(const TPlotForm& form) {
        QStringList texts;
        for (int i = 0; i < form.Canvas()->Legend()->count(); ++i) texts << form.Canvas()->Legend()->item(i)->text();
        return texts;
    }

    TGraphSet graphs_;
};

TEST_F(PlotFormTest, DepthGraphShowsOneLegendEntryAndMenuItemPerStage) {
    TPlotForm form(graphs_.pltDef);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Deflection vs Depth"));
    EXPECT_EQ(LegendTexts(form), (QStringList{QStringLiteral("Stage: 1 *"), QStringLiteral("Stage: 2 *")}));
    const QList<QAction*> items = form.PlotMenu()->actions();
    ASSERT_EQ(items.size(), kFixedPlotEntries + 2);
    EXPECT_EQ(items[kFixedPlotEntries]->text(), QStringLiteral("Stage: 1"));
    EXPECT_TRUE(items[kFixedPlotEntries + 1]->isChecked());
}

TEST_F(PlotFormTest, FixedPlotEntriesKeepTheirCaptionsAndOrder) {
    TPlotForm form(graphs_.pltDef);
    QStringList captions;
    for (QAction* item : form.PlotMenu()->actions().mid(0, kFixedPlotEntries)) captions << item->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Show &Legend"), QStringLiteral("Show &Soil Layer"),
                                     QStringLiteral("Show &Wall Geometry"), QStringLiteral("Show &Markers"),
                                     QStringLiteral("&Font Size"), QStringLiteral("&Line Width"), QStringLiteral("&Graph Title"),
                                     QStringLiteral("&Edit Legend"), QStringLiteral("&Active Curves"), QString(),
                                     QStringLiteral("&Print..."), QStringLiteral("P&age Setup"), QStringLiteral("&Save To Disk..."),
                                     QString()}));
    QStringList markers;
    for (QAction* item : form.PlotMenu()->actions()[3]->menu()->actions()) markers << item->text();
    EXPECT_EQ(markers, (QStringList{QStringLiteral("&Never"), QStringLiteral("Every &Increment"), QStringLiteral("Every &2 Increments"),
                                    QStringLiteral("Every &3 Incrments"), QStringLiteral("Every &5 Increments"),
                                    QStringLiteral("Every &10 Incements")}));
    const bool printer = !QPrinterInfo::availablePrinterNames().isEmpty();
    EXPECT_EQ(form.PlotMenu()->actions()[10]->isEnabled(), printer);
    EXPECT_EQ(form.PlotMenu()->actions()[11]->isEnabled(), printer);
}

TEST_F(PlotFormTest, AxisTitlesCarryTheUnitsOfTheRun) {
    TPlotForm form(graphs_.pltMom);
    EXPECT_EQ(PanelXTitle(graphs_.pltMom, 0), QStringLiteral("Bending Moment (m-kN)"));
    EXPECT_EQ(PanelYTitle(graphs_.pltMom, 0), QStringLiteral("Depth (m)"));
    EXPECT_EQ(PanelYTitle(graphs_.pltDMS, 2), QStringLiteral("Depth (m)"));
    EXPECT_EQ(PanelXTitle(graphs_.pltDMS, 2), PanelXTitle(graphs_.pltShear, 0));
}

TEST_F(PlotFormTest, DepthGraphStartsAtDepthZeroOnTop) {
    TPlotForm form(graphs_.pltDef);
    EXPECT_EQ(form.Canvas()->YRange(0).Min, 0);
    const TPlotLayout layout = form.Canvas()->CurrentLayout();
    const TPanelMap map{layout.Plot, form.Canvas()->XRange(0), form.Canvas()->YRange(0), true};
    EXPECT_EQ(map.Row(0), layout.Plot.top());
}

TEST_F(PlotFormTest, ToggledCurveLosesItsMarkAndTick) {
    TPlotForm form(graphs_.pltShear);
    form.Canvas()->ToggleCurve(1);
    EXPECT_FALSE(graphs_.pltShear.Curve(kMainCurves, 1).Shown);
    EXPECT_EQ(LegendTexts(form).value(1), QStringLiteral("Stage: 2"));
    EXPECT_FALSE(form.PlotMenu()->actions()[kFixedPlotEntries + 1]->isChecked());
    form.Canvas()->ToggleCurve(1);
    EXPECT_EQ(LegendTexts(form).value(1), QStringLiteral("Stage: 2 *"));
}

TEST_F(PlotFormTest, SavedBitmapHasTheChosenSizeAndShowsTheCurves) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("graph.bmp"));
    TPlotForm form(graphs_.pltDef);
    ASSERT_TRUE(form.SaveBitmap(file, QSize(432, 288)));
    const QImage saved(file, "BMP");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(432, 288));
    int coloured = 0;
    for (int y = 0; y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x)
            if (saved.pixelColor(x, y) == QColor(0, 0, 255)) ++coloured;
    EXPECT_GT(coloured, 20) << "the second curve is drawn in blue";
}

TEST_F(PlotFormTest, LegendStartsAtTheBottomRightCornerOfTheShownPlot) {
    TPlotForm form(graphs_.pltDef);
    form.resize(800, 600);
    form.show();
    const QRect plot = form.Canvas()->CurrentLayout().Plot;
    const QRect legend = form.Canvas()->Legend()->geometry();
    EXPECT_NEAR(legend.right(), plot.right(), 1);
    EXPECT_NEAR(legend.bottom(), plot.bottom(), 1);
}

TEST_F(PlotFormTest, ThreePanelGraphLaysOutThreePanelsWithTheLayerColumn) {
    graphs_.pltDMS.ShowLayers = true;
    TPlotForm form(graphs_.pltDMS);
    form.resize(900, 600);
    const TPlotLayout layout = form.Canvas()->CurrentLayout();
    EXPECT_EQ(layout.PanelCount, 3);
    EXPECT_LT(layout.Panels[0].right(), layout.Panels[1].left());
    EXPECT_LT(layout.Panels[2].right(), layout.LayerColumn.left());
    const int width = (layout.Plot.right() - layout.Plot.left() - 4 * layout.H - layout.Px / 2) / 3;
    EXPECT_EQ(layout.Panels[1].width(), width);
    EXPECT_EQ(layout.Panels[1].left() - layout.Panels[0].left(), width + 2 * layout.H + layout.Px / 4);
}

}  // namespace
}  // namespace korvex::app
