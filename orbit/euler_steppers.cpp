#include "euler_steppers.h"

#include "gravity.h"

namespace gravitaria {

namespace {

// One step of length h; `semiImplicit` updates the velocity first and moves
// with the new one.
void eulerStep(FlightSample& s, double h, long double mass, bool semiImplicit) {
    const PlaneAcceleration a = acceleration(mass, toStateVector(s));
    const long double lh = h;
    if (semiImplicit) {
        s.vx = static_cast<double>(s.vx + lh * a.x);
        s.vy = static_cast<double>(s.vy + lh * a.y);
        s.x = static_cast<double>(s.x + lh * s.vx);
        s.y = static_cast<double>(s.y + lh * s.vy);
    } else {
        s.x = static_cast<double>(s.x + lh * s.vx);
        s.y = static_cast<double>(s.y + lh * s.vy);
        s.vx = static_cast<double>(s.vx + lh * a.x);
        s.vy = static_cast<double>(s.vy + lh * a.y);
    }
    // The time accumulates the step, as the program's integrator does.
    s.t = static_cast<double>(static_cast<long double>(s.t) + h);
}

MethodTrajectory eulerTrajectory(const FlightStart& start, bool semiImplicit) {
    MethodTrajectory out;
    out.samples.reserve(static_cast<std::size_t>(start.positions > 0 ? start.positions : 0) + 1);
    FlightSample s = fromStateVector(start.initial);
    if (appendAndJudge(out, s, start.radiusKm)) return out;
    const double h = start.timeStep / 2;
    for (std::int32_t k = 1; k <= start.positions; ++k) {
        for (int step = 0; step < 2; ++step) {
            eulerStep(s, h, start.attractorMass, semiImplicit);
            ++out.accelerationEvaluations;
        }
        if (appendAndJudge(out, s, start.radiusKm)) break;
    }
    return out;
}

}  // namespace

MethodTrajectory explicitEulerTrajectory(const FlightStart& start) {
    return eulerTrajectory(start, false);
}

MethodTrajectory semiImplicitEulerTrajectory(const FlightStart& start) {
    return eulerTrajectory(start, true);
}

}  // namespace gravitaria
