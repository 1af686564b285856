#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quantivo::catalogue {

/// Whether two names are equal but for the case of ASCII letters, as section, key,
/// category and unit names are compared.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

/// A name as a person may type it: ASCII letters in lower case, and "²", "³" and "°"
/// written as "2", "3" and "deg" ("BTU/hour-foot2-degF" for "BTU/hour-foot²-°F").
std::string TypedForm(std::string_view name);

/// The rules by which a typed name finds a name, closest first.
enum class MatchRule { Exact, AnyCase, TypedForm, Prefix };

/// Which name a typed name found, and by which rule; Position -1 for none.
struct NameMatch {
  int Position = -1;
  MatchRule Rule = MatchRule::Exact;
  /// No name, because a rule found several and nothing is guessed between them.
  bool Ambiguous = false;
};

/// The one name of `names` that `typed` stands for. The rules are tried in order, and
/// the first that gives exactly one name wins: the exact name; the same letters in
/// another case; the typed form (TypedForm); a prefix of one name only, in the typed
/// form. A guess between two names is never made.
NameMatch FindName(const std::vector<std::string_view>& names, std::string_view typed);

/// Up to `count` of `names` a person may have meant by `typed`: the names it begins,
/// when it begins several; otherwise the nearest by edit distance between their typed
/// forms, nearest first (ties in list order), and only those at most two edits or a
/// third of their letters away, so that nothing far-fetched is offered.
std::vector<std::string_view> NearestNames(const std::vector<std::string_view>& names,
                                           std::string_view typed, std::size_t count);

}  // namespace quantivo::catalogue
