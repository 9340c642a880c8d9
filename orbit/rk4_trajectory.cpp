#include "rk4_trajectory.h"

#include "gravity.h"

namespace gravitaria {

FlightStart flightStartOf(long double attractorMass, const RunSettings& settings,
                          std::int32_t radiusKm) {
    FlightStart start;
    start.attractorMass = attractorMass;
    start.initial = settings.Initialvalues;
    start.timeStep = settings.ReturnInterval;
    start.positions = settings.ReturnInterval > 0
                          ? static_cast<std::int32_t>(settings.UpperLimit / settings.ReturnInterval)
                          : 0;
    start.radiusKm = radiusKm;
    return start;
}

namespace {

// The run's two acceleration functions and its callback, counting the
// evaluations of the acceleration (slot 1 and slot 2 make one).
struct CountingRun {
    long double mass;
    std::int32_t radiusKm;
    MethodTrajectory* out;

    double ax(TNvector V) {
        ++out->accelerationEvaluations;
        return accelerationX(mass, V);
    }
    double ay(TNvector V) { return accelerationY(mass, V); }
    bool sample(TNvector V) { return !appendAndJudge(*out, fromStateVector(V), radiusKm); }
};

}  // namespace

MethodTrajectory rk4Trajectory(long double attractorMass, const RunSettings& settings,
                               std::int32_t radiusKm, std::uint8_t& error) {
    MethodTrajectory out;
    CountingRun run{attractorMass, radiusKm, &out};
    TFuncVect functions;
    functions[1] = TUserFunctionV::bind<&CountingRun::ax>(run);
    functions[2] = TUserFunctionV::bind<&CountingRun::ay>(run);
    const auto callBack = TStepCallback::bind<&CountingRun::sample>(run);
    error = 0;
    IntegrateSystemRK4(settings.LowerLimit, settings.UpperLimit, settings.ReturnInterval,
                       settings.CalcInterval, settings.Initialvalues, error,
                       settings.NUmEquations, functions, callBack);
    return out;
}

}  // namespace gravitaria
