#pragma once
// A flight without a window: the memo is a list of lines, and nothing is
// drawn or waited for. Runs the same FlightRun as the main window.
#include <cstdint>
#include <string>
#include <vector>

#include "flight_run.h"

namespace gravitaria {

class HeadlessFlight : private FlightDisplay {
public:
    explicit HeadlessFlight(NumberSeparators seps);

    // Sets the attractor and the start position (km) the way the fields'
    // handlers would, then runs the flight. Returns the integrator's code.
    std::uint8_t run(long double attractorMassKg, long double startXKm, long double startYKm,
                     const RunInputs& inputs);

    // The memo as it stands (also after an error raised by the run).
    const std::vector<std::string>& memoLines() const { return memo_; }
    // Whether the last sample was a collision, and the flight clock's text.
    bool collided() const { return collided_; }
    const std::string& clockText() const { return clock_; }
    const OrbitState& state() const { return state_; }

private:
    void beginRun() override;
    void clearMemo() override;
    void appendMemoLine(const std::string& line) override;
    void showSample(const SampleRecord& rec) override;
    void showCollision(const SampleRecord& rec) override;
    void endRun() override;

    OrbitState state_;
    FlightRun flight_;
    std::vector<std::string> memo_;
    long double startXKm_ = 0.0L;
    long double startYKm_ = 0.0L;
    bool collided_ = false;
    std::string clock_ = "0";
};

}  // namespace gravitaria
