#pragma once
// Number texts shown to the user. The separators are parameters: the
// windows pass those of the user's locale, tests pass fixed ones.
// One implementation of each format serves every caller.
#include <cstdint>
#include <string>

#include "extended_float.h"

namespace gravitaria {

struct NumberSeparators {
    std::string decimal = ".";   // UTF-8, usually one character
    std::string group = ",";     // UTF-8; French uses U+202F
};

// G(v): shortest text with at most 15 significant digits, plain notation
// when the integer part has at most 15 digits and |v| >= 0.0001, otherwise
// scientific ("6E24", "1,99E30", "1E-5"). Zero gives "0".
std::string generalText(long double v, const NumberSeparators& seps);

// G(v) rounded to `significantDigits` significant digits (halves away from
// zero), the same notation rule; with `grouped` the integer part of the
// plain notation gets the group separator ("12 345,67").
std::string generalText(long double v, int significantDigits, bool grouped,
                        const NumberSeparators& seps);

// Grouped number text with precision p: v rounded to a whole number (halves
// away from zero); with at most p digits it is written with thousands
// separators, otherwise in scientific form with p significant digits
// ("1,0368E8").
std::string groupedText(long double v, int precision, const NumberSeparators& seps);

// "%5.0f": rounded to an integer, no grouping, right-aligned to 5 characters.
std::string fixed5(long double v, const NumberSeparators& seps);

// "%5.3e": "3,00E+004", "-7,12E+000", "0,00E+000".
std::string sci5_3(long double v, const NumberSeparators& seps);

// A whole number with thousands separators ("86 400"), for "#,##0".
std::string thousandsInteger(std::int64_t v, const NumberSeparators& seps);

// Fixed notation with exactly `digits` decimals (at most 18 significant
// digits), optionally grouped: the decimal field's text for a value.
std::string fixedText(long double v, int digits, bool grouped, const NumberSeparators& seps);

// A number picture "#,##0" followed by up to `maxDecimals` optional decimals
// ("#,##0.###" is maxDecimals = 3): grouped integer part, trailing zeros of
// the decimals dropped, and no separator when no decimal is left.
std::string pictureText(double v, int maxDecimals, const NumberSeparators& seps);

}  // namespace gravitaria
