// The acceleration functions: constant, power, direction, and the failures
// at the centre and on overflow.
#include <gtest/gtest.h>

#include <cmath>

#include "errors.h"
#include "gravity.h"

namespace gravitaria {
namespace {

TNvector at(double x, double y) {
    TNvector v{};
    v[1].X = x;
    v[2].X = y;
    return v;
}

TEST(Gravity, InverseSquareTowardTheCentreWithTheStatedConstant) {
    const long double M = 6e24L;
    struct Case { double x, y; };
    const Case cases[] = {{3e7, 4e7}, {-6.38e6, 0}, {0, 1.5e11}, {-1e3, -2e3}};
    for (const Case& c : cases) {
        const long double r = std::hypot(static_cast<long double>(c.x), static_cast<long double>(c.y));
        const long double magnitude = 6.67e-11L * M / (r * r);  // 6.67, not 6.674
        const double ax = accelerationX(M, at(c.x, c.y));
        const double ay = accelerationY(M, at(c.x, c.y));
        EXPECT_NEAR(ax, -magnitude * c.x / r, std::fabs(magnitude) * 1e-15) << c.x << "," << c.y;
        EXPECT_NEAR(ay, -magnitude * c.y / r, std::fabs(magnitude) * 1e-15) << c.x << "," << c.y;
    }
    // The Earth default start: 6e24 kg at 50000 km, about 0.16 m/s^2.
    EXPECT_NEAR(std::hypot(accelerationX(M, at(3e7, 4e7)), accelerationY(M, at(3e7, 4e7))),
                0.16008, 1e-5);
}

TEST(Gravity, RealPowerOneAndHalf) {
    EXPECT_EQ(powerOneAndHalf(0.0L), 0.0L);
    const long double values[] = {1.0L, 4.0L, 2.5e15L, 2.5e21L, 7e-3L};
    for (long double s : values) {
        const long double expected = s * std::sqrt(s);
        EXPECT_NEAR(static_cast<double>(powerOneAndHalf(s) / expected), 1.0, 1e-15) << static_cast<double>(s);
    }
}

TEST(Gravity, ReadsOnlyThePositionAndTheMass) {
    TNvector a = at(3e7, 4e7);
    TNvector b = a;
    b[0] = {12345.0, 7.0};
    b[1].XPrime = 1e4;
    b[2].XPrime = -3e3;
    EXPECT_EQ(accelerationX(6e24L, a), accelerationX(6e24L, b));
    EXPECT_EQ(accelerationY(6e24L, a), accelerationY(6e24L, b));
    EXPECT_EQ(accelerationX(0.0L, a), 0.0);
}

TEST(Gravity, CentreAndOverflowAreErrorsNotInfinities) {
    EXPECT_THROW(accelerationX(6e24L, at(0, 0)), ZeroDivideError);
    EXPECT_THROW(accelerationY(6e24L, at(0, 0)), ZeroDivideError);
    EXPECT_THROW(accelerationX(1e320L, at(1, 0)), FloatOverflowError);
}

}  // namespace
}  // namespace gravitaria
