#include "number_text.h"

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

// Significant digits of |v| rounded to `count` digits, and the power of ten
// of the first one: |v| ~ 0.d1d2d3... x 10^(exponent + 1).
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significantDigits(long double v, int count) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*Le", count - 1, std::fabs(v));
    Digits d;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    if (*p == 'e')
        d.exponent = std::atoi(p + 1);
    return d;
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
std::string scientific(bool negative, std::string digits, int exponent,
                       const NumberSeparators& seps) {
    trimTrailingZeros(digits);
    std::string out = negative ? "-" : "";
    out.push_back(digits[0]);
    if (digits.size() > 1)
        out += seps.decimal + digits.substr(1);
    out += "E" + std::to_string(exponent);
    return out;
}

// Replaces the '.' that printf writes by the locale's separator and groups
// the integer part when asked.
std::string localiseFixed(const std::string& printed, bool grouped, const NumberSeparators& seps) {
    std::string sign;
    std::string body = printed;
    if (!body.empty() && body[0] == '-') {
        sign = "-";
        body.erase(0, 1);
    }
    const std::size_t dot = body.find('.');
    std::string intPart = body.substr(0, dot);
    std::string fracPart = dot == std::string::npos ? "" : body.substr(dot + 1);
    bool allZero = true;
    for (char c : body)
        if (c >= '1' && c <= '9')
            allZero = false;
    if (allZero)
        sign.clear();  // no "-0" for a value that rounds to zero
    std::string out = sign + (grouped ? groupDigits(intPart, seps.group) : intPart);
    if (dot != std::string::npos)
        out += seps.decimal + fracPart;
    return out;
}

}  // namespace

std::string generalText(long double v, const NumberSeparators& seps) {
    requireFinite(v);
    if (v == 0)
        return "0";
    Digits d = significantDigits(v, 15);
    trimTrailingZeros(d.digits);
    const bool negative = v < 0;
    if (d.exponent < -4 || d.exponent > 14)
        return scientific(negative, d.digits, d.exponent, seps);

    std::string out = negative ? "-" : "";
    const int intDigits = d.exponent + 1;
    if (intDigits <= 0) {
        out += "0" + seps.decimal + std::string(static_cast<std::size_t>(-intDigits), '0') + d.digits;
        return out;
    }
    const auto n = static_cast<std::size_t>(intDigits);
    if (d.digits.size() <= n) {
        out += d.digits + std::string(n - d.digits.size(), '0');
    } else {
        out += d.digits.substr(0, n) + seps.decimal + d.digits.substr(n);
    }
    return out;
}

std::string groupedText(long double v, int precision, const NumberSeparators& seps) {
    requireFinite(v);
    const long double whole = std::roundl(v);  // halves away from zero
    const bool negative = whole < 0;
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.0Lf", std::fabs(whole));
    const std::string digits = buf;
    if (static_cast<int>(digits.size()) <= precision)
        return (negative ? "-" : "") + groupDigits(digits, seps.group);
    const Digits d = significantDigits(whole, precision);
    return scientific(negative, d.digits, d.exponent, seps);
}

std::string fixed5(long double v, const NumberSeparators& seps) {
    requireFinite(v);
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.0Lf", std::roundl(v));
    std::string text = localiseFixed(buf, false, seps);
    if (text.size() < 5)
        text.insert(0, 5 - text.size(), ' ');
    return text;
}

std::string sci5_3(long double v, const NumberSeparators& seps) {
    requireFinite(v);
    const bool negative = std::signbit(v) && v != 0;
    std::string digits = "000";
    int exponent = 0;
    if (v != 0) {
        const Digits d = significantDigits(v, 3);
        digits = d.digits;
        exponent = d.exponent;
    }
    char expText[16];
    std::snprintf(expText, sizeof expText, "%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return std::string(negative ? "-" : "") + digits[0] + seps.decimal + digits.substr(1, 2) + "E" +
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
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*Lf", digits, v);
    return localiseFixed(buf, grouped, seps);
}

std::string pictureText(double v, int maxDecimals, const NumberSeparators& seps) {
    requireFinite(v);
    if (maxDecimals < 0)
        maxDecimals = 0;
    // Round halves away from zero at the last optional decimal.
    const long double scale = std::pow(10.0L, maxDecimals);
    const long double rounded = std::roundl(static_cast<long double>(v) * scale) / scale;
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*Lf", maxDecimals, rounded);
    std::string text = buf;
    const std::size_t dot = text.find('.');
    if (dot != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return localiseFixed(text, true, seps);
}

}  // namespace gravitaria
