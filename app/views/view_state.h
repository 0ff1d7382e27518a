// What the 3-D view shows and how it looks at it: the object switches, the
// deformed-shape settings, and the camera (angles, zoom, fit and pan).
#pragma once

#include "views/scene_types.h"

#include <array>

namespace korvex::app {

struct TSceneSwitches {
    std::array<bool, kSceneGroupCount> on{true, true, true, true, true, true, true, true, true};

    bool Shows(TSceneGroup group) const { return on[static_cast<int>(group)]; }
    void Set(TSceneGroup group, bool shown) { on[static_cast<int>(group)] = shown; }
};

struct TDeformedShape {
    bool showDeformed = false;
    bool showUndeformed = false;
    double factor = 1;
};

enum class TMouseMode : int { None = 0, Panning = 1, Zooming = 2, Rotating = 3, ZoomWindow = 4 };

struct TCamera {
    double a1 = 0, a2 = 0, a3 = 0;  // degrees about x, y and z
    double zoom = 1;                // Z
    double fit = 1;                 // F
    double px = 0, py = 0, pz = 0;  // pan

    // "Restart View": no turn, no zoom, no pan.
    void Restart() {
        a1 = a2 = a3 = 0;
        zoom = 1;
        px = py = pz = 0;
    }
};

}  // namespace korvex::app
