#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_lookup.h"

namespace quantivo::cli {

/// One value and the unit it is written in, as typed.
struct MeasureWords {
  std::string_view Value;
  std::string_view Unit;  // empty: no input unit
};

/// The words of one request sorted into their parts: the category if one was named,
/// the value in one unit ("1 mile") or several ("5 ft 3 in"), and the unit to convert
/// to.
struct RequestWords {
  std::string_view Category;
  bool HasCategory = false;
  std::vector<MeasureWords> Parts;
  std::string_view To;
  /// The texts made of several words, which the views above may point into; the
  /// others point into the words read.
  std::deque<std::string> Joined;
};

/// Reads the operands of a conversion as people type them: [CATEGORY] VALUE FROM TO,
/// with "to" (or "in" after a unit) between the units ("1 mile to km"), a whole number
/// and a fraction as two words ("1 1/2 cup ml"), a measure in several units of one
/// category ("5 ft 3 in cm"), a name of several words unquoted ("1 fl oz ml"), and
/// no FROM where the unit converted to is of a category without input units ("0.75
/// fraction"). The first operand is the category when it names one and is no number.
/// `tableForm`: --table, where there is no TO. False when the words make no request.
bool ReadRequestWords(const std::vector<std::string_view>& words, bool tableForm,
                      const catalogue::UnitCatalogue& catalogue,
                      const catalogue::UnitLookup& lookup, RequestWords& request);

}  // namespace quantivo::cli
