#pragma once
// URungeKutta4: the classical fourth-order Runge-Kutta method for a system of
// at most two second-order equations x_i'' = f_i(t, x, x'), stepping at a
// fixed step and handing the state to a callback at a fixed cadence.
// Pure computation: no state between calls, no heap allocation.
#include <array>
#include <cstdint>

#include "bound_method.h"

namespace gravitaria {

// A value and its first derivative with respect to the independent variable.
struct TNData {
    double X = 0.0;
    double XPrime = 0.0;
};

// Entry 0: the time in X (its XPrime is carried along, never read).
// Entries 1 and 2: x_i in X and x_i' in XPrime.
using TNvector = std::array<TNData, 3>;

// x_i'' for the state given.
using TUserFunctionV = BoundMethod<double(TNvector)>;

// Called with a copy of the state at each return point; false stops.
using TStepCallback = BoundMethod<bool(TNvector)>;

// The derivative functions, indexed from 1: slot i yields x_i''. A slot may
// be empty. An index outside 1..2 raises RangeError.
class TFuncVect {
public:
    static constexpr std::int32_t Low = 1;
    static constexpr std::int32_t High = 2;

    TUserFunctionV& operator[](std::int32_t i);
    const TUserFunctionV& operator[](std::int32_t i) const;

private:
    std::array<TUserFunctionV, High - Low + 1> slots_{};
};

// Error codes written by IntegrateSystemRK4.
enum : std::uint8_t {
    RK4_OK = 0,
    RK4_RETURN_INTERVAL_NOT_POSITIVE = 1,  // ReturnInterval <= 0 (or NaN)
    RK4_CALC_ABOVE_RETURN = 2,             // CalcInterval > ReturnInterval
    RK4_EMPTY_SPAN = 3,                    // LowerLimit = UpperLimit
};

// Integrates from InitialValues over the span LowerLimit..UpperLimit with
// the step (UpperLimit - LowerLimit) / N, N = |span| / CalcInterval rounded
// half to even, and calls CallBack every ReturnInterval / CalcInterval
// steps, first with InitialValues itself. Parameter errors are reported
// through Error (codes above) without calling anything; every other failure
// is raised: RangeError (N outside the signed 32-bit range, NumEquations
// above 2), IntOverflowError (N + 1 overflows), ZeroDivideError (N = 0 or
// CalcInterval = 0), InvalidOpError (a NaN span or state) and
// FloatOverflowError (an infinite state). Errors raised by the functions or
// the callback propagate unchanged.
void IntegrateSystemRK4(double LowerLimit, double UpperLimit, double ReturnInterval,
                        double CalcInterval, TNvector InitialValues, std::uint8_t& Error,
                        std::int32_t NumEquations, TFuncVect FuncVect, TStepCallback CallBack);

}  // namespace gravitaria
