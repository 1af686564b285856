#pragma once

#include "catalogue/unit_catalogue.h"

namespace quantivo::test::fake {

// A small catalogue for the model's own rules: one category of each kind that is not
// measured, and three measured ones with round factors. Length and Mass change their
// order when sorted; Time is last, so no rule can pass by looking only at the start.

enum Category : int { kLength, kMass, kTemperature, kNumbers, kFractions, kTime };

// How many of the unit make one meter: sorted centimeter, kilometer, meter, millimeter.
inline constexpr catalogue::UnitRecord kLengthUnits[] = {
    {"meter", 1.0L}, {"kilometer", 0.001L}, {"centimeter", 100.0L}, {"millimeter", 1000.0L}};
// How many of the unit make one kilogram: sorted gram, kilogram, tonne.
inline constexpr catalogue::UnitRecord kMassUnits[] = {
    {"kilogram", 1.0L}, {"gram", 1000.0L}, {"tonne", 0.001L}};
inline constexpr catalogue::UnitRecord kTemperatureUnits[] = {
    {"Celsius", 1}, {"Fahrenheit", 2}, {"Kelvin", 3}};
inline constexpr catalogue::UnitRecord kNumbersUnits[] = {
    {"binary", 1}, {"octal", 2}, {"decimal", 3}, {"hexadecimal", 4}};
inline constexpr catalogue::UnitRecord kFractionsUnits[] = {{"[im]proper fraction", 1},
                                                            {"mixed number", 2}};
// How many of the unit make one hour.
inline constexpr catalogue::UnitRecord kTimeUnits[] = {
    {"hour", 1.0L}, {"minute", 60.0L}, {"second", 3600.0L}};

inline constexpr catalogue::CategoryDefinition kCategories[] = {
    {"Length", "Length", catalogue::ConversionKind::Linear, kLengthUnits},
    {"Mass", "Mass", catalogue::ConversionKind::Linear, kMassUnits},
    {"Temperature", "Temperature", catalogue::ConversionKind::Temperature, kTemperatureUnits},
    {"Numbers", "Numbers", catalogue::ConversionKind::NumberBase, kNumbersUnits},
    {"Fractions", "Fractions", catalogue::ConversionKind::Fraction, kFractionsUnits},
    {"Time", "Time", catalogue::ConversionKind::Linear, kTimeUnits},
};

inline catalogue::UnitCatalogue Catalogue() {
  return catalogue::UnitCatalogue(kCategories);
}

}  // namespace quantivo::test::fake
