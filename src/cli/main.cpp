#include <clocale>
#include <iostream>
#include <string_view>
#include <vector>

#include "convert_cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);

  // Results use the separators of the environment's numeric locale; nothing else
  // in the program depends on the locale, so it goes back to "C" at once.
  const char* applied = std::setlocale(LC_NUMERIC, "");
  const std::lconv* conv = applied != nullptr ? std::localeconv() : nullptr;
  const quantivo::engine::NumberLocale locale =
      conv != nullptr ? quantivo::engine::MakeNumberLocale(conv->decimal_point, conv->thousands_sep)
                      : quantivo::engine::NumberLocale{};
  std::setlocale(LC_NUMERIC, "C");

  const std::vector<std::string_view> args(argv + 1, argv + argc);
  // Reports its own read and write errors. A closed pipe on standard output ends the
  // program by SIGPIPE, quietly, as it ends other filters.
  return quantivo::cli::RunConvertCli(args, std::cin, std::cout, std::cerr, locale);
}
