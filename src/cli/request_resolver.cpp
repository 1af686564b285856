#include "request_resolver.h"

#include <algorithm>

#include "cli_output.h"
#include "engine/typed_value.h"

namespace quantivo::cli {
namespace {

// Adds to `holding` the categories in which every word names a unit, by the closest
// rule any category allows: a category counts by the loosest rule one of its words
// needs, and a closer one replaces what `holding` had.
void AddClosestCategories(int categoryCount, const WordReadings& readings,
                          std::vector<int>& holding) {
  auto best = catalogue::NameRule::Start;
  for (int c = 0; c < categoryCount; ++c) {
    auto loosest = catalogue::NameRule::TableName;
    const bool all = std::all_of(readings.begin(), readings.end(), [&](const auto& word) {
      const auto reading =
          std::find_if(word.begin(), word.end(), [&](const auto& r) { return r.Category == c; });
      if (reading == word.end() || reading->Reading.Position < 0) return false;
      loosest = std::max(loosest, reading->Reading.Rule);
      return true;
    });
    if (!all || loosest > best) continue;
    if (loosest < best) holding.clear();
    best = loosest;
    holding.push_back(c);
  }
}

// A category in which word w is the start of several units and to be reported so:
// any, when the word names a unit nowhere, or else one where the other words are
// units; -1 for none.
int AmbiguousCategory(std::size_t w, const WordReadings& readings) {
  const bool onlyAmbiguous = std::none_of(readings[w].begin(), readings[w].end(),
                                          [](const auto& r) { return r.Reading.Position >= 0; });
  for (const catalogue::CategoryReading& reading : readings[w]) {
    if (!reading.Reading.Ambiguous) continue;
    if (onlyAmbiguous) return reading.Category;
    const bool othersThere = std::all_of(readings.begin(), readings.end(), [&](const auto& word) {
      return &word == &readings[w] || std::any_of(word.begin(), word.end(), [&](const auto& r) {
        return r.Category == reading.Category && r.Reading.Position >= 0;
      });
    });
    if (othersThere) return reading.Category;
  }
  return -1;
}

}  // namespace

bool RequestResolver::Resolve(const RequestWords& request, Resolved& resolved,
                              std::string& message) const {
  std::vector<std::string_view>& words = m_words;
  words.clear();
  for (const MeasureWords& part : request.Parts) words.push_back(part.Unit);
  words.push_back(request.To);
  if (request.HasCategory) {
    resolved.Category = NamedCategory(request.Category);
    if (resolved.Category < 0) {
      message = CategoryProblem(m_catalogue, request.Category);
      return false;
    }
  } else if (!FindCategory(words, resolved.Category, message)) {
    return false;
  }
  if (!FindUnits(words, resolved, message)) return false;
  if (request.Parts.size() > 1) return CheckMeasure(request, resolved, message);
  return true;
}

// The category `name` stands for, -1 for none. A batch names the same category line
// after line: the last one is remembered.
int RequestResolver::NamedCategory(std::string_view name) const {
  if (name != m_lastCategory || m_lastCategoryIndex < 0) {
    m_lastCategory = name;
    m_lastCategoryIndex = catalogue::FindCategoryName(m_catalogue, name);
  }
  return m_lastCategoryIndex;
}

// The one category that holds a unit for every word (an empty one fits all), found
// by the closest rule any category allows; false with the message otherwise.
bool RequestResolver::FindCategory(const std::vector<std::string_view>& words, int& found,
                                   std::string& message) const {
  std::vector<std::string_view> named;
  for (const std::string_view word : words) {
    if (!word.empty()) named.push_back(word);
  }
  if (named.empty()) {
    message = "no unit named: name the category, or a unit";
    return false;
  }
  // Table names, as scripts give them: the categories naming them all are the answer.
  std::vector<int> holding = m_lookup.CategoriesNamingAll(named);
  if (holding.size() == 1) {
    found = holding.front();
    return true;
  }
  // Views of the remembered readings, which stay put while this request is read.
  if (m_everywhere.size() + named.size() > kRemembered) m_everywhere.clear();
  WordReadings readings;
  for (const std::string_view word : named) readings.push_back(Everywhere(word));
  AddClosestCategories(m_catalogue.CategoryCount(), readings, holding);
  if (holding.size() == 1) {
    found = holding.front();
    return true;
  }
  if (holding.size() > 1) {
    const bool table = words.back().empty() && named.size() == 1;
    message = m_problems.InSeveralCategories(named, holding, table, m_batch);
  } else {
    message = NoCategoryProblem(named, readings);
  }
  return false;
}

// Why no category holds all the words: a word that names nothing, a word that is the
// start of several units where the others are, or units of different categories.
std::string RequestResolver::NoCategoryProblem(const std::vector<std::string_view>& named,
                                               const WordReadings& readings) const {
  for (std::size_t w = 0; w < named.size(); ++w) {
    if (!readings[w].empty()) continue;
    // The category the other words name when each that names one unit names it there.
    int other = -1;
    for (std::size_t v = 0; v < named.size(); ++v) {
      if (v == w || readings[v].size() != 1) continue;
      other = other == -1 || other == readings[v][0].Category ? readings[v][0].Category : -2;
    }
    return other >= 0 ? m_problems.UnknownUnit(other, named[w], false)
                      : m_problems.UnknownUnit(named[w]);
  }
  for (std::size_t w = 0; w < named.size(); ++w) {
    const int category = AmbiguousCategory(w, readings);
    if (category >= 0) return m_problems.UnknownUnit(category, named[w], true);
  }
  return m_problems.InDifferentCategories(named, readings);
}

// The list position of each word in the resolved category: the value's units, then
// the unit converted to. An empty word is no unit (-1).
bool RequestResolver::FindUnits(const std::vector<std::string_view>& words, Resolved& resolved,
                                std::string& message) const {
  const int c = resolved.Category;
  resolved.From.clear();
  for (std::size_t i = 0; i < words.size(); ++i) {
    const catalogue::NameReading reading = m_lookup.Find(c, words[i]);
    if (reading.Position < 0 && !words[i].empty()) {
      message = m_problems.UnknownUnit(c, words[i], reading.Ambiguous);
      return false;
    }
    if (i + 1 < words.size())
      resolved.From.push_back(reading.Position);
    else
      resolved.To = reading.Position;
  }
  return true;
}

// A value in several units: of a category converted by a factor, each number with
// its unit, a sign before the first number only (-5 ft 3 in is minus five feet three).
bool RequestResolver::CheckMeasure(const RequestWords& request, const Resolved& resolved,
                                   std::string& message) const {
  const catalogue::UnitCategory& category = m_catalogue.Category(resolved.Category);
  if (category.Kind != catalogue::ConversionKind::Linear) {
    message =
        "a value in several units is for measured quantities, not " + Quoted(category.DisplayName);
    return false;
  }
  for (std::size_t i = 0; i < request.Parts.size(); ++i) {
    const std::string_view value = engine::WithoutBlanks(request.Parts[i].Value);
    if (resolved.From[i] < 0) {
      message = "a value in several units needs a unit after each number";
      return false;
    }
    if (i > 0 && (value.starts_with('-') || value.starts_with('+'))) {
      message = "in a value of several units only the first number takes a sign";
      return false;
    }
  }
  return true;
}

// What FindEverywhere gives, remembered: a batch names the same units again and again.
const std::vector<catalogue::CategoryReading>& RequestResolver::Everywhere(
    std::string_view word) const {
  const auto known = m_everywhere.find(std::string(word));
  if (known != m_everywhere.end()) return known->second;
  return m_everywhere.emplace(std::string(word), m_lookup.FindEverywhere(word)).first->second;
}

}  // namespace quantivo::cli
