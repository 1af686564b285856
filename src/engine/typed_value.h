#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/extended.h"
#include "engine/format_result.h"

namespace quantivo::engine {

/// A value as a person writes it after a command: the text the input box would hold,
/// or, for a fraction, the number it stands for.
struct TypedValue {
  std::string Text;                // the input text: letters in upper case, "." as the point
  std::optional<Extended> Number;  // a fraction's value
};

/// Reads `text`, blanks around it left out. A fraction ("3/4") or a whole number and a
/// fraction ("1 1/2", "-2 3/8") is a number (one over 0 is read as it stands, so it
/// fails at its "/"); a number with the
/// locale's decimal separator (in German "1,5" or "1.234,5"), or with both of its
/// separators ("1,234.5"), is read as the locale writes it; anything else is read as
/// the input box reads it pasted, so "1.5" is one and a half in every locale, and
/// "1,5" where the comma is no decimal separator is "invalid number [2]".
TypedValue ReadTypedValue(std::string_view text, const NumberLocale& locale);

/// The two halves of ReadTypedValue: the number a fraction stands for, nothing for any
/// other text; and the input text of a number, as the locale writes it or pasted.
std::optional<Extended> TypedFraction(std::string_view text);
std::string TypedNumberText(std::string_view text, const NumberLocale& locale);

/// `text` without the blanks and tabs around it.
std::string_view WithoutBlanks(std::string_view text);

/// Whether `text` is a fraction of whole numbers, "3/4": digits, "/", digits.
bool IsFractionText(std::string_view text);

/// Whether `text` starts like a number (a digit, or a sign or point before one), so
/// that it is read as a value and not as a name.
bool LooksLikeNumber(std::string_view text);

}  // namespace quantivo::engine
