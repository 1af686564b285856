#include "engine/convert_text.h"

#include <cmath>

#include "engine/convert_fraction.h"
#include "engine/convert_number_base.h"
#include "engine/convert_temperature.h"
#include "engine/parse_number.h"

namespace quantivo::engine {
namespace {

// The record a list position designates; none for -1 or a position past the table.
const catalogue::UnitRecord* RecordAt(const std::vector<catalogue::UnitRecord>& units,
                                      int position) {
  if (position < 0 || position >= static_cast<int>(units.size())) return nullptr;
  return &units[position];
}

}  // namespace

namespace {

// value ÷ input factor × output factor: the division first, then the multiplication,
// each rounded to extended. An overflow or an invalid operation on the way leaves the
// result infinite or NaN. The values come by reference: an 80-bit value passed by value
// goes through memory, and reading it back just after it was written stalls.
ConversionResult LinearResult(const Extended& value, const Extended& inputFactor,
                              const Extended& outputFactor, const ResultFormat& format,
                              const NumberLocale& locale) {
  const Extended result = value / inputFactor * outputFactor;
  if (!std::isfinite(result)) return Message{MessageCode::ResultTooLarge};
  return FormatResult(result, format, locale);
}

}  // namespace

int UnitCode(const std::vector<catalogue::UnitRecord>& units, int position) {
  const catalogue::UnitRecord* record = RecordAt(units, position);
  return record != nullptr ? static_cast<int>(record->Factor) : -1;
}

ConversionResult ConvertLinear(std::string_view text, Extended inputFactor, Extended outputFactor,
                               const ResultFormat& format, const NumberLocale& locale) {
  if (text.empty()) return {};
  const ParsedNumber parsed = ParseInputText(text);
  if (parsed.ErrorPos > 0) return Message{MessageCode::InvalidNumber, parsed.ErrorPos};
  // The parser leaves a number beyond the extended range infinite.
  if (!std::isfinite(parsed.Value)) return Message{MessageCode::ResultTooLarge};
  return LinearResult(parsed.Value, inputFactor, outputFactor, format, locale);
}

ConversionResult ConvertMeasure(std::span<const MeasurePart> parts, Extended outputFactor,
                                const ResultFormat& format, const NumberLocale& locale) {
  // Each part is divided first, then the sum multiplied, each rounded to extended:
  // a single part is value ÷ input factor × output factor. An overflow or an invalid
  // operation on the way leaves the result infinite or NaN.
  if (parts.empty()) return {};
  Extended total = parts[0].Value / parts[0].Factor;  // not 0 + it: -0 keeps its sign
  for (const MeasurePart& part : parts.subspan(1)) total += part.Value / part.Factor;
  const Extended result = total * outputFactor;
  if (!std::isfinite(result)) return Message{MessageCode::ResultTooLarge};
  return FormatResult(result, format, locale);
}

ConversionResult ConvertValue(const catalogue::UnitCatalogue& catalogue, int category,
                              int inputUnit, int outputUnit, const Extended& value,
                              const ResultFormat& format, const NumberLocale& locale) {
  using catalogue::ConversionKind;
  if (category < 0 || category >= catalogue.CategoryCount()) return {};
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  const auto& units = unitCategory.Units;
  switch (unitCategory.Kind) {
    case ConversionKind::Fraction:
      return ConvertFractionValue(value, UnitCode(units, outputUnit));
    case ConversionKind::NumberBase:
      return {};
    case ConversionKind::Temperature:
      return ConvertTemperatureValue(value, UnitCode(units, inputUnit), UnitCode(units, outputUnit),
                                     format, locale);
    case ConversionKind::Linear:
      break;
  }
  const catalogue::UnitRecord* input = RecordAt(units, inputUnit);
  const catalogue::UnitRecord* output = RecordAt(units, outputUnit);
  if (input == nullptr || output == nullptr) return {};
  if (!std::isfinite(value)) return Message{MessageCode::ResultTooLarge};
  return LinearResult(value, input->Factor, output->Factor, format, locale);
}

ConversionResult ConvertText(const catalogue::UnitCatalogue& catalogue, int category, int inputUnit,
                             int outputUnit, std::string_view text, const ResultFormat& format,
                             const NumberLocale& locale) {
  using catalogue::ConversionKind;
  if (category < 0 || category >= catalogue.CategoryCount()) return {};
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  const auto& units = unitCategory.Units;
  // A number system reads digits; the others read the text as a number and convert
  // that. A fraction has no input unit; with a unit missing nothing else is examined.
  if (unitCategory.Kind == ConversionKind::NumberBase) {
    return ConvertNumberBase(text, UnitCode(units, inputUnit), UnitCode(units, outputUnit));
  }
  const bool needsInput = catalogue::HasInputUnit(unitCategory.Kind);
  if (text.empty() || RecordAt(units, outputUnit) == nullptr ||
      (needsInput && RecordAt(units, inputUnit) == nullptr)) {
    return {};
  }
  const ParsedNumber parsed = ParseInputText(text);
  if (parsed.ErrorPos > 0) return Message{MessageCode::InvalidNumber, parsed.ErrorPos};
  return ConvertValue(catalogue, category, inputUnit, outputUnit, parsed.Value, format, locale);
}

std::vector<ConversionResult> ConvertToEveryUnit(const catalogue::UnitCatalogue& catalogue,
                                                 int category, int inputUnit, std::string_view text,
                                                 const ResultFormat& format,
                                                 const NumberLocale& locale) {
  std::vector<ConversionResult> results;
  if (category < 0 || category >= catalogue.CategoryCount()) return results;
  const int count = static_cast<int>(catalogue.Category(category).Units.size());
  results.reserve(static_cast<std::size_t>(count));
  for (int outputUnit = 0; outputUnit < count; ++outputUnit) {
    results.push_back(
        ConvertText(catalogue, category, inputUnit, outputUnit, text, format, locale));
  }
  return results;
}

}  // namespace quantivo::engine
