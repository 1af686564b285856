#pragma once

#include <string>
#include <string_view>

#include "engine/conversion_result.h"
#include "engine/format_result.h"
#include "engine/temperature_scale.h"

namespace quantivo::engine {

/// Converts the input box text from one temperature scale to another through
/// Celsius. Units are given by their codes; -1 means no unit is selected and gives
/// the empty text, as an empty input does. Any other code counts as Celsius.
ConversionResult ConvertTemperature(std::string_view text, int inputCode, int outputCode,
                                    const ResultFormat& format, const NumberLocale& locale);

/// The same for a value already read.
ConversionResult ConvertTemperatureValue(const Extended& value, int inputCode, int outputCode,
                                         const ResultFormat& format, const NumberLocale& locale);

}  // namespace quantivo::engine
