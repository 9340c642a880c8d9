#pragma once
// The two first-order methods the lycée programme teaches, at the run's
// cadence: step h = dt / 2, two steps per sample, the program's gravity.
//   explicit Euler:       x += h v,  v += h a(x_old)
//   semi-implicit Euler:  v += h a(x),  then x += h v (with the new v)
// Each stops at the sample where its own trajectory strikes the attractor.
#include "method_trajectory.h"

namespace gravitaria {

MethodTrajectory explicitEulerTrajectory(const FlightStart& start);
MethodTrajectory semiImplicitEulerTrajectory(const FlightStart& start);

}  // namespace gravitaria
