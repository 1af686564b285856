#include "engine/convert_temperature.h"

#include <cmath>

#include "engine/parse_number.h"

namespace quantivo::engine {
namespace {

// The steps of a scale computed in extended, each rounded as it goes, left to right:
// the last bits of a result depend on that order (Fahrenheit multiplies by 5 and then
// by a ninth rather than dividing by 9).
struct Arithmetic {
  Extended Value;

  void Subtract(const Extended& offset) { Value = Value - offset; }
  void Add(const Extended& offset) { Value = Value + offset; }
  void Multiply(const DegreeRatio& ratio) {
    // A quotient or a reciprocal is a single division, so the nearest value.
    if (ratio.OneProduct) {
      Value = Value * (static_cast<Extended>(ratio.Numerator) / ratio.Denominator);
    } else {
      Value = (Value * ratio.Numerator) * (1 / static_cast<Extended>(ratio.Denominator));
    }
  }
};

}  // namespace

ConversionResult ConvertTemperature(std::string_view text, int inputCode, int outputCode,
                                    const ResultFormat& format, const NumberLocale& locale) {
  if (text.empty() || inputCode < 0 || outputCode < 0) return {};
  const ParsedNumber parsed = ParseInputText(text);
  if (parsed.ErrorPos > 0) return Message{MessageCode::InvalidNumber, parsed.ErrorPos};
  return ConvertTemperatureValue(parsed.Value, inputCode, outputCode, format, locale);
}

ConversionResult ConvertTemperatureValue(const Extended& value, int inputCode, int outputCode,
                                         const ResultFormat& format, const NumberLocale& locale) {
  if (inputCode < 0 || outputCode < 0) return {};
  // Through Celsius; an overflow on the way leaves the result infinite.
  Arithmetic temperature{value};
  StepsToCelsius(ScaleOf(inputCode), temperature);
  StepsFromCelsius(ScaleOf(outputCode), temperature);
  if (!std::isfinite(temperature.Value)) return Message{MessageCode::ResultTooLarge};
  return FormatResult(temperature.Value, format, locale);
}

}  // namespace quantivo::engine
