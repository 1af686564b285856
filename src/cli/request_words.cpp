#include "request_words.h"

#include <algorithm>

#include "catalogue/name_match.h"
#include "engine/typed_value.h"

namespace quantivo::cli {
namespace {

using Words = std::vector<std::string_view>;
using WordIt = Words::const_iterator;

// The longest name has four words ("pounds-force per square inch" has three); a split
// of an unquoted request is looked for only with sides this long at most.
constexpr std::ptrdiff_t kMostWordsInAName = 6;

std::string JoinedText(WordIt first, WordIt last) {
  std::string joined;
  for (auto word = first; word != last; ++word) {
    if (!joined.empty()) joined.push_back(' ');
    joined.append(*word);
  }
  return joined;
}

// The words from `first` to `last` with one blank between them, kept by the request.
std::string_view Joined(RequestWords& request, WordIt first, WordIt last) {
  if (last - first == 1) return *first;
  return request.Joined.emplace_back(JoinedText(first, last));
}

// Whether `word` ends in a power word, as "sq" or "lbf/sq" do: the "in" after it is
// the inch.
bool EndsInPowerWord(std::string_view word) {
  std::size_t start = word.size();
  while (start > 0 && word[start - 1] != '/' && word[start - 1] != ' ') --start;
  return catalogue::IsPowerWord(word.substr(start));
}

// The position of "to" between the units, or of "in" after a unit ("1 mile in km";
// after a number, "5 ft 3 in", or after "sq", it is the inch); 0 for none.
std::size_t ConnectorAt(const Words& words) {
  for (std::size_t k = words.size() >= 2 ? words.size() - 2 : 0; k >= 1; --k) {
    if (catalogue::EqualIgnoringCase(words[k], "to")) return k;
    if (catalogue::EqualIgnoringCase(words[k], "in") && !engine::LooksLikeNumber(words[k - 1]) &&
        !EndsInPowerWord(words[k - 1])) {
      return k;
    }
  }
  return 0;
}

// The categories in which `name` is one unit: `category` alone, or any when it is -1.
std::vector<catalogue::CategoryReading> Readings(const catalogue::UnitLookup& lookup, int category,
                                                 std::string_view name) {
  if (category >= 0) return {{category, lookup.Find(category, name)}};
  return lookup.FindEverywhere(name);
}

// Whether both names are units of one category: `category`, or any when it is -1.
bool OfOneCategory(const catalogue::UnitLookup& lookup, int category, std::string_view from,
                   std::string_view to) {
  const std::string_view both[] = {from, to};
  if (category < 0 && !lookup.CategoriesNamingAll(both).empty()) return true;
  const auto fromReadings = Readings(lookup, category, from);
  const auto toReadings = Readings(lookup, category, to);
  return std::any_of(fromReadings.begin(), fromReadings.end(), [&](const auto& a) {
    return a.Reading.Position >= 0 &&
           std::any_of(toReadings.begin(), toReadings.end(), [&](const auto& b) {
             return b.Category == a.Category && b.Reading.Position >= 0;
           });
  });
}

// Whether `name` is one unit of some category (of `category` when it is not -1).
bool IsUnit(const catalogue::UnitLookup& lookup, int category, std::string_view name) {
  const auto readings = Readings(lookup, category, name);
  return std::any_of(readings.begin(), readings.end(),
                     [](const auto& r) { return r.Reading.Position >= 0; });
}

// Whether `name` is a unit of a category without input units (Fractions).
bool NeedsNoInputUnit(const catalogue::UnitCatalogue& catalogue,
                      const catalogue::UnitLookup& lookup, int category, std::string_view name) {
  const auto readings = Readings(lookup, category, name);
  return std::any_of(readings.begin(), readings.end(), [&](const auto& r) {
    return r.Reading.Position >= 0 && !catalogue::HasInputUnit(catalogue.Category(r.Category).Kind);
  });
}

// The value: a number, or a whole number and a fraction ("1 1/2"); the word after it
// into `next`.
std::string_view ReadValue(const Words& words, WordIt end, WordIt& next, RequestWords& request) {
  next = words.begin() + 1;
  std::string_view value = words[0];
  const std::string_view whole =
      words[0].starts_with('-') || words[0].starts_with('+') ? words[0].substr(1) : words[0];
  if (next != end && !whole.empty() &&
      std::all_of(whole.begin(), whole.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
      engine::IsFractionText(*next)) {
    value = Joined(request, words.begin(), next + 1);
    ++next;
  }
  return value;
}

// A measure in several units from `next` on: unit, number, unit..., and the unit to
// convert to after them, after the connector at `connector` when there is one.
bool ReadSeveralUnits(const Words& words, WordIt next, WordIt end, std::size_t connector,
                      bool tableForm, std::string_view value, RequestWords& request) {
  request.Parts.push_back({value, *next++});
  while (end - next >= 2 && engine::LooksLikeNumber(next[0])) {
    request.Parts.push_back({next[0], next[1]});
    next += 2;
  }
  if (connector > 0 || tableForm) {
    if (next != end) return false;
    request.To = Joined(request, end + (connector > 0 ? 1 : 0), words.end());
  } else {
    request.To = Joined(request, next, end);
  }
  return tableForm == request.To.empty();
}

// FROM and TO with nothing between them: two units of one category; no FROM before a
// unit of a category without input units; or names of several words, split where
// both are units of one category.
bool ReadUnitsAsTheyStand(const Words& rest, const catalogue::UnitCatalogue& catalogue,
                          const catalogue::UnitLookup& lookup, int category, std::string_view value,
                          RequestWords& request) {
  if (rest.empty()) return false;
  // Two units of one category, as scripts give them, need no other reading.
  if (rest.size() == 2 && OfOneCategory(lookup, category, rest[0], rest[1])) {
    request.Parts.push_back({value, rest[0]});
    request.To = rest[1];
    return true;
  }
  // No FROM: only a category without input units takes that ("0.75 mixed number").
  if (const std::string_view to = Joined(request, rest.begin(), rest.end());
      NeedsNoInputUnit(catalogue, lookup, category, to)) {
    request.Parts.push_back({value, {}});
    request.To = to;
    return true;
  }
  if (rest.size() == 1) return false;
  // Names of several words, unquoted: the one split where both names are units of one
  // category, or else the first word and the rest, to be reported.
  auto middle = rest.begin() + 1;
  for (auto split = rest.begin() + 1; split != rest.end(); ++split) {
    if (split - rest.begin() > kMostWordsInAName || rest.end() - split > kMostWordsInAName) {
      continue;
    }
    if (rest.size() > 2 && OfOneCategory(lookup, category, JoinedText(rest.begin(), split),
                                         JoinedText(split, rest.end()))) {
      middle = split;
      break;
    }
  }
  request.Parts.push_back({value, Joined(request, rest.begin(), middle)});
  request.To = Joined(request, middle, rest.end());
  return true;
}

// The value and units of a request, after its category if one was named.
bool ReadMeasureWords(const Words& words, bool tableForm, const catalogue::UnitCatalogue& catalogue,
                      const catalogue::UnitLookup& lookup, int category, RequestWords& request) {
  const std::size_t connector = tableForm ? 0 : ConnectorAt(words);
  const auto end =
      connector > 0 ? words.begin() + static_cast<std::ptrdiff_t>(connector) : words.end();
  if (words.empty() || end == words.begin()) return false;

  WordIt next;
  const std::string_view value = ReadValue(words, end, next, request);
  // A measure in several units: number, unit, number, unit..., each unit one word
  // that names a unit ("255 base 10 base 16" is no measure: "base" names none).
  if (end - next >= 3 && engine::LooksLikeNumber(next[1]) && IsUnit(lookup, category, next[0])) {
    return ReadSeveralUnits(words, next, end, connector, tableForm, value, request);
  }

  const Words rest(next, end);
  if (connector > 0 || tableForm) {
    if (connector > 0) request.To = Joined(request, end + 1, words.end());
    // No FROM only where the category takes none: "0.75 to fraction".
    if (rest.empty() && (tableForm || !NeedsNoInputUnit(catalogue, lookup, category, request.To)))
      return false;
    request.Parts.push_back(
        {value, rest.empty() ? std::string_view{} : Joined(request, rest.begin(), rest.end())});
    return true;
  }
  return ReadUnitsAsTheyStand(rest, catalogue, lookup, category, value, request);
}

}  // namespace

bool ReadRequestWords(const Words& operands, bool tableForm,
                      const catalogue::UnitCatalogue& catalogue,
                      const catalogue::UnitLookup& lookup, RequestWords& request) {
  request = {};
  Words words;
  // A value quoted with its units, "6 ft 2 in" or "1 1/2", is read word by word.
  for (std::size_t i = 0; i < operands.size(); ++i) {
    const bool value = i == 0 || (i == 1 && !engine::LooksLikeNumber(operands[0]));
    const std::string_view operand = operands[i];
    const bool unitOrFraction = std::any_of(operand.begin(), operand.end(), [](char c) {
      return c == '/' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
    if (!value || !engine::LooksLikeNumber(operand) || !unitOrFraction ||
        operand.find(' ') == std::string_view::npos) {
      words.push_back(operand);
      continue;
    }
    catalogue::ForEachListedName(
        operand, [&](std::string_view word) { words.push_back(word); }, ' ');
  }
  if (words.empty()) return false;
  // A category first: a name of one, when it is no number.
  if (!engine::LooksLikeNumber(words[0])) {
    if (const int category = catalogue::FindCategoryName(catalogue, words[0]); category >= 0) {
      request.Category = words[0];
      request.HasCategory = true;
      return ReadMeasureWords(Words(words.begin() + 1, words.end()), tableForm, catalogue, lookup,
                              category, request);
    }
  }
  // Otherwise the words as they stand ("ff hex to roman numeral"), and failing that, as
  // many operands as the plain form has are a category not known, to be reported.
  if (ReadMeasureWords(words, tableForm, catalogue, lookup, -1, request) &&
      (request.Parts.size() > 1 || OfOneCategory(lookup, -1, request.Parts[0].Unit, request.To) ||
       NeedsNoInputUnit(catalogue, lookup, -1, request.To) || tableForm)) {
    return true;
  }
  const std::size_t plainCount = tableForm ? 3 : 4;
  if (words.size() == plainCount && !engine::LooksLikeNumber(words[0])) {
    request = {};
    request.Category = words[0];
    request.HasCategory = true;
    return ReadMeasureWords(Words(words.begin() + 1, words.end()), tableForm, catalogue, lookup, -1,
                            request);
  }
  request = {};
  return ReadMeasureWords(words, tableForm, catalogue, lookup, -1, request);
}

}  // namespace quantivo::cli
