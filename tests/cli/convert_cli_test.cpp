#include "convert_cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "catalogue/unit_catalogue.h"

namespace quantivo::cli {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun RunCli(std::vector<std::string_view> args, const std::string& input = "",
              const engine::NumberLocale& locale = {}, const std::string& unitsPath = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunConvertCli(args, in, out, err, locale, unitsPath);
  return {status, out.str(), err.str()};
}

TEST(ConvertCli, PrintsTheOutputBoxText) {
  const struct {
    std::vector<std::string_view> args;
    const char* out;
    int status = 0;  // 3 for a value that does not convert
  } kCases[] = {
      {{"Length", "1", "kilometer", "meter"}, "1000\n"},
      {{"--format", "scientific", "Length", "9999999999", "meter", "meter"}, "1.000E+010\n"},
      {{"Length", "1E5000", "meter", "meter"}, "result too large\n", 3},
      {{"Length", "1,5", "meter", "foot"}, "invalid number [2]\n", 3},
      {{"Length", "1e3", "meter", "kilometer"}, "1\n"},
      {{"Length", "-5", "meter", "meter"}, "-5\n"},
      {{"Length", "", "meter", "meter"}, "\n"},
      {{"Length", "1", "mile (US Survey)", "foot (US Survey)"}, "5280\n"},
      {{"--format=fixed", "--precision=2", "Length", "1", "mile", "kilometer"}, "1.61\n"},
      {{"Length", "1", "mile", "kilometer", "--format", "commas"}, "1.6093\n"},
      {{"--precision", "-1", "--format", "fixed", "Length", "1", "foot", "inch"}, "12.00\n"},
      {{"--precision", "99999999999", "--format", "scientific", "Length", "1", "meter",
        "millimeter"},
       "1.00000000000000E+003\n"},
      {{"--", "Length", "--5", "meter", "meter"}, "invalid number [2]\n", 3},
      // Names that are not exact, and no category: the one unit or category meant.
      {{"1", "mile", "kilometer"}, "1.609344\n"},
      {{"1", "MILE", "Kilom"}, "1.609344\n"},
      {{"length", "1", "Meter", "FOOT"}, "3.280839895\n"},
      {{"1", "foot2", "meter2"}, "0.09290304\n"},  // Area, not Kinematic Viscosity
      {{"1", "meter", "foot"}, "3.280839895\n"},   // exact in Length, a prefix elsewhere
      {{"thermal", "1", "watt/meter-k", "btu-inch/hour-foot2-degf"}, "6.939643782\n"},
      {{"-40", "fahr", "cels"}, "-40\n"},
      {{"123.456", "", "mixed number"}, "123 and 57/125\n"},
  };
  for (const auto& c : kCases) {
    const CliRun run = RunCli(c.args);
    SCOPED_TRACE(c.out);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, c.status);
  }
}

TEST(ConvertCli, ResultsUseTheGivenSeparators) {
  const CliRun run = RunCli({"--format", "commas", "Length", "1234567.5", "meter", "meter"}, "",
                            engine::NumberLocale{",", "."});
  EXPECT_EQ(run.out, "1.234.567,5000\n");
}

