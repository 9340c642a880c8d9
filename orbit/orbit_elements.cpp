#include "orbit_elements.h"

#include <cmath>
#include <numbers>

namespace gravitaria {

namespace {

std::optional<long double> finite(long double v) {
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

std::string_view trajectoryKindText(TrajectoryKind kind) {
    switch (kind) {
    case TrajectoryKind::AtCentre: return "au centre";
    case TrajectoryKind::RadialFall: return "chute radiale";
    case TrajectoryKind::Circle: return "cercle";
    case TrajectoryKind::Ellipse: return "ellipse";
    case TrajectoryKind::Parabola: return "parabole";
    case TrajectoryKind::Hyperbola: return "hyperbole";
    }
    return "";
}

TrajectoryKind trajectoryKind(long double r0, long double h, long double e) {
    if (r0 == 0.0L) return TrajectoryKind::AtCentre;
    if (h == 0.0L) return TrajectoryKind::RadialFall;
    if (e < 0.001L) return TrajectoryKind::Circle;
    if (e < 0.999L) return TrajectoryKind::Ellipse;
    if (e <= 1.001L) return TrajectoryKind::Parabola;
    return TrajectoryKind::Hyperbola;
}

OrbitElements orbitElements(const StartConditions& start) {
    OrbitElements o;
    const long double x = start.xKm * 1000;
    const long double y = start.yKm * 1000;
    const long double vx = start.vx;
    const long double vy = start.vy;
    o.mu = GravitationalConstantMagnitude * start.attractorMassKg;
    o.r0 = std::hypot(x, y);
    o.v0 = std::hypot(vx, vy);
    o.radialDot = x * vx + y * vy;
    if (!std::isfinite(o.mu) || !std::isfinite(o.r0) || !std::isfinite(o.v0)) {
        o.mu = std::isfinite(o.mu) ? o.mu : 0.0L;
        o.r0 = std::isfinite(o.r0) ? o.r0 : 0.0L;
        o.v0 = std::isfinite(o.v0) ? o.v0 : 0.0L;
        return o;
    }
    if (o.r0 == 0.0L) {
        o.kind = TrajectoryKind::AtCentre;
        return o;
    }
    // Without a pull (a mass that is zero or negative while being typed)
    // there is no orbit to foresee.
    if (!(o.mu > 0.0L)) return o;

    const long double mu = o.mu;
    const long double r0 = o.r0;
    const long double energy = o.v0 * o.v0 / 2 - mu / r0;
    const long double h = x * vy - y * vx;
    const long double e = std::sqrt(std::fmax(0.0L, 1 + 2 * energy * h * h / (mu * mu)));
    o.energy = finite(energy);
    o.angularMomentum = finite(h);
    o.eccentricity = finite(e);
    o.circularSpeed = finite(std::sqrt(mu / r0));
    o.escapeSpeed = finite(std::sqrt(2 * mu / r0));
    if (!o.energy || !o.angularMomentum || !o.eccentricity) return o;
    o.kind = trajectoryKind(r0, h, e);

    if (energy < 0.0L) {
        const long double a = -mu / (2 * energy);
        o.semiMajorAxis = finite(a);
        o.perigee = finite(a * (1 - e));
        o.apogee = finite(a * (1 + e));
        o.period = finite(2 * std::numbers::pi_v<long double> * std::sqrt(a * a * a / mu));
    } else if (h != 0.0L) {
        o.perigee = finite(h * h / (mu * (1 + e)));
    }
    return o;
}

bool meetsAttractor(const OrbitElements& o, long double radiusM) {
    if (o.r0 < radiusM) return true;
    if (!o.kind || *o.kind == TrajectoryKind::AtCentre) return false;
    const bool bound = o.energy && *o.energy < 0.0L;
    const bool closingIn = o.radialDot < 0.0L;
    if (*o.kind == TrajectoryKind::RadialFall) return bound || closingIn;
    if (!o.perigee || !(*o.perigee < radiusM)) return false;
    return bound || closingIn;
}

}  // namespace gravitaria
