#pragma once
// A flight: the run that turns the user's parameters into the integrator's
// inputs and writes the table header (ButtonEulerClick), the gravity model
// bound to the shared state (Test2UserFunc1/2), and the per-sample recording
// (Test2CallBackFunc). What a window adds on top (series, repaint, delay,
// colours, check box) comes through the FlightDisplay hooks, so the window
// and the headless table tool run the very same code.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "number_text.h"
#include "orbit_state.h"
#include "runge_kutta4.h"

namespace gravitaria {

// The field values a run reads (spin field values, as integers).
struct RunInputs {
    std::int32_t timeStep = 0;        // NumDt, s
    std::int32_t numberOfPoints = 0;  // NumNombrePoints
    std::int32_t startVx = 0;         // NumVox, m/s
    std::int32_t startVy = 0;         // NumVoy, m/s
    std::int32_t radiusKm = 0;        // NumRayon, km
};

// The integrator's inputs for one run.
struct RunSettings {
    double LowerLimit = 0.0;
    double UpperLimit = 0.0;
    double CalcInterval = 0.0;
    double ReturnInterval = 0.0;
    std::int32_t NUmEquations = 2;
    std::uint8_t Error = 0;
    TNvector Initialvalues{};  // entry 0 stays (0, 0): the first sample is at t = 0
};

// LowerLimit 0, UpperLimit dt x N (signed 32-bit product, IntOverflowError),
// CalcInterval dt / 2, ReturnInterval dt, start state in m and m/s from the
// state's PosX, PosY (km) and the velocity fields.
RunSettings makeRunSettings(const OrbitState& state, const RunInputs& inputs);

// a x b in signed 32 bits; IntOverflowError when it does not fit.
std::int32_t checkedProduct(std::int32_t a, std::int32_t b);

inline constexpr std::size_t HeaderLineCount = 11;

// The eleven header lines of the table.
std::array<std::string, HeaderLineCount> headerLines(const OrbitState& state,
                                                     const RunSettings& settings,
                                                     const NumberSeparators& seps);

// The flight clock's text for time t (s): its whole seconds, grouped,
// precision 8.
std::string flightClockText(double t, const NumberSeparators& seps);

// The memo line after the samples of a flight stopped with Escape; the
// clock's text as it shows.
std::string interruptionLine(const std::string& clockText);

// The memo line for an integrator error code 1..3; nothing for 0 (or any
// other code).
std::optional<std::string> parameterErrorLine(std::uint8_t error);

// One returned sample, as recorded and judged.
struct SampleRecord {
    std::int32_t n = 0;        // sample index, t / dt truncated
    double t = 0.0;            // s
    double x = 0.0, y = 0.0;   // m
    double vx = 0.0, vy = 0.0; // m/s
    double xk = 0.0, yk = 0.0; // km, what the map and the table show
    long double speed = 0.0L;  // m/s
    long double ri = 0.0L;     // current distance from the centre, km
    bool collision = false;
    std::string clockText;     // flight clock: whole seconds, grouped, precision 8
    std::string tableLine;     // empty on a collision (no line is written)
};

// A sample must be numbers before it reaches the table or the map:
// InvalidOpError for a NaN, FloatOverflowError for an infinity.
void checkSampleFinite(const TNvector& V);

// Records the sample V into the state (PosX, PosY, SpeedV, TabX[n], TabY[n])
// and judges it against the attractor's radius (km). RangeError for an index
// outside 0..1000; InvalidOpError / FloatOverflowError for a state that is
// not finite.
SampleRecord recordSample(OrbitState& state, const TNvector& V, std::int32_t timeStep,
                          std::int32_t radiusKm, const NumberSeparators& seps);

// The display side of a run, called in this order:
//   beginRun        untick CheckImpact, clock yellow, clear the speed chart
//   prepareMap      GrafInit (planned duration, start point on the map)
//   clearMemo, appendMemoLine x 11   the header
//   per sample:  showSample (series, repaint and disc, delay, clock text),
//                then showCollision (clock red, tick, marker; the flight
//                stops) or appendMemoLine(table line); then, before the
//                last sample, stopAsked: appendMemoLine(interruption
//                line) and the flight stops
//   integrationDone repaint the memo, caret at the start
//   appendMemoLine  the parameter error line, if any
//   endRun          NumXChange: PosX, PosY back in km from the fields
// Before integrationDone, PosX and PosY get back the start position (km)
// they held when the run began, so they stay kilometres when endRun leaves
// them alone (an empty X start field). An error raised during the run skips
// everything after it, and they get that start position back too.
class FlightDisplay {
public:
    virtual ~FlightDisplay() = default;
    virtual void beginRun() {}
    virtual void prepareMap() {}
    virtual void clearMemo() = 0;
    virtual void appendMemoLine(const std::string& line) = 0;
    virtual void showSample(const SampleRecord&) {}
    virtual void showCollision(const SampleRecord&) {}
    virtual void integrationDone() {}
    virtual void endRun() {}
    // Asked after each sample's table line: whether the user wants the
    // flight to stop there (Escape in the window).
    virtual bool stopAsked() const { return false; }
};

// The callback's whole work for one sample on any display: records and
// judges V, shows it, then either shows the collision (false: the flight
// stops) or appends the sample's table line (true: it goes on).
bool recordAndShowSample(OrbitState& state, FlightDisplay& display, const TNvector& V,
                         std::int32_t timeStep, std::int32_t radiusKm, const NumberSeparators& seps);

class FlightRun {
public:
    FlightRun(OrbitState& state, FlightDisplay& display, NumberSeparators seps);

    // The whole run; returns the integrator's error code (0 to 3).
    std::uint8_t ButtonEulerClick(const RunInputs& inputs);

    // Accelerations along X and Y from AttractorMass (TUserFunctionV shape).
    double Test2UserFunc1(TNvector V) const;
    double Test2UserFunc2(TNvector V) const;

    // Records, displays and judges one sample (TStepCallback shape).
    bool Test2CallBackFunc(TNvector V);

    const RunSettings& settings() const { return settings_; }
    const NumberSeparators& separators() const { return seps_; }

private:
    OrbitState& state_;
    FlightDisplay& display_;
    NumberSeparators seps_;
    RunInputs inputs_{};
    RunSettings settings_{};
};

}  // namespace gravitaria
