#include "engine/format_result.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace quantivo::engine {
namespace {

const NumberLocale kPlain{".", ","};

std::string Format(Extended value, ViewType view, int precision,
                   const NumberLocale& locale = kPlain) {
  return FormatResult(value, ResultFormat{view, precision}, locale);
}

constexpr Extended kSample = 1234567.890123456L;

TEST(FormatResult, DialogSampleInEveryFormat) {
  constexpr struct {
    int precision;
    const char* autoFormat;
    const char* scientific;
    const char* fixed;
    const char* commas;
  } kRows[] = {
      {0, "1234567.89", "1.2E+006", "1234568", "1,234,568"},
      {1, "1234567.89", "1.2E+006", "1234567.9", "1,234,567.9"},
      {4, "1234567.89", "1.235E+006", "1234567.8901", "1,234,567.8901"},
      {9, "1234567.89", "1.23456789E+006", "1234567.890123456", "1,234,567.890123456"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.precision);
    EXPECT_EQ(Format(kSample, ViewType::AutoFormat, row.precision), row.autoFormat);
    EXPECT_EQ(Format(kSample, ViewType::Scientific, row.precision), row.scientific);
    EXPECT_EQ(Format(kSample, ViewType::Fixed, row.precision), row.fixed);
    EXPECT_EQ(Format(kSample, ViewType::FixedWithCommas, row.precision), row.commas);
  }
}

TEST(FormatResult, ValuesAtPrecisionFour) {
  constexpr struct {
    Extended value;
    const char* autoFormat;
    const char* scientific;
    const char* fixed;
  } kRows[] = {
      {0, "0", "0.000E+000", "0.0000"},
      {0.5L, "0.5", "5.000E-001", "0.5000"},
      {0.00001234L, "1.234E-5", "1.234E-005", "0.0000"},
      {0.0001234L, "0.0001234", "1.234E-004", "0.0001"},
      {9999999999.0L, "9999999999", "1.000E+010", "9999999999.0000"},
      {12345678901.0L, "1.23456789E10", "1.235E+010", "12345678901.0000"},
      {-1.5L, "-1.5", "-1.500E+000", "-1.5000"},
      {1E20L, "1E20", "1.000E+020", "1E20"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.autoFormat);
    EXPECT_EQ(Format(row.value, ViewType::AutoFormat, 4), row.autoFormat);
    EXPECT_EQ(Format(row.value, ViewType::Scientific, 4), row.scientific);
    EXPECT_EQ(Format(row.value, ViewType::Fixed, 4), row.fixed);
  }
}

TEST(FormatResult, GeneralLayoutSwitchesToExponentOutsideTenPlacesAndAFourthDecimal) {
  constexpr struct {
    Extended value;
    const char* text;
  } kRows[] = {
      {1500, "1500"},
      {1.5L, "1.5"},
      {0.0001L, "0.0001"},
      {0.00009999L, "9.999E-5"},
      {1.5E20L, "1.5E20"},
      {1.234E-5L, "1.234E-5"},
      {12.50L, "12.5"},
      {-0.25L, "-0.25"},
      {1E10L, "1E10"},
      {99999999995.0L, "1E11"},
      {0.1L, "0.1"},
      {1.0L / 3, "0.3333333333"},
      {2.0L / 3, "0.6666666667"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(Format(row.value, ViewType::AutoFormat, 4), row.text);
  }
}

TEST(FormatResult, FixedRoundsHalfUpOnTheMagnitude) {
  EXPECT_EQ(Format(0.5L, ViewType::Fixed, 0), "1");
  EXPECT_EQ(Format(2.5L, ViewType::Fixed, 0), "3");
  EXPECT_EQ(Format(-1.5L, ViewType::Fixed, 0), "-2");
  EXPECT_EQ(Format(0.4L, ViewType::Fixed, 0), "0");
  EXPECT_EQ(Format(9.9999L, ViewType::Fixed, 2), "10.00");
  EXPECT_EQ(Format(999999.5L, ViewType::FixedWithCommas, 0), "1,000,000");
}

// The eighteen digits are rounded to nearest with ties to even; only the cut to the
// shown digits rounds half-up.
TEST(FormatResult, EighteenDigitsRoundTiesToEven) {
  // Eighteen integer digits and a half, read at once.
  EXPECT_EQ(Format(144115188075855872.5L, ViewType::Scientific, 18), "1.44115188075855872E+017");
  EXPECT_EQ(Format(144115188075855873.5L, ViewType::Scientific, 18), "1.44115188075855874E+017");
  // Nineteen digits divided by ten, where the half appears only after the division.
  EXPECT_EQ(Format(100000000000000000.5L, ViewType::Scientific, 18), "1.00000000000000000E+017");
  EXPECT_EQ(Format(100000000000000001.5L, ViewType::Scientific, 18), "1.00000000000000002E+017");
  EXPECT_EQ(Format(100000000000000000.5L, ViewType::Fixed, 0), "100000000000000000");
}

TEST(FormatResult, NegativeNearZeroKeepsItsSignOnlyWithinOnePlace) {
  EXPECT_EQ(Format(-0.00004L, ViewType::Fixed, 4), "-0.0000");
  EXPECT_EQ(Format(-0.000004L, ViewType::Fixed, 4), "0.0000");
  EXPECT_EQ(Format(-0.00005L, ViewType::Fixed, 4), "-0.0001");
  EXPECT_EQ(Format(-0.0L, ViewType::Fixed, 4), "0.0000");
  EXPECT_EQ(Format(-0.0L, ViewType::AutoFormat, 4), "0");
}

TEST(FormatResult, FixedBeyondEighteenPlacesUsesTheGeneralLayout) {
  EXPECT_EQ(Format(1E20L, ViewType::Fixed, 4), "1E20");
  EXPECT_EQ(Format(1E20L, ViewType::FixedWithCommas, 4), "1E20");
  EXPECT_EQ(Format(1.5E19L, ViewType::Fixed, 2), "1.5E19");
  EXPECT_EQ(Format(1E17L, ViewType::FixedWithCommas, 0), "100,000,000,000,000,000");
}

TEST(FormatResult, ThousandsAreGroupedFromThePoint) {
  constexpr struct {
    Extended value;
    const char* text;
  } kRows[] = {
      {0, "0.00"},
      {999, "999.00"},
      {1000, "1,000.00"},
      {-12345.5L, "-12,345.50"},
      {123456, "123,456.00"},
      {1234567890123.0L, "1,234,567,890,123.00"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(Format(row.value, ViewType::FixedWithCommas, 2), row.text);
  }
}

TEST(FormatResult, UsesTheRegionalSeparators) {
  const NumberLocale german{",", "."};
  EXPECT_EQ(Format(kSample, ViewType::FixedWithCommas, 4, german), "1.234.567,8901");
  EXPECT_EQ(Format(kSample, ViewType::AutoFormat, 4, german), "1234567,89");
  EXPECT_EQ(Format(kSample, ViewType::Scientific, 4, german), "1,235E+006");
  const NumberLocale french{",", "\u202f"};
  EXPECT_EQ(Format(kSample, ViewType::FixedWithCommas, 1, french), "1\u202f234\u202f567,9");
  // India groups by twos above the thousands; Egypt writes Arabic-Indic digits.
  const NumberLocale indian = MakeNumberLocale(".", ",", "0", "\3\2");
  EXPECT_EQ(Format(kSample * 100, ViewType::FixedWithCommas, 1, indian), "12,34,56,789.0");
  EXPECT_EQ(Format(1234.5, ViewType::FixedWithCommas, 1, indian), "1,234.5");
  const NumberLocale egyptian = MakeNumberLocale("\u066B", "\u066C", "\u0660");
  EXPECT_EQ(Format(3.81, ViewType::AutoFormat, 4, egyptian), "\u0663\u066B\u0668\u0661");
  EXPECT_EQ(Format(1.5e30, ViewType::AutoFormat, 4, egyptian), "\u0661\u066B\u0665E\u0663\u0660");
  EXPECT_EQ(MakeNumberLocale(".", ",", "x").Zero, U'0');  // no digits the program writes
}

TEST(FormatResult, PrecisionOutsideZeroToNine) {
  constexpr struct {
    ViewType view;
    int precision;
    const char* text;
  } kRows[] = {
      {ViewType::Scientific, 1, "1.2E+006"},
      {ViewType::Scientific, 2, "1.2E+006"},
      {ViewType::Scientific, 12, "1.23456789012E+006"},
      {ViewType::Scientific, 18, "1.23456789012345600E+006"},
      {ViewType::Scientific, 19, "1.23456789012346E+006"},
      {ViewType::Scientific, -1, "1.23456789012346E+006"},
      {ViewType::Fixed, 12, "1234567.890123456000"},
      {ViewType::Fixed, 18, "1234567.890123456000000000"},
      {ViewType::Fixed, 19, "1234567.89"},
      {ViewType::Fixed, -1, "1234567.89"},
      {ViewType::FixedWithCommas, -5, "1,234,567.89"},
      {ViewType::FixedWithCommas, 100, "1,234,567.89"},
      {ViewType::AutoFormat, -7, "1234567.89"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(Format(kSample, row.view, row.precision), row.text);
  }
}

TEST(FormatResult, UnknownViewTypesFormatAsAutoFormat) {
  EXPECT_EQ(ViewTypeFromNumber(0), ViewType::AutoFormat);
  EXPECT_EQ(ViewTypeFromNumber(5), ViewType::AutoFormat);
  EXPECT_EQ(ViewTypeFromNumber(-1), ViewType::AutoFormat);
  EXPECT_EQ(ViewTypeFromNumber(3), ViewType::Fixed);
  EXPECT_EQ(Format(kSample, static_cast<ViewType>(0), 4), "1234567.89");
  EXPECT_EQ(Format(kSample, static_cast<ViewType>(5), 4), "1234567.89");
}

TEST(FormatResult, InfinityAndNotANumberHaveNoSign) {
  constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  for (const ViewType view :
       {ViewType::AutoFormat, ViewType::Scientific, ViewType::Fixed, ViewType::FixedWithCommas}) {
    EXPECT_EQ(Format(kInf, view, 4), "INF");
    EXPECT_EQ(Format(-kInf, view, 4), "INF");
    EXPECT_EQ(Format(nan, view, 4), "NAN");
    EXPECT_EQ(Format(-nan, view, 4), "NAN");
  }
}

TEST(FormatResult, EndsOfTheExtendedRange) {
  EXPECT_EQ(Format(LDBL_MAX, ViewType::AutoFormat, 4), "1.189731495E4932");
  EXPECT_EQ(Format(-LDBL_MAX, ViewType::Scientific, 4), "-1.190E+4932");
  EXPECT_EQ(Format(LDBL_MIN, ViewType::AutoFormat, 4), "3.362103143E-4932");
  EXPECT_EQ(Format(LDBL_MIN, ViewType::Scientific, 9), "3.36210314E-4932");
  // Denormals have no exponent and show as zero.
  EXPECT_EQ(Format(LDBL_MIN / 4, ViewType::AutoFormat, 4), "0");
  EXPECT_EQ(Format(-LDBL_MIN / 4, ViewType::Scientific, 4), "0.000E+000");
}

// Every power of ten must come out with its own exponent and eighteen digits; below
// about 1e-204 the first exponent estimate is sometimes one too high.
TEST(FormatResult, EveryPowerOfTenKeepsItsExponent) {
  for (int e = -4931; e <= 4932; ++e) {
    const std::string decimal = "1e" + std::to_string(e);
    const Extended value = std::strtold(decimal.c_str(), nullptr);
    char expected[32];
    std::snprintf(expected, sizeof expected, "1.000E%c%03d", e < 0 ? '-' : '+', std::abs(e));
    ASSERT_EQ(Format(value, ViewType::Scientific, 4), expected) << decimal;
    if (e < 4932) {
      ASSERT_EQ(Format(value * 3, ViewType::Scientific, 9),
                std::string("3.00000000") + (expected + 5))
          << decimal;
    }
  }
}

// Eighteen digits, the first not zero, read back as the value to within half a unit
// of the last one.
// Just above a power of two whose value lies just below a power of ten, the first
// exponent estimate for small magnitudes is one too high and gives only 17 digits.
TEST(FormatResult, EighteenDigitsOfEveryBinaryMagnitude) {
  for (int b = -16382; b <= 16383; ++b) {
    const Extended power = std::ldexp(1.0L, b);
    for (const Extended value :
         {power, std::nextafter(power, 0.0L), std::nextafter(power, LDBL_MAX)}) {
      if (std::fpclassify(value) != FP_NORMAL || std::isinf(value)) continue;
      const std::string text = Format(value, ViewType::Scientific, 18);
      const Extended back = std::strtold(text.c_str(), nullptr);
      ASSERT_NE(text[0], '0') << "2^" << b << " shows as " << text;
      ASSERT_LE(std::fabs(back - value) / value, 1e-17L) << "2^" << b << " shows as " << text;
    }
  }
}

// A shown result read back as input, with the separators of the locale in use, and
// formatted as AutoFormat (ten significant digits).
TEST(ResultAsInputText, ReadsTheShownNumber) {
  const NumberLocale english;
  const NumberLocale german{",", "."};
  const NumberLocale french{",", "\u202F"};
  constexpr struct {
    const char* shown;
    int locale;  // 0 English, 1 German, 2 French
    const char* input;
  } kCases[] = {
      {"1,234.5678", 0, "1234.5678"},
      {"1.234.567,8901", 1, "1234567.89"},
      {"1\u202F234,5", 2, "1234.5"},
      {"3.28", 0, "3.28"},
      {"1.000E+010", 0, "1E10"},
      {"1,6E+010", 1, "1.6E10"},
      {"0.001", 0, "0.001"},
      {"", 0, "0"},
      {"result too large", 0, "0"},
      {"invalid number [2]", 0, "0"},
      {"INF", 0, "0"},
      {"-1234567890123", 0, "-1.23456789E12"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.shown);
    const NumberLocale& locale = c.locale == 0 ? english : c.locale == 1 ? german : french;
    EXPECT_EQ(ResultAsInputText(c.shown, locale), c.input);
  }
}

// Copied for other programs: the grouping goes, the decimal separator stays.
TEST(ResultWithoutGrouping, KeepsTheDecimalSeparator) {
  EXPECT_EQ(ResultWithoutGrouping("1,234,567.8901", NumberLocale{}), "1234567.8901");
  EXPECT_EQ(ResultWithoutGrouping("1.234.567,8901", NumberLocale{",", "."}), "1234567,8901");
  EXPECT_EQ(ResultWithoutGrouping("-1\u202F234,5", NumberLocale{",", "\u202F"}), "-1234,5");
}

}  // namespace
}  // namespace quantivo::engine
