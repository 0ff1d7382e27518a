#include "py_curves/soil_models.h"

namespace korvex::py {

std::unique_ptr<SoilModel> makeSoilModel(int type) {
    switch (type) {
    case 2: return makeStiffClayWithFreeWater();
    case 3: return makeStiffClayWithoutFreeWater();
    case 4: return makeSand();
    default: return makeSoftClay();
    }
}

}  // namespace korvex::py
