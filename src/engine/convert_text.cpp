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

EveryUnitConversion::EveryUnitConversion(const catalogue::UnitCatalogue& catalogue, int category,
                                         int inputUnit, std::string_view text,
                                         const ResultFormat& format, const NumberLocale& locale)
    : m_catalogue(&catalogue),
      m_format(format),
      m_locale(locale),
      m_category(category),
      m_inputUnit(inputUnit) {
  using catalogue::ConversionKind;
  if (category < 0 || category >= catalogue.CategoryCount()) return;
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  m_unitCount = static_cast<int>(unitCategory.Units.size());
  // A number system reads digits, each system its own way; the others read the text
  // as a number and convert that. A fraction has no input unit.
  if (unitCategory.Kind == ConversionKind::NumberBase) {
    m_step = Step::Digits;
    m_digits = text;
    return;
  }
  const bool needsInput = catalogue::HasInputUnit(unitCategory.Kind);
  if (text.empty() || (needsInput && RecordAt(unitCategory.Units, inputUnit) == nullptr)) return;
  const ParsedNumber parsed = ParseInputText(text);
  if (parsed.ErrorPos > 0) {
    m_step = Step::Failure;
    m_errorPos = parsed.ErrorPos;
    return;
  }
  m_step = Step::Value;
  m_value = parsed.Value;
}

ConversionResult EveryUnitConversion::Into(int outputUnit) const {
  if (m_step == Step::Nothing) return {};
  const auto& units = m_catalogue->Category(m_category).Units;
  if (m_step == Step::Digits) {
    return ConvertNumberBase(m_digits, UnitCode(units, m_inputUnit), UnitCode(units, outputUnit));
  }
  // With the output unit missing nothing else is examined, the text's fault neither.
  if (RecordAt(units, outputUnit) == nullptr) return {};
  if (m_step == Step::Failure) return Message{MessageCode::InvalidNumber, m_errorPos};
  return ConvertValue(*m_catalogue, m_category, m_inputUnit, outputUnit, m_value, m_format,
                      m_locale);
}

ConversionResult ConvertText(const catalogue::UnitCatalogue& catalogue, int category, int inputUnit,
                             int outputUnit, std::string_view text, const ResultFormat& format,
                             const NumberLocale& locale) {
  return EveryUnitConversion(catalogue, category, inputUnit, text, format, locale).Into(outputUnit);
}

std::vector<ConversionResult> ConvertToEveryUnit(const catalogue::UnitCatalogue& catalogue,
                                                 int category, int inputUnit, std::string_view text,
                                                 const ResultFormat& format,
                                                 const NumberLocale& locale) {
  const EveryUnitConversion conversion(catalogue, category, inputUnit, text, format, locale);
  std::vector<ConversionResult> results;
  results.reserve(static_cast<std::size_t>(conversion.UnitCount()));
  for (int outputUnit = 0; outputUnit < conversion.UnitCount(); ++outputUnit) {
    results.push_back(conversion.Into(outputUnit));
  }
  return results;
}

}  // namespace quantivo::engine
