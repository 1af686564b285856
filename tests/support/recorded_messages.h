#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/user_messages.h"

namespace quantivo::test {

/// Keeps the settings file's messages instead of showing them.
class RecordedMessages : public model::UserMessages {
 public:
  void ShowInformation(std::string_view text) override { Information.emplace_back(text); }
  void ShowError(std::string_view text) override { Errors.emplace_back(text); }
  std::vector<std::string> Information;
  std::vector<std::string> Errors;
};

}  // namespace quantivo::test
