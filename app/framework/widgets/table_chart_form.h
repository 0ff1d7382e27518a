// TTableChartForm: the editor window of a curve table. It is the table
// window with the chart of the curves above the grid, redrawn whenever the
// table changes, and, when the table asks for them, the controls that fill
// the table from a text file or from the clipboard, and OK and Cancel
// buttons in the places of the add and insert buttons.
#pragma once

#include "framework/widgets/table_form.h"

class QChartView;
class QLineEdit;

namespace korvex::app {

class TCurveChart;
class TGridTableChart;

class TTableChartForm : public TTableForm {
    Q_OBJECT

public:
    explicit TTableChartForm(TGridTableChart& table, QWidget* parent = nullptr);

    TCurveChart& Chart() const { return *chart_; }
    QLineEdit& FileNameEdit() const { return *fileNameEdit_; }

    void BrowseClick();
    void EditClick();
    void ReadClick();
    void ClipClick();
    void OKClick();
    void CancelClick();

protected:
    void Refresh() override;

private:
    void BuildChart();
    void BuildImportControls();
    void BuildOKCancel();
    void FileNameChanged();
    // Fills the table from text lines and shows the result.
    template <typename Fill>
    void Import(Fill fill);
    void CloseFrame();

    TGridTableChart& chartTable_;
    TCurveChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
    QLineEdit* fileNameEdit_ = nullptr;
    QPushButton* btnEdit_ = nullptr;
    QPushButton* btnRead_ = nullptr;
};

}  // namespace korvex::app
