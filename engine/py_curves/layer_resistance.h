// Running integral of the ultimate resistance over a layer's curve depths
// (excavation side), from which deeper layers take their equivalent depth.
#pragma once

namespace korvex::py {

class LayerResistance {
public:
    // Adds the trapezoid from the previous curve to this one, scaled by factor;
    // the first curve of the layer adds nothing.
    void addTrapezoid(double x, double pu, double factor = 1.0) {
        if (started_) total_ += (x - x_) * (pu + pu_) / 2.0 * factor;
        mark(x, pu);
    }
    // Adds pu times the distance to the previous curve.
    void addRectangle(double x, double pu) {
        if (started_) total_ += pu * (x - x_);
        mark(x, pu);
    }
    // Below the last curve: pu down to the bottom of the layer.
    void addTail(double bottom) { total_ += (bottom - x_) * pu_; }

    double total() const { return total_; }

private:
    void mark(double x, double pu) {
        started_ = true;
        x_ = x;
        pu_ = pu;
    }
    bool started_ = false;
    double x_ = 0;
    double pu_ = 0;
    double total_ = 0;
};

}  // namespace korvex::py
