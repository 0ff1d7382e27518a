// TEntryRules: what a numeric entry control (TDataEdit, or TDataCombo in
// the combo style) does with its text, without the widget: bounds,
// integer-only entries, clamping, the display of the value, the label text
// and the rejection messages. The controls wrap one of these.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korvex::app {

enum class TEntryStyle { Edit, Combo };

class TEntryRules {
public:
    explicit TEntryRules(TEntryStyle style = TEntryStyle::Edit);

    // While loading from a form description, bounds and numbers are stored
    // unchanged.
    void SetLoading(bool loading) { loading_ = loading; }

    bool IntegerOnly() const { return integerOnly_; }
    void SetIntegerOnly(bool integerOnly);
    bool Hex() const { return hex_; }
    void SetHex(bool hex) { hex_ = hex; }
    long double MinVal() const { return minVal_; }
    void SetMinVal(long double value);
    long double MaxVal() const { return maxVal_; }
    void SetMaxVal(long double value);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    const QString& UnitsString() const { return unitsString_; }
    void SetUnitsString(const QString& token) { unitsString_ = token; }
    int Units() const { return units_; }
    void SetUnits(int system);
    // Caption alone, or caption followed by the unit label in parentheses.
    QString LabelText() const;

    // Named values offered by a combo box, parallel lists.
    void SetItems(const QStringList& items, const QList<long double>& values);

    const QString& Text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }
    // Evaluates the current text; raises EAssignError when it cannot.
    long double Number() const;
    // Clamps the value into the bounds and shows it.
    void SetNumber(long double value);

    // The exit validation: evaluates the text and checks it. On success the
    // text shows the value and the entry is valid; on a rejection the valid
    // flag stays false and RejectionMessage() holds the message.
    bool Validate();
    bool IsValid() const { return valid_; }
    const QString& RejectionMessage() const { return rejection_; }

    // Raises EIntError, EMinError or EMaxError (after putting the bound in
    // the box) or EAssignError; returns the accepted value.
    long double Accept();

    QString Display(long double value) const;

    // A typed operator that extends a fully selected value instead of
    // replacing it: + - / * ^ = % !
    static bool ExtendsSelection(QChar key);
    // A combo box takes digits, '-', '.', 'E' and backspace, upper-cased;
    // any other key gives a null character and is dropped.
    static QChar ComboKey(QChar key);

private:
    void ShowNumber(long double value) { text_ = Display(value); }
    // The current number, or the fallback when the text does not evaluate.
    long double NumberOr(long double fallback) const;

    TEntryStyle style_;
    bool loading_ = false;
    bool integerOnly_ = false;
    bool hex_ = false;
    long double minVal_;
    long double maxVal_;
    QString caption_;
    QString unitsString_;
    int units_ = 1;
    QStringList items_;
    QList<long double> values_;
    QString text_ = QStringLiteral("0");
    bool valid_ = false;
    QString rejection_;
};

}  // namespace korvex::app
