#pragma once
// What a flight's own samples show once it is over: the period and the
// semi-major axis measured on the trajectory, Kepler's third law, the
// drifts of the energy and of the angular momentum (how far the integration
// strays from the conserved quantities), the areas swept per step (Kepler's
// second law) and the impact on a collision. No second integration: every
// function reads a plain sequence of samples.
//
// Samples: FlightSample {t, x, y, vx, vy} in SI units (s, m, m, m/s, m/s),
// attractor at the origin, in time order, as any integrator returns them.
// Every function accepts an empty or one-sample sequence and returns an
// empty optional where the quantity does not exist; none allocates.
#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace gravitaria {

struct FlightSample {
    double t = 0.0;   // s
    double x = 0.0;   // m
    double y = 0.0;   // m
    double vx = 0.0;  // m/s
    double vy = 0.0;  // m/s
};

// The time at which the polar angle of the start direction, unwrapped along
// the samples, has advanced by a full turn (either way round), linearly
// interpolated between the two samples around it. Empty under one turn, or
// when a sample lies at the centre.
std::optional<double> measuredPeriod(std::span<const FlightSample> samples);

struct DistanceRange {
    double min = 0.0;  // m
    double max = 0.0;  // m
};
// The least and the greatest distance from the centre over the samples.
std::optional<DistanceRange> distanceRange(std::span<const FlightSample> samples);

// Specific mechanical energy v^2/2 - mu/r (J/kg) and angular momentum
// x vy - y vx (m^2/s) of one sample; mu = G M (m^3/s^2).
long double specificEnergy(const FlightSample& s, long double mu);
long double angularMomentum(const FlightSample& s);

// max over the samples of |E - E0| / |E0|, E0 the first sample's specific
// energy: a fraction (0.01 is 1 %). Empty for no sample, E0 = 0, or a
// sample at the centre.
std::optional<double> energyDrift(std::span<const FlightSample> samples, long double mu);

// The same for the angular momentum; empty when h0 = 0 (a radial flight).
std::optional<double> angularMomentumDrift(std::span<const FlightSample> samples);

// The triangles centre - sample k - sample k+1: the largest relative
// deviation |A_k - mean| / mean of their areas, a fraction. Empty under two
// samples or when the mean area is 0.
std::optional<double> sweptAreaDeviation(std::span<const FlightSample> samples);

struct Impact {
    std::optional<double> time;  // s; empty when the last segment does not reach the radius
    double speed = 0.0;          // m/s, at the last sample before the impact
};
// The impact of a flight that ended on a collision with the attractor of
// radius R (m): the time where the segment between the last two samples
// meets the radius (segmentEntersDisc of collision.h), interpolated; a flight whose only sample is inside
// strikes at that sample. Empty for no sample.
std::optional<Impact> impactOnRadius(std::span<const FlightSample> samples, double radius);

// 4 pi^2 / mu in s^2/km^3: what T^2/a^3 equals on every orbit (third law).
long double keplerThirdLawConstant(long double mu);

// Everything the end of a flight shows, in SI units (T^2/a^3 in s^2/km^3).
struct FlightMeasures {
    std::size_t sampleCount = 0;
    std::optional<DistanceRange> distances;
    std::optional<double> period;
    std::optional<double> semiMajorAxis;  // (min + max) / 2, only with a period
    std::optional<double> periodSquaredOverCube;
    std::optional<double> energyDrift;
    std::optional<double> momentumDrift;
    std::optional<double> areaDeviation;
    std::optional<Impact> impact;         // flights ended by a collision only
};

FlightMeasures measureFlight(std::span<const FlightSample> samples, long double mu,
                             double radius, bool collided);

// The samples of one run, kept as they come: a fixed table of 1001 rows
// (the most a run returns), so recording a sample is O(1) and allocates
// nothing. A sample past the last row is not kept.
class FlightLog {
public:
    static constexpr std::size_t Capacity = 1001;

    void clear() { count_ = 0; }
    void add(const FlightSample& s) {
        if (count_ < Capacity) rows_[count_++] = s;
    }
    std::span<const FlightSample> samples() const { return {rows_.data(), count_}; }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }

private:
    std::array<FlightSample, Capacity> rows_{};
    std::size_t count_ = 0;
};

// Samples per sector of the swept-area picture: the samples in a twelfth of
// the period (the measured one, else the foreseen one, else the flight's
// duration), at least 1.
std::size_t sectorGroupSize(std::optional<double> period, double timeStep, double flightDuration);

}  // namespace gravitaria
