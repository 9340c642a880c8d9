// A 1000-position integration with both acceleration functions, a full
// headless flight of 1000 positions writing its table lines, the comparison
// of the four methods over 1000 positions, and the measures of a 1001-sample
// flight at its end.
#include <benchmark/benchmark.h>

#include "flight_measures.h"
#include "gravity.h"
#include "headless_flight.h"
#include "method_comparison.h"
#include "orbit_elements.h"
#include "runge_kutta4.h"

namespace gravitaria {
namespace {

// 2000 m/s on a circle of 50000 km: no collision over 1000 positions.
constexpr double Radius = 5e7;
constexpr double Speed = 2000;
const long double Mass = Speed * Speed * Radius / 6.67e-11L;

struct Orbit {
    long double mass = Mass;
    double lastX = 0;
    double ax(TNvector v) { return accelerationX(mass, v); }
    double ay(TNvector v) { return accelerationY(mass, v); }
    bool keep(TNvector v) {
        lastX = v[1].X;
        return true;
    }
};

void BM_Integrate1000Positions(benchmark::State& state) {
    Orbit orbit;
    TFuncVect f;
    f[1] = TUserFunctionV::bind<&Orbit::ax>(orbit);
    f[2] = TUserFunctionV::bind<&Orbit::ay>(orbit);
    const auto cb = TStepCallback::bind<&Orbit::keep>(orbit);
    TNvector start{};
    start[1] = {Radius, 0};
    start[2] = {0, Speed};
    for (auto _ : state) {
        std::uint8_t error = 0;
        IntegrateSystemRK4(0, 200000, 200, 100, start, error, 2, f, cb);
        benchmark::DoNotOptimize(orbit.lastX);
    }
    state.SetItemsProcessed(state.iterations() * 1001);  // samples
}
BENCHMARK(BM_Integrate1000Positions)->Unit(benchmark::kMicrosecond);

void BM_HeadlessRun1000Positions(benchmark::State& state) {
    HeadlessFlight flight(NumberSeparators{",", "\u202F"});
    RunInputs in;
    in.timeStep = 200;
    in.numberOfPoints = 1000;
    in.startVy = static_cast<std::int32_t>(Speed);
    in.radiusKm = 6380;
    for (auto _ : state) {
        flight.run(Mass, Radius / 1000, 0, in);
        benchmark::DoNotOptimize(flight.memoLines().data());
    }
    if (flight.memoLines().size() != 11 + 1001) state.SkipWithError("unexpected table length");
    state.SetItemsProcessed(state.iterations() * 1001);
}
BENCHMARK(BM_HeadlessRun1000Positions)->Unit(benchmark::kMicrosecond);

// All four methods and their measures over 1000 positions: the wide circle
// above (1.3 turns) and a low orbit of 7000 km at 200 s a sample (34 turns,
// the reference's hardest usual case).
void BM_CompareMethods1000Positions(benchmark::State& state) {
    OrbitState start;
    RunInputs in;
    in.timeStep = 200;
    in.numberOfPoints = 1000;
    in.radiusKm = 6380;
    if (state.range(0) == 0) {
        start.AttractorMass = Mass;
        start.PosX = Radius / 1000;
        in.startVy = static_cast<std::int32_t>(Speed);
    } else {
        start.AttractorMass = 6e24L;
        start.PosX = 7000;
        in.startVy = 7549;
    }
    std::size_t samples = 0;
    for (auto _ : state) {
        const MethodComparison c = compareMethods(start, in);
        samples = c.trajectory(ComparedMethod::Reference).samples.size();
        benchmark::DoNotOptimize(samples);
    }
    if (samples != 1001) state.SkipWithError("unexpected number of samples");
    state.SetLabel(state.range(0) == 0 ? "circle 50000 km" : "low orbit 7000 km");
}
BENCHMARK(BM_CompareMethods1000Positions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
// What the end of a run computes from its samples: the orbit foreseen from
// the start and every measure of the 1001 samples.
void BM_FlightMeasures1001Samples(benchmark::State& state) {
    Orbit orbit;
    static FlightLog log;
    struct Keep {
        FlightLog& log;
        bool sample(TNvector v) {
            log.add({v[0].X, v[1].X, v[2].X, v[1].XPrime, v[2].XPrime});
            return true;
        }
    } keep{log};
    TFuncVect f;
    f[1] = TUserFunctionV::bind<&Orbit::ax>(orbit);
    f[2] = TUserFunctionV::bind<&Orbit::ay>(orbit);
    TNvector start{};
    start[1] = {Radius, 0};
    start[2] = {0, Speed};
    std::uint8_t error = 0;
    log.clear();
    IntegrateSystemRK4(0, 200000, 200, 100, start, error, 2, f, TStepCallback::bind<&Keep::sample>(keep));
    const StartConditions conditions{Mass, Radius / 1000, 0, 0, Speed};
    for (auto _ : state) {
        const OrbitElements foreseen = orbitElements(conditions);
        const FlightMeasures m = measureFlight(log.samples(), foreseen.mu, 6380e3, false);
        benchmark::DoNotOptimize(m);
    }
    if (log.size() != 1001) state.SkipWithError("the flight did not return 1001 samples");
    state.SetItemsProcessed(state.iterations() * 1001);
}
BENCHMARK(BM_FlightMeasures1001Samples)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gravitaria
