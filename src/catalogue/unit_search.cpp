#include "catalogue/unit_search.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

#include "catalogue/name_match.h"

namespace quantivo::catalogue {
namespace {

constexpr std::size_t kRankCount = static_cast<std::size_t>(HitRank::Anywhere) + 1;

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

std::optional<HitRank> UnitSearch::Match(const FoldedName& name, const std::string& typed,
                                         bool inside) {
  if (name.Text == typed) return HitRank::WholeName;
  if (name.Text.starts_with(typed)) return HitRank::NameStart;
  if (name.Text.size() <= typed.size()) return std::nullopt;
  for (const std::size_t start : name.WordStarts) {
    if (name.Text.compare(start, typed.size(), typed) == 0) return HitRank::WordStart;
  }
  if (inside && name.Text.find(typed, 1) != std::string::npos) return HitRank::Anywhere;
  return std::nullopt;
}

void UnitSearch::Refresh() {
  m_categories.assign(static_cast<std::size_t>(m_catalogue.CategoryCount()), {});
  for (int c = 0; c < m_catalogue.CategoryCount(); ++c) {
    const UnitCategory& category = m_catalogue.Category(c);
    FoldedCategory& folded = m_categories[static_cast<std::size_t>(c)];
    folded.Name = SearchForm(category.DisplayName);
    folded.Units.reserve(category.Units.size());
    folded.Others.resize(category.Units.size());
    std::unordered_map<std::string_view, const UnitOtherNames*> othersOf;
    for (const UnitOtherNames& other : m_catalogue.OtherNamesOf(c)) othersOf[other.Unit] = &other;
    for (std::size_t p = 0; p < category.Units.size(); ++p) {
      folded.Units.push_back(Fold(category.Units[p].Name));
      const auto others = othersOf.find(category.Units[p].Name);
      if (others == othersOf.end()) continue;
      ForEachOtherName(*others->second, [&](std::string_view shown) {
        folded.Others[p].push_back(Fold(shown));
        folded.Others[p].back().Shown = shown;
      });
    }
  }
}

std::vector<UnitHit> UnitSearch::Find(const std::vector<int>& categoryOrder,
                                      std::string_view query) const {
  const std::string typed = SearchForm(query);
  if (typed.empty()) return {};
  std::array<std::vector<UnitHit>, kRankCount> byRank;
  std::vector<bool> seen(m_categories.size(), false);
  for (const int c : categoryOrder) {
    if (c < 0 || c >= static_cast<int>(m_categories.size())) continue;
    if (seen[static_cast<std::size_t>(c)]) continue;
    seen[static_cast<std::size_t>(c)] = true;
    const FoldedCategory& category = m_categories[static_cast<std::size_t>(c)];
    const bool wholeCategory = category.Name == typed;
    for (std::size_t p = 0; p < category.Units.size(); ++p) {
      std::optional<HitRank> rank = Match(category.Units[p], typed, true);
      if (wholeCategory && rank != HitRank::WholeName) rank = HitRank::CategoryName;
      std::string_view other;
      for (const FoldedName& name : category.Others[p]) {
        const std::optional<HitRank> otherRank = Match(name, typed, false);
        if (otherRank && (!rank || *otherRank < *rank)) {
          rank = otherRank;
          other = name.Shown;
        }
      }
      if (!rank) continue;
      byRank[static_cast<std::size_t>(*rank)].push_back({c, static_cast<int>(p), *rank, other});
    }
  }
  // Of the whole names, one written exactly as typed first: "MW" megawatt, "mW" milliwatt.
  std::stable_partition(byRank[0].begin(), byRank[0].end(),
                        [&](const UnitHit& hit) { return hit.OtherName == query; });
  std::vector<UnitHit> hits = std::move(byRank[0]);
  for (std::size_t r = 1; r < kRankCount; ++r) {
    hits.insert(hits.end(), byRank[r].begin(), byRank[r].end());
  }
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
