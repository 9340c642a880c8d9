#include "method_comparison.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "euler_steppers.h"
#include "flight_measures.h"
#include "gravity.h"
#include "reference_flight.h"
#include "rk4_trajectory.h"

namespace gravitaria {

const char* methodName(ComparedMethod m) {
    switch (m) {
    case ComparedMethod::Euler: return "Euler";
    case ComparedMethod::SemiImplicitEuler: return "Euler semi-implicite";
    case ComparedMethod::RK4: return "RK4";
    case ComparedMethod::Reference: return "Référence";
    }
    return "";
}

namespace {

std::span<const FlightSample> samplesOf(const MethodTrajectory& t) { return t.samples; }

double distanceKm(const FlightSample& a, const FlightSample& b) {
    return std::hypot(a.x - b.x, a.y - b.y) / 1000;
}

double radiusOf(const FlightSample& s) { return std::hypot(s.x, s.y); }

// dr/dt, the radial speed.
double radialSpeedOf(const FlightSample& s) {
    const double r = radiusOf(s);
    return r > 0 ? (s.x * s.vx + s.y * s.vy) / r : 0.0;
}

// The distance at time t between samples a and b: the cubic through both
// distances with their radial speeds as slopes, exact to the fourth order
// in the time step (a straight line would be off by kilometres on a one-day
// step around the Sun).
double radiusBetween(const FlightSample& a, const FlightSample& b, double t) {
    const double h = b.t - a.t;
    if (!(h > 0)) return radiusOf(b);
    const double s = (t - a.t) / h;
    const double s2 = s * s, s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * radiusOf(a) + (s3 - 2 * s2 + s) * h * radialSpeedOf(a) +
           (-2 * s3 + 3 * s2) * radiusOf(b) + (s3 - s2) * h * radialSpeedOf(b);
}

// |r(T) - r0| at the measured period T: how far from its start the
// trajectory passes when it is back on the start direction after one turn.
std::optional<double> closureAfterOneTurn(const MethodTrajectory& t) {
    const std::optional<double> period = measuredPeriod(samplesOf(t));
    if (!period) return std::nullopt;
    const std::vector<FlightSample>& s = t.samples;
    for (std::size_t k = 1; k < s.size(); ++k) {
        if (s[k].t < *period) continue;
        const double r = radiusBetween(s[k - 1], s[k], *period);
        return std::fabs(r - radiusOf(s.front())) / 1000;
    }
    return std::nullopt;
}

std::optional<double> percent(std::optional<double> fraction) {
    if (!fraction) return std::nullopt;
    return *fraction * 100;
}

}  // namespace

MethodMeasures measureMethod(const MethodTrajectory& t, const MethodTrajectory& reference,
                             long double attractorMass) {
    MethodMeasures m;
    m.accelerationEvaluations = t.accelerationEvaluations;
    const std::size_t common = std::min(t.samples.size(), reference.samples.size());
    for (std::size_t k = 0; k < common; ++k) {
        const double gap = distanceKm(t.samples[k], reference.samples[k]);
        m.maxGapKm = std::max(m.maxGapKm, gap);
        m.finalGapKm = gap;
        m.lastCommonTime = t.samples[k].t;
    }
    const long double mu = -GravitationalConstant * attractorMass;
    m.energyDriftPercent = percent(energyDrift(samplesOf(t), mu));
    m.momentumDriftPercent = percent(angularMomentumDrift(samplesOf(t)));
    m.closureKm = closureAfterOneTurn(t);
    m.collision = t.collision;
    if (t.collision && !t.samples.empty()) m.collisionTime = t.samples.back().t;
    return m;
}

MethodComparison compareMethods(const OrbitState& state, const RunInputs& inputs) {
    MethodComparison c;
    const RunSettings settings = makeRunSettings(state, inputs);
    const auto at = [](ComparedMethod m) { return static_cast<std::size_t>(m); };
    c.trajectories[at(ComparedMethod::RK4)] =
        rk4Trajectory(state.AttractorMass, settings, inputs.radiusKm, c.error);
    if (c.error != 0) return c;
    const FlightStart start = flightStartOf(state.AttractorMass, settings, inputs.radiusKm);
    c.trajectories[at(ComparedMethod::Euler)] = explicitEulerTrajectory(start);
    c.trajectories[at(ComparedMethod::SemiImplicitEuler)] = semiImplicitEulerTrajectory(start);
    c.trajectories[at(ComparedMethod::Reference)] = referenceTrajectory(start);
    for (ComparedMethod m : ComparedMethods) {
        c.measures[at(m)] = measureMethod(c.trajectory(m), c.trajectory(ComparedMethod::Reference),
                                          state.AttractorMass);
    }
    return c;
}

namespace {

const std::string kNotApplicable = "—";

std::string number(double v, bool grouped, const NumberSeparators& seps) {
    return generalText(v, 7, grouped, seps);
}

std::string optionalNumber(const std::optional<double>& v, bool grouped, const NumberSeparators& seps) {
    return v ? number(*v, grouped, seps) : kNotApplicable;
}

}  // namespace

std::array<std::string, 8> comparisonCells(const MethodComparison& c, ComparedMethod m,
                                           bool grouped, const NumberSeparators& seps) {
    const MethodMeasures& r = c.measure(m);
    return {
        methodName(m),
        number(static_cast<double>(r.accelerationEvaluations), grouped, seps),
        number(r.finalGapKm, grouped, seps),
        number(r.maxGapKm, grouped, seps),
        optionalNumber(r.energyDriftPercent, grouped, seps),
        optionalNumber(r.momentumDriftPercent, grouped, seps),
        optionalNumber(r.closureKm, grouped, seps),
        r.collision ? "oui, t = " + number(r.collisionTime, grouped, seps) + " s" : "non",
    };
}

std::string comparisonText(const MethodComparison& c, const NumberSeparators& seps) {
    std::string text;
    const auto line = [&](const auto& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) text += '\t';
            text += cells[i];
        }
        text += '\n';
    };
    line(ComparisonHeaders);
    for (ComparedMethod m : ComparedMethods) line(comparisonCells(c, m, false, seps));
    return text;
}

