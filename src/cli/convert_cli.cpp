#include "convert_cli.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <unordered_set>
#include <vector>

#include "catalogue/name_match.h"
#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_lookup.h"
#include "engine/convert_number_base.h"
#include "engine/convert_text.h"
#include "engine/input_text.h"
#include "engine/parse_number.h"
#include "engine/typed_value.h"
#include "request_words.h"

namespace quantivo::cli {
namespace {

using catalogue::UnitCatalogue;
using engine::ResultFormat;
using engine::ViewType;

constexpr int kIoError = 1;
constexpr int kUsageError = 2;
constexpr int kValueError = 3;
constexpr std::string_view kProgram = "quantivo-convert";

constexpr std::string_view kUsage =
    "Usage: quantivo-convert [OPTIONS] [CATEGORY] VALUE FROM [to] TO\n"
    "       quantivo-convert [OPTIONS] --batch\n"
    "       quantivo-convert [OPTIONS] --table [--sorted] [CATEGORY] VALUE FROM\n"
    "       quantivo-convert --list [--sorted] [CATEGORY]\n"
    "       quantivo-convert --names [CATEGORY]\n"
    "\n"
    "Converts VALUE from unit FROM to unit TO and prints the result as the\n"
    "converter's output box shows it: quantivo-convert 1 mile to km, 5 ft 3 in cm,\n"
    "3/4 cup ml, 1 1/2 h min, 0xff hex dec, 0.75 fraction. Without CATEGORY, the one\n"
    "category that holds both units is used. A unit is found by its name in any case,\n"
    "its symbols (km, kg, \u00b0F, KB: with their case), plurals and other spellings\n"
    "(feet, litre, celsius), \"2\", \"3\", \"sq \", \"cu \" and \"deg\" for \"\u00b2\", "
    "\"\u00b3\"\n"
    "and \"\u00b0\", a symbol of two letters or more in another case (KM), or a start\n"
    "of four letters or more of one name only; nothing is guessed.\n"
    "Fractions has no input unit: give \"\" as FROM, or leave it out.\n"
    "\n"
    "  --format auto|scientific|fixed|commas   result format (default auto)\n"
    "  --precision N      digits for scientific, decimals for fixed and commas (default 4)\n"
    "  --batch            read [CATEGORY<TAB>]FROM<TAB>TO<TAB>VALUE lines from\n"
    "                     standard input and print one result line for each; an\n"
    "                     empty FROM or TO gives an empty line\n"
    "  --table            print VALUE converted into every unit of the category, one\n"
    "                     UNIT<TAB>RESULT line each, in list order\n"
    "  --list [CATEGORY]  list the categories, or the units of CATEGORY\n"
    "  --names [CATEGORY] list every name a unit is known by (of CATEGORY, or of all)\n"
    "  --sorted           with --table and --list: units in alphabetical order\n"
    "  -v, --verbose      tell on standard error how each request was read\n"
    "  -h, --help         show this help\n"
    "  --version          show the version\n"
    "\n"
    "Exit status: 0 converted; 1 input or output failed; 2 an unknown or unclear name\n"
    "or a bad option; 3 a value that cannot be converted (its message is printed).\n";

// The length of the UTF-8 character `text` starts with, or 0 where it starts with none.
std::size_t Utf8Length(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if (next < low || next > high) return 0;
    low = 0x80;
    high = 0xBF;
  }
  return length;
}

// User text as a message echoes it: control characters (C1 ones included), quotes,
// backslashes and bytes that are not UTF-8 become C escapes, so no name can send
// the terminal a control sequence.
std::string Escaped(std::string_view text) {
  constexpr std::string_view kNamed = "\n\t\r\"\\";
  constexpr std::string_view kNamedLetters = "ntr\"\\";
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string escaped;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8Length(text.substr(i));
    const bool c1Control =
        byte == 0xC2 && length == 2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if ((length == 1 && byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') ||
        (length > 1 && !c1Control)) {
      escaped.append(text.substr(i, length));
      i += length;
      continue;
    }
    escaped.push_back('\\');
    if (const std::size_t named = kNamed.find(static_cast<char>(byte)); named != kNamed.npos) {
      escaped.push_back(kNamedLetters[named]);
    } else {
      escaped.push_back('x');
      escaped.push_back(kHex[byte >> 4]);
      escaped.push_back(kHex[byte & 0xF]);
    }
    ++i;
  }
  return escaped;
}

// Reports a failed read or write with the reason the system gave, if any.
int ReportIoError(std::ostream& err, std::string_view what, int error) {
  err << kProgram << ": error " << what;
  if (error != 0) err << ": " << std::strerror(error);
  err << '\n';
  return kIoError;
}

// Flushes the results and reports a write failure since errno was last cleared.
int FinishOutput(std::ostream& out, std::ostream& err, int status) {
  out.flush();
  if (!out) return ReportIoError(err, "writing standard output", errno);
  return status;
}

struct Options {
  ResultFormat Format;
  bool Batch = false;
  bool List = false;
  bool Names = false;
  bool Table = false;
  bool Sorted = false;
  bool Verbose = false;
  bool Help = false;
  bool Version = false;
  std::vector<std::string_view> Positional;
};

struct Flag {
  std::string_view Name;
  bool Options::*Member;
};
constexpr Flag kFlags[] = {
    {"--batch", &Options::Batch},   {"--list", &Options::List},
    {"--names", &Options::Names},   {"--table", &Options::Table},
    {"--sorted", &Options::Sorted}, {"--verbose", &Options::Verbose},
    {"--help", &Options::Help},     {"--version", &Options::Version},
    {"-v", &Options::Verbose},      {"-h", &Options::Help},
};

std::optional<ViewType> ParseFormat(std::string_view name) {
  if (name == "auto") return ViewType::AutoFormat;
  if (name == "scientific") return ViewType::Scientific;
  if (name == "fixed") return ViewType::Fixed;
  if (name == "commas") return ViewType::FixedWithCommas;
  return std::nullopt;
}

// Any integer; one beyond the range of int acts like the nearest int, which the
// formatting treats the same as any other out-of-range precision.
std::optional<int> ParsePrecision(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (c - '0');
  }
  if (magnitude > INT_MAX) return negative ? INT_MIN : INT_MAX;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

// The flag an argument names, if any.
const Flag* FindFlag(std::string_view name) {
  const auto flag = std::find_if(std::begin(kFlags), std::end(kFlags),
                                 [&](const Flag& f) { return f.Name == name; });
  return flag != std::end(kFlags) ? flag : nullptr;
}

// Fills `options`; returns an error message for a bad option, or nothing.
std::optional<std::string> ParseArguments(const std::vector<std::string_view>& args,
                                          Options& options) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    // "-40" is a value; of the short forms only -h and -v are options.
    const bool shortFlag = arg == "-h" || arg == "-v";
    if (optionsEnded || (!shortFlag && (arg.size() <= 2 || arg.substr(0, 2) != "--"))) {
      if (arg == "--" && !optionsEnded) {
        optionsEnded = true;
        continue;
      }
      options.Positional.push_back(arg);
      continue;
    }
    std::string_view name = arg;
    std::optional<std::string_view> value;
    if (const std::size_t equals = arg.find('='); equals != std::string_view::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    }
    const bool takesValue = name == "--format" || name == "--precision";
    const Flag* flag = FindFlag(name);
    if (!takesValue && flag == nullptr) return "unknown option " + Escaped(name);
    if (takesValue && !value) {
      if (i + 1 == args.size()) return "option " + std::string(name) + " needs a value";
      value = args[++i];
    }
    if (!takesValue && value) return "option " + Escaped(name) + " takes no value";

