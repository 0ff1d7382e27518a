// The data windows of the project's scalar values: title, wall properties,
// wall configuration, the option windows with their table buttons, and the
// control options (the text editor).
#pragma once

#include "shell/data_form.h"

class QLineEdit;
class QPlainTextEdit;

namespace korvex::app {

class TTitleForm : public TDataForm {
    Q_OBJECT
public:
    TTitleForm(TProgramData& project, QWidget* parent = nullptr);
    void ShowValues() override;

protected:
    void WriteValues() override;

private:
    QPlainTextEdit* text_;
};

class TWallPropertiesForm : public TDataForm {
    Q_OBJECT
public:
    TWallPropertiesForm(TProgramData& project, TOpenTable openTable, QWidget* parent = nullptr);
    void ShowValues() override;

protected:
    void WriteValues() override;

private:
    TNumberField *increments_, *length_, *height_, *maxDeflection_, *tolerance_;
};

class TWallConfigurationForm : public TDataForm {
    Q_OBJECT
public:
    TWallConfigurationForm(TProgramData& project, QWidget* parent = nullptr);
    void ShowValues() override;
    // The uniform load, backfill slope and modification factor apply only
    // to generated earth pressure.
    void UpdateEarthPressureFields();

protected:
    void WriteValues() override;

private:
    TNumberField *height_, *widthActive_, *widthPY_, *waterBackfill_, *waterExcavation_;
    TNumberField *uniformLoad_, *slope_, *factor_;
};

// A check box switching an option and a button editing the option's table,
// enabled while the box is ticked (concentrated loads, springs).
class TOptionTableForm : public TDataForm {
    Q_OBJECT
public:
    TOptionTableForm(TProgramData& project, TOpenTable openTable, bool TProgramData::*option,
                     const QString& boxCaption, const QString& buttonCaption, TGridTable& table,
                     QWidget* parent = nullptr);
    void ShowValues() override;

signals:
    // The option was cleared: its table's editor is to close.
    void optionCleared(TGridTable& table);

protected:
    void WriteValues() override;

private:
    bool TProgramData::*option_;
    TGridTable& table_;
    QCheckBox* box_;
    QPushButton* button_;
};

// A button editing one table (tiebacks, additional surcharge).
class TTableButtonForm : public TDataForm {
    Q_OBJECT
public:
    TTableButtonForm(TProgramData& project, TOpenTable openTable, const QString& buttonCaption,
                     TGridTable& table, QWidget* parent = nullptr);
    void ShowValues() override {}

protected:
    void WriteValues() override {}
};

// The control options: the path of the text editor.
class TOptionsForm : public TDataForm {
    Q_OBJECT
public:
    TOptionsForm(TProgramData& project, QString& editorPath, QWidget* parent = nullptr);
    void ShowValues() override;

protected:
    void WriteValues() override;

private:
    void Browse();

    QString& editorPath_;
    QLineEdit* path_;
};

}  // namespace korvex::app
