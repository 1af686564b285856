#include "catalogue/unit_catalogue.h"

#include <algorithm>
#include <functional>
#include <string>

namespace quantivo::catalogue {
namespace {

unsigned char SortKey(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A')
                                : static_cast<unsigned char>(c);
}

}  // namespace

struct UnitCatalogue::CustomStore {
  CustomUnitLists Units;
  // By category; empty for a category without units of the user's own, whose
  // definitions serve as they are.
  std::vector<std::vector<UnitRecord>> Defined;
  std::vector<std::vector<UnitOtherNames>> OtherNames;
  std::vector<std::vector<std::string>> Symbols;  // each unit's other names, joined
};

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
    const std::span<const UnitRecord> definition = DefinedUnits(category.Index);
    category.Units.assign(definition.begin(), definition.end());
    category.TableUnitCount = static_cast<int>(m_definitions[category.Index].Units.size());
  }
}

void UnitCatalogue::SortUnitTables() {
  // No two units of one category share a sort key, so any sort gives the same order.
  for (UnitCategory& category : m_categories) {
    const auto tableEnd = category.Units.begin() + category.TableUnitCount;
    std::sort(category.Units.begin(), tableEnd, [](const UnitRecord& a, const UnitRecord& b) {
      return UnitNameLess(a.Name, b.Name);
    });
    std::sort(tableEnd, category.Units.end(), [](const UnitRecord& a, const UnitRecord& b) {
      return UnitNameLess(a.Name, b.Name);
    });
  }
}

void UnitCatalogue::SetCustomUnits(CustomUnitLists units) {
  auto store = std::make_shared<CustomStore>();
  store->Units = std::move(units);
  store->Units.resize(m_categories.size());
  store->Defined.resize(m_categories.size());
  store->OtherNames.resize(m_categories.size());
  store->Symbols.resize(m_categories.size());
  bool any = false;
  for (std::size_t c = 0; c < m_categories.size(); ++c) {
    std::vector<CustomUnit>& custom = store->Units[c];
    if (!TakesCustomUnits(m_categories[c].Kind)) custom.clear();
    if (custom.empty()) continue;
    any = true;
    const CategoryDefinition& definition = m_definitions[static_cast<std::size_t>(c)];
    std::vector<UnitRecord>& defined = store->Defined[c];
    defined.assign(definition.Units.begin(), definition.Units.end());
    std::vector<std::string>& symbols = store->Symbols[c];
    // Every joined list is made before any is viewed, so none moves under a view.
    for (const CustomUnit& unit : custom) {
      std::string& joined = symbols.emplace_back();
      for (const std::string& other : unit.OtherNames) {
        if (!joined.empty()) joined += ", ";
        joined += other;
      }
    }
    std::vector<UnitOtherNames>& others = store->OtherNames[c];
    others.assign(definition.OtherNames.begin(), definition.OtherNames.end());
    for (std::size_t u = 0; u < custom.size(); ++u) {
      defined.push_back({custom[u].Name, custom[u].Factor});
      if (!symbols[u].empty()) others.push_back({custom[u].Name, symbols[u], {}});
    }
  }
  if (any) {
    m_custom = std::move(store);
  } else {
    m_custom.reset();
  }
  BuildTables();
}

const std::vector<CustomUnit>& UnitCatalogue::CustomUnits(int index) const {
  static const std::vector<CustomUnit> kNone;
  const int defined = m_categories.at(index).Index;
  return m_custom ? m_custom->Units[static_cast<std::size_t>(defined)] : kNone;
}

std::span<const UnitRecord> UnitCatalogue::DefinedUnits(int index) const {
  const auto defined = static_cast<std::size_t>(m_categories.at(index).Index);
  if (m_custom && !m_custom->Defined[defined].empty()) return m_custom->Defined[defined];
  return m_definitions[defined].Units;
}

std::span<const UnitOtherNames> UnitCatalogue::OtherNamesOf(int index) const {
  const auto defined = static_cast<std::size_t>(m_categories.at(index).Index);
  if (m_custom && !m_custom->Defined[defined].empty()) return m_custom->OtherNames[defined];
  return m_definitions[defined].OtherNames;
}

int UnitCatalogue::TotalUnitCount() const {
  int total = 0;
  for (const UnitCategory& category : m_categories) total += category.TableUnitCount;
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