    if (flag != nullptr) {
      options.*flag->Member = true;
    } else if (name == "--format") {
      const std::optional<ViewType> view = ParseFormat(*value);
      if (!view) return "unknown format \"" + Escaped(*value) + "\"";
      options.Format.View = *view;
    } else {
      const std::optional<int> precision = ParsePrecision(*value);
      if (!precision) return "precision \"" + Escaped(*value) + "\" is not an integer";
      options.Format.Precision = *precision;
    }
  }
  if (options.Help || options.Version) return std::nullopt;
  const std::size_t count = options.Positional.size();
  if (options.Batch + options.List + options.Names + options.Table > 1) {
    return "--batch, --list, --names and --table cannot be combined";
  }
  if (options.Sorted && !options.List && !options.Table) {
    return "--sorted goes with --list or --table";
  }
  if (options.Batch && count != 0) return "--batch takes no other arguments";
  if ((options.List || options.Names) && count > 1) {
    return std::string(options.List ? "--list" : "--names") + " takes at most one category";
  }
  if (options.Table && count < 2) return "expected [CATEGORY] VALUE FROM";
  if (!options.Batch && !options.List && !options.Names && !options.Table && count < 2) {
    return "expected [CATEGORY] VALUE FROM TO";
  }
  return std::nullopt;
}

