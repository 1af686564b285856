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
#include <unordered_map>
#include <vector>

#include "catalogue/name_match.h"
#include "catalogue/unit_catalogue.h"
#include "engine/convert_text.h"
#include "engine/input_text.h"

namespace quantivo::cli {
namespace {

using catalogue::UnitCatalogue;
using engine::ResultFormat;
using engine::ViewType;

constexpr int kIoError = 1;
constexpr int kUsageError = 2;
constexpr std::string_view kProgram = "quantivo-convert";

constexpr std::string_view kUsage =
    "Usage: quantivo-convert [OPTIONS] [CATEGORY] VALUE FROM TO\n"
    "       quantivo-convert [OPTIONS] --batch\n"
    "       quantivo-convert [OPTIONS] --table [--sorted] [CATEGORY] VALUE FROM\n"
    "       quantivo-convert --list [--sorted] [CATEGORY]\n"
    "\n"
    "Converts VALUE from unit FROM to unit TO and prints the result as the converter's\n"
    "output box shows it. Without CATEGORY, the one category that holds both units is\n"
    "used. A name that is not exact may differ in case, write \"2\", \"3\" and \"deg\" for\n"
    "\"\u00b2\", \"\u00b3\" and \"\u00b0\", or be the start of one name only (quote names with\n"
    "blanks). Fractions has no input unit: give \"\" as FROM.\n"
    "\n"
    "  --format auto|scientific|fixed|commas   result format (default auto)\n"
    "  --precision N      digits for scientific, decimals for fixed and commas (default 4)\n"
    "  --batch            read CATEGORY<TAB>FROM<TAB>TO<TAB>VALUE lines from standard input\n"
    "                     and print one result line for each; an empty FROM or TO gives an\n"
    "                     empty line\n"
    "  --table            print VALUE converted into every unit of the category, one\n"
    "                     UNIT<TAB>RESULT line each, in list order\n"
    "  --list [CATEGORY]  list the categories, or the units of CATEGORY\n"
    "  --sorted           with --table and --list: units in alphabetical order\n"
    "  --help             show this help\n";

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
  bool Table = false;
  bool Sorted = false;
  bool Help = false;
  std::vector<std::string_view> Positional;
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

// Fills `options`; returns an error message for a bad option, or nothing.
std::optional<std::string> ParseArguments(const std::vector<std::string_view>& args,
                                          Options& options) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || arg.size() <= 2 || arg.substr(0, 2) != "--") {
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
    constexpr std::string_view kFlags[] = {"--batch", "--list", "--table", "--sorted", "--help"};
    if (!takesValue && std::find(std::begin(kFlags), std::end(kFlags), name) == std::end(kFlags)) {
      return "unknown option " + Escaped(name);
    }
    if (takesValue && !value) {
      if (i + 1 == args.size()) return "option " + std::string(name) + " needs a value";
      value = args[++i];
    }
    if (!takesValue && value) return "option " + Escaped(name) + " takes no value";

    if (name == "--format") {
      const std::optional<ViewType> view = ParseFormat(*value);
      if (!view) return "unknown format \"" + Escaped(*value) + "\"";
      options.Format.View = *view;
    } else if (name == "--precision") {
      const std::optional<int> precision = ParsePrecision(*value);
      if (!precision) return "precision \"" + Escaped(*value) + "\" is not an integer";
      options.Format.Precision = *precision;
    } else if (name == "--batch") {
      options.Batch = true;
    } else if (name == "--list") {
      options.List = true;
    } else if (name == "--table") {
      options.Table = true;
    } else if (name == "--sorted") {
      options.Sorted = true;
    } else if (name == "--help") {
      options.Help = true;
    } else {
      return "unknown option " + Escaped(name);
    }
  }
  if (options.Help) return std::nullopt;
  const std::size_t count = options.Positional.size();
  if (options.Batch + options.List + options.Table > 1) {
    return "--batch, --list and --table cannot be combined";
  }
  if (options.Sorted && !options.List && !options.Table) {
    return "--sorted goes with --list or --table";
  }
  if (options.Batch && count != 0) return "--batch takes no other arguments";
  if (options.List && count > 1) return "--list takes at most one category";
  if (options.Table && count != 2 && count != 3) return "expected [CATEGORY] VALUE FROM";
  if (!options.Batch && !options.List && !options.Table && count != 3 && count != 4) {
    return "expected [CATEGORY] VALUE FROM TO";
  }
  return std::nullopt;
}

