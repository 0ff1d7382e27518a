#include "graphics/widgets/export_dialog.h"

#include "graphics/graph_set.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

class ExportDialogTest : public ::testing::Test {
protected:
    ExportDialogTest()
        : dialog_(graphs_, [](int position) { return position != 0; }, nullptr,
                  [this](TGraphSet&, const TExportChoice& chosen) {
                      chosen_ = chosen;
                      return QString();
                  }) {
        dialog_.FormActivate();
        list_ = dialog_.findChild<QListWidget*>(QStringLiteral("CheckListBoxPlots"));
        generate_ = dialog_.findChild<QPushButton*>(QStringLiteral("Button3"));
    }

    TGraphSet graphs_;
    TExportChoice chosen_{};
    TDlgExport dialog_;
    QListWidget* list_ = nullptr;
    QPushButton* generate_ = nullptr;
};

TEST_F(ExportDialogTest, UnavailableGraphIsGreyedAndStaysUnchecked) {
    ASSERT_EQ(list_->count(), 7);
    EXPECT_EQ(list_->item(0)->text(), QStringLiteral("p-y Curves"));
    EXPECT_EQ(list_->item(6)->text(), QStringLiteral("Earth Pressure Combined"));
    EXPECT_FALSE(list_->item(0)->flags().testFlag(Qt::ItemIsEnabled));
    EXPECT_EQ(list_->item(0)->checkState(), Qt::Unchecked);
    dialog_.Button1Click();
    EXPECT_EQ(list_->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(dialog_.GetNPlots(), 6);
}

TEST_F(ExportDialogTest, GenerateIsEnabledOnlyWhileAGraphIsChecked) {
    dialog_.Button2Click();
    EXPECT_FALSE(generate_->isEnabled());
    list_->item(3)->setCheckState(Qt::Checked);
    EXPECT_TRUE(generate_->isEnabled());
}

TEST_F(ExportDialogTest, GenerateExportsTheCheckedGraphsAndSaysSo) {
    dialog_.Button2Click();
    list_->item(2)->setCheckState(Qt::Checked);
    QString message;
    QTimer::singleShot(0, [&message] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        message = box->text();
        box->accept();
    });
    dialog_.Button3Click();
    EXPECT_EQ(chosen_, (TExportChoice{false, false, true, false, false, false, false}));
    EXPECT_TRUE(message.startsWith(QStringLiteral("Export to Excel Completed")));
}

}  // namespace
}  // namespace korvex::app
