// Calls back each time a view becomes the active window: as a top-level
// window, or as the widget of a sub-window of the main window's MDI area
// (which is activated in place of the view itself).
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace korvex::app {

class TActivationWatch : public QObject {
    Q_OBJECT

public:
    TActivationWatch(QWidget* view, std::function<void()> onActivate);

    // Watches the view's current frame as well; called when the view is shown.
    void Attach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* view_;
    std::function<void()> onActivate_;
};

}  // namespace korvex::app
