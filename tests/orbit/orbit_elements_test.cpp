// The orbit foreseen from the start conditions, against the two-body closed
// forms: circle, ellipse from its perigee, escape speed, the Earth preset's
// radial fall, the kinds' thresholds and what does not apply.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "orbit_elements.h"

namespace gravitaria {
namespace {

constexpr long double Mass = 6e24L;
const long double Mu = 6.67e-11L * Mass;
constexpr long double Pi = std::numbers::pi_v<long double>;

StartConditions start(long double xKm, long double yKm, long double vx, long double vy,
                      long double mass = Mass) {
    return {mass, xKm, yKm, vx, vy};
}

TEST(OrbitElements, CircularOrbit) {
    const long double r = 7000e3L;
    const long double v = std::sqrt(Mu / r);
    const OrbitElements o = orbitElements(start(0, 7000, v, 0));
    ASSERT_TRUE(o.kind);
    EXPECT_EQ(*o.kind, TrajectoryKind::Circle);
    EXPECT_LT(*o.eccentricity, 1e-6L);
    EXPECT_NEAR(*o.period, 2 * Pi * std::sqrt(r * r * r / Mu), 1e-6L);
    EXPECT_NEAR(*o.semiMajorAxis / r, 1.0L, 1e-9L);
    EXPECT_NEAR(*o.circularSpeed, v, 1e-9L);
    EXPECT_NEAR(*o.escapeSpeed, v * std::sqrt(2.0L), 1e-9L);
    EXPECT_NEAR(*o.energy, -Mu / (2 * r), 1e-3L);
    EXPECT_NEAR(*o.angularMomentum, -r * v, 1e-3L);  // clockwise seen from above
    EXPECT_NEAR(*o.perigee / r, 1.0L, 1e-6L);
    EXPECT_NEAR(*o.apogee / r, 1.0L, 1e-6L);
    EXPECT_FALSE(meetsAttractor(o, 6380e3L));
}

TEST(OrbitElements, EllipseFromItsPerigee) {
    // From the perigee at 7000 km with e = 0.6: a = rp / (1 - e).
    const long double rp = 7000e3L;
    const long double e = 0.6L;
    const long double vp = std::sqrt(Mu * (1 + e) / rp);
    const OrbitElements o = orbitElements(start(7000, 0, 0, vp));
    EXPECT_EQ(*o.kind, TrajectoryKind::Ellipse);
    EXPECT_NEAR(*o.eccentricity, e, 1e-12L);
    EXPECT_NEAR(*o.semiMajorAxis, rp / (1 - e), 1e-3L);
    EXPECT_NEAR(*o.perigee, rp, 1e-3L);
    EXPECT_NEAR(*o.apogee, rp * (1 + e) / (1 - e), 1e-3L);
    const long double a = rp / (1 - e);
    EXPECT_NEAR(*o.period, 2 * Pi * std::sqrt(a * a * a / Mu), 1e-6L);
}

TEST(OrbitElements, UnboundTrajectories) {
    const long double r = 10000e3L;
    const long double escape = std::sqrt(2 * Mu / r);
    const OrbitElements parabola = orbitElements(start(10000, 0, 0, escape));
    EXPECT_EQ(*parabola.kind, TrajectoryKind::Parabola);
    EXPECT_NEAR(*parabola.eccentricity, 1.0L, 1e-9L);
    EXPECT_NEAR(*parabola.perigee, r, 1e-3L);  // h^2 / (mu (1 + e)) at the vertex
    EXPECT_FALSE(parabola.semiMajorAxis);
    EXPECT_FALSE(parabola.apogee);
    EXPECT_FALSE(parabola.period);

    const OrbitElements hyperbola = orbitElements(start(10000, 0, 0, 1.5L * escape));
    EXPECT_EQ(*hyperbola.kind, TrajectoryKind::Hyperbola);
    EXPECT_GT(*hyperbola.eccentricity, 1.001L);
    EXPECT_NEAR(*hyperbola.perigee, r, 1e-3L);
    EXPECT_FALSE(hyperbola.period);
}

TEST(OrbitElements, EarthPresetIsARadialFallOntoTheEarth) {
    const OrbitElements o = orbitElements(start(30000, 40000, 0, 0));
    EXPECT_EQ(*o.kind, TrajectoryKind::RadialFall);
    EXPECT_EQ(o.r0, 50000e3L);
    EXPECT_EQ(o.v0, 0.0L);
    EXPECT_EQ(*o.perigee, 0.0L);
    EXPECT_NEAR(*o.apogee, 50000e3L, 1e-3L);
    EXPECT_TRUE(meetsAttractor(o, 6380e3L));
}

TEST(OrbitElements, WhatMeetsTheAttractor) {
    const long double R = 6380e3L;
    const long double r = 10000e3L;
    const long double vc = std::sqrt(Mu / r);
    // A low ellipse from its apogee dips below the surface.
    EXPECT_TRUE(meetsAttractor(orbitElements(start(10000, 0, 0, 0.7L * vc)), R));
    EXPECT_FALSE(meetsAttractor(orbitElements(start(10000, 0, 0, vc)), R));
    // A hyperbola whose perigee lies inside: only while it still closes in.
    const OrbitElements closingIn = orbitElements(start(10000, 0, -20000, 3000));
    const OrbitElements leaving = orbitElements(start(10000, 0, 20000, 3000));
    EXPECT_EQ(*closingIn.kind, TrajectoryKind::Hyperbola);
    EXPECT_LT(*closingIn.perigee, R);
    EXPECT_TRUE(meetsAttractor(closingIn, R));
    EXPECT_FALSE(meetsAttractor(leaving, R));
    // Radial: a bound fall or an unbound approach meets it, an escape does not.
    EXPECT_FALSE(meetsAttractor(orbitElements(start(10000, 0, 20000, 0)), R));
    EXPECT_TRUE(meetsAttractor(orbitElements(start(10000, 0, -20000, 0)), R));
    EXPECT_TRUE(meetsAttractor(orbitElements(start(10000, 0, 1000, 0)), R));
    // A start inside the attractor.
    EXPECT_TRUE(meetsAttractor(orbitElements(start(3000, 0, 0, 20000)), R));
}

TEST(OrbitElements, AtTheCentreNothingElseApplies) {
    const OrbitElements o = orbitElements(start(0, 0, 100, 0));
    EXPECT_EQ(*o.kind, TrajectoryKind::AtCentre);
    EXPECT_EQ(o.r0, 0.0L);
    EXPECT_FALSE(o.energy);
    EXPECT_FALSE(o.eccentricity);
    EXPECT_FALSE(o.circularSpeed);
    EXPECT_FALSE(o.escapeSpeed);
    EXPECT_FALSE(o.perigee);
    EXPECT_FALSE(o.period);
    EXPECT_TRUE(meetsAttractor(o, 10e3L));
}

TEST(OrbitElements, NoPullNoOrbit) {
    // A mass being typed can be zero or negative: nothing is foreseen, and
    // nothing that is not a number comes out.
    for (long double mass : {0.0L, -6e24L}) {
        const OrbitElements o = orbitElements(start(7000, 0, 0, 7000, mass));
        EXPECT_FALSE(o.kind);
        EXPECT_FALSE(o.eccentricity);
        EXPECT_FALSE(o.period);
        EXPECT_FALSE(o.escapeSpeed);
    }
    const OrbitElements huge = orbitElements(start(1e-30L, 0, 1e300L, 1e300L, 1e40L));
    for (const auto& v : {huge.energy, huge.eccentricity, huge.semiMajorAxis, huge.perigee,
                          huge.apogee, huge.period})
        EXPECT_TRUE(!v || std::isfinite(*v));
}

TEST(OrbitElements, KindThresholds) {
    struct Case {
        long double r0, h, e;
        TrajectoryKind kind;
    };
    const Case cases[] = {
        {0, 5, 0.5L, TrajectoryKind::AtCentre},
        {1, 0, 1, TrajectoryKind::RadialFall},
        {1, 1, 0, TrajectoryKind::Circle},
        {1, 1, 0.000999L, TrajectoryKind::Circle},
        {1, 1, 0.001L, TrajectoryKind::Ellipse},
        {1, -1, 0.998L, TrajectoryKind::Ellipse},
        {1, 1, 0.999L, TrajectoryKind::Parabola},
        {1, 1, 1.0L, TrajectoryKind::Parabola},
        {1, 1, 1.001L, TrajectoryKind::Parabola},
        {1, 1, 1.0011L, TrajectoryKind::Hyperbola},
        {1, 1, 7, TrajectoryKind::Hyperbola},
    };
    for (const Case& c : cases)
        EXPECT_EQ(trajectoryKind(c.r0, c.h, c.e), c.kind) << "e = " << static_cast<double>(c.e);
    EXPECT_EQ(trajectoryKindText(TrajectoryKind::AtCentre), "au centre");
    EXPECT_EQ(trajectoryKindText(TrajectoryKind::RadialFall), "chute radiale");
    EXPECT_EQ(trajectoryKindText(TrajectoryKind::Circle), "cercle");
    EXPECT_EQ(trajectoryKindText(TrajectoryKind::Ellipse), "ellipse");
    EXPECT_EQ(trajectoryKindText(TrajectoryKind::Parabola), "parabole");
    EXPECT_EQ(trajectoryKindText(TrajectoryKind::Hyperbola), "hyperbole");
}

}  // namespace
}  // namespace gravitaria
