#pragma once
// Newtonian gravitation of an attractor fixed at the origin on a satellite
// moving in its plane, in SI units.
#include "extended_float.h"
#include "runge_kutta4.h"

namespace gravitaria {

// G, attractive sign included (m^3 kg^-1 s^-2), nearest 80-bit value.
inline constexpr long double GravitationalConstant = -6.67e-11L;

// s^1.5 as 2^(1.5 log2 s); 0 for s = 0.
long double powerOneAndHalf(long double s);

// Acceleration along X and along Y (m/s^2) at the position in V[1].X,
// V[2].X (m): (G M) x / s^1.5 with s = x^2 + y^2, in extended precision.
// At the centre (s = 0) the division raises ZeroDivideError; a result that
// is not finite raises FloatOverflowError or InvalidOpError.
double accelerationX(long double attractorMass, const TNvector& V);
double accelerationY(long double attractorMass, const TNvector& V);

// Both components at once (s^1.5 computed once), equal to the two above.
struct PlaneAcceleration {
    double x = 0.0, y = 0.0;
};
PlaneAcceleration acceleration(long double attractorMass, const TNvector& V);

}  // namespace gravitaria