std::string Quoted(std::string_view name) {
  return "\"" + Escaped(name) + "\"";
}

// "; did you mean "a", "b" or "c"?", or nothing when no name is near.
// "a", "a and b", "a, b and c" (or "or" in place of "and").
template <typename Items>
std::string Listed(const Items& items, std::string_view conjunction = "and") {
  std::string list;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) list.append(i + 1 == items.size() ? " " : ", ");
    if (i > 0 && i + 1 == items.size()) list.append(conjunction).append(" ");
    list += items[i];
  }
  return list;
}

std::string Suggestion(const std::vector<std::string_view>& nearest) {
  if (nearest.empty()) return {};
  std::vector<std::string> quoted;
  for (const std::string_view name : nearest) quoted.push_back(Quoted(name));
  return "; did you mean " + Listed(quoted, "or") + "?";
}

std::string Suggestion(const std::vector<std::string_view>& names, std::string_view typed) {
  return Suggestion(catalogue::NearestNames(names, typed, 3));
}

// The worse of two exit statuses: a failed read or write, then a bad name or option,
// then a value that does not convert.
int WorseStatus(int a, int b) {
  constexpr int kRank[] = {0, 3, 2, 1};  // by status 0 to 3
  return kRank[a] >= kRank[b] ? a : b;
}

// Why `name` names no category: none fits it, or it is the start of several.
std::string CategoryProblem(const UnitCatalogue& catalogue, std::string_view name) {
  const bool ambiguous = catalogue::FindName(catalogue.CategoryNames(), name).Ambiguous;
  return (ambiguous ? "ambiguous category " : "unknown category ") + Quoted(name) +
         Suggestion(catalogue.CategoryNames(), name);
}

// A request with its category and units found: list positions, -1 for no unit.
struct Resolved {
  int Category = -1;
  std::vector<int> From;  // one for each part of the value
  int To = -1;
};

class Converter {
 public:
  Converter(const Options& options, const engine::NumberLocale& locale)
      : m_lookup(Sorted(m_catalogue, options.Sorted)),
        m_format(options.Format),
        m_locale(locale),
        m_batch(options.Batch) {}

  const UnitCatalogue& Catalogue() const { return m_catalogue; }
  const catalogue::UnitLookup& Lookup() const { return m_lookup; }

  std::string UnknownCategory(std::string_view name) const {
    return CategoryProblem(m_catalogue, name);
  }

  /// Finds the category and the units of a request; false with the message.
  bool Resolve(const RequestWords& request, Resolved& resolved, std::string& message) const {
    std::vector<std::string_view>& words = m_words;
    words.clear();
    for (const MeasureWords& part : request.Parts) words.push_back(part.Unit);
    words.push_back(request.To);
    if (request.HasCategory) {
      // A batch names the same category line after line: the last one is remembered.
      if (request.Category != m_lastCategory || m_lastCategoryIndex < 0) {
        m_lastCategory = request.Category;
        m_lastCategoryIndex = catalogue::FindCategoryName(m_catalogue, request.Category);
      }
      resolved.Category = m_lastCategoryIndex;
      if (resolved.Category < 0) {
        message = UnknownCategory(request.Category);
        return false;
      }
    } else if (!FindCategory(words, resolved.Category, message)) {
      return false;
    }
    const int c = resolved.Category;
    resolved.From.clear();
    for (std::size_t i = 0; i < words.size(); ++i) {
      const catalogue::NameReading reading = m_lookup.Find(c, words[i]);
      if (reading.Position < 0 && !words[i].empty()) {
        message = UnknownUnit(c, words[i], reading.Ambiguous);
        return false;
      }
      if (i + 1 < words.size())
        resolved.From.push_back(reading.Position);
      else
        resolved.To = reading.Position;
    }
    if (request.Parts.size() > 1) return CheckMeasure(request, resolved, message);
    return true;
  }

