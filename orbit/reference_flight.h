#pragma once
// The reference solution of a flight: an adaptive high-order integration
// (Bulirsch-Stoer extrapolation, relative and absolute tolerance 1e-12 on a
// state scaled to the start distance and the circular speed there),
// stepped exactly onto each sample time t = 0, dt, ... N dt, with the
// program's gravity. It stops at its own collision like every method.
#include "method_trajectory.h"

namespace gravitaria {

inline constexpr double ReferenceTolerance = 1e-12;

// The reference flight. A start at the centre that is no collision raises
// ZeroDivideError, as the run's gravity does; a flight the integrator cannot
// follow within its step budget (a pass almost through the centre) raises
// GeneralError with a French message.
MethodTrajectory referenceTrajectory(const FlightStart& start);

}  // namespace gravitaria
