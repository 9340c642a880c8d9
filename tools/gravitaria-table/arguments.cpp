#include "arguments.h"

#include <charconv>
#include <cmath>

namespace gravitaria::table_tool {

namespace {

// from_chars takes no leading '+'; accept it like a typed number would.
std::string_view withoutPlus(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
}

}  // namespace

std::optional<long double> parseReal(std::string_view text) {
    text = withoutPlus(text);
    long double value = 0.0L;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    text = withoutPlus(text);
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::optional<Arguments> parseArguments(int argc, const char* const* argv) {
    if (argc != 8) return std::nullopt;
    const auto mass = parseReal(argv[0]);
    const auto radius = parseInteger(argv[1]);
    const auto x = parseReal(argv[2]);
    const auto y = parseReal(argv[3]);
    const auto vx = parseInteger(argv[4]);
    const auto vy = parseInteger(argv[5]);
    const auto dt = parseInteger(argv[6]);
    const auto n = parseInteger(argv[7]);
    if (!mass || !radius || !x || !y || !vx || !vy || !dt || !n) return std::nullopt;
    Arguments a;
    a.massKg = *mass;
    a.startXKm = *x;
    a.startYKm = *y;
    a.inputs.radiusKm = *radius;
    a.inputs.startVx = *vx;
    a.inputs.startVy = *vy;
    a.inputs.timeStep = *dt;
    a.inputs.numberOfPoints = *n;
    return a;
}

}  // namespace gravitaria::table_tool
