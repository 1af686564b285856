#include "catalogue/unit_lookup.h"

#include <algorithm>

#include "catalogue/name_match.h"

namespace quantivo::catalogue {

UnitLookup::UnitLookup(const UnitCatalogue& catalogue) : m_catalogue(catalogue) {
  for (int c = 0; c < catalogue.CategoryCount(); ++c) {
    const std::span<const UnitRecord> units = catalogue.DefinedUnits(c);
    std::unordered_map<std::string_view, int> unitOf;
    for (int u = 0; u < static_cast<int>(units.size()); ++u) {
      const std::string_view name = units[static_cast<std::size_t>(u)].Name;
      unitOf.emplace(name, u);
      const std::string_view spelled = Keep(AsciiLowerCase(SpelledForm(name)));
      Add(kExact, name, {c, u});
      Add(kLower, Keep(AsciiLowerCase(name)), {c, u});
      Add(kSpelledWord, spelled, {c, u});
      m_starts.emplace_back(spelled, Entry{c, u});
    }
    for (const UnitOtherNames& other : catalogue.OtherNamesOf(c)) {
      const auto unit = unitOf.find(other.Unit);
      if (unit == unitOf.end()) continue;  // the catalogue's tests name such a line
      const Entry entry{c, unit->second};
      ForEachListedName(other.Symbols, [&](std::string_view symbol) {
        Add(kSymbol, symbol, entry);
        Add(kSpelledSymbol, Keep(SpelledForm(symbol)), entry);
        // One letter in another case is another symbol too often: m and M, s and S.
        if (CharacterCount(symbol) >= 2) {
          Add(kSymbolLower, Keep(AsciiLowerCase(SpelledForm(symbol))), entry);
        }
      });
      ForEachListedName(other.Words, [&](std::string_view word) {
        const std::string_view spelled = Keep(AsciiLowerCase(SpelledForm(word)));
        Add(kWord, Keep(AsciiLowerCase(word)), entry);
        Add(kSpelledWord, spelled, entry);
        m_starts.emplace_back(spelled, entry);
      });
    }
  }
  std::sort(m_starts.begin(), m_starts.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  Refresh();
}

std::string_view UnitLookup::Keep(std::string text) {
  return m_texts.emplace_back(std::move(text));
}

void UnitLookup::Add(Key key, std::string_view name, Entry entry) {
  std::vector<Entry>& entries = m_tables[key][name];
  const bool known = std::any_of(entries.begin(), entries.end(), [&](const Entry& e) {
    return e.Category == entry.Category && e.Unit == entry.Unit;
  });
  if (!known) entries.push_back(entry);
}

void UnitLookup::Refresh() {
  m_positions.assign(static_cast<std::size_t>(m_catalogue.CategoryCount()), {});
  for (int c = 0; c < m_catalogue.CategoryCount(); ++c) {
    const std::span<const UnitRecord> defined = m_catalogue.DefinedUnits(c);
    std::unordered_map<std::string_view, int> positionOf;
    const std::vector<UnitRecord>& units = m_catalogue.Category(c).Units;
    for (int p = 0; p < static_cast<int>(units.size()); ++p) {
      positionOf.emplace(units[static_cast<std::size_t>(p)].Name, p);
    }
    std::vector<int>& positions = m_positions[static_cast<std::size_t>(c)];
    for (const UnitRecord& unit : defined) {
      const auto found = positionOf.find(unit.Name);
      positions.push_back(found != positionOf.end() ? found->second : -1);
    }
  }
}

template <typename Take>
void UnitLookup::Visit(std::string_view typed, bool starts, Take take) const {
  if (typed.empty()) return;
  std::vector<Entry> found;
  const auto collect = [&](Key key, std::string_view name) {
    const auto entries = m_tables[key].find(name);
    if (entries != m_tables[key].end()) {
      found.insert(found.end(), entries->second.begin(), entries->second.end());
    }
  };
  // Each rule hands over what it found and asks whether to go on.
  const auto offer = [&](NameRule rule) {
    const bool done = !found.empty() && take(found, rule);
    found.clear();
    return done;
  };
  collect(kExact, typed);
  if (offer(NameRule::TableName)) return;
  const std::string lower = AsciiLowerCase(typed);
  collect(kLower, lower);
  if (offer(NameRule::AnyCase)) return;
  collect(kSymbol, typed);
  collect(kWord, lower);
  if (offer(NameRule::OtherName)) return;
  const std::string spelled = SpelledForm(typed);
  const std::string spelledLower = AsciiLowerCase(spelled);
  collect(kSpelledSymbol, spelled);
  collect(kSpelledWord, spelledLower);
  if (offer(NameRule::Spelling)) return;
  collect(kSymbolLower, spelledLower);
  if (offer(NameRule::SymbolCase)) return;
  if (!starts || CharacterCount(typed) < kMinimumStart) return;
  auto start = std::lower_bound(m_starts.begin(), m_starts.end(), spelledLower,
                                [](const auto& a, const std::string& b) { return a.first < b; });
  for (; start != m_starts.end() && start->first.starts_with(spelledLower); ++start) {
    found.push_back(start->second);
  }
  offer(NameRule::Start);
}

NameReading UnitLookup::Find(int category, std::string_view typed) const {
  // A table name, as scripts write it, costs one lookup and nothing more.
  if (const auto exact = m_tables[kExact].find(typed); exact != m_tables[kExact].end()) {
    for (const Entry& entry : exact->second) {
      if (entry.Category != category) continue;
      return {m_positions[static_cast<std::size_t>(category)][static_cast<std::size_t>(entry.Unit)],
              NameRule::TableName, false};
    }
  }
  NameReading reading;
  Visit(typed, true, [&](const std::vector<Entry>& entries, NameRule rule) {
    int unit = -1;
    for (const Entry& entry : entries) {
      if (entry.Category != category) continue;
      if (unit >= 0 && unit != entry.Unit) {
        reading.Ambiguous = true;
        break;
      }
      unit = entry.Unit;
    }
    if (unit < 0) return false;
    reading.Rule = rule;
    if (!reading.Ambiguous) {
      reading.Position =
          m_positions[static_cast<std::size_t>(category)][static_cast<std::size_t>(unit)];
    }
    return true;
  });
  return reading;
}

std::vector<CategoryReading> UnitLookup::FindEverywhere(std::string_view typed) const {
  std::vector<CategoryReading> readings;
  Visit(typed, true, [&](const std::vector<Entry>& entries, NameRule rule) {
    // The loose rules count only for a word that is no name anywhere: "MB" is the
    // megabyte, never the millibar's "mb".
    if (rule >= NameRule::SymbolCase && !readings.empty()) return true;
    for (const Entry& entry : entries) {
      const auto known = std::find_if(readings.begin(), readings.end(),
                                      [&](const auto& r) { return r.Category == entry.Category; });
      const int position = m_positions[static_cast<std::size_t>(entry.Category)]
                                      [static_cast<std::size_t>(entry.Unit)];
      if (known == readings.end()) {
        readings.push_back({entry.Category, {position, rule, false}});
      } else if (known->Reading.Rule == rule && known->Reading.Position != position) {
        known->Reading = {-1, rule, true};  // this rule finds two units there
      }
    }
    return false;
  });
  std::sort(readings.begin(), readings.end(),
            [](const auto& a, const auto& b) { return a.Category < b.Category; });
  return readings;
}

std::vector<std::string_view> UnitLookup::NamesOf(int category) const {
  std::vector<std::string_view> names = m_catalogue.UnitNames(category);
  for (const UnitOtherNames& other : m_catalogue.OtherNamesOf(category)) {
    ForEachListedName(other.Symbols, [&](std::string_view name) { names.push_back(name); });
    ForEachListedName(other.Words, [&](std::string_view name) { names.push_back(name); });
  }
  return names;
}

}  // namespace quantivo::catalogue
