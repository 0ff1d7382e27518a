// TGraphSet: the result graphs of the main window with their settings, and
// the results of every problem of the last run read from the plot-data
// file. It stands in for the main window as owner of the graph components
// until that window exists, and knows nothing of windows itself.
#pragma once

#include "graphics/graph_plot.h"
#include "graphics/plot_project.h"
#include "graphics/problem_results.h"

#include <QObject>
#include <QString>
#include <array>
#include <vector>

namespace korvex::app {

class TGraphSet : public QObject {
    Q_OBJECT

public:
    TGraphSet();
    ~TGraphSet() override;

    // Reads the plot-data file of a run into the graphs and the results.
    // Returns whether the file was read completely; on a failure the graphs
    // keep what was read until then and, when errors are to be reported,
    // information() is raised with the message for the user.
    bool LoadPlotData(const QString& fileName, const TPlotProject& project, bool reportErrors);

    // The twelve graphs in the order of the main window.
    std::array<TGraphPlot*, 12> Graphs();
    // The graphs offered for export to a spreadsheet, in the export order.
    std::array<TGraphPlot*, 7> ExportGraphs();
    // The four graphs of a result against depth, one curve per problem.
    std::array<TGraphPlot*, 4> DepthGraphs();

    std::vector<TProblemResults>& Results() { return results_; }
    // The reader's message for the last failed reading (line and item), for
    // tools that show more than the message for the user; empty after a
    // complete reading.
    const QString& LastReadError() const { return lastReadError_; }

    TGraphPlot pltLD, PltCombine, pltPY, pltDef, pltMom, pltShear, pltSoil, pltDMS;
    TGraphPlot pltMomEi, pltMomCurv, pltInter, pltLM;

signals:
    void information(const QString& message);

private:
    std::vector<TProblemResults> results_;
    QString lastReadError_;
};

}  // namespace korvex::app
