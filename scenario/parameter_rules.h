#pragma once
// Rules of the parameter fields of the main window, as pure functions: the
// attractor mass from its mantissa and exponent texts, the start position in
// kilometres, the distance unit and its captions, the planned flight time.
#include <QString>
#include <cstdint>

#include "distance_units.h"
#include "number_text.h"

namespace gravitaria {

// A start field value read in `unite`, in kilometres.
long double startPositionKm(std::int32_t fieldValue, const QString& unite);

// Captions of the start fields and of the window for the unit / attractor.
QString startXCaption(const QString& unite);
QString startYCaption(const QString& unite);
QString attractorWindowCaption(const QString& attractorName);

// Joins mantissa, "E" and exponent ("6,00E24"), as the mass handlers do.
QString massText(const QString& mantissa, const QString& exponent);

// Converts a decimal number text with `decimalSeparator` and an optional
// exponent: optional blanks, optional sign, digits, optionally the separator
// and digits (at least one digit or the separator before the exponent),
// optionally E/e with an optional sign and digits (none means 0), optional
// blanks. Anything else throws ConvertError(text).
long double convertDecimalText(const QString& text, QChar decimalSeparator);

// The attractor mass in kg for the two field texts; throws ConvertError
// with the joined text when it does not convert.
long double attractorMassFromTexts(const QString& mantissa, const QString& exponent,
                                   QChar decimalSeparator);

// dt x N as a signed 32-bit product (IntOverflowError when it overflows).
std::int32_t plannedFlightSeconds(std::int32_t dt, std::int32_t points);

// The planned flight time text: grouped, precision 9 ("20 000").
QString plannedFlightText(std::int32_t dt, std::int32_t points, const NumberSeparators& seps);

}  // namespace gravitaria
