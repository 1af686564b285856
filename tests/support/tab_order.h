#pragma once

#include <array>
#include <numeric>
#include <string_view>
#include <vector>

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

/// The built-in categories' indices in their default tab order.
inline std::vector<int> DefaultOrder() {
  std::vector<int> order(kBuiltInTabOrder.size());
  std::iota(order.begin(), order.end(), 0);
  return order;
}

}  // namespace quantivo::test
