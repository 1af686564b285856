#include "engine/convert_text.h"

#include <cmath>

#include "engine/conversion_messages.h"
#include "engine/convert_fraction.h"
#include "engine/convert_number_base.h"
#include "engine/convert_temperature.h"
#include "engine/parse_number.h"

namespace quantivo::engine {
namespace {

// The code of the unit at a list position, -1 when the position selects nothing.
int CodeAt(const std::vector<catalogue::UnitRecord>& units, int position) {
  if (position < 0 || position >= static_cast<int>(units.size())) return -1;
  return static_cast<int>(units[position].Factor);
}

}  // namespace

std::string ConvertLinear(std::string_view text, int inputUnit, int outputUnit,
                          Extended inputFactor, Extended outputFactor, const ResultFormat& format,
                          const NumberLocale& locale) {
  if (text.empty() || inputUnit < 0 || outputUnit < 0) return {};
  const ParsedNumber parsed = ParseInputText(text);
  if (parsed.ErrorPos > 0) return InvalidNumberText(parsed.ErrorPos);
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
  const auto& units = catalogue.Category(category).Units;
  // The three special kinds know their units by code, so they convert the same
  // whatever order the lists are in. Fractions has no input unit.
  if (category == UnitCatalogue::FractionsIndex) {
    return ConvertFraction(text, CodeAt(units, outputUnit));
  }
  if (category == UnitCatalogue::NumbersIndex) {
    return ConvertNumberBase(text, CodeAt(units, inputUnit), CodeAt(units, outputUnit));
  }
  if (category == UnitCatalogue::TemperatureIndex) {
    return ConvertTemperature(text, CodeAt(units, inputUnit), CodeAt(units, outputUnit), format,
                              locale);
  }

  const int count = static_cast<int>(units.size());
  // A position past the end of the table selects nothing, as -1 does.
  if (inputUnit >= count) inputUnit = -1;
  if (outputUnit >= count) outputUnit = -1;
  const Extended inputFactor = inputUnit >= 0 ? units[inputUnit].Factor : 1;
  const Extended outputFactor = outputUnit >= 0 ? units[outputUnit].Factor : 1;
  return ConvertLinear(text, inputUnit, outputUnit, inputFactor, outputFactor, format, locale);
}

}  // namespace quantivo::engine
