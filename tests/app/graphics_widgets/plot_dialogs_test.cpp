#include "graphics/widgets/active_lines_dialog.h"
#include "graphics/widgets/format_dialog.h"
#include "graphics/widgets/graph_caption_dialog.h"
#include "graphics/widgets/line_names_dialog.h"
#include "graphics/widgets/plot_canvas.h"
#include "graphics/widgets/plot_form.h"

#include "graphics/graph_plot.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

// Runs `act` on the modal dialog of type D as soon as it shows.
template <typename D>
void WhenShown(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

template <typename W>
W* Child(QWidget& parent, const char* name) {
    W* child = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

class PlotDialogsTest : public ::testing::Test {
protected:
    PlotDialogsTest() {
        graph_.Caption = QStringLiteral("Shear vs Depth");
        graph_.CurveName = QStringLiteral("Load #");
        graph_.SetCurveCount(kMainCurves, 3);
        graph_.SetPointCount(kMainCurves, 3);
        for (int c = 0; c < 3; ++c)
            for (int j = 0; j < 3; ++j) graph_.Point(kMainCurves, c, j) = {static_cast<long double>(c + j), static_cast<long double>(j)};
    }

    QStringList LegendTexts(const TPlotForm& form) {
        QStringList texts;
        for (int i = 0; i < form.Canvas()->Legend()->count(); ++i) texts << form.Canvas()->Legend()->item(i)->text();
        return texts;
    }

    TGraphPlot graph_;
};

TEST_F(PlotDialogsTest, TitleDialogTakesItsTextAndPositionHoweverClosed) {
    TPlotForm form(graph_);
    const int plotTop = form.Canvas()->CurrentLayout().Plot.top();
    WhenShown<TfrmGraphCaption>([](TfrmGraphCaption& dialog) {
        EXPECT_TRUE(Child<QRadioButton>(dialog, "rbBottom")->isChecked());
        Child<QLineEdit>(dialog, "edtCaption")->setText(QStringLiteral("Wall A"));
        Child<QRadioButton>(dialog, "rbTop")->setChecked(true);
        dialog.close();
    });
    form.PlotCaptionClick();
    EXPECT_EQ(graph_.Title, QStringLiteral("Wall A"));
    EXPECT_TRUE(graph_.TitleOnTop);
    EXPECT_GT(form.Canvas()->CurrentLayout().Plot.top(), plotTop);
}

TEST_F(PlotDialogsTest, RenamingACurveRenamesItsLegendEntryAndMenuItem) {
    graph_.Curve(kMainCurves, 0).Listed = false;
    TPlotForm form(graph_);
    WhenShown<TfrmLineNames>([](TfrmLineNames& dialog) {
        Child<QListWidget>(dialog, "lbLines")->setCurrentRow(1);
        QLineEdit* edit = Child<QLineEdit>(dialog, "edLine");
        EXPECT_EQ(edit->text(), QStringLiteral("Load #2"));
        edit->setText(QStringLiteral("Excavated"));
        emit edit->editingFinished();
        Child<QPushButton>(dialog, "btnOK")->click();
    });
    form.mLineNameClick();
    EXPECT_EQ(graph_.Curve(kMainCurves, 1).Name, QStringLiteral("Excavated"));
    EXPECT_EQ(graph_.Curve(kMainCurves, 0).Name, QStringLiteral("Load #1")) << "default names become the curves' own";
    EXPECT_EQ(LegendTexts(form).value(0), QStringLiteral("Excavated *"));
    EXPECT_EQ(form.PlotMenu()->actions().value(14)->text(), QStringLiteral("Excavated"));
}

TEST_F(PlotDialogsTest, CancelledRenameChangesNothing) {
    TPlotForm form(graph_);
    WhenShown<TfrmLineNames>([](TfrmLineNames& dialog) {
        Child<QLineEdit>(dialog, "edLine")->setText(QStringLiteral("Other"));
        Child<QPushButton>(dialog, "btnCancel")->click();
    });
    form.mLineNameClick();
    EXPECT_TRUE(graph_.Curve(kMainCurves, 0).Name.isEmpty());
}

TEST_F(PlotDialogsTest, EmptyNameIsRefusedAndTheOldNameComesBack) {
    QStringList names{QStringLiteral("A"), QStringLiteral("B")};
    TfrmLineNames dialog(names);
    QLineEdit* edit = Child<QLineEdit>(dialog, "edLine");
    edit->clear();
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("The line must have a name!"));
        box->accept();
    });
    emit edit->editingFinished();
    EXPECT_EQ(edit->text(), QStringLiteral("A"));
    dialog.reject();
    EXPECT_EQ(names, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

TEST_F(PlotDialogsTest, DeactivatingAllEmptiesLegendAndCurveItemsActivatingBringsThemBack) {
    TPlotForm form(graph_);
    WhenShown<TfrmActiveLines>([](TfrmActiveLines& dialog) {
        dialog.DesactivateButtonClick();
        EXPECT_TRUE(Child<QListWidget>(dialog, "lbLines")->item(2)->text().startsWith(kUnlistedStatus));
        Child<QPushButton>(dialog, "btnOK")->click();
    });
    form.ActiveGraphsClick();
    EXPECT_EQ(form.Canvas()->Legend()->count(), 0);
    EXPECT_EQ(form.Canvas()->Legend()->height(), 3);
    EXPECT_EQ(form.PlotMenu()->actions().size(), 14);

    WhenShown<TfrmActiveLines>([](TfrmActiveLines& dialog) {
        dialog.ActivateButtonClick();
        Child<QPushButton>(dialog, "btnOK")->click();
    });
    form.ActiveGraphsClick();
    EXPECT_EQ(LegendTexts(form), (QStringList{QStringLiteral("Load #1 *"), QStringLiteral("Load #2 *"), QStringLiteral("Load #3 *")}));
}

TEST_F(PlotDialogsTest, ToggledTwiceIsBackAndCancelDiscards) {
    const QStringList names{QStringLiteral("A"), QStringLiteral("B")};
    QStringList status{kListedStatus, kUnlistedStatus};
    TfrmActiveLines dialog(names, status);
    QListWidget* list = Child<QListWidget>(dialog, "lbLines");
    EXPECT_EQ(list->item(1)->text(), QStringLiteral(" no  :    B"));
    list->setCurrentRow(1);
    dialog.ActivateDesactivateButtonClick();
    EXPECT_EQ(status[1], kListedStatus);
    dialog.ActivateDesactivateButtonClick();
    EXPECT_EQ(status[1], kUnlistedStatus);
}

TEST(FormatDialog, DefaultsGiveSixByFourInchesAtSeventyTwoPixels) {
    TdlgFormat dialog;
    EXPECT_EQ(dialog.BitmapSize(), QSize(432, 288));
    Child<QDoubleSpinBox>(dialog, "deWidth")->setValue(2.5);
    Child<QSpinBox>(dialog, "dePPI")->setValue(75);
    EXPECT_EQ(dialog.BitmapSize().width(), 188) << "187.5 rounds to even";
    Child<QDoubleSpinBox>(dialog, "deHeight")->setValue(1);
    EXPECT_EQ(dialog.BitmapSize().height(), 150) << "below 2 in is refused";
}

}  // namespace
}  // namespace korvex::app