std::string Quoted(std::string_view name) {
  return "\"" + Escaped(name) + "\"";
}

// "; did you mean "a", "b" or "c"?", or nothing when no name is near.
std::string Suggestion(const std::vector<std::string_view>& names, std::string_view typed) {
  const std::vector<std::string_view> nearest = catalogue::NearestNames(names, typed, 3);
  if (nearest.empty()) return {};
  std::string text = "; did you mean ";
  for (std::size_t i = 0; i < nearest.size(); ++i) {
    if (i > 0) text += i + 1 == nearest.size() ? " or " : ", ";
    text += Quoted(nearest[i]);
  }
  return text + "?";
}

// Finds categories and units by name: an exact name, as a script gives it, through a
// hash table; any other by the forgiving rules of FindName.
class NameLookup {
 public:
  explicit NameLookup(const UnitCatalogue& catalogue)
      : m_catalogue(catalogue),
        m_names(catalogue.CategoryCount()),
        m_units(catalogue.CategoryCount()) {
    for (int c = 0; c < catalogue.CategoryCount(); ++c) {
      m_names[c] = catalogue.UnitNames(c);
      for (int i = 0; i < static_cast<int>(m_names[c].size()); ++i) {
        m_units[c].emplace(m_names[c][static_cast<std::size_t>(i)], i);
      }
    }
  }

  /// The category's index, -1 if no name or more than one fits.
  int Category(std::string_view name) const {
    return catalogue::FindName(m_catalogue.CategoryNames(), name).Position;
  }

  /// The list position of the unit, -1 for an empty name, nothing if unknown.
  std::optional<int> Unit(int category, std::string_view name) const {
    const catalogue::NameMatch match = FindUnit(category, name);
    if (match.Position < 0 && !name.empty()) return std::nullopt;
    return match.Position;
  }

  std::string UnknownCategory(std::string_view name) const {
    return "unknown category " + Quoted(name) + Suggestion(m_catalogue.CategoryNames(), name);
  }
  /// Whether the name fits several units of the category and so none.
  bool Ambiguous(int category, std::string_view name) const {
    return catalogue::FindName(m_names[category], name).Ambiguous;
  }
  /// A unit name the category has no one unit for: unknown, or the start of several.
  std::string UnknownUnit(int category, std::string_view name) const {
    return (Ambiguous(category, name) ? "ambiguous unit " : "unknown unit ") + Quoted(name) +
           " in category " + Quoted(m_catalogue.Category(category).DisplayName) +
           Suggestion(m_names[category], name);
  }
  /// A unit name in no category: the nearest names of all.
  std::string UnknownUnit(std::string_view name) const {
    std::vector<std::string_view> all;
    for (const auto& names : m_names) all.insert(all.end(), names.begin(), names.end());
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return "unknown unit " + Quoted(name) + Suggestion(all, name);
  }

  /// The categories that hold a unit for every one of `names` (an empty one fits
  /// all), found by the closest rule any category allows: "meter" names the Length
  /// unit exactly, so Area's "meter²", which it only begins, does not count.
  std::vector<int> CategoriesHolding(std::initializer_list<std::string_view> names) const {
    std::vector<int> holding;
    auto best = catalogue::MatchRule::Prefix;
    for (int c = 0; c < m_catalogue.CategoryCount(); ++c) {
      auto loosest = catalogue::MatchRule::Exact;
      const bool all = std::all_of(names.begin(), names.end(), [&](std::string_view name) {
        const catalogue::NameMatch match = FindUnit(c, name);
        loosest = std::max(loosest, match.Rule);
        return name.empty() || match.Position >= 0;
      });
      if (!all || loosest > best) continue;
      if (loosest < best) holding.clear();
      best = loosest;
      holding.push_back(c);
    }
    return holding;
  }
  std::string CategoryList(const std::vector<int>& categories) const {
    std::string list;
    for (const int c : categories) {
      list += (list.empty() ? "" : ", ") + std::string(m_catalogue.Category(c).DisplayName);
    }
    return list;
  }

