#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "engine/convert_text.h"

namespace quantivo::test {

/// The list position of a unit, found by name as a person picks it from the list;
/// -1 (nothing selected) for an empty name or one the category lacks.
inline int PositionOf(const catalogue::UnitCatalogue& catalogue, int category,
                      std::string_view name) {
  const auto names = catalogue.UnitNames(category);
  const auto it = std::find(names.begin(), names.end(), name);
  return name.empty() || it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

/// Converts through ConvertText with the units picked by name ("" picks none); the
/// result or the message in English.
inline std::string ConvertByName(const catalogue::UnitCatalogue& catalogue,
                                 std::string_view category, std::string_view text,
                                 std::string_view from, std::string_view to,
                                 const engine::ResultFormat& format = {}) {
  const int index = catalogue.FindCategory(category);
  if (index < 0) return "no such category";
  const int in = PositionOf(catalogue, index, from);
  const int out = PositionOf(catalogue, index, to);
  if ((!from.empty() && in < 0) || (!to.empty() && out < 0)) return "no such unit";
  return engine::EnglishText(
      engine::ConvertText(catalogue, index, in, out, text, format, engine::NumberLocale{}));
}

}  // namespace quantivo::test
