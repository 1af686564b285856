#include "catalogue/unit_tables.h"

#include <iterator>

namespace quantivo::catalogue {
namespace {

// Each factor is how many of the unit make one meter. The literals are read by the
// compiler to the nearest extended value.
constexpr UnitRecord kLength[] = {
    {"kilometer", 0.001L},
    {"hectometer", 0.01L},
    {"dekameter", 0.1L},
    {"meter", 1.0L},
    {"decimeter", 10.0L},
    {"centimeter", 100.0L},
    {"millimeter", 1000.0L},
    {"micrometer", 1000000.0L},
    {"nanometer", 1e9L},
    {"angstrom", 1e10L},
    {"fermi", 1e15L},
    {"mile", 0.000621371192237L},
    {"furlong", 0.00497096953791L},
    {"chain", 0.049709695379L},
    {"rod", 0.198838781516L},
    {"perch", 0.198838781516L},
    {"pole", 0.198838781516L},
    {"fathom", 0.546806649169L},
    {"yard", 1.09361329834L},
    {"foot", 3.28083989501L},
    {"link", 4.9709695379L},
    {"inch", 39.3700787402L},
    {"mil", 39370.0787402L},
    // One unit in the last place below the extended value nearest to
    // 3.24077865471e-23; the long decimal singles that value out.
    {"megaparsec", 3.2407786547099999998e-23L},
    {"kiloparsec", 3.24077865471e-20L},
    {"parsec", 3.24077865471e-17L},
    {"lightyear", 1.05702341054e-16L},
    {"astronomical unit", 6.68458581304e-12L},
    {"nautical mile", 0.000539956803456L},
    {"mile (US Survey)", 0.000621369949495L},
    {"foot (US Survey)", 3.280833333333L},
    {"long reed (Biblical)", 0.312460942383L},
    {"reed (Biblical)", 0.364537766113L},
    {"long cubit (Biblical)", 1.8747656543L},
    {"cubit (Biblical)", 2.18722659668L},
    {"span (Biblical)", 4.37445319336L},
    {"handbreadth (Biblical)", 13.1233595801L},
    {"fingerbreadth (Biblical)", 52.4934383204L},
};
static_assert(std::size(kLength) == 38);

}  // namespace

std::span<const UnitRecord> DefinitionTable(int index) {
  switch (index) {
    case 0:
      return kLength;
    default:
      // The other categories' tables are not written yet.
      return {};
  }
}

}  // namespace quantivo::catalogue
