#include "engine/conversion_factor.h"

#include <string_view>

#include "engine/convert_number_base.h"
#include "engine/convert_temperature.h"
#include "engine/convert_text.h"

namespace quantivo::engine {
namespace {

using catalogue::ConversionKind;

// The symbol of a temperature scale, by its code.
std::string_view ScaleSymbol(int code) {
  switch (static_cast<TemperatureCode>(code)) {
    case TemperatureCode::Fahrenheit:
      return "°F";
    case TemperatureCode::Kelvin:
      return "K";
    case TemperatureCode::Rankine:
      return "°R";
    case TemperatureCode::Reaumur:
      return "°Ré";
    default:
      return "°C";
  }
}

// A decimal constant of the formulas, written with the locale's decimal separator.
std::string Constant(std::string_view text, const NumberLocale& locale) {
  std::string written;
  for (const char c : text) {
    if (c == '.') {
      written += locale.Decimal;
    } else {
      written.push_back(c);
    }
  }
  return written;
}

// The Celsius value of `x` on the scale of `code`, as the converter computes it.
std::string ToCelsius(int code, const std::string& x, const NumberLocale& locale) {
  switch (static_cast<TemperatureCode>(code)) {
    case TemperatureCode::Fahrenheit:
      return "(" + x + " − 32) × 5/9";
    case TemperatureCode::Kelvin:
      return x + " − " + Constant("273.15", locale);
    case TemperatureCode::Rankine:
      return "(" + x + " − " + Constant("491.67", locale) + ") × 5/9";
    case TemperatureCode::Reaumur:
      return x + " × 5/4";
    default:
      return x;
  }
}

// The value on the scale of `code` of the Celsius value `c`.
std::string FromCelsius(int code, const std::string& c, bool compound, const NumberLocale& locale) {
  const std::string factor = compound ? "(" + c + ")" : c;
  switch (static_cast<TemperatureCode>(code)) {
    case TemperatureCode::Fahrenheit:
      return factor + " × 9/5 + 32";
    case TemperatureCode::Kelvin:
      return c + " + " + Constant("273.15", locale);
    case TemperatureCode::Rankine:
      return factor + " × 9/5 + " + Constant("491.67", locale);
    case TemperatureCode::Reaumur:
      return factor + " × 4/5";
    default:
      return c;
  }
}

std::string TemperatureFormula(int from, int to, const NumberLocale& locale) {
  const std::string celsius = ToCelsius(from, std::string(ScaleSymbol(from)), locale);
  // Only the Kelvin scale's Celsius value is a difference; it needs brackets before
  // it is multiplied. The others are products already.
  const bool compound = static_cast<TemperatureCode>(from) == TemperatureCode::Kelvin;
  return std::string(ScaleSymbol(to)) + " = " + FromCelsius(to, celsius, compound, locale);
}

Message NumberSystem(int code) {
  if (code == kRomanNumeralCode) return {MessageCode::RomanNumerals};
  return {MessageCode::Base, NumberBaseOf(code)};
}

// "From base 2 to base 16".
Message FromTo(int fromCode, int toCode) {
  return {MessageCode::FromTo, std::vector<Message>{NumberSystem(fromCode), NumberSystem(toCode)}};
}

}  // namespace

ConversionFactor ConversionFactorText(const catalogue::UnitCatalogue& catalogue, int category,
                                      int inputUnit, int outputUnit, const ResultFormat& format,
                                      const NumberLocale& locale) {
  if (category < 0 || category >= catalogue.CategoryCount()) return {};
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  const int count = static_cast<int>(unitCategory.Units.size());
  if (inputUnit < 0 || outputUnit < 0 || inputUnit >= count || outputUnit >= count) return {};
  const catalogue::UnitRecord& input = unitCategory.Units[inputUnit];
  const catalogue::UnitRecord& output = unitCategory.Units[outputUnit];
  const int inputCode = static_cast<int>(input.Factor);
  const int outputCode = static_cast<int>(output.Factor);
  switch (unitCategory.Kind) {
    case ConversionKind::Fraction:
      return {};
    case ConversionKind::NumberBase:
      return std::vector<Message>{FromTo(inputCode, outputCode), FromTo(outputCode, inputCode)};
    case ConversionKind::Temperature:
      return TemperatureFormula(inputCode, outputCode, locale) + "\n" +
             TemperatureFormula(outputCode, inputCode, locale);
    case ConversionKind::Linear:
      break;
  }
  // One of each unit, converted as the input box would convert it.
  const auto oneIn = [&](int from, int to, const catalogue::UnitRecord& fromRecord,
                         const catalogue::UnitRecord& toRecord) {
    return "1 " + std::string(fromRecord.Name) + " = " +
           EnglishText(ConvertText(catalogue, category, from, to, "1", format, locale)) + " " +
           std::string(toRecord.Name);
  };
  return oneIn(inputUnit, outputUnit, input, output) + "\n" +
         oneIn(outputUnit, inputUnit, output, input);
}

}  // namespace quantivo::engine
