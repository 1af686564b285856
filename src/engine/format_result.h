#pragma once

#include <string>
#include <string_view>

#include "catalogue/extended.h"

namespace quantivo::engine {

/// The four result formats, numbered as the settings file stores them.
enum class ViewType { AutoFormat = 1, Scientific, Fixed, FixedWithCommas };

/// How results are shown. AutoFormat ignores Precision; the others use it as
/// significant digits (Scientific) or decimals (Fixed, Fixed with Commas).
struct ResultFormat {
  ViewType View = ViewType::AutoFormat;
  int Precision = 4;
};

/// The regional separators of results, read once by the program that shows them.
/// Input is always read with ".", whatever these are.
struct NumberLocale {
  std::string Decimal = ".";
  std::string Thousands = ",";
  /// The zero of the locale's digits: results are written in the digits of its script.
  char32_t Zero = U'0';
  /// Groups of two before the last three (lakh and crore, as India groups).
  bool IndianGrouping = false;
};

/// The separators to use given what the system reports; an empty or missing
/// separator falls back to "." and "," respectively. `zero` is the locale's zero digit
/// in UTF-8 (ASCII's where it is none the program writes), `grouping` the sizes of its
/// digit groups from the right as the C library gives them ("\3\2" for Indian).
NumberLocale MakeNumberLocale(const char* decimal, const char* thousands,
                              std::string_view zero = {}, std::string_view grouping = {});

/// A view type as stored: 1 to 4 are kept, anything else is AutoFormat.
ViewType ViewTypeFromNumber(long long number);

/// The text of a numeric result under `format`; a view type outside the four counts
/// as AutoFormat. Never fails: infinity shows as
/// "INF" and not-a-number as "NAN", both without sign.
std::string FormatResult(Extended value, const ResultFormat& format, const NumberLocale& locale);

/// `format`, unless it is a fixed format that would show the non-zero `value` as
/// zero: then the same format with decimals enough for `Precision` significant
/// digits (one at least), or Scientific where that needs more than 18 decimals.
ResultFormat FormatShowingValue(Extended value, const ResultFormat& format);

/// `text` with every `from` written as `to`; an empty `from` changes nothing.
std::string ReplacedText(std::string_view text, std::string_view from, std::string_view to);

/// A result as shown, read back as an input text: the locale's thousands separator
/// dropped, its decimal separator read as ".", the number formatted as AutoFormat with
/// ".". A text that is no number (empty, a message, "INF") reads as 0.
std::string ResultAsInputText(std::string_view shown, const NumberLocale& locale);

/// A result as shown, without the locale's thousands separators; its decimal
/// separator stays.
std::string ResultWithoutGrouping(std::string_view shown, const NumberLocale& locale);

}  // namespace quantivo::engine
