#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <span>
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

/// The category `name` stands for: its name, in any case, or a start of four
/// characters or more of one category's name; -1 for none.
int FindCategoryName(const UnitCatalogue& catalogue, std::string_view name);

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

  /// The categories in which every one of `words` is a table name (an empty word fits
  /// all), in index order: the answer for names as scripts give them, without folding
  /// any other name. Empty when the words need the other rules.
  std::vector<int> CategoriesNamingAll(std::span<const std::string_view> words) const;

  /// The category's table names in list order, then its other names: what a person
  /// may type, for completion and for "did you mean".
  std::vector<std::string_view> NamesOf(int category) const;

 private:
  struct Entry {
    int Category = 0;
    int Unit = 0;  // in definition order
  };
  // The ways a folded name is compared with what was typed.
  enum Key : unsigned char { kLower, kSymbol, kWord, kSpelledSymbol, kSpelledWord, kSymbolLower };
  struct Keyed {
    std::size_t Hash = 0;  // of Text: the folded names are sorted by it
    std::string_view Text;
    Key Kind = kLower;
    Entry Where;
  };

  /// Folds every name the first time a word is not a table name: a script that
  /// writes table names never pays for it.
  void Fold() const;
  /// Folds the other names of the category's units.
  void FoldOtherNames(int category) const;
  /// Adds a folded name of the unit `entry`, made from `name`.
  void AddFolded(Key kind, std::string_view name, std::string folded, Entry entry) const;
  /// AddFolded of a spelt form where it differs from the `plain` one.
  void AddSpelled(Key kind, std::string_view name, std::string spelled, std::string_view plain,
                  Entry entry) const;
  /// Groups the folded names by bucket, the top bits of their hash.
  void GroupFoldedByBucket() const;
  static std::size_t BucketOf(std::size_t hash);
  /// Adds to `found` the units of the folded names equal to `text` of the `kinds`.
  void Collect(std::string_view text, std::initializer_list<Key> kinds,
               std::vector<Entry>& found) const;
  /// Adds to `found` the units of the table names and words that begin with `start`.
  void CollectStarts(std::string_view start, std::vector<Entry>& found) const;
  /// The folded names in text order, for starts; made the first time one is looked for.
  const std::vector<Keyed>& Starts() const;
  /// `folded`, kept while the lookup lives when it differs from `name`.
  std::string_view Keep(std::string_view name, std::string folded) const;
  /// Calls `take(entries, rule)` with what each rule finds, closest rule first, until
  /// it returns true; before the loose rules it is also asked with nothing found.
  template <typename Take>
  void Visit(std::string_view typed, Take take) const;

  const UnitCatalogue& m_catalogue;
  // A table name's units, held in the hash table's own node with their list positions,
  // so that a script's names cost one lookup: a name is a unit's in a few categories
  // at most (liter in Volume and Volume - Dry).
  struct NamedUnits {
    std::array<Entry, 4> Units{};
    std::array<int, 4> Positions{};
    int Count = 0;
  };
  std::unordered_map<std::string_view, NamedUnits> m_tableNames;
  mutable std::deque<std::string> m_texts;  // folded names that differ from their source
  // The folded names grouped by the top bits of their hash, a hash table built in one
  // pass: the names of bucket b are m_folded[m_buckets[b]] to m_folded[m_buckets[b + 1]].
  static constexpr int kBucketBits = 12;
  mutable std::vector<Keyed> m_folded;
  mutable std::vector<std::uint32_t> m_buckets;
  mutable bool m_isFolded = false;
  mutable std::vector<Keyed> m_starts;        // table names and words, sorted by text
  std::vector<std::vector<int>> m_positions;  // [category][unit]
};

}  // namespace quantivo::catalogue
