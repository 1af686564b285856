#include "engine/input_text.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

#include "engine/digit_scripts.h"

namespace quantivo::engine {

std::string InputBoxText(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool InputCharacterPasses(catalogue::ConversionKind kind, char32_t c, char32_t decimal) {
  if ((c >= 1 && c <= 31) || c == 127) return true;
  if (DigitZero(c) != 0) return true;
  if (kind == catalogue::ConversionKind::NumberBase) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  }
  return c == '+' || c == '-' || c == decimal || c == 'E' || c == 'e';
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Takes the digits at the start of `text` into `out`; how many there were.
std::size_t TakeDigits(std::string_view& text, std::string& out) {
  std::size_t count = 0;
  while (!text.empty() && IsDigit(text.front())) {
    out.push_back(text.front());
    text.remove_prefix(1);
    ++count;
  }
  return count;
}

// `text` with the digits of another script written as ASCII ones; nothing where it
// mixes the digits of two scripts.
std::optional<std::string> DigitsOfOneScript(std::string_view text) {
  char32_t script = 0;  // the zero of the digits met so far; 0 before any
  for (std::string_view rest = text; !rest.empty();) {
    const auto [c, length] = FirstCodePoint(rest);
    if (const char32_t zero = DigitZero(c); zero != 0) {
      if (script != 0 && script != zero) return std::nullopt;
      script = zero;
    }
    rest.remove_prefix(length);
  }
  return WithAsciiDigits(text);
}

// What may group digits where the locale groups them with `thousands`: that, and what
// people and other programs write in its place, any kind of space for a space and
// either apostrophe for an apostrophe.
std::vector<std::string_view> GroupSeparators(std::string_view thousands) {
  static constexpr std::string_view kSpaces[] = {" ", "\u00A0", "\u202F", "\u2009"};
  static constexpr std::string_view kApostrophes[] = {"'", "\u2019"};
  const std::span<const std::string_view> families[] = {kSpaces, kApostrophes};
  for (const std::span<const std::string_view> family : families) {
    if (std::ranges::find(family, thousands) != family.end()) return {family.begin(), family.end()};
  }
  if (thousands.empty()) return {};
  return {thousands};
}

// Whether groups of digits after a first one are a number's: the last of three, those
// between all of two (as Indian numbers are grouped) or all of three, and the first of
// one up to as many.
bool GroupedAsANumber(std::size_t first, const std::vector<std::size_t>& groups) {
  if (groups.empty()) return true;
  if (groups.back() != 3) return false;
  const std::size_t between = groups.size() > 1 ? groups.front() : 3;
  if (between != 2 && between != 3) return false;
  for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
    if (groups[i] != between) return false;
  }
  return first <= between;
}

}  // namespace

std::string BoxTextFromInput(std::string_view input, const NumberLocale& locale,
                             bool decimalNumber) {
  const std::string text = ReplacedText(input, ".", locale.Decimal);
  return decimalNumber ? WithScriptDigits(text, locale.Zero) : text;
}

std::string InputFromBoxText(std::string_view box, const NumberLocale& locale) {
  return WithAsciiDigits(ReplacedText(box, locale.Decimal, "."));
}

std::optional<std::string> LocaleNumberAsInput(std::string_view pasted,
                                               const NumberLocale& locale) {
  const std::optional<std::string> ascii = DigitsOfOneScript(pasted);
  if (!ascii) return std::nullopt;
  std::string_view text = *ascii;
  std::string input;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    input.push_back(text.front());
    text.remove_prefix(1);
  }
  // The whole part: digits, grouped by one separator throughout or not at all.
  const std::size_t first = TakeDigits(text, input);
  if (first == 0) return std::nullopt;
  const std::vector<std::string_view> separators = GroupSeparators(locale.Thousands);
  std::vector<std::size_t> groups;
  std::string_view used;
  for (;;) {
    const auto separator = std::ranges::find_if(
        separators, [text](std::string_view s) { return text.starts_with(s); });
    if (separator == separators.end()) break;
    if (!used.empty() && *separator != used) return std::nullopt;
    used = *separator;
    text.remove_prefix(used.size());
    groups.push_back(TakeDigits(text, input));
  }
  if (!GroupedAsANumber(first, groups)) return std::nullopt;
  if (!locale.Decimal.empty() && text.starts_with(locale.Decimal)) {
    text.remove_prefix(locale.Decimal.size());
    input.push_back('.');
    if (TakeDigits(text, input) == 0) return std::nullopt;
  }
  if (!text.empty() && (text.front() == 'E' || text.front() == 'e')) {
    input.push_back('E');
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
      input.push_back(text.front());
      text.remove_prefix(1);
    }
    if (TakeDigits(text, input) == 0) return std::nullopt;
  }
  if (!text.empty()) return std::nullopt;
  return input;
}

}  // namespace quantivo::engine
