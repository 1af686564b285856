#include "catalogue/unit_lookup.h"

#include <algorithm>
#include <limits>

#include "catalogue/name_match.h"

namespace quantivo::catalogue {

int FindCategoryName(const UnitCatalogue& catalogue, std::string_view name) {
  return FindName(catalogue.CategoryNames(), name).Position;
}

UnitLookup::UnitLookup(const UnitCatalogue& catalogue) : m_catalogue(catalogue) {
  for (int c = 0; c < catalogue.CategoryCount(); ++c) {
    const std::span<const UnitRecord> units = catalogue.DefinedUnits(c);
    for (int u = 0; u < static_cast<int>(units.size()); ++u) {
      NamedUnits& named = m_tableNames[units[static_cast<std::size_t>(u)].Name];
      if (named.Count < static_cast<int>(named.Units.size())) named.Units[named.Count++] = {c, u};
    }
  }
  Refresh();
}

std::string_view UnitLookup::Keep(std::string_view name, std::string folded) const {
  if (folded == name) return name;
  return m_texts.emplace_back(std::move(folded));
}

void UnitLookup::AddFolded(Key kind, std::string_view name, std::string folded, Entry entry) const {
  const std::string_view text = Keep(name, std::move(folded));
  m_folded.push_back({std::hash<std::string_view>{}(text), text, kind, entry});
}

// A spelt form is kept only where it differs from the plain one; the lookup reads the
// plain ones for it too.
void UnitLookup::AddSpelled(Key kind, std::string_view name, std::string spelled,
                            std::string_view plain, Entry entry) const {
  if (spelled != plain) AddFolded(kind, name, std::move(spelled), entry);
}

void UnitLookup::Fold() const {
  if (m_isFolded) return;
  m_isFolded = true;
  for (int c = 0; c < m_catalogue.CategoryCount(); ++c) {
    const std::span<const UnitRecord> units = m_catalogue.DefinedUnits(c);
    for (int u = 0; u < static_cast<int>(units.size()); ++u) {
      const std::string_view name = units[static_cast<std::size_t>(u)].Name;
      AddFolded(kLower, name, AsciiLowerCase(name), {c, u});
      AddSpelled(kSpelledWord, name, AsciiLowerCase(SpelledForm(name)), m_folded.back().Text,
                 {c, u});
    }
    FoldOtherNames(c);
  }
  GroupFoldedByBucket();
}

void UnitLookup::FoldOtherNames(int category) const {
  for (const UnitOtherNames& other : m_catalogue.OtherNamesOf(category)) {
    const auto named = m_tableNames.find(other.Unit);
    if (named == m_tableNames.end()) continue;  // the catalogue's tests name such a line
    const auto unit =
        std::find_if(named->second.Units.begin(), named->second.Units.begin() + named->second.Count,
                     [&](const Entry& e) { return e.Category == category; });
    if (unit == named->second.Units.begin() + named->second.Count) continue;
    const Entry entry = *unit;
    ForEachListedName(other.Symbols, [&](std::string_view symbol) {
      AddFolded(kSymbol, symbol, std::string(symbol), entry);
      std::string spelled = SpelledForm(symbol);
      // One letter in another case is another symbol too often: m and M, s and S.
      if (CharacterCount(symbol) >= 2) {
        AddSpelled(kSymbolLower, symbol, AsciiLowerCase(spelled), symbol, entry);
      }
      AddSpelled(kSpelledSymbol, symbol, std::move(spelled), symbol, entry);
    });
    ForEachListedName(other.Words, [&](std::string_view word) {
      AddFolded(kWord, word, AsciiLowerCase(word), entry);
      AddSpelled(kSpelledWord, word, AsciiLowerCase(SpelledForm(word)), m_folded.back().Text,
                 entry);
    });
  }
}

std::size_t UnitLookup::BucketOf(std::size_t hash) {
  return hash >> (std::numeric_limits<std::size_t>::digits - kBucketBits);
}

// A counting sort by bucket.
void UnitLookup::GroupFoldedByBucket() const {
  m_buckets.assign((std::size_t{1} << kBucketBits) + 1, 0);
  for (const Keyed& keyed : m_folded) ++m_buckets[BucketOf(keyed.Hash) + 1];
  for (std::size_t b = 1; b < m_buckets.size(); ++b) m_buckets[b] += m_buckets[b - 1];
  std::vector<Keyed> grouped(m_folded.size());
  std::vector<std::uint32_t> next(m_buckets.begin(), m_buckets.end() - 1);
  for (const Keyed& keyed : m_folded) grouped[next[BucketOf(keyed.Hash)]++] = keyed;
  m_folded = std::move(grouped);
}

const std::vector<UnitLookup::Keyed>& UnitLookup::Starts() const {
  if (m_starts.empty()) {
    std::copy_if(m_folded.begin(), m_folded.end(), std::back_inserter(m_starts),
                 [](const Keyed& k) {
                   return k.Kind == kLower || k.Kind == kWord || k.Kind == kSpelledWord;
                 });
    std::sort(m_starts.begin(), m_starts.end(),
              [](const Keyed& a, const Keyed& b) { return a.Text < b.Text; });
  }
  return m_starts;
}

void UnitLookup::Refresh() {
  // Each name of the tables in their present order is in the table of names already:
  // its entry for this category learns the position.
  m_positions.assign(static_cast<std::size_t>(m_catalogue.CategoryCount()), {});
  for (int c = 0; c < m_catalogue.CategoryCount(); ++c) {
    const std::vector<UnitRecord>& units = m_catalogue.Category(c).Units;
    std::vector<int>& positions = m_positions[static_cast<std::size_t>(c)];
    positions.assign(units.size(), -1);
    for (int p = 0; p < static_cast<int>(units.size()); ++p) {
      NamedUnits& named = m_tableNames[units[static_cast<std::size_t>(p)].Name];
      for (int i = 0; i < named.Count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (named.Units[k].Category != c) continue;
        named.Positions[k] = p;
        positions[static_cast<std::size_t>(named.Units[k].Unit)] = p;
      }
    }
  }
}

template <typename Take>
void UnitLookup::Visit(std::string_view typed, Take take) const {
  if (typed.empty()) return;
  std::vector<Entry> found;
  // Each rule hands over what it found and asks whether to go on.
  const auto offer = [&](NameRule rule) {
    const bool done = !found.empty() && take(found, rule);
    found.clear();
    return done;
  };
  if (const auto exact = m_tableNames.find(typed); exact != m_tableNames.end()) {
    found.assign(exact->second.Units.begin(), exact->second.Units.begin() + exact->second.Count);
  }
  if (offer(NameRule::TableName)) return;
  Fold();
  const auto collect = [&](std::string_view text, std::initializer_list<Key> kinds) {
    Collect(text, kinds, found);
  };
  const std::string lower = AsciiLowerCase(typed);
  collect(lower, {kLower});
  if (offer(NameRule::AnyCase)) return;
  collect(typed, {kSymbol});
  collect(lower, {kWord});
  if (offer(NameRule::OtherName)) return;
  const std::string spelled = SpelledForm(typed);
  const std::string spelledLower = AsciiLowerCase(spelled);
  collect(spelled, {kSpelledSymbol, kSymbol});
  collect(spelledLower, {kSpelledWord, kLower, kWord});
  if (offer(NameRule::Spelling)) return;
  // The loose rules: `take` may decline them before anything is looked for.
  if (take(found, NameRule::SymbolCase)) return;
  if (CharacterCount(spelledLower) >= 2) collect(spelledLower, {kSymbolLower, kSymbol});
  if (offer(NameRule::SymbolCase)) return;
  if (CharacterCount(typed) < kMinimumStart || take(found, NameRule::Start)) return;
  CollectStarts(spelledLower, found);
  offer(NameRule::Start);
}

void UnitLookup::Collect(std::string_view text, std::initializer_list<Key> kinds,
                         std::vector<Entry>& found) const {
  const std::size_t hash = std::hash<std::string_view>{}(text);
  const std::size_t bucket = BucketOf(hash);
  for (std::uint32_t i = m_buckets[bucket]; i < m_buckets[bucket + 1]; ++i) {
    const Keyed& keyed = m_folded[i];
    if (keyed.Hash == hash && keyed.Text == text &&
        std::find(kinds.begin(), kinds.end(), keyed.Kind) != kinds.end()) {
      found.push_back(keyed.Where);
    }
  }
}

// The starts of table names and words: the folded texts from `start` on.
void UnitLookup::CollectStarts(std::string_view start, std::vector<Entry>& found) const {
  const std::vector<Keyed>& starts = Starts();
  auto keyed = std::lower_bound(starts.begin(), starts.end(), start,
                                [](const Keyed& a, std::string_view b) { return a.Text < b; });
  for (; keyed != starts.end() && keyed->Text.starts_with(start); ++keyed) {
    found.push_back(keyed->Where);
  }
}

NameReading UnitLookup::Find(int category, std::string_view typed) const {
  // A table name, as scripts write it, costs one lookup and nothing more.
  if (const auto exact = m_tableNames.find(typed); exact != m_tableNames.end()) {
    const NamedUnits& named = exact->second;
    for (int i = 0; i < named.Count; ++i) {
      if (named.Units[static_cast<std::size_t>(i)].Category != category) continue;
      return {named.Positions[static_cast<std::size_t>(i)], NameRule::TableName, false};
    }
  }
  NameReading reading;
  Visit(typed, [&](const std::vector<Entry>& entries, NameRule rule) {
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
  Visit(typed, [&](const std::vector<Entry>& entries, NameRule rule) {
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

std::vector<int> UnitLookup::CategoriesNamingAll(std::span<const std::string_view> words) const {
  const bool allNames = std::all_of(words.begin(), words.end(), [&](std::string_view word) {
    return word.empty() || m_tableNames.contains(word);
  });
  if (!allNames) return {};
  std::vector<int> categories;
  for (int c = 0; c < m_catalogue.CategoryCount(); ++c) categories.push_back(c);
  for (const std::string_view word : words) {
    if (word.empty()) continue;
    const auto names = m_tableNames.find(word);
    if (names == m_tableNames.end()) return {};
    const NamedUnits& named = names->second;
    std::erase_if(categories, [&](int c) {
      return std::none_of(named.Units.begin(), named.Units.begin() + named.Count,
                          [&](const Entry& entry) { return entry.Category == c; });
    });
  }
  return categories;
}

std::vector<std::string_view> UnitLookup::NamesOf(int category) const {
  std::vector<std::string_view> names = m_catalogue.UnitNames(category);
  for (const UnitOtherNames& other : m_catalogue.OtherNamesOf(category)) {
    ForEachOtherName(other, [&](std::string_view name) { names.push_back(name); });
  }
  return names;
}

}  // namespace quantivo::catalogue
