#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_lookup.h"

namespace quantivo::cli {

/// The readings of each word of a request, word by word.
using WordReadings = std::vector<std::span<const catalogue::CategoryReading>>;

/// Why `name` names no category: none fits it, or it is the start of several; with
/// the nearest category names.
std::string CategoryProblem(const catalogue::UnitCatalogue& catalogue, std::string_view name);

/// The messages for unit names that name nothing, or more than one thing, each with
/// the names meant or where to find them all.
class NameProblems {
 public:
  /// Both must outlive the messages' maker.
  NameProblems(const catalogue::UnitCatalogue& catalogue, const catalogue::UnitLookup& lookup)
      : m_catalogue(catalogue), m_lookup(lookup) {}

  /// `name` is no unit of `category`, or (`ambiguous`) the start of several.
  std::string UnknownUnit(int category, std::string_view name, bool ambiguous) const;
  /// `name` is a unit of no category.
  std::string UnknownUnit(std::string_view name) const;
  /// The `named` units are all in each of `categories`. `table`: the form without TO;
  /// `batch`: a batch line, whose first field names the category.
  std::string InSeveralCategories(const std::vector<std::string_view>& named,
                                  const std::vector<int>& categories, bool table, bool batch) const;
  /// The `named` units, read as `readings` gives, are of different categories.
  std::string InDifferentCategories(const std::vector<std::string_view>& named,
                                    const WordReadings& readings) const;

 private:
  std::string UnitSuggestion(int category, std::string_view name) const;
  std::string Quantity(std::string_view word,
                       std::span<const catalogue::CategoryReading> readings) const;
  std::string CategoryList(const std::vector<int>& categories) const;

  const catalogue::UnitCatalogue& m_catalogue;
  const catalogue::UnitLookup& m_lookup;
};

}  // namespace quantivo::cli
