// Value <-> pixel mapping of one axis, without a widget.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "axis_mapping.h"

namespace gravitaria {
namespace {

AxisMapping horizontal(double lo, double hi, int start, int end) {
    return AxisMapping{lo, hi, start, end, true};
}
AxisMapping vertical(double lo, double hi, int start, int end) {
    return AxisMapping{lo, hi, start, end, false};
}

TEST(AxisMapping, EndsOfTheRangeMapBothWays) {
    const AxisMapping x = horizontal(-50000, 50000, 60, 430);
    const AxisMapping y = vertical(-50000, 50000, 10, 380);
    EXPECT_EQ(x.valueToPixel(-50000), 60);
    EXPECT_EQ(x.valueToPixel(50000), 430);
    EXPECT_EQ(x.valueToPixel(0), 245);
    EXPECT_EQ(y.valueToPixel(50000), 10);   // larger values higher up
    EXPECT_EQ(y.valueToPixel(-50000), 380);
    EXPECT_DOUBLE_EQ(x.pixelToValue(x.startPos), -50000);
    EXPECT_DOUBLE_EQ(x.pixelToValue(x.endPos), 50000);
    EXPECT_DOUBLE_EQ(y.pixelToValue(y.startPos), 50000);
    EXPECT_DOUBLE_EQ(y.pixelToValue(y.endPos), -50000);
    // Outside the axis: the same straight line, not clamped to the range.
    EXPECT_DOUBLE_EQ(x.pixelToValue(60 - 37), -60000);
    EXPECT_DOUBLE_EQ(y.pixelToValue(380 + 37), -60000);
}

TEST(AxisMapping, ExtendedValueEqualsTheValueAndGoesOnWhereDoublesOverflow) {
    // Where the 64-bit computation is finite, the two agree bit for bit.
    for (const AxisMapping& m : {horizontal(-50000, 50000, 60, 430), vertical(-50000, 50000, 10, 380),
                                 horizontal(-2e8, 2e8, 37, 411), vertical(-1e300, 1e300, 4, 404)}) {
        for (int p : {m.startPos - 60, m.startPos, m.startPos + 123, m.endPos, m.endPos + 9})
            EXPECT_EQ(m.pixelToExtendedValue(p), static_cast<long double>(m.pixelToValue(p))) << p;
    }
    // The pixel offset times the range overflows long before the values do.
    const AxisMapping wide = vertical(-7e306, 7e306, 4, 404);
    ASSERT_FALSE(std::isfinite(wide.pixelToValue(404)));
    EXPECT_EQ(wide.pixelToExtendedValue(404), -static_cast<long double>(7e306));
    // A range wider than the largest double: the range itself overflows.
    const double big = 1.5e308;
    const AxisMapping x = horizontal(-big, big, 60, 460);
    const AxisMapping y = vertical(-big, big, 4, 404);
    ASSERT_FALSE(std::isfinite(x.pixelToValue(60)));
    EXPECT_EQ(x.pixelToExtendedValue(60), -static_cast<long double>(big));
    EXPECT_EQ(x.pixelToExtendedValue(460), static_cast<long double>(big));
    EXPECT_EQ(x.pixelToExtendedValue(260), 0.0L);
    EXPECT_EQ(y.pixelToExtendedValue(4), static_cast<long double>(big));
    EXPECT_EQ(y.pixelToExtendedValue(404), -static_cast<long double>(big));
    // Beyond the axis, past the largest double, still on the same line.
    const long double beyond = x.pixelToExtendedValue(0);  // 60 pixels of 400 left of -big
    EXPECT_LT(std::fabs(beyond / (-1.3L * big) - 1), 1e-15L);
    EXPECT_TRUE(std::isfinite(y.pixelToExtendedValue(425)));
}

TEST(AxisMapping, HalvesRoundToTheEvenPixel) {
    // 0..100 over 10 pixels: value 5 is pixel 0.5, 15 is 1.5, 25 is 2.5.
    const AxisMapping x = horizontal(0, 100, 0, 10);
    EXPECT_EQ(x.valueToPixel(5), 0);
    EXPECT_EQ(x.valueToPixel(15), 2);
    EXPECT_EQ(x.valueToPixel(25), 2);
    EXPECT_EQ(x.valueToPixel(35), 4);
    EXPECT_EQ(x.valueToPixel(-5), 0);
    EXPECT_EQ(x.valueToPixel(-15), -2);
    EXPECT_EQ(x.valueToPixel(16), 2);
    const AxisMapping y = vertical(0, 100, 0, 10);
    EXPECT_EQ(y.valueToPixel(5), 10);  // 9.5 -> 10
    EXPECT_EQ(y.valueToPixel(15), 8);  // 8.5 -> 8
}

TEST(AxisMapping, ZeroRangeGivesTheMiddleAndZeroWidthGivesZero) {
    const AxisMapping flat = horizontal(7, 7, 20, 120);
    EXPECT_EQ(flat.valueToPixel(7), 70);
    EXPECT_EQ(flat.valueToPixel(1e9), 70);
    EXPECT_EQ(vertical(-3, -3, 11, 400).valueToPixel(5), 205);
    const AxisMapping none = horizontal(-50000, 50000, 40, 40);
    EXPECT_EQ(none.pixelToValue(40), 0);
    EXPECT_EQ(none.pixelToValue(1000), 0);
    EXPECT_EQ(vertical(-50000, 50000, 40, 40).pixelToValue(3), 0);
}

TEST(AxisMapping, HugeAndInvalidValuesStayWithinTheDrawingRange) {
    const AxisMapping x = horizontal(-1, 1, 0, 400);
    EXPECT_EQ(x.valueToPixel(1e300), kPixelLimit);
    EXPECT_EQ(x.valueToPixel(-1e300), -kPixelLimit);
    EXPECT_EQ(x.valueToPixel(std::numeric_limits<double>::infinity()), kPixelLimit);
    EXPECT_EQ(x.valueToPixel(std::nan("")), 200);
    const AxisMapping y = vertical(-1, 1, 0, 400);
    EXPECT_EQ(y.valueToPixel(1e300), -kPixelLimit);
    // The map zoomed in far beyond the attractor's radius.
    const AxisMapping zoomed = horizontal(-0.001, 0.001, 50, 430);
    EXPECT_EQ(zoomed.valueToPixel(-6380), -kPixelLimit);
    EXPECT_EQ(zoomed.valueToPixel(6380), kPixelLimit);
}

TEST(AxisMapping, RoundTripIsWithinOnePixelsWorth) {
    const AxisMapping axes[] = {horizontal(-50000, 50000, 52, 430), vertical(-50000, 50000, 9, 377),
                                horizontal(-2e8, 2e8, 70, 431), vertical(0, 12345.6, 30, 300),
                                horizontal(-0.003, 0.007, 3, 9)};
    for (const AxisMapping& a : axes) {
        const double perPixel = (a.maximum - a.minimum) / a.axisSize();
        for (int i = 0; i <= 100; ++i) {
            const double v = a.minimum + (a.maximum - a.minimum) * i / 100.0;
            EXPECT_NEAR(a.pixelToValue(a.valueToPixel(v)), v, perPixel * (0.5 + 1e-9))
                << "value " << v << " on axis " << a.minimum << ".." << a.maximum;
        }
    }
}

}  // namespace
}  // namespace gravitaria
