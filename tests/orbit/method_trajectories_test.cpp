// The compared methods against closed forms: explicit Euler gains energy
// step after step on a circle, semi-implicit Euler keeps it bounded, RK4 is
// orders of magnitude better, the reference closes Kepler's period; the RK4
// row is a run's table; each method stops at its own collision.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "errors.h"
#include "euler_steppers.h"
#include "gravity.h"
#include "headless_flight.h"
#include "reference_flight.h"
#include "rk4_trajectory.h"

namespace gravitaria {
namespace {

constexpr long double EarthMass = 6e24L;
const long double EarthMu = -GravitationalConstant * EarthMass;

// A start at (r, 0) with the velocity (0, v), SI units.
FlightStart startAt(long double mass, double r, double v, double dt, std::int32_t positions,
                    std::int32_t radiusKm = 6380) {
    FlightStart s;
    s.attractorMass = mass;
    s.initial[1] = {r, 0.0};
    s.initial[2] = {0.0, v};
    s.timeStep = dt;
    s.positions = positions;
    s.radiusKm = radiusKm;
    return s;
}

double circularSpeed(long double mu, double r) { return static_cast<double>(std::sqrt(mu / r)); }
double keplerPeriod(long double mu, double a) {
    return static_cast<double>(2 * std::numbers::pi_v<long double> * std::sqrt(a * a * a / mu));
}

// Closed forms of the specific energy, independent of the program's code.
long double energy(const FlightSample& s, long double mu) {
    const long double v2 = static_cast<long double>(s.vx) * s.vx + static_cast<long double>(s.vy) * s.vy;
    return v2 / 2 - mu / std::hypot(static_cast<long double>(s.x), static_cast<long double>(s.y));
}
// max |E - E0| / |E0| over the first `count` samples.
double drift(const MethodTrajectory& t, long double mu, std::size_t count) {
    const long double e0 = energy(t.samples.front(), mu);
    long double worst = 0;
    for (std::size_t i = 0; i < count && i < t.samples.size(); ++i) {
        worst = std::max(worst, std::fabs(energy(t.samples[i], mu) - e0) / std::fabs(e0));
    }
    return static_cast<double>(worst);
}

// 7000 km circle: period about 5828 s; 60 s a sample gives 97 samples a turn.
constexpr double CircleRadius = 7e6;
constexpr double CircleStep = 60;

TEST(MethodTrajectories, EulerEnergyGrowsInProportionToTheSteps) {
    // 5 s a sample: the energy gains stay small over 1000 samples, so each
    // step adds about the same.
    const FlightStart start = startAt(EarthMass, CircleRadius, circularSpeed(EarthMu, CircleRadius), 5, 1000);
    const MethodTrajectory euler = explicitEulerTrajectory(start);
    ASSERT_EQ(euler.samples.size(), 1001u);
    for (std::size_t i = 1; i < euler.samples.size(); ++i) {
        ASSERT_GT(energy(euler.samples[i], EarthMu), energy(euler.samples[i - 1], EarthMu)) << i;
    }
    const double d250 = drift(euler, EarthMu, 251);
    const double d500 = drift(euler, EarthMu, 501);
    const double d1000 = drift(euler, EarthMu, 1001);
    EXPECT_GT(d250, 0.0);
    EXPECT_NEAR(d500 / d250, 2.0, 0.1);
    EXPECT_NEAR(d1000 / d500, 2.0, 0.1);
}

TEST(MethodTrajectories, EnergyOverTenTurnsOfACircle) {
    const double v = circularSpeed(EarthMu, CircleRadius);
    const double T = keplerPeriod(EarthMu, CircleRadius);
    const auto perTurn = static_cast<std::size_t>(T / CircleStep);
    const auto positions = static_cast<std::int32_t>(10 * perTurn);
    const FlightStart start = startAt(EarthMass, CircleRadius, v, CircleStep, positions);
    const MethodTrajectory euler = explicitEulerTrajectory(start);
    const MethodTrajectory semi = semiImplicitEulerTrajectory(start);
    const MethodTrajectory ref = referenceTrajectory(start);
    ASSERT_EQ(semi.samples.size(), 10 * perTurn + 1);
    ASSERT_FALSE(euler.collision || semi.collision || ref.collision);
    const std::size_t all = 10 * perTurn + 1;

    // Euler: the energy rises without end (the orbit spirals out).
    EXPECT_GT(energy(euler.samples.back(), EarthMu), energy(euler.samples[perTurn], EarthMu));
    EXPECT_GT(drift(euler, EarthMu, all), 0.5);

    // Semi-implicit Euler: bounded, ten turns stray no farther than one.
    const double semiOne = drift(semi, EarthMu, perTurn + 1);
    const double semiTen = drift(semi, EarthMu, all);
    EXPECT_GT(semiOne, 0.0);
    EXPECT_LT(semiTen, 1.2 * semiOne);
    EXPECT_LT(semiTen, 0.01 * drift(euler, EarthMu, all));

    // RK4, through the program's integrator with the same start: orders of
    // magnitude below Euler.
    RunSettings settings;
    settings.UpperLimit = start.timeStep * start.positions;
    settings.CalcInterval = start.timeStep / 2;
    settings.ReturnInterval = start.timeStep;
    settings.Initialvalues = start.initial;
    std::uint8_t error = 99;
    const MethodTrajectory rk4 = rk4Trajectory(EarthMass, settings, start.radiusKm, error);
    EXPECT_EQ(error, 0);
    ASSERT_EQ(rk4.samples.size(), all);
    EXPECT_LT(drift(rk4, EarthMu, all), 1e-4 * drift(euler, EarthMu, all));
    EXPECT_LT(drift(ref, EarthMu, all), 1e-10);
}

struct KeplerCase {
    const char* name;
    long double mass;
    double perigee;      // m, the start
    double eccentricity;
};

TEST(MethodTrajectories, ReferenceClosesKeplersPeriod) {
    const KeplerCase cases[] = {
        {"circle 7000 km", EarthMass, 7e6, 0.0},
        {"ellipse e = 0.5", EarthMass, 8e6, 0.5},
        {"ellipse e = 0.8", EarthMass, 7e6, 0.8},
        {"the Sun's year", 1.99e30L, 1.5e11, 0.0167},
    };
    for (const KeplerCase& c : cases) {
        const long double mu = -GravitationalConstant * c.mass;
        const double a = c.perigee / (1 - c.eccentricity);
        const double vp = static_cast<double>(std::sqrt(mu * (1 + c.eccentricity) / c.perigee));
        const double T = keplerPeriod(mu, a);
        const MethodTrajectory ref = referenceTrajectory(startAt(c.mass, c.perigee, vp, T / 100, 100, 10));
        ASSERT_EQ(ref.samples.size(), 101u) << c.name;
        const FlightSample& end = ref.samples.back();
        EXPECT_DOUBLE_EQ(end.t, 100 * (T / 100)) << c.name;
        EXPECT_LT(std::hypot(end.x - c.perigee, end.y) / c.perigee, 1e-9) << c.name;
        EXPECT_LT(std::hypot(end.vx, end.vy - vp) / vp, 1e-9) << c.name;
        // Halfway round, at the apogee a (1 + e) on the far side.
        const FlightSample& mid = ref.samples[50];
        EXPECT_LT(std::hypot(mid.x + a * (1 + c.eccentricity), mid.y) / c.perigee, 1e-9) << c.name;
    }
}

// The RK4 row and a run of the window's driver from the same fields.
TEST(MethodTrajectories, Rk4RowIsTheRunsTable) {
    struct Case {
        const char* name;
        long double startXKm, startYKm;
        std::int32_t vx, vy, dt, positions;
    };
    const Case cases[] = {
        {"Earth defaults, radial fall", 30000, 40000, 0, 0, 200, 100},
        {"circular orbit", 7000, 0, 0, 7546, 60, 1000},
        {"ellipse", -20000, 15000, 2500, 1500, 300, 500},
    };
    for (const Case& c : cases) {
        HeadlessFlight flight(NumberSeparators{",", "\u202F"});
        RunInputs in;
        in.timeStep = c.dt;
        in.numberOfPoints = c.positions;
        in.startVx = c.vx;
        in.startVy = c.vy;
        in.radiusKm = 6380;
        flight.run(EarthMass, c.startXKm, c.startYKm, in);

        OrbitState state;
        state.AttractorMass = EarthMass;
        state.PosX = c.startXKm;
        state.PosY = c.startYKm;
        std::uint8_t error = 99;
        const MethodTrajectory rk4 = rk4Trajectory(EarthMass, makeRunSettings(state, in), in.radiusKm, error);
        EXPECT_EQ(error, 0) << c.name;
        EXPECT_EQ(rk4.collision, flight.collided()) << c.name;
        // Every sample has its table line, except a collision.
        const std::size_t lines = flight.memoLines().size() - HeaderLineCount;
        ASSERT_EQ(rk4.samples.size(), lines + (rk4.collision ? 1 : 0)) << c.name;
        OrbitState replay;
        for (std::size_t n = 0; n < rk4.samples.size(); ++n) {
            const FlightSample& s = rk4.samples[n];
            EXPECT_EQ(s.x, static_cast<double>(flight.state().TabX[n])) << c.name << " n=" << n;
            EXPECT_EQ(s.y, static_cast<double>(flight.state().TabY[n])) << c.name << " n=" << n;
            const SampleRecord rec = recordSample(replay, toStateVector(s), c.dt, in.radiusKm,
                                                  NumberSeparators{",", "\u202F"});
            if (n < lines) {
                EXPECT_EQ(rec.tableLine, flight.memoLines()[HeaderLineCount + n]) << c.name << " n=" << n;
            }
        }
        // Four evaluations a step, two steps a sample, and the last step.
        if (!rk4.collision) {
            EXPECT_EQ(rk4.accelerationEvaluations, 4 * (2 * c.positions + 1)) << c.name;
        }
    }
}

TEST(MethodTrajectories, EachMethodStopsAtItsOwnCollision) {
    // From an apogee of 30000 km towards a perigee of 6300 km, under the
    // Earth's 6380 km: Euler gains energy, its perigee rises and it misses.
    const double ra = 3e7, rp = 6.3e6, a = (ra + rp) / 2;
    const double va = static_cast<double>(std::sqrt(EarthMu * (2 / ra - 1 / a)));
    const FlightStart start = startAt(EarthMass, ra, va, 200, 300);
    const MethodTrajectory euler = explicitEulerTrajectory(start);
    const MethodTrajectory semi = semiImplicitEulerTrajectory(start);
    const MethodTrajectory ref = referenceTrajectory(start);
    EXPECT_FALSE(euler.collision);
    EXPECT_EQ(euler.samples.size(), 301u);
    EXPECT_EQ(euler.accelerationEvaluations, 600);
    ASSERT_TRUE(ref.collision);
    ASSERT_TRUE(semi.collision);
    // The reference strikes before finishing half an orbit (about 18 900 s).
    EXPECT_LT(ref.samples.back().t, keplerPeriod(EarthMu, a) / 2);
    EXPECT_EQ(semi.accelerationEvaluations, 2 * static_cast<std::int64_t>(semi.samples.size() - 1));

    // A start at the centre strikes at once: no evaluation anywhere.
    const FlightStart centre = startAt(EarthMass, 0, 0, 200, 100);
    for (const MethodTrajectory& t :
         {explicitEulerTrajectory(centre), semiImplicitEulerTrajectory(centre), referenceTrajectory(centre)}) {
        EXPECT_TRUE(t.collision);
        EXPECT_EQ(t.samples.size(), 1u);
        EXPECT_EQ(t.accelerationEvaluations, 0);
    }
}

TEST(MethodTrajectories, EulerStepsAsTaught) {
    // One sample of two half steps from (r, 0) with (0, v), by hand.
    const double r = 7e6, v = 7000, dt = 100, h = dt / 2;
    const FlightStart start = startAt(EarthMass, r, v, dt, 1);
    TNvector at{};
    at[1].X = r;
    const double a0 = accelerationX(EarthMass, at);
    // Explicit: x1 = r, y1 = h v; v1 = (h a0, v).
    const double x1 = r, y1 = h * v, vx1 = h * a0, vy1 = v;
    TNvector at1{};
    at1[1].X = x1;
    at1[2].X = y1;
    const PlaneAcceleration a1 = acceleration(EarthMass, at1);
    const FlightSample e = explicitEulerTrajectory(start).samples.at(1);
    EXPECT_DOUBLE_EQ(e.x, x1 + h * vx1);
    EXPECT_DOUBLE_EQ(e.y, y1 + h * vy1);
    EXPECT_DOUBLE_EQ(e.vx, vx1 + h * a1.x);
    EXPECT_DOUBLE_EQ(e.vy, vy1 + h * a1.y);
    EXPECT_EQ(e.t, dt);
    // Semi-implicit: v1 = (h a0, v), then x1 = r + h vx1, y1 = h v.
    const double sx1 = r + h * vx1, sy1 = h * v;
    TNvector as1{};
    as1[1].X = sx1;
    as1[2].X = sy1;
    const PlaneAcceleration b1 = acceleration(EarthMass, as1);
    const double svx2 = vx1 + h * b1.x, svy2 = v + h * b1.y;
    const FlightSample s = semiImplicitEulerTrajectory(start).samples.at(1);
    EXPECT_DOUBLE_EQ(s.vx, svx2);
    EXPECT_DOUBLE_EQ(s.vy, svy2);
    EXPECT_DOUBLE_EQ(s.x, sx1 + h * svx2);
    EXPECT_DOUBLE_EQ(s.y, sy1 + h * svy2);
}

}  // namespace
}  // namespace gravitaria
