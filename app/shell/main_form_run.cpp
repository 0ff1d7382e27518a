// The analysis run of the main window, the commands that follow from its
// results (text files, graphs, views) and their enabling.
#include "graphics/plot_project.h"
#include "project/input_check.h"
#include "project/program_data.h"
#include "shell/main_form.h"
#include "shell/run_controller.h"
#include "shell/run_file_list.h"

#include <QFileInfo>

namespace korvex::app {

void TMainForm::CompRunClick() {
    if (!FileSaveClick() || project_->FileName == QLatin1String("NewWall.rw5d")) return;
    if (const std::optional<QString> warning = CheckInput(*project_)) {
        prompts_->Information(*warning);
        return;
    }
    TRunController controller(programFolder_, *prompts_);
    const TRunOutcome outcome = controller.Run(project_->FileName);
    if (outcome == TRunOutcome::NotRun) return;
    resultsAvailable_ = false;
    if (outcome == TRunOutcome::Completed && QFileInfo::exists(ResultFileName(project_->FileName, ".rw5p")))
        LoadResults(true);
    UpdateResultCommands();
    CloseChildWindows();
}

// Builds the graphs from the plot-data file beside the project.
void TMainForm::LoadResults(bool afterRun) {
    resultsAvailable_ =
        graphs_.LoadPlotData(ResultFileName(project_->FileName, ".rw5p"), PlotProjectOf(*project_), afterRun);
}

bool TMainForm::GraphHasCurve(const TGraphPlot& graph) const {
    for (int i = 0; i < graph.CurveCount(kMainCurves); ++i)
        if (graph.Curve(kMainCurves, i).PointCount() > 1) return true;
    return false;
}

void TMainForm::UpdateResultCommands() {
    const QString& name = project_->FileName;
    const bool graphs = resultsAvailable_ && QFileInfo::exists(ResultFileName(name, ".rw5p"));
    const bool windows = static_cast<bool>(factories_.plot);
    const auto graph = [&](const char* action, const TGraphPlot& plot) {
        const bool enabled = graphs && windows && GraphHasCurve(plot);
        actions_[QLatin1String(action)]->setEnabled(enabled);
        return enabled;
    };
    const bool dms = graph("GraphDeflection", graphs_.pltDef) & graph("GraphMoment", graphs_.pltMom) &
                     graph("GraphShear", graphs_.pltShear);
    graph("GraphReaction", graphs_.pltSoil);
    graph("GraphPY", graphs_.pltPY);
    graph("GraphPressure", graphs_.pltLD);
    actions_["GraphDMS"]->setEnabled(dms);
    actions_["GraphCombined"]->setEnabled(graphs && windows);
    actions_["GraphExport"]->setEnabled(graphs && factories_.exportGraphs);
    actions_["CompEditInput"]->setEnabled(QFileInfo::exists(name));
    actions_["CompEditNotes"]->setEnabled(QFileInfo::exists(ResultFileName(name, ".rw5r")));
    actions_["CompEditOutput"]->setEnabled(QFileInfo::exists(ResultFileName(name, ".rw5o")));
    actions_["ToolViewOutput"]->setEnabled(QFileInfo::exists(ResultFileName(name, ".rw5o")));
    actions_["CompViewGeometry"]->setEnabled(graphs && factories_.profile);
    actions_["ToolProfile"]->setEnabled(static_cast<bool>(factories_.profile));
    actions_["Comp3DView"]->setEnabled(static_cast<bool>(factories_.view3d));
    Update3DCommands(View3D());
    UpdateDataMenu();
}

void TMainForm::OpenInEditor(const QString& fileName) {
    if (!OpenInWordProcessor(EditorPath, fileName))
        prompts_->Information(QStringLiteral("An error occurred in running the Word Processor"));
}

void TMainForm::EditInputClick() { OpenInEditor(project_->FileName); }
void TMainForm::EditNotesClick() { OpenInEditor(ResultFileName(project_->FileName, ".rw5r")); }
void TMainForm::EditOutputClick() { OpenInEditor(ResultFileName(project_->FileName, ".rw5o")); }

void TMainForm::ShowGraph(TGraphPlot& graph) {
    // A graph opens maximised in the work area.
    if (factories_.plot) ShowChild(graph.objectName(), [&] { return factories_.plot(graph, nullptr); }, true);
}

void TMainForm::ShowProfile() {
    if (factories_.profile)
        ShowChild(QStringLiteral("Profile"), [this] { return factories_.profile(*project_, nullptr); });
}

void TMainForm::ExportGraphs() {
    // The export positions follow the graph commands: p-y, deflection, shear,
    // moment, net reaction, earth pressure, earth pressure combined.
    static const char* const commands[] = {"GraphPY",       "GraphDeflection", "GraphShear",   "GraphMoment",
                                           "GraphReaction", "GraphPressure",   "GraphCombined"};
    const auto available = [this](int position) {
        return position >= 0 && position < 7 && actions_[QLatin1String(commands[position])]->isEnabled();
    };
    if (factories_.exportGraphs) factories_.exportGraphs(graphs_, available, this);
}

}  // namespace korvex::app
