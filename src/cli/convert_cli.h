#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "engine/format_result.h"

namespace quantivo::cli {

/// Runs quantivo-convert with its arguments (without the program name), reading
/// batch lines from `in`. Returns the exit status: 0; 1 when `in` could not be read
/// or `out` not written, reported on `err` with the reason errno holds; or 2 after a
/// bad option or an unknown category or unit. `out` is flushed before it returns.
/// `unitsPath`: the units file with the user's own units; empty for none.
int RunConvertCli(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
                  std::ostream& err, const engine::NumberLocale& locale,
                  const std::string& unitsPath);

}  // namespace quantivo::cli
