#include "graphics/plot_data_reader.h"

#include "framework/errors.h"
#include "framework/unit_tokens.h"
#include "framework/word_reader.h"
#include "graphics/axis_titles.h"
#include "graphics/wall_overlay.h"

namespace korvex::app {

namespace {

// A run has one problem, a short-term and a long-term problem, or up to
// five construction stages.
constexpr int kMaxProblems = 5;

constexpr long double kInchesPerFoot = 12;
constexpr long double kUnitsPerKilo = 1000;

// Sets point j of a curve, growing the list as points arrive: the counts in
// the file only bound the reading, so a damaged count cannot reserve more
// than the file holds.
void Put(TGraphPlot& graph, int list, int curve, int j, TFloatPoint point) {
    if (j >= graph.PointCount(list)) graph.SetPointCount(list, j + 1);
    graph.Point(list, curve, j) = point;
}

// Every curve of the list that was filled with fewer points than the list
// holds ends on repeats of its own last point.
void RepeatLastPoints(TGraphPlot& graph, int list, const std::vector<int>& filled) {
    for (int i = 0; i < graph.CurveCount(list) && i < static_cast<int>(filled.size()); ++i)
        graph.Curve(list, i).RepeatLastFilled(filled[i]);
}

[[noreturn]] void FailInvalid() { throw EInOutError(QStringLiteral("This file either invalid or incomplete.")); }

}  // namespace

void TPlotDataReader::Read(const QString& fileName) {
    ClearGraphs();
    TWordReader words(fileName);
    words_ = &words;
    set_.pltInter.SetCurveCount(kMainCurves, 1);
    for (int problem = 0; problem < problemCount_.value_or(1); ++problem) {
        set_.Results().emplace_back();
        ReadEarthPressure(problem);
        ReadPyCurves();
        ReadResultsBlock(problem);
        if (problem == 0) BuildWallOverlay(set_.pltDMS, project_);
    }
    NameProblemCurves();
    EqualiseLengths();
    ApplyAxisTitles(set_, units_);
}

// A new reading starts from empty graphs and results, so that nothing of an
// earlier run (curves, names, overlay lines, panels) survives into this one.
void TPlotDataReader::ClearGraphs() {
    for (TGraphPlot* graph : set_.Graphs())
        for (int list = 0; list < kCurveListCount; ++list) graph->SetCurveCount(list, 0);
    set_.pltDMS.WallLineCount = 0;
    set_.Results().clear();
}

// The earth-pressure rows of one problem: its curve of the distribution
// graph, and the total with its parts from soil and from surcharge in the
// combined graph, which shows the last problem read. Followed by the units
// code of the run, which decides the depth scaling of the curve just read.
void TPlotDataReader::ReadEarthPressure(int problem) {
    TGraphPlot& distribution = set_.pltLD;
    TGraphPlot& combined = set_.PltCombine;
    distribution.SetCurveCount(kMainCurves, problemCount_.value_or(1));
    combined.SetCurveCount(kMainCurves, 3);
    combined.SetPointCount(kMainCurves, 0);
    combined.Curve(kMainCurves, 0).Name = QStringLiteral("Total Earth Pressure");
    combined.Curve(kMainCurves, 1).Name = QStringLiteral("from Soils ");
    combined.Curve(kMainCurves, 2).Name = QStringLiteral("from Surcharge Loads");
    const long double combinedScale = project_.Units == kEnglish ? kInchesPerFoot : 1;
    auto& rows = set_.Results()[problem].EarthPressure;
    const int rowCount = words_->ReadInteger();
    for (int j = 0; j < rowCount; ++j) {
        TEarthPressureRow row;
        row.Depth = words_->ReadFloat();
        row.Total = words_->ReadFloat();
        row.FromSoil = words_->ReadFloat();
        row.FromSurcharge = words_->ReadFloat();
        Put(distribution, kMainCurves, problem, j, {row.Total, row.Depth});
        row.Depth /= combinedScale;
        Put(combined, kMainCurves, 0, j, {row.Total, row.Depth});
        Put(combined, kMainCurves, 1, j, {row.FromSoil, row.Depth});
        Put(combined, kMainCurves, 2, j, {row.FromSurcharge, row.Depth});
        rows.push_back(row);
    }
    units_ = words_->ReadInteger();
    if (units_ != kEnglish) return;
    for (int j = 0; j < static_cast<int>(rows.size()); ++j)
        distribution.Point(kMainCurves, problem, j).Y /= kInchesPerFoot;
}

// The p-y curves of a problem replace those of the one before. Each curve
// keeps its own points; the shorter ones are extended by their last point.
void TPlotDataReader::ReadPyCurves() {
    TGraphPlot& py = set_.pltPY;
    py.SetCurveCount(kMainCurves, 0);
    std::vector<int> filled;
    const int curveCount = words_->ReadInteger();
    for (int i = 0; i < curveCount; ++i) {
        const long double number = words_->ReadFloat();
        const int pointCount = words_->ReadInteger();
        py.SetCurveCount(kMainCurves, i + 1);
        py.Curve(kMainCurves, i).Number = number;
        filled.push_back(0);
        for (int j = 0; j < pointCount; ++j) {
            const long double y = words_->ReadFloat();
            const long double p = words_->ReadFloat();
            Put(py, kMainCurves, i, j, {y, p});
            ++filled.back();
        }
    }
    RepeatLastPoints(py, kMainCurves, filled);
}

// The results block: the problem count of the run, the row count and the
// units code of the block, then one row per station.
void TPlotDataReader::ReadResultsBlock(int problem) {
    const int problems = words_->ReadInteger();
    if (problems < 1 || problems > kMaxProblems || problems != problemCount_.value_or(problems)) FailInvalid();
    problemCount_ = problems;
    const int rowCount = words_->ReadInteger();
    words_->ReadInteger();  // the block's units code; the p-y part's code governs
    for (TGraphPlot* graph : set_.DepthGraphs()) graph->SetCurveCount(kMainCurves, problems);
    for (int list : {kMainCurves, kSecondPanel, kThirdPanel}) set_.pltDMS.SetCurveCount(list, problems);
    set_.pltDMS.ShowThree = true;
    ReadResultRows(problem, rowCount);
}

// English runs are written in inches and pounds; the graphs show depth in
// ft, moment in in-kips and shear in kips. Deflection and reaction stay.
void TPlotDataReader::ReadResultRows(int problem, int rowCount) {
    const bool english = units_ == kEnglish;
    auto& rows = set_.Results()[problem].Rows;
    for (int j = 0; j < rowCount; ++j) {
        TResultRow row;
        row.Depth = words_->ReadFloat() / (english ? kInchesPerFoot : 1);
        row.Deflection = words_->ReadFloat();
        row.Moment = words_->ReadFloat() / (english ? kUnitsPerKilo : 1);
        row.Shear = words_->ReadFloat() / (english ? kUnitsPerKilo : 1);
        row.Reaction = words_->ReadFloat();
        Put(set_.pltDef, kMainCurves, problem, j, {row.Deflection, row.Depth});
        Put(set_.pltMom, kMainCurves, problem, j, {row.Moment, row.Depth});
        Put(set_.pltShear, kMainCurves, problem, j, {row.Shear, row.Depth});
        Put(set_.pltSoil, kMainCurves, problem, j, {row.Reaction, row.Depth});
        Put(set_.pltDMS, kMainCurves, problem, j, {row.Deflection, row.Depth});
        Put(set_.pltDMS, kSecondPanel, problem, j, {row.Moment, row.Depth});
        Put(set_.pltDMS, kThirdPanel, problem, j, {row.Shear, row.Depth});
        rows.push_back(row);
    }
}

void TPlotDataReader::NameProblemCurves() {
    const int problems = problemCount_.value_or(1);
    if (problems < 2) return;
    auto name = [&](int i) {
        if (project_.LongTerm && i < 2) return i == 0 ? QStringLiteral("Short-Term") : QStringLiteral("Long-Term");
        return QStringLiteral("Stage: %1").arg(i + 1);
    };
    for (TGraphPlot* graph : set_.DepthGraphs())
        for (int i = 0; i < problems; ++i) graph->Curve(kMainCurves, i).Name = name(i);
    for (int list : {kMainCurves, kSecondPanel, kThirdPanel})
        for (int i = 0; i < problems; ++i) set_.pltDMS.Curve(list, i).Name = name(i);
}

void TPlotDataReader::EqualiseLengths() {
    std::vector<int> pressureRows, resultRows;
    for (const TProblemResults& results : set_.Results()) {
        pressureRows.push_back(static_cast<int>(results.EarthPressure.size()));
        resultRows.push_back(static_cast<int>(results.Rows.size()));
    }
    RepeatLastPoints(set_.pltLD, kMainCurves, pressureRows);
    for (TGraphPlot* graph : set_.DepthGraphs()) RepeatLastPoints(*graph, kMainCurves, resultRows);
    for (int list : {kMainCurves, kSecondPanel, kThirdPanel}) RepeatLastPoints(set_.pltDMS, list, resultRows);
}

}  // namespace korvex::app
