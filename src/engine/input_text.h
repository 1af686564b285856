#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "engine/format_result.h"

namespace quantivo::engine {

/// The input box holds letters in upper case: a to z become A to Z, nothing else
/// changes.
std::string InputBoxText(std::string_view text);

/// Whether a typed character reaches the input box of a category of this kind.
/// Control characters (Backspace, Enter, Escape, Ctrl combinations) and Delete always
/// pass, as do the digits, of every script numbers are read in. A number system takes letters for
/// its digits and Roman numerals; every other kind takes the signs of a decimal number: + - E e and
/// the locale's decimal separator `decimal` (the comma in German or French, where the window turns
/// a typed full stop into it while the box holds none, and swallows it after). Anything else is
/// swallowed.
bool InputCharacterPasses(catalogue::ConversionKind kind, char32_t c, char32_t decimal = '.');

/// The input box shows the input text with the locale's decimal separator in place of
/// each ".", and a decimal number (`decimalNumber`: not a number system's digits) in
/// the locale's digits, one character for one, so an error position still points at
/// the right character; the input text, kept in the settings and read by the engine,
/// always has "." and ASCII digits, whatever script each digit in the box is in.
std::string BoxTextFromInput(std::string_view input, const NumberLocale& locale,
                             bool decimalNumber = true);
std::string InputFromBoxText(std::string_view box, const NumberLocale& locale);

/// A pasted text that is a number as the locale writes it (as the output box shows a
/// result: a sign, digits grouped by threes with the thousands separator or not
/// grouped, the decimal separator, an exponent), as input text with "." and no
/// grouping; nothing for any other text, which pastes as it is. Written as people and
/// other programs write it in the locale, it is that number too: grouped by any kind of
/// space where the locale groups with a space, by either apostrophe where it groups
/// with one, by twos before the last three (Indian grouping), in the digits of one
/// script (Arabic-Indic, Persian, Devanagari). Digits of two scripts, or two
/// separators, are no number.
std::optional<std::string> LocaleNumberAsInput(std::string_view pasted, const NumberLocale& locale);

}  // namespace quantivo::engine
