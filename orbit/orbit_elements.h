#pragma once
// The orbit foreseen from the start conditions alone, before any
// integration: the two-body closed forms of the conic the satellite will
// follow around the attractor. Plain C++, computed in long double.
#include <optional>
#include <string_view>

namespace gravitaria {

// The magnitude of the program's gravitational constant (m^3 kg^-1 s^-2).
inline constexpr long double GravitationalConstantMagnitude = 6.67e-11L;

// The start state as a run reads it: position in km (PosX, PosY), velocity
// in m/s (the two velocity fields), attractor mass in kg.
struct StartConditions {
    long double attractorMassKg = 0.0L;
    long double xKm = 0.0L;
    long double yKm = 0.0L;
    long double vx = 0.0L;  // m/s
    long double vy = 0.0L;  // m/s
};

enum class TrajectoryKind { AtCentre, RadialFall, Circle, Ellipse, Parabola, Hyperbola };

// "au centre", "chute radiale", "cercle", "ellipse", "parabole", "hyperbole".
std::string_view trajectoryKindText(TrajectoryKind kind);

// The kind from the start distance r0 (m), the specific angular momentum h
// and the eccentricity e: at the centre when r0 = 0, a radial fall when
// h = 0, then by e: circle below 0.001, ellipse below 0.999, parabola up to
// 1.001, hyperbola above.
TrajectoryKind trajectoryKind(long double r0, long double h, long double e);

// Everything in SI units (m, m/s, s, J/kg, m^2/s). A value that does not
// apply to the trajectory, or that would not be a finite number, is empty.
struct OrbitElements {
    long double mu = 0.0L;        // G M, m^3/s^2
    long double r0 = 0.0L;        // start distance, m
    long double v0 = 0.0L;        // start speed, m/s
    std::optional<TrajectoryKind> kind;  // empty when the mass gives no pull (mu <= 0)
    std::optional<long double> energy;           // v0^2/2 - mu/r0
    std::optional<long double> angularMomentum;  // x vy - y vx
    std::optional<long double> eccentricity;     // sqrt(max(0, 1 + 2 energy h^2 / mu^2))
    std::optional<long double> circularSpeed;    // sqrt(mu/r0)
    std::optional<long double> escapeSpeed;      // sqrt(2 mu/r0)
    std::optional<long double> semiMajorAxis;    // -mu/(2 energy), bound orbits only
    std::optional<long double> perigee;          // a(1-e), or h^2/(mu(1+e)) when unbound, h != 0
    std::optional<long double> apogee;           // a(1+e), bound orbits only
    std::optional<long double> period;           // 2 pi sqrt(a^3/mu), bound orbits only
    // r . v: negative while the satellite closes in on the centre.
    long double radialDot = 0.0L;
};

OrbitElements orbitElements(const StartConditions& start);

// Whether the trajectory foreseen meets the attractor of radius R (m): the
// start lies inside it, or the perigee is below R on a trajectory that still
// has that perigee ahead (every bound one; an unbound one only while it
// closes in). A radial trajectory meets it when bound or closing in.
bool meetsAttractor(const OrbitElements& elements, long double radiusM);

}  // namespace gravitaria
