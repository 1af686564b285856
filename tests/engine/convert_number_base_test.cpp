#include "engine/convert_number_base.h"

#include <gtest/gtest.h>

#include <string>

#include "support/convert_by_name.h"

namespace quantivo::engine {
namespace {

using catalogue::UnitCatalogue;

struct Case {
  std::string in;
  const char* from;
  const char* to;
  std::string out;
};

const Case kNumbers[] = {
    {"255", "decimal", "binary", "11111111"},
    {"255", "decimal", "octal", "377"},
    {"255", "decimal", "hexadecimal", "FF"},
    {"255", "decimal", "base-36", "73"},
    {"7FFFFFFF", "hexadecimal", "decimal", "2147483647"},
    {"80000000", "hexadecimal", "decimal", "result too large"},
    {"2147483648", "decimal", "decimal", "result too large"},
    {"5000000000", "decimal", "hexadecimal", "result too large"},
    {"2147483647", "decimal", "base-2", "1111111111111111111111111111111"},
    // The length guard counts leading zeros and follows the base, not the name.
    {"00000000001", "decimal", "decimal", "result too large"},
    {"00000000001", "base-10", "decimal", "result too large"},
    {"0000000001", "decimal", "decimal", "1"},
    {"000000001", "hexadecimal", "decimal", "result too large"},
    {"000000001", "base-16", "decimal", "result too large"},
    {"000000000001", "octal", "decimal", "result too large"},
    {"00000000001", "base-8", "decimal", "1"},
    {"01111111111111111111111111111111", "binary", "decimal", "2147483647"},
    {"11111111111111111111111111111111", "binary", "decimal", "result too large"},
    {"000000000000000000000000000000001", "base-2", "decimal", "result too large"},
    {"00000000000000000000000000000000000001", "base-3", "decimal", "1"},
    {"007", "decimal", "decimal", "7"},
    {"0", "decimal", "binary", "0"},
    {"0", "decimal", "Roman numeral", ""},
    {"MCMXCIV", "Roman numeral", "decimal", "1994"},
    {"1994", "decimal", "Roman numeral", "MCMXCIV"},
    {"IIII", "Roman numeral", "Roman numeral", "IV"},
    {"IC", "Roman numeral", "decimal", "99"},
    {"VX", "Roman numeral", "decimal", "5"},
    {"IIX", "Roman numeral", "decimal", "10"},
    {"MMMM", "Roman numeral", "hexadecimal", "FA0"},
    {"4000", "decimal", "Roman numeral", "MMMM"},
    {"999999", "decimal", "Roman numeral", std::string(999, 'M') + "CMXCIX"},
    {"1000000", "decimal", "Roman numeral", "result too large"},
    {"mcm", "Roman numeral", "decimal", "invalid Roman numeral"},
    {"MCMX1", "Roman numeral", "decimal", "invalid Roman numeral"},
    {"ff", "hexadecimal", "decimal", "255"},
    {"FG", "hexadecimal", "decimal", "invalid hexadecimal number"},
    {"B", "base-11", "decimal", "invalid base-11 number"},
    {"a", "base-11", "decimal", "10"},
    {"Z", "base-36", "decimal", "35"},
    {"z", "base-36", "base-35", "10"},
    {"2", "binary", "decimal", "invalid binary number"},
    {"8", "octal", "decimal", "invalid octal number"},
    {"-5", "decimal", "decimal", "invalid decimal number"},
    {"1 ", "decimal", "decimal", "invalid decimal number"},
    {"9", "base-9", "decimal", "invalid base-9 number"},
    // Validation comes before the length guard.
    {"123456789012X", "decimal", "decimal", "invalid decimal number"},
    {"", "decimal", "binary", ""},
    {"5", "", "binary", ""},
    {"5", "decimal", "", ""},
};

TEST(ConvertNumberBase, RewritesBetweenNumberSystems) {
  for (const bool sorted : {false, true}) {
    UnitCatalogue catalogue;
    if (sorted) catalogue.SortUnitTables();
    for (const Case& c : kNumbers) {
      SCOPED_TRACE((sorted ? "sorted: " : "") + c.in.substr(0, 40) + " " + c.from + " -> " + c.to);
      EXPECT_EQ(test::ConvertByName(catalogue, "Numbers", c.in, c.from, c.to), c.out);
    }
  }
}

TEST(ConvertNumberBase, EveryBaseWritesAndReadsBack) {
  for (int code = 6; code <= 40; ++code) {
    SCOPED_TRACE(code);
    const std::string written = ConvertNumberBase("2147483647", 3, code).Text;
    EXPECT_EQ(ConvertNumberBase(written, code, 3).Text, "2147483647");
    // The first digit the base lacks.
    const int base = code - 4;
    const std::string beyond(1, base < 36 ? "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[base] : '_');
    EXPECT_EQ(EnglishText(ConvertNumberBase(beyond, code, 3)),
              "invalid base-" + std::to_string(base) + " number");
  }
}

// A Roman numeral of any length is read without overflow: past 2147483647 it is
// too large.
TEST(ConvertNumberBase, LongRomanNumeralsStayInRange) {
  const std::string millionM(1000000, 'M');
  EXPECT_EQ(ReadRomanNumeral(millionM), 1000000000);
  EXPECT_EQ(ConvertNumberBase(millionM, kRomanNumeralCode, 3).Text, "1000000000");
  EXPECT_EQ(EnglishText(ConvertNumberBase(millionM, kRomanNumeralCode, kRomanNumeralCode)),
            "result too large");
  const std::string tooMany(2147484, 'M');  // 2147484000
  EXPECT_EQ(ReadRomanNumeral(tooMany), -1);
  EXPECT_EQ(EnglishText(ConvertNumberBase(tooMany, kRomanNumeralCode, 3)), "result too large");
  std::string largest(2147483, 'M');
  largest += "DCXLVII";
  EXPECT_EQ(ConvertNumberBase(largest, kRomanNumeralCode, 4).Text, "7FFFFFFF");
  EXPECT_EQ(EnglishText(ConvertNumberBase(largest + "I", kRomanNumeralCode, 3)),
            "result too large");
}

// The reading is safe on any text: a character that is no Roman letter counts as 0.
TEST(ConvertNumberBase, ReadingSkipsWhatIsNoRomanLetter) {
  EXPECT_EQ(ReadRomanNumeral("MXQ"), 1010);
  EXPECT_EQ(ReadRomanNumeral("??"), 0);
  EXPECT_EQ(ReadRomanNumeral(std::string(5, '\xFF')), 0);
}

TEST(ConvertNumberBase, RomanWritingRoundTrips) {
  for (int value = 1; value <= 4000; ++value) {
    const std::string roman = WriteRomanNumeral(value);
    ASSERT_EQ(ReadRomanNumeral(roman), value) << roman;
  }
  EXPECT_EQ(WriteRomanNumeral(3999), "MMMCMXCIX");
  EXPECT_EQ(WriteRomanNumeral(444), "CDXLIV");
}

}  // namespace
}  // namespace quantivo::engine
