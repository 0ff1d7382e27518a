// The child windows the main window shows but other layers build: the
// table editors, the graph window and the geometry views. A factory that
// is not set leaves its commands visible but disabled.
#pragma once

#include <functional>

class QWidget;

namespace korvex::app {

class TGridTable;
class TGridTableChart;
class TGraphPlot;
class TGraphSet;
class TProgramData;

struct TWindowFactories {
    std::function<QWidget*(TGridTable&, QWidget*)> table;
    std::function<QWidget*(TGridTableChart&, QWidget*)> chartTable;
    std::function<QWidget*(TGraphPlot&, QWidget*)> plot;
    std::function<QWidget*(TProgramData&, QWidget*)> profile;
    std::function<QWidget*(TProgramData&, QWidget*)> view3d;
    // The staged-construction dialog, modal from the menu, modeless from the tool bar.
    std::function<void(TProgramData&, QWidget*, bool modal)> stagedDialog;
    std::function<void(TGraphSet&, QWidget*)> exportGraphs;
};

// The windows of the layers linked into this program.
TWindowFactories AvailableWindowFactories();

}  // namespace korvex::app
