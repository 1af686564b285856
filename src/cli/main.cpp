#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "convert_cli.h"
#include "model/custom_units_file.h"
#include "model/settings_file.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);

  // Results use the separators, grouping and digits of the environment's locale;
  // nothing else in the program depends on the locale, so it goes back to "C" at once.
  const char* applied = std::setlocale(LC_NUMERIC, "");
  std::setlocale(LC_CTYPE, "");
  const std::lconv* conv = applied != nullptr ? std::localeconv() : nullptr;
  const quantivo::engine::NumberLocale locale =
      conv != nullptr
          ? quantivo::engine::MakeNumberLocale(conv->decimal_point, conv->thousands_sep,
                                               nl_langinfo(_NL_CTYPE_OUTDIGIT0_MB), conv->grouping)
          : quantivo::engine::NumberLocale{};
  std::setlocale(LC_NUMERIC, "C");
  std::setlocale(LC_CTYPE, "C");

  // The units of the user's own, from the file the window keeps them in.
  const std::string unitsPath =
      quantivo::model::CustomUnitsFilePath(quantivo::model::SettingsFilePath(
          std::getenv("XDG_CONFIG_HOME"), quantivo::model::UserHomeFolder().c_str()));

  const std::vector<std::string_view> args(argv + 1, argv + argc);
  // Reports its own read and write errors. A closed pipe on standard output ends the
  // program by SIGPIPE, quietly, as it ends other filters.
  return quantivo::cli::RunConvertCli(args, std::cin, std::cout, std::cerr, locale, unitsPath);
}
