#include "headless_flight.h"

namespace gravitaria {

HeadlessFlight::HeadlessFlight(NumberSeparators seps) : flight_(state_, *this, std::move(seps)) {
    memo_.reserve(HeaderLineCount + OrbitState::TableRows + 1);
}

std::uint8_t HeadlessFlight::run(long double attractorMassKg, long double startXKm,
                                 long double startYKm, const RunInputs& inputs) {
    state_.AttractorMass = attractorMassKg;
    startXKm_ = startXKm;
    startYKm_ = startYKm;
    state_.PosX = startXKm;
    state_.PosY = startYKm;
    return flight_.ButtonEulerClick(inputs);
}

void HeadlessFlight::beginRun() { collided_ = false; }

void HeadlessFlight::clearMemo() { memo_.clear(); }

void HeadlessFlight::appendMemoLine(const std::string& line) { memo_.push_back(line); }

void HeadlessFlight::showSample(const SampleRecord& rec) { clock_ = rec.clockText; }

void HeadlessFlight::showCollision(const SampleRecord&) { collided_ = true; }

// The start fields still hold the start position: back to it in km.
void HeadlessFlight::endRun() {
    state_.PosX = startXKm_;
    state_.PosY = startYKm_;
}

}  // namespace gravitaria
