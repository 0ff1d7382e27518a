#include "framework/curve_import.h"

#include "framework/decimal_separator.h"
#include "framework/errors.h"
#include "framework/grid_table.h"
#include "framework/number_text.h"

#include <QFile>
#include <QTextStream>

namespace korvex::app {

namespace {
constexpr int kMostNumbersPerLine = 15;

bool EndsPiece(QChar c) { return c == u' ' || c == u'\t' || c == u',' || c == u'\r'; }
}  // namespace

QList<long double> SplitNumbers(const QString& line) {
    QList<long double> numbers;
    qsizetype pos = 0;
    while (numbers.size() < kMostNumbersPerLine && pos < line.size()) {
        while (pos < line.size() && (line[pos] == u' ' || line[pos] == u'\t')) ++pos;
        qsizetype end = pos;
        while (end < line.size() && !EndsPiece(line[end])) ++end;
        const auto value = ParseReal(QStringView(line).mid(pos, end - pos), DecimalSeparator());
        if (!value) break;
        numbers << *value;
        pos = end + 1;
    }
    return numbers;
}

QStringList ClipboardLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', start)) {
        lines << text.mid(start, cr - start);
        start = cr + 1;
        if (start < text.size() && text[start] == u'\n') ++start;
    }
    return lines;
}

int FillRowsFromLines(TGridTable& table, const QStringList& lines) {
    const int columns = table.VisibleColumnCount();
    int filled = 0;
    for (const QString& line : lines) {
        if (table.MaxRows() > 0 && filled >= table.MaxRows()) break;
        const QList<long double> numbers = SplitNumbers(line);
        if (numbers.size() != columns) continue;
        if (filled == table.RowCount()) table.AppendGroup();
        for (int c = 0; c < columns; ++c) table.VisibleColumn(c)->SetText(filled, FormatDisplay(numbers[c]));
        ++filled;
    }
    if (filled > 0)
        while (table.RowCount() > filled) table.DeleteGroup(table.RowCount() - 1);
    return filled;
}

int FillRowsFromFile(TGridTable& table, const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) throw EInOutError(file.errorString());
    QStringList lines;
    QTextStream stream(&file);
    while (!stream.atEnd()) lines << stream.readLine();
    return FillRowsFromLines(table, lines);
}

}  // namespace korvex::app
