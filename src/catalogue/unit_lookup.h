#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue/unit_catalogue.h"

namespace quantivo::catalogue {

/// The rules by which a typed word names a unit, closest first.
enum class NameRule {
  TableName,   // the name the lists show
  AnyCase,     // the same in another case
  OtherName,   // a symbol with its case, or another word in any case ("km", "metres")
  Spelling,    // either of them spelt without "²", "³" or "°" ("ft2", "sq ft", "degF")
  SymbolCase,  // a symbol of two characters or more in another case, of one unit only ("KM")
  Start,       // the start of a name, four characters or more, of one unit only
};

/// What a typed word names in one category: the unit's list position, or -1.
struct NameReading {
  int Position = -1;
  NameRule Rule = NameRule::TableName;
  /// No unit, because the word is the start of several and none is guessed.
  bool Ambiguous = false;
};

/// A category in which a typed word names a unit (or the start of several).
struct CategoryReading {
  int Category = 0;
  NameReading Reading;
};

/// Every name a unit is known by (its table name and its other names) for every
/// category, in hash tables and one sorted table built once, so that a word costs a
/// few lookups and never a scan. It reads the tables' order when built: after they
/// are sorted or rebuilt, call Refresh() before looking up again.
class UnitLookup {
 public:
  /// The catalogue must outlive the lookup.
  explicit UnitLookup(const UnitCatalogue& catalogue);

  /// Takes the list positions from the tables in their present order.
  void Refresh();

  /// The unit `typed` names in the category, by the first rule that finds one: its
  /// table name; that name in any case; an other name; either spelt without "²", "³"
  /// or "°"; a symbol of two characters or more in another case, when no other unit's
  /// symbol is the same but for case ("KM", but not "mw", which is mW or MW); the
  /// start of one unit's name or word. An empty word names nothing.
  NameReading Find(int category, std::string_view typed) const;

  /// The categories in which `typed` names a unit, in index order, each by its closest
  /// rule. A word that is a name somewhere is never taken as the start of another
  /// ("meter" is not read as "meter²") nor as a symbol in another case ("MB" is not
  /// "mb"); those rules count only for a word that is no name anywhere.
  std::vector<CategoryReading> FindEverywhere(std::string_view typed) const;

  /// The category's table names in list order, then its other names: what a person
  /// may type, for completion and for "did you mean".
  std::vector<std::string_view> NamesOf(int category) const;

 private:
  struct Entry {
    int Category = 0;
    int Unit = 0;  // in definition order
  };
  using Table = std::unordered_map<std::string_view, std::vector<Entry>>;
  // One table for each way a word is compared, and the rule it stands for.
  enum Key {
    kExact,
    kLower,
    kSymbol,
    kWord,
    kSpelledSymbol,
    kSpelledWord,
    kSymbolLower,
    kKeyCount
  };

  std::string_view Keep(std::string text);
  void Add(Key key, std::string_view name, Entry entry);
  /// Calls `take(entry, rule)` for the entries each rule finds, closest rule first,
  /// until it returns true; starts only when `starts`.
  template <typename Take>
  void Visit(std::string_view typed, bool starts, Take take) const;

  const UnitCatalogue& m_catalogue;
  std::deque<std::string> m_texts;  // the folded names the tables point into
  Table m_tables[kKeyCount];
  std::vector<std::pair<std::string_view, Entry>> m_starts;  // folded, sorted
  std::vector<std::vector<int>> m_positions;                 // [category][unit]
};

}  // namespace quantivo::catalogue
