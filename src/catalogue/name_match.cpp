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

std::string AsciiLowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(c);
  return lower;
}

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

bool IsPowerWord(std::string_view word) {
  if (word.ends_with('.')) word.remove_suffix(1);
  return EqualIgnoringCase(word, "sq") || EqualIgnoringCase(word, "square") ||
         EqualIgnoringCase(word, "cu") || EqualIgnoringCase(word, "cubic");
}

namespace {

bool IsNameLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
}

// At a word's start: the length of a power word and what ends it ("sq ", "sq.", "cubic
// "), and its digit, when a word follows; 0 otherwise.
std::pair<std::size_t, char> PowerWordAt(std::string_view rest) {
  std::size_t letters = 0;
  const auto ascii = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  while (letters < rest.size() && ascii(rest[letters])) ++letters;
  std::size_t length = letters;
  if (length < rest.size() && rest[length] == '.') ++length;
  if (!IsPowerWord(rest.substr(0, length))) return {0, 0};
  if (length < rest.size() && rest[length] == ' ') ++length;
  if (length == letters || length >= rest.size() || !IsNameLetter(rest[length])) return {0, 0};
  const char first = static_cast<char>(rest[0] | 0x20);  // ASCII lower case
  return {length, first == 's' ? '2' : '3'};
}

// Whether a name has nothing to spell otherwise: no byte beyond ASCII, "^" or ".",
// and no power word. Most names have not.
bool IsPlain(std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool wordStart = i == 0 || !IsNameLetter(name[i - 1]);
    if (static_cast<unsigned char>(c) >= 0x80 || c == '^' || c == '.' ||
        (wordStart && PowerWordAt(name.substr(i)).first > 0)) {
      return false;
    }
  }
  return true;
}

// A sign at the start of `rest` spelt into `spelled`: the Greek mu as the micro sign,
// "²", "³" and "°" as "2", "3" and "deg", "^2" and "^3" as their digit. Returns the
// bytes it took, 0 for none; `inWord` tells whether a word goes on after it.
std::size_t SpellSign(std::string_view rest, std::string& spelled, bool& inWord) {
  const char c = rest.front();
  // The Greek mu (CE BC) is the micro sign (C2 B5) people meant.
  if (c == '\xCE' && rest.size() > 1 && rest[1] == '\xBC') {
    spelled += "\xC2\xB5";
    inWord = true;
    return 2;
  }
  // "²" is C2 B2, "³" C2 B3 and "°" C2 B0 in UTF-8.
  if (c == '\xC2' && rest.size() > 1 &&
      (rest[1] == '\xB2' || rest[1] == '\xB3' || rest[1] == '\xB0')) {
    spelled += rest[1] == '\xB2' ? "2" : rest[1] == '\xB3' ? "3" : "deg";
    inWord = rest[1] == '\xB0';
    return 2;
  }
  if (c == '^' && rest.size() > 1 && (rest[1] == '2' || rest[1] == '3')) {
    spelled.push_back(rest[1]);
    return 2;
  }
  return 0;
}

}  // namespace

std::string SpelledForm(std::string_view name) {
  if (IsPlain(name)) return std::string(name);
  const auto endsWord = [](std::string_view rest) {
    return rest.empty() || rest.front() == ' ' || rest.front() == '/' || rest.front() == ')';
  };
  std::string spelled;
  char power = 0;  // the "2" or "3" a power word puts after the word that follows
  bool inWord = false;
  for (std::size_t i = 0; i < name.size();) {
    const std::string_view rest = name.substr(i);
    if (!inWord) {
      if (const auto [length, digit] = PowerWordAt(rest); length > 0) {
        power = digit;
        i += length;
        continue;
      }
    }
    const char c = rest.front();
    if (c == '.' && !spelled.empty() && IsNameLetter(spelled.back()) && endsWord(rest.substr(1))) {
      ++i;
      continue;
    }
    if (const std::size_t taken = SpellSign(rest, spelled, inWord); taken > 0) {
      i += taken;
      continue;
    }
    const bool letter = IsNameLetter(c);
    if (!letter && inWord && power != 0) {
      spelled.push_back(power);
      power = 0;
    }
    spelled.push_back(c);
    inWord = letter;
    ++i;
  }
  if (power != 0) spelled.push_back(power);
  return spelled;
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
  if (CharacterCount(typed) < kMinimumStart) return {};
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
    // "metre" for "meter" is two edits; longer names may be a third of theirs away.
    // A word of three letters or fewer is one edit from what it meant, or far from it.
    // One of two letters is the same letters in another case or nothing ("Hz" is not
    // "hr", "gm" not "gr").
    const std::size_t allowed =
        form.size() <= 2   ? 0
        : form.size() <= 3 ? 1
                           : std::max<std::size_t>(2, std::max(form.size(), name.size()) / 3);
    // Lengths further apart than that are further apart in edits too: a long word
    // costs no distance to every name.
    const std::size_t apart =
        form.size() > name.size() ? form.size() - name.size() : name.size() - form.size();
    if (apart > allowed) continue;
    const std::size_t distance = EditDistance(form, name);
    if (distance <= allowed && distance < std::min(form.size(), name.size())) {
      scored.emplace_back(distance, i);
    }
  }
  if (!beginning.empty()) {
    // The name the word is in another case comes first: "ft" for "FT", before "ftm".
    std::stable_partition(beginning.begin(), beginning.end(),
                          [&](std::string_view name) { return TypedForm(name) == form; });
    return beginning;
  }
  std::stable_sort(scored.begin(), scored.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string_view> nearest;
  for (std::size_t i = 0; i < scored.size() && i < count; ++i) {
    nearest.push_back(names[scored[i].second]);
  }
  return nearest;
}

}  // namespace quantivo::catalogue
