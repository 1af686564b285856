#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"

namespace quantivo::catalogue {

/// How well a unit matched a search, best first.
enum class HitRank {
  WholeName,     // the unit's whole name
  CategoryName,  // the whole name of the unit's category: every unit of it is listed
  NameStart,     // the start of the unit's name
  WordStart,     // the start of a later word of the name
  Anywhere,      // somewhere inside a word
};

/// One unit found: its category index, its list position in the category's current
/// table order, and how well it matched.
struct UnitHit {
  int Category = 0;
  int Position = 0;
  HitRank Rank = HitRank::Anywhere;
  /// The other name that matched better than the unit's own name ("kg"), or empty.
  std::string_view OtherName;

  friend bool operator==(const UnitHit&, const UnitHit&) = default;
};

/// The unit names, their other names (symbols, plurals, spellings) and the category
/// names of a catalogue, folded once for searching as one types: compared in their
/// typed form (TypedForm) with spaces and "-" left out, so "volume-dry" finds "Volume -
/// Dry", "meter2" "meter²" and "kg" kilogram. It reads the tables in
/// their order when built: after the catalogue's tables are sorted or rebuilt, call
/// Refresh() before searching again.
class UnitSearch {
 public:
  /// The catalogue must outlive the search.
  explicit UnitSearch(const UnitCatalogue& catalogue);

  /// Folds the names again from the tables in their present order.
  void Refresh();

  /// No limit on the hits Find returns.
  static constexpr std::size_t kEveryHit = static_cast<std::size_t>(-1);

  /// The units `query` finds, best first. A unit's whole name comes first, then every
  /// unit of a category whose whole name was typed, then units whose name starts with
  /// the query, then those with a later word starting with it (a word starts after a
  /// space, "-", "/" or "("), then those with it anywhere. Within one rank the
  /// categories come in `categoryOrder` (category indices in tab order), then the
  /// units in list order. An other name counts as the unit's name but never anywhere
  /// inside a word; of whole names, one written exactly as typed comes first ("MW"
  /// before "mW"). A category not in `categoryOrder` has no tab and is not searched.
  /// A query that folds to nothing finds nothing. Only the first `limit` hits are
  /// returned: a list that shows no more need not have the rest written.
  std::vector<UnitHit> Find(const std::vector<int>& categoryOrder, std::string_view query,
                            std::size_t limit = kEveryHit) const;

 private:
  /// Where a name, or a later word of an other name, starts in its text, and the mark
  /// it gives a unit when the query starts it (see Marks).
  struct Start {
    std::uint32_t Offset;
    std::uint32_t Length;  // to the name's end
    std::uint32_t Unit;
    std::uint32_t Mark;  // as NameStart or WordStart
  };
  /// Names folded into one text, and where they start, sorted by the text from there
  /// to the name's end: the names a query starts are found by binary search.
  struct FoldedNames {
    std::string_view From(const Start& start) const {
      return std::string_view(Text).substr(start.Offset, start.Length);
    }

    std::string Text;
    std::vector<Start> Starts;
    /// Other names that start with their unit's own first letter ("kg"), apart: the
    /// unit's own name matches a one-letter query as well as they do.
    std::vector<Start> AlikeStarts;
    std::vector<std::string_view> Shown;  // each other name as written, after an empty one
  };
  /// The units' names without their first characters, each followed by a separator,
  /// for matches inside a name: one substring search covers them all, and a match is
  /// kept only when it ends within its name.
  struct InsideNames {
    std::string Text;
    std::vector<std::uint32_t> Begins;  // where each name starts, then Text's size
    std::vector<bool> WordStart;        // a later word of the name starts here
  };
  struct FoldedCategory {
    std::string Name;
    std::uint32_t UnitCount = 0;
    FoldedNames Units;   // their own names
    FoldedNames Others;  // other names, and where their later words start
    InsideNames Inside;
  };
  struct FoldedName {
    std::string Text;
    std::vector<std::size_t> WordStarts;  // positions in Text after the first
  };
  class Marks;

  static FoldedName Fold(std::string_view name);
  static void Add(FoldedNames& names, std::uint32_t unit, const FoldedName& name,
                  std::uint32_t other, bool alike);
  static void AddInside(InsideNames& inside, const FoldedName& name);
  static void SortStarts(FoldedNames& names);
  void FoldCategory(int c);
  static void MarkNameStarts(const FoldedNames& names, const std::string& typed, Marks& marks);
  static void MarkOtherStarts(const FoldedNames& names, const std::string& typed, Marks& marks);
  static void MarkInside(const InsideNames& inside, const std::string& typed, Marks& marks);

  const UnitCatalogue& m_catalogue;
  std::vector<FoldedCategory> m_categories;
};

/// One search without keeping the folded names: for a single question. Typing goes
/// through a UnitSearch kept between keystrokes.
std::vector<UnitHit> FindUnits(const UnitCatalogue& catalogue,
                               const std::vector<int>& categoryOrder, std::string_view query);

/// A hit as a list shows it: "unit name - Category", as "meter² - Area".
std::string HitCaption(const UnitCatalogue& catalogue, const UnitHit& hit);

}  // namespace quantivo::catalogue
