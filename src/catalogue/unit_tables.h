#pragma once

#include <span>

#include "catalogue/unit_catalogue.h"

namespace quantivo::catalogue {

/// The definition-order table of the category at `index`, as BuildTables writes it.
std::span<const UnitRecord> DefinitionTable(int index);

}  // namespace quantivo::catalogue
