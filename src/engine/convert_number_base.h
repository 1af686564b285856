#pragma once

#include <string>
#include <string_view>

#include "engine/conversion_result.h"

namespace quantivo::engine {

/// The code of Roman numerals in the Numbers table. The codes before it are the
/// systems with names of their own (binary to hexadecimal), those after it base-2 to
/// base-36; NumberBaseOf knows them.
inline constexpr int kRomanNumeralCode = 5;

/// The base of a number system other than Roman numerals, by its code.
int NumberBaseOf(int code);

/// The digits of `text` without a "0x", "0b" or "0o" that names the base of the unit
/// with code `inputCode` (hexadecimal or base-16, binary or base-2, octal or base-8);
/// any other text as it is, so "0B1" stays hexadecimal digits.
std::string_view WithoutBasePrefix(std::string_view text, int inputCode);

/// Rewrites a whole number from one number system to another. Units are given by
/// their codes; -1 means no unit is selected. Values run from 0 to 2147483647, Roman
/// output to 999999; letters in results are upper case. Failures are the messages
/// "invalid ... number", "invalid Roman numeral" and "result too large".
ConversionResult ConvertNumberBase(std::string_view text, int inputCode, int outputCode);

/// Reads a Roman numeral of the letters IVXLCDM from its right end: a letter worth
/// more than the one before it counts as their difference. Nothing else is checked,
/// so "IIII" is 4. A value beyond 2147483647 gives -1.
long long ReadRomanNumeral(std::string_view text);

/// Writes a value as a Roman numeral, "M" as often as needed; 0 gives "".
std::string WriteRomanNumeral(int value);

}  // namespace quantivo::engine
