// The run: settings from the fields, the header, the parameter error lines,
// the per-sample recording with its collision test, and whole flights
// through the same driver the window uses.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "errors.h"
#include "flight_run.h"
#include "gravity.h"
#include "headless_flight.h"

namespace gravitaria {
namespace {

const NumberSeparators French{",", "\u202F"};
const NumberSeparators Plain{".", ","};

RunInputs earthInputs() {
    RunInputs in;
    in.timeStep = 200;
    in.numberOfPoints = 100;
    in.radiusKm = 6380;
    return in;
}

OrbitState earthState() {
    OrbitState s;
    s.AttractorMass = 6e24L;
    s.PosX = 30000;
    s.PosY = 40000;
    return s;
}

TNvector sample(double t, double x, double y, double vx = 0, double vy = 0) {
    TNvector v{};
    v[0].X = t;
    v[1] = {x, vx};
    v[2] = {y, vy};
    return v;
}

TEST(FlightRun, SettingsFromTheFields) {
    const OrbitState state = earthState();
    RunInputs in = earthInputs();
    in.startVx = -3;
    in.startVy = 2500;
    const RunSettings s = makeRunSettings(state, in);
    EXPECT_EQ(s.LowerLimit, 0.0);
    EXPECT_EQ(s.UpperLimit, 20000.0);
    EXPECT_EQ(s.CalcInterval, 100.0);
    EXPECT_EQ(s.ReturnInterval, 200.0);
    EXPECT_EQ(s.NUmEquations, 2);
    EXPECT_EQ(s.Initialvalues[0].X, 0.0);
    EXPECT_EQ(s.Initialvalues[0].XPrime, 0.0);
    EXPECT_EQ(s.Initialvalues[1].X, 3e7);
    EXPECT_EQ(s.Initialvalues[1].XPrime, -3.0);
    EXPECT_EQ(s.Initialvalues[2].X, 4e7);
    EXPECT_EQ(s.Initialvalues[2].XPrime, 2500.0);

    in.timeStep = 201;  // odd step: half a second in CalcInterval
    EXPECT_EQ(makeRunSettings(state, in).CalcInterval, 100.5);
}

TEST(FlightRun, UpperLimitIsACheckedThirtyTwoBitProduct) {
    EXPECT_EQ(checkedProduct(864000, 1000), 864000000);
    EXPECT_EQ(checkedProduct(-200, 100), -20000);
    EXPECT_THROW(checkedProduct(100000, 100000), IntOverflowError);
    EXPECT_THROW(checkedProduct(-2147483647 - 1, -1), IntOverflowError);
    RunInputs in = earthInputs();
    in.timeStep = 3000000;
    in.numberOfPoints = 1000;
    EXPECT_THROW(makeRunSettings(earthState(), in), IntOverflowError);
}

TEST(FlightRun, HeaderLinesExactly) {
    const std::string rule(139, '-');
    const auto lines = headerLines(earthState(), makeRunSettings(earthState(), earthInputs()), French);
    const std::array<std::string, 11> expected = {
        " ---- RK4  Masse de l attracteur = 6E24 kg  --------------- ",
        " Les données du tableau ci dessous sont séparées par une tabulation  ",
        " Elles peuvent être facilement copiées et collées dans un tableur après la ligne ci dessous.",
        rule + " ",
        " ",
        " Date ini : 0  Date Fin : 20000",
        "X(0)=\t30000000\tdx/dt(0)=\t0",
        "Y(0)=\t40000000\tdy/dt(0)=\t0",
        rule + " ",
        "num\tt (s)    \tX (km)      \tdx/dt  (m/s)       \tY (km)      \tdy/dt  (m/s)     \tDistance  (km)",
        rule,
    };
    EXPECT_EQ(lines, expected);

    // The Sun: the mass text follows the decimal separator.
    OrbitState sun;
    sun.AttractorMass = 1.99e30L;
    sun.PosX = -1.5e8L;
    RunInputs in;
    in.timeStep = 86400;
    in.numberOfPoints = 365;
    in.startVy = -29800;
    const RunSettings s = makeRunSettings(sun, in);
    const auto fr = headerLines(sun, s, French);
    const auto c = headerLines(sun, s, Plain);
    EXPECT_EQ(fr[0], " ---- RK4  Masse de l attracteur = 1,99E30 kg  --------------- ");
    EXPECT_EQ(c[0], " ---- RK4  Masse de l attracteur = 1.99E30 kg  --------------- ");
    EXPECT_EQ(fr[5], " Date ini : 0  Date Fin : 31536000");
    EXPECT_EQ(fr[6], "X(0)=\t-150000000000\tdx/dt(0)=\t0");  // 12 digits: plain
    EXPECT_EQ(fr[7], "Y(0)=\t0\tdy/dt(0)=\t-29800");
}

TEST(FlightRun, ParameterErrorLines) {
    EXPECT_FALSE(parameterErrorLine(0));
    EXPECT_EQ(parameterErrorLine(1), "Le nombre de valeurs retournées doit être plus grand que zéro.");
    EXPECT_EQ(parameterErrorLine(2),
              "Le nombre d'intervalles doit être égal ou supérieur au nombre de valeurs retournées");
    EXPECT_EQ(parameterErrorLine(3), "La limite inférieure doit être différente à la valeur initiale.");
    EXPECT_FALSE(parameterErrorLine(4));
}

TEST(SampleRecording, FirstEarthSampleUnderBothLocales) {
    OrbitState state = earthState();
    const TNvector v = sample(0, 3e7, 4e7);
    const SampleRecord fr = recordSample(state, v, 200, 6380, French);
    EXPECT_EQ(fr.n, 0);
    EXPECT_FALSE(fr.collision);
    EXPECT_EQ(fr.tableLine, "0\t    0\t3,00E+004\t0,00E+000\t4,00E+004\t0,00E+000\t50000");
    EXPECT_EQ(fr.clockText, "0");
    EXPECT_EQ(state.PosX, 3e7L);
    EXPECT_EQ(state.TabY[0], 4e7L);
    EXPECT_EQ(recordSample(state, v, 200, 6380, Plain).tableLine,
              "0\t    0\t3.00E+004\t0.00E+000\t4.00E+004\t0.00E+000\t50000");

    // Row 95 is still empty here, so judge this one against a zero radius.
    const SampleRecord later = recordSample(state, sample(19200, 4.04e6, -5.39e6, 3, -4), 200, 0, French);
    EXPECT_EQ(later.n, 96);
    EXPECT_EQ(later.tableLine.substr(0, 9), "96\t19200\t");
    EXPECT_EQ(state.SpeedV, 5.0L);
    EXPECT_EQ(later.clockText, "19\u202F200");
    EXPECT_EQ(recordSample(state, sample(103680000, 1, 1), 103680, 0, French).clockText, "1,0368E8");
}

TEST(SampleRecording, CollisionTest) {
    // Positions in km; the previous row is written first when given.
    struct Case {
        const char* what;
        double prevX, prevY;  // km; NaN for the first sample
        double x, y;          // km
        bool collision;
    };
    const double none = std::nan("");
    const Case cases[] = {
        {"start at the origin", none, none, 0, 0, true},
        {"exactly on the surface", none, none, 6380, 0, false},
        {"just inside", none, none, 6379.999, 0, true},
        {"far outside, first sample", none, none, 30000, 40000, false},
        {"inside the radius, later sample", 7000, 0, 6000, 0, true},
        {"fast pass, moving away: line within the radius", -20000, 5000, 21000, 5000, true},
        {"fast pass, coming closer: through the body too", 21000, 5000, -20000, 5000, true},
        {"moving straight out: the line behind it does not count", 7000, 0, 8000, 0, false},
        {"heading for the body, still short of it", -30000, 1000, -20000, 1000, false},
        {"moving away, line outside the radius", -20000, 7000, 21000, 7000, false},
        {"two samples at the same place", 10000, 0, 10000, 0, false},
    };
    for (const Case& c : cases) {
        OrbitState state = earthState();
        double t = 0;
        if (!std::isnan(c.prevX)) {
            recordSample(state, sample(200, c.prevX * 1000, c.prevY * 1000), 200, 0, Plain);
            t = 400;
        }
        const SampleRecord rec = recordSample(state, sample(t, c.x * 1000, c.y * 1000), 200, 6380, Plain);
        EXPECT_EQ(rec.collision, c.collision) << c.what;
        EXPECT_EQ(rec.tableLine.empty(), c.collision) << c.what;
        EXPECT_TRUE(std::isfinite(static_cast<double>(rec.ri))) << c.what;
    }
}

TEST(SampleRecording, IndexOutsideTheTableFailsBeforeWriting) {
    const double times[] = {200.0 * 1001, -200.0, 1e30};
    for (double t : times) {
        OrbitState state = earthState();
        EXPECT_THROW(recordSample(state, sample(t, 1, 2), 200, 6380, Plain), RangeError) << t;
        EXPECT_EQ(state.PosX, 30000.0L);
    }
    OrbitState state = earthState();
    EXPECT_EQ(recordSample(state, sample(200000, 1, 2), 200, 0, Plain).n, 1000);
    EXPECT_EQ(recordSample(state, sample(399, 1, 2), 200, 0, Plain).n, 1);  // truncated
}

TEST(SampleRecording, NonFiniteSampleIsAnError) {
    OrbitState state = earthState();
    EXPECT_THROW(recordSample(state, sample(0, std::nan(""), 0), 200, 6380, Plain), InvalidOpError);
    EXPECT_THROW(recordSample(state, sample(0, 1e9, 0, HUGE_VAL), 200, 6380, Plain), FloatOverflowError);
    EXPECT_EQ(state.PosX, 30000.0L);
}

// Logs what the run asks of its display, in order.
struct RecordingDisplay : FlightDisplay {
    std::vector<std::string> events;
    std::vector<std::string> memo;
    std::vector<SampleRecord> samples;
    void beginRun() override { events.push_back("begin"); }
    void prepareMap() override { events.push_back("map"); }
    void clearMemo() override {
        events.push_back("clear");
        memo.clear();
    }
    void appendMemoLine(const std::string& line) override {
        events.push_back("line");
        memo.push_back(line);
    }
    void showSample(const SampleRecord& r) override {
        events.push_back("sample " + std::to_string(r.n));
        samples.push_back(r);
    }
    void showCollision(const SampleRecord&) override { events.push_back("collision"); }
    void integrationDone() override { events.push_back("done"); }
    void endRun() override { events.push_back("end"); }
};

TEST(FlightRunDriver, EarthDefaultsFallOntoTheEarth) {
    OrbitState state = earthState();
    RecordingDisplay display;
    FlightRun run(state, display, French);
    EXPECT_EQ(run.ButtonEulerClick(earthInputs()), 0);

    ASSERT_EQ(display.memo.size(), 11u + 97u);
    EXPECT_EQ(display.memo.back().substr(0, 9), "96\t19200\t");
    EXPECT_EQ(display.memo.back().substr(display.memo.back().size() - 6), "\t 6737");
    ASSERT_EQ(display.samples.size(), 98u);
    const SampleRecord& last = display.samples.back();
    EXPECT_TRUE(last.collision);
    EXPECT_EQ(last.n, 97);
    EXPECT_NEAR(static_cast<double>(last.ri), 4484, 1);
    EXPECT_EQ(last.clockText, "19\u202F400");

    // The order of the display's steps.
    std::vector<std::string> expected = {"begin", "map", "clear"};
    expected.insert(expected.end(), 11, "line");
    for (int n = 0; n <= 96; ++n) {
        expected.push_back("sample " + std::to_string(n));
        expected.push_back("line");
    }
    expected.insert(expected.end(), {"sample 97", "collision", "done", "end"});
    EXPECT_EQ(display.events, expected);
}

TEST(FlightRunDriver, ParameterErrorAndTheOrigin) {
    {   // A time step field reading 0: header, then the error line; no sample.
        OrbitState state = earthState();
        RecordingDisplay display;
        FlightRun run(state, display, French);
        RunInputs in = earthInputs();
        in.timeStep = 0;
        EXPECT_EQ(run.ButtonEulerClick(in), 1);
        ASSERT_EQ(display.memo.size(), 12u);
        EXPECT_EQ(display.memo.back(), "Le nombre de valeurs retournées doit être plus grand que zéro.");
        EXPECT_TRUE(display.samples.empty());
        EXPECT_EQ(display.events.back(), "end");
        EXPECT_EQ(display.events[display.events.size() - 3], "done");
    }
    {   // At the origin with a positive radius: a collision at once, no line,
        // and no acceleration evaluated (which would fail, see below).
        OrbitState state = earthState();
        state.PosX = state.PosY = 0;
        RecordingDisplay display;
        FlightRun run(state, display, French);
        EXPECT_EQ(run.ButtonEulerClick(earthInputs()), 0);
        EXPECT_EQ(display.memo.size(), 11u);
        ASSERT_EQ(display.samples.size(), 1u);
        EXPECT_TRUE(display.samples[0].collision);
        EXPECT_EQ(display.samples[0].clockText, "0");
    }
    {   // At the origin with a zero radius: the first sample is written, then
        // the acceleration at the centre fails and ends the run at once.
        OrbitState state = earthState();
        state.PosX = state.PosY = 0;
        RecordingDisplay display;
        FlightRun run(state, display, French);
        RunInputs in = earthInputs();
        in.radiusKm = 0;
        EXPECT_THROW(run.ButtonEulerClick(in), ZeroDivideError);
        EXPECT_EQ(display.memo.size(), 12u);
        EXPECT_EQ(display.events.back(), "line");  // no done, no end
    }
}

TEST(FlightRunDriver, RunEndedByAnErrorKeepsTheStartInKilometres) {
    // No gravity and 1001 positions: sample 1001 is beyond the table.
    OrbitState state = earthState();
    state.AttractorMass = 0;
    RecordingDisplay display;
    FlightRun run(state, display, Plain);
    RunInputs in = earthInputs();
    in.numberOfPoints = 1001;
    EXPECT_THROW(run.ButtonEulerClick(in), RangeError);
    EXPECT_EQ(display.memo.size(), 11u + 1001u);
    EXPECT_EQ(state.PosX, 30000.0L);
    EXPECT_EQ(state.PosY, 40000.0L);
    // So the next run starts where the first one did.
    in.numberOfPoints = 100;
    EXPECT_EQ(run.ButtonEulerClick(in), 0);
    EXPECT_EQ(display.memo[11], "0\t    0\t3.00E+004\t0.00E+000\t4.00E+004\t0.00E+000\t50000");
}

// v = sqrt(GM/r) with an integer speed: the mass is chosen for 2000 m/s at
// 50000 km. The period is 2 pi r / v = 157 079.6 s.
constexpr double OrbitRadius = 5e7;
constexpr double OrbitSpeed = 2000;
const long double CircularMass = OrbitSpeed * OrbitSpeed * OrbitRadius / 6.67e-11L;

struct CircularOrbit {
    long double mass = CircularMass;
    double ax(TNvector v) { return accelerationX(mass, v); }
    double ay(TNvector v) { return accelerationY(mass, v); }
};

// One period in 2000 steps: the truncation error of RK4 over a period is
// about r * 2 pi (w h)^4 / 120 = 2e-5 m here (w h = 2 pi / 2000), and the
// rounding of 2000 steps in doubles a few 1e-5 m, so 1 m leaves a wide
// margin while a second-order method (error about r * 2 pi (w h)^2 / 6,
// some 500 m) or a wrong stage weight fails by far.
TEST(CircularOrbit, ClosesAfterOnePeriod) {
    CircularOrbit orbit;
    const double period = 2 * std::numbers::pi * OrbitRadius / OrbitSpeed;
    TFuncVect f;
    f[1] = TUserFunctionV::bind<&CircularOrbit::ax>(orbit);
    f[2] = TUserFunctionV::bind<&CircularOrbit::ay>(orbit);
    TNvector last{};
    auto keep = [&](TNvector v) {
        last = v;
        return true;
    };
    TNvector start{};
    start[1] = {OrbitRadius, 0};
    start[2] = {0, OrbitSpeed};
    std::uint8_t error = 9;
    IntegrateSystemRK4(0, period, period, period / 2000, start, error, 2, f, TStepCallback(keep));
    ASSERT_EQ(error, 0);
    EXPECT_NEAR(last[0].X, period, 1e-6);
    EXPECT_NEAR(last[1].X, OrbitRadius, 1.0);
    EXPECT_NEAR(last[2].X, 0, 1.0);
    EXPECT_NEAR(last[1].XPrime, 0, 1e-4);
    EXPECT_NEAR(last[2].XPrime, OrbitSpeed, 1e-4);
}

// The same orbit as a user flight: 1000 positions of 200 s, no collision,
// 1001 table lines, every sample on the circle at its time.
TEST(CircularOrbit, ThousandPositionFlightStaysOnTheCircle) {
    OrbitState state;
    state.AttractorMass = CircularMass;
    state.PosX = OrbitRadius / 1000;
    RecordingDisplay display;
    FlightRun run(state, display, Plain);
    RunInputs in;
    in.timeStep = 200;
    in.numberOfPoints = 1000;
    in.startVy = 2000;
    in.radiusKm = 6380;
    EXPECT_EQ(run.ButtonEulerClick(in), 0);
    ASSERT_EQ(display.memo.size(), 11u + 1001u);
    EXPECT_EQ(display.memo.back().substr(0, 12), "1000\t200000\t");
    const double w = OrbitSpeed / OrbitRadius;
    for (const SampleRecord& r : display.samples) {
        EXPECT_NEAR(r.x, OrbitRadius * std::cos(w * r.t), 1.0) << r.n;
        EXPECT_NEAR(r.y, OrbitRadius * std::sin(w * r.t), 1.0) << r.n;
    }
}

TEST(HeadlessFlight, EarthTableAndStartRestored) {
    HeadlessFlight flight(French);
    EXPECT_EQ(flight.run(6e24L, 30000, 40000, earthInputs()), 0);
    EXPECT_EQ(flight.memoLines().size(), 108u);
    EXPECT_TRUE(flight.collided());
    EXPECT_EQ(flight.clockText(), "19\u202F400");
    EXPECT_EQ(flight.state().PosX, 30000.0L);
    EXPECT_EQ(flight.state().PosY, 40000.0L);
    EXPECT_EQ(flight.memoLines()[11], "0\t    0\t3,00E+004\t0,00E+000\t4,00E+004\t0,00E+000\t50000");
    // A second run starts afresh.
    EXPECT_EQ(flight.run(6e24L, 30000, 40000, earthInputs()), 0);
    EXPECT_EQ(flight.memoLines().size(), 108u);
}

}  // namespace
}  // namespace gravitaria
