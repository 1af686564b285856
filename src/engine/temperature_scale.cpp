#include "engine/temperature_scale.h"

namespace quantivo::engine {
namespace {

// Celsius first: it stands in for any code the table does not hold.
constexpr TemperatureScale kScales[] = {
    {TemperatureCode::Celsius, "°C"},
    {TemperatureCode::Fahrenheit, "°F", 32, {9, 5}},
    {TemperatureCode::Kelvin, "K", 273.15L},
    {TemperatureCode::Rankine, "°R", 491.67L, {9, 5}},
    {TemperatureCode::Reaumur, "°Ré", 0, {4, 5, true}},
};

}  // namespace

const TemperatureScale& ScaleOf(int code) {
  for (const TemperatureScale& scale : kScales) {
    if (static_cast<int>(scale.Code) == code) return scale;
  }
  return kScales[0];
}

}  // namespace quantivo::engine
