#include "catalogue/unit_catalogue.h"

#include <algorithm>
#include <functional>

namespace quantivo::catalogue {
namespace {

unsigned char SortKey(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A')
                                : static_cast<unsigned char>(c);
}

}  // namespace

bool UnitNameLess(std::string_view a, std::string_view b) {
  return std::ranges::lexicographical_compare(a, b, std::less<>{}, SortKey, SortKey);
}

UnitCatalogue::UnitCatalogue(std::span<const CategoryDefinition> definitions)
    : m_definitions(definitions) {
  m_categories.resize(definitions.size());
  m_categoryNames.reserve(definitions.size());
  for (int i = 0; i < CategoryCount(); ++i) {
    const CategoryDefinition& definition = definitions[i];
    m_categoryNames.push_back(definition.DisplayName);
    UnitCategory& category = m_categories[i];
    category.Index = i;
    category.DisplayName = definition.DisplayName;
    category.SectionName = definition.SectionName;
    category.Kind = definition.Kind;
  }
  BuildTables();
}

void UnitCatalogue::BuildTables() {
  for (UnitCategory& category : m_categories) {
    const std::span<const UnitRecord> definition = m_definitions[category.Index].Units;
    category.Units.assign(definition.begin(), definition.end());
  }
}

void UnitCatalogue::SortUnitTables() {
  // No two units of one category share a sort key, so any sort gives the same order.
  for (UnitCategory& category : m_categories) {
    std::ranges::sort(category.Units, UnitNameLess, &UnitRecord::Name);
  }
}

int UnitCatalogue::TotalUnitCount() const {
  int total = 0;
  for (const UnitCategory& category : m_categories)
    total += static_cast<int>(category.Units.size());
  return total;
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

std::vector<int> UnitCatalogue::CategoriesInSectionOrder() const {
  std::vector<int> order(m_categories.size());
  for (int i = 0; i < CategoryCount(); ++i) order[static_cast<std::size_t>(i)] = i;
  std::ranges::stable_sort(order, std::less<>{}, [this](int i) {
    return m_definitions[static_cast<std::size_t>(m_categories[i].Index)].SectionPlace;
  });
  return order;
}

}  // namespace quantivo::catalogue
