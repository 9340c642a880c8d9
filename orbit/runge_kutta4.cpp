#include "runge_kutta4.h"

#include <cmath>
#include <limits>

#include "errors.h"

namespace gravitaria {

TUserFunctionV& TFuncVect::operator[](std::int32_t i) {
    if (i < Low || i > High) throw RangeError();
    return slots_[static_cast<std::size_t>(i - Low)];
}

const TUserFunctionV& TFuncVect::operator[](std::int32_t i) const {
    if (i < Low || i > High) throw RangeError();
    return slots_[static_cast<std::size_t>(i - Low)];
}

namespace {

// Fills the increments K of one stage from the stage input S. An empty slot
// gets zero increments, so its equation keeps its values.
void EvaluateStage(const TNvector& S, double h, TNvector& K, std::int32_t NumEquations,
                   const TFuncVect& FuncVect) {
    for (std::int32_t i = 1; i <= NumEquations; ++i) {
        const TUserFunctionV& f = FuncVect[i];  // RangeError beyond slot 2
        auto& k = K[static_cast<std::size_t>(i)];
        if (f.empty()) {
            k = TNData{};
            continue;
        }
        k.X = static_cast<double>(static_cast<long double>(h) * S[static_cast<std::size_t>(i)].XPrime);
        k.XPrime = static_cast<double>(static_cast<long double>(h) * f(S));
    }
}

// A state the integration produced must stay a number: an infinity is an
// overflow, a NaN an invalid operation (never handed on to the callback).
void checkFinite(const TNvector& V, std::int32_t NumEquations) {
    const std::int32_t last = NumEquations < 2 ? NumEquations : 2;
    bool infinite = !std::isfinite(V[0].X);
    bool nan = std::isnan(V[0].X);
    for (std::int32_t i = 1; i <= last; ++i) {
        const TNData& d = V[static_cast<std::size_t>(i)];
        infinite = infinite || !std::isfinite(d.X) || !std::isfinite(d.XPrime);
        nan = nan || std::isnan(d.X) || std::isnan(d.XPrime);
    }
    if (nan) throw InvalidOpError();
    if (infinite) throw FloatOverflowError();
}

// Interval count: |span| / CalcInterval rounded half to even, which must fit
// a signed 32-bit integer.
std::int32_t intervalCount(long double span, double CalcInterval) {
    if (std::isnan(span) || std::isnan(CalcInterval)) throw InvalidOpError();
    if (CalcInterval == 0.0) throw ZeroDivideError();
    const long double q = std::nearbyint(std::fabs(span) / CalcInterval);  // ties to even
    if (!(q >= std::numeric_limits<std::int32_t>::min() &&
          q <= std::numeric_limits<std::int32_t>::max())) {
        throw RangeError();
    }
    return static_cast<std::int32_t>(q);
}

}  // namespace

void IntegrateSystemRK4(double LowerLimit, double UpperLimit, double ReturnInterval,
                        double CalcInterval, TNvector InitialValues, std::uint8_t& Error,
                        std::int32_t NumEquations, TFuncVect FuncVect, TStepCallback CallBack) {
    if (!(ReturnInterval > 0.0)) {
        Error = RK4_RETURN_INTERVAL_NOT_POSITIVE;
        return;
    }
    if (CalcInterval > ReturnInterval) {
        Error = RK4_CALC_ABOVE_RETURN;
        return;
    }
    if (LowerLimit == UpperLimit) {
        Error = RK4_EMPTY_SPAN;
        return;
    }
    Error = RK4_OK;

    const long double span = static_cast<long double>(UpperLimit) - LowerLimit;
    const std::int32_t N = intervalCount(span, CalcInterval);
    if (N == 0) throw ZeroDivideError();
    const double h = static_cast<double>(span / N);  // signed: negative for a backward span
    const double halfH = h / 2;
    const double r = ReturnInterval / CalcInterval;  // callback increment, not rounded
    double threshold = 0.0;
    if (N == std::numeric_limits<std::int32_t>::max()) throw IntOverflowError();
    const std::int32_t iterations = N + 1;  // the last step goes beyond the span, unreported

    TNvector V = InitialValues;
    TNvector T = InitialValues;  // entries beyond NumEquations keep the initial values
    TNvector K1{}, K2{}, K3{}, K4{};
    if (iterations > 0) checkFinite(V, NumEquations);
    const std::int32_t n = NumEquations;

    for (std::int32_t k = 1; k <= iterations; ++k) {
        if (static_cast<double>(k) > threshold) {
            if (!CallBack(V)) return;
            threshold += r;
        }

        EvaluateStage(V, h, K1, n, FuncVect);
        T[0].X = static_cast<double>(static_cast<long double>(V[0].X) + halfH);
        for (std::int32_t i = 1; i <= n; ++i) {
            const auto j = static_cast<std::size_t>(i);
            T[j].X = static_cast<double>(0.5L * K1[j].X + V[j].X);
            T[j].XPrime = static_cast<double>(0.5L * K1[j].XPrime + V[j].XPrime);
        }
        EvaluateStage(T, h, K2, n, FuncVect);
        for (std::int32_t i = 1; i <= n; ++i) {
            const auto j = static_cast<std::size_t>(i);
            T[j].X = static_cast<double>(0.5L * K2[j].X + V[j].X);
            T[j].XPrime = static_cast<double>(0.5L * K2[j].XPrime + V[j].XPrime);
        }
        EvaluateStage(T, h, K3, n, FuncVect);
        T[0].X = static_cast<double>(static_cast<long double>(V[0].X) + h);
        for (std::int32_t i = 1; i <= n; ++i) {
            const auto j = static_cast<std::size_t>(i);
            T[j].X = static_cast<double>(static_cast<long double>(V[j].X) + K3[j].X);
            T[j].XPrime = static_cast<double>(static_cast<long double>(V[j].XPrime) + K3[j].XPrime);
        }
        EvaluateStage(T, h, K4, n, FuncVect);
        V[0].X = static_cast<double>(static_cast<long double>(V[0].X) + h);  // accumulated time
        for (std::int32_t i = 1; i <= n; ++i) {
            const auto j = static_cast<std::size_t>(i);
            V[j].X = static_cast<double>(
                ((2.0L * K2[j].X + K1[j].X) + 2.0L * K3[j].X + K4[j].X) / 6.0L + V[j].X);
            V[j].XPrime = static_cast<double>(
                ((2.0L * K2[j].XPrime + K1[j].XPrime) + 2.0L * K3[j].XPrime + K4[j].XPrime) / 6.0L +
                V[j].XPrime);
        }
        checkFinite(V, n);
    }
}

}  // namespace gravitaria
