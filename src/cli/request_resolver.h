#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_lookup.h"
#include "name_problems.h"
#include "request_words.h"

namespace quantivo::cli {

/// A request with its category and units found: list positions, -1 for no unit.
struct Resolved {
  int Category = -1;
  std::vector<int> From;  // one for each part of the value
  int To = -1;
};

/// Finds the category and the units a request names. It remembers what it has read,
/// as a batch names the same category and units line after line.
class RequestResolver {
 public:
  /// `batch`: requests come from batch lines. The catalogue and the lookup must
  /// outlive the resolver.
  RequestResolver(const catalogue::UnitCatalogue& catalogue, const catalogue::UnitLookup& lookup,
                  bool batch)
      : m_catalogue(catalogue), m_lookup(lookup), m_problems(catalogue, lookup), m_batch(batch) {}

  /// Finds the category and the units of a request; false with the message.
  bool Resolve(const RequestWords& request, Resolved& resolved, std::string& message) const;

 private:
  int NamedCategory(std::string_view name) const;
  bool FindCategory(const std::vector<std::string_view>& words, int& found,
                    std::string& message) const;
  std::string NoCategoryProblem(const std::vector<std::string_view>& named,
                                const WordReadings& readings) const;
  bool FindUnits(const std::vector<std::string_view>& words, Resolved& resolved,
                 std::string& message) const;
  bool CheckMeasure(const RequestWords& request, const Resolved& resolved,
                    std::string& message) const;
  const std::vector<catalogue::CategoryReading>& Everywhere(std::string_view word) const;

  static constexpr std::size_t kRemembered = 4096;

  const catalogue::UnitCatalogue& m_catalogue;
  const catalogue::UnitLookup& m_lookup;
  NameProblems m_problems;
  bool m_batch = false;
  mutable std::unordered_map<std::string, std::vector<catalogue::CategoryReading>> m_everywhere;
  mutable std::string m_lastCategory;
  mutable int m_lastCategoryIndex = -1;
  mutable std::vector<std::string_view> m_words;  // the unit words of the request in hand
};

}  // namespace quantivo::cli
