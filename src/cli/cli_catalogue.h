#pragma once

#include <iosfwd>
#include <string>

#include "catalogue/unit_catalogue.h"
#include "cli_options.h"

namespace quantivo::cli {

/// The catalogue the program converts with: the built-in units and the user's own from
/// the units file at `unitsPath` (none when it is empty or with --no-custom-units), in
/// alphabetical order with --sorted. What the file cannot give is reported on `err` and
/// changes no exit status; --verbose tells there which file was read.
catalogue::UnitCatalogue MakeCatalogue(const Options& options, const std::string& unitsPath,
                                       std::ostream& err);

}  // namespace quantivo::cli
