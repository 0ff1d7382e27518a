#include "graphics/widgets/format_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>
#include <cmath>
#include <limits>

namespace korvex::app {
namespace {

QDoubleSpinBox* InchEdit(const char* name, double inches) {
    auto* edit = new QDoubleSpinBox;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDecimals(4);
    edit->setRange(2, std::numeric_limits<double>::max());
    edit->setValue(inches);
    edit->setSuffix(QStringLiteral(" in"));
    return edit;
}

// The colour choices; the bitmap is written at the platform's depth
// whatever is chosen, as the choices are offered for information only.
QGroupBox* ColourChoices() {
    auto* group = new QGroupBox(QStringLiteral("Colors"));
    auto* layout = new QVBoxLayout(group);
    const char* const names[] = {"rbBW", "rb16", "rb256", "rbHigh", "rbTrue"};
    const QString texts[] = {QStringLiteral("Black and White"), QStringLiteral("16 Colors"), QStringLiteral("256 Colors"),
                             QStringLiteral("High Color (16 bit)"), QStringLiteral("True Color (24 bit)")};
    for (int i = 0; i < 5; ++i) {
        auto* choice = new QRadioButton(texts[i]);
        choice->setObjectName(QString::fromLatin1(names[i]));
        choice->setChecked(i == 1);
        layout->addWidget(choice);
    }
    return group;
}

int Pixels(int perInch, double inches) { return static_cast<int>(std::nearbyint(perInch * inches)); }

}  // namespace

TdlgFormat::TdlgFormat(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), deHeight(InchEdit("deHeight", 4)),
      deWidth(InchEdit("deWidth", 6)), dePPI(new QSpinBox) {
    setWindowTitle(QStringLiteral("Save Attributes"));
    dePPI->setObjectName(QStringLiteral("dePPI"));
    dePPI->setRange(10, INT_MAX);
    dePPI->setValue(72);

    auto* edits = new QFormLayout;
    edits->addRow(QStringLiteral("&Height (in)"), deHeight);
    edits->addRow(QStringLiteral("&Width (in)"), deWidth);
    edits->addRow(QStringLiteral("&Pixels Per Inch"), dePPI);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("btnOK"));
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(edits);
    layout->addWidget(ColourChoices());
    layout->addWidget(buttons);
}

QSize TdlgFormat::BitmapSize() const {
    return {Pixels(dePPI->value(), deWidth->value()), Pixels(dePPI->value(), deHeight->value())};
}

}  // namespace korvex::app