 private:
  catalogue::NameMatch FindUnit(int category, std::string_view name) const {
    if (name.empty()) return {};
    const auto found = m_units[category].find(name);
    if (found != m_units[category].end()) return {found->second, catalogue::MatchRule::Exact};
    return catalogue::FindName(m_names[category], name);
  }

  const UnitCatalogue& m_catalogue;
  std::vector<std::vector<std::string_view>> m_names;
  std::vector<std::unordered_map<std::string_view, int>> m_units;
};

struct Request {
  std::optional<std::string_view> Category;  // nothing: found from the unit names
  std::string_view From;
  std::string_view To;
  std::string_view Value;
};

class Converter {
 public:
  Converter(const Options& options, const engine::NumberLocale& locale)
      : m_lookup(Sorted(m_catalogue, options.Sorted)), m_format(options.Format), m_locale(locale) {}

  /// The output text of one request, or an error message naming what is unknown.
  bool Convert(const Request& request, std::string& result) const {
    const int category = FindCategory(request, false, result);
    if (category < 0) return false;
    const std::optional<int> from = m_lookup.Unit(category, request.From);
    const std::optional<int> to = m_lookup.Unit(category, request.To);
    if (!from || !to) {
      result = m_lookup.UnknownUnit(category, !from ? request.From : request.To);
      return false;
    }
    result = ConvertTo(category, *from, *to, request.Value);
    return true;
  }

  /// VALUE in every unit of the category, "unit<TAB>result" lines in list order.
  bool Table(const Request& request, std::string& result) const {
    const int category = FindCategory(request, true, result);
    if (category < 0) return false;
    const std::optional<int> from = m_lookup.Unit(category, request.From);
    if (!from) {
      result = m_lookup.UnknownUnit(category, request.From);
      return false;
    }
    result.clear();
    const std::vector<std::string_view> names = m_catalogue.UnitNames(category);
    const std::vector<std::string> results = engine::ConvertToEveryUnit(
        m_catalogue, category, *from, engine::InputBoxText(request.Value), m_format, m_locale);
    for (std::size_t to = 0; to < names.size(); ++to) {
      result.append(names[to]).push_back('\t');
      result.append(results[to]).push_back('\n');
    }
    return true;
  }

  const UnitCatalogue& Catalogue() const { return m_catalogue; }
  const NameLookup& Lookup() const { return m_lookup; }

 private:
  static const UnitCatalogue& Sorted(UnitCatalogue& catalogue, bool sorted) {
    if (sorted) catalogue.SortUnitTables();
    return catalogue;
  }

  std::string ConvertTo(int category, int from, int to, std::string_view value) const {
    return engine::ConvertText(m_catalogue, category, from, to, engine::InputBoxText(value),
                               m_format, m_locale);
  }

  // The named category, or the one that holds the units named (FROM alone for a
  // table); -1 with the message.
  int FindCategory(const Request& request, bool table, std::string& message) const {
    if (request.Category) {
      const int category = m_lookup.Category(*request.Category);
      if (category < 0) message = m_lookup.UnknownCategory(*request.Category);
      return category;
    }
    const std::vector<int> holding = table ? m_lookup.CategoriesHolding({request.From})
                                           : m_lookup.CategoriesHolding({request.From, request.To});
    if (holding.size() == 1) return holding.front();
    if (holding.size() > 1) {
      message = (table ? "unit " + Quoted(request.From) + " is"
                       : "units " + Quoted(request.From) + " and " + Quoted(request.To) + " are") +
                " in more than one category: " + m_lookup.CategoryList(holding) +
                "; name the category: quantivo-convert " + (table ? "--table " : "") +
                "CATEGORY VALUE FROM" + (table ? "" : " TO");
      return -1;
    }
    const std::vector<int> withFrom = m_lookup.CategoriesHolding({request.From});
    const std::vector<int> withTo = m_lookup.CategoriesHolding({request.To});
    if (withFrom.empty() || withTo.empty()) {
      const std::string_view unknown = withFrom.empty() ? request.From : request.To;
      const std::vector<int>& other = withFrom.empty() ? withTo : withFrom;
      message = other.size() == 1 && !table ? m_lookup.UnknownUnit(other.front(), unknown)
                                            : m_lookup.UnknownUnit(unknown);
    } else if (withFrom.size() == 1 && m_lookup.Ambiguous(withFrom.front(), request.To)) {
      // The category of the one name is known, and the other begins several of its units.
      message = m_lookup.UnknownUnit(withFrom.front(), request.To);
    } else if (withTo.size() == 1 && m_lookup.Ambiguous(withTo.front(), request.From)) {
      message = m_lookup.UnknownUnit(withTo.front(), request.From);
    } else {
      message = "no category holds both " + Quoted(request.From) + " and " + Quoted(request.To);
    }
    return -1;
  }

