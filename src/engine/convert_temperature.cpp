#include "engine/convert_temperature.h"

#include <cmath>

#include "engine/parse_number.h"

namespace quantivo::engine {
namespace {

// Each step below is one extended operation, left to right as bracketed: the last
// bits of a result depend on that order (Fahrenheit multiplies by 5 and then by a
// ninth rather than dividing by 9).
constexpr Extended kNinth = 1.0L / 9;  // a single division, so the nearest value
constexpr Extended kFifth = 0.2L;
constexpr Extended kKelvinOffset = 273.15L;
constexpr Extended kRankineOffset = 491.67L;

Extended ToCelsius(Extended x, int code) {
  switch (static_cast<TemperatureCode>(code)) {
    case TemperatureCode::Fahrenheit:
      return ((x - 32) * 5) * kNinth;
    case TemperatureCode::Kelvin:
      return x - kKelvinOffset;
    case TemperatureCode::Rankine:
      return ((x - kRankineOffset) * 5) * kNinth;
    case TemperatureCode::Reaumur:
      return x * 1.25L;
    default:
      return x;
  }
}

Extended FromCelsius(Extended c, int code) {
  switch (static_cast<TemperatureCode>(code)) {
    case TemperatureCode::Fahrenheit:
      return ((c * 9) * kFifth) + 32;
    case TemperatureCode::Kelvin:
      return c + kKelvinOffset;
    case TemperatureCode::Rankine:
      return ((c * 9) * kFifth) + kRankineOffset;
    case TemperatureCode::Reaumur:
      return c * 0.8L;
    default:
      return c;
  }
}

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
  // The Celsius value is a variable of its own, so it is rounded to extended before
  // the second formula; an overflow on the way leaves the result infinite.
  const Extended celsius = ToCelsius(value, inputCode);
  const Extended result = FromCelsius(celsius, outputCode);
  if (!std::isfinite(result)) return Message{MessageCode::ResultTooLarge};
  return FormatResult(result, format, locale);
}

}  // namespace quantivo::engine
