#include "shell/window_factories.h"

#include "framework/widgets/table_form.h"
#include "framework/widgets/table_windows.h"
#include "graphics/widgets/export_dialog.h"
#include "graphics/widgets/plot_form.h"
#include "shell/staged_dialog.h"
#include "views/profile_form.h"
#include "views/view3d_form.h"

namespace korvex::app {

// Each window layer enables its commands here with one assignment.
TWindowFactories AvailableWindowFactories() {
    TWindowFactories factories;
    factories.table = [](TGridTable& table, QWidget*) { return CreateTableForm(table).release(); };
    factories.plot = [](TGraphPlot& graph, QWidget* parent) { return new TPlotForm(graph, parent); };
    factories.profile = [](TProgramData& project, QWidget* parent) { return new TProfileForm(project, parent); };
    factories.view3d = [](TProgramData& project, const TGraphSet& graphs, QWidget* parent) {
        return new T3DForm(project, graphs, parent);
    };
    factories.stagedDialog = ShowStagedDialog;
    factories.exportGraphs = [](TGraphSet& graphs, std::function<bool(int)> available, QWidget* parent) {
        TDlgExport(graphs, std::move(available), parent).exec();
    };
    return factories;
}

}  // namespace korvex::app