TEST(ConvertCli, UnknownNamesAreReportedWithTheNearestNames) {
  const struct {
    std::vector<std::string_view> args;
    const char* err;
  } kCases[] = {
      {{"Lenght", "1", "meter", "foot"},
       "unknown category \"Lenght\"; did you mean \"Length\" or \"Light\"?"},
      {{"Length", "1", "metro", "foot"},
       "unknown unit \"metro\" in category \"Length\"; did you mean \"metre\"?"},
      {{"Length", "1", "meter", "furlongs2"},
       "unknown unit \"furlongs2\" in category \"Length\"; did you mean \"furlongs\"?"},
      {{"--list", "Nope"}, "unknown category \"Nope\""},
      // Without a category: the one that knows the other name, or all of them.
      {{"1", "kilometrs", "meter"},
       "unknown unit \"kilometrs\" in category \"Length\"; did you mean \"kilometers\"?"},
      {{"1", "zzz", "qqq"}, "unknown unit \"zzz\"; see quantivo-convert --names"},
      {{"1", "pint", "liter"},
       "units \"pint\" and \"liter\" are in more than one category: Volume, Volume - Dry; name "
       "the category: quantivo-convert CATEGORY VALUE FROM TO"},
      {{"--table", "1", "pint"},
       "unit \"pint\" is in more than one category: Volume, Volume - Dry; name the category: "
       "quantivo-convert --table CATEGORY VALUE FROM"},
      // A prefix of two names is no guess.
      {{"Length", "1", "kilo", "foot"},
       "ambiguous unit \"kilo\" in category \"Length\"; did you mean \"kilometer\" or "
       "\"kiloparsec\"?"},
  };
  for (const auto& c : kCases) {
    const CliRun run = RunCli(c.args);
    SCOPED_TRACE(c.err);
    EXPECT_EQ(run.err, std::string("quantivo-convert: ") + c.err + "\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.status, 2);
  }
}

// The rules for names that are not exact hold in --batch too.
TEST(ConvertCli, ForgivingNamesInBatch) {
  const CliRun batch = RunCli({"--batch"}, "length\tKILO\tm\t1\nLENGTH\tMeter\tFOOT\t1\n");
  EXPECT_EQ(
      batch.err,
      "quantivo-convert: line 1: ambiguous unit \"KILO\" in category \"Length\"; did you mean "
      "\"kilometer\" or \"kiloparsec\"?\n");
  EXPECT_EQ(batch.out, "\n3.280839895\n");
}

TEST(ConvertCli, TableShowsTheValueInEveryUnit) {
  const CliRun length = RunCli({"--table", "Length", "1", "meter"});
  EXPECT_EQ(length.status, 0);
  EXPECT_EQ(std::count(length.out.begin(), length.out.end(), '\n'), 38);
  EXPECT_EQ(length.out.rfind("kilometer\t0.001\nhectometer\t0.01\n", 0), 0u);
  EXPECT_EQ(RunCli({"--table", "1", "meter"}).out, length.out);
  EXPECT_EQ(
      RunCli({"--table", "--sorted", "--format", "fixed", "Temperature", "100", "Celsius"}).out,
      "Celsius\t100.0000\nFahrenheit\t212.0000\nKelvin\t373.1500\nRankine\t671.6700\n"
      "R\u00e9aumur\t80.0000\n");
  EXPECT_EQ(RunCli({"--list", "--sorted", "Computer"}).out.rfind("bit\nbyte\n", 0), 0u);
}

TEST(ConvertCli, BadOptionsPrintUsage) {
  const std::vector<std::string_view> kBad[] = {
      {},
      {"1", "meter"},
      {"--sorted", "Length", "1", "meter", "foot"},
      {"--format", "hex", "Length", "1", "meter", "meter"},
      {"--precision", "four", "Length", "1", "meter", "meter"},
      {"--precision", "1.5", "Length", "1", "meter", "meter"},
      {"--precision"},
      {"--bogus", "Length", "1", "meter", "meter"},
      {"--batch", "Length"},
      {"--batch", "--list"},
      {"--list", "Length", "Area"},
      {"--batch=yes"},
  };
  for (const auto& args : kBad) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Usage: quantivo-convert"), std::string::npos) << run.err;
  }
}