  /// The output text of a resolved request, into `to` (or the request's own TO).
  engine::ConversionResult Convert(const RequestWords& request, const Resolved& resolved,
                                   int to) const {
    const int c = resolved.Category;
    const catalogue::UnitCategory& category = m_catalogue.Category(c);
    if (request.Parts.size() == 1) {
      const std::string_view value = request.Parts[0].Value;
      const int from = resolved.From[0];
      if (category.Kind == catalogue::ConversionKind::NumberBase) {
        // Digits, not a number: no fraction, no separators; "0x" before hexadecimal ones.
        const int code = engine::UnitCode(category.Units, from);
        return ConvertText(c, from, to,
                           engine::InputBoxText(engine::WithoutBasePrefix(Trimmed(value), code)));
      }
      if (value.find('/') != std::string_view::npos) {
        if (const std::optional<Extended> fraction = engine::TypedFraction(value)) {
          return engine::ConvertValue(m_catalogue, c, from, to, *fraction, m_format, m_locale);
        }
      }
      return ConvertText(c, from, to, engine::TypedNumberText(value, m_locale));
    }
    if (to < 0) return {};
    // The first number's sign is the whole measure's: -5 ft 3 in is -(5 ft + 3 in).
    std::vector<engine::MeasurePart> parts;
    bool negative = false;
    for (std::size_t i = 0; i < request.Parts.size(); ++i) {
      std::string_view text = Trimmed(request.Parts[i].Value);
      if (i == 0 && (text.starts_with('-') || text.starts_with('+'))) {
        negative = text.front() == '-';
        text.remove_prefix(1);
      }
      const engine::ParsedNumber number = engine::ReadTypedNumber(text, m_locale);
      if (number.ErrorPos > 0)
        return engine::Message{engine::MessageCode::InvalidNumber, number.ErrorPos};
      const auto from = static_cast<std::size_t>(resolved.From[i]);
      parts.push_back({negative ? -number.Value : number.Value, category.Units[from].Factor});
    }
    return engine::ConvertMeasure(parts, category.Units[static_cast<std::size_t>(to)].Factor,
                                  m_format, m_locale);
  }

  /// How a request was read, for --verbose: "1 mile = 1.609344 kilometer (Length)", or
  /// "... to kilometer (Length)" and the message when there is no result; without a
  /// unit to convert to (a table), "1 mile (Length)".
  std::string Reading(const RequestWords& request, const Resolved& resolved, int to,
                      const engine::ConversionResult& result) const {
    const catalogue::UnitCategory& category = m_catalogue.Category(resolved.Category);
    const auto name = [&](int position) {
      return position < 0 ? std::string_view{}
                          : category.Units[static_cast<std::size_t>(position)].Name;
    };
    std::string line;
    const auto word = [&](std::string_view text) {
      if (text.empty()) return;
      if (!line.empty()) line += ' ';
      line += text;
    };
    for (std::size_t i = 0; i < request.Parts.size(); ++i) {
      word(Trimmed(request.Parts[i].Value));
      word(name(resolved.From[i]));
    }
    const bool converted = !result.Text.empty();
    if (to >= 0) {
      word(converted ? "= " + result.Text : "to");
      word(name(to));
    }
    word("(" + std::string(category.DisplayName) + ")");
    if (result.Failure) line.append(": ").append(engine::EnglishText(*result.Failure));
    return line;
  }

