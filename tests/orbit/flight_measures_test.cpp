// What a flight's samples show: measured period, semi-major axis and third
// law, drifts of the conserved quantities, swept areas and the impact, on
// flights integrated by the program's integrator and on made-up samples.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "flight_measures.h"
#include "flight_run.h"
#include "orbit_elements.h"
#include "orbit_test_flights.h"

namespace gravitaria {
namespace {

using testing::EarthMu;
using testing::IntegratedFlight;
constexpr double Pi = std::numbers::pi;

// Samples on a circle of radius r, n per turn, one turn every `period` s.
std::vector<FlightSample> circleSamples(double r, double period, int perTurn, int count,
                                        int direction = 1) {
    std::vector<FlightSample> s;
    const double w = direction * 2 * Pi / period;
    for (int k = 0; k < count; ++k) {
        const double t = k * period / perTurn;
        s.push_back({t, r * std::cos(w * t), r * std::sin(w * t), -r * w * std::sin(w * t),
                     r * w * std::cos(w * t)});
    }
    return s;
}

TEST(FlightMeasures, CircularOrbitOverAThousandPositions) {
    const double r = 7000e3;
    const double v = std::sqrt(static_cast<double>(EarthMu) / r);
    const double foreseen = 2 * Pi * std::sqrt(r * r * r / static_cast<double>(EarthMu));
    IntegratedFlight f;
    f.fly(r, 0, 0, v, 10, 1000);
    ASSERT_EQ(f.log.size(), 1001u);
    const FlightMeasures m = measureFlight(f.log.samples(), EarthMu, 6380e3, false);
    ASSERT_TRUE(m.period);
    EXPECT_NEAR(*m.period / foreseen, 1.0, 1e-3);
    ASSERT_TRUE(m.energyDrift);
    EXPECT_LT(*m.energyDrift * 100, 1e-4);  // in %
    EXPECT_LT(*m.momentumDrift * 100, 1e-4);
    EXPECT_LT(*m.areaDeviation, 1e-6);
    EXPECT_NEAR(*m.semiMajorAxis / r, 1.0, 1e-6);
    EXPECT_FALSE(m.impact);
    EXPECT_EQ(m.sampleCount, 1001u);
}

TEST(FlightMeasures, ThirdLawOnOrbitsOfThreeSizes) {
    // Two circles and an ellipse: T^2/a^3 measured on each flight equals
    // 4 pi^2 / mu, whatever the size.
    const double mu = static_cast<double>(EarthMu);
    const double constant = static_cast<double>(keplerThirdLawConstant(EarthMu));
    EXPECT_NEAR(constant, 4 * Pi * Pi / (mu / 1e9), 1e-12 * constant);
    struct Orbit {
        double r, speedFactor, dt;
    };
    for (const Orbit& o : {Orbit{8000e3, 1.0, 8}, Orbit{42000e3, 1.0, 100}, Orbit{10000e3, 1.2, 40}}) {
        const double v = o.speedFactor * std::sqrt(mu / o.r);
        IntegratedFlight f;
        f.fly(o.r, 0, 0, v, o.dt, 1000);
        const FlightMeasures m = measureFlight(f.log.samples(), EarthMu, 6380e3, false);
        ASSERT_TRUE(m.periodSquaredOverCube) << o.r;
        EXPECT_NEAR(*m.periodSquaredOverCube / constant, 1.0, 2e-3) << o.r;
        // The foreseen elements give it exactly.
        const OrbitElements e = orbitElements({testing::EarthMass, o.r / 1000, 0, 0, v});
        const long double aKm = *e.semiMajorAxis / 1000;
        EXPECT_NEAR(static_cast<double>(*e.period * *e.period / (aKm * aKm * aKm)) / constant, 1.0,
                    1e-12);
        EXPECT_NEAR(*m.period / static_cast<double>(*e.period), 1.0, 1e-3) << o.r;
    }
}

TEST(FlightMeasures, EarthPresetFallsAndStrikes) {
    // The Earth preset through the very run the window uses.
    struct Recorder : FlightDisplay {
        FlightLog log;
        bool collided = false;
        void clearMemo() override {}
        void appendMemoLine(const std::string&) override {}
        void showSample(const SampleRecord& r) override { log.add({r.t, r.x, r.y, r.vx, r.vy}); }
        void showCollision(const SampleRecord&) override { collided = true; }
    } rec;
    OrbitState state;
    state.AttractorMass = 6e24L;
    state.PosX = 30000;
    state.PosY = 40000;
    FlightRun run(state, rec, NumberSeparators{});
    run.ButtonEulerClick(RunInputs{200, 100, 0, 0, 6380});
    ASSERT_TRUE(rec.collided);
    ASSERT_EQ(rec.log.size(), 98u);  // t = 0 .. 19400 s
    const FlightMeasures m = measureFlight(rec.log.samples(), 6.67e-11L * 6e24L, 6380e3, true);
    ASSERT_TRUE(m.impact);
    ASSERT_TRUE(m.impact->time);
    EXPECT_GT(*m.impact->time, 19200.0);
    EXPECT_LT(*m.impact->time, 19400.0);
    // The speed at t = 19200 s, the last sample before the impact.
    const FlightSample& before = rec.log.samples()[96];
    EXPECT_DOUBLE_EQ(m.impact->speed, std::hypot(before.vx, before.vy));
    EXPECT_FALSE(m.period);
    EXPECT_FALSE(m.semiMajorAxis);
    EXPECT_FALSE(m.periodSquaredOverCube);
    EXPECT_FALSE(m.momentumDrift);  // h0 = 0
    EXPECT_FALSE(m.areaDeviation);  // no area is swept
    ASSERT_TRUE(m.energyDrift);
    EXPECT_NEAR(m.distances->max, 50000e3, 1e-3);
    EXPECT_LT(m.distances->min, 6380e3);
}

TEST(FlightMeasures, PeriodByTheUnwrappedAngle) {
    const double T = 1000;
    // Either way round, interpolated between the samples around the turn.
    EXPECT_NEAR(*measuredPeriod(circleSamples(1e7, T, 7, 20)), T, 1e-6);
    EXPECT_NEAR(*measuredPeriod(circleSamples(1e7, T, 7, 20, -1)), T, 1e-6);
    // Exactly one turn in the samples, and just short of it.
    EXPECT_NEAR(*measuredPeriod(circleSamples(1e7, T, 10, 11)), T, 1e-6);
    EXPECT_FALSE(measuredPeriod(circleSamples(1e7, T, 10, 10)));
    EXPECT_FALSE(measuredPeriod({}));
    EXPECT_FALSE(measuredPeriod(circleSamples(1e7, T, 10, 1)));
    // Starting part way round the circle changes nothing.
    const auto s = circleSamples(1e7, T, 8, 30);
    EXPECT_NEAR(*measuredPeriod(std::span(s).subspan(3)) - s[3].t, T, 1e-6);
}

TEST(FlightMeasures, DriftsAreRelativeToTheFirstSample) {
    const long double mu = 4e14L;
    // E0 = -mu / r on a sample at rest; the second sample has 1 % more.
    std::vector<FlightSample> s = {{0, 1e7, 0, 0, 0}, {1, 1e7, 0, 0, 0}};
    s[1].vx = std::sqrt(2 * 0.01 * 4e14 / 1e7);
    EXPECT_NEAR(*energyDrift(s, mu), 0.01, 1e-12);
    EXPECT_FALSE(angularMomentumDrift(s));  // h0 = 0
    std::vector<FlightSample> h = {{0, 1e7, 0, 0, 100}, {1, 1e7, 0, 0, 98}, {2, 1e7, 0, 0, 103}};
    EXPECT_NEAR(*angularMomentumDrift(h), 0.03, 1e-12);
    // A sample at the centre has no energy.
    EXPECT_FALSE(energyDrift(std::vector<FlightSample>{{0, 0, 0, 1, 0}}, mu));
    EXPECT_FALSE(energyDrift({}, mu));
    EXPECT_FALSE(energyDrift(s, 0));  // E0 = 0
}

TEST(FlightMeasures, SweptAreas) {
    // Equal steps on a circle sweep equal areas.
    EXPECT_NEAR(*sweptAreaDeviation(circleSamples(1e7, 1000, 12, 30)), 0.0, 1e-9);
    // Areas 1, 1, 4: mean 2, largest deviation 2 / 2.
    const std::vector<FlightSample> s = {{0, 1, 0}, {1, 1, 2}, {2, 0, 2}, {3, -4, 2}};
    EXPECT_NEAR(*sweptAreaDeviation(s), 1.0, 1e-12);
    EXPECT_FALSE(sweptAreaDeviation(std::vector<FlightSample>{{0, 1, 0}}));
    EXPECT_FALSE(sweptAreaDeviation(std::vector<FlightSample>{{0, 1, 0}, {1, 2, 0}}));  // radial
}

TEST(FlightMeasures, ImpactTimeAndSpeed) {
    const std::vector<FlightSample> fall = {{0, 9e6, 0, -1000, 0}, {100, 8e6, 0, -3000, 0},
                                            {200, 5e6, 0, -5000, 0}};
    const auto impact = impactOnRadius(fall, 6e6);
    ASSERT_TRUE(impact);
    EXPECT_NEAR(*impact->time, 100 + 100.0 * 2 / 3, 1e-9);
    EXPECT_EQ(impact->speed, 3000);
    // A flight that starts inside strikes at once.
    const std::vector<FlightSample> inside = {{0, 1e6, 0, 0, 700}};
    EXPECT_EQ(*impactOnRadius(inside, 6e6)->time, 0);
    EXPECT_EQ(impactOnRadius(inside, 6e6)->speed, 700);
    // A collision whose last segment never reaches the radius keeps only
    // the speed: the time is not made up.
    const std::vector<FlightSample> pass = {{0, 7e6, 0, 0, 0}, {10, 8e6, 0, 0, 0}};
    EXPECT_FALSE(impactOnRadius(pass, 6e6)->time);
    EXPECT_FALSE(impactOnRadius({}, 6e6));
}

TEST(FlightMeasures, LogAndSectorGroups) {
    FlightLog log;
    EXPECT_TRUE(log.empty());
    for (int k = 0; k < 1005; ++k) log.add({static_cast<double>(k), 1, 0, 0, 0});
    EXPECT_EQ(log.size(), FlightLog::Capacity);
    EXPECT_EQ(log.samples().back().t, 1000);
    log.clear();
    EXPECT_EQ(log.size(), 0u);

    EXPECT_EQ(sectorGroupSize(1200.0, 10, 5000), 10u);
    EXPECT_EQ(sectorGroupSize(std::nullopt, 10, 2400), 20u);  // a twelfth of the flight
    EXPECT_EQ(sectorGroupSize(60.0, 10, 5000), 1u);           // at least one
    EXPECT_EQ(sectorGroupSize(1200.0, 0, 5000), 1u);
}

}  // namespace
}  // namespace gravitaria
