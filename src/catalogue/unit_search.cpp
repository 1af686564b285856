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
// its rank in the top bits, then 0 for the unit's own name or 1 + the index of the
// other name, so that of equal ranks the own name and then the first other name win.
// A category's marks are made when its first unit is marked.
class UnitSearch::Marks {
 public:
  static constexpr std::uint32_t kNone = ~std::uint32_t{0};
  static constexpr int kRankShift = 28;  // leaves room for 2^28 - 1 other names

  explicit Marks(std::size_t units) { m_keys.reserve(units); }

  void Start(int category, std::size_t units) {
    m_categories.push_back({category, 0, static_cast<std::uint32_t>(units), false, {}});
  }

  void Mark(std::uint32_t unit, HitRank rank, std::uint32_t other) {
    Searched& category = m_categories.back();
    if (!category.Marked) {
      category.Marked = true;
      category.Base = m_keys.size();
      m_keys.resize(m_keys.size() + category.Units, kNone);
    }
    const std::uint32_t key = static_cast<std::uint32_t>(rank) << kRankShift | other;
    std::uint32_t& best = m_keys[category.Base + unit];
    if (key >= best) return;
    --category.Counts[best >> kRankShift];  // an unmarked unit's count is never read
    ++category.Counts[key >> kRankShift];
    best = key;
  }

  /// Every unit of the present category that is not its whole name.
  void MarkAll(HitRank rank) {
    for (std::uint32_t p = 0; p < m_categories.back().Units; ++p) Mark(p, rank, 0);
  }

  /// The hits, rank by rank, the categories in the order searched, units in list order.
  std::vector<UnitHit> Hits(const std::vector<FoldedCategory>& folded) const {
    std::size_t total = 0;
    for (const Searched& category : m_categories) {
      for (std::size_t r = 0; r < kRankCount; ++r) total += category.Counts[r];
    }
    std::vector<UnitHit> hits;
    hits.reserve(total);
    for (std::size_t r = 0; r < kRankCount; ++r) {
      for (const Searched& category : m_categories) {
        const std::uint32_t* keys = m_keys.data() + category.Base;
        const auto& shown = folded[static_cast<std::size_t>(category.Index)].Others.Shown;
        for (std::uint32_t p = 0, left = category.Counts[r]; left > 0; ++p) {
          if (keys[p] >> kRankShift != r) continue;
          const std::uint32_t other = keys[p] & ((1u << kRankShift) - 1);
          hits.push_back({category.Index, static_cast<int>(p), static_cast<HitRank>(r),
                          other == 0 ? std::string_view() : shown[other - 1]});
          --left;
        }
      }
    }
    return hits;
  }

