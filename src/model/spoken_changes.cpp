#include "model/spoken_changes.h"

namespace quantivo::model {

std::string SpokenChanges::Settled(std::string_view category, std::string_view result,
                                   bool categoryHeard) {
  const bool newCategory = category != m_category;
  if (!newCategory && result == m_result) return {};
  m_category = category;
  m_result = result;
  std::string said = newCategory && !categoryHeard ? std::string(category) : std::string();
  if (!said.empty() && !result.empty()) said += ", ";
  said += result;
  return said;
}

}  // namespace quantivo::model
