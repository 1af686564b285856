#pragma once

#include <string>

namespace quantivo::engine {

/// The output box texts that stand in place of a result.
inline constexpr const char* kResultTooLarge = "result too large";
inline constexpr const char* kDecimalTooPrecise = "decimal too precise";

/// "invalid number [p]" for a text that fails to read at 1-based position p.
inline std::string InvalidNumberText(int position) {
  return "invalid number [" + std::to_string(position) + "]";
}

}  // namespace quantivo::engine
