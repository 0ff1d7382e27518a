#include "shell/window_factories.h"

namespace korvex::app {

// Each window layer enables its commands here with one assignment, for
// instance: factories.table = [](TGridTable& t, QWidget* p) { return new TTableForm(t, p); };
TWindowFactories AvailableWindowFactories() {
    TWindowFactories factories;
    return factories;
}

}  // namespace korvex::app
