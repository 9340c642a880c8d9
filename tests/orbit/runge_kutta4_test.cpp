// The integrator: validation order, sizing and callback cadence, the order
// of the stage evaluations, accuracy, and every raised failure.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "errors.h"
#include "runge_kutta4.h"

namespace gravitaria {
namespace {

// Records every call the integrator makes; x_i'' = -stiffness x_i.
struct Recorder {
    double stiffness = 1.0;
    std::vector<double> callbackTimes;
    std::vector<TNvector> callbackStates;
    std::vector<double> stageTimes;  // time of the stage input, slot 1 only
    std::vector<int> slotOrder;
    int calls1 = 0, calls2 = 0;
    int stopAfter = -1;  // callbacks before returning false; -1 never

    double f1(TNvector v) {
        ++calls1;
        slotOrder.push_back(1);
        stageTimes.push_back(v[0].X);
        return -stiffness * v[1].X;
    }
    double f2(TNvector v) {
        ++calls2;
        slotOrder.push_back(2);
        return -stiffness * v[2].X;
    }
    bool cb(TNvector v) {
        callbackTimes.push_back(v[0].X);
        callbackStates.push_back(v);
        return stopAfter < 0 || static_cast<int>(callbackTimes.size()) < stopAfter;
    }

    TFuncVect funcs() {
        TFuncVect f;
        f[1] = TUserFunctionV::bind<&Recorder::f1>(*this);
        f[2] = TUserFunctionV::bind<&Recorder::f2>(*this);
        return f;
    }
    TStepCallback callback() { return TStepCallback::bind<&Recorder::cb>(*this); }
};

TNvector startState(double t0 = 0.0) {
    TNvector v{};
    v[0].X = t0;
    v[1] = {1.0, 0.0};
    v[2] = {0.0, 1.0};
    return v;
}

std::uint8_t run(Recorder& rec, double lower, double upper, double ret, double calc,
                 std::int32_t equations = 2, TNvector init = startState()) {
    std::uint8_t error = 99;
    IntegrateSystemRK4(lower, upper, ret, calc, init, error, equations, rec.funcs(), rec.callback());
    return error;
}

TEST(RungeKutta4, ParameterErrorsInTheirOrderAndNothingIsCalled) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case { double lower, upper, ret, calc; std::uint8_t code; };
    const Case cases[] = {
        {0, 20000, 0, 5, 1},          // 1 before 2, although calc > ret
        {0, 20000, -200, -300, 1},
        {0, 20000, nan, 100, 1},      // a NaN is not greater than zero
        {0, 20000, 200, 200.5, 2},
        {0, 0, 200, 300, 2},          // 2 before 3
        {0, 0, 200, 100, 3},
        {5, 5, 200, 200, 3},
    };
    for (const Case& c : cases) {
        Recorder rec;
        EXPECT_EQ(run(rec, c.lower, c.upper, c.ret, c.calc), c.code)
            << c.lower << " " << c.upper << " " << c.ret << " " << c.calc;
        EXPECT_TRUE(rec.callbackTimes.empty());
        EXPECT_EQ(rec.calls1 + rec.calls2, 0);
    }
}

TEST(RungeKutta4, SizingAndCallbackCadence) {
    struct Case {
        double lower, upper, ret, calc, t0;
        std::size_t callbacks;
        double firstGap, lastTime;
        int callsPerSlot;
    };
    const Case cases[] = {
        // The usual run: N = 200, h = 100, r = 2: 101 callbacks, 201 steps.
        {0, 20000, 200, 100, 0, 101, 200, 20000, 804},
        // A year of the Sun: N = 730, 731 iterations, 366 callbacks.
        {0, 31536000, 86400, 43200, 0, 366, 86400, 31536000, 2924},
        // CalcInterval = ReturnInterval: a callback at every iteration.
        {0, 2000, 200, 200, 0, 11, 200, 2000, 44},
        // Span 250 / 100 = 2.5 rounds to the even 2: h = 125.
        {0, 250, 200, 100, 0, 2, 250, 250, 12},
        // Span 350 / 100 = 3.5 rounds to 4: h = 87.5; r = 2 -> k = 1, 3, 5.
        {0, 350, 200, 100, 0, 3, 175, 350, 20},
        // Backward span: negative step, decreasing time.
        {0, -1000, 200, 100, 0, 6, -200, -1000, 44},
        // The time comes from InitialValues, not from LowerLimit.
        {5000, 7000, 200, 100, 1000, 11, 200, 3000, 84},
    };
    for (const Case& c : cases) {
        Recorder rec;
        rec.stiffness = 0.0;  // uniform motion: any step stays finite
        ASSERT_EQ(run(rec, c.lower, c.upper, c.ret, c.calc, 2, startState(c.t0)), 0);
        ASSERT_EQ(rec.callbackTimes.size(), c.callbacks) << c.upper;
        EXPECT_EQ(rec.callbackTimes.front(), c.t0);
        EXPECT_DOUBLE_EQ(rec.callbackTimes[1] - rec.callbackTimes[0], c.firstGap) << c.upper;
        EXPECT_DOUBLE_EQ(rec.callbackTimes.back(), c.lastTime) << c.upper;
        EXPECT_EQ(rec.calls1, c.callsPerSlot) << c.upper;
        EXPECT_EQ(rec.calls2, c.callsPerSlot) << c.upper;
    }
}

TEST(RungeKutta4, NonIntegerCallbackIncrementAlternates) {
    // r = 1.5 with h = 100: callbacks at k = 1, 2, 4, 5, 7, 8, 10.
    Recorder rec;
    ASSERT_EQ(run(rec, 0, 900, 150, 100), 0);
    const std::vector<double> expected = {0, 100, 300, 400, 600, 700, 900};
    EXPECT_EQ(rec.callbackTimes, expected);
}

TEST(RungeKutta4, FirstCallbackGetsInitialValuesAndStepsFollowTheirCallback) {
    Recorder rec;
    TNvector init = startState(0);
    init[0].XPrime = 42.0;  // carried along untouched
    ASSERT_EQ(run(rec, 0, 400, 200, 100, 2, init), 0);
    ASSERT_EQ(rec.callbackStates.size(), 3u);
    EXPECT_EQ(rec.callbackStates[0][1].X, 1.0);
    EXPECT_EQ(rec.callbackStates[0][2].XPrime, 1.0);
    EXPECT_EQ(rec.callbackStates[2][0].XPrime, 42.0);
    // N = 4, 5 iterations: 5 steps; the last one, beyond t = 400, unreported.
    EXPECT_EQ(rec.calls1, 20);
    EXPECT_EQ(rec.stageTimes.back(), 500.0);
}

TEST(RungeKutta4, StagesInOrderSlotOneBeforeSlotTwoAtTheirTimes) {
    Recorder rec;
    ASSERT_EQ(run(rec, 0, 200, 200, 100), 0);
    ASSERT_GE(rec.stageTimes.size(), 8u);
    const std::vector<double> firstTwoSteps(rec.stageTimes.begin(), rec.stageTimes.begin() + 8);
    EXPECT_EQ(firstTwoSteps, (std::vector<double>{0, 50, 50, 100, 100, 150, 150, 200}));
    for (std::size_t i = 0; i < rec.slotOrder.size(); ++i) EXPECT_EQ(rec.slotOrder[i], i % 2 == 0 ? 1 : 2);
}

TEST(RungeKutta4, StopOnFirstCallbackCallsNoFunction) {
    Recorder rec;
    rec.stopAfter = 1;
    EXPECT_EQ(run(rec, 0, 20000, 200, 100), 0);
    EXPECT_EQ(rec.callbackTimes.size(), 1u);
    EXPECT_EQ(rec.calls1 + rec.calls2, 0);

    Recorder later;
    later.stopAfter = 3;  // stops at t = 400: two user steps of two RK4 steps
    EXPECT_EQ(run(later, 0, 20000, 200, 100), 0);
    EXPECT_EQ(later.calls1, 16);
}

// x'' = -x from x = 1, x' = 0: x = cos t. RK4's global error shrinks as h^4,
// so halving the step divides the error by about 16; a wrong weight or a
// stage built from the wrong derivative drops the order and fails this.
TEST(RungeKutta4, FourthOrderOnTheHarmonicOscillator) {
    auto errorAt = [](double calc) {
        Recorder rec;
        EXPECT_EQ(run(rec, 0, 10, 10, calc), 0);
        const TNvector& last = rec.callbackStates.back();
        const double t = last[0].X;  // accumulated: 10 within rounding
        EXPECT_NEAR(t, 10.0, 1e-12);
        return std::hypot(last[1].X - std::cos(t), last[1].XPrime + std::sin(t));
    };
    const double e1 = errorAt(0.1), e2 = errorAt(0.05);
    EXPECT_LT(e1, 1e-4);
    EXPECT_NEAR(e1 / e2, 16.0, 1.5);
}

TEST(RungeKutta4, EquationCountAndEmptySlots) {
    {   // No equation: only the time advances.
        Recorder rec;
        ASSERT_EQ(run(rec, 0, 400, 200, 100, 0), 0);
        EXPECT_EQ(rec.callbackTimes.back(), 400.0);
        EXPECT_EQ(rec.callbackStates.back()[1].X, 1.0);
        EXPECT_EQ(rec.calls1 + rec.calls2, 0);
    }
    {   // One equation: entry 2 keeps its initial values, slot 2 is never called.
        Recorder rec;
        ASSERT_EQ(run(rec, 0, 400, 200, 100, 1), 0);
        EXPECT_EQ(rec.calls2, 0);
        EXPECT_NE(rec.callbackStates.back()[1].X, 1.0);
        EXPECT_EQ(rec.callbackStates.back()[2].X, 0.0);
        EXPECT_EQ(rec.callbackStates.back()[2].XPrime, 1.0);
    }
    {   // An empty slot: its equation keeps its values, the other moves.
        Recorder rec;
        TFuncVect f;
        f[1] = TUserFunctionV::bind<&Recorder::f1>(rec);
        std::uint8_t error = 9;
        IntegrateSystemRK4(0, 400, 200, 100, startState(), error, 2, f, rec.callback());
        EXPECT_EQ(error, 0);
        EXPECT_EQ(rec.callbackStates.back()[2].X, 0.0);
        EXPECT_EQ(rec.callbackStates.back()[2].XPrime, 1.0);
        EXPECT_NE(rec.callbackStates.back()[1].X, 1.0);
    }
    {   // Three equations address a slot beyond the table after the first callback.
        Recorder rec;
        std::uint8_t error = 9;
        EXPECT_THROW(IntegrateSystemRK4(0, 400, 200, 100, startState(), error, 3, rec.funcs(),
                                        rec.callback()),
                     RangeError);
        EXPECT_EQ(error, 0);
        EXPECT_EQ(rec.callbackTimes.size(), 1u);
    }
}

TEST(RungeKutta4, SizingFailuresBeforeAnyCallback) {
    const double maxInt = std::numeric_limits<std::int32_t>::max();
    struct Case { double lower, upper, ret, calc; const char* message; };
    const Case cases[] = {
        {0, 50, 200, 100, "Division par zéro en virgule flottante"},   // 0.5 rounds to 0
        {0, 40, 200, 100, "Division par zéro en virgule flottante"},   // below half
        {0, 100, 200, 0, "Division par zéro en virgule flottante"},    // CalcInterval 0
        {0, 1e12, 200, 100, "Erreur de vérification d'étendue"},       // N beyond 32 bits
        {0, maxInt, 1, 1, "Débordement d'entier"},                     // N + 1 overflows
        {0, 20, 200, -100, "Division par zéro en virgule flottante"},  // negative, rounds to -0
    };
    for (const Case& c : cases) {
        Recorder rec;
        std::uint8_t error = 9;
        try {
            IntegrateSystemRK4(c.lower, c.upper, c.ret, c.calc, startState(), error, 2, rec.funcs(),
                               rec.callback());
            ADD_FAILURE() << "no error for span " << c.upper << " calc " << c.calc;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message) << c.upper << " " << c.calc;
        }
        EXPECT_EQ(error, 0);
        EXPECT_TRUE(rec.callbackTimes.empty());
    }
    // A negative CalcInterval giving N <= -1: no iteration, no error.
    Recorder rec;
    EXPECT_EQ(run(rec, 0, 20000, 200, -100), 0);
    EXPECT_TRUE(rec.callbackTimes.empty());
}

