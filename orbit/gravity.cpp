#include "gravity.h"

#include <cmath>

#include "errors.h"

namespace gravitaria {

long double powerOneAndHalf(long double s) {
    if (s == 0.0L) return 0.0L;
    return std::exp2(1.5L * std::log2(s));
}

namespace {

long double squaredDistance(const TNvector& V) {
    const long double x = V[1].X;
    const long double y = V[2].X;
    return x * x + y * y;
}

// (G M) * coordinate / s^1.5, evaluated in that order.
double component(long double attractorMass, long double coordinate, long double denominator) {
    const long double numerator = (GravitationalConstant * attractorMass) * coordinate;
    if (denominator == 0.0L) throw ZeroDivideError();
    const long double a = numerator / denominator;
    if (std::isnan(a)) throw InvalidOpError();
    const double result = static_cast<double>(a);
    if (!std::isfinite(result)) throw FloatOverflowError();
    return result;
}

}  // namespace

double accelerationX(long double attractorMass, const TNvector& V) {
    return component(attractorMass, V[1].X, powerOneAndHalf(squaredDistance(V)));
}

double accelerationY(long double attractorMass, const TNvector& V) {
    return component(attractorMass, V[2].X, powerOneAndHalf(squaredDistance(V)));
}

PlaneAcceleration acceleration(long double attractorMass, const TNvector& V) {
    const long double denominator = powerOneAndHalf(squaredDistance(V));
    return {component(attractorMass, V[1].X, denominator),
            component(attractorMass, V[2].X, denominator)};
}

}  // namespace gravitaria
