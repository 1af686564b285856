#include "convert_cli.h"

#include <cerrno>
#include <optional>
#include <ostream>
#include <string>

#include "batch_mode.h"
#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_lookup.h"
#include "cli_catalogue.h"
#include "cli_options.h"
#include "cli_output.h"
#include "engine/conversion_result.h"
#include "name_listing.h"
#include "request_converter.h"
#include "request_words.h"

namespace quantivo::cli {
namespace {

int RunHelp(const Options& options, std::ostream& out, std::ostream& err) {
  errno = 0;
  if (options.Help)
    out << UsageText();
  else
    out << kProgram << ' ' << QUANTIVO_VERSION << '\n';
  return FinishOutput(out, err, 0);
}

// VALUE FROM TO: the result line.
int RunOne(const Converter& converter, const RequestWords& request, bool verbose, std::ostream& out,
           std::ostream& err) {
  std::string result;
  Resolved resolved;
  const int status = ConvertOne(converter, request, verbose, 0, resolved, result, err);
  if (status == kUsageError) return status;
  errno = 0;
  out << result << '\n';
  return FinishOutput(out, err, status);
}

// --table: VALUE in every unit of the category, "unit<TAB>result" lines in list order.
int RunTable(const catalogue::UnitCatalogue& catalogue, const Converter& converter,
             const RequestWords& request, bool verbose, std::ostream& out, std::ostream& err) {
  std::string result;
  Resolved resolved;
  if (!converter.Resolve(request, resolved, result)) {
    err << kProgram << ": " << result << '\n';
    return kUsageError;
  }
  if (verbose) err << kProgram << ": " << converter.Reading(request, resolved, -1, {}) << '\n';
  int status = 0;
  errno = 0;
  const catalogue::UnitCategory& category = catalogue.Category(resolved.Category);
  for (int to = 0; to < static_cast<int>(category.Units.size()); ++to) {
    const engine::ConversionResult converted = converter.Convert(request, resolved, to);
    if (converted.Failure) status = kValueError;
    out << category.Units[static_cast<std::size_t>(to)].Name << '\t'
        << engine::EnglishText(converted) << '\n';
  }
  return FinishOutput(out, err, status);
}

}  // namespace

int RunConvertCli(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
                  std::ostream& err, const engine::NumberLocale& locale,
                  const std::string& unitsPath) {
  Options options;
  if (const std::optional<std::string> problem = ParseArguments(args, options)) {
    err << kProgram << ": " << *problem << "\n\n" << UsageText();
    return kUsageError;
  }
  if (options.Help || options.Version) return RunHelp(options, out, err);
  const catalogue::UnitCatalogue catalogue = MakeCatalogue(options, unitsPath, err);
  if (options.List || options.Names) return RunList(options, catalogue, out, err);

  const catalogue::UnitLookup lookup(catalogue);
  const Converter converter(catalogue, lookup, options, locale);
  if (options.Batch) return RunBatch(converter, options.Verbose, in, out, err);

  RequestWords request;
  if (!ReadRequestWords(options.Positional, options.Table, catalogue, lookup, request)) {
    err << kProgram << ": expected [CATEGORY] VALUE FROM" << (options.Table ? "" : " TO") << "\n\n"
        << UsageText();
    return kUsageError;
  }
  if (options.Table) return RunTable(catalogue, converter, request, options.Verbose, out, err);
  return RunOne(converter, request, options.Verbose, out, err);
}

}  // namespace quantivo::cli
