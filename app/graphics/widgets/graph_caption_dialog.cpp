#include "graphics/widgets/graph_caption_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvex::app {

TfrmGraphCaption::TfrmGraphCaption(const QString& title, bool onTop, QWidget* parent)
    : QDialog(parent), edtCaption(new QLineEdit(title)), rbTop(new QRadioButton(QStringLiteral("Top"))),
      rbBottom(new QRadioButton(QStringLiteral("Bottom"))) {
    setWindowTitle(QStringLiteral("Graph Caption"));
    edtCaption->setObjectName(QStringLiteral("edtCaption"));
    rbTop->setObjectName(QStringLiteral("rbTop"));
    rbBottom->setObjectName(QStringLiteral("rbBottom"));
    (onTop ? rbTop : rbBottom)->setChecked(true);

    auto* location = new QGroupBox(QStringLiteral("Caption Location"));
    auto* choices = new QHBoxLayout(location);
    choices->addWidget(rbTop);
    choices->addWidget(rbBottom);
    auto* btnOK = new QPushButton(QStringLiteral("&OK"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter Graph Caption")));
    layout->addWidget(edtCaption);
    layout->addWidget(location);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(365);
}

QString TfrmGraphCaption::Title() const { return edtCaption->text(); }

bool TfrmGraphCaption::TitleOnTop() const { return rbTop->isChecked(); }

}  // namespace korvex::app