struct Faulty {
    double value = 0;
    bool throwInCallback = false;
    double f(TNvector) { return value; }
    bool cb(TNvector) {
        if (throwInCallback) throw RangeError();
        return true;
    }
};

TEST(RungeKutta4, FailuresFromFunctionsAndNonFiniteStates) {
    struct Case { double value; bool throwInCallback; const char* message; };
    const Case cases[] = {
        {std::numeric_limits<double>::infinity(), false, "Débordement en virgule flottante"},
        {std::numeric_limits<double>::quiet_NaN(), false, "Opération en virgule flottante incorrecte"},
        {1e308, false, "Débordement en virgule flottante"},  // the state overflows after a few steps
        {0, true, "Erreur de vérification d'étendue"},        // propagated unchanged
    };
    for (const Case& c : cases) {
        Faulty faulty{c.value, c.throwInCallback};
        TFuncVect f;
        f[1] = TUserFunctionV::bind<&Faulty::f>(faulty);
        f[2] = TUserFunctionV::bind<&Faulty::f>(faulty);
        std::vector<double> seen;
        auto cb = [&](TNvector v) {
            seen.push_back(v[1].X);
            return faulty.cb(v);
        };
        std::uint8_t error = 9;
        try {
            IntegrateSystemRK4(0, 20000, 200, 100, startState(), error, 2, f, TStepCallback(cb));
            ADD_FAILURE() << "no error for " << c.value;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        for (double x : seen) EXPECT_TRUE(std::isfinite(x));
    }
}

TEST(RungeKutta4, FuncVectIsIndexedFromOne) {
    TFuncVect f;
    EXPECT_TRUE(f[1].empty());
    EXPECT_TRUE(f[2].empty());
    EXPECT_THROW(f[0], RangeError);
    EXPECT_THROW(f[3], RangeError);
}

}  // namespace
}  // namespace gravitaria
