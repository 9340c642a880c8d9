// The only user of Boost.Odeint in the program.
#include "reference_flight.h"

#include <array>
#include <boost/numeric/odeint.hpp>
#include <cmath>

#include "errors.h"
#include "gravity.h"

namespace gravitaria {

namespace {

namespace odeint = boost::numeric::odeint;

// x, y, vx, vy in units of the start distance L and of the circular speed
// V there; the time in units of L / V.
using ScaledState = std::array<double, 4>;

// More evaluations than this for one flight means the step has collapsed
// (a pass through the centre): the reference gives up instead of freezing
// the window.
constexpr std::int64_t EvaluationBudget = 20'000'000;

const char* const kReferenceGaveUp =
    "La solution de référence ne peut pas suivre ce vol : il passe trop près du centre de "
    "l'attracteur.";

struct Scale {
    double length = 1.0;    // m
    double speed = 1.0;     // m/s
    double time() const { return length / speed; }
};

Scale scaleOf(const FlightStart& start) {
    const long double x = start.initial[1].X;
    const long double y = start.initial[2].X;
    const long double r = std::sqrt(x * x + y * y);
    const long double mu = -GravitationalConstant * start.attractorMass;
    Scale s;
    s.length = static_cast<double>(r);
    long double v = mu > 0 ? std::sqrt(mu / r) : 0.0L;
    if (!(v > 0) || !std::isfinite(static_cast<double>(v))) {
        const long double vx = start.initial[1].XPrime;
        const long double vy = start.initial[2].XPrime;
        v = std::sqrt(vx * vx + vy * vy);
    }
    s.speed = v > 0 ? static_cast<double>(v) : 1.0;
    return s;
}

// The scaled equations of motion with the program's gravity. Holds the
// counter by pointer: Odeint copies the system it is given.
struct ScaledGravity {
    long double mass;
    Scale scale;
    std::int64_t* evaluations;

    void operator()(const ScaledState& s, ScaledState& ds, double /*t*/) const {
        if (++*evaluations > EvaluationBudget) throw GeneralError(kReferenceGaveUp);
        TNvector v{};
        v[1].X = s[0] * scale.length;
        v[2].X = s[1] * scale.length;
        const double toScaled = scale.time() / scale.speed;  // (m/s^2) -> scaled
        ds[0] = s[2];
        ds[1] = s[3];
        const PlaneAcceleration a = acceleration(mass, v);
        ds[2] = a.x * toScaled;
        ds[3] = a.y * toScaled;
    }
};

FlightSample toPhysical(const ScaledState& s, double t, const Scale& scale) {
    return FlightSample{t, s[0] * scale.length, s[1] * scale.length, s[2] * scale.speed,
                       s[3] * scale.speed};
}

}  // namespace

MethodTrajectory referenceTrajectory(const FlightStart& start) {
    MethodTrajectory out;
    out.samples.reserve(static_cast<std::size_t>(start.positions > 0 ? start.positions : 0) + 1);
    const FlightSample first = fromStateVector(start.initial);
    if (appendAndJudge(out, first, start.radiusKm)) return out;

    const Scale scale = scaleOf(start);
    if (!(scale.length > 0)) throw ZeroDivideError();  // no gravity at the centre
    ScaledState state{first.x / scale.length, first.y / scale.length, first.vx / scale.speed,
                      first.vy / scale.speed};
    const ScaledGravity system{start.attractorMass, scale, &out.accelerationEvaluations};
    odeint::bulirsch_stoer<ScaledState> stepper(ReferenceTolerance, ReferenceTolerance);

    const double unit = scale.time();
    double tau = 0.0;                              // scaled time
    double step = std::min(0.01, start.timeStep / unit);  // first trial step
    for (std::int32_t k = 1; k <= start.positions; ++k) {
        const double t = k * start.timeStep;  // exact: dt and k are whole numbers
        const double target = t / unit;
        while (tau < target) {
            const bool last = step >= target - tau;
            double trial = last ? target - tau : step;
            const double before = tau;
            if (stepper.try_step(system, state, tau, trial) == odeint::success) {
                if (last) tau = target;  // land exactly on the sample time
                if (!last || trial > step) step = trial;
            } else {
                step = trial;
                if (!(tau + step > before)) throw GeneralError(kReferenceGaveUp);
            }
        }
        if (appendAndJudge(out, toPhysical(state, t, scale), start.radiusKm)) break;
    }
    return out;
}

}  // namespace gravitaria
