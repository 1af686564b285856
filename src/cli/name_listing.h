#pragma once

#include <iosfwd>

#include "catalogue/unit_catalogue.h"
#include "cli_options.h"

namespace quantivo::cli {

/// --list and --names: the categories, or the units of the one named (--list, in
/// alphabetical order with --sorted); or every name a unit is known by, each once, of
/// the category named or of all (--names), from `catalogue`. Returns the exit status.
int RunList(const Options& options, const catalogue::UnitCatalogue& catalogue, std::ostream& out,
            std::ostream& err);

}  // namespace quantivo::cli
