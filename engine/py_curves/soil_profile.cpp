#include "py_curves/soil_profile.h"

#include "py_curves/py_constants.h"

namespace korvex::py {
namespace {

// Property columns of a LAYERS entry that the strength table carries: c, phi, E50, coefficient.
constexpr std::array<size_t, 4> kStrengthColumns{1, 2, 3, 5};

std::array<double, 4> strengthValues(const std::array<double, 6>& layerValues) {
    std::array<double, 4> v{};
    for (size_t i = 0; i < v.size(); ++i) v[i] = layerValues[kStrengthColumns[i]];
    return v;
}

class ProfileBuilder {
public:
    explicit ProfileBuilder(const ProfileFrame& frame) : frame_(frame) {}

    // Adds the part of an input layer that lies below the excavation; returns
    // false when the profile is complete.
    bool add(const SoilLayer& layer, double previousBottom) {
        const bool first = profile_.layers.empty();
        const double thickness = first ? layer.bottom - frame_.freeHeight : layer.bottom - previousBottom;
        // A layer whose bottom does not lie below the one above ends the layer list.
        if (!first && thickness <= 0.0) return false;
        ProfileLayer p;
        p.type = layer.type;
        p.top = first ? 0.0 : profile_.layers.back().bottom;
        p.bottom = p.top + thickness;
        p.kpy = layer.top[4];
        // Nothing of a layer that starts at or below the cut resists the wall.
        if (p.top >= frame_.tipCut) return false;
        addUnitWeights(p, layer.top[0]);
        const bool cut = addStrengths(p, layer);
        profile_.layers.push_back(p);
        return !cut;
    }

    SoilProfile finish() {
        appendSubmergedTail();
        for (StrengthPoint& s : profile_.strength) s.values[1] = s.values[1] * kPi / 180.0;
        return std::move(profile_);
    }

private:
    const ProfileFrame& frame_;
    SoilProfile profile_;

    bool belowWater(double x) const { return frame_.freeHeight + x > frame_.waterTable; }

    void addUnitWeights(const ProfileLayer& p, double gamma) {
        const double submerged = gamma - frame_.waterUnitWeight;
        std::vector<UnitWeightPoint>& uw = profile_.unitWeight;
        UnitWeightPoint top{p.top, belowWater(p.top) ? submerged : gamma};
        if (!uw.empty()) {
            // The water table at a layer boundary: the step lies at the boundary.
            const bool atWater = frame_.freeHeight + p.top == frame_.waterTable &&
                                 frame_.freeHeight + uw.back().x == frame_.waterTable;
            if (atWater) top.gamma = submerged;
            if (top.x <= uw.back().x) top.x = uw.back().x;
        }
        UnitWeightPoint bottom{p.bottom, belowWater(p.bottom) ? submerged : gamma};
        const double h = frame_.freeHeight;
        if (h + p.top < frame_.waterTable && frame_.waterTable < h + p.bottom)
            bottom = {frame_.waterTable - h, gamma};
        uw.push_back(top);
        uw.push_back(bottom);
    }

    // Returns true when the layer reaches below the cut at the wall tip.
    bool addStrengths(ProfileLayer& p, const SoilLayer& layer) {
        StrengthPoint top{p.top, strengthValues(layer.top)};
        StrengthPoint bottom{p.bottom, strengthValues(layer.bottomValues)};
        const bool cut = p.bottom > frame_.tipCut;
        if (cut) {
            const double reach = frame_.tipCut - p.top;
            const double thickness = p.bottom - p.top;
            for (size_t i = 0; i < bottom.values.size(); ++i)
                bottom.values[i] = top.values[i] + (bottom.values[i] - top.values[i]) * reach / thickness;
            p.bottom = frame_.tipCut;
            bottom.x = frame_.tipCut;
        }
        profile_.strength.push_back(top);
        profile_.strength.push_back(bottom);
        return cut;
    }

    // The water table inside the last layer: the submerged weight continues
    // from the water table down to the bottom of the strength table.
    void appendSubmergedTail() {
        std::vector<UnitWeightPoint>& uw = profile_.unitWeight;
        if (uw.empty() || uw.back().x >= profile_.strength.back().x) return;
        const double submerged = uw.back().gamma - frame_.waterUnitWeight;
        const double waterX = uw.back().x;
        uw.push_back({waterX, submerged});
        uw.push_back({profile_.strength.back().x, submerged});
    }
};

}  // namespace

SoilProfile buildSoilProfile(const std::vector<SoilLayer>& layers, const ProfileFrame& frame) {
    ProfileBuilder builder(frame);
    bool started = false;
    double previousBottom = 0.0;
    for (const SoilLayer& layer : layers) {
        if (!started && layer.bottom <= frame.freeHeight) {
            previousBottom = layer.bottom;
            continue;
        }
        started = true;
        if (!builder.add(layer, previousBottom)) break;
        previousBottom = layer.bottom;
    }
    return builder.finish();
}

std::array<double, 5> curveDepths(const ProfileLayer& layer, double offset) {
    const double t = layer.top;
    const double b = layer.bottom;
    return {t + offset, t + 0.25 * (b - t), t + 0.5 * (b - t), t + 0.75 * (b - t), b - offset};
}

}  // namespace korvex::py
