#pragma once

#include <string>
#include <string_view>

#include "catalogue/extended.h"
#include "engine/conversion_result.h"

namespace quantivo::engine {

/// Fraction output codes, as the Fractions table carries them.
enum class FractionCode { ImproperFraction = 1, MixedNumber };

/// Writes the decimal in the input box text as the fraction that reproduces it
/// exactly: "7/4" as an [im]proper fraction, "1 and 3/4" as a mixed number; a whole
/// number stays as it is. The output unit is given by its code, -1 for none. Failures
/// are "invalid number [p]", "result too large" and "decimal too precise".
ConversionResult ConvertFraction(std::string_view text, int outputCode);

/// The same for a value already read.
ConversionResult ConvertFractionValue(const Extended& value, int outputCode);

}  // namespace quantivo::engine
