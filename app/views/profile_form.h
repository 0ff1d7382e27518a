// TProfileForm: the "Side View" child window, a flat sketch of the wall and
// soil as currently entered in the project's tables, with its "Print"
// button. It reads the project each time it paints and changes nothing.
// The window frees itself when closed.
#pragma once

#include "views/profile_geometry.h"
#include "views/profile_painter.h"

#include <QWidget>

class QLabel;
class QPrinter;

namespace korvex::app {

class TActivationWatch;
class TGraphSet;
class TProfileCanvas;
class TProgramData;

class TProfileForm : public QWidget {
    Q_OBJECT

public:
    explicit TProfileForm(TProgramData& project, QWidget* parent = nullptr);

    // The loaded results, whose earth-pressure rows decide whether the
    // external p-y marks are shown; none by default.
    void SetGraphs(const TGraphSet* graphs);

    // Takes the outline list and world window from the project again and
    // repaints; done each time the window becomes active.
    void Activate();

    // Draws the sketch on a landscape page of the printer.
    void PrintOn(QPrinter& printer) const;

    const TProfileGeometry& Geometry() const { return geometry_; }
    TProfileCanvas* Canvas() const { return canvas_; }

private slots:
    void PrintClick();
    void ShowDepth(long double depth);

private:
    TProfileResults Results() const;

    TProgramData& project_;
    const TGraphSet* graphs_ = nullptr;
    TProfileGeometry geometry_;
    QLabel* title_;
    TProfileCanvas* canvas_;
    TActivationWatch* watch_;
};

}  // namespace korvex::app
