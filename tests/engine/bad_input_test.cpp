// Input no one means to type: every byte at every place of a short number, texts of a
// megabyte, exponents of thousands of digits, long runs of leading zeros and Roman
// numerals of a million letters. Each must give its message or a result.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "engine/format_result.h"
#include "support/convert_by_name.h"

namespace quantivo::engine {
namespace {

using catalogue::UnitCatalogue;
using test::ConvertByName;

constexpr std::string_view kNumber = "12.5E3";
constexpr std::size_t kMegabyte = std::size_t{1} << 20;
constexpr const char* kResultTooLarge = "result too large";

std::string InvalidNumberText(std::size_t position) {
  return "invalid number [" + std::to_string(position) + "]";
}

// The three readers of decimal input.
struct Reader {
  const char* category;
  const char* from;
  const char* to;
};
constexpr Reader kLength{"Length", "meter", "meter"};
constexpr Reader kTemperature{"Temperature", "Celsius", "Fahrenheit"};
constexpr Reader kFractions{"Fractions", "", "mixed number"};
constexpr Reader kReaders[] = {kLength, kTemperature, kFractions};

class BadInput : public testing::Test {
 protected:
  std::string Convert(const Reader& reader, std::string_view text) const {
    return ConvertByName(m_catalogue, reader.category, text, reader.from, reader.to);
  }
  // What meter to meter shows for a text the C library reads as the same number.
  static std::string ShownByLibrary(const std::string& text) {
    return FormatResult(std::strtold(text.c_str(), nullptr), ResultFormat{}, NumberLocale{});
  }

  UnitCatalogue m_catalogue;
};

bool FitsANumber(char c) {
  return std::string_view("0123456789 +-.Ee").find(c) != std::string_view::npos;
}

// The number read up to the stray byte is a start of a valid one, so the stray byte
// itself is where reading fails, whether it is added or replaces a character.
TEST_F(BadInput, StrayByteIsReportedWhereItStands) {
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    if (FitsANumber(c)) continue;
    for (std::size_t i = 0; i <= kNumber.size(); ++i) {
      std::string inserted(kNumber);
      inserted.insert(i, 1, c);
      std::string replaced(kNumber);
      if (i < kNumber.size()) replaced[i] = c;
      const std::string expected = InvalidNumberText(static_cast<int>(i) + 1);
      for (const Reader& reader : kReaders) {
        SCOPED_TRACE(testing::Message() << reader.category << ", byte " << byte << " at " << i);
        EXPECT_EQ(Convert(reader, inserted), expected);
        if (i < kNumber.size()) {
          EXPECT_EQ(Convert(reader, replaced), expected);
        }
      }
    }
  }
}

TEST_F(BadInput, DigitAnywhereKeepsANumber) {
  for (char digit = '0'; digit <= '9'; ++digit) {
    for (std::size_t i = 0; i <= kNumber.size(); ++i) {
      std::string text(kNumber);
      text.insert(i, 1, digit);
      SCOPED_TRACE(text);
      EXPECT_EQ(Convert(kLength, text), ShownByLibrary(text));
      for (const Reader& reader : {kTemperature, kFractions}) {
        const std::string out = Convert(reader, text);
        EXPECT_FALSE(out.empty());
        EXPECT_FALSE(out.starts_with("invalid")) << out;
      }
    }
  }
}

// Blanks, signs, points and exponent letters fit only in some places; the position is
// of the first character that cannot continue the number (0: the text is a number).
TEST_F(BadInput, PunctuationInsertedAtEveryPlace) {
  struct Case {
    char c;
    int errorAt[7];  // inserted before character 0, 1, ..., 6 of "12.5E3"
  };
  constexpr Case kCases[] = {
      {' ', {0, 2, 3, 4, 5, 6, 7}},
      {'+', {0, 2, 3, 4, 5, 0, 7}},
      {'-', {0, 2, 3, 4, 5, 0, 7}},
      // A second point is refused where it comes second; a last one is completed.
      {'.', {4, 4, 4, 4, 5, 6, 7}},
      // Before the point, the digits after the letter are its exponent and the point
      // fails; after the point, the letter itself or the original one fails.
      {'E', {4, 4, 4, 6, 6, 6, 7}},
      {'e', {4, 4, 4, 6, 6, 6, 7}},
  };
  for (const Case& c : kCases) {
    for (std::size_t i = 0; i <= kNumber.size(); ++i) {
      std::string text(kNumber);
      text.insert(i, 1, c.c);
      SCOPED_TRACE(text);
      if (c.errorAt[i] == 0) {
        EXPECT_EQ(Convert(kLength, text), ShownByLibrary(text));
        continue;
      }
      for (const Reader& reader : kReaders) {
        EXPECT_EQ(Convert(reader, text), InvalidNumberText(c.errorAt[i])) << reader.category;
      }
    }
  }
}

struct LongCase {
  const char* name;
  std::string text;
  const char* length;       // meter to meter
  const char* temperature;  // Celsius to Fahrenheit
  const char* fraction;     // as a mixed number
};

class BadInputLong : public BadInput {
 protected:
  void Check(const LongCase& c) const {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Convert(kLength, c.text), c.length);
    EXPECT_EQ(Convert(kTemperature, c.text), c.temperature);
    EXPECT_EQ(Convert(kFractions, c.text), c.fraction);
  }
};

