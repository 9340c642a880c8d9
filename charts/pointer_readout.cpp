#include "pointer_readout.h"

#include <cmath>
#include <limits>

#include "errors.h"

namespace gravitaria {

namespace {

long double truncatedInUnit(long double mapValue, long double divisor) {
    if (!std::isfinite(mapValue)) throw RangeError();
    // + 0 turns the -0 of a small negative value into 0.
    return std::trunc(mapValue / divisor) + 0.0L;
}

QString grouped5(long double v, const NumberSeparators& seps) {
    return QString::fromStdString(groupedText(v, 5, seps));
}

}  // namespace

PointerReadout pointerReadout(long double mapX, long double mapY, int radiusKm,
                              const QString& unite) {
    const long double d = unitToKm(unite);
    PointerReadout out;
    out.x = truncatedInUnit(mapX, d);
    out.y = truncatedInUnit(mapY, d);
    // Squares of values up to the largest double stay far within the
    // extended range.
    out.r = std::sqrt(out.x * out.x + out.y * out.y);
    out.h = out.r - static_cast<long double>(radiusKm) / d;
    return out;
}

PointerReadout pointerReadout(const AxisMapping& horizontal, const AxisMapping& vertical,
                              QPoint pixel, int radiusKm, const QString& unite) {
    return pointerReadout(horizontal.pixelToExtendedValue(pixel.x()),
                          vertical.pixelToExtendedValue(pixel.y()), radiusKm, unite);
}

PointerCaptions pointerCaptions(const PointerReadout& readout, const QString& unite,
                                const NumberSeparators& seps) {
    PointerCaptions c;
    c.positionTitle = QStringLiteral("Position du curseur sur la carte en") + unite;
    c.distanceTitle = QStringLiteral("Distance R au centre / altitude h en") + unite;
    c.x = QStringLiteral("X = ") + grouped5(readout.x, seps);
    c.y = QStringLiteral("Y = ") + grouped5(readout.y, seps);
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
