#include "shell/data_forms.h"

#include "framework/korvex_settings.h"
#include "project/program_data.h"
#include "project/project_tables.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>
#include <cmath>

namespace korvex::app {
namespace {

constexpr int kTitleLength = 80;

// Depths held in inches are shown in feet, loads held per square inch per
// square foot, under English units; other systems show values as held.
long double FeetFactor(int units) { return units == kEnglish ? 12 : 1; }
long double SquareFeetFactor(int units) { return units == kEnglish ? 144 : 1; }

// Keeps the title on one line of at most 80 characters.
void LimitTitle(QPlainTextEdit* text) {
    const QString plain = text->toPlainText();
    QString single = plain;
    single.remove(QLatin1Char('\n'));
    single.truncate(kTitleLength);
    if (single != plain) {
        text->setPlainText(single);
        text->moveCursor(QTextCursor::End);
    }
}

QLabel* Note(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

}  // namespace

TTitleForm::TTitleForm(TProgramData& project, QWidget* parent)
    : TDataForm(project, {}, parent), text_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Project Title"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Note(QStringLiteral("Enter text line for project description:"), this));
    layout->addWidget(text_);
    text_->setMaximumHeight(text_->fontMetrics().height() * 3);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] { LimitTitle(text_); });
}

void TTitleForm::ShowValues() { text_->setPlainText(project_.Title); }

void TTitleForm::WriteValues() {
    if (text_->toPlainText() == project_.Title) return;
    project_.Title = text_->toPlainText();
    project_.MarkModified();
}

TWallPropertiesForm::TWallPropertiesForm(TProgramData& project, TOpenTable openTable, QWidget* parent)
    : TDataForm(project, std::move(openTable), parent) {
    setWindowTitle(QStringLiteral("Wall Properties"));
    auto* layout = new QFormLayout(this);
    increments_ = AddField(layout, QStringLiteral("&Increments (nodes)"), {}, {1, 300, true});
    layout->addRow(Note(QStringLiteral("Wall Stiffness (EI)"), this),
                   AddTableButton(QStringLiteral("Enter Section Data"), project.Tables().PileSect()));
    length_ = AddField(layout, QStringLiteral("Increment Length"), QStringLiteral("L"), {});
    height_ = AddField(layout, QStringLiteral("Free Height of Wall"), QStringLiteral("L2"), {});
    maxDeflection_ = AddField(layout, QStringLiteral("Maximum Allowable Deflection for computation iteration"),
                              QStringLiteral("L"), {});
    layout->addRow(Note(QStringLiteral("(Approx.10% of the wall height)  "), this));
    tolerance_ = AddField(layout, QStringLiteral("Deflection Closure Tolerance"), QStringLiteral("L"), {});
}

void TWallPropertiesForm::ShowValues() {
    ShowUnits();
    increments_->SetValue(project_.Increments);
    length_->SetValue(project_.IncrementLength);
    height_->SetValue(project_.FreeHeight / FeetFactor(project_.Units));
    maxDeflection_->SetValue(project_.MaxDeflection);
    tolerance_->SetValue(project_.Tolerance);
}

void TWallPropertiesForm::WriteValues() {
    project_.Increments = static_cast<int>(std::llround(increments_->Value()));
    project_.IncrementLength = length_->Value();
    project_.FreeHeight = height_->Value() * FeetFactor(project_.Units);
    project_.MaxDeflection = maxDeflection_->Value();
    project_.Tolerance = tolerance_->Value();
}