 private:
  static const UnitCatalogue& Sorted(UnitCatalogue& catalogue, bool sorted) {
    if (sorted) catalogue.SortUnitTables();
    return catalogue;
  }

  static std::string_view Trimmed(std::string_view text) { return engine::WithoutBlanks(text); }

  // A value in several units: of a category converted by a factor, each number with
  // its unit, a sign before the first number only (-5 ft 3 in is minus five feet three).
  bool CheckMeasure(const RequestWords& request, const Resolved& resolved,
                    std::string& message) const {
    const catalogue::UnitCategory& category = m_catalogue.Category(resolved.Category);
    if (category.Kind != catalogue::ConversionKind::Linear) {
      message = "a value in several units is for measured quantities, not " +
                Quoted(category.DisplayName);
      return false;
    }
    for (std::size_t i = 0; i < request.Parts.size(); ++i) {
      const std::string_view value = Trimmed(request.Parts[i].Value);
      if (resolved.From[i] < 0) {
        message = "a value in several units needs a unit after each number";
        return false;
      }
      if (i > 0 && (value.starts_with('-') || value.starts_with('+'))) {
        message = "in a value of several units only the first number takes a sign";
        return false;
      }
    }
    return true;
  }

  engine::ConversionResult ConvertText(int category, int from, int to,
                                       std::string_view text) const {
    return engine::ConvertText(m_catalogue, category, from, to, text, m_format, m_locale);
  }

  std::string UnknownUnit(int category, std::string_view name, bool ambiguous) const {
    return (ambiguous ? "ambiguous unit " : "unknown unit ") + Quoted(name) + " in category " +
           Quoted(m_catalogue.Category(category).DisplayName) +
           OrTheList(UnitSuggestion(category, name), m_catalogue.Category(category).DisplayName);
  }

  // Where no name is near, where to find them all.
  static std::string OrTheList(std::string suggestion, std::string_view category) {
    if (!suggestion.empty()) return suggestion;
    return category.empty() ? std::string("; see quantivo-convert --names")
                            : "; see quantivo-convert --names " + Quoted(category);
  }

  // The nearest names of the category, one for each unit ("meter", not also "meters").
  std::string UnitSuggestion(int category, std::string_view name) const {
    std::vector<std::string_view> shown;
    std::vector<int> units;
    for (const std::string_view near :
         catalogue::NearestNames(m_lookup.NamesOf(category), name, 12)) {
      const int unit = m_lookup.Find(category, near).Position;
      if (std::find(units.begin(), units.end(), unit) != units.end()) continue;
      units.push_back(unit);
      shown.push_back(near);
      if (shown.size() == 3) break;
    }
    return Suggestion(shown);
  }

