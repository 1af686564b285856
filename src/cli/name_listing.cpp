#include "name_listing.h"

#include <cerrno>
#include <ostream>
#include <unordered_set>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_lookup.h"
#include "cli_output.h"
#include "name_problems.h"

namespace quantivo::cli {

int RunList(const Options& options, const catalogue::UnitCatalogue& catalogue, std::ostream& out,
            std::ostream& err) {
  errno = 0;
  if (options.Positional.empty() && options.List) {
    for (const std::string_view name : catalogue.CategoryNames()) out << name << '\n';
    return FinishOutput(out, err, 0);
  }
  std::vector<int> categories;
  if (options.Positional.empty()) {
    for (int c = 0; c < catalogue.CategoryCount(); ++c) categories.push_back(c);
  } else {
    const int category = catalogue::FindCategoryName(catalogue, options.Positional[0]);
    if (category < 0) {
      err << kProgram << ": " << CategoryProblem(catalogue, options.Positional[0]) << "\n";
      return kUsageError;
    }
    categories.push_back(category);
  }
  if (options.List) {
    for (const std::string_view name : catalogue.UnitNames(categories[0])) out << name << '\n';
    return FinishOutput(out, err, 0);
  }
  // Every name once, in the order the categories and their lists give.
  const catalogue::UnitLookup lookup(catalogue);
  std::unordered_set<std::string_view> written;
  for (const int c : categories) {
    for (const std::string_view name : lookup.NamesOf(c)) {
      if (written.insert(name).second) out << name << '\n';
    }
  }
  return FinishOutput(out, err, 0);
}

}  // namespace quantivo::cli
