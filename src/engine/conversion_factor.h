#pragma once

#include <string>

#include "catalogue/unit_catalogue.h"
#include "engine/format_result.h"

namespace quantivo::engine {

/// What converting from one unit to the other does, in two lines: for measured
/// units "1 meter = 3.280839895 foot" and the reverse, in the result format; for
/// temperatures the formula each way ("°F = °C × 9/5 + 32"); for number systems the
/// two bases each way. Nothing for fractions or while a unit is missing.
std::string ConversionFactorText(const catalogue::UnitCatalogue& catalogue, int category,
                                 int inputUnit, int outputUnit, const ResultFormat& format,
                                 const NumberLocale& locale);

}  // namespace quantivo::engine
