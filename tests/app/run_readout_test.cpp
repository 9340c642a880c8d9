// The map's pointer readout: truncation toward zero in the field's unit, the
// distance and the altitude, the captions with the unit and grouped numbers,
// and the 32-bit range of the start fields.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "errors.h"
#include "pointer_readout.h"

using namespace gravitaria;

namespace {

const QString& kSun = kUniteMillionsKm;
const NumberSeparators kFrench{",", "\u202F"};
const NumberSeparators kPoint{".", ","};
const QString kNarrow = QString(QChar(0x202F));
const QString k19Blanks = QString(19, QLatin1Char(' '));

TEST(PointerReadout, EarthTopLeftCornerReadsGroupedInFrench) {
    const PointerReadout r = pointerReadout(-50000.0, 50000.0, 6380, kUniteKm);
    EXPECT_EQ(r.x, -50000);
    EXPECT_EQ(r.y, 50000);
    const PointerCaptions c = pointerCaptions(r, kUniteKm, kFrench);
    EXPECT_EQ(c.positionTitle, QStringLiteral("Position du curseur sur la carte en km"));
    EXPECT_EQ(c.distanceTitle, QStringLiteral("Distance R au centre / altitude h en km"));
    EXPECT_EQ(c.x, "X = -50" + kNarrow + "000");
    EXPECT_EQ(c.y, "Y = 50" + kNarrow + "000");
    EXPECT_EQ(c.distance, "R = 70" + kNarrow + "711" + k19Blanks + "h = 64" + kNarrow + "331");
}

TEST(PointerReadout, PixelsMapThroughTheLastLayout) {
    // A plot of 400 pixels from x = 60 and from y = 4 on the Earth range.
    const AxisMapping bottom{-50000, 50000, 60, 460, true};
    const AxisMapping left{-50000, 50000, 4, 404, false};
    const PointerReadout corner = pointerReadout(bottom, left, QPoint(60, 4), 6380, kUniteKm);
    EXPECT_EQ(corner.x, -50000);
    EXPECT_EQ(corner.y, 50000);
    EXPECT_EQ(std::llround(static_cast<double>(corner.r)), 70711);
    EXPECT_EQ(std::llround(static_cast<double>(corner.h)), 64331);
    // One pixel right of the centre and one below: 250 km each way.
    const PointerReadout near = pointerReadout(bottom, left, QPoint(261, 205), 6380, kUniteKm);
    EXPECT_EQ(near.x, 250);
    EXPECT_EQ(near.y, -250);
}

TEST(PointerReadout, TruncatesTowardZeroOnBothSides) {
    struct Case {
        double mapX, mapY;
        std::int64_t x, y;
    };
    const Case cases[] = {
        {-40000.7, 40000.7, -40000, 40000},
        {-0.7, 0.7, 0, 0},
        {12345.999, -12345.999, 12345, -12345},
    };
    for (const Case& k : cases) {
        const PointerReadout r = pointerReadout(k.mapX, k.mapY, 6380, kUniteKm);
        EXPECT_EQ(r.x, k.x) << k.mapX;
        EXPECT_EQ(r.y, k.y) << k.mapY;
    }
    // -0.7 truncates to 0: no "-0" in the caption.
    const PointerCaptions c = pointerCaptions(pointerReadout(-0.7, -0.2, 10, kUniteKm), kUniteKm, kPoint);
    EXPECT_EQ(c.x, QStringLiteral("X = 0"));
    EXPECT_EQ(c.y, QStringLiteral("Y = 0"));
}

TEST(PointerReadout, CentreGivesNegativeAltitude) {
    const PointerReadout r = pointerReadout(0.4, -0.4, 6380, kUniteKm);
    EXPECT_EQ(r.r, 0.0L);
    EXPECT_EQ(r.h, -6380.0L);
    EXPECT_EQ(pointerCaptions(r, kUniteKm, kPoint).distance,
              "R = 0" + k19Blanks + "h = -6,380");
}

TEST(PointerReadout, DistanceUsesTheTruncatedCoordinates) {
    // 3.9 and 4.9 truncate to 3 and 4: R = 5 exactly, not 6.2.
    const PointerReadout r = pointerReadout(3.9, 4.9, 10, kUniteKm);
    EXPECT_EQ(r.r, 5.0L);
    EXPECT_EQ(r.h, -5.0L);
}

TEST(PointerReadout, SunReadsMillionsOfKilometres) {
    const PointerReadout r = pointerReadout(149999999.7, -2500000.0, 1392000, kSun);
    EXPECT_EQ(r.x, 149);
    EXPECT_EQ(r.y, -2);
    EXPECT_NEAR(static_cast<double>(r.h), std::sqrt(149.0 * 149 + 4) - 1.392, 1e-12);
    const PointerCaptions c = pointerCaptions(r, kSun, kFrench);
    EXPECT_EQ(c.positionTitle, QStringLiteral("Position du curseur sur la carte en Millions de km"));
    EXPECT_EQ(c.distanceTitle,
              QStringLiteral("Distance R au centre / altitude h en Millions de km"));
    EXPECT_EQ(c.x, QStringLiteral("X = 149"));
    EXPECT_EQ(c.y, QStringLiteral("Y = -2"));
    // R = 149.013..., h = 147.62...: rounded to whole numbers.
    EXPECT_EQ(c.distance, "R = 149" + k19Blanks + "h = 148");
}

TEST(PointerReadout, SixDigitsSwitchToScientific) {
    // The Earth map after one "-": the right end of the axis.
    const PointerCaptions c = pointerCaptions(pointerReadout(100000.0, -123456.0, 6380, kUniteKm),
                                              kUniteKm, kPoint);
    EXPECT_EQ(c.x, QStringLiteral("X = 1E5"));
    EXPECT_EQ(c.y, QStringLiteral("Y = -1.2346E5"));
    EXPECT_EQ(pointerCaptions(pointerReadout(-123456.0, 0, 6380, kUniteKm), kUniteKm, kFrench).x,
              QStringLiteral("X = -1,2346E5"));
}

TEST(PointerReadout, ValuesPastSixtyFourBitsReadInScientificForm) {
    struct Case {
        double mapX, mapY;
        const char* x;  // French separators
        const char* y;
    };
    const Case cases[] = {
        {1e19, -1e19, "X = 1E19", "Y = -1E19"},
        {9223372036854775808.0, -9223372036854775808.0, "X = 9,2234E18", "Y = -9,2234E18"},
        {-3.2768e9 * 1024, 6.5536e12, "X = -3,3554E12", "Y = 6,5536E12"},
        {1.7976931348623157e308, -8.98846567431158e307, "X = 1,7977E308", "Y = -8,9885E307"},
    };
    for (const Case& k : cases) {
        const PointerReadout r = pointerReadout(k.mapX, k.mapY, 6380, kUniteKm);
        const PointerCaptions c = pointerCaptions(r, kUniteKm, kFrench);
        EXPECT_EQ(c.x, QString::fromUtf8(k.x));
        EXPECT_EQ(c.y, QString::fromUtf8(k.y));
        EXPECT_TRUE(std::isfinite(static_cast<double>(r.r)) || k.mapX > 1e308);
        EXPECT_TRUE(c.distance.startsWith(QStringLiteral("R = "))) << c.distance.toStdString();
    }
    // R of the largest doubles is past them but written all the same.
    const PointerCaptions top = pointerCaptions(
        pointerReadout(1.7976931348623157e308, 1.7976931348623157e308, 6380, kUniteKm), kUniteKm, kPoint);
    EXPECT_EQ(top.distance, "R = 2.5423E308" + k19Blanks + "h = 2.5423E308");
    // In millions of km.
    EXPECT_EQ(pointerReadout(1e19, 0, 1392000, kSun).x, 10000000000000.0L);
    EXPECT_EQ(pointerCaptions(pointerReadout(1e25, 0, 1392000, kSun), kSun, kPoint).x,
              QStringLiteral("X = 1E19"));
    // Not a number is never shown.
    EXPECT_THROW(pointerReadout(std::numeric_limits<double>::quiet_NaN(), 0, 6380, kUniteKm),
                 RangeError);
    EXPECT_THROW(pointerReadout(0, std::numeric_limits<double>::infinity(), 6380, kUniteKm),
                 RangeError);
}

TEST(PointerReadout, EveryZoomLevelOfTheButtonsReadsFiniteTexts) {
    // The Earth's and the Sun's ranges doubled up to the largest double and
    // halved down to nothing, over a 400-pixel plot, at pixels in the margin,
    // on the corners and at the centre.
    for (double preset : {50000.0, 2e8}) {
        for (double f : {2.0, 0.5}) {
            for (double m = preset; std::isfinite(m) && m > 0; m *= f) {
                const AxisMapping bottom{-m, m, 60, 460, true};
                const AxisMapping left{-m, m, 4, 404, false};
                for (QPoint p : {QPoint(0, 0), QPoint(60, 4), QPoint(260, 204), QPoint(460, 404),
                                 QPoint(470, 425)}) {
                    PointerCaptions c;
                    ASSERT_NO_THROW(c = pointerCaptions(pointerReadout(bottom, left, p, 6380, kUniteKm),
                                                        kUniteKm, kFrench))
                        << m << " " << p.x();
                    for (const QString& t : {c.x, c.y, c.distance})
                        ASSERT_FALSE(t.contains(QStringLiteral("inf")) || t.contains(QStringLiteral("nan")))
                            << t.toStdString();
                }
            }
        }
    }
}

TEST(StartFieldValue, TruncatesInTheFieldsUnit) {
    EXPECT_EQ(startFieldValue(-40000.7, kUniteKm), -40000);
    EXPECT_EQ(startFieldValue(40000.7, kUniteKm), 40000);
    EXPECT_EQ(startFieldValue(149999999.7, kSun), 149);
    EXPECT_EQ(startFieldValue(-149999999.7, kSun), -149);
}

TEST(StartFieldValue, ThirtyTwoBitBoundsAreExact) {
    EXPECT_EQ(startFieldValue(2147483647.9, kUniteKm), 2147483647);
    EXPECT_EQ(startFieldValue(-2147483648.9, kUniteKm), -2147483647 - 1);
    EXPECT_THROW(startFieldValue(2147483648.0, kUniteKm), RangeError);
    EXPECT_THROW(startFieldValue(-2147483649.0, kUniteKm), RangeError);
    EXPECT_THROW(startFieldValue(2.2e15, kSun), RangeError);
    EXPECT_EQ(startFieldValue(2.1e15, kSun), 2100000000);
    EXPECT_THROW(startFieldValue(std::numeric_limits<double>::infinity(), kUniteKm), RangeError);
}

}  // namespace
