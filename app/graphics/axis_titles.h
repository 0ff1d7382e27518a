// Axis titles of the result graphs in the unit system of the run, and the
// run's unit system for the unit labels of every graph.
#pragma once

namespace korvex::app {

class TGraphSet;

void ApplyAxisTitles(TGraphSet& graphs, int units);

}  // namespace korvex::app
