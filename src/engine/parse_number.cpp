#include "engine/parse_number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/power_of_ten.h"

namespace quantivo::engine {
namespace {

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Positions and scales are counted in 64 bits and held well below their limit, so
// texts of any length (a million digits, an exponent of five thousand digits) can
// neither wrap an integer nor take long.
constexpr std::int64_t kScaleCap = std::int64_t{1} << 40;

int ErrorAt(std::size_t position) {
  return position >= static_cast<std::size_t>(std::numeric_limits<int>::max())
             ? std::numeric_limits<int>::max()
             : static_cast<int>(position);
}

// Reads the exponent from text[i] on, `i` at its "E": an optional sign and digits.
// Returns the error position, or 0 with `i` after the last digit.
int ReadExponent(std::string_view text, std::size_t& i, std::int64_t& exponent) {
  const std::size_t length = text.size();
  ++i;
  bool exponentNegative = false;
  if (i < length && (text[i] == '+' || text[i] == '-')) {
    exponentNegative = text[i] == '-';
    ++i;
  }
  if (i == length) return ErrorAt(length + 1);
  if (!IsDigit(text[i])) return ErrorAt(i + 1);
  while (i < length && IsDigit(text[i])) {
    if (exponent < kScaleCap) exponent = exponent * 10 + (text[i] - '0');
    ++i;
  }
  if (exponentNegative) exponent = -exponent;
  return 0;
}

// The significand times 10^scale. A significand of so many digits that it left the
// extended range stays infinite.
Extended Scaled(const Extended& m, std::int64_t scale) {
  if (scale >= kPowerOfTenLimit) return std::numeric_limits<Extended>::infinity();
  if (scale <= -kPowerOfTenLimit) return std::isfinite(m) ? 0 : m;
  if (scale == 0) return m;
  return ScaleByPowerOfTen(m, static_cast<int>(scale < 0 ? -scale : scale), scale < 0);
}

}  // namespace

ParsedNumber ParseNumber(std::string_view text) {
  const std::size_t length = text.size();
  if (length == 0) return {0, 1};
  std::size_t i = 0;
  while (i < length && text[i] == ' ') ++i;

  bool negative = false;
  if (i < length && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // A text of blanks, or blanks and a sign, ends before the number began.
  if (i == length) return {0, ErrorAt(length + 1)};

  // The significand gathers every digit, integer part and fraction alike: each digit
  // is one rounded multiplication by ten and one rounded addition.
  Extended m = 0;
  const auto readDigits = [&] {
    const std::size_t first = i;
    for (; i < length && IsDigit(text[i]); ++i) m = m * 10 + (text[i] - '0');
    return static_cast<std::int64_t>(std::min<std::size_t>(i - first, kScaleCap));
  };
  readDigits();
  std::int64_t fractionDigits = 0;
  if (i < length && text[i] == '.') {
    ++i;
    if (i == length) return {0, ErrorAt(length + 1)};
    fractionDigits = readDigits();
  }

  std::int64_t exponent = 0;
  if (i < length && (text[i] == 'E' || text[i] == 'e')) {
    if (const int error = ReadExponent(text, i, exponent); error > 0) return {0, error};
  }
  if (i < length) return {0, ErrorAt(i + 1)};

  const Extended value = Scaled(m, exponent - fractionDigits);
  return {negative ? -value : value, 0};
}

std::string_view CompleteNumberText(std::string_view text, std::string& storage) {
  if (text.empty()) return text;
  const char last = text.back();
  if (last != 'E' && last != 'e' && last != '.') return text;
  storage.assign(text);
  storage.push_back('0');
  return storage;
}

ParsedNumber ParseInputText(std::string_view text) {
  std::string storage;
  return ParseNumber(CompleteNumberText(text, storage));
}

}  // namespace quantivo::engine
