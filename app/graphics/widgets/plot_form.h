// TPlotForm: the graph window of one result graph. It shows the graph on a
// drawing surface with its legend, offers the "&Plot" menu (legend, soil
// layers, wall, markers, font size, line width, title, curve names, listed
// curves, printing, page setup, saving as a bitmap, and one item per listed
// curve), and shows the values under the mouse in its title. It is a plain
// widget meant to be the child of the main window's MDI area; it frees
// itself when closed.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QPrinter;

namespace korvex::app {

class TGraphPlot;
class TPlotCanvas;

class TPlotForm : public QWidget {
    Q_OBJECT

public:
    explicit TPlotForm(TGraphPlot& plot, QWidget* parent = nullptr);
    ~TPlotForm() override;

    TGraphPlot& Graph() const { return graph_; }
    TPlotCanvas* Canvas() const { return canvas_; }
    QMenu* PlotMenu() const { return plotMenu_; }

    // Draws the graph with its legend box into a new bitmap of `size`
    // pixels and writes it as a .bmp file; shows the reason and returns
    // false when the bitmap cannot be made or written.
    bool SaveBitmap(const QString& fileName, QSize size);

    // Commands of the "&Plot" menu that open dialogs or the platform's.
    void PlotCaptionClick();
    void mLineNameClick();
    void ActiveGraphsClick();
    void PlotSaveClick();
    void PlotPrintClick();
    void PageSetupClick();

    // The display names of every curve of the main list, in curve order.
    QStringList CurveNames() const;
    // Applies a names list (one per curve) as the curves' own names.
    void ApplyCurveNames(const QStringList& names);
    // Applies a status list (one per curve): listed exactly when " yes : ".
    void ApplyCurveStatus(const QStringList& status);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenu();
    void AddChoiceMenu(const QString& title, const std::vector<std::pair<QString, int>>& choices, int& setting, bool relayout);
    void RebuildCurveItems();
    void LayOutAgain();
    void UpdateLayerItems();
    QPrinter& Printer();

    TGraphPlot& graph_;
    TPlotCanvas* canvas_;
    QMenu* plotMenu_;
    QAction* showLayers_ = nullptr;
    QAction* showWall_ = nullptr;
    std::vector<QAction*> curveItems_;
    std::unique_ptr<QPrinter> printer_;
    bool shownBefore_ = false;
};

}  // namespace korvex::app
