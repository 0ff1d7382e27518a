// The soil models, one per soil type; the frame obtains them through makeSoilModel.
#pragma once

#include "py_curves/soil_model.h"

namespace korvex::py {

std::unique_ptr<SoilModel> makeSoftClay();
std::unique_ptr<SoilModel> makeStiffClayWithFreeWater();
std::unique_ptr<SoilModel> makeStiffClayWithoutFreeWater();
std::unique_ptr<SoilModel> makeSand();
std::unique_ptr<SoilModel> makeSilt();
std::unique_ptr<SoilModel> makeStrongRock();
std::unique_ptr<SoilModel> makeWeakRock();

}  // namespace korvex::py
