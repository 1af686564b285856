#include "catalogue/unit_search.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

#include "catalogue/name_match.h"

namespace quantivo::catalogue {
namespace {

constexpr std::size_t kRankCount = static_cast<std::size_t>(HitRank::Anywhere) + 1;

// Ends each name in a text of folded names; a match across it is never taken.
constexpr char kSeparator = '\n';

bool IsLeftOut(char c) {
  return c == ' ' || c == '-';
}

bool EndsWord(char c) {
  return IsLeftOut(c) || c == '/' || c == '(';
}

// A text as searches compare it: "Volume - Dry" is "volumedry", "meter²" "meter2".
std::string SearchForm(std::string_view text) {
  std::string form = TypedForm(text);
  std::erase_if(form, IsLeftOut);
  return form;
}

}  // namespace

// One search's marks: each unit's best match so far as one number, smaller better,
// its rank in the top bits, then 0 for the unit's own name or the other name's place
// in Shown (from 1), so that of equal ranks the own name and then the first other
// name win.
class UnitSearch::Marks {
 public:
  static constexpr std::uint32_t kNone = ~std::uint32_t{0};
  static constexpr int kRankShift = 28;  // leaves room for 2^28 - 1 other names
  static constexpr std::uint32_t kOtherMask = (std::uint32_t{1} << kRankShift) - 1;

  static constexpr std::uint32_t Key(HitRank rank, std::uint32_t other = 0) {
    return static_cast<std::uint32_t>(rank) << kRankShift | other;
  }

  explicit Marks(std::size_t units) { m_keys.reserve(units); }

  /// Begins the marks of a category of `units` units.
  void Start(int category, std::uint32_t units) {
    m_categories.push_back({category, 0, units, false, {}});
  }

  /// The present category's marks, made at the first call with no unit marked.
  std::uint32_t* Keys() {
    Searched& category = m_categories.back();
    if (!category.Marked) {
      category.Marked = true;
      category.Base = m_keys.size();
      m_keys.resize(m_keys.size() + category.Units, kNone);
    }
    return m_keys.data() + category.Base;
  }

  /// Counts `count` units marked with `rank` while none had a mark.
  void CountFirst(HitRank rank, std::uint32_t count) {
    m_categories.back().Counts[static_cast<std::size_t>(rank)] += count;
  }

  void Mark(std::uint32_t* keys, std::uint32_t unit, std::uint32_t key) {
    std::uint32_t& best = keys[unit];
    if (key >= best) return;
    auto& counts = m_categories.back().Counts;
    --counts[best >> kRankShift];  // the count of unmarked units is never read
    ++counts[key >> kRankShift];
    best = key;
  }

  void MarkAll(HitRank rank) {
    std::uint32_t* keys = Keys();
    for (std::uint32_t p = 0; p < m_categories.back().Units; ++p) Mark(keys, p, Key(rank));
  }

  /// The hits, rank by rank, the categories in the order searched, units in list order:
  /// the first `limit` of them, and every WholeName hit, which Find orders again.
  std::vector<UnitHit> Hits(const std::vector<FoldedCategory>& folded, std::size_t limit) const {
    std::size_t total = 0;
    std::size_t whole = 0;
    for (const Searched& category : m_categories) {
      for (std::size_t r = 0; r < kRankCount; ++r) total += category.Counts[r];
      whole += category.Counts[static_cast<std::size_t>(HitRank::WholeName)];
    }
    const std::size_t kept = std::min(total, std::max(limit, whole));
    std::vector<UnitHit> hits;
    hits.reserve(kept);
    for (std::uint32_t r = 0; r < kRankCount && hits.size() < kept; ++r) {
      for (const Searched& category : m_categories) {
        if (category.Counts[r] == 0 || hits.size() == kept) continue;
        Append(hits, category, r, folded[static_cast<std::size_t>(category.Index)].Others.Shown,
               kept);
      }
    }
    return hits;
  }

 private:
  struct Searched;

  // The units of one category marked with rank `r`, in list order, until `hits` has
  // `kept` of them.
  void Append(std::vector<UnitHit>& hits, const Searched& category, std::uint32_t r,
              const std::vector<std::string_view>& shown, std::size_t kept) const {
    const std::uint32_t* const keys = m_keys.data() + category.Base;
    const auto rank = static_cast<HitRank>(r);
    auto left =
        static_cast<std::uint32_t>(std::min<std::size_t>(category.Counts[r], kept - hits.size()));
    for (const std::uint32_t* key = keys; left > 0; ++key) {
      if (*key >> kRankShift != r) continue;
      hits.push_back(
          {category.Index, static_cast<int>(key - keys), rank, shown[*key & kOtherMask]});
      --left;
    }
  }