TEST_F(BadInputLong, MegabyteTexts) {
  const std::string blanks(kMegabyte, ' ');
  // Reading fails just past the megabyte, or one further after a sign.
  const std::string past = InvalidNumberText(kMegabyte + 1);
  const std::string pastSign = InvalidNumberText(kMegabyte + 2);
  const LongCase kCases[] = {
      {"ones", std::string(kMegabyte, '1'), kResultTooLarge, kResultTooLarge, kResultTooLarge},
      {"zeros", std::string(kMegabyte, '0'), "0", "32", "0"},
      {"zeros after the point", "0." + std::string(kMegabyte, '0') + "1", "0", "32", "0"},
      {"leading zeros", std::string(kMegabyte, '0') + "2.5", "2.5", "36.5", "2 and 1/2"},
      {"blanks", blanks, past.c_str(), past.c_str(), past.c_str()},
      {"blanks, then a number", blanks + "5", "5", "41", "5"},
      {"blanks, then a sign", blanks + "-", pastSign.c_str(), pastSign.c_str(), pastSign.c_str()},
      {"digits, then a letter", std::string(kMegabyte, '7') + "x", past.c_str(), past.c_str(),
       past.c_str()},
      {"a number, then letters", "5" + std::string(kMegabyte, 'x'), "invalid number [2]",
       "invalid number [2]", "invalid number [2]"},
      {"bytes above 127", std::string(kMegabyte, '\xFF'), "invalid number [1]",
       "invalid number [1]", "invalid number [1]"},
      {"NUL bytes", std::string(kMegabyte, '\0'), "invalid number [1]", "invalid number [1]",
       "invalid number [1]"},
      {"points", std::string(kMegabyte, '.'), "invalid number [2]", "invalid number [2]",
       "invalid number [2]"},
      {"minus signs", std::string(kMegabyte, '-'), "invalid number [2]", "invalid number [2]",
       "invalid number [2]"},
      {"exponent letters", std::string(kMegabyte, 'E'), "invalid number [2]", "invalid number [2]",
       "invalid number [2]"},
  };
  for (const LongCase& c : kCases) Check(c);
}

TEST_F(BadInputLong, ExponentsOfFiveThousandDigits) {
  const std::string zeros(4999, '0');
  const std::string nines(5000, '9');
  const LongCase kCases[] = {
      {"ten", "1E" + zeros + "1", "10", "50", "10"},
      {"one, with a plus", "1E+" + zeros + "0", "1", "33.8", "1"},
      {"a quarter", "2.5E-" + zeros + "1", "0.25", "32.45", "0 and 1/4"},
      {"largest", "-1E" + zeros.substr(4) + "4932", "-1E4932", kResultTooLarge, kResultTooLarge},
      {"too large", "1E" + nines, kResultTooLarge, kResultTooLarge, kResultTooLarge},
      {"too small", "1E-" + nines, "0", "32", "0"},
      {"a point after", "1E" + nines + ".", "invalid number [5003]", "invalid number [5003]",
       "invalid number [5003]"},
      {"a letter inside", "1E" + zeros.substr(2500) + "x" + nines, "invalid number [2502]",
       "invalid number [2502]", "invalid number [2502]"},
      {"a second exponent", "1E" + nines + "E" + nines, "invalid number [5003]",
       "invalid number [5003]", "invalid number [5003]"},
  };
  for (const LongCase& c : kCases) Check(c);
}

