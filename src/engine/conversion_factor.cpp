#include "engine/conversion_factor.h"

#include <string_view>

#include "engine/convert_number_base.h"
#include "engine/convert_text.h"
#include "engine/temperature_scale.h"

namespace quantivo::engine {
namespace {

using catalogue::ConversionKind;

// A formula written along the steps of StepsToCelsius and StepsFromCelsius: each
// offset as a result shows it, a sum or difference bracketed before it is multiplied.
class FormulaText {
 public:
  FormulaText(std::string_view symbol, const NumberLocale& locale)
      : m_text(symbol), m_locale(locale) {}

  void Subtract(const Extended& offset) { Append(" − ", offset); }
  void Add(const Extended& offset) { Append(" + ", offset); }
  void Multiply(const DegreeRatio& ratio) {
    if (m_sum) m_text = "(" + m_text + ")";
    m_text += " × " + std::to_string(ratio.Numerator) + "/" + std::to_string(ratio.Denominator);
    m_sum = false;
  }

  const std::string& Text() const { return m_text; }

 private:
  void Append(std::string_view sign, const Extended& offset) {
    m_text.append(sign).append(FormatResult(offset, ResultFormat{}, m_locale));
    m_sum = true;
  }

  std::string m_text;
  const NumberLocale& m_locale;
  bool m_sum = false;
};

// "°F = °C × 9/5 + 32": the scale of `to` from the scale of `from`, through Celsius.
std::string TemperatureFormula(int from, int to, const NumberLocale& locale) {
  const TemperatureScale& fromScale = ScaleOf(from);
  const TemperatureScale& toScale = ScaleOf(to);
  FormulaText formula(fromScale.Symbol, locale);
  StepsToCelsius(fromScale, formula);
  StepsFromCelsius(toScale, formula);
  return std::string(toScale.Symbol) + " = " + formula.Text();
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
  // Number systems and temperatures know their units by a code in the factor's place;
  // a measured unit's factor may be far beyond an int, so it is read for those alone.
  const auto code = [](const catalogue::UnitRecord& record) {
    return static_cast<int>(record.Factor);
  };
  switch (unitCategory.Kind) {
    case ConversionKind::Fraction:
      return {};
    case ConversionKind::NumberBase:
      return std::vector<Message>{FromTo(code(input), code(output)),
                                  FromTo(code(output), code(input))};
    case ConversionKind::Temperature:
      return TemperatureFormula(code(input), code(output), locale) + "\n" +
             TemperatureFormula(code(output), code(input), locale);
    case ConversionKind::Linear:
      break;
  }
  // One of each unit, converted as the input box would convert it; a factor the fixed
  // formats would round to "0.00" shows its first significant digits instead.
  const auto oneIn = [&](int from, int to, const catalogue::UnitRecord& fromRecord,
                         const catalogue::UnitRecord& toRecord) {
    const ResultFormat shown = FormatShowingValue(1 / fromRecord.Factor * toRecord.Factor, format);
    return "1 " + std::string(fromRecord.Name) + " = " +
           EnglishText(ConvertText(catalogue, category, from, to, "1", shown, locale)) + " " +
           std::string(toRecord.Name);
  };
  return oneIn(inputUnit, outputUnit, input, output) + "\n" +
         oneIn(outputUnit, inputUnit, output, input);
}

}  // namespace quantivo::engine
