#pragma once
// One flight computed by one numerical method, sampled like a run: at
// t = 0, dt, 2 dt, ... up to N dt, or up to the sample where the method's
// own trajectory strikes the attractor. The methods compared with the
// program's RK4 (explicit Euler, semi-implicit Euler, a high-accuracy
// reference) all start from the run's own start state.
#include <cstdint>
#include <vector>

#include "flight_measures.h"
#include "runge_kutta4.h"

namespace gravitaria {

// What every method starts from: the run's start state and cadence.
struct FlightStart {
    long double attractorMass = 0.0L;  // kg
    TNvector initial{};                // t, (x, vx), (y, vy) as the run hands them to RK4
    double timeStep = 0.0;             // dt, s (> 0)
    std::int32_t positions = 0;        // N: samples 0..N
    std::int32_t radiusKm = 0;         // the attractor's radius, km
};

struct MethodTrajectory {
    // The samples, the collision sample included (drawn, as a run draws it).
    std::vector<FlightSample> samples;
    // Evaluations of the acceleration vector (ax, ay), counted once each.
    std::int64_t accelerationEvaluations = 0;
    // Whether the last sample is a collision with the attractor.
    bool collision = false;
};

// The sample as the integrator's state vector.
TNvector toStateVector(const FlightSample& s);
FlightSample fromStateVector(const TNvector& v);

// Appends `s` to the trajectory and judges it with the program's collision
// rule against the previous sample; returns true (and marks the trajectory)
// when it is a collision, so the method stops there. A sample that is not
// numbers raises the run's error (InvalidOpError, FloatOverflowError).
bool appendAndJudge(MethodTrajectory& trajectory, const FlightSample& s, std::int32_t radiusKm);

}  // namespace gravitaria
