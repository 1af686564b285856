#include "catalogue/unit_catalogue.h"

#include <algorithm>
#include <functional>

#include "catalogue/unit_tables.h"

namespace quantivo::catalogue {
namespace {

struct CategoryInfo {
  std::string_view DisplayName;
  std::string_view SectionName;
  int Count;
};

// Index order: the order of the display-name list and the default tab order.
constexpr CategoryInfo kCategories[UnitCatalogue::CategoryCount] = {
    {"Length", "Length", 38},
    {"Area", "Area", 26},
    {"Volume", "Volume", 36},
    {"Volume - Dry", "DryVolume", 13},
    {"Time", "Time", 20},
    {"Speed", "Speed", 18},
    {"Mass", "Mass", 41},
    {"Density", "Density", 8},
    {"Force", "Force", 12},
    {"Energy", "Energy", 29},
    {"Power", "Power", 14},
    {"Pressure", "Pressure", 22},
    {"Flow", "Flow", 41},
    {"Temperature", "Temperature", 5},
    {"Angle", "Angle", 12},
    {"Light", "Light", 7},
    {"Numbers", "Numbers", 40},
    {"Fractions", "Fractions", 2},
    {"Computer", "Computer", 14},
    {"Dynamic Viscosity", "Viscosity1", 10},
    {"Kinematic Viscosity", "Viscosity2", 6},
    {"Conductivity", "Conductivity", 5},
    {"Thermal Conductivity", "ThermalConductivity", 6},
};

constexpr int SumOfCounts() {
  int sum = 0;
  for (const CategoryInfo& info : kCategories) sum += info.Count;
  return sum;
}
static_assert(SumOfCounts() == UnitCatalogue::TotalUnitCount);

// The kind follows from the three special indices alone.
constexpr ConversionKind KindOf(int index) {
  if (index == UnitCatalogue::FractionsIndex) return ConversionKind::Fraction;
  if (index == UnitCatalogue::NumbersIndex) return ConversionKind::NumberBase;
  if (index == UnitCatalogue::TemperatureIndex) return ConversionKind::Temperature;
  return ConversionKind::Linear;
}

unsigned char SortKey(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A')
                                : static_cast<unsigned char>(c);
}

}  // namespace

bool UnitNameLess(std::string_view a, std::string_view b) {
  return std::ranges::lexicographical_compare(a, b, std::less<>{}, SortKey, SortKey);
}

UnitCatalogue::UnitCatalogue() {
  BuildCategoryNames();
  BuildTables();
}

void UnitCatalogue::BuildCategoryNames() {
  m_categoryNames.clear();
  m_categoryNames.reserve(CategoryCount);
  for (int i = 0; i < CategoryCount; ++i) {
    const CategoryInfo& info = kCategories[i];
    m_categoryNames.push_back(info.DisplayName);
    UnitCategory& category = m_categories[i];
    category.Index = i;
    category.DisplayName = info.DisplayName;
    category.SectionName = info.SectionName;
    category.Kind = KindOf(i);
    category.Count = info.Count;
  }
}

void UnitCatalogue::BuildTables() {
  for (UnitCategory& category : m_categories) {
    const std::span<const UnitRecord> definition = DefinitionTable(category.Index);
    category.Units.assign(definition.begin(), definition.end());
  }
}

void UnitCatalogue::SortUnitTables() {
  // No two units of one category share a sort key, so any sort gives the same order.
  for (UnitCategory& category : m_categories) {
    std::ranges::sort(category.Units, UnitNameLess, &UnitRecord::Name);
  }
}

int UnitCatalogue::FindCategory(std::string_view displayName) const {
  for (int i = 0; i < static_cast<int>(m_categoryNames.size()); ++i) {
    if (m_categoryNames[i] == displayName) return i;
  }
  return -1;
}

int UnitCatalogue::IndexOfCategory(std::string_view displayName) const {
  const int index = FindCategory(displayName);
  return index < 0 ? 0 : index;
}

std::vector<std::string_view> UnitCatalogue::UnitNames(int index) const {
  const UnitCategory& category = Category(index);
  std::vector<std::string_view> names;
  names.reserve(category.Units.size());
  for (const UnitRecord& record : category.Units) names.push_back(record.Name);
  return names;
}

}  // namespace quantivo::catalogue
