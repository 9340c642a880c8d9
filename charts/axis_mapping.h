#pragma once
// The mapping between axis values and pixels of one linear axis, as a plain
// value: the range and the pixel span of the last drawing. Testable without
// a widget; the chart's axes keep one of these per drawing.
#include <cstdint>

namespace gravitaria {

// The pixel bound kept by value-to-pixel results: the raster engine handles
// coordinates within this range without overflow (24-bit integer part of its
// fixed-point numbers, one bit spare).
inline constexpr std::int32_t kPixelLimit = (1 << 23) - 1;

struct AxisMapping {
    double minimum = 0;
    double maximum = 0;
    int startPos = 0;     // first pixel covered (left, or top for a vertical axis)
    int endPos = 0;       // last pixel covered (right, or bottom)
    bool horizontal = true;

    int axisSize() const { return endPos - startPos; }

    // Pixel of value v: rounded half to even, within +-kPixelLimit. A zero
    // range gives the middle of the axis; larger values lie further right on
    // a horizontal axis and higher up on a vertical one. NaN gives the middle.
    std::int32_t valueToPixel(double v) const;

    // Axis value at pixel p, unrounded and not clamped to the range; 0 when
    // the axis is less than one pixel long.
    double pixelToValue(int p) const;

    // The same value where that is finite; where the 64-bit computation
    // overflows (a range wider than the largest double, or a pixel beyond
    // the axis on such a range) the value computed in extended precision,
    // which is always finite for a finite range.
    long double pixelToExtendedValue(int p) const;

    bool operator==(const AxisMapping&) const = default;
};

}  // namespace gravitaria
