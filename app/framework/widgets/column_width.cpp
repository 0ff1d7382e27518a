#include "framework/widgets/column_width.h"

#include "framework/column.h"
#include "framework/string_column.h"

#include <QFontMetrics>
#include <cmath>

namespace korvex::app {

namespace {
// The narrowest a column of the kind may be, in pixels.
int KindWidth(const TColumn& column, int pixelsPerInch) {
    switch (column.Kind()) {
    case TColumnKind::Enum: return pixelsPerInch * 3 / 2;
    case TColumnKind::Int:
    case TColumnKind::Float: return pixelsPerInch / 2;
    case TColumnKind::Table: return 2 * pixelsPerInch;
    case TColumnKind::String:
        return static_cast<int>(
            std::lround(static_cast<const TStringColumn&>(column).WidthInches() * pixelsPerInch));
    }
    return 0;
}
}  // namespace

int MinColumnWidth(const TColumn& column, const QFontMetrics& metrics, int pixelsPerInch) {
    int width = KindWidth(column, pixelsPerInch);
    for (int i = 0; i < column.CaptionLineCount(); ++i)
        width = std::max(width, metrics.horizontalAdvance(column.CaptionLine(i) + QStringLiteral("  ")));
    return width;
}

}  // namespace korvex::app
