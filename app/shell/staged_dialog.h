// TDlgStaged: "Staged Construction Options", where the user makes a project
// staged, changes its number of construction stages (2 to 5), or makes it
// single-stage again. The dialog only collects the choice; the main window
// applies it to the project and its stage side files.
#pragma once

#include <QDialog>
#include <QSpinBox>
#include <functional>

class QCheckBox;

namespace korvex::app {

class TProgramData;

// The stage-count field: typing accepts 1 to 5, the up/down buttons step
// within 2 to 5.
class TStageCountField : public QSpinBox {
    Q_OBJECT

public:
    explicit TStageCountField(QWidget* parent = nullptr);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
};

class TDlgStaged : public QDialog {
    Q_OBJECT

public:
    TDlgStaged(const TProgramData& project, QWidget* parent = nullptr);

    // The chosen number of stages: 1 when the check box is off.
    int StageCount() const;

private:
    void StagedToggled(bool on);

    QCheckBox* staged_;
    TStageCountField* count_;
};

// Shows the dialog for the project, modal or not; OK hands the chosen
// number of stages to `apply`.
void ShowStagedDialog(const TProgramData& project, QWidget* parent, bool modal, std::function<void(int)> apply);

}  // namespace korvex::app
