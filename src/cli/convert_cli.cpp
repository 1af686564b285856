#include "convert_cli.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <unordered_map>

#include "catalogue/unit_catalogue.h"
#include "engine/convert_text.h"
#include "model/converter_model.h"

namespace quantivo::cli {
namespace {

using catalogue::UnitCatalogue;
using engine::ResultFormat;
using engine::ViewType;

constexpr int kIoError = 1;
constexpr int kUsageError = 2;
constexpr std::string_view kProgram = "quantivo-convert";

constexpr std::string_view kUsage =
    "Usage: quantivo-convert [OPTIONS] CATEGORY VALUE FROM TO\n"
    "       quantivo-convert [OPTIONS] --batch\n"
    "       quantivo-convert --list [CATEGORY]\n"
    "\n"
    "Converts VALUE in CATEGORY from unit FROM to unit TO and prints the result as the\n"
    "converter's output box shows it. Names are matched exactly (quote those with blanks).\n"
    "Fractions has no input unit: give \"\" as FROM.\n"
    "\n"
    "  --format auto|scientific|fixed|commas   result format (default auto)\n"
    "  --precision N      digits for scientific, decimals for fixed and commas (default 4)\n"
    "  --batch            read CATEGORY<TAB>FROM<TAB>TO<TAB>VALUE lines from standard input\n"
    "                     and print one result line for each; an empty FROM or TO gives an\n"
    "                     empty line\n"
    "  --list [CATEGORY]  list the categories, or the units of CATEGORY\n"
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
    } else if (name == "--help") {
      options.Help = true;
    } else {
      return "unknown option " + Escaped(name);
    }
  }
  if (options.Help) return std::nullopt;
  if (options.Batch && options.List) return "--batch and --list cannot be combined";
  if (options.Batch && !options.Positional.empty()) return "--batch takes no other arguments";
  if (options.List && options.Positional.size() > 1) return "--list takes at most one category";
  if (!options.Batch && !options.List && options.Positional.size() != 4) {
    return "expected CATEGORY VALUE FROM TO";
  }
  return std::nullopt;
}

// Finds categories and units by their exact names.
class NameLookup {
 public:
  explicit NameLookup(const UnitCatalogue& catalogue) {
    for (int c = 0; c < UnitCatalogue::CategoryCount; ++c) {
      const std::vector<std::string_view> names = catalogue.UnitNames(c);
      for (int i = 0; i < static_cast<int>(names.size()); ++i) m_units[c].emplace(names[i], i);
    }
  }

  /// The list position of the unit, -1 for an empty name, nothing if unknown.
  std::optional<int> Unit(int category, std::string_view name) const {
    if (name.empty()) return -1;
    const auto found = m_units[category].find(name);
    if (found == m_units[category].end()) return std::nullopt;
    return found->second;
  }

 private:
  std::unordered_map<std::string_view, int> m_units[UnitCatalogue::CategoryCount];
};

struct Request {
  std::string_view Category;
  std::string_view From;
  std::string_view To;
  std::string_view Value;
};

class Converter {
 public:
  Converter(const Options& options, const engine::NumberLocale& locale)
      : m_lookup(m_catalogue), m_format(options.Format), m_locale(locale) {}

  /// The output text of one request, or an error message naming what is unknown.
  bool Convert(const Request& request, std::string& result) const {
    const int category = m_catalogue.FindCategory(request.Category);
    if (category < 0) {
      result = "unknown category \"" + Escaped(request.Category) + "\"";
      return false;
    }
    const std::optional<int> from = m_lookup.Unit(category, request.From);
    const std::optional<int> to = m_lookup.Unit(category, request.To);
    if (!from || !to) {
      result = "unknown unit \"" + Escaped(!from ? request.From : request.To) +
               "\" in category \"" + Escaped(request.Category) + "\"";
      return false;
    }
    result = engine::ConvertText(m_catalogue, category, *from, *to,
                                 model::InputBoxText(request.Value), m_format, m_locale);
    return true;
  }

 private:
  UnitCatalogue m_catalogue;
  NameLookup m_lookup;
  ResultFormat m_format;
  engine::NumberLocale m_locale;
};

int RunList(const Options& options, std::ostream& out, std::ostream& err) {
  const UnitCatalogue catalogue;
  errno = 0;
  if (options.Positional.empty()) {
    for (const std::string_view name : catalogue.CategoryNames()) out << name << '\n';
    return FinishOutput(out, err, 0);
  }
  const int category = catalogue.FindCategory(options.Positional[0]);
  if (category < 0) {
    err << kProgram << ": unknown category \"" << Escaped(options.Positional[0]) << "\"\n";
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

  const auto& p = options.Positional;
  std::string result;
  if (!converter.Convert({p[0], p[2], p[3], p[1]}, result)) {
    err << kProgram << ": " << result << '\n';
    return kUsageError;
  }
  errno = 0;
  out << result << '\n';
  return FinishOutput(out, err, 0);
}

}  // namespace quantivo::cli