  struct Searched {
    int Index;
    std::size_t Base;  // where its units' marks start
    std::uint32_t Units;
    bool Marked;
    std::array<std::uint32_t, 16> Counts;  // units marked with each rank
  };
  std::vector<Searched> m_categories;
  std::vector<std::uint32_t> m_keys;
};

namespace {

// The starts (of `names`) that `typed` begins; with `whole`, only those it is.
template <typename Names, typename Starts>
auto StartsOf(const Names& names, const Starts& starts, std::string_view typed, bool whole) {
  const auto first = std::lower_bound(
      starts.begin(), starts.end(), typed,
      [&](const auto& start, std::string_view text) { return names.From(start) < text; });
  const auto last = std::partition_point(first, starts.end(), [&](const auto& start) {
    return whole ? names.From(start) == typed : names.From(start).starts_with(typed);
  });
  return std::pair(first, last);
}

}  // namespace

UnitSearch::UnitSearch(const UnitCatalogue& catalogue) : m_catalogue(catalogue) {
  Refresh();
}

UnitSearch::FoldedName UnitSearch::Fold(std::string_view text) {
  // TypedForm keeps every ASCII byte, so the word ends are still there to be seen
  // while the left-out characters are dropped; a run of them ends one word.
  FoldedName name;
  bool wordStart = false;
  for (const char ch : TypedForm(text)) {
    if (!IsLeftOut(ch)) {
      if (wordStart && !name.Text.empty()) name.WordStarts.push_back(name.Text.size());
      name.Text.push_back(ch);
    }
    wordStart = EndsWord(ch);
  }
  return name;
}

// `other` is 0 for a unit's own name, whose later words are found inside it, else the
// other name's place in Shown.
void UnitSearch::Add(FoldedNames& names, std::uint32_t unit, const FoldedName& name,
                     std::uint32_t other, bool alike) {
  const auto begin = static_cast<std::uint32_t>(names.Text.size());
  const auto length = static_cast<std::uint32_t>(name.Text.size());
  names.Text += name.Text;
  const Start start{begin, length, unit, Marks::Key(HitRank::NameStart, other)};
  (alike ? names.AlikeStarts : names.Starts).push_back(start);
  if (other == 0) return;
  for (const std::size_t word : name.WordStarts) {
    const auto at = static_cast<std::uint32_t>(word);
    names.Starts.push_back({begin + at, length - at, unit, Marks::Key(HitRank::WordStart, other)});
  }
}

void UnitSearch::AddInside(InsideNames& inside, const FoldedName& name) {
  if (inside.Begins.empty()) inside.Begins.push_back(0);
  const std::size_t begin = inside.Text.size();
  if (!name.Text.empty()) inside.Text.append(name.Text, 1);
  inside.Text.push_back(kSeparator);
  inside.Begins.push_back(static_cast<std::uint32_t>(inside.Text.size()));
  inside.WordStart.resize(inside.Text.size(), false);
  for (const std::size_t start : name.WordStarts) inside.WordStart[begin + start - 1] = true;
}

void UnitSearch::SortStarts(FoldedNames& names) {
  const auto byText = [&](const Start& a, const Start& b) { return names.From(a) < names.From(b); };
  std::sort(names.Starts.begin(), names.Starts.end(), byText);
  std::sort(names.AlikeStarts.begin(), names.AlikeStarts.end(), byText);
}

void UnitSearch::FoldCategory(int c) {
  const UnitCategory& category = m_catalogue.Category(c);
  FoldedCategory& folded = m_categories[static_cast<std::size_t>(c)];
  folded.Name = SearchForm(category.DisplayName);
  folded.UnitCount = static_cast<std::uint32_t>(category.Units.size());
  folded.Others.Shown.emplace_back();  // a unit's own name: no other name shown
  std::unordered_map<std::string_view, const UnitOtherNames*> othersOf;
  for (const UnitOtherNames& other : m_catalogue.OtherNamesOf(c)) othersOf[other.Unit] = &other;
  for (std::uint32_t p = 0; p < folded.UnitCount; ++p) {
    const FoldedName name = Fold(category.Units[p].Name);
    Add(folded.Units, p, name, 0, false);
    AddInside(folded.Inside, name);
    const auto others = othersOf.find(category.Units[p].Name);
    if (others == othersOf.end()) continue;
    ForEachOtherName(*others->second, [&](std::string_view shown) {
      const FoldedName other = Fold(shown);
      const bool alike = !name.Text.empty() && !other.Text.empty() && name.Text[0] == other.Text[0];
      Add(folded.Others, p, other, static_cast<std::uint32_t>(folded.Others.Shown.size()), alike);
      folded.Others.Shown.push_back(shown);
    });
  }
  SortStarts(folded.Units);
  SortStarts(folded.Others);
}

void UnitSearch::Refresh() {
  m_categories.assign(static_cast<std::size_t>(m_catalogue.CategoryCount()), {});
  for (int c = 0; c < m_catalogue.CategoryCount(); ++c) FoldCategory(c);
}

// The units' own names are marked first: each unit has one, so none is marked yet.
void UnitSearch::MarkNameStarts(const FoldedNames& names, const std::string& typed, Marks& marks) {
  const auto [first, last] = StartsOf(names, names.Starts, typed, false);
  if (first == last) return;
  std::uint32_t* keys = marks.Keys();
  std::uint32_t whole = 0;
  for (auto start = first; start != last; ++start) {
    const bool isWhole = start->Length == typed.size();
    whole += isWhole ? 1 : 0;
    keys[start->Unit] = isWhole ? Marks::Key(HitRank::WholeName) : start->Mark;
  }
  marks.CountFirst(HitRank::WholeName, whole);
  marks.CountFirst(HitRank::NameStart, static_cast<std::uint32_t>(last - first) - whole);
}

void UnitSearch::MarkOtherStarts(const FoldedNames& names, const std::string& typed, Marks& marks) {
  const auto mark = [&](auto first, auto last) {
    if (first == last) return;
    std::uint32_t* keys = marks.Keys();
    constexpr std::uint32_t kNameStart = Marks::Key(HitRank::NameStart) >> Marks::kRankShift;
    for (auto start = first; start != last; ++start) {
      std::uint32_t key = start->Mark;
      // WholeName is rank 0: the other name's place alone.
      if (start->Length == typed.size() && key >> Marks::kRankShift == kNameStart) {
        key &= Marks::kOtherMask;
      }
      marks.Mark(keys, start->Unit, key);
    }
  };
  const auto [first, last] = StartsOf(names, names.Starts, typed, false);
  mark(first, last);
  // A unit's own name starts with a letter as its other name does: only the other
  // name that is that letter can do better.
  const auto [firstAlike, lastAlike] = StartsOf(names, names.AlikeStarts, typed, typed.size() == 1);
  mark(firstAlike, lastAlike);
}

void UnitSearch::MarkInside(const InsideNames& inside, const std::string& typed, Marks& marks) {
  // Matches come in the order of the text, so the unit is most often the last one or
  // close after it.
  const std::string_view text(inside.Text);
  std::uint32_t unit = 0;
  std::uint32_t* keys = nullptr;
  for (std::size_t at = text.find(typed); at != std::string_view::npos;
       at = text.find(typed, at + 1)) {
    if (at >= inside.Begins[unit + 1]) {
      const auto next = std::upper_bound(inside.Begins.begin() + unit + 1, inside.Begins.end(), at);
      unit = static_cast<std::uint32_t>(next - inside.Begins.begin() - 1);
    }
    if (at + typed.size() >= inside.Begins[unit + 1]) continue;  // runs past the name
    if (keys == nullptr) keys = marks.Keys();
    marks.Mark(keys, unit,
               Marks::Key(inside.WordStart[at] ? HitRank::WordStart : HitRank::Anywhere));
  }
}

std::vector<UnitHit> UnitSearch::Find(const std::vector<int>& categoryOrder, std::string_view query,
                                      std::size_t limit) const {
  const std::string typed = SearchForm(query);
  if (typed.empty()) return {};
  std::vector<bool> seen(m_categories.size(), false);
  std::size_t units = 0;
  for (const FoldedCategory& category : m_categories) units += category.UnitCount;
  Marks marks(units);
  for (const int c : categoryOrder) {
    if (c < 0 || c >= static_cast<int>(m_categories.size())) continue;
    if (seen[static_cast<std::size_t>(c)]) continue;
    seen[static_cast<std::size_t>(c)] = true;
    const FoldedCategory& category = m_categories[static_cast<std::size_t>(c)];
    marks.Start(c, category.UnitCount);
    MarkNameStarts(category.Units, typed, marks);
    MarkInside(category.Inside, typed, marks);
    if (category.Name == typed) marks.MarkAll(HitRank::CategoryName);
    MarkOtherStarts(category.Others, typed, marks);
  }
  std::vector<UnitHit> hits = marks.Hits(m_categories, limit);
  // Of the whole names, one written exactly as typed first: "MW" megawatt, "mW" milliwatt.
  const auto wholeEnd = std::find_if(
      hits.begin(), hits.end(), [](const UnitHit& hit) { return hit.Rank != HitRank::WholeName; });
  std::stable_partition(hits.begin(), wholeEnd,
                        [&](const UnitHit& hit) { return hit.OtherName == query; });
  if (hits.size() > limit) hits.resize(limit);
  return hits;
}

std::vector<UnitHit> FindUnits(const UnitCatalogue& catalogue,
                               const std::vector<int>& categoryOrder, std::string_view query) {
  return UnitSearch(catalogue).Find(categoryOrder, query);
}

std::string HitCaption(const UnitCatalogue& catalogue, const UnitHit& hit) {
  const UnitCategory& category = catalogue.Category(hit.Category);
  std::string caption(category.Units.at(static_cast<std::size_t>(hit.Position)).Name);
  if (!hit.OtherName.empty()) caption.append(" (").append(hit.OtherName).append(")");
  caption += " - ";
  caption += category.DisplayName;
  return caption;
}

}  // namespace quantivo::catalogue
