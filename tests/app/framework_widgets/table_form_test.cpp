#include "framework/widgets/table_form.h"

#include "framework/enum_column.h"
#include "framework/float_column.h"
#include "framework/grid_table.h"
#include "framework/int_column.h"
#include "framework/table_column.h"
#include "message_catcher.h"
#include "qstring_printer.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace korvex::app;

namespace {

// A table of two real columns (depth and load) and an integer column.
struct LoadTable {
    LoadTable(int minRows = 1, int maxRows = 0) {
        table.SetCaption("Loads");
        table.SetMinRows(minRows);
        table.SetMaxRows(maxRows);
        table.Add<TFloatColumn>({"Depth"});
        table.Add<TFloatColumn>({"Load", "value"});
        table.Add<TIntColumn>({"Node"}, 0, 0, 100);
        table.SetRowCount(minRows);
    }
    TGridTable table;
};

struct OpenForm {
    explicit OpenForm(TGridTable& table) : form(table) {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    TTableGrid& Grid() { return form.Grid(); }
    QPushButton* Button(const char* name) { return form.findChild<QPushButton*>(name); }

    // Makes the cell current and types into its editor.
    void Type(int row, int column, const QString& text) {
        Grid().setCurrentCell(row, column);
        auto* editor = qobject_cast<QLineEdit*>(Grid().Editor());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }
    void Enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    TTableForm form;
};

}  // namespace

TEST(TableForm, ShowsCaptionsRowNumbersAndValues) {
    LoadTable t(3);
    t.table.Cell(1, 2).SetFloat(2.5);
    OpenForm f(t.table);
    EXPECT_EQ(f.form.windowTitle(), "Loads ");
    ASSERT_EQ(f.Grid().columnCount(), 3);
    ASSERT_EQ(f.Grid().rowCount(), 3);
    EXPECT_EQ(f.Grid().horizontalHeaderItem(0)->text(), "Depth\n");
    EXPECT_EQ(f.Grid().horizontalHeaderItem(1)->text(), "Load\nvalue");
    EXPECT_EQ(f.Grid().verticalHeaderItem(2)->text(), "3");
    EXPECT_EQ(f.Grid().item(2, 1)->text(), "2.5");
}

TEST(TableForm, TypedExpressionIsEnteredWhenTheCellIsLeft) {
    LoadTable t(2);
    OpenForm f(t.table);
    f.Type(0, 1, "3*4");
    f.Enter();
    EXPECT_EQ(t.table.Cell(1, 0).AsFloat(), 12);
    EXPECT_EQ(f.Grid().item(0, 1)->text(), "12");
    EXPECT_EQ(f.Grid().currentRow(), 1) << "Enter moves down the column";
    EXPECT_TRUE(t.table.IsChanged());
}

TEST(TableForm, RejectedEntryKeepsTheCellAndRefusesToClose) {
    const struct {
        int column;
        const char* typed;
        const char* message;
    } cases[] = {
        {0, "abc", "Entry could not be evaluated:\ninvalid character(s) in expression"},
        {2, "101", "Entry must be between 0 and 100."},
        {2, "2.5", "Entry must be an integer."},
    };
    for (const auto& c : cases) {
        LoadTable t(2);
        OpenForm f(t.table);
        f.Type(0, c.column, c.typed);
        TMessageCatcher catcher;
        f.Grid().setCurrentCell(1, c.column);
        EXPECT_EQ(catcher.Messages(), QStringList{c.message}) << c.typed;
        EXPECT_EQ(f.Grid().currentRow(), 0);
        EXPECT_EQ(f.Grid().item(0, c.column)->text(), c.typed);
        EXPECT_EQ(t.table.Cell(c.column, 0).AsText(), "0");
        EXPECT_FALSE(f.form.close());
        EXPECT_TRUE(f.form.isVisible());
    }
}

TEST(TableForm, MovingThroughACellKeepsItsFullValue) {
    LoadTable t(2);
    t.table.Cell(0, 0).SetFloat(1.234567891234L);
    OpenForm f(t.table);
    f.Grid().setCurrentCell(0, 0);
    f.Enter();
    EXPECT_EQ(t.table.Cell(0, 0).AsFloat(), 1.234567891234L);
    EXPECT_FALSE(t.table.IsChanged());
}

TEST(TableForm, EnterInTheLastCellMovesToTheFirstRowOfTheFirstColumn) {
    LoadTable t(3);
    OpenForm f(t.table);
    f.Grid().setCurrentCell(2, 1);
    f.Enter();
    EXPECT_EQ(f.Grid().currentRow(), 0);
    EXPECT_EQ(f.Grid().currentColumn(), 2);
    f.Grid().setCurrentCell(2, 2);
    f.Enter();
    EXPECT_EQ(f.Grid().currentRow(), 0);
    EXPECT_EQ(f.Grid().currentColumn(), 0);
}

TEST(TableForm, RowButtonsFollowTheRowLimits) {
    const struct {
        int minRows, maxRows, rows;
        bool visible, add, del;
    } cases[] = {
        {2, 2, 2, false, false, false},
        {1, 3, 3, true, false, true},
        {1, 0, 1, true, true, false},
        {1, 0, 4, true, true, true},
    };
    for (const auto& c : cases) {
        LoadTable t(c.minRows, c.maxRows);
        t.table.SetRowCount(c.rows);
        OpenForm f(t.table);
        EXPECT_EQ(f.Button("BtnAdd")->isVisible(), c.visible) << c.minRows << " " << c.maxRows;
        EXPECT_EQ(f.Button("BtnAdd")->isEnabled(), c.add);
        EXPECT_EQ(f.Button("BtnIns")->isEnabled(), c.add);
        EXPECT_EQ(f.Button("BtnDel")->isEnabled(), c.del);
    }
}

TEST(TableForm, AddInsertAndDeleteStayWithinTheLimits) {
    LoadTable t(2, 4);
    t.table.Cell(0, 0).SetFloat(10);
    t.table.Cell(0, 1).SetFloat(20);
    OpenForm f(t.table);
    f.Button("BtnAdd")->click();
    EXPECT_EQ(t.table.RowCount(), 3);
    EXPECT_EQ(f.Grid().rowCount(), 3);
    f.Grid().setCurrentCell(1, 0);
    f.Button("BtnIns")->click();
    EXPECT_EQ(t.table.RowCount(), 4);
    EXPECT_EQ(t.table.Cell(0, 2).AsFloat(), 20) << "the row moved down";
    EXPECT_EQ(t.table.Cell(0, 1).AsFloat(), 0) << "a new row was inserted before it";
    f.form.AddRowClick();
    f.form.InsertRowClick();
    EXPECT_EQ(t.table.RowCount(), 4) << "MaxRows reached";
    f.Grid().setCurrentCell(0, 0);
    f.Button("BtnDel")->click();
    f.Button("BtnDel")->click();
    f.form.DeleteRowClick();
    EXPECT_EQ(t.table.RowCount(), 2) << "MinRows reached";
    EXPECT_EQ(t.table.Cell(0, 0).AsFloat(), 20);
    EXPECT_TRUE(t.table.IsChanged());
}

TEST(TableForm, EnumerationIsChosenFromTheDropDown) {
    TGridTable table;
    table.Add<TEnumColumn>({"Type"}, QStringList{"Sand", "Clay"});
    table.Add<TFloatColumn>({"Depth"});
    OpenForm f(table);
    auto* combo = qobject_cast<QComboBox*>(f.Grid().cellWidget(0, 0));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), "Sand");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(table.Cell(0, 0).AsInteger(), 2);
    table.Cell(0, 0).SetInteger(1);
    EXPECT_EQ(combo->currentIndex(), 0) << "a value set by code moves the selection";
}

TEST(TableForm, SubTableButtonOpensTheSubTableWindow) {
    TGridTable parameters;
    parameters.SetCaption("Parameters");
    parameters.Add<TFloatColumn>({"Value"});
    TGridTable layers;
    layers.Add<TTableColumn>({"Soil"}, QList<int>{parameters.Identifier()});
    OpenForm f(layers);
    auto* button = qobject_cast<QPushButton*>(f.Grid().cellWidget(0, 0));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "1: Parameters");
    button->click();
    TGridTable* sub = layers.Cell(0, 0).AsTable();
    ASSERT_NE(TTableForm::Of(*sub), nullptr);
    EXPECT_EQ(TTableForm::Of(*sub)->windowTitle(), "Parameters  1");
    layers.SetRowCount(0);
    QApplication::processEvents();
    EXPECT_EQ(TTableForm::Of(*sub), nullptr);
}
