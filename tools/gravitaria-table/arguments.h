#pragma once
// Command-line arguments of gravitaria-table, read with a point as decimal
// separator whatever the locale.
#include <optional>
#include <string_view>

#include "flight_run.h"

namespace gravitaria::table_tool {

struct Arguments {
    long double massKg = 0.0L;
    long double startXKm = 0.0L;
    long double startYKm = 0.0L;
    RunInputs inputs;
};

inline constexpr std::string_view Usage =
    "utilisation : gravitaria-table MASSE RAYON X Y VX VY DT N "
    "(masse en kg, rayon, X et Y en km, VX et VY en m/s, pas DT en s, N positions)";

// A finite real number ("6e24", "-40000", "1.99e30"), or nothing.
std::optional<long double> parseReal(std::string_view text);
// A signed 32-bit integer ("200", "-3"), or nothing.
std::optional<std::int32_t> parseInteger(std::string_view text);

// The eight arguments (argv without the program name), or nothing when one
// is missing, extra or malformed.
std::optional<Arguments> parseArguments(int argc, const char* const* argv);

}  // namespace gravitaria::table_tool
