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

/// A name as it may be spelt without its special characters, the case kept: "²" and
/// "³" as "2" and "3", as "^2" and "^3", or as "sq " ("square ") and "cu " ("cubic ")
/// before the word they raise; "°" as "deg"; a "." that ends an abbreviation left out.
/// So "sq ft", "ft^2", "ft2" and "ft²" are all "ft2", "sq. ft." too, and "°F" is "degF".
/// A Greek mu is the micro sign.
std::string SpelledForm(std::string_view name);

/// Whether `word` raises the word after it to a square or a cube: "sq", "square",
/// "cu", "cubic", in any case, with or without a ".".
bool IsPowerWord(std::string_view word);

/// `text` with its ASCII letters in lower case.
std::string AsciiLowerCase(std::string_view text);

/// The number of UTF-8 characters in `text` (bytes that do not continue one).
std::size_t CharacterCount(std::string_view text);

/// Calls `each` for every name of a list separated by `separator` ("," as other names
/// are written), blanks around it left out.
template <typename Each>
void ForEachListedName(std::string_view list, Each each, char separator = ',') {
  while (!list.empty()) {
    const std::size_t comma = list.find(separator);
    std::string_view name = list.substr(0, comma);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (!name.empty()) each(name);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
}

/// Calls `each` for every other name of a unit (anything with Symbols and Words lists):
/// its symbols, then its words.
template <typename OtherNames, typename Each>
void ForEachOtherName(const OtherNames& other, Each each) {
  ForEachListedName(other.Symbols, each);
  ForEachListedName(other.Words, each);
}

/// The rules by which a typed name finds a name, closest first.
enum class MatchRule { Exact, AnyCase, TypedForm, Prefix };

/// Which name a typed name found, and by which rule; Position -1 for none.
struct NameMatch {
  int Position = -1;
  MatchRule Rule = MatchRule::Exact;
  /// No name, because a rule found several and nothing is guessed between them.
  bool Ambiguous = false;
};

/// The fewest characters a start of a name must have to stand for it: a one-, two- or
/// three-letter word is a name, an other name or nothing.
inline constexpr std::size_t kMinimumStart = 4;

/// The one name of `names` that `typed` stands for. The rules are tried in order, and
/// the first that gives exactly one name wins: the exact name; the same letters in
/// another case; the typed form (TypedForm); a prefix of one name only, in the typed
/// form, at least `kMinimumStart` characters long. A guess between two names is never
/// made.
NameMatch FindName(const std::vector<std::string_view>& names, std::string_view typed);

/// Up to `count` of `names` a person may have meant by `typed`: the names it begins,
/// when it begins several; otherwise the nearest by edit distance between their typed
/// forms, nearest first (ties in list order), and only those at most two edits or a
/// third of their letters away (one for a word of three letters, none but the case
/// for one of two), so that nothing far-fetched is offered.
std::vector<std::string_view> NearestNames(const std::vector<std::string_view>& names,
                                           std::string_view typed, std::size_t count);

}  // namespace quantivo::catalogue
