#include "views/factor_step.h"

#include <cmath>

namespace korvex::app {

namespace {
// Guards the truncations against quotients that fall just short of a digit.
constexpr long double kDigitTolerance = 1e-9L;
}

long double NextRoundFactor(long double factor, bool up) {
    const long double s = factor > 0.1L && factor < 1 ? 10 : 1;
    const long double scaled = factor * s;
    if (scaled <= 0) return 1;
    const long double t = std::trunc(std::log10(scaled) + (scaled >= 1 ? kDigitTolerance : 0));
    const long double e = t < 0 ? t - 1 : t;
    const long double g = std::pow(10.0L, e);
    const long double leading = std::trunc(scaled / g + kDigitTolerance);
    long double m;
    if (up)
        m = leading == 10 ? 20 : leading + 1;
    else
        m = leading == 1 ? 0.9L : leading - 1;
    return g * m / s;
}

}  // namespace korvex::app
