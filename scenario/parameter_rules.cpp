#include "parameter_rules.h"

#include <charconv>
#include <cmath>
#include <string>

#include "errors.h"
#include "flight_run.h"

namespace gravitaria {

long double startPositionKm(std::int32_t fieldValue, const QString& unite) {
    return static_cast<long double>(fieldValue) * unitToKm(unite);
}

QString startXCaption(const QString& unite) {
    return QStringLiteral("X initial en") + unite;
}

QString startYCaption(const QString& unite) {
    return QStringLiteral("Y initial en") + unite;
}

QString attractorWindowCaption(const QString& attractorName) {
    return QStringLiteral("Simulateur du mouvement des satellites - Attracteur en cours : ") +
           attractorName;
}

QString massText(const QString& mantissa, const QString& exponent) {
    return mantissa + QLatin1Char('E') + exponent;
}

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Appends the run of digits starting at `i` to `out`; returns how many.
int takeDigits(const QString& text, qsizetype& i, std::string& out) {
    int n = 0;
    while (i < text.size() && isDigit(text[i])) {
        out.push_back(static_cast<char>(text[i].unicode()));
        ++i;
        ++n;
    }
    return n;
}

// 10^n for 0 <= n, rounded once to the extended type; infinite beyond it.
long double powerOfTen(int n) {
    const std::string text = "1e" + std::to_string(n);
    long double p = 0.0L;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), p);
    if (result.ec != std::errc()) return HUGE_VALL;
    return p;
}

// digits x 10^scale the way the program's run-time converts number texts:
// the digits accumulated exactly as an integer, then one multiplication (or
// division) by each of 10^(scale mod 32) and 10^(32 x (scale div 32)). This
// reproduces its results bit for bit (1,99E30 gives ...626CB, one unit in
// the last place below the nearest value).
long double scaleDigits(const std::string& digits, int scale) {
    long double v = 0.0L;
    for (char d : digits) v = v * 10.0L + static_cast<long double>(d - '0');
    const int magnitude = scale < 0 ? -scale : scale;
    const long double low = powerOfTen(magnitude % 32);
    const long double high = powerOfTen(magnitude - magnitude % 32);
    if (scale >= 0) {
        v *= low;
        v *= high;
    } else {
        v /= low;
        v /= high;
    }
    return v;
}

}  // namespace

long double convertDecimalText(const QString& text, QChar decimalSeparator) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    std::string digits;
    const int intDigits = takeDigits(text, i, digits);
    bool separator = false;
    int fracDigits = 0;
    if (i < n && text[i] == decimalSeparator) {
        separator = true;
        ++i;
        fracDigits = takeDigits(text, i, digits);
    }
    if (intDigits == 0 && !separator) throw ConvertError(text.toStdString());
    long exponent = 0;
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
            negativeExponent = text[i] == QLatin1Char('-');
            ++i;
        }
        std::string exponentDigits;
        takeDigits(text, i, exponentDigits);
        // Beyond the extended range the text does not convert either.
        if (exponentDigits.size() > 5) throw ConvertError(text.toStdString());
        if (!exponentDigits.empty()) exponent = std::stol(exponentDigits);
        if (negativeExponent) exponent = -exponent;
    }
    while (i < n && text[i] == QLatin1Char(' ')) ++i;
    if (i != n) throw ConvertError(text.toStdString());

    // Leading zeros add nothing; very long digit runs keep their first 19.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return negative ? -0.0L : 0.0L;
    std::string significant = digits.substr(first);
    long scale = exponent - fracDigits;
    if (significant.size() > 19) {
        scale += static_cast<long>(significant.size() - 19);
        significant.resize(19);
    }
    if (scale > 4932 + 40 || scale < -4951 - 40) throw ConvertError(text.toStdString());
    const long double v = scaleDigits(significant, static_cast<int>(scale));
    if (!std::isfinite(v)) throw ConvertError(text.toStdString());
    return negative ? -v : v;
}

long double attractorMassFromTexts(const QString& mantissa, const QString& exponent,
                                   QChar decimalSeparator) {
    return convertDecimalText(massText(mantissa, exponent), decimalSeparator);
}

std::int32_t plannedFlightSeconds(std::int32_t dt, std::int32_t points) {
    return checkedProduct(dt, points);
}

QString plannedFlightText(std::int32_t dt, std::int32_t points, const NumberSeparators& seps) {
    return QString::fromStdString(
        groupedText(static_cast<long double>(plannedFlightSeconds(dt, points)), 9, seps));
}

}  // namespace gravitaria
