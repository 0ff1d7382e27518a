// Resistance of a frictional soil shared by the sand and silt models: the
// wedge and flow-around resistances, the Coulomb passive coefficient of a
// continuous wall, the empirical factors A and B, the deflections of the
// four-part curve and the stepped equivalent depth.
#pragma once

#include <array>
#include <functional>

namespace korvex::py {

// Angles and earth-pressure coefficients of a friction angle (radians), with
// the model's value of pi.
struct FrictionAngles {
    FrictionAngles(double phi, double pi);
    double phi, alpha, beta, k0, ka, kp;
};

// pst: wedge failure near the surface.
double wedgeResistance(const FrictionAngles& f, double gamma, double b, double xm);
// psd: flow of soil around the wall element at depth.
double flowAroundResistance(const FrictionAngles& f, double gamma, double b, double xm);
// Kpc: Coulomb passive coefficient for wall friction delta.
double coulombPassiveCoefficient(double phi, double delta);

struct SandFactors {
    double a = 0;
    double b = 0;
};
// A and B by the depth-to-width ratio.
SandFactors sandFactors(double ratio);

// The wedge and flow-around resistances written as pst = gamma (C1 x + D b) x
// and psd = gamma b E x, and the depth xr where they meet.
struct WedgeTerms {
    double d, c1, e, xr;
};
WedgeTerms wedgeTerms(const FrictionAngles& f, double b);

// Depth at which the resistance accumulated in `steps` steps of xr / steps
// (rate evaluated at the end of each step) reaches `resistance`, interpolated
// inside the step; beyond xr the resistance grows at beyondRate per unit depth.
double steppedEquivalentDepth(int steps, double xr, double resistance, const std::function<double(double)>& rate,
                              double beyondRate);

// Deflections of the four-part curve: zero, ya / 2, ya, ten steps to ym, two
// thirds between ym and yu, yu and 1.2 yu.
std::array<double, 17> fourPartDeflections(double ya, double ym, double yu);

}  // namespace korvex::py
