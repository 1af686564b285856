#pragma once

#include <string>
#include <string_view>

#include "engine/format_result.h"
#include "engine/temperature_scale.h"

namespace quantivo::engine {

/// Converts the input box text from one temperature scale to another through
/// Celsius. Units are given by their codes; -1 means no unit is selected and gives
/// the empty text, as an empty input does. Any other code counts as Celsius.
std::string ConvertTemperature(std::string_view text, int inputCode, int outputCode,
                               const ResultFormat& format, const NumberLocale& locale);

/// The same for a value already read.
std::string ConvertTemperatureValue(const Extended& value, int inputCode, int outputCode,
                                    const ResultFormat& format, const NumberLocale& locale);

}  // namespace quantivo::engine
