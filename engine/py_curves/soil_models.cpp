#include "py_curves/soil_models.h"

namespace korvex::py {

std::unique_ptr<SoilModel> makeSoilModel(int type) {
    switch (type) {
    case 2: return makeStiffClayWithFreeWater();
    case 3: return makeStiffClayWithoutFreeWater();
    case 4: return makeSand();
    case 5: return makeSilt();
    case 6: return makeStrongRock();
    case 7: return makeWeakRock();
    default: return makeSoftClay();
    }
}

}  // namespace korvex::py