TEST(ConvertCli, HelpPrintsUsage) {
  const CliRun run = RunCli({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Usage: quantivo-convert", 0), 0u);
  EXPECT_EQ(run.err, "");
}

TEST(ConvertCli, ListsCategoriesAndUnits) {
  const CliRun categories = RunCli({"--list"});
  EXPECT_EQ(categories.status, 0);
  EXPECT_EQ(categories.out.rfind("Length\nArea\nVolume\nVolume - Dry\nTime\n", 0), 0u);
  EXPECT_EQ(std::count(categories.out.begin(), categories.out.end(), '\n'), 23);
  EXPECT_TRUE(categories.out.ends_with("Conductivity\nThermal Conductivity\n"));

  const CliRun length = RunCli({"--list", "Length"});
  EXPECT_EQ(length.status, 0);
  EXPECT_EQ(length.out.rfind("kilometer\nhectometer\ndekameter\nmeter\n", 0), 0u);
  EXPECT_EQ(std::count(length.out.begin(), length.out.end(), '\n'), 38);
  EXPECT_TRUE(length.out.ends_with("handbreadth (Biblical)\nfingerbreadth (Biblical)\n"));

  // Every category listed can be listed in turn, with all of its units.
  const catalogue::UnitCatalogue catalogue;
  std::istringstream names(categories.out);
  int index = 0;
  for (std::string name; std::getline(names, name); ++index) {
    SCOPED_TRACE(name);
    std::string expected;
    for (const std::string_view unit : catalogue.UnitNames(index)) {
      expected.append(unit).push_back('\n');
    }
    const CliRun units = RunCli({"--list", name});
    EXPECT_EQ(units.status, 0);
    EXPECT_EQ(units.out, expected);
  }
  EXPECT_EQ(index, 23);
}

// One conversion in each category, with names as a script writes them, blanks and
// characters beyond ASCII included.
TEST(ConvertCli, ConvertsInEveryCategory) {
  const struct {
    std::vector<std::string_view> args;
    const char* out;
  } kCases[] = {
      {{"Length", "1", "megaparsec", "fermi"}, "3.085678186E37\n"},
      {{"Area", "1", "section", "acre"}, "640\n"},
      {{"Volume", "2", "pint", "quart"}, "1\n"},
      {{"Volume - Dry", "1", "bushel", "pint"}, "64\n"},
      {{"Time", "1", "week", "hour"}, "168\n"},
      {{"Speed", "1", "c (light)", "kilometer/second"}, "299792.458\n"},
      {{"Mass", "1", "troy ounce", "gram"}, "31.103475\n"},
      {{"Density", "1", "ton/yard³", "pound/foot³"}, "74.07407407\n"},
      {{"Force", "1", "joule/centimeter", "newton"}, "100\n"},
      {{"Energy", "1", "kilocalorie", "joule"}, "4186.8\n"},
      {{"Power", "1", "ton (refrigeration)", "BTU/hour"}, "12000\n"},
      {{"Pressure", "760", "torr", "atmosphere"}, "1\n"},
      {{"Flow", "1", "gallon/minute", "inch³/minute"}, "231\n"},
      {{"Temperature", "0", "Celsius", "Réaumur"}, "0\n"},
      {{"Numbers", "mcm", "Roman numeral", "hexadecimal"}, "76C\n"},  // as the box upper-cases
      {{"Fractions", "0.375", "", "[im]proper fraction"}, "3/8\n"},
      {{"Angle", "1", "revolution", "radian"}, "6.283185307\n"},
      {{"Light", "1", "phot", "lux"}, "10000\n"},
      {{"Computer", "1", "gigabyte", "megabit"}, "8192\n"},
      {{"Dynamic Viscosity", "1", "centipoise", "poise"}, "0.01\n"},
      {{"Kinematic Viscosity", "1", "foot²/second", "stoke"}, "929.0304\n"},
      {{"Conductivity", "1", "statmho", "siemens"}, "1.112347052E-12\n"},
      {{"Thermal Conductivity", "1", "watt/meter-K", "BTU-inch/hour-foot²-°F"}, "6.939643782\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.args[0]));
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
  }
}

TEST(ConvertCli, BatchPrintsOneLinePerInputLine) {
  const std::string input =
      "Length\tkilometer\tmeter\t5\n"
      "Length\t\tmeter\t5\n"
      "Length\tmeter\tfoot\t1,5\n"
      "Length\tmeter\tmeter\t1e3\r\n"
      "Length\tmeter\tmeter\t\n"
      "Length\tfoot\tinch\t2\n"
      "Fractions\t\tmixed number\t-0.5\n"
      "Numbers\tdecimal\tRoman numeral\t2026";
  const CliRun run = RunCli({"--batch"}, input);
  EXPECT_EQ(run.out, "5000\n\ninvalid number [2]\n1000\n\n24\n-0 and 1/2\nMMXXVI\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 3);
}

TEST(ConvertCli, BatchReportsUnknownNamesByLineAndGoesOn) {
  const std::string input =
      "Length\tmeter\tmeter\t1\n"
      "Lenght\tmeter\tmeter\t1\n"
      "Length\tmeter\tmetro\t1\n"
      "Length meter meter\t1\n"
      "Length\tmeter\tkilometer\t1500\n";
  const CliRun run = RunCli({"--batch", "--format", "fixed", "--precision", "1"}, input);
  EXPECT_EQ(run.out, "1.0\n\n\n\n1.5\n");
  EXPECT_EQ(run.err,
            "quantivo-convert: line 2: unknown category \"Lenght\"; did you mean \"Length\" or "
            "\"Light\"?\n"
            "quantivo-convert: line 3: unknown unit \"metro\" in category \"Length\"; did you "
            "mean \"metre\"?\n"
            "quantivo-convert: line 4: expected [CATEGORY<TAB>]FROM<TAB>TO<TAB>VALUE\n");
  EXPECT_EQ(run.status, 2);
}

TEST(ConvertCli, BatchValueKeepsEverythingAfterTheThirdTab) {
  const CliRun run = RunCli({"--batch"}, "Length\tmeter\tmeter\t1\t2\n");
  EXPECT_EQ(run.out, "invalid number [2]\n");
}

// Every message that echoes a name writes its control characters, quotes,
// backslashes and stray bytes as C escapes; UTF-8 characters stay as they are.
TEST(ConvertCli, EchoedNamesAreEscaped) {
  const struct {
    std::vector<std::string_view> args;
    const char* input;
    const char* message;
  } kCases[] = {
      {{"Len\x1b[31mgth", "1", "meter", "meter"}, "", "unknown category \"Len\\x1b[31mgth\""},
      {{"Length", "1", "meter", "a\tb\rc\nd\x7f\x01"},
       "",
       "unknown unit \"a\\tb\\rc\\nd\\x7f\\x01\" in category \"Length\"; see quantivo-convert "
       "--names \"Length\""},
      {{"Length", "1", "foot²-°F 𝄞", "meter"},
       "",
       "unknown unit \"foot²-°F 𝄞\" in category \"Length\"; see quantivo-convert --names "
       "\"Length\""},
      // Stray, truncated, overlong, surrogate and out-of-range bytes, and a C1 control.
      {{"Length", "1", "\xff\xc3 \xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80 \xc2\x9b", "meter"},
       "",
       "unknown unit \"\\xff\\xc3 \\xc0\\xaf \\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80 \\xc2\\x9b\" in "
       "category \"Length\"; see quantivo-convert --names \"Length\""},
      {{"--format", "\x1b[2J"}, "", "unknown format \"\\x1b[2J\""},
      {{"--precision", "4\n"}, "", "precision \"4\\n\" is not an integer"},
      {{"--x\x1b"}, "", "unknown option --x\\x1b"},
      {{"--x\x1b=1"}, "", "unknown option --x\\x1b"},  // unknown before "takes no value"
      {{"--batch"},
       "Length\tmeter\tme\x1bter\t1\n",
       "line 1: unknown unit \"me\\x1bter\" in category \"Length\"; did you mean \"meter\"?"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.message);
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), std::string("quantivo-convert: ") + c.message);
    EXPECT_EQ(run.status, 2);
  }
}

// Hands out `text`, then fails the way a file buffer does: errno set, an exception
// the stream turns into badbit.
class FailingInput : public std::streambuf {
 public:
  FailingInput(std::string text, int error) : m_text(std::move(text)), m_error(error) {
    setg(m_text.data(), m_text.data(), m_text.data() + m_text.size());
  }

 protected:
  int_type underflow() override {
    errno = m_error;
    throw std::runtime_error("read failed");
  }

 private:
  std::string m_text;
  int m_error;
};

// Takes `room` characters, then fails each write with errno set.
class FailingOutput : public std::streambuf {
 public:
  FailingOutput(std::size_t room, int error) : m_room(room), m_error(error) {}
  std::string Written;

 protected:
  int_type overflow(int_type c) override {
    if (m_room == 0) {
      errno = m_error;
      return traits_type::eof();
    }
    --m_room;
    Written.push_back(traits_type::to_char_type(c));
    return c;
  }

 private:
  std::size_t m_room;
  int m_error;
};

TEST(ConvertCli, ReadErrorIsToldFromTheEndOfInput) {
  const std::string reason = std::string(": ") + std::strerror(EIO);
  const struct {
    const char* input;
    int error;
    const char* out;
    const char* badLines;
  } kCases[] = {
      {"", EIO, "", ""},
      {"Length\tmeter\tmeter\t1\nLength\tmeter\tfoot", EIO, "1\n", ""},
      // The read error outranks the unknown name.
      {"Nope\tmeter\tmeter\t1\n", EIO, "\n",
       "quantivo-convert: line 1: unknown category \"Nope\"\n"},
      {"Length\tmeter\tmeter\t1\n", 0, "1\n", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    FailingInput buffer(c.input, c.error);
    std::istream in(&buffer);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunConvertCli({"--batch"}, in, out, err, {}, "");
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), std::string(c.badLines) +
                             "quantivo-convert: error reading standard input" +
                             (c.error != 0 ? reason : "") + "\n");
    EXPECT_EQ(status, 1);
  }
}

TEST(ConvertCli, WriteErrorIsReportedOnceAndStopsTheBatch) {
  const std::string message = std::string("quantivo-convert: error writing standard output: ") +
                              std::strerror(ENOSPC) + "\n";
  constexpr std::string_view kLine = "Length\tmeter\tmeter\t1\n";
  std::string manyLines;
  for (int i = 0; i < 100; ++i) manyLines += kLine;
  const struct {
    std::vector<std::string_view> args;
    std::size_t room;
    const char* written;
    std::streamoff inputRead;
  } kCases[] = {
      {{"Length", "1", "meter", "meter"}, 1, "1", 0},
      {{"--list"}, 20, "Length\nArea\nVolume\nV", 0},
      {{"--help"}, 6, "Usage:", 0},
      {{"--batch"}, 0, "", std::ssize(kLine)},
      {{"--batch"}, 5, "1\n1\n1", 3 * std::ssize(kLine)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.written);
    std::istringstream in(manyLines);
    FailingOutput buffer(c.room, ENOSPC);
    std::ostream out(&buffer);
    std::ostringstream err;
    const int status = RunConvertCli(c.args, in, out, err, {}, "");
    EXPECT_EQ(buffer.Written, c.written);
    EXPECT_EQ(err.str(), message);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(in.tellg(), c.inputRead);
  }
}

// Requests as people type them, each matching rule and each refusal: the result and
// status 0, the value's message and status 3, or the message on standard error and 2.
TEST(ConvertCli, ReadsTheWordsPeopleType) {
  const engine::NumberLocale kGerman{",", "."};
  const struct {
    std::vector<std::string_view> args;
    const char* out;  // or the message, after "quantivo-convert: "
    int status = 0;
    const engine::NumberLocale* locale = nullptr;
  } kCases[] = {
      {{"5", "ft", "m"}, "1.524"},  // symbols
      {{"1", "MW", "kW"}, "1000"},  // with their case
      {{"1", "mW", "W"}, "0.001"},
      {{"8", "FEET", "Meters"}, "2.4384"},  // words in any case
      {{"1", "gallon", "litres"}, "3.785411784"},
      {{"350", "F", "C"}, "176.6666667"},
      {{"1", "sq", "ft", "m2"}, "0.09290304"},  // spelt without ² or °
      {{"98.6", "degF", "°C"}, "37"},
      {{"-40", "fahr", "cels"}, "-40"},  // starts of four letters
      {{"3600", "s", "h"}, "1"},         // never a start of one letter
      {{"1", "t", "g"}, "1000000"},
      {{"63360", "in", "mi"}, "1"},
      {{"1", "mile", "to", "km"}, "1.609344"},  // "to", and "in" after a unit
      {{"1", "in", "in", "cm"}, "2.54"},
      {{"1", "sq", "in", "cm2"}, "6.4516"},  // not after "sq"
      {{"1", "cu.ft.", "L"}, "28.31684659"},
      {{"100", "μm", "mm"}, "0.1"},              // a Greek mu for the micro sign
      {{"6 ft 2 in", "cm"}, "187.96"},           // a value quoted with its units
      {{"5", "ft", "3", "in", "cm"}, "160.02"},  // one measure in two units
      {{"1", "h", "30", "min", "to", "s"}, "5400"},
      {{"3/4", "cup", "tbsp"}, "12"},  // fractions
      {{"1", "1/2", "cup", "tbsp"}, "24"},
      {{"-1", "1/2", "h", "min"}, "-90"},
      {{"1", "fl", "oz", "tsp"}, "6"},  // names of several words
      {{"0xff", "hex", "dec"}, "255"},
      {{"0b101", "bin", "dec"}, "5"},
      {{"0.75", "mixed", "number"}, "0 and 3/4"},  // no FROM in Fractions
      {{" 5 ", "m", "cm"}, "500"},                 // blanks around the value
      {{"1,5", "kg", "g"}, "1500", 0, &kGerman},   // as the locale writes it
      {{"1.234,5", "kg", "g"}, "1234500", 0, &kGerman},
      {{"1.5", "kg", "g"}, "1500", 0, &kGerman},  // a point alone is the point
      {{"1,234.5", "kg", "g"}, "1234500"},
      {{"1,5", "kg", "g"}, "invalid number [2]", 3},
      {{"3/0", "m", "m"}, "invalid number [2]", 3},  // over 0 is no number
      {{"1", "s", "kg"},
       "\"s\" and \"kg\" are units of different categories: second is Time, kilogram is Mass; see "
       "quantivo-convert --names CATEGORY",
       2},
      {{"1", "meter", "hectare"},  // a name is never read as the start of another
       "\"meter\" and \"hectare\" are units of different categories: meter is Length, hectare is "
       "Area; see quantivo-convert --names CATEGORY",
       2},
      {{"1", "minute", "second"},
       "units \"minute\" and \"second\" are in more than one category: Time, Angle; name the "
       "category: quantivo-convert CATEGORY VALUE FROM TO",
       2},
      {{"1", "KG", "lb"}, "2.204622622"},  // a symbol in another case, of one unit only
      {{"1", "Pa", "MB"},                  // but not where it is another quantity's symbol
       "\"Pa\" and \"MB\" are units of different categories: pascal is Pressure, megabyte is "
       "Computer; see quantivo-convert --names CATEGORY",
       2},
      {{"1", "mw", "W"},
       "ambiguous unit \"mw\" in category \"Power\"; did you mean \"MW\" or \"mW\"?",
       2},
      {{"1", "xyz", "m"},
       "unknown unit \"xyz\" in category \"Length\"; see quantivo-convert --names \"Length\"",
       2},
      {{"Temperature", "1", "C", "2", "F", "K"},
       "a value in several units is for measured quantities, not \"Temperature\"",
       2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.out);
    const CliRun run = RunCli(c.args, "", c.locale != nullptr ? *c.locale : engine::NumberLocale{});
    EXPECT_EQ(c.status == 2 ? run.err : run.out,
              (c.status == 2 ? "quantivo-convert: " : "") + std::string(c.out) + "\n");
    EXPECT_EQ(run.status, c.status);
  }
}

TEST(ConvertCli, VerboseTellsHowTheRequestWasRead) {
  EXPECT_EQ(RunCli({"-v", "1", "mile", "km"}).err,
            "quantivo-convert: 1 mile = 1.609344 kilometer (Length)\n");
  EXPECT_EQ(RunCli({"--verbose", "5", "ft", "3", "in", "cm"}).err,
            "quantivo-convert: 5 foot 3 inch = 160.02 centimeter (Length)\n");
  EXPECT_EQ(RunCli({"-v", "1,5", "m", "ft"}).err,
            "quantivo-convert: 1,5 meter to foot (Length): invalid number [2]\n");
}

TEST(ConvertCli, BatchTakesLinesWithoutACategory) {
  const CliRun run = RunCli({"--batch"}, "mile\tkm\t1\n\tmile\tkm\t2\nkm\tkg\t1\nm\tft\tx\n");
  EXPECT_EQ(run.out, "1.609344\n3.218688\n\ninvalid number [1]\n");
  EXPECT_EQ(run.err,
            "quantivo-convert: line 3: \"km\" and \"kg\" are units of different categories: "
            "kilometer is Length, kilogram is Mass; see quantivo-convert --names CATEGORY\n");
  EXPECT_EQ(run.status, 2);  // a bad name outranks a value that does not convert
}

TEST(ConvertCli, VersionHelpAndNames) {
  EXPECT_EQ(RunCli({"--version"}).out, "quantivo-convert 1.0.0\n");
  EXPECT_EQ(RunCli({"-h"}).out, RunCli({"--help"}).out);
  const std::string names = RunCli({"--names", "length"}).out;
  EXPECT_EQ(names.rfind("kilometer\nhectometer\n", 0), 0u);
  EXPECT_NE(names.find("\nkm\nkilometers\n"), std::string::npos);
}

TEST(ConvertCli, TakesTheUnitsOfTheUsersOwn) {
  constexpr const char* kUnits =
      "[Length]\nstep = 60 centimeter\nmetric foot, mft = 300 millimeter\n";
  constexpr const char* kFrom = "quantivo-convert: units of your own from FILE\n";
  constexpr const char* kNoFile = "quantivo-convert: no units file at FILE\n";
  constexpr const char* kUnknown =
      "quantivo-convert: unknown unit \"step\" in category "
      "\"Length\"; see quantivo-convert --names \"Length\"\n";
  constexpr const char* kBadLine =
      "quantivo-convert: Lines of FILE that define no unit are left out and kept in the file:\n"
      "quantivo-convert: line 3: a unit is written as name = value unit, as in step = 60 "
      "centimeter\n";
  const struct {
    const char* file;  // nullptr: none; "/": a folder in its place
    std::vector<std::string_view> args;
    const char* outEnd;  // the output's last lines, after a line end
    const char* err;     // FILE: the file's path
    int status = 0;
  } kCases[] = {
      {kUnits, {"10", "step", "meter"}, "\n6\n", ""},
      {kUnits, {"--no-custom-units", "-v", "10", "step", "meter"}, "\n", kUnknown, 2},
      {kUnits, {"-v", "--list", "Length"}, "\nstep\nmetric foot\n", kFrom},
      {kUnits, {"--list", "--sorted", "Length"}, "\nyard\nmetric foot\nstep\n", ""},
      {nullptr, {"-v", "--list", "Area"}, "\npole²\n", kNoFile},
      {"/", {"1", "m", "cm"}, "\n100\n", "quantivo-convert: Unable to read FILE\n"},
      {"[Length]\nstep = 60 centimeter\nwalk\n", {"10", "step", "m"}, "\n6\n", kBadLine},
  };
  const std::string path = testing::TempDir() + "quantivo_cli_units/units.ini";
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.args.back());
    std::filesystem::remove_all(path);
    const bool folder = c.file != nullptr && *c.file == '/';
    std::filesystem::create_directories(folder ? path : path.substr(0, path.rfind('/')));
    if (c.file != nullptr && !folder) std::ofstream(path) << c.file;
    const CliRun run = RunCli(c.args, "", {}, path);
    std::string err = c.err;
    if (const std::size_t at = err.find("FILE"); at != err.npos) err.replace(at, 4, path);
    const std::string out = "\n" + run.out;
    EXPECT_EQ(out.substr(out.size() - std::min(out.size(), std::strlen(c.outEnd))), c.outEnd);
    EXPECT_EQ(run.err, err);
    EXPECT_EQ(run.status, c.status);
  }
  std::filesystem::remove_all(path);
}

}  // namespace
}  // namespace quantivo::cli