 private:
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

void UnitSearch::Add(FoldedNames& names, std::uint32_t unit, const FoldedName& name,
                     bool wordStarts) {
  const auto begin = static_cast<std::uint32_t>(names.Text.size());
  if (names.Begins.empty()) names.Begins.push_back(0);
  names.Text.append(name.Text).push_back(kSeparator);
  names.Begins.push_back(static_cast<std::uint32_t>(names.Text.size()));
  names.Owners.push_back(unit);
  const auto index = static_cast<std::uint32_t>(names.Owners.size() - 1);
  names.Starts.push_back({begin, index});
  if (!wordStarts) return;
  for (const std::size_t start : name.WordStarts) {
    names.Starts.push_back({begin + static_cast<std::uint32_t>(start), index});
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

std::string_view UnitSearch::FoldedNames::From(const Start& start) const {
  return std::string_view(Text).substr(start.Offset, Begins[start.Name + 1] - 1 - start.Offset);
}

void UnitSearch::SortStarts(FoldedNames& names) {
  std::sort(names.Starts.begin(), names.Starts.end(),
            [&](const Start& a, const Start& b) { return names.From(a) < names.From(b); });
}

void UnitSearch::FoldCategory(int c) {
  const UnitCategory& category = m_catalogue.Category(c);
  FoldedCategory& folded = m_categories[static_cast<std::size_t>(c)];
  folded.Name = SearchForm(category.DisplayName);
  std::unordered_map<std::string_view, const UnitOtherNames*> othersOf;
  for (const UnitOtherNames& other : m_catalogue.OtherNamesOf(c)) othersOf[other.Unit] = &other;
  for (std::size_t p = 0; p < category.Units.size(); ++p) {
    const auto unit = static_cast<std::uint32_t>(p);
    const FoldedName name = Fold(category.Units[p].Name);
    Add(folded.Units, unit, name, false);
    AddInside(folded.Inside, name);
    const auto others = othersOf.find(category.Units[p].Name);
    if (others == othersOf.end()) continue;
    ForEachOtherName(*others->second, [&](std::string_view shown) {
      Add(folded.Others, unit, Fold(shown), true);
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

void UnitSearch::MarkStarts(const FoldedNames& names, const std::string& typed, bool others,
                            Marks& marks) {
  const auto first = std::lower_bound(
      names.Starts.begin(), names.Starts.end(), std::string_view(typed),
      [&](const Start& start, std::string_view text) { return names.From(start) < text; });
  const auto last = std::partition_point(first, names.Starts.end(), [&](const Start& start) {
    return names.From(start).starts_with(typed);
  });
  for (auto start = first; start != last; ++start) {
    const std::uint32_t name = start->Name;
    const std::uint32_t end = names.Begins[name + 1] - 1;
    const HitRank rank = start->Offset != names.Begins[name]   ? HitRank::WordStart
                         : end - start->Offset == typed.size() ? HitRank::WholeName
                                                               : HitRank::NameStart;
    marks.Mark(names.Owners[name], rank, others ? name + 1 : 0);
  }
}

void UnitSearch::MarkInside(const InsideNames& inside, const std::string& typed, Marks& marks) {
  // Matches come in the order of the text, so the unit is most often the last one or
  // close after it.
  const std::string_view text(inside.Text);
  std::uint32_t unit = 0;
  for (std::size_t at = text.find(typed); at != std::string_view::npos;
       at = text.find(typed, at + 1)) {
    if (at >= inside.Begins[unit + 1]) {
      const auto next = std::upper_bound(inside.Begins.begin() + unit + 1, inside.Begins.end(), at);
      unit = static_cast<std::uint32_t>(next - inside.Begins.begin() - 1);
    }
    if (at + typed.size() >= inside.Begins[unit + 1]) continue;  // runs past the name
    marks.Mark(unit, inside.WordStart[at] ? HitRank::WordStart : HitRank::Anywhere, 0);
  }
}

std::vector<UnitHit> UnitSearch::Find(const std::vector<int>& categoryOrder,
                                      std::string_view query) const {
  const std::string typed = SearchForm(query);
  if (typed.empty()) return {};
  std::vector<bool> seen(m_categories.size(), false);
  std::size_t units = 0;
  for (const FoldedCategory& category : m_categories) units += category.Units.Owners.size();
  Marks marks(units);
  for (const int c : categoryOrder) {
    if (c < 0 || c >= static_cast<int>(m_categories.size())) continue;
    if (seen[static_cast<std::size_t>(c)]) continue;
    seen[static_cast<std::size_t>(c)] = true;
    const FoldedCategory& category = m_categories[static_cast<std::size_t>(c)];
    marks.Start(c, category.Units.Owners.size());
    MarkStarts(category.Units, typed, false, marks);
    MarkInside(category.Inside, typed, marks);
    if (category.Name == typed) marks.MarkAll(HitRank::CategoryName);
    MarkStarts(category.Others, typed, true, marks);
  }
  std::vector<UnitHit> hits = marks.Hits(m_categories);
  // Of the whole names, one written exactly as typed first: "MW" megawatt, "mW" milliwatt.
  const auto wholeEnd = std::find_if(
      hits.begin(), hits.end(), [](const UnitHit& hit) { return hit.Rank != HitRank::WholeName; });
  std::stable_partition(hits.begin(), wholeEnd,
                        [&](const UnitHit& hit) { return hit.OtherName == query; });
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