  std::string UnknownUnit(std::string_view name) const {
    std::vector<std::string_view> all;
    for (int c = 0; c < m_catalogue.CategoryCount(); ++c) {
      const std::vector<std::string_view> names = m_lookup.NamesOf(c);
      all.insert(all.end(), names.begin(), names.end());
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return "unknown unit " + Quoted(name) + OrTheList(Suggestion(all, name), {});
  }

  // The one category that holds a unit for every word (an empty one fits all), found
  // by the closest rule any category allows; false with the message otherwise.
  bool FindCategory(const std::vector<std::string_view>& words, int& found,
                    std::string& message) const {
    std::vector<std::string_view> named;
    for (const std::string_view word : words) {
      if (!word.empty()) named.push_back(word);
    }
    if (named.empty()) {
      message = "no unit named: name the category, or a unit";
      return false;
    }
    // Table names, as scripts give them: the categories naming them all are the answer.
    std::vector<int> holding = m_lookup.CategoriesNamingAll(named);
    if (holding.size() == 1) {
      found = holding.front();
      return true;
    }
    // Views of the remembered readings, which stay put while this request is read.
    if (m_everywhere.size() + named.size() > kRemembered) m_everywhere.clear();
    std::vector<std::span<const catalogue::CategoryReading>> readings;
    for (const std::string_view word : named) readings.push_back(Everywhere(word));
    auto best = catalogue::NameRule::Start;
    for (int c = 0; c < m_catalogue.CategoryCount(); ++c) {
      auto loosest = catalogue::NameRule::TableName;
      const bool all = std::all_of(readings.begin(), readings.end(), [&](const auto& word) {
        const auto reading =
            std::find_if(word.begin(), word.end(), [&](const auto& r) { return r.Category == c; });
        if (reading == word.end() || reading->Reading.Position < 0) return false;
        loosest = std::max(loosest, reading->Reading.Rule);
        return true;
      });
      if (!all || loosest > best) continue;
      if (loosest < best) holding.clear();
      best = loosest;
      holding.push_back(c);
    }
    if (holding.size() == 1) {
      found = holding.front();
      return true;
    }
    if (holding.size() > 1) {
      const bool table = words.back().empty() && named.size() == 1;
      std::vector<std::string> quoted;
      for (const std::string_view word : named) quoted.push_back(Quoted(word));
      message = (table ? "unit " + quoted[0] + " is" : "units " + Listed(quoted) + " are") +
                " in more than one category: " + CategoryList(holding) + "; name the category" +
                (m_batch ? " in the line's first field"
                         : std::string(": quantivo-convert ") + (table ? "--table " : "") +
                               "CATEGORY VALUE FROM" + (table ? "" : " TO"));
      return false;
    }
    // No category holds them all: a word that names nothing, a word that is the start
    // of several units where the others are, or units of different categories.
    for (std::size_t w = 0; w < named.size(); ++w) {
      if (!readings[w].empty()) continue;
      int other = -1;
      for (std::size_t v = 0; v < named.size(); ++v) {
        if (v == w || readings[v].size() != 1) continue;
        other = other == -1 || other == readings[v][0].Category ? readings[v][0].Category : -2;
      }
      message = other >= 0 ? UnknownUnit(other, named[w], false) : UnknownUnit(named[w]);
      return false;
    }
    for (std::size_t w = 0; w < named.size(); ++w) {
      const bool onlyAmbiguous =
          std::none_of(readings[w].begin(), readings[w].end(),
                       [](const auto& r) { return r.Reading.Position >= 0; });
      for (const catalogue::CategoryReading& reading : readings[w]) {
        if (!reading.Reading.Ambiguous) continue;
        if (onlyAmbiguous) {
          message = UnknownUnit(reading.Category, named[w], true);
          return false;
        }
        const bool othersThere =
            std::all_of(readings.begin(), readings.end(), [&](const auto& word) {
              return &word == &readings[w] ||
                     std::any_of(word.begin(), word.end(), [&](const auto& r) {
                       return r.Category == reading.Category && r.Reading.Position >= 0;
                     });
            });
        if (othersThere) {
          message = UnknownUnit(reading.Category, named[w], true);
          return false;
        }
      }
    }
    std::vector<std::string> quoted;
    std::vector<std::string> quantities;
    for (std::size_t w = 0; w < named.size(); ++w) {
      quoted.push_back(Quoted(named[w]));
      quantities.push_back(Quantity(named[w], readings[w]));
    }
    message = Listed(quoted) + " are units of different categories: " + Join(quantities, ", ") +
              "; see quantivo-convert --names CATEGORY";
    return false;
  }

  // "second is Time", "minute is Time or Angle", "\"c\" is c (light) (Speed) or ...".
  std::string Quantity(std::string_view word,
                       std::span<const catalogue::CategoryReading> readings) const {
    std::vector<std::string_view> names;
    std::vector<std::string> categories;
    for (const catalogue::CategoryReading& reading : readings) {
      if (reading.Reading.Position < 0) continue;
      const catalogue::UnitCategory& category = m_catalogue.Category(reading.Category);
      names.push_back(category.Units[static_cast<std::size_t>(reading.Reading.Position)].Name);
      categories.emplace_back(category.DisplayName);
    }
    if (names.empty()) return {};
    const bool oneName =
        std::all_of(names.begin(), names.end(), [&](auto n) { return n == names[0]; });
    std::string text = oneName ? std::string(names[0]) : Quoted(word);
    text += " is ";
    for (std::size_t i = 0; i < categories.size(); ++i) {
      if (i > 0) text += " or ";
      if (!oneName) text.append(names[i]).append(" (");
      text += categories[i];
      if (!oneName) text += ")";
    }
    return text;
  }

  // What FindEverywhere gives, remembered: a batch names the same units again and again.
  const std::vector<catalogue::CategoryReading>& Everywhere(std::string_view word) const {
    const auto known = m_everywhere.find(std::string(word));
    if (known != m_everywhere.end()) return known->second;
    return m_everywhere.emplace(std::string(word), m_lookup.FindEverywhere(word)).first->second;
  }

  static std::string Join(const std::vector<std::string>& items, std::string_view separator) {
    std::string joined;
    for (const std::string& item : items) {
      if (item.empty()) continue;
      if (!joined.empty()) joined += separator;
      joined += item;
    }
    return joined;
  }

  std::string CategoryList(const std::vector<int>& categories) const {
    std::vector<std::string> names;
    for (const int c : categories) names.emplace_back(m_catalogue.Category(c).DisplayName);
    return Join(names, ", ");
  }

  static constexpr std::size_t kRemembered = 4096;

  UnitCatalogue m_catalogue;
  catalogue::UnitLookup m_lookup;
  mutable std::unordered_map<std::string, std::vector<catalogue::CategoryReading>> m_everywhere;
  mutable std::string m_lastCategory;
  mutable int m_lastCategoryIndex = -1;
  mutable std::vector<std::string_view> m_words;  // the unit words of the request in hand
  ResultFormat m_format;
  engine::NumberLocale m_locale;
  bool m_batch = false;
};

int RunList(const Options& options, std::ostream& out, std::ostream& err) {
  UnitCatalogue catalogue;
  if (options.Sorted) catalogue.SortUnitTables();
  errno = 0;
  if (options.Positional.empty() && options.List) {
    for (const std::string_view name : catalogue.CategoryNames()) out << name << '\n';
    return FinishOutput(out, err, 0);
  }
  std::vector<int> categories;
  if (options.Positional.empty()) {
    for (int c = 0; c < catalogue.CategoryCount(); ++c) categories.push_back(c);
  } else {
    const int category = catalogue::FindCategoryName(catalogue, options.Positional[0]);
    if (category < 0) {
      err << kProgram << ": " << CategoryProblem(catalogue, options.Positional[0]) << "\n";
      return kUsageError;
    }
    categories.push_back(category);
  }
  if (options.List) {
    for (const std::string_view name : catalogue.UnitNames(categories[0])) out << name << '\n';
    return FinishOutput(out, err, 0);
  }
  // Every name once, in the order the categories and their lists give.
  const catalogue::UnitLookup lookup(catalogue);
  std::unordered_set<std::string_view> written;
  for (const int c : categories) {
    for (const std::string_view name : lookup.NamesOf(c)) {
      if (written.insert(name).second) out << name << '\n';
    }
  }
  return FinishOutput(out, err, 0);
}

// Converts one request and writes its line, or reports it on `err`; the status.
// `line`: the batch line's number, 0 outside a batch.
int ConvertOne(const Converter& converter, const RequestWords& request, bool verbose,
               long long line, Resolved& resolved, std::string& result, std::ostream& err) {
  std::string message;
  const auto where = [&] { return line > 0 ? "line " + std::to_string(line) + ": " : ""; };
  if (!converter.Resolve(request, resolved, message)) {
    err << kProgram << ": " << where() << message << '\n';
    result.clear();
    return kUsageError;
  }
  const engine::ConversionResult converted = converter.Convert(request, resolved, resolved.To);
  result = engine::EnglishText(converted);
  if (verbose) {
    err << kProgram << ": " << where()
        << converter.Reading(request, resolved, resolved.To, converted) << '\n';
  }
  return converted.Failure ? kValueError : 0;
}

// One result line per input line, in order. Output is flushed whenever no more
// input is waiting, so a script may feed one line and wait for its answer. Reading
// stops at the first failure to write, and a read error is told from the end of input.
int RunBatch(const Converter& converter, bool verbose, std::istream& in, std::ostream& out,
             std::ostream& err) {
  int status = 0;
  std::string line;
  std::string result;
  RequestWords request;  // its views point into the line in hand
  request.Parts.resize(1);
  Resolved resolved;
  long long lineNumber = 0;
  for (;;) {
    errno = 0;
    if (!std::getline(in, line)) break;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // FROM, TO and VALUE, after a CATEGORY field (which may be empty) when there are
    // three tabs or more; everything after the last field's tab is the value.
    std::string_view text = line;
    std::string_view fields[4];
    std::size_t count = 0;
    for (; count < 3; ++count) {
      const std::size_t tab = text.find('\t');
      if (tab == text.npos) break;
      fields[count] = text.substr(0, tab);
      text.remove_prefix(tab + 1);
    }
    fields[count] = text;
    if (count < 2) {
      err << kProgram << ": line " << lineNumber
          << ": expected [CATEGORY<TAB>]FROM<TAB>TO<TAB>VALUE\n";
      status = WorseStatus(status, kUsageError);
      result.clear();
    } else {
      const std::size_t first = count == 3 ? 1 : 0;
      request.HasCategory = count == 3 && !fields[0].empty();
      request.Category = count == 3 ? fields[0] : std::string_view{};
      request.Parts[0] = {fields[first + 2], fields[first]};
      request.To = fields[first + 1];
      status = WorseStatus(
          status, ConvertOne(converter, request, verbose, lineNumber, resolved, result, err));
    }
    errno = 0;
    out << result << '\n';
    if (out && in.rdbuf()->in_avail() <= 0) out.flush();
    if (!out) return ReportIoError(err, "writing standard output", errno);
  }
  if (in.bad()) {
    ReportIoError(err, "reading standard input", errno);
    status = kIoError;
  }
  errno = 0;
  return FinishOutput(out, err, status);
}

}  // namespace

