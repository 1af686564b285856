#include "request_words.h"

#include <algorithm>

#include "catalogue/name_match.h"
#include "engine/typed_value.h"

namespace quantivo::cli {
namespace {

using Words = std::vector<std::string_view>;

bool IsDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "1/2": the fraction of a whole number and a fraction written as two words.
bool IsFraction(std::string_view word) {
  const std::size_t slash = word.find('/');
  return slash != std::string_view::npos && IsDigits(word.substr(0, slash)) &&
         IsDigits(word.substr(slash + 1));
}

std::string JoinedText(Words::const_iterator first, Words::const_iterator last) {
  std::string joined;
  for (auto word = first; word != last; ++word) {
    if (!joined.empty()) joined.push_back(' ');
    joined.append(*word);
  }
  return joined;
}

// The position of "to" between the units, or of "in" after a unit ("1 mile in km";
// after a number, "5 ft 3 in", it is the inch); 0 for none.
std::size_t ConnectorAt(const Words& words) {
  for (std::size_t k = words.size() >= 2 ? words.size() - 2 : 0; k >= 1; --k) {
    if (catalogue::EqualIgnoringCase(words[k], "to")) return k;
    // Nor after "sq" or "cu": "1 sq in cm2" is square inches.
    const auto raises = [](std::string_view word) {
      for (const std::string_view power : {"sq", "sq.", "square", "cu", "cu.", "cubic"}) {
        if (catalogue::EqualIgnoringCase(word, power)) return true;
      }
      return false;
    };
    if (catalogue::EqualIgnoringCase(words[k], "in") && !engine::LooksLikeNumber(words[k - 1]) &&
        !raises(words[k - 1])) {
      return k;
    }
  }
  return 0;
}

// Whether both names are units of one category: `category`, or any when it is -1.
// The words from `first` to `last` with one blank between them, kept by the request.
std::string_view Joined(RequestWords& request, Words::const_iterator first,
                        Words::const_iterator last) {
  if (last - first == 1) return *first;
  return request.Joined.emplace_back(JoinedText(first, last));
}

bool OfOneCategory(const catalogue::UnitLookup& lookup, int category, std::string_view from,
                   std::string_view to) {
  if (category >= 0) {
    return lookup.Find(category, from).Position >= 0 && lookup.Find(category, to).Position >= 0;
  }
  const std::string_view both[] = {from, to};
  if (!lookup.CategoriesNamingAll(both).empty()) return true;
  const auto fromReadings = lookup.FindEverywhere(from);
  const auto toReadings = lookup.FindEverywhere(to);
  return std::any_of(fromReadings.begin(), fromReadings.end(), [&](const auto& a) {
    return a.Reading.Position >= 0 &&
           std::any_of(toReadings.begin(), toReadings.end(), [&](const auto& b) {
             return b.Category == a.Category && b.Reading.Position >= 0;
           });
  });
}

// Whether `name` is a unit of a category without input units (Fractions).
bool NeedsNoInputUnit(const catalogue::UnitCatalogue& catalogue,
                      const catalogue::UnitLookup& lookup, int category, std::string_view name) {
  const auto readings =
      category >= 0
          ? std::vector<catalogue::CategoryReading>{{category, lookup.Find(category, name)}}
          : lookup.FindEverywhere(name);
  return std::any_of(readings.begin(), readings.end(), [&](const auto& r) {
    return r.Reading.Position >= 0 && !catalogue::HasInputUnit(catalogue.Category(r.Category).Kind);
  });
}

}  // namespace

int FindCategoryName(const catalogue::UnitCatalogue& catalogue, std::string_view name) {
  return catalogue::FindName(catalogue.CategoryNames(), name).Position;
}

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
  const std::size_t plainCount = tableForm ? 3 : 4;
  // A category first: a name of one, or the first of as many operands as the plain
  // form has, when it is no number and no "to" comes later.
  if (!words.empty() && !engine::LooksLikeNumber(words[0]) &&
      (FindCategoryName(catalogue, words[0]) >= 0 ||
       (words.size() == plainCount && (tableForm || ConnectorAt(words) == 0)))) {
    request.Category = words[0];
    request.HasCategory = true;
    words.erase(words.begin());
  }
  const int category = request.HasCategory ? FindCategoryName(catalogue, request.Category) : -1;

  const std::size_t connector = tableForm ? 0 : ConnectorAt(words);
  const auto end =
      connector > 0 ? words.begin() + static_cast<std::ptrdiff_t>(connector) : words.end();
  if (words.empty() || end == words.begin()) return false;

  // The value: a number, or a whole number and a fraction.
  auto next = words.begin() + 1;
  std::string_view value = words[0];
  const std::string_view whole =
      words[0].starts_with('-') || words[0].starts_with('+') ? words[0].substr(1) : words[0];
  if (next != end && IsDigits(whole) && IsFraction(*next)) {
    value = Joined(request, words.begin(), next + 1);
    ++next;
  }
  // A measure in several units: number, unit, number, unit...
  if (end - next >= 3 && engine::LooksLikeNumber(next[1])) {
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

  const Words rest(next, end);
  if (connector > 0 || tableForm) {
    request.Parts.push_back({value, Joined(request, rest.begin(), rest.end())});
    if (connector > 0) request.To = Joined(request, end + 1, words.end());
    return tableForm == request.To.empty();
  }
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
  std::size_t split = 1;
  for (std::size_t i = 1; i < rest.size(); ++i) {
    const std::string from =
        JoinedText(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(i));
    const std::string to = JoinedText(rest.begin() + static_cast<std::ptrdiff_t>(i), rest.end());
    if (rest.size() > 2 && OfOneCategory(lookup, category, from, to)) {
      split = i;
      break;
    }
  }
  const auto middle = rest.begin() + static_cast<std::ptrdiff_t>(split);
  request.Parts.push_back({value, Joined(request, rest.begin(), middle)});
  request.To = Joined(request, middle, rest.end());
  return true;
}

}  // namespace quantivo::cli
