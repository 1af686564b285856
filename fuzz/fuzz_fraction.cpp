// Writes arbitrary text as a fraction, both ways, and checks that every fraction
// shown is exactly the number read, in lowest terms, and that the two ways agree.
//
// Input: the output code (-1 to 2), then the text.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>

#include "engine/convert_fraction.h"
#include "engine/parse_number.h"
#include "fuzz_check.h"

namespace {

using quantivo::Extended;
using quantivo::fuzz::Check;
using quantivo::fuzz::Printable;

constexpr std::string_view kResultTooLarge = "result too large";
constexpr std::string_view kDecimalTooPrecise = "decimal too precise";

std::string InvalidNumberText(int position) {
  return "invalid number [" + std::to_string(position) + "]";
}

// The output box text, a message in English.
std::string FractionText(std::string_view text, int code) {
  return quantivo::engine::EnglishText(quantivo::engine::ConvertFraction(text, code));
}

std::optional<std::int64_t> ReadInteger(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct Fraction {
  std::int64_t Numerator;
  std::int64_t Denominator;
};

std::optional<Fraction> ReadFraction(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const auto h = ReadInteger(text.substr(0, slash));
  const auto k = ReadInteger(text.substr(slash + 1));
  if (!h || !k) return std::nullopt;
  return Fraction{*h, *k};
}

bool FitsInt32(std::int64_t n) {
  return n >= INT32_MIN && n <= INT32_MAX;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int code = data[0] % 4 - 1;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string out = FractionText(text, code);
  if (text.empty() || code < 0) {
    Check(out.empty(), "no text or no output unit gives no output", Printable(out));
    return 0;
  }

  const quantivo::engine::ParsedNumber parsed = quantivo::engine::ParseInputText(text);
  if (parsed.ErrorPos > 0) {
    Check(out == InvalidNumberText(parsed.ErrorPos),
          "a text that is no number gives its error position", Printable(out));
    return 0;
  }
  const Extended x = parsed.Value;
  // Whole parts are 32-bit: from -2147483648.99... to 2147483647.99...
  const bool inRange = x > -2147483649.0L && x < 2147483648.0L;
  Check((out == kResultTooLarge) == !inRange,
        "too large exactly when the whole part leaves 32 bits", Printable(out));
  if (!inRange) return 0;

  if (x == std::trunc(x)) {
    const auto whole = ReadInteger(out);
    Check(whole && static_cast<Extended>(*whole) == x, "a whole number stays as it is",
          Printable(out));
    Check(out != "-0", "zero has no sign");
    return 0;
  }
  if (out == kDecimalTooPrecise) {
    Check(FractionText(text, 3 - code) == out, "both ways find the same fraction or none");
    return 0;
  }

  // The improper fraction, whichever way was asked for.
  const std::string improper =
      code == static_cast<int>(quantivo::engine::FractionCode::MixedNumber)
          ? FractionText(text, static_cast<int>(quantivo::engine::FractionCode::ImproperFraction))
          : out;
  const std::optional<Fraction> fraction = ReadFraction(improper);
  Check(fraction.has_value(), "a fraction reads h/k", Printable(improper));
  const auto [h, k] = *fraction;
  Check(FitsInt32(h) && FitsInt32(k) && (k > 1 || k < -1), "terms are 32-bit, k is no unit",
        Printable(improper));
  Check(static_cast<Extended>(h) / static_cast<Extended>(k) == x, "h/k is exactly the number",
        Printable(improper));
  Check(std::gcd(h, k) == 1, "the fraction is in lowest terms", Printable(improper));

  const std::string mixed =
      code == static_cast<int>(quantivo::engine::FractionCode::MixedNumber)
          ? out
          : FractionText(text, static_cast<int>(quantivo::engine::FractionCode::MixedNumber));
  const std::size_t separator = mixed.find(" and ");
  Check(separator != std::string::npos, "a mixed number reads \"w and r/d\"", Printable(mixed));
  const std::string_view wholeText = std::string_view(mixed).substr(0, separator);
  const auto whole = ReadInteger(wholeText);
  const std::optional<Fraction> rest = ReadFraction(std::string_view(mixed).substr(separator + 5));
  Check(whole && rest, "a mixed number reads \"w and r/d\"", Printable(mixed));
  const std::int64_t magnitudeH = h < 0 ? -h : h;
  const std::int64_t magnitudeK = k < 0 ? -k : k;
  Check(rest->Denominator == magnitudeK && rest->Numerator == magnitudeH % magnitudeK,
        "the mixed number's rest is the fraction's", Printable(mixed));
  Check((*whole < 0 ? -*whole : *whole) == magnitudeH / magnitudeK,
        "the mixed number's whole part is the fraction's", Printable(mixed));
  Check(wholeText.starts_with('-') == (x < 0), "the mixed number carries the sign",
        Printable(mixed));
  return 0;
}
