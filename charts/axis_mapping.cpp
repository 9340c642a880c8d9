#include "axis_mapping.h"

#include <cmath>

namespace gravitaria {

std::int32_t AxisMapping::valueToPixel(double v) const {
    const double range = maximum - minimum;
    const int middle = startPos + (endPos - startPos) / 2;
    if (range == 0 || std::isnan(v)) return middle;
    const double offset = (v - minimum) * axisSize() / range;
    double p = horizontal ? startPos + offset : endPos - offset;
    if (std::isnan(p)) return middle;           // inf - inf from an unbounded range
    p = std::nearbyint(p);                      // default rounding: halves to even
    if (p > kPixelLimit) return kPixelLimit;
    if (p < -kPixelLimit) return -kPixelLimit;
    return static_cast<std::int32_t>(p);
}

double AxisMapping::pixelToValue(int p) const {
    const int size = axisSize();
    if (size < 1) return 0;
    const double range = maximum - minimum;
    const double offset = static_cast<double>(p - startPos) * range / size;
    return horizontal ? minimum + offset : maximum - offset;
}

long double AxisMapping::pixelToExtendedValue(int p) const {
    const double v = pixelToValue(p);
    if (std::isfinite(v)) return v;
    const long double range = static_cast<long double>(maximum) - minimum;
    const long double offset = static_cast<long double>(p - startPos) * range / axisSize();
    return horizontal ? minimum + offset : maximum - offset;
}

}  // namespace gravitaria