// The length guard of bases 2, 8, 10 and 16 counts leading zeros: 21 characters fit in
// 32 binary digits but not in 11 octal, 10 decimal or 8 hexadecimal ones, whether the
// base is chosen by name or as base-N. The other bases take any number of zeros.
TEST_F(BadInput, TwentyLeadingZerosInEveryNumberSystem) {
  const std::string text = std::string(20, '0') + "1";
  const std::map<std::string_view, std::string_view> kExceptions = {
      {"octal", kResultTooLarge},
      {"decimal", kResultTooLarge},
      {"hexadecimal", kResultTooLarge},
      {"base-8", kResultTooLarge},
      {"base-10", kResultTooLarge},
      {"base-16", kResultTooLarge},
      {"Roman numeral", "invalid Roman numeral"},
  };
  int checked = 0;
  for (const std::string_view from : m_catalogue.UnitNames(m_catalogue.FindCategory("Numbers"))) {
    SCOPED_TRACE(from);
    const auto exception = kExceptions.find(from);
    EXPECT_EQ(ConvertByName(m_catalogue, "Numbers", text, from, "decimal"),
              exception == kExceptions.end() ? "1" : exception->second);
    ++checked;
  }
  EXPECT_EQ(checked, 40);
}

// Results never carry leading zeros, whatever the input had.
TEST_F(BadInput, ResultsDropLeadingZeros) {
  const std::string one = std::string(20, '0') + "1";
  const std::string zero(20, '0');
  for (const std::string_view to : m_catalogue.UnitNames(m_catalogue.FindCategory("Numbers"))) {
    SCOPED_TRACE(to);
    const bool roman = to == "Roman numeral";
    EXPECT_EQ(ConvertByName(m_catalogue, "Numbers", one, "binary", to), roman ? "I" : "1");
    EXPECT_EQ(ConvertByName(m_catalogue, "Numbers", zero, "base-36", to), roman ? "" : "0");
  }
}

TEST_F(BadInput, RomanNumeralsOfMillionsOfLetters) {
  const std::string millionM(1000000, 'M');
  const std::string largest = std::string(2147483, 'M') + "DCXLVII";  // 2147483647
  struct Case {
    const char* name;
    std::string text;
    const char* to;
    const char* out;
  };
  const Case kCases[] = {
      {"a million M", millionM, "decimal", "1000000000"},
      {"a million M", millionM, "hexadecimal", "3B9ACA00"},
      {"a million M", millionM, "binary", "111011100110101100101000000000"},
      {"a million M", millionM, "base-36", "GJDGXS"},
      {"a million M", millionM, "Roman numeral", kResultTooLarge},
      {"a million M and IV", millionM + "IV", "decimal", "1000000004"},
      {"three million M", std::string(3000000, 'M'), "decimal", kResultTooLarge},
      {"the largest value", largest, "decimal", "2147483647"},
      {"one more", std::string(2147483, 'M') + "DCXLVIII", "decimal", kResultTooLarge},
      {"lower case", std::string(1000000, 'm'), "decimal", "invalid Roman numeral"},
      {"a digit at the end", millionM + "1", "decimal", "invalid Roman numeral"},
      {"a blank at the start", " " + millionM, "decimal", "invalid Roman numeral"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.name << " to " << c.to);
    EXPECT_EQ(ConvertByName(m_catalogue, "Numbers", c.text, "Roman numeral", c.to), c.out);
  }
}

}  // namespace
}  // namespace quantivo::engine
