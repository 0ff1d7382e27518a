// TfrmActiveLines: the listed-curves dialog of a graph window. It edits a
// working status list, one entry per curve, " yes : " for a curve that
// takes part in the window and " no  : " for one that does not; entries
// are toggled one by one, by selection, or all at once.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace korvex::app {

inline const QString kListedStatus = QStringLiteral(" yes : ");
inline const QString kUnlistedStatus = QStringLiteral(" no  : ");

class TfrmActiveLines : public QDialog {
    Q_OBJECT

public:
    TfrmActiveLines(const QStringList& names, QStringList& status, QWidget* parent = nullptr);

    void ActivateButtonClick();
    void DesactivateButtonClick();
    void ActivateDesactivateButtonClick();

private:
    void SetLineNames(int index);
    void SetKodeLines(int index);
    void SetAll(const QString& status);

    const QStringList& names_;
    QStringList& status_;
    QListWidget* lbLines;
};

}  // namespace korvex::app
