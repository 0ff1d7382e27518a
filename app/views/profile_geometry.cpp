#include "views/profile_geometry.h"

#include "framework/unit_tokens.h"
#include "project/program_data.h"

#include <algorithm>

namespace korvex::app {

namespace {

constexpr long double kInchesPerFoot = 12;
constexpr long double kMargin = 1.05L;

TOutline WallRectangle(const TProgramData& project) {
    const long double a = project.FreeHeight / 40;
    const long double top = DrawingOffset(project);
    const long double bottom = top + WallLength(project);
    return {{{-a, top}, {a, top}, {a, bottom}, {-a, bottom}}};
}

TWorldWindow Enclosing(const std::vector<TOutline>& outlines) {
    TWorldWindow box{0, 0, 0, 0};
    for (const TOutline& outline : outlines)
        for (const TWorldPoint& p : outline) {
            box.xmin = std::min(box.xmin, p.x);
            box.xmax = std::max(box.xmax, p.x);
            box.ymin = std::min(box.ymin, p.y);
            box.ymax = std::max(box.ymax, p.y);
        }
    return {box.xmin * kMargin, box.xmax * kMargin, box.ymin * kMargin, box.ymax * kMargin};
}

}  // namespace

long double WallLength(const TProgramData& project) { return project.Increments * project.IncrementLength; }

long double DrawingOffset(const TProgramData& project) { return 0.1L * WallLength(project); }

long double NodeY(const TProgramData& project, int node) {
    return node * project.IncrementLength + DrawingOffset(project);
}

long double LayerDepthY(const TProgramData& project, long double depth) {
    const long double scale = project.Units == kEnglish ? kInchesPerFoot : 1;
    return depth * scale + DrawingOffset(project);
}

TProfileGeometry BuildProfileGeometry(const TProgramData& project) {
    TProfileGeometry geometry;
    geometry.wallLength = WallLength(project);
    geometry.offset = DrawingOffset(project);
    if (project.Tables().PileSect().RowCount() >= 1) geometry.outlines.push_back(WallRectangle(project));
    if (!geometry.outlines.empty()) geometry.world = Enclosing(geometry.outlines);
    return geometry;
}

}  // namespace korvex::app