  UnitCatalogue m_catalogue;
  NameLookup m_lookup;
  ResultFormat m_format;
  engine::NumberLocale m_locale;
};

int RunList(const Options& options, std::ostream& out, std::ostream& err) {
  UnitCatalogue catalogue;
  if (options.Sorted) catalogue.SortUnitTables();
  errno = 0;
  if (options.Positional.empty()) {
    for (const std::string_view name : catalogue.CategoryNames()) out << name << '\n';
    return FinishOutput(out, err, 0);
  }
  const NameLookup lookup(catalogue);
  const int category = lookup.Category(options.Positional[0]);
  if (category < 0) {
    err << kProgram << ": " << lookup.UnknownCategory(options.Positional[0]) << "\n";
    return kUsageError;
  }
  for (const std::string_view name : catalogue.UnitNames(category)) out << name << '\n';
  return FinishOutput(out, err, 0);
}

// One result line per input line, in order. Output is flushed whenever no more
// input is waiting, so a script may feed one line and wait for its answer. Reading
// stops at the first failure to write, and a read error is told from the end of input.
int RunBatch(const Converter& converter, std::istream& in, std::ostream& out, std::ostream& err) {
  int status = 0;
  std::string line;
  std::string result;
  long long lineNumber = 0;
  for (;;) {
    errno = 0;
    if (!std::getline(in, line)) break;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string_view text = line;
    const std::size_t tab1 = text.find('\t');
    const std::size_t tab2 = tab1 == text.npos ? text.npos : text.find('\t', tab1 + 1);
    const std::size_t tab3 = tab2 == text.npos ? text.npos : text.find('\t', tab2 + 1);
    if (tab3 == text.npos) {
      err << kProgram << ": line " << lineNumber
          << ": expected CATEGORY<TAB>FROM<TAB>TO<TAB>VALUE\n";
      status = kUsageError;
      result.clear();
    } else {
      const Request request{text.substr(0, tab1), text.substr(tab1 + 1, tab2 - tab1 - 1),
                            text.substr(tab2 + 1, tab3 - tab2 - 1), text.substr(tab3 + 1)};
      if (!converter.Convert(request, result)) {
        err << kProgram << ": line " << lineNumber << ": " << result << '\n';
        status = kUsageError;
        result.clear();
      }
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
  if (options.Help) {
    errno = 0;
    out << kUsage;
    return FinishOutput(out, err, 0);
  }
  if (options.List) return RunList(options, out, err);

  const Converter converter(options, locale);
  if (options.Batch) return RunBatch(converter, in, out, err);

  // With one positional argument more, the first is the category.
  std::vector<std::string_view> p = options.Positional;
  std::optional<std::string_view> category;
  if (p.size() == (options.Table ? 3u : 4u)) {
    category = p.front();
    p.erase(p.begin());
  }
  std::string result;
  const bool done = options.Table ? converter.Table({category, p[1], {}, p[0]}, result)
                                  : converter.Convert({category, p[1], p[2], p[0]}, result);
  if (!done) {
    err << kProgram << ": " << result << '\n';
    return kUsageError;
  }
  errno = 0;
  out << result;
  if (!options.Table) out << '\n';
  return FinishOutput(out, err, 0);
}

}  // namespace quantivo::cli
