#include "flight_run.h"

#include <cmath>
#include <limits>

#include "collision.h"
#include "errors.h"
#include "gravity.h"

namespace gravitaria {

std::int32_t checkedProduct(std::int32_t a, std::int32_t b) {
    std::int32_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) throw IntOverflowError();
    return product;
}

RunSettings makeRunSettings(const OrbitState& state, const RunInputs& inputs) {
    RunSettings s;
    s.LowerLimit = 0.0;
    s.UpperLimit = checkedProduct(inputs.timeStep, inputs.numberOfPoints);
    s.CalcInterval = inputs.timeStep / 2.0;
    s.ReturnInterval = inputs.timeStep;
    s.NUmEquations = 2;
    s.Error = 0;
    s.Initialvalues[1] = {static_cast<double>(state.PosX * 1000), static_cast<double>(inputs.startVx)};
    s.Initialvalues[2] = {static_cast<double>(state.PosY * 1000), static_cast<double>(inputs.startVy)};
    return s;
}

std::array<std::string, HeaderLineCount> headerLines(const OrbitState& state,
                                                     const RunSettings& settings,
                                                     const NumberSeparators& seps) {
    const std::string& tab = state.TabSep;
    const std::string rule(139, '-');
    auto g = [&](long double v) { return generalText(v, seps); };
    const TNvector& iv = settings.Initialvalues;
    return {
        " ---- RK4  Masse de l attracteur = " + g(state.AttractorMass) + " kg  --------------- ",
        " Les données du tableau ci dessous sont séparées par une tabulation  ",
        " Elles peuvent être facilement copiées et collées dans un tableur après la ligne ci dessous.",
        rule + " ",
        " ",
        " Date ini : " + g(settings.LowerLimit) + "  Date Fin : " + g(settings.UpperLimit),
        "X(0)=" + tab + g(iv[1].X) + tab + "dx/dt(0)=" + tab + g(iv[1].XPrime),
        "Y(0)=" + tab + g(iv[2].X) + tab + "dy/dt(0)=" + tab + g(iv[2].XPrime),
        rule + " ",
        "num" + tab + "t (s)    " + tab + "X (km)      " + tab + "dx/dt  (m/s)       " + tab +
            "Y (km)      " + tab + "dy/dt  (m/s)     " + tab + "Distance  (km)",
        rule,
    };
}

std::string flightClockText(double t, const NumberSeparators& seps) {
    return groupedText(std::trunc(static_cast<long double>(t)), 8, seps);
}

std::string interruptionLine(const std::string& clockText) {
    return "Vol interrompu (touche Échap) à t = " + clockText + " s";
}

std::optional<std::string> parameterErrorLine(std::uint8_t error) {
    switch (error) {
    case RK4_RETURN_INTERVAL_NOT_POSITIVE:
        return "Le nombre de valeurs retournées doit être plus grand que zéro.";
    case RK4_CALC_ABOVE_RETURN:
        return "Le nombre d'intervalles doit être égal ou supérieur au nombre de valeurs retournées";
    case RK4_EMPTY_SPAN:
        return "La limite inférieure doit être différente à la valeur initiale.";
    default:
        return std::nullopt;
    }
}

void checkSampleFinite(const TNvector& V) {
    const double values[] = {V[0].X, V[1].X, V[1].XPrime, V[2].X, V[2].XPrime};
    bool infinite = false;
    for (double v : values) {
        if (std::isnan(v)) throw InvalidOpError();
        infinite = infinite || std::isinf(v);
    }
    if (infinite) throw FloatOverflowError();
}

namespace {

// t / dt truncated toward zero, which must be a row of the sample table.
std::int32_t sampleIndex(double t, std::int32_t timeStep) {
    if (timeStep == 0) throw ZeroDivideError();
    const long double q = std::trunc(static_cast<long double>(t) / timeStep);
    if (!(q >= 0.0L && q < static_cast<long double>(OrbitState::TableRows))) throw RangeError();
    return static_cast<std::int32_t>(q);
}

}  // namespace

