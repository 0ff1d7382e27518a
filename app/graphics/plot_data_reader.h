// TPlotDataReader: fills the result graphs and the per-problem results from
// the plot-data file of a run. The file holds, for every problem in order,
// the earth-pressure part, the p-y part and the results block; every read
// failure is raised as EInOutError and leaves what was read in the graphs.
#pragma once

#include "graphics/graph_set.h"

#include <QString>
#include <optional>
#include <vector>

namespace korvex::app {

class TWordReader;

class TPlotDataReader {
public:
    TPlotDataReader(TGraphSet& graphs, const TPlotProject& project) : set_(graphs), project_(project) {}

    void Read(const QString& fileName);

private:
    void ClearGraphs();
    void ReadEarthPressure(int problem);
    void ReadPyCurves();
    void ReadResultsBlock(int problem);
    void ReadResultRows(int problem, int rowCount);
    void NameProblemCurves();
    void EqualiseLengths();

    TGraphSet& set_;
    const TPlotProject& project_;
    TWordReader* words_ = nullptr;
    int units_ = 1;                   // units code of the file, last one read
    std::optional<int> problemCount_;  // from the first results block
};

}  // namespace korvex::app
