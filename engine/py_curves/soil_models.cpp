#include "py_curves/soil_models.h"

namespace korvex::py {

std::unique_ptr<SoilModel> makeSoilModel(int type) {
    switch (type) {
    default: return makeSoftClay();
    }
}

}  // namespace korvex::py
