#pragma once

#include <string>
#include <string_view>

namespace quantivo::engine {

/// The output box texts that stand in place of a result.
inline constexpr const char* kResultTooLarge = "result too large";
inline constexpr const char* kDecimalTooPrecise = "decimal too precise";

/// "invalid number [p]" for a text that fails to read at 1-based position p.
inline std::string InvalidNumberText(int position) {
  return "invalid number [" + std::to_string(position) + "]";
}

/// Whether an output box text is one of the messages above rather than a result.
inline bool IsConversionMessage(std::string_view text) {
  // A result starts with a digit, a sign or a Roman letter in upper case.
  if (text.empty() || text.front() < 'a' || text.front() > 'z') return false;
  return text == kResultTooLarge || text == kDecimalTooPrecise || text.starts_with("invalid ");
}

}  // namespace quantivo::engine
