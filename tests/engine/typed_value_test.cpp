#include "engine/typed_value.h"

#include <gtest/gtest.h>

#include "engine/convert_number_base.h"

namespace quantivo::engine {
namespace {

// A value as typed at a shell: the number a fraction stands for, or the text the
// input box would hold.
TEST(TypedValue, FractionsAndNumbersAsTheLocaleWritesThem) {
  const NumberLocale kGerman{",", "."};
  const struct {
    const char* text;
    const NumberLocale* locale;
    const char* inputText;    // when read as a number's text
    long double number = -1;  // when a fraction
  } kCases[] = {
      {"3/4", nullptr, "3/4", 0.75L}, {" -1 1/2 ", nullptr, "-1 1/2", -1.5L},
      {"1/0", nullptr, "1/0"},  // no number: fails at its "/"
      {"1 /2", nullptr, "1 /2"},      {"1.5e3", nullptr, "1.5E3"},
      {"1,234.5", nullptr, "1234.5"},  // both separators: as the locale writes it
      {"1,5", nullptr, "1,5"},         // the comma alone is no decimal point here
      {"1,5", &kGerman, "1.5"},       {"1.234,5", &kGerman, "1234.5"},
      {"1.5", &kGerman, "1.5"},  // a point alone stays the point
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    const NumberLocale locale = c.locale ? *c.locale : NumberLocale{};
    const std::optional<Extended> fraction = TypedFraction(c.text);
    EXPECT_EQ(fraction.has_value(), c.number != -1);
    if (fraction) {
      EXPECT_EQ(*fraction, c.number);
    } else {
      EXPECT_EQ(TypedNumberText(c.text, locale), c.inputText);
    }
  }
}

TEST(WithoutBasePrefix, OnlyThePrefixOfTheInputUnitsBase) {
  const struct {
    const char* text;
    int code;
    const char* digits;
  } kCases[] = {
      {"0xff", 4, "ff"}, {"0XFF", 20, "FF"}, {"0b101", 1, "101"},
      {"0o17", 2, "17"}, {"0B1", 4, "0B1"},  // hexadecimal digits
      {"0x1", 3, "0x1"}, {"0x", 4, "0x"},    {"0b1", 5, "0b1"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(WithoutBasePrefix(c.text, c.code), c.digits);
  }
}

}  // namespace
}  // namespace quantivo::engine
