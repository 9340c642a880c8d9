#include "pointer_readout.h"

#include <cmath>
#include <limits>

#include "errors.h"

namespace gravitaria {

namespace {

// 2^63: the first value past the signed 64-bit range.
constexpr long double kInt64Limit = 9223372036854775808.0L;

std::int64_t truncatedInUnit(double mapValue, long double divisor) {
    const long double t = std::trunc(static_cast<long double>(mapValue) / divisor);
    if (!(t > -kInt64Limit - 1.0L && t < kInt64Limit)) {  // also rejects NaN
        throw RangeError();
    }
    return static_cast<std::int64_t>(t);
}

QString grouped5(long double v, const NumberSeparators& seps) {
    return QString::fromStdString(groupedText(v, 5, seps));
}

}  // namespace

PointerReadout pointerReadout(double mapX, double mapY, int radiusKm, const QString& unite) {
    const long double d = unitToKm(unite);
    PointerReadout out;
    out.x = truncatedInUnit(mapX, d);
    out.y = truncatedInUnit(mapY, d);
    const long double x = static_cast<long double>(out.x);
    const long double y = static_cast<long double>(out.y);
    out.r = std::sqrt(x * x + y * y);
    out.h = out.r - static_cast<long double>(radiusKm) / d;
    return out;
}

PointerReadout pointerReadout(const AxisMapping& horizontal, const AxisMapping& vertical,
                              QPoint pixel, int radiusKm, const QString& unite) {
    return pointerReadout(horizontal.pixelToValue(pixel.x()), vertical.pixelToValue(pixel.y()),
                          radiusKm, unite);
}

PointerCaptions pointerCaptions(const PointerReadout& readout, const QString& unite,
                                const NumberSeparators& seps) {
    PointerCaptions c;
    c.positionTitle = QStringLiteral("Position du curseur sur la carte en") + unite;
    c.distanceTitle = QStringLiteral("Distance R au centre / altitude h en") + unite;
    c.x = QStringLiteral("X = ") + grouped5(static_cast<long double>(readout.x), seps);
    c.y = QStringLiteral("Y = ") + grouped5(static_cast<long double>(readout.y), seps);
    c.distance = QStringLiteral("R = ") + grouped5(readout.r, seps) +
                 QString(19, QLatin1Char(' ')) + QStringLiteral("h = ") +
                 grouped5(readout.h, seps);
    return c;
}

std::int32_t startFieldValue(double mapValue, const QString& unite) {
    const long double d = unitToKm(unite);
    const long double t = std::trunc(static_cast<long double>(mapValue) / d);
    constexpr long double lo = std::numeric_limits<std::int32_t>::min();
    constexpr long double hi = std::numeric_limits<std::int32_t>::max();
    if (!(t >= lo && t <= hi)) {  // also rejects NaN
        throw RangeError();
    }
    return static_cast<std::int32_t>(t);
}

}  // namespace gravitaria
