// The project's name as the window caption and messages show it.
#pragma once

#include <QString>

namespace korvex::app {

// The file name without its folder; an extension ".rwd" (any case) is
// dropped, and a name of more than one character starts with a capital.
QString DisplayName(const QString& fileName);

}  // namespace korvex::app
