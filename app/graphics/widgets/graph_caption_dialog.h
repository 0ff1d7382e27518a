// TfrmGraphCaption: the title dialog of a graph window. It offers the
// graph's title and whether it is drawn at the top or the bottom; there is
// no Cancel, so however it is closed its text and position are taken.
#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace korvex::app {

class TfrmGraphCaption : public QDialog {
    Q_OBJECT

public:
    TfrmGraphCaption(const QString& title, bool onTop, QWidget* parent = nullptr);

    QString Title() const;
    bool TitleOnTop() const;

private:
    QLineEdit* edtCaption;
    QRadioButton* rbTop;
    QRadioButton* rbBottom;
};

}  // namespace korvex::app
