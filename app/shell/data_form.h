// TDataForm: a data window of the main window. It shows the project's
// values when it becomes active and writes them back when it stops being
// active or closes; an entry that does not validate keeps it open and
// writes nothing. Every change of its content marks the project modified.
#pragma once

#include "shell/number_field.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QFormLayout;
class QLabel;
class QPushButton;

namespace korvex::app {

class TGridTable;
class TProgramData;

class TDataForm : public QWidget {
    Q_OBJECT

public:
    using TOpenTable = std::function<void(TGridTable&)>;

    // openTable opens a table's editor; when empty, the table buttons are disabled.
    TDataForm(TProgramData& project, TOpenTable openTable, QWidget* parent = nullptr);

    // Shows the project's values in the project's unit system.
    virtual void ShowValues() = 0;
    // Writes the values into the project; false, writing nothing, when an
    // entry does not validate.
    bool Commit();

signals:
    // An entry was refused; the message is for the user.
    void rejected(const QString& message);

protected:
    virtual void WriteValues() = 0;
    TNumberField* AddField(QFormLayout* layout, const QString& caption, const QString& unitToken,
                           const TFieldRange& range);
    QPushButton* AddTableButton(const QString& caption, TGridTable& table);
    // Labels follow the unit system; the fields take the unit system too.
    void ShowUnits();
    void WatchForChanges(QCheckBox* box);
    void closeEvent(QCloseEvent* event) override;

    TProgramData& project_;

private:
    TOpenTable openTable_;
    QList<TNumberField*> fields_;
    QList<QLabel*> labels_;  // the caption of the field at the same position
};

}  // namespace korvex::app