SampleRecord recordSample(OrbitState& state, const TNvector& V, std::int32_t timeStep,
                          std::int32_t radiusKm, const NumberSeparators& seps) {
    checkSampleFinite(V);
    SampleRecord rec;
    rec.t = V[0].X;
    rec.x = V[1].X;
    rec.vx = V[1].XPrime;
    rec.y = V[2].X;
    rec.vy = V[2].XPrime;
    rec.n = sampleIndex(rec.t, timeStep);
    const auto row = static_cast<std::size_t>(rec.n);

    state.PosX = rec.x;
    state.TabX[row] = rec.x;
    state.PosY = rec.y;
    state.TabY[row] = rec.y;
    const long double vx = rec.vx;
    const long double vy = rec.vy;
    state.SpeedV = std::sqrt(vx * vx + vy * vy);
    rec.speed = state.SpeedV;

    rec.xk = static_cast<double>(static_cast<long double>(rec.x) / 1000);
    rec.yk = static_cast<double>(static_cast<long double>(rec.y) / 1000);

    rec.clockText = flightClockText(rec.t, seps);

    const PlanePoint previous =
        rec.n > 0 ? PlanePoint{state.TabX[row - 1], state.TabY[row - 1]} : PlanePoint{};
    const CollisionVerdict verdict =
        judgeCollision(previous, PlanePoint{state.TabX[row], state.TabY[row]}, rec.n, radiusKm);
    const long double ri = verdict.distanceKm;
    rec.ri = ri;
    rec.collision = verdict.struck;

    if (!rec.collision) {
        const std::string& tab = state.TabSep;
        rec.tableLine = std::to_string(rec.n) + tab + fixed5(rec.t, seps) + tab + sci5_3(rec.xk, seps) +
                        tab + sci5_3(rec.vx, seps) + tab + sci5_3(rec.yk, seps) + tab +
                        sci5_3(rec.vy, seps) + tab + fixed5(ri, seps);
    }
    return rec;
}

FlightRun::FlightRun(OrbitState& state, FlightDisplay& display, NumberSeparators seps)
    : state_(state), display_(display), seps_(std::move(seps)) {}

double FlightRun::Test2UserFunc1(TNvector V) const { return accelerationX(state_.AttractorMass, V); }

double FlightRun::Test2UserFunc2(TNvector V) const { return accelerationY(state_.AttractorMass, V); }

bool recordAndShowSample(OrbitState& state, FlightDisplay& display, const TNvector& V,
                         std::int32_t timeStep, std::int32_t radiusKm, const NumberSeparators& seps) {
    const SampleRecord rec = recordSample(state, V, timeStep, radiusKm, seps);
    display.showSample(rec);
    if (rec.collision) {
        display.showCollision(rec);
        return false;
    }
    display.appendMemoLine(rec.tableLine);
    return true;
}

bool FlightRun::Test2CallBackFunc(TNvector V) {
    if (!recordAndShowSample(state_, display_, V, inputs_.timeStep, inputs_.radiusKm, seps_))
        return false;
    // Stopped by the user after this sample, unless it ends the flight anyway.
    if (V[0].X < settings_.UpperLimit && display_.stopAsked()) {
        display_.appendMemoLine(interruptionLine(flightClockText(V[0].X, seps_)));
        return false;
    }
    return true;
}

std::uint8_t FlightRun::ButtonEulerClick(const RunInputs& inputs) {
    display_.beginRun();
    inputs_ = inputs;
    settings_ = makeRunSettings(state_, inputs);
    display_.prepareMap();

    display_.clearMemo();
    for (const std::string& line : headerLines(state_, settings_, seps_)) display_.appendMemoLine(line);

    TFuncVect TestFuncs;
    TestFuncs[1] = TUserFunctionV::bind<&FlightRun::Test2UserFunc1>(*this);
    TestFuncs[2] = TUserFunctionV::bind<&FlightRun::Test2UserFunc2>(*this);
    const auto callBack = TStepCallback::bind<&FlightRun::Test2CallBackFunc>(*this);
    // The samples overwrite PosX and PosY in metres. The end-of-run step
    // brings them back from the start fields, but not while the X field is
    // empty, and a run ended by an error skips it: so the start (km) they
    // held when the run began is put back first, and the next run never
    // starts 1000 times too far.
    const long double startX = state_.PosX;
    const long double startY = state_.PosY;
    try {
        IntegrateSystemRK4(settings_.LowerLimit, settings_.UpperLimit, settings_.ReturnInterval,
                           settings_.CalcInterval, settings_.Initialvalues, settings_.Error,
                           settings_.NUmEquations, TestFuncs, callBack);
    } catch (...) {
        state_.PosX = startX;
        state_.PosY = startY;
        throw;
    }

    state_.PosX = startX;
    state_.PosY = startY;
    display_.integrationDone();
    if (const auto line = parameterErrorLine(settings_.Error)) display_.appendMemoLine(*line);
    display_.endRun();
    return settings_.Error;
}

}  // namespace gravitaria
