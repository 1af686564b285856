#pragma once

#include <iosfwd>

#include "cli_options.h"

namespace quantivo::cli {

/// --list and --names: the categories, or the units of the one named (--list, in
/// alphabetical order with --sorted); or every name a unit is known by, each once, of
/// the category named or of all (--names). Returns the exit status.
int RunList(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace quantivo::cli
