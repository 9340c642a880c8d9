// Number texts under French separators (decimal comma, U+202F between
// groups) and C separators (point, comma).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "errors.h"
#include "number_text.h"

namespace gravitaria {
namespace {

const NumberSeparators French{",", "\u202F"};
const NumberSeparators C{".", ","};
#define NB "\u202F"

struct TextCase {
    long double v;
    const char* french;
    const char* c;
};

TEST(NumberText, GeneralText) {
    const TextCase cases[] = {
        {0, "0", "0"},
        {6e24L, "6E24", "6E24"},
        {1.99e30L, "1,99E30", "1.99E30"},
        {30000000, "30000000", "30000000"},  // never grouped
        {0.00001L, "1E-5", "1E-5"},
        {0.0001L, "0,0001", "0.0001"},
        {0.00015L, "0,00015", "0.00015"},
        {-29800, "-29800", "-29800"},
        {0.1, "0,1", "0.1"},  // the double 0.1: 15 digits hide its binary tail
        {-150000000000.0L, "-150000000000", "-150000000000"},
        {123456789012345.0L, "123456789012345", "123456789012345"},  // 15 digits: plain
        {1234567890123456.0L, "1,23456789012346E15", "1.23456789012346E15"},
        {1e15L, "1E15", "1E15"},
        {1.0L / 3, "0,333333333333333", "0.333333333333333"},
        {-6.67e-11L, "-6,67E-11", "-6.67E-11"},
        {2.5e-5L, "2,5E-5", "2.5E-5"},
        {12.5, "12,5", "12.5"},
        {1e100L, "1E100", "1E100"},
    };
    for (const TextCase& t : cases) {
        EXPECT_EQ(generalText(t.v, French), t.french) << static_cast<double>(t.v);
        EXPECT_EQ(generalText(t.v, C), t.c) << static_cast<double>(t.v);
    }
}

TEST(NumberText, GeneralTextRoundedToSignificantDigits) {
    // G(v) to 7 significant digits, as the flights' table copies it, and
    // with the group separator, as the window shows it.
    struct Case {
        long double v;
        const char* plain;   // French, no grouping
        const char* grouped; // French, grouped
        const char* c;       // C, grouped
    };
    const Case cases[] = {
        {0, "0", "0", "0"},
        {5829.46321L, "5829,463", "5" NB "829,463", "5,829.463"},
        {123456789, "123456800", "123" NB "456" NB "800", "123,456,800"},
        {-42164.17L, "-42164,17", "-42" NB "164,17", "-42,164.17"},
        {9.8644e-5L, "9,8644E-5", "9,8644E-5", "9.8644E-5"},
        {0.000123456789L, "0,0001234568", "0,0001234568", "0.0001234568"},
        {9999999.5L, "10000000", "10" NB "000" NB "000", "10,000,000"},
        {3.1e20L, "3,1E20", "3,1E20", "3.1E20"},
        {1.5L, "1,5", "1,5", "1.5"},
    };
    for (const Case& t : cases) {
        EXPECT_EQ(generalText(t.v, 7, false, French), t.plain) << static_cast<double>(t.v);
        EXPECT_EQ(generalText(t.v, 7, true, French), t.grouped) << static_cast<double>(t.v);
        EXPECT_EQ(generalText(t.v, 7, true, C), t.c) << static_cast<double>(t.v);
    }
}

TEST(NumberText, GroupedTextWithPrecision) {
    struct Case {
        long double v;
        int p;
        const char* french;
        const char* c;
    };
    const Case cases[] = {
        {0, 8, "0", "0"},
        {19400, 8, "19" NB "400", "19,400"},
        {-40000, 5, "-40" NB "000", "-40,000"},
        {70710.68L, 5, "70" NB "711", "70,711"},
        {99999, 5, "99" NB "999", "99,999"},
        {99999.5L, 5, "1E5", "1E5"},       // rounds to 100000: six digits
        {123456, 5, "1,2346E5", "1.2346E5"},
        {100000, 5, "1E5", "1E5"},
        {2.5L, 5, "3", "3"},               // halves away from zero
        {-2.5L, 5, "-3", "-3"},
        {-0.4L, 5, "0", "0"},              // no "-0"
        {99999999, 8, "99" NB "999" NB "999", "99,999,999"},
        {100000000, 8, "1E8", "1E8"},
        {103680000, 8, "1,0368E8", "1.0368E8"},
        {864000000, 8, "8,64E8", "8.64E8"},
        {315360000, 8, "3,1536E8", "3.1536E8"},
        {123456785, 8, "1,2345679E8", "1.2345679E8"},  // a half in the 9th digit goes up
        {31536000, 9, "31" NB "536" NB "000", "31,536,000"},
        {864000000, 9, "864" NB "000" NB "000", "864,000,000"},
        {-123456, 5, "-1,2346E5", "-1.2346E5"},
    };
    for (const Case& t : cases) {
        EXPECT_EQ(groupedText(t.v, t.p, French), t.french) << static_cast<double>(t.v) << " p=" << t.p;
        EXPECT_EQ(groupedText(t.v, t.p, C), t.c) << static_cast<double>(t.v) << " p=" << t.p;
    }
}

TEST(NumberText, TableColumns) {
    const TextCase fixedCases[] = {
        {0, "    0", "    0"},
        {200, "  200", "  200"},
        {20000, "20000", "20000"},
        {6736.6L, " 6737", " 6737"},
        {2.5L, "    3", "    3"},
        {1.5e8L, "150000000", "150000000"},
        {-12, "  -12", "  -12"},
        {-0.2L, "    0", "    0"},
    };
    for (const TextCase& t : fixedCases) {
        EXPECT_EQ(fixed5(t.v, French), t.french) << static_cast<double>(t.v);
        EXPECT_EQ(fixed5(t.v, C), t.c) << static_cast<double>(t.v);
    }
    const TextCase sciCases[] = {
        {30000, "3,00E+004", "3.00E+004"},
        {-7.123L, "-7,12E+000", "-7.12E+000"},
        {0, "0,00E+000", "0.00E+000"},
        {-19.2L, "-1,92E+001", "-1.92E+001"},
        {9.9951L, "1,00E+001", "1.00E+001"},  // the carry moves the exponent
        {1.125L, "1,13E+000", "1.13E+000"},  // an exact half goes up
        {0.00012345L, "1,23E-004", "1.23E-004"},
        {1.5e11L, "1,50E+011", "1.50E+011"},
        {2e-300L, "2,00E-300", "2.00E-300"},
        {1e1000L, "1,00E+1000", "1.00E+1000"},
    };
    for (const TextCase& t : sciCases) {
        EXPECT_EQ(sci5_3(t.v, French), t.french) << static_cast<double>(t.v);
        EXPECT_EQ(sci5_3(t.v, C), t.c) << static_cast<double>(t.v);
    }
}

TEST(NumberText, ThousandsAndFieldTexts) {
    EXPECT_EQ(thousandsInteger(86400, French), "86" NB "400");
    EXPECT_EQ(thousandsInteger(86400, C), "86,400");
    EXPECT_EQ(thousandsInteger(0, French), "0");
    EXPECT_EQ(thousandsInteger(-1234567, C), "-1,234,567");
    EXPECT_EQ(thousandsInteger(std::numeric_limits<std::int64_t>::min(), C),
              "-9,223,372,036,854,775,808");

    EXPECT_EQ(fixedText(6, 2, false, French), "6,00");
    EXPECT_EQ(fixedText(1.99L, 2, false, C), "1.99");
    EXPECT_EQ(fixedText(0.125L, 2, false, C), "0.13");  // an exact half goes up
    EXPECT_EQ(fixedText(0.006L, 2, false, C), "0.01");
    EXPECT_EQ(fixedText(-0.001L, 2, false, C), "0.00");
    EXPECT_EQ(fixedText(-12345.678L, 2, true, French), "-12" NB "345,68");
    EXPECT_EQ(fixedText(7, 0, false, C), "7");
    // At most 18 significant digits: the rest are zeros.
    EXPECT_EQ(fixedText(123456789012345678901.0L, 2, false, C), "123456789012345679000.00");

    EXPECT_EQ(pictureText(20000, 0, French), "20" NB "000");
    EXPECT_EQ(pictureText(0.25, 3, French), "0,25");
    EXPECT_EQ(pictureText(1234.0005, 3, C), "1,234.001");
    EXPECT_EQ(pictureText(-1500, 3, C), "-1,500");
    EXPECT_EQ(pictureText(-0.0001, 3, C), "0");
}

TEST(NumberText, NonFiniteValuesHaveNoText) {
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_THROW(generalText(nan, C), InvalidOpError);
    EXPECT_THROW(groupedText(inf, 8, C), FloatOverflowError);
    EXPECT_THROW(fixed5(-inf, C), FloatOverflowError);
    EXPECT_THROW(sci5_3(nan, C), InvalidOpError);
    EXPECT_THROW(fixedText(inf, 2, true, C), FloatOverflowError);
}

}  // namespace
}  // namespace gravitaria
