#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "errors.h"

namespace gravitaria {

namespace {

// Refuses values that have no decimal text: they must never reach a table,
// a label or a field.
void requireFinite(long double v) {
    if (std::isnan(v))
        throw InvalidOpError();
    if (std::isinf(v))
        throw FloatOverflowError();
}

// A magnitude as decimal digits: digits[0] stands for 10^exponent. Zero is
// the single digit "0" with exponent 0.
struct Decimal {
    std::string digits;
    int exponent = 0;
    bool zero() const { return digits == "0"; }
};

// The decimal expansion of |v| to 60 significant digits: far more than any
// format shows, so rounding it once more below is exact for every value
// that is not within 1e-59 of a half.
Decimal expand(long double v) {
    Decimal d;
    v = std::fabs(v);
    if (v == 0) {
        d.digits = "0";
        return d;
    }
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.59Le", v);
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    if (*p == 'e')
        d.exponent = std::atoi(p + 1);
    return d;
}

// Keeps the `keep` leading digits, rounding halves away from zero. keep may
// be 0 (the value becomes 0 or one unit of the next power) or negative (0).
Decimal roundDigits(Decimal d, int keep) {
    if (d.zero())
        return d;
    if (keep < 0 || (keep == 0 && d.digits[0] < '5'))
        return Decimal{"0", 0};
    if (keep == 0)
        return Decimal{"1", d.exponent + 1};
    if (static_cast<std::size_t>(keep) >= d.digits.size())
        return d;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i)
            d.digits[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {  // 999 -> 1000: one more power, same number of digits
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        }
    }
    return d;
}

// The digit of d that stands for 10^power ('0' outside the digits).
char digitAt(const Decimal& d, int power) {
    const int k = d.exponent - power;
    if (d.zero() || k < 0 || k >= static_cast<int>(d.digits.size()))
        return '0';
    return d.digits[static_cast<std::size_t>(k)];
}

void trimTrailingZeros(std::string& digits) {
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

// Inserts the group separator between groups of three digits.
std::string groupDigits(const std::string& digits, const std::string& group) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += group;
        out.push_back(digits[i]);
    }
    return out;
}

// "d[,ddd]E[-]x": one digit, the further digits if any, the exponent
// without sign when positive and without leading zeros.
std::string scientific(bool negative, const Decimal& d, const NumberSeparators& seps) {
    std::string digits = d.digits;
    trimTrailingZeros(digits);
    std::string out = negative ? "-" : "";
    out.push_back(digits[0]);
    if (digits.size() > 1)
        out += seps.decimal + digits.substr(1);
    out += "E" + std::to_string(d.exponent);
    return out;
}

// Fixed notation of |v| rounded (halves away from zero) to `decimals`
// decimals and at most `maxSignificant` significant digits: the integer
// part's digits and the decimals' digits.
struct FixedDigits {
    std::string integerPart;
    std::string fraction;
    bool zero = true;
};

FixedDigits fixedDigits(long double v, int decimals, int maxSignificant) {
    const Decimal exact = expand(v);
    int keep = exact.exponent + 1 + decimals;
    if (keep > maxSignificant)
        keep = maxSignificant;
    const Decimal d = roundDigits(exact, keep);
    FixedDigits f;
    f.zero = d.zero();
    for (int power = d.exponent > 0 ? d.exponent : 0; power >= 0; --power)
        f.integerPart.push_back(digitAt(d, power));
    for (int power = -1; power >= -decimals; --power)
        f.fraction.push_back(digitAt(d, power));
    return f;
}

// Joins sign, integer part (grouped or not) and decimals; a value that
// rounds to zero gets no minus sign.
std::string joinFixed(bool negative, const FixedDigits& f, bool grouped, const NumberSeparators& seps) {
    std::string out = negative && !f.zero ? "-" : "";
    out += grouped ? groupDigits(f.integerPart, seps.group) : f.integerPart;
    if (!f.fraction.empty())
        out += seps.decimal + f.fraction;
    return out;
}

constexpr int Unlimited = 1 << 20;

}  // namespace

std::string generalText(long double v, const NumberSeparators& seps) {
    return generalText(v, 15, false, seps);
}

std::string generalText(long double v, int significantDigits, bool grouped,
                        const NumberSeparators& seps) {
    requireFinite(v);
    if (v == 0)
        return "0";
    if (significantDigits < 1)
        significantDigits = 1;
    Decimal d = roundDigits(expand(v), significantDigits);
    trimTrailingZeros(d.digits);
    const bool negative = v < 0;
    if (d.exponent < -4 || d.exponent > 14)
        return scientific(negative, d, seps);

    std::string out = negative ? "-" : "";
    const int intDigits = d.exponent + 1;
    if (intDigits <= 0) {
        out += "0" + seps.decimal + std::string(static_cast<std::size_t>(-intDigits), '0') + d.digits;
        return out;
    }
    const auto n = static_cast<std::size_t>(intDigits);
    std::string integerPart = d.digits.substr(0, std::min(n, d.digits.size()));
    if (d.digits.size() < n)
        integerPart += std::string(n - d.digits.size(), '0');
    out += grouped ? groupDigits(integerPart, seps.group) : integerPart;
    if (d.digits.size() > n)
        out += seps.decimal + d.digits.substr(n);
    return out;
}

std::string groupedText(long double v, int precision, const NumberSeparators& seps) {
    requireFinite(v);
    const long double whole = std::roundl(v);  // halves away from zero
    const bool negative = whole < 0;
    const FixedDigits f = fixedDigits(whole, 0, Unlimited);
    if (static_cast<int>(f.integerPart.size()) <= precision)
        return joinFixed(negative, f, true, seps);
    return scientific(negative, roundDigits(expand(whole), precision), seps);
}

std::string fixed5(long double v, const NumberSeparators& seps) {
    requireFinite(v);
    std::string text = joinFixed(v < 0, fixedDigits(v, 0, Unlimited), false, seps);
    if (text.size() < 5)
        text.insert(0, 5 - text.size(), ' ');
    return text;
}

std::string sci5_3(long double v, const NumberSeparators& seps) {
    requireFinite(v);
    const bool negative = v < 0;
    Decimal d{"000", 0};
    if (v != 0)
        d = roundDigits(expand(v), 3);
    char expText[16];
    std::snprintf(expText, sizeof expText, "%c%03d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return std::string(negative ? "-" : "") + d.digits[0] + seps.decimal + d.digits.substr(1, 2) + "E" +
           expText;
}

std::string thousandsInteger(std::int64_t v, const NumberSeparators& seps) {
    const bool negative = v < 0;
    // Work on the unsigned magnitude so that the smallest value has one.
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(v + 1)) + 1u : static_cast<std::uint64_t>(v);
    return (negative ? "-" : "") + groupDigits(std::to_string(magnitude), seps.group);
}

std::string fixedText(long double v, int digits, bool grouped, const NumberSeparators& seps) {
    requireFinite(v);
    if (digits < 0)
        digits = 0;
    if (digits > 18)
        digits = 18;
    return joinFixed(v < 0, fixedDigits(v, digits, 18), grouped, seps);
}

std::string pictureText(double v, int maxDecimals, const NumberSeparators& seps) {
    requireFinite(v);
    if (maxDecimals < 0)
        maxDecimals = 0;
    FixedDigits f = fixedDigits(v, maxDecimals, Unlimited);
    while (!f.fraction.empty() && f.fraction.back() == '0')
        f.fraction.pop_back();
    return joinFixed(v < 0, f, true, seps);
}

}  // namespace gravitaria
