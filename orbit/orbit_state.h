#pragma once
// The state shared by the run's handlers for the whole program: the
// attractor's mass, the start position, the table's column separator, the
// last sample's speed and the sample table. One instance, owned by whoever
// runs flights (the main window, or the headless table tool).
#include <array>
#include <cstddef>
#include <string>

#include "extended_float.h"

namespace gravitaria {

struct OrbitState {
    static constexpr std::size_t TableRows = 1001;  // sample indices 0..1000

    long double AttractorMass = 0.0L;  // kg
    // Start position in km between runs; during a run, the last sample's
    // position in m.
    long double PosX = 0.0L;
    long double PosY = 0.0L;
    std::string TabSep = "\t";         // column separator of the table
    long double SpeedV = 0.0L;         // last sample's speed, m/s
    std::array<long double, TableRows> TabX{};  // x of each sample, m
    std::array<long double, TableRows> TabY{};  // y of each sample, m
};

}  // namespace gravitaria
