#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace quantivo::engine {

/// The code point UTF-8 `text` starts with, and its length in bytes; a byte that starts
/// no sequence stands for itself.
std::pair<char32_t, std::size_t> FirstCodePoint(std::string_view text);

/// The zero of the digits `c` is one of: '0' for ASCII, or the zero of the other
/// scripts numbers are read and written in (Arabic-Indic, the extended ones of Persian
/// and Urdu, Devanagari, Bengali, Myanmar), each ten code points from its zero; 0 for
/// anything else.
char32_t DigitZero(char32_t c);

/// `text` with its ASCII digits written in the script whose zero is `zero` (one that
/// DigitZero knows; any other leaves the text as it is).
std::string WithScriptDigits(std::string_view text, char32_t zero);

/// `text` with the digits of every script DigitZero knows written as ASCII ones, each
/// on its own.
std::string WithAsciiDigits(std::string_view text);

}  // namespace quantivo::engine
