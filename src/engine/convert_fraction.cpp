#include "engine/convert_fraction.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

#include "engine/parse_number.h"

namespace quantivo::engine {
namespace {

// Numerators, denominators and terms are 32-bit integers.
constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr int kMaxTerms = 51;

bool Fits(std::int64_t n) {
  return n >= kMin && n <= kMax;
}

// The value truncated toward zero, when it is a 32-bit integer.
std::optional<std::int64_t> WholePart(Extended value) {
  const Extended whole = std::trunc(value);
  if (!(whole >= kMin && whole <= kMax)) return std::nullopt;  // NaN fails too
  return static_cast<std::int64_t>(whole);
}

struct Fraction {
  std::int64_t Numerator;
  std::int64_t Denominator;
};

// The first convergent of the continued fraction of x that equals x exactly in
// extended precision, or nothing within 51 terms or the 32-bit range. Each
// difference, quotient and convergent is rounded to extended as it is computed: the
// terms of -0.75 are 0, -1, -2, -1 because 1 / (y - a) rounds to just above -3.
std::optional<Fraction> ExactConvergent(Extended x) {
  Extended y = x;
  std::int64_t h2 = 0, h1 = 1;  // the two previous numerators
  std::int64_t k2 = 1, k1 = 0;  // the two previous denominators
  for (int terms = 1;; ++terms) {
    const std::optional<std::int64_t> a = WholePart(y);
    if (!a) return std::nullopt;
    const std::int64_t h = *a * h1 + h2;
    const std::int64_t k = *a * k1 + k2;
    if (!Fits(h) || !Fits(k) || k == 0) return std::nullopt;
    h2 = h1;
    h1 = h;
    k2 = k1;
    k1 = k;
    const Extended convergent = static_cast<Extended>(h) / static_cast<Extended>(k);
    if (convergent - x == 0) return Fraction{h, k};
    if (terms >= kMaxTerms) return std::nullopt;
    const Extended rest = y - static_cast<Extended>(*a);
    if (rest == 0) return std::nullopt;
    y = 1 / rest;
  }
}

}  // namespace

ConversionResult ConvertFraction(std::string_view text, int outputCode) {
  if (text.empty() || outputCode < 0) return {};
  const ParsedNumber parsed = ParseInputText(text);
  if (parsed.ErrorPos > 0) return Message{MessageCode::InvalidNumber, parsed.ErrorPos};
  return ConvertFractionValue(parsed.Value, outputCode);
}

ConversionResult ConvertFractionValue(const Extended& x, int outputCode) {
  if (outputCode < 0) return {};
  const std::optional<std::int64_t> whole = WholePart(x);
  if (!whole) return Message{MessageCode::ResultTooLarge};
  if (x == static_cast<Extended>(*whole)) return std::to_string(*whole);

  const std::optional<Fraction> fraction = ExactConvergent(x);
  if (!fraction) return Message{MessageCode::DecimalTooPrecise};
  const auto [h, k] = *fraction;
  if (outputCode != static_cast<int>(FractionCode::MixedNumber))
    return std::to_string(h) + "/" + std::to_string(k);

  // The whole part of a value between -1 and 0 is 0; its sign is written all the
  // same, so -0.5 reads "-0 and 1/2" like -1.5 reads "-1 and 1/2".
  const std::int64_t q = h / k;
  const bool negative = (h < 0) != (k < 0);
  const std::string wholeText = q == 0 && negative ? "-0" : std::to_string(q);
  return wholeText + " and " + std::to_string(std::llabs(h - q * k)) + "/" +
         std::to_string(std::llabs(k));
}

}  // namespace quantivo::engine
