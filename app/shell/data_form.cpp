#include "shell/data_form.h"

#include "project/program_data.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace korvex::app {

TDataForm::TDataForm(TProgramData& project, TOpenTable openTable, QWidget* parent)
    : QWidget(parent), project_(project), openTable_(std::move(openTable)) {
    setAttribute(Qt::WA_DeleteOnClose);
}

bool TDataForm::Commit() {
    for (TNumberField* field : fields_)
        if (!field->Validate()) return false;
    WriteValues();
    return true;
}

TNumberField* TDataForm::AddField(QFormLayout* layout, const QString& caption, const QString& unitToken,
                                  const TFieldRange& range) {
    auto* field = new TNumberField(caption, unitToken, range, this);
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    layout->addRow(label, field);
    fields_ << field;
    labels_ << label;
    connect(field, &QLineEdit::textEdited, this, [this] { project_.MarkModified(); });
    connect(field, &TNumberField::rejected, this, &TDataForm::rejected);
    return field;
}

QPushButton* TDataForm::AddTableButton(const QString& caption, TGridTable& table) {
    auto* button = new QPushButton(caption, this);
    button->setEnabled(static_cast<bool>(openTable_));
    connect(button, &QPushButton::clicked, this, [this, &table] { openTable_(table); });
    return button;
}

void TDataForm::ShowUnits() {
    for (qsizetype i = 0; i < fields_.size(); ++i) {
        fields_[i]->SetUnits(project_.Units);
        labels_[i]->setText(fields_[i]->LabelText());
    }
}

void TDataForm::WatchForChanges(QCheckBox* box) {
    connect(box, &QCheckBox::clicked, this, [this] { project_.MarkModified(); });
}

void TDataForm::closeEvent(QCloseEvent* event) {
    if (Commit())
        event->accept();
    else
        event->ignore();
}

}  // namespace korvex::app
