#include "engine/input_text.h"

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
  if (c >= '0' && c <= '9') return true;
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

}  // namespace

std::string BoxTextFromInput(std::string_view input, std::string_view decimal) {
  return ReplacedText(input, ".", decimal);
}

std::string InputFromBoxText(std::string_view box, std::string_view decimal) {
  return ReplacedText(box, decimal, ".");
}

std::optional<std::string> LocaleNumberAsInput(std::string_view text, const NumberLocale& locale) {
  std::string input;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    input.push_back(text.front());
    text.remove_prefix(1);
  }
  // The whole part: one to three digits and then groups of three after each
  // separator, or digits without any separator.
  const std::size_t first = TakeDigits(text, input);
  if (first == 0) return std::nullopt;
  const std::string_view thousands = locale.Thousands;
  if (!thousands.empty() && text.starts_with(thousands)) {
    if (first > 3) return std::nullopt;
    while (!thousands.empty() && text.starts_with(thousands)) {
      text.remove_prefix(thousands.size());
      if (TakeDigits(text, input) != 3) return std::nullopt;
    }
  }
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
