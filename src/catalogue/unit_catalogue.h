#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/extended.h"

namespace quantivo::catalogue {

using engine::Extended;

/// How a category converts. Linear categories carry a factor per unit; the other
/// three carry a unit code (the unit's 1-based position in definition order).
enum class ConversionKind { Linear, Temperature, NumberBase, Fraction };

/// One unit. For a Linear category, Factor is how many of this unit make one
/// reference unit; for the others it is the unit's code.
struct UnitRecord {
  std::string_view Name;  // UTF-8, at most 31 characters
  Extended Factor = 0;

  friend bool operator==(const UnitRecord&, const UnitRecord&) = default;
};

/// The alphabetical order of unit names: "a" to "z" count as upper case, every other
/// byte compares by its value, and a name that begins another comes first. In UTF-8
/// this keeps "°", "²", "³" and "é" after all ASCII letters and in that order.
bool UnitNameLess(std::string_view a, std::string_view b);

/// One category: its fixed place in the catalogue, its tab caption, its section in
/// the settings file and its table of units. Units[i] is table position i + 1 and
/// is designated by list position i.
struct UnitCategory {
  int Index = 0;
  std::string_view DisplayName;
  std::string_view SectionName;
  ConversionKind Kind = ConversionKind::Linear;
  int Count = 0;
  std::vector<UnitRecord> Units;
};

/// The 23 categories and their unit tables. Built once at start-up; afterwards only
/// the order of the records inside a table ever changes.
class UnitCatalogue {
 public:
  static constexpr int CategoryCount = 23;
  static constexpr int TemperatureIndex = 13;
  static constexpr int NumbersIndex = 16;
  static constexpr int FractionsIndex = 17;
  /// The sum of all 23 counts, as the About box shows it.
  static constexpr int TotalUnitCount = 425;

  /// Builds the category names and then every table in definition order.
  UnitCatalogue();

  /// Creates the display-name list in index order and the 23 categories.
  void BuildCategoryNames();
  /// Writes every table in definition order, replacing whatever order a sort left.
  /// Calling it again always gives the same tables.
  void BuildTables();
  /// Puts every table into alphabetical order (UnitNameLess) in place. Records move
  /// whole, so each unit keeps its factor or code. Sorting twice equals sorting once.
  void SortUnitTables();

  /// The index of the first category whose display name equals `displayName`
  /// exactly (case-sensitive); 0 (Length) when none does.
  int IndexOfCategory(std::string_view displayName) const;
  /// Like IndexOfCategory, but -1 when no category has that name.
  int FindCategory(std::string_view displayName) const;

  /// The names of the category's units in current table order.
  std::vector<std::string_view> UnitNames(int index) const;

  const UnitCategory& Category(int index) const { return m_categories.at(index); }
  const std::vector<std::string_view>& CategoryNames() const { return m_categoryNames; }

 private:
  std::array<UnitCategory, CategoryCount> m_categories;
  std::vector<std::string_view> m_categoryNames;
};

}  // namespace quantivo::catalogue
