#pragma once
// The program's RK4 flight as one of the compared methods: the very
// integrator, settings and gravity of a run, so its samples are bit for bit
// those of a run's table.
#include "flight_run.h"
#include "method_trajectory.h"

namespace gravitaria {

// The start every method shares, from the run's settings.
FlightStart flightStartOf(long double attractorMass, const RunSettings& settings,
                          std::int32_t radiusKm);

// Integrates with IntegrateSystemRK4 exactly as a run does; `error` gets the
// integrator's code (no sample when it is not 0).
MethodTrajectory rk4Trajectory(long double attractorMass, const RunSettings& settings,
                               std::int32_t radiusKm, std::uint8_t& error);

}  // namespace gravitaria