namespace {

// Numbers inside a sentence: three significant digits, grouped.
std::string roughly(double v, const NumberSeparators& seps) { return generalText(v, 3, true, seps); }

std::string energySentence(const MethodComparison& c, const NumberSeparators& seps) {
    const auto& e = c.measure(ComparedMethod::Euler);
    const auto& s = c.measure(ComparedMethod::SemiImplicitEuler);
    const auto& k = c.measure(ComparedMethod::RK4);
    if (!e.energyDriftPercent || !s.energyDriftPercent || !k.energyDriftPercent) return {};
    std::string out = "L'énergie mécanique dérive de " + roughly(*e.energyDriftPercent, seps) +
                      " % avec Euler, de " + roughly(*s.energyDriftPercent, seps) +
                      " % avec Euler semi-implicite et de " + roughly(*k.energyDriftPercent, seps) +
                      " % avec RK4";
    if (*k.energyDriftPercent == 0.0) {
        if (*e.energyDriftPercent > 0.0) out += " : RK4 la conserve aux chiffres près du calcul";
        return out + ".";
    }
    const double ratio = *e.energyDriftPercent / *k.energyDriftPercent;
    if (ratio >= 2) {
        out += " : la dérive d'Euler est " + roughly(ratio, seps) + " fois celle de RK4";
        if (e.accelerationEvaluations > 0 && k.accelerationEvaluations > e.accelerationEvaluations) {
            const double cost = static_cast<double>(k.accelerationEvaluations) /
                                static_cast<double>(e.accelerationEvaluations);
            out += ", qui fait " + roughly(cost, seps) + " fois plus d'évaluations de a";
        }
    } else if (ratio <= 0.5) {
        out += " : la dérive de RK4 est " + roughly(1 / ratio, seps) + " fois celle d'Euler";
    } else {
        out += " : Euler et RK4 dérivent autant l'un que l'autre";
    }
    return out + ".";
}

std::string gapSentence(const MethodComparison& c, const NumberSeparators& seps) {
    const auto gap = [&](ComparedMethod m) { return roughly(c.measure(m).finalGapKm, seps) + " km"; };
    return "Au dernier échantillon commun avec la référence, Euler en est à " +
           gap(ComparedMethod::Euler) + ", Euler semi-implicite à " +
           gap(ComparedMethod::SemiImplicitEuler) + " et RK4 à " + gap(ComparedMethod::RK4) + ".";
}

std::string collisionSentences(const MethodComparison& c, const NumberSeparators& seps) {
    const MethodMeasures& ref = c.measure(ComparedMethod::Reference);
    const auto at = [&](double t) { return "t = " + roughly(t, seps) + " s"; };
    std::string out;
    for (ComparedMethod m : {ComparedMethod::Euler, ComparedMethod::SemiImplicitEuler, ComparedMethod::RK4}) {
        const MethodMeasures& r = c.measure(m);
        const std::string name = methodName(m);
        if (r.collision && !ref.collision) {
            out += " " + name + " rencontre l'astre à " + at(r.collisionTime) +
                   ", la référence ne le rencontre pas.";
        } else if (!r.collision && ref.collision) {
            out += " " + name + " ne rencontre pas l'astre, la référence le rencontre à " +
                   at(ref.collisionTime) + ".";
        } else if (r.collision && r.collisionTime != ref.collisionTime) {
            out += " " + name + " rencontre l'astre à " + at(r.collisionTime) + ", la référence à " +
                   at(ref.collisionTime) + ".";
        }
    }
    return out;
}

}  // namespace

std::string comparisonSummary(const MethodComparison& c, const NumberSeparators& seps) {
    if (c.error != 0) return parameterErrorLine(c.error).value_or(std::string());
    const MethodTrajectory& ref = c.trajectory(ComparedMethod::Reference);
    if (ref.samples.size() <= 1) {
        return "Le satellite part de l'intérieur de l'astre : toutes les méthodes s'arrêtent dès le "
               "départ.";
    }
    std::string out = energySentence(c, seps);
    if (!out.empty()) out += " ";
    out += gapSentence(c, seps);
    out += collisionSentences(c, seps);
    return out;
}

}  // namespace gravitaria
