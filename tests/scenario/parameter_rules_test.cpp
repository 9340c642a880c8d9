#include "parameter_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "errors.h"

namespace gravitaria {
namespace {

// The 80-bit pattern of a long double: sign/exponent word, then significand.
struct Bits {
    std::uint16_t exponent;
    std::uint64_t significand;
};
Bits bitsOf(long double v) {
    Bits b{};
    std::memcpy(&b.significand, &v, 8);
    std::memcpy(&b.exponent, reinterpret_cast<const char*>(&v) + 8, 2);
    return b;
}

const QChar kComma(u',');
const QChar kPoint(u'.');

TEST(MassText, PresetMassesConvertBitForBit) {
    // 6,00E24 is exact: 6 x 10^24 = 0x9ED194DB19B238C0 x 2^19.
    struct Case {
        const char* mantissa;
        const char* exponent;
        std::uint16_t word;
        std::uint64_t significand;
    };
    const Case cases[] = {
        {"6,00", "24", 0x4051, 0x9ED194DB19B238C0ULL},
        {"1,99", "30", 0x4063, 0xC8F04B5A127626CBULL},
        {"3,00", "21", 0x4046, 0xA2A15D09519BE000ULL},
        {"1,00", "21", 0x4044, 0xD8D726B7177A8000ULL},
    };
    for (const Case& c : cases) {
        const Bits b = bitsOf(attractorMassFromTexts(QString::fromUtf8(c.mantissa),
                                                     QString::fromUtf8(c.exponent), kComma));
        EXPECT_EQ(b.exponent, c.word) << c.mantissa << "E" << c.exponent;
        EXPECT_EQ(b.significand, c.significand) << c.mantissa << "E" << c.exponent;
    }
}

TEST(MassText, AcceptedTexts) {
    struct Case {
        const char* text;
        QChar separator;
        long double value;
    };
    const Case cases[] = {
        {"6,00E3", kComma, 6000.0L},
        {"6,00E", kComma, 6.0L},          // erased exponent: power 0
        {"6,00E-", kComma, 6.0L},         // a sign alone: power 0
        {"6,00E+", kComma, 6.0L},
        {"6,00E-3", kComma, 0.006L},
        {"-2,5E2", kComma, -250.0L},
        {",5E2", kComma, 50.0L},          // separator before any digit
        {",E24", kComma, 0.0L},           // the separator alone counts
        {"7E1", kComma, 70.0L},
        {"6.00E24", kPoint, 6.0e24L},     // C locale
        {" 6,5E1 ", kComma, 65.0L},
        {"6,E2", kComma, 600.0L},
        {"0006,50E-2", kComma, 0.065L},
        {"1E40", kComma, 1.0e40L},
        {"-0,00E5", kComma, 0.0L},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(convertDecimalText(QString::fromUtf8(c.text), c.separator), c.value) << c.text;
    }
}

TEST(MassText, RefusedTextsRaiseTheConversionErrorWithTheWholeText) {
    struct Case {
        const char* text;
        QChar separator;
    };
    const Case cases[] = {
        {"6,00E2,", kComma},    // decimal separator typed into the exponent
        {"1E0E24", kComma},     // the mantissa holds an exponent mark
        {"-E24", kComma},       // a minus sign alone left of the mantissa
        {"E24", kComma},
        {"6.00E24", kComma},    // the other separator
        {"6,00E24", kPoint},
        {"6,00E2x", kComma},
        {"6\u202F000,00E2", kComma},  // thousands separators are not accepted
        {"6,00E999999", kComma},        // beyond the extended range
        {"9,00E4932", kComma},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        try {
            convertDecimalText(text, c.separator);
            ADD_FAILURE() << c.text << " converted";
        } catch (const ConvertError& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()),
                      QStringLiteral("'") + text +
                          QStringLiteral("' n'est pas une valeur en virgule flottante correcte"));
        }
    }
}

TEST(StartPosition, KilometresOrMillionsOfKilometres) {
    EXPECT_EQ(startPositionKm(30000, kUniteKm), 30000.0L);
    EXPECT_EQ(startPositionKm(-40000, kUniteKm), -40000.0L);
    EXPECT_EQ(startPositionKm(1, kUniteMillionsKm), 1000000.0L);
    EXPECT_EQ(startPositionKm(150, kUniteMillionsKm), 1.5e8L);
    // Only the exact " km" (leading blank) is kilometres.
    EXPECT_EQ(startPositionKm(2, QStringLiteral("km")), 2000000.0L);
}

TEST(Captions, UnitAndAttractor) {
    EXPECT_EQ(startXCaption(kUniteKm), QStringLiteral("X initial en km"));
    EXPECT_EQ(startYCaption(kUniteMillionsKm), QStringLiteral("Y initial en Millions de km"));
    EXPECT_EQ(attractorWindowCaption(QStringLiteral("Lune")),
              QStringLiteral("Simulateur du mouvement des satellites - Attracteur en cours : Lune"));
}

TEST(PlannedFlight, ProductAndText) {
    const NumberSeparators french{",", "\u202F"};
    const NumberSeparators c{".", ","};
    EXPECT_EQ(plannedFlightText(200, 100, french), QStringLiteral("20\u202F000"));
    EXPECT_EQ(plannedFlightText(86400, 365, french), QStringLiteral("31\u202F536\u202F000"));
    EXPECT_EQ(plannedFlightText(864000, 365, c), QStringLiteral("315,360,000"));
    EXPECT_EQ(plannedFlightText(999999, 1000, c), QStringLiteral("999,999,000"));
    EXPECT_EQ(plannedFlightText(5, 1, c), QStringLiteral("5"));
    EXPECT_THROW(plannedFlightSeconds(864000, 3000), IntOverflowError);
    EXPECT_EQ(plannedFlightSeconds(-3, 100), -300);
}

}  // namespace
}  // namespace gravitaria