TWallConfigurationForm::TWallConfigurationForm(TProgramData& project, QWidget* parent)
    : TDataForm(project, {}, parent) {
    setWindowTitle(QStringLiteral("Wall Configuration"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Wall Configuration"), this);
    auto* fields = new QFormLayout(group);
    height_ = AddField(fields, QStringLiteral("&Free Height of Wall, H"), QStringLiteral("L2"), {-1000000, 1000000});
    widthActive_ = AddField(fields, QStringLiteral("&Width for Active Earth Press. Calculation, Wa"),
                            QStringLiteral("L"), {.max = 1200});
    fields->addRow(Note(QStringLiteral("Typically Wa is the center-to-center spacing of wall units."), group));
    widthPY_ = AddField(fields, QStringLiteral("Width for Generating &p-y Soil Resistance, Wp"), QStringLiteral("L"),
                        {.max = 120});
    fields->addRow(Note(QStringLiteral("Typically Wp is the selected width (diameter) of each wall unit."), group));
    fields->addRow(Note(QStringLiteral("KORVEX automatically calculates soil resistance (p) multipliers"), group));
    fields->addRow(Note(QStringLiteral("as group reduction factors when Wa<=3Wp."), group));
    waterBackfill_ = AddField(fields, QStringLiteral("&Depth to the Water Table in backfill side, DWb"),
                              QStringLiteral("L2"), {.max = 1000000});
    waterExcavation_ = AddField(fields, QStringLiteral("&Depth to the Water Table in excavation side, DWe"),
                                QStringLiteral("L2"), {.max = 1000000});
    layout->addWidget(group);
    auto* lower = new QFormLayout;
    layout->addLayout(lower);
    uniformLoad_ = AddField(lower, QStringLiteral("Uniform Distributed Load at the top of backfill side "),
                            QStringLiteral("F/L2^2"), {.max = 10000000});
    slope_ = AddField(lower, QStringLiteral("Slope of the backfill, Beta"), QStringLiteral("deg."), {-45, 45});
    factor_ = AddField(lower, QStringLiteral("Modification Factor for Active Earth Pressure"), {}, {.max = 1000});
    lower->addRow(Note(QStringLiteral("Note:  KORVEX uses this factor as multiplier to the active earth pressure "
                                      "internally"), this));
    lower->addRow(Note(QStringLiteral("generated by KORVEX from the soil behind the wall and from the surcharge."),
                       this));
}

void TWallConfigurationForm::ShowValues() {
    ShowUnits();
    const long double feet = FeetFactor(project_.Units);
    height_->SetValue(project_.FreeHeight / feet);
    widthActive_->SetValue(project_.WidthActive);
    widthPY_->SetValue(project_.WidthPY);
    waterBackfill_->SetValue(project_.WaterBackfill / feet);
    waterExcavation_->SetValue(project_.WaterExcavation / feet);
    uniformLoad_->SetValue(project_.UniformLoad * SquareFeetFactor(project_.Units));
    slope_->SetValue(project_.BackfillSlope);
    factor_->SetValue(project_.ActiveFactor);
    UpdateEarthPressureFields();
}

void TWallConfigurationForm::UpdateEarthPressureFields() {
    const bool generated = project_.EarthShape == 2 || project_.EarthShape == 3;
    for (TNumberField* field : {uniformLoad_, slope_, factor_}) field->setEnabled(generated);
}

void TWallConfigurationForm::WriteValues() {
    const long double feet = FeetFactor(project_.Units);
    project_.FreeHeight = height_->Value() * feet;
    project_.WidthActive = widthActive_->Value();
    project_.WidthPY = widthPY_->Value();
    project_.WaterBackfill = waterBackfill_->Value() * feet;
    project_.WaterExcavation = waterExcavation_->Value() * feet;
    project_.UniformLoad = uniformLoad_->Value() / SquareFeetFactor(project_.Units);
    project_.BackfillSlope = slope_->Value();
    project_.ActiveFactor = factor_->Value();
}

TOptionTableForm::TOptionTableForm(TProgramData& project, TOpenTable openTable, bool TProgramData::*option,
                                   const QString& boxCaption, const QString& buttonCaption, TGridTable& table,
                                   QWidget* parent)
    : TDataForm(project, std::move(openTable), parent),
      option_(option),
      table_(table),
      box_(new QCheckBox(boxCaption, this)),
      button_(AddTableButton(buttonCaption, table)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box_);
    layout->addWidget(button_);
    WatchForChanges(box_);
    connect(box_, &QCheckBox::toggled, this, [this](bool on) {
        button_->setEnabled(on);
        if (!on) emit optionCleared(table_);
    });
}

void TOptionTableForm::ShowValues() {
    box_->setChecked(project_.*option_);
    button_->setEnabled(box_->isChecked());
}

void TOptionTableForm::WriteValues() { project_.*option_ = box_->isChecked(); }

TTableButtonForm::TTableButtonForm(TProgramData& project, TOpenTable openTable, const QString& buttonCaption,
                                   TGridTable& table, QWidget* parent)
    : TDataForm(project, std::move(openTable), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddTableButton(buttonCaption, table));
}

TOptionsForm::TOptionsForm(TProgramData& project, QString& editorPath, QWidget* parent)
    : TDataForm(project, {}, parent), editorPath_(editorPath), path_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Control Options"));
    auto* layout = new QFormLayout(this);
    auto* label = new QLabel(QStringLiteral("&Text Editor:"), this);
    label->setBuddy(path_);
    layout->addRow(label, path_);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    layout->addRow(browse);
    connect(browse, &QPushButton::clicked, this, &TOptionsForm::Browse);
}

void TOptionsForm::ShowValues() { path_->setText(editorPath_); }

// The editor is saved at once so that every window opens files with it.
void TOptionsForm::WriteValues() {
    editorPath_ = path_->text();
    TKorvexSettings()->setValue(kWordProcessorKey, editorPath_);
}

// Programs on this desktop carry no extension; any existing file may be chosen.
void TOptionsForm::Browse() {
    const QString chosen = QFileDialog::getOpenFileName(this, {}, path_->text(), QStringLiteral("All Files (*)"));
    if (!chosen.isEmpty()) path_->setText(chosen);
}

}  // namespace korvex::app
