#pragma once

#include <string>
#include <string_view>

namespace quantivo::model {

/// What a screen reader is told when the window settles after a change, so that each
/// category and each result is heard once: the category's name when another category
/// shows, then the result with its unit when there is one; only the result when the
/// category is the same and the result reads differently. An emptied result says
/// nothing, and lets the next result be heard even if it repeats the one before.
class SpokenChanges {
 public:
  /// Starts where the window starts: in `category`, nothing heard of it yet.
  explicit SpokenChanges(std::string category = {}) : m_category(std::move(category)) {}

  /// The window now shows `category` and `result` (with its unit; empty for none).
  /// `categoryHeard` is set where the focus already says the category's name (the
  /// user moves along the tab strip). Returns what to say; empty for nothing.
  std::string Settled(std::string_view category, std::string_view result, bool categoryHeard);

 private:
  std::string m_category;
  std::string m_result;
};

}  // namespace quantivo::model
