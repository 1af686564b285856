#include "engine/convert_text.h"

#include <cmath>

#include "engine/parse_number.h"

namespace quantivo::engine {
namespace {

constexpr const char* kResultTooLarge = "result too large";

}  // namespace

std::string ConvertLinear(std::string_view text, int inputUnit, int outputUnit,
                          Extended inputFactor, Extended outputFactor, const ResultFormat& format,
                          const NumberLocale& locale) {
  if (text.empty() || inputUnit < 0 || outputUnit < 0) return {};
  std::string completed;
  const ParsedNumber parsed = ParseNumber(CompleteNumberText(text, completed));
  if (parsed.ErrorPos > 0) return "invalid number [" + std::to_string(parsed.ErrorPos) + "]";
  // The parser leaves a number beyond the extended range infinite.
  if (!std::isfinite(parsed.Value)) return kResultTooLarge;

  // Divide first, then multiply, each rounded to extended.
  // An overflow or an invalid operation on the way leaves the result infinite or NaN.
  const Extended result = parsed.Value / inputFactor * outputFactor;
  if (!std::isfinite(result)) return kResultTooLarge;
  return FormatResult(result, format, locale);
}

std::string ConvertText(const catalogue::UnitCatalogue& catalogue, int category, int inputUnit,
                        int outputUnit, std::string_view text, const ResultFormat& format,
                        const NumberLocale& locale) {
  using catalogue::UnitCatalogue;
  if (category < 0 || category >= UnitCatalogue::CategoryCount) return {};
  // The converters of the three special kinds are still to come.
  if (category == UnitCatalogue::FractionsIndex) return {};
  if (category == UnitCatalogue::NumbersIndex) return {};
  if (category == UnitCatalogue::TemperatureIndex) return {};

  const auto& units = catalogue.Category(category).Units;
  const int count = static_cast<int>(units.size());
  // A position past the end of the table selects nothing, as -1 does.
  if (inputUnit >= count) inputUnit = -1;
  if (outputUnit >= count) outputUnit = -1;
  const Extended inputFactor = inputUnit >= 0 ? units[inputUnit].Factor : 1;
  const Extended outputFactor = outputUnit >= 0 ? units[outputUnit].Factor : 1;
  return ConvertLinear(text, inputUnit, outputUnit, inputFactor, outputFactor, format, locale);
}

}  // namespace quantivo::engine
