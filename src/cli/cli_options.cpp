#include "cli_options.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "cli_output.h"

namespace quantivo::cli {
namespace {

using engine::ViewType;

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
    "Units of your own, as the window defines them, are read from Quantivo/units.ini\n"
    "in $XDG_CONFIG_HOME (or ~/.config) and follow each category's table units.\n"
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
    "  --no-custom-units  leave out the units of your own: the units file is not read\n"
    "  -v, --verbose      tell on standard error how each request was read, and where\n"
    "                     the units of your own come from\n"
    "  -h, --help         show this help\n"
    "  --version          show the version\n"
    "\n"
    "Exit status: 0 converted; 1 input or output failed; 2 an unknown or unclear name\n"
    "or a bad option; 3 a value that cannot be converted (its message is printed).\n";

struct Flag {
  std::string_view Name;
  bool Options::*Member;
};
constexpr Flag kFlags[] = {
    {"--batch", &Options::Batch},     {"--list", &Options::List},
    {"--names", &Options::Names},     {"--table", &Options::Table},
    {"--sorted", &Options::Sorted},   {"--no-custom-units", &Options::NoCustomUnits},
    {"--verbose", &Options::Verbose}, {"--help", &Options::Help},
    {"--version", &Options::Version}, {"-v", &Options::Verbose},
    {"-h", &Options::Help},
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

// The value of --format or --precision into `options`; the message for a bad one.
std::optional<std::string> SetValue(std::string_view name, std::string_view value,
                                    Options& options) {
  if (name == "--format") {
    const std::optional<ViewType> view = ParseFormat(value);
    if (!view) return "unknown format \"" + Escaped(value) + "\"";
    options.Format.View = *view;
  } else {
    const std::optional<int> precision = ParsePrecision(value);
    if (!precision) return "precision \"" + Escaped(value) + "\" is not an integer";
    options.Format.Precision = *precision;
  }
  return std::nullopt;
}

// The option args[i], "--name" or "--name=value"; a value it needs and lacks is the
// next argument, and `i` moves past it.
std::optional<std::string> ParseOption(const std::vector<std::string_view>& args, std::size_t& i,
                                       Options& options) {
  const std::string_view arg = args[i];
  const std::size_t equals = arg.find('=');
  const std::string_view name = arg.substr(0, equals);
  std::optional<std::string_view> value;
  if (equals != std::string_view::npos) value = arg.substr(equals + 1);
  if (const Flag* flag = FindFlag(name)) {
    if (value) return "option " + Escaped(name) + " takes no value";
    options.*flag->Member = true;
    return std::nullopt;
  }
  if (name != "--format" && name != "--precision") return "unknown option " + Escaped(name);
  if (!value) {
    if (i + 1 == args.size()) return "option " + std::string(name) + " needs a value";
    value = args[++i];
  }
  return SetValue(name, *value, options);
}

// Whether the options go together and the operands fit the form they choose.
std::optional<std::string> CheckForm(const Options& options) {
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

}  // namespace

std::string_view UsageText() {
  return kUsage;
}

std::optional<std::string> ParseArguments(const std::vector<std::string_view>& args,
                                          Options& options) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--" && !optionsEnded) {
      optionsEnded = true;
      continue;
    }
    // "-40" is a value; of the short forms only -h and -v are options.
    const bool option =
        !optionsEnded && (arg == "-h" || arg == "-v" || (arg.size() > 2 && arg.starts_with("--")));
    if (!option) {
      options.Positional.push_back(arg);
    } else if (std::optional<std::string> problem = ParseOption(args, i, options)) {
      return problem;
    }
  }
  return CheckForm(options);
}

}  // namespace quantivo::cli
