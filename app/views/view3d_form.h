// T3DForm: the "3-D View" child window. It shows a stretch of the wall of
// 20 panels with the soil, water, loads and supports of the project and,
// once results are loaded, the deflected wall; the mouse and the main
// window's 3-D commands turn, pan and zoom it. It reads the project and
// the loaded deflections and changes neither. The window frees itself when
// closed, together with its deformed-shape controls.
#pragma once

#include "views/camera_drag.h"
#include "views/deformed_shape_form.h"
#include "views/scene_dimensions.h"
#include "views/scene_renderer.h"
#include "views/scene_types.h"
#include "views/view_state.h"

#include <QPointer>
#include <QWidget>
#include <optional>

namespace korvex::app {

class TActivationWatch;
class TGraphSet;
class TglWindow;
class TProgramData;

class T3DForm : public QWidget {
    Q_OBJECT

public:
    T3DForm(TProgramData& project, const TGraphSet& graphs, QWidget* parent = nullptr);
    ~T3DForm() override;

    // The "Show 3DView" switches: each change rebuilds the scene and redraws.
    bool Shows(TSceneGroup group) const { return switches_.Shows(group); }
    void SetShown(TSceneGroup group, bool shown);

    // The 3-D tool buttons.
    void SetMouseMode(TMouseMode mode) { mode_ = mode; }
    TMouseMode MouseMode() const { return mode_; }
    void SetZoomWindow(bool on) { zoomWindow_ = on; }
    void ZoomIn();
    void ZoomOut();
    void RestartView();

    // Whether deflection results are loaded, which enables "Deformed Shape".
    bool HasDeflections() const;
    // "Deformed Shape": opens the deformed-shape controls or brings them forward.
    void DeformedShapeClick();
    TDeformedShapeForm* DeformedShapeForm() const { return deformedForm_; }

    const TDeformedShape& Deformed() const { return deformed_; }
    void SetShowDeformed(bool on);
    void SetShowUndeformed(bool on);
    void SetDeformationFactor(double factor);

    // The first activation takes the scene dimensions; later ones redraw.
    void Activate();
    const TSceneDimensions& Dimensions() const { return dims_; }
    const TScene& Scene() const { return scene_; }
    const TCamera& Camera() const { return camera_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void MouseDown(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void MouseUp(QMouseEvent* event);
    void ReportFailure(const QString& message);

private:
    void Rebuild();
    void Overlay(QPainter& painter) const;

    TProgramData& project_;
    const TGraphSet& graphs_;
    std::optional<TSceneDimensions> measured_;
    TSceneDimensions dims_;
    TSceneSwitches switches_;
    TDeformedShape deformed_;
    TCamera camera_;
    TMouseMode mode_ = TMouseMode::None;
    bool zoomWindow_ = false;
    std::optional<TCameraDrag> drag_;
    QPoint pointer_;
    TScene scene_;
    TSceneRenderer renderer_;
    TglWindow* surface_;
    TActivationWatch* watch_;
    QPointer<TDeformedShapeForm> deformedForm_;
};

}  // namespace korvex::app
