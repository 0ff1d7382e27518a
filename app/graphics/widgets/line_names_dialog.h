// TfrmLineNames: the curve-name dialog of a graph window. It edits a
// working list of names, one per curve: the chosen entry is shown in the
// edit in its curve's colour and replaced by the edit's text on Enter or
// when the edit is left; an empty name is refused. However the dialog is
// closed its entries are copied back to the working list.
#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace korvex::app {

class TfrmLineNames : public QDialog {
    Q_OBJECT

public:
    TfrmLineNames(QStringList& names, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void lbLinesClick();
    void edLineExit();

    QStringList& names_;
    QListWidget* lbLines;
    QLineEdit* edLine;
    bool checking_ = false;
};

}  // namespace korvex::app
