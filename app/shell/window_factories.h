// The child windows the main window shows but other layers build: the
// table editors, the graph window, the geometry views and the dialogs of
// construction stages and of the export to a spreadsheet. A factory that is
// not set leaves its commands visible but disabled.
#pragma once

#include <functional>

class QWidget;

namespace korvex::app {

class TGridTable;
class TGraphPlot;
class TGraphSet;
class TProgramData;

struct TWindowFactories {
    // The editor of a table, of its family's kind (curve tables with their chart).
    std::function<QWidget*(TGridTable&, QWidget*)> table;
    std::function<QWidget*(TGraphPlot&, QWidget*)> plot;
    std::function<QWidget*(TProgramData&, QWidget*)> profile;
    std::function<QWidget*(TProgramData&, const TGraphSet&, QWidget*)> view3d;
    // The staged-construction dialog, modal from the menu, modeless from the
    // tool bar; OK hands the chosen number of stages to `apply`.
    std::function<void(const TProgramData&, QWidget*, bool modal, std::function<void(int)> apply)> stagedDialog;
    // The export of graphs; the graph at an export position is offered when available.
    std::function<void(TGraphSet&, std::function<bool(int)> available, QWidget*)> exportGraphs;
};

// The windows of the layers linked into this program.
TWindowFactories AvailableWindowFactories();

}  // namespace korvex::app
