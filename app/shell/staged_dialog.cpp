#include "shell/staged_dialog.h"

#include "project/program_data.h"
#include "project/stage_files.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace korvex::app {
namespace {

constexpr int kFewestStages = 2;

// The fixed explanation of the simplified staged approach.
QString Explanation() {
    const QStringList lines = {
        QStringLiteral("KORVEX provides users with a convenient tool to study"),
        QStringLiteral("and to compare the predicted  deflection, bending moment, "),
        QStringLiteral("and shear at different stages of construction based on a"),
        QStringLiteral("simplified approach."),
        QString(),
        QStringLiteral("The program will not trace the stress history of soil and"),
        QStringLiteral("structure at each stage.  Instead, the program will use the"),
        QStringLiteral("earth pressure, restrained boundary conditions, and soil"),
        QStringLiteral("resistance curves (p-y curves) at each stage as the initial"),
        QStringLiteral("condition to evaluate the behavior of the system without"),
        QStringLiteral("considering any effect due to the stress history."),
        QString(),
        QStringLiteral("However, the p-y resistance curves will be generated based"),
        QStringLiteral("on the excavation depth, wall height, and water table at"),
        QStringLiteral("each new stage to reflect the change in soil resistance."),
        QString(),
        QStringLiteral("This approach is not a rigorous procedure but it provides the"),
        QStringLiteral("user with general ideas about the possible pattern of"),
        QStringLiteral("deformation and stress in the system. It completely relies "),
        QStringLiteral("on the user's judgement to interpret the predicted results."),
        QStringLiteral(" "),
        QStringLiteral(" "),
    };
    return lines.join(u'\n');
}

}  // namespace

TStageCountField::TStageCountField(QWidget* parent) : QSpinBox(parent) { setRange(1, kMostStages); }

void TStageCountField::stepBy(int steps) { setValue(std::clamp(value() + steps, kFewestStages, kMostStages)); }

QAbstractSpinBox::StepEnabled TStageCountField::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < kMostStages) enabled |= StepUpEnabled;
    if (value() > kFewestStages) enabled |= StepDownEnabled;
    return enabled;
}

TDlgStaged::TDlgStaged(const TProgramData& project, QWidget* parent)
    : QDialog(parent),
      staged_(new QCheckBox(QStringLiteral("Conduct &Staged-Construction Analysis"), this)),
      count_(new TStageCountField(this)) {
    setWindowTitle(QStringLiteral("Staged Construction Options"));
    staged_->setObjectName(QStringLiteral("StagedBox"));
    count_->setObjectName(QStringLiteral("StageCountField"));
    auto* memo = new QPlainTextEdit(Explanation(), this);
    memo->setReadOnly(true);
    memo->setObjectName(QStringLiteral("Explanation"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* fields = new QFormLayout;
    fields->addRow(staged_);
    fields->addRow(QStringLiteral("Enter the total number of stages (Max. = 5, Min =2)"), count_);
    fields->addRow(new QLabel(QStringLiteral("Current stage: %1").arg(project.CurrentStage), this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(memo);
    layout->addWidget(buttons);
    count_->setValue(project.StageCount);
    staged_->setChecked(project.StageCount > 1);
    count_->setEnabled(staged_->isChecked());
    connect(staged_, &QCheckBox::toggled, this, &TDlgStaged::StagedToggled);
}

int TDlgStaged::StageCount() const { return staged_->isChecked() ? count_->value() : 1; }

// Turning staging on offers the fewest stages a staged project can have
// rather than a count that would leave the project single-stage.
void TDlgStaged::StagedToggled(bool on) {
    count_->setEnabled(on);
    if (on && count_->value() < kFewestStages) count_->setValue(kFewestStages);
}

void ShowStagedDialog(const TProgramData& project, QWidget* parent, bool modal, std::function<void(int)> apply) {
    auto* dialog = new TDlgStaged(project, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog, apply] { apply(dialog->StageCount()); });
    if (modal)
        dialog->exec();
    else
        dialog->show();
}

}  // namespace korvex::app
