#include "earth_pressure/soil_profile.h"

#include <cmath>
#include <utility>

namespace korvex::earth_pressure {

namespace {

bool sameDepth(double a, double b) { return std::fabs(a - b) < kDepthTolerance; }

}  // namespace

std::vector<WorkingLayer> inputLayers(const ProblemInput& input) {
    std::vector<WorkingLayer> layers;
    double previousBottom = 0.0;
    for (const SoilLayer& soil : input.soil.layers) {
        WorkingLayer layer;
        layer.type = soil.type;
        layer.thickness = soil.bottom - previousBottom;
        layer.gamma = soil.top[0];
        layer.strength = soil.top[1];
        layer.phi = soil.top[2];
        const bool rock = soil.type == 6 || soil.type == 7;
        layer.optionalK = rock ? 0.0 : soil.top[5];
        layer.drained = soil.type >= 4;
        layers.push_back(layer);
        previousBottom = soil.bottom;
    }
    return layers;
}

std::vector<double> breakDepths(double freeHeight, double waterTable) {
    // Three slots H, zwb, H sorted by pairwise exchange; coinciding slots
    // count once, so the distinct depths are H and zwb.
    double slot[3] = {freeHeight, waterTable, freeHeight};
    auto order = [&](int a, int b) {
        if (slot[a] > slot[b]) std::swap(slot[a], slot[b]);
    };
    order(0, 1);
    order(0, 2);
    order(1, 2);
    int count = 3;
    const bool firstPair = sameDepth(slot[0], slot[1]);
    const bool secondPair = sameDepth(slot[1], slot[2]);
    if (firstPair) --count;
    if (secondPair) --count;
    if (firstPair) slot[1] = slot[2];

    std::vector<double> breaks;
    for (int k = 0; k < count; ++k) {
        // A break at the surface cuts nothing; one above it (a water table
        // above the ground) would cut a negative thickness, so it is left out too.
        if (slot[k] < kDepthTolerance) continue;
        breaks.push_back(slot[k]);
    }
    return breaks;
}

SoilProfile subdivide(const std::vector<WorkingLayer>& input, double freeHeight, double waterTable, double m,
                      int capacity) {
    SoilProfile profile;
    const std::vector<double> breaks = breakDepths(freeHeight, waterTable);
    const WorkingLayer endMarker;  // thickness -1, drained, no strength, phi or weight
    size_t k = 0;                  // next break
    double ztop = 0.0;
    for (size_t j = 0;; ++j) {
        WorkingLayer layer = j < input.size() ? input[j] : endMarker;
        layer.ztop = ztop;
        layer.m = m;
        // Every record of the table is taken, the end of the list included
        // (its record is the top of the virtual layer below the profile).
        if (static_cast<int>(profile.layers.size()) >= capacity) {
            profile.overflow = true;
            break;
        }
        if (!(layer.thickness > 0.0)) break;
        profile.layers.push_back(layer);
        const double zbot = layer.ztop + layer.thickness;
        while (k < breaks.size()) {
            const double b = breaks[k];
            if (sameDepth(zbot, b)) {  // the layer already ends at the break
                ++k;
                continue;
            }
            if (zbot <= b) break;  // the break lies in a later layer
            // The break lies inside the layer: the upper part keeps the layer's
            // place, the lower part is a new layer with the same properties.
            WorkingLayer lower = profile.layers.back();
            profile.layers.back().thickness = b - profile.layers.back().ztop;
            if (static_cast<int>(profile.layers.size()) >= capacity) {
                profile.overflow = true;
                break;
            }
            lower.thickness = zbot - b;
            lower.ztop = b;
            profile.layers.push_back(lower);
            ++k;
        }
        if (profile.overflow) break;
        ztop = zbot;
    }

    const int n = static_cast<int>(profile.layers.size());
    profile.bottom = n > 0 ? profile.layers.back().bottom() : 0.0;
    for (int i = 0; i < n; ++i) {
        if (sameDepth(profile.layers[i].ztop, freeHeight)) profile.excavationLayer = i;
        if (sameDepth(profile.layers[i].ztop, waterTable)) profile.waterTableLayer = i;
    }
    return profile;
}

double computeOverburden(SoilProfile& profile, double q, double waterTable, double gammaW) {
    auto& layers = profile.layers;
    for (size_t i = 0; i < layers.size(); ++i)
        layers[i].overburden = i == 0 ? q : layers[i - 1].overburden + layers[i - 1].thickness * layers[i - 1].gamma;
    for (WorkingLayer& layer : layers) {
        layer.belowWater = layer.ztop > waterTable || sameDepth(layer.ztop, waterTable);
        if (layer.belowWater) layer.overburden -= (layer.ztop - waterTable) * gammaW;
    }
    return profile.excavationLayer >= 0 ? layers[profile.excavationLayer].overburden : 0.0;
}

void useTotalStressWithUserCoefficient(SoilProfile& profile, double waterTable, double gammaW) {
    for (WorkingLayer& layer : profile.layers)
        if (layer.optionalK > kOptionalCoefficientGiven && !layer.drained && layer.belowWater)
            layer.overburden += (layer.ztop - waterTable) * gammaW;
}

int firstWaterLayer(const SoilProfile& profile) {
    if (profile.waterTableLayer >= 0) return profile.waterTableLayer;
    // A water table above the ground surface has no layer top: the water
    // then starts with the first layer.
    for (size_t i = 0; i < profile.layers.size(); ++i)
        if (profile.layers[i].belowWater) return static_cast<int>(i);
    return -1;
}

bool computeWaterPressures(SoilProfile& profile, double waterTable, double gammaW) {
    const int first = firstWaterLayer(profile);
    const int last = profile.layersAboveExcavation();  // one past the last layer of the range
    if (first < 0 || first >= last) return false;
    for (int i = first; i < last; ++i) {
        WorkingLayer& layer = profile.layers[i];
        if (!layer.drained || !layer.belowWater) continue;
        const double t = layer.thickness;
        layer.pw1 = (layer.ztop - waterTable) * gammaW * t * layer.m;
        layer.zw1 = layer.ztop + t / 2.0;
        layer.pw2 = 0.5 * gammaW * (t * t) * layer.m;
        layer.zw2 = layer.ztop + 2.0 * t / 3.0;
    }
    return true;
}

}  // namespace korvex::earth_pressure
