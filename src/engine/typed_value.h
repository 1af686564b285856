#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/extended.h"
#include "engine/format_result.h"
#include "engine/parse_number.h"

namespace quantivo::engine {

/// A value as a person writes it after a command, blanks around it left out. A
/// fraction ("3/4") or a whole number and a fraction ("1 1/2", "-2 3/8") stands for its
/// number; over 0 it is no number and is read as it stands, failing at its "/".
std::optional<Extended> TypedFraction(std::string_view text);

/// Any other value as input text: a number with the locale's decimal separator (in
/// German "1,5" or "1.234,5"), or with both of its separators ("1,234.5"), as the locale
/// writes it; anything else as the input box reads it pasted, so "1.5" is one and a
/// half in every locale, and "1,5" where the comma is no decimal separator is "invalid
/// number [2]".
std::string TypedNumberText(std::string_view text, const NumberLocale& locale);

/// The number of a value as typed: a fraction's, or the input text's as the input box
/// reads it, with the position where it fails.
ParsedNumber ReadTypedNumber(std::string_view text, const NumberLocale& locale);

/// `text` without the blanks and tabs around it.
std::string_view WithoutBlanks(std::string_view text);

/// Whether `text` is a fraction of whole numbers, "3/4": digits, "/", digits.
bool IsFractionText(std::string_view text);

/// Whether `text` starts like a number (a digit, or a sign or point before one), so
/// that it is read as a value and not as a name.
bool LooksLikeNumber(std::string_view text);

}  // namespace quantivo::engine
