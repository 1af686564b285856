#pragma once

#include <string>
#include <vector>

#include "catalogue/extended.h"

namespace quantivo::catalogue {

/// A unit of the user's own, defined as "1 Name = Value Base" with Base a unit of its
/// category's table: "step = 60 centimeter".
struct CustomUnit {
  std::string Name;
  /// Other names (symbols), kept in their case as a table unit's symbols are.
  std::vector<std::string> OtherNames;
  /// The value as written in the units file, with a point: "60".
  std::string Value;
  /// The table name of the unit it is defined by: "centimeter".
  std::string Base;
  /// How many of this unit make one reference unit, as a table unit's factor: the
  /// base's factor divided by the value, computed once in extended precision.
  Extended Factor = 0;

  friend bool operator==(const CustomUnit&, const CustomUnit&) = default;
};

/// The user's units of every category, by category index, each in definition order.
using CustomUnitLists = std::vector<std::vector<CustomUnit>>;

}  // namespace quantivo::catalogue
