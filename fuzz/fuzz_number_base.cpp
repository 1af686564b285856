// Rewrites arbitrary text between number systems, codes -1 to 42 (those outside 1 to
// 40 name none), and checks the result against a reading of its own; also round trips
// Roman numerals.
//
// Input: the input code, the output code, then the text. The first three bytes also
// give a value up to 100,000 to write as a Roman numeral (beyond, only more M).

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/convert_number_base.h"
#include "fuzz_check.h"

namespace {

using quantivo::engine::kRomanNumeralCode;
using quantivo::engine::ReadRomanNumeral;
using quantivo::engine::WriteRomanNumeral;
using quantivo::fuzz::Check;
using quantivo::fuzz::Printable;

constexpr int kDecimalCode = 3;

// The output box text, a message in English.
std::string NumberBaseText(std::string_view text, int inputCode, int outputCode) {
  return quantivo::engine::EnglishText(
      quantivo::engine::ConvertNumberBase(text, inputCode, outputCode));
}
constexpr std::string_view kRomanLetters = "IVXLCDM";

int BaseOfCode(int code) {
  constexpr int kNamedBases[] = {2, 8, 10, 16};
  return code <= 4 ? kNamedBases[code - 1] : code - 4;
}

std::string InvalidText(int code) {
  constexpr const char* kNames[] = {"binary", "octal", "decimal", "hexadecimal"};
  if (code == kRomanNumeralCode) return "invalid Roman numeral";
  if (code <= 4) return std::string("invalid ") + kNames[code - 1] + " number";
  return "invalid base-" + std::to_string(code - 4) + " number";
}

int DigitOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return 99;
}

bool IsRomanText(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return kRomanLetters.find(c) != std::string_view::npos; });
}

// The value of a digit text up to 2147483647; nothing when larger. Bases 2, 8, 10 and
// 16, named or not, also refuse texts longer than their largest value's digits, leading
// zeros included.
std::optional<long long> ValueOfDigits(std::string_view text, int code) {
  const int base = BaseOfCode(code);
  const std::size_t longest = base == 2    ? 32
                              : base == 8  ? 11
                              : base == 10 ? 10
                              : base == 16 ? 8
                                           : 0;
  if (longest > 0 && text.size() > longest) return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    value = value * base + DigitOf(c);
    if (value > INT_MAX) return std::nullopt;
  }
  return value;
}

std::string DigitsOf(long long value, int base) {
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[value % base]);
    value /= base;
  } while (value > 0);
  return digits;
}

// A numeral as WriteRomanNumeral should write it: no letter four times in a row but M,
// no V, L or D twice.
bool IsPlainRoman(std::string_view roman) {
  for (std::size_t i = 0; i < roman.size(); ++i) {
    const char c = roman[i];
    if (c == 'M') continue;
    if ((c == 'V' || c == 'L' || c == 'D') && roman.find(c, i + 1) != std::string_view::npos) {
      return false;
    }
    if (i + 3 < roman.size() && roman.substr(i, 4) == std::string(4, c)) return false;
  }
  return true;
}

void CheckRomanValue(int value) {
  const std::string roman = WriteRomanNumeral(value);
  Check(IsRomanText(roman) && IsPlainRoman(roman), "a written numeral is plain",
        std::to_string(value));
  Check(ReadRomanNumeral(roman) == value, "a written numeral reads back", std::to_string(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int inputCode = data[0] % 44 - 1;
  const int outputCode = data[1] % 44 - 1;
  const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

  if (size >= 3) {
    CheckRomanValue(static_cast<int>((data[0] | data[1] << 8 | data[2] << 16) % 100001));
  }

  if (IsRomanText(text)) {
    // Reading starts at the right end and M is the largest letter, so an M in front
    // adds exactly 1000.
    const long long value = ReadRomanNumeral(text);
    Check(value >= -1, "a numeral reads as a value or -1");
    if (value >= 0 && value <= INT_MAX - 1000) {
      Check(ReadRomanNumeral("M" + std::string(text)) == value + 1000, "an M in front adds 1000",
            Printable(text));
    }
    // No letter adds more than 1000.
    Check(value != -1 || text.size() > INT_MAX / 1000, "only a long numeral is too large");
  }

  const std::string out = NumberBaseText(text, inputCode, outputCode);
  const auto known = [](int code) { return code >= 1 && code <= 40; };
  if (text.empty() || !known(inputCode) || !known(outputCode)) {
    Check(out.empty(), "no text or no number system gives no output", Printable(out));
    return 0;
  }

  const int base = BaseOfCode(inputCode);
  const bool valid =
      inputCode == kRomanNumeralCode
          ? IsRomanText(text)
          : std::all_of(text.begin(), text.end(), [base](char c) { return DigitOf(c) < base; });
  if (!valid) {
    Check(out == InvalidText(inputCode), "a character outside the system is reported",
          Printable(out));
    return 0;
  }

  std::optional<long long> value;
  if (inputCode == kRomanNumeralCode) {
    const long long roman = ReadRomanNumeral(text);
    if (roman >= 0) value = roman;
  } else {
    value = ValueOfDigits(text, inputCode);
  }
  if (!value) {
    Check(out == "result too large", "a value beyond the range is too large", Printable(out));
    return 0;
  }

  if (outputCode == kRomanNumeralCode) {
    if (*value > 999999) {
      Check(out == "result too large", "Roman numerals end at 999999", Printable(out));
      return 0;
    }
    Check(IsRomanText(out) && IsPlainRoman(out) && ReadRomanNumeral(out) == *value,
          "the numeral written reads as the value", Printable(out));
  } else {
    Check(out == DigitsOf(*value, BaseOfCode(outputCode)), "the digits written are the value's",
          Printable(out));
  }
  // And back again: the output read in its own system is the same value.
  const std::string back =
      out.empty() ? std::string("0") : NumberBaseText(out, outputCode, kDecimalCode);
  Check(back == std::to_string(*value), "the output reads back as the value", Printable(back));
  return 0;
}
