#include "engine/typed_value.h"

#include <algorithm>

#include "engine/input_text.h"

namespace quantivo::engine {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The whole number at the start of `text`, taken off it; nothing without digits.
std::optional<Extended> TakeWhole(std::string_view& text) {
  if (text.empty() || !IsDigit(text.front())) return std::nullopt;
  Extended value = 0;
  while (!text.empty() && IsDigit(text.front())) {
    value = value * 10 + (text.front() - '0');
    text.remove_prefix(1);
  }
  return value;
}

// "3/4", "1 1/2": the value, unsigned; nothing for any other text.
std::optional<Extended> FractionValue(std::string_view text) {
  std::optional<Extended> whole = TakeWhole(text);
  if (!whole) return std::nullopt;
  std::optional<Extended> numerator;
  if (!text.empty() && text.front() == ' ') {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    numerator = TakeWhole(text);
    if (!numerator) return std::nullopt;
  } else {
    numerator = whole;
    whole = 0;
  }
  if (text.empty() || text.front() != '/') return std::nullopt;
  text.remove_prefix(1);
  // Over 0 is no number: the text is read as it stands and fails at its "/".
  const std::optional<Extended> denominator = TakeWhole(text);
  if (!denominator || *denominator == 0 || !text.empty()) return std::nullopt;
  return *whole + *numerator / *denominator;
}

}  // namespace

std::string_view WithoutBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsFractionText(std::string_view text) {
  const std::size_t slash = text.find('/');
  const auto digits = [](std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), IsDigit);
  };
  return slash != std::string_view::npos && digits(text.substr(0, slash)) &&
         digits(text.substr(slash + 1));
}

bool LooksLikeNumber(std::string_view text) {
  text = WithoutBlanks(text);
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (!text.empty() && (text.front() == '.' || text.front() == ',')) text.remove_prefix(1);
  return !text.empty() && IsDigit(text.front());
}

std::optional<Extended> TypedFraction(std::string_view text) {
  text = WithoutBlanks(text);
  if (text.find('/') == std::string_view::npos) return std::nullopt;
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  const std::optional<Extended> value = FractionValue(text);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

std::string TypedNumberText(std::string_view text, const NumberLocale& locale) {
  text = WithoutBlanks(text);
  // Most values are plain numbers with the point: one pass over the characters says
  // so and puts the letters in upper case as the input box holds them.
  if (locale.Decimal == ".") {
    const char thousands = locale.Thousands.empty() ? ',' : locale.Thousands.front();
    std::string upper(text);
    bool plain = true;
    for (char& c : upper) {
      if (c >= 'a' && c <= 'z') {
        c = static_cast<char>(c - 'a' + 'A');
      } else if (c == ',' || c == thousands || static_cast<unsigned char>(c) >= 0x80) {
        plain = false;
        break;
      }
    }
    if (plain) return upper;
  }
  const bool hasDecimal = text.find(locale.Decimal) != std::string_view::npos;
  const bool hasThousands =
      !locale.Thousands.empty() && text.find(locale.Thousands) != std::string_view::npos;
  if (hasDecimal && (locale.Decimal != "." || hasThousands)) {
    if (std::optional<std::string> input = LocaleNumberAsInput(text, locale)) {
      return std::move(*input);
    }
  }
  return InputBoxText(text);
}

ParsedNumber ReadTypedNumber(std::string_view text, const NumberLocale& locale) {
  if (const std::optional<Extended> fraction = TypedFraction(text)) return {*fraction, 0};
  return ParseInputText(TypedNumberText(text, locale));
}

}  // namespace quantivo::engine
