#pragma once

#include <string>
#include <utility>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "engine/format_result.h"
#include "engine/message.h"

namespace quantivo::engine {

/// What converting between two units does, in two lines, one each way: written out
/// for measured units and temperatures, in words for number systems.
struct ConversionFactor {
  ConversionFactor() = default;
  ConversionFactor(std::string text) : Text(std::move(text)) {}              // NOLINT
  ConversionFactor(std::vector<Message> lines) : Lines(std::move(lines)) {}  // NOLINT

  /// "1 meter = 3.280839895 foot\n1 foot = 0.3048 meter"; empty for number systems.
  std::string Text;
  /// For number systems, a message a line: "From base 2 to base 16" and back.
  std::vector<Message> Lines;
};

/// The factor in English, its lines one below the other.
inline std::string EnglishText(const ConversionFactor& factor) {
  std::string text = factor.Text;
  for (const Message& line : factor.Lines) {
    if (!text.empty()) text += '\n';
    text += EnglishText(line);
  }
  return text;
}

/// What converting from one unit to the other does, in two lines: for measured
/// units "1 meter = 3.280839895 foot" and the reverse, in the result format; for
/// temperatures the formula each way ("°F = °C × 9/5 + 32"); for number systems the
/// two bases each way. Nothing for fractions or while a unit is missing.
ConversionFactor ConversionFactorText(const catalogue::UnitCatalogue& catalogue, int category,
                                      int inputUnit, int outputUnit, const ResultFormat& format,
                                      const NumberLocale& locale);

}  // namespace quantivo::engine
