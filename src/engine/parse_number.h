#pragma once

#include <string>
#include <string_view>

#include "catalogue/extended.h"

namespace quantivo::engine {

/// The outcome of reading a number. ErrorPos is 0 for a valid number, otherwise the
/// 1-based position of the first character that does not fit (the length plus 1 when
/// the text ends too early). A valid number too large for the extended range has
/// ErrorPos 0 and an infinite Value.
struct ParsedNumber {
  Extended Value = 0;
  int ErrorPos = 0;
};

/// Reads a decimal number: leading blanks, an optional sign, digits with an optional
/// "." (always the point, whatever the regional settings) and an optional exponent
/// "E"/"e" with optional sign and at least one digit. Nothing may follow.
ParsedNumber ParseNumber(std::string_view text);

/// Completes a text the user may still be typing: a last "E", "e" or "." gets a "0"
/// appended, so "1E" reads as 1 and "." as 0.
std::string_view CompleteNumberText(std::string_view text, std::string& storage);

/// Reads the input box text as the conversions do: completed, then parsed.
ParsedNumber ParseInputText(std::string_view text);

}  // namespace quantivo::engine
