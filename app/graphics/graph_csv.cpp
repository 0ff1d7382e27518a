#include "graphics/graph_csv.h"

#include "framework/decimal_separator.h"
#include "framework/number_text.h"
#include "graphics/graph_plot.h"

#include <QRegularExpression>
#include <QStringList>

namespace korvex::app {
namespace {

QString Quoted(QString text) { return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"'); }

QString HeaderRow(const TGraphPlot& graph) {
    QStringList cells;
    for (int i = 0; i < graph.CurveCount(kMainCurves); ++i) {
        const QString name = graph.DisplayName(kMainCurves, i) + QStringLiteral(" - ");
        cells << Quoted(name + graph.XTitle()) << Quoted(name + graph.YTitle());
    }
    return cells.join(QLatin1Char(','));
}

QString PointRow(const TGraphPlot& graph, int j) {
    QStringList cells;
    for (int i = 0; i < graph.CurveCount(kMainCurves); ++i) {
        const TFloatPoint& point = graph.Curve(kMainCurves, i).Point(j);
        cells << FormatReal15(point.X) << FormatReal15(point.Y);
    }
    return cells.join(QLatin1Char(','));
}

}  // namespace

QString GraphCsv(const TGraphPlot& graph) {
    const TPointSeparator point;
    QString text = HeaderRow(graph) + QLatin1Char('\n');
    for (int j = 0; j < graph.PointCount(kMainCurves); ++j) text += PointRow(graph, j) + QLatin1Char('\n');
    return text;
}

QString GraphFileName(const TGraphPlot& graph) {
    static const QRegularExpression others(QStringLiteral("[^a-z0-9]+"));
    QString name = graph.Caption.toLower().replace(others, QStringLiteral("_"));
    while (name.endsWith(QLatin1Char('_'))) name.chop(1);
    while (name.startsWith(QLatin1Char('_'))) name.remove(0, 1);
    return name + QStringLiteral(".csv");
}

}  // namespace korvex::app
