#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/user_messages.h"

namespace quantivo::test {

/// Keeps messages instead of showing them: information and errors each in a list of
/// their own, and every message in the order it came in Shown. `Messages` is the
/// interface to record, UserMessages or one derived from it.
template <typename Messages>
class Recording : public Messages {
 public:
  void ShowInformation(std::string_view text) override {
    Information.emplace_back(text);
    Shown.emplace_back(text);
  }
  void ShowError(std::string_view text) override {
    Errors.emplace_back(text);
    Shown.emplace_back(text);
  }
  std::vector<std::string> Information;
  std::vector<std::string> Errors;
  std::vector<std::string> Shown;
};

/// The settings file's messages.
using RecordedMessages = Recording<model::UserMessages>;

}  // namespace quantivo::test
