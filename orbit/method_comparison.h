#pragma once
// The same flight by four methods (explicit Euler, semi-implicit Euler, the
// program's RK4, the reference) and what sets them apart: the cost in
// evaluations of the acceleration, the distance to the reference, the
// drifts of the conserved quantities, how well one turn closes, and where
// each strikes the attractor. Also the comparison's clipboard text and the
// sentence that sums it up, built from the numbers.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "flight_run.h"
#include "method_trajectory.h"
#include "number_text.h"

namespace gravitaria {

enum class ComparedMethod { Euler, SemiImplicitEuler, RK4, Reference };
inline constexpr std::size_t ComparedMethodCount = 4;
inline constexpr std::array<ComparedMethod, ComparedMethodCount> ComparedMethods = {
    ComparedMethod::Euler, ComparedMethod::SemiImplicitEuler, ComparedMethod::RK4,
    ComparedMethod::Reference};

// "Euler", "Euler semi-implicite", "RK4", "Référence".
const char* methodName(ComparedMethod m);

// One row of the comparison table.
struct MethodMeasures {
    std::int64_t accelerationEvaluations = 0;
    double finalGapKm = 0.0;   // to the reference, at the last sample both reached
    double maxGapKm = 0.0;     // the largest over the samples both reached
    double lastCommonTime = 0.0;  // s, the time of that last common sample
    std::optional<double> energyDriftPercent;    // max |Em - Em0| / |Em0|
    std::optional<double> momentumDriftPercent;  // max |h - h0| / |h0|; none for a radial flight
    // |r - r0| (km) where the trajectory is back on the start direction after
    // one turn (at the measured period), the distance interpolated with the
    // radial speeds; none under one turn.
    std::optional<double> closureKm;
    bool collision = false;
    double collisionTime = 0.0;  // s, the sample where the method struck
};

struct MethodComparison {
    // The integrator's parameter code of the run's settings; nothing is
    // compared unless it is 0.
    std::uint8_t error = 0;
    std::array<MethodTrajectory, ComparedMethodCount> trajectories;
    std::array<MethodMeasures, ComparedMethodCount> measures;

    const MethodTrajectory& trajectory(ComparedMethod m) const {
        return trajectories[static_cast<std::size_t>(m)];
    }
    const MethodMeasures& measure(ComparedMethod m) const {
        return measures[static_cast<std::size_t>(m)];
    }
};

// The four methods from the start a run would read now: the attractor's
// mass and the start position (km) in `state`, the fields in `inputs`.
MethodComparison compareMethods(const OrbitState& state, const RunInputs& inputs);

// The measures of one trajectory against the reference.
MethodMeasures measureMethod(const MethodTrajectory& t, const MethodTrajectory& reference,
                             long double attractorMass);

// The column headers, in order.
inline constexpr std::array<const char*, 8> ComparisonHeaders = {
    "Méthode",       "Évaluations de a", "Écart final (km)", "Écart max (km)",
    "Dérive Em (%)", "Dérive h (%)",     "Fermeture après 1 tour (km)", "Collision"};

// The cells of one row, numbers as G(v) to 7 significant digits, grouped
// or not; "—" where a value does not apply; "oui, t = ... s" or "non".
std::array<std::string, 8> comparisonCells(const MethodComparison& c, ComparedMethod m,
                                           bool grouped, const NumberSeparators& seps);

// The table as TAB-separated text for a spreadsheet: the header line, then
// a line per method, each ended by a line break.
std::string comparisonText(const MethodComparison& c, const NumberSeparators& seps);

// What the numbers show, in French sentences built from them.
std::string comparisonSummary(const MethodComparison& c, const NumberSeparators& seps);

}  // namespace gravitaria
