#include "catalogue/name_match.h"

#include <algorithm>
#include <numeric>

namespace quantivo::catalogue {
namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The one position whose name passes `test`: -1 for none, -2 for more than one.
template <typename Test>
int OnlyMatch(const std::vector<std::string_view>& names, Test test) {
  int found = -1;
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    if (!test(names[static_cast<std::size_t>(i)], i)) continue;
    if (found != -1) return -2;
    found = i;
  }
  return found;
}

// OnlyMatch's answer as a match: -2, several names, is none and ambiguous.
NameMatch Found(int position, MatchRule rule) {
  return {position >= 0 ? position : -1, rule, position == -2};
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string TypedForm(std::string_view name) {
  std::string typed;
  for (std::size_t i = 0; i < name.size(); ++i) {
    // "²" is C2 B2, "³" C2 B3 and "°" C2 B0 in UTF-8.
    if (name[i] == '\xC2' && i + 1 < name.size()) {
      const char next = name[i + 1];
      if (next == '\xB2' || next == '\xB3' || next == '\xB0') {
        typed += next == '\xB2' ? "2" : next == '\xB3' ? "3" : "deg";
        ++i;
        continue;
      }
    }
    typed.push_back(AsciiLower(name[i]));
  }
  return typed;
}

NameMatch FindName(const std::vector<std::string_view>& names, std::string_view typed) {
  if (typed.empty()) return {};
  const int exact = OnlyMatch(names, [&](std::string_view name, int) { return name == typed; });
  if (exact >= 0) return {exact, MatchRule::Exact};
  // Each rule finds what the one before found and more: once one finds two names, so
  // do the rest.
  const int anyCase =
      OnlyMatch(names, [&](std::string_view name, int) { return EqualIgnoringCase(name, typed); });
  if (anyCase != -1) return Found(anyCase, MatchRule::AnyCase);
  std::vector<std::string> forms(names.size());
  std::transform(names.begin(), names.end(), forms.begin(), TypedForm);
  const std::string form = TypedForm(typed);
  const int sameForm = OnlyMatch(
      names, [&](std::string_view, int i) { return forms[static_cast<std::size_t>(i)] == form; });
  if (sameForm != -1) return Found(sameForm, MatchRule::TypedForm);
  const int prefix = OnlyMatch(names, [&](std::string_view, int i) {
    return forms[static_cast<std::size_t>(i)].starts_with(form);
  });
  return Found(prefix, MatchRule::Prefix);
}

std::vector<std::string_view> NearestNames(const std::vector<std::string_view>& names,
                                           std::string_view typed, std::size_t count) {
  const std::string form = TypedForm(typed);
  std::vector<std::pair<std::size_t, std::size_t>> scored;  // distance, position
  std::vector<std::string_view> beginning;                  // the names a prefix of several begins
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string name = TypedForm(names[i]);
    if (!form.empty() && name.starts_with(form) && beginning.size() < count) {
      beginning.push_back(names[i]);
    }
    const std::size_t distance = EditDistance(form, name);
    // "metre" for "meter" is two edits; longer names may be a third of theirs away.
    const std::size_t allowed = std::max<std::size_t>(2, std::max(form.size(), name.size()) / 3);
    if (distance <= allowed && distance < std::min(form.size(), name.size())) {
      scored.emplace_back(distance, i);
    }
  }
  if (!beginning.empty()) return beginning;
  std::stable_sort(scored.begin(), scored.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string_view> nearest;
  for (std::size_t i = 0; i < scored.size() && i < count; ++i) {
    nearest.push_back(names[scored[i].second]);
  }
  return nearest;
}

}  // namespace quantivo::catalogue
