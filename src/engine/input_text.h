#pragma once

#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"

namespace quantivo::engine {

/// The input box holds letters in upper case: a to z become A to Z, nothing else
/// changes.
std::string InputBoxText(std::string_view text);

/// Whether a typed character reaches the input box of a category of this kind.
/// Control characters (Backspace, Enter, Escape, Ctrl combinations) and Delete always
/// pass, as do the digits. A number system takes letters for its digits and Roman
/// numerals; every other kind takes the signs of a decimal number (+ - . E e).
/// Anything else is swallowed.
bool InputCharacterPasses(catalogue::ConversionKind kind, char32_t c);

}  // namespace quantivo::engine
