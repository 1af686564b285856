#include "name_problems.h"

#include <algorithm>

#include "catalogue/name_match.h"
#include "cli_output.h"

namespace quantivo::cli {
namespace {

// Where no name is near, where to find them all.
std::string OrTheList(std::string suggestion, std::string_view category) {
  if (!suggestion.empty()) return suggestion;
  return category.empty() ? std::string("; see quantivo-convert --names")
                          : "; see quantivo-convert --names " + Quoted(category);
}

}  // namespace

std::string CategoryProblem(const catalogue::UnitCatalogue& catalogue, std::string_view name) {
  const bool ambiguous = catalogue::FindName(catalogue.CategoryNames(), name).Ambiguous;
  return (ambiguous ? "ambiguous category " : "unknown category ") + Quoted(name) +
         Suggestion(catalogue.CategoryNames(), name);
}

std::string NameProblems::UnknownUnit(int category, std::string_view name, bool ambiguous) const {
  return (ambiguous ? "ambiguous unit " : "unknown unit ") + Quoted(name) + " in category " +
         Quoted(m_catalogue.Category(category).DisplayName) +
         OrTheList(UnitSuggestion(category, name), m_catalogue.Category(category).DisplayName);
}

std::string NameProblems::UnknownUnit(std::string_view name) const {
  std::vector<std::string_view> all;
  for (int c = 0; c < m_catalogue.CategoryCount(); ++c) {
    const std::vector<std::string_view> names = m_lookup.NamesOf(c);
    all.insert(all.end(), names.begin(), names.end());
  }
  std::sort(all.begin(), all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  return "unknown unit " + Quoted(name) + OrTheList(Suggestion(all, name), {});
}

std::string NameProblems::InSeveralCategories(const std::vector<std::string_view>& named,
                                              const std::vector<int>& categories, bool table,
                                              bool batch) const {
  std::vector<std::string> quoted;
  for (const std::string_view word : named) quoted.push_back(Quoted(word));
  return (table ? "unit " + quoted[0] + " is" : "units " + Listed(quoted) + " are") +
         " in more than one category: " + CategoryList(categories) + "; name the category" +
         (batch ? " in the line's first field"
                : std::string(": quantivo-convert ") + (table ? "--table " : "") +
                      "CATEGORY VALUE FROM" + (table ? "" : " TO"));
}

std::string NameProblems::InDifferentCategories(const std::vector<std::string_view>& named,
                                                const WordReadings& readings) const {
  std::vector<std::string> quoted;
  std::vector<std::string> quantities;
  for (std::size_t w = 0; w < named.size(); ++w) {
    quoted.push_back(Quoted(named[w]));
    quantities.push_back(Quantity(named[w], readings[w]));
  }
  return Listed(quoted) + " are units of different categories: " + Join(quantities, ", ") +
         "; see quantivo-convert --names CATEGORY";
}

// The nearest names of the category, one for each unit ("meter", not also "meters").
std::string NameProblems::UnitSuggestion(int category, std::string_view name) const {
  std::vector<std::string_view> shown;
  std::vector<int> units;
  for (const std::string_view near :
       catalogue::NearestNames(m_lookup.NamesOf(category), name, 12)) {
    const int unit = m_lookup.Find(category, near).Position;
    if (std::find(units.begin(), units.end(), unit) != units.end()) continue;
    units.push_back(unit);
    shown.push_back(near);
    if (shown.size() == 3) break;
  }
  return Suggestion(shown);
}

// "second is Time", "minute is Time or Angle", "\"c\" is c (light) (Speed) or ...".
std::string NameProblems::Quantity(std::string_view word,
                                   std::span<const catalogue::CategoryReading> readings) const {
  std::vector<std::string_view> names;
  std::vector<std::string> categories;
  for (const catalogue::CategoryReading& reading : readings) {
    if (reading.Reading.Position < 0) continue;
    const catalogue::UnitCategory& category = m_catalogue.Category(reading.Category);
    names.push_back(category.Units[static_cast<std::size_t>(reading.Reading.Position)].Name);
    categories.emplace_back(category.DisplayName);
  }
  if (names.empty()) return {};
  const bool oneName =
      std::all_of(names.begin(), names.end(), [&](auto n) { return n == names[0]; });
  std::string text = oneName ? std::string(names[0]) : Quoted(word);
  text += " is ";
  for (std::size_t i = 0; i < categories.size(); ++i) {
    if (i > 0) text += " or ";
    if (!oneName) text.append(names[i]).append(" (");
    text += categories[i];
    if (!oneName) text += ")";
  }
  return text;
}

std::string NameProblems::CategoryList(const std::vector<int>& categories) const {
  std::vector<std::string> names;
  for (const int c : categories) names.emplace_back(m_catalogue.Category(c).DisplayName);
  return Join(names, ", ");
}

}  // namespace quantivo::cli
