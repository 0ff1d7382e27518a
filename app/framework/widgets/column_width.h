// The width a table column takes in the table window: its widest caption
// line with two blanks, and at least a width that depends on its kind.
#pragma once

class QFontMetrics;

namespace korvex::app {

class TColumn;

int MinColumnWidth(const TColumn& column, const QFontMetrics& metrics, int pixelsPerInch);

}  // namespace korvex::app
