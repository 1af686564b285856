// Converts arbitrary text in every category, between any two list positions (past the
// end and none included), in every result format and with several separators, and
// checks what every output box text must be.
//
// Input: six bytes of choices, then the input box text.
//   0: bit 0 sorted lists, bits 1-2 separators, bit 3 the output unit is the input unit
//   1: category   2: input position   3: output position   4: view type   5: precision

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "engine/convert_text.h"
#include "engine/format_result.h"
#include "engine/parse_number.h"
#include "fuzz_check.h"

namespace {

using quantivo::Extended;
using quantivo::catalogue::ConversionKind;
using quantivo::catalogue::UnitCatalogue;
using quantivo::engine::NumberLocale;
using quantivo::engine::ParsedNumber;
using quantivo::engine::ResultFormat;
using quantivo::engine::ViewType;
using quantivo::fuzz::Check;
using quantivo::fuzz::Printable;

constexpr std::size_t kChoiceBytes = 6;
constexpr std::string_view kResultTooLarge = "result too large";
constexpr std::string_view kDecimalTooPrecise = "decimal too precise";

std::string InvalidNumberText(int position) {
  return "invalid number [" + std::to_string(position) + "]";
}

// Plain separators, swapped ones, Arabic ones and a narrow no-break space.
const NumberLocale kLocales[] = {
    {".", ","}, {",", "."}, {"\xD9\xAB", "\xD9\xAC"}, {",", "\xE2\x80\xAF"}};

struct Catalogues {
  UnitCatalogue Plain;
  UnitCatalogue Sorted;
  Catalogues() { Sorted.SortUnitTables(); }
};

// A shown number read back: thousands separators dropped, the decimal one made ".".
ParsedNumber ReadShown(std::string_view shown, const NumberLocale& locale) {
  std::string text;
  while (!shown.empty()) {
    if (shown.starts_with(locale.Thousands)) {
      shown.remove_prefix(locale.Thousands.size());
    } else if (shown.starts_with(locale.Decimal)) {
      text.push_back('.');
      shown.remove_prefix(locale.Decimal.size());
    } else {
      text.push_back(shown.front());
      shown.remove_prefix(1);
    }
  }
  return quantivo::engine::ParseNumber(text);
}

// How far a shown value may lie from the value it shows: ten significant digits for
// AutoFormat, at least two for Scientific, at least whole units for the fixed forms
// (a precision outside the usual range only ever shows more).
Extended Tolerance(Extended value, const ResultFormat& format) {
  const Extended magnitude = std::fabs(value);
  const int precision = format.Precision;
  switch (quantivo::engine::ViewTypeFromNumber(static_cast<long long>(format.View))) {
    case ViewType::Scientific: {
      const int digits = precision >= 2 && precision <= 18 ? precision : 2;
      return magnitude * (0.5L * std::pow(10.0L, 1 - digits) + 1e-16L);
    }
    case ViewType::Fixed:
    case ViewType::FixedWithCommas: {
      const int decimals = precision >= 0 && precision <= 18 ? precision : 0;
      return 0.5L * std::pow(10.0L, -decimals) + magnitude * 1e-16L;
    }
    case ViewType::AutoFormat:
      break;
  }
  return magnitude * 1e-9L;
}

bool IsMessage(std::string_view out) {
  return out == kResultTooLarge || out == kDecimalTooPrecise || out.starts_with("invalid ");
}

void CheckNumberOutput(std::string_view text, std::string_view out, const NumberLocale& locale,
                       const ResultFormat& format, bool sameUnit, Extended sameUnitSlack,
                       Extended largestKept) {
  const ParsedNumber parsed = quantivo::engine::ParseInputText(text);
  if (parsed.ErrorPos > 0) {
    Check(out == InvalidNumberText(parsed.ErrorPos),
          "a text that is no number gives its error position", Printable(out));
    return;
  }
  if (!std::isfinite(parsed.Value)) {
    Check(out == kResultTooLarge, "an infinite input is too large", Printable(out));
    return;
  }
  if (out == kResultTooLarge) {
    // Only a value near the end of the range can leave it for the same unit.
    Check(!sameUnit || std::fabs(parsed.Value) >= largestKept,
          "the same unit on both sides overflows only near the end of the range");
    return;
  }
  const ParsedNumber shown = ReadShown(out, locale);
  Check(shown.ErrorPos == 0 && std::isfinite(shown.Value), "a result reads back as a number",
        Printable(out));
  // Values below the normal range show as 0, so they are left out.
  const Extended v = parsed.Value;
  if (!sameUnit || (v != 0 && std::fabs(v) < LDBL_MIN * 1e40L)) return;
  const Extended error = std::fabs(shown.Value - v);
  Check(error <= Tolerance(v, format) + sameUnitSlack * (std::fabs(v) + 500),
        "the same unit on both sides shows the input value", Printable(out));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Catalogues catalogues;
  std::uint8_t choice[kChoiceBytes] = {};
  std::copy_n(data, std::min(size, kChoiceBytes), choice);
  const std::string_view text =
      size > kChoiceBytes ? std::string_view(reinterpret_cast<const char*>(data) + kChoiceBytes,
                                             size - kChoiceBytes)
                          : std::string_view();

  // ParseNumber on the raw bytes: a position within the text plus one, never NaN.
  const ParsedNumber raw = quantivo::engine::ParseNumber(text);
  Check(raw.ErrorPos >= 0 && static_cast<std::size_t>(raw.ErrorPos) <= text.size() + 1,
        "an error position lies within the text or just past it");
  Check(!std::isnan(raw.Value), "a parsed value is never NaN");
  Check(raw.ErrorPos == 0 || raw.Value == 0, "a failed parse gives 0");

  const UnitCatalogue& catalogue = (choice[0] & 1) ? catalogues.Sorted : catalogues.Plain;
  const NumberLocale& locale = kLocales[(choice[0] >> 1) & 3];
  const int category = choice[1] % catalogue.CategoryCount();
  const auto& units = catalogue.Category(category).Units;
  const int count = static_cast<int>(units.size());
  const int input = choice[2] % (count + 2) - 1;  // -1 to count, one past the end
  const int output = (choice[0] & 8) ? input : choice[3] % (count + 2) - 1;
  // View types 0 and 5 lie outside the four; the precision runs from -128 to 127.
  const ResultFormat format{static_cast<ViewType>(choice[4] % 6),
                            static_cast<std::int8_t>(choice[5])};

  const std::string out = quantivo::engine::EnglishText(
      quantivo::engine::ConvertText(catalogue, category, input, output, text, format, locale));
  Check(quantivo::fuzz::IsUtf8WithoutNul(out), "the output is UTF-8 without NUL", Printable(out));

  const bool inputSelected = input >= 0 && input < count;
  const bool outputSelected = output >= 0 && output < count;
  const ConversionKind kind = catalogue.Category(category).Kind;
  if (kind == ConversionKind::Fraction) {
    // The input list is hidden: only the output unit counts.
    Check(out.empty() == (text.empty() || !outputSelected),
          "Fractions is empty exactly without text or output unit", Printable(out));
    return 0;
  }
  if (text.empty() || !inputSelected || !outputSelected) {
    Check(out.empty(), "no text or a missing unit gives no output", Printable(out));
    return 0;
  }

  if (kind == ConversionKind::NumberBase) {
    // Digits and upper-case letters, a message, or "" for zero as a Roman numeral.
    const bool digits = std::all_of(out.begin(), out.end(), [](char c) {
      return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
    });
    Check(digits || IsMessage(out), "Numbers shows digits or a message", Printable(out));
    Check(!out.empty() || units[output].Factor == 5, "only a Roman numeral can be empty");
    return 0;
  }

  Check(!out.empty(), "a text with both units shows something");
  const bool sameUnit = input == output;
  if (kind == ConversionKind::Temperature) {
    // Through Celsius and back: exact for Celsius, a few rounding steps otherwise.
    CheckNumberOutput(text, out, locale, format, sameUnit, 1e-15L, LDBL_MAX / 10);
    return 0;
  }
  // Dividing by a factor below 1 first can overflow before the multiplication returns.
  CheckNumberOutput(text, out, locale, format, sameUnit, 0,
                    LDBL_MAX * std::min<Extended>(units[input].Factor, 1) * 0.999L);
  return 0;
}
