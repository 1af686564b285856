#include "engine/convert_number_base.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <optional>

namespace quantivo::engine {
namespace {

constexpr std::string_view kRomanLetters = "IVXLCDM";
constexpr int kRomanValues[] = {1, 5, 10, 50, 100, 500, 1000};

// The number systems known by a name of their own, by their codes in the Numbers
// table: the base, the message for text that is no number in it, and the letter of
// its prefix ("0x").
struct NamedSystem {
  int Code;
  int Base;
  MessageCode Invalid;
  char Prefix;
};
constexpr NamedSystem kNamedSystems[] = {{1, 2, MessageCode::InvalidBinaryNumber, 'b'},
                                         {2, 8, MessageCode::InvalidOctalNumber, 'o'},
                                         {3, 10, MessageCode::InvalidDecimalNumber, '\0'},
                                         {4, 16, MessageCode::InvalidHexadecimalNumber, 'x'}};
// After Roman numerals come base-2 to base-36: the code is the base + 4.
constexpr int kBaseCodeOffset = 4;
constexpr int kLastCode = 36 + kBaseCodeOffset;
constexpr int kLargestRomanOutput = 999999;
constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

const NamedSystem* NamedSystemOf(int code) {
  const auto named = std::ranges::find(kNamedSystems, code, &NamedSystem::Code);
  return named != std::end(kNamedSystems) ? named : nullptr;
}

}  // namespace

int NumberBaseOf(int code) {
  const NamedSystem* named = NamedSystemOf(code);
  return named != nullptr ? named->Base : code - kBaseCodeOffset;
}

namespace {

Message InvalidNumberSystem(int code) {
  if (code == kRomanNumeralCode) return {MessageCode::InvalidRomanNumeral};
  const NamedSystem* named = NamedSystemOf(code);
  if (named != nullptr) return {named->Invalid};
  return {MessageCode::InvalidBaseNumber, NumberBaseOf(code)};
}

// The value of a digit in any base up to 36, or 36 for a character that is none.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return 36;
}

// 0 for a character that is no Roman letter, so that no text reads out of bounds.
int RomanValue(char c) {
  const std::size_t i = kRomanLetters.find(c);
  return i == std::string_view::npos ? 0 : kRomanValues[i];
}

bool IsValid(std::string_view text, int code) {
  if (code == kRomanNumeralCode) {
    return text.find_first_not_of(kRomanLetters) == std::string_view::npos;
  }
  const int base = NumberBaseOf(code);
  return std::ranges::all_of(text, [base](char c) { return DigitValue(c) < base; });
}

// The longest input of the four named bases; the guard counts leading zeros too.
std::size_t LengthLimit(int base) {
  switch (base) {
    case 2:
      return 32;
    case 8:
      return 11;
    case 10:
      return 10;
    case 16:
      return 8;
    default:
      return std::string_view::npos;
  }
}

// The value of a validated digit text, or nothing beyond 2147483647.
std::optional<int> ReadDigits(std::string_view text, int base) {
  if (text.size() > LengthLimit(base)) return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    value = value * base + DigitValue(c);
    // Digits only ever raise the value, so it can stop at the first excess.
    if (value > INT_MAX) return std::nullopt;
  }
  return static_cast<int>(value);
}

std::string WriteDigits(int value, int base) {
  std::string digits;
  do {
    digits.push_back(kDigits[value % base]);
    value /= base;
  } while (value > 0);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace

long long ReadRomanNumeral(std::string_view text) {
  long long value = 0;
  std::size_t p = text.size();
  while (p > 1) {
    const int last = RomanValue(text[p - 1]);
    const int previous = RomanValue(text[p - 2]);
    if (last > previous) {
      value += last - previous;
      p -= 2;
    } else {
      value += last;
      p -= 1;
    }
    // Every step adds, so a long numeral stops as soon as it is too large.
    if (value > INT_MAX) return -1;
  }
  if (p == 1) value += RomanValue(text[0]);
  return value > INT_MAX ? -1 : value;
}

std::string WriteRomanNumeral(int value) {
  constexpr struct {
    int Value;
    const char* Symbol;
  } kSymbols[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                  {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                  {5, "V"},    {4, "IV"},   {1, "I"}};
  std::string roman;
  for (const auto& symbol : kSymbols) {
    for (; value >= symbol.Value; value -= symbol.Value) roman += symbol.Symbol;
  }
  return roman;
}

std::string_view WithoutBasePrefix(std::string_view text, int inputCode) {
  if (inputCode == kRomanNumeralCode || text.size() < 3 || text[0] != '0') return text;
  const char letter = static_cast<char>(text[1] | 0x20);  // ASCII lower case
  const auto named = std::ranges::find(kNamedSystems, letter, &NamedSystem::Prefix);
  return named != std::end(kNamedSystems) && named->Base == NumberBaseOf(inputCode) ? text.substr(2)
                                                                                    : text;
}

ConversionResult ConvertNumberBase(std::string_view text, int inputCode, int outputCode) {
  if (text.empty() || inputCode < 0 || outputCode < 0) return {};
  // Codes come from the Numbers table; anything else names no number system.
  if (inputCode < 1 || inputCode > kLastCode || outputCode < 1 || outputCode > kLastCode) return {};
  if (!IsValid(text, inputCode)) return InvalidNumberSystem(inputCode);

  std::optional<int> value;
  if (inputCode == kRomanNumeralCode) {
    const long long roman = ReadRomanNumeral(text);
    if (roman >= 0) value = static_cast<int>(roman);
  } else {
    value = ReadDigits(text, NumberBaseOf(inputCode));
  }
  if (!value) return Message{MessageCode::ResultTooLarge};

  if (outputCode == kRomanNumeralCode) {
    if (*value > kLargestRomanOutput) return Message{MessageCode::ResultTooLarge};
    return WriteRomanNumeral(*value);
  }
  return WriteDigits(*value, NumberBaseOf(outputCode));
}

}  // namespace quantivo::engine
