#include "views/deformed_shape_form.h"

#include "framework/number_text.h"
#include "views/activation_watch.h"
#include "views/factor_step.h"
#include "views/view3d_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvex::app {

TDeformedShapeForm::TDeformedShapeForm(T3DForm& view)
    : QWidget(&view, Qt::Tool),
      view_(view),
      showDeformed_(new QCheckBox(QStringLiteral("Show Deformed Shape"), this)),
      showUndeformed_(new QCheckBox(QStringLiteral("Show Undeformed Model"), this)),
      factor_(new QLineEdit(this)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    setWindowTitle(QStringLiteral("Deformed Shape"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    auto* steps = new QVBoxLayout;
    steps->setSpacing(0);
    steps->addWidget(up_);
    steps->addWidget(down_);
    auto* grid = new QGridLayout(this);
    grid->addWidget(showDeformed_, 0, 0, 1, 2);
    grid->addWidget(showUndeformed_, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Deformed Shape Factor"), this), 2, 0, 1, 2);
    grid->addWidget(factor_, 3, 0);
    grid->addLayout(steps, 3, 1);
    grid->addWidget(close, 4, 0, 1, 2);
    setTabOrder(close, showDeformed_);
    setTabOrder(showDeformed_, showUndeformed_);
    setTabOrder(showUndeformed_, factor_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(showDeformed_, &QCheckBox::clicked, this, &TDeformedShapeForm::ShowDeformedClick);
    connect(showUndeformed_, &QCheckBox::clicked, this, &TDeformedShapeForm::ShowUndeformedClick);
    connect(factor_, &QLineEdit::textChanged, this, &TDeformedShapeForm::FactorChange);
    connect(up_, &QToolButton::clicked, this, [this] { Step(true); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(false); });
    new TActivationWatch(this, [this] { Activate(); });
    Activate();
}

void TDeformedShapeForm::Activate() {
    const TDeformedShape& shape = view_.Deformed();
    working_ = shape.factor;
    const QSignalBlocker quiet(factor_);
    factor_->setText(FormatReal15(working_));
    showDeformed_->setChecked(shape.showDeformed);
    showUndeformed_->setChecked(shape.showUndeformed);
    ApplyEnabling();
}

void TDeformedShapeForm::ApplyEnabling() {
    const bool on = showDeformed_->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(showUndeformed_), static_cast<QWidget*>(factor_),
                             static_cast<QWidget*>(up_), static_cast<QWidget*>(down_)})
        control->setEnabled(on);
}

void TDeformedShapeForm::ShowDeformedClick() {
    ApplyEnabling();
    view_.SetShowDeformed(showDeformed_->isChecked());
}

void TDeformedShapeForm::ShowUndeformedClick() { view_.SetShowUndeformed(showUndeformed_->isChecked()); }

// Text that is no number (or is still being typed) leaves the factor as it is.
void TDeformedShapeForm::FactorChange(const QString& text) {
    if (text.isEmpty()) return;
    const std::optional<long double> value = ParseReal(text, QLatin1Char('.'));
    if (!value) return;
    working_ = *value;
    view_.SetDeformationFactor(static_cast<double>(working_));
}

void TDeformedShapeForm::Step(bool up) { factor_->setText(FormatReal15(NextRoundFactor(working_, up))); }

}  // namespace korvex::app
