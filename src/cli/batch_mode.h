#pragma once

#include <iosfwd>

#include "request_converter.h"

namespace quantivo::cli {

/// --batch: reads [CATEGORY<TAB>]FROM<TAB>TO<TAB>VALUE lines from `in` and writes one
/// result line for each, in order; a line that names nothing or has too few fields
/// gives an empty line and a report on `err`. Output is flushed whenever no more input
/// is waiting, so a script may feed one line and wait for its answer. Reading stops at
/// the first failure to write. Returns the worst exit status of the lines, or kIoError.
int RunBatch(const Converter& converter, bool verbose, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace quantivo::cli
