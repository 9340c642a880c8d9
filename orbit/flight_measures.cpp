#include "flight_measures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "collision.h"

namespace gravitaria {

namespace {

constexpr long double TwoPi = 2 * std::numbers::pi_v<long double>;
constexpr long double TurnTolerance = 1e-12L;  // rad
// Below this fraction of the triangles' largest possible area (|r_k| |r_k+1| / 2)
// the flight sweeps no area: a radial one, whose cross products are rounding.
constexpr long double NoAreaFraction = 1e-9L;

long double distance(const FlightSample& s) {
    return std::hypot(static_cast<long double>(s.x), static_cast<long double>(s.y));
}

long double speed(const FlightSample& s) {
    return std::hypot(static_cast<long double>(s.vx), static_cast<long double>(s.vy));
}

std::optional<double> finite(long double v) {
    const double d = static_cast<double>(v);
    if (!std::isfinite(d)) return std::nullopt;
    return d;
}

// max over the samples of |q - q0| / |q0| for a conserved quantity q.
template <class Quantity>
std::optional<double> relativeDrift(std::span<const FlightSample> samples, Quantity q) {
    if (samples.empty()) return std::nullopt;
    const long double q0 = q(samples.front());
    if (q0 == 0.0L || !std::isfinite(q0)) return std::nullopt;
    long double worst = 0.0L;
    for (const FlightSample& s : samples) {
        const long double gap = std::fabs(q(s) - q0);
        if (!std::isfinite(gap)) return std::nullopt;
        worst = std::fmax(worst, gap);
    }
    return finite(worst / std::fabs(q0));
}

long double triangleArea(const FlightSample& a, const FlightSample& b) {
    const long double cross = static_cast<long double>(a.x) * b.y - static_cast<long double>(b.x) * a.y;
    return std::fabs(cross) / 2;
}

}  // namespace

std::optional<double> measuredPeriod(std::span<const FlightSample> samples) {
    long double turned = 0.0L;  // unwrapped polar angle since the first sample
    for (std::size_t k = 1; k < samples.size(); ++k) {
        const FlightSample& a = samples[k - 1];
        const FlightSample& b = samples[k];
        if ((a.x == 0.0 && a.y == 0.0) || (b.x == 0.0 && b.y == 0.0)) return std::nullopt;
        // The angle from one position to the next, in (-pi, pi].
        const long double cross = static_cast<long double>(a.x) * b.y - static_cast<long double>(a.y) * b.x;
        const long double dot = static_cast<long double>(a.x) * b.x + static_cast<long double>(a.y) * b.y;
        const long double before = std::fabs(turned);
        turned += std::atan2(cross, dot);
        const long double after = std::fabs(turned);
        // A full turn, the rounding of the angles summed along it allowed for.
        if (after >= TwoPi - TurnTolerance && after > before) {
            const long double f = std::clamp((TwoPi - before) / (after - before), 0.0L, 1.0L);
            return finite(a.t + f * (static_cast<long double>(b.t) - a.t));
        }
    }
    return std::nullopt;
}

std::optional<DistanceRange> distanceRange(std::span<const FlightSample> samples) {
    if (samples.empty()) return std::nullopt;
    long double lo = distance(samples.front());
    long double hi = lo;
    for (const FlightSample& s : samples) {
        const long double r = distance(s);
        lo = std::fmin(lo, r);
        hi = std::fmax(hi, r);
    }
    const auto min = finite(lo);
    const auto max = finite(hi);
    if (!min || !max) return std::nullopt;
    return DistanceRange{*min, *max};
}

long double specificEnergy(const FlightSample& s, long double mu) {
    const long double v = speed(s);
    return v * v / 2 - mu / distance(s);
}

long double angularMomentum(const FlightSample& s) {
    return static_cast<long double>(s.x) * s.vy - static_cast<long double>(s.y) * s.vx;
}

std::optional<double> energyDrift(std::span<const FlightSample> samples, long double mu) {
    for (const FlightSample& s : samples)
        if (s.x == 0.0 && s.y == 0.0) return std::nullopt;
    return relativeDrift(samples, [mu](const FlightSample& s) { return specificEnergy(s, mu); });
}

std::optional<double> angularMomentumDrift(std::span<const FlightSample> samples) {
    return relativeDrift(samples, [](const FlightSample& s) { return angularMomentum(s); });
}

std::optional<double> sweptAreaDeviation(std::span<const FlightSample> samples) {
    if (samples.size() < 2) return std::nullopt;
    long double sum = 0.0L;
    long double largest = 0.0L;
    for (std::size_t k = 1; k < samples.size(); ++k) {
        sum += triangleArea(samples[k - 1], samples[k]);
        largest += distance(samples[k - 1]) * distance(samples[k]) / 2;
    }
    const long double mean = sum / static_cast<long double>(samples.size() - 1);
    if (!(sum > NoAreaFraction * largest) || !std::isfinite(mean)) return std::nullopt;
    long double worst = 0.0L;
    for (std::size_t k = 1; k < samples.size(); ++k)
        worst = std::fmax(worst, std::fabs(triangleArea(samples[k - 1], samples[k]) - mean));
    return finite(worst / mean);
}

std::optional<Impact> impactOnRadius(std::span<const FlightSample> samples, double radius) {
    if (samples.empty()) return std::nullopt;
    Impact impact;
    if (samples.size() == 1) {
        impact.time = samples.front().t;
        impact.speed = static_cast<double>(speed(samples.front()));
        return impact;
    }
    const FlightSample& before = samples[samples.size() - 2];
    const FlightSample& last = samples.back();
    impact.speed = static_cast<double>(speed(before));
    if (const auto s = segmentEntersDisc({before.x, before.y}, {last.x, last.y}, radius))
        impact.time = finite(before.t + *s * (static_cast<long double>(last.t) - before.t));
    return impact;
}

long double keplerThirdLawConstant(long double mu) {
    const long double muKm = mu / 1e9L;  // km^3/s^2
    return TwoPi * TwoPi / muKm;  // (2 pi)^2 = 4 pi^2
}

FlightMeasures measureFlight(std::span<const FlightSample> samples, long double mu, double radius,
                             bool collided) {
    FlightMeasures m;
    m.sampleCount = samples.size();
    m.distances = distanceRange(samples);
    m.period = measuredPeriod(samples);
    if (m.period && m.distances) {
        m.semiMajorAxis = (m.distances->min + m.distances->max) / 2;
        const long double aKm = static_cast<long double>(*m.semiMajorAxis) / 1000;
        const long double t = *m.period;
        if (aKm > 0.0L) m.periodSquaredOverCube = finite(t * t / (aKm * aKm * aKm));
    }
    m.energyDrift = energyDrift(samples, mu);
    m.momentumDrift = angularMomentumDrift(samples);
    m.areaDeviation = sweptAreaDeviation(samples);
    if (collided) m.impact = impactOnRadius(samples, radius);
    return m;
}

std::size_t sectorGroupSize(std::optional<double> period, double timeStep, double flightDuration) {
    const double span = period ? *period : flightDuration;
    if (!(timeStep > 0.0) || !(span > 0.0) || !std::isfinite(span)) return 1;
    const double k = std::round(span / 12 / timeStep);
    if (!(k >= 1.0)) return 1;
    if (k > static_cast<double>(FlightLog::Capacity)) return FlightLog::Capacity;
    return static_cast<std::size_t>(k);
}

}  // namespace gravitaria
