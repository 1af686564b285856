#pragma once

#include <array>
#include <string_view>

namespace quantivo::test {

// The built-in categories in their default tab order. Users' settings files keep
// tabs by position, so this order must never change.
inline constexpr std::array<std::string_view, 23> kBuiltInTabOrder = {"Length",
                                                                      "Area",
                                                                      "Volume",
                                                                      "Volume - Dry",
                                                                      "Time",
                                                                      "Speed",
                                                                      "Mass",
                                                                      "Density",
                                                                      "Force",
                                                                      "Energy",
                                                                      "Power",
                                                                      "Pressure",
                                                                      "Flow",
                                                                      "Temperature",
                                                                      "Angle",
                                                                      "Light",
                                                                      "Numbers",
                                                                      "Fractions",
                                                                      "Computer",
                                                                      "Dynamic Viscosity",
                                                                      "Kinematic Viscosity",
                                                                      "Conductivity",
                                                                      "Thermal Conductivity"};

}  // namespace quantivo::test
