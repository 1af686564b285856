#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/custom_units.h"
#include "catalogue/extended.h"

namespace quantivo::catalogue {

/// How a category converts. Linear categories carry a factor per unit; the other
/// three carry a unit code (the unit's 1-based position in definition order).
enum class ConversionKind { Linear, Temperature, NumberBase, Fraction };

/// A fraction is made of the decimal typed: the input list is hidden and only the
/// output list (the fraction's form) is chosen.
constexpr bool HasInputUnit(ConversionKind kind) {
  return kind != ConversionKind::Fraction;
}

/// A measured quantity, converted by a factor or a formula: its results are numbers
/// written in the locale's format. A number system's digits and a fraction are not.
constexpr bool IsMeasured(ConversionKind kind) {
  return kind == ConversionKind::Linear || kind == ConversionKind::Temperature;
}

/// Inverting exchanges the units and feeds the result back as the input. Only a
/// measured quantity reads back.
constexpr bool CanInvert(ConversionKind kind) {
  return IsMeasured(kind);
}

/// One unit. For a Linear category, Factor is how many of this unit make one
/// reference unit; for the others it is the unit's code.
struct UnitRecord {
  std::string_view Name;  // UTF-8, at most 31 characters
  Extended Factor = 0;

  friend bool operator==(const UnitRecord&, const UnitRecord&) = default;
};

/// The names people use for one unit besides its table name, each list separated by
/// ",": its symbols, which keep their case ("mW" is not "MW"), and words (plurals,
/// other spellings, everyday names), which are read in any case. Each means the unit
/// the table defines; none is shown in the lists or stored.
struct UnitOtherNames {
  std::string_view Unit;     // the table name, exactly
  std::string_view Symbols;  // "km"
  std::string_view Words;    // "kilometre, kilometers, kilometres"
};

/// The alphabetical order of unit names: "a" to "z" count as upper case, every other
/// byte compares by its value, and a name that begins another comes first. In UTF-8
/// this keeps "°", "²", "³" and "é" after all ASCII letters and in that order.
bool UnitNameLess(std::string_view a, std::string_view b);

/// How a category is defined: its tab caption, its section in the settings file,
/// its kind and its table of units in definition order.
struct CategoryDefinition {
  std::string_view DisplayName;
  std::string_view SectionName;
  ConversionKind Kind = ConversionKind::Linear;
  std::span<const UnitRecord> Units;
  std::span<const UnitOtherNames> OtherNames = {};  // a line for each unit that has any
  /// The section's place among the settings file's sections; equal places keep the
  /// index order.
  int SectionPlace = 0;
};

/// Two units of the category most people know its quantity by ("meter", "foot"), by
/// their table names, to explain a unit of the user's own; empty names for none.
std::array<std::string_view, 2> FamiliarUnits(std::string_view sectionName);

/// The 23 built-in categories in index order: the order of the display-name list
/// and the default tab order.
std::span<const CategoryDefinition> BuiltInCategories();

/// One category: its fixed place in the catalogue, its tab caption, its section in
/// the settings file, its kind and its table of units. Units[i] is table position
/// i + 1 and is designated by list position i. The user's own units follow the
/// table's, so a table unit's position never depends on them.
struct UnitCategory {
  int Index = 0;
  std::string_view DisplayName;
  std::string_view SectionName;
  ConversionKind Kind = ConversionKind::Linear;
  std::vector<UnitRecord> Units;
  /// How many of Units are the table's; the user's own units come after them.
  int TableUnitCount = 0;

  /// Whether list position `position` holds a unit of the user's own.
  bool IsCustomUnit(int position) const { return position >= TableUnitCount; }
};

/// Whether a category takes units of the user's own: only a factor carries them.
constexpr bool TakesCustomUnits(ConversionKind kind) {
  return kind == ConversionKind::Linear;
}

/// The categories and their unit tables. Built once at start-up; afterwards only the
/// order of the records inside a table ever changes.
class UnitCatalogue {
 public:
  /// The built-in categories.
  UnitCatalogue() : UnitCatalogue(BuiltInCategories()) {}
  /// Other categories (a test's small catalogue); the definitions must outlive it.
  explicit UnitCatalogue(std::span<const CategoryDefinition> definitions);

  /// Writes every table in definition order, replacing whatever order a sort left.
  /// Calling it again always gives the same tables.
  void BuildTables();
  /// Puts every table into alphabetical order (UnitNameLess) in place, the table's
  /// units and the user's own each among themselves. Records move whole, so each unit
  /// keeps its factor or code. Sorting twice equals sorting once.
  void SortUnitTables();

  /// Takes the user's own units (by category index; a category that takes none keeps
  /// none) and writes every table in definition order with them after the table's.
  void SetCustomUnits(CustomUnitLists units);
  /// The user's own units of the category, in definition order.
  const std::vector<CustomUnit>& CustomUnits(int index) const;

  int CategoryCount() const { return static_cast<int>(m_categories.size()); }
  /// The number of the tables' units over all categories, as the About box shows it.
  int TotalUnitCount() const;

  /// The index of the first category whose display name equals `displayName`
  /// exactly (case-sensitive); 0 (the first category) when none does.
  int IndexOfCategory(std::string_view displayName) const;
  /// Like IndexOfCategory, but -1 when no category has that name.
  int FindCategory(std::string_view displayName) const;

  /// The names of the category's units in current table order.
  std::vector<std::string_view> UnitNames(int index) const;

  const UnitCategory& Category(int index) const { return m_categories.at(index); }
  /// The category's units in definition order, whatever order its table is in now:
  /// the table's, then the user's own.
  std::span<const UnitRecord> DefinedUnits(int index) const;
  /// The other names of the category's units, in definition order.
  std::span<const UnitOtherNames> OtherNamesOf(int index) const;
  const std::vector<std::string_view>& CategoryNames() const { return m_categoryNames; }
  /// The category indices in the order of their sections in the settings file.
  std::vector<int> CategoriesInSectionOrder() const;

 private:
  /// The user's own units with the records and other names that view them; shared
  /// between copies of the catalogue and never changed once made.
  struct CustomStore;

  std::span<const CategoryDefinition> m_definitions;
  std::shared_ptr<const CustomStore> m_custom;
  std::vector<UnitCategory> m_categories;
  std::vector<std::string_view> m_categoryNames;
};

}  // namespace quantivo::catalogue
