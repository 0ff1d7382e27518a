#include "views/scene_types.h"

#include <algorithm>

namespace korvex::app {

std::vector<const TSolid*> TScene::SolidsOf(TSceneGroup group) const {
    std::vector<const TSolid*> found;
    for (const TSolid& solid : solids)
        if (solid.group == group) found.push_back(&solid);
    return found;
}

int TScene::LineCount(TSceneGroup group) const {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [group](const TSceneLine& line) { return line.group == group; }));
}

}  // namespace korvex::app
