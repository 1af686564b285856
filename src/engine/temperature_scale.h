#pragma once

#include <string_view>

#include "catalogue/extended.h"

namespace quantivo::engine {

/// Temperature unit codes, as the Temperature table carries them.
enum class TemperatureCode { Celsius = 1, Fahrenheit, Kelvin, Rankine, Reaumur };

/// A scale's degrees per Celsius degree as a fraction: 9/5 for Fahrenheit.
struct DegreeRatio {
  int Numerator = 1;
  int Denominator = 1;
  /// Multiplied by the quotient in one step (Réaumur's 0.8 and 1.25) rather than by
  /// the numerator and then by the denominator's reciprocal; the last bits depend on it.
  bool OneProduct = false;

  constexpr bool IsOne() const { return Numerator == Denominator; }
  constexpr DegreeRatio Inverse() const { return {Denominator, Numerator, OneProduct}; }
};

/// A temperature scale: its value is the Celsius value × Ratio + ZeroCelsius.
struct TemperatureScale {
  TemperatureCode Code = TemperatureCode::Celsius;
  std::string_view Symbol;   // "°F"
  Extended ZeroCelsius = 0;  // 0 °C on this scale
  DegreeRatio Ratio = {};
};

/// The scale of a unit code; any other code is Celsius.
const TemperatureScale& ScaleOf(int code);

/// The steps from a value on `scale` to Celsius, in the order they are computed:
/// steps.Subtract(offset), then steps.Multiply(ratio). A step that would change
/// nothing is left out. The conversion and the formula text both walk these steps.
template <typename Steps>
void StepsToCelsius(const TemperatureScale& scale, Steps& steps) {
  if (scale.ZeroCelsius != 0) steps.Subtract(scale.ZeroCelsius);
  if (!scale.Ratio.IsOne()) steps.Multiply(scale.Ratio.Inverse());
}

/// The steps from a Celsius value to `scale`: steps.Multiply(ratio), then
/// steps.Add(offset); again without a step that would change nothing.
template <typename Steps>
void StepsFromCelsius(const TemperatureScale& scale, Steps& steps) {
  if (!scale.Ratio.IsOne()) steps.Multiply(scale.Ratio);
  if (scale.ZeroCelsius != 0) steps.Add(scale.ZeroCelsius);
}

}  // namespace quantivo::engine
