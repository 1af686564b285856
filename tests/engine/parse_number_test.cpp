#include "engine/parse_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quantivo::engine {
namespace {

struct ValueCase {
  const char* text;
  Extended value;
};

TEST(ParseNumber, ReadsValidNumbers) {
  constexpr ValueCase kCases[] = {
      {"0", 0},
      {"12.50", 12.5L},
      {"   7", 7},
      {"+3", 3},
      {"-2.5", -2.5L},
      {"1.E5", 100000},
      {"1e3", 1000},
      {"1E+3", 1000},
      {"E5", 0},
      {".E5", 0},
      {".5", 0.5L},
      {"007", 7},
      {"1E-2", 0.01L},
      {"0.1", 0.1L},
      {"2.0", 2},
      {"123456789", 123456789},
      {"1E0000000000000000000000000000000000003", 1000},
  };
  for (const ValueCase& c : kCases) {
    SCOPED_TRACE(c.text);
    const ParsedNumber parsed = ParseNumber(c.text);
    EXPECT_EQ(parsed.ErrorPos, 0);
    EXPECT_EQ(parsed.Value, c.value);
  }
}

TEST(ParseNumber, MinusWithoutDigitsIsNegativeZero) {
  const ParsedNumber parsed = ParseNumber("-E0");
  EXPECT_EQ(parsed.ErrorPos, 0);
  EXPECT_EQ(parsed.Value, 0);
  EXPECT_TRUE(std::signbit(parsed.Value));
}

struct ErrorCase {
  const char* text;
  int errorPos;
};

TEST(ParseNumber, ReportsTheFirstCharacterThatDoesNotFit) {
  constexpr ErrorCase kCases[] = {
      {"", 1},      {" ", 2},    {"   ", 4}, {"-", 2},     {"+", 2},    {" -", 3},   {"1,5", 2},
      {"1..2", 3},  {"1E+", 4},  {"1E-", 4}, {"1.2.3", 4}, {"5 ", 2},   {"1.", 3},   {".", 2},
      {"1E", 3},    {"1Ex", 3},  {"--1", 2}, {"+-1", 2},   {"\t1", 1},  {"x", 1},    {"1-", 2},
      {"1E5.0", 4}, {"1e5e", 4}, {"1.x", 3}, {"1 000", 2}, {"0x10", 2}, {"1E 5", 3}, {"١", 1},
  };
  for (const ErrorCase& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseNumber(c.text).ErrorPos, c.errorPos);
  }
}

TEST(ParseNumber, OnlyDigitsPointAndExponentFitBetweenDigits) {
  for (int byte = 1; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    const std::string text = std::string("1") + c + "2";
    SCOPED_TRACE(byte);
    const bool fits = (c >= '0' && c <= '9') || c == '.' || c == 'E' || c == 'e';
    EXPECT_EQ(ParseNumber(text).ErrorPos, fits ? 0 : 2);
  }
}

TEST(ParseNumber, MagnitudesBeyondTheRangeAreInfinite) {
  constexpr const char* kTooLarge[] = {"1E5000", "-1E5000", "0E5200", "1E4933",
                                       "1E99999999999999999999"};
  for (const char* text : kTooLarge) {
    SCOPED_TRACE(text);
    const ParsedNumber parsed = ParseNumber(text);
    EXPECT_EQ(parsed.ErrorPos, 0);
    EXPECT_TRUE(std::isinf(parsed.Value));
  }
  EXPECT_TRUE(std::isinf(ParseNumber(std::string(5000, '9')).Value));
  EXPECT_TRUE(std::isinf(ParseNumber(std::string(5000, '9') + "E-4000").Value));
}

TEST(ParseNumber, TinyMagnitudesBecomeZeroOrDenormal) {
  EXPECT_EQ(ParseNumber("1E-5200").Value, 0);
  EXPECT_EQ(ParseNumber("1E-99999999999999999999").Value, 0);
  EXPECT_EQ(ParseNumber("0E5000").Value, 0);
  EXPECT_EQ(ParseNumber("0." + std::string(1000000, '0') + "1").Value, 0);
  const Extended denormal = ParseNumber("1E-4940").Value;
  EXPECT_GT(denormal, 0);
  EXPECT_EQ(std::fpclassify(denormal), FP_SUBNORMAL);
}

TEST(ParseNumber, LongExponentsAreReadWhole) {
  EXPECT_EQ(ParseNumber("1E" + std::string(5000, '0') + "1").Value, 10);
  EXPECT_TRUE(std::isinf(ParseNumber("1E" + std::string(5000, '9')).Value));
  EXPECT_EQ(ParseNumber("1E-" + std::string(5000, '9')).Value, 0);
  EXPECT_EQ(ParseNumber(std::string(1000000, ' ') + "x").ErrorPos, 1000001);
}

TEST(CompleteNumberText, AppendsAZeroAfterATrailingExponentOrPoint) {
  constexpr struct {
    const char* in;
    const char* out;
  } kCases[] = {{"1E", "1E0"}, {"1e", "1e0"}, {"2.", "2.0"},  {".", ".0"}, {"E", "E0"},
                {"12", "12"},  {"", ""},      {"1E+", "1E+"}, {"-", "-"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    std::string storage;
    EXPECT_EQ(CompleteNumberText(c.in, storage), c.out);
  }
}

}  // namespace
}  // namespace quantivo::engine
