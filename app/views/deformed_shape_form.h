// TDeformedShapeForm: the small "Deformed Shape" window of the 3-D view. It
// switches the deflected wall and the outline of the straight wall on and
// off and sets the exaggeration factor, by typing or by stepping to the
// next round value. It belongs to the view and goes away with it.
#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace korvex::app {

class T3DForm;

class TDeformedShapeForm : public QWidget {
    Q_OBJECT

public:
    explicit TDeformedShapeForm(T3DForm& view);

    // Takes the view's switches and factor; done each time the window becomes active.
    void Activate();

    QCheckBox* ShowDeformed() const { return showDeformed_; }
    QCheckBox* ShowUndeformed() const { return showUndeformed_; }
    QLineEdit* FactorEdit() const { return factor_; }
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

private slots:
    void ShowDeformedClick();
    void ShowUndeformedClick();
    void FactorChange(const QString& text);
    void Step(bool up);

private:
    void ApplyEnabling();

    T3DForm& view_;
    long double working_ = 1;
    QCheckBox* showDeformed_;
    QCheckBox* showUndeformed_;
    QLineEdit* factor_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace korvex::app