int RunConvertCli(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
                  std::ostream& err, const engine::NumberLocale& locale) {
  Options options;
  if (const std::optional<std::string> problem = ParseArguments(args, options)) {
    err << kProgram << ": " << *problem << "\n\n" << kUsage;
    return kUsageError;
  }
  if (options.Help || options.Version) {
    errno = 0;
    if (options.Help)
      out << kUsage;
    else
      out << kProgram << ' ' << QUANTIVO_VERSION << '\n';
    return FinishOutput(out, err, 0);
  }
  if (options.List || options.Names) return RunList(options, out, err);

  const Converter converter(options, locale);
  if (options.Batch) return RunBatch(converter, options.Verbose, in, out, err);

  RequestWords request;
  if (!ReadRequestWords(options.Positional, options.Table, converter.Catalogue(),
                        converter.Lookup(), request)) {
    err << kProgram << ": expected [CATEGORY] VALUE FROM" << (options.Table ? "" : " TO") << "\n\n"
        << kUsage;
    return kUsageError;
  }
  std::string result;
  if (!options.Table) {
    Resolved resolved;
    const int status = ConvertOne(converter, request, options.Verbose, 0, resolved, result, err);
    if (status == kUsageError) return status;
    errno = 0;
    out << result << '\n';
    return FinishOutput(out, err, status);
  }
  // VALUE in every unit of the category, "unit<TAB>result" lines in list order.
  Resolved resolved;
  if (!converter.Resolve(request, resolved, result)) {
    err << kProgram << ": " << result << '\n';
    return kUsageError;
  }
  if (options.Verbose) {
    err << kProgram << ": " << converter.Reading(request, resolved, -1, {}) << '\n';
  }
  int status = 0;
  errno = 0;
  const catalogue::UnitCategory& category = converter.Catalogue().Category(resolved.Category);
  for (int to = 0; to < static_cast<int>(category.Units.size()); ++to) {
    const engine::ConversionResult converted = converter.Convert(request, resolved, to);
    if (converted.Failure) status = kValueError;
    out << category.Units[static_cast<std::size_t>(to)].Name << '\t'
        << engine::EnglishText(converted) << '\n';
  }
  return FinishOutput(out, err, status);
}

}  // namespace quantivo::cli
