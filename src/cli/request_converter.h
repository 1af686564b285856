#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_lookup.h"
#include "cli_options.h"
#include "engine/conversion_result.h"
#include "engine/format_result.h"
#include "request_resolver.h"
#include "request_words.h"

namespace quantivo::cli {

/// Converts requests: finds what they name, then converts their values in the result
/// format and with the separators given.
class Converter {
 public:
  /// The catalogue and the lookup must outlive the converter.
  Converter(const catalogue::UnitCatalogue& catalogue, const catalogue::UnitLookup& lookup,
            const Options& options, const engine::NumberLocale& locale)
      : m_catalogue(catalogue),
        m_resolver(catalogue, lookup, options.Batch),
        m_format(options.Format),
        m_locale(locale) {}

  /// Finds the category and the units of a request; false with the message.
  bool Resolve(const RequestWords& request, Resolved& resolved, std::string& message) const {
    return m_resolver.Resolve(request, resolved, message);
  }

  /// The output text of a resolved request, into `to` (or the request's own TO).
  engine::ConversionResult Convert(const RequestWords& request, const Resolved& resolved,
                                   int to) const;

  /// How a request was read, for --verbose: "1 mile = 1.609344 kilometer (Length)", or
  /// "... to kilometer (Length)" and the message when there is no result; without a
  /// unit to convert to (a table), "1 mile (Length)".
  std::string Reading(const RequestWords& request, const Resolved& resolved, int to,
                      const engine::ConversionResult& result) const;

 private:
  engine::ConversionResult ConvertOnePart(const RequestWords& request, const Resolved& resolved,
                                          int to) const;
  engine::ConversionResult ConvertParts(const RequestWords& request, const Resolved& resolved,
                                        int to) const;
  engine::ConversionResult ConvertText(int category, int from, int to, std::string_view text) const;

  const catalogue::UnitCatalogue& m_catalogue;
  RequestResolver m_resolver;
  engine::ResultFormat m_format;
  engine::NumberLocale m_locale;
};

/// Converts one request and writes its reading on `err` when `verbose`, or reports
/// why it names nothing; `line` is the batch line's number, 0 outside a batch. The
/// result, empty after a report, goes to `result`; returns the exit status.
int ConvertOne(const Converter& converter, const RequestWords& request, bool verbose,
               long long line, Resolved& resolved, std::string& result, std::ostream& err);

}  // namespace quantivo::cli
