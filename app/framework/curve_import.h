// Filling a curve table from text: the lines of a text file or of the
// clipboard. A line fills the next row when it holds exactly as many numbers
// as the table has data columns; other lines (headers, blank lines) are
// skipped. Rows beyond the filled ones are deleted afterwards.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korvex::app {

class TGridTable;

// The numbers at the start of a line: pieces end at a blank, tab, comma or
// carriage return; reading stops at the first piece that is not a number,
// at the end of the line, or after 15 numbers.
QList<long double> SplitNumbers(const QString& line);

// Clipboard text as lines: each ends at a carriage return (a following line
// feed belongs to the line end); text after the last carriage return is not
// taken.
QStringList ClipboardLines(const QString& text);

// Fills rows from the lines, at most MaxRows of them when the table has a
// limit; returns the number of rows filled.
int FillRowsFromLines(TGridTable& table, const QStringList& lines);

// Reads the named text file and fills the table as above; a file that cannot
// be opened raises EInOutError.
int FillRowsFromFile(TGridTable& table, const QString& fileName);

}  // namespace korvex::app
